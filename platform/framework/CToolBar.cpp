#include "platform/framework/CToolBar.h"

#include "platform/base/CodePage.h"

CToolBar::~CToolBar() = default;

BOOL CToolBar::CreateEx(wxWindow* parent, UINT nID) {
  return wxAuiToolBar::Create(parent, static_cast<wxWindowID>(nID), wxDefaultPosition, wxDefaultSize,
                              wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER | wxAUI_TB_HORZ_LAYOUT)
             ? TRUE
             : FALSE;
}

void CToolBar::SetSizes(int buttonSize, int imageSize) {
  m_imageSize = imageSize;
  SetToolBitmapSize(wxSize(imageSize, imageSize));
  SetMinSize(wxSize(-1, buttonSize));
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
  m_items.clear();
  for (int i = 0; i < count; ++i) {
    Item item;
    item.id = ids[i];
    item.style = ids[i] == ID_SEPARATOR ? TBBS_SEPARATOR : TBBS_BUTTON;
    m_items.push_back(item);
  }
  return Rebuild();
}

UINT CToolBar::GetItemID(int index) const {
  return index >= 0 && index < GetCount() ? m_items[static_cast<size_t>(index)].id : 0;
}

UINT CToolBar::GetButtonStyle(int index) const {
  return index >= 0 && index < GetCount() ? m_items[static_cast<size_t>(index)].style : 0;
}

void CToolBar::SetButtonInfo(int index, UINT id, UINT style, int width) {
  if (index < 0 || index >= GetCount()) return;
  Item& item = m_items[static_cast<size_t>(index)];
  item.id = id;
  item.style = style;
  item.width = width;
  Rebuild();
}

void CToolBar::SetItemControl(int index, wxControl* control) {
  if (index < 0 || index >= GetCount()) return;
  Item& item = m_items[static_cast<size_t>(index)];
  if (item.style != TBBS_SEPARATOR) return;
  item.control = control;
  if (control && item.width > 0) control->SetSize(wxSize(item.width, -1));
  Rebuild();
}

void CToolBar::GetItemRect(int index, RECT* rect) const {
  if (!rect) return;
  *rect = RECT{0, 0, 0, 0};
  if (index < 0 || index >= static_cast<int>(wxAuiToolBar::GetToolCount())) return;
  const wxAuiToolBarItem* item = FindToolByIndex(index);
  if (!item) return;
  const wxRect r = item->GetSizerItem() ? item->GetSizerItem()->GetRect() : wxRect();
  *rect = RECT{r.x, r.y, r.x + r.width, r.y + r.height};
}

void CToolBar::SetWindowText(const char* text) {
  m_title = text;
  SetName(CP932ToWx(text));
  SetLabel(CP932ToWx(text));
}

BOOL CToolBar::Rebuild() {
  Clear();
  for (const Item& item : m_items) {
    if (item.style == TBBS_SEPARATOR) {
      if (item.control)
        AddControl(item.control);
      else if (item.width > 0)
        AddSpacer(item.width);
      else
        AddSeparator();
      continue;
    }
    const wxBitmap image = m_imageSource ? m_imageSource(item.id, m_imageSize) : wxBitmap();
    if (!image.IsOk()) return FALSE;
    AddTool(static_cast<int>(item.id), wxString(), image);
  }
  Realize();
  return TRUE;
}
