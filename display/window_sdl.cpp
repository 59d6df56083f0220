// The window backend over SDL2: one thread owns every SDL call. It opens the window, presents the
// visible page when it changed, and turns SDL's events into the input state and repaint requests.
#include "display/window_sdl.h"

#include "display/backend.h"
#include "display/core.h"
#include "display/input.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace display::window {

// --- Windows-1252 ---------------------------------------------------------------------------------

namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 where the code page defines none.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char ToCp1252(char32_t c) {
  if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto at = std::find(kHighControls.begin(), kHighControls.end(), c);
  if (c != 0 && at != kHighControls.end()) return static_cast<char>(0x80 + (at - kHighControls.begin()));
  return '?';
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    const char32_t c = byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
    AppendUtf8(out, c == 0 && byte != 0 ? U'?' : c);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length > 0 && i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      c = c << 6 | (next & 0x3F);
    }
    if (!valid) {  // one '?' for the bad byte, then go on with the next
      out += '?';
      ++i;
      continue;
    }
    out += ToCp1252(c);
    i += length;
  }
  return out;
}

// --- State shared between the program's thread and the window thread ---------------------------

namespace {

using Clock = std::chrono::steady_clock;

// User events of our registered type: a wake (repaint or stop), or a flush for the tests.
constexpr Sint32 kWakeCode = 0;
constexpr Sint32 kFlushCode = 1;

// The thread and the outcome of opening the window; only Open, Close and the thread's start use it.
struct Starter {
  std::thread thread;
  std::mutex lock;
  std::condition_variable reported;
  bool done = false;
  bool ok = false;
  std::string why;
};
Starter starter;

std::atomic<bool> serving{false};      // the window is up: Wake may push events
std::atomic<bool> stopping{false};     // Close asked the thread to end
std::atomic<bool> stopSent{false};     // Close's last SDL call is over: SDL may shut down
std::atomic<bool> dirty{false};        // the visible page changed since the last present
std::atomic<bool> wakePending{false};  // a wake event is queued and no present has happened since
std::atomic<uint32_t> wakeType{0};
std::atomic<uint32_t> windowId{0};

// Test hooks.
std::atomic<uint64_t> presents{0};
std::atomic<bool> keepImages{false};
std::atomic<bool> forceIndexed{false};
std::mutex imageLock;
std::vector<uint32_t> keptImage;
std::atomic<uint64_t> flushTickets{0};
std::mutex flushLock;
std::condition_variable flushed;
uint64_t flushedTicket = 0;

bool PushUserEvent(Sint32 code, uint64_t data) {
  SDL_Event event{};
  event.type = wakeType.load(std::memory_order_acquire);
  event.user.code = code;
  event.user.data1 = reinterpret_cast<void*>(static_cast<uintptr_t>(data));
  return SDL_PushEvent(&event) > 0;
}

// --- Keys ----------------------------------------------------------------------------------------
// A key entry: 0 is none, 1..255 a one-byte entry, kExtended | code the two-byte entry (0, code).
// The codes follow the keyboard of the original platform where it had them (its "extended" codes are
// the keys' scan codes, or codes of their own for combinations).

constexpr uint16_t kExtended = 0x100;
constexpr uint16_t E(int code) { return static_cast<uint16_t>(kExtended | code); }

struct KeyCodes {
  SDL_Keycode key;
  uint16_t plain, shift, ctrl, alt;
};

// Keys that yield no text, whatever the modifiers.
constexpr KeyCodes kKeys[] = {
    {SDLK_RETURN, 13, 13, 10, E(28)},
    {SDLK_KP_ENTER, 13, 13, 10, E(166)},
    {SDLK_ESCAPE, 27, 27, 27, E(1)},
    {SDLK_BACKSPACE, 8, 8, 127, E(14)},
    {SDLK_TAB, 9, E(15), E(148), E(165)},
    {SDLK_HOME, E(71), E(71), E(119), E(151)},
    {SDLK_UP, E(72), E(72), E(141), E(152)},
    {SDLK_PAGEUP, E(73), E(73), E(132), E(153)},
    {SDLK_LEFT, E(75), E(75), E(115), E(155)},
    {SDLK_RIGHT, E(77), E(77), E(116), E(157)},
    {SDLK_END, E(79), E(79), E(117), E(159)},
    {SDLK_DOWN, E(80), E(80), E(145), E(160)},
    {SDLK_PAGEDOWN, E(81), E(81), E(118), E(161)},
    {SDLK_INSERT, E(82), E(82), E(146), E(162)},
    {SDLK_DELETE, E(83), E(83), E(147), E(163)},
    {SDLK_F1, E(59), E(84), E(94), E(104)},
    {SDLK_F2, E(60), E(85), E(95), E(105)},
    {SDLK_F3, E(61), E(86), E(96), E(106)},
    {SDLK_F4, E(62), E(87), E(97), E(107)},  // Alt+F4 is the close request's entry
    {SDLK_F5, E(63), E(88), E(98), E(108)},
    {SDLK_F6, E(64), E(89), E(99), E(109)},
    {SDLK_F7, E(65), E(90), E(100), E(110)},
    {SDLK_F8, E(66), E(91), E(101), E(111)},
    {SDLK_F9, E(67), E(92), E(102), E(112)},
    {SDLK_F10, E(68), E(93), E(103), E(113)},
    {SDLK_F11, E(133), E(135), E(137), E(139)},
    {SDLK_F12, E(134), E(136), E(138), E(140)},
    {SDLK_PAUSE, E(69), E(69), E(69), E(69)},
    {SDLK_APPLICATION, E(93), E(93), E(93), E(93)},  // the context-menu key acts as Shift+F10
};

// Keypad keys that move the cursor while Num Lock is off (or Shift inverts it), and type their
// digit otherwise; the digit then comes as text.
struct KeypadKey {
  SDL_Keycode key;
  SDL_Keycode cursor;  // the cursor key it stands for
};
constexpr KeypadKey kKeypad[] = {
    {SDLK_KP_7, SDLK_HOME}, {SDLK_KP_8, SDLK_UP},   {SDLK_KP_9, SDLK_PAGEUP},
    {SDLK_KP_4, SDLK_LEFT}, {SDLK_KP_5, 0},         {SDLK_KP_6, SDLK_RIGHT},
    {SDLK_KP_1, SDLK_END},  {SDLK_KP_2, SDLK_DOWN}, {SDLK_KP_3, SDLK_PAGEDOWN},
    {SDLK_KP_0, SDLK_INSERT}, {SDLK_KP_PERIOD, SDLK_DELETE}};

// Keypad operators: text alone, entries of their own with Ctrl or Alt.
constexpr KeyCodes kKeypadOperators[] = {
    {SDLK_KP_DIVIDE, 0, 0, E(149), E(164)},
    {SDLK_KP_MULTIPLY, 0, 0, E(150), E(55)},
    {SDLK_KP_MINUS, 0, 0, E(142), E(74)},
    {SDLK_KP_PLUS, 0, 0, E(144), E(78)},
};

// Scan codes of the letters a..z, the codes of Alt with a letter.
constexpr uint8_t kLetterScanCodes[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                          49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};

uint16_t Pick(const KeyCodes& codes, bool shift, bool ctrl, bool alt) {
  return alt ? codes.alt : ctrl ? codes.ctrl : shift ? codes.shift : codes.plain;
}

template <typename Table>
const auto* Find(const Table& table, SDL_Keycode key) {
  const auto at = std::find_if(std::begin(table), std::end(table), [&](const auto& row) { return row.key == key; });
  return at == std::end(table) ? nullptr : &*at;
}

// The entry a key press adds by its key code, or 0 when it adds none (modifiers, locks, the GUI
// keys, Print Screen) or its entry comes as text (printable keys alone or with Shift).
uint16_t KeyEntry(SDL_Keycode key, Uint16 mod) {
  const bool shift = mod & KMOD_SHIFT, ctrl = mod & KMOD_CTRL, alt = mod & KMOD_ALT;
  if (const KeyCodes* row = Find(kKeys, key)) return Pick(*row, shift, ctrl, alt);
  if (const KeyCodes* row = Find(kKeypadOperators, key)) return Pick(*row, shift, ctrl, alt);
  if (const KeypadKey* pad = Find(kKeypad, key)) {
    const KeyCodes* cursor = Find(kKeys, pad->cursor);  // none for keypad 5
    if (alt) return cursor != nullptr ? cursor->alt : 0;
    if (ctrl) return cursor != nullptr ? cursor->ctrl : E(143);
    if (((mod & KMOD_NUM) != 0) != shift) return 0;  // types its digit, which comes as text
    return cursor != nullptr ? cursor->plain : E(76);
  }
  // Printable keys. Only the left Alt makes combinations: the right one is AltGr on many layouts,
  // where it types characters.
  const bool leftAlt = mod & KMOD_LALT;
  if (key >= 'a' && key <= 'z') {
    if (leftAlt) return E(kLetterScanCodes[key - 'a']);
    if (ctrl) return static_cast<uint16_t>(key - 'a' + 1);
    return 0;
  }
  if (key >= '0' && key <= '9') {
    const int scan = key == '0' ? 11 : key - '1' + 2;
    if (leftAlt) return E(key == '0' ? 129 : key - '1' + 120);
    if (ctrl) return E(scan);
    return 0;
  }
  if (leftAlt) {
    switch (key) {
      case '-': return E(130);
      case '=': return E(131);
      case ' ': return E(57);
      default: return 0;
    }
  }
  if (ctrl) {
    switch (key) {
      case '[': return 27;
      case '\\': return 28;
      case ']': return 29;
      case '-': return 31;
      case ' ': return 32;
      default: return 0;
    }
  }
  return 0;
}

void RecordEntry(uint16_t entry) {
  if (entry & kExtended) {
    input::RecordExtendedKey(static_cast<uint8_t>(entry));
  } else {
    input::RecordKey(static_cast<uint8_t>(entry));
  }
}

// --- The window thread ---------------------------------------------------------------------------

// The screen must hold the drawing area plus this much frame and caption for a framed window.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
// How long the thread waits for events when nothing is to be presented.
constexpr int kIdleWaitMs = 100;
// Events handled between two looks at the page, so a flood of them cannot hold presents back.
constexpr int kEventsPerTurn = 256;

// Xlib's default handler ends the process on any protocol error, such as a wake-up sent to a window
// while it is being destroyed; none of them is worth ending the program for.
int IgnoreProtocolError(Display*, XErrorEvent*) { return 0; }

[[noreturn]] int LostServer(Display*) {
  static constexpr char kLine[] = "tabelul-periodic: lost the connection to the X server\n";
  if (write(STDERR_FILENO, kLine, sizeof kLine - 1) < 0) {
    // Nothing more can be said.
  }
  _exit(1);
}

class WindowThread {
 public:
  // Opens the window and reports the outcome; on success serves it until Close.
  void Run(const std::string& title) {
    std::string why;
    if (Open(title, why)) {
      serving.store(true, std::memory_order_release);
      Report(true, "");
      Serve();
      serving.store(false, std::memory_order_release);
      stopSent.wait(false, std::memory_order_acquire);  // not while Close is still inside SDL_PushEvent
      CleanUp();
    } else {
      CleanUp();
      Report(false, why);
    }
  }

