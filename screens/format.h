// Number-to-text formatting shared by the screens.
#pragma once

#include <cstdint>
#include <string>

// An integer in decimal, "-" before a negative value, blanks on the left up to width (never cut).
std::string TextIntreg(int64_t valoare, int latime = 0);

// A real in fixed notation with the given decimals: rounded on the exact stored double, an exact half
// going away from zero; blanks on the left up to width, never cut. A value shown as zero carries no
// minus: -0.0, and -0.04 with one decimal, both read "0.0".
std::string TextReal(double valoare, int zecimale, int latime = 0);
