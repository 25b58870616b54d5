#include "platform/DialogButtons.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "platform/CodePage.h"

wxSizer* CreateOkCancelButtons(wxWindow* dialog) {
  auto* buttons = new wxStdDialogButtonSizer();
  buttons->AddButton(new wxButton(dialog, wxID_OK, "OK"));
  buttons->AddButton(new wxButton(dialog, wxID_CANCEL, CP932ToWx("キャンセル")));
  buttons->Realize();
  return buttons;
}