 private:
  bool Open(const std::string& title, std::string& why) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // Unless the user names a video driver, use the desktop's: without this SDL falls back to its
    // invisible "offscreen" driver when there is no display, and the program would run unseen.
    const char* named = std::getenv("SDL_VIDEODRIVER");
    const bool chosen = named != nullptr && *named != '\0';
    if (!chosen) {
      const char* wayland = std::getenv("WAYLAND_DISPLAY");
      const char* x11 = std::getenv("DISPLAY");
      const bool onlyWayland = wayland != nullptr && *wayland != '\0' && (x11 == nullptr || *x11 == '\0');
      SDL_SetHint(SDL_HINT_VIDEODRIVER, onlyWayland ? "wayland" : "x11");
    }
    // Before SDL_Init: SDL keeps the handler it finds, calls it from its own, and puts it back when
    // it shuts down, so it stays in force while the connections are closed, when the last errors of
    // a destroyed window arrive.
    XSetErrorHandler(IgnoreProtocolError);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
      if (chosen) return Failed(why);
      const char* x11 = std::getenv("DISPLAY");
      why = (x11 == nullptr || *x11 == '\0') ? std::string("no display (DISPLAY is not set)")
                                            : "cannot connect to the display " + std::string(x11);
      return false;
    }
    initialised_ = true;
    // After SDL_Init, which opens the X connection, so this handler is the one Xlib calls.
    XSetIOErrorHandler(LostServer);

