#include "treeview/CTrView.h"

#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/timer.h>

#include <algorithm>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CDirData.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CStatusBar.h"
#include "platform/base/CodePage.h"
#include "resources/CommandIds.h"
#include "resources/MenuResource.h"
#include "treeview/COwnerListBox.h"
#include "treeview/TreeRowText.h"

namespace {

// The pane's commands that have no handler: their update handlers disable them.
constexpr int kNotBuiltCommands[] = {ID_TREE_ADD_URL, ID_WORK_TEST};

}  // namespace

wxBEGIN_EVENT_TABLE(CTrView, CView)
  EVT_SIZE(CTrView::OnSize)
  EVT_SET_FOCUS(CTrView::OnSetFocus)
  EVT_LISTBOX(COwnerListBox::kControlId, CTrView::OnSelChange)
  EVT_LISTBOX_DCLICK(COwnerListBox::kControlId, CTrView::OnDblClk)
  EVT_CONTEXT_MENU(CTrView::OnContextMenu)
  EVT_MENU(ID_WORK_STATUS_SHOW, CTrView::OnShowStatusBar)
  EVT_MENU(ID_WORK_NEXT_TREE, CTrView::OnSelectNext)
  EVT_MENU(ID_WORK_PREV_TREE, CTrView::OnSelectPrev)
  EVT_MENU(ID_TREE_SHOW_BELOW, CTrView::OnShowBelow)
  EVT_UPDATE_UI(ID_TREE_SHOW_BELOW, CTrView::OnUpdateShowBelow)
  EVT_MENU(ID_TREE_HIDE_BELOW, CTrView::OnHideBelow)
  EVT_UPDATE_UI(ID_TREE_HIDE_BELOW, CTrView::OnUpdateHideBelow)
  EVT_MENU(ID_TREE_SHOW_ALL_BELOW, CTrView::OnShowAllBelow)
  EVT_UPDATE_UI(ID_TREE_SHOW_ALL_BELOW, CTrView::OnUpdateShowAllBelow)
  EVT_MENU_RANGE(ID_TREE_SHOW_LEVELS2, ID_TREE_SHOW_LEVELS7, CTrView::OnShowLevels)
  EVT_MENU(ID_WORK_TOGGLE_BELOW, CTrView::OnToggleBelow)
  EVT_UPDATE_UI(ID_WORK_TOGGLE_BELOW, CTrView::OnUpdateToggleBelow)
  EVT_MENU(ID_TREE_SHOW_OR_DOWN, CTrView::OnShowOrDown)
  EVT_MENU(ID_TREE_HIDE_OR_UP, CTrView::OnHideOrUp)
  EVT_MENU(ID_WORK_SCROLL_UP, CTrView::OnScrollUp)
  EVT_MENU(ID_WORK_SCROLL_DOWN, CTrView::OnScrollDown)
  EVT_MENU(ID_VIEW_CURSOR_TEXT, CTrView::OnCursorToText)
  EVT_MENU(ID_VIEW_CURSOR_SWITCH, CTrView::OnCursorToText)
  EVT_MENU(ID_TREE_ADD_CHILD, CTrView::OnAddChild)
  EVT_MENU(ID_TREE_ADD_SIBLING, CTrView::OnAddSibling)
  EVT_UPDATE_UI(ID_TREE_ADD_SIBLING, CTrView::OnUpdateNotTop)
  EVT_MENU(ID_TREE_MODIFY, CTrView::OnModify)
  EVT_MENU(ID_TREE_DELETE, CTrView::OnDelete)
  EVT_UPDATE_UI(ID_TREE_DELETE, CTrView::OnUpdateNotTop)
  EVT_MENU(ID_TREE_INSERT, CTrView::OnInsert)
  EVT_UPDATE_UI(ID_TREE_INSERT, CTrView::OnUpdateNotTop)
  EVT_MENU(ID_EDIT_COPY, CTrView::OnEditCopy)
  EVT_MENU(ID_EDIT_CUT, CTrView::OnEditCut)
  EVT_MENU(ID_EDIT_COPY_BELOW, CTrView::OnCopyBelow)
  EVT_UPDATE_UI(ID_EDIT_COPY_BELOW, CTrView::OnUpdateCopyBelow)
  EVT_MENU(ID_EDIT_PASTE, CTrView::OnEditPaste)
  EVT_MENU(ID_EDIT_PASTE_CHILD, CTrView::OnPasteChild)
  EVT_MENU(ID_EDIT_PASTE_SIBLING, CTrView::OnPasteSibling)
  EVT_MENU(ID_TREE_MOVE_UP, CTrView::OnMoveUp)
  EVT_UPDATE_UI(ID_TREE_MOVE_UP, CTrView::OnUpdateMoveUp)
  EVT_MENU(ID_TREE_MOVE_DOWN, CTrView::OnMoveDown)
  EVT_UPDATE_UI(ID_TREE_MOVE_DOWN, CTrView::OnUpdateMoveDown)
  EVT_MENU(ID_TREE_LEVEL_UP, CTrView::OnLevelUp)
  EVT_UPDATE_UI(ID_TREE_LEVEL_UP, CTrView::OnUpdateLevelUp)
  EVT_MENU(ID_TREE_LEVEL_DOWN, CTrView::OnLevelDown)
  EVT_UPDATE_UI(ID_TREE_LEVEL_DOWN, CTrView::OnUpdateMoveUp)
  EVT_MENU(ID_TREE_LEVEL_DOWN_FOLLOWING, CTrView::OnLevelDownFollowing)
  EVT_UPDATE_UI(ID_TREE_LEVEL_DOWN_FOLLOWING, CTrView::OnUpdateLevelDownFollowing)
  EVT_MENU(ID_TREE_LEVEL_UP_FOLLOWING, CTrView::OnLevelUpFollowing)
  EVT_UPDATE_UI(ID_TREE_LEVEL_UP_FOLLOWING, CTrView::OnUpdateLevelUpFollowing)
  EVT_MENU(ID_TREE_JOIN, CTrView::OnJoin)
  EVT_UPDATE_UI(ID_TREE_JOIN, CTrView::OnUpdateNotTop)
  EVT_MENU(ID_TREE_MOVE, CTrView::OnTreeMove)
  EVT_UPDATE_UI(ID_TREE_MOVE, CTrView::OnUpdateNotTop)
  EVT_MENU(ID_TREE_DELETE_SEVERAL, CTrView::OnDeleteSeveral)
  EVT_MENU(ID_WORK_STATUS_PATH, CTrView::OnStatusPath)
  EVT_MENU(ID_FILE_TEXT_COPY, CTrView::OnTextCopy)
  EVT_UPDATE_UI(ID_FILE_TEXT_COPY, CTrView::OnUpdateTextCopy)
  EVT_MENU(ID_EDIT_UNDO, CTrView::OnEditUndo)
  EVT_UPDATE_UI(ID_EDIT_UNDO, CTrView::OnUpdateEditUndo)
  EVT_MENU(ID_EDIT_REDO, CTrView::OnEditRedo)
  EVT_UPDATE_UI(ID_EDIT_REDO, CTrView::OnUpdateEditRedo)
  EVT_MENU(ID_EDIT_FIND, CTrView::OnEditFind)
  EVT_MENU(ID_EDIT_FIND_NEXT, CTrView::OnFindNext)
  EVT_UPDATE_UI(ID_EDIT_FIND_NEXT, CTrView::OnUpdateFindNext)
  EVT_MENU(ID_EDIT_FIND_PREV, CTrView::OnFindPrev)
  EVT_UPDATE_UI(ID_EDIT_FIND_PREV, CTrView::OnUpdateFindNext)
  EVT_MENU(ID_EDIT_SEARCH_LIST, CTrView::OnSearchList)
  EVT_MENU(ID_EDIT_REPLACE, CTrView::OnEditReplace)
  EVT_UPDATE_UI(ID_EDIT_REPLACE, CTrView::OnUpdateEditReplace)
  EVT_MENU(ID_MARK_TOGGLE, CTrView::OnMarkToggle)
  EVT_MENU(ID_MARK_CLEAR_BELOW, CTrView::OnMarkClearBelow)
  EVT_MENU(ID_MARK_NEXT, CTrView::OnMarkNext)
  EVT_MENU(ID_MARK_PREV, CTrView::OnMarkPrev)
  EVT_MENU_RANGE(ID_MARK_FIRST, ID_MARK_LAST, CTrView::OnMarkJump)
  EVT_MENU(ID_VIEW_CHECKED_ONLY, CTrView::OnCheckFilter)
  EVT_MENU(ID_VIEW_UNCHECKED_ONLY, CTrView::OnCheckFilter)
  EVT_MENU(ID_VIEW_ALL_CHECKS, CTrView::OnCheckFilter)
  EVT_UPDATE_UI(ID_VIEW_CHECKED_ONLY, CTrView::OnUpdateCheckFilter)
  EVT_UPDATE_UI(ID_VIEW_UNCHECKED_ONLY, CTrView::OnUpdateCheckFilter)
  EVT_UPDATE_UI(ID_VIEW_ALL_CHECKS, CTrView::OnUpdateCheckFilter)
  EVT_MENU(ID_SETTINGS_MARK_TEXT, CTrView::OnMarkText)
  EVT_MENU(ID_VIEW_TREE, CTrView::OnViewTree)
  EVT_UPDATE_UI(ID_VIEW_TREE, CTrView::OnUpdateViewTree)
  EVT_MENU(ID_VIEW_CHAPTER, CTrView::OnViewChapter)
  EVT_UPDATE_UI(ID_VIEW_CHAPTER, CTrView::OnUpdateViewChapter)
  EVT_MENU(ID_SETTINGS_FONT, CTrView::OnTreeFont)
  EVT_MENU(ID_TREE_CHECK, CTrView::OnToggleCheck)
  EVT_MENU(ID_TREE_STRIKE, CTrView::OnToggleStrike)
  EVT_MENU(ID_TREE_SORT, CTrView::OnSort)
  EVT_UPDATE_UI(ID_TREE_SORT, CTrView::OnUpdateHasChildren)
  EVT_MENU(ID_EDIT_GO_FIRST, CTrView::OnGoFirst)
  EVT_MENU(ID_EDIT_GO_LAST, CTrView::OnGoLast)
  EVT_MENU(ID_TREE_PARENT, CTrView::OnGoParent)
  EVT_UPDATE_UI(ID_TREE_PARENT, CTrView::OnUpdateGoParent)
  EVT_MENU(ID_WORK_REDRAW, CTrView::OnRedraw)
  EVT_MENU(ID_VIEW_TREE_TEXT_ONLY, CTrView::OnTreeTextOnly)
  EVT_MENU(ID_VIEW_TREE_TEXT, CTrView::OnTreeTextOnly)
  EVT_MENU(ID_VIEW_TIME_NONE, CTrView::OnTimeMode)
  EVT_UPDATE_UI(ID_VIEW_TIME_NONE, CTrView::OnUpdateTimeMode)
  EVT_MENU(ID_VIEW_TIME_UPDATED, CTrView::OnTimeMode)
  EVT_UPDATE_UI(ID_VIEW_TIME_UPDATED, CTrView::OnUpdateTimeMode)
  EVT_MENU(ID_VIEW_TIME_CREATED, CTrView::OnTimeMode)
  EVT_UPDATE_UI(ID_VIEW_TIME_CREATED, CTrView::OnUpdateTimeMode)
  EVT_MENU(ID_VIEW_TIME_VIEWED, CTrView::OnTimeMode)
  EVT_UPDATE_UI(ID_VIEW_TIME_VIEWED, CTrView::OnUpdateTimeMode)
  EVT_MENU(ID_EDIT_CHANGE_TIMES, CTrView::OnChangeTimes)
  EVT_MENU(ID_VIEW_BACK, CTrView::OnBack)
  EVT_MENU(ID_VIEW_FORWARD, CTrView::OnForward)
  EVT_UPDATE_UI(ID_VIEW_FORWARD, CTrView::OnUpdateForward)
  EVT_MENU(ID_VIEW_RECENT_UPDATED, CTrView::OnRecentUpdated)
  EVT_MENU(ID_VIEW_RECENT_VIEWED, CTrView::OnRecentViewed)
  EVT_MENU(ID_WORK_CURSOR_JUMP, CTrView::OnCursorJump)
  EVT_MENU(ID_VIEW_OPEN_LINK, CTrView::OnOpenLink)
  EVT_MENU(ID_SETTINGS_EDITOR, CTrView::OnSetEditor)
  EVT_MENU(ID_SETTINGS_RUN_EDITOR, CTrView::OnRunEditor)
  EVT_MENU(ID_TREE_COPY_LINK_SAME, CTrView::OnCopyLink)
  EVT_MENU(ID_TREE_COPY_LINK_OTHER, CTrView::OnCopyLink)
  EVT_MENU(ID_TREE_COPY_LINK_FOLDER, CTrView::OnCopyLink)
  EVT_MENU(ID_TREE_ATTRIBUTES, CTrView::OnTreeAttributes)
  EVT_UPDATE_UI(ID_TREE_ATTRIBUTES, CTrView::OnUpdateHasChildren)
  EVT_MENU(ID_TREE_COLOR, CTrView::OnTreeColor)
  EVT_MENU(ID_SETTINGS_SETTINGS, CTrView::OnSettings)
  EVT_MENU(ID_FILE_PROPERTIES, CTrView::OnProperties)
  EVT_UPDATE_UI(ID_FILE_PROPERTIES, CTrView::OnUpdateProperties)
  EVT_MENU(ID_SETTINGS_TEXTAREA, CTrView::OnPassToText)
  EVT_MENU(ID_SETTINGS_TEXTAREA_KEYS, CTrView::OnPassToText)
  EVT_MENU(ID_VIEW_TEXT_WINDOW, CTrView::OnPassToText)
  EVT_MENU(ID_EDIT_COPY_ALL_TEXT, CTrView::OnPassToText)
  EVT_MENU(ID_EDIT_WEB_SEARCH, CTrView::OnPassToText)
  EVT_MENU(ID_VIEW_COUNT_CHARS, CTrView::OnPassToText)
  EVT_MENU(ID_FILE_TEXTAREA_INSERT, CTrView::OnPassToText)
  EVT_MENU(ID_FILE_TEXTAREA_SAVE, CTrView::OnPassToText)
  EVT_MENU(ID_FILE_TEXTAREA_SAVE_TEMPLATE, CTrView::OnPassToText)
  EVT_MENU(ID_FILE_PRINT, CTrView::OnFilePrint)
  EVT_MENU(ID_FILE_PRINT_PREVIEW, CTrView::OnFilePrintPreview)
  EVT_MENU(ID_FILE_PAGE_SETUP, CTrView::OnFilePageSetup)
  EVT_MENU(ID_FILE_PRINT_FORMAT, CTrView::OnPrintFormat)
  EVT_MENU(ID_SETTINGS_HEADING_CHARS, CTrView::OnHeadingChars)
  EVT_MENU(ID_VIEW_HEADING_TOGGLE, CTrView::OnToggleHeadingChars)
  EVT_UPDATE_UI(ID_VIEW_HEADING_TOGGLE, CTrView::OnUpdateToggleHeadingChars)
  EVT_MENU(ID_VIEW_HEADING_SHOW, CTrView::OnShowHeadingChars)
  EVT_UPDATE_UI(ID_VIEW_HEADING_SHOW, CTrView::OnUpdateShowHeadingChars)
  EVT_MENU(ID_VIEW_HEADING_HIDE, CTrView::OnHideHeadingChars)
  EVT_UPDATE_UI(ID_VIEW_HEADING_HIDE, CTrView::OnUpdateHideHeadingChars)
