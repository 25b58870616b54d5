#include "treeview/CCategoryDlg.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/colordlg.h>
#include <wx/textctrl.h>

#include <utility>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/treeview/ModalAnswers.h"
#include "treeview/CCategoryEditDlg.h"

namespace {

CTreeCategory Category(const char* name) {
  CTreeCategory c;
  c.Name = name;
  return c;
}

// A dialog over a list of three categories that records how the items would be renumbered.
class CategoryDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
    for (const char* name : {"A", "B", "C"}) list.Add(Category(name));
    dialog = new CCategoryDlg(nullptr, &list, [this](int from, int to) { renumbered.emplace_back(from, to); });
    dialog->TransferDataToWindow();
  }
  void TearDown() override {
    if (dialog) dialog->Destroy();
  }

  void Press(int id) {
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(dialog->FindWindow(id));
    dialog->GetEventHandler()->ProcessEvent(event);
  }
  wxListBox* List() { return dynamic_cast<wxListBox*>(dialog->FindWindow(CCategoryDlg::IDC_LIST)); }
  wxTextCtrl* Text(int id) { return dynamic_cast<wxTextCtrl*>(dialog->FindWindow(id)); }
  std::vector<wxString> ListRows() {
    std::vector<wxString> rows;
    for (unsigned i = 0; i < List()->GetCount(); ++i) rows.push_back(List()->GetString(i));
    return rows;
  }
  void Select(int row) { List()->SetSelection(row); }

  CCategoryArray list;
  CCategoryDlg* dialog = nullptr;
  std::vector<std::pair<int, int>> renumbered;
};

using Names = std::vector<wxString>;
using Moves = std::vector<std::pair<int, int>>;

TEST_F(CategoryDlgTest, OpensWithNamesAndWrapStrings) {
  EXPECT_EQ(WxToCP932(dialog->GetTitle()), "カテゴリ設定");
  EXPECT_EQ(ListRows(), (Names{"A", "B", "C"}));
  EXPECT_EQ(List()->GetSelection(), 0);
  EXPECT_EQ(WxToCP932(Text(CCategoryDlg::IDC_BEFORE)->GetValue()), "【");
  EXPECT_EQ(WxToCP932(Text(CCategoryDlg::IDC_AFTER)->GetValue()), "】");
  for (int id : {1, 131, 132, 133, 141, 143}) EXPECT_NE(dialog->FindWindow(id), nullptr) << id;
  EXPECT_EQ(dialog->m_bModified, 0);
}

TEST_F(CategoryDlgTest, DeleteAsksThenRenumbersTheLaterCategories) {
  Select(1);
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    Press(CCategoryDlg::IDC_DELETE);
    ASSERT_EQ(cancel.Calls().size(), 1u);
    EXPECT_EQ(cancel.Calls()[0].text,
              "Bを削除します。現在、このカテゴリに設定されているツリーは全て未設定になります。よろしいですか？");
    EXPECT_EQ(cancel.Calls()[0].flags & MB_TYPEMASK, MB_OKCANCEL);
  }
  EXPECT_EQ(list.GetCount(), 3);
  EXPECT_EQ(dialog->m_bModified, 0);

  ScopedMessageBoxHook ok(IDOK);
  Press(CCategoryDlg::IDC_DELETE);
  EXPECT_EQ(ListRows(), (Names{"A", "C"}));
  EXPECT_EQ(list.GetName(2), "C");
  EXPECT_EQ(renumbered, (Moves{{1, -1}, {2, 1}}));  // category 2 cleared, category 3 becomes 2
  EXPECT_EQ(List()->GetSelection(), 1);
  EXPECT_EQ(dialog->m_bModified, 1);

  Press(CCategoryDlg::IDC_DELETE);  // the last row: the row above is selected
  EXPECT_EQ(ListRows(), (Names{"A"}));
  EXPECT_EQ(List()->GetSelection(), 0);
}

TEST_F(CategoryDlgTest, MovingSwapsCategoriesAndTheirNumbersOnly) {
  Press(CCategoryDlg::IDC_DOWN);
  EXPECT_EQ(ListRows(), (Names{"B", "A", "C"}));
  EXPECT_EQ(renumbered, (Moves{{0, 99}, {1, 0}, {99, 1}}));
  EXPECT_EQ(List()->GetSelection(), 1);
  EXPECT_EQ(dialog->m_bModified, 1);

  renumbered.clear();
  Press(CCategoryDlg::IDC_UP);
  EXPECT_EQ(ListRows(), (Names{"A", "B", "C"}));
  EXPECT_EQ(renumbered, (Moves{{1, 99}, {0, 1}, {99, 0}}));
  EXPECT_EQ(List()->GetSelection(), 0);

  renumbered.clear();
  Press(CCategoryDlg::IDC_UP);  // already first
  Select(2);
  Press(CCategoryDlg::IDC_DOWN);  // already last
  List()->SetSelection(wxNOT_FOUND);
  Press(CCategoryDlg::IDC_DOWN);
  Press(CCategoryDlg::IDC_EDIT);
  Press(CCategoryDlg::IDC_DELETE);
  EXPECT_TRUE(renumbered.empty());
  EXPECT_EQ(ListRows(), (Names{"A", "B", "C"}));
}

