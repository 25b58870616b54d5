// The display page: the colours of the fifteen colour roles, the quote marks, the row spacing and
// the display font, with a sample of the chosen role.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/colordlg.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <cmath>

#include "control/CCustomizeInfo.h"
#include "control/ColorTable.h"
#include "control/LogFont.h"
#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/FontChooser.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "platform/com/SafeArray.h"

namespace {

enum : int {
  IDC_ROLES = 119,
  IDC_TEXT_COLOR = 201,
  IDC_BACK_COLOR = 477,
  IDC_UNDERLINE = 1001,
  IDC_SAMPLE = 542,
  IDC_PREFIXLIST = 520,
  IDC_LINESPACE = 533,
  IDC_SPIN_LINESPACE = 534,
  IDC_FONT = 1007,
};

constexpr const char* kRoleNames[ROLE_COUNT] = {
    "通常", "選択状態", "カーソルのある行", "引用マークで始まる行", "検索した文字列", "URL", "メール アドレス", "タグ",
    "強調単語(1)", "強調単語(2)", "強調単語(3)", "強調単語(4)", "強調単語(5)", "改行, TAB, EOF", "表示領域の外側"};

constexpr int kShiftJisCharset = 128;

// The custom colours of the colour dialog, shared by every page of the library.
wxColourData& SharedColours() {
  static wxColourData data;
  return data;
}

int ScreenPpi() {
  const int ppi = wxScreenDC().GetPPI().y;
  return ppi > 0 ? ppi : 96;
}

// The elements from the array's lower bound up to index 14.
template <typename T>
void ReadArray(const VARIANT& value, T (&into)[ROLE_COUNT]) {
  if (!(value.vt & VT_ARRAY) || !value.parray) return;
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(value.parray, 1, &lower);
  SafeArrayGetUBound(value.parray, 1, &upper);
  for (LONG i = lower; i <= upper && i < ROLE_COUNT; ++i) {
    if (i < 0) continue;
    if ((value.vt & VT_TYPEMASK) == VT_BOOL) {
      VARIANT_BOOL flag = 0;
      SafeArrayGetElement(value.parray, &i, &flag);
      into[i] = static_cast<T>(flag != 0);
    } else {
      std::int32_t colour = 0;
      SafeArrayGetElement(value.parray, &i, &colour);
      into[i] = static_cast<T>(colour);
    }
  }
}

CComVariant MakeArray(const std::uint32_t (&colours)[ROLE_COUNT]) {
  CComVariant value;
  value.vt = VT_ARRAY | VT_I4;
  value.parray = SafeArrayCreateVector(VT_I4, 0, ROLE_COUNT);
  for (LONG i = 0; i < ROLE_COUNT; ++i) {
    const std::int32_t colour = static_cast<std::int32_t>(colours[i]);
    SafeArrayPutElement(value.parray, &i, &colour);
  }
  return value;
}

CComVariant MakeArray(const bool (&flags)[ROLE_COUNT]) {
  CComVariant value;
  value.vt = VT_ARRAY | VT_BOOL;
  value.parray = SafeArrayCreateVector(VT_BOOL, 0, ROLE_COUNT);
  for (LONG i = 0; i < ROLE_COUNT; ++i) {
    const VARIANT_BOOL flag = flags[i] ? VARIANT_TRUE : VARIANT_FALSE;
    SafeArrayPutElement(value.parray, &i, &flag);
  }
  return value;
}

class ShowPage : public CWrilaPage {
 public:
  ShowPage() : CWrilaPage("表示") {
    for (int i = 0; i < ROLE_COUNT; ++i) m_back[i] = 0xFFFFFF;
  }

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(new wxStaticText(page, wxID_ANY, CP932ToWx("項目(&I):")), 0, wxLEFT | wxTOP, 3);
    m_roles = new wxListBox(page, IDC_ROLES, wxDefaultPosition, wxSize(200, 200));
    for (const char* name : kRoleNames) m_roles->Append(CP932ToWx(name));
    left->Add(m_roles, 1, wxEXPAND | wxALL, 3);
    top->Add(left, 1, wxEXPAND);
    auto* right = new wxBoxSizer(wxVERTICAL);
    AddButton(page, right, IDC_TEXT_COLOR, "文字色(&T)...")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
      ChooseColour(m_text);
    });
    AddButton(page, right, IDC_BACK_COLOR, "背景色(&B)...")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
      ChooseColour(m_back);
    });
    AddCheck(page, right, IDC_UNDERLINE, "下線(&U)")->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
      event.Skip();
      m_underline[Role()] = event.IsChecked();
      m_sample->Refresh();
    });
    top->Add(right, 0, wxEXPAND);
    column->Add(top, 1, wxEXPAND);
    m_sample = new wxPanel(page, IDC_SAMPLE, wxDefaultPosition, wxSize(300, 48), wxBORDER_SUNKEN);
    m_sample->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { PaintSample(); });
    column->Add(m_sample, 0, wxEXPAND | wxALL, 3);
    AddEdit(page, column, IDC_PREFIXLIST, "引用マーク(&M):");
    AddSpinEdit(page, column, IDC_LINESPACE, "行間隔(&L):", IDC_SPIN_LINESPACE, 0, 30);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    AddButton(page, buttons, IDC_FONT, "フォント(&F)...")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseFont(); });
    AddButton(page, buttons, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); });
    column->Add(buttons);
    m_roles->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ShowRole(); });
    m_roles->SetSelection(0);
    return column;
  }

  void Fill(IDispatch* edit) override {
    long value = 0;
    CString text;
    if (GetLong(edit, DISPID_EDIT_LINESPACE, &value)) SetEditText(Page(), IDC_LINESPACE, Number(value));
    if (GetText(edit, DISPID_EDIT_PREFIXLIST, &text)) SetEditText(Page(), IDC_PREFIXLIST, text);
    if (GetLong(edit, DISPID_EDIT_FONTCHARSET, &value)) m_charset = static_cast<int>(value);
    if (GetText(edit, DISPID_EDIT_FONTNAME, &text)) m_face = text;
    CComVariant size;
    if (GetValue(edit, DISPID_EDIT_FONTSIZE, &size) && size.vt == VT_CY) {
      m_height = FontHeightFromSize(size.cyVal.int64, ScreenPpi());
    }
    CComVariant colours;
    if (GetValue(edit, DISPID_EDIT_TEXTCOLORS, &colours)) ReadArray(colours, m_text);
    if (GetValue(edit, DISPID_EDIT_BACKCOLORS, &colours)) ReadArray(colours, m_back);
    if (GetValue(edit, DISPID_EDIT_UNDERLINES, &colours)) ReadArray(colours, m_underline);
    ShowRole();
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    CComVariant size;
    size.vt = VT_CY;
    size.cyVal.int64 = FontSizeFromHeight(m_height, ScreenPpi());
    return Puts(edit)
        .Short(DISPID_EDIT_LINESPACE, GetEditNumber(Page(), IDC_LINESPACE, true))
        .Text(DISPID_EDIT_PREFIXLIST, GetEditText(Page(), IDC_PREFIXLIST))
        .Short(DISPID_EDIT_FONTCHARSET, m_charset)
        .Text(DISPID_EDIT_FONTNAME, m_face)
        .Value(DISPID_EDIT_FONTSIZE, size)
        .Value(DISPID_EDIT_TEXTCOLORS, MakeArray(m_text))
        .Value(DISPID_EDIT_BACKCOLORS, MakeArray(m_back))
        .Value(DISPID_EDIT_UNDERLINES, MakeArray(m_underline))
        .Result();
  }

 private:
  static CString Number(long value) {
    CString text;
    text.Format("%ld", value);
    return text;
  }
  static bool GetValue(IDispatch* edit, DISPID id, CComVariant* value) {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return SUCCEEDED(edit->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, value, nullptr, nullptr));
  }

  int Role() const { return std::max(0, m_roles->GetSelection()); }

  void ShowRole() {
    SetCheck(Page(), IDC_UNDERLINE, m_underline[Role()]);
    m_sample->Refresh();
  }

  void ChooseColour(std::uint32_t (&table)[ROLE_COUNT]) {
    wxColourData& data = SharedColours();
    data.SetColour(ColorRefToWx(table[Role()]));
    wxColourDialog dialog(Page(), &data);
    if (dialog.ShowModal() != wxID_OK) return;
    data = dialog.GetColourData();
    const wxColour chosen = data.GetColour();
    table[Role()] = RGB(chosen.Red(), chosen.Green(), chosen.Blue());
    m_sample->Refresh();
    SetDirty();
  }

  void ChooseFont() {
    double points = std::abs(m_height) * 72.0 / ScreenPpi();
    CString face = m_face;
    if (!ChooseFixedFont(Page(), &face, &points)) return;
    m_face = face;
    m_height = -static_cast<std::int32_t>(points * ScreenPpi() / 72 + 0.5);
    m_sample->Refresh();
    SetDirty();
  }

  void PaintSample() {
    wxPaintDC dc(m_sample);
    const int role = Role();
    dc.SetBackground(wxBrush(ColorRefToWx(m_back[role])));
    dc.Clear();
    const double points = std::abs(m_height) * 72.0 / ScreenPpi();
    wxFont font(wxFontInfo(points).FaceName(CP932ToWx(m_face.GetString())).Underlined(m_underline[role]));
    dc.SetFont(font);
    dc.SetTextForeground(ColorRefToWx(m_text[role]));
    dc.DrawText(CP932ToWx(m_charset == kShiftJisCharset ? "Aaあぁアァ亜宇" : "AaBbYyZz"), 4, 4);
  }

  // A fresh settings record and colour table; the font stays the page's.
  void Reset() {
    CColorTable colours;
    colours.Reset();
    for (int i = 0; i < ROLE_COUNT; ++i) {
      m_text[i] = colours.Text[i];
      m_back[i] = colours.Back[i];
      m_underline[i] = colours.Underline[i] != 0;
    }
    CCustomizeInfo defaults;
    defaults.Reset();
    SetEditText(Page(), IDC_PREFIXLIST, CString(defaults.PrefixList));
    SetEditText(Page(), IDC_LINESPACE, Number(defaults.LineSpace));
    ShowRole();
    SetDirty();
  }

  wxListBox* m_roles = nullptr;
  wxPanel* m_sample = nullptr;
  std::uint32_t m_text[ROLE_COUNT] = {};
  std::uint32_t m_back[ROLE_COUNT];
  bool m_underline[ROLE_COUNT] = {};
  CString m_face;
  std::int32_t m_height = -16;
  int m_charset = kShiftJisCharset;
};

}  // namespace

HRESULT CreateShowPage(REFIID iid, void** object) { return CreatePage<ShowPage>(iid, object); }
