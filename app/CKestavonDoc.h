#pragma once
// The outline document: one open ".kvn" file. The model reads and writes the file; the document
// adds the current tree, the undo history, the open, save and close sequence with its questions,
// the changed-on-disk check, backups, the lock file and the title with its modified mark.
#include <functional>

#include "app/CPaneLinks.h"
#include "foundation/CUndoStack.h"
#include "model/ATREE.h"
#include "model/CLinkPath.h"
#include "platform/framework/CDocument.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/FileStamp.h"

class CKestavonDoc : public CDocument {
 public:

  CKestavonDoc();
  ~CKestavonDoc() override;

  void SetTitle(const char* title) override;
  // A net path is kept as it stands and titles the document by its title.
  void SetPathName(const char* path, BOOL addToMRU = TRUE) override;
  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(const char* path) override;
  // Reads the document from path in the model's open mode: 0 a file by its extension, 2 a folder
  // to import (the document then stays untitled).
  BOOL OpenDocument(const char* path, int openMode);
  BOOL OnSaveDocument(const char* path) override;
  void OnCloseDocument() override;
  BOOL CanCloseFrame(CFrameWnd* frame) override;
  BOOL SaveModified() override;

  ATREE& GetTree() { return m_tree; }
  int GetCurrentTree() const { return m_nCurTree; }
  void SetCurrentTree(int item) { m_nCurTree = item; }

  CString GetCurrentText() const;
  // Stores the text and caret of the text area into the current tree; a changed text is undoable
  // and marks the document modified. Only the item's row is redrawn, and only when the text turned
  // empty or non-empty: the text pane that calls this keeps its text and caret.
  void SetCurrentText(const char* text, int caret);
  // Renames the current tree through the tree pane, then gives the focus back to the active view.
  void SetCurrentTitle(const char* title);
  // Stores what the text pane holds into the current item, before a save, an export or a tree
  // command, so that whatever reads the outline next reads the latest text.
  void CommitTextArea();
  // The document's first text pane and first tree pane; null when it has none.
  CTextPane* GetTextView() const;
  CTreePane* GetTreePane() const;
  void SaveUndo();
  void Undo();
  void Redo();
  BOOL CanUndo() const { return m_undo.CanUndo(); }
  BOOL CanRedo() const { return m_undo.CanRedo(); }

  // Category settings: edit (the category dialog, run by the tree pane's frame) changes the list
  // and renumbers the items in place and tells whether it changed anything; a change is one undo
  // step, with the rows rebuilt and the document modified.
  void EditCategories(const std::function<BOOL()>& edit);

  // Update hints of the document's views: 1 the current item changed but the outline did not;
  // kHintRowsRebuilt the display rows were rebuilt, with a CRowsHint naming the row to select.
  static constexpr LPARAM kHintCurrentItem = 1;
  static constexpr LPARAM kHintRowsRebuilt = 2;
  struct CRowsHint : CObject {
    explicit CRowsHint(int r) : row(r) {}
    int row;  // the row to select; -1 keeps the selection
  };
  // Refills the tree panes after the rows changed, selecting the item's row; -1 keeps the selection.
  void RefillTreeViews(int item);

  // A tree for a file handed over by a second start: the last child of the top tree when the top
  // tree is current, else the next sibling behind the current tree's subtree; it becomes current.
  void AddTreeFromCommandLine(const char* title, const char* link);

  // The initial text of a new tree: the first template file's content while template auto-insert is
  // on, else empty.
  CString GetTemplateText();
  // The nearest item at or after from (or at or before it, never the top tree) with a mark; -1.
  int FindNextMark(int from) const;
  int FindPrevMark(int from) const;
  // The link of the item (-1: the current tree) as a path to open: URLs, tree links and absolute
  // paths unchanged, a relative path resolved against the document's folder; empty when there is
  // none or the document has no folder yet (the user is told).
  CString GetLinkTarget(int item);
  // Shows the tree that a tree link names, its folded ancestors opened; nothing when the outline
  // holds no such tree.
  void JumpToLink(const CLinkPath& link);
  // The auto-title option's first text lines: put each item's title in front of its text unless it
  // is there, or take it away again.
  void InsertTitleFirstLines();
  void RemoveTitleFirstLines();

  // Writes the document to path (direct: a copy, the document keeps its path, lock and modified
  // state); a net path is uploaded instead, and a copy to one is refused.
  BOOL SaveFile(const char* path, BOOL direct);
  // The service's update time of the last upload (every local save sets it to now).
  COleDateTime m_timeWebUpdate;
  BOOL IsWritable(const char* path);
  CString DoSaveAsDialog();
  CString GetSaveFolder();
  void RememberPositions();

 protected:
  void OnFileSave(wxCommandEvent& event);
  void OnUpdateFileSave(wxUpdateUIEvent& event);
  void OnFileSaveAs(wxCommandEvent& event);
  void OnTemplateSettings(wxCommandEvent& event);
  void OnTemplateAuto(wxCommandEvent& event);
  void OnUpdateTemplateAuto(wxUpdateUIEvent& event);
  void OnAddBookmark(wxCommandEvent& event);
  void OnUpdateAddBookmark(wxUpdateUIEvent& event);
  void OnOpenFileFolder(wxCommandEvent& event);
  void OnDocInfo(wxCommandEvent& event);
  void OnNetUpload(wxCommandEvent& event);
  void OnFileSaveAsNet(wxCommandEvent& event);
  void OnUpdateNetCommand(wxUpdateUIEvent& event);

 private:
  // The model, emptied to one top tree "（無題）", as a new document starts.
  void MakeEmptyOutline();
  // The file's stamp on disk now; exists false when there is none.
  static FileStamp StampOf(const char* path);
  // Uploads the document as the net document of the path, which it then becomes.
  BOOL UploadNetDocument(const char* netPath);
  // After a local save: uploads the copy as the document's upload option says.
  void AutoUpload(const char* path);

  CUndoStack m_undo;
  int m_nCurTree = 0;
  COleDateTime m_timeCreate;
  int m_bSaveAs = 0;
  COleDateTime m_timeSave;
  // The file as this document last saw it (after open and save); a file whose stamp differs was
  // changed by another program. Nanoseconds, so a change within the same second still counts.
  FileStamp m_fileTime;
  ATREE m_tree;

  wxDECLARE_EVENT_TABLE();
};
