#include "platform/framework/CTabCtrl.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <algorithm>

#include "platform/base/CodePage.h"
#include "platform/framework/CaptionButtons.h"

CTabCtrl::~CTabCtrl() = default;

BOOL CTabCtrl::Create(DWORD style, wxWindow* parent, UINT nID) {
  m_style = style;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!wxWindow::Create(parent, static_cast<wxWindowID>(nID), wxDefaultPosition, wxDefaultSize,
                        wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE))
    return FALSE;
  Bind(wxEVT_PAINT, &CTabCtrl::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CTabCtrl::OnLeftDown, this);
  return TRUE;
}

void CTabCtrl::ModifyStyle(DWORD remove, DWORD add) {
  m_style = (m_style & ~remove) | add;
  Refresh();
}

int CTabCtrl::InsertItem(int index, const char* text, int image, LPARAM data) {
  if (index < 0) return -1;
  if (index > GetItemCount()) index = GetItemCount();
  m_items.insert(m_items.begin() + index, Item{text ? text : "", image, data});
  if (m_selected >= index) ++m_selected;
  Refresh();
  return index;
}

BOOL CTabCtrl::DeleteItem(int index) {
  if (index < 0 || index >= GetItemCount()) return FALSE;
  m_items.erase(m_items.begin() + index);
  if (m_selected == index)
    m_selected = -1;
  else if (m_selected > index)
    --m_selected;
  Refresh();
  return TRUE;
}

void CTabCtrl::DeleteAllItems() {
  m_items.clear();
  m_selected = -1;
  Refresh();
}

CString CTabCtrl::GetItemText(int index) const {
  return index >= 0 && index < GetItemCount() ? m_items[static_cast<size_t>(index)].text : CString();
}

void CTabCtrl::SetItemText(int index, const char* text) {
  if (index < 0 || index >= GetItemCount()) return;
  m_items[static_cast<size_t>(index)].text = text ? text : "";
  Refresh();
}

LPARAM CTabCtrl::GetItemData(int index) const {
  return index >= 0 && index < GetItemCount() ? m_items[static_cast<size_t>(index)].data : 0;
}

int CTabCtrl::GetItemImage(int index) const {
  return index >= 0 && index < GetItemCount() ? m_items[static_cast<size_t>(index)].image : -1;
}

void CTabCtrl::SetItemImage(int index, int image) {
  if (index < 0 || index >= GetItemCount()) return;
  m_items[static_cast<size_t>(index)].image = image;
  Refresh();
}

int CTabCtrl::SetCurSel(int index) {
  const int old = m_selected;
  m_selected = index >= 0 && index < GetItemCount() ? index : -1;
  if (old != m_selected) Refresh();
  return old;
}

std::vector<wxRect> CTabCtrl::Layout() const {
  std::vector<wxRect> rects;
  const int height = GetClientSize().y;
  const bool bottom = (m_style & TCS_BOTTOM) != 0;
  const int tabHeight = std::max(0, height - 4);
  int x = 2;
  for (const Item& item : m_items) {
    int width = GetTextExtent(CP932ToWx(item.text.str())).x + 12;
    if (m_images && item.image >= 0) width += 20;
    if (m_closeBoxes) width += CloseBoxSide() + 4;
    rects.emplace_back(x, bottom ? 2 : height - 2 - tabHeight, width, tabHeight);
    x += width + ((m_style & TCS_BUTTONS) ? 3 : 0);
  }
  return rects;
}

BOOL CTabCtrl::GetItemRect(int index, RECT* rect) const {
  if (!rect || index < 0 || index >= GetItemCount()) return FALSE;
  const wxRect r = Layout()[static_cast<size_t>(index)];
  *rect = RECT{r.x, r.y, r.GetRight() + 1, r.GetBottom() + 1};
  return TRUE;
}

void CTabCtrl::SetCloseBoxes(bool closeBoxes) {
  m_closeBoxes = closeBoxes;
  Refresh();
}

wxRect CTabCtrl::CloseBoxOf(const wxRect& tab) const { return CaptionButtonRect(tab, CloseBoxSide(), 0); }

int CTabCtrl::HitTestCloseBox(const wxPoint& point) const {
  if (!m_closeBoxes) return -1;
  const std::vector<wxRect> rects = Layout();
  for (size_t i = 0; i < rects.size(); ++i)
    if (CloseBoxOf(rects[i]).Contains(point)) return static_cast<int>(i);
  return -1;
}

int CTabCtrl::HitTest(const wxPoint& point) const {
  const std::vector<wxRect> rects = Layout();
  for (size_t i = 0; i < rects.size(); ++i)
    if (rects[i].Contains(point)) return static_cast<int>(i);
  return -1;
}

void CTabCtrl::DrawTabs(wxDC& dc) const {
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_3DFACE);
  const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW);
  const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT);
  const wxColour selectedFace = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
  const bool bottom = (m_style & TCS_BOTTOM) != 0;
  const bool buttons = (m_style & TCS_BUTTONS) != 0;
  const std::vector<wxRect> rects = Layout();
  dc.SetFont(GetFont());
  for (size_t i = 0; i < rects.size(); ++i) {
    wxRect r = rects[i];
    const bool selected = static_cast<int>(i) == m_selected;
    if (selected && !buttons) r.Inflate(0, 2);
    dc.SetPen(wxPen(shadow));
    dc.SetBrush(wxBrush(selected ? (buttons ? shadow.ChangeLightness(150) : selectedFace) : face));
    if (buttons)
      dc.DrawRectangle(r);
    else
      dc.DrawRoundedRectangle(r, 3);
    if (!buttons) {
      // The selected tab opens into the area it belongs to.
      dc.SetPen(wxPen(selected ? selectedFace : shadow));
      const int edge = bottom ? r.GetTop() : r.GetBottom();
      dc.DrawLine(r.GetLeft() + 1, edge, r.GetRight(), edge);
    } else if (!selected) {
      dc.SetPen(wxPen(highlight));
      dc.DrawLine(r.GetLeft() + 1, r.GetTop() + 1, r.GetRight(), r.GetTop() + 1);
    }
    int x = r.x + 6;
    const Item& item = m_items[i];
    if (m_images && item.image >= 0 && item.image < m_images->GetImageCount()) {
      m_images->Draw(item.image, dc, x, r.y + (r.height - 16) / 2, wxIMAGELIST_DRAW_TRANSPARENT);
      x += 20;
    }
    const wxString text = CP932ToWx(item.text.str());
    const wxColour textColour = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
    dc.SetTextForeground(textColour);
    dc.DrawText(text, x, r.y + (r.height - dc.GetCharHeight()) / 2);
    if (m_closeBoxes) DrawCaptionButton(dc, CloseBoxOf(rects[i]), CaptionButton::Close, textColour);
  }
}

void CTabCtrl::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_3DFACE)));
  dc.Clear();
  DrawTabs(dc);
}

void CTabCtrl::OnLeftDown(wxMouseEvent& event) {
  if (const int box = HitTestCloseBox(event.GetPosition()); box >= 0) {
    OnCloseBox(box);
    return;
  }
  const int hit = HitTest(event.GetPosition());
  if (hit >= 0 && hit != m_selected) {
    SetCurSel(hit);
    OnSelChange();
  }
  event.Skip();
}
