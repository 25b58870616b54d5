#include "platform/desktop/DialogButtons.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "platform/base/CodePage.h"

wxSizer* CreateOkCancelButtons(wxWindow* dialog, int okId, int cancelId, const char* cancelLabel) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(dialog, okId, "OK");
  ok->SetDefault();
  row->AddStretchSpacer();
  row->Add(ok, 0, wxRIGHT, 8);
  row->Add(new wxButton(dialog, cancelId, CP932ToWx(cancelLabel ? cancelLabel : "ｷｬﾝｾﾙ")));
  return row;
}
