#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "app/CFindListDlg.h"
#include "app/CWordListBox.h"
#include "app/CMarkDlg.h"
#include "app/CRepDlg.h"
#include "app/CSearchDlg.h"
#include "shell/CKestaFrame.h"
#include "model/CDirData.h"
#include "foundation/TextSearch.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/PrivateProfile.h"
#include "resources/CommandIds.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "textarea/CIEditView.h"

namespace {

using treepane_test::TreePaneTest;

class TreeFindTest : public TreePaneTest {
 protected:
  void SetUp() override {
    TreePaneTest::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(CWrila::RegisterControlLibrary());
  }

  // Top, three items under it and one below the second; texts as given.
  CKestavonDoc* OpenFive(const std::function<void(ATREE&)>& more = nullptr) {
    return OpenOutline({"top", "top/one", "top/two", "top/two/deep", "top/three"}, [&](ATREE& tree) {
      tree.SetText(1, "りんごの本文");
      tree.SetText(2, "みかん\r\nりんご二つ");
      tree.SetText(3, "ぶどう");
      tree.SetText(4, "りんご");
      if (more) more(tree);
    });
  }
  // Runs the command with the find dialog answered OK after set filled it.
  void FindWith(int command, const std::function<void(CSearchDlg&)>& set,
                const std::function<int(CFindListDlg&)>& list = nullptr) {
    ModalAnswers answers([&](wxDialog* dialog) -> int {
      if (auto* find = dynamic_cast<CSearchDlg*>(dialog)) {
        find->m_strSearch.Empty();
        find->m_nCategory = -1;
        find->m_bTitle = find->m_bTextArea = TRUE;
        find->m_bLink = find->m_bRegExp = find->m_bSelectOnly = FALSE;
        find->m_nMulti = 0;
        set(*find);
        return wxID_OK;
      }
      if (auto* found = dynamic_cast<CFindListDlg*>(dialog)) return list ? list(*found) : wxID_CANCEL;
      return wxID_CANCEL;
    });
    Command(command);
  }
  void FindWord(const char* word) {
    FindWith(ID_EDIT_FIND, [word](CSearchDlg& d) { d.m_strSearch = word; });
  }
  static std::string Shown(const ScopedMessageBoxHook& boxes) {
    return boxes.Calls().empty() ? std::string() : boxes.Calls().back().text.str();
  }
};

TEST_F(TreeFindTest, FindSelectsTheItemAndTheHitInItsText) {
  CKestavonDoc* doc = OpenFive();
  ScopedMessageBoxHook boxes(IDOK);
  FindWord("本文");
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  // "りんごの" is eight bytes.
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 12L));
  EXPECT_EQ(doc->GetTree().GetSearch().GetFoundInText(), 0);
  EXPECT_TRUE(boxes.Calls().empty());

  // A title hit selects the item and leaves its text alone.
  FindWord("deep");
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(0L, 0L));

  FindWord("ありえない");
  EXPECT_EQ(Shown(boxes), "見つかりません");
  EXPECT_EQ(doc->GetCurrentTree(), 3);
}

TEST_F(TreeFindTest, EmptyWordStopsAtACategoryOrAnUpdateRange) {
  CKestavonDoc* doc = OpenFive([](ATREE& tree) {
    tree.EditDirData(3)->SetCategory(2);
    tree.EditDirData(4)->SetCategory(2);
    for (int i = 0; i < 5; ++i) tree.EditDirData(i)->SetUpdateTime(COleDateTime(2020, 1, 1, 0, 0, 0));
    tree.EditDirData(2)->SetUpdateTime(COleDateTime(2024, 5, 5, 12, 0, 0));
  });
  ScopedMessageBoxHook boxes(IDOK);
  FindWith(ID_EDIT_FIND, [](CSearchDlg& d) { d.m_nCategory = 2; });
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  EXPECT_TRUE(IsEnabled(ID_EDIT_FIND_NEXT)) << "a category alone is something to find";
  Command(ID_EDIT_FIND_NEXT);
  EXPECT_EQ(doc->GetCurrentTree(), 4);

  FindWith(ID_EDIT_FIND, [](CSearchDlg& d) {
    d.m_timeFrom = COleDateTime(2024, 1, 1, 0, 0, 0);
    d.m_timeTo.SetStatus(COleDateTime::null);
  });
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  // The hidden item below it was unfolded on the way.
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TreeFindTest, FindNextGoesOnThroughTheItemsAndPreviousComesBack) {
  CKestavonDoc* doc = OpenFive();
  ScopedMessageBoxHook boxes(IDOK);
  EXPECT_FALSE(IsEnabled(ID_EDIT_FIND_NEXT)) << "nothing to look for yet";
  FindWord("りんご");
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  // The text pane takes the next hits: none more in item 1, so item 2's text, then item 4.
  Command(ID_EDIT_FIND_NEXT);
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 14L));
  Command(ID_EDIT_FIND_NEXT);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  Command(ID_EDIT_FIND_NEXT);
  EXPECT_EQ(Shown(boxes), "見つかりません");
  EXPECT_EQ(doc->GetCurrentTree(), 4);

  // Backward from the tree pane: item 2's hit is selected from the end of its text.
  ViewOf(doc)->JumpToTree(4);
  ViewOf(doc)->GetEventHandler()->ProcessEvent(*std::make_unique<wxCommandEvent>(wxEVT_MENU, ID_EDIT_FIND_PREV));
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 14L));

  // On the top item the search looks at the top item itself.
  ViewOf(doc)->JumpToTree(0);
  doc->GetTree().GetSearch().SetSearchText("top");
  ViewOf(doc)->GetEventHandler()->ProcessEvent(*std::make_unique<wxCommandEvent>(wxEVT_MENU, ID_EDIT_FIND_PREV));
  EXPECT_EQ(doc->GetCurrentTree(), 0);
}

