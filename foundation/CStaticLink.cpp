#include "foundation/CStaticLink.h"

#include <wx/utils.h>

#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/Shell.h"

COLORREF CStaticLink::g_colorUnvisited = RGB(0, 0, 255);
COLORREF CStaticLink::g_colorVisited = RGB(128, 0, 128);

INT_PTR ShellOpen(const CString& text) {
  if (text.IsEmpty()) return 0;
  return ShellExecute(nullptr, "open", text, nullptr, nullptr, SW_SHOWNORMAL);
}

CStaticLink::CStaticLink(const char* link, BOOL /*deleteOnDestroy*/) : m_link(link), m_color(g_colorUnvisited) {}

CStaticLink::~CStaticLink() = default;

bool CStaticLink::Create(wxWindow* parent, int id, const wxString& label, const wxPoint& pos, const wxSize& size,
                         long style) {
  if (!wxGenericStaticText::Create(parent, id, label, pos, size, style)) return false;
  ShowAsLink();
  return true;
}

BOOL CStaticLink::SubclassDlgItem(int id, wxWindow* dialog) {
  wxWindow* item = dialog ? dialog->FindWindow(id) : nullptr;
  if (!item || item == dialog) return FALSE;
  const long alignment = item->GetWindowStyle() & (wxALIGN_CENTRE_HORIZONTAL | wxALIGN_RIGHT);
  if (!Create(item->GetParent(), id, item->GetLabel(), item->GetPosition(), item->GetSize(), alignment))
    return FALSE;
  SetFont(item->GetFont().Underlined());
  ReplaceDlgItem(item, this);
  return TRUE;
}

void CStaticLink::ShowAsLink() {
  SetFont(GetFont().Underlined());
  SetForegroundColour(ColorRefToWx(m_color));
  SetCursor(wxCursor(wxCURSOR_HAND));
  Bind(wxEVT_LEFT_DOWN, &CStaticLink::OnLeftDown, this);
}

void CStaticLink::OnLeftDown(wxMouseEvent&) {
  const CString target = m_link.IsEmpty() ? WxToCP932(GetLabel()) : m_link;
  if (target.IsEmpty()) return;
  if (ShellOpen(target) > 32) {
    m_color = g_colorVisited;
    SetForegroundColour(ColorRefToWx(m_color));
    Refresh();
  } else {
    wxBell();
  }
}