wxEND_EVENT_TABLE()

CTrView::CTrView() {
  m_nDblClk = ReadSetting(Settings::System::DblClk);
  m_bAddNoTitle = ReadSetting(Settings::System::bAddNoTitle);
  for (int id : kNotBuiltCommands) Bind(wxEVT_UPDATE_UI, &CTrView::OnUpdateNotBuilt, this, id);
}

CTrView::~CTrView() = default;

CKestavonDoc* CTrView::GetDocument() const { return dynamic_cast<CKestavonDoc*>(CView::GetDocument()); }

void CTrView::OnInitialUpdate() {
  CView::OnInitialUpdate();
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  ATREE& tree = doc->GetTree();

  m_pListBox = new COwnerListBox;
  m_pListBox->Create(this, COwnerListBox::kControlId, wxRect(wxPoint(0, 0), GetClientSize()));
  m_pListBox->m_nTreeMode = ReadSetting(Settings::View::Tree);
  m_pListBox->m_bShowSho = tree.GetProperties().m_nTreeView;
  m_pListBox->m_pTree = &tree;
  m_pListBox->m_nTimeMode = ReadSetting(Settings::View::Time);
  if (CKestavonApp* app = GetKestavonApp()) m_pListBox->m_pKeyTable = &app->m_keyTable.GetKeyTable();

  LoadProfileFont(m_pListBox->m_fontTree, "Font", "ＭＳ Ｐゴシック", -17, FALSE);
  DeriveFont(m_pListBox->m_fontTree, m_pListBox->m_fontBold, TRUE, FALSE);
  DeriveFont(m_pListBox->m_fontTree, m_pListBox->m_fontStrike, FALSE, TRUE);

  const int count = tree.GetDirDataCount();
  int index = ReadSetting(Settings::System::AutoFirst) ? tree.GetProperties().m_nFirstLine : 0;
  if (CKestavonApp* app = GetKestavonApp()) {
    if (app->m_nJumpNumber != 0) {
      if (app->m_nJumpNumber < count) index = app->m_nJumpNumber - 1;
      app->m_nJumpNumber = 0;
    } else if (!app->m_strJumpTitle.IsEmpty()) {
      const int found = tree.FindName(app->m_strJumpTitle);
      if (found != -1) index = found;
      app->m_strJumpTitle.Empty();
    }
  }
  if (index >= 0 && index < count) {
    tree.ShowTree(index);
  } else {
    index = 0;
  }
  RefillList(tree.GetRows().GetRowIndex(index));
  LoadMarkTexts();
  RebuildMarkList();

  if (tree.IsReadOnly()) doc->SetTitle(doc->GetTitle() + "(読込専用)");
  wxCommandEvent* show = new wxCommandEvent(wxEVT_MENU, ID_WORK_STATUS_SHOW);
  QueueEvent(show);
  StartAutoSave();
  m_bReady = 1;
}