TEST_F(TreeFindTest, ABadPatternIsReportedAndFindsNothing) {
  if (!CSearchDlg::RegExpAvailable()) GTEST_SKIP() << "no regular expressions";
  CKestavonDoc* doc = OpenFive();
  ScopedMessageBoxHook boxes(IDOK);
  FindWith(ID_EDIT_FIND, [](CSearchDlg& d) {
    d.m_strSearch = "(りんご";
    d.m_bRegExp = TRUE;
  });
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_NE(Shown(boxes), "見つかりません");
  EXPECT_EQ(doc->GetCurrentTree(), 0);

  // A good pattern finds by line; a hit in a text is selected there.
  FindWith(ID_EDIT_FIND, [](CSearchDlg& d) {
    d.m_strSearch = "^りんご二";
    d.m_bRegExp = TRUE;
  });
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(8L, 16L));
}

TEST_F(TreeFindTest, ReplaceInTreesIsOneUndoAndKeepsWhatWasTyped) {
  CKestavonDoc* doc = OpenFive();
  ViewOf(doc)->JumpToTree(2);
  CWrilaCtrl& edit = TextPaneOf(doc)->GetEditCtrl();
  // Typing into the pane, not yet written back into the item.
  edit.SetSel(0, 0);
  TextPaneOf(doc)->SetFocus();
  edit.SetSelText("りんご追加");
  TextPaneOf(doc)->OnTextEdited();
  ScopedMessageBoxHook boxes(IDOK);
  ModalAnswers answers([](wxDialog* dialog) -> int {
    auto* replace = dynamic_cast<CRepDlg*>(dialog);
    if (!replace) return wxID_CANCEL;
    replace->m_strFind = "りんご";
    replace->m_strReplace = "林檎";
    replace->m_bTextArea = TRUE;
    replace->m_bRegExp = FALSE;
    return wxID_OK;
  });
  Command(ID_EDIT_REPLACE);
  EXPECT_EQ(Shown(boxes), "2個を置換しました");
  const ATREE& tree = doc->GetTree();
  EXPECT_EQ(tree.GetText(2).str(), "林檎追加みかん\r\n林檎二つ\r\n");
  EXPECT_EQ(tree.GetText(1).str(), "りんごの本文\r\n") << "only the current tree and those below it";
  EXPECT_EQ(edit.GetText().str(), "林檎追加みかん\r\n林檎二つ\r\n");
  EXPECT_TRUE(doc->IsModified());

  doc->Undo();
  EXPECT_EQ(doc->GetTree().GetText(2).str(), "りんご追加みかん\r\nりんご二つ\r\n");
}

TEST_F(TreeFindTest, RegularExpressionReplaceReportsWithoutACount) {
  if (!CSearchDlg::RegExpAvailable()) GTEST_SKIP() << "no regular expressions";
  CKestavonDoc* doc = OpenFive();
  ScopedMessageBoxHook boxes(IDOK);
  ModalAnswers answers([](wxDialog* dialog) -> int {
    auto* replace = dynamic_cast<CRepDlg*>(dialog);
    replace->m_strFind = "t(w)o";
    replace->m_strReplace = "T$1O";
    replace->m_bTextArea = FALSE;
    replace->m_bRegExp = TRUE;
    return wxID_OK;
  });
  Command(ID_EDIT_REPLACE);
  EXPECT_EQ(Shown(boxes), "置換を完了しました");
  EXPECT_EQ(doc->GetTree().GetName(2).str(), "TwO");
  EXPECT_EQ(doc->GetTree().GetDirData(3)->m_strPath.str(), "top\x01TwO\x01" "deep");
}

