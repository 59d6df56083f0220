// Pictures for tests: pages of palette indices saved as 8-bit paletted PNGs with the display palette,
// loaded back, and compared exactly with golden pictures under tests/golden/.
//
// Typical use, after drawing a screen headless:
//   picture::ExpectMatchesGolden("table_screen", display::PagePixels(0), display::kWidth,
//                                display::kHeight);
// Record or re-record the goldens by running the tests with TP_UPDATE_GOLDEN=1 in the environment,
// then look at the new pictures before committing them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace picture {

// A picture of palette indices, row by row.
struct Indexed {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
};

// Writes the indices as an 8-bit paletted PNG carrying the display palette (creating missing
// directories). Returns false, and says why in *error if given, when it cannot.
bool SavePng(const std::string& path, const uint8_t* pixels, int width, int height,
             std::string* error = nullptr);

// Reads an 8-bit (or narrower) paletted PNG back to its palette indices; the palette in the file is
// ignored. std::nullopt when the file is missing or is not such a PNG.
std::optional<Indexed> LoadPng(const std::string& path);

// Adds a GoogleTest failure unless the picture equals TP_GOLDEN_DIR/<name>.png index for index.
// On a mismatch writes TP_ACTUAL_DIR/<name>_actual.png and <name>_diff.png (matching pixels greyed,
// wrong ones bright red) and names them in the failure. With TP_UPDATE_GOLDEN=1 it writes the golden
// instead. A missing golden is a failure that says how to record it.
void ExpectMatchesGolden(const std::string& name, const uint8_t* pixels, int width, int height);

}  // namespace picture
