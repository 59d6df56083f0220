// The text panel of the element screen: the nucleus outline with its charge and neutron labels, and
// the five data lines under the atom model, rebuilt from the catalogue record in every frame.
#include "screens/panou.h"

#include "data/elemente.h"
#include "display/graph.h"
#include "screens/format.h"
#include "screens/stare.h"

namespace {

// The degree sign, one Windows-1252 byte, followed by the unit.
constexpr const char* GradeCelsius = "\xB0" "C";

}  // namespace

std::string TextSarcina(int32_t z) { return TextIntreg(z, 4) + " +"; }

std::string TextNeutroni(int32_t z) {
  // With the mass unknown the difference would be no neutron count (it would even be negative), so
  // the label says so in the same six characters as every other label.
  if (Elemente[z].MasaAtomica == 0.0) return "   ? N";
  return TextReal(Elemente[z].MasaAtomica - z, 0, 4) + " N";
}

std::string TextDenumire(int32_t z) {
  const TipElement& e = Elemente[z];
  return "DENUMIRE (SIMBOL): " + std::string(e.Denumire) + "  (" + std::string(e.Simbol) + ")";
}

std::string TextMasa(int32_t z) {
  const TipElement& e = Elemente[z];
  std::string text;
  if (e.MasaAtomica != 0.0) {
    text = "MASA ATOMICA: " + TextReal(e.MasaAtomica, 3, 4) + " g/mol";
  } else {
    text = "MASA ATOMICA: NECUNOSCUTA";
  }
  if (e.PunctTopire != TemperaturaNecunoscuta) {
    text += "; Se topeste la: " + TextReal(e.PunctTopire, 1, 5) + GradeCelsius;
  }
  if (e.PunctFierbere != TemperaturaNecunoscuta) {
    text += "; Fierbe la: " + TextReal(e.PunctFierbere, 1, 5) + GradeCelsius;
  }
  return text;
}

std::string TextDensitate(int32_t z, double temperaturaReferinta) {
  const TipElement& e = Elemente[z];
  if (e.Densitate == 0.0) return "DENSITATE NECUNOSCUTA";

  const double t = temperaturaReferinta;
  const double u = TemperaturaNecunoscuta;
  const double tt = e.PunctTopire;
  const double tf = e.PunctFierbere;
  std::string densitate = " necunoscuta";
  std::string stare = " necunoscuta";
  if ((tt != u && t < tt) || (tf != u && t > tf)) {
    densitate = TextReal(e.Densitate, 2, 3) + " g/cmc";
    stare = t < tt ? " solida" : " gazoasa";
  }
  if (tt != u && tf != u && tt <= t && t <= tf) {
    densitate = TextReal(e.Densitate, 2, 3) + " g/l";
    stare = " lichida";
  }
  return "DENSITATE LA " + TextReal(t, 0) + GradeCelsius + " :" + densitate + " STARE DE AGREGARE:" + stare;
}

std::string TextDescoperitor(int32_t z) {
  const TipElement& e = Elemente[z];
  if (e.Descoperitor.empty()) return "INCA NEDESCOPERIT";
  if (e.Descoperitor == "necunoscut") return "DESCOPERIT DIN VECHIME";
  std::string text = "DESCOPERIT DE: " + std::string(e.Descoperitor);
  if (e.AnDescoperire != 0) text += " in anul " + TextIntreg(e.AnDescoperire);
  return text;
}

std::string TextStraturi(int32_t z) {
  std::string text = "ELECTRONI PE STRATURI: ";
  for (const int32_t numar : Elemente[z].Electroni) text += TextIntreg(numar) + " ";
  return text;
}

void DeseneazaPanoulText() {
  const int32_t z = Stare.ElementAles;
  const auto x = static_cast<int16_t>(Stare.CentruX);

  SetColor(NamedColor(0xFFFFFF));
  Circle(x, static_cast<int16_t>(Stare.CentruY), 28);
  SetTextStyle(0, 0, 2);
  SetTextJustify(1, 1);

  OutTextXY(static_cast<int16_t>(Stare.CentruX - 4), 240, TextSarcina(z));
  OutTextXY(static_cast<int16_t>(Stare.CentruX - 4), 255, TextNeutroni(z));

  OutTextXY(x, 420, TextDenumire(z));
  OutTextXY(x, 435, TextMasa(z));
  OutTextXY(x, 450, TextDensitate(z, Stare.TemperaturaReferinta));
  OutTextXY(x, 465, TextDescoperitor(z));
  OutTextXY(x, 480, TextStraturi(z));
}
