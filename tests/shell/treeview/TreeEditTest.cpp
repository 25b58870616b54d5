// Changing the outline's shape from the tree pane: adding, modifying, deleting and inserting items
// through the item dialog, the tree clipboard, moves and levels, picked moves and deletes, drops,
// and undo and redo.
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <string>
#include <vector>

#include "model/CDirData.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "treeview/CDragDropDlg.h"
#include "treeview/CTrView.h"
#include "treeview/CTreeEditDlg.h"
#include "treeview/CTreePickerDlg.h"
#include "treeview/TreeClipboard.h"

namespace treepane_test {
namespace {

// Every item's path, levels joined by '/'.
std::vector<std::string> Paths(CKestavonDoc* doc) {
  std::vector<std::string> paths;
  ATREE& tree = doc->GetTree();
  for (int i = 0; i < tree.GetDirDataCount(); ++i) {
    std::string path = tree.GetDirData(i)->m_strPath.str();
    for (char& c : path)
      if (c == '\x01') c = '/';
    paths.push_back(path);
  }
  return paths;
}

// Answers the item dialog with a title; other dialogs with OK.
ModalAnswers TitleAnswer(const char* title) {
  return ModalAnswers([title](wxDialog* dialog) {
    if (auto* edit = dynamic_cast<CTreeEditDlg*>(dialog)) edit->m_strTitle = title;
    return static_cast<int>(wxID_OK);
  });
}

void PutText(const char* text) {
  wxClipboardLocker lock;
  ASSERT_FALSE(!lock);
  wxTheClipboard->SetData(new wxTextDataObject(CP932ToWx(text)));
}

const std::vector<std::string> kOutline = {"Top", "Top/A", "Top/A/a1", "Top/A/a2", "Top/A/a2/x", "Top/B", "Top/C"};

TEST_F(TreePaneTest, AddingFollowsTheAddMoveSettingAndTheTopItemHasNoSibling) {
  Setting("View", "AddMove", "0");
  CKestavonDoc* doc = OpenOutline(kOutline);
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(5);  // B
  {
    auto answer = TitleAnswer("new");
    Command(ID_TREE_ADD_CHILD);
  }
  EXPECT_EQ(Paths(doc)[6], "Top/B/new");
  EXPECT_EQ(doc->GetCurrentTree(), 5) << "AddMove off keeps the selection";
  EXPECT_TRUE(doc->IsModified());

  list->SetCurSel(1);  // A: a sibling lands after A's whole subtree and is selected
  {
    auto answer = TitleAnswer("side");
    Command(ID_TREE_ADD_SIBLING);
  }
  EXPECT_EQ(Paths(doc)[5], "Top/side");
  EXPECT_EQ(doc->GetCurrentTree(), 5);

  list->SetCurSel(0);
  EXPECT_FALSE(IsEnabled(ID_TREE_ADD_SIBLING));
  EXPECT_FALSE(IsEnabled(ID_TREE_DELETE));
  EXPECT_FALSE(IsEnabled(ID_TREE_INSERT));
  // A cancelled dialog adds nothing.
  const size_t before = Paths(doc).size();
  ModalAnswers cancel([](wxDialog*) { return static_cast<int>(wxID_CANCEL); });
  Command(ID_TREE_ADD_CHILD);
  EXPECT_EQ(Paths(doc).size(), before);
}

TEST_F(TreePaneTest, ANewItemTakesTheDialogsLookAndInsertGoesInFront) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(5);  // B
  {
    ModalAnswers answer([](wxDialog* dialog) {
      auto* edit = dynamic_cast<CTreeEditDlg*>(dialog);
      edit->m_strTitle = "ins";
      edit->m_nStatus = CTreeEditDlg::OutputBits(2) | 32;
      edit->m_nColorMark = 3;
      edit->m_crTree = 0x0000FF;
      edit->m_crMark = 0x00FF00;
      return static_cast<int>(wxID_OK);
    });
    Command(ID_TREE_INSERT);
  }
  ATREE& tree = doc->GetTree();
  ASSERT_EQ(Paths(doc)[5], "Top/ins");
  EXPECT_EQ(doc->GetCurrentTree(), 5) << "the new item is selected";
  const CDirData* item = tree.GetDirData(5);
  EXPECT_EQ(item->m_nStatus, 12 | 32 | (3 << 24));
  EXPECT_EQ(item->m_nIdHigh, 0x0000FF);
  EXPECT_EQ(item->m_nIdLow, 0x00FF00);
  EXPECT_EQ(item->m_nIdDigit, 1);
  EXPECT_EQ(item->m_created.GetStatus(), COleDateTime::valid);
}

TEST_F(TreePaneTest, ModifyRenamesTheSubtreeAndRewritesOnlyTheFirstLineOfATitledText) {
  CKestavonDoc* doc = OpenOutline(kOutline, [](ATREE& tree) {
    tree.GetProperties().m_bAutoTitle = 1;
    tree.SetText(1, "A\r\nbody");
  });
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(1);
  {
    ScopedMessageBoxHook yes(IDYES);  // the output setting goes to the subtree too
    ModalAnswers answer([](wxDialog* dialog) {
      auto* edit = dynamic_cast<CTreeEditDlg*>(dialog);
      EXPECT_EQ(edit->m_strTitle.str(), "A");
      edit->m_strTitle = "Z";
      edit->m_nOutput = 3;
      return static_cast<int>(wxID_OK);
    });
    Command(ID_TREE_MODIFY);
  }
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/Z", "Top/Z/a1", "Top/Z/a2", "Top/Z/a2/x", "Top/B",
                                                  "Top/C"}));
  ATREE& tree = doc->GetTree();
  EXPECT_EQ(tree.GetText(1).str(), "Z\r\nbody\r\n");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(tree.GetDirData(i)->m_nStatus & 28, 28) << i;
  EXPECT_EQ(tree.GetDirData(5)->m_nStatus & 28, 0);
}

