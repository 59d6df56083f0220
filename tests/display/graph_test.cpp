// Tests of the graph.h routines over the headless backend: lifecycle, pages, drawing state, absorbed
// out-of-range arguments, window wake-ups, the visible-page copy, Delay and Random.
#include "display/core.h"
#include "display/graph.h"
#include "display/headless.h"
#include "tests/support/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using display::kHeight;
using display::kWidth;
using display::State;

constexpr std::size_t kPageSize = std::size_t{kWidth} * kHeight;

uint8_t PixelAt(int page, int x, int y) { return display::PagePixels(page)[std::size_t(y) * kWidth + x]; }

std::vector<uint8_t> PageCopy(int page) {
  const uint8_t* p = display::PagePixels(page);
  return std::vector<uint8_t>(p, p + kPageSize);
}

bool PageIsBlank(int page) {
  const uint8_t* p = display::PagePixels(page);
  return std::all_of(p, p + kPageSize, [](uint8_t v) { return v == 0; });
}

class Graph : public ::testing::Test {
 protected:
  void SetUp() override {
    display::headless::SetOpenFailure("");
    InitGraph(3, 4, "TABELUL PERIODIC AL LUI MENDELEEV");
  }
  void TearDown() override {
    CloseGraph();
    display::headless::SetPauseHook(nullptr);
  }
};

// Puts something different on every page and moves the drawing state away from its start.
void DirtyEverything() {
  for (uint16_t page = 0; page < 4; ++page) {
    SetActivePage(page);
    SetFillStyle(1, 20 + page);
    Bar(0, 0, 9, 9);
  }
  SetVisualPage(2);
  SetColor(40);
  SetTextStyle(3, 1, 3);
  SetTextJustify(2, 1);
  OutTextXY(100, 100, "X");
}

TEST_F(Graph, InitGraphResetsPagesAndDrawingState) {
  DirtyEverything();
  const int opened = display::headless::OpenCount();
  CloseGraph();
  EXPECT_FALSE(display::headless::IsOpen());
  InitGraph(3, 4, "TABELUL PERIODIC AL LUI MENDELEEV");
  EXPECT_TRUE(display::headless::IsOpen());
  EXPECT_EQ(display::headless::OpenCount(), opened + 1);
  EXPECT_EQ(GetMaxX(), 639);
  EXPECT_EQ(GetMaxY(), 479);
  EXPECT_EQ(display::ActivePage(), 0);
  EXPECT_EQ(display::VisiblePage(), 0);
  for (int page = 0; page < 4; ++page) EXPECT_TRUE(PageIsBlank(page)) << "page " << page;
  const display::DrawingState& s = State();
  EXPECT_EQ(s.colour, NamedColor(0xFFFFFF));
  EXPECT_EQ(s.background, NamedColor(0x000000));
  EXPECT_EQ(s.fillPattern, 1);
  EXPECT_EQ(s.fillColour, NamedColor(0xFFFFFF));
  EXPECT_EQ(s.font, 0);
  EXPECT_EQ(s.direction, 0);
  EXPECT_EQ(s.cellHeight, 16);
  EXPECT_EQ(s.justifyHorizontal, 0);
  EXPECT_EQ(s.justifyVertical, 0);
  EXPECT_EQ(s.currentX, 0);
  EXPECT_EQ(s.currentY, 0);
}

TEST_F(Graph, InitGraphWhileOpenDoesNothing) {
  SetColor(3);
  Rectangle(5, 5, 5, 5);
  const int opened = display::headless::OpenCount();
  InitGraph(3, 4, "AGAIN");
  EXPECT_EQ(display::headless::OpenCount(), opened);
  EXPECT_EQ(PixelAt(0, 5, 5), 3);
  EXPECT_EQ(State().colour, 3);
}

TEST_F(Graph, InitGraphFailurePrintsOneLineAndExits) {
  CloseGraph();
  EXPECT_EXIT(
      {
        display::headless::SetOpenFailure("no display here");
        InitGraph(3, 4, "TABELUL PERIODIC AL LUI MENDELEEV");
      },
      ::testing::ExitedWithCode(1), "^tabelul-periodic: cannot open the window: no display here\n$");
}

