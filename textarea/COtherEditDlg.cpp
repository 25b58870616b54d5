#include "textarea/COtherEditDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "platform/CodePage.h"

COtherEditDlg::COtherEditDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("外部ソフトで編集中です")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("編集が終了したらOKボタンを押してください。")), 0, wxALL, 12);
  top->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_CENTER | wxBOTTOM, 12);
  SetSizerAndFit(top);
  SetEscapeId(wxID_OK);
}
