// The text dump of the developer tool, byte for byte against its golden copy (TP_UPDATE_GOLDEN=1
// records it anew).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::string IesireaUneltei() {
  std::string iesire;
  FILE* proces = popen(TP_TEXTE_ELEMENTE, "r");
  if (proces == nullptr) return iesire;
  char bucata[4096];
  std::size_t citit;
  while ((citit = std::fread(bucata, 1, sizeof bucata, proces)) > 0) iesire.append(bucata, citit);
  EXPECT_EQ(pclose(proces), 0);
  return iesire;
}

TEST(TexteElemente, OutputMatchesTheGolden) {
  const std::string iesire = IesireaUneltei();
  ASSERT_FALSE(iesire.empty());
  const std::string cale = std::string(TP_GOLDEN_DIR) + "/texts.tsv";
  const char* actualizeaza = std::getenv("TP_UPDATE_GOLDEN");
  if (actualizeaza != nullptr && std::string(actualizeaza) == "1") {
    std::ofstream(cale, std::ios::binary) << iesire;
    GTEST_SKIP() << "recorded " << cale;
  }
  std::ifstream fisier(cale, std::ios::binary);
  ASSERT_TRUE(fisier) << cale << " is missing; record it with TP_UPDATE_GOLDEN=1";
  const std::string asteptat((std::istreambuf_iterator<char>(fisier)), std::istreambuf_iterator<char>());
  if (iesire == asteptat) return;

  // Name the first line that differs rather than dumping both files.
  std::istringstream a(iesire), b(asteptat);
  std::string linieA, linieB;
  int numar = 0;
  while (true) {
    ++numar;
    const bool areA = static_cast<bool>(std::getline(a, linieA));
    const bool areB = static_cast<bool>(std::getline(b, linieB));
    if (!areA && !areB) break;
    if (linieA != linieB || areA != areB) {
      ADD_FAILURE() << "line " << numar << " differs:\n  tool:   " << linieA << "\n  golden: " << linieB;
      return;
    }
  }
  ADD_FAILURE() << "the outputs differ in their line ends";
}

}  // namespace