void CTrView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
  if (hint == CKestavonDoc::kHintCurrentItem) return;
  if (hint == CKestavonDoc::kHintRowsRebuilt) {
    RefillList(static_cast<CKestavonDoc::CRowsHint*>(hintObject)->row);
    return;
  }
  CView::OnUpdate(sender, hint, hintObject);
  if (m_pListBox) m_pListBox->Refresh(false);
}

void CTrView::RefillList(int row) {
  CKestavonDoc* doc = GetDocument();
  if (!m_pListBox || !doc) return;
  ATREE& tree = doc->GetTree();
  COwnerListBox& list = *m_pListBox;
  if (row < 0) row = list.GetCurSel();
  const int top = list.GetTopIndex();
  const int hpos = list.GetHScrollPos();
  list.SetRedraw(FALSE);
  list.ResetContent();
  const int rows = tree.GetRows().GetTreeDataCount();
  for (int i = 0; i < rows; ++i) list.AddItemData(tree.GetRows().GetTreeData(i));
  const int last = list.GetCount() - 1;
  list.SetTopIndex(std::min(top, last));
  list.SetCurSel(std::min(row, last));
  doc->SetCurrentTree(list.GetCurTree());
  doc->UpdateAllViews(nullptr, 0);
  list.SetFocus();
  MeasureRows();
  list.SetCurSel(std::min(row, last));
  list.SetRedraw(TRUE);
  list.SetHScrollPos(hpos);
}

