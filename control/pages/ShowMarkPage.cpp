// The mark page: which of the line-end, end-of-file, tab and wide-space marks the control draws.
#include <wx/button.h>
#include <wx/sizer.h>

#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"

namespace {

struct MarkBox {
  int id;
  DISPID property;
  const char* label;
  bool byDefault;
};
constexpr MarkBox kMarks[] = {
    {564, DISPID_EDIT_SHOWCR, "改行表示(&S)", true},
    {565, DISPID_EDIT_SHOWEOF, "EOF表示(&E)", true},
    {566, DISPID_EDIT_SHOWTAB, "Tab表示(&T)", false},
    {1096, DISPID_EDIT_SHOWDBSPACE, "全角空白表示(&D)", false},
    {1056, DISPID_EDIT_CRLFSEPARATEMARK, "CRとLFを区別して表示(&C)", false},
};

class ShowMarkPage : public CWrilaPage {
 public:
  ShowMarkPage() : CWrilaPage("記号") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    for (const MarkBox& box : kMarks) AddCheck(page, column, box.id, box.label);
    AddButton(page, column, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
      for (const MarkBox& box : kMarks) SetCheck(Page(), box.id, box.byDefault);
      SetDirty();
    });
    return column;
  }

  void Fill(IDispatch* edit) override {
    for (const MarkBox& box : kMarks) {
      bool flag = false;
      if (GetBool(edit, box.property, &flag)) SetCheck(Page(), box.id, flag);
    }
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    Puts puts(edit);
    for (const MarkBox& box : kMarks) puts.Bool(box.property, IsChecked(Page(), box.id));
    return puts.Result();
  }
};

}  // namespace

HRESULT CreateShowMarkPage(REFIID iid, void** object) { return CreatePage<ShowMarkPage>(iid, object); }