TEST_F(TreePaneTest, DeleteAsksSelectsTheNextItemAndACancelStillLeavesAnUndoStep) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(1);  // A with its subtree
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    Command(ID_TREE_DELETE);
  }
  EXPECT_EQ(Paths(doc).size(), kOutline.size());
  EXPECT_TRUE(doc->CanUndo());
  {
    ScopedMessageBoxHook ok(IDOK);
    Command(ID_TREE_DELETE);
  }
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/B", "Top/C"}));
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  list->SetCurSel(2);  // the last item: the new last one is selected
  {
    ScopedMessageBoxHook ok(IDOK);
    Command(ID_TREE_DELETE);
  }
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "B"}));
}

TEST_F(TreePaneTest, CopyPutsRecordsAndTheTitleAndPasteBelowOrBesideRebuildsTheTree) {
  CKestavonDoc* doc = OpenOutline(kOutline, [](ATREE& tree) { tree.SetText(3, "text"); });
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(3);  // a2 with x
  Command(ID_EDIT_COPY);
  {
    wxClipboardLocker lock;
    wxTextDataObject text;
    ASSERT_TRUE(wxTheClipboard->GetData(text));
    EXPECT_EQ(WxToCP932(text.GetText()).str(), "a2");
  }
  CString records;
  ASSERT_EQ(tree_clipboard::Take(records), tree_clipboard::Content::kRecords);
  EXPECT_EQ(records.str(), std::string("a2\x02\x04text\r\n\x05" "0\x06" "0\x07" "1\x03" "0000000000000\x08"
                                       "a2\x01x\x02\x04\x05" "0\x06" "0\x07" "1\x03" "0000000000000\x08"));

  Setting("System", "PasteDlg", "0");
  list->SetCurSel(5);  // B: below it
  Command(ID_EDIT_PASTE_CHILD);
  list->SetCurSel(1);  // A: beside it, after its whole subtree
  Command(ID_EDIT_PASTE_SIBLING);
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/A", "Top/A/a1", "Top/A/a2", "Top/A/a2/x", "Top/a2",
                                                  "Top/a2/x", "Top/B", "Top/B/a2", "Top/B/a2/x", "Top/C"}));
  EXPECT_EQ(doc->GetTree().GetText(8).str(), "text\r\n");

  // The top item is never cut; nothing is deleted when the copy is refused.
  list->SetCurSel(0);
  ScopedMessageBoxHook ok(IDOK);
  Command(ID_EDIT_CUT);
  EXPECT_EQ(Paths(doc).size(), 11u);
}

