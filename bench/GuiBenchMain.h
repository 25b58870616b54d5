#pragma once
// The main function of the benchmarks that need windows: wx is started only where a display is
// (run them under xvfb-run); without one, each benchmark skips itself by asking HasDisplay.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>
#include <functional>

namespace gui_bench {

inline bool& DisplayFlag() {
  static bool gui = false;
  return gui;
}

// True where wx runs; otherwise marks the benchmark as skipped.
inline bool HasDisplay(benchmark::State& state) {
  if (!DisplayFlag()) state.SkipWithError("needs a display");
  return DisplayFlag();
}

class BenchApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// Runs the registered benchmarks; release frees what they kept before wx shuts down.
inline int RunBenchmarks(int argc, char** argv, const std::function<void()>& release = nullptr) {
  benchmark::Initialize(&argc, argv);
  if (std::getenv("DISPLAY")) {
    wxApp::SetInstance(new BenchApp);
    DisplayFlag() = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (release) release();
  if (DisplayFlag()) {
    wxTheApp->ProcessIdle();
    wxTheApp->OnExit();
    wxEntryCleanup();
  }
  return 0;
}

}  // namespace gui_bench
