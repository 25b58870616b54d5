#pragma once
// The control's window: turns wx events into the control's numeric messages.
#include "control/window/WindowLayer.h"

#include <wx/window.h>

class WrilaEdit;

class WrilaEditWindow : public wxWindow {
 public:
  WrilaEditWindow(WrilaEdit* owner, wxWindow* parent, const wxPoint& pos, const wxSize& size);
  ~WrilaEditWindow() override;

  // The control is being deleted before its window: no more messages reach it.
  void Detach() { m_owner = nullptr; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnEraseBackground(wxEraseEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnFocus(wxFocusEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnScroll(wxScrollWinEvent& event);

  WrilaEdit* m_owner;
  wxDECLARE_EVENT_TABLE();
};
