// The commands of the main frame: bars, split direction, windows, top-most, tab position, help
// and web pages, and the keyboard translation through the user's key table.
#include <wx/menu.h>

#include <memory>

#include "app/CAppKeyTable.h"
#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/CKeySetDlg.h"
#include "shell/CMainFrame.h"
#include "app/WebPages.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CToolBar.h"
#include "platform/framework/CView.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "textarea/CIEditView.h"
#include "treeview/CTrView.h"
#include "views/CBrowserView.h"

namespace {

// The find and grep fields of the bars: the focus is in one of them.
bool FocusInBarField() {
  for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent()) {
    if (w->GetId() == IDW_GREP_FIELD || w->GetId() == IDW_FIND_FIELD) return true;
    if (w->IsTopLevel()) break;
  }
  return false;
}

struct WebPage {
  int id;
  const char* url;
};

constexpr WebPage kWebPages[] = {
    {ID_HELP_PELKO_PAGE, kPelkoPageUrl}, {ID_HELP_PELKO_SOFT, kPelkoSoftUrl}, {ID_HELP_SUPPORT, kSupportUrl},
    {ID_HELP_HOMEPAGE, kHomePageUrl},    {ID_HELP_WEB, kWebServiceUrl},
};

}  // namespace

void CMainFrame::OnKeySet(wxCommandEvent&) {
  CKestavonApp* app = GetKestavonApp();
  CAppKeyTable& keys = app->m_keyTable;
  CKeySetDlg dialog(this, keys.GetKeyTable(), keys.GetCommandNames(), keys.GetCommandIds(), app->m_settings);
  dialog.m_bControlPrecedence = app->m_bKeycustWrila;
  dialog.m_pMenu = GetMenuBar();
  if (dialog.DoModal() == IDOK) app->m_bKeycustWrila = dialog.m_bControlPrecedence;
  keys.CollectSwitchKeys();
}

void CMainFrame::OnViewOutline(wxCommandEvent&) {
  CMDIChildWnd* child = MDIGetActive();
  CDocument* doc = child ? child->GetActiveDocument() : nullptr;
  if (!doc) return;
  for (CView* view : doc->GetViews()) {
    if (dynamic_cast<CTrView*>(view)) {
      view->GetParentFrame()->ActivateFrame(-1);
      return;
    }
  }
  CDocTemplate* outline = GetKestavonApp()->m_pKestavonTemplate;
  if (CFrameWnd* frame = outline ? outline->CreateNewFrame(doc) : nullptr) outline->InitialUpdateFrame(frame, doc);
}

void CMainFrame::OnSplitDirection(wxCommandEvent& event) {
  GetKestavonApp()->WriteProfileInt("View", "SplPos", event.GetId() == ID_SETTINGS_SPLIT_SIDE ? 0 : 1);
  AfxMessageBox("この設定は次にウィンドウを開いたときから有効です");
}

void CMainFrame::OnUpdateSplitDirection(wxUpdateUIEvent& event) {
  const int position = GetKestavonApp()->GetProfileInt("View", "SplPos", 0);
  event.Check(position == (event.GetId() == ID_SETTINGS_SPLIT_SIDE ? 0 : 1));
}

void CMainFrame::OnBarSize(wxCommandEvent& event) {
  GetKestavonApp()->WriteProfileInt("View", "BarSize", event.GetId() == ID_VIEW_BAR_LARGE ? 0 : 1);
  AfxMessageBox("この設定は次回起動時から有効です");
}

void CMainFrame::OnUpdateBarSize(wxUpdateUIEvent& event) {
  const int size = GetKestavonApp()->GetProfileInt("View", "BarSize", 1);
  event.Check(size == (event.GetId() == ID_VIEW_BAR_LARGE ? 0 : 1));
}

void CMainFrame::OnWindowNext(wxCommandEvent&) {
  // The window at the bottom comes to the top.
  MDINext(TRUE);
}

void CMainFrame::OnWindowPrev(wxCommandEvent&) { MDINext(FALSE); }

void CMainFrame::OnUpdateHasChild(wxUpdateUIEvent& event) { event.Enable(MDIGetActive() != nullptr); }

void CMainFrame::OnWindowCloseAll(wxCommandEvent&) {
  // A window that refuses to close (its save question cancelled) ends the round.
  for (CMDIChildWnd* child = MDIGetActive(); child;) {
    child->Close();
    CMDIChildWnd* next = MDIGetActive();
    if (next == child) break;
    child = next;
  }
}

void CMainFrame::OnTopMost(wxCommandEvent&) {
  m_bTopMost = !m_bTopMost;
  const long style = GetWindowStyleFlag();
  SetWindowStyleFlag(m_bTopMost ? style | wxSTAY_ON_TOP : style & ~wxSTAY_ON_TOP);
  Show();
  GetKestavonApp()->WriteProfileInt("View", "TopMost", m_bTopMost ? 1 : 0);
}

