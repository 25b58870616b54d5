#include "control/window/WrilaEdit.h"

#include <wx/app.h>
#include <wx/caret.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstring>

#include "control/window/CMarkImageList.h"
#include "control/CTextBuffer.h"
#include "control/ControlRoutines.h"
#include "control/EditMessages.h"
#include "control/EditSettings.h"
#include "control/KeyTable.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/InputMethod.h"
#include "platform/com/TaskMemory.h"
#include "platform/desktop/VirtualKeys.h"

WrilaEdit::WrilaEdit() {
  ResetEditSettings(m_cust, m_colors);
  m_wrapWidth = WrapWidthFor();
  CreateFonts();
}

WrilaEdit::~WrilaEdit() { DestroyControl(); }

int WrilaEdit::WrapWidthFor() const {
  return m_cust.WrapMode == 1 ? std::max(m_cust.MarginNormal, m_cust.MarginQuote) : 256;
}

bool WrilaEdit::CreateControl(wxWindow* parent, const wxPoint& pos, const wxSize& size) {
  if (m_window) return true;
  m_window = new WrilaEditWindow(this, parent, pos, size);  // owned by the parent from here on
  WindowProc(WM_CREATE, 0, 0);
  m_window->AttachInputMethod(!m_readOnly);
  const wxSize client = m_window->GetClientSize();
  WindowProc(WM_SIZE, 0, static_cast<LPARAM>((client.y & 0xFFFF) << 16 | (client.x & 0xFFFF)));
  return true;
}

void WrilaEdit::DestroyControl() {
  if (!m_window) return;
  WrilaEditWindow* window = m_window;
  WindowProc(WM_DESTROY, 0, 0);
  window->Detach();
  m_window = nullptr;
  window->Destroy();
}

wxWindow* WrilaEdit::GetWindow() const { return m_window; }

wxSize WrilaEdit::ClientSize() const { return m_window ? m_window->TextAreaSize() : wxSize(0, 0); }

void WrilaEdit::ResetViewState() {
  m_desiredColumn = -1;
  m_caretView = m_caretLogical = m_selAnchor = POINT{};
  m_selKind = SEL_NONE;
  m_firstColumn = m_topRow = 0;
  m_created = true;
}

void WrilaEdit::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_window) return;
  m_window->CallAfter([this, window = m_window, message, wParam, lParam] {
    if (m_window == window) WindowProc(message, wParam, lParam);
  });
}

