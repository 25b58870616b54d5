#include "views/CGrepDoc.h"

#include <wx/frame.h>
#include <wx/weakref.h>

#include "app/CFindInDlg.h"
#include "foundation/CHistoryList.h"
#include "foundation/PathHelpers.h"
#include "platform/desktop/CWaitCursor.h"
#include "platform/desktop/DialogOwner.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "views/CGrepDlg.h"
#include "views/CGrepEditView.h"

int CGrepDoc::s_nStartMode = CGrepDoc::StartAsk;
CString CGrepDoc::s_strStartWord;

namespace {

CFindInDlg* MakeProgressDialog() {
  auto* dialog = new CFindInDlg;  // destroys itself when closed
  dialog->Create();
  return dialog;
}

// The progress window of a running search: it shows the folder and file and lets the search
// through between files, so it repaints and its stop button can be pressed. Closing the window
// stops the search as the button does. The password of an enciphered outline and the messages of
// a file the search opens are asked above it.
class ProgressWindow : public CGrepProgress {
 public:
  ProgressWindow() : m_dialog(MakeProgressDialog()), m_job(m_dialog.get()) {}
  ~ProgressWindow() override {
    if (m_dialog) m_dialog->Destroy();
  }
  void ShowFolder(const char* folder) override {
    m_folder = folder;
    Show("");
  }
  void ShowFile(const char* file) override { Show(file); }
  void AddHitFile(int hits) override {
    if (m_dialog) m_dialog->AddHitFile(hits);
    PumpWaitingMessages();
  }
  BOOL IsCancelled() override { return !m_dialog || m_dialog->m_bCancel; }

 private:
  void Show(const char* file) {
    if (m_dialog) m_dialog->SetStatus(m_folder, file);
    PumpWaitingMessages();
  }
  wxWeakRef<CFindInDlg> m_dialog;
  ScopedJobWindow m_job;
  CString m_folder;
};

}  // namespace

wxBEGIN_EVENT_TABLE(CGrepDoc, CDocument)
  EVT_UPDATE_UI(ID_FILE_SAVE, CGrepDoc::OnUpdateFileSave)
  EVT_UPDATE_UI(ID_FILE_SAVE_AS, CGrepDoc::OnUpdateFileSave)
wxEND_EVENT_TABLE()

CGrepDoc::CGrepDoc() {
  m_options.LoadSettings();
  m_options.m_nWordMode = 0;
  CHistoryList folders;
  folders.SetSection("FolderHistory");
  folders.Load();
  m_options.m_strFolder = folders.GetFirst();
}

CGrepDoc::~CGrepDoc() = default;

BOOL CGrepDoc::AskOptions() {
  CGrepDlg dialog(AfxGetMainFrameWindow());
  dialog.m_options.m_strWord = s_strStartWord;
  if (dialog.DoModal() != IDOK) return FALSE;
  m_options = dialog.m_options;
  return TRUE;
}

BOOL CGrepDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  if (s_nStartMode == StartAsk || s_nStartMode == StartAtOnce) {
    if (s_nStartMode == StartAsk && !AskOptions()) return FALSE;
    if (s_nStartMode == StartAtOnce) m_options.m_strWord = s_strStartWord;
    if (!RunSearch()) return FALSE;
    if (m_hits.empty()) {
      AfxMessageBox("見つかりません");
      return FALSE;
    }
  }
  SetTitle(CString("ファイル検索 - \"") + m_options.m_strWord + "\"");
  return TRUE;
}

BOOL CGrepDoc::RunSearch() {
  // The start word of the tool bar and the folder history may both be empty: searching "" from
  // the root would list every tree of the whole disk.
  if (m_options.m_strWord.IsEmpty()) {
    AfxMessageBox("検索語がありません");
    return FALSE;
  }
  if (m_options.m_strFolder.IsEmpty()) {
    AfxMessageBox("フォルダが指定されていません");
    return FALSE;
  }
  CWaitCursor wait;
  ProgressWindow progress;
  CGrepSearch search(m_options, &progress);
  search.Run(m_hits);
  m_nSkippedNames = search.GetSkippedNames();
  if (m_nSkippedNames > 0) {
    if (auto* frame = wxDynamicCast(AfxGetMainFrameWindow(), wxFrame); frame && frame->GetStatusBar()) {
      CString text;
      text.Format("文字コードを変換できない名前を%d個飛ばしました", m_nSkippedNames);
      frame->SetStatusText(CP932ToWx(text.str()));
    }
  }
  return TRUE;
}

void CGrepDoc::DeleteContents() { m_hits.clear(); }

CGrepEditView* CGrepDoc::GetEditView() const {
  for (CView* view : GetViews())
    if (auto* edit = dynamic_cast<CGrepEditView*>(view)) return edit;
  return nullptr;
}

void CGrepDoc::OnUpdateFileSave(wxUpdateUIEvent& event) { event.Enable(false); }
