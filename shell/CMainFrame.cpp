#include "shell/CMainFrame.h"

#include <wx/menu.h>

#include <cstdio>

#include "shell/CFindToolBar.h"
#include "app/CKestaCommandLineInfo.h"
#include "shell/CKestaFrame.h"
#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "shell/CMDITabs.h"
#include "app/LinkFileName.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CDockState.h"
#include "platform/framework/CompactMenus.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/com/COleDispatchException.h"
#include "platform/framework/CStatusBar.h"
#include "platform/framework/CToolBar.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "resources/MenuResource.h"
#include "resources/ToolBarImages.h"
#include "views/CBrowserDde.h"

wxBEGIN_EVENT_TABLE(CMainFrame, CMDIFrameWnd)
  EVT_MENU(ID_WORK_COMMAND_LINE, CMainFrame::OnCommandLine)
  EVT_TIMER(IDT_MAIN_TIMER, CMainFrame::OnTimer)
  EVT_CONTEXT_MENU(CMainFrame::OnContextMenu)
  EVT_MENU(ID_VIEW_TOOLBAR, CMainFrame::OnBarToggle)
  EVT_MENU(ID_VIEW_EXTEND_BAR, CMainFrame::OnBarToggle)
  EVT_MENU_RANGE(ID_VIEW_BAR_FIRST, ID_VIEW_BAR_LAST, CMainFrame::OnBarToggle)
  EVT_UPDATE_UI(ID_VIEW_TOOLBAR, CMainFrame::OnUpdateBarToggle)
  EVT_UPDATE_UI(ID_VIEW_EXTEND_BAR, CMainFrame::OnUpdateBarToggle)
  EVT_UPDATE_UI_RANGE(ID_VIEW_BAR_FIRST, ID_VIEW_BAR_LAST, CMainFrame::OnUpdateBarToggle)
  EVT_MENU_RANGE(ID_SETTINGS_SPLIT_SIDE, ID_SETTINGS_SPLIT_STACK, CMainFrame::OnSplitDirection)
  EVT_UPDATE_UI_RANGE(ID_SETTINGS_SPLIT_SIDE, ID_SETTINGS_SPLIT_STACK, CMainFrame::OnUpdateSplitDirection)
  EVT_MENU_RANGE(ID_VIEW_BAR_LARGE, ID_VIEW_BAR_SMALL, CMainFrame::OnBarSize)
  EVT_UPDATE_UI_RANGE(ID_VIEW_BAR_LARGE, ID_VIEW_BAR_SMALL, CMainFrame::OnUpdateBarSize)
  EVT_MENU(ID_WINDOW_NEXT, CMainFrame::OnWindowNext)
  EVT_MENU(ID_WINDOW_PREV, CMainFrame::OnWindowPrev)
  EVT_UPDATE_UI(ID_WINDOW_NEXT, CMainFrame::OnUpdateHasChild)
  EVT_UPDATE_UI(ID_WINDOW_PREV, CMainFrame::OnUpdateHasChild)
  EVT_MENU(ID_WINDOW_CLOSE_ALL, CMainFrame::OnWindowCloseAll)
  EVT_MENU(ID_VIEW_TOPMOST, CMainFrame::OnTopMost)
  EVT_UPDATE_UI(ID_VIEW_TOPMOST, CMainFrame::OnUpdateTopMost)
  EVT_MENU(ID_WORK_TAB_POSITION, CMainFrame::OnTabPositionToggle)
  EVT_MENU(ID_HELP_EXAMPLES, CMainFrame::OnHelpTopic)
  EVT_MENU(ID_HELP_QA, CMainFrame::OnHelpTopic)
  EVT_MENU(ID_HELP_KEYWORD, CMainFrame::OnHelpTopic)
  EVT_MENU(ID_HELP_PELKO_PAGE, CMainFrame::OnWebPage)
  EVT_MENU(ID_HELP_PELKO_SOFT, CMainFrame::OnWebPage)
  EVT_MENU(ID_HELP_SUPPORT, CMainFrame::OnWebPage)
  EVT_MENU(ID_HELP_HOMEPAGE, CMainFrame::OnWebPage)
  EVT_MENU(ID_HELP_WEB, CMainFrame::OnWebPage)
  EVT_DROP_FILES(CMainFrame::OnDropFiles)
  EVT_MENU(ID_WORK_BOOKMARK_BAR, CMainFrame::OnBookmarkBar)
  EVT_MENU_OPEN(CMainFrame::OnInitMenu)
  EVT_MENU(ID_SETTINGS_KEYCUST, CMainFrame::OnKeySet)
  EVT_MENU(ID_VIEW_OUTLINE, CMainFrame::OnViewOutline)
  EVT_MENU(ID_EDIT_GREP, CMainFrame::OnGrep)
  EVT_MENU(ID_WORK_BAR_GREP, CMainFrame::OnGrep)
  EVT_MENU(ID_TREE_DATE_TREE, CMainFrame::OnDateTree)
  EVT_UPDATE_UI(ID_VIEW_OUTLINE, CMainFrame::OnUpdateHasChild)
