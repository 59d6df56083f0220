// The program's control flow, run whole and headless: input is fed at exact points through the poll
// hook (every GetMouseButtons and KeyPressed) and the pause hook (the Delay(4) ending every frame).
#include "display/core.h"
#include "display/graph.h"
#include "display/headless.h"
#include "display/input.h"
#include "screens/program.h"
#include "screens/stare.h"
#include "tests/screens/ecran.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

// Points of the table at 640 x 480: inside the cells of FE (26) and HG (80).
constexpr uint16_t FeX = 270, FeY = 170;
constexpr uint16_t HgX = 400, HgY = 250;

// What a run went through, as seen from the hooks.
struct Jurnal {
  int pauze = 0;              // frames ended (one Delay(4) each)
  int vizite = 0;             // visits of the table screen
  int sondariInTabel = 0;     // polls of the current table visit
  int sondariInEcran = 0;     // polls of the current element screen
  int sondariDupaPauza = 0;   // polls since the last pause: 1 is the end-of-frame test, 2 the next frame's start
  bool inTabel = false;
  std::vector<int32_t> elemente;              // Z of each element screen
  std::vector<std::array<double, 7>> faze;    // its phases as set up
  std::vector<unsigned> intarzieri;           // every Delay's milliseconds
  bool preaLung = false;                      // the run had to be stopped by the test
};

bool PaginaGoala(int page) {
  const uint8_t* p = display::PagePixels(page);
  for (int i = 0; i < display::kWidth * display::kHeight; ++i) {
    if (p[i] != 0) return false;
  }
  return true;
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ecran::UitaTotul();
    ASSERT_FALSE(display::headless::IsOpen());
  }
  void TearDown() override { ecran::UitaTotul(); }

  // Runs the whole program. laPauza runs at the end of every frame (after the flip, before the
  // frame's tests), laSondare at every poll; both see the journal already updated.
  Jurnal Ruleaza(std::function<void(Jurnal&)> laPauza, std::function<void(Jurnal&)> laSondare = {}) {
    Jurnal j;
    const int deschise = display::headless::OpenCount(), inchise = display::headless::CloseCount();
    display::headless::SetPauseHook([&](unsigned ms) {
      ++j.pauze;
      j.sondariDupaPauza = 0;
      j.intarzieri.push_back(ms);
      if (laPauza) laPauza(j);
      if (j.pauze > 400 && !j.preaLung) {
        j.preaLung = true;
        display::input::RecordKey(27);
      }
    });
    display::headless::SetPollHook([&] {
      // AsteaptaSelectia clears ElementAles before its first poll; the frames keep it set.
      if (Stare.ElementAles == 0) {
        if (!j.inTabel) {
          ++j.vizite;
          j.sondariInTabel = 0;
        }
        j.inTabel = true;
        ++j.sondariInTabel;
      } else {
        if (j.inTabel) {
          j.inTabel = false;
          j.sondariInEcran = 0;
          j.elemente.push_back(Stare.ElementAles);
          j.faze.push_back(Stare.Faza);
        }
        ++j.sondariInEcran;
      }
      ++j.sondariDupaPauza;
      if (laSondare) laSondare(j);
      if (j.sondariInTabel > 100000 && !j.preaLung) {
        j.preaLung = true;
        display::input::RecordKey(27);
      }
    });
    RuleazaProgramul();
    display::headless::SetPauseHook({});
    display::headless::SetPollHook({});

    EXPECT_FALSE(j.preaLung) << "the program did not end by itself";
    EXPECT_FALSE(display::headless::IsOpen()) << "CloseGraph ends every run";
    EXPECT_EQ(display::headless::OpenCount(), deschise + 1);
    EXPECT_EQ(display::headless::CloseCount(), inchise + 1);
    for (const unsigned ms : j.intarzieri) EXPECT_EQ(ms, 4u);
    return j;
  }
};

// A key, or a request to close the window, on the table screen ends the program without an element
// screen.
TEST_F(ProgramTest, KeyOrCloseRequestOnTheTableScreenEnds) {
  const std::function<void()> intrari[] = {
      [] { display::input::RecordKey('q'); },
      [] { display::input::RecordCloseRequest(); },
      [] { display::input::RecordExtendedKey(59); },  // F1
  };
  for (const auto& intrare : intrari) {
    intrare();
    const Jurnal j = Ruleaza({});
    EXPECT_EQ(j.vizite, 1);
    EXPECT_EQ(j.pauze, 0);
    EXPECT_TRUE(j.elemente.empty());
    display::input::Reset();
  }
}

