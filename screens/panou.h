// The text panel of the element screen: nucleus outline and labels, and the five data lines.
#pragma once

#include <cstdint>
#include <string>

// Draws the nucleus outline, its two labels and the five data lines of the selected element on the
// active page; leaves colour #FFFFFF, text style (0, 0, 2) and justification (1, 1) in force.
void DeseneazaPanoulText();

// The texts of the panel for element Z, exactly as drawn.
std::string TextSarcina(int32_t z);   // nuclear charge label, e.g. "  26 +"
std::string TextNeutroni(int32_t z);  // neutron label, e.g. "  30 N"; "   ? N" when the mass is unknown
std::string TextDenumire(int32_t z);  // name line
std::string TextMasa(int32_t z);      // mass line with melting and boiling points
std::string TextDensitate(int32_t z, double temperaturaReferinta);  // density and state at that temperature
std::string TextDescoperitor(int32_t z);  // discoverer line
std::string TextStraturi(int32_t z);      // electrons per shell line
