// Painting the editing control: one screen of 50 rows by 120 columns of mixed Japanese and ASCII
// text with highlight rules, scrolled a page at a time through a 100,000-line text, rendered into
// a bitmap. Scintilla (wxStyledTextCtrl) renders the same text and screens into a bitmap of the
// same size in the same run as the peer. Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/ScintillaPeer.h"
#include "control/CTextBuffer.h"
#include "control/window/WrilaEdit.h"
#include "platform/base/CodePage.h"

namespace {

constexpr int kLines = 100000;
constexpr int kRows = 50;
constexpr int kColumns = 120;

// Lines of up to 120 columns: Japanese words, ASCII words, highlighted words, URLs and quotes.
const std::string& Text() {
  static const std::string text = [] {
    const char* const pieces[] = {"日本語の", "文章を", "表示する", "。", "、", "「引用」", "TODO ", "word ",
                                  "text ",    "editor ", "カタカナ", "ｶﾅ", "漢字", "1234 ", "http://example.jp/a ",
                                  "FIXME ",   "（括弧）", "control "};
    std::string out;
    std::uint32_t seed = 4321;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int line = 0; line < kLines; ++line) {
      if (line % 7 == 0) out += "> ";
      const size_t length = 60 + next() % 56;
      const size_t start = out.size();
      while (out.size() - start < length) out += pieces[next() % std::size(pieces)];
      out += "\r\n";
    }
    return out;
  }();
  return text;
}

CHiliteRule Rule(const char* text, short color) {
  CHiliteRule rule;
  rule.text = text;
  rule.color = color;
  rule.word = true;
  return rule;
}

struct Host {
  Host() {
    frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(1400, 1300));
    edit = std::make_unique<WrilaEdit>();
    edit->m_hiliteRules = {Rule("TODO", 0), Rule("FIXME", 2), Rule("control", 3)};
    edit->m_cust.ShowLineNumber = 1;
    edit->CreateControl(frame, wxPoint(0, 0), wxSize(1400, 1300));
    edit->m_hiliteIndex.Build(edit->m_hiliteRules);
    edit->GetBuffer().SetText(Text().c_str(), static_cast<int>(Text().size()));
    edit->Relayout(0);
    size = wxSize((edit->m_leftMargin + kColumns) * edit->m_columnWidth, kRows * edit->m_rowHeight);

    stc = scintilla_peer::CreateScintilla(frame, wxFont(wxFontInfo(12).FaceName("Noto Sans Mono CJK JP")),
                                          wxSize(1400, 1300));
    stc->SetMarginType(0, wxSTC_MARGIN_NUMBER);
    stc->SetMarginWidth(0, 6 * edit->m_columnWidth);
    stc->StyleSetForeground(1, *wxBLUE);
    stc->StyleSetUnderline(1, true);
    stc->StyleSetBackground(2, *wxYELLOW);
    stc->SetText(CP932ToWx(Text()));
    // Highlight the same words by styling them once, as a lexer would.
    const wxString words[] = {"TODO", "FIXME", "control", "http://example.jp/a"};
    for (const wxString& word : words) {
      scintilla_peer::ForEachMatch(*stc, word, [this, &word] {
        stc->StartStyling(stc->GetTargetStart());
        stc->SetStyling(stc->GetTargetEnd() - stc->GetTargetStart(), word.StartsWith("http") ? 1 : 2);
      });
    }
  }
  ~Host() { frame->Destroy(); }

  wxFrame* frame;
  std::unique_ptr<WrilaEdit> edit;
  wxStyledTextCtrl* stc;
  wxSize size;
};

std::unique_ptr<Host> g_host;

Host& TheHost() {
  if (!g_host) g_host = std::make_unique<Host>();
  return *g_host;
}

// Paints screen after screen into one bitmap: `paintAt` paints the screen at a top row and
// returns the next one.
template <typename F>
void PaintScreens(benchmark::State& state, F paintAt) {
  if (!scintilla_peer::HasDisplay()) {
    state.SkipWithError("needs a display");
    return;
  }
  Host& host = TheHost();
  wxBitmap bitmap(host.size);
  wxMemoryDC dc(bitmap);
  int top = 0;
  for (auto _ : state) top = paintAt(host, dc, top);
  state.SetItemsProcessed(state.iterations());
}

void BM_WrilaPaintScreen(benchmark::State& state) {
  PaintScreens(state, [](Host& host, wxDC& dc, int top) {
    host.edit->m_topRow = top;
    host.edit->Paint(dc, wxRect(host.size));
    return (top + kRows) % (host.edit->GetBuffer().GetTotalRows() - kRows);
  });
}
BENCHMARK(BM_WrilaPaintScreen)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

void BM_ScintillaPaintScreen(benchmark::State& state) {
  PaintScreens(state, [](Host& host, wxDC& dc, int top) {
    const wxRect area(wxPoint(0, 0), host.size);
    host.stc->FormatRange(true, host.stc->PositionFromLine(top), host.stc->PositionFromLine(top + kRows), &dc, &dc,
                          area, area);
    return (top + kRows) % (kLines - kRows);
  });
}
BENCHMARK(BM_ScintillaPaintScreen)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  return scintilla_peer::RunBenchmarks(argc, argv, [] { g_host.reset(); });
}
