// The headless backend: no window. Lets tests run the real screens against the real pages and feed
// input at exact points of the program's flow.
#pragma once

#include <functional>
#include <string>

namespace display::headless {

// Called at every Delay with its milliseconds, instead of sleeping. Empty function: no hook.
void SetPauseHook(std::function<void(unsigned)> hook);

// Called at every poll of the mouse buttons or the key state.
void SetPollHook(std::function<void()> hook);

// Called whenever the visible page changes (a drawing on it, a page switch): a point inside a drawing
// at which a test can make input arrive.
void SetWakeHook(std::function<void()> hook);

// Removes the pause, poll and wake hooks.
void ClearHooks();

// Makes the next InitGraph fail with this reason (empty: succeed).
void SetOpenFailure(std::string why);

// Whether the stand-in window is open, and how many times it has been opened and closed.
bool IsOpen();
int OpenCount();
int CloseCount();

}  // namespace display::headless
