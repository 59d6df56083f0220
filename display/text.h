// Text for the display core, in three steps: monochrome glyph masks from the embedded fonts (cached
// per face and cell height), layout (measuring and placing a text about its anchor), and painting.
#pragma once

#include "display/core.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace display::text {

// The faces: the monospaced one stands in for "Courier New", the proportional one for "Arial".
enum Face : int { kMono = 0, kSans = 1 };

// The face a SetTextStyle font number selects: 0 monospaced, every other number proportional.
constexpr Face FaceOf(uint16_t font) { return font == 0 ? kMono : kSans; }

// Cell heights beyond the page's height would show nothing more and cost glyph memory, so sizes are
// capped here (a size of 65535 would otherwise ask for glyphs 65535 pixels tall).
inline constexpr int kMaxCellHeight = kHeight;

// The character cell height (ascent plus descent) for a SetTextStyle size: size x 8 for 1..5, the
// size itself from 6 up (at most kMaxCellHeight), 16 for size 0.
constexpr int CellHeight(uint16_t size) {
  if (size == 0) return 16;
  if (size <= 5) return size * 8;
  return size < kMaxCellHeight ? size : kMaxCellHeight;
}

// The Unicode code point of a Windows-1252 byte; the five bytes without a character keep their own
// value (and draw as the face's missing-glyph box).
char32_t CodePoint(uint8_t byte);

// How a face fills a cell of a given height. The cell is split at the face's ascender : descender
// ratio, and the pixel size makes ascender - descender span the cell.
struct Metrics {
  int cellHeight;  // pixels from the cell's top row to its bottom row, inclusive
  int ppem;        // the font's pixel size (pixels per em)
  int baseline;    // rows from the cell's top row down to the baseline: glyphs that sit on it end
                   // on row baseline - 1
};

// One rendered glyph. The mask is width x rows bytes, row by row, 0xFF where the glyph is set.
struct Glyph {
  int left = 0;     // columns from the pen position to the mask's first column
  int top = 0;      // rows from the mask's first row down to the baseline
  int width = 0;
  int rows = 0;
  int advance = 0;  // pixels the pen moves on
  std::vector<uint8_t> mask;
};

// A face at one cell height with its glyph cache; see GetFont.
struct Font;

// The face at that cell height (1..kMaxCellHeight), or nullptr if the fonts cannot be loaded.
// Fonts live for the whole process; glyph references taken from one stay valid until the next
// GetFont call, which may drop the glyph cache when it has grown large.
Font* GetFont(Face face, int cellHeight);

// The font's cell metrics.
const Metrics& MetricsOf(const Font& font);

// The glyph of a Windows-1252 byte, rendered on first use.
const Glyph& GlyphOf(Font& font, uint8_t byte);

// The text's width in pixels: the sum of its glyphs' advances.
int MeasureText(Font& font, std::string_view text);

// The top-left corner of a text's cell.
struct Origin {
  int left;
  int top;
};

// Where a text of that width goes so that its reference point lies on (x, y). horizontal: 0 the text
// begins at x, 1 it is centred on x (x - width / 2), 2 it ends at x (its last column is x - 1).
// vertical: 0 the cell's top row is y, 1 the cell's bottom row is y - 1, 2 the baseline is on y.
Origin PlaceText(const Metrics& metrics, int width, int x, int y, int horizontal, int vertical);

// Sets the glyph pixels of the text, drawn from its cell origin, to the colour; leaves every other
// pixel as it was. Clipped to the canvas.
void PaintText(const Canvas& canvas, Font& font, Origin origin, std::string_view text,
               uint8_t colour);

}  // namespace display::text
