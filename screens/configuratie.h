// The electron configuration line of the element screen, with the heading of the atom model.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The 18 subshells in filling order: capacity and shell number; index k - 1 holds subshell k.
inline constexpr std::array<int32_t, 18> CapacitateSubstrat = {2, 2, 6, 2, 6, 2, 10, 6, 2, 10, 6, 2, 14, 10, 6, 2, 14, 10};
inline constexpr std::array<int32_t, 18> StratSubstrat = {1, 2, 2, 3, 3, 4, 3, 4, 5, 4, 5, 6, 4, 5, 6, 7, 5, 6};

// The configuration of element Z by strict filling order, e.g. "1S2+2S2+2P6+3S2+3P6+4S2+3D6" for 26.
std::string ConfiguratiaElectronica(int32_t z);

// Draws the heading of the atom model and the configuration line in the style left in force.
void DeseneazaConfiguratia();
