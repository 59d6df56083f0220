// The atom model: electron positions in the first frames, the advance of every phase, the shells'
// colours, counts and radii for every element.
#include "data/elemente.h"
#include "screens/configuratie.h"
#include "screens/electroni.h"
#include "screens/panou.h"
#include "screens/program.h"
#include "tests/screens/ecran.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using ecran::Cutie;

class ElectroniTest : public ecran::EcranDeschis {
 protected:
  // The set-up of the element screen, then phases chosen by the test.
  void Pregateste(int32_t z, const std::array<double, 7>& faze) {
    Stare.ElementAles = z;
    PregatesteEcranulElement();
    Stare.Faza = faze;
  }

  // One frame drawn on a cleared page 0, as the frame loop draws it before the flip.
  static void DeseneazaCadrul() {
    SetActivePage(0);
    ClearDevice();
    DeseneazaPanoulText();
    DeseneazaConfiguratia();
    DeseneazaElectronii();
  }

  // Only the electrons, on a cleared page 0.
  static void DeseneazaDoarElectronii() {
    SetActivePage(0);
    ClearDevice();
    DeseneazaElectronii();
  }

  // The centres of the rings of one colour, top to bottom.
  static std::vector<std::pair<int, int>> Centre(uint8_t culoare) {
    std::vector<std::pair<int, int>> centre;
    for (const Cutie& c : ecran::Pete(0)) {
      if (c.culoare == culoare) centre.emplace_back(c.CentruX2() / 2, c.CentruY2() / 2);
    }
    std::sort(centre.begin(), centre.end(), [](auto a, auto b) { return a.second < b.second; });
    return centre;
  }
};

// Hydrogen from phase 0 and helium from phase 0.25, frame after frame: the first frame is one step
// ahead, the upper helium electron moves right and the lower one left.
TEST_F(ElectroniTest, FirstFramesOfHydrogenAndHelium) {
  struct Caz {
    int32_t z;
    double faza;
    int cadru;
    std::vector<std::pair<int, int>> centre;
  };
  const Caz cazuri[] = {
      {1, 0.0, 1, {{359, 240}}},
      {2, 0.25, 1, {{320, 199}, {318, 279}}},
      {2, 0.25, 2, {{321, 199}, {317, 279}}},
      {2, 0.25, 3, {{322, 199}, {316, 279}}},
  };
  for (const Caz& c : cazuri) {
    SCOPED_TRACE("Z " + std::to_string(c.z) + " frame " + std::to_string(c.cadru));
    Pregateste(c.z, {c.faza, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    for (int n = 1; n <= c.cadru; ++n) DeseneazaCadrul();
    EXPECT_EQ(Centre(9), c.centre);
    for (const Cutie& pata : ecran::Pete(0)) {
      if (pata.culoare == 9) {
        EXPECT_EQ(pata.x2 - pata.x1, 4);
        EXPECT_EQ(pata.y2 - pata.y1, 4);
      }
    }
  }
}

// Every phase advances by its step in every frame, empty shells included, and is never reduced.
TEST_F(ElectroniTest, EveryPhaseAdvancesByItsStep) {
  const std::array<double, 7> start = {0.999, 0.0, 0.5, 0.25, 0.001, 0.75, 0.123};
  for (const int32_t z : {1, 41, 118}) {
    Pregateste(z, start);
    const int cadre = 600;
    for (int n = 0; n < cadre; ++n) DeseneazaElectronii();
    for (int i = 1; i <= 7; ++i) {
      EXPECT_NEAR(Stare.Faza[static_cast<std::size_t>(i - 1)], start[static_cast<std::size_t>(i - 1)] + cadre * (8 - i) / 2000.0,
                  1e-9)
          << "Z " << z << " shell " << i;
    }
  }
  EXPECT_GT(Stare.Faza[0], 3.0) << "phases grow past one turn";
}

// For every element: shell i is drawn in colour 8 + i, with exactly its stored number of rings, each
// centred (i + 1) * 20 from the centre, and nothing lies outside x 157..481, y 77..401.
TEST_F(ElectroniTest, EveryShellOfEveryElement) {
  display::RandomEngine().seed(2024);
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    SCOPED_TRACE("Z " + std::to_string(z));
    Stare.ElementAles = z;
    PregatesteEcranulElement();
    DeseneazaDoarElectronii();

    std::array<int, 7> inele{};
    for (const Cutie& pata : ecran::Pete(0)) {
      ASSERT_GE(pata.culoare, 9);
      ASSERT_LE(pata.culoare, 15);
      const int i = pata.culoare - 8;
      ++inele[static_cast<std::size_t>(i - 1)];
      EXPECT_EQ(pata.x2 - pata.x1, 4);
      const double dx = pata.CentruX2() / 2.0 - 319, dy = pata.CentruY2() / 2.0 - 239;
      EXPECT_NEAR(std::hypot(dx, dy), (i + 1) * 20, 0.75) << "shell " << i;
    }
    for (int i = 1; i <= 7; ++i) {
      EXPECT_EQ(inele[static_cast<std::size_t>(i - 1)], Elemente[z].Electroni[static_cast<std::size_t>(i - 1)])
          << "shell " << i;
    }

    // A ring centre lies within 160.71 of the centre (rounding), and its pixels within sqrt(5) of it.
    const uint8_t* pixeli = display::PagePixels(0);
    for (int y = 0; y < display::kHeight; ++y) {
      for (int x = 0; x < display::kWidth; ++x) {
        if (pixeli[y * display::kWidth + x] == 0) continue;
        ASSERT_TRUE(x >= 157 && x <= 481 && y >= 77 && y <= 401) << x << "," << y;
        ASSERT_LT((x - 319) * (x - 319) + (y - 239) * (y - 239), 163 * 163) << x << "," << y;
      }
    }
  }
}

// NB shows the twelve electrons stored for its shell 4 (its shells add up to 42).
TEST_F(ElectroniTest, NiobiumDrawsTwelveOnShellFour) {
  Pregateste(41, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7});
  DeseneazaCadrul();
  EXPECT_EQ(Centre(12).size(), 12u);
}

}  // namespace
