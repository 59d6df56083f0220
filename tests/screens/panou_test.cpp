// The texts of the element screen's panel: one table of records chosen for their sentinels, states,
// roundings and widths, with every line exactly as the screen shows it.
#include "data/elemente.h"
#include "screens/configuratie.h"
#include "screens/panou.h"
#include "screens/stare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// Degrees Celsius as the screen writes them: the Windows-1252 degree byte, then C.
const std::string G = "\xB0" "C";

struct CazPanou {
  int32_t z;
  std::string sarcina;
  std::string neutroni;
  std::string denumire;
  std::string masa;
  std::string densitate;
  int32_t an;                // year after a named discoverer; -1 for the fixed wordings below
  std::string descoperitor;  // the whole line when an is -1
  std::string straturi;
};

std::string LiniaDescoperitorului(const CazPanou& c) {
  if (c.an < 0) return c.descoperitor;
  std::string linie = "DESCOPERIT DE: " + std::string(Elemente[c.z].Descoperitor);
  if (c.an != 0) linie += " in anul " + std::to_string(c.an);
  return linie;
}

const std::string SolidaCmc = " g/cmc STARE DE AGREGARE: solida";
const std::string GazoasaCmc = " g/cmc STARE DE AGREGARE: gazoasa";
const std::string LichidaL = " g/l STARE DE AGREGARE: lichida";
const std::string La20 = "DENSITATE LA 20" + G + " :";

