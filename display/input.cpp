// The input state: the mouse state as one atomic word and the key queue. The window thread writes,
// the program's thread polls; a poll is one atomic load, so it never waits behind the writer.
#include "display/input.h"

#include "display/backend.h"
#include "display/core.h"
#include "display/graph.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <mutex>

namespace display::input {
namespace {

// --- Mouse state ---------------------------------------------------------------------------------
// One 64-bit word holds the state the program sees (x, y, buttons), the event kept aside while a
// press is held, and two flags. Writers and the one reader that ends a hold swap the whole word with
// compare-and-swap, so every poll sees a state that some event wrote, never a mix of two.

struct Mouse {
  uint32_t x = 0;
  uint32_t y = 0;
  uint32_t buttons = 0;
};

constexpr int kXBits = 10;
constexpr int kYBits = 9;
constexpr int kButtonBits = 5;
constexpr int kMouseBits = kXBits + kYBits + kButtonBits;
static_assert(kWidth <= 1 << kXBits && kHeight <= 1 << kYBits);

constexpr uint64_t kMouseMask = (uint64_t{1} << kMouseBits) - 1;
constexpr int kAsideShift = kMouseBits;                      // the event kept aside
constexpr uint64_t kHeld = uint64_t{1} << (2 * kMouseBits);  // a press waits for its read
constexpr uint64_t kAside = kHeld << 1;                      // an event is kept aside
constexpr uint32_t kMouseButtonBits = 1 | 2 | 4;             // left, right, middle

uint64_t Pack(const Mouse& m) {
  return uint64_t{m.x} | uint64_t{m.y} << kXBits | uint64_t{m.buttons} << (kXBits + kYBits);
}

Mouse Unpack(uint64_t bits) {
  return Mouse{static_cast<uint32_t>(bits & ((1u << kXBits) - 1)),
               static_cast<uint32_t>(bits >> kXBits & ((1u << kYBits) - 1)),
               static_cast<uint32_t>(bits >> (kXBits + kYBits) & ((1u << kButtonBits) - 1))};
}

uint32_t ShownButtons(uint64_t word) { return Unpack(word & kMouseMask).buttons; }

// Whether going from one button state to the next presses a mouse button.
bool IsPress(uint64_t from, uint64_t to) {
  return (Unpack(to).buttons & ~Unpack(from).buttons & kMouseButtonBits) != 0;
}

// The word once the shown state becomes `next`, holding it if it is a press.
uint64_t Show(uint64_t word, uint64_t next) { return next | (IsPress(word & kMouseMask, next) ? kHeld : 0); }

std::atomic<uint64_t> mouse{0};
static_assert(std::atomic<uint64_t>::is_always_lock_free);

// The program reads x, y and then the buttons of one pass. A tap at a new place (a touch screen, a
// pen) writes a motion and a press at once; falling between those reads, the press would go with
// the position read before it and select what lay under the previous one. So GetMouseX notes the
// state it read, and a press that arrives after that is left held for the next buttons read, when
// the program will have read its position. Program's thread only.
uint64_t passState = 0;
bool passOpen = false;

// --- Key queue -----------------------------------------------------------------------------------
// A ring of entries under a lock that only writers take; polls read the atomic flag. Nothing takes
// entries out, so once set the flag stays set until Reset.

struct KeyEntry {
  uint8_t size = 0;
  std::array<uint8_t, 2> bytes{};
};

std::mutex queueLock;
std::array<KeyEntry, kKeyQueueCapacity> queue;
int queueFirst = 0;
int queueCount = 0;
std::atomic<bool> keyPending{false};

void Enqueue(KeyEntry entry) {
  std::lock_guard lock(queueLock);
  if (queueCount == kKeyQueueCapacity) {  // the oldest gives way
    queueFirst = (queueFirst + 1) % kKeyQueueCapacity;
    --queueCount;
  }
  queue[(queueFirst + queueCount) % kKeyQueueCapacity] = entry;
  ++queueCount;
  keyPending.store(true, std::memory_order_release);
}

}  // namespace

void RecordMouse(uint16_t x, uint16_t y, uint16_t buttons) {
  const uint64_t event = Pack(Mouse{std::min<uint32_t>(x, kWidth - 1), std::min<uint32_t>(y, kHeight - 1),
                                    buttons & ((1u << kButtonBits) - 1)});
  uint64_t word = mouse.load(std::memory_order_relaxed);
  uint64_t next;
  do {
    if (word & kHeld) {  // keep it aside, in place of any earlier one
      next = (word & (kMouseMask | kHeld)) | event << kAsideShift | kAside;
    } else {
      next = Show(word, event);
    }
  } while (!mouse.compare_exchange_weak(word, next, std::memory_order_release, std::memory_order_relaxed));
}

void RecordKey(uint8_t code) { Enqueue(KeyEntry{1, {code, 0}}); }

void RecordExtendedKey(uint8_t code) { Enqueue(KeyEntry{2, {0, code}}); }

void RecordCloseRequest() { RecordExtendedKey(107); }

std::vector<uint8_t> QueuedKeyBytes() {
  std::lock_guard lock(queueLock);
  std::vector<uint8_t> bytes;
  for (int i = 0; i < queueCount; ++i) {
    const KeyEntry& entry = queue[(queueFirst + i) % kKeyQueueCapacity];
    bytes.insert(bytes.end(), entry.bytes.begin(), entry.bytes.begin() + entry.size);
  }
  return bytes;
}

void Reset() {
  mouse.store(0, std::memory_order_release);
  passOpen = false;
  std::lock_guard lock(queueLock);
  queueFirst = 0;
  queueCount = 0;
  keyPending.store(false, std::memory_order_release);
}

}  // namespace display::input

using namespace display::input;

uint16_t GetMouseX() {
  passState = mouse.load(std::memory_order_acquire);
  passOpen = true;
  return static_cast<uint16_t>(Unpack(passState & kMouseMask).x);
}

uint16_t GetMouseY() {
  const uint64_t word = passOpen ? passState : mouse.load(std::memory_order_acquire);
  return static_cast<uint16_t>(Unpack(word & kMouseMask).y);
}

// Reading the buttons ends a hold: the event kept aside, if any, becomes the state right after.
uint16_t GetMouseButtons() {
  display::backend::Polled();
  uint64_t word = mouse.load(std::memory_order_acquire);
  const bool pressAfterPosition = passOpen && (word & kHeld) && !(passState & kHeld);
  passOpen = false;
  if (pressAfterPosition) return static_cast<uint16_t>(ShownButtons(passState));
  while (word & kHeld) {
    const uint64_t next = (word & kAside) ? Show(word, word >> kAsideShift & kMouseMask) : (word & kMouseMask);
    if (mouse.compare_exchange_weak(word, next, std::memory_order_acq_rel, std::memory_order_acquire)) break;
  }
  return static_cast<uint16_t>(ShownButtons(word));
}

bool KeyPressed() {
  display::backend::Polled();
  return keyPending.load(std::memory_order_acquire);
}