void CTrView::MeasureRows() {
  CKestavonDoc* doc = GetDocument();
  if (!m_pListBox || !doc) return;
  ATREE& tree = doc->GetTree();
  COwnerListBox& list = *m_pListBox;
  wxClientDC dc(this);
  dc.SetFont(list.m_fontTree);
  const int usable = list.GetClientSize().GetWidth() - 2;
  int maxCharWidth = 0;
  for (const char* probe : {"W", "M", "@"}) maxCharWidth = std::max(maxCharWidth, dc.GetTextExtent(probe).GetWidth());
  list.SetHorizontalExtent(list.m_bTurn ? usable : tree.GetRows().GetMaxRowTextLength() * maxCharWidth);

  const CFont* current = &list.m_fontTree;
  int fontHeight = dc.GetCharHeight();
  const int count = list.GetCount();
  for (int i = 0; i < count; ++i) {
    const CTreeData* row = list.GetItemDataPtr(i);
    const CFont* font = &list.m_fontTree;
    if (row->m_nStatus & 2) {
      font = &list.m_fontStrike;
    } else if (list.m_bBold && tree.GetLevel(row->m_nItem) == 1) {
      font = &list.m_fontBold;
    }
    if (font != current) {
      current = font;
      dc.SetFont(*font);
      fontHeight = dc.GetCharHeight();
    }
    if (!list.m_bTurn) {
      list.SetItemHeight(i, fontHeight + list.m_nTreeHeight + 1);
      continue;
    }
    CString text = StripTreeLineArt(row->m_strTitle);
    if (row->GetCategory() != 0) text = tree.GetRowCategoryText(*row) + text;
    const int mode = list.m_nTimeMode;
    if (mode >= 1 && mode <= 3) {
      const CDirData* item = tree.GetDirData(row->m_nItem);
      const CString time = mode == 1   ? item->GetUpdateTimeText(FALSE)
                           : mode == 2 ? item->GetCreateTimeText(FALSE)
                                       : item->GetDisplayTimeText(FALSE);
      if (!time.IsEmpty()) text += " (" + time + ")";
    }
    int width = usable - tree.GetLevel(row->m_nItem) * 2 * list.m_nLevelWidth;
    if (list.m_bCheck && (row->m_nStatus & 1)) width -= list.m_sizeCheck.cx + 1;
    if (list.m_bIcon) width -= list.m_sizeFolder.cx + 1;
    if (row->m_nFlags & 1) width -= list.m_sizeCheck.cx + 1;
    if (list.m_nTreeMode == 1 || list.m_bShowSho) width -= RowTextWidth(dc, row->m_strNumber);
    width = std::max(width, 10);
    int height = fontHeight;
    if (maxCharWidth * text.GetLength() >= width) {
      RECT r;
      r.right = width;
      r.bottom = 100;
      height = DrawRowText(dc, text, r, true, false);
    }
    list.SetItemHeight(i, height + list.m_nTreeHeight);
  }
}