void WrilaEdit::PostTypedText(std::string text) {
  if (!m_window) return;
  m_window->CallAfter([this, window = m_window, text = std::move(text)] {
    if (m_window == window) WindowProc(WM_WRILA_TYPETEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  });
}

LRESULT WrilaEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      ResetViewState();
      m_firedCaret = m_caretView;
      if (m_hasPendingText) {
        GetBuffer().SetText(m_pendingText.c_str(), static_cast<int>(m_pendingText.size()));
        m_pendingText.clear();
        m_hasPendingText = false;
      }
      Relayout(RELAYOUT_PLAIN);
      return 0;
    case WM_DESTROY:
      m_created = false;
      return 0;
    case WM_CHAR:
      TypeChar(static_cast<UINT>(wParam & 0xFF), LINEEND_CRLF);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      m_focused = message == WM_SETFOCUS;
      if (!m_focused) m_pendingLead = 0;  // half a character is not typed
      if (m_focused) {
        m_caretView = GetBuffer().LogicalToViewClamped(m_caretLogical.x, m_caretLogical.y);
        PlaceCaret();
      }
      if (m_window && m_window->GetCaret() && m_window->GetCaret()->IsVisible() != m_focused) {
        m_window->GetCaret()->Show(m_focused);
      }
      InvalidateRows(0, m_caretView.y, -1, m_caretView.y, false);
      if (HasSelection()) InvalidateFrom(m_topRow);
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(wParam, static_cast<short>(lParam & 0xFFFF), static_cast<short>((lParam >> 16) & 0xFFFF));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<short>(lParam & 0xFFFF), static_cast<short>((lParam >> 16) & 0xFFFF));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(static_cast<short>(lParam & 0xFFFF), static_cast<short>((lParam >> 16) & 0xFFFF));
      return 0;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(static_cast<short>(lParam & 0xFFFF), static_cast<short>((lParam >> 16) & 0xFFFF));
      return 0;
    case WM_TIMER:
      OnTimer(static_cast<UINT>(wParam));
      return 0;
    case WM_SIZE:
      RecalcScrollBars(static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF));
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      return OnScrollMessage(message == WM_VSCROLL, static_cast<UINT>(wParam & 0xFFFF), lParam);
    case WM_ERASEBKGND:
      return 1;  // painting covers every pixel, the areas outside the text included
    case WM_CUT:
      OnCommand(ID_EDIT_CUT);
      return 0;
    case WM_COPY:
      OnCommand(ID_EDIT_COPY);
      return 0;
    case WM_PASTE:
      OnCommand(ID_EDIT_PASTE);
      return 0;
    case WM_CLEAR:
      OnCommand(ID_WRILA_DELETE);
      return 0;
    case WM_UNDO:
      OnCommand(ID_EDIT_UNDO);
      return 0;
    case WM_WRILA_TYPETEXT:
      TypeText(reinterpret_cast<const char*>(lParam));
      return 0;
    case WM_WRILA_INSERTGLOBAL:
      // A block of the task allocator, which the control owns from here on.
      if (lParam) {
        TypeText(reinterpret_cast<const char*>(lParam));
        CoTaskMemFree(reinterpret_cast<void*>(lParam));
      }
      return 0;
    case WM_WRILA_FIND:
      return FindText(reinterpret_cast<const char*>(lParam), (wParam & 0x1) != 0, (wParam & 0x2) != 0, (wParam & 0x20) != 0);
    case WM_WRILA_REPLACE: {
      // The find string, its terminating NUL, then the replacement.
      const char* find = reinterpret_cast<const char*>(lParam);
      if (!find) return 0;
      const char* replace = find + std::strlen(find) + 1;
      const bool matchCase = (wParam & 0x2) != 0, quiet = (wParam & 0x20) != 0;
      return (wParam & 0x10) ? ReplaceAll(find, replace, matchCase, quiet) : ReplaceNext(find, replace, matchCase, quiet);
    }
    case WM_WRILA_SETMARK:
      GetBuffer().SetLineMark(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_WRILA_GETMARK:
      return GetBuffer().GetLineMark(static_cast<int>(wParam));
    case WM_WRILA_EXTRA:
      return OnExtraSettings(static_cast<UINT>(wParam), lParam);
    case WM_COMMAND:
      // Notification code 0 is a menu's; keys and automation calls give 1.
      m_commandFromMenu = (wParam >> 16) == 0;
      OnCommand(static_cast<UINT>(wParam & 0xFFFF));
      m_commandFromMenu = false;
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(static_cast<short>(lParam & 0xFFFF), static_cast<short>((lParam >> 16) & 0xFFFF));
      return 0;
    default:
      return 0;
  }
}

LRESULT WrilaEdit::OnExtraSettings(UINT selector, LPARAM value) {
  auto* buffer = reinterpret_cast<char*>(value);
  const auto refreshComments = [this] {
    GetBuffer().RecalcComments();
    m_runs.Invalidate();
    InvalidateFrom(m_topRow);
  };
  switch (selector) {
    case EXTRA_GETHILITECOMMENT:
      return m_cust.HiliteComment;
    case EXTRA_SETHILITECOMMENT:
      if (value >= -1 && value <= 4) m_cust.HiliteComment = static_cast<std::int32_t>(value);
      refreshComments();
      return 0;
    case EXTRA_GETCOMMENTBEGIN:
    case EXTRA_GETCOMMENTEND:
      if (buffer) {
        const char* field = selector == EXTRA_GETCOMMENTBEGIN ? m_cust.CommentBegin : m_cust.CommentEnd;
        std::memcpy(buffer, field, strnlen(field, 15));
        buffer[strnlen(field, 15)] = '\0';
      }
      return 0;
    case EXTRA_SETCOMMENTBEGIN:
    case EXTRA_SETCOMMENTEND:
      if (buffer) CopyTextSafe(selector == EXTRA_SETCOMMENTBEGIN ? m_cust.CommentBegin : m_cust.CommentEnd, buffer, 16);
      refreshComments();
      return 0;
    case EXTRA_GETMARKCOLUMN:
      return m_markColumn ? 1 : 0;
    case EXTRA_SETMARKCOLUMN:
      m_markColumn = value != 0;
      Relayout(RELAYOUT_PLAIN);
      return 0;
    case EXTRA_GETURLCHARS:
      if (buffer) std::memcpy(buffer, m_cust.UrlChars, sizeof(m_cust.UrlChars));
      return 0;
    case EXTRA_SETURLCHARS:
      if (buffer) std::memcpy(m_cust.UrlChars, buffer, sizeof(m_cust.UrlChars));
      m_runs.Invalidate();
      return 0;
    case EXTRA_GETDBCHARURL:
      return m_cust.DBCharUrl;
    case EXTRA_SETDBCHARURL:
      m_cust.DBCharUrl = value != 0;
      m_runs.Invalidate();
      return 0;
    case EXTRA_GETKANAURL:
      return m_cust.KanaUrl;
    case EXTRA_SETKANAURL:
      m_cust.KanaUrl = value != 0;
      m_runs.Invalidate();
      return 0;
    default:
      return 0;
  }
}

