#pragma once
// How the outline document, its panes and the window around them reach one another. The panes and
// the outline window live in layers above the document, so the document knows them only through
// these interfaces; the program, which builds the window, installs Seam<IPaneLinks> (which view
// is which pane) and Seam<IOutlineWindows> (what a pane tells the windows around it).
#include "foundation/Seam.h"
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"
#include "platform/base/WinTypes.h"

class CFrameWnd;
class CView;
class wxWindow;

// The text pane: the body text of the current item is edited there and written back on demand.
class CTextPane {
 public:
  // The pane's own view, to activate it or send it a command.
  virtual CView& GetPaneView() = 0;
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

// The tree pane: the outline list.
class CTreePane {
 public:
  // The pane's own view, to activate it or send it a command.
  virtual CView& GetPaneView() = 0;
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

class IPaneLinks {
 public:
  virtual ~IPaneLinks() = default;
  // The view as the text pane or the tree pane; null for any other view.
  virtual CTextPane* AsTextPane(CView& view) = 0;
  virtual CTreePane* AsTreePane(CView& view) = 0;
};

// The view as a pane through the installed links; null without them or for another view.
inline CTextPane* AsTextPane(CView& view) {
  IPaneLinks* links = Seam<IPaneLinks>::Get();
  return links ? links->AsTextPane(view) : nullptr;
}
inline CTreePane* AsTreePane(CView& view) {
  IPaneLinks* links = Seam<IPaneLinks>::Get();
  return links ? links->AsTreePane(view) : nullptr;
}

class IOutlineWindows {
 public:
  virtual ~IOutlineWindows() = default;
  // The outline window's mark menu: the names of the marked items (filled by the tree pane), and
  // the menu rebuilt from them.
  virtual void SetMarkNames(CFrameWnd& frame, const CStringArray& names) = 0;
  virtual void UpdateMarkMenu(CFrameWnd& frame) = 0;
  // Brings the other text pane of the window's split text area into step with the active one (the
  // first when neither is active), so the pane the user typed in is never overwritten.
  virtual void SyncTextPanes(CFrameWnd& frame) = 0;
  // The document's current tree changed: the window's link-file pane follows its link.
  virtual void ShowLinkFile(CFrameWnd& frame) = 0;
  // The settings command wrote its keys: the tab strip, the text panes and the window titles
  // follow them.
  virtual void FollowSettings() = 0;
};
