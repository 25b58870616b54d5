#include "control/pages/WrilaPages.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"

namespace {

enum : int {
  IDC_WRAP_NONE = 1025,
  IDC_WRAP_COLUMNS = 1026,
  IDC_WRAP_WINDOW = 1027,
  IDC_MARGIN_NORMAL = 178,
  IDC_MARGIN_QUOTE = 191,
  IDC_TABSPACE = 179,
  IDC_SPIN_NORMAL = 630,
  IDC_SPIN_QUOTE = 631,
  IDC_SPIN_TAB = 632,
  IDC_PREFIX = 156,
  IDC_AUTOINDENT = 1029,
  IDC_HSCROLL = 1006,
  IDC_VSCROLL = 1007,
  IDC_PAGESCROLL = 228,
  IDC_LINENUMBER = 1034,
  IDC_RULER = 1036,
  IDC_LOGICALLINE = 1035,
};

// ScrollBars bits that the page shows.
constexpr long kHorizontal = 1, kVertical = 2, kOnePage = 8;

class MarginPage : public CWrilaPage {
 public:
  MarginPage() : CWrilaPage("基本") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    wxSizer* wrap = AddGroup(page, column, "折り返し");
    AddRadio(page, wrap, IDC_WRAP_NONE, "折り返さない(&N)", true);
    AddRadio(page, wrap, IDC_WRAP_COLUMNS, "指定文字数で折り返し(&Y)", false);
    AddRadio(page, wrap, IDC_WRAP_WINDOW, "ウィンドウの右端で折り返し(&W)", false);
    AddSpinEdit(page, wrap, IDC_MARGIN_NORMAL, "普通行の文字数(&M):", IDC_SPIN_NORMAL, 16, 32767);
    AddSpinEdit(page, wrap, IDC_MARGIN_QUOTE, "引用行の文字数(&Q):", IDC_SPIN_QUOTE, 16, 32767);
    AddSpinEdit(page, column, IDC_TABSPACE, "Tabの桁数(&T):", IDC_SPIN_TAB, 1, 16);
    AddEdit(page, column, IDC_PREFIX, "引用マーク(&U):", 80);
    AddCheck(page, column, IDC_AUTOINDENT, "自動インデント(&I)");
    AddCheck(page, column, IDC_HSCROLL, "水平スクロール バーの表示(&H)");
    AddCheck(page, column, IDC_VSCROLL, "垂直スクロール バーの表示(&V)");
    AddCheck(page, column, IDC_PAGESCROLL, "1頁の垂直スクロールを常に有効(&P)");
    AddCheck(page, column, IDC_LINENUMBER, "行番号を表示(&L)");
    AddCheck(page, column, IDC_RULER, "ルーラを表示(&O)");
    AddCheck(page, column, IDC_LOGICALLINE, "行、桁を論理行で表示(&C)");
    AddButton(page, column, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); });
    return column;
  }

  void Fill(IDispatch* edit) override {
    wxWindow* page = Page();
    long value = 0;
    bool flag = false;
    if (GetLong(edit, DISPID_EDIT_WRAPMODE, &value) && value >= 0 && value <= 2) SetCheck(page, IDC_WRAP_NONE + value, true);
    if (GetLong(edit, DISPID_EDIT_MARGINNORMAL, &value)) SetEditText(page, IDC_MARGIN_NORMAL, Number(value));
    if (GetLong(edit, DISPID_EDIT_MARGINQUOTE, &value)) SetEditText(page, IDC_MARGIN_QUOTE, Number(value));
    if (GetLong(edit, DISPID_EDIT_TABSPACE, &value)) SetEditText(page, IDC_TABSPACE, Number(value));
    CString prefix;
    if (GetText(edit, DISPID_EDIT_PREFIX, &prefix)) SetEditText(page, IDC_PREFIX, prefix);
    if (GetBool(edit, DISPID_EDIT_AUTOINDENT, &flag)) SetCheck(page, IDC_AUTOINDENT, flag);
    if (GetLong(edit, DISPID_EDIT_SCROLLBARS, &value)) {
      SetCheck(page, IDC_HSCROLL, value & kHorizontal);
      SetCheck(page, IDC_VSCROLL, value & kVertical);
      SetCheck(page, IDC_PAGESCROLL, value & kOnePage);
    }
    if (GetBool(edit, DISPID_EDIT_SHOWLINENUMBER, &flag)) SetCheck(page, IDC_LINENUMBER, flag);
    if (GetBool(edit, DISPID_EDIT_SHOWRULER, &flag)) SetCheck(page, IDC_RULER, flag);
    if (GetBool(edit, DISPID_EDIT_SHOWLOGICALLINE, &flag)) SetCheck(page, IDC_LOGICALLINE, flag);
  }

  // The margins go before the tab width, so that the tab clamp sees the new margins.
  HRESULT ApplyTo(IDispatch* edit) override {
    wxWindow* page = Page();
    long wrapMode = -1;
    for (int mode = 0; mode < 3; ++mode)
      if (IsChecked(page, IDC_WRAP_NONE + mode)) wrapMode = mode;
    const long scrollBars = (IsChecked(page, IDC_HSCROLL) ? kHorizontal : 0) |
                            (IsChecked(page, IDC_VSCROLL) ? kVertical : 0) |
                            (IsChecked(page, IDC_PAGESCROLL) ? kOnePage : 0);
    return Puts(edit)
        .Short(DISPID_EDIT_WRAPMODE, wrapMode)
        .Long(DISPID_EDIT_MARGINNORMAL, GetEditNumber(page, IDC_MARGIN_NORMAL, false))
        .Long(DISPID_EDIT_MARGINQUOTE, GetEditNumber(page, IDC_MARGIN_QUOTE, false))
        .Short(DISPID_EDIT_TABSPACE, GetEditNumber(page, IDC_TABSPACE, true))
        .Text(DISPID_EDIT_PREFIX, GetEditText(page, IDC_PREFIX))
        .Short(DISPID_EDIT_SCROLLBARS, scrollBars)
        .Bool(DISPID_EDIT_AUTOINDENT, IsChecked(page, IDC_AUTOINDENT))
        .Bool(DISPID_EDIT_SHOWLINENUMBER, IsChecked(page, IDC_LINENUMBER))
        .Bool(DISPID_EDIT_SHOWLOGICALLINE, IsChecked(page, IDC_LOGICALLINE))
        .Bool(DISPID_EDIT_SHOWRULER, IsChecked(page, IDC_RULER))
        .Result();
  }

  void UpdateEnabling() override {
    const bool columns = IsChecked(Page(), IDC_WRAP_COLUMNS);
    for (int id : {IDC_MARGIN_NORMAL, IDC_SPIN_NORMAL, IDC_MARGIN_QUOTE, IDC_SPIN_QUOTE}) EnableItem(Page(), id, columns);
  }

 private:
  static CString Number(long value) {
    CString text;
    text.Format("%ld", value);
    return text;
  }

  // The settings record's defaults.
  void Reset() {
    wxWindow* page = Page();
    SetCheck(page, IDC_WRAP_NONE, true);
    SetEditText(page, IDC_MARGIN_NORMAL, "80");
    SetEditText(page, IDC_MARGIN_QUOTE, "80");
    SetEditText(page, IDC_TABSPACE, "8");
    SetEditText(page, IDC_PREFIX, ">");
    SetCheck(page, IDC_HSCROLL, true);
    SetCheck(page, IDC_VSCROLL, true);
    for (int id : {IDC_PAGESCROLL, IDC_AUTOINDENT, IDC_LINENUMBER, IDC_RULER, IDC_LOGICALLINE}) SetCheck(page, id, false);
    UpdateEnabling();
    SetDirty();
  }
};

}  // namespace

HRESULT CreateMarginPage(REFIID iid, void** object) { return CreatePage<MarginPage>(iid, object); }
