#pragma once
// The grep window: the list of hits and the text of the selected hit, in two rows or two columns
// as the settings say when the window is made.
#include "platform/framework/CMDIChildWnd.h"

class CSplitterWnd;
class wxCommandEvent;
class wxUpdateUIEvent;

class CGrepFrame : public CMDIChildWnd {
 public:
  CGrepFrame() = default;
  BOOL OnCreateClient(CCreateContext* context) override;

 protected:
  void OnDestroy() override;

 private:
  void OnSplit(wxCommandEvent& event);
  void OnUpdateSplit(wxUpdateUIEvent& event);

  CSplitterWnd* m_pSplitter = nullptr;
  int m_nSplPos = 1;  // 1 rows, list above; 0 columns, list left

  wxDECLARE_EVENT_TABLE();
};
