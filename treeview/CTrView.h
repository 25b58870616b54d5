#pragma once
// The tree pane of an outline window: a view of the outline document that fills itself with the
// owner-drawn row list, keeps the list's selection and the document's current item in step, shows
// the current item in the status bar, and is the command target of the tree commands while its
// window is active. Every command changes the outline only through the model and then refills the
// list from the model's rows.
#include <functional>
#include <memory>

#include "app/CPaneLinks.h"
#include "platform/desktop/CFont.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"
#include "platform/framework/CView.h"
#include "platform/framework/CWinApp.h"
#include "treeview/TreePrintPage.h"

class CPelkoSettings;
class CSettingsSheet;
class ATREE;
class CTreeEditDlg;
class CTreePrintout;
class CKestavonDoc;
class CSearchDlg;
class COwnerListBox;
class wxCommandEvent;
class wxContextMenuEvent;
class wxMenu;
class wxUpdateUIEvent;
class wxTimer;
class wxTimerEvent;

class CTrView : public CView, public CTreePane {
 public:
  CTrView();
  ~CTrView() override;

  CView& GetPaneView() override { return *this; }
  wxWindow* GetOutlineList() const override;
  // Renaming from the text pane's first line: one undo step, the link kept, the row redrawn.
  void RenameCurrentTree(const char* title) override;
  void ShowFoundTree(int found) override;
  void RedrawItemRow(int row) override { InvalidateRow(row); }

  void OnInitialUpdate() override;
  // Hint 1 (the current item changed, the outline did not) leaves the pane as it is.
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

  CKestavonDoc* GetDocument() const;
  COwnerListBox* GetListBox() const { return m_pListBox; }

  // Refills the list from the model's rows and selects the row (the current selection when
  // negative), keeping the top row and the horizontal scroll position.
  void RefillList(int row);
  // Every row's height and the list's horizontal extent, for the fonts and options of the list.
  void MeasureRows();
  // The current item's title (or path), link and updated time in the main window's status bar.
  void UpdateStatusBar();
  void SelectNextRow();
  void SelectPrevRow();
  // Folding of the current item: its descendants down to levels below it are shown, or all of
  // them hidden; the list is refilled keeping the selection.
  void ShowSubtree(int levels);
  void HideSubtree();
  void InvalidateRow(int row);
  // Makes the item current and shows it: its hidden ancestors unfolded, its row selected.
  void JumpToTree(int item);
  // The names and paths of the marked items, in document order; the frame's mark menu follows.
  void RebuildMarkList();
  const CStringArray& GetMarkPaths() const { return m_aMarkPaths; }
  // The mark texts from the settings.
  void LoadMarkTexts();
  // The "ツリー" context menu for the current item, and showing it at a screen point, owned by the
  // main window so that its commands take the menu route.
  std::unique_ptr<wxMenu> MakeContextMenu() const;
  void ShowContextMenu(int x, int y);
  // A command bound to a key in the list: it goes the main window's command route when its
  // update handlers leave it enabled.
  void RunBoundCommand(UINT command);

  // Fonts from a settings section ("FaceName", "Size" as the height, "Weight", "Italic",
  // "Underline", "CharSet"), and back.
  static void LoadProfileFont(CFont& font, const char* section, const char* defaultFace, int defaultSize,
                              BOOL bold);
  static void SaveProfileFont(const CFont& font, const char* section);
  // The target becomes the source's font, weight 700 or 400, strike-out as given.
  static void DeriveFont(const CFont& source, CFont& target, BOOL bold, BOOL strikeOut);

