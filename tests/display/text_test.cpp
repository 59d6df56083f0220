// Tests of text: cell heights, faces, the Windows-1252 mapping, cell metrics, measuring, placement for
// every justification, clipping, and one golden picture of the screens' four styles.
#include "display/core.h"
#include "display/graph.h"
#include "display/headless.h"
#include "display/text.h"
#include "tests/support/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

namespace tx = display::text;
using display::kHeight;
using display::kWidth;

// --- Pure steps ---------------------------------------------------------------------------------

TEST(TextStyle, CellHeightFromSize) {
  const struct {
    uint16_t size;
    int height;
  } cases[] = {{0, 16},   {1, 8},     {2, 16},    {3, 24},    {4, 32},   {5, 40},
               {6, 6},    {7, 7},     {16, 16},   {100, 100}, {480, 480}, {481, 480},
               {1000, 480}, {65535, 480}};
  for (const auto& c : cases) EXPECT_EQ(tx::CellHeight(c.size), c.height) << "size " << c.size;
}

TEST(TextStyle, FontZeroIsMonospacedEveryOtherProportional) {
  const struct {
    uint16_t font;
    tx::Face face;
  } cases[] = {{0, tx::kMono}, {1, tx::kSans}, {2, tx::kSans}, {3, tx::kSans}, {15, tx::kSans}, {65535, tx::kSans}};
  for (const auto& c : cases) EXPECT_EQ(tx::FaceOf(c.font), c.face) << "font " << c.font;
}

TEST(TextEncoding, Windows1252BytesToCodePoints) {
  const struct {
    uint8_t byte;
    char32_t code;
  } cases[] = {{0x20, 0x20},     {0x41, 0x41},     {0x7E, 0x7E},     {0x80, 0x20AC}, {0x81, 0x81},
               {0x8A, 0x0160},   {0x92, 0x2019},   {0x96, 0x2013},   {0x99, 0x2122}, {0x9F, 0x0178},
               {0xA0, 0xA0},     {0xB0, 0xB0},     {0xC9, 0xC9},     {0xFF, 0xFF}};
  for (const auto& c : cases) EXPECT_EQ(tx::CodePoint(c.byte), c.code) << std::hex << int{c.byte};
}

// The cell of the screens' four styles, and the smallest and largest cells.
struct StyleCase {
  tx::Face face;
  int cellHeight;
};
const StyleCase kStyles[] = {{tx::kSans, 24}, {tx::kSans, 16}, {tx::kSans, 8}, {tx::kMono, 16},
                             {tx::kMono, 8},  {tx::kMono, 24}, {tx::kMono, 480}, {tx::kSans, 480}};

TEST(TextMetrics, PrintableAsciiFitsTheCellAndSitsOnTheBaseline) {
  for (const StyleCase& s : kStyles) {
    tx::Font* font = tx::GetFont(s.face, s.cellHeight);
    ASSERT_NE(font, nullptr);
    const tx::Metrics& m = tx::MetricsOf(*font);
    const std::string what = "face " + std::to_string(s.face) + " N " + std::to_string(s.cellHeight);
    EXPECT_EQ(m.cellHeight, s.cellHeight) << what;
    EXPECT_GT(m.baseline, s.cellHeight / 2) << what;
    EXPECT_LT(m.baseline, s.cellHeight) << what;
    for (int byte = 0x21; byte <= 0x7E; ++byte) {
      const tx::Glyph& g = tx::GlyphOf(*font, static_cast<uint8_t>(byte));
      ASSERT_GT(g.rows, 0) << what << " byte " << byte;
      EXPECT_GE(m.baseline - g.top, 0) << what << " byte " << char(byte);
      EXPECT_LE(m.baseline - g.top + g.rows, s.cellHeight) << what << " byte " << char(byte);
    }
    // Capitals stand on the baseline: their last row is baseline - 1.
    for (char capital : {'E', 'H', 'N'}) {
      const tx::Glyph& g = tx::GlyphOf(*font, static_cast<uint8_t>(capital));
      EXPECT_EQ(g.top, g.rows) << what << " " << capital;
    }
    // The degree sign is a glyph high above the baseline.
    const tx::Glyph& degree = tx::GlyphOf(*font, 0xB0);
    EXPECT_GT(degree.rows, 0) << what;
    EXPECT_GT(degree.top - degree.rows, m.baseline / 3) << what;
  }
}