TEST_F(Graph, ClosedStateChangesNoPageAndNoState) {
  DirtyEverything();
  CloseGraph();
  const struct {
    const char* name;
    std::function<void()> call;
  } operations[] = {
      {"SetActivePage", [] { SetActivePage(1); }},
      {"SetVisualPage", [] { SetVisualPage(0); }},
      {"ClearDevice", [] { ClearDevice(); }},
      {"SetColor", [] { SetColor(7); }},
      {"SetFillStyle", [] { SetFillStyle(1, 7); }},
      {"Bar", [] { Bar(0, 0, 639, 479); }},
      {"Rectangle", [] { Rectangle(0, 0, 639, 479); }},
      {"Circle", [] { Circle(320, 240, 100); }},
      {"SetTextStyle", [] { SetTextStyle(0, 0, 2); }},
      {"SetTextJustify", [] { SetTextJustify(0, 0); }},
      {"OutTextXY", [] { OutTextXY(320, 240, "NIMIC"); }},
  };
  for (const auto& op : operations) {
    std::vector<std::vector<uint8_t>> before;
    for (int page = 0; page < 4; ++page) before.push_back(PageCopy(page));
    const display::DrawingState state = State();
    const int active = display::ActivePage(), visible = display::VisiblePage();
    const uint64_t wakes = display::WakeCount();
    op.call();
    for (int page = 0; page < 4; ++page) EXPECT_EQ(PageCopy(page), before[page]) << op.name;
    EXPECT_TRUE(State() == state) << op.name;
    EXPECT_EQ(display::ActivePage(), active) << op.name;
    EXPECT_EQ(display::VisiblePage(), visible) << op.name;
    EXPECT_EQ(display::WakeCount(), wakes) << op.name;
  }
}

TEST_F(Graph, PageNumbersOfFourOrMoreSelectPageZero) {
  const struct {
    uint16_t asked;
    int selected;
  } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {5, 0}, {255, 0}, {65535, 0}};
  for (const auto& c : cases) {
    SetActivePage(3);
    SetVisualPage(3);
    SetActivePage(c.asked);
    EXPECT_EQ(display::ActivePage(), c.selected) << c.asked;
    SetVisualPage(c.asked);
    EXPECT_EQ(display::VisiblePage(), c.selected) << c.asked;
    SetFillStyle(1, 1 + c.asked % 200);
    Bar(c.asked % 600, 0, c.asked % 600, 0);
    EXPECT_EQ(PixelAt(c.selected, c.asked % 600, 0), 1 + c.asked % 200) << c.asked;
  }
}

TEST_F(Graph, ClearDeviceClearsOnlyTheActivePage) {
  DirtyEverything();
  SetActivePage(1);
  SetVisualPage(0);
  SetFillStyle(1, 12);
  OutTextXY(200, 300, "A");
  ASSERT_EQ(State().currentX, 200);
  const std::vector<uint8_t> pages[] = {PageCopy(0), PageCopy(1), PageCopy(2), PageCopy(3)};
  ClearDevice();
  EXPECT_TRUE(PageIsBlank(1));
  EXPECT_EQ(PageCopy(0), pages[0]);
  EXPECT_EQ(PageCopy(2), pages[2]);
  EXPECT_EQ(PageCopy(3), pages[3]);
  EXPECT_EQ(State().currentX, 0);
  EXPECT_EQ(State().currentY, 0);
  EXPECT_EQ(State().fillColour, 12);
  Bar(1, 1, 1, 1);
  EXPECT_EQ(PixelAt(1, 1, 1), 12);
}

TEST_F(Graph, ColourValuesAreUsedModulo256) {
  const struct {
    uint32_t value;
    uint32_t index;
  } cases[] = {{7, 7}, {256 + 7, 7}, {512 + 40, 40}, {0xFFFFFFFF, 255}, {0x100, 0},
               {NamedColor(0xE0FFFF), NamedColor(0xFFFFFF)}};
  for (const auto& c : cases) {
    SetColor(c.value);
    Rectangle(10, 10, 10, 10);
    Circle(20, 20, 0);
    OutTextXY(30, 30, "\xDB");
    SetFillStyle(1, c.value);
    Bar(0, 0, 0, 0);
    EXPECT_EQ(PixelAt(0, 10, 10), c.index) << c.value;
    EXPECT_EQ(PixelAt(0, 20, 20), c.index) << c.value;
    EXPECT_EQ(PixelAt(0, 0, 0), c.index) << c.value;
    const uint8_t* p = display::PagePixels(0);
    EXPECT_GT(std::count(p + 30 * kWidth, p + 46 * kWidth, c.index), 20) << c.value;
  }
}

