#pragma once
// An edit field that opens the input method when it gets the focus and closes it when it loses
// it, so typing starts in Japanese at once; only while the application's View "Ime" option is on.
#include <wx/textctrl.h>

class CKestaEdit : public wxTextCtrl {
 public:
  CKestaEdit();
  CKestaEdit(wxWindow* parent, int id, const wxString& value = wxEmptyString, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize, long style = 0);
  ~CKestaEdit() override;

  bool Create(wxWindow* parent, int id, const wxString& value = wxEmptyString, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = 0);

 private:
  static bool Switching();
  void OnSetFocus(wxFocusEvent& event);
  void OnKillFocus(wxFocusEvent& event);
};
