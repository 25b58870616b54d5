#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/statusbr.h>

#include <string>

#include "app/CKinsokuSettings.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/base/CodePage.h"
#include "platform/com/ComActivation.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/VirtualKeys.h"
#include "resources/CommandIds.h"
#include "tests/shell/textarea/TextPaneFixture.h"
#include "textarea/CIEditView.h"

namespace {

using textpane_test::TextPaneTest;

// Item texts come back from the file with a line end after their last line.

TEST_F(TextPaneTest, SelectingAnItemShowsItsTextWithoutModifyingTheDocument) {
  CKestavonDoc* doc = OpenTexts();
  ASSERT_TRUE(doc);
  ASSERT_TRUE(EditOf(doc).HasControl());
  EXPECT_EQ(Text(doc), "");
  Down(doc, 2);
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  EXPECT_EQ(Text(doc), "二つ目\r\n二行目\r\n");
  EXPECT_EQ(EditOf(doc).GetSelStart(), 0);
  EXPECT_FALSE(EditOf(doc).GetModified());
  EXPECT_FALSE(doc->IsModified());
  EXPECT_FALSE(TextEnabled(doc, ID_EDIT_UNDO)) << "a load is nothing the user can undo";
}

TEST_F(TextPaneTest, TypingMarksTheDocumentAndATreeCommandStoresTextAndCaret) {
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  CWrilaCtrl& edit = EditOf(doc);
  edit.SetSel(6, 6);  // after "一つ目"
  edit.ReplaceSel("と追記");
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(Stored(doc, 1), "一つ目の本文\r\n") << "the model holds the text only after a commit";
  Down(doc);  // a tree command: the text goes back into the item first
  EXPECT_EQ(Stored(doc, 1), "一つ目と追記の本文\r\n");
  EXPECT_EQ(doc->GetTree().GetDirData(1)->m_nCaret, 12);
  EXPECT_EQ(Text(doc), "二つ目\r\n二行目\r\n");
  EXPECT_FALSE(edit.GetModified());
}

TEST_F(TextPaneTest, UndoBackToTheLoadedTextClearsTheModifiedMarkOnlyWhenNothingElseChanged) {
  auto undoAll = [](CKestavonDoc* doc) {
    while (TextEnabled(doc, ID_EDIT_UNDO)) {
      wxCommandEvent undo(wxEVT_MENU, ID_EDIT_UNDO);
      TextOf(doc)->ProcessWindowEvent(undo);
    }
  };
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  CWrilaCtrl& edit = EditOf(doc);
  edit.ReplaceSel("a");
  edit.ReplaceSel("b");
  ASSERT_TRUE(doc->IsModified());
  ASSERT_TRUE(TextEnabled(doc, ID_EDIT_UNDO));
  undoAll(doc);
  EXPECT_EQ(Text(doc), "一つ目の本文\r\n");
  EXPECT_FALSE(doc->IsModified());

  // An outline change that undo in the text cannot take back keeps the mark: the text typed in
  // the first item went into the outline when the selection moved on.
  edit.ReplaceSel("a");
  Down(doc);
  edit.ReplaceSel("b");
  undoAll(doc);
  EXPECT_EQ(Text(doc), "二つ目\r\n二行目\r\n");
  EXPECT_TRUE(doc->IsModified());

  // Nor does undo forget a change that came before the typing and has no undo step, as an
  // imported outline that is in no file yet.
  CKestavonDoc* other =
      Open(WriteOutline("other.kvn", {"top", "top/one"}, [](ATREE& tree) { tree.SetText(1, "本文"); }));
  ASSERT_NE(other, doc);
  Down(other);
  other->SetModifiedFlag(TRUE);
  EditOf(other).ReplaceSel("c");
  undoAll(other);
  EXPECT_EQ(Text(other), "本文\r\n");
  EXPECT_TRUE(other->IsModified());
}

TEST_F(TextPaneTest, CaretModeTwoBringsTheCaretBackAfterSaveAndReopen) {
  m_app->m_nTextCurInit = 2;
  CKestavonDoc* doc = OpenTexts();
  Down(doc, 2);
  EditOf(doc).SetSel(8, 8);  // the start of the second line
  const std::string path = m_dir + "/saved.kvn";
  ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
  m_app->CloseAllDocuments();
  wxTheApp->ProcessIdle();

  doc = Open(path);
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->GetCurrentTree(), 2) << "the document reopens at the item it was saved at";
  EXPECT_EQ(EditOf(doc).GetSelStart(), 8);
  Press(ListOf(doc), WXK_UP);
  Down(doc);
  EXPECT_EQ(EditOf(doc).GetSelStart(), 8);
  Down(doc);
  EXPECT_EQ(EditOf(doc).GetSelStart(), 0) << "an item never shown keeps its caret at the top";
}

