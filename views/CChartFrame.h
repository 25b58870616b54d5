#pragma once
// The chart window: a child frame with one chart view. All chart windows share the show command
// of the last one the user resized (normal or maximised); it is not stored.
#include "platform/framework/CMDIChildWnd.h"

class CChartFrame : public CMDIChildWnd {
 public:
  CChartFrame();
  // -1 takes the remembered show command.
  void ActivateFrame(int nCmdShow = -1) override;

  static int s_nShowCmd;

 private:
  void OnSizeChanged(wxSizeEvent& event);
};
