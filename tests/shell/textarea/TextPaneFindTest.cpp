#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>

#include <string>

#include "app/CRepDlg.h"
#include "app/CSearchDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/PrivateProfile.h"
#include "resources/CommandIds.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "textarea/CIEditView.h"

namespace {

using treepane_test::TreePaneTest;

class TextFindTest : public TreePaneTest {
 protected:
  void SetUp() override {
    TreePaneTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(CWrila::RegisterControlLibrary());
  }
  CKestavonDoc* OpenTexts() {
    return OpenOutline({"top", "top/one", "top/two", "top/three"}, [](ATREE& tree) {
      tree.SetText(1, "abc xyz abc");
      tree.SetText(2, "nothing");
      tree.SetText(3, "last abc");
    });
  }
  // A command given in the text pane.
  static void InText(CKestavonDoc* doc, int command) {
    wxCommandEvent event(wxEVT_MENU, command);
    TextPaneOf(doc)->GetEventHandler()->ProcessEvent(event);
  }
  // Shows item's text in the pane with the selection as given.
  void ShowItem(CKestavonDoc* doc, int item, long start, long end) {
    ViewOf(doc)->JumpToTree(item);
    TextPaneOf(doc)->GetEditCtrl().SetSel(start, end);
  }
  static void Search(CKestavonDoc* doc, const char* word, int regExp = 0, int mode = 0) {
    ATREE& tree = doc->GetTree();
    tree.GetSearch().SetSearchText(word);
    tree.GetSearch().SetRegExpSearch(regExp);
    tree.GetSearch().SetSearchOptions(0, 0, mode);
  }
};

TEST_F(TextFindTest, FindNextWalksTheTextThenTheFollowingTrees) {
  CKestavonDoc* doc = OpenTexts();
  ScopedMessageBoxHook boxes(IDOK);
  Search(doc, "abc");
  ShowItem(doc, 1, 5, 5);
  InText(doc, ID_EDIT_FIND_NEXT);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 11L));
  // No more in this text: the next tree with a hit in its text, the hit selected there.
  InText(doc, ID_EDIT_FIND_NEXT);
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(5L, 8L));
  EXPECT_EQ(StatusText(), "three");
  InText(doc, ID_EDIT_FIND_NEXT);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text.str(), "見つかりません");

  // Backward from the caret: the occurrence before it.
  ShowItem(doc, 1, 6, 6);
  InText(doc, ID_EDIT_FIND_PREV);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(0L, 3L));
  // None before: the tree pane goes on backward over the trees before, where there is none.
  InText(doc, ID_EDIT_FIND_PREV);
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[1].text.str(), "見つかりません");
  // From the last tree it finds the hit in tree 1's text, the last one selected.
  ShowItem(doc, 3, 0, 0);
  InText(doc, ID_EDIT_FIND_PREV);
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 11L));
}

TEST_F(TextFindTest, AllWordsModeLooksForAnyWordGoingForward) {
  CKestavonDoc* doc = OpenTexts();
  Search(doc, "xyz zzz", 0, 2);
  ShowItem(doc, 1, 0, 0);
  EXPECT_TRUE(TextPaneOf(doc)->FindNextInText());
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(4L, 7L));
  EXPECT_EQ(doc->GetTree().GetSearch().GetWordMode(), 2) << "the mode is put back";
}

TEST_F(TextFindTest, RegularExpressionsSkipTheCurrentSelectionAndStepBack) {
  if (!CSearchDlg::RegExpAvailable()) GTEST_SKIP() << "no regular expressions";
  CKestavonDoc* doc = OpenTexts();
  Search(doc, "a.c", 1);
  ShowItem(doc, 1, 0, 3);  // the selection is the first hit itself
  EXPECT_TRUE(TextPaneOf(doc)->FindNextInText());
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 11L));
  InText(doc, ID_EDIT_FIND_PREV);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(0L, 3L));

  // A pattern that matches nothing but a place never hangs, and a bad one is reported.
  Search(doc, "x*", 1);
  ShowItem(doc, 1, 0, 0);
  EXPECT_TRUE(TextPaneOf(doc)->FindNextInText());
  ScopedMessageBoxHook boxes(IDOK);
  Search(doc, "(abc", 1);
  InText(doc, ID_EDIT_FIND_NEXT);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_NE(boxes.Calls()[0].text.str(), "見つかりません");
}