void CTrView::SetStatusText(const CString& text) {
  auto* frame = dynamic_cast<wxFrame*>(wxGetTopLevelParent(this));
  // Through the bar's own panes, so that what the bar keeps of its texts stays true.
  if (auto* status = frame ? dynamic_cast<CStatusBar*>(frame->GetStatusBar()) : nullptr) status->SetPaneText(0, text);
}

void CTrView::UpdateStatusBar() {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  const ATREE& tree = doc->GetTree();
  const int item = doc->GetCurrentTree();
  if (item < 0 || item >= tree.GetDirDataCount()) return;
  const CDirData* data = tree.GetDirData(item);
  const CString time = data->GetUpdateTimeText(FALSE);
  CString text;
  if (data->m_strLink.IsEmpty()) {
    text = tree.GetName(item);
    const CKestavonApp* app = GetKestavonApp();
    const int separator = data->m_strPath.Find('\x01');
    // The top item has no path below its own title; it shows its title.
    if ((!app || app->m_bStatusBarFull) && separator >= 0) {
      text = data->m_strPath.Mid(separator + 1);
      text.Replace("\x01", " > ");
    }
  } else {
    text = tree.GetName(item) + "　ﾘﾝｸﾌｧｲﾙ:" + data->m_strLink;
  }
  if (!time.IsEmpty()) text += " (" + time + ")";
  SetStatusText(text);
}