bool WrilaEdit::OnCommand(UINT id) {
  switch (id) {
    case ID_WRILA_OVERWRITE:
      m_cust.Overwrite = !m_cust.Overwrite;
      if (m_focused) InvalidateRows(m_caretView.x, m_caretView.y, m_caretView.x + 2, m_caretView.y, false);
      if (m_needEvents & EVENT_ONPROPCHANGED) FirePropChanged();
      return true;
    case ID_WRILA_READONLY:
      m_readOnly = !m_readOnly;
      Relayout(RELAYOUT_READONLY);
      return true;
    case ID_WRILA_WRAPNONE:
    case ID_WRILA_WRAPCOLUMNS:
    case ID_WRILA_WRAPWINDOW:
      if (m_cust.WrapMode != static_cast<int>(id - ID_WRILA_WRAPNONE)) {
        SetWrapMode(static_cast<int>(id - ID_WRILA_WRAPNONE));
        if (m_needEvents & EVENT_ONPROPCHANGED) FirePropChanged();
      }
      return true;
    case ID_WRILA_PROPERTIES:
      if (m_needEvents & EVENT_ONPROPERTIES) {
        FireProperties();
      } else if (ShowPropertyFrame() && (m_needEvents & EVENT_ONPROPCHANGED)) {
        FirePropChanged();
      }
      return true;
    case ID_WRILA_IMETOGGLE:
      // GTK keeps the switch itself; the state asked for is kept for the control's own queries.
      if (m_window && !m_readOnly) {
        if (HIMC context = ImmGetContext(GetWindow())) {
          ImmSetOpenStatus(context, !ImmGetOpenStatus(context));
          ImmReleaseContext(GetWindow(), context);
        }
      }
      return true;
    case ID_WRILA_COPYLINK:
    case ID_WRILA_OPENLINK:
    case ID_WRILA_HOMEPAGE:
      LinkCommand(id, m_commandFromMenu);
      return true;
    default:
      break;
  }
  if ((id >= ID_WRILA_ROWDOWN && id <= ID_WRILA_SELTEXTEND) ||
      (id >= ID_WRILA_WORDRIGHT && id <= ID_WRILA_SCROLLDOWN) ||
      (id >= ID_WRILA_LOGICALSTART && id <= ID_WRILA_SELLOGICALEND)) {
    return OnMotionCommand(id);
  }
  return OnEditCommand(id) || OnSelectionCommand(id) || OnSearchCommand(id);
}

UINT WrilaEdit::TranslateKey(BYTE flags, WORD virtualKey) {
  const CAccelTable* table = GetBuffer().GetAccelTable();
  return table ? table->Translate(static_cast<BYTE>(flags | ACCELF_VIRTKEY), virtualKey) : 0;
}

