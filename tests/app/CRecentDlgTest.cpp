#include <gtest/gtest.h>

#include <wx/listbox.h>
#include <wx/stattext.h>

#include "model/dialogs/CReadOnlyDlg.h"
#include "app/CRecentDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"

namespace {

// A recent list of capacity 4 that closes gaps, as the application's list does.
class Entries : public IRecentFileEntries {
 public:
  std::vector<CString> items;
  int GetCapacity() const override { return 4; }
  CString GetEntry(int index) const override {
    return index < static_cast<int>(items.size()) ? items[static_cast<size_t>(index)] : CString();
  }
  void RemoveEntry(int index) override {
    if (index < static_cast<int>(items.size())) items.erase(items.begin() + index);
  }
};

void Click(wxDialog& dlg, int id) {
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(dlg.FindWindow(id));
  dlg.FindWindow(id)->GetEventHandler()->ProcessEvent(click);
}

wxListBox* Box(wxDialog& dlg) { return static_cast<wxListBox*>(dlg.FindWindow(CRecentDlg::IDC_LIST)); }

}  // namespace

TEST(CRecentDlg, DeletesTheSelectedEntryAfterAsking) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  Entries list;
  list.items = {"/a/一.kvn", "/b/two.kvn", "/c/three.kvn"};
  CRecentDlg dlg(nullptr, list);
  ASSERT_EQ(Box(dlg)->GetCount(), 3u);
  EXPECT_EQ(Box(dlg)->GetSelection(), 0);
  {
    ScopedMessageBoxHook no(IDNO);
    Click(dlg, CRecentDlg::IDC_DELETE);
    ASSERT_EQ(no.Calls().size(), 1u);
    EXPECT_EQ(no.Calls()[0].text, "/a/一.kvn を削除しますか？");
    EXPECT_EQ(list.items.size(), 3u);
  }
  ScopedMessageBoxHook yes(IDYES);
  Box(dlg)->SetSelection(2);
  Click(dlg, CRecentDlg::IDC_DELETE);
  EXPECT_EQ(list.items, (std::vector<CString>{"/a/一.kvn", "/b/two.kvn"}));
  // The selection stayed on an index without a row: the next delete asks nothing.
  EXPECT_EQ(Box(dlg)->GetSelection(), wxNOT_FOUND);
  Click(dlg, CRecentDlg::IDC_DELETE);
  EXPECT_EQ(yes.Calls().size(), 1u);
  Click(dlg, CRecentDlg::IDC_DELETE_ALL);
  EXPECT_EQ(yes.Calls().back().text, "全て削除しますか？");
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(Box(dlg)->GetCount(), 0u);
}

TEST(CReadOnlyDlg, ShowsTheReasonAndThePath) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const char* const texts[] = {"このファイルは使用中です。読み取り専用モードで開きます。",
                               "このファイルは読み取り専用属性です。読み取り専用モードで開きます。",
                               "このファイルのロックに失敗しました。読み取り専用モードで開きます。"};
  for (int reason = 0; reason < 3; ++reason) {
    CReadOnlyDlg dlg(nullptr);
    dlg.m_nReason = reason;
    dlg.m_strPath = "/x/文書.kvn";
    dlg.TransferDataToWindow();
    EXPECT_EQ(WxToCP932(dlg.FindWindow(CReadOnlyDlg::IDC_MESSAGE)->GetLabel()), texts[reason]);
    EXPECT_EQ(WxToCP932(dlg.FindWindow(CReadOnlyDlg::IDC_PATH)->GetLabel()), "/x/文書.kvn");
  }
}
