// Start-up to window: the program started afresh on the sample outline, timed from its start until
// its window is on the screen showing the document (a viewable top-level window whose title names
// the file). Runs under a display (xvfb-run, best with a window manager). Each run has a settings
// folder of its own left from the first run and a fresh runtime folder, so no run hands over to
// another and none pays for a first start.
//
// A peer program can be timed in the same runs, turn about with the program, so both meet the
// machine in the same state: KESTA_STARTUP_PEER is its command line (split at blanks) and
// KESTA_STARTUP_PEER_TITLE a word of its window title once its document is shown. The ratio is
// taken run by run.
#include <benchmark/benchmark.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Seconds on the monotonic clock. (<chrono> cannot be built with the project's code page for
// narrow literals.)
double Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }  // a window may go between event and question

// Watches the screen for top-level windows from the moment it is made.
class WindowWatch {
 public:
  WindowWatch() : m_display(XOpenDisplay(nullptr)) {
    if (!m_display) return;
    XSetErrorHandler(IgnoreXErrors);
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    XSync(m_display, False);
  }
  ~WindowWatch() {
    if (m_display) XCloseDisplay(m_display);
  }
  bool Ready() const { return m_display != nullptr; }

  // Waits until a viewable window whose title holds the word is there; false after the seconds.
  bool WaitFor(const std::string& word, double seconds) {
    const double end = Now() + seconds;
    while (Now() < end) {
      while (XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
        Window window = 0;
        if (event.type == CreateNotify) {
          window = event.xcreatewindow.window;
          XSelectInput(m_display, window, PropertyChangeMask | StructureNotifyMask);
        } else if (event.type == MapNotify) {
          window = event.xmap.window;
        } else if (event.type == PropertyNotify) {
          window = event.xproperty.window;
        }
        if (window && Shows(window, word)) return true;
      }
      pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
      poll(&fd, 1, 50);
    }
    return false;
  }

 private:
  bool Shows(Window window, const std::string& word) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, window, &attributes) || attributes.map_state != IsViewable) return false;
    return Title(window).find(word) != std::string::npos;
  }

  std::string Title(Window window) {
    const Atom name = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(m_display, window, name, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
      title.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
    }
    char* plain = nullptr;
    if (title.empty() && XFetchName(m_display, window, &plain) && plain) {
      title = plain;
      XFree(plain);
    }
    return title;
  }

  Display* m_display;
};

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string ProgramFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

// One start: the seconds until the window shows the document, or a negative number when it never
// did. The program is ended at once after.
double TimeToWindow(const std::vector<std::string>& command, const std::string& titleWord, const std::string& config) {
  WindowWatch watch;
  if (!watch.Ready()) return -1;
  char runtime[] = "/tmp/kesta-startup-runXXXXXX";
  if (!mkdtemp(runtime)) return -1;
  std::vector<std::string> environment;
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0 && std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0)
      environment.emplace_back(*e);
  }
  environment.push_back("XDG_CONFIG_HOME=" + config);
  environment.push_back(std::string("XDG_RUNTIME_DIR=") + runtime);
  std::vector<char*> argv, envp;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);  // its helpers go with it
  pid_t pid = 0;
  const double start = Now();
  const int started = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  double seconds = -1;
  if (started == 0) {
    if (watch.WaitFor(titleWord, 60)) seconds = Now() - start;
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  std::filesystem::remove_all(runtime);
  return seconds;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
  return values[values.size() / 2];
}

void BM_StartupToWindow(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("needs a display");
    return;
  }
  const std::vector<std::string> program = {ProgramFolder() + "/kesta32", KESTA_SAMPLE_OUTLINE};
  const std::string programTitle = std::filesystem::path(KESTA_SAMPLE_OUTLINE).filename();
  const char* peerCommand = std::getenv("KESTA_STARTUP_PEER");
  const char* peerTitle = std::getenv("KESTA_STARTUP_PEER_TITLE");
  const std::vector<std::string> peer = peerCommand && peerTitle ? Words(peerCommand) : std::vector<std::string>();
  char config[] = "/tmp/kesta-startup-configXXXXXX";
  if (!mkdtemp(config)) {
    state.SkipWithError("no settings folder");
    return;
  }
  // The first start of each makes its settings and registrations; it is not counted.
  TimeToWindow(program, programTitle, config);
  if (!peer.empty()) TimeToWindow(peer, peerTitle, config);
  std::vector<double> own, others, ratios;
  for (auto _ : state) {
    const double seconds = TimeToWindow(program, programTitle, config);
    if (seconds < 0) {
      state.SkipWithError("the window did not show the document");
      break;
    }
    state.SetIterationTime(seconds);
    own.push_back(seconds);
    if (peer.empty()) continue;
    const double peerSeconds = TimeToWindow(peer, peerTitle, config);
    if (peerSeconds < 0) {
      state.SkipWithError("the peer's window did not show its document");
      break;
    }
    others.push_back(peerSeconds);
    ratios.push_back(seconds / peerSeconds);
  }
  std::filesystem::remove_all(config);
  state.counters["median_ms"] = Median(own) * 1e3;
  if (!others.empty()) {
    state.counters["peer_median_ms"] = Median(others) * 1e3;
    state.counters["ratio_median"] = Median(ratios);
  }
}
BENCHMARK(BM_StartupToWindow)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
