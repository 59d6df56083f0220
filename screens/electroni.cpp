// The atom model: the electrons of every shell drawn as small rings on their circle, each shell
// turning by its own step per frame.
#include "screens/electroni.h"

#include "data/elemente.h"
#include "display/graph.h"
#include "screens/stare.h"

#include <cmath>
#include <numbers>

void DeseneazaElectronii() {
  const TipElement& e = Elemente[Stare.ElementAles];
  const uint32_t culoareBaza = NamedColor(0xA8A8A8);

  for (int32_t i = 1; i <= 7; ++i) {
    const int32_t numar = e.Electroni[static_cast<std::size_t>(i - 1)];
    double& faza = Stare.Faza[static_cast<std::size_t>(i - 1)];
    const double pas = (8 - i) / 2000.0;  // turns per frame: the inner shells turn faster

    for (int32_t j = 1; j <= numar; ++j) {
      // The step is inside the angle before it is added to the phase: the drawn position is one step
      // ahead of the stored phase.
      const double unghi = 2 * std::numbers::pi * (static_cast<double>(j) / numar + faza + pas);
      const double dx = std::cos(unghi) * (i + 1) * 20;
      const double dy = std::sin(unghi) * (i + 1) * 20;
      // nearbyint in the default rounding mode: an exact half goes to the even neighbour.
      const auto x = static_cast<int16_t>(std::nearbyint(Stare.CentruX + dx));
      const auto y = static_cast<int16_t>(std::nearbyint(Stare.CentruY + dy));
      SetColor(culoareBaza + 1 + static_cast<uint32_t>(i));
      Circle(x, y, 2);
    }
    // Also an empty shell advances; the phase is never reduced to one turn.
    faza += pas;
  }
}
