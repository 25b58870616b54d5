// The design page: look, editing switches, the pages of the property frame and the names the
// control goes by (caption, frame title, registry key).
#include <wx/sizer.h>

#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"

namespace {

enum : int {
  IDC_APPEARANCE = 219,
  IDC_BORDER = 220,
  IDC_READONLY = 202,
  IDC_OVERWRITE = 203,
  IDC_CONTROLIME = 1092,
  IDC_CTRLCHARS = 221,
  IDC_APPNAME = 205,
  IDC_PROPTITLE = 206,
  IDC_REGKEY = 207,
};

struct PageBox {
  int id;
  long bit;
  const char* label;
};
// In the group's order; the bits are those of PropPages.
constexpr PageBox kPageBoxes[] = {
    {208, 0x1, "基本(&B)"},         {209, 0x2, "ファイル(&F)"}, {210, 0x4, "禁則(&I)"},
    {217, 0x8, "分割禁止単語(&W)"}, {218, 0x10, "強調文字列(&H)"}, {229, 0x200, "コメント(&E)"},
    {213, 0x20, "表示(&S)"},         {214, 0x40, "記号(&M)"},     {215, 0x80, "リンク(&L)"},
    {216, 0x100, "キーボード(&K)"},
};

class DesignPage : public CWrilaPage {
 public:
  DesignPage() : CWrilaPage("デザイン") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    AddCheck(page, column, IDC_APPEARANCE, "3D表示(&3)");
    AddCheck(page, column, IDC_BORDER, "境界表示(&D)");
    AddCheck(page, column, IDC_READONLY, "読み取り専用(&R)");
    AddCheck(page, column, IDC_OVERWRITE, "上書き(&O)");
    AddCheck(page, column, IDC_CONTROLIME, "かな漢字変換を起動(&C)");
    AddCheck(page, column, IDC_CTRLCHARS, "制御文字の入力を許可(&T)");
    wxSizer* pages = AddGroup(page, column, "プロパティで表示するページ");
    auto* grid = new wxGridSizer(2);
    pages->Add(grid);
    for (const PageBox& box : kPageBoxes) AddCheck(page, grid, box.id, box.label);
    AddEdit(page, column, IDC_APPNAME, "アプリケーション名(&N):");
    AddEdit(page, column, IDC_PROPTITLE, "プロパティのタイトル(&P):");
    AddEdit(page, column, IDC_REGKEY, "レジストリ キー(&G):");
    return column;
  }

  void Fill(IDispatch* edit) override {
    wxWindow* page = Page();
    long value = 0;
    bool flag = false;
    CString text;
    if (GetLong(edit, DISPID_APPEARANCE, &value)) SetCheck(page, IDC_APPEARANCE, value == 1);
    if (GetLong(edit, DISPID_BORDERSTYLE, &value)) SetCheck(page, IDC_BORDER, value == 1);
    if (GetBool(edit, DISPID_EDIT_READONLY, &flag)) SetCheck(page, IDC_READONLY, flag);
    if (GetBool(edit, DISPID_EDIT_OVERWRITE, &flag)) SetCheck(page, IDC_OVERWRITE, flag);
    if (GetBool(edit, DISPID_EDIT_CONTROLIME, &flag)) SetCheck(page, IDC_CONTROLIME, flag);
    if (GetBool(edit, DISPID_EDIT_ALLOWCTRLCHARS, &flag)) SetCheck(page, IDC_CTRLCHARS, flag);
    if (GetLong(edit, DISPID_EDIT_PROPPAGES, &value)) {
      for (const PageBox& box : kPageBoxes) SetCheck(page, box.id, (value & box.bit) != 0);
    }
    if (GetText(edit, DISPID_EDIT_APPNAME, &text)) SetEditText(page, IDC_APPNAME, text);
    if (GetText(edit, DISPID_EDIT_PROPTITLE, &text)) SetEditText(page, IDC_PROPTITLE, text);
    if (GetText(edit, DISPID_EDIT_REGKEY, &text)) SetEditText(page, IDC_REGKEY, text);
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    wxWindow* page = Page();
    long pages = 0;
    for (const PageBox& box : kPageBoxes)
      if (IsChecked(page, box.id)) pages |= box.bit;
    return Puts(edit)
        .Short(DISPID_APPEARANCE, IsChecked(page, IDC_APPEARANCE) ? 1 : 0)
        .Long(DISPID_BORDERSTYLE, IsChecked(page, IDC_BORDER) ? 1 : 0)
        .Bool(DISPID_EDIT_READONLY, IsChecked(page, IDC_READONLY))
        .Bool(DISPID_EDIT_OVERWRITE, IsChecked(page, IDC_OVERWRITE))
        .Bool(DISPID_EDIT_CONTROLIME, IsChecked(page, IDC_CONTROLIME))
        .Bool(DISPID_EDIT_ALLOWCTRLCHARS, IsChecked(page, IDC_CTRLCHARS))
        .Long(DISPID_EDIT_PROPPAGES, pages)
        .Text(DISPID_EDIT_APPNAME, GetEditText(page, IDC_APPNAME))
        .Text(DISPID_EDIT_PROPTITLE, GetEditText(page, IDC_PROPTITLE))
        .Text(DISPID_EDIT_REGKEY, GetEditText(page, IDC_REGKEY))
        .Result();
  }
};

}  // namespace

HRESULT CreateDesignPage(REFIID iid, void** object) { return CreatePage<DesignPage>(iid, object); }
