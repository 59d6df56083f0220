// The table screen: the periodic table and the wait for a left click on an element cell.
#pragma once

#include <cstdint>
#include <string>

// Draws the whole table on page 0 while page 0 is shown; sets the cell sizes.
void DeseneazaTabelul();

// Polls until a left click lands on an element cell (returns its Z) or a key is pending (returns 0).
int32_t AsteaptaSelectia();

// The fill colour (a #RRGGBB value) of element Z's cell.
uint32_t CuloareCelula(int32_t z);

// The mass text of element Z's table cell; empty when the mass is unknown.
std::string TextMasaCelula(int32_t z);
