// Tests of the catalogue's contents: texts, sentinels, shells, states of aggregation and grid cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <iostream>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/elemente.h"

namespace {

using MultimeZ = std::set<int32_t>;

// The atomic numbers of the records that satisfy the predicate.
MultimeZ ZuriCare(const std::function<bool(const TipElement&)>& conditie) {
  MultimeZ zuri;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    if (conditie(Elemente[z])) {
      zuri.insert(z);
    }
  }
  return zuri;
}

// The atomic numbers from `de` to `pana` inclusive.
MultimeZ Interval(int32_t de, int32_t pana) {
  MultimeZ zuri;
  for (int32_t z = de; z <= pana; ++z) {
    zuri.insert(z);
  }
  return zuri;
}

MultimeZ Reuniune(MultimeZ a, const MultimeZ& b) {
  a.insert(b.begin(), b.end());
  return a;
}

// Z by symbol, so that the tests can name elements as a chemist would.
int32_t Z(std::string_view simbol) {
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    if (Elemente[z].Simbol == simbol) {
      return z;
    }
  }
  ADD_FAILURE() << "no element with symbol " << simbol;
  return 0;
}

MultimeZ ZuriDinSimboluri(std::initializer_list<std::string_view> simboluri) {
  MultimeZ zuri;
  for (std::string_view s : simboluri) {
    zuri.insert(Z(s));
  }
  return zuri;
}

bool EsteLiteraMare(char c) { return c >= 'A' && c <= 'Z'; }
bool EsteLitera(char c) { return EsteLiteraMare(c) || (c >= 'a' && c <= 'z'); }

bool Necunoscuta(double temperatura) { return temperatura == TemperaturaNecunoscuta; }

TEST(CatalogTexts, SymbolsAreDistinctUpperCaseAndCountedByLength) {
  std::set<std::string_view> simboluri;
  std::map<std::size_t, int> dupaLungime;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const std::string_view s = Elemente[z].Simbol;
    EXPECT_TRUE(std::all_of(s.begin(), s.end(), EsteLiteraMare)) << "Z " << z << ": " << s;
    simboluri.insert(s);
    ++dupaLungime[s.size()];
  }
  EXPECT_EQ(simboluri.size(), 118u);
  EXPECT_EQ(dupaLungime, (std::map<std::size_t, int>{{1, 14}, {2, 98}, {3, 6}}));
  EXPECT_EQ(ZuriCare([](const TipElement& e) { return e.Simbol.size() == 3; }), Interval(113, 118));
  EXPECT_EQ(Elemente[2].Simbol, "HE");
  EXPECT_EQ(Elemente[118].Simbol, "UUO");
  EXPECT_EQ(Elemente[118].Denumire, "UNUNOCTIU");
}

TEST(CatalogTexts, NamesAreDistinctShortAndFourCarryASecondName) {
  std::set<std::string_view> denumiri;
  std::set<std::string_view> cuAlDoileaNume;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const std::string_view d = Elemente[z].Denumire;
    EXPECT_FALSE(d.empty()) << "Z " << z;
    EXPECT_LE(d.size(), 18u) << "Z " << z << ": " << d;
    EXPECT_TRUE(std::all_of(d.begin(), d.end(), [](char c) {
      return EsteLiteraMare(c) || c == ' ' || c == '(' || c == ')';
    })) << "Z " << z << ": " << d;
    denumiri.insert(d);
    if (d.find('(') != std::string_view::npos) {
      cuAlDoileaNume.insert(d);
    }
  }
  EXPECT_EQ(denumiri.size(), 118u);
  EXPECT_EQ(cuAlDoileaNume, (std::set<std::string_view>{"AZOT (NITROGEN)", "SODIU (NATRIU)", "POTASIU (KALIU)",
                                                        "STIBIU (ANTIMONIU)"}));
}

TEST(CatalogDiscoverers, AntiquityUndiscoveredAndNamedRecords) {
  const MultimeZ dinVechime = ZuriCare([](const TipElement& e) { return e.Descoperitor == "necunoscut"; });
  const MultimeZ nedescoperite = ZuriCare([](const TipElement& e) { return e.Descoperitor.empty(); });
  EXPECT_EQ(dinVechime, ZuriDinSimboluri({"C", "S", "FE", "CU", "ZN", "AG", "SN", "SB", "AU", "HG", "PB"}));
  EXPECT_EQ(nedescoperite, Interval(113, 118));
  EXPECT_EQ(NumarElemente - static_cast<int32_t>(dinVechime.size() + nedescoperite.size()), 101);
}