  // ---- Editing the outline. Every change first takes the text pane's pending text into the
  // model, then leaves one undo step, then changes the model and refills the list. ----
  // The initial title of a new item by System/bAddIni; with force never empty.
  CString GetNewTitle(BOOL force) const;
  // Adds an item without the item dialog: the last child of the selected item, or at its level
  // after its subtree; the list selects the new row when move is set. The new item's index.
  int AddTreeQuick(const char* title, BOOL move, BOOL undo, BOOL sameLevel, const char* text);
  // One undo step, then one item per day from first to last (both included, year, month, day):
  // only on the ticked weekdays (Sunday first), and on public and substitute holidays only with
  // holidays set; title names each day. Children of the selected item, or siblings after it with
  // sameLevel. The number of items added.
  // The settings sheet preset from the running panes and application, and after OK those take
  // the sheet's values and the keys are written in their fixed order.
  void PresetSettings(CSettingsSheet& sheet) const;
  void ApplySettings(CSettingsSheet& sheet, CPelkoSettings& settings);
  int AddDateTrees(const int first[3], const int last[3], const BOOL week[7], BOOL holidays, BOOL sameLevel,
                   const std::function<CString(int year, int month, int day)>& title);
  // The selected item's subtree to the clipboard: with cut, the records carry their times. FALSE
  // when the write password was refused or the clipboard could not be opened.
  BOOL CopyTree(BOOL cut);
  // Pastes the clipboard at the target item: below it or at its level after its subtree. Returns
  // the item to select, or -1.
  int PasteTree(int target, BOOL sameLevel);
  int PasteRecords(int target, CString& records, BOOL sameLevel);
  // One item per non-empty line, a line's leading tabs making it as many levels deeper; with a
  // delimiter the part of a line after it is the item's text.
  int PasteTextLines(int target, const CString& text, BOOL sameLevel, const char* delimiter);
  // One item whose title is the text's first line and whose text is the rest (restOnly) or all.
  int PasteTextItem(int target, const CString& text, BOOL sameLevel, BOOL restOnly);
  // Moves the source's subtree onto the target at a drop position: 0 as a child, 1 at the
  // target's place, 2 below it; the moved tree's row is selected. FALSE when the move is not
  // possible (the top tree, or a target inside the moved tree).
  BOOL DropTree(int source, int target, int position);

  // Mouse messages handed on by the list box: a press outside the fold zones arms a drag, moving
  // onto another item starts it, the release drops.
  void OnListLButtonDown();
  void OnListMouseMove();
  void OnListLButtonUp();
  void CancelDrag();
  // The path (or, without the full status bar, the title) of the item on the row under a point of
  // the list, or of the current item where no row is, in the status bar.
  void ShowStatusPath(int x, int y);

  // ---- Display, marks, sorting, keys, history, time stamps, links and attributes ----
  // The current tree's own title, and renaming it (from the text pane) keeping its link.
  CString GetCurTreeTitle() const;
  void SetCurTreeTitle(const char* title);
  // Selects the item's row as the user would; an item outside the outline or without a row
  // (hidden) changes nothing but the committed text.
  void SelectTree(int item);
  // Unfolds down to the item, selects its row and shows it in the text pane, keeping the forward
  // history that a user's own selection empties.
  void GoToTree(int item);
  // One step of the auto-save at the time now: writes the document (or its next backup name, by
  // System/AutoSaveMode) when it is modified and the interval has passed since the last step.
  void AutoSave(const COleDateTime& now);
  // The address that an internet shortcut (".url", a settings file with "URL=") holds; the path
  // itself when none can be read.
  static CString ResolveShortcut(const char* path);
  // The link to the item: "file:///" + file part + "/" + the titles from the top down.
  CString MakeTreeLinkText(int item, const char* filePart) const;
  // ---- Printing the outline ----
  // The ten print fonts and colours of section "Print"; with a printer's resolution the fonts are
  // scaled from the screen's to it (ppi 0: as stored). And back into the settings.
  static void LoadPrintFonts(CFont* fonts, COLORREF* colours, int ppiX, int ppiY);
  static void SavePrintFonts(const CFont* fonts, const COLORREF* colours);
  // The print job of the outline: the text pane's text taken in, a copy of the outline pruned and
  // its footnotes numbered, the range and the options; null (after saying so) when nothing is left.
  std::unique_ptr<CTreePrintout> MakePrintout();
  // The options of section "Print" and the document that a print job takes.
  TreePrintSettings GetPrintSettings() const;
  // The print-format options the pane keeps between jobs (the header and footer texts and their
  // rules are the document's).
  int m_bPrintSelected = AfxGetProfileInt("Print", "Selected", 0);  // only the selected subtree
  int m_nPrintColumns = AfxGetProfileInt("Print", "Dangumi", 1);
  int m_bPrintIndent = AfxGetProfileInt("Print", "Indent", 0);
  int m_bPrintIndentSho = AfxGetProfileInt("Print", "IndentSho", 0);
  int m_bPrintTreeColor = AfxGetProfileInt("Print", "TreeColor", 0);

