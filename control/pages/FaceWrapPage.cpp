// The unbreakable-word page: the words that a line break never splits, each on or off.
#include <wx/sizer.h>

#include <vector>

#include "control/component/WrilaCollections.h"
#include "control/pages/CListPage.h"
#include "control/pages/PageControls.h"
#include "control/pages/WrilaPages.h"
#include "platform/com/Bstr.h"

namespace {

constexpr int IDC_FACEWRAP = 211;

struct Word {
  CString text;
  bool enable;
};

class FaceWrapPage : public CListPage {
 public:
  FaceWrapPage() : CListPage("分割禁止単語", IDC_FACEWRAP, 15) {}

 protected:
  wxSizer* CreateControls(wxWindow* page) override {
    auto* column = new wxBoxSizer(wxVERTICAL);
    CreateList(page, column, "分割禁止単語の処理を有効にする(&E)", "分割禁止単語", "[F2]で編集\n[F9]で有効/無効");
    return column;
  }

  void Fill(IDispatch* edit) override {
    bool flag = false;
    if (GetBool(edit, DISPID_EDIT_FACEWRAP, &flag)) SetCheck(Page(), IDC_FACEWRAP, flag);
    m_words.clear();
    ForEachItem<IFaceList, IFaceItem>(edit, DISPID_EDIT_FACELIST, IID_IFaceList, IID_IFaceItem, [this](IFaceItem* word) {
      BSTR text = nullptr;
      VARIANT_BOOL enable = VARIANT_FALSE;
      word->get_String(&text);
      word->get_Enable(&enable);
      m_words.push_back({CP932FromBstr(text), enable != VARIANT_FALSE});
      SysFreeString(text);
    });
    RefillList(0);
  }

  HRESULT ApplyTo(IDispatch* edit) override {
    IFaceList* list = NewFaceList();
    for (const Word& word : m_words) {
      IFaceItem* item = NewFaceItem();
      const BstrPtr text(BstrFromCP932(word.text.GetString()));
      item->put_String(text.get());
      item->put_Enable(word.enable ? VARIANT_TRUE : VARIANT_FALSE);
      list->Add(item);  // a word twice stays once, as the control keeps it
      item->Release();
    }
    CComVariant value;
    value.vt = VT_UNKNOWN;
    value.punkVal = list;  // the variant holds the creator's reference
    return Puts(edit).Bool(DISPID_EDIT_FACEWRAP, IsChecked(Page(), IDC_FACEWRAP)).Value(DISPID_EDIT_FACELIST, value).Result();
  }

  int RowCount() const override { return static_cast<int>(m_words.size()); }
  CString RowText(int row) const override { return m_words[static_cast<size_t>(row)].text; }
  int RowImage(int row) const override { return m_words[static_cast<size_t>(row)].enable ? IMAGE_ON : IMAGE_OFF; }
  void SetRowText(int row, const CString& text) override { m_words[static_cast<size_t>(row)].text = text; }
  void StepRow(int row) override { m_words[static_cast<size_t>(row)].enable = !m_words[static_cast<size_t>(row)].enable; }
  int AddRecord() override {
    m_words.push_back({"新しい単語", true});
    return RowCount() - 1;
  }
  void DeleteRecord(int row) override { m_words.erase(m_words.begin() + row); }

 private:
  std::vector<Word> m_words;
};

}  // namespace

HRESULT CreateFaceWrapPage(REFIID iid, void** object) { return CreatePage<FaceWrapPage>(iid, object); }
