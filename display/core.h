// The display core: palette, pages, drawing state and primitives. No window library here.
#pragma once

#include <cstddef>
#include <cstdint>

namespace display {

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;
inline constexpr int kPageCount = 4;

// Copies the visible page (kWidth x kHeight palette indices, row by row) under the page lock, so a
// copy never holds half of a drawing operation.
void CopyVisiblePage(uint8_t* out);

// Converts palette indices to 0x00RRGGBB pixels through the fixed palette.
void IndicesToXrgb(const uint8_t* indices, uint32_t* out, std::size_t count);

}  // namespace display
