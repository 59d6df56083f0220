// The table screen: pixel probes at the worked example and across every cell, the whole page against
// its golden picture, and the hit test of the wait for a left click.
#include "data/elemente.h"
#include "screens/tabel.h"
#include "tests/screens/ecran.h"
#include "tests/support/picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using ecran::Cutie;
using ecran::CutieCuloare;
using ecran::Pixel;

// Palette entries of the named colours, as the display layer resolves them.
constexpr uint8_t Negru = 0, Alb = 15, Rosu = 40, Albastru = 32, Galben = 44, BleuDeschis = 102,
                  VerdeDeschis = 71, Gri = 7;

class TabelTest : public ecran::EcranDeschis {
 protected:
  void SetUp() override {
    EcranDeschis::SetUp();
    DeseneazaTabelul();
  }
};

// A cell by its corners; both corners belong to it.
struct Celula {
  int x1, y1, x2, y2;
};

Celula CelulaLa(int32_t cod) {
  const int r = (cod - 1) / 18 + 1, c = (cod - 1) % 18 + 1;
  return {32 * c, 39 * r, 32 * (c + 1), 39 * (r + 1)};
}

TEST_F(TabelTest, LeavesPageZeroActiveAndShownWithTheCellSizes) {
  EXPECT_EQ(Stare.Pagina, 0);
  EXPECT_EQ(display::ActivePage(), 0);
  EXPECT_EQ(display::VisiblePage(), 0);
  EXPECT_EQ(Stare.LatimeCelula, 32);
  EXPECT_EQ(Stare.InaltimeCelula, 39);
}

// FE: cell (256, 156)-(288, 195) outlined black and filled yellow; number red centred on x 264 above
// the baseline 164, symbol black centred on 272 above 183, mass blue centred on 272 above 193.
TEST_F(TabelTest, IronCellAsTheWorkedExample) {
  const Celula fe = CelulaLa(62);
  ASSERT_EQ(fe.x1, 256);
  ASSERT_EQ(fe.y1, 156);
  for (int x = fe.x1; x <= fe.x2; ++x) {
    EXPECT_EQ(Pixel(0, x, fe.y1), Negru) << x;
    EXPECT_EQ(Pixel(0, x, fe.y2), Negru) << x;
  }
  for (int y = fe.y1; y <= fe.y2; ++y) {
    EXPECT_EQ(Pixel(0, fe.x1, y), Negru) << y;
    EXPECT_EQ(Pixel(0, fe.x2, y), Negru) << y;
  }
  EXPECT_EQ(Pixel(0, fe.x2 - 2, fe.y1 + 2), Galben);

  const Cutie numar = CutieCuloare(0, Rosu, fe.x1 + 1, fe.y1 + 1, fe.x2 - 1, fe.y2 - 1);
  ASSERT_GT(numar.n, 0);
  EXPECT_LE(numar.y2, 164);
  EXPECT_GE(numar.y2, 162);
  EXPECT_NEAR(numar.CentruX2(), 2 * 264, 2);

  const Cutie simbol = CutieCuloare(0, Negru, fe.x1 + 1, fe.y1 + 1, fe.x2 - 1, fe.y2 - 1);
  ASSERT_GT(simbol.n, 0);
  EXPECT_LE(simbol.y2, 183);
  EXPECT_GE(simbol.y2, 181);
  EXPECT_NEAR(simbol.CentruX2(), 2 * 272, 2);

  const Cutie masa = CutieCuloare(0, Albastru, fe.x1 + 1, fe.y1 + 1, fe.x2 - 1, fe.y2 - 1);
  ASSERT_GT(masa.n, 0);
  EXPECT_LE(masa.y2, 193);
  EXPECT_GE(masa.y2, 191);
  EXPECT_GT(masa.y1, simbol.y2);
  EXPECT_NEAR(masa.CentruX2(), 2 * 272, 2);
}

