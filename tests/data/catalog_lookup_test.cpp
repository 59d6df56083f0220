// Tests of the cell-code lookup: empty cells, edges of the grid, codes far outside it, and the round trip.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "data/elemente.h"

namespace {

// Every code from `de` to `pana` inclusive gives `z`.
struct CazCautare {
  int32_t de;
  int32_t pana;
  int32_t z;
};

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(CatalogLookup, CodesGiveTheirElementOrZero) {
  const std::vector<CazCautare> cazuri = {
      {93, 93, 0},      // placeholder cell of row 6
      {111, 111, 0},    // placeholder cell of row 7
      {127, 162, 0},    // rows 8 and 9 hold nothing
      {198, 198, 0},    // row 11, column 18
      {0, 0, 0},        {-1, -1, 0}, {kMin, kMin, 0}, {199, 199, 0}, {kMax, kMax, 0},
      {1, 1, 1},        // H
      {18, 18, 2},      // HE
      {94, 94, 72},     // HF
      {112, 112, 104},  // RF
      {126, 126, 118},  // UUO
      {165, 165, 57},   // LA
      {179, 179, 71},   // LU
      {183, 183, 89},   // AC
      {197, 197, 103},  // LR
  };
  for (const CazCautare& caz : cazuri) {
    for (int64_t cod = caz.de; cod <= caz.pana; ++cod) {
      EXPECT_EQ(CautaElement(static_cast<int32_t>(cod)), caz.z) << "code " << cod;
    }
  }
}

TEST(CatalogLookup, EveryElementIsFoundByItsOwnCodeAndNoOtherCodeFindsOne) {
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    EXPECT_EQ(CautaElement(Elemente[z].Pozitie), z) << "Z " << z << ", code " << Elemente[z].Pozitie;
  }
  int32_t gasite = 0;
  for (int32_t cod = 1; cod <= 198; ++cod) {
    gasite += CautaElement(cod) != 0 ? 1 : 0;
  }
  EXPECT_EQ(gasite, NumarElemente);
}

}  // namespace