void CMainFrame::OnUpdateTopMost(wxUpdateUIEvent& event) { event.Check(m_bTopMost != FALSE); }

void CMainFrame::OnTabPositionToggle(wxCommandEvent&) {
  const int position = m_nTabPosition == 0 ? 1 : 0;
  SetTabPosition(position);
  GetKestavonApp()->WriteProfileInt("View", "TabPosition", position);
}

void CMainFrame::OnHelpTopic(wxCommandEvent& event) {
  switch (event.GetId()) {
    case ID_HELP_EXAMPLES:
      GetKestavonApp()->ShowHelp(112, 1);
      break;
    case ID_HELP_QA:
      GetKestavonApp()->ShowHelp(129, 1);
      break;
    default:
      GetKestavonApp()->ShowHelp(0, 11);
      break;
  }
}

void CMainFrame::OnWebPage(wxCommandEvent& event) {
  for (const WebPage& page : kWebPages)
    if (page.id == event.GetId()) ShellExecute(this, "open", page.url, nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrame::RefreshDocumentTitles() {
  const std::vector<CMDIChildWnd*> children = GetMDIChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    CDocument* doc = (*it)->GetActiveDocument();
    if (!doc) continue;
    doc->UpdateAllViews(nullptr);
    if (!doc->GetPathName().IsEmpty()) doc->SetTitle(doc->GetTitle());
  }
}

BOOL CMainFrame::HasOutlineWindow() const {
  for (CMDIChildWnd* child : GetMDIChildren())
    if (dynamic_cast<CKestavonDoc*>(child->GetActiveDocument())) return TRUE;
  return FALSE;
}

void CMainFrame::OnBookmarkBar(wxCommandEvent&) {
  CToolBar* bar = GetBar(BarBook);
  if (!bar) return;
  wxMenu menu;
  GetKestavonApp()->m_bookmarkFiles.AppendToMenu(&menu);
  RECT button;
  bar->GetItemRect(2, &button);
  bar->PopupMenu(&menu, wxPoint(button.left, button.bottom));
}

void CMainFrame::OnInitMenu(wxMenuEvent& event) {
  event.Skip();
  wxMenuBar* bar = GetMenuBar();
  if (!bar || bar->GetMenuCount() == 0 || event.GetMenu() != bar->GetMenu(0)) return;
  // The menu without a document is shorter: the submenu stands higher in it.
  const size_t position = bar->GetMenuCount() < 4 ? 11 : 25;
  wxMenu* file = bar->GetMenu(0);
  if (position >= file->GetMenuItemCount()) return;
  if (wxMenu* bookmarks = file->FindItemByPosition(position)->GetSubMenu()) GetKestavonApp()->m_bookmarkFiles.AppendToMenu(bookmarks);
}

void CMainFrame::OnDropFiles(wxDropFilesEvent& event) {
  // The preview takes files dropped on it for itself while the program is in front.
  if (CMDIChildWnd* child = MDIGetActive(); child && dynamic_cast<CBrowserView*>(child->GetActiveView()) && IsActive())
    return;
  for (int i = 0; i < event.GetNumberOfFiles(); ++i) GetKestavonApp()->OpenDocumentFile(WxToCP932(event.GetFiles()[i]));
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  const UINT key = static_cast<UINT>(msg->wParam);
  const int alt = (msg->lParam >> 29) & 1;
  int shift = 0, ctrl = 0;
  CKeycustArray::GetShiftCtrlState(shift, ctrl);

  bool inText = false;
  if (CMDIChildWnd* child = MDIGetActive()) {
    CView* view = child->GetActiveView();
    if (dynamic_cast<CIEditView*>(view)) inText = true;
    if (dynamic_cast<CBrowserView*>(view)) return TranslateMDISysAccel(msg);
  }
  if (!inText && FocusInBarField()) return TranslateMDISysAccel(msg);
  CKestavonApp* app = GetKestavonApp();
  if (!app) return TranslateMDISysAccel(msg);
  if (inText && app->m_keyTable.IsSwitchKey(key, alt, shift, ctrl)) inText = false;

  const bool lookUp = !inText || alt || ctrl || key >= VK_F1 || (key >= 0x10 && key <= 0x1F);
  if (lookUp) {
    CKeycustArray& table = app->m_keyTable.GetKeyTable();
    const UINT command = table.LookupCommand(key, alt, shift, ctrl);
    if (command != 0) {
      const CKeycust* binding = table.GetAt(table.GetLastLookupIndex());
      const bool controlKeeps = inText && binding && binding->m_nControlMark && app->m_bKeycustWrila;
      if (!controlKeeps) {
        PostCommand(static_cast<int>(command));
        return TRUE;
      }
    }
  }
  return TranslateMDISysAccel(msg);
}
