// The electron configuration line: the worked examples and the boundaries of the filling order.
#include "screens/configuratie.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>

namespace {

const std::string Pana6D = "1S2+2S2+2P6+3S2+3P6+4S2+3D10+4P6+5S2+4D10+5P6+6S2+4F14+5D10+6P6+7S2+5F14+";

TEST(Configuratie, WorkedExamples) {
  struct Caz {
    int32_t z;
    std::string asteptat;
  };
  const Caz cazuri[] = {
      {1, "1S1"},
      {2, "1S2"},
      {3, "1S2+2S1"},
      {10, "1S2+2S2+2P6"},
      {18, "1S2+2S2+2P6+3S2+3P6"},
      {24, "1S2+2S2+2P6+3S2+3P6+4S2+3D4"},  // the stored shells of CR differ; the line does not follow
      {26, "1S2+2S2+2P6+3S2+3P6+4S2+3D6"},
      {29, "1S2+2S2+2P6+3S2+3P6+4S2+3D9"},
      {57, "1S2+2S2+2P6+3S2+3P6+4S2+3D10+4P6+5S2+4D10+5P6+6S2+4F1"},
      {80, "1S2+2S2+2P6+3S2+3P6+4S2+3D10+4P6+5S2+4D10+5P6+6S2+4F14+5D10"},
      {103, Pana6D + "6D1"},
      {112, Pana6D + "6D10"},
      {113, Pana6D + "6D11"},
      {118, Pana6D + "6D16"},
  };
  for (const Caz& c : cazuri) EXPECT_EQ(ConfiguratiaElectronica(c.z), c.asteptat) << "Z " << c.z;
}

// Z at a running total ends with that subshell full and no "+"; one above, the next subshell holds 1;
// beyond the table's 112 places 6D takes the rest; the longest lines have 77 characters.
TEST(Configuratie, BoundariesOfTheFillingOrder) {
  struct Caz {
    int32_t z;
    const char* sfarsit;  // the last term, after a "+" (or alone)
    std::size_t lungime;  // 0: not checked
  };
  const Caz cazuri[] = {
      {4, "2S2", 7},    {10, "2P6", 0},    {12, "3S2", 0},    {18, "3P6", 0},    {20, "4S2", 0},
      {30, "3D10", 0},  {36, "4P6", 0},    {38, "5S2", 0},    {48, "4D10", 0},   {54, "5P6", 0},
      {56, "6S2", 0},   {70, "4F14", 0},   {80, "5D10", 0},   {86, "6P6", 0},    {88, "7S2", 0},
      {102, "5F14", 0}, {112, "6D10", 77},
      {3, "2S1", 7},    {5, "2P1", 0},     {11, "3S1", 0},    {13, "3P1", 0},    {19, "4S1", 0},
      {21, "3D1", 0},   {31, "4P1", 0},    {37, "5S1", 0},    {39, "4D1", 0},    {49, "5P1", 0},
      {55, "6S1", 0},   {57, "4F1", 0},    {71, "5D1", 0},    {81, "6P1", 0},    {87, "7S1", 0},
      {89, "5F1", 0},   {103, "6D1", 76},
      {113, "6D11", 77}, {114, "6D12", 77}, {115, "6D13", 77}, {116, "6D14", 77}, {117, "6D15", 77},
      {118, "6D16", 77},
  };
  for (const Caz& c : cazuri) {
    const std::string text = ConfiguratiaElectronica(c.z);
    const std::string sfarsit = c.sfarsit;
    ASSERT_GE(text.size(), sfarsit.size() + 1) << "Z " << c.z;
    EXPECT_EQ(text.substr(text.size() - sfarsit.size()), sfarsit) << "Z " << c.z << ": " << text;
    EXPECT_EQ(text[text.size() - sfarsit.size() - 1], '+') << "Z " << c.z << ": " << text;
    if (c.lungime != 0) {
      EXPECT_EQ(text.size(), c.lungime) << "Z " << c.z;
    }
  }
}

// For every Z the counts of all terms add up to Z, and every term before the last is a full subshell
// in filling order followed by "+".
TEST(Configuratie, EveryLineCountsZElectronsInFillingOrder) {
  for (int32_t z = 1; z <= 118; ++z) {
    const std::string text = ConfiguratiaElectronica(z);
    int32_t suma = 0;
    std::size_t termen = 0;
    std::size_t poz = 0;
    while (poz < text.size()) {
      ASSERT_LT(termen, CapacitateSubstrat.size()) << text;
      const int32_t strat = text[poz++] - '0';
      EXPECT_EQ(strat, StratSubstrat[termen]) << "Z " << z << " term " << termen + 1;
      const char litera = text[poz++];
      EXPECT_EQ(std::string(1, litera), std::string(1, "SPDF"[(CapacitateSubstrat[termen] - 2) / 4]));
      int32_t numar = 0;
      while (poz < text.size() && std::isdigit(static_cast<unsigned char>(text[poz]))) {
        numar = numar * 10 + (text[poz++] - '0');
      }
      suma += numar;
      if (poz < text.size()) {
        EXPECT_EQ(text[poz++], '+');
        EXPECT_EQ(numar, CapacitateSubstrat[termen]) << "Z " << z << ": only the last term is partial";
      } else {
        EXPECT_GE(numar, 1);
      }
      ++termen;
    }
    EXPECT_EQ(suma, z) << text;
  }
}

}  // namespace
