// End to end: the built program in a real X server with a real window manager, driven by real input
// events and checked through screenshots of its window and its exit status.
#include "tests/e2e/xsession.h"

#include "display/core.h"
#include "display/graph.h"
#include "data/elemente.h"
#include "screens/tabel.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <thread>
#include <unistd.h>
#include <gtest/gtest.h>
#include <map>
#include <numbers>

namespace e2e {
namespace {

constexpr const char* kCaption = "TABELUL PERIODIC AL LUI MENDELEEV";
constexpr int kCentreX = 319;
constexpr int kCentreY = 239;
constexpr int kCellWidth = 32;
constexpr int kCellHeight = 39;
const auto kShort = Seconds(10);

uint32_t Shown(uint32_t named) { return display::Palette()[NamedColor(named) % 256]; }
uint32_t ShellColour(int shell) { return display::Palette()[static_cast<size_t>(NamedColor(0xA8A8A8) + 1 + shell)]; }

// Top-left corner of the table cell of a cell code.
std::pair<int, int> CellCorner(int code) {
  const int row = (code - 1) / 18 + 1, column = (code - 1) % 18 + 1;
  return {column * kCellWidth, row * kCellHeight};
}
std::pair<int, int> CellCentre(int code) {
  const auto [x, y] = CellCorner(code);
  return {x + kCellWidth / 2, y + kCellHeight / 2};
}

// A point of a cell that no text covers: right of the number, above the symbol.
std::pair<int, int> CellProbe(int code) {
  const auto [x, y] = CellCorner(code);
  return {x + 29, y + 11};
}

// Whether the screenshot shows the table screen: every element cell in its fill colour.
bool ShowsTable(const Image& image, std::string* first_wrong = nullptr) {
  for (int z = 1; z <= NumarElemente; ++z) {
    const auto [x, y] = CellProbe(Elemente[z].Pozitie);
    if (image.At(x, y) != Shown(CuloareCelula(z))) {
      if (first_wrong != nullptr) *first_wrong = std::string(Elemente[z].Simbol);
      return false;
    }
  }
  return true;
}

// Electron rings of each shell colour within the atom model's area.
std::map<int, int> ElectronsPerShell(const Image& image) {
  std::map<int, int> counts;
  for (int shell = 1; shell <= 7; ++shell) {
    int n = 0;
    for (const Blob& b : FindBlobs(image, ShellColour(shell), kCentreX - 165, kCentreY - 165, kCentreX + 165,
                                   kCentreY + 165)) {
      const double r = std::hypot(b.cx - kCentreX, b.cy - kCentreY);
      if (std::abs(r - (shell + 1) * 20) <= 2.0) ++n;
    }
    if (n > 0) counts[shell] = n;
  }
  return counts;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.Ready()) << "Xvfb with openbox did not start"; }

  // Starts the program and waits until its table screen is complete.
  void StartAtTable(Program& p) {
    ASSERT_FALSE(p.FindWindow().empty()) << "no window; stderr: " << p.Stderr();
    std::string wrong;
    ASSERT_TRUE(WaitFor([&] { auto s = p.Screenshot(); return s && ShowsTable(*s, &wrong); }, kShort))
        << "the table screen never showed every cell in its colour; first wrong: " << wrong;
  }

  // Waits until a screenshot shows exactly these electrons per shell; says what it saw last if not.
  ::testing::AssertionResult WaitForElectrons(Program& p, const std::map<int, int>& expected) {
    std::map<int, int> seen;
    bool table = false;
    if (WaitFor([&] {
          auto s = p.Screenshot();
          if (!s) return false;
          seen = ElectronsPerShell(*s);
          table = ShowsTable(*s);
          return seen == expected;
        }, kShort)) {
      return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure() << "last screenshot: " << (table ? "the table" : "no table");
    for (const auto& [shell, count] : seen) failure << ", shell " << shell << ": " << count;
    return failure << "; program " << (p.Running() ? "running" : "ended") << ", stderr: " << p.Stderr();
  }

  // A left click on the cell of element 118, the most electrons: seven shells, 118 rings.
  void OpenElement118(Program& p) {
    const auto [x, y] = CellCentre(126);
    p.Click(x, y, 1);
    ASSERT_TRUE(WaitForElectrons(p, {{1, 2}, {2, 8}, {3, 18}, {4, 32}, {5, 32}, {6, 18}, {7, 8}}));
  }

  bool WaitForTable(Program& p) {
    return WaitFor([&] { auto s = p.Screenshot(); return s && ShowsTable(*s); }, kShort);
  }

  void ExpectEndsWith(Program& p, int status) {
    const auto exit = p.WaitExit(kShort);
    ASSERT_TRUE(exit.has_value()) << "the program did not end";
    EXPECT_EQ(*exit, status) << "stderr: " << p.Stderr();
  }

  XSession session;
};

TEST_F(EndToEnd, WindowHasCaptionSizeAndNoMaximise) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  const std::string id = p.FindWindow();