const CazPanou CazuriPanou[] = {
    {1, "   1 +", "   0 N", "DENUMIRE (SIMBOL): HIDROGEN  (H)",
     "MASA ATOMICA: 1.008 g/mol; Se topeste la: -259.1" + G + "; Fierbe la: -252.9" + G,
     La20 + "0.08" + GazoasaCmc, 1766, "", "ELECTRONI PE STRATURI: 1 0 0 0 0 0 0 "},
    {2, "   2 +", "   2 N", "DENUMIRE (SIMBOL): HELIU  (HE)",
     "MASA ATOMICA: 4.003 g/mol; Se topeste la: -272.2" + G + "; Fierbe la: -268.9" + G,
     La20 + "0.17" + GazoasaCmc, 1895, "", "ELECTRONI PE STRATURI: 2 0 0 0 0 0 0 "},
    {6, "   6 +", "   6 N", "DENUMIRE (SIMBOL): CARBON  (C)",
     "MASA ATOMICA: 12.011 g/mol; Se topeste la: 3550.0" + G + "; Fierbe la: 4827.0" + G,
     La20 + "3.51" + SolidaCmc, -1, "DESCOPERIT DIN VECHIME", "ELECTRONI PE STRATURI: 2 4 0 0 0 0 0 "},
    {14, "  14 +", "  14 N", "DENUMIRE (SIMBOL): SILICIU  (SI)",
     "MASA ATOMICA: 28.085 g/mol; Se topeste la: 1410.0" + G + "; Fierbe la: 2355.0" + G,
     La20 + "2.33" + SolidaCmc, 1824, "", "ELECTRONI PE STRATURI: 2 8 4 0 0 0 0 "},
    {17, "  17 +", "  18 N", "DENUMIRE (SIMBOL): CLOR  (CL)",
     "MASA ATOMICA: 35.453 g/mol; Se topeste la: -34.6" + G + "; Fierbe la: -101.0" + G,
     La20 + "2.95" + GazoasaCmc, 1774, "", "ELECTRONI PE STRATURI: 2 8 7 0 0 0 0 "},
    {19, "  19 +", "  20 N", "DENUMIRE (SIMBOL): POTASIU (KALIU)  (K)",
     "MASA ATOMICA: 39.098 g/mol; Se topeste la:  63.7" + G + "; Fierbe la: 774.0" + G,
     La20 + "0.86" + SolidaCmc, 1807, "", "ELECTRONI PE STRATURI: 2 8 8 1 0 0 0 "},
    {23, "  23 +", "  28 N", "DENUMIRE (SIMBOL): VANADIU  (V)",
     "MASA ATOMICA: 50.941 g/mol; Se topeste la: 1890.0" + G + "; Fierbe la: 3380.0" + G,
     La20 + "6.09" + SolidaCmc, 1801, "", "ELECTRONI PE STRATURI: 2 8 11 2 0 0 0 "},
    {26, "  26 +", "  30 N", "DENUMIRE (SIMBOL): FIER  (FE)",
     "MASA ATOMICA: 55.847 g/mol; Se topeste la: 1535.0" + G + "; Fierbe la: 2750.0" + G,
     La20 + "7.87" + SolidaCmc, -1, "DESCOPERIT DIN VECHIME", "ELECTRONI PE STRATURI: 2 8 14 2 0 0 0 "},
    {33, "  33 +", "  42 N", "DENUMIRE (SIMBOL): ARSEN  (AS)",
     "MASA ATOMICA: 74.922 g/mol; Se topeste la: 613.0" + G + "; Fierbe la: 613.0" + G,
     La20 + "5.72" + SolidaCmc, 1250, "", "ELECTRONI PE STRATURI: 2 8 18 5 0 0 0 "},
    {35, "  35 +", "  45 N", "DENUMIRE (SIMBOL): BROM  (BR)",
     "MASA ATOMICA: 79.904 g/mol; Se topeste la:  -7.3" + G + "; Fierbe la:  58.8" + G,
     La20 + "3.14" + LichidaL, 1826, "", "ELECTRONI PE STRATURI: 2 8 18 7 0 0 0 "},
    {41, "  41 +", "  52 N", "DENUMIRE (SIMBOL): NIOBIU  (NB)",
     "MASA ATOMICA: 92.906 g/mol; Se topeste la: 2468.0" + G + "; Fierbe la: 4927.0" + G,
     La20 + "8.58" + SolidaCmc, 1801, "", "ELECTRONI PE STRATURI: 2 8 18 12 2 0 0 "},
    {45, "  45 +", "  58 N", "DENUMIRE (SIMBOL): RODIU  (RH)",
     "MASA ATOMICA: 102.906 g/mol; Se topeste la: 1966.0" + G + "; Fierbe la: 3727.0" + G,
     La20 + "12.41" + SolidaCmc, 1803, "", "ELECTRONI PE STRATURI: 2 8 18 16 1 0 0 "},
    {57, "  57 +", "  82 N", "DENUMIRE (SIMBOL): LANTAN  (LA)",
     "MASA ATOMICA: 138.905 g/mol; Se topeste la: 920.0" + G + "; Fierbe la: 3454.0" + G,
     La20 + "6.16" + SolidaCmc, 1839, "", "ELECTRONI PE STRATURI: 2 8 18 18 9 2 0 "},
    {66, "  66 +", "  97 N", "DENUMIRE (SIMBOL): DISPROSIU  (DY)",
     "MASA ATOMICA: 162.500 g/mol; Se topeste la: 1409.0" + G + "; Fierbe la: 2335.0" + G,
     La20 + "8.56" + SolidaCmc, 1886, "", "ELECTRONI PE STRATURI: 2 8 18 28 8 2 0 "},
    {80, "  80 +", " 121 N", "DENUMIRE (SIMBOL): MERCUR  (HG)",
     "MASA ATOMICA: 200.590 g/mol; Se topeste la: -38.9" + G + "; Fierbe la: 356.6" + G,
     La20 + "13.55" + LichidaL, -1, "DESCOPERIT DIN VECHIME", "ELECTRONI PE STRATURI: 2 8 18 32 18 2 0 "},
    {85, "  85 +", " 125 N", "DENUMIRE (SIMBOL): ASTATINIU  (AT)",
     "MASA ATOMICA: 209.987 g/mol; Se topeste la: 302.0" + G + "; Fierbe la: 337.0" + G,
     "DENSITATE NECUNOSCUTA", 1940, "", "ELECTRONI PE STRATURI: 2 8 18 32 18 7 0 "},
    {87, "  87 +", " 136 N", "DENUMIRE (SIMBOL): FRANCIU  (FR)",
     "MASA ATOMICA: 223.020 g/mol; Se topeste la:  27.0" + G + "; Fierbe la: 677.0" + G,
     "DENSITATE NECUNOSCUTA", 1939, "", "ELECTRONI PE STRATURI: 2 8 18 32 18 8 1 "},
    {96, "  96 +", " 151 N", "DENUMIRE (SIMBOL): CURIU  (CM)",
     "MASA ATOMICA: 247.070 g/mol; Se topeste la: 1340.0" + G,
     La20 + "13.51" + SolidaCmc, 1944, "", "ELECTRONI PE STRATURI: 2 8 18 32 25 9 2 "},
    {99, "  99 +", " 153 N", "DENUMIRE (SIMBOL): EINSTEINIU  (ES)",
     "MASA ATOMICA: 252.083 g/mol; Se topeste la: 860.0" + G,
     "DENSITATE NECUNOSCUTA", 1952, "", "ELECTRONI PE STRATURI: 2 8 18 32 29 8 2 "},
    {100, " 100 +", " 157 N", "DENUMIRE (SIMBOL): FERMIU  (FM)", "MASA ATOMICA: 257.095 g/mol",
     "DENSITATE NECUNOSCUTA", 1952, "", "ELECTRONI PE STRATURI: 2 8 18 32 30 8 2 "},
    {113, " 113 +", "   ? N", "DENUMIRE (SIMBOL): UNUNTRIU  (UUT)", "MASA ATOMICA: NECUNOSCUTA",
     "DENSITATE NECUNOSCUTA", -1, "INCA NEDESCOPERIT", "ELECTRONI PE STRATURI: 2 8 18 32 32 18 3 "},
    {118, " 118 +", "   ? N", "DENUMIRE (SIMBOL): UNUNOCTIU  (UUO)", "MASA ATOMICA: NECUNOSCUTA",
     "DENSITATE NECUNOSCUTA", -1, "INCA NEDESCOPERIT", "ELECTRONI PE STRATURI: 2 8 18 32 32 18 8 "},
};

