// Number-to-text formatting: one table of integers and reals, with the examples the screens quote and
// the exact halves, near-halves, signs, widths and sizes around them.
#include "screens/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

TEST(Format, IntegersInDecimalPaddedOnTheLeftNeverCut) {
  struct Caz {
    int64_t valoare;
    int latime;
    const char* asteptat;
  };
  const Caz cazuri[] = {
      {26, 4, "  26"},      {1, 4, "   1"},   {100, 4, " 100"},  {1766, 0, "1766"},
      {0, 0, "0"},          {-5, 0, "-5"},    {-5, 3, " -5"},    {12345, 3, "12345"},
      {118, -2, "118"},     {std::numeric_limits<int64_t>::min(), 0, "-9223372036854775808"},
      {std::numeric_limits<int64_t>::max(), 21, "  9223372036854775807"},
  };
  for (const Caz& c : cazuri) {
    EXPECT_EQ(TextIntreg(c.valoare, c.latime), c.asteptat) << c.valoare << " width " << c.latime;
  }
}

TEST(Format, RealsRoundedOnTheExactDoubleHalvesAwayFromZero) {
  struct Caz {
    double valoare;
    int zecimale;
    int latime;
    const char* asteptat;
  };
  const Caz cazuri[] = {
      // The examples quoted for the screens.
      {96.5, 0, 0, "97"},
      {162.5 - 66, 0, 4, "  97"},
      {28.0855, 3, 0, "28.085"},  // stored just below the half
      {24.305, 2, 0, "24.30"},    // stored just below the half
      {140.115, 2, 0, "140.12"},  // stored just above the half
      {1.00794, 2, 0, "1.01"},
      {4.002602, 2, 0, "4.00"},
      {83.8, 2, 0, "83.80"},
      {0.084, 2, 0, "0.08"},
      {-7.3, 1, 5, " -7.3"},
      {-259.1, 1, 5, "-259.1"},
      {55.847, 3, 0, "55.847"},
      {50.9415, 3, 0, "50.941"},
      {138.9055, 3, 0, "138.905"},
      {102.9055, 3, 0, "102.906"},
      {200.59 - 80, 0, 4, " 121"},
      {1.00794 - 1, 0, 4, "   0"},
      {63.7, 1, 5, " 63.7"},
      {20.0, 0, 0, "20"},
      {7.87, 2, 3, "7.87"},
      {13.55, 2, 3, "13.55"},
      // Exact halves go away from zero (round-half-even would give 0, -0, 2, 0.12 and -2).
      {0.5, 0, 0, "1"},
      {-0.5, 0, 0, "-1"},
      {2.5, 0, 0, "3"},
      {-2.5, 0, 0, "-3"},
      {0.125, 2, 0, "0.13"},
      {2251799813685248.5, 0, 0, "2251799813685249"},
      // Near-halves follow the stored value, not its shortest decimal form.
      {2.675, 2, 0, "2.67"},
      {1.005, 2, 0, "1.00"},
      {0.15, 1, 0, "0.1"},
      {-0.05, 1, 0, "-0.1"},
      // Carries through every digit, also into a new leading digit.
      {9.9999, 2, 0, "10.00"},
      {999.5, 0, 0, "1000"},
      {-99.96, 1, 0, "-100.0"},
      // At least one digit before the point; a zero never carries a minus.
      {0.0, 2, 0, "0.00"},
      {-0.0, 1, 0, "0.0"},
      {-0.0, 0, 3, "  0"},
      {-0.04, 1, 0, "0.0"},
      {-0.4, 0, 0, "0"},
      {5e-324, 2, 0, "0.00"},
      {-5e-324, 2, 0, "0.00"},
      {0.001, 3, 0, "0.001"},
      // Widths pad on the left and never cut.
      {3.14, 2, 8, "    3.14"},
      {-259.1, 1, 3, "-259.1"},
      {1340.0, 1, 5, "1340.0"},
      // Large values keep every digit.
      {1e22, 0, 0, "10000000000000000000000"},
      {-1e22, 1, 0, "-10000000000000000000000.0"},
      {9007199254740993.0, 0, 0, "9007199254740992"},  // the literal is not representable
  };
  for (const Caz& c : cazuri) {
    EXPECT_EQ(TextReal(c.valoare, c.zecimale, c.latime), c.asteptat)
        << c.valoare << " with " << c.zecimale << " decimals, width " << c.latime;
  }
}

}  // namespace