void CTrView::SelectNextRow() { StepRow(1); }
void CTrView::SelectPrevRow() { StepRow(-1); }

void CTrView::StepRow(int step) {
  CKestavonDoc* doc = GetDocument();
  if (!m_bReady || !doc) return;
  doc->CommitTextArea();
  const int row = m_pListBox->GetCurSel() + step;
  if (row < 0 || row >= doc->GetTree().GetRows().GetTreeDataCount()) return;
  m_pListBox->SetCurSel(row);
  doc->SetCurrentTree(m_pListBox->GetCurTree());
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr, 1);
}

wxWindow* CTrView::GetOutlineList() const { return m_pListBox; }

void CTrView::OnCursorToText(wxCommandEvent&) { ActivateTextPane(); }

void CTrView::ActivateTextPane() {
  CKestavonDoc* doc = GetDocument();
  CFrameWnd* frame = GetParentFrame();
  if (!doc || !frame) return;
  doc->CommitTextArea();
  for (CView* view : doc->GetViews()) {
    if (view->GetParentFrame() == frame && AsTextPane(*view)) {
      frame->SetActiveView(view);
      return;
    }
  }
}

void CTrView::RenameCurrentTree(const char* title) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  const int item = doc->GetCurrentTree();
  ATREE& tree = doc->GetTree();
  if (item < 0 || item >= tree.GetDirDataCount()) return;
  doc->SaveUndo();
  tree.RenameTree(item, title, tree.GetDirData(item)->m_strLink);
  doc->SetModifiedFlag(TRUE);
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr);
}