  EXPECT_NE(session.Run("xprop -id " + id + " _NET_WM_NAME").out.find(std::string("\"") + kCaption + "\""),
            std::string::npos);
  const std::string info = session.Run("xwininfo -id " + id).out;
  EXPECT_NE(info.find("Width: 640\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 480\n"), std::string::npos) << info;
  // Centred on the 1024 x 768 screen, give or take the frame.
  const auto field = [&](const std::string& name) {
    const auto at = info.find(name);
    return at == std::string::npos ? -1000 : std::stoi(info.substr(at + name.size()));
  };
  EXPECT_NEAR(field("Absolute upper-left X:"), (1024 - 640) / 2, 16);
  EXPECT_NEAR(field("Absolute upper-left Y:"), (768 - 480) / 2, 32);

  const std::string actions = session.Run("xprop -id " + id + " _NET_WM_ALLOWED_ACTIONS").out;
  EXPECT_NE(actions.find("_NET_WM_ACTION_CLOSE"), std::string::npos) << actions;
  EXPECT_NE(actions.find("_NET_WM_ACTION_MINIMIZE"), std::string::npos) << actions;
  EXPECT_EQ(actions.find("MAXIMIZE"), std::string::npos) << actions;
  EXPECT_EQ(actions.find("_NET_WM_ACTION_RESIZE"), std::string::npos) << actions;

  p.Key("a");
  ExpectEndsWith(p, 0);
}

TEST_F(EndToEnd, TableShowsPlaceholdersAndEmptyRows) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  const auto s = p.Screenshot();
  ASSERT_TRUE(s);
  for (int code : {93, 111}) {
    const auto [x, y] = CellCentre(code);
    EXPECT_EQ(s->At(x, y), Shown(code == 93 ? 0x90EE90 : 0xA8A8A8)) << "placeholder " << code;
  }
  for (int code : {2, 17, 127, 150, 162, 198}) {  // undrawn positions stay black
    const auto [x, y] = CellCentre(code);
    EXPECT_EQ(s->At(x, y), 0u) << "code " << code;
  }
  p.Key("Escape");
  ExpectEndsWith(p, 0);
}

TEST_F(EndToEnd, LeftClickOpensTheElementAndRightClickReturns) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));

  // A placeholder selects nothing.
  const auto [px, py] = CellCentre(93);
  p.Click(px, py, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  auto s = p.Screenshot();
  ASSERT_TRUE(s);
  EXPECT_TRUE(ShowsTable(*s));
  EXPECT_TRUE(ElectronsPerShell(*s).empty());

  // Iron: 2, 8, 14 and 2 electrons on shells 1 to 4.
  const auto [fx, fy] = CellCentre(62);
  p.Click(fx, fy, 1);
  ASSERT_TRUE(WaitForElectrons(p, {{1, 2}, {2, 8}, {3, 14}, {4, 2}})) << "no element screen of iron";

  // The pages flip: the picture keeps changing.
  const auto first = p.Screenshot();
  ASSERT_TRUE(first);
  EXPECT_TRUE(WaitFor([&] { auto next = p.Screenshot(); return next && next->pixels != first->pixels; }, kShort));

  // Shift + right click does not go back.
  p.Click(100, 100, 3, "shift");
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  s = p.Screenshot();
  ASSERT_TRUE(s);
  EXPECT_EQ(ElectronsPerShell(*s).size(), 4u);

  // A right click does.
  p.Click(100, 100, 3);
  EXPECT_TRUE(WaitForTable(p)) << "the right click did not return to the table";

  // A new left click opens a new element screen.
  const auto [hx, hy] = CellCentre(1);
  p.Click(hx, hy, 1);
  EXPECT_TRUE(WaitForElectrons(p, {{1, 1}}));

  p.Key("space");
  ExpectEndsWith(p, 0);
}