TEST_F(TextPaneTest, AutoTitleFollowsTheFirstLineOnceTheCaretLeavesIt) {
  CKestavonDoc* doc = OpenTexts([](ATREE& tree) { tree.GetProperties().m_bAutoTitle = 1; });
  Down(doc, 3);
  CWrilaCtrl& edit = EditOf(doc);
  edit.SetSel(0, 0);
  edit.ReplaceSel("新しい");
  EXPECT_EQ(doc->GetTree().GetName(3).str(), "three") << "typing on the first line renames nothing";
  edit.SetSel(14, 14);  // the second line
  EXPECT_EQ(doc->GetTree().GetName(3).str(), "新しい三つ目");
  EXPECT_EQ(Text(doc), "新しい三つ目\r\n") << "the rename's document update does not reload the text";
  EXPECT_EQ(edit.GetSelStart(), 14);

  edit.SetSel(0, 0);
  edit.SetSel(0, 12);
  edit.ReplaceSel("");
  edit.SetSel(2, 2);
  EXPECT_EQ(doc->GetTree().GetName(3).str(), "(無題)");
}

TEST_F(TextPaneTest, StatusBarShowsColumnThenLineCountedFromOne) {
  CKestavonDoc* doc = OpenTexts([](ATREE& tree) { tree.SetText(1, "a\r\nb\r\ncc"); });
  Down(doc);
  CWrilaCtrl& edit = EditOf(doc);
  edit.SetSel(6, 6);
  TextOf(doc)->UpdateCaretStatus();
  EXPECT_EQ(WxToCP932(m_frame->GetStatusBar()->GetStatusText(1)).str(), "01:03");
  edit.SetSel(7, 7);
  TextOf(doc)->UpdateCaretStatus();
  EXPECT_EQ(WxToCP932(m_frame->GetStatusBar()->GetStatusText(1)).str(), "02:03");
}

TEST_F(TextPaneTest, LongTextsGoInWholeAndUnmodified) {
  std::string big;
  for (int i = 0; i < 30000; ++i) big += (i % 50 == 49) ? "\r\n" : "漢";  // four pieces
  CKestavonDoc* doc = OpenTexts([&](ATREE& tree) { tree.SetText(2, big.c_str()); });
  Down(doc, 2);
  EXPECT_EQ(Text(doc), big);
  EXPECT_EQ(EditOf(doc).GetSelStart(), 0);
  EXPECT_FALSE(EditOf(doc).GetModified());
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(TextPaneTest, EnterContinuesAListWhenListsAreOn) {
  CKinsokuSettings& settings = GetKinsokuSettings();
  const int saved = settings.m_nKajogaki;
  settings.m_nKajogaki = 1;
  CKestavonDoc* doc = OpenTexts([](ATREE& tree) { tree.SetText(1, "  9. nine"); });
  Down(doc);
  CWrilaCtrl& edit = EditOf(doc);
  edit.SetSel(9, 9);
  KeyToControl(doc, WXK_RETURN);
  EXPECT_EQ(Text(doc), "  9. nine\r\n  10.\r\n");
  settings.m_nKajogaki = 0;
  KeyToControl(doc, WXK_RETURN);
  EXPECT_EQ(Text(doc), "  9. nine\r\n  10.\r\n\r\n") << "without the option the control breaks the line itself";
  settings.m_nKajogaki = saved;
}

TEST_F(TextPaneTest, KeysBoundInTheKeyTableGoToTheProgramBeforeTheControl) {
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  CKeycustArray& table = m_app->m_keyTable.GetKeyTable();
  constexpr int kCommand = 0x7F00;  // handled by nothing but this test
  table.Add('B', 0, 0, 1, kCommand);
  int treeOnly = 0;
  m_frame->Bind(wxEVT_MENU, [&](wxCommandEvent&) { ++treeOnly; }, kCommand);
  KeyToControl(doc, 'B', true);
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(treeOnly, 1);
  KeyToControl(doc, 'B');  // a plain letter is never looked up
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(treeOnly, 1);
}

TEST_F(TextPaneTest, WithoutTheControlThePaneNeverTouchesTheItemsText) {
  ASSERT_EQ(UnregisterServerLibrary(KESTA_WRILA12_PATH), S_OK);
  CKestavonDoc* doc = OpenTexts();
  ASSERT_TRUE(doc);
  CWrilaCtrl& edit = EditOf(doc);
  EXPECT_FALSE(edit.HasControl());
  EXPECT_EQ(edit.GetText(), "");
  EXPECT_EQ(edit.GetSelStart(), 0);
  Down(doc, 2);
  doc->CommitTextArea();
  EXPECT_EQ(Stored(doc, 1), "一つ目の本文\r\n");
  EXPECT_FALSE(doc->IsModified());
  ASSERT_TRUE(CWrila::RegisterControlLibrary());
}

}  // namespace

