// The program state: one instance for the whole run, owned by the main loop and shared by the screens.
#pragma once

#include <array>
#include <cstdint>

struct TipStare {
  int32_t Pagina = 0;          // page of the page flip, 0 or 1
  int32_t ElementAles = 0;     // Z of the element screen, 0 while none is selected
  int32_t LatimeCelula = 0;    // table cell width, set by DeseneazaTabelul
  int32_t InaltimeCelula = 0;  // table cell height, set by DeseneazaTabelul
  int32_t CentruX = 0;         // centre of the atom model
  int32_t CentruY = 0;
  std::array<double, 7> Faza{};     // phase of shell i in turns is Faza[i - 1]
  double TemperaturaReferinta = 0;  // reference temperature of the density line
  uint16_t Butoane = 0;             // button value sampled at the start of the frame
  int16_t Driver = 3;               // graphics driver and mode given to InitGraph
  int16_t Mod = 4;
};

extern TipStare Stare;

// The reference temperature of the density line, in degrees Celsius, set at each element-screen set-up.
inline constexpr double TemperaturaReferintaStandard = 20.0;