// Xvfb keeps no backing store: a window mapped again shows only what the program repaints.
TEST_F(EndToEnd, RestoredWindowIsRepainted) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  const std::string id = p.FindWindow();
  session.Run("xdotool windowminimize --sync " + id);
  ASSERT_TRUE(WaitFor([&] { return session.Run("xdotool search --onlyvisible --name MENDELEEV").out.empty(); },
                      kShort))
      << "the window was not minimised";
  session.Run("wmctrl -i -a " + id);
  EXPECT_TRUE(WaitForTable(p)) << "the table was not repainted after the window was restored";
  p.Key("q");
  ExpectEndsWith(p, 0);
}

TEST_F(EndToEnd, ElectronsTurnClockwise) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  // Caesium has one electron on shell 6: 0.36 degrees a frame, a turn in about 4.5 s.
  const auto [x, y] = CellCentre(91);
  p.Click(x, y, 1);
  ASSERT_TRUE(WaitForElectrons(p, {{1, 2}, {2, 8}, {3, 18}, {4, 18}, {5, 8}, {6, 1}}));
  const auto angle = [&]() -> std::optional<double> {
    const auto s = p.Screenshot();
    if (!s) return std::nullopt;
    for (const Blob& b : FindBlobs(*s, ShellColour(6))) {
      if (std::abs(std::hypot(b.cx - kCentreX, b.cy - kCentreY) - 140) <= 2) {
        return std::atan2(b.cy - kCentreY, b.cx - kCentreX) * 180 / std::numbers::pi;
      }
    }
    return std::nullopt;
  };
  const auto a = angle();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const auto b = angle();
  ASSERT_TRUE(a && b);
  double turn = *b - *a;
  while (turn <= -180) turn += 360;
  while (turn > 180) turn -= 360;
  // y grows downward, so a growing angle is clockwise on the screen.
  EXPECT_GT(turn, 1.0) << "from " << *a << " to " << *b;
  p.Key("Return");
  ExpectEndsWith(p, 0);
}

TEST_F(EndToEnd, ModifierKeysAloneDoNotEndButAKeyDoes) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  for (const char* key : {"shift", "ctrl", "alt", "Caps_Lock", "Print", "super"}) p.Key(key);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(p.Running()) << "a modifier key alone ended the program";
  p.Key("F1");
  ExpectEndsWith(p, 0);
}

// A close request through the window manager ends the program normally, on either screen.
struct CloseCase {
  const char* name;
  friend void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }
  bool onElementScreen;
  const char* how;  // "wmctrl" or a key the window manager binds to Close
};