// The placeholders are filled cells without text; UUT has symbol and number but no mass.
TEST_F(TabelTest, PlaceholdersAndAnUnknownMass) {
  struct Caz {
    int32_t cod;
    uint8_t umplere;
  };
  for (const Caz& caz : {Caz{93, VerdeDeschis}, Caz{111, Gri}}) {
    const Celula c = CelulaLa(caz.cod);
    const Cutie umplut = CutieCuloare(0, caz.umplere, c.x1 + 1, c.y1 + 1, c.x2 - 1, c.y2 - 1);
    EXPECT_EQ(umplut.n, (c.x2 - c.x1 - 1) * (c.y2 - c.y1 - 1)) << "code " << caz.cod << ": no text";
    EXPECT_EQ(Pixel(0, c.x1, c.y1), Negru);
    EXPECT_EQ(Pixel(0, c.x2, c.y2), Negru);
  }
  const Celula uut = CelulaLa(121);
  ASSERT_EQ(uut.x1, 416);
  ASSERT_EQ(uut.y1, 273);
  EXPECT_EQ(Pixel(0, uut.x2 - 2, uut.y1 + 2), Galben);
  EXPECT_GT(CutieCuloare(0, Rosu, uut.x1 + 1, uut.y1 + 1, uut.x2 - 1, uut.y2 - 1).n, 0);
  EXPECT_GT(CutieCuloare(0, Negru, uut.x1 + 1, uut.y1 + 1, uut.x2 - 1, uut.y2 - 1).n, 0);
  EXPECT_EQ(CutieCuloare(0, Albastru, uut.x1 + 1, uut.y1 + 1, uut.x2 - 1, uut.y2 - 1).n, 0);
  EXPECT_EQ(TextMasaCelula(113), "");
}

// Row 1 holds H and HE only; between them, under the heading, nothing is drawn.
TEST_F(TabelTest, FirstRowHoldsHydrogenAndHeliumOnly) {
  const Celula h = CelulaLa(1), he = CelulaLa(18);
  EXPECT_EQ(h.x1, 32);
  EXPECT_EQ(h.y1, 39);
  EXPECT_EQ(he.x1, 576);
  EXPECT_EQ(he.x2, 608);
  for (const Celula& c : {h, he}) {
    EXPECT_EQ(Pixel(0, c.x1, c.y1), Negru);
    EXPECT_EQ(Pixel(0, c.x2, c.y2), Negru);
    EXPECT_EQ(Pixel(0, c.x2 - 2, c.y1 + 2), Alb);
  }
  EXPECT_EQ(CutieCuloare(0, Negru, h.x2 + 1, 42, he.x1 - 1, 78).n,
            (he.x1 - 1 - h.x2) * (78 - 42 + 1));
  // The heading stands above, centred on x 319 with its baseline on row 40.
  const Cutie titlu = CutieCuloare(0, Alb, h.x2 + 1, 0, he.x1 - 1, 78);
  ASSERT_GT(titlu.n, 0);
  EXPECT_LE(titlu.y2, 40);
  EXPECT_NEAR(titlu.CentruX2(), 2 * 319, 2);
}

// Every element cell has the fill colour of its Z's range; the two series rows and the placeholders
// share their colours. The probe is the top-right interior pixel, which no text reaches.
TEST_F(TabelTest, EveryCellFilledByTheColourOfItsRange) {
  struct Interval {
    int32_t de, pana;
    uint8_t culoare;
  };
  // Grouped by colour.
  const Interval intervale[] = {
      {1, 2, Alb},           {10, 10, Alb},         {18, 18, Alb},         {36, 36, Alb},
      {54, 54, Alb},         {86, 86, Alb},         {118, 118, Alb},       {3, 4, Galben},
      {11, 13, Galben},      {19, 32, Galben},      {37, 51, Galben},      {55, 56, Galben},
      {72, 84, Galben},      {87, 88, Galben},      {104, 116, Galben},    {5, 9, BleuDeschis},
      {14, 17, BleuDeschis}, {33, 35, BleuDeschis}, {52, 53, BleuDeschis}, {85, 85, BleuDeschis},
      {117, 117, BleuDeschis}, {57, 71, VerdeDeschis}, {89, 103, Gri},
  };
  int numarate = 0;
  for (const Interval& i : intervale) {
    for (int32_t z = i.de; z <= i.pana; ++z) {
      const Celula c = CelulaLa(Elemente[z].Pozitie);
      EXPECT_EQ(Pixel(0, c.x2 - 2, c.y1 + 2), i.culoare) << "Z " << z;
      EXPECT_EQ(NamedColor(CuloareCelula(z)), i.culoare) << "Z " << z;
      ++numarate;
    }
  }
  EXPECT_EQ(numarate, 118);
}