// A discoverer text is one name, "A si B", or "A, B si C" (and so on for longer lists): names of
// letters, hyphens and single blanks, at most 41 characters in all.
TEST(CatalogDiscoverers, NamedTextsHaveTheAgreedForm) {
  std::map<std::string_view, std::vector<int32_t>> zuriDupaText;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const std::string_view t = Elemente[z].Descoperitor;
    if (t.empty() || t == "necunoscut") {
      continue;
    }
    zuriDupaText[t].push_back(z);
    SCOPED_TRACE("Z " + std::to_string(z) + ": \"" + std::string(t) + "\"");
    EXPECT_LE(t.size(), 41u);
    EXPECT_TRUE(std::all_of(t.begin(), t.end(), [](char c) { return EsteLitera(c) || c == ' ' || c == ',' || c == '-'; }));

    // Split off the last name at " si ", then the others at ", ".
    std::vector<std::string_view> nume;
    std::string_view inainte = t;
    const std::size_t si = t.find(" si ");
    if (si != std::string_view::npos) {
      EXPECT_EQ(t.find(" si ", si + 1), std::string_view::npos) << "more than one \" si \"";
      nume.push_back(t.substr(si + 4));
      inainte = t.substr(0, si);
    } else {
      EXPECT_EQ(t.find(','), std::string_view::npos) << "a list without \" si \"";
    }
    for (std::size_t start = 0;;) {
      const std::size_t virgula = inainte.find(", ", start);
      nume.push_back(inainte.substr(start, virgula == std::string_view::npos ? virgula : virgula - start));
      if (virgula == std::string_view::npos) {
        break;
      }
      start = virgula + 2;
    }
    for (std::string_view n : nume) {
      EXPECT_FALSE(n.empty());
      EXPECT_EQ(n.find(','), std::string_view::npos) << "comma not followed by one blank in \"" << n << "\"";
      EXPECT_EQ(n.find("  "), std::string_view::npos);
      if (!n.empty()) {
        EXPECT_TRUE(EsteLitera(n.front()) && EsteLitera(n.back())) << "name \"" << n << "\"";
      }
    }
  }

  // Elements found together by the same people share one text.
  const std::vector<MultimeZ> aceiasiDescoperitori = {
      ZuriDinSimboluri({"NE", "KR", "XE"}),  // Ramsay and Travers, 1898
      ZuriDinSimboluri({"RB", "CS"}),        // Bunsen and Kirchhoff
      ZuriDinSimboluri({"PO", "RA"}),        // the Curies, 1898
      ZuriDinSimboluri({"RH", "PD"}),        // Wollaston, 1803
      ZuriDinSimboluri({"OS", "IR"}),        // Tennant, 1803
      ZuriDinSimboluri({"ES", "FM"}),        // the same debris, 1952
      Interval(108, 112),                    // one laboratory
  };
  for (const MultimeZ& grup : aceiasiDescoperitori) {
    for (int32_t z : grup) {
      EXPECT_EQ(Elemente[z].Descoperitor, Elemente[*grup.begin()].Descoperitor) << "Z " << z;
    }
  }

  std::size_t folosite = 0;
  for (const auto& [text, zuri] : zuriDupaText) {
    folosite += zuri.size();
  }
  EXPECT_EQ(folosite, 101u);
  EXPECT_GT(zuriDupaText.size(), 1u);
  RecordProperty("DistinctDiscovererTexts", static_cast<int>(zuriDupaText.size()));
  std::cout << "distinct discoverer texts: " << zuriDupaText.size() << '\n';
}

TEST(CatalogYears, ZeroExactlyForAntiquityAndZ117AndInRangeWhenNamed) {
  EXPECT_EQ(ZuriCare([](const TipElement& e) { return e.AnDescoperire == 0; }),
            Reuniune(ZuriCare([](const TipElement& e) { return e.Descoperitor == "necunoscut"; }), {117}));
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const TipElement& e = Elemente[z];
    if (!e.Descoperitor.empty() && e.Descoperitor != "necunoscut") {
      EXPECT_GE(e.AnDescoperire, 1250) << "Z " << z;
      EXPECT_LE(e.AnDescoperire, 1996) << "Z " << z;
    }
  }
  // The undiscovered records still hold the years of the first claims, which are never shown.
  const std::map<int32_t, int32_t> aniNedescoperite = {{113, 2004}, {114, 1998}, {115, 2004}, {116, 1999},
                                                       {117, 0},    {118, 1999}};
  for (const auto& [z, an] : aniNedescoperite) {
    EXPECT_EQ(Elemente[z].AnDescoperire, an) << "Z " << z;
  }
}

