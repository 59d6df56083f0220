// The routines the screens call (graph.h), over the display core, the text module and the window
// backend. The mouse and key routines live with the input state (input.cpp).
//
// Every routine that draws or switches pages holds the page lock for its whole duration, so the
// window never copies half an operation. When an operation changed what the window shows, it calls
// the backend's Wake while still holding the lock (Wake never blocks).
#include "display/graph.h"

#include "display/backend.h"
#include "display/core.h"
#include "display/text.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using display::State;

// Between InitGraph and CloseGraph. Only the program's thread reads or writes it.
bool open = false;

// Page numbers of 4 or more select page 0.
int PageNumber(uint16_t page) { return page < display::kPageCount ? page : 0; }

// Runs a drawing operation on the active page under the page lock, and wakes the window when the
// active page is the one it shows.
template <typename Draw>
void DrawOnActivePage(Draw draw) {
  if (!open) return;
  std::lock_guard lock(display::PageLock());
  const int page = display::ActivePage();
  draw(display::PageCanvas(page));
  if (page == display::VisiblePage()) display::WakeWindow();
}

}  // namespace

// --- Window -------------------------------------------------------------------------------------

// The driver and mode are not checked: the layer has only the one mode the program asks for.
void InitGraph(int16_t, int16_t, std::string_view title) {
  if (open) return;
  // The pages are ready before the window starts serving them, so its first repaint shows page 0.
  display::ResetPages();
  std::string why;
  if (!display::backend::Open(title.substr(0, 255), why)) {
    std::fprintf(stderr, "tabelul-periodic: cannot open the window: %s\n", why.c_str());
    std::exit(1);
  }
  open = true;
}

void CloseGraph() {
  if (!open) return;
  display::backend::Close();
  open = false;
}

int16_t GetMaxX() { return display::kWidth - 1; }
int16_t GetMaxY() { return display::kHeight - 1; }

// --- Pages --------------------------------------------------------------------------------------

void SetActivePage(uint16_t page) {
  if (!open) return;
  std::lock_guard lock(display::PageLock());
  display::SelectActivePage(PageNumber(page));
}

void SetVisualPage(uint16_t page) {
  if (!open) return;
  std::lock_guard lock(display::PageLock());
  display::SelectVisiblePage(PageNumber(page));
  display::WakeWindow();
}

void ClearDevice() {
  if (!open) return;
  DrawOnActivePage([](const display::Canvas& canvas) {
    display::FillBox(canvas, 0, 0, canvas.width - 1, canvas.height - 1, State().background);
  });
  State().currentX = 0;
  State().currentY = 0;
}

// --- Colours and drawing ------------------------------------------------------------------------

// The screens name a handful of colours over and over (the table screen some 500 times): remember
// the answers instead of searching the 256 entries each time. Program's thread only.
uint32_t NamedColor(uint32_t rgb) {
  struct Known {
    uint32_t rgb = 0xFFFFFFFF;  // no 0xRRGGBB value has a high byte
    uint8_t index = 0;
  };
  static std::array<Known, 16> known;
  const uint32_t key = rgb & 0xFFFFFF;
  Known& slot = known[(key * 2654435761u) >> 28];
  if (slot.rgb != key) slot = Known{key, display::NearestPaletteIndex(key)};
  return slot.index;
}

void SetColor(uint32_t colour) {
  if (open) State().colour = static_cast<uint8_t>(colour);
}

// Every pattern fills solidly in the colour; the screens use only the solid pattern 1.
void SetFillStyle(uint16_t pattern, uint32_t colour) {
  if (!open) return;
  State().fillPattern = pattern;
  State().fillColour = static_cast<uint8_t>(colour);
}

void Bar(int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
  DrawOnActivePage([&](const display::Canvas& canvas) {
    display::FillBox(canvas, x1, y1, x2, y2, State().fillColour);
  });
}

void Rectangle(int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
  DrawOnActivePage([&](const display::Canvas& canvas) {
    display::OutlineBox(canvas, x1, y1, x2, y2, State().colour);
  });
}

void Circle(int16_t x, int16_t y, uint16_t radius) {
  DrawOnActivePage([&](const display::Canvas& canvas) {
    display::OutlineCircle(canvas, x, y, radius, State().colour);
  });
}

// --- Text ---------------------------------------------------------------------------------------

void SetTextStyle(uint16_t font, uint16_t direction, uint16_t size) {
  if (!open) return;
  State().font = font;
  State().direction = direction;
  State().cellHeight = display::text::CellHeight(size);
}

void SetTextJustify(uint16_t horizontal, uint16_t vertical) {
  if (!open || horizontal > 2 || vertical > 2) return;
  State().justifyHorizontal = horizontal;
  State().justifyVertical = vertical;
}

void OutTextXY(int16_t x, int16_t y, std::string_view text) {
  if (!open) return;
  State().currentX = x;
  State().currentY = y;
  namespace tx = display::text;
  tx::Font* font = tx::GetFont(tx::FaceOf(State().font), State().cellHeight);
  if (font == nullptr) return;
  text = text.substr(0, 255);
  // Layout first, outside the lock: it may render glyphs, which touches no page.
  const int width = tx::MeasureText(*font, text);
  const tx::Origin origin = tx::PlaceText(tx::MetricsOf(*font), width, x, y,
                                          State().justifyHorizontal, State().justifyVertical);
  DrawOnActivePage([&](const display::Canvas& canvas) {
    tx::PaintText(canvas, *font, origin, text, State().colour);
  });
}

// --- Time and chance ----------------------------------------------------------------------------

void Delay(uint16_t milliseconds) { display::backend::Pause(milliseconds); }

void Randomize() {
  const auto ticks = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  display::RandomEngine().seed(static_cast<std::mt19937::result_type>(ticks.count()));
}

uint16_t Random(uint16_t n) {
  if (n == 0) return 0;
  std::uniform_int_distribution<int> draw(0, n - 1);
  return static_cast<uint16_t>(draw(display::RandomEngine()));
}