// A request to close the window that arrives while the table is still being drawn: the drawing is
// finished, the wait ends at its first pass, and the program ends without an element screen.
TEST_F(ProgramTest, CloseRequestWhileTheTableIsDrawnEnds) {
  int schimbari = 0;
  display::headless::SetWakeHook([&] {
    if (++schimbari == 150) display::input::RecordCloseRequest();  // some columns into the table
  });
  const Jurnal j = Ruleaza({});
  display::headless::SetWakeHook({});
  EXPECT_GT(schimbari, 150) << "the request did not arrive during the drawing";
  EXPECT_EQ(j.vizite, 1);
  EXPECT_EQ(j.sondariInTabel, 2) << "the wait did not end at its first pass (buttons, then the key)";
  EXPECT_EQ(j.pauze, 0);
  EXPECT_TRUE(j.elemente.empty());
}

// A key pressed during a frame: that frame is finished, flip and pause included, then the program
// ends. The shown page holds the last frame, the other one is cleared.
TEST_F(ProgramTest, KeyOnTheElementScreenEndsAfterTheCurrentFrame) {
  for (const bool inchidere : {false, true}) {
    display::input::RecordMouse(FeX, FeY, 1);
    bool pagini = false;
    const Jurnal j = Ruleaza([&](Jurnal& jj) {
      if (jj.pauze != 3) return;
      if (inchidere) {
        display::input::RecordCloseRequest();
      } else {
        display::input::RecordKey(' ');
      }
      pagini = display::VisiblePage() == 1 && !PaginaGoala(1) && display::ActivePage() == 0 && PaginaGoala(0);
    });
    EXPECT_EQ(j.pauze, 3);
    EXPECT_EQ(j.vizite, 1);
    EXPECT_EQ(j.elemente, std::vector<int32_t>{26});
    EXPECT_TRUE(pagini) << "frame 3 flipped into view before the end";
    EXPECT_EQ(Stare.Pagina, 1);
    display::input::Reset();
  }
}

// The right button, sampled at a frame's start while a key is pending, ends the program instead of
// returning to the table.
TEST_F(ProgramTest, RightButtonWithAKeyPendingEndsTheProgram) {
  display::input::RecordMouse(FeX, FeY, 1);
  const Jurnal j = Ruleaza(
      [](Jurnal& jj) {
        if (jj.pauze == 2) display::input::RecordMouse(FeX, FeY, 2);
      },
      [](Jurnal& jj) {
        // Frame 3 has just sampled b = 2; the key comes before its end.
        if (jj.pauze == 2 && jj.sondariDupaPauza == 2) display::input::RecordKey('k');
      });
  EXPECT_EQ(j.pauze, 3);
  EXPECT_EQ(j.vizite, 1);
}

// Button states other than the right button alone keep the element screen, the left button still
// held from the selecting click included; a key ends it at last.
TEST_F(ProgramTest, OnlyTheRightButtonAloneLeavesTheElementScreen) {
  struct Caz {
    const char* ce;
    uint16_t butoane;
  };
  const Caz cazuri[] = {
      {"left still held from the selecting click", 1}, {"right with Shift", 2 | 8},
      {"right with Ctrl", 2 | 16},                       {"right and left", 2 | 1},
      {"right and middle", 2 | 4},                       {"middle", 4},
  };
  for (const Caz& c : cazuri) {
    SCOPED_TRACE(c.ce);
    display::input::RecordMouse(FeX, FeY, 1);
    const Jurnal j = Ruleaza([&](Jurnal& jj) {
      if (jj.pauze == 1) display::input::RecordMouse(FeX, FeY, c.butoane);
      if (jj.pauze == 6) display::input::RecordKey('k');
    });
    EXPECT_EQ(j.pauze, 6);
    EXPECT_EQ(j.vizite, 1);
    display::input::Reset();
  }
}

// Only the button state sampled at a frame's start counts: a right press after frame 2's sample does
// not end frame 2; frame 3 samples it and ends, and the table screen comes back.
TEST_F(ProgramTest, RightButtonCountsAsSampledAtTheFrameStart) {
  display::input::RecordMouse(FeX, FeY, 1);
  const Jurnal j = Ruleaza(
      [](Jurnal& jj) {
        if (jj.pauze == 1) display::input::RecordMouse(FeX, FeY, 0);
        if (jj.pauze == 2) display::input::RecordMouse(FeX, FeY, 2);
      },
      [](Jurnal& jj) {
        if (jj.vizite == 2) display::input::RecordKey('k');
      });
  EXPECT_EQ(j.pauze, 3);
  EXPECT_EQ(j.vizite, 2);
  EXPECT_EQ(j.elemente, std::vector<int32_t>{26});
}