TEST(TextMetrics, MonospacedAdvanceIsEightPixelsAtSixteen) {
  tx::Font* font = tx::GetFont(tx::kMono, 16);
  ASSERT_NE(font, nullptr);
  for (int byte = 0x20; byte <= 0xFF; ++byte) {
    if (byte >= 0x7F && byte <= 0xA0) continue;
    EXPECT_EQ(tx::GlyphOf(*font, static_cast<uint8_t>(byte)).advance, 8) << "byte " << byte;
  }
  // The longest line of the element screen: 73 characters.
  EXPECT_EQ(tx::MeasureText(*font, std::string(73, 'M')), 584);
  EXPECT_EQ(tx::MeasureText(*font, "1S2+2S2+2P6+3S2+3P6+4S2+3D6"), 27 * 8);
  EXPECT_EQ(tx::MeasureText(*font, ""), 0);
}

TEST(TextMetrics, ProportionalWidthsFollowTheGlyphs) {
  tx::Font* font = tx::GetFont(tx::kSans, 16);
  ASSERT_NE(font, nullptr);
  const int i = tx::MeasureText(*font, "i"), m = tx::MeasureText(*font, "M");
  EXPECT_LT(i, m);
  EXPECT_EQ(tx::MeasureText(*font, "iMi"), 2 * i + m);
}

TEST(TextPlacement, OriginFromMetricsAnchorAndJustification) {
  const tx::Metrics m{16, 14, 12};
  const int width = 51;
  const struct {
    int horizontal, vertical;
    int left, top;
  } cases[] = {{0, 0, 320, 480}, {1, 0, 295, 480}, {2, 0, 269, 480},
               {0, 1, 320, 464}, {1, 1, 295, 464}, {2, 1, 269, 464},
               {0, 2, 320, 468}, {1, 2, 295, 468}, {2, 2, 269, 468}};
  for (const auto& c : cases) {
    const tx::Origin o = tx::PlaceText(m, width, 320, 480, c.horizontal, c.vertical);
    EXPECT_EQ(o.left, c.left) << c.horizontal << "," << c.vertical;
    EXPECT_EQ(o.top, c.top) << c.horizontal << "," << c.vertical;
  }
}

// --- Through OutTextXY on the pages -------------------------------------------------------------

class Text : public ::testing::Test {
 protected:
  void SetUp() override {
    display::headless::SetOpenFailure("");
    InitGraph(3, 4, "TABELUL PERIODIC AL LUI MENDELEEV");
  }
  void TearDown() override { CloseGraph(); }
};

struct Box {
  int left = kWidth, top = kHeight, right = -1, bottom = -1;  // inclusive; empty while right < 0
  bool empty() const { return right < 0; }
};