wxEND_EVENT_TABLE()

namespace {

constexpr UINT S = ID_SEPARATOR;

// The buttons of each bar, one group to a line, S the gap after it; the standard bar has a small and a
// large set.
// clang-format off
constexpr UINT kStandardSmall[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, S,
    ID_EDIT_UNDO, ID_EDIT_REDO, S,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, S,
    ID_TREE_ADD_CHILD, ID_TREE_ADD_SIBLING, S,
    ID_TREE_MODIFY, S,
    ID_VIEW_OPEN_LINK, ID_TREE_DELETE, S,
    ID_TREE_MOVE_UP, ID_TREE_MOVE_DOWN, S,
    ID_TREE_LEVEL_UP, ID_TREE_LEVEL_DOWN, S,
    ID_VIEW_OUTLINE, ID_VIEW_CHART, S,
    ID_TREE_CHECK, ID_TREE_STRIKE, S,
    ID_EDIT_FOOTNOTE, S,
    ID_EDIT_COPY_ALL_TEXT, S,
    ID_HELP_FINDER
};
constexpr UINT kStandardLarge[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, S,
    ID_EDIT_UNDO, S,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, S,
    ID_TREE_ADD_CHILD, ID_TREE_ADD_SIBLING, S,
    ID_TREE_MODIFY, S,
    ID_VIEW_OPEN_LINK, ID_TREE_DELETE, S,
    ID_TREE_MOVE_UP, ID_TREE_MOVE_DOWN, S,
    ID_TREE_LEVEL_UP, ID_TREE_LEVEL_DOWN, S,
    ID_VIEW_OUTLINE, ID_VIEW_CHART, S,
    ID_TREE_CHECK, ID_TREE_STRIKE, S,
    ID_HELP_FINDER
};
constexpr UINT kExtend[] = {
    ID_WINDOW_PREV, ID_WINDOW_NEXT, S,
    ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_FORMAT, S,
    ID_VIEW_TREE_ONLY, ID_VIEW_TEXT_ONLY, ID_VIEW_BOTH, S,
    ID_VIEW_HEADING_HIDE, ID_VIEW_HEADING_SHOW, S,
    ID_FILE_TEXT_COPY, ID_FILE_TEXT_OUTPUT_FORMAT, S,
    ID_EDIT_FIND, ID_EDIT_FIND_NEXT, ID_EDIT_FIND_PREV, S,
    ID_MARK_NEXT, ID_MARK_TOGGLE, ID_MARK_PREV, S,
    ID_EDIT_SET_TREE_TITLE, S,
    ID_TREE_SPLIT, ID_TREE_SPLIT_BELOW, ID_TREE_JOIN, S,
    ID_EDIT_SEARCH_LIST, ID_EDIT_GREP
};
// clang-format on
constexpr UINT kGrep[] = {ID_EDIT_SEARCH_LIST, ID_EDIT_GREP, S, S, ID_WORK_BAR_GREP};
constexpr UINT kFind[] = {ID_EDIT_FIND, S, ID_WORK_BAR_FIND, ID_WORK_BAR_FIND_PREV, S, ID_MARK_NEXT, ID_MARK_PREV};
constexpr UINT kPrint[] = {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_FORMAT};
constexpr UINT kWindow[] = {ID_VIEW_TREE_ONLY, ID_VIEW_TEXT_ONLY, ID_VIEW_BOTH, S, ID_VIEW_TREE, ID_VIEW_CHAPTER};
constexpr UINT kSplit[] = {ID_EDIT_SET_TREE_TITLE, S, ID_TREE_SPLIT, ID_TREE_SPLIT_BELOW, ID_TREE_JOIN};
constexpr UINT kTextOut[] = {ID_FILE_TEXT_COPY, ID_FILE_TEXT_OUTPUT_FORMAT};
constexpr UINT kBook[] = {ID_FILE_BOOKMARK_ADD, ID_FILE_BOOKMARK_EDIT, ID_WORK_BOOKMARK_BAR};
constexpr UINT kHistory[] = {ID_VIEW_BACK, ID_VIEW_FORWARD};

struct BarSpec {
  UINT id;
  const char* title;
};

// Window ids and titles in bar-list order.
constexpr BarSpec kBars[CMainFrame::kBarCount] = {
    {2, "標準バー"},         {5, "拡張バー"},      {176, "ファイル検索バー"}, {177, "検索バー"},
    {178, "印刷バー"},       {179, "ｳｨﾝﾄﾞｳﾊﾞｰ"}, {181, "分割結合ﾊﾞｰ"},    {180, "ﾃｷｽﾄ出力ﾊﾞｰ"},
    {183, "ブックマーク"}, {184, "履歴"},
};

constexpr UINT kIndicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                ID_INDICATOR_SCRL};

