#pragma once
// The program's windows as the layers below reach them: which view of an outline window is the
// text pane and which the tree pane, what a pane tells the outline window or the main frame
// around it, and the main frame's link to a running browser. The program installs one for its
// run; tests that drive outline windows without the program install one too.
#include "app/CPaneLinks.h"
#include "app/RunningBrowser.h"

class CProgramWindows : public IPaneLinks, public IOutlineWindows, public IRunningBrowser {
 public:
  CTextPane* AsTextPane(CView& view) override;
  CTreePane* AsTreePane(CView& view) override;

  void SetMarkNames(CFrameWnd& frame, const CStringArray& names) override;
  void UpdateMarkMenu(CFrameWnd& frame) override;
  void SyncTextPanes(CFrameWnd& frame) override;
  void ShowLinkFile(CFrameWnd& frame) override;
  void FollowSettings() override;

  BOOL OpenInFront(const char* url) override;
};
