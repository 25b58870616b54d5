// Working in the editing control as a user does, on a 100,000-line mixed Japanese and ASCII text in
// a shown window: typing a character (near the top and in the middle, so a cost that grows with
// the lines after the caret shows), a page-down scroll with the new screen painted, a replace-all
// of a common word, and select-all with copy. Scintilla (wxStyledTextCtrl) does the same in the
// same window size in the same run. Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <cstdint>
#include <memory>
#include <string>

#include "bench/ScintillaPeer.h"
#include "control/CTextBuffer.h"
#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "platform/base/CodePage.h"

namespace {

constexpr int kLines = 100000;

const std::string& Text() {
  static const std::string text = [] {
    const char* const pieces[] = {"日本語の", "文章を", "表示する", "。", "、", "「引用」", "word ", "text ",
                                  "editor ",  "カタカナ", "漢字", "1234 ", "control ", "（括弧）"};
    std::string out;
    std::uint32_t seed = 1234;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int line = 0; line < kLines; ++line) {
      const size_t length = 40 + next() % 60;
      const size_t start = out.size();
      while (out.size() - start < length) out += pieces[next() % std::size(pieces)];
      out += "\r\n";
    }
    return out;
  }();
  return text;
}

struct Host {
  Host() {
    frame = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(1000, 800));
    edit = std::make_unique<WrilaEdit>();
    edit->CreateControl(frame, wxPoint(0, 0), wxSize(1000, 780));
    edit->GetBuffer().SetText(Text().c_str(), static_cast<int>(Text().size()));
    stc = scintilla_peer::CreateScintilla(frame, edit->DisplayFont(), wxSize(1000, 780));
    stc->SetText(CP932ToWx(Text()));
    stc->Hide();
    frame->Show();
    edit->GetWindow()->SetFocus();
    edit->WindowProc(WM_SETFOCUS, 0, 0);
  }
  ~Host() { frame->Destroy(); }

  // Only one of the two is shown at a time, so each paints on its own.
  void ShowWrila() {
    stc->Hide();
    edit->GetWindow()->Show();
    edit->GetWindow()->Update();
  }
  void ShowScintilla() {
    edit->GetWindow()->Hide();
    stc->Show();
    stc->Update();
  }

  wxFrame* frame;
  std::unique_ptr<WrilaEdit> edit;
  wxStyledTextCtrl* stc;
};

std::unique_ptr<Host> g_host;

Host* TheHost(benchmark::State& state) {
  if (!scintilla_peer::HasDisplay()) {
    state.SkipWithError("needs a display");
    return nullptr;
  }
  if (!g_host) g_host = std::make_unique<Host>();
  return g_host.get();
}

int LineFor(benchmark::State& state) { return state.range(0) == 0 ? 10 : kLines / 2; }

// A character typed and taken back with Backspace, so the text stays the same size.
void BM_WrilaTypeChar(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowWrila();
  host->edit->JumpTo(20, LineFor(state));
  for (auto _ : state) {
    host->edit->WindowProc(WM_CHAR, 'x', 0);
    host->edit->WindowProc(WM_CHAR, '\b', 0);
    host->edit->GetWindow()->Update();
  }
}
BENCHMARK(BM_WrilaTypeChar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

void BM_ScintillaTypeChar(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowScintilla();
  host->stc->GotoPos(host->stc->PositionFromLine(LineFor(state)) + 20);
  for (auto _ : state) {
    host->stc->AddText("x");
    host->stc->DeleteBack();
    host->stc->Update();
  }
}
BENCHMARK(BM_ScintillaTypeChar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

// Page down and the new screen painted into a bitmap of the window's size (a shown window paints
// on the toolkit's frame clock, not at once); back to the top near the end.
void BM_WrilaPageDown(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowWrila();
  host->edit->JumpTo(0, 0);
  const wxSize size = host->edit->GetWindow()->GetClientSize();
  wxBitmap bitmap(size);
  wxMemoryDC dc(bitmap);
  for (auto _ : state) {
    if (host->edit->m_caretView.y > kLines - 200) host->edit->JumpTo(0, 0);
    host->edit->OnCommand(0x801A);
    host->edit->Paint(dc, wxRect(size));
  }
}
BENCHMARK(BM_WrilaPageDown)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

void BM_ScintillaPageDown(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowScintilla();
  host->stc->GotoPos(0);
  const wxSize size = host->stc->GetClientSize();
  wxBitmap bitmap(size);
  wxMemoryDC dc(bitmap);
  const wxRect area(size);
  for (auto _ : state) {
    if (host->stc->GetCurrentLine() > kLines - 200) host->stc->GotoPos(0);
    host->stc->PageDown();
    const int top = host->stc->GetFirstVisibleLine();
    host->stc->FormatRange(true, host->stc->PositionFromLine(top),
                           host->stc->PositionFromLine(top + host->stc->LinesOnScreen()), &dc, &dc, area, area);
  }
}
BENCHMARK(BM_ScintillaPageDown)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

// "word" to "WORD" and back, in turn; each run is one undo step.
void BM_WrilaReplaceAll(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowWrila();
  bool upper = false;
  for (auto _ : state) {
    host->edit->ReplaceAll(upper ? "WORD" : "word", upper ? "word" : "WORD", true, true);
    host->edit->GetWindow()->Update();
    upper = !upper;
  }
}
BENCHMARK(BM_WrilaReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(4)->Repetitions(5)->DisplayAggregatesOnly(true);

void BM_ScintillaReplaceAll(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowScintilla();
  host->stc->SetSearchFlags(wxSTC_FIND_MATCHCASE);
  bool upper = false;
  for (auto _ : state) {
    const wxString replacement = upper ? "word" : "WORD";
    host->stc->BeginUndoAction();
    scintilla_peer::ForEachMatch(*host->stc, upper ? "WORD" : "word", [&] { host->stc->ReplaceTarget(replacement); });
    host->stc->EndUndoAction();
    host->stc->Update();
    upper = !upper;
  }
}
BENCHMARK(BM_ScintillaReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(4)->Repetitions(5)->DisplayAggregatesOnly(true);

void BM_WrilaSelectAllCopy(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowWrila();
  for (auto _ : state) {
    host->edit->OnCommand(ID_EDIT_SELECT_ALL);
    host->edit->OnCommand(ID_EDIT_COPY);
    host->edit->GetWindow()->Update();
  }
}
BENCHMARK(BM_WrilaSelectAllCopy)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly(true);

void BM_ScintillaSelectAllCopy(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->ShowScintilla();
  for (auto _ : state) {
    host->stc->SelectAll();
    host->stc->Copy();
    host->stc->Update();
  }
}
BENCHMARK(BM_ScintillaSelectAllCopy)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  return scintilla_peer::RunBenchmarks(argc, argv, [] { g_host.reset(); });
}
