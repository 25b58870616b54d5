// The tree pane in an outline window: the refill, the first selection with the jump switches, the
// selection and the document's current item in step, the status bar, the read-only title, the
// update handlers of the command table and the folding commands.
#include <sys/stat.h>

#include <wx/app.h>
#include <wx/menu.h>

#include "model/dialogs/CReadOnlyDlg.h"
#include "model/CDirData.h"
#include "model/CTreeData.h"
#include "platform/base/CodePage.h"
#include "platform/base/PrivateProfile.h"
#include "resources/CommandIds.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"

namespace treepane_test {
namespace {

const std::vector<std::string> kFive = {"Top", "Top/A", "Top/A/A1", "Top/B", "Top/C"};

std::vector<std::string> Many(int count, const std::string& title = "item") {
  std::vector<std::string> paths = {"Top"};
  for (int i = 0; i < count; ++i) paths.push_back("Top/" + title + std::to_string(i));
  return paths;
}

TEST_F(TreePaneTest, FiveItemsShowFiveRowsAndARefillBeyondTheEndSelectsTheLast) {
  CKestavonDoc* doc = OpenOutline(kFive);
  ASSERT_NE(doc, nullptr);
  CTrView* view = ViewOf(doc);
  COwnerListBox* list = view->GetListBox();
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "A", "A1", "B", "C"}));
  EXPECT_EQ(list->GetCurSel(), 0);
  EXPECT_EQ(doc->GetCurrentTree(), 0);

  view->RefillList(99);
  EXPECT_EQ(list->GetCurSel(), 4);
  EXPECT_EQ(doc->GetCurrentTree(), 4);

  // Every row gets the font's height plus the spacing; the entries are the model's rows.
  for (int i = 0; i < list->GetCount(); ++i) {
    EXPECT_EQ(list->GetItemDataPtr(i), doc->GetTree().GetRows().GetTreeData(i));
    EXPECT_GT(list->GetItemHeight(i), list->m_nTreeHeight + 1);
  }

  // An empty model leaves an empty list and no current item.
  doc->GetTree().RemoveAll();
  doc->GetTree().MakeTreeData();
  view->RefillList(0);
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(doc->GetCurrentTree(), -1);
}

TEST_F(TreePaneTest, TopRowAndHorizontalPositionSurviveARefillAndTheTopIsClamped) {
  CKestavonDoc* doc = OpenOutline(Many(80, std::string(60, 'w')));
  CTrView* view = ViewOf(doc);
  COwnerListBox* list = view->GetListBox();
  ASSERT_GT(list->GetHorizontalExtent(), list->GetClientSize().GetWidth());
  list->SetTopIndex(20);
  list->SetHScrollPos(40);
  list->SetCurSel(25);
  view->RefillList(-1);
  EXPECT_EQ(list->GetTopIndex(), 20);
  EXPECT_EQ(list->GetHScrollPos(), 40);
  EXPECT_EQ(list->GetCurSel(), 25);

  // Folding the root leaves one row: the top row follows it.
  list->SetCurSel(0);
  list->SetTopIndex(60);
  view->HideSubtree();
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(list->GetTopIndex(), 0);
}

TEST_F(TreePaneTest, JumpSwitchesChooseTheFirstItemAndAreResetEitherWay) {
  struct Case {
    int number;
    const char* title;
    int selected;
  };
  // Item 3 ("B") is hidden under a folded parent in the file: a jump to it unfolds it.
  const std::string file = WriteOutline("jump.kvn", {"Top", "Top/A", "Top/A/A1", "Top/A/A1/x", "Top/B"},
                                        [](ATREE& tree) { tree.EditDirData(3)->m_nView = 0; });
  for (const Case& c : {Case{3, "", 2}, Case{99, "", 0}, Case{4, "", 3}, Case{0, "B", 4}, Case{0, "none", 0}}) {
    SCOPED_TRACE(c.number);
    m_app->m_nJumpNumber = c.number;
    m_app->m_strJumpTitle = c.title;
    CKestavonDoc* doc = Open(file);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetCurrentTree(), c.selected);
    EXPECT_EQ(ListOf(doc)->GetCurTree(), c.selected);
    EXPECT_EQ(m_app->m_nJumpNumber, 0);
    EXPECT_TRUE(m_app->m_strJumpTitle.IsEmpty());
    m_app->CloseAllDocuments();
  }
}

TEST_F(TreePaneTest, TheStoredFirstItemIsSelectedWhenAutoFirstIsOn) {
  const std::string file = WriteOutline("first.kvn", kFive, [](ATREE& tree) { tree.GetProperties().m_nFirstLine = 3; });
  CKestavonDoc* doc = Open(file);
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  m_app->CloseAllDocuments();
  Setting("System", "AutoFirst", "0");
  doc = Open(file);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
}