    SDL_Rect screen, usable;
    if (SDL_GetDisplayBounds(0, &screen) != 0) return Failed(why);
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = screen;
    if (screen.w < kWidth || screen.h < kHeight) {
      why = "the screen is " + std::to_string(screen.w) + " x " + std::to_string(screen.h) +
            ", smaller than the 640 x 480 drawing area";
      return false;
    }
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (usable.w < kWidth + kFrameWidth || usable.h < kHeight + kFrameHeight) flags |= SDL_WINDOW_BORDERLESS;
    window_ = SDL_CreateWindow(Cp1252ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                               kHeight, flags);
    if (window_ == nullptr) return Failed(why);
    const Uint32 type = SDL_RegisterEvents(1);
    if (type == static_cast<Uint32>(-1)) return Failed(why);
    wakeType.store(type, std::memory_order_release);
    windowId.store(SDL_GetWindowID(window_), std::memory_order_release);

    cursor_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);  // none under drivers without cursors
    if (cursor_ != nullptr) SDL_SetCursor(cursor_);
    SDL_StartTextInput();
    SDL_DisplayMode mode;
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    if (SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0) {
      period_ = std::chrono::microseconds(1'000'000 / mode.refresh_rate);
    }
    const SDL_Keymod mods = SDL_GetModState();
    shift_ = mods & KMOD_SHIFT;
    ctrl_ = mods & KMOD_CTRL;

    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    Present();
    return true;
  }

  bool Failed(std::string& why) {
    why = SDL_GetError();
    return false;
  }

  void Report(bool ok, const std::string& why) {
    std::lock_guard lock(starter.lock);
    starter.done = true;
    starter.ok = ok;
    starter.why = why;
    starter.reported.notify_all();
  }

  void CleanUp() {
    windowId.store(0, std::memory_order_release);
    if (indexed_ != nullptr) SDL_FreeSurface(indexed_);
    if (cursor_ != nullptr) SDL_FreeCursor(cursor_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (initialised_) SDL_Quit();
  }

  // Presents when the page is dirty and a refresh period has passed; otherwise waits for events.
  void Serve() {
    Clock::time_point lastPresent = Clock::now();
    while (!stopping.load(std::memory_order_acquire)) {
      const Clock::time_point now = Clock::now();
      int timeoutMs = kIdleWaitMs;
      if (dirty.load(std::memory_order_acquire)) {
        const Clock::time_point due = lastPresent + period_;
        if (now >= due) {
          Present();
          lastPresent = now;
          continue;
        }
        timeoutMs = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(due - now).count());
      }
      SDL_Event event;
      if (SDL_WaitEventTimeout(&event, std::max(timeoutMs, 1)) == 0) continue;
      int handled = 0;
      do {
        Handle(event);
      } while (++handled < kEventsPerTurn && SDL_PollEvent(&event));
    }
  }

  // Copies the visible page and puts it on the window surface, converting through the palette.
  void Present() {
    wakePending.store(false, std::memory_order_release);
    dirty.store(false, std::memory_order_release);
    CopyVisiblePage(page_.data());
    SDL_Surface* surface = SDL_GetWindowSurface(window_);  // may change with the window: fetch each time
    if (surface == nullptr) return;
    if (surface->format->format == SDL_PIXELFORMAT_XRGB8888 && !forceIndexed.load(std::memory_order_relaxed)) {
      if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
      const int width = std::min(surface->w, kWidth), height = std::min(surface->h, kHeight);
      for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
        IndicesToXrgb(page_.data() + y * kWidth, row, static_cast<size_t>(width));
      }
      if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    } else {
      if (!PresentIndexed(surface)) return;
    }
    SDL_UpdateWindowSurface(window_);
    if (keepImages.load(std::memory_order_relaxed)) KeepImage(surface);
    presents.fetch_add(1, std::memory_order_release);
  }

  // Any other surface format: an 8-bit surface with the palette, blitted (and converted) by SDL.
  bool PresentIndexed(SDL_Surface* surface) {
    if (indexed_ == nullptr) {
      indexed_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 8, SDL_PIXELFORMAT_INDEX8);
      if (indexed_ == nullptr) return false;
      std::array<uint8_t, 256> indices;
      std::array<uint32_t, 256> rgb;
      for (int i = 0; i < 256; ++i) indices[i] = static_cast<uint8_t>(i);
      IndicesToXrgb(indices.data(), rgb.data(), rgb.size());
      std::array<SDL_Color, 256> colours;
      for (int i = 0; i < 256; ++i) {
        colours[i] = SDL_Color{static_cast<Uint8>(rgb[i] >> 16), static_cast<Uint8>(rgb[i] >> 8),
                               static_cast<Uint8>(rgb[i]), 255};
      }
      SDL_SetPaletteColors(indexed_->format->palette, colours.data(), 0, 256);
    }
    for (int y = 0; y < kHeight; ++y) {
      std::memcpy(static_cast<uint8_t*>(indexed_->pixels) + y * indexed_->pitch, page_.data() + y * kWidth, kWidth);
    }
    return SDL_BlitSurface(indexed_, nullptr, surface, nullptr) == 0;
  }

  void KeepImage(SDL_Surface* surface) {
    SDL_Surface* xrgb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_XRGB8888, 0);
    if (xrgb == nullptr) return;
    std::vector<uint32_t> image(static_cast<size_t>(kWidth) * kHeight, 0);
    for (int y = 0; y < std::min(xrgb->h, kHeight); ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(xrgb->pixels) + y * xrgb->pitch);
      for (int x = 0; x < std::min(xrgb->w, kWidth); ++x) {
        image[static_cast<size_t>(y) * kWidth + x] = row[x] & 0xFFFFFF;
      }
    }
    SDL_FreeSurface(xrgb);
    std::lock_guard lock(imageLock);
    keptImage = std::move(image);
  }

  void Handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_WINDOWEVENT:
        HandleWindowEvent(event.window);
        break;
      case SDL_MOUSEMOTION:
        if (!LeavesNext()) RecordMouse(event.motion.x, event.motion.y);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        const uint16_t bit = event.button.button == SDL_BUTTON_LEFT    ? 1
                             : event.button.button == SDL_BUTTON_RIGHT  ? 2
                             : event.button.button == SDL_BUTTON_MIDDLE ? 4
                                                                        : 0;
        if (bit == 0) break;  // extra buttons are not part of the state
        buttons_ = event.type == SDL_MOUSEBUTTONDOWN ? buttons_ | bit : buttons_ & ~bit;
        RecordMouse(event.button.x, event.button.y);
        break;
      }
      case SDL_MOUSEWHEEL:
        RecordMouse(event.wheel.mouseX, event.wheel.mouseY);
        break;
      case SDL_KEYDOWN: {
        TrackModifiers(event.key.keysym.mod);
        const uint16_t entry = KeyEntry(event.key.keysym.sym, event.key.keysym.mod);
        if (entry != 0) RecordEntry(entry);
        // The same key may also come as text (Alt or Ctrl with a printable key, Shift with the
        // keypad): its entry is in already.
        swallowText_ = entry != 0;
        break;
      }
      case SDL_KEYUP:
        TrackModifiers(event.key.keysym.mod);
        swallowText_ = false;
        break;
      case SDL_TEXTINPUT:
        if (!swallowText_) {
          for (const char c : Utf8ToCp1252(event.text.text)) input::RecordKey(static_cast<uint8_t>(c));
        }
        swallowText_ = false;
        break;
      default:  // SDL_QUIT among them: only CloseGraph ends the window
        if (event.type == wakeType.load(std::memory_order_relaxed) && event.user.code == kFlushCode) {
          std::lock_guard lock(flushLock);
          flushedTicket = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(event.user.data1));
          flushed.notify_all();
        }
        break;
    }
  }

  void HandleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
      case SDL_WINDOWEVENT_SHOWN:
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_RESTORED:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        dirty.store(true, std::memory_order_release);
        break;
      case SDL_WINDOWEVENT_CLOSE:
        input::RecordCloseRequest();  // the window stays open until CloseGraph
        break;
      case SDL_WINDOWEVENT_FOCUS_GAINED:
        // Modifier keys pressed or released while another window had the focus sent us no events.
        TrackModifiers(static_cast<Uint16>(SDL_GetModState()));
        break;
      default:
        break;
    }
  }

  // Shift and Ctrl follow the key events in queue order; SDL's global state runs ahead of them.
  void TrackModifiers(Uint16 mod) {
    shift_ = mod & KMOD_SHIFT;
    ctrl_ = mod & KMOD_CTRL;
  }

  // Writes the mouse state for an event at (x, y); events outside the drawing area (a release after
  // the pointer left with the button down) leave it as it was.
  void RecordMouse(Sint32 x, Sint32 y) {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
    const uint16_t bits = static_cast<uint16_t>(buttons_ | (shift_ ? 8 : 0) | (ctrl_ ? 16 : 0));
    input::RecordMouse(static_cast<uint16_t>(x), static_cast<uint16_t>(y), bits);
  }

  // Whether the next queued event, wake events aside, is the pointer leaving the window. SDL puts a
  // motion clamped to the window's edge just before it, which is not where the pointer went.
  bool LeavesNext() {
    std::array<SDL_Event, 8> next;
    const int count = SDL_PeepEvents(next.data(), static_cast<int>(next.size()), SDL_PEEKEVENT, SDL_FIRSTEVENT,
                                     SDL_LASTEVENT);
    const Uint32 wake = wakeType.load(std::memory_order_relaxed);
    for (int i = 0; i < count; ++i) {
      if (next[i].type == wake) continue;
      return next[i].type == SDL_WINDOWEVENT && next[i].window.event == SDL_WINDOWEVENT_LEAVE;
    }
    return false;
  }

  SDL_Window* window_ = nullptr;
  SDL_Cursor* cursor_ = nullptr;
  SDL_Surface* indexed_ = nullptr;
  bool initialised_ = false;
  std::chrono::microseconds period_{1'000'000 / 60};  // when the display does not tell its rate
  std::vector<uint8_t> page_ = std::vector<uint8_t>(static_cast<size_t>(kWidth) * kHeight);
  uint16_t buttons_ = 0;
  bool shift_ = false;
  bool ctrl_ = false;
  bool swallowText_ = false;
};

