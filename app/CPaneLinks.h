#pragma once
// What the outline document asks of its panes. The panes live in layers above the document, so it
// knows them only through these interfaces, which the panes implement.
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"
#include "platform/base/WinTypes.h"

class wxWindow;

// The text pane: the body text of the current item is edited there and written back on demand.
class CTextPane {
 public:
  // Writes the pane's text and caret into the current item.
  virtual void SaveText() = 0;
  // The selection of the text (byte offsets), the text's length and its selected text, for the
  // tree pane's find commands that hand a hit over to the text pane.
  virtual void SetTextSelection(long start, long end) = 0;
  virtual long GetPaneTextLength() = 0;
  virtual CString GetPaneSelText() = 0;

 protected:
  ~CTextPane() = default;
};

// The frame's mark menu: one entry per marked item, named by the tree pane.
class CMarkMenuOwner {
 public:
  virtual CStringArray& GetMarkNames() = 0;
  // Rebuilds the mark menu from the names.
  virtual void UpdateMarkMenu() = 0;

 protected:
  ~CMarkMenuOwner() = default;
};

// The tree pane: the outline list.
class CTreePane {
 public:
  // The window of the outline list; null before the pane is set up.
  virtual wxWindow* GetOutlineList() const = 0;
  // Renames the current item, as the user would through the tree pane.
  virtual void RenameCurrentTree(const char* title) = 0;
  // Redraws one display row.
  virtual void RedrawItemRow(int row) = 0;
  // Selects a tree that a search found (a message for -1); a hit in its text goes on to the text pane.
  virtual void ShowFoundTree(int found) = 0;

 protected:
  ~CTreePane() = default;
};