void CTrView::InvalidateRow(int row) {
  if (m_pListBox) m_pListBox->InvalidateItem(row);
}

void CTrView::RunBoundCommand(UINT command) {
  CWinApp* app = AfxGetApp();
  CFrameWnd* main = app ? app->m_pMainWnd : nullptr;
  if (!main) return;
  wxWindow* window = main->GetFrameWindow();
  wxUpdateUIEvent state(static_cast<int>(command));
  state.SetEventObject(window);
  if (window->GetEventHandler()->ProcessEvent(state) && state.GetSetEnabled() && !state.GetEnabled()) return;
  main->SendCommand(static_cast<int>(command));
}

std::unique_ptr<wxMenu> CTrView::MakeContextMenu() const {
  constexpr int kTreePopup = 1;
  constexpr size_t kBookmarkSubmenu = 30;
  std::unique_ptr<wxMenu> menu = LoadPopupMenu(IDR_CONTEXT, kTreePopup);
  if (!menu) return menu;
  CKestavonDoc* doc = GetDocument();
  const int item = m_pListBox ? m_pListBox->GetCurTree() : -1;
  if (doc && item >= 0 && doc->GetTree().IsExpanded(item)) {
    size_t position = 0;
    if (wxMenuItem* showAll = menu->FindChildItem(ID_TREE_SHOW_ALL_BELOW, &position)) {
      menu->Destroy(showAll);
      menu->Insert(position, ID_TREE_HIDE_BELOW, CP932ToWx("この下を非表示(&Z)"));
    }
  }
  if (menu->GetMenuItemCount() > kBookmarkSubmenu) {
    wxMenuItem* bookmarks = menu->FindItemByPosition(kBookmarkSubmenu);
    CKestavonApp* app = GetKestavonApp();
    if (app && bookmarks->GetSubMenu()) app->m_bookmarkFiles.AppendToMenu(bookmarks->GetSubMenu());
  }
  return menu;
}