TEST_F(TreePaneTest, SelectionChangesMoveTheCurrentItemAndTheStatusBar) {
  CKestavonDoc* doc = OpenOutline(kFive, [](ATREE& tree) {
    tree.EditDirData(2)->SetUpdateTime(COleDateTime(2025, 1, 2, 3, 4, 0));
    tree.SetLink(3, "memo.txt");
  });
  COwnerListBox* list = ListOf(doc);
  EXPECT_EQ(StatusText(), "Top");

  RECT r;
  list->GetItemRect(2, &r);
  Click(list, r.right - 5, r.top + 1);
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  EXPECT_EQ(StatusText(), "A > A1 (2025/01/02 03:04)");

  ViewOf(doc)->SelectNextRow();
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  EXPECT_EQ(StatusText(), "B　ﾘﾝｸﾌｧｲﾙ:memo.txt");

  m_app->m_bStatusBarFull = 0;
  Command(ID_WORK_NEXT_TREE);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  EXPECT_EQ(StatusText(), "C");
  Command(ID_WORK_NEXT_TREE);  // at the end nothing changes
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  Command(ID_WORK_PREV_TREE);
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  ViewOf(doc)->SelectPrevRow();
  ViewOf(doc)->SelectPrevRow();
  ViewOf(doc)->SelectPrevRow();
  ViewOf(doc)->SelectPrevRow();
  EXPECT_EQ(doc->GetCurrentTree(), 0);
}

TEST_F(TreePaneTest, AReadOnlyDocumentsTitleSaysSo) {
  const std::string file = WriteOutline("locked.kvn", kFive);
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  ModalAnswers answers([](wxDialog*) { return wxID_OK; });
  CKestavonDoc* doc = Open(file);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(std::string(doc->GetTitle()), "locked.kvn(読込専用)");
  chmod(file.c_str(), 0644);
}

TEST_F(TreePaneTest, CommandsOfThePaneAreEnabledOnlyWhereTheyCanAct) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/A/A1", "Top/A/A1/x", "Top/B"},
                                  [](ATREE& tree) { tree.EditDirData(3)->m_nView = 0; });
  COwnerListBox* list = ListOf(doc);
  // Commands whose work is not in the pane yet are disabled.
  for (int id : std::initializer_list<int>{ID_TREE_ADD_URL}) {
    EXPECT_FALSE(IsEnabled(id)) << std::hex << id;
  }

  struct Case {
    int row;
    bool showBelow, hideBelow, showAll, toggle;
  };
  // Row 0: unfolded with A1's child hidden; row 1 (A): unfolded, x hidden; row 2 (A1): folded;
  // row 3 (B): a leaf.
  for (const Case& c : {Case{0, false, true, true, true}, Case{1, false, true, true, true},
                        Case{2, true, false, true, true}, Case{3, false, false, false, false}}) {
    SCOPED_TRACE(c.row);
    list->SetCurSel(c.row);
    EXPECT_EQ(IsEnabled(ID_TREE_SHOW_BELOW), c.showBelow);
    EXPECT_EQ(IsEnabled(ID_TREE_HIDE_BELOW), c.hideBelow);
    EXPECT_EQ(IsEnabled(ID_TREE_SHOW_ALL_BELOW), c.showAll);
    EXPECT_EQ(IsEnabled(ID_WORK_TOGGLE_BELOW), c.toggle);
  }
  list->SetCurSel(1);
  Command(ID_TREE_SHOW_ALL_BELOW);  // everything below A
  EXPECT_EQ(list->GetCount(), 5);
  EXPECT_FALSE(IsEnabled(ID_TREE_SHOW_ALL_BELOW));
}

TEST_F(TreePaneTest, FoldOrMoveCommandsAndStagedDisplay) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/A/b", "Top/A/b/c", "Top/A/b/c/d", "Top/A/b/c/d/e", "Top/B"});
  COwnerListBox* list = ListOf(doc);
  ATREE& tree = doc->GetTree();
  list->SetCurSel(1);
  Command(ID_TREE_HIDE_BELOW);
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "A", "B"}));
  Command(ID_TREE_SHOW_LEVELS3);  // b, c, d; e keeps its hidden flag
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "A", "b", "c", "d", "B"}));
  EXPECT_EQ(list->GetCurSel(), 1);

  Command(ID_TREE_HIDE_BELOW);
  Command(ID_TREE_SHOW_OR_DOWN);  // folded: unfolds one level, selection stays
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "A", "b", "B"}));
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  Command(ID_TREE_SHOW_OR_DOWN);  // unfolded: goes down
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  Command(ID_TREE_HIDE_OR_UP);  // b is folded: goes to the parent
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  Command(ID_TREE_HIDE_OR_UP);  // A is unfolded: folds it
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "A", "B"}));
  EXPECT_EQ(doc->GetCurrentTree(), 1);

  list->SetCurSel(2);
  Command(ID_TREE_SHOW_OR_DOWN);  // B is the last row and a leaf: nothing happens
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(tree.GetDirDataCount(), 7);

  // Double-clicking an item with children toggles it.
  list->SetCurSel(1);
  wxCommandEvent dclick(wxEVT_LISTBOX_DCLICK, COwnerListBox::kControlId);
  dclick.SetEventObject(list);
  list->GetEventHandler()->ProcessEvent(dclick);
  EXPECT_TRUE(tree.IsExpanded(1));
  list->GetEventHandler()->ProcessEvent(dclick);
  EXPECT_FALSE(tree.IsExpanded(1));
}