bool WrilaEdit::PreTranslateKey(UINT message, WPARAM wParam, wxWindow* target) {
  if (!m_window) return false;
  // The open find or replace dialog handles its own keys.
  for (wxWindow* at = target; at && m_findDialog; at = at->GetParent())
    if (at == m_findDialog) return true;
  if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && target == GetWindow()) {
    BYTE flags = 0;
    if (GetKeyState(VK_SHIFT) < 0) flags |= ACCELF_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) flags |= ACCELF_CONTROL;
    if (GetKeyState(VK_MENU) < 0) flags |= ACCELF_ALT;
    if (const UINT command = TranslateKey(flags, static_cast<WORD>(wParam))) {
      WindowProc(WM_COMMAND, command | 0x10000, 0);  // as from an accelerator
      return true;
    }
    return false;
  }
  // Typed characters never become the container's accelerators.
  if (message == WM_CHAR) {
    WindowProc(WM_CHAR, wParam, 0);
    return true;
  }
  return false;
}

void WrilaEdit::MoveCaret(POINT logical) {
  const int oldRow = m_caretView.y;
  m_caretLogical = logical;
  m_caretView = GetBuffer().LogicalToViewClamped(logical.x, logical.y);
  m_desiredColumn = m_caretView.x;
  EnsureCaretVisible(false);
  if (oldRow != m_caretView.y) InvalidateRows(0, oldRow, -1, oldRow, false);
  InvalidateRows(0, m_caretView.y, -1, m_caretView.y, false);
  if (m_rulerHeight && m_window) m_window->RefreshRect(wxRect(0, 0, ClientSize().x, m_rulerHeight), false);
  PlaceCaret();
}

void WrilaEdit::SetWrapMode(int mode) {
  if (m_cust.WrapMode == mode) return;
  const int oldWrapWidth = m_wrapWidth;
  m_cust.WrapMode = mode;
  ApplySettings(oldWrapWidth);
}

void WrilaEdit::ApplySettings(int oldWrapWidth) {
  m_wrapWidth = WrapWidthFor();
  m_hiliteIndex.Build(m_hiliteRules);
  GetBuffer().RebuildAccelTable();
  CreateFonts();
  GetBuffer().RewrapAll();
  GetBuffer().RecalcComments();
  m_runs.Invalidate();
  Relayout(m_wrapWidth != oldWrapWidth ? RELAYOUT_REWRAP : RELAYOUT_PLAIN);
}

void WrilaEdit::Beep() { wxBell(); }

void WrilaEdit::PutAppearance(short appearance) {
  if (appearance == m_appearance) return;
  m_appearance = appearance;
  ApplyBorder();
}

void WrilaEdit::PutBorderStyle(long style) {
  if (style == m_borderStyle) return;
  m_borderStyle = style;
  ApplyBorder();
}

void WrilaEdit::ApplyBorder() {
  if (!m_window) return;
  // The 3-D edge wins over the plain border, as the two window styles would show together.
  m_window->SetWindowStyleFlag((m_window->GetWindowStyleFlag() & ~wxBORDER_MASK) |
                               (m_appearance ? wxBORDER_SUNKEN : m_borderStyle ? wxBORDER_SIMPLE : wxBORDER_NONE));
  m_window->Refresh();
}

HRESULT WrilaEdit::PutText(const char16_t* text) {
  const std::unique_ptr<char[]> narrow = BSTRToAnsi(text ? text : u"");
  if (!narrow) return S_FALSE;
  m_pendingText.clear();
  m_hasPendingText = false;
  if (m_window) {
    GetBuffer().SetText(narrow.get());
    CancelSelection(true);
    MoveCaret(POINT{});
    InvalidateFrom(0);
  } else {
    m_pendingText = narrow.get();
    m_hasPendingText = true;
  }
  return S_OK;
}

std::u16string WrilaEdit::GetText() {
  if (m_window) return AnsiToBSTR(GetBuffer().GetWholeText());
  return AnsiToBSTR(m_pendingText.c_str());
}

HRESULT WrilaEdit::LoadProperties() {
  const int oldWrapWidth = m_wrapWidth;
  const std::unique_ptr<char[]> key = BSTRToAnsi(m_regKey.c_str());
  LoadEditSettings(m_rootKey, key.get(), *this, m_colors);
  ApplySettings(oldWrapWidth);
  return S_OK;
}

HRESULT WrilaEdit::SaveProperties() {
  const std::unique_ptr<char[]> key = BSTRToAnsi(m_regKey.c_str());
  return SaveEditSettings(m_rootKey, key.get(), *this, m_colors);
}
