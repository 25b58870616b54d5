// The kinsoku page: word wrap, line-breaking rules and their two character sets.
#include <wx/button.h>
#include <wx/sizer.h>

#include "control/CCustomizeInfo.h"
#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"

namespace {

enum : int { IDC_WORDWRAP = 356, IDC_KINSOKUWRAP = 357, IDC_KINSOKU_BEGIN = 358, IDC_KINSOKU_END = 359 };

class KinsokuPage : public CWrilaPage {
 public:
  KinsokuPage() : CWrilaPage("禁則文字") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    AddCheck(page, column, IDC_WORDWRAP, "英文ワード ラップを行う(&O)");
    AddCheck(page, column, IDC_KINSOKUWRAP, "禁則処理を行う(&W)");
    AddEdit(page, column, IDC_KINSOKU_BEGIN, "行頭禁則文字(&B):");
    AddEdit(page, column, IDC_KINSOKU_END, "行末禁則文字(&N):");
    AddButton(page, column, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); });
    return column;
  }

  void Fill(IDispatch* edit) override {
    bool flag = false;
    CString text;
    if (GetBool(edit, DISPID_EDIT_WORDWRAP, &flag)) SetCheck(Page(), IDC_WORDWRAP, flag);
    if (GetBool(edit, DISPID_EDIT_KINSOKUWRAP, &flag)) SetCheck(Page(), IDC_KINSOKUWRAP, flag);
    if (GetText(edit, DISPID_EDIT_KINSOKUBEGIN, &text)) SetEditText(Page(), IDC_KINSOKU_BEGIN, text);
    if (GetText(edit, DISPID_EDIT_KINSOKUEND, &text)) SetEditText(Page(), IDC_KINSOKU_END, text);
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    return Puts(edit)
        .Bool(DISPID_EDIT_WORDWRAP, IsChecked(Page(), IDC_WORDWRAP))
        .Bool(DISPID_EDIT_KINSOKUWRAP, IsChecked(Page(), IDC_KINSOKUWRAP))
        .Text(DISPID_EDIT_KINSOKUBEGIN, GetEditText(Page(), IDC_KINSOKU_BEGIN))
        .Text(DISPID_EDIT_KINSOKUEND, GetEditText(Page(), IDC_KINSOKU_END))
        .Result();
  }

  // The two sets may be edited only while the rules are on.
  void UpdateEnabling() override {
    const bool rules = IsChecked(Page(), IDC_KINSOKUWRAP);
    EnableItem(Page(), IDC_KINSOKU_BEGIN, rules);
    EnableItem(Page(), IDC_KINSOKU_END, rules);
  }

 private:
  void Reset() {
    CCustomizeInfo defaults;
    defaults.Reset();
    SetCheck(Page(), IDC_WORDWRAP, defaults.WordWrap != 0);
    SetCheck(Page(), IDC_KINSOKUWRAP, defaults.KinsokuWrap != 0);
    SetEditText(Page(), IDC_KINSOKU_BEGIN, CString(defaults.KinsokuBegin));
    SetEditText(Page(), IDC_KINSOKU_END, CString(defaults.KinsokuEnd));
    UpdateEnabling();
    SetDirty();
  }
};

}  // namespace

HRESULT CreateKinsokuPage(REFIID iid, void** object) { return CreatePage<KinsokuPage>(iid, object); }
