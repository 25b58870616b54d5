#pragma once
// The outline window's tree pane and its current tree, for the commands the frame handles for it.
#include "shell/CKestaFrame.h"
#include "platform/framework/CSplitterWnd.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

inline CTrView* FrameTreePane(CKestaFrame& frame) {
  return frame.GetSplitter() ? dynamic_cast<CTrView*>(frame.GetSplitter()->GetPane(0, 0)) : nullptr;
}

// The current tree as the list shows it; -1 when nothing is selected.
inline int PaneCurrentTree(CTrView& pane) { return pane.GetListBox() ? pane.GetListBox()->GetCurTree() : -1; }
