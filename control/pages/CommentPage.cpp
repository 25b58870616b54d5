// The comment page: the strings that open and close a multi-line comment and its colour.
#include <wx/button.h>
#include <wx/sizer.h>

#include "control/component/WrilaInterfaces.h"
#include "control/pages/CWrilaPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"

namespace {

enum : int { IDC_COMMENT_BEGIN = 666, IDC_COMMENT_END = 667, IDC_COMMENT_COLOR = 668 };

class CommentPage : public CWrilaPage {
 public:
  CommentPage() : CWrilaPage("コメント") {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    wxSizer* group = AddGroup(page, column, "複数行コメント");
    AddEdit(page, group, IDC_COMMENT_BEGIN, "開始文字列(&B):");
    AddEdit(page, group, IDC_COMMENT_END, "終了文字列(&E):");
    AddChoice(page, group, IDC_COMMENT_COLOR, "色(&C):",
              {"通常", "強調単語(1)", "強調単語(2)", "強調単語(3)", "強調単語(4)", "強調単語(5)"});
    AddButton(page, column, IDC_PAGE_RESET, "リセット(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); });
    return column;
  }

  void Fill(IDispatch* edit) override {
    CString text;
    long color = 0;
    if (GetText(edit, DISPID_EDIT_COMMENTBEGIN, &text)) SetEditText(Page(), IDC_COMMENT_BEGIN, text);
    if (GetText(edit, DISPID_EDIT_COMMENTEND, &text)) SetEditText(Page(), IDC_COMMENT_END, text);
    if (GetLong(edit, DISPID_EDIT_HILITECOMMENT, &color)) SetChoice(Page(), IDC_COMMENT_COLOR, static_cast<int>(color + 1));
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    Puts puts(edit);
    puts.Text(DISPID_EDIT_COMMENTBEGIN, GetEditText(Page(), IDC_COMMENT_BEGIN))
        .Text(DISPID_EDIT_COMMENTEND, GetEditText(Page(), IDC_COMMENT_END));
    const int color = GetChoice(Page(), IDC_COMMENT_COLOR);
    if (color >= 0) puts.Short(DISPID_EDIT_HILITECOMMENT, color - 1);
    return puts.Result();
  }

 private:
  void Reset() {
    SetEditText(Page(), IDC_COMMENT_BEGIN, "");
    SetEditText(Page(), IDC_COMMENT_END, "");
    SetChoice(Page(), IDC_COMMENT_COLOR, 0);
    SetDirty();
  }
};

}  // namespace

HRESULT CreateCommentPage(REFIID iid, void** object) { return CreatePage<CommentPage>(iid, object); }
