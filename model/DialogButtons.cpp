#include "model/DialogButtons.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "platform/CodePage.h"
#include "platform/MessageBox.h"

wxSizer* MakeOkCancelButtons(wxWindow* parent) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(parent, IDOK, "OK");
  ok->SetDefault();
  row->Add(ok, 0, wxRIGHT, 8);
  row->Add(new wxButton(parent, IDCANCEL, CP932ToWx("キャンセル")));
  return row;
}