 protected:
  void OnSize(wxSizeEvent& event);
  void OnSetFocus(wxFocusEvent& event);
  void OnSelChange(wxCommandEvent& event);
  void OnDblClk(wxCommandEvent& event);
  // The menu key opens the context menu under the selected row, wherever the mouse is.
  void OnContextMenu(wxContextMenuEvent& event);
  void OnShowStatusBar(wxCommandEvent& event);
  void OnSelectNext(wxCommandEvent& event);
  void OnSelectPrev(wxCommandEvent& event);
  void OnShowBelow(wxCommandEvent& event);
  void OnUpdateShowBelow(wxUpdateUIEvent& event);
  void OnHideBelow(wxCommandEvent& event);
  void OnUpdateHideBelow(wxUpdateUIEvent& event);
  void OnShowAllBelow(wxCommandEvent& event);
  void OnUpdateShowAllBelow(wxUpdateUIEvent& event);
  void OnShowLevels(wxCommandEvent& event);
  void OnToggleBelow(wxCommandEvent& event);
  // The caret goes into the text pane: the text pane becomes the frame's active view.
  void OnCursorToText(wxCommandEvent& event);
  void OnUpdateToggleBelow(wxUpdateUIEvent& event);
  void OnShowOrDown(wxCommandEvent& event);
  void OnHideOrUp(wxCommandEvent& event);
  void OnScrollUp(wxCommandEvent& event);
  void OnScrollDown(wxCommandEvent& event);
  void OnEditFind(wxCommandEvent& event);
  void OnFindNext(wxCommandEvent& event);
  void OnFindPrev(wxCommandEvent& event);
  void OnUpdateFindNext(wxUpdateUIEvent& event);
  void OnSearchList(wxCommandEvent& event);
  void OnEditReplace(wxCommandEvent& event);
  void OnUpdateEditReplace(wxUpdateUIEvent& event);
  void OnMarkToggle(wxCommandEvent& event);
  void OnMarkClearBelow(wxCommandEvent& event);
  void OnMarkNext(wxCommandEvent& event);
  void OnMarkPrev(wxCommandEvent& event);
  void OnMarkJump(wxCommandEvent& event);
  void OnCheckFilter(wxCommandEvent& event);
  void OnUpdateCheckFilter(wxUpdateUIEvent& event);
  void OnMarkText(wxCommandEvent& event);
  // The commands of the pane whose own handlers are not here yet stay disabled.
  void OnUpdateNotBuilt(wxUpdateUIEvent& event);