TEST_F(TreeFindTest, SearchListMarksEveryHitAndJumpsToTheChosenItem) {
  CKestavonDoc* doc = OpenFive([](ATREE& tree) { tree.SetText(4, "りんご、りんご\r\nまたりんご"); });
  ScopedMessageBoxHook boxes(IDOK);
  std::vector<std::string> titles;
  FindWith(
      ID_EDIT_SEARCH_LIST,
      [](CSearchDlg& d) {
        d.m_strSearch = "りんご";
        d.m_bCase = TRUE;
        d.m_bWidth = FALSE;
      },
      [&](CFindListDlg& list) {
        for (unsigned i = 0; i < 3; ++i)
          titles.push_back(list.ListTitle(doc->GetTree().GetDirData(static_cast<int>(i + 1))->m_strPath).str());
        // The hit titles stand in the coloured word list, which marks the search word in them
        // with the search's own case and width rules.
        auto* hitList = dynamic_cast<CWordListBox*>(list.FindWindow(CFindListDlg::IDC_LIST));
        EXPECT_NE(hitList, nullptr);
        if (hitList) {
          EXPECT_EQ(hitList->GetCount(), 3);
          EXPECT_EQ(std::string(hitList->GetText(2)), "three");
          EXPECT_EQ(std::string(hitList->m_strWord), "りんご");
          EXPECT_EQ(hitList->m_nSearchOptions, FIND_IGNORE_WIDTH);
          EXPECT_TRUE(hitList->m_bMarkWords);
        }
        list.ShowHit(2);
        // Three hits: blue bold, the first one selected.
        EXPECT_EQ(list.GetMarks().size(), 3u);
        wxTextCtrl* text = list.GetTextView();
        long from = 0;
        long to = 0;
        text->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 3);
        wxTextAttr style;
        EXPECT_TRUE(text->GetStyle(10, style));  // inside "またりんご" on the second line
        EXPECT_EQ(style.GetTextColour(), wxColour(0, 0, 255));
        EXPECT_EQ(style.GetFontWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_TRUE(text->GetStyle(3, style));
        EXPECT_NE(style.GetFontWeight(), wxFONTWEIGHT_BOLD);
        list.m_nResult = 4;
        return wxID_OK;
      });
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  EXPECT_EQ(TextSelectionOf(doc), std::make_pair(0L, 6L)) << "the hit in the text goes to the text pane";
  EXPECT_EQ(titles, (std::vector<std::string>{"one", "two", "deep"}));

  // Under the selected tree only: item 2 and its child, of which only item 2 holds the word.
  ViewOf(doc)->JumpToTree(2);
  size_t hits = 0;
  FindWith(
      ID_EDIT_SEARCH_LIST,
      [](CSearchDlg& d) {
        d.m_strSearch = "りんご";
        d.m_bSelectOnly = TRUE;
      },
      [&](CFindListDlg& list) {
        hits = list.GetMarks().size();
        return wxID_CANCEL;
      });
  EXPECT_EQ(hits, 1u);
}

TEST(FindListTitle, CutsBeforeTheLastByte2) {
  EXPECT_EQ(CFindListDlg::ListTitle("a\x01" "b\x02" "c\x02" "d").str(), "b\x02" "c");
  EXPECT_EQ(CFindListDlg::ListTitle("a").str(), "a");
}