// The box around the pixels of that colour on page 0 (every non-zero pixel when colour is 0).
Box BoxOf(uint8_t colour = 0) {
  Box box;
  const uint8_t* p = display::PagePixels(0);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint8_t v = p[std::size_t(y) * kWidth + x];
      if (colour == 0 ? v == 0 : v != colour) continue;
      box.left = std::min(box.left, x), box.right = std::max(box.right, x);
      box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

std::vector<uint8_t> Page0() {
  return std::vector<uint8_t>(display::PagePixels(0), display::PagePixels(0) + std::size_t{kWidth} * kHeight);
}

struct ScreenStyle {
  uint16_t font, size;
};
const ScreenStyle kScreenStyles[] = {{3, 3}, {3, 2}, {3, 1}, {0, 2}};

// Each justification draws the same pixels as justification (0, 0) at the anchor moved by the
// measured width and the cell metrics, and the text stays inside that cell.
TEST_F(Text, NineJustificationsShiftTheTextByWidthAndCell) {
  const std::string text = "FE 26 1538\xB0";
  for (const ScreenStyle& style : kScreenStyles) {
    tx::Font* font = tx::GetFont(tx::FaceOf(style.font), tx::CellHeight(style.size));
    ASSERT_NE(font, nullptr);
    const tx::Metrics& m = tx::MetricsOf(*font);
    const int width = tx::MeasureText(*font, text);
    const int dx[3] = {0, -(width / 2), -width};
    const int dy[3] = {0, -m.cellHeight, -m.baseline};
    SetTextStyle(style.font, 0, style.size);
    for (uint16_t h = 0; h < 3; ++h) {
      for (uint16_t v = 0; v < 3; ++v) {
        const std::string what = "style " + std::to_string(style.font) + "," + std::to_string(style.size) +
                                 " justify " + std::to_string(h) + "," + std::to_string(v);
        const int16_t x = 320, y = 240;
        ClearDevice();
        SetTextJustify(0, 0);
        OutTextXY(static_cast<int16_t>(x + dx[h]), static_cast<int16_t>(y + dy[v]), text);
        const std::vector<uint8_t> expected = Page0();
        ClearDevice();
        SetTextJustify(h, v);
        OutTextXY(x, y, text);
        EXPECT_EQ(Page0(), expected) << what;
        const Box box = BoxOf();
        ASSERT_FALSE(box.empty()) << what;
        EXPECT_GE(box.left, x + dx[h]) << what;
        EXPECT_LT(box.right, x + dx[h] + width) << what;
        EXPECT_GE(box.top, y + dy[v]) << what;
        EXPECT_LT(box.bottom, y + dy[v] + m.cellHeight) << what;
      }
    }
  }
}

// Absolute facts of placement, independent of the metrics' exact values.
TEST_F(Text, PlacementAboutTheAnchor) {
  const struct {
    const char* name;
    uint16_t font, size, horizontal, vertical;
    int16_t x, y;
    const char* text;
    int minLeft, maxRight, minTop, maxBottom;  // the drawn pixels lie within these (inclusive)
    int exactBottom;                           // -1: not pinned
  } cases[] = {
      {"cell bottom on the last row + 1", 0, 2, 1, 1, 320, 480, "PAg 1538\xB0", 0, 639, 464, 479, -1},
      {"cell top on y", 3, 2, 0, 0, 100, 200, "Hg", 100, 639, 200, 215, -1},
      {"cell bottom on y", 3, 3, 0, 1, 100, 200, "Hg", 100, 639, 176, 199, -1},
      {"capitals on the baseline", 3, 2, 1, 2, 320, 200, "FE", 0, 639, 0, 199, 199},
      {"capitals on the baseline, monospaced", 0, 2, 0, 2, 10, 100, "HN", 10, 639, 0, 99, 99},
      {"small text on the baseline", 3, 1, 2, 2, 300, 50, "26", 0, 299, 0, 49, 49},
      {"ends at x", 3, 2, 2, 0, 300, 10, "MASA", 0, 299, 10, 479, -1},
      {"begins at x", 0, 2, 0, 0, 300, 10, "MASA", 300, 639, 10, 479, -1},
  };
  for (const auto& c : cases) {
    ClearDevice();
    SetTextStyle(c.font, 0, c.size);
    SetTextJustify(c.horizontal, c.vertical);
    OutTextXY(c.x, c.y, c.text);
    const Box box = BoxOf();
    ASSERT_FALSE(box.empty()) << c.name;
    EXPECT_GE(box.left, c.minLeft) << c.name;
    EXPECT_LE(box.right, c.maxRight) << c.name;
    EXPECT_GE(box.top, c.minTop) << c.name;
    EXPECT_LE(box.bottom, c.maxBottom) << c.name;
    if (c.exactBottom >= 0) {
      EXPECT_EQ(box.bottom, c.exactBottom) << c.name;
    }
  }
}

TEST_F(Text, CentredTextHasHalfItsWidthOnEitherSide) {
  SetTextStyle(0, 0, 2);
  SetTextJustify(1, 1);
  OutTextXY(320, 100, std::string(20, 'H'));  // 160 px of monospaced capitals
  const Box box = BoxOf();
  EXPECT_GE(box.left, 240);
  EXPECT_LE(box.right, 399);
  EXPECT_LE(std::abs((320 - box.left) - (box.right + 1 - 320)), 2);
}

TEST_F(Text, OnlyGlyphPixelsAreSet) {
  for (const ScreenStyle& style : kScreenStyles) {
    SetTextStyle(style.font, 0, style.size);
    SetTextJustify(1, 2);
    SetColor(15);
    ClearDevice();
    OutTextXY(320, 240, "MODELUL OSCILATIEI 26\xB0");
    const std::vector<uint8_t> glyphs = Page0();
    SetFillStyle(1, 5);
    Bar(0, 0, 639, 479);
    SetColor(44);
    OutTextXY(320, 240, "MODELUL OSCILATIEI 26\xB0");
    const std::vector<uint8_t> drawn = Page0();
    std::size_t set = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      ASSERT_EQ(drawn[i], glyphs[i] != 0 ? 44 : 5) << "pixel " << i;
      set += glyphs[i] != 0;
    }
    EXPECT_GT(set, 30u) << style.font << "," << style.size;
  }
}

