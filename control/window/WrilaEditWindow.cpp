#include "control/window/WrilaEditWindow.h"

#include <wx/caret.h>
#include <wx/dataobj.h>
#include <wx/dcbuffer.h>
#include <wx/dnd.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <algorithm>

#include "control/EditMessages.h"
#include "control/KeyTable.h"
#include "control/window/ShiftJisTextData.h"
#include "control/window/WrilaEdit.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/VirtualKeys.h"

wxBEGIN_EVENT_TABLE(WrilaEditWindow, wxWindow)
  EVT_PAINT(WrilaEditWindow::OnPaint)
  EVT_ERASE_BACKGROUND(WrilaEditWindow::OnEraseBackground)
  EVT_KEY_DOWN(WrilaEditWindow::OnKeyDown)
  EVT_CHAR(WrilaEditWindow::OnChar)
  EVT_SET_FOCUS(WrilaEditWindow::OnFocus)
  EVT_KILL_FOCUS(WrilaEditWindow::OnFocus)
  EVT_SIZE(WrilaEditWindow::OnSize)
  EVT_MOUSE_EVENTS(WrilaEditWindow::OnMouse)
  EVT_MOUSE_CAPTURE_LOST(WrilaEditWindow::OnCaptureLost)
  EVT_CONTEXT_MENU(WrilaEditWindow::OnContextMenu)
  EVT_SCROLL(WrilaEditWindow::OnScroll)
  EVT_TIMER(wxID_ANY, WrilaEditWindow::OnTimer)
  EVT_WINDOW_CREATE(WrilaEditWindow::OnRealized)
wxEND_EVENT_TABLE()

namespace {

constexpr int kTimerInterval = 20;

LPARAM MakePoint(const wxPoint& p) {
  return static_cast<LPARAM>((static_cast<DWORD>(p.y & 0xFFFF) << 16) | static_cast<DWORD>(p.x & 0xFFFF));
}

// Text dropped on the control, as Shift JIS; the effect follows the control's rules, not wx's. It
// reaches the control through its window, which forgets the control when the control goes first.
class WrilaDropTarget : public wxDropTarget {
 public:
  explicit WrilaDropTarget(WrilaEditWindow* window) : wxDropTarget(new wxTextDataObject), m_window(window) {}

  wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override { return OnDragOver(x, y, def); }
  wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult) override {
    WrilaEdit* owner = m_window->Owner();
    const int effect = owner ? owner->DragHover(wxGetKeyState(WXK_SHIFT), wxGetKeyState(WXK_CONTROL), x, y) : 0;
    return effect == 2 ? wxDragMove : effect == 1 ? wxDragCopy : wxDragNone;
  }
  void OnLeave() override {
    if (WrilaEdit* owner = m_window->Owner()) owner->DragLeave();
  }
  wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override {
    WrilaEdit* owner = m_window->Owner();
    if (!owner) return wxDragNone;
    if (def == wxDragNone || !GetData()) {
      owner->DragLeave();
      return wxDragNone;
    }
    const wxString text = static_cast<wxTextDataObject*>(GetDataObject())->GetText();
    return owner->DropDesktopText(text, def == wxDragMove, x, y) ? def : wxDragNone;
  }

 private:
  WrilaEditWindow* m_window;
};

void OnInputCommit(GtkIMContext*, const gchar* text, gpointer window) {
  static_cast<WrilaEditWindow*>(static_cast<wxWindow*>(window))->CommitInput(text);
}

}  // namespace

WrilaEditWindow::WrilaEditWindow(WrilaEdit* owner, wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE),
      m_owner(owner),
      m_vBar(new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL)),
      m_hBar(new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL)),
      m_dropTimer(this, TIMER_DROPSCROLL),
      m_selectTimer(this, TIMER_SELECTSCROLL) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_vBarWidth = m_vBar->GetBestSize().x;
  m_hBarHeight = m_hBar->GetBestSize().y;
  m_vBar->Hide();
  m_hBar->Hide();
  SetCaret(new wxCaret(this, 2, 16));
  SetDropTarget(new WrilaDropTarget(this));
}

// The toolkit makes the input-method context when the window is realized. A commit becomes one
// edit of the control instead of a character event per character; a read-only control puts the
// context aside at once.
void WrilaEditWindow::OnRealized(wxWindowCreateEvent& event) {
  event.Skip();
  if (event.GetWindow() != this || !m_imContext) return;
  const guint commit = g_signal_lookup("commit", G_TYPE_FROM_INSTANCE(m_imContext));
  g_signal_handlers_disconnect_matched(m_imContext, static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DATA),
                                       commit, 0, nullptr, nullptr, static_cast<wxWindow*>(this));
  g_signal_connect(m_imContext, "commit", G_CALLBACK(OnInputCommit), static_cast<wxWindow*>(this));
  if (m_owner) AttachInputMethod(!m_owner->m_readOnly);
}

WrilaEditWindow::~WrilaEditWindow() {
  AttachInputMethod(true);  // the toolkit releases the context it made
  m_dropTimer.Stop();
  m_selectTimer.Stop();
  if (m_owner) {
    m_owner->WindowProc(WM_DESTROY, 0, 0);
    m_owner->m_window = nullptr;
  }
}