TEST(PanouText, EveryLineOfTheChosenRecords) {
  for (const CazPanou& c : CazuriPanou) {
    SCOPED_TRACE("Z " + std::to_string(c.z));
    EXPECT_EQ(TextSarcina(c.z), c.sarcina);
    EXPECT_EQ(TextNeutroni(c.z), c.neutroni);
    EXPECT_EQ(TextDenumire(c.z), c.denumire);
    EXPECT_EQ(TextMasa(c.z), c.masa);
    EXPECT_EQ(TextDensitate(c.z, TemperaturaReferintaStandard), c.densitate);
    EXPECT_EQ(TextDescoperitor(c.z), LiniaDescoperitorului(c));
    EXPECT_EQ(TextStraturi(c.z), c.straturi);
  }
}

// The state follows the reference temperature passed in; the starting texts show for a record whose
// temperatures decide nothing at that temperature.
TEST(PanouText, DensityLineFollowsTheReferenceTemperature) {
  struct Caz {
    int32_t z;
    double temperatura;
    std::string asteptat;
  };
  const Caz cazuri[] = {
      {35, -10.0, "DENSITATE LA -10" + G + " :3.14" + SolidaCmc},
      {35, 70.0, "DENSITATE LA 70" + G + " :3.14" + GazoasaCmc},
      {35, 58.8, "DENSITATE LA 59" + G + " :3.14" + LichidaL},  // the boiling point itself: liquid
      {35, -7.3, "DENSITATE LA -7" + G + " :3.14" + LichidaL},  // the melting point itself: liquid
      {80, -50.0, "DENSITATE LA -50" + G + " :13.55" + SolidaCmc},
      {33, 613.0, "DENSITATE LA 613" + G + " :5.72" + LichidaL},
      {96, 2000.0,
       "DENSITATE LA 2000" + G + " : necunoscuta STARE DE AGREGARE: necunoscuta"},  // no boiling point
      {85, 1000.0, "DENSITATE NECUNOSCUTA"},
  };
  for (const Caz& c : cazuri) EXPECT_EQ(TextDensitate(c.z, c.temperatura), c.asteptat) << "Z " << c.z;
}

// Across the catalogue: every label has six characters, the sentinels have their wordings, and the
// longest data line has 73 characters.
TEST(PanouText, WholeCatalogue) {
  std::size_t celMaiLung = 0;
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    SCOPED_TRACE("Z " + std::to_string(z));
    EXPECT_EQ(TextSarcina(z).size(), 6u);
    EXPECT_EQ(TextNeutroni(z).size(), 6u);
    EXPECT_EQ(TextNeutroni(z).find('-'), std::string::npos) << "never a negative neutron count";
    const std::string descoperitor = TextDescoperitor(z);
    if (Elemente[z].Descoperitor == "necunoscut") {
      EXPECT_EQ(descoperitor, "DESCOPERIT DIN VECHIME");
    }
    if (Elemente[z].Descoperitor.empty()) {
      EXPECT_EQ(descoperitor, "INCA NEDESCOPERIT");
    }
    const std::string linii[] = {TextDenumire(z), TextMasa(z), TextDensitate(z, TemperaturaReferintaStandard),
                                 descoperitor, TextStraturi(z)};
    for (const std::string& linie : linii) celMaiLung = std::max(celMaiLung, linie.size());
  }
  EXPECT_EQ(celMaiLung, 73u);
}

}  // namespace
