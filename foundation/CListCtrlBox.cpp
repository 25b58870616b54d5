#include "foundation/CListCtrlBox.h"

#include "platform/base/CodePage.h"

CListCtrlBox::CListCtrlBox() = default;

CListCtrlBox::~CListCtrlBox() = default;

bool CListCtrlBox::Create(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, DWORD style) {
  long wxStyle = wxLC_REPORT | wxLC_HRULES | wxLC_VRULES;
  if (!(style & LISTBOX_MULTISEL)) wxStyle |= wxLC_SINGLE_SEL;
  if (!wxListCtrl::Create(parent, id, pos, size, wxStyle)) return false;
  // Clicks land on the list's item area, a child window of its own (known to wx by a type it
  // does not publish, so it is found by address among the children).
  for (wxWindow* child : GetChildren()) {
    if (static_cast<const void*>(child) == static_cast<const void*>(m_mainWin)) m_itemArea = child;
  }
  if (m_itemArea) m_itemArea->Bind(wxEVT_RIGHT_DOWN, &CListCtrlBox::OnItemAreaRightDown, this);
  return true;
}

int CListCtrlBox::AddColumn(const char* heading, int width) {
  return static_cast<int>(AppendColumn(CP932ToWx(heading), wxLIST_FORMAT_LEFT, width));
}

int CListCtrlBox::AddItem(int subItem, const char* text, long data) {
  const int count = GetItemCount();
  if (subItem == 0) {
    const long row = InsertItem(count, CP932ToWx(text));
    if (row >= 0 && data != -1) SetItemData(row, data);
    return static_cast<int>(row);
  }
  if (count == 0) return -1;
  return SetItem(count - 1, subItem, CP932ToWx(text)) ? count - 1 : -1;
}

void CListCtrlBox::AutoSizeColumns(BOOL useHeader) {
  for (int column = 0; column < GetColumnCount(); ++column)
    SetColumnWidth(column, useHeader ? wxLIST_AUTOSIZE_USEHEADER : wxLIST_AUTOSIZE);
}

int CListCtrlBox::GetSelectedIndex() const {
  return static_cast<int>(GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

int CListCtrlBox::SelectItem(int row) {
  SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  return 0;
}

void CListCtrlBox::OnItemAreaRightDown(wxMouseEvent& event) {
  if (m_inRightDown) {
    event.Skip();  // on to the list's own handling
    return;
  }
  // The list's own handling (selection, its notifications) first, then the parent's.
  m_inRightDown = true;
  wxMouseEvent own(event);
  m_itemArea->GetEventHandler()->ProcessEvent(own);
  m_inRightDown = false;

  if (wxWindow* parent = GetParent()) {
    wxMouseEvent passed(event);
    passed.SetPosition(event.GetPosition() + m_itemArea->GetPosition());
    passed.SetEventObject(this);
    passed.SetId(GetId());
    parent->GetEventHandler()->ProcessEvent(passed);
  }
}
