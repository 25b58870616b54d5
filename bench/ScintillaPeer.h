#pragma once
// What the editing control's benchmarks share to measure Scintilla (wxStyledTextCtrl) beside the
// control in the same program: the wx application, started only when a display is there (run
// under xvfb-run), a Scintilla with one font in every style, and a walk over a word's matches.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/stc/stc.h>

#include <cstdlib>
#include <functional>

namespace scintilla_peer {

// Whether wx runs, so that the benchmarks that need windows can.
inline bool& HasDisplay() {
  static bool gui = false;
  return gui;
}

inline wxStyledTextCtrl* CreateScintilla(wxWindow* parent, const wxFont& font, const wxSize& size = wxDefaultSize) {
  auto* stc = new wxStyledTextCtrl(parent, wxID_ANY, wxPoint(0, 0), size);
  stc->StyleSetFont(wxSTC_STYLE_DEFAULT, const_cast<wxFont&>(font));
  stc->StyleClearAll();
  return stc;
}

// Calls `onMatch()` with the target set on each match of `word`, from the start of the text to
// its end; `onMatch` may replace the target. Returns the number of matches.
template <typename F>
int ForEachMatch(wxStyledTextCtrl& stc, const wxString& word, F onMatch) {
  int count = 0;
  stc.SetTargetStart(0);
  stc.SetTargetEnd(stc.GetLength());
  while (stc.SearchInTarget(word) >= 0) {
    onMatch();
    ++count;
    stc.SetTargetStart(stc.GetTargetEnd());
    stc.SetTargetEnd(stc.GetLength());
  }
  return count;
}

class BenchApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// The benchmark program's main: `beforeExit` drops what the benchmarks kept, while wx still runs.
inline int RunBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit) {
  benchmark::Initialize(&argc, argv);
  if (std::getenv("DISPLAY")) {
    wxApp::SetInstance(new BenchApp);
    HasDisplay() = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  beforeExit();
  if (HasDisplay()) {
    wxTheApp->OnExit();
    wxEntryCleanup();
  }
  return 0;
}

}  // namespace scintilla_peer
