// Decodes bytes into display-layer calls: page numbers up to 65535, coordinates at the 16-bit
// extremes, radii up to 65535, any colour value, justification values out of range, text styles with
// sizes 0 to 20 and texts of 0 to 300 bytes of every value.
#include "tests/fuzz/calls.h"

#include "display/core.h"
#include "display/graph.h"

#include <algorithm>
#include <string_view>

namespace fuzz {
namespace {

class Reader {
 public:
  Reader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  int16_t Coordinate() {
    // Mostly near the page, sometimes at the 16-bit extremes.
    switch (Byte() % 4) {
      case 0: return static_cast<int16_t>(Word());
      case 1: return Byte() % 2 ? INT16_MIN : INT16_MAX;
      default: return static_cast<int16_t>(static_cast<int>(Word() % 1000) - 180);
    }
  }
  uint32_t Colour() { return static_cast<uint32_t>(Word()) << 16 | Word(); }
  std::string_view Text() {
    const std::size_t wanted = Word() % 301;
    const std::size_t n = std::min(wanted, size_ - std::min(at_, size_));
    std::string_view text(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return text;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool Inside(int x, int y) { return x >= 0 && x < display::kWidth && y >= 0 && y < display::kHeight; }

uint8_t Pixel(int x, int y) {
  return display::PagePixels(display::ActivePage())[static_cast<std::size_t>(y) * display::kWidth + x];
}

}  // namespace

bool RunCalls(const uint8_t* data, std::size_t size, std::string* failure) {
  Reader in(data, size);
  InitGraph(3, 4, "fuzz");
  bool open = true;
  const auto fail = [&](const char* what) {
    if (failure != nullptr) *failure = what;
    return false;
  };
  const auto page = [](uint16_t p) { return p >= 4 ? 0 : p; };

  int calls = 0;
  while (!in.Done() && calls++ < 2000) {
    const uint8_t op = in.Byte() % 14;
    auto& state = display::State();
    switch (op) {
      case 0: {
        const uint16_t p = in.Word();
        SetActivePage(p);
        if (open && display::ActivePage() != page(p)) return fail("SetActivePage chose the wrong page");
        break;
      }
      case 1: {
        const uint16_t p = in.Word();
        SetVisualPage(p);
        if (open && display::VisiblePage() != page(p)) return fail("SetVisualPage chose the wrong page");
        break;
      }
      case 2:
        ClearDevice();
        if (open && (Pixel(0, 0) != 0 || Pixel(639, 479) != 0 || state.currentX != 0 || state.currentY != 0)) {
          return fail("ClearDevice left pixels or the current position");
        }
        break;
      case 3: {
        const uint32_t c = in.Colour();
        SetColor(c);
        if (open && state.colour != c % 256) return fail("SetColor did not take the colour modulo 256");
        break;
      }
      case 4: {
        const uint16_t pattern = in.Word() % 13;
        const uint32_t c = in.Colour();
        SetFillStyle(pattern, c);
        if (open && state.fillColour != c % 256) return fail("SetFillStyle did not take the colour modulo 256");
        break;
      }
      case 5:
      case 6: {
        const int16_t x1 = in.Coordinate(), y1 = in.Coordinate(), x2 = in.Coordinate(), y2 = in.Coordinate();
        if (op == 5) {
          Bar(x1, y1, x2, y2);
        } else {
          Rectangle(x1, y1, x2, y2);
        }
        const uint8_t expected = op == 5 ? state.fillColour : state.colour;
        if (open && Inside(x1, y1) && Pixel(x1, y1) != expected) return fail("a box misses its corner");
        if (open && Inside(x2, y2) && Pixel(x2, y2) != expected) return fail("a box misses its opposite corner");
        break;
      }
      case 7: {
        const int16_t x = in.Coordinate(), y = in.Coordinate();
        const uint16_t r = in.Byte() % 2 ? in.Word() : in.Byte();
        Circle(x, y, r);
        const int right = x + r;
        if (open && Inside(right, y) && Pixel(right, y) != state.colour) return fail("a circle misses its rightmost pixel");
        break;
      }
      case 8: {
        const uint16_t font = in.Word() % 20, direction = in.Word() % 3 == 0 ? in.Word() : 0;
        const uint16_t cellSize = in.Byte() % 8 == 0 ? in.Word() : in.Byte() % 21;
        SetTextStyle(font, direction, cellSize);
        break;
      }
      case 9: {
        const uint16_t h = in.Byte() % 5 == 0 ? in.Word() : in.Byte() % 4;
        const uint16_t v = in.Byte() % 5 == 0 ? in.Word() : in.Byte() % 4;
        const int oldH = state.justifyHorizontal, oldV = state.justifyVertical;
        SetTextJustify(h, v);
        const bool valid = h <= 2 && v <= 2;
        if (open && valid && (state.justifyHorizontal != h || state.justifyVertical != v)) {
          return fail("SetTextJustify ignored valid values");
        }
        if (!valid && (state.justifyHorizontal != oldH || state.justifyVertical != oldV)) {
          return fail("SetTextJustify took a value outside 0..2");
        }
        break;
      }
      case 10: {
        const int16_t x = in.Coordinate(), y = in.Coordinate();
        OutTextXY(x, y, in.Text());
        if (open && (state.currentX != x || state.currentY != y)) return fail("OutTextXY did not move the position");
        break;
      }
      case 11: {
        const uint16_t n = in.Word();
        const uint16_t r = Random(n);
        if ((n == 0 && r != 0) || (n > 0 && r >= n)) return fail("Random out of range");
        break;
      }
      case 12:
        (void)GetMouseX();
        (void)GetMouseY();
        (void)GetMouseButtons();
        (void)KeyPressed();
        if (GetMaxX() != 639 || GetMaxY() != 479) return fail("GetMaxX/GetMaxY changed");
        break;
      case 13:
        if (open) {
          CloseGraph();
        } else {
          InitGraph(3, 4, "fuzz");
        }
        open = !open;
        break;
    }
  }
  CloseGraph();
  return true;
}

}  // namespace fuzz
