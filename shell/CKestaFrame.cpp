#include "shell/CKestaFrame.h"

#include <wx/menu.h>

#include <algorithm>
#include <memory>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "shell/CSplitterWndEx.h"
#include "shell/FootnoteCommand.h"
#include "shell/TreeExportCommands.h"
#include "shell/TreeInsertCommands.h"
#include "shell/TreeLinkCommands.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIClientWnd.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/base/CodePage.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"
#include "treeview/CCategoryDlg.h"
#include "treeview/CTrView.h"
#include "views/CBrowserView.h"

wxBEGIN_EVENT_TABLE(CKestaFrame, CMDIChildWnd)
  EVT_MENU(ID_SETTINGS_CATEGORIES, CKestaFrame::OnCategorySettings)
  EVT_MENU(ID_VIEW_TREE_ONLY, CKestaFrame::OnTreeOnly)
  EVT_MENU(ID_VIEW_TEXT_ONLY, CKestaFrame::OnTextOnly)
  EVT_MENU(ID_VIEW_BOTH, CKestaFrame::OnBoth)
  EVT_MENU(ID_WINDOW_UNSPLIT, CKestaFrame::OnUnsplit)
  EVT_UPDATE_UI(ID_WINDOW_UNSPLIT, CKestaFrame::OnUpdateUnsplit)
  EVT_MENU(ID_WINDOW_OTHER_PANE, CKestaFrame::OnOtherPane)
  EVT_MENU(ID_WINDOW_SPLIT, CKestaFrame::OnWindowSplit)
  EVT_UPDATE_UI(ID_WINDOW_SPLIT, CKestaFrame::OnUpdateWindowSplit)
  EVT_MENU(ID_WINDOW_LINK_PANE, CKestaFrame::OnLinkFileWindow)
  EVT_UPDATE_UI(ID_WINDOW_LINK_PANE, CKestaFrame::OnUpdateLinkFileWindow)
  EVT_MENU(ID_VIEW_LINK_AUTO, CKestaFrame::OnLinkFileAuto)
  EVT_UPDATE_UI(ID_VIEW_LINK_AUTO, CKestaFrame::OnUpdateLinkFileAuto)
wxEND_EVENT_TABLE()

namespace {

// The tree pane's view class; the one place that names it.
CSplitterWnd::ViewClass TreeViewClass() { return RuntimeClass<CTrView>(); }

CWinApp* App() { return AfxGetApp(); }

void WriteProfileInt(const char* section, const char* key, int value) {
  if (App()) App()->WriteProfileInt(section, key, value);
}

// The show command of child windows, remembered for the whole run (Settings/ShowCmd).
int* RememberedShowCmd() {
  CKestavonApp* app = GetKestavonApp();
  return app ? &app->m_nShowCmd : nullptr;
}

}  // namespace

CKestaFrame::CKestaFrame() {
  Bind(wxEVT_SIZE, &CKestaFrame::OnSizeChanged, this);
  BindTreeExportCommands(*this);
  BindTreeInsertCommands(*this);
  BindTreeLinkCommands(*this);
  BindFootnoteCommand(*this);
}

CKestaFrame::~CKestaFrame() {
  // A frame that goes with the main window never passed through Destroy.
  if (!m_bLayoutSaved) OnDestroy();
}

