// The display core: palette, pages, drawing state and primitives. No window library here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <random>

namespace display {

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;
inline constexpr int kPageCount = 4;

// Copies the visible page (kWidth x kHeight palette indices, row by row) under the page lock, so a
// copy never holds half of a drawing operation.
void CopyVisiblePage(uint8_t* out);

// Converts palette indices to 0x00RRGGBB pixels through the fixed palette.
void IndicesToXrgb(const uint8_t* indices, uint32_t* out, std::size_t count);

// --- Palette ------------------------------------------------------------------------------------

namespace detail {

// One colour from 6-bit DAC components; the 8-bit value is the component times 4 (63 -> 0xFC).
constexpr uint32_t Dac(uint32_t r, uint32_t g, uint32_t b) { return (r * 4) << 16 | (g * 4) << 8 | (b * 4); }

// The default DAC of the 256-colour mode: 16 EGA colours, a 16-step grey ramp, nine runs of 24 hues
// (three intensities, each in three saturations), then eight entries of black.
constexpr std::array<uint32_t, 256> MakePalette() {
  constexpr uint32_t kEga[16][3] = {
      {0, 0, 0},    {0, 0, 42},   {0, 42, 0},   {0, 42, 42},  {42, 0, 0},   {42, 0, 42},
      {42, 21, 0},  {42, 42, 42}, {21, 21, 21}, {21, 21, 63}, {21, 63, 21}, {21, 63, 63},
      {63, 21, 21}, {63, 21, 63}, {63, 63, 21}, {63, 63, 63}};
  constexpr uint32_t kGrey[16] = {0, 5, 8, 11, 14, 17, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63};
  // Each run walks the colour wheel blue -> magenta -> red -> yellow -> green -> cyan -> blue through
  // five levels: v[0] is the run's floor, v[4] its peak.
  constexpr uint32_t kRuns[9][5] = {
      {0, 16, 31, 47, 63},  {31, 39, 47, 55, 63}, {45, 49, 54, 58, 63},  // high intensity
      {0, 7, 14, 21, 28},   {14, 17, 21, 24, 28}, {20, 22, 24, 26, 28},  // medium intensity
      {0, 4, 8, 12, 16},    {8, 10, 12, 14, 16},  {11, 12, 13, 15, 16}};  // low intensity
  // The level (index into a run's five) of red, green and blue for each of the 24 hues.
  constexpr uint8_t kHues[24][3] = {
      {0, 0, 4}, {1, 0, 4}, {2, 0, 4}, {3, 0, 4}, {4, 0, 4}, {4, 0, 3}, {4, 0, 2}, {4, 0, 1},
      {4, 0, 0}, {4, 1, 0}, {4, 2, 0}, {4, 3, 0}, {4, 4, 0}, {3, 4, 0}, {2, 4, 0}, {1, 4, 0},
      {0, 4, 0}, {0, 4, 1}, {0, 4, 2}, {0, 4, 3}, {0, 4, 4}, {0, 3, 4}, {0, 2, 4}, {0, 1, 4}};
  std::array<uint32_t, 256> p{};
  for (int i = 0; i < 16; ++i) p[i] = Dac(kEga[i][0], kEga[i][1], kEga[i][2]);
  for (int i = 0; i < 16; ++i) p[16 + i] = Dac(kGrey[i], kGrey[i], kGrey[i]);
  for (int run = 0; run < 9; ++run) {
    for (int hue = 0; hue < 24; ++hue) {
      const uint32_t* v = kRuns[run];
      p[32 + run * 24 + hue] = Dac(v[kHues[hue][0]], v[kHues[hue][1]], v[kHues[hue][2]]);
    }
  }
  return p;  // 248..255 stay black
}

}  // namespace detail

// The fixed palette as 0x00RRGGBB, set by InitGraph and never changed.
inline constexpr std::array<uint32_t, 256> kPalette = detail::MakePalette();

// The palette (the same table as kPalette).
const std::array<uint32_t, 256>& Palette();

// The palette entry nearest to 0xRRGGBB: smallest sum of squared component differences, the lowest
// index winning a tie.
constexpr uint8_t NearestPaletteIndex(uint32_t rgb) {
  const int r = rgb >> 16 & 0xFF, g = rgb >> 8 & 0xFF, b = rgb & 0xFF;
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 256; ++i) {
    const int dr = static_cast<int>(kPalette[i] >> 16 & 0xFF) - r;
    const int dg = static_cast<int>(kPalette[i] >> 8 & 0xFF) - g;
    const int db = static_cast<int>(kPalette[i] & 0xFF) - b;
    const long distance = long{dr} * dr + long{dg} * dg + long{db} * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<uint8_t>(best);
}

// --- Canvas and primitives ----------------------------------------------------------------------
// A canvas is memory the primitives draw on but do not own: width x height palette indices, row by
// row. One clipping rule serves every primitive: a pixel is drawn only if 0 <= x < width and
// 0 <= y < height; everything else is dropped silently. Coordinates are int so that every int16
// argument, and every int16 plus a uint16 radius, is exact.

struct Canvas {
  uint8_t* pixels;
  int width;
  int height;
};

// Fills the box with corners (x1, y1) and (x2, y2), both included, given in either order.
void FillBox(const Canvas& canvas, int x1, int y1, int x2, int y2, uint8_t colour);

// Draws the 1-pixel border of the same box as FillBox, all four corner pixels included.
void OutlineBox(const Canvas& canvas, int x1, int y1, int x2, int y2, uint8_t colour);

// Draws a 1-pixel circle outline (midpoint algorithm) whose outermost pixels lie on columns
// cx +- radius and rows cy +- radius. Radius 0 sets the centre. Costs nothing when the outline cannot
// reach the canvas, and at most O(radius) otherwise.
void OutlineCircle(const Canvas& canvas, int cx, int cy, int radius, uint8_t colour);

// --- Pages and drawing state (the program's thread) ---------------------------------------------

// The drawing state shared by all pages. Colours are palette indices (colour values modulo 256).
struct DrawingState {
  uint8_t colour = 15;       // outlines and text
  uint8_t background = 0;    // ClearDevice
  uint16_t fillPattern = 1;  // every pattern fills solidly: the screens use only the solid one
  uint8_t fillColour = 15;   // Bar
  uint16_t font = 0;         // as passed to SetTextStyle
  uint16_t direction = 0;    // kept, but text is always drawn horizontally
  int cellHeight = 16;       // text cell height in pixels
  int justifyHorizontal = 0;  // 0 left, 1 centre, 2 right
  int justifyVertical = 0;    // 0 cell top, 1 cell bottom, 2 baseline
  int16_t currentX = 0;
  int16_t currentY = 0;

  bool operator==(const DrawingState&) const = default;
};

// The lock that every drawing operation and page switch holds for its whole duration, and that
// CopyVisiblePage takes.
std::mutex& PageLock();

// A page as a canvas. The caller holds the page lock while it draws.
Canvas PageCanvas(int page);

// Read access to a page's kWidth x kHeight palette indices (tests and tools, program's thread).
const uint8_t* PagePixels(int page);

// The page drawn on and the page shown.
int ActivePage();
int VisiblePage();

// Switches pages; page is 0..3. The caller holds the page lock.
void SelectActivePage(int page);
void SelectVisiblePage(int page);

// The drawing state. Only the program's thread uses it, so it needs no lock.
DrawingState& State();

// Every page back to colour 0, page 0 active and visible, the drawing state as after InitGraph.
// Takes the page lock.
void ResetPages();

// Tells the window backend that the visible page changed, and counts it. The caller holds the page
// lock; the backend's Wake does not block.
void WakeWindow();

// How many times WakeWindow has been called since the program started (tests).
uint64_t WakeCount();

// The generator behind Random and Randomize; tests seed it with a fixed value.
std::mt19937& RandomEngine();

}  // namespace display
