// Shared ground for the screen tests: a headless window with clean input, hooks and program state,
// and small readers of the pages (pixels, bounding boxes, blobs of one colour).
#pragma once

#include "display/core.h"
#include "display/graph.h"
#include "display/headless.h"
#include "display/input.h"
#include "screens/stare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ecran {

// No hooks, no input, a fresh program state: what every screen test starts from and leaves behind.
inline void UitaTotul() {
  display::headless::ClearHooks();
  display::input::Reset();
  Stare = TipStare{};
}

// Every test starts with the window open, pages cleared, no input, no hooks and a fresh state.
class EcranDeschis : public ::testing::Test {
 protected:
  void SetUp() override {
    UitaTotul();
    InitGraph(Stare.Driver, Stare.Mod, "TEST");
  }
  void TearDown() override {
    CloseGraph();
    UitaTotul();
  }
};

inline uint8_t Pixel(int page, int x, int y) { return display::PagePixels(page)[y * display::kWidth + x]; }

// The smallest box holding a set of pixels of one colour; n is their number.
struct Cutie {
  int x1 = 1 << 20, y1 = 1 << 20, x2 = -1, y2 = -1;
  int n = 0;
  uint8_t culoare = 0;
  int CentruX2() const { return x1 + x2; }  // twice the centre, so half pixels stay exact
  int CentruY2() const { return y1 + y2; }
};

inline Cutie CutieCuloare(int page, uint8_t culoare, int x1, int y1, int x2, int y2) {
  Cutie c;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      if (Pixel(page, x, y) != culoare) continue;
      c.x1 = std::min(c.x1, x);
      c.y1 = std::min(c.y1, y);
      c.x2 = std::max(c.x2, x);
      c.y2 = std::max(c.y2, y);
      ++c.n;
    }
  }
  return c;
}

// The 8-connected blobs of equal colour on a page, each as its bounding box; colour 0 is background.
inline std::vector<Cutie> Pete(int page) {
  const int w = display::kWidth, h = display::kHeight;
  const uint8_t* pixeli = display::PagePixels(page);
  std::vector<uint8_t> vazut(static_cast<std::size_t>(w * h), 0);
  std::vector<Cutie> pete;
  std::vector<int> stiva;
  for (int start = 0; start < w * h; ++start) {
    if (vazut[static_cast<std::size_t>(start)] || pixeli[start] == 0) continue;
    Cutie c;
    c.culoare = pixeli[start];
    stiva.assign(1, start);
    vazut[static_cast<std::size_t>(start)] = 1;
    while (!stiva.empty()) {
      const int p = stiva.back();
      stiva.pop_back();
      const int x = p % w, y = p / w;
      c.x1 = std::min(c.x1, x);
      c.y1 = std::min(c.y1, y);
      c.x2 = std::max(c.x2, x);
      c.y2 = std::max(c.y2, y);
      ++c.n;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const int q = ny * w + nx;
          if (vazut[static_cast<std::size_t>(q)] || pixeli[q] != c.culoare) continue;
          vazut[static_cast<std::size_t>(q)] = 1;
          stiva.push_back(q);
        }
      }
    }
    pete.push_back(c);
  }
  return pete;
}

}  // namespace ecran