template <size_t N>
constexpr int Count(const UINT (&)[N]) {
  return static_cast<int>(N);
}

}  // namespace

CMainFrame::CMainFrame() : m_pBrowserDde(std::make_unique<CBrowserDde>()), m_timer(this, IDT_MAIN_TIMER) {
  Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnMainClose, this);
}

CMainFrame::~CMainFrame() {
  m_timer.Stop();
}

int CMainFrame::OnCreate() {
  UseCompactMenus();
  for (UINT resource : {static_cast<UINT>(IDR_MAINFRAME), static_cast<UINT>(IDR_KESTAVTYPE),
                        static_cast<UINT>(IDR_CHARTTYPE), static_cast<UINT>(IDR_GREPTYPE)}) {
    std::unique_ptr<wxMenuBar> menus = LoadMenuBar(resource);
    if (!menus) continue;
    if (CKestavonApp* app = GetKestavonApp()) app->m_keyTable.GetKeyTable().UpdateMenuTexts(menus.get());
    SetMenuBarFor(resource, std::move(menus));
  }
  SetSize(FromDIP(wxSize(900, 640)));

  if (!CreateStandardBar()) return -1;
  auto* extend = new CToolBar;
  auto* print = new CToolBar;
  auto* window = new CToolBar;
  auto* split = new CToolBar;
  auto* textOut = new CToolBar;
  auto* book = new CToolBar;
  auto* history = new CToolBar;
  // A bar that cannot be made is left out; the frame works without it.
  if (CreateProfileBar(extend, kBars[BarExtend].id, kExtend, Count(kExtend), Settings::View::ExtendBar) != -1)
    m_barList[BarExtend] = extend;
  if (CreateProfileBar(print, kBars[BarPrint].id, kPrint, Count(kPrint), Settings::View::PrintBar) != -1)
    m_barList[BarPrint] = print;
  if (CreateProfileBar(window, kBars[BarWindow].id, kWindow, Count(kWindow), Settings::View::WndBar) != -1)
    m_barList[BarWindow] = window;
  if (CreateProfileBar(split, kBars[BarSplit].id, kSplit, Count(kSplit), Settings::View::SplitBar) != -1)
    m_barList[BarSplit] = split;
  if (CreateProfileBar(textOut, kBars[BarTextOut].id, kTextOut, Count(kTextOut), Settings::View::TextOutBar) != -1)
    m_barList[BarTextOut] = textOut;
  if (CreateProfileBar(book, kBars[BarBook].id, kBook, Count(kBook), Settings::View::BookFileBar) != -1)
    m_barList[BarBook] = book;
  if (CreateProfileBar(history, kBars[BarHistory].id, kHistory, Count(kHistory), Settings::View::HistoryFileBar) != -1)
    m_barList[BarHistory] = history;
  if (CreateFindBar(m_pGrepBar, kBars[BarGrep].id, kGrep, Count(kGrep), Settings::View::FindBar, 3, IDW_GREP_FIELD,
                    ID_WORK_BAR_GREP, m_grepHistory, "MainGrep"))
    m_barList[BarGrep] = m_pGrepBar;
  if (CreateFindBar(m_pFindBar, kBars[BarFind].id, kFind, Count(kFind), Settings::View::NormalFindBar, 1,
                    IDW_FIND_FIELD, ID_WORK_BAR_FIND, m_findHistory, "Search"))
    m_barList[BarFind] = m_pFindBar;
  if (!CreateStatusBar()) return -1;

  for (int i = 0; i < kBarCount; ++i) {
    CToolBar* bar = m_barList[static_cast<size_t>(i)];
    if (!bar) continue;
    bar->SetWindowText(kBars[i].title);
    for (int item = 0; item < bar->GetCount(); ++item) {
      const int id = static_cast<int>(bar->GetItemID(item));
      if (bar->GetButtonStyle(item) != TBBS_SEPARATOR) bar->SetToolShortHelp(id, GetCommandText(id));
    }
    // The bar takes the right button for itself; the bar menu comes before that.
    bar->Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent&) {
      std::unique_ptr<wxMenu> menu = CreateBarMenu();
      PopupMenu(menu.get());
    });
    DockControlBar(bar);
  }

  CDockState state;
  state.LoadState("General");
  if (IsDockStateValid(state)) SetDockState(state);

  CKestavonApp* app = GetKestavonApp();
  if (app && ReadSetting(Settings::System::InitBookBar) == 1) {
    WriteSetting(Settings::System::InitBookBar, 0);
    RecalcLayout();
    // The bookmark bar starts on the extended bar's row, to its right.
    CToolBar* extendBar = m_barList[BarExtend];
    CToolBar* bookBar = m_barList[BarBook];
    if (extendBar && bookBar) {
      const wxAuiPaneInfo extendPane = GetDockManager().GetPane(extendBar);
      DockControlBar(bookBar, extendPane.dock_row, extendPane.dock_pos + 1);
      GetDockManager().GetPane(bookBar).Direction(extendPane.dock_direction).Layer(extendPane.dock_layer);
      RecalcLayout();
    }
  }

  m_nTabStyle = ReadSetting(Settings::View::TabStyle);
  m_nTabPosition = ReadSetting(Settings::View::TabPosition);
  m_pTabs = new CMDITabs;
  DWORD flags = CMDITabs::MT_IMAGES | CMDITabs::MT_HIDEWLT2VIEWS;
  if (m_nTabPosition != 0) flags |= CMDITabs::MT_TOP;
  if (m_pTabs->Create(this, flags)) {
    if (m_nTabStyle == 1) m_pTabs->ModifyStyle(0, TCS_BUTTONS);
    GetDockManager().AddPane(m_pTabs, wxAuiPaneInfo()
                                          .Name("MDITabs")
                                          .CaptionVisible(false)
                                          .PaneBorder(false)
                                          .Gripper(false)
                                          .Floatable(false)
                                          .Movable(false)
                                          .Dockable(false)
                                          .Resizable(false)
                                          .Layer(0)
                                          .Row(0)
                                          .Hide());
    UpdateTabPane();
  }

  DragAcceptFiles(true);
  m_timer.Start(10000);
  m_bTopMost = ReadSetting(Settings::View::TopMost);
  if (m_bTopMost) SetWindowStyleFlag(GetWindowStyleFlag() | wxSTAY_ON_TOP);

  m_listener = std::make_unique<CInstanceListener>();
  m_listener->Listen(CKestavonApp::kWindowClass, GetKestavonApp()->GetSettingsFolder(),
                     [this](int commandId, const CString& text) { OnInstanceCommand(commandId, text); });
  return 0;
}

