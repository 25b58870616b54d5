// The highlight page: the strings the control highlights, each with a colour and four options, the
// tag colour (the list's first row) and the two tag characters.
#include <wx/sizer.h>

#include <vector>

#include "control/component/WrilaCollections.h"
#include "control/pages/CListPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"
#include "platform/com/Bstr.h"

namespace {

enum : int {
  IDC_HILITE = 348,
  IDC_RULE_WORD = 1037,
  IDC_RULE_RIGHTALL = 1047,
  IDC_RULE_CASE = 1052,
  IDC_RULE_INSIDETAG = 1055,
  IDC_TAG_LEFT = 1053,
  IDC_TAG_RIGHT = 1054,
};

struct Rule {
  CString text;
  int color = 0;  // 0-4, -1 for none
  bool word = false, rightAll = false, matchCase = false, insideTag = false;
};

// The four option boxes and the rule member each shows.
struct OptionBox {
  int id;
  const char* label;
  bool Rule::*flag;
};
constexpr OptionBox kOptions[] = {
    {IDC_RULE_WORD, "単語のみ(&W)", &Rule::word},
    {IDC_RULE_RIGHTALL, "行の右を強調(&L)", &Rule::rightAll},
    {IDC_RULE_CASE, "大文字小文字を区別(&C)", &Rule::matchCase},
    {IDC_RULE_INSIDETAG, "タグの内側のみ(&I)", &Rule::insideTag},
};

VARIANT_BOOL AsBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

class HilitePage : public CListPage {
 public:
  HilitePage() : CListPage("強調文字列", IDC_HILITE, 79) {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    CreateList(page, column, "ここで設定する文字列を強調表示する(&H)", "強調文字列", "[F2]で編集, [F9]で色を変更");
    for (const OptionBox& box : kOptions) {
      AddCheck(page, column, box.id, box.label)->Bind(wxEVT_CHECKBOX, [this, box](wxCommandEvent& event) {
        event.Skip();
        const int row = SelectedRow();
        if (row >= 1) m_rules[static_cast<size_t>(row - 1)].*box.flag = IsChecked(Page(), box.id);
      });
    }
    AddEdit(page, column, IDC_TAG_LEFT, "タグ開始文字(&B):", 1);
    AddEdit(page, column, IDC_TAG_RIGHT, "タグ終了文字(&E):", 1);
    return column;
  }

  void Fill(IDispatch* edit) override {
    bool flag = false;
    long tag = 0;
    CString text;
    if (GetBool(edit, DISPID_EDIT_HILITE, &flag)) SetCheck(Page(), IDC_HILITE, flag);
    if (GetLong(edit, DISPID_EDIT_HILITETAG, &tag)) m_tagColor = static_cast<int>(tag);
    if (GetText(edit, DISPID_EDIT_TAGLEFT, &text)) SetEditText(Page(), IDC_TAG_LEFT, text);
    if (GetText(edit, DISPID_EDIT_TAGRIGHT, &text)) SetEditText(Page(), IDC_TAG_RIGHT, text);
    ReadRules(edit);
    RefillList(0);
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    IHiliteList* list = NewHiliteList();
    for (const Rule& rule : m_rules) {
      IHiliteItem* item = NewHiliteItem();
      const BstrPtr text(BstrFromCP932(rule.text.GetString()));
      item->put_String(text.get());
      item->put_Case(AsBool(rule.matchCase));
      item->put_InsideTag(AsBool(rule.insideTag));
      item->put_RightAll(AsBool(rule.rightAll));
      item->put_Word(AsBool(rule.word));
      item->put_Color(static_cast<short>(rule.color));
      list->Add(item);  // a string twice stays once, as the control keeps it
      item->Release();
    }
    CComVariant value;
    value.vt = VT_UNKNOWN;
    value.punkVal = list;  // the variant holds the creator's reference
    return Puts(edit)
        .Bool(DISPID_EDIT_HILITE, IsChecked(Page(), IDC_HILITE))
        .Value(DISPID_EDIT_HILITELIST, value)
        .Short(DISPID_EDIT_HILITETAG, m_tagColor)
        .Text(DISPID_EDIT_TAGLEFT, GetEditText(Page(), IDC_TAG_LEFT))
        .Text(DISPID_EDIT_TAGRIGHT, GetEditText(Page(), IDC_TAG_RIGHT))
        .Result();
  }

  // Row 0 is the tag row; row i shows rule i - 1.
  int RowCount() const override { return static_cast<int>(m_rules.size()) + 1; }
  CString RowText(int row) const override { return row == 0 ? CString("<タグ>") : RuleAt(row).text; }
  int RowImage(int row) const override { return (row == 0 ? m_tagColor : RuleAt(row).color) + 2; }
  bool CanEdit(int row) const override { return row >= 1; }
  bool CanDelete(int row) const override { return row >= 1; }
  void SetRowText(int row, const CString& text) override {
    if (row >= 1) RuleAt(row).text = text;
  }
  void StepRow(int row) override {
    int& color = row == 0 ? m_tagColor : RuleAt(row).color;
    color = color >= 4 ? -1 : color + 1;
  }
  int AddRecord() override {
    const int row = SelectedRow();
    Rule rule;
    rule.text = "新しい強調文字列";
    const int color = row < 0 ? 0 : RowImage(row) - 2;
    rule.color = color < 0 ? 0 : color;
    for (const OptionBox& box : kOptions) rule.*box.flag = IsChecked(Page(), box.id);
    m_rules.push_back(rule);
    return RowCount() - 1;
  }
  void DeleteRecord(int row) override { m_rules.erase(m_rules.begin() + (row - 1)); }
  void RowSelected(int row) override {
    for (const OptionBox& box : kOptions) SetCheck(Page(), box.id, row >= 1 && RuleAt(row).*box.flag);
  }
  void UpdateEnabling() override {
    CListPage::UpdateEnabling();
    const bool rule = IsChecked(Page(), IDC_HILITE) && SelectedRow() >= 1;
    for (const OptionBox& box : kOptions) EnableItem(Page(), box.id, rule);
  }

 private:
  Rule& RuleAt(int row) { return m_rules[static_cast<size_t>(row - 1)]; }
  const Rule& RuleAt(int row) const { return m_rules[static_cast<size_t>(row - 1)]; }

  void ReadRules(IDispatch* edit) {
    m_rules.clear();
    ForEachItem<IHiliteList, IHiliteItem>(edit, DISPID_EDIT_HILITELIST, IID_IHiliteList, IID_IHiliteItem,
                                          [this](IHiliteItem* hilite) {
                                            BSTR text = nullptr;
                                            VARIANT_BOOL matchCase = 0, insideTag = 0, rightAll = 0, word = 0;
                                            short color = 0;
                                            hilite->get_String(&text);
                                            hilite->get_Case(&matchCase);
                                            hilite->get_InsideTag(&insideTag);
                                            hilite->get_RightAll(&rightAll);
                                            hilite->get_Word(&word);
                                            hilite->get_Color(&color);
                                            Rule rule;
                                            rule.text = CP932FromBstr(text);
                                            rule.color = color;
                                            rule.matchCase = matchCase != 0;
                                            rule.insideTag = insideTag != 0;
                                            rule.rightAll = rightAll != 0;
                                            rule.word = word != 0;
                                            m_rules.push_back(rule);
                                            SysFreeString(text);
                                          });
  }

  std::vector<Rule> m_rules;
  int m_tagColor = 0;
};

}  // namespace

HRESULT CreateHilitePage(REFIID iid, void** object) { return CreatePage<HilitePage>(iid, object); }
