// The table screen: the periodic table drawn cell by cell on page 0, and the wait for a left click
// on an element cell.
#include "screens/tabel.h"

#include "data/elemente.h"
#include "display/graph.h"
#include "screens/format.h"
#include "screens/stare.h"

#include <array>

namespace {

// Placeholder cells: they stand where the two series of rows 10 and 11 belong, and hold no element.
constexpr int32_t CodLantanide = 93;
constexpr int32_t CodActinide = 111;
constexpr uint32_t CuloareLantanide = 0x90EE90;
constexpr uint32_t CuloareActinide = 0xA8A8A8;

// Fill colour by ranges of Z; every Z from 1 to 118 falls in exactly one range.
struct TipInterval {
  int32_t De;
  int32_t Pana;
  uint32_t Culoare;
};

constexpr std::array<TipInterval, 23> CuloriCelule = {{
    {1, 2, 0xE0FFFF},     {3, 4, 0xFFFF00},     {5, 9, 0xADD8E6},    {10, 10, 0xE0FFFF},
    {11, 13, 0xFFFF00},   {14, 17, 0xADD8E6},   {18, 18, 0xE0FFFF},  {19, 32, 0xFFFF00},
    {33, 35, 0xADD8E6},   {36, 36, 0xE0FFFF},   {37, 51, 0xFFFF00},  {52, 53, 0xADD8E6},
    {54, 54, 0xE0FFFF},   {55, 56, 0xFFFF00},   {57, 71, 0x90EE90},  {72, 84, 0xFFFF00},
    {85, 85, 0xADD8E6},   {86, 86, 0xE0FFFF},   {87, 88, 0xFFFF00},  {89, 103, 0xA8A8A8},
    {104, 116, 0xFFFF00}, {117, 117, 0xADD8E6}, {118, 118, 0xE0FFFF},
}};

}  // namespace

uint32_t CuloareCelula(int32_t z) {
  for (const TipInterval& interval : CuloriCelule) {
    if (z >= interval.De && z <= interval.Pana) return interval.Culoare;
  }
  return 0x000000;
}

std::string TextMasaCelula(int32_t z) {
  if (Elemente[z].MasaAtomica == 0.0) return "";
  return TextReal(Elemente[z].MasaAtomica, 2, 2);
}

void DeseneazaTabelul() {
  Stare.Pagina = 0;
  SetActivePage(0);
  SetVisualPage(0);
  ClearDevice();

  SetTextStyle(3, 0, 3);
  SetTextJustify(1, 2);
  SetColor(NamedColor(0xFFFFFF));
  OutTextXY(static_cast<int16_t>(GetMaxX() / 2), 40, "TABELUL PERIODIC AL ELEMENTELOR");

  Stare.LatimeCelula = (GetMaxX() - 50) / 18;
  Stare.InaltimeCelula = (GetMaxY() - 50) / 11;
  const int32_t latime = Stare.LatimeCelula;
  const int32_t inaltime = Stare.InaltimeCelula;

  // Column by column, top to bottom, so the picture builds up in view in that order.
  for (int32_t c = 1; c <= 18; ++c) {
    for (int32_t r = 1; r <= 11; ++r) {
      const int32_t cod = (r - 1) * 18 + c;
      const int32_t k = CautaElement(cod);
      if (k == 0 && cod != CodLantanide && cod != CodActinide) continue;

      if (k >= 1 && k <= NumarElemente) SetFillStyle(1, NamedColor(CuloareCelula(k)));
      if (cod == CodLantanide) SetFillStyle(1, NamedColor(CuloareLantanide));
      if (cod == CodActinide) SetFillStyle(1, NamedColor(CuloareActinide));

      const auto x1 = static_cast<int16_t>(latime * c);
      const auto y1 = static_cast<int16_t>(inaltime * r);
      const auto x2 = static_cast<int16_t>(latime * (c + 1));
      const auto y2 = static_cast<int16_t>(inaltime * (r + 1));
      SetColor(NamedColor(0x000000));
      Bar(x1, y1, x2, y2);
      Rectangle(x1, y1, x2, y2);
      if (k == 0) continue;

      SetTextStyle(3, 0, 2);
      SetTextJustify(1, 2);
      SetColor(NamedColor(0x000000));
      OutTextXY(static_cast<int16_t>(x1 + latime / 2), static_cast<int16_t>(y1 + inaltime / 2 + 8),
                Elemente[k].Simbol);

      SetTextStyle(3, 0, 1);
      SetTextJustify(1, 2);
      SetColor(NamedColor(0xFF0000));
      OutTextXY(static_cast<int16_t>(x1 + 8), static_cast<int16_t>(y1 + 8), TextIntreg(k));

      if (Elemente[k].MasaAtomica != 0.0) {
        SetColor(NamedColor(0x0000FF));
        OutTextXY(static_cast<int16_t>(x1 + latime / 2), static_cast<int16_t>(y2 - 2), TextMasaCelula(k));
      }
    }
  }
}

int32_t AsteaptaSelectia() {
  Stare.ElementAles = 0;
  for (;;) {
    const int32_t x = GetMouseX();
    const int32_t y = GetMouseY();
    const uint16_t b = GetMouseButtons();
    // Only the left button alone selects: Shift (8), Ctrl (16) or another button make b differ from 1.
    if (b == 1) {
      const int32_t c = x / Stare.LatimeCelula;
      const int32_t r = y / Stare.InaltimeCelula;
      Stare.ElementAles = 0;
      if (c >= 1 && c <= 18 && r >= 1 && r <= 11) Stare.ElementAles = CautaElement((r - 1) * 18 + c);
    }
    // The selection is tested first: a click found on this pass wins over a pending key.
    if (Stare.ElementAles != 0) break;
    if (KeyPressed()) break;
  }
  return Stare.ElementAles;
}