TEST_F(TreeFindTest, MarksStepWrapAndJump) {
  CKestavonDoc* doc = OpenFive([](ATREE& tree) {
    tree.SetBookmark(0, 1);
    tree.SetBookmark(2, 1);
    tree.SetBookmark(3, 1);
    tree.EditDirData(3)->m_nView = 0;
  });
  ScopedMessageBoxHook boxes(IDOK);
  CTrView* view = ViewOf(doc);
  ASSERT_EQ(view->GetMarkPaths().GetSize(), 3);
  view->JumpToTree(2);
  Command(ID_MARK_NEXT);
  EXPECT_EQ(doc->GetCurrentTree(), 3) << "a hidden marked item is unfolded";
  Command(ID_MARK_NEXT);
  EXPECT_EQ(doc->GetCurrentTree(), 2) << "the wrap starts below the top item";
  Command(ID_MARK_PREV);
  EXPECT_EQ(doc->GetCurrentTree(), 3) << "the wrap backward starts at the last item";
  EXPECT_FALSE(doc->IsModified());

  // The menu entry of the top item's mark reaches it.
  Command(ID_MARK_FIRST);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  // A path that names no item any more leaves everything as it was.
  doc->GetTree().RenameTree(2, "renamed", "");
  Command(ID_MARK_FIRST + 1);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TreeFindTest, ToggleIsUndoableAndFiltersChangeNothingElse) {
  CKestavonDoc* doc = OpenFive([](ATREE& tree) { tree.EditDirData(4)->m_nStatus |= 1; });
  ScopedMessageBoxHook boxes(IDOK);
  Command(ID_MARK_NEXT);
  EXPECT_EQ(Shown(boxes), "見つかりません");

  ViewOf(doc)->JumpToTree(1);
  Command(ID_MARK_TOGGLE);
  EXPECT_EQ(doc->GetTree().GetBookmark(1), 1);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_TRUE(doc->CanUndo());
  auto* frame = dynamic_cast<CKestaFrame*>(ViewOf(doc)->GetParentFrame());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->m_aMarkNames.GetSize(), 1);
  doc->Undo();
  EXPECT_EQ(doc->GetTree().GetBookmark(1), 0);
  EXPECT_TRUE(doc->CanRedo());

  doc->SetModifiedFlag(FALSE);
  Command(ID_VIEW_CHECKED_ONLY);
  EXPECT_EQ(ListOf(doc)->GetCount(), 2) << "the top item and the checked one";
  EXPECT_FALSE(doc->IsModified());
  EXPECT_TRUE(doc->CanRedo()) << "the undo stack is as it was";
  Command(ID_VIEW_UNCHECKED_ONLY);
  EXPECT_EQ(doc->GetTree().GetCheckFilter(), 2);
  EXPECT_EQ(ListOf(doc)->GetCount(), 4);
  Command(ID_VIEW_ALL_CHECKS);
  EXPECT_EQ(ListOf(doc)->GetCount(), 5);
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(TreeFindTest, ClearMarksBelowAsksFirstAndFortyOneMarksAreAllReached) {
  std::vector<std::string> paths = {"top"};
  for (int i = 0; i < 41; ++i) paths.push_back("top/m" + std::to_string(i));
  CKestavonDoc* doc = OpenOutline(paths, [](ATREE& tree) {
    for (int i = 1; i <= 41; ++i) tree.SetBookmark(i, 1);
  });
  auto* frame = dynamic_cast<CKestaFrame*>(ViewOf(doc)->GetParentFrame());
  EXPECT_EQ(frame->m_aMarkNames.GetSize(), 41);
  EXPECT_EQ(frame->m_aMarkNames[40].str(), "m40");
  ViewOf(doc)->JumpToTree(40);
  Command(ID_MARK_NEXT);
  EXPECT_EQ(doc->GetCurrentTree(), 41);

  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    ViewOf(doc)->JumpToTree(0);
    Command(ID_MARK_CLEAR_BELOW);
    EXPECT_EQ(cancel.Calls().at(0).text.str(), "配下のﾏｰｸを全て削除しますか？");
  }
  EXPECT_FALSE(doc->CanUndo());
  ScopedMessageBoxHook ok(IDOK);
  Command(ID_MARK_CLEAR_BELOW);
  EXPECT_EQ(frame->m_aMarkNames.GetSize(), 0);
  EXPECT_TRUE(doc->CanUndo());
}

TEST_F(TreeFindTest, MarkTextsGoToTheSettings) {
  OpenFive();
  ModalAnswers answers([](wxDialog* dialog) -> int {
    auto* marks = dynamic_cast<CMarkDlg*>(dialog);
    EXPECT_EQ(marks->m_strCheck.str(), "○");
    EXPECT_EQ(marks->m_strDelCheck.str(), "○×");
    marks->m_strCheck = "[x]";
    marks->m_strNormal = "[ ]";
    return wxID_OK;
  });
  Command(ID_SETTINGS_MARK_TEXT);
  EXPECT_EQ(std::string(AfxGetProfileString("Mark", "Check", "").str()), "[x]");
  EXPECT_EQ(std::string(AfxGetProfileString("Mark", "Normal", "-").str()), "[ ]");
  EXPECT_EQ(std::string(AfxGetProfileString("Mark", "Del", "").str()), "×");
}

}  // namespace