BOOL CMainFrame::CreateStandardBar() {
  auto* bar = new CToolBar;
  if (!bar->CreateEx(this, kBars[BarStandard].id)) {
    bar->Destroy();
    return FALSE;
  }
  bar->SetImageSource(&ToolBarImage);
  BOOL made;
  if (ReadSetting(Settings::View::BarSize) == 0) {
    bar->SetSizes(37, 30);
    made = bar->SetButtons(kStandardLarge, Count(kStandardLarge));
  } else {
    made = bar->SetButtons(kStandardSmall, Count(kStandardSmall));
  }
  if (!made) {
    bar->Destroy();
    return FALSE;
  }
  if (ReadSetting(Settings::View::StandardBar) == 0) bar->Hide();
  m_barList[BarStandard] = bar;
  return TRUE;
}

int CMainFrame::CreateProfileBar(CToolBar* bar, UINT nID, const UINT* ids, int count, const IntSetting& shown) {
  if (!bar->CreateEx(this, nID)) {
    delete bar;  // never became a window
    return -1;
  }
  bar->SetImageSource(&ToolBarImage);
  if (!bar->SetButtons(ids, count)) {
    bar->Destroy();
    return -1;
  }
  const int show = ReadSetting(shown);
  if (show == 0) bar->Hide();
  return show;
}