TEST_F(TreePaneTest, ContinuousInputOpensTheDialogAgainUntilACancel) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  ListOf(doc)->SetCurSel(5);  // B
  int asked = 0;
  ModalAnswers answer([&asked](wxDialog* dialog) {
    auto* edit = dynamic_cast<CTreeEditDlg*>(dialog);
    if (++asked == 3) return static_cast<int>(wxID_CANCEL);
    edit->m_strTitle = asked == 1 ? "first" : "second";
    edit->m_bRenzoku = TRUE;
    return static_cast<int>(wxID_OK);
  });
  Command(ID_TREE_INSERT);
  for (int i = 0; i < 5; ++i) wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(asked, 3);
  // Each new item is selected, so the next one goes in front of it.
  EXPECT_EQ(Paths(doc)[5], "Top/second");
  EXPECT_EQ(Paths(doc)[6], "Top/first");
  EXPECT_EQ(Paths(doc)[7], "Top/B");
  EXPECT_EQ(doc->GetCurrentTree(), 5);
}

TEST_F(TreePaneTest, ACutWhoseCopyWasRefusedDeletesNothing) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  doc->GetTree().GetProperties().m_strWritePassword = "not the hash of anything typed";
  PutText("before");
  ListOf(doc)->SetCurSel(1);
  ScopedMessageBoxHook ok(IDOK);
  ModalAnswers refuse([](wxDialog*) { return static_cast<int>(wxID_CANCEL); });
  Command(ID_EDIT_CUT);
  EXPECT_EQ(Paths(doc), kOutline);
  CString data;
  EXPECT_EQ(tree_clipboard::Take(data), tree_clipboard::Content::kText);
  EXPECT_EQ(data.str(), "before");
}

TEST_F(TreePaneTest, PlainTextBecomesItemsInTheChosenMode) {
  Setting("System", "PasteTextDlg", "0");
  struct Case {
    const char* mode;
    const char* text;
    std::vector<std::string> added;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"0", "a\n\tb\n\t\tc\n\n", {"Top/C/a", "Top/C/a/b", "Top/C/a/b/c"}, {"", "", ""}},
      {"0", "x\x01y\x05z", {"Top/C/xyz"}, {""}},
      {"1", "\r\nT\r\nline1\r\nline2", {"Top/C/T"}, {"line1\r\nline2"}},
      {"2", "T\nline1", {"Top/C/T"}, {"T\r\nline1"}},
      {"3", "x\ny\n", {"Top/C/xy"}, {""}},
      {"4", "T\t\tbody\nU", {"Top/C/T", "Top/C/U"}, {"body", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Setting("System", "TextPasteMode", c.mode);
    CKestavonDoc* doc = OpenOutline(kOutline);
    ListOf(doc)->SetCurSel(6);  // C
    PutText(c.text);
    ModalAnswers delimiter([](wxDialog*) { return static_cast<int>(wxID_OK); });  // "\t" as offered
    Command(ID_EDIT_PASTE_CHILD);
    const std::vector<std::string> paths = Paths(doc);
    ASSERT_EQ(paths.size(), kOutline.size() + c.added.size());
    for (size_t i = 0; i < c.added.size(); ++i) {
      EXPECT_EQ(paths[kOutline.size() + i], c.added[i]);
      EXPECT_EQ(doc->GetTree().GetText(static_cast<int>(kOutline.size() + i)).str(), c.texts[i]);
    }
    m_app->CloseAllDocuments();
  }
}

// Pasted titles with characters that Shift JIS cannot hold: the user is told which, once, before
// the items are made; the items are made as they would have been, with "?" for them.
TEST_F(TreePaneTest, PastedTextToldOfCharactersThatCannotBeKeptBeforeItBecomesItems) {
  Setting("System", "PasteTextDlg", "0");
  Setting("System", "TextPasteMode", "0");
  CKestavonDoc* doc = OpenOutline(kOutline);
  ListOf(doc)->SetCurSel(6);  // C
  {
    wxClipboardLocker lock;
    ASSERT_FALSE(!lock);
    wxTheClipboard->SetData(new wxTextDataObject(wxString(L"\U00020BB7\u91CE\u5BB6\n\u00E9")));
  }
  std::vector<std::string> pathsWhenTold;
  ScopedMessageBoxHook boxes([&](const MessageBoxCall&) {
    pathsWhenTold = Paths(doc);
    return IDOK;
  });
  Command(ID_EDIT_PASTE_CHILD);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(pathsWhenTold, kOutline);
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("(U+20BB7)"), std::string::npos);
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("(U+00E9)"), std::string::npos);
  std::vector<std::string> expected = kOutline;
  expected.insert(expected.end(), {"Top/C/?野家", "Top/C/?"});
  EXPECT_EQ(Paths(doc), expected);
}

