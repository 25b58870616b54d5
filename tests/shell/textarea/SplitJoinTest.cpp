#include <gtest/gtest.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "platform/desktop/MessageBox.h"
#include "platform/framework/CWinApp.h"
#include "resources/CommandIds.h"
#include "tests/shell/textarea/TextPaneFixture.h"
#include "textarea/CSplitDlg.h"
#include "textarea/SplitText.h"
#include "textarea/TextCounts.h"

namespace {

using textpane_test::TextPaneTest;

class SplitJoinTest : public TextPaneTest {
 protected:
  void SetUp() override {
    TextPaneTest::SetUp();
    if (IsSkipped()) return;
    AfxWriteProfileInt("System", "SplitDlg", 0);
  }
  static std::vector<std::string> Titles(CKestavonDoc* doc) {
    std::vector<std::string> titles;
    const ATREE& tree = doc->GetTree();
    for (int i = 0; i < tree.GetDirDataCount(); ++i)
      titles.push_back(std::string(tree.GetLevel(i), '-') + tree.GetName(i).str());
    return titles;
  }
  static BOOL Split(CKestavonDoc* doc) {
    return TextOf(doc)->SplitSelection([](CSplitDlg&) { return true; });
  }
};

TEST(SplitText, TheTitleIsTheFirstLineAfterEmptyOnes) {
  struct Case {
    const char* selected;
    const char* part;
    const char* title;
    const char* dropFirstLine;  // the new text without auto-title and with the first line dropped
  } cases[] = {
      {"題名\r\n本文", "題名\r\n本文", "題名", "本文"},
      {"\r\n\r\n題名\r\n本文", "題名\r\n本文", "題名", "本文"},
      {"一行だけ", "一行だけ", "一行だけ", ""},
      {"\r\n最後", "最後", "", ""},
  };
  for (const Case& c : cases) {
    const SplitPart split = ProposeSplit(c.selected);
    EXPECT_EQ(split.part, CString(c.part)) << c.selected;
    EXPECT_EQ(split.title, CString(c.title)) << c.selected;
    EXPECT_EQ(SplitTreeText(split, split.title, FALSE, TRUE), CString(c.dropFirstLine)) << c.selected;
    EXPECT_EQ(SplitTreeText(split, split.title, FALSE, FALSE), CString(c.part)) << c.selected;
  }
  const SplitPart split = ProposeSplit("題名\r\n本文");
  EXPECT_EQ(SplitTreeText(split, "別名", TRUE, TRUE), CString("別名\r\n題名\r\n本文"));
  EXPECT_EQ(SplitTreeText(split, "題名", TRUE, TRUE), CString("題名\r\n本文"));
}

TEST_F(SplitJoinTest, SplitMakesAChildFromTheSelectionAsOneUndoStep) {
  CKestavonDoc* doc = OpenTexts();
  Down(doc, 2);
  CWrilaCtrl& edit = EditOf(doc);
  edit.SetLongText("前\r\n\r\n題名\r\n本文\r\n");
  edit.SetSel(4, edit.GetText().GetLength());
  EXPECT_TRUE(TextEnabled(doc, ID_TREE_SPLIT));
  ASSERT_TRUE(Split(doc));
  EXPECT_EQ(Titles(doc), (std::vector<std::string>{"top", "-one", "-two", "--題名", "-three"}));
  EXPECT_EQ(Stored(doc, 2), "前\r\n");
  EXPECT_EQ(Stored(doc, 3), "題名\r\n本文\r\n");
  EXPECT_EQ(doc->GetCurrentTree(), 2) << "the caret stays in the tree that was split";
  EXPECT_EQ(Text(doc), "前\r\n");
  EXPECT_TRUE(doc->IsModified());

  doc->Undo();
  EXPECT_EQ(Titles(doc), (std::vector<std::string>{"top", "-one", "-two", "-three"}));
  EXPECT_EQ(Stored(doc, 2), "前\r\n\r\n題名\r\n本文\r\n") << "the text as it was before the split comes back";
  doc->Undo();
  EXPECT_EQ(Stored(doc, 2), "二つ目\r\n二行目\r\n") << "one step back: the text before it was typed";
}

TEST_F(SplitJoinTest, SplitSettingsPlaceTheNewTreeAndItsText) {
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  AfxWriteProfileInt("System", "SplitSameLevel", 1);
  AfxWriteProfileInt("System", "SplitDell", 1);
  AfxWriteProfileInt("System", "SplitMove", 1);
  EditOf(doc).SetLongText("あ\r\n題\r\n残り");
  EditOf(doc).SetSel(4, 14);
  ASSERT_TRUE(Split(doc));
  EXPECT_EQ(Titles(doc), (std::vector<std::string>{"top", "-one", "-題", "-two", "-three"}));
  EXPECT_EQ(Stored(doc, 2), "残り");
  EXPECT_EQ(doc->GetCurrentTree(), 2) << "the caret follows the new tree";

  // The top tree has no siblings: the new tree goes below it, and that is what is kept.
  Press(ListOf(doc), WXK_HOME);
  ASSERT_EQ(doc->GetCurrentTree(), 0);
  EditOf(doc).SetLongText("上");
  EditOf(doc).SetSel(0, 2);
  ASSERT_TRUE(Split(doc));
  EXPECT_EQ(doc->GetTree().GetLevel(doc->GetCurrentTree()), 1);
  EXPECT_EQ(AfxGetProfileInt("System", "SplitSameLevel", -1), 0);
}

TEST_F(SplitJoinTest, TheDialogCanRenameOrCancelTheSplit) {
  AfxWriteProfileInt("System", "SplitDlg", 1);
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  EditOf(doc).SetLongText("題\r\n本文");
  EditOf(doc).SetSel(0, 8);
  EXPECT_FALSE(TextOf(doc)->SplitSelection([](CSplitDlg&) { return false; }));
  EXPECT_EQ(doc->GetTree().GetDirDataCount(), 4);
  EXPECT_EQ(Text(doc), "題\r\n本文");

  std::string proposed;
  ASSERT_TRUE(TextOf(doc)->SplitSelection([&](CSplitDlg& dialog) {
    proposed = dialog.m_strTitle.str();
    dialog.m_strTitle = "改名";
    return true;
  }));
  EXPECT_EQ(proposed, "題");
  EXPECT_EQ(doc->GetTree().GetName(2).str(), "改名");
  EXPECT_EQ(Stored(doc, 2), "題\r\n本文");
}

// The new tree's title and file as typed: characters without a Shift JIS form are named once.
TEST_F(SplitJoinTest, TheDialogTellsOfCharactersTheTitleCannotKeep) {
  CSplitDlg dialog(m_frame);
  dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CSplitDlg::IDC_TITLE))->ChangeValue(wxString(L"\U00020BB7\u91CE\u5BB6"));
  dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CSplitDlg::IDC_FILE))->ChangeValue(wxString(L"\U0001F600.txt"));
  ScopedMessageBoxHook boxes(IDOK);
  ASSERT_TRUE(dialog.TransferDataFromWindow());
  ASSERT_TRUE(dialog.TransferDataFromWindow());
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("(U+20BB7)"), std::string::npos);
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("(U+1F600)"), std::string::npos);
  EXPECT_EQ(dialog.m_strTitle.str(), "?野家");
  EXPECT_EQ(dialog.m_strFile.str(), "?.txt");
}

