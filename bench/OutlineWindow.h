#pragma once
// An outline window as the program opens one, for timing commands as the user runs them: the
// application with a private settings file, the main frame, the document template whose child frame
// holds the tree pane beside the text pane, and an outline written to a file and opened through it.
// Commands take the main window's route with the tree pane active, so that each one commits the text
// pane, leaves its undo step, changes the model, refills the list and updates the text pane, as in
// the program. Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "bench/GuiBenchMain.h"
#include "model/ATREE.h"
#include "model/CDirData.h"
#include "platform/base/PrivateProfile.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CStatusBar.h"
#include "resources/CommandIds.h"
#include "shell/CKestaFrame.h"
#include "shell/ProgramWindows.h"
#include "textarea/CIEditView.h"
#include "textarea/CWrila.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace outline_window {

constexpr int kTextBytes = 200;

// The shape of a large document: every tenth item on level 1, levels 2 and 3 below it, every seventh
// item struck through (so that the rows switch between the normal, bold and strike fonts as they do
// in real outlines), and a text of four lines per item. With bigText, item 2 holds that many bytes.
inline std::unique_ptr<ATREE> MakeOutline(int items, size_t bigText = 0) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("文書"));
  const std::string line(kTextBytes / 4 - 2, 'x');
  const std::string text = line + "\r\n" + line + "\r\n" + line + "\r\n" + line + "\r\n";
  std::string paths[4] = {"文書"};
  for (int i = 1; i < items; ++i) {
    // A grandchild never comes straight after its chapter: every path holds the item before it.
    const int level = i % 10 == 1 ? 1 : (i % 3 == 0 && i % 10 != 2 ? 3 : 2);
    paths[level] = paths[level - 1] + "\x01" + "見出し" + std::to_string(i);
    auto item = std::make_unique<CDirData>(paths[level].c_str());
    item->m_strText = text.c_str();
    if (i % 7 == 0) item->m_nStatus |= 2;
    item->SetCreateTimeNow();
    model->AddDirData(std::move(item));
  }
  if (bigText > 0 && items > 2) {
    std::string big;
    big.reserve(bigText + 80);
    const std::string prose = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。abc 123\r\n";
    while (big.size() < bigText) big += prose;
    model->EditDirData(2)->m_strText = big.c_str();
  }
  model->MakeTreeData();
  return model;
}

// Answers every modal dialog through the given function while it lives; an answer of wxID_NONE
// lets the dialog run.
class Answers : public wxModalDialogHook {
 public:
  explicit Answers(std::function<int(wxDialog*)> answer) : m_answer(std::move(answer)) { Register(); }
  ~Answers() override { Unregister(); }

 protected:
  int Enter(wxDialog* dialog) override { return m_answer(dialog); }
  void Exit(wxDialog*) override {}

 private:
  std::function<int(wxDialog*)> m_answer;
};

// Lets a dialog come up, fill itself and paint, then cancels it: what the user waits for before
// the dialog can be used.
inline int ShowThenCancel(wxDialog* dialog) {
  dialog->CallAfter([dialog] {
    dialog->Update();
    dialog->EndModal(wxID_CANCEL);
  });
  return wxID_NONE;
}

class Window {
 public:
  // The outline is written once to a file of the given name in the temporary folder.
  Window(const std::string& name, const std::function<std::unique_ptr<ATREE>()>& make) {
    m_dir = "/tmp/kesta-bench-" + std::to_string(getpid());
    if (::mkdir(m_dir.c_str(), 0700) != 0 && errno != EEXIST) return;
    m_conf = m_dir + "/kesta32.conf";
    const std::string file = m_dir + "/" + name;
    make()->WriteKvnFile(file.c_str());
    // The delete command asks nothing, and adding takes no item dialog: the commands alone are timed.
    WritePrivateProfileString("System", "DelCheck", "0", m_conf.c_str());
    WritePrivateProfileString("System", "bAddNoTitle", "1", m_conf.c_str());
    m_app = std::make_unique<CKestavonApp>();
    m_app->m_pszProfileName = m_conf.c_str();
    CWrila::RegisterControlLibrary();
    m_frame = new CMDIFrameWnd;  // wx owns it once created
    m_frame->LoadFrame(128);
    auto* status = new CStatusBar;
    status->Create(m_frame);
    const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR};
    status->SetIndicators(panes, 2);
    m_app->m_pMainWnd = m_frame;
    m_frame->SetClientSize(1000, 800);
    m_frame->Show();
    m_app->AddDocTemplate(std::make_unique<CMultiDocTemplate>(
        129, "\nKestavon\nKestavon\nKestavon files (*.kvn)\n.kvn\nKestavon.Document\nKestavon document",
        RuntimeClass<CKestavonDoc>(), RuntimeClass<CKestaFrame>(), RuntimeClass<CIEditView>()));
    doc = static_cast<CKestavonDoc*>(m_app->OpenDocumentFile(file.c_str()));
    std::remove(file.c_str());
    if (!doc) return;
    for (CView* view : doc->GetViews()) {
      if (auto* t = dynamic_cast<CTrView*>(view)) tree = t;
      if (auto* t = dynamic_cast<CIEditView*>(view)) text = t;
    }
    list = tree ? tree->GetListBox() : nullptr;
    Settle();
  }
  ~Window() {
    if (!m_app) return;
    m_app->CloseAllDocuments();
    if (m_frame) m_frame->Destroy();
    m_app->m_pMainWnd = nullptr;
    wxTheApp->ProcessIdle();
    m_app.reset();
    std::remove(m_conf.c_str());
    rmdir(m_dir.c_str());
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  bool IsOpen() const { return doc && tree && text && list; }

  // Selects the item's row as a click does: the document's current item follows, the text pane
  // loads its text.
  void Select(int item) {
    const int row = doc->GetTree().GetRows().GetRowIndex(item);
    list->SetCurSel(row);
    wxCommandEvent event(wxEVT_LISTBOX, COwnerListBox::kControlId);
    event.SetEventObject(list);
    list->ProcessWindowEvent(event);
  }
  // A menu command, as the main window routes it.
  void Command(int id) { m_frame->SendCommand(id); }
  // What is pending after a command (posted events), as the program's loop runs it next.
  void Settle() { wxTheApp->ProcessPendingEvents(); }

  CKestavonDoc* doc = nullptr;
  CTrView* tree = nullptr;
  CIEditView* text = nullptr;
  COwnerListBox* list = nullptr;

 private:
  Installed<CProgramWindows, IPaneLinks, IOutlineWindows> m_windows;
  std::unique_ptr<CKestavonApp> m_app;
  CMDIFrameWnd* m_frame = nullptr;
  std::string m_dir;
  std::string m_conf;
};

// Runs command once per round, timed, with its undo steps undone (not timed) after it, so that every
// round starts from the outline as it was opened, with the given item selected.
template <typename Command>
void TimeWithUndo(benchmark::State& state, Window& window, int item, Command command, int steps = 1) {
  window.Select(item);
  for (auto _ : state) {
    command();
    window.Settle();
    state.PauseTiming();
    for (int k = 0; k < steps; ++k) window.Command(ID_EDIT_UNDO);
    window.Settle();
    window.Select(item);
    state.ResumeTiming();
  }
}

}  // namespace outline_window
