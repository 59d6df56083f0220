// Tests of the display core without pages or window: the palette, named colours, the index to XRGB
// conversion and the clipped primitives on tiny canvases with every pixel asserted.
#include "display/core.h"
#include "display/graph.h"

#include "tests/support/picture.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using display::Canvas;
using display::kPalette;

// --- Palette ------------------------------------------------------------------------------------

struct PinnedEntry {
  int index;
  uint32_t rgb;
};

// The entries the screens show, and the structure of the default palette around them.
const PinnedEntry kPinned[] = {
    {0, 0x000000},  {1, 0x0000A8},  {2, 0x00A800},  {3, 0x00A8A8},  {4, 0xA80000},  {5, 0xA800A8},
    {6, 0xA85400},  {7, 0xA8A8A8},  {8, 0x545454},  {9, 0x5454FC},  {10, 0x54FC54}, {11, 0x54FCFC},
    {12, 0xFC5454}, {13, 0xFC54FC}, {14, 0xFCFC54}, {15, 0xFCFCFC}, {16, 0x000000}, {31, 0xFCFCFC},
    {32, 0x0000FC}, {40, 0xFC0000}, {44, 0xFCFC00}, {71, 0x9CFC7C}, {73, 0x7CFC9C}, {102, 0xB4D8FC},
    {248, 0x000000}, {255, 0x000000}};

TEST(Palette, PinnedEntries) {
  for (const PinnedEntry& e : kPinned) {
    EXPECT_EQ(kPalette[e.index], e.rgb) << "entry " << e.index;
  }
  EXPECT_EQ(&display::Palette(), &kPalette);
}

TEST(Palette, ComponentsAreSixBitValuesTimesFour) {
  for (int i = 0; i < 256; ++i) {
    for (int shift : {0, 8, 16}) {
      const uint32_t c = kPalette[i] >> shift & 0xFF;
      EXPECT_EQ(c % 4, 0u) << "entry " << i;
    }
    EXPECT_EQ(kPalette[i] >> 24, 0u) << "entry " << i;
  }
}

TEST(Palette, GreyRampRisesFromBlackToWhite) {
  for (int i = 16; i < 32; ++i) {
    const uint32_t rgb = kPalette[i];
    EXPECT_EQ(rgb >> 16 & 0xFF, rgb & 0xFF) << "entry " << i;
    EXPECT_EQ(rgb >> 8 & 0xFF, rgb & 0xFF) << "entry " << i;
    if (i > 16) {
      EXPECT_GT(rgb & 0xFF, kPalette[i - 1] & 0xFF) << "entry " << i;
    }
  }
}

TEST(Palette, LastEightEntriesAreBlack) {
  for (int i = 248; i < 256; ++i) EXPECT_EQ(kPalette[i], 0u) << "entry " << i;
}

// Each run of 24 hues starts at blue, passes red at hue 8 and green at hue 16.
TEST(Palette, EveryHueRunStartsBlueThenRedThenGreen) {
  for (int run = 0; run < 9; ++run) {
    const uint32_t blue = kPalette[32 + run * 24], red = kPalette[40 + run * 24],
                   green = kPalette[48 + run * 24];
    EXPECT_GT(blue & 0xFF, blue >> 16 & 0xFF) << "run " << run;
    EXPECT_GT(red >> 16 & 0xFF, red & 0xFF) << "run " << run;
    EXPECT_GT(green >> 8 & 0xFF, green >> 16 & 0xFF) << "run " << run;
  }
}

struct NamedCase {
  uint32_t rgb;
  uint32_t index;
};

// The screens' named colours; #000000, #E0FFFF, #FFFFFF and #90EE90 each tie with a higher entry.
const NamedCase kNamed[] = {{0x000000, 0},  {0x0000FF, 32}, {0xADD8E6, 102}, {0xE0FFFF, 15},
                            {0xA8A8A8, 7},  {0x90EE90, 71}, {0xFF0000, 40},  {0xFFFFFF, 15},
                            {0xFFFF00, 44}};

TEST(NamedColour, ResolvesToNearestEntryLowestIndexOnTie) {
  for (const NamedCase& c : kNamed) {
    EXPECT_EQ(NamedColor(c.rgb), c.index) << std::hex << c.rgb;
  }
  // The ties really are ties: the losing entries show the same distance.
  EXPECT_EQ(kPalette[31], kPalette[15]);
  EXPECT_EQ(kPalette[16], kPalette[0]);
}

