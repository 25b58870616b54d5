#include "textarea/CWrilaCtrl.h"

#include <wx/event.h>
#include <wx/window.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/CKinsokuSettings.h"
#include "platform/desktop/CFont.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/desktop/InputMethod.h"
#include "platform/desktop/VirtualKeys.h"
#include "resources/CommandIds.h"
#include "textarea/ListNumbering.h"
#include "textarea/LongTextPieces.h"

namespace {

// The control's command that extends the selection to the end of the text.
constexpr long kSelectToEnd = 0x8029;

}  // namespace

BOOL CWrilaCtrl::Create(wxWindow* parent, wxWindowID id, const wxRect& rect) {
  const BOOL created = CWrila::Create(parent, id, rect);
  if (wxWindow* control = GetControlWindow()) {
    // Bound on the control's own window: these run before the control's handlers and decide
    // whether the control sees the event at all.
    control->Bind(wxEVT_KEY_DOWN, &CWrilaCtrl::OnControlKeyDown, this);
    control->Bind(wxEVT_MOUSEWHEEL, &CWrilaCtrl::OnControlWheel, this);
    control->Bind(wxEVT_SET_FOCUS, &CWrilaCtrl::OnControlSetFocus, this);
    control->Bind(wxEVT_KILL_FOCUS, &CWrilaCtrl::OnControlKillFocus, this);
  }
  return created;
}

void CWrilaCtrl::SetSel(long start, long end) {
  SetSelStart(start);
  if (end == -1)
    ExecCommand(kSelectToEnd);
  else
    SetSelLength(end - start);
}

void CWrilaCtrl::GetSel(long& start, long& end) {
  start = GetSelStart();
  end = start + GetSelLength();
}

long CWrilaCtrl::GetFirstVisibleLine() {
  long row = 0;
  long column = 0;
  DevToView(0, 0, &row, &column);
  return row;
}

void CWrilaCtrl::LineScroll(long rows, long columns) {
  long row = 0;
  long column = 0;
  GetScrollPos(&row, &column);
  SetScrollPos(row + rows, column + columns);
}

void CWrilaCtrl::SetTabStops(int columns) { SetTabSpace(static_cast<short>(columns)); }

void CWrilaCtrl::SetFont(const CFont& font) {
  LOGFONT lf{};
  if (!font.GetLogFont(&lf)) return;
  SetFontName(lf.lfFaceName);
  CY size{};
  size.int64 = static_cast<std::int64_t>(lf.lfHeight) * 10000;  // the height as given, no fraction
  SetFontSize(size);
  SetFontCharset(lf.lfCharSet);
}

void CWrilaCtrl::ReplaceSel(const char* text, BOOL) { SetSelText(text); }

void CWrilaCtrl::SetLongText(const char* text) {
  wxWindow* control = GetControlWindow();
  if (control) control->Freeze();
  const std::string_view whole(text);
  if (whole.empty()) {
    SetText("");
  } else {
    std::string piece;
    long offset = 0;
    const std::vector<std::size_t> pieces = LongTextPieces(whole);
    for (const std::size_t length : pieces) {
      piece.assign(whole.substr(static_cast<size_t>(offset), length));
      if (offset == 0) {
        SetText(piece.c_str());
      } else {
        // Putting the text leaves the caret at the top: the second piece goes to the end of the
        // first. Every later piece follows the caret, which an insertion leaves after itself; placing
        // it by offset again would make the control count its way through all lines each time.
        if (offset == static_cast<long>(pieces.front())) {
          SetSelStart(offset);
          SetSelLength(0);
        }
        SetSelText(piece.c_str());
      }
      offset += static_cast<long>(length);
    }
  }
  SetSelStart(0);
  SetSelLength(0);
  if (control) control->Thaw();
  SetModified(FALSE);
}

BOOL CWrilaCtrl::ContinueNumbering() {
  SetModified(TRUE);
  long line = 0;
  long column = 0;
  GetCaretPos(TRUE, &line, &column);
  CString insertion;
  if (!NextListLine(GetLineText(TRUE, line, FALSE), insertion)) return FALSE;
  SetSelText(insertion);
  return TRUE;
}

