// The input state: the mouse state and the key queue, written by the window thread (or a test) and
// polled by the program's thread through GetMouseX, GetMouseY, GetMouseButtons and KeyPressed.
#pragma once

#include <cstdint>
#include <vector>

namespace display::input {

// How many entries the key queue holds, like the keyboard buffer of the original platform; when it
// is full the oldest entries give way to new ones.
inline constexpr int kKeyQueueCapacity = 16;

// A mouse event over the drawing area: position in drawing-area coordinates and the button bits
// (1 left, 2 right, 4 middle, 8 Shift, 16 Ctrl) down at that event. A position past the drawing area
// is clamped to its edge; other bits are dropped.
//
// A press (a button down that was up in the state) is held until the program has read the buttons
// once, so a click whose release follows at once is not lost; events that arrive meanwhile are kept
// aside, the latest winning, and take effect right after that read.
void RecordMouse(uint16_t x, uint16_t y, uint16_t buttons);

// A one-byte key entry (a character code).
void RecordKey(uint8_t code);

// A two-byte key entry (0, code).
void RecordExtendedKey(uint8_t code);

// A request to close the window: the entry (0, 107).
void RecordCloseRequest();

// The bytes of the queued entries, oldest first (tests and tools).
std::vector<uint8_t> QueuedKeyBytes();

// Back to the state before any event (tests only).
void Reset();

}  // namespace display::input
