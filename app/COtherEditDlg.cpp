#include "app/COtherEditDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "platform/base/CodePage.h"

COtherEditDlg::COtherEditDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("外部ソフトで編集中です")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("編集が終了したらOKボタンを押してください。")), 0, wxALL, 12);
  auto* ok = new wxButton(this, wxID_OK, "OK");
  ok->SetDefault();
  top->Add(ok, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  // Only OK ends the wait: Esc and the close box would end it before the editing is done.
  SetEscapeId(wxID_OK);
  SetSizerAndFit(top);
  CentreOnParent();
}
