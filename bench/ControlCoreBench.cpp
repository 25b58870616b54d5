// The editing control's core on a 10 MB Shift JIS text (long and short lines), wrapped at the
// window edge (80 columns): load and wrap, one keystroke in the middle, replace-all of a frequent
// word. The same operations on Scintilla (wxStyledTextCtrl) run in the same program as the peer
// when a display is there (run under xvfb-run).
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/frame.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "bench/ScintillaPeer.h"
#include "control/CEditCore.h"
#include "control/CTextBuffer.h"
#include "platform/base/CodePage.h"

namespace {

constexpr int kColumns = 80;
constexpr size_t kTextSize = 10u << 20;
const char* const kWord = "word";

// Deterministic text: mostly short lines of Japanese and ASCII words, every 16th line long.
const std::string& Text() {
  static const std::string text = [] {
    const char* const pieces[] = {"日本語の", "文章を", "折り返す", "。", "、", "「引用」", "テスト", kWord, "text ",
                                  "editor ", "カタカナ", "ｶﾅ", "漢字", "1234 ", "（括弧）", "control "};
    std::string out;
    out.reserve(kTextSize + 8192);
    std::uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    int lineNo = 0;
    while (out.size() < kTextSize) {
      const size_t length = (++lineNo % 16 == 0) ? 2000 + next() % 6000 : 10 + next() % 110;
      const size_t start = out.size();
      while (out.size() - start < length) out += pieces[next() % std::size(pieces)];
      out += "\r\n";
    }
    return out;
  }();
  return text;
}

const std::string& TextPath() {
  static const std::string path = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string p = std::string(tmp ? tmp : "/tmp") + "/wrila-bench-" + std::to_string(getpid()) + ".txt";
    std::ofstream(p, std::ios::binary) << Text();
    return p;
  }();
  return path;
}

std::unique_ptr<CEditCore> MakeControl() {
  auto edit = std::make_unique<CEditCore>();
  edit->Settings().WrapMode = 2;
  edit->m_visibleColumns = kColumns + 3;
  edit->Settings().KanjiRead = 0;
  edit->GetBuffer().RewrapAll();  // as the window does when it gets its size
  return edit;
}

void BM_WrilaLoadAndWrap(benchmark::State& state) {
  auto edit = MakeControl();
  edit->Settings().KanjiRead = static_cast<int>(state.range(0));
  for (auto _ : state) {
    if (edit->GetBuffer().LoadFile(TextPath().c_str()) != WRILA_OK) state.SkipWithError("load failed");
  }
  state.counters["rows"] = edit->GetBuffer().GetTotalRows();
  state.counters["lines"] = edit->GetBuffer().GetLineCount();
}
BENCHMARK(BM_WrilaLoadAndWrap)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)
    ->DisplayAggregatesOnly(true);

// A line near the middle of the text (of about 28,000): a short one (arg 0) or a long one (arg 1,
// every 16th line is long).
int MiddleLine(int longLine) { return longLine ? 14015 : 14000; }

// A typed character in the middle of a line and a Backspace (so the line keeps its length), each
// followed by the caret's view position as the window asks for it.
void BM_WrilaKeystroke(benchmark::State& state) {
  auto edit = MakeControl();
  CTextBuffer& buffer = edit->GetBuffer();
  buffer.LoadFile(TextPath().c_str());
  const int line = MiddleLine(static_cast<int>(state.range(0)));
  POINT caret = buffer.LogicalToView(buffer.GetLineLength(line) / 2, line);
  caret = buffer.ViewToLogical(caret.x, caret.y, -1);
  for (auto _ : state) {
    caret = buffer.InsertChar(caret, 'x', -1);
    benchmark::DoNotOptimize(buffer.LogicalToView(caret.x, caret.y));
    caret = buffer.DeleteCharBefore(caret);
    benchmark::DoNotOptimize(buffer.LogicalToView(caret.x, caret.y));
  }
  state.counters["line_bytes"] = buffer.GetLineLength(line);
}
BENCHMARK(BM_WrilaKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

// Enter in the middle: a new line enters the line list.
void BM_WrilaEnter(benchmark::State& state) {
  auto edit = MakeControl();
  CTextBuffer& buffer = edit->GetBuffer();
  buffer.LoadFile(TextPath().c_str());
  POINT caret{3, buffer.GetLineCount() / 2};
  for (auto _ : state) {
    caret = buffer.InsertChar(caret, 10, 0);
    benchmark::DoNotOptimize(buffer.LogicalToView(caret.x, caret.y));
  }
}
BENCHMARK(BM_WrilaEnter)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

void BM_WrilaReplaceAll(benchmark::State& state) {
  auto edit = MakeControl();
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    edit->GetBuffer().LoadFile(TextPath().c_str());
    state.ResumeTiming();
    count = edit->GetBuffer().ReplaceAllLines(kWord, "WORD", true);
  }
  state.counters["replaced"] = count;
}
BENCHMARK(BM_WrilaReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5)
    ->DisplayAggregatesOnly(true);

