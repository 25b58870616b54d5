// The text page: the control's whole text in a multi-line edit.
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"

namespace {

constexpr int IDC_TEXT = 201;

class TextPage : public CWrilaPage {
 public:
  TextPage() : CWrilaPage("テキスト") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* text = new wxTextCtrl(page, IDC_TEXT, wxEmptyString, wxDefaultPosition, wxSize(360, 240),
                                wxTE_MULTILINE | wxHSCROLL);
    column->Add(text, 1, wxEXPAND | wxALL, 3);
    return column;
  }
  void Fill(IDispatch* edit) override {
    CString text;
    if (GetText(edit, DISPID_TEXT, &text)) SetEditText(Page(), IDC_TEXT, text);
  }
  HRESULT ApplyTo(IDispatch* edit) override { return Puts(edit).Text(DISPID_TEXT, GetEditText(Page(), IDC_TEXT)).Result(); }
};

}  // namespace

HRESULT CreateTextPage(REFIID iid, void** object) { return CreatePage<TextPage>(iid, object); }
