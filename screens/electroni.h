// The atom model: the electrons of every shell circling the nucleus, one step per frame.
#pragma once

// Draws the electrons of the selected element and advances the phase of every shell.
void DeseneazaElectronii();
