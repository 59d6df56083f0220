// Measures the time from starting a program to its window being shown: the first top-level window
// mapped on the X screen after the start. Prints milliseconds. Usage: start-time PROGRAM [ARGS...]
// The program is left running; the caller ends it.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <spawn.h>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: start-time PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "start-time: cannot open the display\n");
    return 1;
  }
  // Watch the root window for windows being mapped before the program starts, so none is missed.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid;
  if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
    std::fprintf(stderr, "start-time: cannot start %s\n", argv[1]);
    return 1;
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify) break;
  }
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d %.1f\n", static_cast<int>(pid), ms);
  XCloseDisplay(display);
  return 0;
}