// Scintilla: wraps in idle time, so each measurement runs idle processing until it asks for no more.
class Peer {
 public:
  Peer() {
    m_frame = new wxFrame(nullptr, wxID_ANY, "bench");
    m_stc = scintilla_peer::CreateScintilla(m_frame, wxFont(wxFontInfo(10).Family(wxFONTFAMILY_TELETYPE)));
    for (int margin = 0; margin < 5; ++margin) m_stc->SetMarginWidth(margin, 0);
    m_stc->SetWrapMode(wxSTC_WRAP_WORD);
    const int width = m_stc->TextWidth(wxSTC_STYLE_DEFAULT, wxString('0', kColumns));
    m_frame->SetClientSize(width + 2 * m_stc->GetMarginLeft() + 40, 600);
    m_stc->SetSize(m_frame->GetClientSize());
    m_frame->Show();
    Settle();
  }

  wxStyledTextCtrl& Stc() { return *m_stc; }
  void Load() {
    std::ifstream in(TextPath(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    m_stc->SetText(CP932ToWx(bytes.str()));
    m_stc->EmptyUndoBuffer();
    Settle();
  }
  void Settle() {
    while (wxTheApp->ProcessIdle()) {
    }
  }
  int DisplayLines() { return m_stc->VisibleFromDocLine(m_stc->GetLineCount() - 1) + m_stc->WrapCount(m_stc->GetLineCount() - 1); }

 private:
  wxFrame* m_frame;
  wxStyledTextCtrl* m_stc;
};

// One loaded peer serves the edit benchmarks: each load takes seconds.
// The frame is a wx top-level window: wx destroys it at clean-up.
Peer& LoadedPeer() {
  static Peer peer;
  static const bool loaded = (peer.Load(), true);
  (void)loaded;
  return peer;
}

void BM_ScintillaLoadAndWrap(benchmark::State& state) {
  if (!scintilla_peer::HasDisplay()) return state.SkipWithError("no display");
  Peer& peer = LoadedPeer();
  for (auto _ : state) peer.Load();
  state.counters["rows"] = peer.DisplayLines();
  state.counters["lines"] = peer.Stc().GetLineCount();
}
BENCHMARK(BM_ScintillaLoadAndWrap)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)
    ->DisplayAggregatesOnly(true);

void BM_ScintillaKeystroke(benchmark::State& state) {
  if (!scintilla_peer::HasDisplay()) return state.SkipWithError("no display");
  Peer& peer = LoadedPeer();
  wxStyledTextCtrl& stc = peer.Stc();
  const int line = MiddleLine(static_cast<int>(state.range(0)));
  const int pos = stc.PositionBefore(stc.PositionFromLine(line) + stc.LineLength(line) / 2);
  for (auto _ : state) {
    stc.InsertText(pos, "x");
    peer.Settle();
    benchmark::DoNotOptimize(stc.PointFromPosition(pos + 1));
    stc.DeleteRange(pos, 1);
    peer.Settle();
    benchmark::DoNotOptimize(stc.PointFromPosition(pos));
  }
  state.counters["line_bytes"] = stc.LineLength(line);
}
BENCHMARK(BM_ScintillaKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(3)
    ->DisplayAggregatesOnly(true);

void BM_ScintillaEnter(benchmark::State& state) {
  if (!scintilla_peer::HasDisplay()) return state.SkipWithError("no display");
  Peer& peer = LoadedPeer();
  wxStyledTextCtrl& stc = peer.Stc();
  int pos = stc.PositionFromLine(stc.GetLineCount() / 2) + 3;
  for (auto _ : state) {
    stc.InsertText(pos, "\r\n");
    pos += 2;
    peer.Settle();
    benchmark::DoNotOptimize(stc.PointFromPosition(pos));
  }
}
BENCHMARK(BM_ScintillaEnter)->Unit(benchmark::kMicrosecond)->Repetitions(3)->DisplayAggregatesOnly(true);

void BM_ScintillaReplaceAll(benchmark::State& state) {
  if (!scintilla_peer::HasDisplay()) return state.SkipWithError("no display");
  Peer& peer = LoadedPeer();
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    peer.Load();
    state.ResumeTiming();
    wxStyledTextCtrl& stc = peer.Stc();
    stc.BeginUndoAction();
    stc.SetSearchFlags(wxSTC_FIND_MATCHCASE);
    count = scintilla_peer::ForEachMatch(stc, kWord, [&stc] { stc.ReplaceTarget("WORD"); });
    stc.EndUndoAction();
    peer.Settle();
  }
  state.counters["replaced"] = count;
}
BENCHMARK(BM_ScintillaReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)
    ->DisplayAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  return scintilla_peer::RunBenchmarks(argc, argv, [] { std::remove(TextPath().c_str()); });
}