// After a return to the table, the right button still held selects nothing; a new left click opens a
// new element screen with new random phases.
TEST_F(ProgramTest, ReturnToTheTableAndANewElementScreen) {
  display::input::RecordMouse(FeX, FeY, 1);
  int sondariCuDreapta = 0;
  const Jurnal j = Ruleaza(
      [](Jurnal& jj) {
        if (jj.pauze == 1) display::input::RecordMouse(FeX, FeY, 0);
        if (jj.pauze == 2) display::input::RecordMouse(FeX, FeY, 2);
        if (jj.pauze == 6) display::input::RecordKey('k');
      },
      [&](Jurnal& jj) {
        if (jj.vizite != 2 || !jj.inTabel) return;
        if (jj.sondariInTabel < 50) {
          ++sondariCuDreapta;
        } else if (jj.sondariInTabel == 50) {
          display::input::RecordMouse(HgX, HgY, 1);
        }
      });
  EXPECT_EQ(j.vizite, 2);
  EXPECT_GE(sondariCuDreapta, 49) << "the right button held on the table selects nothing";
  EXPECT_EQ(j.elemente, (std::vector<int32_t>{26, 80}));
  ASSERT_EQ(j.faze.size(), 2u);
  EXPECT_NE(j.faze[0], j.faze[1]);
  for (const auto& faze : j.faze) {
    for (const double f : faze) {
      EXPECT_GE(f, 0.0);
      EXPECT_LE(f, 0.999);
      EXPECT_DOUBLE_EQ(f * 1000, static_cast<double>(static_cast<int>(f * 1000 + 0.5)));
    }
  }
  EXPECT_EQ(j.pauze, 6);
}

// The pages: the first frame is drawn on page 0, over the table; its flip shows page 1 as it was and
// clears page 0. From then on each frame is drawn on the hidden page and flipped into view.
TEST_F(ProgramTest, PagesOfTheFirstFrames) {
  display::input::RecordMouse(FeX, FeY, 1);
  std::vector<std::string> greseli;
  auto verifica = [&](bool conditie, const std::string& ce) {
    if (!conditie) greseli.push_back(ce);
  };
  const Jurnal j = Ruleaza(
      [&](Jurnal& jj) {
        const std::string cadru = "frame " + std::to_string(jj.pauze) + ": ";
        if (jj.pauze == 1) {
          verifica(display::VisiblePage() == 1 && display::ActivePage() == 0, cadru + "shows 1, draws on 0");
          verifica(PaginaGoala(0), cadru + "page 0 cleared");
          verifica(display::PagePixels(1)[5 * display::kWidth + 5] == 4, cadru + "page 1 shown as it was");
          verifica(PaginaGoala(2) && PaginaGoala(3), cadru + "pages 2 and 3 untouched");
        } else if (jj.pauze == 2) {
          verifica(display::VisiblePage() == 0 && display::ActivePage() == 1, cadru + "shows 0, draws on 1");
          verifica(!PaginaGoala(0), cadru + "page 0 holds frame 2");
          verifica(PaginaGoala(1), cadru + "page 1 cleared");
        } else if (jj.pauze == 3) {
          verifica(display::VisiblePage() == 1 && display::ActivePage() == 0, cadru + "shows 1, draws on 0");
          verifica(!PaginaGoala(1), cadru + "page 1 holds frame 3");
          verifica(PaginaGoala(0), cadru + "page 0 cleared");
          display::input::RecordKey('k');
        }
      },
      [&](Jurnal& jj) {
        if (jj.inTabel && jj.sondariInTabel == 1) {
          // A mark on page 1, made while the table waits, to see what the first flip shows.
          verifica(display::ActivePage() == 0 && display::VisiblePage() == 0, "table on page 0");
          SetActivePage(1);
          SetFillStyle(1, 4);
          Bar(0, 0, 10, 10);
          SetActivePage(0);
        }
        if (!jj.inTabel && jj.sondariInEcran == 1) {
          verifica(display::ActivePage() == 0 && display::VisiblePage() == 0, "frame 1 starts on page 0");
          verifica(!PaginaGoala(0), "the table is still on page 0 under frame 1");
        }
      });
  EXPECT_EQ(j.pauze, 3);
  EXPECT_TRUE(greseli.empty()) << ::testing::PrintToString(greseli);
}

}  // namespace
