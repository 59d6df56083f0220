// Text for the display core: FreeType over the embedded Liberation fonts, monochrome glyph masks
// cached per face and cell height, layout and painting. Used by the program's thread only.
#include "display/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <memory>

extern const unsigned char FontMonoData[];
extern const std::size_t FontMonoDataSize;
extern const unsigned char FontSansData[];
extern const std::size_t FontSansDataSize;

namespace display::text {

struct Font {
  Face face;
  Metrics metrics;
  std::unique_ptr<Glyph[]> glyphs;  // 256, allocated with the first glyph
  std::bitset<256> rendered;
};

namespace {

// Above this many bytes of cached masks the cache is dropped and refilled on demand. The screens
// need a few tens of kilobytes; only strange sizes in bulk come near it.
constexpr std::size_t kGlyphBudget = std::size_t{16} << 20;

// The two embedded faces, opened once and kept for the whole process.
class Library {
 public:
  Library() {
    if (FT_Init_FreeType(&library_) != 0) return;
    const unsigned char* data[2] = {FontMonoData, FontSansData};
    const std::size_t sizes[2] = {FontMonoDataSize, FontSansDataSize};
    for (int i = 0; i < 2; ++i) {
      if (FT_New_Memory_Face(library_, data[i], static_cast<FT_Long>(sizes[i]), 0, &faces_[i]) != 0) {
        return;
      }
      const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(faces_[i], FT_SFNT_HHEA));
      if (hhea == nullptr || hhea->Ascender <= 0 || hhea->Ascender - hhea->Descender <= 0) return;
      unitsPerEm_[i] = faces_[i]->units_per_EM;
      ascender_[i] = hhea->Ascender;
      descender_[i] = hhea->Descender;
    }
    ok_ = true;
  }
  ~Library() {
    for (FT_Face face : faces_) {
      if (face != nullptr) FT_Done_Face(face);
    }
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool ok() const { return ok_; }

  // The pixel size makes ascender - descender span the cell; the baseline splits the cell in the
  // same ratio. FreeType's own rounded size metrics are not used: they round outward.
  Metrics MetricsFor(Face face, int cellHeight) const {
    const long span = ascender_[face] - descender_[face];
    const long ppem = (2L * cellHeight * unitsPerEm_[face] + span) / (2 * span);
    const long baseline = (2L * cellHeight * ascender_[face] + span) / (2 * span);
    return Metrics{cellHeight, static_cast<int>(std::max(ppem, 1L)), static_cast<int>(baseline)};
  }

  // Renders one glyph in monochrome at the font's pixel size.
  Glyph Render(Face face, int ppem, char32_t code) {
    Glyph glyph;
    FT_Face ft = faces_[face];
    if (ppem_[face] != ppem) {
      if (FT_Set_Pixel_Sizes(ft, 0, static_cast<FT_UInt>(ppem)) != 0) return glyph;
      ppem_[face] = ppem;
    }
    if (FT_Load_Char(ft, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return glyph;
    const FT_GlyphSlot slot = ft->glyph;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO || bitmap.width == 0 || bitmap.rows == 0) return glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.mask.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
    for (int row = 0; row < glyph.rows; ++row) {
      const unsigned char* bits = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
      uint8_t* out = glyph.mask.data() + static_cast<std::ptrdiff_t>(row) * glyph.width;
      for (int col = 0; col < glyph.width; ++col) {
        out[col] = (bits[col >> 3] & (0x80 >> (col & 7))) != 0 ? 0xFF : 0x00;
      }
    }
    return glyph;
  }

 private:
  FT_Library library_ = nullptr;
  FT_Face faces_[2] = {nullptr, nullptr};
  long unitsPerEm_[2] = {0, 0};
  long ascender_[2] = {0, 0};
  long descender_[2] = {0, 0};
  int ppem_[2] = {0, 0};  // the pixel size each face is set to now
  bool ok_ = false;
};

Library& Fonts() {
  static Library library;
  return library;
}

std::unique_ptr<Font> fonts[2][kMaxCellHeight + 1];
std::size_t cachedBytes = 0;

void DropGlyphs() {
  for (auto& byFace : fonts) {
    for (auto& font : byFace) {
      if (font) {
        font->glyphs.reset();
        font->rendered.reset();
      }
    }
  }
  cachedBytes = 0;
}

}  // namespace

char32_t CodePoint(uint8_t byte) {
  // 0x80..0x9F are where Windows-1252 differs from Latin-1.
  static constexpr char32_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : char32_t{byte};
}

Font* GetFont(Face face, int cellHeight) {
  if (cellHeight < 1 || cellHeight > kMaxCellHeight) return nullptr;
  Library& library = Fonts();
  if (!library.ok()) return nullptr;
  if (cachedBytes > kGlyphBudget) DropGlyphs();
  std::unique_ptr<Font>& font = fonts[face][cellHeight];
  if (!font) {
    font = std::make_unique<Font>();
    font->face = face;
    font->metrics = library.MetricsFor(face, cellHeight);
  }
  return font.get();
}

const Metrics& MetricsOf(const Font& font) { return font.metrics; }

const Glyph& GlyphOf(Font& font, uint8_t byte) {
  if (!font.rendered[byte]) {
    if (!font.glyphs) font.glyphs = std::make_unique<Glyph[]>(256);
    font.glyphs[byte] = Fonts().Render(font.face, font.metrics.ppem, CodePoint(byte));
    font.rendered[byte] = true;
    cachedBytes += font.glyphs[byte].mask.size() + sizeof(Glyph);
  }
  return font.glyphs[byte];
}

int MeasureText(Font& font, std::string_view text) {
  int width = 0;
  for (const char c : text) width += GlyphOf(font, static_cast<uint8_t>(c)).advance;
  return width;
}

Origin PlaceText(const Metrics& metrics, int width, int x, int y, int horizontal, int vertical) {
  Origin origin{x, y};
  if (horizontal == 1) origin.left -= width / 2;
  if (horizontal == 2) origin.left -= width;
  if (vertical == 1) origin.top -= metrics.cellHeight;
  if (vertical == 2) origin.top -= metrics.baseline;
  return origin;
}

void PaintText(const Canvas& canvas, Font& font, Origin origin, std::string_view text,
               uint8_t colour) {
  const int baselineRow = origin.top + font.metrics.baseline;
  int pen = origin.left;
  for (const char c : text) {
    const Glyph& glyph = GlyphOf(font, static_cast<uint8_t>(c));
    const int x0 = pen + glyph.left;
    const int y0 = baselineRow - glyph.top;
    pen += glyph.advance;
    // The part of the mask that lies on the canvas.
    const int colBegin = std::max(0, -x0);
    const int colEnd = std::min(glyph.width, canvas.width - x0);
    const int rowBegin = std::max(0, -y0);
    const int rowEnd = std::min(glyph.rows, canvas.height - y0);
    if (colBegin >= colEnd || rowBegin >= rowEnd) continue;
    const int count = colEnd - colBegin;
    for (int row = rowBegin; row < rowEnd; ++row) {
      const uint8_t* mask = glyph.mask.data() + static_cast<std::ptrdiff_t>(row) * glyph.width + colBegin;
      uint8_t* out = canvas.pixels + static_cast<std::ptrdiff_t>(y0 + row) * canvas.width + x0 + colBegin;
      for (int i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((out[i] & ~mask[i]) | (colour & mask[i]));
    }
  }
}

}  // namespace display::text
