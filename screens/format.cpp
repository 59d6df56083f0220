// Number-to-text formatting shared by the screens: integers in decimal and reals in fixed notation,
// padded on the left to a width and never cut.
#include "screens/format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Blanks on the left up to the width; a longer text stays whole.
std::string CuBlancuri(std::string text, int latime) {
  if (latime > 0 && text.size() < static_cast<std::size_t>(latime)) {
    text.insert(0, static_cast<std::size_t>(latime) - text.size(), ' ');
  }
  return text;
}

// The exact decimal expansion of |valoare| ("digits.digits", at least zecimale + 1 decimals). A
// double is m * 2^e with a 53-bit m, so at most 53 - exponent decimals end its expansion; printf
// with that many decimals therefore prints it exactly, with nothing left to round.
std::string ExpansiuneExacta(double magnitudine, int zecimale) {
  int exponent = 0;
  std::frexp(magnitudine, &exponent);
  // 1074 decimals end the expansion of every double; more would only add zeros.
  const int necesare = std::clamp(std::max(zecimale + 1, 53 - exponent), 1, 1100);
  std::array<char, 1500> text{};  // up to 309 integer digits, the point and 1100 decimals
  const int lungime = std::snprintf(text.data(), text.size(), "%.*f", necesare, magnitudine);
  return std::string(text.data(), static_cast<std::size_t>(std::clamp(lungime, 0, 1499)));
}

}  // namespace

std::string TextIntreg(int64_t valoare, int latime) { return CuBlancuri(std::to_string(valoare), latime); }

std::string TextReal(double valoare, int zecimale, int latime) {
  zecimale = std::clamp(zecimale, 0, 1000);  // the expansion holds at most 1100 decimals
  if (!std::isfinite(valoare)) {
    return CuBlancuri(std::isnan(valoare) ? "nan" : (valoare < 0 ? "-inf" : "inf"), latime);
  }

  // Round the magnitude: the digit after the last kept one decides, read from the exact expansion,
  // so that an exact half (digit 5 followed by nothing) goes away from zero and a value just below
  // the half goes down.
  const std::string exact = ExpansiuneExacta(std::fabs(valoare), zecimale);
  const std::size_t punct = exact.find('.');
  std::string cifre = exact.substr(0, punct) + exact.substr(punct + 1, static_cast<std::size_t>(zecimale));
  if (exact[punct + 1 + static_cast<std::size_t>(zecimale)] >= '5') {
    std::size_t k = cifre.size();
    while (k > 0 && cifre[k - 1] == '9') cifre[--k] = '0';
    if (k == 0) {
      cifre.insert(0, 1, '1');
    } else {
      ++cifre[k - 1];
    }
  }

  std::string text = cifre.substr(0, cifre.size() - static_cast<std::size_t>(zecimale));
  if (zecimale > 0) {
    text += '.';
    text.append(cifre, cifre.size() - static_cast<std::size_t>(zecimale));
  }

  // A minus only before a shown value that is not zero: -0.0 and -0.04 with one decimal both read
  // "0.0", since the text on the screen is what the reader compares, and zero has no sign.
  if (valoare < 0 && cifre.find_first_not_of('0') != std::string::npos) text.insert(0, 1, '-');
  return CuBlancuri(text, latime);
}