TEST_F(CategoryDlgTest, AddAndEditGoThroughTheCategoryDialog) {
  {
    ModalAnswers answer([](wxDialog* d) {
      auto* edit = dynamic_cast<CCategoryEditDlg*>(d);
      EXPECT_EQ(edit->m_category.Name, "");
      EXPECT_EQ(edit->m_category.Color, -1);
      edit->m_category = Category("D");
      return wxID_OK;
    });
    Press(CCategoryDlg::IDC_ADD);
  }
  EXPECT_EQ(ListRows(), (Names{"A", "B", "C", "D"}));
  EXPECT_EQ(List()->GetSelection(), 3);

  Select(1);
  {
    ModalAnswers answer([](wxDialog* d) {
      auto* edit = dynamic_cast<CCategoryEditDlg*>(d);
      EXPECT_EQ(edit->m_category.Name, "B");
      edit->m_category.Name = "仕事";
      edit->m_category.Color = 255;
      return wxID_OK;
    });
    wxCommandEvent dclick(wxEVT_LISTBOX_DCLICK, CCategoryDlg::IDC_LIST);
    dialog->GetEventHandler()->ProcessEvent(dclick);
  }
  EXPECT_EQ(list.GetName(2), "仕事");
  EXPECT_EQ(list.GetAt(1).Color, 255);
  EXPECT_EQ(List()->GetSelection(), 1);
  EXPECT_TRUE(renumbered.empty());

  dialog->m_bModified = 0;
  ModalAnswers cancel([](wxDialog* d) {
    dynamic_cast<CCategoryEditDlg*>(d)->m_category.Name = "X";
    return wxID_CANCEL;
  });
  Press(CCategoryDlg::IDC_EDIT);
  Press(CCategoryDlg::IDC_ADD);
  EXPECT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.GetName(2), "仕事");
  EXPECT_EQ(dialog->m_bModified, 0);
}

TEST_F(CategoryDlgTest, CloseTakesTheWrapStrings) {
  Text(CCategoryDlg::IDC_BEFORE)->ChangeValue("<");
  Text(CCategoryDlg::IDC_AFTER)->ChangeValue(CP932ToWx("≫"));
  Press(CCategoryDlg::IDC_CLOSE);
  EXPECT_EQ(list.GetDisplayName(1), "<A≫");
}

TEST_F(CategoryDlgTest, ImportReplacesTheListAndExportWritesIt) {
  const std::string dir = kesta_test::MakeTempDir("catdlg");
  Text(CCategoryDlg::IDC_BEFORE)->ChangeValue("<");
  ASSERT_TRUE(dialog->ExportTo((dir + "/KvnCategory.dat").c_str()));
  EXPECT_EQ(list.GetBefore(), "<");  // the edits are taken first
  EXPECT_EQ(kesta_test::ReadBytes(dir + "/KvnCategory.dat"),
            "CategoryName=A\r\nCategoryMemo=\r\nCategoryName=B\r\nCategoryMemo=\r\n"
            "CategoryName=C\r\nCategoryMemo=\r\n");

  kesta_test::WriteBytes(dir + "/two.dat", "CategoryName=X\r\nCategoryName=Y\r\n");
  Select(2);
  ASSERT_TRUE(dialog->ImportFrom((dir + "/two.dat").c_str()));
  EXPECT_EQ(ListRows(), (Names{"X", "Y"}));
  EXPECT_EQ(List()->GetSelection(), 0);
  EXPECT_EQ(dialog->m_bModified, 1);

  dialog->m_bModified = 0;
  ScopedMessageBoxHook ok(IDOK);
  EXPECT_FALSE(dialog->ImportFrom((dir + "/missing.dat").c_str()));
  EXPECT_EQ(ListRows(), (Names{"X", "Y"}));
  EXPECT_EQ(dialog->m_bModified, 0);
  EXPECT_EQ(ok.Calls().size(), 1u);  // the failure was told
}

TEST(CCategoryEditDlg, ExchangesNameAndMemo) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  CCategoryEditDlg dialog;
  EXPECT_EQ(WxToCP932(dialog.GetTitle()), "カテゴリ編集");
  dialog.m_category.Name = "仕事";
  dialog.m_category.Memo = "説明";
  dialog.m_category.Color = 0x123456;
  dialog.TransferDataToWindow();
  auto* name = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CCategoryEditDlg::IDC_NAME));
  auto* memo = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CCategoryEditDlg::IDC_MEMO));
  ASSERT_TRUE(name && memo);
  EXPECT_EQ(WxToCP932(name->GetValue()), "仕事");
  EXPECT_EQ(WxToCP932(memo->GetValue()), "説明");
  name->ChangeValue("A");
  memo->ChangeValue("");
  dialog.TransferDataFromWindow();
  EXPECT_EQ(dialog.m_category.Name, "A");
  EXPECT_EQ(dialog.m_category.Memo, "");
  EXPECT_EQ(dialog.m_category.Color, 0x123456);
}

TEST(CCategoryEditDlg, ColourButtonStoresTheChosenColour) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  CCategoryEditDlg dialog;
  wxColour preset;
  int result = wxID_CANCEL;
  ModalAnswers answer([&](wxDialog* d) {
    preset = dynamic_cast<wxColourDialog*>(d)->GetColourData().GetColour();
    return result;
  });
  wxCommandEvent press(wxEVT_BUTTON, CCategoryEditDlg::IDC_COLOR);
  dialog.GetEventHandler()->ProcessEvent(press);
  EXPECT_EQ(preset, *wxBLACK);  // no colour yet: black is offered
  EXPECT_EQ(dialog.m_category.Color, -1);

  // The native chooser gives back what it was offered when the user just presses OK.
  dialog.m_category.Color = 0x302010;
  result = wxID_OK;
  dialog.GetEventHandler()->ProcessEvent(press);
  EXPECT_EQ(preset, wxColour(0x10, 0x20, 0x30));
  EXPECT_EQ(dialog.m_category.Color, 0x302010);
}

}  // namespace