void CTrView::ShowContextMenu(int x, int y) {
  std::unique_ptr<wxMenu> menu = MakeContextMenu();
  CWinApp* app = AfxGetApp();
  if (!menu || !app || !app->m_pMainWnd) return;
  wxWindow* main = app->m_pMainWnd->GetFrameWindow();
  main->PopupMenu(menu.get(), main->ScreenToClient(wxPoint(x, y)));
}

void CTrView::OnContextMenu(wxContextMenuEvent&) {
  RECT r;
  if (!m_pListBox || !m_pListBox->GetItemRect(m_pListBox->GetCurSel(), &r)) return;
  const wxPoint corner = m_pListBox->ClientToScreen(wxPoint(r.left, r.bottom));
  ShowContextMenu(corner.x, corner.y);
}

void CTrView::LoadProfileFont(CFont& font, const char* section, const char* defaultFace, int defaultSize,
                              BOOL bold) {
  ApplicationSettings().ReadFont(font, section, defaultFace, defaultSize, bold ? FW_BOLD : FW_NORMAL);
}

void CTrView::SaveProfileFont(const CFont& font, const char* section) {
  ApplicationSettings().WriteFont(&font, section);
}

void CTrView::DeriveFont(const CFont& source, CFont& target, BOOL bold, BOOL strikeOut) {
  LOGFONT lf;
  if (!source.GetLogFont(&lf)) return;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfStrikeOut = strikeOut ? 1 : 0;
  target.DeleteObject();
  target.CreateFontIndirect(&lf);
}

// ---- Messages ----

void CTrView::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (!m_pListBox) return;
  m_pListBox->SetSize(0, 0, event.GetSize().GetWidth(), event.GetSize().GetHeight());
  // Heights and extent follow the width only when titles wrap.
  if (m_pListBox->m_bTurn) MeasureRows();
}

void CTrView::OnSetFocus(wxFocusEvent& event) {
  event.Skip();
  if (m_pListBox) m_pListBox->SetFocus();
}

void CTrView::OnSelChange(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!m_bReady || !doc) return;
  doc->CommitTextArea();
  doc->SetCurrentTree(m_pListBox->GetCurTree());
  doc->GetTree().ClearForwardList();
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr, 1);
}

void CTrView::OnDblClk(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  const int item = m_pListBox->GetCurTree();
  if (item < 0) return;
  const ATREE& tree = doc->GetTree();
  int command = m_nDblClk == 1 ? ID_TREE_MODIFY : ID_VIEW_OPEN_LINK;
  if (m_nDblClk == 0) {
    // Automatic: a parent folds or unfolds, a leaf opens its link or, without one, its dialog.
    if (tree.HasChildren(item)) {
      if (tree.IsExpanded(item)) {
        HideSubtree();
      } else {
        ShowSubtree(1);
      }
      return;
    }
    if (tree.GetLink(item).IsEmpty()) command = ID_TREE_MODIFY;
  }
  wxCommandEvent run(wxEVT_MENU, command);
  run.SetEventObject(this);
  GetEventHandler()->ProcessEvent(run);
}

void CTrView::OnShowStatusBar(wxCommandEvent&) { UpdateStatusBar(); }
void CTrView::OnSelectNext(wxCommandEvent&) { SelectNextRow(); }
void CTrView::OnSelectPrev(wxCommandEvent&) { SelectPrevRow(); }

void CTrView::OnUpdateNotBuilt(wxUpdateUIEvent& event) { event.Enable(false); }
