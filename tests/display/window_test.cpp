// The SDL window thread under SDL's dummy video driver: events pushed into SDL's queue reach the input
// state by the same path as real ones, and what the thread presents is read back from its surface.
#include "display/core.h"
#include "display/graph.h"
#include "display/input.h"
#include "display/window_sdl.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using display::window::Flush;

constexpr auto kDeadline = 2s;

// Polls a condition until it holds or the deadline passes.
bool WaitFor(const std::function<bool()>& condition) {
  const auto end = std::chrono::steady_clock::now() + kDeadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

// --- Events as SDL makes them ------------------------------------------------------------------------

SDL_Event Motion(int x, int y, Uint32 state = 0) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = display::window::WindowId();
  e.motion.x = x;
  e.motion.y = y;
  e.motion.state = state;
  return e;
}

SDL_Event Button(bool down, Uint8 button, int x, int y) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.windowID = display::window::WindowId();
  e.button.button = button;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = x;
  e.button.y = y;
  return e;
}

SDL_Event Wheel(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = display::window::WindowId();
  e.wheel.y = 1;
  e.wheel.mouseX = x;
  e.wheel.mouseY = y;
  return e;
}

// `mod` is SDL's modifier state after the event, as SDL reports it: a Shift press carries KMOD_LSHIFT.
SDL_Event Key(bool down, SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.windowID = display::window::WindowId();
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = repeat;
  e.key.keysym.sym = sym;
  e.key.keysym.mod = mod;
  return e;
}

SDL_Event Text(const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  e.text.windowID = display::window::WindowId();
  SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
  return e;
}

SDL_Event Window(Uint8 event) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = display::window::WindowId();
  e.window.event = event;
  return e;
}

SDL_Event Quit() {
  SDL_Event e{};
  e.type = SDL_QUIT;
  return e;
}

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "dummy", 0); }

  void SetUp() override {
    display::input::Reset();
    display::window::KeepPresentedImages(true);
    InitGraph(3, 4, "TABELUL PERIODIC AL LUI MENDELEEV");
    ASSERT_NE(display::window::WindowId(), 0u);
  }

  void TearDown() override {
    CloseGraph();
    display::window::KeepPresentedImages(false);
    display::window::ForceIndexedPresent(false);
    display::input::Reset();
  }

  // Pushes the events and waits until the window thread has handled them. Events sent `together`
  // enter SDL's queue in one step, as SDL itself queues the motion and the leave of a pointer going out.
  static void Send(std::vector<SDL_Event> events, bool together = false) {
    if (together) {
      ASSERT_EQ(SDL_PeepEvents(events.data(), static_cast<int>(events.size()), SDL_ADDEVENT, 0, 0),
                static_cast<int>(events.size()));
    } else {
      for (SDL_Event& e : events) ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
    }
    ASSERT_TRUE(Flush(kDeadline)) << "the window thread did not handle the events";
  }

  // The visible page as the window should show it.
  static std::vector<uint32_t> ExpectedImage() {
    std::vector<uint32_t> rgb(static_cast<size_t>(display::kWidth) * display::kHeight);
    display::IndicesToXrgb(display::PagePixels(display::VisiblePage()), rgb.data(), rgb.size());
    return rgb;
  }

  static bool ShowsVisiblePage() { return display::window::LastPresentedImage() == ExpectedImage(); }
};

// --- Opening and closing -------------------------------------------------------------------------------

TEST_F(WindowTest, OpensShowingTheBlackPageZeroWithNoInput) {
  EXPECT_EQ(GetMaxX(), 639);
  EXPECT_EQ(GetMaxY(), 479);
  EXPECT_EQ(GetMouseButtons(), 0);
  EXPECT_FALSE(KeyPressed());
  // The first present happens before InitGraph returns.
  EXPECT_GE(display::window::PresentCount(), 1u);
  const std::vector<uint32_t> image = display::window::LastPresentedImage();
  ASSERT_EQ(image.size(), static_cast<size_t>(640 * 480));
  EXPECT_EQ(image, std::vector<uint32_t>(image.size(), 0u));
}

