// The input state without a window: mouse levels and bits, the hold that keeps a quick click for the
// program's next read, the key queue that never empties, and a writer racing the polls.
#include "display/graph.h"
#include "display/headless.h"
#include "display/input.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using display::input::RecordMouse;

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override { display::input::Reset(); }
  void TearDown() override {
    display::headless::SetPollHook({});
    display::input::Reset();
  }
};

// --- Mouse state -------------------------------------------------------------------------------------

// One step of a mouse script: an event written by the window thread, or a read by the program.
struct Step {
  enum Kind { kEvent, kRead, kPosition } kind;
  uint16_t x = 0, y = 0, buttons = 0;  // the event, or what the read must see
};
Step Event(uint16_t x, uint16_t y, uint16_t buttons) { return {Step::kEvent, x, y, buttons}; }
// GetMouseButtons must return `buttons`.
Step Read(uint16_t buttons) { return {Step::kRead, 0, 0, buttons}; }
// GetMouseX and GetMouseY must return (x, y); they end no hold.
Step Position(uint16_t x, uint16_t y) { return {Step::kPosition, x, y, 0}; }

struct MouseCase {
  const char* name;
  std::vector<Step> steps;
};

// Test lists and failures name the case.
void PrintTo(const MouseCase& c, std::ostream* out) { *out << c.name; }

