// The file page: how the control reads and writes text files.
#include <wx/button.h>
#include <wx/sizer.h>

#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"

namespace {

enum : int {
  IDC_SAVE_TABTOSPACE = 1023,
  IDC_SAVE_INSERTCR = 1030,
  IDC_DELETE_EMPTY = 1065,
  IDC_SAVE_CRLF = 1036,
  IDC_KANJI_READ = 1038,
  IDC_KANJI_WRITE = 1039,
  IDC_KANJI_IN = 1042,
  IDC_KANJI_OUT = 1043,
  IDC_SEVENBIT = 1044,
};

class FilePage : public CWrilaPage {
 public:
  FilePage() : CWrilaPage("ファイル") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    AddCheck(page, column, IDC_SAVE_TABTOSPACE, "保存時、Tabをスペースに変換(&C)");
    AddCheck(page, column, IDC_SAVE_INSERTCR, "保存時、改行を挿入(&I)");
    AddCheck(page, column, IDC_DELETE_EMPTY, "保存時、空のファイルは削除(&T)");
    AddChoice(page, column, IDC_SAVE_CRLF, "改行の保存方法(&V):",
              {"変換無し", "すべてCR+LFに変換", "すべてCRに変換", "すべてLFに変換"});
    // The save list offers "自動" too, as the read list does.
    AddChoice(page, column, IDC_KANJI_READ, "開く時の漢字コード(&J):", {"Shift JIS", "JIS", "EUC", "自動"});
    AddChoice(page, column, IDC_KANJI_WRITE, "保存時の漢字コード(&K):", {"Shift JIS", "JIS", "EUC", "自動"});
    AddEdit(page, column, IDC_KANJI_IN, "漢字への移行文字(&N):", 1);
    AddEdit(page, column, IDC_KANJI_OUT, "1バイトへの移行文字(&S):", 1);
    AddCheck(page, column, IDC_SEVENBIT, "7ビット漢字(&7)");
    AddButton(page, column, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); });
    return column;
  }

  void Fill(IDispatch* edit) override {
    wxWindow* page = Page();
    bool flag = false;
    long value = 0;
    CString text;
    if (GetText(edit, DISPID_EDIT_KANJIINCHAR, &text)) SetEditText(page, IDC_KANJI_IN, text);
    if (GetText(edit, DISPID_EDIT_KANJIOUTCHAR, &text)) SetEditText(page, IDC_KANJI_OUT, text);
    if (GetBool(edit, DISPID_EDIT_SAVETABTOSPACE, &flag)) SetCheck(page, IDC_SAVE_TABTOSPACE, flag);
    if (GetBool(edit, DISPID_EDIT_SAVEINSERTCR, &flag)) SetCheck(page, IDC_SAVE_INSERTCR, flag);
    if (GetBool(edit, DISPID_EDIT_DELETEEMPTY, &flag)) SetCheck(page, IDC_DELETE_EMPTY, flag);
    if (GetBool(edit, DISPID_EDIT_SEVENBITKANJI, &flag)) SetCheck(page, IDC_SEVENBIT, flag);
    if (GetLong(edit, DISPID_EDIT_SAVECRLF, &value)) SetChoice(page, IDC_SAVE_CRLF, static_cast<int>(value));
    if (GetLong(edit, DISPID_EDIT_KANJIREAD, &value)) SetChoice(page, IDC_KANJI_READ, static_cast<int>(value));
    if (GetLong(edit, DISPID_EDIT_KANJIWRITE, &value)) SetChoice(page, IDC_KANJI_WRITE, static_cast<int>(value));
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    wxWindow* page = Page();
    return Puts(edit)
        .Text(DISPID_EDIT_KANJIINCHAR, GetEditText(page, IDC_KANJI_IN))
        .Text(DISPID_EDIT_KANJIOUTCHAR, GetEditText(page, IDC_KANJI_OUT))
        .Bool(DISPID_EDIT_SAVETABTOSPACE, IsChecked(page, IDC_SAVE_TABTOSPACE))
        .Bool(DISPID_EDIT_SAVEINSERTCR, IsChecked(page, IDC_SAVE_INSERTCR))
        .Bool(DISPID_EDIT_DELETEEMPTY, IsChecked(page, IDC_DELETE_EMPTY))
        .Bool(DISPID_EDIT_SEVENBITKANJI, IsChecked(page, IDC_SEVENBIT))
        .Short(DISPID_EDIT_SAVECRLF, GetChoice(page, IDC_SAVE_CRLF))
        .Short(DISPID_EDIT_KANJIREAD, GetChoice(page, IDC_KANJI_READ))
        .Short(DISPID_EDIT_KANJIWRITE, GetChoice(page, IDC_KANJI_WRITE))
        .Result();
  }

 private:
  void Reset() {
    wxWindow* page = Page();
    SetCheck(page, IDC_SAVE_TABTOSPACE, false);
    SetCheck(page, IDC_SAVE_INSERTCR, false);
    SetCheck(page, IDC_DELETE_EMPTY, true);
    SetCheck(page, IDC_SEVENBIT, true);
    SetEditText(page, IDC_KANJI_IN, "B");
    SetEditText(page, IDC_KANJI_OUT, "B");
    for (int id : {IDC_SAVE_CRLF, IDC_KANJI_READ, IDC_KANJI_WRITE}) SetChoice(page, id, 0);
    SetDirty();
  }
};

}  // namespace

HRESULT CreateFilePage(REFIID iid, void** object) { return CreatePage<FilePage>(iid, object); }