TEST_F(TreePaneTest, ContextMenuOffersHidingForAnUnfoldedItemAndListsTheBookmarkedFiles) {
  CKestavonDoc* doc = OpenOutline(kFive);
  COwnerListBox* list = ListOf(doc);
  m_app->m_bookmarkFiles.Add("/home/user/予定.kvn");
  list->SetCurSel(1);  // A, unfolded
  std::unique_ptr<wxMenu> menu = ViewOf(doc)->MakeContextMenu();
  ASSERT_NE(menu, nullptr);
  size_t hide = 0;
  ASSERT_NE(menu->FindChildItem(ID_TREE_HIDE_BELOW, &hide), nullptr);
  EXPECT_EQ(menu->FindChildItem(ID_TREE_SHOW_ALL_BELOW), nullptr);
  EXPECT_EQ(WxToCP932(menu->FindItemByPosition(hide)->GetItemLabel()).str(), "この下を非表示(&Z)");
  wxMenu* bookmarks = menu->FindItemByPosition(30)->GetSubMenu();
  ASSERT_NE(bookmarks, nullptr);
  EXPECT_NE(bookmarks->FindItem(BookmarkFileList::kFirstCommand), nullptr);

  list->SetCurSel(2);  // A1, a leaf
  menu = ViewOf(doc)->MakeContextMenu();
  size_t showAll = 0;
  ASSERT_NE(menu->FindChildItem(ID_TREE_SHOW_ALL_BELOW, &showAll), nullptr);
  EXPECT_EQ(showAll, hide);
}

TEST_F(TreePaneTest, RowFontsComeFromTheFontSectionWithBoldAndStruckVariants) {
  Setting("Font", "FaceName", "ＭＳ 明朝");
  Setting("Font", "Size", "-20");
  Setting("Font", "Italic", "1");
  COwnerListBox* list = ListOf(OpenOutline(kFive));
  struct Case {
    const CFont* font;
    LONG weight;
    BYTE strike;
  };
  for (const Case& c : {Case{&list->m_fontTree, FW_NORMAL, 0}, Case{&list->m_fontBold, FW_BOLD, 0},
                        Case{&list->m_fontStrike, FW_NORMAL, 1}}) {
    LOGFONT lf;
    ASSERT_TRUE(c.font->GetLogFont(&lf));
    EXPECT_EQ(std::string(lf.lfFaceName), "ＭＳ 明朝");
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfWeight, c.weight);
    EXPECT_EQ(lf.lfStrikeOut, c.strike);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
  }
  // Saved into another section and read back, the font is the same.
  CTrView::SaveProfileFont(list->m_fontBold, "PrintFont");
  CFont again;
  CTrView::LoadProfileFont(again, "PrintFont", "x", -9, FALSE);
  LOGFONT a, b;
  list->m_fontBold.GetLogFont(&a);
  again.GetLogFont(&b);
  EXPECT_EQ(std::string(b.lfFaceName), std::string(a.lfFaceName));
  EXPECT_EQ(b.lfHeight, a.lfHeight);
  EXPECT_EQ(b.lfWeight, FW_BOLD);
}

TEST_F(TreePaneTest, ScrollCommandsStopAtTheEnds) {
  CKestavonDoc* doc = OpenOutline(Many(5));
  COwnerListBox* list = ListOf(doc);
  list->SetTopIndex(0);
  Command(ID_WORK_SCROLL_UP);
  EXPECT_EQ(list->GetTopIndex(), 0);
  Command(ID_WORK_SCROLL_DOWN);
  EXPECT_EQ(list->GetTopIndex(), 1);
  list->SetTopIndex(list->GetCount() - 1);
  Command(ID_WORK_SCROLL_DOWN);
  EXPECT_EQ(list->GetTopIndex(), list->GetCount() - 1);
}

TEST_F(TreePaneTest, WrappedTitlesGetTallerRows) {
  Setting("View", "Turn", "1");
  CKestavonDoc* doc = OpenOutline({"Top", "Top/short", "Top/" + std::string(300, 'x') + " " + std::string(300, 'y')});
  COwnerListBox* list = ListOf(doc);
  ASSERT_EQ(list->m_bTurn, 1);
  EXPECT_GT(list->GetItemHeight(2), 2 * list->GetItemHeight(1) - 2 * list->m_nTreeHeight);
  EXPECT_EQ(list->GetHorizontalExtent(), list->GetClientSize().GetWidth() - 2);
  // A pane narrower than the indent still measures against 10 pixels.
  ViewOf(doc)->SetSize(20, 300);
  EXPECT_GT(list->GetItemHeight(2), list->GetItemHeight(1));
}

}  // namespace
}  // namespace treepane_test
