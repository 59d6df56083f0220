// Floods the X server with input as fast as it takes it: pointer motions over a box of the screen and
// then key presses, through XTEST, as a stress source for the end-to-end tests and the speed script.
// Usage: xflood MOTIONS KEYS X Y WIDTH HEIGHT
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: xflood MOTIONS KEYS X Y WIDTH HEIGHT\n");
    return 2;
  }
  const long motions = std::atol(argv[1]), keys = std::atol(argv[2]);
  const int x = std::atoi(argv[3]), y = std::atoi(argv[4]), w = std::atoi(argv[5]), h = std::atoi(argv[6]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || w <= 0 || h <= 0) {
    std::fprintf(stderr, "xflood: cannot open the display\n");
    return 1;
  }
  for (long i = 0; i < motions; ++i) {
    XTestFakeMotionEvent(display, -1, x + static_cast<int>((i * 7) % w), y + static_cast<int>((i * 13) % h), 0);
    if (i % 1000 == 999) XSync(display, False);
  }
  const KeyCode key = XKeysymToKeycode(display, XK_a);
  for (long i = 0; i < keys; ++i) {
    XTestFakeKeyEvent(display, key, True, 0);
    XTestFakeKeyEvent(display, key, False, 0);
    if (i % 100 == 99) XSync(display, False);
  }
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