// Ends the window when the program exits without CloseGraph, before any static object goes away.
// The process is ending with the window still open. If it ends from the window thread itself (a
// library calling exit there), that thread cannot be joined: let it go with the process.
void CloseAtExit() {
  if (starter.thread.joinable() && starter.thread.get_id() == std::this_thread::get_id()) {
    starter.thread.detach();
    return;
  }
  backend::Close();
}

}  // namespace

// --- Test hooks ------------------------------------------------------------------------------------

uint32_t WindowId() { return windowId.load(std::memory_order_acquire); }

bool Flush(std::chrono::milliseconds timeout) {
  if (!serving.load(std::memory_order_acquire)) return false;
  const uint64_t ticket = flushTickets.fetch_add(1) + 1;
  if (!PushUserEvent(kFlushCode, ticket)) return false;
  std::unique_lock lock(flushLock);
  return flushed.wait_for(lock, timeout, [&] { return flushedTicket >= ticket; });
}

uint64_t PresentCount() { return presents.load(std::memory_order_acquire); }

void KeepPresentedImages(bool on) { keepImages.store(on, std::memory_order_relaxed); }

std::vector<uint32_t> LastPresentedImage() {
  std::lock_guard lock(imageLock);
  return keptImage;
}

void ForceIndexedPresent(bool on) { forceIndexed.store(on, std::memory_order_relaxed); }

}  // namespace display::window