BOOL CWrilaCtrl::PreTranslateKey(const wxKeyEvent& event) {
  if (event.GetEventType() != wxEVT_KEY_DOWN || !m_bKeyTranslate) return FALSE;
  const UINT key = VirtualKeyOf(event);
  if (key == 0) return FALSE;
  const int alt = event.AltDown() ? 1 : 0;
  int shift = 0;
  int ctrl = 0;
  {
    KeyboardStateScope state(event);
    CKeycustArray::GetShiftCtrlState(shift, ctrl);
  }
  CKestavonApp* app = GetKestavonApp();
  const CKeycustArray* table = app ? &app->m_keyTable.GetKeyTable() : nullptr;
  // Plain and shifted typing keys never reach the table: only modified keys, the function and
  // punctuation keys (0x70 and above) and Escape with the input-method keys (0x10 to 0x1F).
  const bool lookUp = alt || ctrl || key >= VK_F1 || (key >= 0x10 && key <= 0x1F);
  const int found = table && lookUp ? table->Find(key, alt, shift, ctrl) : -1;
  if (found >= 0) {
    const CKeycust* binding = table->GetAt(found);
    const bool controlFirst = binding->m_nControlMark && app->m_bKeycustWrila;
    if (!controlFirst && binding->m_nCommand != 0) {
      if (CFrameWnd* main = app->m_pMainWnd) main->PostCommand(static_cast<int>(binding->m_nCommand));
      return TRUE;
    }
    return FALSE;
  }
  if (key == VK_RETURN && GetKinsokuSettings().m_nKajogaki) return ContinueNumbering();
  return FALSE;
}

void CWrilaCtrl::OnControlKeyDown(wxKeyEvent& event) {
  if (!PreTranslateKey(event)) event.Skip();
}

wxWindow* CWrilaCtrl::TreeListUnder(const wxPoint& screen) const {
  auto* view = dynamic_cast<CView*>(GetParent());
  auto* doc = view ? dynamic_cast<CKestavonDoc*>(view->GetDocument()) : nullptr;
  CTreePane* tree = doc ? doc->GetTreePane() : nullptr;
  wxWindow* list = tree ? tree->GetOutlineList() : nullptr;
  if (!list || !list->IsShownOnScreen()) return nullptr;
  return list->GetScreenRect().Contains(screen) ? list : nullptr;
}

void CWrilaCtrl::OnControlWheel(wxMouseEvent& event) {
  wxWindow* control = GetControlWindow();
  const wxPoint screen = control->ClientToScreen(event.GetPosition());
  if (wxWindow* list = TreeListUnder(screen)) {
    wxMouseEvent moved(event);
    moved.SetEventObject(list);
    moved.SetPosition(list->ScreenToClient(screen));
    list->GetEventHandler()->ProcessEvent(moved);
    return;
  }
  long row = 0;
  long column = 0;
  GetScrollPos(&row, &column);
  if (event.GetWheelRotation() < 1)
    SetScrollPos(row + m_nWheelLines, column);
  else if (row > 0)
    SetScrollPos(std::max(0L, row - m_nWheelLines), column);
}

void CWrilaCtrl::OnControlSetFocus(wxFocusEvent& event) {
  event.Skip();
  CKestavonApp* app = GetKestavonApp();
  if (!app || !app->m_bIme) return;
  if (HIMC context = ImmGetContext(GetControlWindow())) {
    ImmSetOpenStatus(context, TRUE);
    ImmReleaseContext(GetControlWindow(), context);
  }
}

void CWrilaCtrl::OnControlKillFocus(wxFocusEvent& event) {
  event.Skip();
  CKestavonApp* app = GetKestavonApp();
  if (app && app->m_bIme) {
    if (HIMC context = ImmGetContext(GetControlWindow())) {
      ImmSetOpenStatus(context, FALSE);
      ImmReleaseContext(GetControlWindow(), context);
    }
  }
  // At once, before anything else takes the focus: a tree command that follows must find the
  // other pane of a split text area already in step with this one.
  wxWindow* parent = GetParent();
  if (!parent || parent->IsBeingDeleted() || IsBeingDeleted()) return;
  wxCommandEvent lost(wxEVT_MENU, ID_WORK_TEXT_FOCUS_LOST);
  lost.SetEventObject(this);
  parent->GetEventHandler()->ProcessEvent(lost);
}
