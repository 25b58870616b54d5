#pragma once
// The action list of the spell-check dialog: the arrow keys wrap around its ends.
#include <wx/listbox.h>

class CSpellCheckListBox : public wxListBox {
 public:
  CSpellCheckListBox(wxWindow* parent, wxWindowID id);

  // Up on the first line goes to the last, Down on the last to the first; TRUE when it moved.
  bool WrapAround(int keyCode);

 private:
  void OnKeyDown(wxKeyEvent& event);
};