TEST_F(Graph, SetTextJustifyIgnoresValuesOutsideZeroToTwo) {
  const struct {
    uint16_t horizontal, vertical;
    int expectedHorizontal, expectedVertical;
  } cases[] = {{0, 0, 0, 0}, {2, 1, 2, 1}, {1, 2, 1, 2}, {3, 0, 1, 2},
               {0, 3, 1, 2}, {65535, 1, 1, 2}, {1, 65535, 1, 2}};
  for (const auto& c : cases) {
    SetTextJustify(1, 2);
    SetTextJustify(c.horizontal, c.vertical);
    EXPECT_EQ(State().justifyHorizontal, c.expectedHorizontal) << c.horizontal << "," << c.vertical;
    EXPECT_EQ(State().justifyVertical, c.expectedVertical) << c.horizontal << "," << c.vertical;
  }
}

TEST_F(Graph, SetTextStyleKeepsFontDirectionAndCellHeight) {
  const struct {
    uint16_t font, direction, size;
    int cellHeight;
  } cases[] = {{3, 0, 3, 24}, {3, 0, 2, 16}, {3, 0, 1, 8}, {0, 0, 2, 16}, {1, 90, 0, 16}, {2, 0, 65535, 480}};
  for (const auto& c : cases) {
    SetTextStyle(c.font, c.direction, c.size);
    EXPECT_EQ(State().font, c.font);
    EXPECT_EQ(State().direction, c.direction);
    EXPECT_EQ(State().cellHeight, c.cellHeight) << "size " << c.size;
  }
}

TEST_F(Graph, OutTextXYMovesTheCurrentPositionFirst) {
  const struct {
    int16_t x, y;
    const char* text;
  } cases[] = {{123, 45, "ABC"}, {-30000, 32767, "X"}, {600, 470, ""}};
  for (const auto& c : cases) {
    OutTextXY(c.x, c.y, c.text);
    EXPECT_EQ(State().currentX, c.x);
    EXPECT_EQ(State().currentY, c.y);
  }
}

// The window is woken exactly when what it shows changed.
TEST_F(Graph, WakesTheWindowOnlyWhenTheVisiblePageChanges) {
  const struct {
    const char* name;
    uint16_t active, visible;
    std::function<void()> call;
    bool wakes;
  } cases[] = {
      {"Bar on the visible page", 0, 0, [] { Bar(1, 1, 5, 5); }, true},
      {"Bar on a hidden page", 1, 0, [] { Bar(1, 1, 5, 5); }, false},
      {"Rectangle on the visible page", 1, 1, [] { Rectangle(1, 1, 5, 5); }, true},
      {"Rectangle on a hidden page", 0, 1, [] { Rectangle(1, 1, 5, 5); }, false},
      {"Circle on the visible page", 0, 0, [] { Circle(50, 50, 28); }, true},
      {"Circle on a hidden page", 1, 0, [] { Circle(50, 50, 28); }, false},
      {"text on the visible page", 0, 0, [] { OutTextXY(10, 10, "FE"); }, true},
      {"text on a hidden page", 1, 0, [] { OutTextXY(10, 10, "FE"); }, false},
      {"ClearDevice on the visible page", 0, 0, [] { ClearDevice(); }, true},
      {"ClearDevice on a hidden page", 1, 0, [] { ClearDevice(); }, false},
      {"SetVisualPage", 1, 0, [] { SetVisualPage(1); }, true},
      {"SetActivePage", 0, 0, [] { SetActivePage(1); }, false},
      {"setters", 0, 0, [] { SetColor(3); SetFillStyle(1, 4); SetTextStyle(3, 0, 2); SetTextJustify(1, 1); }, false},
  };
  for (const auto& c : cases) {
    SetActivePage(c.active);
    SetVisualPage(c.visible);
    const uint64_t before = display::WakeCount();
    c.call();
    EXPECT_EQ(display::WakeCount() > before, c.wakes) << c.name;
  }
}

TEST_F(Graph, CopyVisiblePageShowsOnlyTheVisiblePage) {
  std::vector<uint8_t> window(kPageSize, 0xAA);
  SetActivePage(1);
  SetFillStyle(1, 44);
  Bar(100, 100, 200, 150);
  Circle(320, 240, 28);
  display::CopyVisiblePage(window.data());
  EXPECT_EQ(window, PageCopy(0)) << "drawing on a hidden page leaves the window unchanged";
  EXPECT_TRUE(PageIsBlank(0));
  ClearDevice();  // page 1 active, page 0 visible
  display::CopyVisiblePage(window.data());
  EXPECT_TRUE(std::all_of(window.begin(), window.end(), [](uint8_t v) { return v == 0; }));
  Bar(100, 100, 200, 150);
  SetVisualPage(1);
  display::CopyVisiblePage(window.data());
  EXPECT_EQ(window, PageCopy(1)) << "the whole drawing shows at once";
  EXPECT_EQ(window[std::size_t(120) * kWidth + 150], 44);
}