TEST(NamedColour, IsAvailableAtCompileTime) {
  static_assert(display::NearestPaletteIndex(0x90EE90) == 71);
  static_assert(display::NearestPaletteIndex(0xE0FFFF) == 15);
}

// The atom model's shell colours: the colour value of #A8A8A8 plus 1 plus the shell number.
TEST(NamedColour, ShellColours) {
  const uint32_t shown[8] = {0, 0x5454FC, 0x54FC54, 0x54FCFC, 0xFC5454, 0xFC54FC, 0xFCFC54, 0xFCFCFC};
  for (uint32_t shell = 1; shell <= 7; ++shell) {
    const uint32_t value = NamedColor(0xA8A8A8) + 1 + shell;
    EXPECT_EQ(value, 8 + shell);
    EXPECT_EQ(kPalette[value], shown[shell]) << "shell " << shell;
  }
}

TEST(IndicesToXrgb, MapsEveryIndexThroughThePalette) {
  std::vector<uint8_t> indices(512);
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<uint8_t>(255 - i % 256);
  std::vector<uint32_t> out(indices.size(), 0xDEADBEEF);
  display::IndicesToXrgb(indices.data(), out.data(), indices.size());
  for (std::size_t i = 0; i < indices.size(); ++i) EXPECT_EQ(out[i], kPalette[indices[i]]) << i;
}

// --- Primitives on tiny canvases ----------------------------------------------------------------

// A canvas with its own pixels, shown as text rows: '.' for 0, '#' for the drawing colour 9.
struct TinyCanvas {
  int width, height;
  std::vector<uint8_t> pixels;
  TinyCanvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}
  Canvas canvas() { return Canvas{pixels.data(), width, height}; }
  std::string Rows() const {
    std::string s;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const uint8_t p = pixels[static_cast<std::size_t>(y) * width + x];
        s += p == 0 ? '.' : p == 9 ? '#' : '?';
      }
      s += '\n';
    }
    return s;
  }
};

enum class Shape { kBar, kOutline, kCircle };

struct PrimitiveCase {
  const char* name;
  Shape shape;
  int a, b, c, d;  // corners x1, y1, x2, y2; or centre x, y and radius c
  std::vector<std::string> expected;
};

std::string Joined(const std::vector<std::string>& rows) {
  std::string s;
  for (const std::string& row : rows) s += row + "\n";
  return s;
}

constexpr int kMin = -32768, kMax = 32767;

const std::vector<PrimitiveCase>& PrimitiveCases() {
  static const std::vector<PrimitiveCase> cases = {
      {"bar", Shape::kBar, 1, 1, 3, 2, {"......", ".###..", ".###..", "......", "......"}},
      {"bar corners reversed", Shape::kBar, 3, 2, 1, 1, {"......", ".###..", ".###..", "......", "......"}},
      {"bar other diagonal", Shape::kBar, 3, 1, 1, 2, {"......", ".###..", ".###..", "......", "......"}},
      {"bar single pixel", Shape::kBar, 4, 3, 4, 3, {"......", "......", "......", "....#.", "......"}},
      {"bar clipped at top left", Shape::kBar, -3, -3, 1, 1, {"##....", "##....", "......", "......", "......"}},
      {"bar clipped at bottom right", Shape::kBar, 4, 3, 9, 9, {"......", "......", "......", "....##", "....##"}},
      {"bar at int16 extremes", Shape::kBar, kMin, kMin, kMax, kMax, {"######", "######", "######", "######", "######"}},
      {"bar wholly off", Shape::kBar, 6, 0, kMax, kMax, {"......", "......", "......", "......", "......"}},
      {"bar wholly above", Shape::kBar, kMin, kMin, kMax, -1, {"......", "......", "......", "......", "......"}},
      {"outline", Shape::kOutline, 1, 0, 4, 3, {".####.", ".#..#.", ".#..#.", ".####.", "......"}},
      {"outline corners reversed", Shape::kOutline, 4, 3, 1, 0, {".####.", ".#..#.", ".#..#.", ".####.", "......"}},
      {"outline single pixel", Shape::kOutline, 2, 2, 2, 2, {"......", "......", "..#...", "......", "......"}},
      {"outline one row", Shape::kOutline, 1, 2, 4, 2, {"......", "......", ".####.", "......", "......"}},
      {"outline one column", Shape::kOutline, 3, 4, 3, 1, {"......", "...#..", "...#..", "...#..", "...#.."}},
      {"outline two rows", Shape::kOutline, 0, 1, 2, 2, {"......", "###...", "###...", "......", "......"}},
      {"outline clipped", Shape::kOutline, -2, 1, 3, 9, {"......", "####..", "...#..", "...#..", "...#.."}},
      {"outline round the canvas", Shape::kOutline, -1, -1, 6, 5, {"......", "......", "......", "......", "......"}},
      {"outline at int16 extremes", Shape::kOutline, kMin, kMin, kMax, kMax, {"......", "......", "......", "......", "......"}},
      {"outline edge on the canvas", Shape::kOutline, kMin, 2, 2, kMax, {"......", "......", "###...", "..#...", "..#..."}},
      {"circle radius 0", Shape::kCircle, 2, 2, 0, 0, {"......", "......", "..#...", "......", "......"}},
      {"circle radius 1", Shape::kCircle, 2, 2, 1, 0, {"......", "..#...", ".#.#..", "..#...", "......"}},
      {"circle radius 2", Shape::kCircle, 2, 2, 2, 0, {".###..", "#...#.", "#...#.", "#...#.", ".###.."}},
      {"circle clipped at corner", Shape::kCircle, 0, 0, 2, 0, {"..#...", "..#...", "##....", "......", "......"}},
      {"circle off the canvas", Shape::kCircle, -3, 2, 2, 0, {"......", "......", "......", "......", "......"}},
  };
  return cases;
}