BOOL CKestaFrame::OnCreateClient(CCreateContext* context) {
  m_nSplPos = AfxGetProfileInt("View", "SplPos", 0);
  m_bLinkFileAuto = AfxGetProfileInt("View", "LinkFileAuto", 0) ? TRUE : FALSE;
  const bool side = m_nSplPos == 0;

  auto splitter = std::make_unique<CSplitterWnd>();
  if (!splitter->CreateStatic(this, side ? 1 : 2, side ? 2 : 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
    return FALSE;
  m_pSplitter = splitter.release();  // a window of this frame now
  const SIZE treeSize = side ? SIZE{AfxGetProfileInt("View", "Colum", 260), 60} : SIZE{200, AfxGetProfileInt("View", "Row", 260)};
  if (!m_pSplitter->CreateView(0, 0, TreeViewClass(), treeSize, context)) return FALSE;

  auto link = std::make_unique<CSplitterWndEx>();
  if (!link->CreateStatic(m_pSplitter, 2, 1, WS_CHILD | WS_VISIBLE | WS_BORDER,
                          m_pSplitter->IdFromRowCol(side ? 0 : 1, side ? 1 : 0)))
    return FALSE;
  m_pLinkSplitter = link.release();
  if (!m_pLinkSplitter->CreateView(1, 0, RuntimeClass<CBrowserView>(), SIZE{10, 100}, context)) return FALSE;

  auto text = std::make_unique<CSplitterWnd>();
  const BOOL created = text->Create(m_pLinkSplitter, 2, 1, SIZE{10, 10}, context, WS_CHILD | WS_VISIBLE,
                                    m_pLinkSplitter->IdFromRowCol(0, 0));
  if (created) m_pTextSplitter = text.release();
  m_pLinkSplitter->HideRow(1);
  return created;
}

void CKestaFrame::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) {
    const int* remembered = RememberedShowCmd();
    nCmdShow = remembered ? *remembered : SW_SHOWNORMAL;
  }
  CMDIChildWnd::ActivateFrame(nCmdShow);
  UpdateMarkMenu();
  m_bActivated = TRUE;
  CKestavonApp* app = GetKestavonApp();
  wxMenuBar* bar = GetMDIFrame() ? GetMDIFrame()->GetMenuBar() : nullptr;
  if (app && bar) app->m_keyTable.GetKeyTable().UpdateMenuTexts(bar);
}

void CKestaFrame::RestoreSize() {
  int width = AfxGetProfileInt("Settings", "ChildFrameWidth", 0);
  int height = AfxGetProfileInt("Settings", "ChildFrameHeight", 0);
  CMDIClientWnd* client = GetMDIFrame() ? GetMDIFrame()->GetMDIClient() : nullptr;
  if (width == 0 || height == 0 || !client) return;
  const wxSize area = client->GetClientSize();
  const wxRect rect = GetNormalRect();
  if (rect.x + width > area.x) width = std::max(0, width - (rect.x + width - area.x));
  if (rect.y + height > area.y) height = std::max(0, height - (rect.y + height - area.y));
  SetNormalSize(wxSize(width, height));
}

void CKestaFrame::UpdateMarkMenu() {
  wxMenuBar* bar = GetMDIFrame() ? GetMDIFrame()->GetMenuBar() : nullptr;
  // The child's own window menu never stands in the bar here, so the mark menu keeps its place
  // while the window is maximised.
  if (!bar || static_cast<int>(bar->GetMenuCount()) <= kMarkMenuIndex) return;
  wxMenu* menu = bar->GetMenu(kMarkMenuIndex);
  for (int id = ID_MARK_FIRST; id <= ID_MARK_LAST; ++id)
    while (menu->FindChildItem(id)) menu->Delete(id);
  const int count = std::min(m_aMarkNames.GetSize(), kMaxMarks);
  for (int i = 0; i < count; ++i) menu->Append(ID_MARK_FIRST + i, CP932ToWx(m_aMarkNames[i].str()));
}

void CKestaFrame::OnCategorySettings(wxCommandEvent&) {
  auto* doc = dynamic_cast<CKestavonDoc*>(GetActiveDocument());
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  doc->EditCategories([&tree] {
    CCategoryDlg dialog(AfxGetMainFrameWindow(), &tree.GetProperties().GetCategories(),
                        [&tree](int oldIndex, int newIndex) { tree.RenumberCategory(oldIndex, newIndex); });
    dialog.ShowModal();
    return dialog.m_bModified;
  });
}