TEST_F(WindowTest, InitGraphWhileOpenDoesNothing) {
  const uint32_t id = display::window::WindowId();
  InitGraph(3, 4, "another");
  EXPECT_EQ(display::window::WindowId(), id);
  Send({Window(SDL_WINDOWEVENT_EXPOSED)});
}

TEST_F(WindowTest, CloseGraphEndsTheThreadAndTheWindowCanOpenAgain) {
  CloseGraph();
  EXPECT_EQ(display::window::WindowId(), 0u);
  EXPECT_FALSE(Flush(kDeadline)) << "no thread serves a closed window";
  InitGraph(3, 4, "again");
  EXPECT_NE(display::window::WindowId(), 0u);
  Send({Key(true, SDLK_F2)});
  EXPECT_TRUE(KeyPressed());
}

TEST(WindowExit, ExitWithTheWindowOpenClosesItAndEnds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  EXPECT_EXIT(
      {
        InitGraph(3, 4, "exit");
        std::exit(display::window::WindowId() != 0 ? 7 : 8);
      },
      ::testing::ExitedWithCode(7), "");
}

// --- Presents ----------------------------------------------------------------------------------------

class PresentPath : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PresentPath, TheWindowShowsTheVisiblePageOnly) {
  display::window::ForceIndexedPresent(GetParam());
  // On the visible page: shows.
  SetFillStyle(1, 15);
  Bar(10, 10, 20, 20);
  ASSERT_TRUE(WaitFor(ShowsVisiblePage));
  EXPECT_EQ(display::window::LastPresentedImage()[15 * 640 + 15], display::kPalette[15]);

  // On a hidden page: nothing changes, though a later drawing on the visible page is presented.
  SetActivePage(1);
  SetFillStyle(1, 4);
  Bar(100, 100, 110, 110);
  SetActivePage(0);
  SetFillStyle(1, 2);
  Bar(30, 30, 40, 40);
  ASSERT_TRUE(WaitFor(ShowsVisiblePage));
  EXPECT_EQ(display::window::LastPresentedImage()[105 * 640 + 105], 0u);

  // SetVisualPage shows the whole other page.
  SetVisualPage(1);
  ASSERT_TRUE(WaitFor(ShowsVisiblePage));
  const std::vector<uint32_t> image = display::window::LastPresentedImage();
  EXPECT_EQ(image[105 * 640 + 105], display::kPalette[4]);
  EXPECT_EQ(image[15 * 640 + 15], 0u);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, PresentPath, ::testing::Values(false, true),
                         [](const auto& test) { return test.param ? "Indexed" : "Direct"; });

class RepaintEvent : public WindowTest, public ::testing::WithParamInterface<SDL_WindowEventID> {};

TEST_P(RepaintEvent, PresentsAgain) {
  ASSERT_TRUE(WaitFor(ShowsVisiblePage));
  const uint64_t before = display::window::PresentCount();
  Send({Window(GetParam())});
  EXPECT_TRUE(WaitFor([&] { return display::window::PresentCount() > before; }));
}

INSTANTIATE_TEST_SUITE_P(Events, RepaintEvent,
                         ::testing::Values(SDL_WINDOWEVENT_SHOWN, SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_RESTORED,
                                           SDL_WINDOWEVENT_SIZE_CHANGED));

// A close request is a key; neither it nor SDL's quit event closes the window.
struct StayOpenCase {
  const char* name;
  SDL_Event event;
  std::vector<uint8_t> queued;
};

// Test lists and failures name the case.
void PrintTo(const StayOpenCase& c, std::ostream* out) { *out << c.name; }

class StaysOpen : public WindowTest, public ::testing::WithParamInterface<StayOpenCase> {};