TEST(Primitives, TinyCanvasesEveryPixel) {
  for (const PrimitiveCase& c : PrimitiveCases()) {
    TinyCanvas t(6, 5);
    switch (c.shape) {
      case Shape::kBar: display::FillBox(t.canvas(), c.a, c.b, c.c, c.d, 9); break;
      case Shape::kOutline: display::OutlineBox(t.canvas(), c.a, c.b, c.c, c.d, 9); break;
      case Shape::kCircle: display::OutlineCircle(t.canvas(), c.a, c.b, c.c, 9); break;
    }
    EXPECT_EQ(t.Rows(), Joined(c.expected)) << c.name;
  }
}

// The set pixels of a page-sized canvas after drawing one circle.
struct CirclePixels {
  std::vector<std::pair<int, int>> points;
  std::vector<uint8_t> pixels;
};

CirclePixels DrawCircle(int cx, int cy, int radius) {
  CirclePixels result;
  result.pixels.assign(std::size_t{display::kWidth} * display::kHeight, 0);
  display::OutlineCircle(Canvas{result.pixels.data(), display::kWidth, display::kHeight}, cx, cy, radius, 9);
  for (int y = 0; y < display::kHeight; ++y) {
    for (int x = 0; x < display::kWidth; ++x) {
      if (result.pixels[std::size_t(y) * display::kWidth + x] != 0) result.points.emplace_back(x, y);
    }
  }
  return result;
}

// Whether every set pixel lies within one pixel of the true circle.
void ExpectNearTrueCircle(const CirclePixels& c, int cx, int cy, int radius, const char* what) {
  for (auto [x, y] : c.points) {
    const double distance = std::hypot(double(x) - cx, double(y) - cy);
    EXPECT_LT(std::abs(distance - radius), 1.0) << what << " pixel (" << x << "," << y << ")";
  }
}

TEST(Circle, OutermostPixelsOnRadiusColumnsAndRowsAndSymmetric) {
  const int cx = 320, cy = 240;
  for (int radius : {0, 1, 2, 3, 5, 28, 100, 239}) {
    const CirclePixels c = DrawCircle(cx, cy, radius);
    ASSERT_FALSE(c.points.empty()) << "radius " << radius;
    int minX = cx, maxX = cx, minY = cy, maxY = cy;
    for (auto [x, y] : c.points) {
      minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
      auto at = [&](int px, int py) { return c.pixels[std::size_t(py) * display::kWidth + px]; };
      EXPECT_EQ(at(2 * cx - x, y), 9) << "mirror in x, radius " << radius;
      EXPECT_EQ(at(x, 2 * cy - y), 9) << "mirror in y, radius " << radius;
      EXPECT_EQ(at(cx + (y - cy), cy + (x - cx)), 9) << "transpose, radius " << radius;
    }
    EXPECT_EQ(minX, cx - radius);
    EXPECT_EQ(maxX, cx + radius);
    EXPECT_EQ(minY, cy - radius);
    EXPECT_EQ(maxY, cy + radius);
    ExpectNearTrueCircle(c, cx, cy, radius, "centred");
    // No gaps: every column of its span holds a pixel on or above the centre row and one on or
    // below it.
    for (int x = cx - radius; x <= cx + radius; ++x) {
      int above = 0, below = 0;
      for (int y = cy - radius; y <= cy + radius; ++y) {
        if (c.pixels[std::size_t(y) * display::kWidth + x] == 0) continue;
        above += y <= cy;
        below += y >= cy;
      }
      EXPECT_GT(above, 0) << "column " << x << ", radius " << radius;
      EXPECT_GT(below, 0) << "column " << x << ", radius " << radius;
    }
  }
}