// Masses in the cells: two decimals from the stored double, none when unknown.
TEST_F(TabelTest, CellMassTexts) {
  const std::pair<int32_t, const char*> cazuri[] = {
      {1, "1.01"}, {2, "4.00"}, {12, "24.30"}, {26, "55.85"}, {36, "83.80"}, {58, "140.12"},
      {112, "277.00"}, {113, ""}, {118, ""},
  };
  for (const auto& [z, text] : cazuri) EXPECT_EQ(TextMasaCelula(z), text) << "Z " << z;
}

TEST_F(TabelTest, WholePageMatchesItsGolden) {
  picture::ExpectMatchesGolden("screen_table", display::PagePixels(0), display::kWidth, display::kHeight);
}

// The wait: one table of mouse states (and pending keys), each fed before the wait starts. A state
// that selects nothing must keep the wait going; after enough passes the test presses a key to end it.
TEST_F(TabelTest, HitTest) {
  struct Caz {
    const char* ce;
    uint16_t x, y, butoane;
    bool tastaInainte;
    int32_t asteptat;
  };
  const Caz cazuri[] = {
      {"FE, last column of its cell", 287, 170, 1, false, 26},
      {"CO, the shared border belongs to the right", 288, 170, 1, false, 27},
      {"H at its top-left corner", 32, 39, 1, false, 1},
      {"HE at the grid's right edge", 607, 60, 1, false, 2},
      {"AC at the grid's bottom row", 100, 467, 1, false, 89},
      {"LA in row 10", 100, 400, 1, false, 57},
      {"row 8 holds nothing", 100, 320, 1, false, 0},
      {"row 9 holds nothing", 300, 360, 1, false, 0},
      {"placeholder 93", 100, 250, 1, false, 0},
      {"placeholder 111", 100, 290, 1, false, 0},
      {"the heading, above the grid", 319, 30, 1, false, 0},
      {"the heading over row 1", 319, 50, 1, false, 0},
      {"left of the grid", 31, 170, 1, false, 0},
      {"right of the grid", 608, 60, 1, false, 0},
      {"above the grid", 40, 38, 1, false, 0},
      {"below the grid", 100, 468, 1, false, 0},
      {"left with Shift", 287, 170, 9, false, 0},
      {"left with Ctrl", 287, 170, 17, false, 0},
      {"right alone", 287, 170, 2, false, 0},
      {"middle alone", 287, 170, 4, false, 0},
      {"left and right", 287, 170, 3, false, 0},
      {"no button", 287, 170, 0, false, 0},
      {"a key pending and a click on a cell: the click wins", 287, 170, 1, true, 26},
      {"a key pending and no click", 0, 0, 0, true, 0},
  };
  for (const Caz& c : cazuri) {
    SCOPED_TRACE(c.ce);
    display::input::Reset();
    if (c.tastaInainte) display::input::RecordKey('x');
    if (c.x != 0 || c.y != 0 || c.butoane != 0) display::input::RecordMouse(c.x, c.y, c.butoane);
    int sondari = 0;
    display::headless::SetPollHook([&] {
      if (++sondari == 40) display::input::RecordKey(' ');
    });
    Stare.ElementAles = -1;
    const int32_t ales = AsteaptaSelectia();
    display::headless::SetPollHook({});
    EXPECT_EQ(ales, c.asteptat);
    EXPECT_EQ(Stare.ElementAles, c.asteptat);
    // Nothing selected and no key before: the wait went on until the test's key.
    if (c.asteptat == 0 && !c.tastaInainte) {
      EXPECT_GE(sondari, 40);
    } else {
      EXPECT_LT(sondari, 40);
    }
  }
}

// A tap at a new place writes a motion and a press at once. Arriving after the pass has read the
// position (over RH) and before it reads the buttons, the press must not select RH: it waits for the
// next pass, which reads its own position (over H).
TEST_F(TabelTest, TapBetweenThePositionAndTheButtonsSelectsWhereItLanded) {
  display::input::Reset();
  display::input::RecordMouse(300, 210, 0);  // over RH
  int sondari = 0;
  display::headless::SetPollHook([&] {
    // The poll hook runs inside GetMouseButtons, after GetMouseX and GetMouseY have been read.
    if (++sondari == 3) {
      display::input::RecordMouse(48, 58, 0);
      display::input::RecordMouse(48, 58, 1);
      display::input::RecordMouse(48, 58, 0);
    }
    if (sondari == 100) display::input::RecordKey(' ');
  });
  const int32_t ales = AsteaptaSelectia();
  display::headless::SetPollHook({});
  EXPECT_EQ(ales, 1) << "the tap selected what lay under the previous position";
}

}  // namespace