void CKestaFrame::ShowLinkFile() {
  CView* tree = m_pSplitter ? dynamic_cast<CView*>(m_pSplitter->GetPane(0, 0)) : nullptr;
  auto* doc = tree ? dynamic_cast<CKestavonDoc*>(tree->GetDocument()) : nullptr;
  if (!doc) return;
  const CString target = doc->GetLinkTarget(-1);
  if (!IsLinkFileShown()) {
    if (!target.IsEmpty() && m_bLinkFileAuto) PostCommand(ID_WINDOW_LINK_PANE);
    return;
  }
  if (target.IsEmpty() && m_bLinkFileAuto) {
    HideLinkPane();
    return;
  }
  auto* preview = dynamic_cast<CBrowserView*>(m_pLinkSplitter->GetPane(1, 0));
  if (!preview) return;
  if (target.IsEmpty()) preview->Navigate("about:blank");
  else preview->ShowLink(target);
}

BOOL CKestaFrame::IsLinkFileShown() const {
  return m_pLinkSplitter && m_pLinkSplitter->GetRowCount() == 2 ? TRUE : FALSE;
}

void CKestaFrame::OnMDIActivate(BOOL activate) {
  CMDIChildWnd::OnMDIActivate(activate);
  // The status bar describes the window in front.
  if (activate && m_pSplitter) {
    if (auto* tree = dynamic_cast<CTrView*>(m_pSplitter->GetPane(0, 0))) tree->UpdateStatusBar();
  }
  // The main frame puts this window's menu bar in place once the activation is done.
  if (activate && m_bActivated) CallAfter([this] { UpdateMarkMenu(); });
}

void CKestaFrame::OnDestroy() {
  if (m_bLayoutSaved) return;
  m_bLayoutSaved = true;
  // A window that never showed (its document failed to open) has no layout of the user's.
  if (!m_pSplitter || !m_bActivated) return;
  int current = 0;
  int minimum = 0;
  if (m_nSplPos != 0) {
    m_pSplitter->GetRowInfo(0, current, minimum);
    WriteProfileInt("View", "Row", current);
  } else {
    m_pSplitter->GetColumnInfo(0, current, minimum);
    WriteProfileInt("View", "Colum", current);
  }
  if (IsLinkFileShown()) {
    m_pLinkSplitter->GetRowInfo(0, current, minimum);
    WriteProfileInt("View", "BrowserHeight", current);
  }
  if (!IsZoomed()) {
    const wxSize size = GetNormalRect().GetSize();
    WriteProfileInt("Settings", "ChildFrameWidth", size.x);
    WriteProfileInt("Settings", "ChildFrameHeight", size.y);
  }
}

void CKestaFrame::OnSizeChanged(wxSizeEvent& event) {
  event.Skip();
  NoteShowState();
}

