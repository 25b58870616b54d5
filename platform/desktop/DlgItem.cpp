#include "platform/desktop/DlgItem.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/window.h>

wxTextCtrl* DlgEdit(wxWindow* dialog, int id) { return static_cast<wxTextCtrl*>(dialog->FindWindow(id)); }
wxCheckBox* DlgCheck(wxWindow* dialog, int id) { return static_cast<wxCheckBox*>(dialog->FindWindow(id)); }
wxChoice* DlgChoice(wxWindow* dialog, int id) { return static_cast<wxChoice*>(dialog->FindWindow(id)); }

void ReplaceDlgItem(wxWindow* item, wxWindow* replacement) {
  if (wxSizer* sizer = item->GetContainingSizer()) sizer->Replace(item, replacement, true);
  replacement->MoveAfterInTabOrder(item);
  item->Destroy();
}
