#pragma once
// The tree pane of an outline window: a view of the outline document that fills itself with the
// owner-drawn row list, keeps the list's selection and the document's current item in step, shows
// the current item in the status bar, and is the command target of the tree commands while its
// window is active. Every command changes the outline only through the model and then refills the
// list from the model's rows.
#include <functional>
#include <memory>

#include "app/CPaneLinks.h"
#include "platform/CFont.h"
#include "platform/CString.h"
#include "platform/CStringArray.h"
#include "platform/CView.h"

class ATREE;
class CKestavonDoc;
class CSearchDlg;
class COwnerListBox;
class wxCommandEvent;
class wxContextMenuEvent;
class wxMenu;
class wxUpdateUIEvent;

class CTrView : public CView, public CTreePane {
 public:
  CTrView();
  ~CTrView() override;

  wxWindow* GetOutlineList() const override;
  // Renaming from the text pane's first line: one undo step, the link kept, the row redrawn.
  void RenameCurrentTree(const char* title) override;
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
  // A find's hit in the item's text goes to the text pane: its selection set, command sent to
  // it, the pane made active.
  void HandHitToText(bool fromEnd, int command);
  void ShowFoundTree(int found);
  // The current item, its pending text committed, for a command that changes its marks; -1 when
  // there is none.
  int CommitForMarkEdit();
  // The search word and options of the find dialog into the model and the find box.
  void TakeSearchOptions(const CSearchDlg& dialog);

  COwnerListBox* m_pListBox = nullptr;  // a child window: wx deletes it
  int m_bReady = 0;
  int m_nDblClk = 0;
  CStringArray m_aMarkPaths;  // the marked items' paths, in document order
  // Texts for check and strike marks when the outline is written as text (section "Mark").
  CString m_strMarkCheck;
  CString m_strMarkDel;
  CString m_strMarkDelCheck;
  CString m_strMarkNormal;  // System/DblClk: 0 automatic, 1 always modify, 2 always open the link

  wxDECLARE_EVENT_TABLE();
};