struct HugeCircle {
  int cx, cy, radius;
  bool anyOnPage;
};

// Radii up to 65535 about centres up to the int16 extremes: the outline is clipped, the arithmetic
// does not overflow, and circles that cannot touch the page draw nothing.
const HugeCircle kHugeCircles[] = {
    {320, 240, 65535, false},        {kMin, kMin, 65535, false},       {kMax, kMax, 65535, false},
    {kMin, 240, 32768 + 100, true},  {320, kMin, 32768 + 240, true},   {kMax, kMax, 45600, true},
    {0, 0, 790, true},               {639, 479, 700, true},            {320, 240, 400, true},
    {kMin, kMax, 65535, false},      {kMin, kMin, 46500, true},        {kMax, kMin, 0, false},
};

TEST(Circle, HugeRadiiAndExtremeCentresClipSafely) {
  for (const HugeCircle& h : kHugeCircles) {
    const CirclePixels c = DrawCircle(h.cx, h.cy, h.radius);
    EXPECT_EQ(!c.points.empty(), h.anyOnPage) << h.cx << "," << h.cy << " r " << h.radius;
    ExpectNearTrueCircle(c, h.cx, h.cy, h.radius, "huge");
  }
}

// --- Golden picture support ---------------------------------------------------------------------

TEST(Picture, PalettedPngRoundTripKeepsEveryIndex) {
  const int width = 32, height = 16;
  std::vector<uint8_t> pixels(width * height);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7);
  const std::string path = std::string(TP_ACTUAL_DIR) + "/roundtrip.png";
  std::string error;
  ASSERT_TRUE(picture::SavePng(path, pixels.data(), width, height, &error)) << error;
  const std::optional<picture::Indexed> loaded = picture::LoadPng(path);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(loaded->width, width);
  EXPECT_EQ(loaded->height, height);
  EXPECT_EQ(loaded->pixels, pixels);
  EXPECT_FALSE(picture::LoadPng(std::string(TP_GOLDEN_DIR) + "/no-such-picture.png").has_value());
}

// A picture that differs from its golden fails, and the diff marks exactly the wrong pixels.
TEST(Picture, MismatchWritesActualAndDiffPictures) {
  if (const char* update = std::getenv("TP_UPDATE_GOLDEN"); update != nullptr && std::string(update) == "1") {
    GTEST_SKIP() << "would overwrite a golden";
  }
  std::optional<picture::Indexed> golden = picture::LoadPng(std::string(TP_GOLDEN_DIR) + "/primitives.png");
  ASSERT_TRUE(golden.has_value()) << "record the primitives golden first";
  std::vector<uint8_t> wrong = golden->pixels;
  const std::size_t changed[] = {0, 1234, wrong.size() - 1};
  for (std::size_t i : changed) wrong[i] = static_cast<uint8_t>(wrong[i] + 1);
  const std::string diffPath = std::string(TP_ACTUAL_DIR) + "/primitives_diff.png";
  std::filesystem::remove(diffPath);
  EXPECT_NONFATAL_FAILURE(
      picture::ExpectMatchesGolden("primitives", wrong.data(), golden->width, golden->height),
      "differs from");
  const std::optional<picture::Indexed> actual =
      picture::LoadPng(std::string(TP_ACTUAL_DIR) + "/primitives_actual.png");
  ASSERT_TRUE(actual.has_value());
  EXPECT_EQ(actual->pixels, wrong);
  const std::optional<picture::Indexed> diff = picture::LoadPng(diffPath);
  ASSERT_TRUE(diff.has_value());
  std::vector<std::size_t> marked;
  for (std::size_t i = 0; i < diff->pixels.size(); ++i) {
    if (kPalette[diff->pixels[i]] == 0xFC0000) marked.push_back(i);
  }
  EXPECT_EQ(marked, std::vector<std::size_t>(std::begin(changed), std::end(changed)));
  std::filesystem::remove(diffPath);
  std::filesystem::remove(std::string(TP_ACTUAL_DIR) + "/primitives_actual.png");
}

}  // namespace