TEST_P(StaysOpen, AfterTheEvent) {
  Send({GetParam().event});
  EXPECT_EQ(display::input::QueuedKeyBytes(), GetParam().queued);
  EXPECT_EQ(KeyPressed(), !GetParam().queued.empty());
  SetFillStyle(1, 14);
  Bar(0, 0, 639, 479);
  EXPECT_TRUE(WaitFor(ShowsVisiblePage)) << "the window no longer presents";
  EXPECT_NE(display::window::WindowId(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Events, StaysOpen,
                         ::testing::Values(StayOpenCase{"CloseRequest", Window(SDL_WINDOWEVENT_CLOSE), {0, 107}},
                                           StayOpenCase{"Quit", Quit(), {}}),
                         [](const auto& test) { return std::string(test.param.name); });

// --- Mouse -------------------------------------------------------------------------------------------

// Events, then the values of successive GetMouseButtons and the position after them.
struct MousePhase {
  std::vector<SDL_Event> events;
  std::vector<uint16_t> reads;
  int x, y;
  bool together = false;
};

struct MouseCase {
  const char* name;
  std::vector<MousePhase> phases;
};

// Test lists and failures name the case.
void PrintTo(const MouseCase& c, std::ostream* out) { *out << c.name; }

class Mouse : public WindowTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(Mouse, EventsReachTheState) {
  int index = 0;
  for (const MousePhase& phase : GetParam().phases) {
    SCOPED_TRACE("phase " + std::to_string(index++));
    Send(phase.events, phase.together);
    for (const uint16_t expected : phase.reads) EXPECT_EQ(GetMouseButtons(), expected);
    EXPECT_EQ(GetMouseX(), phase.x);
    EXPECT_EQ(GetMouseY(), phase.y);
    GetMouseButtons();  // ends the pass: a press after a position read waits for the next buttons read
  }
}

constexpr Uint8 kLeft = SDL_BUTTON_LEFT, kRight = SDL_BUTTON_RIGHT, kMiddle = SDL_BUTTON_MIDDLE;

INSTANTIATE_TEST_SUITE_P(
    Cases, Mouse,
    ::testing::Values(
        MouseCase{"LeftIsALevel",
                  {{{Button(true, kLeft, 100, 50)}, {1, 1}, 100, 50}, {{Button(false, kLeft, 101, 51)}, {0}, 101, 51}}},
        MouseCase{"RightAndMiddle",
                  {{{Button(true, kRight, 3, 4)}, {2}, 3, 4},
                   {{Button(true, kMiddle, 3, 4)}, {6}, 3, 4},
                   {{Button(false, kRight, 3, 4), Button(false, kMiddle, 3, 4)}, {0}, 3, 4}}},
        MouseCase{"BothButtons",
                  {{{Button(true, kLeft, 9, 9), Button(true, kRight, 9, 9)}, {1, 3}, 9, 9},
                   {{Button(false, kLeft, 9, 9)}, {2}, 9, 9},
                   {{Button(false, kRight, 9, 9)}, {0}, 9, 9}}},
        MouseCase{"ShiftHeldFromKeyEvents",
                  {{{Key(true, SDLK_LSHIFT, KMOD_LSHIFT), Button(true, kLeft, 200, 100)}, {9}, 200, 100},
                   {{Key(false, SDLK_LSHIFT), Button(false, kLeft, 200, 100)}, {0}, 200, 100}}},
        MouseCase{"CtrlHeldFromKeyEvents",
                  {{{Key(true, SDLK_RCTRL, KMOD_RCTRL), Button(true, kLeft, 20, 10)}, {17}, 20, 10}}},
        MouseCase{"ShiftReleasedBeforeTheClick",
                  {{{Key(true, SDLK_LSHIFT, KMOD_LSHIFT), Key(false, SDLK_LSHIFT), Button(true, kLeft, 1, 2)},
                    {1},
                    1,
                    2}}},
        MouseCase{"ModifiersAloneChangeNothing",
                  {{{Motion(5, 5)}, {0}, 5, 5},
                   {{Key(true, SDLK_LSHIFT, KMOD_LSHIFT), Key(true, SDLK_LCTRL, KMOD_LSHIFT | KMOD_LCTRL)}, {0}, 5, 5},
                   {{Motion(6, 5)}, {24}, 6, 5},
                   {{Key(false, SDLK_LSHIFT, KMOD_LCTRL), Key(false, SDLK_LCTRL)}, {24}, 6, 5}}},
        MouseCase{"FocusGainedTakesSdlsModifiers",  // SDL's own keyboard state has no Shift down
                  {{{Key(true, SDLK_LSHIFT, KMOD_LSHIFT), Window(SDL_WINDOWEVENT_FOCUS_GAINED),
                     Button(true, kLeft, 7, 7)},
                    {1},
                    7,
                    7}}},
        MouseCase{"WheelWritesThePosition", {{{Wheel(300, 200)}, {0}, 300, 200}}},
        MouseCase{"MotionOutsideIsDropped",
                  {{{Motion(50, 60), Motion(640, 60), Motion(50, 480), Motion(-1, 3)}, {0}, 50, 60}}},
        MouseCase{"MotionBeforeLeavingIsDropped",
                  {{{Motion(50, 60)}, {0}, 50, 60},
                   {{Motion(639, 60), Window(SDL_WINDOWEVENT_LEAVE)}, {0}, 50, 60, true}}},
        MouseCase{"ReleaseOutsideKeepsTheState",
                  {{{Button(true, kLeft, 10, 10)}, {1}, 10, 10},
                   {{Motion(-5, 10, SDL_BUTTON_LMASK), Button(false, kLeft, -5, 10)}, {1, 1}, 10, 10},
                   {{Motion(20, 20)}, {0}, 20, 20}}},
        MouseCase{"AQuickClickIsReadOnce",
                  {{{Button(true, kLeft, 33, 44), Button(false, kLeft, 33, 44)}, {1, 0}, 33, 44, true}}},
        MouseCase{"ExtraButtonsAreIgnored",
                  {{{Motion(5, 5)}, {0}, 5, 5}, {{Button(true, SDL_BUTTON_X1, 9, 9)}, {0}, 5, 5}}}),
    [](const auto& test) { return std::string(test.param.name); });

// --- Keys --------------------------------------------------------------------------------------------

struct KeyCase {
  const char* name;
  std::vector<SDL_Event> events;
  std::vector<uint8_t> queued;
};

// Test lists and failures name the case.
void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class Keys : public WindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, AddTheirEntries) {
  Send(GetParam().events);
  EXPECT_EQ(display::input::QueuedKeyBytes(), GetParam().queued);
  EXPECT_EQ(KeyPressed(), !GetParam().queued.empty());
}

// A key down and its release.
std::vector<SDL_Event> Press(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
  return {Key(true, sym, mod), Key(false, sym, mod)};
}

// A key down that SDL follows with text, then the release.
std::vector<SDL_Event> Type(SDL_Keycode sym, Uint16 mod, const char* text) {
  return {Key(true, sym, mod), Text(text), Key(false, sym, mod)};
}

std::vector<SDL_Event> Join(std::initializer_list<std::vector<SDL_Event>> parts) {
  std::vector<SDL_Event> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    Typed, Keys,
    ::testing::Values(
        KeyCase{"Letter", Type('a', KMOD_NONE, "a"), {'a'}},
        KeyCase{"ShiftedLetter", Type('a', KMOD_LSHIFT, "A"), {'A'}},
        KeyCase{"Digit", Type('7', KMOD_NONE, "7"), {'7'}},
        KeyCase{"Space", Type(' ', KMOD_NONE, " "), {' '}},
        KeyCase{"AccentedLetter", Type('e', KMOD_NONE, "\xC3\xA9"), {0xE9}},
        KeyCase{"EuroSign", {Text("\xE2\x82\xAC")}, {0x80}},
        KeyCase{"CharacterOutsideTheCodePage", {Text("\xC8\x99x")}, {'?', 'x'}},
        KeyCase{"TwoCharactersAtOnce", {Text("ab")}, {'a', 'b'}},
        KeyCase{"AltGrTypesItsCharacter", Type('q', KMOD_RALT, "@"), {'@'}},
        KeyCase{"KeypadDigitWithNumLock", Type(SDLK_KP_7, KMOD_NUM, "7"), {'7'}},
        KeyCase{"KeypadDigitWithShiftAndNoNumLock", Type(SDLK_KP_7, KMOD_LSHIFT, "7"), {'7'}},
        KeyCase{"KeypadOperator", Type(SDLK_KP_PLUS, KMOD_NUM, "+"), {'+'}},
        KeyCase{"RepeatsAddEntries",
                {Key(true, 'z'), Text("z"), Key(true, 'z', KMOD_NONE, 1), Text("z"), Key(true, 'z', KMOD_NONE, 1),
                 Text("z"), Key(false, 'z')},
                {'z', 'z', 'z'}}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Coded, Keys,
    ::testing::Values(
        KeyCase{"Enter", Press(SDLK_RETURN), {13}},
        KeyCase{"KeypadEnter", Press(SDLK_KP_ENTER, KMOD_NUM), {13}},
        KeyCase{"Escape", Press(SDLK_ESCAPE), {27}},
        KeyCase{"Backspace", Press(SDLK_BACKSPACE), {8}},
        KeyCase{"Tab", Press(SDLK_TAB), {9}},
        KeyCase{"ShiftTab", Press(SDLK_TAB, KMOD_LSHIFT), {0, 15}},
        KeyCase{"CtrlLetter", Press('c', KMOD_LCTRL), {3}},
        KeyCase{"CtrlLetterWithText", Type('z', KMOD_RCTRL, "z"), {26}},
        KeyCase{"CtrlDigit", Type('1', KMOD_LCTRL, "1"), {0, 2}},
        KeyCase{"AltLetter", Type('x', KMOD_LALT, "x"), {0, 45}},
        KeyCase{"AltDigit", Type('0', KMOD_LALT, "0"), {0, 129}},
        KeyCase{"AltSpace", Type(' ', KMOD_LALT, " "), {0, 57}},
        KeyCase{"AltBackspace", Press(SDLK_BACKSPACE, KMOD_LALT), {0, 14}},
        KeyCase{"AltEnter", Press(SDLK_RETURN, KMOD_RALT), {0, 28}},
        KeyCase{"Arrows", Join({Press(SDLK_LEFT), Press(SDLK_RIGHT), Press(SDLK_UP), Press(SDLK_DOWN)}),
                {0, 75, 0, 77, 0, 72, 0, 80}},
        KeyCase{"EditingKeys",
                Join({Press(SDLK_HOME), Press(SDLK_END), Press(SDLK_PAGEUP), Press(SDLK_PAGEDOWN), Press(SDLK_INSERT),
                      Press(SDLK_DELETE)}),
                {0, 71, 0, 79, 0, 73, 0, 81, 0, 82, 0, 83}},
        KeyCase{"CtrlAndAltArrows", Join({Press(SDLK_RIGHT, KMOD_LCTRL), Press(SDLK_UP, KMOD_LALT)}),
                {0, 116, 0, 152}},
        KeyCase{"FunctionKeys",
                Join({Press(SDLK_F1), Press(SDLK_F10), Press(SDLK_F11), Press(SDLK_F12), Press(SDLK_F1, KMOD_LSHIFT),
                      Press(SDLK_F2, KMOD_LCTRL), Press(SDLK_F4, KMOD_LALT)}),
                {0, 59, 0, 68, 0, 133, 0, 134, 0, 84, 0, 95, 0, 107}},
        KeyCase{"PauseAndMenu", Join({Press(SDLK_PAUSE), Press(SDLK_APPLICATION)}), {0, 69, 0, 93}},
        KeyCase{"KeypadWithoutNumLock", Join({Press(SDLK_KP_7), Press(SDLK_KP_5), Press(SDLK_KP_PERIOD)}),
                {0, 71, 0, 76, 0, 83}},
        KeyCase{"KeypadOperatorsWithCtrlOrAlt",
                Join({Type(SDLK_KP_MULTIPLY, KMOD_LCTRL | KMOD_NUM, "*"), Type(SDLK_KP_MINUS, KMOD_LALT, "-")}),
                {0, 150, 0, 74}},
        KeyCase{"HeldArrowRepeats",
                {Key(true, SDLK_DOWN), Key(true, SDLK_DOWN, KMOD_NONE, 1), Key(true, SDLK_DOWN, KMOD_NONE, 1),
                 Key(false, SDLK_DOWN)},
                {0, 80, 0, 80, 0, 80}}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Silent, Keys,
    ::testing::Values(KeyCase{"Shift", Join({Press(SDLK_LSHIFT, KMOD_LSHIFT), Press(SDLK_RSHIFT, KMOD_RSHIFT)}), {}},
                      KeyCase{"Ctrl", Join({Press(SDLK_LCTRL, KMOD_LCTRL), Press(SDLK_RCTRL, KMOD_RCTRL)}), {}},
                      KeyCase{"Alt", Join({Press(SDLK_LALT, KMOD_LALT), Press(SDLK_RALT, KMOD_RALT)}), {}},
                      KeyCase{"Locks", Join({Press(SDLK_CAPSLOCK, KMOD_CAPS), Press(SDLK_NUMLOCKCLEAR, KMOD_NUM),
                                             Press(SDLK_SCROLLLOCK, KMOD_SCROLL)}),
                              {}},
                      KeyCase{"WindowsKeys", Join({Press(SDLK_LGUI, KMOD_LGUI), Press(SDLK_RGUI, KMOD_RGUI)}), {}},
                      KeyCase{"PrintScreen", Press(SDLK_PRINTSCREEN), {}}),
    [](const auto& test) { return std::string(test.param.name); });

// --- Text conversions ----------------------------------------------------------------------------------

struct TextCase {
  const char* name;
  std::string cp1252;
  std::string utf8;
};

// Test lists and failures name the case.
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class Caption : public ::testing::TestWithParam<TextCase> {};

TEST_P(Caption, ConvertsToUtf8) { EXPECT_EQ(display::window::Cp1252ToUtf8(GetParam().cp1252), GetParam().utf8); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Caption,
    ::testing::Values(TextCase{"Ascii", "TABELUL PERIODIC AL LUI MENDELEEV", "TABELUL PERIODIC AL LUI MENDELEEV"},
                      TextCase{"DegreeSign", "20\xB0" "C", "20\xC2\xB0" "C"},
                      TextCase{"Latin1Letters", "\xE9\xFF", "\xC3\xA9\xC3\xBF"},
                      TextCase{"EuroAndQuotes", "\x80\x93\x94", "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D"},
                      TextCase{"UndefinedBytes", "a\x81\x8D\x8F\x90\x9D", "a?????"}),
    [](const auto& test) { return std::string(test.param.name); });

class TypedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(TypedText, ConvertsToCp1252) { EXPECT_EQ(display::window::Utf8ToCp1252(GetParam().utf8), GetParam().cp1252); }

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedText,
    ::testing::Values(TextCase{"Ascii", "Az09 ~", "Az09 ~"}, TextCase{"Latin1", "\xE9\xB0", "\xC3\xA9\xC2\xB0"},
                      TextCase{"HighPunctuation", "\x85\x99\x9F", "\xE2\x80\xA6\xE2\x84\xA2\xC5\xB8"},
                      TextCase{"Missing", "??", "\xC8\x9B\xF0\x9F\x98\x80"},  // t with comma, an emoji
                      TextCase{"Malformed", "?a?", "\xC3" "a\x80"},
                      TextCase{"Truncated", "x??", "x\xE2\x82"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TextRoundTrip, EveryDefinedByteSurvives) {
  for (int b = 0x20; b < 0x100; ++b) {
    if (b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(display::window::Utf8ToCp1252(display::window::Cp1252ToUtf8(byte)), byte) << "byte " << b;
  }
}

}  // namespace
