// The headless backend: a window that is never shown, for tests and tools.
#include "display/headless.h"

#include "display/backend.h"

#include <utility>

namespace display::headless {
namespace {
std::function<void(unsigned)> pauseHook;
std::function<void()> pollHook;
std::function<void()> wakeHook;
std::string openFailure;
bool open = false;
int opened = 0;
int closed = 0;
}  // namespace

void SetPauseHook(std::function<void(unsigned)> hook) { pauseHook = std::move(hook); }
void SetPollHook(std::function<void()> hook) { pollHook = std::move(hook); }
void SetWakeHook(std::function<void()> hook) { wakeHook = std::move(hook); }
void ClearHooks() {
  pauseHook = {};
  pollHook = {};
  wakeHook = {};
}
void SetOpenFailure(std::string why) { openFailure = std::move(why); }
bool IsOpen() { return open; }
int OpenCount() { return opened; }
int CloseCount() { return closed; }

}  // namespace display::headless

namespace display::backend {
using namespace display::headless;

bool Open(std::string_view, std::string& why) {
  if (!openFailure.empty()) {
    why = openFailure;
    return false;
  }
  open = true;
  ++opened;
  return true;
}

void Close() {
  open = false;
  ++closed;
}

void Wake() {
  if (wakeHook) wakeHook();
}

void Pause(unsigned milliseconds) {
  if (pauseHook) pauseHook(milliseconds);
}

void Polled() {
  if (pollHook) pollHook();
}

}  // namespace display::backend
