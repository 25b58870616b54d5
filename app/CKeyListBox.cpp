#include "app/CKeyListBox.h"

#include <wx/dc.h>

#include <algorithm>

#include "app/CKeycustArray.h"
#include "platform/base/CodePage.h"

namespace {

const wxColour kSelectedBack(0, 0, 128);

long SortNumber(const CKeycust& k) {
  return k.m_nCtrl * 1024L + k.m_nShift * 512L + k.m_nAlt * 256L + static_cast<long>(k.m_nKey);
}

}  // namespace

CKeyListBox::CKeyListBox(wxWindow* parent, int id, const CKeycustArray& table,
                         const std::vector<CString>& commandNames, const std::vector<UINT>& commandIds)
    : wxVListBox(parent, id, wxDefaultPosition, wxSize(420, 260), wxBORDER_SUNKEN),
      m_table(table),
      m_commandNames(commandNames),
      m_commandIds(commandIds) {
  SetBackgroundColour(*wxWHITE);
}

int CKeyListBox::CompareItem(const CKeycust& a, const CKeycust& b) {
  const long na = SortNumber(a);
  const long nb = SortNumber(b);
  if (na != nb) return na < nb ? -1 : 1;
  if (a.m_nCommand != b.m_nCommand) return a.m_nCommand < b.m_nCommand ? -1 : 1;
  return 0;
}

void CKeyListBox::ResetContent() {
  m_items.clear();
  SetItemCount(0);
}

void CKeyListBox::AddItem(CKeycust* binding) {
  const auto at = std::upper_bound(m_items.begin(), m_items.end(), binding,
                                   [](const CKeycust* a, const CKeycust* b) { return CompareItem(*a, *b) < 0; });
  m_items.insert(at, binding);
  SetItemCount(m_items.size());
}

CString CKeyListBox::GetKeyText(int index) const {
  const int at = m_table.IndexOf(GetItemData(index));
  return at < 0 ? CString() : m_table.GetKeyText(at);
}

CString CKeyListBox::GetCommandText(int index) const {
  // A binding the table has let go of since the last fill shows nothing.
  if (m_table.IndexOf(GetItemData(index)) < 0) return CString();
  const UINT command = GetItemData(index)->m_nCommand;
  for (size_t i = 0; i < m_commandIds.size(); ++i)
    if (m_commandIds[i] == command) return m_commandNames[i];
  return CString();
}

int CKeyListBox::GetColumnX() const {
  wxClientDC dc(const_cast<CKeyListBox*>(this));
  dc.SetFont(GetFont());
  const int average = dc.GetCharWidth();
  const int unit = average + average / 4;
  return unit * (m_nKeyWidth + 2);
}

void CKeyListBox::OnDrawBackground(wxDC& dc, const wxRect& rect, size_t n) const {
  const bool selected = IsSelected(n);
  dc.SetBrush(wxBrush(selected ? kSelectedBack : *wxWHITE));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(rect);
  if (HasFocus() && static_cast<int>(n) == GetSelection()) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(selected ? *wxWHITE : *wxBLACK, 1, wxPENSTYLE_DOT));
    dc.DrawRectangle(rect);
  }
}

void CKeyListBox::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const {
  const bool selected = IsSelected(n);
  const wxColour ink = selected ? *wxWHITE : *wxBLACK;
  dc.SetFont(GetFont());
  dc.SetTextForeground(ink);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const int x = rect.x + GetColumnX();
  dc.DrawText(CP932ToWx(GetKeyText(static_cast<int>(n)).str()), rect.x + 2, rect.y);
  dc.SetPen(wxPen(selected ? *wxWHITE : *wxBLACK, 1));
  dc.DrawLine(x, rect.y, x, rect.GetBottom() + 1);
  dc.DrawText(CP932ToWx(GetCommandText(static_cast<int>(n)).str()), x + 10, rect.y);
}

wxCoord CKeyListBox::OnMeasureItem(size_t) const {
  wxClientDC dc(const_cast<CKeyListBox*>(this));
  dc.SetFont(GetFont());
  return dc.GetCharHeight() + 2;
}
