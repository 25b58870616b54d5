#include "treeview/CTreePickerDlg.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <vector>

#include "model/ATREE.h"
#include "platform/framework/CTreeCtrl.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"
#include "treeview/CInputDlg.h"
#include "treeview/CNewLinkFileDlg.h"
#include "app/COtherEditDlg.h"
#include "treeview/CTreeEditDlg.h"

namespace {

// Top, A (with B and its child D under it), C: five items.
class TreePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    for (const char* path : {"Top", "Top\x01" "A", "Top\x01" "A\x01" "B", "Top\x01" "A\x01" "B\x01" "D", "Top\x01" "C"})
      tree.AppendTree(path);
    tree.MakeTreeData();
  }
  // The model item of the tree control's selection.
  static int Selected(CTreePickerDlg* picker) { return picker->GetTreeItems().GetSelectedIndex(); }

  ATREE tree;
};

TEST_F(TreePickerTest, RefPickerStartsAtTheItemAndReturnsTheChosenOne) {
  CTreeRefDlg picker(nullptr);
  EXPECT_EQ(WxToCP932(picker.GetTitle()), "ツリーの参照");
  picker.m_pTree = &tree;
  picker.m_nIndex = 3;
  int startSelection = -1;
  unsigned shown = 0;
  WhenShown act([&](wxDialog* dialog) {
    startSelection = Selected(&picker);
    shown = picker.GetTreeWindow()->GetCount();
    picker.GetTreeItems().SelectIndex(4);
    Click(dialog, wxID_OK);
  });
  ASSERT_EQ(picker.ShowModal(), wxID_OK);
  EXPECT_EQ(startSelection, 3);
  EXPECT_EQ(shown, 5u);
  EXPECT_EQ(picker.m_nIndex, 4);
}

TEST_F(TreePickerTest, MovePickerReturnsTheTargetAndTheSameLevelChoice) {
  CTreeMoveDlg picker(nullptr);
  picker.m_pTree = &tree;
  picker.m_nIndex = 1;
  WhenShown act([&](wxDialog* dialog) {
    picker.GetTreeItems().SelectIndex(2);
    dynamic_cast<wxCheckBox*>(dialog->FindWindow(CTreeMoveDlg::IDC_SAMELEVEL))->SetValue(true);
    Click(dialog, wxID_OK);
  });
  ASSERT_EQ(picker.ShowModal(), wxID_OK);
  EXPECT_EQ(picker.m_nIndex, 2);
  EXPECT_TRUE(picker.m_bSameLevel);
}

TEST_F(TreePickerTest, MultiPickerReturnsTheTickedItemsInAscendingOrder) {
  CTreeMultiDlg picker(nullptr);
  EXPECT_EQ(WxToCP932(picker.GetTitle()), "複数ツリーの選択");
  picker.m_pTree = &tree;
  picker.m_nIndex = 0;
  WhenShown act([&](wxDialog* dialog) {
    wxTreeCtrl* control = picker.GetTreeWindow();
    // Every item shows an empty box.
    const HTREEITEM first = picker.GetTreeItems().GetItemHandle(1);
    EXPECT_EQ(control->GetItemState(wxTreeItemId(first)), 0);
    picker.SetCheck(4, TRUE);
    picker.SetCheck(3, TRUE);
    // A click on item 1's box ticks it; a click on the box of the ticked item 2 clears it.
    wxTreeEvent click(wxEVT_TREE_STATE_IMAGE_CLICK, control, wxTreeItemId(first));
    control->GetEventHandler()->ProcessEvent(click);
    picker.SetCheck(2, TRUE);
    wxTreeEvent again(wxEVT_TREE_STATE_IMAGE_CLICK, control, wxTreeItemId(picker.GetTreeItems().GetItemHandle(2)));
    control->GetEventHandler()->ProcessEvent(again);
    Click(dialog, wxID_OK);
  });
  ASSERT_EQ(picker.ShowModal(), wxID_OK);
  std::vector<UINT> ticked;
  for (int i = 0; i < picker.m_checkArray.GetSize(); ++i) ticked.push_back(picker.m_checkArray[i]);
  EXPECT_EQ(ticked, (std::vector<UINT>{1, 3, 4}));
}

TEST(CInputDlg, ShowsThePromptAndReturnsWhatWasTypedEvenWhenEmpty) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  CInputDlg dialog(nullptr);
  EXPECT_EQ(dialog.GetTitle(), "Kestavon");
  CString prompt = "URLを入力してください";
  dialog.SetPrompt(prompt);
  dialog.SetText("初期値");
  CString shownPrompt, shownText;
  WhenShown act([&](wxDialog* shown) {
    shownPrompt = WxToCP932(shown->FindWindow(CInputDlg::IDC_PROMPT)->GetLabel());
    auto* edit = dynamic_cast<wxTextCtrl*>(shown->FindWindow(CInputDlg::IDC_TEXT));
    shownText = WxToCP932(edit->GetValue());
    edit->ChangeValue("");
    Click(shown, wxID_OK);
  });
  ASSERT_EQ(dialog.ShowModal(), wxID_OK);
  EXPECT_EQ(shownPrompt, "URLを入力してください");
  EXPECT_EQ(shownText, "初期値");
  EXPECT_TRUE(dialog.m_strText.IsEmpty());
}

TEST(COtherEditDlg, WaitsForOk) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  COtherEditDlg dialog(nullptr);
  EXPECT_EQ(WxToCP932(dialog.GetTitle()), "外部ソフトで編集中です");
  WhenShown act([](wxDialog* shown) { Click(shown, wxID_OK); });
  EXPECT_EQ(dialog.ShowModal(), wxID_OK);
}

TEST(TreeDialogHelp, F1AndTheHelpButtonAskForTheirTopics) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  HelpRecorder help;
  CTreeEditDlg edit(nullptr);
  PressF1(&edit);
  Click(&edit, CTreeEditDlg::IDC_HELPBUTTON);
  CNewLinkFileDlg newFile(nullptr);
  PressF1(&newFile);
  CTreeMoveDlg move(nullptr);
  PressF1(&move);
  EXPECT_EQ(help.topics, (std::vector<DWORD>{199, 49, 200, 177}));
}

}  // namespace