TEST_F(TreePaneTest, MovesAndLevelsKeepOneCopyAndFollowTheMovedItem) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/B", "Top/B/b1", "Top/B/b2", "Top/C"});
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(1);  // A past B's three-item subtree
  Command(ID_TREE_MOVE_DOWN);
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/B", "Top/B/b1", "Top/B/b2", "Top/A", "Top/C"}));
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  Command(ID_TREE_MOVE_UP);
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  EXPECT_EQ(Paths(doc)[1], "Top/A");

  list->SetCurSel(4);  // b2 up a level: after B's subtree
  Command(ID_TREE_LEVEL_UP);
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/A", "Top/B", "Top/B/b1", "Top/b2", "Top/C"}));

  list->SetCurSel(3);  // b1 has no children and no following sibling
  EXPECT_FALSE(IsEnabled(ID_TREE_LEVEL_DOWN_FOLLOWING));
  list->SetCurSel(2);  // B: its children become its following siblings
  EXPECT_TRUE(IsEnabled(ID_TREE_LEVEL_UP_FOLLOWING));
  Command(ID_TREE_LEVEL_UP_FOLLOWING);
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/A", "Top/B", "Top/b1", "Top/b2", "Top/C"}));
  Command(ID_TREE_LEVEL_DOWN_FOLLOWING);  // and back, in order
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/A", "Top/B", "Top/B/b1", "Top/B/b2", "Top/B/C"}));

  for (int id : {ID_TREE_MOVE_UP, ID_TREE_MOVE_DOWN, ID_TREE_LEVEL_UP, ID_TREE_LEVEL_DOWN, ID_TREE_MOVE}) {
    list->SetCurSel(0);
    EXPECT_FALSE(IsEnabled(id)) << std::hex << id;
  }
}

TEST_F(TreePaneTest, LevelDownUnderAFoldedSiblingHidesTheItemUnlessAskedToOpen) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/A/a1", "Top/B"},
                                  [](ATREE& tree) { tree.EditDirData(2)->m_nView = 0; });
  m_app->m_bLevelDownOpen = 0;
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(2);  // B (a1 is hidden)
  Command(ID_TREE_LEVEL_DOWN);
  EXPECT_EQ(Paths(doc)[3], "Top/A/B");
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "A"}));
}

TEST_F(TreePaneTest, PickedMovesAndDeletesKeepTheOutlineWhole) {
  const COleDateTime created(2020, 1, 2, 3, 4, 5);
  CKestavonDoc* doc = OpenOutline(kOutline, [&](ATREE& tree) {
    tree.EditDirData(1)->SetCreateTime(created);
    tree.EditDirData(1)->SetUpdateTime(created);
  });
  COwnerListBox* list = ListOf(doc);
  auto pick = [](int index, BOOL sameLevel) {
    return ModalAnswers([index, sameLevel](wxDialog* dialog) {
      auto* move = dynamic_cast<CTreeMoveDlg*>(dialog);
      move->m_nIndex = index;
      move->m_bSameLevel = sameLevel;
      return static_cast<int>(wxID_OK);
    });
  };
  list->SetCurSel(1);  // A into itself: refused
  {
    auto answer = pick(3, FALSE);
    Command(ID_TREE_MOVE);
  }
  EXPECT_EQ(Paths(doc), kOutline);
  {
    auto answer = pick(6, FALSE);  // A below C, which lies after it
    Command(ID_TREE_MOVE);
  }
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/B", "Top/C", "Top/C/A", "Top/C/A/a1", "Top/C/A/a2",
                                                  "Top/C/A/a2/x"}));
  EXPECT_EQ(doc->GetCurrentTree(), 6) << "the item now at the chosen index";
  EXPECT_EQ(doc->GetTree().GetDirData(3)->m_created, created) << "a moved item keeps its times";
  list->SetCurSel(doc->GetTree().GetRows().GetRowIndex(5));  // a2 beside B, which lies before it
  {
    auto answer = pick(1, TRUE);
    Command(ID_TREE_MOVE);
  }
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/B", "Top/a2", "Top/a2/x", "Top/C", "Top/C/A",
                                                  "Top/C/A/a1"}));
  EXPECT_EQ(doc->GetCurrentTree(), 1);

  // A ticked parent and its ticked child go together; the top item is never deleted.
  ModalAnswers tick([](wxDialog* dialog) {
    auto* multi = dynamic_cast<CTreeMultiDlg*>(dialog);
    for (UINT i : {0u, 4u, 5u, 6u}) multi->m_checkArray.Add(i);
    return static_cast<int>(wxID_OK);
  });
  list->SetCurSel(6);
  Command(ID_TREE_DELETE_SEVERAL);
  EXPECT_EQ(Paths(doc), (std::vector<std::string>{"Top", "Top/B", "Top/a2", "Top/a2/x"}));
  EXPECT_EQ(doc->GetCurrentTree(), 3) << "beyond the end: the new last item";
}