// Each sentinel marks exactly these records, compared exactly.
struct CazSantinela {
  const char* camp;
  double TipElement::*valoare;
  double santinela;
  MultimeZ asteptate;
};

TEST(CatalogSentinels, EachSentinelMarksExactlyTheseRecords) {
  const std::vector<CazSantinela> cazuri = {
      {"MasaAtomica", &TipElement::MasaAtomica, 0.0, Interval(113, 118)},
      {"Densitate", &TipElement::Densitate, 0.0, Reuniune(ZuriDinSimboluri({"AT", "FR"}), Interval(99, 118))},
      {"PunctTopire", &TipElement::PunctTopire, TemperaturaNecunoscuta, Interval(100, 118)},
      {"PunctFierbere", &TipElement::PunctFierbere, TemperaturaNecunoscuta, Interval(96, 118)},
  };
  EXPECT_EQ(TemperaturaNecunoscuta, 10000.0);
  for (const CazSantinela& caz : cazuri) {
    EXPECT_EQ(ZuriCare([&](const TipElement& e) { return e.*caz.valoare == caz.santinela; }), caz.asteptate)
        << caz.camp;
  }
  // Z 108 to 112 hold whole masses; BK repeats the mass of CM.
  for (int32_t z = 108; z <= 112; ++z) {
    EXPECT_EQ(Elemente[z].MasaAtomica, static_cast<double>(static_cast<int32_t>(Elemente[z].MasaAtomica))) << "Z " << z;
    EXPECT_GE(Elemente[z].MasaAtomica, 265.0);
    EXPECT_LE(Elemente[z].MasaAtomica, 277.0);
  }
  EXPECT_EQ(Elemente[Z("BK")].MasaAtomica, Elemente[Z("CM")].MasaAtomica);
  EXPECT_EQ(Elemente[Z("CM")].MasaAtomica, 247.0703);
}

TEST(CatalogShells, SumsMaximaAndNoGaps) {
  std::array<int32_t, 7> maxime{};
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const std::array<int32_t, 7>& el = Elemente[z].Electroni;
    const int32_t suma = std::accumulate(el.begin(), el.end(), 0);
    EXPECT_EQ(suma, Elemente[z].Simbol == "NB" ? 42 : z) << "Z " << z;
    EXPECT_GT(el[0], 0) << "Z " << z;
    bool golit = false;
    for (std::size_t i = 0; i < el.size(); ++i) {
      EXPECT_GE(el[i], 0) << "Z " << z << " shell " << i + 1;
      EXPECT_FALSE(golit && el[i] != 0) << "Z " << z << ": shell " << i + 1 << " occupied after an empty one";
      golit = golit || el[i] == 0;
      maxime[i] = std::max(maxime[i], el[i]);
    }
  }
  EXPECT_EQ(maxime, (std::array<int32_t, 7>{2, 8, 18, 32, 32, 18, 8}));
  EXPECT_EQ(Elemente[41].Electroni, (std::array<int32_t, 7>{2, 8, 18, 12, 2, 0, 0}));
  EXPECT_EQ(Elemente[Z("CR")].Electroni, (std::array<int32_t, 7>{2, 8, 13, 1, 0, 0, 0}));
}

// The state at 20 degrees follows from the two temperatures.
enum class Stare { Gaz, Solid, Lichid };