TEST_F(Text, TextWiderThanThePageIsClippedNotWrapped) {
  SetTextStyle(3, 0, 3);
  SetTextJustify(1, 1);
  OutTextXY(320, 100, std::string(80, 'W'));
  const Box box = BoxOf();
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 639);
  EXPECT_GE(box.top, 76);
  EXPECT_LE(box.bottom, 99);
}

TEST_F(Text, DrawsAtMostTheFirst255Bytes) {
  SetTextStyle(0, 0, 2);
  // 255 monospaced characters of 8 px end at column 99; the 256th would start at column 100.
  OutTextXY(100 - 255 * 8, 50, std::string(300, 'H'));
  const Box box = BoxOf();
  ASSERT_FALSE(box.empty());
  EXPECT_LE(box.right, 99);
  EXPECT_GE(box.right, 92);
}

TEST_F(Text, AnyDirectionDrawsHorizontally) {
  SetTextStyle(3, 0, 2);
  OutTextXY(50, 50, "NA 11");
  const std::vector<uint8_t> horizontal = Page0();
  for (uint16_t direction : {1, 90, 65535}) {
    ClearDevice();
    SetTextStyle(3, direction, 2);
    OutTextXY(50, 50, "NA 11");
    EXPECT_EQ(Page0(), horizontal) << "direction " << direction;
  }
}

TEST_F(Text, TextAtTheInt16ExtremesDrawsNothing) {
  SetTextStyle(3, 0, 65535);
  for (uint16_t h = 0; h < 3; ++h) {
    for (uint16_t v = 0; v < 3; ++v) {
      SetTextJustify(h, v);
      OutTextXY(-32768, -32768, "W\xB0");
      OutTextXY(32767, 32767, "W\xB0");
      OutTextXY(-32768, 32767, std::string(255, 'W'));
    }
  }
  EXPECT_TRUE(BoxOf().empty());
}

// The screens' four styles, each in a quadrant, with the nine justifications about red crosshairs;
// grey boxes show each text's cell.
TEST_F(Text, StylesAndJustificationsGolden) {
  const std::string text = "Fe 26\xB0g";
  const int kAnchorX[3] = {30, 160, 290}, kAnchorY[3] = {30, 130, 200};
  for (int s = 0; s < 4; ++s) {
    const ScreenStyle style = kScreenStyles[s];
    const int qx = s % 2 * 320, qy = s / 2 * 240;
    tx::Font* font = tx::GetFont(tx::FaceOf(style.font), tx::CellHeight(style.size));
    ASSERT_NE(font, nullptr);
    const int width = tx::MeasureText(*font, text);
    SetColor(NamedColor(0xA8A8A8));
    Rectangle(static_cast<int16_t>(qx), static_cast<int16_t>(qy), static_cast<int16_t>(qx + 319),
              static_cast<int16_t>(qy + 239));
    for (uint16_t h = 0; h < 3; ++h) {
      for (uint16_t v = 0; v < 3; ++v) {
        const int16_t x = static_cast<int16_t>(qx + kAnchorX[h]);
        const int16_t y = static_cast<int16_t>(qy + kAnchorY[v]);
        const tx::Origin o = tx::PlaceText(tx::MetricsOf(*font), width, x, y, h, v);
        SetColor(8);
        Rectangle(static_cast<int16_t>(o.left), static_cast<int16_t>(o.top), static_cast<int16_t>(o.left + width - 1),
                  static_cast<int16_t>(o.top + tx::MetricsOf(*font).cellHeight - 1));
        SetFillStyle(1, NamedColor(0xFF0000));
        Bar(static_cast<int16_t>(x - 5), y, static_cast<int16_t>(x + 5), y);
        Bar(x, static_cast<int16_t>(y - 5), x, static_cast<int16_t>(y + 5));
        SetColor(NamedColor(0xFFFFFF));
        SetTextStyle(style.font, 0, style.size);
        SetTextJustify(h, v);
        OutTextXY(x, y, text);
      }
    }
  }
  picture::ExpectMatchesGolden("text_styles", display::PagePixels(0), kWidth, kHeight);
}

}  // namespace
