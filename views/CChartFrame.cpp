#include "views/CChartFrame.h"

#include "platform/base/WinTypes.h"

int CChartFrame::s_nShowCmd = SW_SHOWNORMAL;

CChartFrame::CChartFrame() { Bind(wxEVT_SIZE, &CChartFrame::OnSizeChanged, this); }

void CChartFrame::ActivateFrame(int nCmdShow) {
  CMDIChildWnd::ActivateFrame(nCmdShow == -1 ? s_nShowCmd : nCmdShow);
}

void CChartFrame::OnSizeChanged(wxSizeEvent& event) {
  event.Skip();
  if (IsShown()) s_nShowCmd = IsZoomed() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}
