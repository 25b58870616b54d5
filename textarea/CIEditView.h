#pragma once
// The text pane of an outline window: the body text of the document's current item, shown and
// edited in the hosted control. The text is loaded whenever the document's views are updated and
// written back into the item (with the caret) whenever something is about to read the outline;
// in between, the control alone holds the user's latest text.
#include <sys/types.h>

#include <functional>
#include <vector>

#include "app/CPaneLinks.h"
#include "foundation/IRegExp.h"
#include "platform/base/ColorRef.h"
#include "textarea/CWrilaView.h"
#include "textarea/TextPrintPage.h"

class CKestavonDoc;
class CKeycustArray;
class CSplitDlg;
class wxEvtHandler;

class CIEditView : public CWrilaView, public CTextPane {
 public:
  CIEditView();
  ~CIEditView() override;

  void OnInitialUpdate() override;

  // The text file's lines at the selection, each ended by CR LF; FALSE (the user told) when the
  // file cannot be read.
  BOOL InsertTextFile(const char* path);
  // The control's whole text, bytes unchanged, into the file; FALSE (the user told) on failure.
  BOOL WriteTextFile(const char* path);
  // WriteTextFile, then the file becomes a template of the document under the current title.
  BOOL SaveTextAsTemplate(const char* path);
  // Puts the whole file of a template entry in place of the selection; FALSE after the message
  // when it cannot be read.
  BOOL InsertTemplateFile(const char* path);
  // The text goes to a temporary file that the outside editor ("System"/"Editor") is started on,
  // with the control read-only until waitForUser (given the editor's process) returns; then the
  // file's text comes back into the control. FALSE (the user told) when it could not.
  BOOL RunOutsideEditor(const std::function<void(pid_t)>& waitForUser);
  // The selected text becomes a new tree, as the split dialog says when "System"/"SplitDlg" asks
  // for it (ask shows it; false cancels); one undo step. FALSE when nothing was split.
  BOOL SplitSelection(const std::function<bool(CSplitDlg&)>& ask);
  // The control's key bindings, and the names and ids of the control's commands they run.
  void FillControlKeys(CKeycustArray& table, std::vector<CString>& names, std::vector<UINT>& ids);
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
  CKestavonDoc* GetDocument() const;

  CView& GetPaneView() override { return *this; }
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

  // A tree link opens its tree, here or in the outline file it names; other links open outside.
  void OpenLink(const char* url) override;

  void OnCaretMoved() override;
  void OnTextEdited() override;

  // Copies the source pane's text into the target when they differ, keeping the target's top line
  // and selection.
  static void SyncTextPanes(CIEditView* source, CIEditView* target);
  // The caret's column and line, counted from one, in the status bar when they moved since it
  // last showed them (at idle time, for the active pane).
  void UpdateCaretStatus();

  // The pane's own colours, behind and around the control: the background starts as the
  // control's text-area background; the settings command sets both.
  void SetPaneColors(COLORREF text, COLORREF back);
  COLORREF m_clrText = 0;
  COLORREF m_clrBack = 0xFFFFFF;

  // Printing of the text. The document's header and footer and the page-number style, taken for
  // each print job.
  void OnPreparePrinting();
  TextPrintBands GetPrintBands() const;
  // The text as printed: its footnotes numbered in place and gathered after it.
  CString GetPrintText();
  // The print preview of the text; Print in it prints the text.
  void PreviewText();

  CString m_strPrintHeader;
  CString m_strPrintFooter;
  int m_nPrintPageStyle = 0;
  // Set while the text, not the outline, is what Print prints.
  BOOL m_bTextPrint = FALSE;

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
  void OnFocusLost(wxCommandEvent& event);
  void OnControlSettings(wxCommandEvent& event);
  void OnUpdateControlSettings(wxUpdateUIEvent& event);
  void OnPrintTextOnly(wxCommandEvent& event);
  void OnFilePrint(wxCommandEvent& event);
  // The text in a window of its own, read-only, titled with the current item's title.
  void OnTextWindow(wxCommandEvent& event);

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

  // Editing commands: cut and paste with the title following, caret jumps, insertions, the title
  // from the text, line sorting, whole-text copy and two commands of the control itself.
  void BindEditCommands();
  // The control's undo; back at the text it loaded, with nothing else changed, the document is
  // unchanged again.
  void OnEditUndo(wxCommandEvent& event);
  void OnCutOrPaste(wxCommandEvent& event);
  void OnGoFirst(wxCommandEvent& event);
  void OnGoLast(wxCommandEvent& event);
  void OnInsertNow(wxCommandEvent& event);
  void OnInsertTime(wxCommandEvent& event);
  // A date picked in the calendar, and the calculator's result over the selection.
  void OnInsertPickedDate(wxCommandEvent& event);
  void OnCalculate(wxCommandEvent& event);
  void OnFootnote(wxCommandEvent& event);
  void OnEscapeTags(wxCommandEvent& event);
  void OnEncloseBlock(wxCommandEvent& event);
  // The selected text, or the display row of the caret when nothing is selected.
  CString SelectionOrCaretLine();
  void OnSetTreeTitle(wxCommandEvent& event);
  void OnUpdateSetTreeTitle(wxUpdateUIEvent& event);
  void OnSortLines(wxCommandEvent& event);
  void OnCopyAllText(wxCommandEvent& event);
  void OnControlCommand(wxCommandEvent& event);
  void OnUpdateControlCommand(wxUpdateUIEvent& event);

  // Text files, templates, the outside editor and the web search.
  void BindTextFileCommands();
  void OnReadTextFile(wxCommandEvent& event);
  void OnWriteTextFile(wxCommandEvent& event);
  void OnOutsideEditor(wxCommandEvent& event);
  BOOL EditInOutsideEditor(const std::function<void(pid_t)>& waitForUser);
  void OnWebSearch(wxCommandEvent& event);
  void OnInsertTemplate(wxCommandEvent& event);
  CString CurrentTitle() const;

  // Split, join and the character count.
  void BindSplitJoinCommands();
  void OnSplit(wxCommandEvent& event);
  void OnUpdateSplit(wxUpdateUIEvent& event);
  // The control's text into the item, as part of a change that saved its own undo step.
  void StoreTextInStep(int item);
  // Not the top tree, a next tree exists and it is not shallower.
  bool CanJoin() const;
  void OnJoin(wxCommandEvent& event);
  void OnUpdateJoin(wxUpdateUIEvent& event);
  void OnCountChars(wxCommandEvent& event);

  // Links.
  void BindLinkCommands();
  void OnInsertFileLink(wxCommandEvent& event);
  // A link to a tree of this outline, picked in the outline.
  void OnInsertTreeLink(wxCommandEvent& event);

  void BindKeyListCommand();
  void OnKeyList(wxCommandEvent& event);

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
  // The document was unchanged until the user edited the text the control holds: undoing every
  // edit makes it unchanged again. A document changed before (an imported outline in no file)
  // stays changed.
  bool m_bEditMadeModified = false;
};