BOOL CMainFrame::CreateFindBar(CFindToolBar*& bar, UINT nID, const UINT* ids, int count, const IntSetting& shown,
                               int fieldIndex, UINT fieldId, UINT enterCommand, CHistoryList& history,
                               const char* section) {
  auto* made = new CFindToolBar;
  if (CreateProfileBar(made, nID, ids, count, shown) == -1) return FALSE;
  if (!made->CreateField(fieldIndex, fieldId, enterCommand)) {
    made->Destroy();
    return FALSE;
  }
  history.SetSection(section);
  history.Load();
  history.FillComboBox(made->GetField());
  made->GetField()->ChangeValue(wxString());  // the field starts empty, its list ready
  bar = made;
  return TRUE;
}

BOOL CMainFrame::CreateStatusBar() {
  auto* status = new CStatusBar;
  if (!status->Create(this, AFX_IDW_STATUS_BAR) || !status->SetIndicators(kIndicators, Count(kIndicators))) {
    SetStatusBar(nullptr);
    status->Destroy();
    return FALSE;
  }
  status->SetPaneInfo(1, ID_SEPARATOR, SBPS_NORMAL, status->GetTextExtent("555/555"));
  return TRUE;
}

BOOL CMainFrame::IsDockStateValid(CDockState& state) const {
  for (CControlBarInfo& info : state.m_arrBarInfo) {
    if (info.m_nBarID == AFX_IDW_STATUS_BAR && info.m_bDockContext) {
      info.m_bDockContext = FALSE;
      info.m_bVisible = TRUE;
    }
    if (!info.m_bFloating && !GetControlBar(info.m_nBarID)) return FALSE;
  }
  return TRUE;
}

void CMainFrame::ActivateFrame(int nCmdShow) {
  if (!m_bShownOnce) {
    m_bShownOnce = true;
    RestoreWindowPos(nCmdShow == -1 ? SW_SHOWNORMAL : nCmdShow);
    return;
  }
  CMDIFrameWnd::ActivateFrame(nCmdShow);
}

void CMainFrame::RestoreWindowPos(int nCmdShow) {
  m_bShownOnce = true;
  WINDOWPLACEMENT placement;
  if (!ReadWindowPos(&placement)) {
    CMDIFrameWnd::ActivateFrame(nCmdShow);
    return;
  }
  if (nCmdShow != SW_SHOWNORMAL) placement.showCmd = static_cast<UINT>(nCmdShow);
  SetWindowPlacement(&placement);
}

BOOL CMainFrame::ParseWindowPos(const char* text, WINDOWPLACEMENT* placement) {
  if (!text || !placement) return FALSE;
  WINDOWPLACEMENT read;
  char rest = 0;
  const int fields = std::sscanf(text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d%c", &read.flags, &read.showCmd,
                                 &read.ptMinPosition.x, &read.ptMinPosition.y, &read.ptMaxPosition.x,
                                 &read.ptMaxPosition.y, &read.rcNormalPosition.left, &read.rcNormalPosition.top,
                                 &read.rcNormalPosition.right, &read.rcNormalPosition.bottom, &rest);
  if (fields != 10) return FALSE;
  read.length = sizeof(WINDOWPLACEMENT);
  *placement = read;
  return TRUE;
}

