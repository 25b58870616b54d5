#include "textarea/CSpellCheckListBox.h"

CSpellCheckListBox::CSpellCheckListBox(wxWindow* parent, wxWindowID id)
    : wxListBox(parent, id, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE) {
  Bind(wxEVT_KEY_DOWN, &CSpellCheckListBox::OnKeyDown, this);
}

bool CSpellCheckListBox::WrapAround(int keyCode) {
  const int count = static_cast<int>(GetCount());
  if (count == 0) return false;
  const int selection = GetSelection();
  if (keyCode == WXK_UP && selection == 0) {
    SetSelection(count - 1);
    return true;
  }
  if (keyCode == WXK_DOWN && selection == count - 1) {
    SetSelection(0);
    return true;
  }
  return false;
}

void CSpellCheckListBox::OnKeyDown(wxKeyEvent& event) {
  if (!WrapAround(event.GetKeyCode())) event.Skip();
}