TEST_F(SplitJoinTest, JoinIsOfferedOnlyWithADeeperOrEqualNextTree) {
  CKestavonDoc* doc = OpenOutline({"top", "top/a", "top/a/b", "top/c"});
  const bool expected[] = {false, true, false, false};  // top; a (child b follows); b (c is shallower); c (last)
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(TextEnabled(doc, ID_TREE_JOIN), expected[i]) << i;
    if (i < 3) Down(doc);
  }
}

TEST_F(SplitJoinTest, JoinAppendsTheNextTitleAndTextAndKeepsItsChildren) {
  CKestavonDoc* doc = OpenOutline({"top", "top/a", "top/b", "top/b/x", "top/c"}, [](ATREE& tree) {
    tree.SetText(1, "A");
    tree.SetText(2, "B");
  });
  Down(doc);
  ASSERT_TRUE(Command(doc, ID_TREE_JOIN));
  EXPECT_EQ(Titles(doc), (std::vector<std::string>{"top", "-a", "--x", "-c"}));
  EXPECT_EQ(Stored(doc, 1), "A\r\n\r\nb\r\n\r\nB\r\n");
  EXPECT_EQ(Text(doc), "A\r\n\r\nb\r\n\r\nB\r\n");

  // An empty next tree brings its title alone.
  ASSERT_TRUE(Command(doc, ID_TREE_JOIN));
  EXPECT_EQ(Titles(doc), (std::vector<std::string>{"top", "-a", "-c"}));
  EXPECT_EQ(Stored(doc, 1), "A\r\n\r\nb\r\n\r\nB\r\n\r\nx\r\n");
  doc->Undo();
  EXPECT_EQ(Titles(doc), (std::vector<std::string>{"top", "-a", "--x", "-c"}));
}

TEST_F(SplitJoinTest, JoiningAFirstChildKeepsTheOtherChildren) {
  CKestavonDoc* doc = OpenOutline({"top", "top/a", "top/a/b", "top/a/b/x", "top/a/c"});
  Down(doc);
  ASSERT_TRUE(Command(doc, ID_TREE_JOIN));
  EXPECT_EQ(Titles(doc), (std::vector<std::string>{"top", "-a", "--x", "--c"}));
}

TEST(TextCounts, CharactersCountOnceAndPagesStartAtOne) {
  EXPECT_EQ(PagesOf(0, 400), 1);
  EXPECT_EQ(PagesOf(400, 400), 2);
  EXPECT_EQ(PagesOf(2, 400), 1);
  EXPECT_EQ(PagesOf(800, 0), 3) << "a per-page value below 1 counts as 400";
  EXPECT_EQ(PagesOf(800, -5), 3);
}

TEST_F(SplitJoinTest, CountsCoverTheOutlineTheSubtreeAndTheSelection) {
  CKestavonDoc* doc = OpenOutline({"top", "top/ab", "top/ab/日本", "top/c"}, [](ATREE& tree) { tree.SetText(2, "語"); });
  const TextCounts counts = CountOutline(doc->GetTree(), 1, "日本");
  EXPECT_EQ(counts.selection, 2);
  EXPECT_EQ(counts.current, 2);
  // The stored text has its line end: 語 CR LF.
  EXPECT_EQ(counts.withChildren, 2 + 2 + 3);
  EXPECT_EQ(counts.total, 3 + 2 + 5 + 1);
  EXPECT_EQ(counts.trees, 4);
  EXPECT_EQ(counts.childTrees, 1);
  EXPECT_EQ(counts.perLevel[0], 2);
  EXPECT_EQ(counts.perLevel[1], 1);
}

}  // namespace