void CKestaFrame::NoteShowState() {
  int* remembered = RememberedShowCmd();
  if (remembered && IsShown()) *remembered = IsZoomed() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

int CKestaFrame::MainExtent() const {
  const wxSize size = m_pSplitter->GetClientSize();
  return m_nSplPos == 0 ? size.x : size.y;
}

void CKestaFrame::SetMainSizes(int tree, int rest) {
  if (m_nSplPos == 0) {
    m_pSplitter->SetColumnInfo(0, tree, 0);
    m_pSplitter->SetColumnInfo(1, rest, 0);
  } else {
    m_pSplitter->SetRowInfo(0, tree, 0);
    m_pSplitter->SetRowInfo(1, rest, 0);
  }
  m_pSplitter->RecalcLayout();
}

void CKestaFrame::OnTreeOnly(wxCommandEvent&) {
  if (!m_pSplitter) return;
  SetMainSizes(MainExtent(), 0);
  m_pSplitter->SetActivePane(0, 0);
  WriteProfileInt("View", "TreeText", 1);
}

void CKestaFrame::OnTextOnly(wxCommandEvent&) {
  if (!m_pSplitter) return;
  SetMainSizes(0, MainExtent());
  if (m_pTextSplitter) m_pTextSplitter->SetActivePane(0, 0);
  WriteProfileInt("View", "TreeText", 2);
}

void CKestaFrame::OnBoth(wxCommandEvent&) {
  if (!m_pSplitter) return;
  const int extent = MainExtent();
  if (m_nSplPos == 0)
    SetMainSizes(extent / 5 * 2, extent / 5 * 3);
  else
    SetMainSizes(extent / 2, extent / 2);
  WriteProfileInt("View", "TreeText", 0);
}

void CKestaFrame::OnUnsplit(wxCommandEvent&) {
  if (m_pTextSplitter && m_pTextSplitter->GetRowCount() == 2) m_pTextSplitter->DeleteRow(1);
}

void CKestaFrame::OnUpdateUnsplit(wxUpdateUIEvent& event) {
  event.Enable(m_pTextSplitter && m_pTextSplitter->GetRowCount() == 2);
}

void CKestaFrame::OnOtherPane(wxCommandEvent&) {
  if (!m_pTextSplitter || m_pTextSplitter->GetRowCount() != 2) return;
  int row = 0;
  int col = 0;
  const bool firstActive = m_pTextSplitter->GetActivePane(&row, &col) && row == 0;
  m_pTextSplitter->SetActivePane(firstActive ? 1 : 0, 0);
}

void CKestaFrame::SyncTextPanes() {
  if (!m_pTextSplitter || m_pTextSplitter->GetRowCount() != 2) return;
  auto* first = dynamic_cast<CIEditView*>(m_pTextSplitter->GetPane(0, 0));
  auto* second = dynamic_cast<CIEditView*>(m_pTextSplitter->GetPane(1, 0));
  if (!first || !second) return;
  if (GetActiveView() == second)
    CIEditView::SyncTextPanes(second, first);
  else
    CIEditView::SyncTextPanes(first, second);
}

void CKestaFrame::OnWindowSplit(wxCommandEvent&) {
  // The new row starts at half the height; the user moves the bar from there.
  if (m_pTextSplitter && m_pTextSplitter->GetRowCount() == 1)
    m_pTextSplitter->SplitRow(m_pTextSplitter->GetClientSize().y / 2);
}

void CKestaFrame::OnUpdateWindowSplit(wxUpdateUIEvent& event) {
  event.Enable(m_pTextSplitter && m_pTextSplitter->GetRowCount() < m_pTextSplitter->GetMaxRowCount());
}

void CKestaFrame::OnLinkFileWindow(wxCommandEvent&) {
  if (!m_pLinkSplitter) return;
  if (IsLinkFileShown()) {
    HideLinkPane();
  } else {
    ShowLinkPane();
    ShowLinkFile();
  }
}

void CKestaFrame::OnUpdateLinkFileWindow(wxUpdateUIEvent& event) { event.Check(IsLinkFileShown() != FALSE); }

void CKestaFrame::ShowLinkPane() {
  int height = AfxGetProfileInt("View", "BrowserHeight", -1);
  if (height == -1) height = (GetClientSize().y - GetCaptionHeight()) / 2;
  m_pLinkSplitter->ShowRow();
  m_pLinkSplitter->SetRowInfo(0, std::max(height, 10), 10);
  m_pLinkSplitter->RecalcLayout();
}

void CKestaFrame::HideLinkPane() {
  int current = 0;
  int minimum = 0;
  m_pLinkSplitter->GetRowInfo(0, current, minimum);
  WriteProfileInt("View", "BrowserHeight", current);
  m_pLinkSplitter->HideRow(1);
}

void CKestaFrame::OnLinkFileAuto(wxCommandEvent&) {
  m_bLinkFileAuto = !m_bLinkFileAuto;
  WriteProfileInt("View", "LinkFileAuto", m_bLinkFileAuto);
}

void CKestaFrame::OnUpdateLinkFileAuto(wxUpdateUIEvent& event) { event.Check(m_bLinkFileAuto != FALSE); }