class CloseRequest : public EndToEnd, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRequest, EndsWithStatusZero) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  if (GetParam().onElementScreen) {
    const auto [x, y] = CellCentre(1);
    p.Click(x, y, 1);
    ASSERT_TRUE(WaitForElectrons(p, {{1, 1}}));
  }
  if (std::string(GetParam().how) == "wmctrl") {
    session.Run("wmctrl -i -c " + p.FindWindow());
  } else {
    p.Key(GetParam().how);
  }
  ExpectEndsWith(p, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseRequest,
                         ::testing::Values(CloseCase{"TableByWindowManager", false, "wmctrl"},
                                           CloseCase{"ElementScreenByAltF4", true, "alt+F4"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(EndToEnd, ReadsNoDataFileAndWritesNoFile) {
  char path[] = "/tmp/tp-strace-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  {
    Program p(session, {"strace", "-f", "-qq", "-e", "trace=open,openat,creat", "-o", path, ProgramPath()});
    StartAtTable(p);
    p.Key("q");
    ExpectEndsWith(p, 0);
  }
  std::ifstream in(path);
  std::string line;
  int opens = 0;
  while (std::getline(in, line)) {
    if (line.find("open") == std::string::npos) continue;
    ++opens;
    EXPECT_EQ(line.find(".ttf"), std::string::npos) << line;
    EXPECT_EQ(line.find("/fonts/"), std::string::npos) << line;
    const bool writes = line.find("O_WRONLY") != std::string::npos || line.find("O_RDWR") != std::string::npos ||
                        line.find("O_CREAT") != std::string::npos || line.find("creat(") != std::string::npos;
    if (writes) {
      EXPECT_NE(line.find("\"/dev/"), std::string::npos) << "writes a file: " << line;
    }
  }
  EXPECT_GT(opens, 0) << "strace recorded nothing";
  std::remove(path);
}

TEST_F(EndToEnd, StaysResponsiveUnderAnInputFlood) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  ASSERT_NO_FATAL_FAILURE(OpenElement118(p));

  const std::string info = session.Run("xwininfo -id " + p.FindWindow()).out;
  const auto field = [&](const std::string& name) { return std::stoi(info.substr(info.find(name) + name.size())); };
  const std::string box = std::to_string(field("Absolute upper-left X:")) + " " +
                          std::to_string(field("Absolute upper-left Y:")) + " 640 480";
  // 50,000 pointer motions over the window while the atom model animates.
  std::thread flood([&] { session.Run(std::string(TP_XFLOOD_PATH) + " 50000 0 " + box, Seconds(120)); });
  const auto before = p.Screenshot();
  const bool changes = before && WaitFor([&] {
    const auto now = p.Screenshot();
    return now && now->pixels != before->pixels;
  }, kShort);
  flood.join();
  EXPECT_TRUE(changes) << "the picture froze under the flood of motions";
  EXPECT_TRUE(p.Running());

  // 1,000 key presses: the first one ends the program normally.
  session.Run(std::string(TP_XFLOOD_PATH) + " 0 1000 " + box, Seconds(60));
  ExpectEndsWith(p, 0);
}

// A screen that holds the drawing area but not a frame around it gets a window without frame; a
// smaller one cannot show the program at all.
TEST(EndToEndScreen, ExactlyTheDrawingAreaGivesAFramelessWindow) {
  XSession small(640, 480);
  ASSERT_TRUE(small.Ready());
  Program p(small);
  const std::string id = p.FindWindow();
  ASSERT_FALSE(id.empty()) << p.Stderr();
  const std::string info = small.Run("xwininfo -id " + id).out;
  EXPECT_NE(info.find("Absolute upper-left X:  0\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Absolute upper-left Y:  0\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Width: 640\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 480\n"), std::string::npos) << info;
  const std::string extents = small.Run("xprop -id " + id + " _NET_FRAME_EXTENTS").out;
  EXPECT_NE(extents.find("= 0, 0, 0, 0"), std::string::npos) << extents;
  p.Key("q");
  const auto exit = p.WaitExit(kShort);
  ASSERT_TRUE(exit.has_value());
  EXPECT_EQ(*exit, 0);
}

TEST(EndToEndScreen, TooSmallAScreenGivesOneLineAndStatusOne) {
  XSession tiny(320, 240);
  ASSERT_TRUE(tiny.Ready());
  Program p(tiny);
  const auto exit = p.WaitExit(kShort);
  ASSERT_TRUE(exit.has_value()) << "the program did not end";
  EXPECT_EQ(*exit, 1);
  const std::string err = p.Stderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(err.rfind("tabelul-periodic: ", 0), 0u) << err;
}

TEST(EndToEndFailure, NoDisplayGivesOneLineAndStatusOne) {
  const std::string cmd = "DISPLAY=:4095 timeout 10 " + ProgramPath() + " 2>&1 >/dev/null; echo \"status=$?\"";
  FILE* pipe = popen(cmd.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[512];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  const auto status = out.rfind("status=");
  ASSERT_NE(status, std::string::npos);
  EXPECT_EQ(out.substr(status), "status=1\n") << out;
  const std::string err = out.substr(0, status);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(err.rfind("tabelul-periodic: ", 0), 0u) << err;
}

TEST_F(EndToEnd, LostXConnectionGivesOneLineAndStatusOne) {
  Program p(session);
  ASSERT_NO_FATAL_FAILURE(StartAtTable(p));
  ASSERT_NO_FATAL_FAILURE(OpenElement118(p));
  const auto killed = std::chrono::steady_clock::now();
  session.KillServer();
  const auto exit = p.WaitExit(Seconds(5));
  ASSERT_TRUE(exit.has_value()) << "the program hung after the X server went away";
  EXPECT_LT(std::chrono::steady_clock::now() - killed, std::chrono::seconds(1));
  EXPECT_EQ(*exit, 1);
  const std::string err = p.Stderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(err.rfind("tabelul-periodic: ", 0), 0u) << err;
}

}  // namespace
}  // namespace e2e