// --- The backend -----------------------------------------------------------------------------------

namespace display::backend {

using namespace display::window;

bool Open(std::string_view title, std::string& why) {
  if (starter.thread.joinable()) return true;  // already open
  static const bool exitHookSet = std::atexit(CloseAtExit) == 0;
  (void)exitHookSet;
  stopping.store(false, std::memory_order_release);
  stopSent.store(false, std::memory_order_release);
  {
    std::lock_guard lock(starter.lock);
    starter.done = false;
  }
  starter.thread = std::thread([title = std::string(title)] { WindowThread().Run(title); });
  std::unique_lock lock(starter.lock);
  starter.reported.wait(lock, [] { return starter.done; });
  if (starter.ok) return true;
  why = starter.why;
  lock.unlock();
  starter.thread.join();
  return false;
}

void Close() {
  if (!starter.thread.joinable()) return;
  stopping.store(true, std::memory_order_release);
  PushUserEvent(kWakeCode, 0);  // the thread also looks at `stopping` after each wait
  stopSent.store(true, std::memory_order_release);
  stopSent.notify_one();
  starter.thread.join();
}

void Wake() {
  dirty.store(true, std::memory_order_release);
  if (!serving.load(std::memory_order_acquire)) return;
  if (!wakePending.exchange(true, std::memory_order_acq_rel)) PushUserEvent(kWakeCode, 0);
}

void Pause(unsigned milliseconds) {
  // The kernel may stretch a sleep by the thread's timer slack (50 us by default); at one 4 ms pause
  // per frame that alone is over 1 % of the frame period, so ask for the tightest wake-up.
  static thread_local const bool tight = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
  (void)tight;
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void Polled() {}

}  // namespace display::backend
