// The seam between the display core and whatever serves the window: the SDL window thread in the
// program, a headless stand-in in the tests. Exactly one backend is linked into each binary.
#pragma once

#include <string>
#include <string_view>

namespace display::backend {

// Opens and shows the window and starts serving it. On failure returns false and says why.
bool Open(std::string_view title, std::string& why);

// Closes the window; returns once it is gone.
void Close();

// The visible page changed (drawn on, or another page made visible): repaint it soon.
// Called by the program's thread with the page lock held; must not block.
void Wake();

// Delay: suspends the program's thread while the window goes on being served.
void Pause(unsigned milliseconds);

// Called by each input poll; lets the headless backend script input deterministically.
void Polled();

}  // namespace display::backend
