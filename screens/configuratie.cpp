// The electron configuration line of the element screen: subshells filled strictly in order from Z
// alone, drawn under the heading of the atom model.
#include "screens/configuratie.h"

#include "display/graph.h"
#include "screens/format.h"
#include "screens/stare.h"

namespace {

// The full-subshell mark and the subshell letter, both chosen by the capacity.
const char* MarcaPlin(int32_t capacitate) {
  switch (capacitate) {
    case 2: return "S2+";
    case 6: return "P6+";
    case 10: return "D10+";
    default: return "F14+";
  }
}

const char* Litera(int32_t capacitate) {
  switch (capacitate) {
    case 2: return "S";
    case 6: return "P";
    case 10: return "D";
    default: return "F";
  }
}

}  // namespace

std::string ConfiguratiaElectronica(int32_t z) {
  // The last subshell is the first at which the running total reaches Z; beyond the 112 places of
  // the table it stays the last one, 6D, which then holds more than its capacity.
  int32_t total = 0;
  std::size_t ultimul = 0;
  for (std::size_t i = 0; i < CapacitateSubstrat.size(); ++i) {
    if (total < z) {
      total += CapacitateSubstrat[i];
      ultimul = i;
    }
  }

  std::string text;
  int32_t plini = 0;
  for (std::size_t i = 0; i < ultimul; ++i) {
    text += TextIntreg(StratSubstrat[i]) + MarcaPlin(CapacitateSubstrat[i]);
    plini += CapacitateSubstrat[i];
  }
  text += TextIntreg(StratSubstrat[ultimul]) + Litera(CapacitateSubstrat[ultimul]) + TextIntreg(z - plini);
  return text;
}

void DeseneazaConfiguratia() {
  // Colour, style and justification are those the text panel left in force.
  OutTextXY(static_cast<int16_t>(GetMaxX() / 2), 20, "MODELUL OSCILATIEI NORULUI ELECTRONIC");
  OutTextXY(static_cast<int16_t>(Stare.CentruX), 40, ConfiguratiaElectronica(Stare.ElementAles));
}