TEST(CatalogStates, EveryRecordWithADensityHasExactlyOneState) {
  const double referinta = 20.0;
  std::map<Stare, MultimeZ> dupaStare;
  std::map<Stare, std::pair<double, double>> densitati;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const TipElement& e = Elemente[z];
    if (e.Densitate == 0.0) {
      continue;
    }
    const bool gaz = !Necunoscuta(e.PunctFierbere) && e.PunctFierbere < referinta;
    const bool solid = !Necunoscuta(e.PunctTopire) && e.PunctTopire > referinta;
    const bool lichid = !Necunoscuta(e.PunctTopire) && !Necunoscuta(e.PunctFierbere) &&
                        e.PunctTopire <= referinta && e.PunctFierbere >= referinta;
    ASSERT_EQ(int{gaz} + int{solid} + int{lichid}, 1) << "Z " << z;
    const Stare s = gaz ? Stare::Gaz : solid ? Stare::Solid : Stare::Lichid;
    dupaStare[s].insert(z);
    auto [it, nou] = densitati.try_emplace(s, e.Densitate, e.Densitate);
    if (!nou) {
      it->second = {std::min(it->second.first, e.Densitate), std::max(it->second.second, e.Densitate)};
    }
  }
  EXPECT_EQ(dupaStare[Stare::Gaz],
            ZuriDinSimboluri({"H", "HE", "N", "O", "F", "NE", "CL", "AR", "KR", "XE", "RN"}));
  EXPECT_EQ(dupaStare[Stare::Lichid], ZuriDinSimboluri({"BR", "HG"}));
  EXPECT_EQ(densitati[Stare::Gaz], std::make_pair(0.084, 9.23));
  EXPECT_EQ(densitati[Stare::Solid], std::make_pair(0.53, 22.65));
  EXPECT_EQ(Elemente[Z("BR")].Densitate, 3.14);
  EXPECT_EQ(Elemente[Z("HG")].Densitate, 13.55);

  // CL melts above its boiling point yet counts as a gas; AS sublimes and counts as a solid.
  EXPECT_EQ(Elemente[Z("CL")].PunctTopire, -34.6);
  EXPECT_EQ(Elemente[Z("CL")].PunctFierbere, -101.0);
  EXPECT_EQ(Elemente[Z("AS")].PunctTopire, 613.0);
  EXPECT_EQ(Elemente[Z("AS")].PunctFierbere, 613.0);
  EXPECT_TRUE(dupaStare[Stare::Solid].count(Z("AS")));
}

// The rows of the grid: which columns hold an element and which Z, left to right.
struct RandGrila {
  int32_t rand;
  std::vector<int32_t> coloane;
  std::vector<int32_t> zuri;
};

std::vector<int32_t> Lista(std::initializer_list<std::pair<int32_t, int32_t>> intervale) {
  std::vector<int32_t> v;
  for (auto [de, pana] : intervale) {
    for (int32_t i = de; i <= pana; ++i) {
      v.push_back(i);
    }
  }
  return v;
}

TEST(CatalogCells, CodesAreDistinctAndFillTheGridRowByRow) {
  const std::vector<RandGrila> randuri = {
      {1, Lista({{1, 1}, {18, 18}}), Lista({{1, 2}})},
      {2, Lista({{1, 2}, {13, 18}}), Lista({{3, 10}})},
      {3, Lista({{1, 2}, {13, 18}}), Lista({{11, 18}})},
      {4, Lista({{1, 18}}), Lista({{19, 36}})},
      {5, Lista({{1, 18}}), Lista({{37, 54}})},
      {6, Lista({{1, 2}, {4, 18}}), Lista({{55, 56}, {72, 86}})},
      {7, Lista({{1, 2}, {4, 18}}), Lista({{87, 88}, {104, 118}})},
      {8, {}, {}},
      {9, {}, {}},
      {10, Lista({{3, 17}}), Lista({{57, 71}})},
      {11, Lista({{3, 17}}), Lista({{89, 103}})},
  };
  std::set<int32_t> coduri;
  std::map<int32_t, std::map<int32_t, int32_t>> zDupaRandSiColoana;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    const int32_t cod = Elemente[z].Pozitie;
    ASSERT_GE(cod, 1) << "Z " << z;
    ASSERT_LE(cod, 198) << "Z " << z;
    EXPECT_TRUE(coduri.insert(cod).second) << "Z " << z << " repeats code " << cod;
    zDupaRandSiColoana[(cod - 1) / 18 + 1][(cod - 1) % 18 + 1] = z;
  }
  for (const RandGrila& r : randuri) {
    std::vector<int32_t> coloane;
    std::vector<int32_t> zuri;
    for (auto [coloana, z] : zDupaRandSiColoana[r.rand]) {  // ordered by column
      coloane.push_back(coloana);
      zuri.push_back(z);
    }
    EXPECT_EQ(coloane, r.coloane) << "row " << r.rand;
    EXPECT_EQ(zuri, r.zuri) << "row " << r.rand << ", left to right";
  }
  EXPECT_EQ(coduri.count(93), 0u);
  EXPECT_EQ(coduri.count(111), 0u);
}

}  // namespace