class MouseScript : public InputTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseScript, ReadsSeeTheExpectedState) {
  int index = 0;
  for (const Step& step : GetParam().steps) {
    SCOPED_TRACE("step " + std::to_string(index++));
    switch (step.kind) {
      case Step::kEvent:
        RecordMouse(step.x, step.y, step.buttons);
        break;
      case Step::kRead:
        EXPECT_EQ(GetMouseButtons(), step.buttons);
        break;
      case Step::kPosition:
        EXPECT_EQ(GetMouseX(), step.x);
        EXPECT_EQ(GetMouseY(), step.y);
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseScript,
    ::testing::Values(
        MouseCase{"NothingBeforeTheFirstEvent", {Read(0), Position(0, 0)}},
        // A press after the pass read the position waits for the next buttons read, with its own.
        MouseCase{"APressAfterThePositionReadWaitsForItsPosition",
                  {Event(300, 200, 0), Position(300, 200), Event(48, 58, 0), Event(48, 58, 1), Read(0),
                   Position(48, 58), Read(1), Read(1)}},
        MouseCase{"LeftIsALevelFromPressToRelease",
                  {Event(10, 20, 1), Read(1), Read(1), Position(10, 20), Event(10, 20, 0), Read(0), Read(0)}},
        MouseCase{"ShiftWithLeft", {Event(5, 6, 9), Read(9), Event(5, 6, 8), Read(8)}},
        MouseCase{"CtrlWithLeft", {Event(5, 6, 17), Read(17), Event(5, 6, 16), Read(16)}},
        MouseCase{"BothButtons", {Event(1, 1, 1), Read(1), Event(1, 1, 3), Read(3), Event(1, 1, 2), Read(2),
                                  Event(1, 1, 0), Read(0)}},
        MouseCase{"MiddleButton", {Event(1, 1, 4), Read(4), Event(1, 1, 0), Read(0)}},
        MouseCase{"EveryEventWritesThePosition",
                  {Event(100, 200, 0), Position(100, 200), Event(639, 479, 0), Position(639, 479)}},
        MouseCase{"APositionPastTheAreaIsClampedToItsEdge", {Event(700, 65535, 0), Position(639, 479)}},
        MouseCase{"ReleaseBeforeTheReadStillReadsThePressOnce",
                  {Event(30, 40, 1), Event(30, 40, 0), Read(1), Read(0)}},
        MouseCase{"ThePressPositionStaysUntilTheRead",
                  {Event(100, 200, 1), Event(300, 400, 0), Position(100, 200), Read(1), Position(300, 400), Read(0)}},
        MouseCase{"ReadBetweenPressAndReleaseIsNormal",
                  {Event(7, 8, 2), Read(2), Event(7, 8, 0), Read(0), Read(0)}},
        MouseCase{"TheLatestEventDuringAHoldWins",
                  {Event(1, 1, 1), Event(2, 2, 1), Event(3, 3, 0), Event(4, 5, 16), Position(1, 1), Read(1),
                   Position(4, 5), Read(16)}},
        MouseCase{"APressKeptAsideIsHeldInItsTurn",
                  {Event(1, 1, 1), Event(2, 2, 3), Read(1), Event(2, 2, 0), Read(3), Read(0)}},
        MouseCase{"MovesWithoutAPressAreNotHeld", {Event(1, 1, 0), Event(2, 3, 0), Position(2, 3), Read(0)}},
        MouseCase{"MovesWithTheButtonDownAreNotPresses",
                  {Event(1, 1, 1), Read(1), Event(9, 9, 1), Position(9, 9), Event(10, 10, 0), Position(10, 10),
                   Read(0)}},
        MouseCase{"AModifierAloneIsNoPress", {Event(1, 1, 8), Event(2, 2, 0), Read(0)}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(InputTest, ButtonsAndKeyPollsLetTheBackendRunFirst) {
  // The headless backend's poll hook runs inside the poll, before the state is read.
  display::headless::SetPollHook([] { RecordMouse(3, 4, 1); });
  EXPECT_EQ(GetMouseButtons(), 1);
  display::headless::SetPollHook([] { display::input::RecordKey('x'); });
  EXPECT_TRUE(KeyPressed());
}

// --- Key queue ---------------------------------------------------------------------------------------

TEST_F(InputTest, EntriesQueueOldestFirst) {
  EXPECT_FALSE(KeyPressed());
  display::input::RecordKey('a');
  EXPECT_TRUE(KeyPressed());
  display::input::RecordExtendedKey(59);
  display::input::RecordCloseRequest();
  display::input::RecordKey(13);
  EXPECT_EQ(display::input::QueuedKeyBytes(), (std::vector<uint8_t>{'a', 0, 59, 0, 107, 13}));
  EXPECT_TRUE(KeyPressed()) << "a poll takes nothing out";
}

TEST_F(InputTest, CloseRequestAloneMakesAKeyPending) {
  display::input::RecordCloseRequest();
  EXPECT_TRUE(KeyPressed());
  EXPECT_EQ(display::input::QueuedKeyBytes(), (std::vector<uint8_t>{0, 107}));
}

// When full, the oldest entries give way, whatever their sizes.
struct OverflowCase {
  const char* name;
  std::vector<uint16_t> entries;  // below 256: one byte; from 256: (0, entry - 256)
  std::vector<uint8_t> kept;
};

// Test lists and failures name the case.
void PrintTo(const OverflowCase& c, std::ostream* out) { *out << c.name; }

class QueueOverflow : public InputTest, public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(QueueOverflow, KeepsTheNewestEntriesAndNeverEmpties) {
  for (const uint16_t entry : GetParam().entries) {
    if (entry < 256) {
      display::input::RecordKey(static_cast<uint8_t>(entry));
    } else {
      display::input::RecordExtendedKey(static_cast<uint8_t>(entry - 256));
    }
    ASSERT_TRUE(KeyPressed());
  }
  EXPECT_EQ(display::input::QueuedKeyBytes(), GetParam().kept);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(KeyPressed());
}

std::vector<uint16_t> Letters(int count) {
  std::vector<uint16_t> entries;
  for (int i = 0; i < count; ++i) entries.push_back(static_cast<uint16_t>('a' + i % 26));
  return entries;
}

std::vector<uint8_t> Bytes(const std::vector<uint16_t>& entries) {
  std::vector<uint8_t> bytes;
  for (const uint16_t e : entries) {
    if (e >= 256) bytes.push_back(0);
    bytes.push_back(static_cast<uint8_t>(e));
  }
  return bytes;
}

const std::vector<uint16_t> kForty = Letters(40);
const std::vector<uint16_t> kMixed = {'q', 256 + 59, 'w', 256 + 60, 'e', 256 + 61, 'r', 256 + 62, 't', 256 + 63,
                                      'y', 256 + 64, 'u', 256 + 65, 'i', 256 + 66, 'o', 256 + 67, 'p'};

INSTANTIATE_TEST_SUITE_P(
    Cases, QueueOverflow,
    ::testing::Values(
        OverflowCase{"FortyKeys", kForty, Bytes({kForty.end() - display::input::kKeyQueueCapacity, kForty.end()})},
        OverflowCase{"ExactlyFull", Letters(display::input::kKeyQueueCapacity),
                     Bytes(Letters(display::input::kKeyQueueCapacity))},
        OverflowCase{"MixedSizes", kMixed, Bytes({kMixed.end() - display::input::kKeyQueueCapacity, kMixed.end()})}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(InputTest, ResetForgetsEverything) {
  RecordMouse(50, 60, 1);
  display::input::RecordKey('k');
  display::input::Reset();
  EXPECT_FALSE(KeyPressed());
  EXPECT_TRUE(display::input::QueuedKeyBytes().empty());
  EXPECT_EQ(GetMouseButtons(), 0);
  EXPECT_EQ(GetMouseX(), 0);
  EXPECT_EQ(GetMouseY(), 0);
  // No hold survives either: a release right after a new move shows at once.
  RecordMouse(1, 2, 0);
  EXPECT_EQ(GetMouseX(), 1);
}

// --- A writer racing the polls (run it under ThreadSanitizer too) ----------------------------------------

// Event i is at x = i % 640 and y = i / 640 (so y only grows), with buttons chosen by i.
uint16_t ButtonsOf(int i) {
  static constexpr uint16_t kPattern[] = {1, 0, 9, 0, 3, 2, 0, 17, 0, 4};
  return kPattern[i % 10];
}

TEST_F(InputTest, PollsRacingAWriterSeeOnlyWrittenStatesInOrder) {
  constexpr int kMaxEvents = 640 * 480;
  constexpr int kPolls = 100000;
  constexpr int kEventsPerKey = 40;
  std::atomic<bool> start{false}, stop{false};
  std::atomic<int> written{0};
  std::thread writer([&] {
    while (!start.load()) std::this_thread::yield();
    int i = 0;
    // At least a thousand events, even if the reader is done before this thread gets a core.
    for (; i < kMaxEvents && (i < 1000 || !stop.load(std::memory_order_relaxed)); ++i) {
      RecordMouse(static_cast<uint16_t>(i % 640), static_cast<uint16_t>(i / 640), ButtonsOf(i));
      if (i % kEventsPerKey == 0) display::input::RecordKey(static_cast<uint8_t>('a' + i / kEventsPerKey % 26));
    }
    written.store(i);
  });

  const std::set<uint16_t> values = {0, 1, 2, 3, 4, 9, 17};
  uint16_t lastY = 0;
  bool sawKey = false;
  start.store(true);
  for (int poll = 0; poll < kPolls && written.load() == 0; ++poll) {
    const uint16_t buttons = GetMouseButtons();
    ASSERT_TRUE(values.count(buttons)) << "read " << buttons;
    const uint16_t x = GetMouseX(), y = GetMouseY();
    ASSERT_LT(x, 640);
    ASSERT_GE(y, lastY) << "the state went back to an older event";
    lastY = y;
    const bool key = KeyPressed();
    ASSERT_TRUE(key || !sawKey) << "the key queue emptied";
    sawKey = key;
  }
  stop.store(true);
  writer.join();

  // The first read ends the last pass (a press after its position read waits for the next read),
  // the second ends a hold; then the state is the last event written.
  GetMouseButtons();
  GetMouseButtons();
  const int last = written.load() - 1;
  ASSERT_GE(last, 0);
  EXPECT_EQ(GetMouseButtons(), ButtonsOf(last));
  EXPECT_EQ(GetMouseX(), last % 640);
  EXPECT_EQ(GetMouseY(), last / 640);
  EXPECT_TRUE(KeyPressed());
  const std::vector<uint8_t> bytes = display::input::QueuedKeyBytes();
  ASSERT_FALSE(bytes.empty());
  EXPECT_LE(bytes.size(), static_cast<size_t>(display::input::kKeyQueueCapacity));
  EXPECT_EQ(bytes.back(), 'a' + last / kEventsPerKey % 26);
  for (const uint8_t b : bytes) EXPECT_TRUE(b >= 'a' && b <= 'z') << int{b};
}

}  // namespace