TEST_F(TreePaneTest, DropsFollowThePositionTable) {
  // Source S and target T by title, the position, and the outline after the drop.
  struct Case {
    int source, target, position;
    std::vector<std::string> after;
    std::string selected;
  };
  const std::vector<std::string> start = {"Top", "Top/A", "Top/A/a1", "Top/B", "Top/C"};
  const Case cases[] = {
      {4, 1, CDragDropDlg::kAsChild, {"Top", "Top/A", "Top/A/a1", "Top/A/C", "Top/B"}, "Top/A/C"},
      {4, 1, CDragDropDlg::kAtPlace, {"Top", "Top/C", "Top/A", "Top/A/a1", "Top/B"}, "Top/C"},
      {4, 1, CDragDropDlg::kBelow, {"Top", "Top/A", "Top/A/a1", "Top/C", "Top/B"}, "Top/C"},
      {1, 3, CDragDropDlg::kAsChild, {"Top", "Top/B", "Top/B/A", "Top/B/A/a1", "Top/C"}, "Top/B/A"},
      {1, 3, CDragDropDlg::kAtPlace, {"Top", "Top/B", "Top/A", "Top/A/a1", "Top/C"}, "Top/A"},
      {4, 3, CDragDropDlg::kAtPlace, {"Top", "Top/A", "Top/A/a1", "Top/C", "Top/B"}, "Top/C"},
      {1, 3, CDragDropDlg::kBelow, {"Top", "Top/B", "Top/A", "Top/A/a1", "Top/C"}, "Top/A"},
      {4, 0, CDragDropDlg::kAsChild, {"Top", "Top/A", "Top/A/a1", "Top/B", "Top/C"}, "Top/C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.source) + " on " + std::to_string(c.target) + " at " + std::to_string(c.position));
    CKestavonDoc* doc = OpenOutline(start);
    ASSERT_TRUE(ViewOf(doc)->DropTree(c.source, c.target, c.position));
    EXPECT_EQ(Paths(doc), c.after);
    EXPECT_EQ(Paths(doc)[static_cast<size_t>(doc->GetCurrentTree())], c.selected);
    m_app->CloseAllDocuments();
  }
  CKestavonDoc* doc = OpenOutline(start);
  EXPECT_FALSE(ViewOf(doc)->DropTree(1, 2, CDragDropDlg::kAsChild)) << "into its own subtree";
  EXPECT_FALSE(ViewOf(doc)->DropTree(0, 2, CDragDropDlg::kAsChild)) << "the top item";
  EXPECT_EQ(Paths(doc), start);
}

TEST_F(TreePaneTest, UndoRestoresOutlineAndSelectionAndTheModifiedFlagFollowsTheSave) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(5);
  doc->SetCurrentTree(5);
  Command(ID_TREE_MOVE_UP);  // B before A
  ASSERT_EQ(doc->GetCurrentTree(), 1);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(Paths(doc), kOutline);
  EXPECT_EQ(doc->GetCurrentTree(), 5);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO));
  Command(ID_EDIT_REDO);
  EXPECT_EQ(Paths(doc)[1], "Top/B");
  EXPECT_TRUE(doc->IsModified());

  // Saved after the move: undoing past the save leaves changes to save.
  ASSERT_TRUE(doc->OnSaveDocument(doc->GetPathName()));
  Command(ID_EDIT_UNDO);
  EXPECT_TRUE(doc->IsModified());
}

}  // namespace
}  // namespace treepane_test
