// Golden dump of the catalogue: every field of every record, one line per record, compared with a
// reviewed file. Set TP_UPDATE_GOLDEN=1 to rewrite the file from the compiled table.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "data/elemente.h"

namespace {

// The shortest fixed-point text that reads back as exactly this double.
std::string TextReal(double valoare) {
  char tampon[64];
  const std::to_chars_result r = std::to_chars(tampon, tampon + sizeof tampon, valoare, std::chars_format::fixed);
  EXPECT_EQ(r.ec, std::errc{});
  return std::string(tampon, r.ptr);
}

// One line per record: Z|Simbol|Denumire|Descoperitor|AnDescoperire|MasaAtomica|Densitate|PunctTopire|
// PunctFierbere|shells 1 to 7|Pozitie.
std::vector<std::string> RandurileCatalogului() {
  std::vector<std::string> randuri;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const TipElement& e = Elemente[z];
    std::string r = std::to_string(z);
    for (std::string_view text : {e.Simbol, e.Denumire, e.Descoperitor}) {
      r += '|';
      r += text;
    }
    r += '|' + std::to_string(e.AnDescoperire);
    for (double valoare : {e.MasaAtomica, e.Densitate, e.PunctTopire, e.PunctFierbere}) {
      r += '|' + TextReal(valoare);
    }
    r += '|';
    for (std::size_t i = 0; i < e.Electroni.size(); ++i) {
      r += (i == 0 ? "" : " ") + std::to_string(e.Electroni[i]);
    }
    r += '|' + std::to_string(e.Pozitie);
    randuri.push_back(r);
  }
  return randuri;
}

TEST(CatalogGolden, EveryFieldMatchesTheReviewedDump) {
  const std::string cale = TP_CATALOG_GOLDEN;
  const std::vector<std::string> actuale = RandurileCatalogului();

  const char* actualizeaza = std::getenv("TP_UPDATE_GOLDEN");
  if (actualizeaza != nullptr && std::string_view(actualizeaza) == "1") {
    std::ofstream iesire(cale, std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(iesire) << "cannot write " << cale;
    for (const std::string& r : actuale) {
      iesire << r << '\n';
    }
    ASSERT_TRUE(iesire.flush()) << "cannot write " << cale;
    GTEST_SKIP() << "rewrote " << cale;
  }

  std::ifstream intrare(cale, std::ios::binary);
  ASSERT_TRUE(intrare) << "cannot read " << cale << " (TP_UPDATE_GOLDEN=1 writes it)";
  std::vector<std::string> asteptate;
  for (std::string r; std::getline(intrare, r);) {
    asteptate.push_back(r);
  }
  for (std::size_t i = 0; i < std::min(actuale.size(), asteptate.size()); ++i) {
    ASSERT_EQ(actuale[i], asteptate[i]) << "first difference at line " << i + 1 << " of " << cale;
  }
  ASSERT_EQ(actuale.size(), asteptate.size()) << "line count differs from " << cale;
}

}  // namespace