namespace {

// A split text area: the pane the user typed in is the one whose text reaches the item, and the
// other pane follows it, never the other way round.
TEST_F(TextPaneTest, SplitTextAreaKeepsTheTextOfThePaneTypedIn) {
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  CFrameWnd* frame = TextOf(doc)->GetParentFrame();
  frame->SendCommand(ID_WINDOW_SPLIT);
  std::vector<CIEditView*> panes;
  for (CView* view : doc->GetViews())
    if (auto* pane = dynamic_cast<CIEditView*>(view)) panes.push_back(pane);
  ASSERT_EQ(panes.size(), 2u);
  CIEditView* second = panes[1];
  frame->SetActiveView(second);
  second->GetEditCtrl().SetSel(0, 0);
  second->GetEditCtrl().ReplaceSel("下で");
  doc->CommitTextArea();
  EXPECT_EQ(Stored(doc, 1), "下で一つ目の本文\r\n");
  EXPECT_EQ(panes[0]->GetEditCtrl().GetText().str(), "下で一つ目の本文\r\n");
}

}  // namespace

namespace {

// While the text pane has the focus, the tree pane's commands still reach the tree pane, and the
// text pane keeps its selection around them.
TEST_F(TextPaneTest, TreeCommandsFromTheTextPaneReachTheTreePane) {
  CKestavonDoc* doc = OpenOutline({"top", "top/a", "top/a/child", "top/b"}, [](ATREE& tree) { tree.SetText(1, "本文"); });
  Down(doc);
  CIEditView* text = TextOf(doc);
  CFrameWnd* frame = text->GetParentFrame();
  frame->SetActiveView(text);
  text->GetEditCtrl().SetSel(2, 4);
  ASSERT_TRUE(IsEnabled(ID_TREE_HIDE_BELOW));
  m_frame->SendCommand(ID_TREE_HIDE_BELOW);
  EXPECT_EQ(ListOf(doc)->GetCount(), 3) << "the child row is hidden";
  long start = 0;
  long end = 0;
  text->GetEditCtrl().GetSel(start, end);
  EXPECT_EQ(start, 2);
  EXPECT_EQ(end, 4);
  EXPECT_FALSE(IsEnabled(ID_FILE_TEXT_COPY)) << "a command the tree pane disables stays disabled here";

  // With the tree-up mode, Move up selects the previous tree and leaves the outline as it was.
  text->GetEditCtrl().ReplaceSel("X");
  m_frame->SendCommand(ID_TREE_MOVE_UP);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  EXPECT_EQ(Stored(doc, 1), "本X\r\n");
  EXPECT_EQ(doc->GetTree().GetName(1).str(), "a");
}

}  // namespace

namespace {

// What the user typed is never dropped by an update that no commit came before (another window of
// the document redrawing, a file handed over by a second start).
TEST_F(TextPaneTest, AnUpdateWithoutACommitKeepsWhatWasTyped) {
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  CWrilaCtrl& edit = EditOf(doc);
  edit.SetSel(0, 0);
  edit.ReplaceSel("先に");
  doc->UpdateAllViews(nullptr);
  EXPECT_EQ(Stored(doc, 1), "先に一つ目の本文\r\n");
  EXPECT_EQ(Text(doc), "先に一つ目の本文\r\n");

  edit.SetSel(0, 0);
  edit.ReplaceSel("また");
  doc->AddTreeFromCommandLine("new", "/tmp/new.txt");
  EXPECT_NE(doc->GetCurrentTree(), 1);
  EXPECT_EQ(Stored(doc, 1), "また先に一つ目の本文\r\n");
}

}  // namespace
