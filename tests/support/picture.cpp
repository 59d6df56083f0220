// Pictures for tests: paletted PNG save and load with libpng, and whole-picture golden comparison.
#include "tests/support/picture.h"

#include "display/core.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace picture {
namespace {

// Index of the diff picture's mark for a wrong pixel: bright red.
constexpr uint8_t kWrongMark = 40;

// Reads the rows of an open PNG file into out. Kept free of C++ objects with destructors, since
// libpng reports errors by longjmp back to the setjmp below.
bool ReadIndices(std::FILE* file, Indexed* out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  if (png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  if (png_get_bit_depth(png, info) < 8) png_set_packing(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out->width = static_cast<int>(png_get_image_width(png, info));
  out->height = static_cast<int>(png_get_image_height(png, info));
  out->pixels.assign(static_cast<std::size_t>(out->width) * out->height, 0);
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < out->height; ++y) {
      png_read_row(png, out->pixels.data() + static_cast<std::size_t>(y) * out->width, nullptr);
    }
  }
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

std::string GoldenPath(const std::string& name) { return std::string(TP_GOLDEN_DIR) + "/" + name + ".png"; }
std::string ActualPath(const std::string& name, const char* suffix) {
  return std::string(TP_ACTUAL_DIR) + "/" + name + suffix + ".png";
}

// A dark grey of the pixel's brightness, so that the red marks of a diff stand out.
uint8_t Dimmed(uint8_t index) {
  const uint32_t rgb = display::kPalette[index];
  const uint32_t sum = (rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF);  // 0..756
  return static_cast<uint8_t>(16 + sum * 8 / 757);                            // grey ramp 16..23
}

}  // namespace

bool SavePng(const std::string& path, const uint8_t* pixels, int width, int height, std::string* error) {
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  uint8_t colormap[256 * 3];
  for (int i = 0; i < 256; ++i) {
    colormap[i * 3 + 0] = static_cast<uint8_t>(display::kPalette[i] >> 16);
    colormap[i * 3 + 1] = static_cast<uint8_t>(display::kPalette[i] >> 8);
    colormap[i * 3 + 2] = static_cast<uint8_t>(display::kPalette[i]);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB_COLORMAP;
  image.colormap_entries = 256;
  if (png_image_write_to_file(&image, path.c_str(), 0, pixels, width, colormap) == 0) {
    if (error != nullptr) *error = std::string("cannot write ") + path + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

std::optional<Indexed> LoadPng(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  Indexed picture;
  const bool ok = ReadIndices(file, &picture);
  std::fclose(file);
  if (!ok) return std::nullopt;
  return picture;
}

void ExpectMatchesGolden(const std::string& name, const uint8_t* pixels, int width, int height) {
  const std::string golden = GoldenPath(name);
  const char* update = std::getenv("TP_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::string error;
    if (!SavePng(golden, pixels, width, height, &error)) ADD_FAILURE() << error;
    std::printf("recorded golden %s\n", golden.c_str());
    return;
  }
  const std::optional<Indexed> expected = LoadPng(golden);
  if (!expected) {
    ADD_FAILURE() << "golden picture " << golden << " is missing or unreadable; record it by running "
                  << "this test with TP_UPDATE_GOLDEN=1 and check the picture before committing it";
    return;
  }
  const std::string actualPath = ActualPath(name, "_actual");
  if (expected->width != width || expected->height != height) {
    SavePng(actualPath, pixels, width, height);
    ADD_FAILURE() << "picture " << name << " is " << width << "x" << height << ", golden is "
                  << expected->width << "x" << expected->height << "; actual: " << actualPath;
    return;
  }
  const std::size_t count = static_cast<std::size_t>(width) * height;
  std::vector<uint8_t> diff(count);
  std::size_t wrong = 0;
  std::ostringstream first;
  for (std::size_t i = 0; i < count; ++i) {
    if (pixels[i] == expected->pixels[i]) {
      diff[i] = Dimmed(pixels[i]);
      continue;
    }
    diff[i] = kWrongMark;
    if (++wrong <= 5) {
      first << " (" << i % width << "," << i / width << "): " << int{pixels[i]} << " not "
            << int{expected->pixels[i]} << ";";
    }
  }
  if (wrong == 0) return;
  const std::string diffPath = ActualPath(name, "_diff");
  SavePng(actualPath, pixels, width, height);
  SavePng(diffPath, diff.data(), width, height);
  ADD_FAILURE() << "picture " << name << " differs from " << golden << " in " << wrong
                << " pixels, first:" << first.str() << " actual: " << actualPath
                << ", diff: " << diffPath;
}

}  // namespace picture
