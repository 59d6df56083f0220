// Private to the SDL window backend and its tests: the text conversions it uses and a few hooks that
// let a test drive the real window thread (under SDL's dummy video driver) and see what it presents.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace display::window {

// Windows-1252 text (the caption) as UTF-8 for SDL; the five bytes the code page leaves undefined
// become '?'.
std::string Cp1252ToUtf8(std::string_view text);

// Typed UTF-8 text as Windows-1252 bytes, one per character; characters the code page lacks, control
// characters and malformed bytes become '?'.
std::string Utf8ToCp1252(std::string_view text);

// --- Test hooks (any thread) ---------------------------------------------------------------------

// The id SDL gives the open window; 0 while closed.
uint32_t WindowId();

// Waits until the window thread has handled every SDL event queued before the call. False when the
// window is closed or the timeout passes first.
bool Flush(std::chrono::milliseconds timeout);

// How many times the window has been presented since the process started.
uint64_t PresentCount();

// While on, every present also keeps a copy of the window surface as 0x00RRGGBB pixels.
void KeepPresentedImages(bool on);

// The surface as kept at the latest present (kWidth x kHeight, row by row); empty before one.
std::vector<uint32_t> LastPresentedImage();

// While on, presents go through the 8-bit surface with the palette even onto an XRGB surface.
void ForceIndexedPresent(bool on);

}  // namespace display::window
