#include "platform/framework/CStatusBar.h"

#include <wx/frame.h>
#include <wx/utils.h>

#include "platform/base/CodePage.h"

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(wxFrame* parent, UINT nID) {
  if (!parent || !wxStatusBar::Create(parent, static_cast<wxWindowID>(nID), wxSTB_DEFAULT_STYLE)) return FALSE;
  parent->SetStatusBar(this);
  Bind(wxEVT_UPDATE_UI, &CStatusBar::OnUpdateUI, this);
  return TRUE;
}

const char* CStatusBar::IndicatorText(UINT id) {
  switch (id) {
    case ID_INDICATOR_KANA: return "カナ";
    case ID_INDICATOR_CAPS: return "CAPS";
    case ID_INDICATOR_NUM: return "NUM";
    case ID_INDICATOR_SCRL: return "SCRL";
    default: return nullptr;
  }
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  if (count <= 0 || !ids) return FALSE;
  m_panes.clear();
  for (int i = 0; i < count; ++i) {
    Pane pane;
    pane.id = ids[i];
    if (const char* text = IndicatorText(ids[i])) pane.width = GetTextExtent(text);
    if (i == 0) pane.style = SBPS_STRETCH | SBPS_NOBORDERS;
    m_panes.push_back(pane);
  }
  SetFieldsCount(count);
  ApplyWidths();
  UpdateIndicators();
  return TRUE;
}

UINT CStatusBar::GetItemID(int index) const {
  return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].id : 0;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
  if (index < 0 || index >= GetCount()) return;
  Pane& pane = m_panes[static_cast<size_t>(index)];
  pane.id = id;
  pane.style = style;
  pane.width = width;
  ApplyWidths();
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
  if (index < 0 || index >= GetCount()) return;
  const Pane& pane = m_panes[static_cast<size_t>(index)];
  id = pane.id;
  style = pane.style;
  width = pane.width;
}

BOOL CStatusBar::SetPaneText(int index, const char* text, BOOL) {
  if (index < 0 || index >= GetCount()) return FALSE;
  Pane& pane = m_panes[static_cast<size_t>(index)];
  const CString value = text ? text : "";
  if (pane.text == value) return TRUE;
  pane.text = value;
  SetStatusText(CP932ToWx(value.str()), index);
  return TRUE;
}

CString CStatusBar::GetPaneText(int index) const {
  return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].text : CString();
}

int CStatusBar::GetTextExtent(const char* text) const {
  return wxStatusBar::GetTextExtent(CP932ToWx(text)).x;
}

void CStatusBar::ApplyWidths() {
  std::vector<int> widths;
  std::vector<int> styles;
  for (const Pane& pane : m_panes) {
    // Borders of a pane come on top of its text width.
    widths.push_back(pane.style & SBPS_STRETCH ? -1 : pane.width + 8);
    styles.push_back(pane.style & SBPS_NOBORDERS ? wxSB_FLAT : wxSB_SUNKEN);
  }
  SetStatusWidths(static_cast<int>(widths.size()), widths.data());
  SetStatusStyles(static_cast<int>(styles.size()), styles.data());
}

void CStatusBar::ClearTexts() {
  for (int i = 0; i < GetCount(); ++i)
    if (!IndicatorText(m_panes[static_cast<size_t>(i)].id)) SetPaneText(i, "");
}

void CStatusBar::UpdateIndicators() {
  for (int i = 0; i < GetCount(); ++i) {
    const UINT id = m_panes[static_cast<size_t>(i)].id;
    const char* text = IndicatorText(id);
    if (!text) continue;
    bool on = false;
    // No input method here offers a kana lock; that indicator stays blank.
    if (id == ID_INDICATOR_CAPS) on = wxGetKeyState(WXK_CAPITAL);
    if (id == ID_INDICATOR_NUM) on = wxGetKeyState(WXK_NUMLOCK);
    if (id == ID_INDICATOR_SCRL) on = wxGetKeyState(WXK_SCROLL);
    SetPaneText(i, on ? text : "");
  }
}

void CStatusBar::OnUpdateUI(wxUpdateUIEvent& event) {
  if (event.GetId() == GetId()) UpdateIndicators();
  event.Skip();
}