void WrilaEditWindow::StartTimer(unsigned id) {
  wxTimer& timer = id == TIMER_DROPSCROLL ? m_dropTimer : m_selectTimer;
  if (!timer.IsRunning()) timer.Start(kTimerInterval);
}

void WrilaEditWindow::StopTimer(unsigned id) { (id == TIMER_DROPSCROLL ? m_dropTimer : m_selectTimer).Stop(); }

void WrilaEditWindow::OnTimer(wxTimerEvent& event) {
  if (m_owner) m_owner->WindowProc(WM_TIMER, static_cast<WPARAM>(event.GetId()), 0);
}

void WrilaEditWindow::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  if (m_owner) m_owner->Paint(dc, GetUpdateRegion().GetBox());
  // The corner between two shown bars.
  if (m_vBar->IsShown() && m_hBar->IsShown()) {
    const wxSize client = GetClientSize(), area = TextAreaSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.DrawRectangle(area.x, area.y, client.x - area.x, client.y - area.y);
  }
}

void WrilaEditWindow::OnEraseBackground(wxEraseEvent&) {}

// Keys go through the control's key table first; a key it does not bind arrives as a character.
void WrilaEditWindow::OnKeyDown(wxKeyEvent& event) {
  if (!m_owner) return;
  const UINT key = VirtualKeyOf(event);
  BYTE flags = 0;
  if (event.ShiftDown()) flags |= ACCELF_SHIFT;
  if (event.ControlDown()) flags |= ACCELF_CONTROL;
  if (event.AltDown()) flags |= ACCELF_ALT;
  const UINT command = key ? m_owner->TranslateKey(flags, static_cast<WORD>(key)) : 0;
  if (command) {
    m_owner->WindowProc(WM_COMMAND, command | 0x10000, 0);  // as from an accelerator
    return;
  }
  event.Skip();
}

void WrilaEditWindow::OnChar(wxKeyEvent& event) {
  if (!m_owner) return;
  const wxChar ch = event.GetUnicodeKey();
  if (ch == WXK_NONE || event.ControlDown() || event.AltDown()) {
    event.Skip();
    return;
  }
  // Typed characters arrive as code page 932 bytes, a double-byte character as its two bytes. A
  // character that code page 932 cannot hold is refused.
  const wxString typed(ch);
  const CString bytes = WxToCP932(typed);
  if (bytes.IsEmpty() || CP932ToWx(std::string_view(bytes.GetString(), static_cast<size_t>(bytes.GetLength()))) != typed) {
    m_owner->Beep();
    return;
  }
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
  LayoutBars();
  event.Skip();
}

void WrilaEditWindow::OnScroll(wxScrollEvent& event) {
  if (!m_owner) return;
  const wxEventType type = event.GetEventType();
  UINT code = SB_ENDSCROLL;
  if (type == wxEVT_SCROLL_LINEUP) code = SB_LINEUP;
  else if (type == wxEVT_SCROLL_LINEDOWN) code = SB_LINEDOWN;
  else if (type == wxEVT_SCROLL_PAGEUP) code = SB_PAGEUP;
  else if (type == wxEVT_SCROLL_PAGEDOWN) code = SB_PAGEDOWN;
  else if (type == wxEVT_SCROLL_THUMBTRACK || type == wxEVT_SCROLL_CHANGED) code = SB_THUMBTRACK;
  else if (type == wxEVT_SCROLL_THUMBRELEASE) code = SB_THUMBPOSITION;
  else if (type == wxEVT_SCROLL_TOP) code = SB_TOP;
  else if (type == wxEVT_SCROLL_BOTTOM) code = SB_BOTTOM;
  // The bar's position is a full int: rows past 65,535 arrive exactly.
  m_owner->WindowProc(event.GetOrientation() == wxVERTICAL ? WM_VSCROLL : WM_HSCROLL, code, event.GetPosition());
}

int WrilaEditWindow::BarBreadth(int orientation) const { return orientation == wxVERTICAL ? m_vBarWidth : m_hBarHeight; }

wxSize WrilaEditWindow::TextAreaSize() const {
  wxSize size = GetClientSize();
  if (m_vBar->IsShown()) size.x -= BarBreadth(wxVERTICAL);
  if (m_hBar->IsShown()) size.y -= BarBreadth(wxHORIZONTAL);
  return wxSize(std::max(0, size.x), std::max(0, size.y));
}

// Bars are set after every edit: only what changed goes to the toolkit, which lays out on each call.
void WrilaEditWindow::SetBar(int orientation, bool shown, bool enabled, int position, int thumb, int range) {
  wxScrollBar* bar = GetBar(orientation);
  range = std::max(range, 1);
  if (bar->GetRange() != range || bar->GetThumbSize() != thumb || bar->GetPageSize() != thumb) {
    bar->SetScrollbar(position, thumb, range, thumb);
  } else if (bar->GetThumbPosition() != position) {
    bar->SetThumbPosition(position);
  }
  if (bar->IsEnabled() != enabled) bar->Enable(enabled);
  if (bar->IsShown() != shown) {
    bar->Show(shown);
    LayoutBars();
    Refresh(false);
  }
}

