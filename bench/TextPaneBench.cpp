// The text pane showing an item's text: an outline with items of 10 KB, 1 MB and 11 MB of Shift JIS
// text; selecting each one loads its text into the editing control (through its dispatch interface,
// in 16,000-byte pieces) and paints the pane, and typing a character edits and repaints it. The same
// text opened and typed into in Scintilla (wxStyledTextCtrl, the text converted from Shift JIS as any
// wx program must) in the same run, for comparison. Needs a display: run under xvfb-run.
#include <wx/frame.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "bench/ScintillaPeer.h"
#include "model/CDirData.h"
#include "platform/base/CodePage.h"
#include "textarea/CIEditView.h"

namespace {

// Shift JIS prose with a line end every 60 or so bytes, of about the given size.
std::string MakeText(std::size_t bytes) {
  const std::string line = std::string("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。abc 123") + "\r\n";
  std::string text;
  text.reserve(bytes + line.size());
  while (text.size() < bytes) text += line;
  return text;
}

// Items 1 to 3 hold the texts, indexed by the benchmark's argument.
constexpr std::size_t kSizes[] = {10 * 1024, 1024 * 1024, 11 * 1024 * 1024};
int ItemOf(std::int64_t size) {
  for (int i = 0; i < 3; ++i)
    if (kSizes[i] == static_cast<std::size_t>(size)) return i + 1;
  return 1;
}

struct Host {
  Host() {
    doc = std::make_unique<CKestavonDoc>();
    doc->m_bAutoDelete = FALSE;  // owned here
    ATREE& tree = doc->GetTree();
    tree.RemoveAll();
    tree.AddDirData(std::make_unique<CDirData>("テキスト"));
    for (std::size_t size : kSizes) {
      auto item = std::make_unique<CDirData>(CString("テキスト\x01") + std::to_string(size).c_str());
      item->m_strText = MakeText(size).c_str();
      tree.AddDirData(std::move(item));
    }
    tree.MakeTreeData();
    frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(800, 900));
    view = new CIEditView;
    view->Create(frame, wxID_ANY, wxPoint(0, 0), wxSize(800, 900));
    doc->AddView(view);
    view->OnInitialUpdate();
    stc = scintilla_peer::CreateScintilla(frame, view->GetEditCtrl().GetControlWindow()->GetFont(), wxSize(800, 900));
    stc->Hide();
    frame->Show();
  }
  ~Host() {
    doc->RemoveView(view);
    frame->Destroy();
  }
  void Show(int item) {
    doc->SetCurrentTree(item);
    doc->UpdateAllViews(nullptr, CKestavonDoc::kHintCurrentItem);
    view->GetEditCtrl().GetControlWindow()->Refresh();
    view->GetEditCtrl().GetControlWindow()->Update();
  }

  std::unique_ptr<CKestavonDoc> doc;
  wxFrame* frame;
  CIEditView* view;
  wxStyledTextCtrl* stc;
};

std::unique_ptr<CKestavonApp> g_app;
std::unique_ptr<Host> g_host;

Host* TheHost(benchmark::State& state) {
  if (!scintilla_peer::HasDisplay()) {
    state.SkipWithError("needs a display");
    return nullptr;
  }
  if (!g_app) {
    g_app = std::make_unique<CKestavonApp>();
    CWrila::RegisterControlLibrary();
  }
  if (!g_host) g_host = std::make_unique<Host>();
  return g_host.get();
}

void TypeChar(wxWindow* window) {
  wxKeyEvent event(wxEVT_CHAR);
  event.m_keyCode = 'a';
  event.m_uniChar = 'a';
  event.SetEventObject(window);
  window->GetEventHandler()->ProcessEvent(event);
  window->Update();
}

void BM_ShowItem(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  const int item = ItemOf(state.range(0));
  for (auto _ : state) {
    host->Show(0);  // another item first, so each round loads the text anew
    host->Show(item);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ShowItem)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2])->Unit(benchmark::kMillisecond);

void BM_TypeInItem(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->Show(ItemOf(state.range(0)));
  wxWindow* control = host->view->GetEditCtrl().GetControlWindow();
  control->SetFocus();
  for (auto _ : state) TypeChar(control);
}
BENCHMARK(BM_TypeInItem)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2])->Unit(benchmark::kMicrosecond);

void BM_ScintillaShow(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  const CString text = host->doc->GetTree().GetText(ItemOf(state.range(0)));
  host->view->Hide();
  host->stc->Show();
  for (auto _ : state) {
    host->stc->ClearAll();
    host->stc->SetText(CP932ToWx(text.str()));
    host->stc->EmptyUndoBuffer();
    host->stc->GotoPos(0);
    host->stc->Refresh();
    host->stc->Update();
  }
  host->stc->Hide();
  host->view->Show();
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScintillaShow)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2])->Unit(benchmark::kMillisecond);

void BM_ScintillaType(benchmark::State& state) {
  Host* host = TheHost(state);
  if (!host) return;
  host->view->Hide();
  host->stc->Show();
  host->stc->SetText(CP932ToWx(host->doc->GetTree().GetText(ItemOf(state.range(0))).str()));
  host->stc->GotoPos(0);
  host->stc->SetFocus();
  for (auto _ : state) {
    host->stc->AddText("a");
    host->stc->Update();
  }
  host->stc->Hide();
  host->view->Show();
}
BENCHMARK(BM_ScintillaType)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2])->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // The control registers itself in a private registry, never the user's.
  char folder[] = "/tmp/kesta-bench-XXXXXX";
  if (mkdtemp(folder)) setenv("XDG_CONFIG_HOME", folder, 1);
  return scintilla_peer::RunBenchmarks(argc, argv, [] {
    g_host.reset();
    g_app.reset();
  });
}