CString CMainFrame::FormatWindowPos(const WINDOWPLACEMENT* placement) {
  CString text;
  text.Format("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", placement->flags, placement->showCmd, placement->ptMinPosition.x,
              placement->ptMinPosition.y, placement->ptMaxPosition.x, placement->ptMaxPosition.y,
              placement->rcNormalPosition.left, placement->rcNormalPosition.top, placement->rcNormalPosition.right,
              placement->rcNormalPosition.bottom);
  return text;
}

BOOL CMainFrame::ReadWindowPos(WINDOWPLACEMENT* placement) {
  const CString text = ReadSetting(Settings::Settings::WindowPos);
  return ParseWindowPos(text, placement);
}

void CMainFrame::WriteWindowPos(const WINDOWPLACEMENT* placement) {
  WriteSetting(Settings::Settings::WindowPos, FormatWindowPos(placement));
}

void CMainFrame::OnUpdateFrameTitle(BOOL addToTitle) {
  CMDIFrameWnd::OnUpdateFrameTitle(addToTitle);
  if (m_pTabs && m_nTabStyle != 0) m_pTabs->Update();
}

void CMainFrame::UpdateTabPane() {
  if (!m_pTabs) return;
  wxAuiPaneInfo& pane = GetDockManager().GetPane(m_pTabs);
  if (!pane.IsOk()) return;
  const int height = m_pTabs->GetStripHeight();
  pane.Direction(m_nTabPosition != 0 ? wxAUI_DOCK_TOP : wxAUI_DOCK_BOTTOM)
      .MinSize(wxSize(-1, height))
      .BestSize(wxSize(-1, height))
      .Show(m_pTabs->WantsRoom());
}

void CMainFrame::RecalcLayout(BOOL notify) {
  UpdateTabPane();
  CMDIFrameWnd::RecalcLayout(notify);
}

void CMainFrame::SetTabStyle(int style) {
  if (style == m_nTabStyle || !m_pTabs) return;
  m_nTabStyle = style;
  if (style == 0) {
    m_pTabs->DeleteAllItems();
  } else {
    if (style == 1)
      m_pTabs->ModifyStyle(0, TCS_BUTTONS);
    else
      m_pTabs->ModifyStyle(TCS_BUTTONS, 0);
    m_pTabs->Update();
  }
  RecalcLayout();
}

void CMainFrame::SetTabPosition(int position) {
  if (position == m_nTabPosition || !m_pTabs) return;
  m_nTabPosition = position;
  if (position == 0) {
    m_pTabs->ModifyStyle(0, TCS_BOTTOM);
    m_pTabs->SetTop(false);
  } else {
    m_pTabs->ModifyStyle(TCS_BOTTOM, 0);
    m_pTabs->SetTop(true);
  }
  if (m_nTabStyle != 0) m_pTabs->Update();
  RecalcLayout();
}

std::unique_ptr<wxMenu> CMainFrame::CreateBarMenu() const {
  auto menu = std::make_unique<wxMenu>();
  for (int i = 0; i < kBarCount; ++i) menu->AppendCheckItem(ID_VIEW_BAR_FIRST + i, CP932ToWx(kBars[i].title));
  return menu;
}

void CMainFrame::OnContextMenu(wxContextMenuEvent& event) {
  for (auto* w = dynamic_cast<wxWindow*>(event.GetEventObject()); w && w != this; w = w->GetParent()) {
    if (dynamic_cast<CStatusBar*>(w)) {
      std::unique_ptr<wxMenu> menu = CreateBarMenu();
      PopupMenu(menu.get());
      return;
    }
  }
  event.Skip();
}

CToolBar* CMainFrame::BarOfCommand(int id) const {
  if (id == ID_VIEW_TOOLBAR) return m_barList[BarStandard];
  if (id == ID_VIEW_EXTEND_BAR) return m_barList[BarExtend];
  const int index = id - ID_VIEW_BAR_FIRST;
  return index >= 0 && index < kBarCount ? m_barList[static_cast<size_t>(index)] : nullptr;
}