  void OnAddChild(wxCommandEvent& event);
  void OnAddSibling(wxCommandEvent& event);
  void OnModify(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnInsert(wxCommandEvent& event);
  // Enabled unless the selected item is the top item.
  void OnUpdateNotTop(wxUpdateUIEvent& event);
  void OnEditCopy(wxCommandEvent& event);
  void OnEditCut(wxCommandEvent& event);
  void OnCopyBelow(wxCommandEvent& event);
  void OnUpdateCopyBelow(wxUpdateUIEvent& event);
  void OnEditPaste(wxCommandEvent& event);
  void OnPasteChild(wxCommandEvent& event);
  void OnPasteSibling(wxCommandEvent& event);
  void OnMoveUp(wxCommandEvent& event);
  void OnUpdateMoveUp(wxUpdateUIEvent& event);
  void OnMoveDown(wxCommandEvent& event);
  void OnUpdateMoveDown(wxUpdateUIEvent& event);
  void OnLevelUp(wxCommandEvent& event);
  void OnUpdateLevelUp(wxUpdateUIEvent& event);
  void OnLevelDown(wxCommandEvent& event);
  void OnLevelDownFollowing(wxCommandEvent& event);
  void OnUpdateLevelDownFollowing(wxUpdateUIEvent& event);
  void OnLevelUpFollowing(wxCommandEvent& event);
  void OnUpdateLevelUpFollowing(wxUpdateUIEvent& event);
  void OnJoin(wxCommandEvent& event);
  void OnTreeMove(wxCommandEvent& event);
  void OnDeleteSeveral(wxCommandEvent& event);
  void OnStatusPath(wxCommandEvent& event);
  // The outline or the selected subtree as text on the clipboard, through the program's text output.
  void OnTextCopy(wxCommandEvent& event);
  void OnUpdateTextCopy(wxUpdateUIEvent& event);
  void OnEditUndo(wxCommandEvent& event);
  void OnUpdateEditUndo(wxUpdateUIEvent& event);
  void OnEditRedo(wxCommandEvent& event);
  void OnUpdateEditRedo(wxUpdateUIEvent& event);

  // ---- Display, marks, sorting, keys, history, time stamps, links and attributes ----
  void OnViewTree(wxCommandEvent& event);
  void OnUpdateViewTree(wxUpdateUIEvent& event);
  void OnViewChapter(wxCommandEvent& event);
  void OnUpdateViewChapter(wxUpdateUIEvent& event);
  void OnTreeFont(wxCommandEvent& event);
  void OnToggleCheck(wxCommandEvent& event);
  void OnToggleStrike(wxCommandEvent& event);
  void OnSort(wxCommandEvent& event);
  // Enabled when the selected item has children.
  void OnUpdateHasChildren(wxUpdateUIEvent& event);
  void OnGoFirst(wxCommandEvent& event);
  void OnGoLast(wxCommandEvent& event);
  void OnGoParent(wxCommandEvent& event);
  void OnUpdateGoParent(wxUpdateUIEvent& event);
  void OnRedraw(wxCommandEvent& event);
  // Both tree/text display commands ask the child frame for its text-only switch.
  void OnTreeTextOnly(wxCommandEvent& event);
  void OnAutoSaveTimer(wxTimerEvent& event);
  void OnTimeMode(wxCommandEvent& event);
  void OnUpdateTimeMode(wxUpdateUIEvent& event);
  void OnChangeTimes(wxCommandEvent& event);
  void OnBack(wxCommandEvent& event);
  void OnForward(wxCommandEvent& event);
  void OnUpdateForward(wxUpdateUIEvent& event);
  void OnRecentUpdated(wxCommandEvent& event);
  void OnRecentViewed(wxCommandEvent& event);
  void OnCursorJump(wxCommandEvent& event);
  void OnOpenLink(wxCommandEvent& event);
  void OnSetEditor(wxCommandEvent& event);
  void OnRunEditor(wxCommandEvent& event);
  void OnCopyLink(wxCommandEvent& event);
  void OnTreeAttributes(wxCommandEvent& event);
  void OnTreeColor(wxCommandEvent& event);
  void OnSettings(wxCommandEvent& event);
  void OnProperties(wxCommandEvent& event);
  void OnUpdateProperties(wxUpdateUIEvent& event);
  // Commands of the text pane that reach the tree pane go on to the text pane unchanged.
  void OnPassToText(wxCommandEvent& event);

  // The recent list (updated or displayed times) in the list dialog; the chosen item is shown.
  void ShowRecentList(BOOL updated);
  // The link of an empty-linked item: a name asked for, stored, the file created when missing.
  void CreateLinkFile(int item);
  // Reads the auto-save and editor settings and starts the pane's timer.
  void StartAutoSave();
  int m_bAutoSave = 0;       // System/AutoSave
  int m_nSaveTime = 5;       // System/SaveTime, minutes
  COleDateTime m_timeAutoSave;  // the last auto-save step that saved
  CString m_strEditor;       // System/Editor
  std::unique_ptr<wxTimer> m_pAutoSaveTimer;
  void OnFilePrint(wxCommandEvent& event);
  void OnFilePrintPreview(wxCommandEvent& event);
  void OnFilePageSetup(wxCommandEvent& event);
  void OnPrintFormat(wxCommandEvent& event);
  void OnHeadingChars(wxCommandEvent& event);
  void OnToggleHeadingChars(wxCommandEvent& event);
  void OnUpdateToggleHeadingChars(wxUpdateUIEvent& event);
  void OnShowHeadingChars(wxCommandEvent& event);
  void OnUpdateShowHeadingChars(wxUpdateUIEvent& event);
  void OnHideHeadingChars(wxCommandEvent& event);
  void OnUpdateHideHeadingChars(wxUpdateUIEvent& event);
  // The rows' heading characters on or off: the list, the document and View/ViewShoStr.
  void SetHeadingCharsShown(int shown);

 private:
  // The fold state of the selected row; -1 when nothing is selected.
  int SelectedFoldState() const;
  // Moves the selection by step rows; nothing at either end.
  void StepRow(int step);
  // Commits the pending edit, lets change fold or unfold below the current item, refills.
  void ChangeFolding(const std::function<void(ATREE&, int)>& change);
  // Makes the row the selection as the user's choice would.
  void SelectRowAndNotify(int row);
  void SetStatusText(const CString& text);
  // The selected item's index, or -1; and the same after committing the pending text.
  int SelectedItem() const;
  // The document and the selected item, the text pane's pending text already in the model; null
  // when there is no document or no selection.
  CKestavonDoc* BeginEdit(int& item);
  // After a change: the document modified, the list refilled at the item's row, the status bar.
  void EndEdit(int item);
  // Fills the item dialog for a new item and asks the user; without the dialog the title is the
  // forced new title. FALSE when nothing is to be added.
  BOOL AskNewItem(CTreeEditDlg& dialog, const char* caption, BOOL withoutDialog);
  // The status word (with the colour mark) and the colour field the dialog gives a new item.
  void NewItemLook(const CTreeEditDlg& dialog, int& status, CString& id) const;
  // The add, modify and insert commands through the item dialog.
  void AddWithDialog(BOOL sameLevel);
  void InsertWithDialog();
  // The text pane becomes the frame's active view, the pending text committed.
  void ActivateTextPane();
  // Deletes the item with its subtree after a cut or delete was confirmed.
  void DeleteConfirmed(int item);
  // Asks "<title> - このツリーを<verb>しますか？" when System/DelCheck is on.
  BOOL ConfirmDelete(int item, const char* verb) const;
  // Shows the target's descendants one level down after a paste below it, or hides the pasted
  // items under a folded target: returns first, or -1 when the selection stays on the target.
  int RevealPasted(int target, int first, BOOL targetWasOpen);
  // The text an item added here starts with: the title when titles are first lines, then the
  // template.
  CString NewItemText(const CString& title);
  // Undo or redo of the outline, the list refilled at the restored current item.
  void StepUndo(BOOL redo);
  // Sends a command to the pane itself, as a menu would.
  void Resend(int command);
  // A find's hit in the item's text goes to the text pane: its selection set, command sent to
  // it, the pane made active.
  void HandHitToText(bool fromEnd, int command);
  // The current item, its pending text committed, for a command that changes its marks; -1 when
  // there is none.
  int CommitForMarkEdit();
  // The search word and options of the find dialog into the model and the find box.
  void TakeSearchOptions(const CSearchDlg& dialog);

  COwnerListBox* m_pListBox = nullptr;  // a child window: wx deletes it
  int m_bReady = 0;
  int m_nDblClk = 0;  // System/DblClk: 0 automatic, 1 always modify, 2 always open the link
  int m_bAddNoTitle = 0;  // System/bAddNoTitle: add without the item dialog
  // Drag state: armed from a press to the release, started once the selection left the source.
  int m_bDragArmed = 0;
  int m_bDragStarted = 0;
  int m_nDragSource = -1;
  int m_nDragSourceRow = -1;
  CStringArray m_aMarkPaths;  // the marked items' paths, in document order
  // Texts for check and strike marks when the outline is written as text (section "Mark").
  CString m_strMarkCheck;
  CString m_strMarkDel;
  CString m_strMarkDelCheck;
  CString m_strMarkNormal;

  wxDECLARE_EVENT_TABLE();
};
