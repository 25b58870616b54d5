#pragma once
// The text pane of an outline window: the body text of the document's current item, shown and
// edited in the hosted control. The text is loaded whenever the document's views are updated and
// written back into the item (with the caret) whenever something is about to read the outline;
// in between, the control alone holds the user's latest text.
#include "app/CPaneLinks.h"
#include "foundation/IRegExp.h"
#include "platform/ColorRef.h"
#include "textarea/CWrilaView.h"

class CKestavonDoc;
class wxEvtHandler;

class CIEditView : public CWrilaView, public CTextPane {
 public:
  CIEditView();
  ~CIEditView() override;

  void OnInitialUpdate() override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
  CKestavonDoc* GetDocument() const;

  // Writes the control's text and its selection end into the current item.
  void SaveText() override;
  void SetTextSelection(long start, long end) override;
  long GetPaneTextLength() override;
  CString GetPaneSelText() override;
  // Selects the next hit of the document's search word after the selection; FALSE when the text
  // holds none.
  BOOL FindNextInText();
  // The current item's title becomes the first text line ("(無題)" when it is empty) while the
  // document's auto-title is on; TRUE when the title changed.
  BOOL UpdateTitleFromText();
  void SaveSel();
  void RestoreSel();
  // The title follows the text while the selection and the top line stay where they were.
  void SyncTitleKeepView();

  void OnCaretMoved() override;
  void OnTextEdited() override;

  // Copies the source pane's text into the target when they differ, keeping the target's top line
  // and selection.
  static void SyncTextPanes(CIEditView* source, CIEditView* target);

  COLORREF m_clrBack = 0xFFFFFF;

 private:
  // The current item's text into the control, the caret placed by the caret mode (on the first
  // load, mode 0 takes the document's remembered caret).
  void LoadText(bool firstLoad);
  void ApplyFirstStartFont();
  void MarkControlKeys();
  void TakeBackgroundColor();

  void OnSetFocusToControl(wxFocusEvent& event);
  void OnCursorTree(wxCommandEvent& event);
  void OnTreeOnly(wxCommandEvent& event);
  void OnStatusUpdate(wxCommandEvent& event);
  void OnFocusLost(wxCommandEvent& event);
  void OnControlSettings(wxCommandEvent& event);
  void OnUpdateControlSettings(wxUpdateUIEvent& event);

  // The tree pane's commands while the text pane has the focus: handed to the tree pane, the
  // pane's selection, title or text taken care of around the call as each command needs.
  void BindTreeCommands();
  wxEvtHandler* TreePaneHandler() const;
  // Whether the tree pane took the command.
  bool ForwardToTree(int id);
  void OnTreeCommand(wxCommandEvent& event);
  // Move up and down: with the tree-up mode they step to the previous or next tree instead.
  void OnTreeMove(wxCommandEvent& event);
  void OnUpdateTreeMove(wxUpdateUIEvent& event);
  // Menu states as the tree pane gives them.
  void OnUpdateTreeCommand(wxUpdateUIEvent& event);

  // Find and replace in the text, going on over the trees where the text holds no further hit.
  void BindFindCommands();
  void OnEditFind(wxCommandEvent& event);
  void OnFindNext(wxCommandEvent& event);
  void OnFindPrev(wxCommandEvent& event);
  void OnUpdateFindNext(wxUpdateUIEvent& event);
  void OnEditReplace(wxCommandEvent& event);
  void OnFindSelect(wxCommandEvent& event);
  // The hit of the search pattern after (forward) or before the selection, selected; FALSE when
  // there is none.
  BOOL FindRegExpInText(bool forward);
  BOOL FindPrevInText();
  // The tree pane becomes the frame's active view, and gets the command when it is not 0.
  void ActivateTreePane(int command);
  IRegExp m_regExp;  // created on first use

  long m_nSelStart = 0;
  long m_nSelEnd = 0;
  BOOL m_bCaretOnFirstLine = FALSE;
  BOOL m_bInitialized = FALSE;
  BOOL m_bTitleUpdate = FALSE;
  int m_nTreeUpMode = 1;
  // The item whose text the control holds; -1 before the first load.
  int m_nLoadedItem = -1;
  // The user edited the text since it was loaded or last written back.
  bool m_bUnsaved = false;
};
