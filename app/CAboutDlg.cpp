#include "app/CAboutDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/WebPages.h"
#include "foundation/CStaticLink.h"
#include "platform/base/CodePage.h"

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, IDD, CP932ToWx("バージョン情報"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto* name = new wxStaticText(this, wxID_ANY, CP932ToWx("ケスタボン (kesta32)  Version 1.0"));
  name->SetFont(name->GetFont().Bold());
  column->Add(name, 0, wxALL, 12);
  column->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("アウトラインエディタ")), 0, wxLEFT | wxRIGHT, 12);
  auto* link = new CStaticLink(kHomePageUrl);
  link->Create(this, IDC_HOMEPAGE, wxString::FromUTF8(kHomePageUrl));
  column->Add(link, 0, wxALL, 12);
  column->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_RIGHT | wxALL, 12);
  SetSizerAndFit(column);
  CentreOnParent();
}
