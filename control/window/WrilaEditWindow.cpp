#include "control/window/WrilaEditWindow.h"

#include <wx/dcbuffer.h>

#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "platform/CodePage.h"

wxBEGIN_EVENT_TABLE(WrilaEditWindow, wxWindow)
  EVT_PAINT(WrilaEditWindow::OnPaint)
  EVT_ERASE_BACKGROUND(WrilaEditWindow::OnEraseBackground)
  EVT_CHAR(WrilaEditWindow::OnChar)
  EVT_SET_FOCUS(WrilaEditWindow::OnFocus)
  EVT_KILL_FOCUS(WrilaEditWindow::OnFocus)
  EVT_SIZE(WrilaEditWindow::OnSize)
  EVT_MOUSE_EVENTS(WrilaEditWindow::OnMouse)
  EVT_SCROLLWIN(WrilaEditWindow::OnScroll)
wxEND_EVENT_TABLE()

namespace {

LPARAM MakePoint(const wxPoint& p) {
  return static_cast<LPARAM>((static_cast<DWORD>(p.y & 0xFFFF) << 16) | static_cast<DWORD>(p.x & 0xFFFF));
}

}  // namespace

WrilaEditWindow::WrilaEditWindow(WrilaEdit* owner, wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxHSCROLL | wxVSCROLL), m_owner(owner) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
}

WrilaEditWindow::~WrilaEditWindow() {
  if (m_owner) {
    m_owner->WindowProc(WM_DESTROY, 0, 0);
    m_owner->m_window = nullptr;
  }
}

void WrilaEditWindow::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  if (m_owner) m_owner->Paint(dc, GetUpdateRegion().GetBox());
}

void WrilaEditWindow::OnEraseBackground(wxEraseEvent&) {}

void WrilaEditWindow::OnChar(wxKeyEvent& event) {
  if (!m_owner) return;
  const wxChar ch = event.GetUnicodeKey();
  if (ch == WXK_NONE || event.ControlDown() || event.AltDown()) {
    event.Skip();
    return;
  }
  // Typed characters arrive as code page 932 bytes, a double-byte character as its two bytes.
  const CString bytes = WxToCP932(wxString(ch));
  for (int i = 0; i < bytes.GetLength(); ++i) {
    m_owner->WindowProc(WM_CHAR, static_cast<unsigned char>(bytes[i]), 0);
  }
}

void WrilaEditWindow::OnFocus(wxFocusEvent& event) {
  if (m_owner) m_owner->WindowProc(event.GetEventType() == wxEVT_SET_FOCUS ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
  event.Skip();
}

void WrilaEditWindow::OnSize(wxSizeEvent& event) {
  // The control lays out its client area: the scroll bars showing or hiding change it too.
  const wxSize client = GetClientSize();
  if (m_owner) m_owner->WindowProc(WM_SIZE, 0, MakePoint(wxPoint(client.x, client.y)));
  event.Skip();
}

void WrilaEditWindow::OnScroll(wxScrollWinEvent& event) {
  if (!m_owner) return;
  const wxEventType type = event.GetEventType();
  UINT code = SB_ENDSCROLL;
  if (type == wxEVT_SCROLLWIN_LINEUP) code = SB_LINEUP;
  else if (type == wxEVT_SCROLLWIN_LINEDOWN) code = SB_LINEDOWN;
  else if (type == wxEVT_SCROLLWIN_PAGEUP) code = SB_PAGEUP;
  else if (type == wxEVT_SCROLLWIN_PAGEDOWN) code = SB_PAGEDOWN;
  else if (type == wxEVT_SCROLLWIN_THUMBTRACK) code = SB_THUMBTRACK;
  else if (type == wxEVT_SCROLLWIN_THUMBRELEASE) code = SB_THUMBPOSITION;
  else if (type == wxEVT_SCROLLWIN_TOP) code = SB_TOP;
  else if (type == wxEVT_SCROLLWIN_BOTTOM) code = SB_BOTTOM;
  m_owner->WindowProc(event.GetOrientation() == wxVERTICAL ? WM_VSCROLL : WM_HSCROLL, code, event.GetPosition());
}

void WrilaEditWindow::OnMouse(wxMouseEvent& event) {
  if (!m_owner) return;
  UINT message = 0;
  if (event.LeftDown()) {
    message = WM_LBUTTONDOWN;
    SetFocus();
  } else if (event.LeftDClick()) {
    message = WM_LBUTTONDBLCLK;
  } else if (event.LeftUp()) {
    message = WM_LBUTTONUP;
  } else if (event.Moving() || event.Dragging()) {
    message = WM_MOUSEMOVE;
  }
  if (message) m_owner->WindowProc(message, 0, MakePoint(event.GetPosition()));
  event.Skip();
}
