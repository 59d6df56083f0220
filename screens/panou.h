// The text panel of the element screen: nucleus outline and labels, and the five data lines.
#pragma once

#include <cstdint>
#include <string>

void DeseneazaPanoulText();

// The texts of the panel for element Z; the density line depends on the reference temperature.
std::string TextSarcina(int32_t z);
std::string TextNeutroni(int32_t z);
std::string TextDenumire(int32_t z);
std::string TextMasa(int32_t z);
std::string TextDensitate(int32_t z, double temperaturaReferinta);
std::string TextDescoperitor(int32_t z);
std::string TextStraturi(int32_t z);
