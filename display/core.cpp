// The display core: the four pages, the page lock, the drawing state and the clipped primitives.
#include "display/core.h"

#include "display/backend.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace display {
namespace {

constexpr std::size_t kPageSize = std::size_t{kWidth} * kHeight;

// The pages live for the whole process; "releasing" them on CloseGraph would gain nothing, and
// untouched pages cost no resident memory.
alignas(64) uint8_t pages[kPageCount][kPageSize];
// Whether any page may hold something other than colour 0; the pages start that way, so the first
// InitGraph need not clear them (touching 1.2 MB of fresh memory costs milliseconds at start-up).
bool pagesDrawnOn = false;
int activePage = 0;
int visiblePage = 0;  // written by the program's thread under the page lock, read by the window's
DrawingState state;
std::mutex pageLock;
std::atomic<uint64_t> wakeCount{0};

// Fills columns x1..x2 of rows y1..y2, already clipped and ordered.
void FillClipped(const Canvas& canvas, int x1, int y1, int x2, int y2, uint8_t colour) {
  const std::size_t length = static_cast<std::size_t>(x2 - x1 + 1);
  for (int y = y1; y <= y2; ++y) {
    std::memset(canvas.pixels + static_cast<std::ptrdiff_t>(y) * canvas.width + x1, colour, length);
  }
}

// Plots the eight octant images of (x, y) about the centre. Checked is false only when the whole
// circle is known to lie on the canvas.
template <bool Checked>
void PlotOctants(const Canvas& canvas, int cx, int cy, int x, int y, uint8_t colour) {
  const int points[8][2] = {{cx + x, cy + y}, {cx - x, cy + y}, {cx + x, cy - y}, {cx - x, cy - y},
                            {cx + y, cy + x}, {cx - y, cy + x}, {cx + y, cy - x}, {cx - y, cy - x}};
  for (const auto& p : points) {
    if (Checked && (p[0] < 0 || p[0] >= canvas.width || p[1] < 0 || p[1] >= canvas.height)) continue;
    canvas.pixels[static_cast<std::ptrdiff_t>(p[1]) * canvas.width + p[0]] = colour;
  }
}

template <bool Checked>
void MidpointCircle(const Canvas& canvas, int cx, int cy, int radius, uint8_t colour) {
  // 64-bit decision variable: with a radius up to 65535 its terms exceed 32 bits.
  int x = radius;
  int y = 0;
  int64_t d = 1 - int64_t{radius};
  while (x >= y) {
    PlotOctants<Checked>(canvas, cx, cy, x, y, colour);
    ++y;
    if (d < 0) {
      d += 2 * int64_t{y} + 1;
    } else {
      --x;
      d += 2 * (int64_t{y} - x) + 1;
    }
  }
}

}  // namespace

const std::array<uint32_t, 256>& Palette() { return kPalette; }

void CopyVisiblePage(uint8_t* out) {
  std::lock_guard lock(pageLock);
  std::memcpy(out, pages[visiblePage], kPageSize);
}

void IndicesToXrgb(const uint8_t* indices, uint32_t* out, std::size_t count) {
  const uint32_t* palette = kPalette.data();
  for (std::size_t i = 0; i < count; ++i) out[i] = palette[indices[i]];
}

void FillBox(const Canvas& canvas, int x1, int y1, int x2, int y2, uint8_t colour) {
  const int left = std::max(std::min(x1, x2), 0);
  const int right = std::min(std::max(x1, x2), canvas.width - 1);
  const int top = std::max(std::min(y1, y2), 0);
  const int bottom = std::min(std::max(y1, y2), canvas.height - 1);
  if (left > right || top > bottom) return;
  FillClipped(canvas, left, top, right, bottom, colour);
}

void OutlineBox(const Canvas& canvas, int x1, int y1, int x2, int y2, uint8_t colour) {
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  FillBox(canvas, left, top, right, top, colour);
  if (bottom != top) FillBox(canvas, left, bottom, right, bottom, colour);
  if (bottom - top >= 2) {
    FillBox(canvas, left, top + 1, left, bottom - 1, colour);
    if (right != left) FillBox(canvas, right, top + 1, right, bottom - 1, colour);
  }
}

void OutlineCircle(const Canvas& canvas, int cx, int cy, int radius, uint8_t colour) {
  if (radius < 0 || canvas.width <= 0 || canvas.height <= 0) return;
  // Every outline pixel lies within one pixel of the true circle. Skip the circle when the canvas
  // lies wholly inside radius - 1 or wholly outside radius + 1, as a huge radius usually does.
  const int64_t nearX = std::clamp(cx, 0, canvas.width - 1) - int64_t{cx};
  const int64_t nearY = std::clamp(cy, 0, canvas.height - 1) - int64_t{cy};
  const int64_t farX = std::max(int64_t{cx}, canvas.width - 1 - int64_t{cx});
  const int64_t farY = std::max(int64_t{cy}, canvas.height - 1 - int64_t{cy});
  const int64_t r = radius;
  if (nearX * nearX + nearY * nearY > (r + 1) * (r + 1)) return;
  if (r >= 1 && farX * farX + farY * farY < (r - 1) * (r - 1)) return;
  const bool inside = cx - radius >= 0 && cx + radius < canvas.width && cy - radius >= 0 &&
                      cy + radius < canvas.height;
  if (inside) {
    MidpointCircle<false>(canvas, cx, cy, radius, colour);
  } else {
    MidpointCircle<true>(canvas, cx, cy, radius, colour);
  }
}

std::mutex& PageLock() { return pageLock; }

Canvas PageCanvas(int page) {
  pagesDrawnOn = true;
  return Canvas{pages[page], kWidth, kHeight};
}

const uint8_t* PagePixels(int page) { return pages[page]; }

int ActivePage() { return activePage; }
int VisiblePage() { return visiblePage; }

void SelectActivePage(int page) { activePage = page; }
void SelectVisiblePage(int page) { visiblePage = page; }

DrawingState& State() { return state; }

void ResetPages() {
  std::lock_guard lock(pageLock);
  if (pagesDrawnOn) std::memset(pages, 0, sizeof pages);
  pagesDrawnOn = false;
  activePage = 0;
  visiblePage = 0;
  state = DrawingState{};
}

void WakeWindow() {
  wakeCount.fetch_add(1, std::memory_order_relaxed);
  backend::Wake();
}

uint64_t WakeCount() { return wakeCount.load(std::memory_order_relaxed); }

std::mt19937& RandomEngine() {
  static std::mt19937 engine;
  return engine;
}

}  // namespace display
