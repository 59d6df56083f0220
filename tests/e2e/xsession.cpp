// End-to-end test support: Xvfb, openbox, the program, xdotool input and screenshots.
#include "tests/e2e/xsession.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> CStrings(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (auto& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// The current environment with DISPLAY replaced and the extra variables added.
std::vector<std::string> Environment(const std::string& display, const std::vector<std::string>& extra) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "SDL_VIDEODRIVER=", 16) != 0) env.emplace_back(*e);
  }
  env.push_back("DISPLAY=" + display);
  for (const auto& e : extra) env.push_back(e);
  return env;
}

// Waits for a child up to the timeout; the exit status, 128 + signal, or nothing.
std::optional<int> WaitChild(pid_t pid, Seconds timeout) {
  const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(timeout);
  for (;;) {
    int status = 0;
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) {
      if (WIFEXITED(status)) return WEXITSTATUS(status);
      if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    }
    if (r < 0) return std::nullopt;
    if (Clock::now() >= end) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void Kill(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  if (!WaitChild(pid, Seconds(2))) {
    kill(pid, SIGKILL);
    WaitChild(pid, Seconds(2));
  }
  pid = -1;
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, Seconds deadline, Seconds step) {
  const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(deadline);
  for (;;) {
    if (condition()) return true;
    if (Clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::duration_cast<Clock::duration>(step));
  }
}

std::string ProgramPath() { return TP_PROGRAM_PATH; }
std::string ResourceDir() { return TP_E2E_DIR; }

XSession::XSession(int width, int height) {
  // Xvfb picks a free display number itself and writes it on the pipe.
  int fds[2];
  if (pipe(fds) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> args = {"Xvfb", "-displayfd", "3", "-screen", "0",
                                   std::to_string(width) + "x" + std::to_string(height) + "x24",
                                   "-nolisten", "tcp", "-noreset"};
  auto argv = CStrings(args);
  const int rc = posix_spawnp(&xvfb_, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    xvfb_ = -1;
    return;
  }
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) return;
  display_ = ":" + number;

  std::vector<std::string> wmArgs = {"openbox", "--sm-disable", "--config-file", ResourceDir() + "/openbox-rc.xml"};
  auto wmArgv = CStrings(wmArgs);
  auto env = Environment(display_, {});
  auto envp = CStrings(env);
  posix_spawn_file_actions_t wmActions;
  posix_spawn_file_actions_init(&wmActions);
  posix_spawn_file_actions_addopen(&wmActions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&wmActions, 1, "/dev/null", O_WRONLY, 0);
  if (posix_spawnp(&wm_, "openbox", &wmActions, nullptr, wmArgv.data(), envp.data()) != 0) wm_ = -1;
  posix_spawn_file_actions_destroy(&wmActions);
  ready_ = wm_ > 0 && WaitFor([this] { return Run("wmctrl -m", Seconds(2)).status == 0; }, Seconds(10));
}

XSession::~XSession() {
  Kill(wm_);
  Kill(xvfb_);
}

void XSession::KillServer() { Kill(xvfb_); }

Result XSession::Run(const std::string& command, Seconds timeout) const {
  const std::string full = "DISPLAY=" + display_ + " timeout " + std::to_string(timeout.count()) + " sh -c " +
                           Quote(command) + " 2>/dev/null";
  Result result;
  FILE* pipe = popen(full.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

Program::Program(const XSession& session, const std::vector<std::string>& argv, const std::vector<std::string>& env)
    : session_(session) {
  char path[] = "/tmp/tp-e2e-stderr-XXXXXX";
  const int fd = mkstemp(path);
  if (fd >= 0) close(fd);
  stderrPath_ = path;
  std::vector<std::string> args = argv.empty() ? std::vector<std::string>{ProgramPath()} : argv;
  auto cargs = CStrings(args);
  auto fullEnv = Environment(session.Display(), env);
  auto envp = CStrings(fullEnv);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, stderrPath_.c_str(), O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (posix_spawnp(&pid_, args[0].c_str(), &actions, nullptr, cargs.data(), envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

Program::~Program() {
  if (!status_) Kill(pid_);
  std::remove(stderrPath_.c_str());
}

std::optional<int> Program::WaitExit(Seconds timeout) {
  if (!status_ && pid_ > 0) status_ = WaitChild(pid_, timeout);
  return status_;
}

bool Program::Running() { return !WaitExit(Seconds(0)).has_value(); }

std::string Program::FindWindow(Seconds timeout) {
  if (!window_.empty()) return window_;
  WaitFor(
      [&] {
        // By caption: the session is private, and the program may run under a tracer with another pid.
        const Result r = session_.Run("xdotool search --onlyvisible --name '^TABELUL PERIODIC AL LUI MENDELEEV$'",
                                      Seconds(2));
        std::istringstream lines(r.out);
        std::string id;
        if (std::getline(lines, id) && !id.empty()) window_ = id;
        return !window_.empty();
      },
      timeout, Seconds(0.02));
  return window_;
}

std::optional<Image> Program::Screenshot() {
  if (FindWindow().empty()) return std::nullopt;
  const Result r = session_.Run("import -window " + window_ + " -depth 8 ppm:-", Seconds(10));
  if (r.status != 0) return std::nullopt;
  std::istringstream in(r.out);
  std::string magic;
  int w = 0, h = 0, maxval = 0;
  in >> magic >> w >> h >> maxval;
  in.get();
  if (magic != "P6" || maxval != 255 || w <= 0 || h <= 0) return std::nullopt;
  Image image{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  const size_t offset = static_cast<size_t>(in.tellg());
  if (r.out.size() < offset + image.pixels.size() * 3) return std::nullopt;
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const auto* p = reinterpret_cast<const unsigned char*>(r.out.data() + offset + i * 3);
    image.pixels[i] = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  }
  return image;
}

std::string Program::Stderr() const {
  std::ifstream in(stderrPath_);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Program::MoveTo(int x, int y) {
  session_.Run("xdotool mousemove --window " + FindWindow() + " " + std::to_string(x) + " " + std::to_string(y));
}

void Program::Click(int x, int y, int button, const std::string& modifier) {
  const std::string b = std::to_string(button);
  std::string cmd = "xdotool mousemove --window " + FindWindow() + " " + std::to_string(x) + " " + std::to_string(y);
  if (!modifier.empty()) cmd += " keydown " + modifier + " sleep 0.05";
  cmd += " mousedown " + b + " sleep 0.08 mouseup " + b;
  if (!modifier.empty()) cmd += " sleep 0.05 keyup " + modifier;
  session_.Run(cmd);
}

void Program::Key(const std::string& keysym) {
  session_.Run("xdotool windowactivate --sync " + FindWindow() + " key " + keysym);
}

std::vector<Blob> FindBlobs(const Image& image, uint32_t rgb, int x0, int y0, int x1, int y1) {
  if (x1 < 0) x1 = image.width - 1;
  if (y1 < 0) y1 = image.height - 1;
  std::vector<uint8_t> seen(image.pixels.size(), 0);
  std::vector<Blob> blobs;
  std::vector<std::pair<int, int>> stack;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const size_t i = static_cast<size_t>(y) * image.width + x;
      if (seen[i] || image.pixels[i] != rgb) continue;
      int minX = x, maxX = x, minY = y, maxY = y, count = 0;
      stack.assign(1, {x, y});
      seen[i] = 1;
      while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        ++count;
        minX = std::min(minX, px), maxX = std::max(maxX, px), minY = std::min(minY, py), maxY = std::max(maxY, py);
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = px + dx, ny = py + dy;
            if (nx < x0 || nx > x1 || ny < y0 || ny > y1) continue;
            const size_t j = static_cast<size_t>(ny) * image.width + nx;
            if (!seen[j] && image.pixels[j] == rgb) {
              seen[j] = 1;
              stack.push_back({nx, ny});
            }
          }
        }
      }
      blobs.push_back({(minX + maxX) / 2.0, (minY + maxY) / 2.0, count});
    }
  }
  return blobs;
}

}  // namespace e2e
