// Whole element screens against their golden pictures: one frame drawn with the state set up by
// hand and fixed phases, compared on the active page before the flip.
#include "screens/configuratie.h"
#include "screens/electroni.h"
#include "screens/panou.h"
#include "screens/program.h"
#include "tests/screens/ecran.h"
#include "tests/support/picture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class EcranElementGolden : public ecran::EcranDeschis, public ::testing::WithParamInterface<int32_t> {};

TEST_P(EcranElementGolden, OneFrameMatchesItsGolden) {
  const int32_t z = GetParam();
  Stare.ElementAles = z;
  PregatesteEcranulElement();
  Stare.Faza = {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6};
  SetActivePage(0);
  ClearDevice();
  DeseneazaPanoulText();
  DeseneazaConfiguratia();
  DeseneazaElectronii();
  picture::ExpectMatchesGolden("screen_element_" + std::to_string(z), display::PagePixels(0), display::kWidth,
                               display::kHeight);
}

INSTANTIATE_TEST_SUITE_P(Elemente, EcranElementGolden, ::testing::Values(1, 26, 41, 80, 118));

}  // namespace
