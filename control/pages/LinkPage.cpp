// The link page: what a click on a URL or mail address does, and which characters a URL may hold.
#include <wx/button.h>
#include <wx/sizer.h>

#include <algorithm>
#include <cstring>

#include "control/CCustomizeInfo.h"
#include "control/EditMessages.h"
#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/base/CodePage.h"
#include "platform/com/ControlSite.h"

namespace {

constexpr int IDC_URLCHARS = 670;

struct LinkBox {
  int id;
  DISPID property;
  const char* label;
  bool byDefault;
};
constexpr LinkBox kLinks[] = {
    {344, DISPID_EDIT_LINKURL, "URLをクリックするとそのURLを表示(&U)", true},
    {346, DISPID_EDIT_LINKMAILTO, "メール アドレスをクリックするとメール送信(&M)", true},
    {361, DISPID_EDIT_LINKDOUBLECLICK, "ダブル クリックのみ有効(&D)", false},
    {222, DISPID_EDIT_SELLINKCONTEXTMENU, "リンク上でコンテキスト メニューを表示時に、リンクを選択する(&S)", false},
    {675, DISPID_EDIT_DBCHARURL, "全角文字をURLとして認識する(&B)", false},
    {676, DISPID_EDIT_KANAURL, "半角カナとカナ記号をURLとして認識する(&H)", false},
};

// The URL character set lives in the control's window only; a control without one has none to show.
WrilaEdit* ControlOf(IDispatch* edit) {
  IInPlaceControl* inPlace = nullptr;
  if (FAILED(edit->QueryInterface(IID_IInPlaceControl, reinterpret_cast<void**>(&inPlace)))) return nullptr;
  wxWindow* window = nullptr;
  inPlace->GetControlWindow(&window);
  inPlace->Release();
  auto* control = dynamic_cast<WrilaEditWindow*>(window);
  return control ? control->Owner() : nullptr;
}

// Every admitted character, in code order.
CString SetToText(const std::uint8_t (&set)[128]) {
  CString text;
  for (int ch = 1; ch < 128; ++ch)
    if (set[ch]) text += static_cast<char>(ch);
  return text;
}

// Single-byte characters of the text are admitted; a double-byte character is skipped whole.
void TextToSet(const CString& text, std::uint8_t (&set)[128]) {
  std::memset(set, 0, sizeof set);
  const int length = std::min(text.GetLength(), 128);
  for (int i = 0; i < length; ++i) {
    const auto ch = static_cast<unsigned char>(text[i]);
    if (IsDBCSLeadByte(ch)) {
      ++i;
    } else if (ch >= 1 && ch < 128) {
      set[ch] = 1;
    }
  }
}

class LinkPage : public CWrilaPage {
 public:
  LinkPage() : CWrilaPage("リンク") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    for (const LinkBox& box : kLinks) AddCheck(page, column, box.id, box.label);
    AddEdit(page, column, IDC_URLCHARS, "認識する文字(&C):", 128);
    AddButton(page, column, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); });
    return column;
  }

  void Fill(IDispatch* edit) override {
    for (const LinkBox& box : kLinks) {
      bool flag = false;
      if (GetBool(edit, box.property, &flag)) SetCheck(Page(), box.id, flag);
    }
    if (WrilaEdit* control = ControlOf(edit)) {
      std::uint8_t set[128] = {};
      control->WindowProc(WM_WRILA_EXTRA, EXTRA_GETURLCHARS, reinterpret_cast<LPARAM>(set));
      SetEditText(Page(), IDC_URLCHARS, SetToText(set));
    }
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    Puts puts(edit);
    for (const LinkBox& box : kLinks) puts.Bool(box.property, IsChecked(Page(), box.id));
    if (FAILED(puts.Result())) return puts.Result();
    if (WrilaEdit* control = ControlOf(edit)) {
      std::uint8_t set[128];
      TextToSet(GetEditText(Page(), IDC_URLCHARS), set);
      control->WindowProc(WM_WRILA_EXTRA, EXTRA_SETURLCHARS, reinterpret_cast<LPARAM>(set));
    }
    return S_OK;
  }

 private:
  void Reset() {
    for (const LinkBox& box : kLinks) SetCheck(Page(), box.id, box.byDefault);
    CCustomizeInfo defaults;
    defaults.Reset();
    SetEditText(Page(), IDC_URLCHARS, SetToText(defaults.UrlChars));
    SetDirty();
  }
};

}  // namespace

HRESULT CreateLinkPage(REFIID iid, void** object) { return CreatePage<LinkPage>(iid, object); }