void CMainFrame::OnBarToggle(wxCommandEvent& event) {
  CToolBar* bar = BarOfCommand(event.GetId());
  if (!bar) return;
  ShowControlBar(bar, !IsBarVisible(bar), FALSE);
}

void CMainFrame::OnUpdateBarToggle(wxUpdateUIEvent& event) {
  CToolBar* bar = BarOfCommand(event.GetId());
  event.Enable(bar != nullptr);
  event.Check(bar && IsBarVisible(bar));
}

void CMainFrame::OnTimer(wxTimerEvent&) {}

void CMainFrame::SaveOpenFileList() {
  const std::vector<CMDIChildWnd*> children = GetMDIChildren();
  if (children.empty()) return;
  std::vector<CString> paths;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    CDocument* doc = (*it)->GetActiveDocument();
    if (!doc) continue;
    const CString path = doc->GetPathName();
    if (path.IsEmpty() || std::find(paths.begin(), paths.end(), path) != paths.end()) continue;
    paths.push_back(path);
  }
  WriteSetting(Settings::InitAllFile::Count, static_cast<int>(paths.size()));
  for (size_t i = 0; i < paths.size(); ++i) WriteSetting(Settings::InitAllFile::Name, static_cast<int>(i), paths[i]);
}

bool CMainFrame::ProcessEvent(wxEvent& event) {
  try {
    return CMDIFrameWnd::ProcessEvent(event);
  } catch (const COleDispatchException& error) {
    AfxMessageBox(error.m_strDescription, MB_OK | MB_ICONEXCLAMATION);
    return true;
  }
}

void CMainFrame::OnMainClose(wxCloseEvent& event) {
  CWinApp* app = AfxGetApp();
  if (app) {
    SaveBarState("General");
    if (ReadSetting(Settings::System::AllFileInit)) SaveOpenFileList();
    WINDOWPLACEMENT placement;
    GetWindowPlacement(&placement);
    placement.flags = IsMaximized() ? WPF_RESTORETOMAXIMIZED : 0;
    WriteWindowPos(&placement);
  }
  event.Skip();  // the framework asks to save and closes
}

void CMainFrame::OnCommandLine(wxCommandEvent&) {
  CarryOutCommandLine(CKestavonApp::ReadHandOverLine(ReadSetting(Settings::System::Commandline)));
}

void CMainFrame::OnInstanceCommand(int commandId, const CString& text) {
  if (IsIconized()) Iconize(false);
  Raise();
  if (commandId == ID_WORK_COMMAND_LINE) {
    CarryOutCommandLine(text);
  } else {
    SendCommand(commandId);
  }
}

void CMainFrame::CarryOutCommandLine(const CString& line) {
  CKestavonApp* app = GetKestavonApp();
  if (line.IsEmpty()) return;
  CKestaCommandLineInfo info;
  info.ParseCommandString(line);
  app->ApplyCommandLine(info);
  if (info.GetMode() == CKestaCommandLineInfo::ModeAdd) {
    CMDIChildWnd* child = MDIGetActive();
    const CString folder = info.GetFolder();
    const CString link = folder.IsEmpty() ? info.GetFileName() : JoinPath(folder, info.GetFileName());
    if (auto* doc = dynamic_cast<CKestavonDoc*>(child ? child->GetActiveDocument() : nullptr))
      doc->AddTreeFromCommandLine(info.GetFileName(), link);
    return;
  }
  if (info.GetFileList().empty()) return;
  CString wanted = info.GetFileList().front();
  if (!wanted.IsEmpty() && wanted[0] == '"') wanted.Trim('"');
  const std::vector<CMDIChildWnd*> children = GetMDIChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    auto* child = dynamic_cast<CKestaFrame*>(*it);
    CDocument* doc = child ? child->GetActiveDocument() : nullptr;
    if (doc && doc->GetPathName().CompareNoCase(wanted) == 0) {
      child->MDIActivate();
      child->PostCommand(ID_WORK_CURSOR_JUMP);
      return;
    }
  }
  app->OpenDocumentFile(info.GetFileList().front());
}
