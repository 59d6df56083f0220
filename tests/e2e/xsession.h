// End-to-end test support: a private X server with a real window manager, the built program in it,
// real input through xdotool and screenshots of its window.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

using Seconds = std::chrono::duration<double>;

// Output and exit status of a finished command.
struct Result {
  int status = -1;  // exit status; -1 when it did not finish in time or was killed by a signal
  std::string out;
};

// An RGB screenshot, 0xRRGGBB per pixel, row by row.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Polls a condition until it holds or the deadline passes; returns whether it held.
bool WaitFor(const std::function<bool()>& condition, Seconds deadline, Seconds step = Seconds(0.05));

// Xvfb on a free display number, with openbox and our own configuration; both end with the object.
class XSession {
 public:
  explicit XSession(int width = 1024, int height = 768);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool Ready() const { return ready_; }
  const std::string& Display() const { return display_; }

  // Runs a shell command with DISPLAY set to this server; stdout only.
  Result Run(const std::string& command, Seconds timeout = Seconds(10)) const;

  // Kills the X server (for the lost-connection test).
  void KillServer();

 private:
  pid_t xvfb_ = -1;
  pid_t wm_ = -1;
  std::string display_;
  bool ready_ = false;
};

// The program under test, started in a session; killed if still running at the end.
class Program {
 public:
  Program(const XSession& session, const std::vector<std::string>& argv = {},
          const std::vector<std::string>& env = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  pid_t Pid() const { return pid_; }

  // The exit status once it ends within the timeout (128 + signal when killed by one).
  std::optional<int> WaitExit(Seconds timeout);
  bool Running();

  // The program's window (client window id), once it is mapped; empty on timeout.
  std::string FindWindow(Seconds timeout = Seconds(10));

  // A screenshot of the client area of the program's window.
  std::optional<Image> Screenshot();

  // What the program wrote on stderr so far.
  std::string Stderr() const;

  // Input through the X server (XTEST), as a user would give it.
  void MoveTo(int x, int y);  // window coordinates
  void Click(int x, int y, int button, const std::string& modifier = "");
  void Key(const std::string& keysym);

 private:
  const XSession& session_;
  pid_t pid_ = -1;
  std::optional<int> status_;
  std::string window_;
  std::string stderrPath_;
};

// The path of the built program and of the test resources, from the build.
std::string ProgramPath();
std::string ResourceDir();

// Connected blobs (8-connectivity) of pixels of exactly this colour in the box.
struct Blob {
  double cx = 0, cy = 0;  // centre of the bounding box
  int count = 0;          // pixels
};
std::vector<Blob> FindBlobs(const Image& image, uint32_t rgb, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1);

}  // namespace e2e