TEST_F(TextFindTest, FindDialogOfTheTextPaneTakesTheSelectionAndSearches) {
  CKestavonDoc* doc = OpenTexts();
  ShowItem(doc, 1, 4, 7);
  std::string initial;
  ModalAnswers answers([&](wxDialog* dialog) -> int {
    auto* find = dynamic_cast<CSearchDlg*>(dialog);
    initial = find->m_strSearch.str();
    find->m_strSearch = "abc";
    find->m_bRegExp = FALSE;
    find->m_nMulti = 0;
    return wxID_OK;
  });
  InText(doc, ID_EDIT_FIND);
  EXPECT_EQ(initial, "xyz");
  EXPECT_EQ(doc->GetTree().GetSearch().GetSearchText().str(), "abc");
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 11L));
}

TEST_F(TextFindTest, SearchDialogModesAndSettings) {
  Setting("System", "MSearch", "2");
  Setting("System", "Title", "1");
  CSearchDlg text(nullptr, CSearchDlg::kTextMode, nullptr);
  text.TransferDataToWindow();
  auto* multi = dynamic_cast<wxChoice*>(text.FindWindow(CSearchDlg::IDC_MULTI));
  ASSERT_NE(multi, nullptr);
  EXPECT_EQ(multi->GetCount(), 2u);
  EXPECT_EQ(WxToCP932(multi->GetStringSelection()).str(), "ＯＲ");
  EXPECT_FALSE(text.FindWindow(CSearchDlg::IDC_TITLE)->IsShown());
  EXPECT_EQ(text.m_bTitle, FALSE) << "title search starts off with the title option set";

  CSearchDlg list(nullptr, CSearchDlg::kListMode, nullptr);
  EXPECT_EQ(WxToCP932(list.GetTitle()).str(), "検索リスト");
  EXPECT_TRUE(list.FindWindow(CSearchDlg::IDC_SELECT_ONLY)->IsShown());
  CSearchDlg tree(nullptr, CSearchDlg::kTreeMode, nullptr);
  EXPECT_FALSE(tree.FindWindow(CSearchDlg::IDC_SELECT_ONLY)->IsShown());

  // A word entered twice stands once, at the top; the options go to the settings.
  for (const char* word : {"first", "second", "first"}) {
    CSearchDlg dialog(nullptr, CSearchDlg::kTreeMode, nullptr);
    dialog.TransferDataToWindow();
    dynamic_cast<wxComboBox*>(dialog.FindWindow(CSearchDlg::IDC_WORD))->SetValue(word);
    dynamic_cast<wxCheckBox*>(dialog.FindWindow(CSearchDlg::IDC_CASE))->SetValue(true);
    dialog.TransferDataFromWindow();
  }
  CSearchDlg again(nullptr, CSearchDlg::kTreeMode, nullptr);
  ASSERT_GE(again.m_history.GetSize(), 2);
  EXPECT_EQ(again.m_history[0].str(), "first");
  EXPECT_EQ(again.m_history[1].str(), "second");
  for (int i = 2; i < again.m_history.GetSize(); ++i) EXPECT_EQ(again.m_history[i].str(), "");
  EXPECT_EQ(again.m_bCase, TRUE);
  EXPECT_EQ(again.m_timeFrom.GetStatus(), COleDateTime::null);

  // The date limits come back as they were set, or as no limit.
  again.m_timeTo = COleDateTime(2024, 3, 4, 5, 6, 7);
  again.TransferDataToWindow();
  again.TransferDataFromWindow();
  EXPECT_EQ(again.m_timeFrom.GetStatus(), COleDateTime::null);
  EXPECT_EQ(again.m_timeTo.Format("%Y/%m/%d %H:%M:%S").str(), "2024/03/04 05:06:07");
}

TEST_F(TextFindTest, ReplaceDialogInLinkModeUsesItsOwnHistories) {
  CRepDlg link(nullptr, TRUE);
  EXPECT_EQ(WxToCP932(link.GetTitle()).str(), "リンクファイル名の置換");
  EXPECT_FALSE(link.FindWindow(CRepDlg::IDC_TEXTAREA)->IsShown());
  link.TransferDataToWindow();
  dynamic_cast<wxComboBox*>(link.FindWindow(CRepDlg::IDC_FIND))->SetValue("old");
  dynamic_cast<wxComboBox*>(link.FindWindow(CRepDlg::IDC_REPLACE))->SetValue("new");
  link.TransferDataFromWindow();
  EXPECT_EQ(std::string(AfxGetProfileString("LinkSearch", "str00", "").str()), "old");
  CRepDlg plain(nullptr, FALSE);
  EXPECT_EQ(WxToCP932(plain.GetTitle()).str(), "ツリーの置換");
  EXPECT_NE(plain.m_findHistory.GetFirst().str(), "old");
  CRepDlg again(nullptr, TRUE);
  EXPECT_EQ(again.m_findHistory[0].str(), "old");
  EXPECT_EQ(again.m_replaceHistory[0].str(), "new");
  EXPECT_EQ(again.m_bTextArea, TRUE);
}

}  // namespace