void WrilaEditWindow::SetBarPosition(int orientation, int position) {
  wxScrollBar* bar = GetBar(orientation);
  if (bar->GetThumbPosition() != position) bar->SetThumbPosition(position);
}

void WrilaEditWindow::LayoutBars() {
  const wxSize client = GetClientSize();
  const int width = BarBreadth(wxVERTICAL), height = BarBreadth(wxHORIZONTAL);
  const int bottom = m_hBar->IsShown() ? height : 0, right = m_vBar->IsShown() ? width : 0;
  if (m_vBar->IsShown()) m_vBar->SetSize(client.x - width, 0, width, std::max(0, client.y - bottom));
  if (m_hBar->IsShown()) m_hBar->SetSize(0, client.y - height, std::max(0, client.x - right), height);
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
  WPARAM flags = 0;
  if (event.ShiftDown()) flags |= MK_SHIFT;
  if (event.ControlDown()) flags |= MK_CONTROL;
  if (event.AltDown()) flags |= MK_ALT_HELD;
  if (message == WM_LBUTTONDOWN && !HasCapture()) CaptureMouse();
  if (message) m_owner->WindowProc(message, flags, MakePoint(event.GetPosition()));
  if (message == WM_MOUSEMOVE && m_owner && !event.Dragging()) {
    SetCursor(wxCursor(m_owner->CursorAt(event.GetPosition().x, event.GetPosition().y)));
  }
  if (message == WM_LBUTTONUP && HasCapture()) ReleaseMouse();
  event.Skip();
}

// The menu key gives no position: (-1, -1), as Windows reports it.
void WrilaEditWindow::OnContextMenu(wxContextMenuEvent& event) {
  if (!m_owner) return;
  const wxPoint at = event.GetPosition();
  const LPARAM point = at == wxDefaultPosition ? static_cast<LPARAM>(0xFFFFFFFF) : MakePoint(at);
  m_owner->WindowProc(WM_CONTEXTMENU, 0, point);
}

void WrilaEditWindow::OnCaptureLost(wxMouseCaptureLostEvent&) {
  if (m_owner) m_owner->WindowProc(WM_LBUTTONUP, 0, MakePoint(ScreenToClient(wxGetMousePosition())));
}

void WrilaEditWindow::SetInputCursor(const wxRect& cell) {
  if (!m_imContext) return;
  GdkRectangle area{cell.x, cell.y, cell.width, cell.height};
  gtk_im_context_set_cursor_location(m_imContext, &area);
}

// With the context put aside the toolkit hands keys to no input method: they arrive as plain
// characters, which a read-only control refuses.
void WrilaEditWindow::AttachInputMethod(bool attach) {
  if (!attach && m_imContext) {
    gtk_im_context_focus_out(m_imContext);
    gtk_im_context_reset(m_imContext);
    m_keptInputContext = m_imContext;
    m_imContext = nullptr;
  } else if (attach && m_keptInputContext) {
    m_imContext = m_keptInputContext;
    m_keptInputContext = nullptr;
    if (HasFocus()) gtk_im_context_focus_in(m_imContext);
  }
}

// One character goes in as typed; a longer commit goes in as one edit, later on the window's
// thread, as the composed text of the input method does.
void WrilaEditWindow::CommitInput(const char* text) {
  if (!m_owner || !text || !*text) return;
  const wxString committed = wxString::FromUTF8(text);
  if (committed.length() == 1) {
    wxKeyEvent event(wxEVT_CHAR);
    event.SetEventObject(this);
    event.m_uniChar = committed[0];
    event.m_keyCode = committed[0] < 256 ? static_cast<int>(committed[0]) : WXK_NONE;
    HandleWindowEvent(event);
    return;
  }
  const CString bytes = WxToCP932(committed);
  if (bytes.IsEmpty() || CP932ToWx(std::string_view(bytes.GetString(), static_cast<size_t>(bytes.GetLength()))) != committed) {
    m_owner->Beep();
    return;
  }
  m_owner->PostTypedText(std::string(bytes.GetString(), static_cast<size_t>(bytes.GetLength())));
}

void WrilaEditWindow::DragSelection() {
  if (!m_owner) return;
  if (HasCapture()) ReleaseMouse();
  WrilaEdit* owner = m_owner;
  const CRefString text = owner->SelectedText(false);
  ShiftJisTextData data(text);
  wxDropSource source(data, this);
  owner->m_dragSource = true;
  const wxDragResult result = source.DoDragDrop(owner->m_readOnly ? wxDrag_CopyOnly : wxDrag_AllowMove);
  if (!m_owner) return;
  // A move onto this control already moved the text and cleared the source flag.
  if (result == wxDragMove && owner->m_dragSource && owner->HasSelection()) {
    owner->WindowProc(WM_COMMAND, ID_WRILA_DELETE, 0);
  } else if (result == wxDragNone || result == wxDragCancel || result == wxDragError) {
    owner->CancelSelection(true);
  }
  owner->m_dragSource = false;
  owner->PlaceCaret();
}