// A window thread copying the visible page while the program draws whole-page bars in alternating
// colours only ever sees one colour: a copy never holds half of a drawing operation.
TEST_F(Graph, CopiesNeverShowHalfAnOperation) {
  SetFillStyle(1, 9);
  Bar(0, 0, 639, 479);
  std::atomic<bool> done{false};
  int mixed = 0, copies = 0;
  std::thread window([&] {
    std::vector<uint8_t> copy(kPageSize);
    while (!done.load() || copies == 0) {
      display::CopyVisiblePage(copy.data());
      ++copies;
      if (std::any_of(copy.begin(), copy.end(), [&](uint8_t v) { return v != copy[0]; })) ++mixed;
    }
  });
  for (int i = 0; i < 300; ++i) {
    SetFillStyle(1, i % 2 == 0 ? 10 : 9);
    Bar(0, 0, 639, 479);
  }
  done = true;
  window.join();
  EXPECT_GT(copies, 0);
  EXPECT_EQ(mixed, 0);
}

TEST_F(Graph, DelayPausesThroughTheBackend) {
  std::vector<unsigned> pauses;
  display::headless::SetPauseHook([&](unsigned ms) { pauses.push_back(ms); });
  Delay(4);
  Delay(0);
  Delay(65535);
  EXPECT_EQ(pauses, (std::vector<unsigned>{4, 0, 65535}));
}

TEST(Random, ZeroAndOneGiveZero) {
  Randomize();
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(1), 0);
  }
}

TEST(Random, ThousandIsInRangeAndRoughlyUniform) {
  constexpr int kBins = 1000, kDraws = 200000;
  for (uint32_t seed : {1u, 20240521u}) {
    display::RandomEngine().seed(seed);
    std::vector<int> counts(kBins, 0);
    for (int i = 0; i < kDraws; ++i) {
      const uint16_t r = Random(kBins);
      ASSERT_LT(r, kBins);
      ++counts[r];
    }
    // Chi-square with 999 degrees of freedom: mean 999, standard deviation about 45.
    const double expected = double(kDraws) / kBins;
    double chi2 = 0;
    for (int c : counts) chi2 += (c - expected) * (c - expected) / expected;
    EXPECT_LT(chi2, 999 + 7 * 45) << "seed " << seed;
    EXPECT_GT(chi2, 999 - 7 * 45) << "seed " << seed;
  }
}

TEST(Random, RandomizeSeedsFromTheMillisecondClock) {
  // Seeds taken a few milliseconds apart give different sequences.
  auto draws = [] {
    Randomize();
    std::vector<uint16_t> v(8);
    for (auto& r : v) r = Random(1000);
    return v;
  };
  const std::vector<uint16_t> first = draws();
  const auto start = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(3)) {
  }
  EXPECT_NE(draws(), first);
}

// Primitives at the page's edges and beyond, as one picture.
TEST_F(Graph, PrimitivesGolden) {
  SetFillStyle(1, NamedColor(0xADD8E6));
  Bar(20, 20, 120, 80);
  Bar(-50, 400, 40, 530);        // clipped at the left and bottom edges
  Bar(630, -10, 700, 10);        // clipped at the top right corner
  SetColor(NamedColor(0xFF0000));
  Rectangle(20, 20, 120, 80);    // outline on the bar's border pixels
  Rectangle(150, 80, 140, 20);   // corners in the other order
  Rectangle(160, 50, 160, 50);   // one pixel
  Rectangle(-5, 200, 30, 260);   // left edge off the page
  Rectangle(600, 440, 700, 500); // right and bottom edges off the page
  SetColor(NamedColor(0xFFFF00));
  for (uint16_t r = 0; r <= 10; r += 2) Circle(static_cast<int16_t>(200 + r * 6), 50, r);
  Circle(320, 240, 28);
  Circle(320, 240, 2);
  Circle(0, 240, 60);            // half off the left edge
  Circle(639, 479, 100);         // quarter at the bottom right corner
  Circle(320, -200, 400);        // an arc from a centre above the page
  Circle(320, 240, 65535);       // wholly outside: nothing
  for (int i = 1; i <= 7; ++i) {
    SetColor(NamedColor(0xA8A8A8) + 1 + i);
    Circle(320, 240, static_cast<uint16_t>(28 + i * 20));
  }
  picture::ExpectMatchesGolden("primitives", display::PagePixels(0), kWidth, kHeight);
}

}  // namespace
