// The input state: the mouse state and the key queue, written by the window thread (or a test) and
// polled by the program's thread through GetMouseX, GetMouseY, GetMouseButtons and KeyPressed.
#pragma once

#include <cstdint>

namespace display::input {

// A mouse event over the drawing area: position in drawing-area coordinates and the button bits
// (1 left, 2 right, 4 middle, 8 Shift, 16 Ctrl) down at that event.
void RecordMouse(uint16_t x, uint16_t y, uint16_t buttons);

// A one-byte key entry (a character code).
void RecordKey(uint8_t code);

// A two-byte key entry (0, code).
void RecordExtendedKey(uint8_t code);

// A request to close the window: the entry (0, 107).
void RecordCloseRequest();

// Back to the state before any event (tests only).
void Reset();

}  // namespace display::input
