// How the tree pane shows and walks the outline: check and strike marks, sorting, the first, last
// and parent commands, auto-save, the back and forward history, the recent lists, time stamps,
// links and program starts, and subtree attributes.
#include <sys/stat.h>
#include <unistd.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/listctrl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/NetDocumentService.h"
#include "app/StartProgram.h"
#include "model/CDirData.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/Shell.h"
#include "resources/CommandIds.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "treeview/CSortDlg.h"
#include "treeview/CTimeStampDlg.h"
#include "treeview/CTreeEditDlg.h"
#include "treeview/CTrView.h"
#include "treeview/CTreeListDlg.h"
#include "treeview/CTreePropDlg.h"
#include "treeview/OutlineTextOutput.h"

namespace treepane_test {
namespace {

std::vector<std::string> Titles(CKestavonDoc* doc) {
  std::vector<std::string> titles;
  ATREE& tree = doc->GetTree();
  for (int i = 1; i < tree.GetDirDataCount(); ++i) titles.push_back(tree.GetName(i).str());
  return titles;
}

std::string ClipboardText() {
  wxClipboardLocker lock;
  wxTextDataObject data;
  if (!lock || !wxTheClipboard->GetData(data)) return std::string();
  return WxToCP932(data.GetText()).str();
}

SYSTEMTIME Displayed(int minute) {
  SYSTEMTIME t{};
  t.wYear = 2024;
  t.wMonth = 3;
  t.wDay = 1;
  t.wHour = 10;
  t.wMinute = static_cast<WORD>(minute);
  return t;
}

const std::vector<std::string> kOutline = {"Top", "Top/A", "Top/A/a1", "Top/A/a1/x", "Top/B", "Top/C"};

TEST_F(TreePaneTest, CheckOnAParentReachesItsHiddenDescendantsOnYesAndItselfOnlyOnNo) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  COwnerListBox* list = ListOf(doc);
  ATREE& tree = doc->GetTree();
  list->SetCurSel(1);
  Command(ID_TREE_HIDE_BELOW);  // a1 and x are hidden under A
  {
    ScopedMessageBoxHook yes(IDYES);
    Command(ID_TREE_CHECK);
    ASSERT_EQ(yes.Calls().size(), 1u);
    EXPECT_EQ(yes.Calls()[0].text, CString("子ツリーもすべて同じ状態にしますか？"));
  }
  for (int i : {1, 2, 3}) EXPECT_EQ(tree.GetDirData(i)->m_nStatus & 1, 1) << i;
  EXPECT_TRUE(doc->IsModified());
  {
    ScopedMessageBoxHook no(IDNO);
    Command(ID_TREE_CHECK);  // unchecks A alone
  }
  EXPECT_EQ(tree.GetDirData(1)->m_nStatus & 1, 0);
  EXPECT_EQ(tree.GetDirData(3)->m_nStatus & 1, 1);

  list->SetCurSel(2);  // B, a leaf: no question; the strike reaches its row's font
  ScopedMessageBoxHook none;
  Command(ID_TREE_STRIKE);
  EXPECT_TRUE(none.Calls().empty());
  EXPECT_TRUE(tree.IsStrike(4));
  EXPECT_EQ(list->GetItemDataPtr(2)->m_nStatus & 2, 2);
  Command(ID_EDIT_UNDO);
  EXPECT_FALSE(doc->GetTree().IsStrike(4));
}

TEST_F(TreePaneTest, EachSortModeGivesItsOrderStablyAndCanBeUndone) {
  // Children of Top: d (checked, struck, category 2, updated 2021, created 2019), b (category 1,
  // updated 2020, created 2021), c (checked, created 2020), a (struck, category 1, updated 2022).
  // Ties go by title, descending in the descending modes.
  auto edit = [](ATREE& tree) {
    auto set = [&](int i, int status, int updated, int created) {
      CDirData* d = tree.EditDirData(i);
      d->m_nStatus = status;
      COleDateTime none;
      none.SetStatus(COleDateTime::null);
      d->SetUpdateTime(updated ? COleDateTime(updated, 1, 1, 0, 0, 0) : none);
      d->SetCreateTime(created ? COleDateTime(created, 1, 1, 0, 0, 0) : none);
    };
    set(1, 1 | 2 | (2 << 16), 2021, 2019);
    set(3, 1 << 16, 2020, 2021);
    set(4, 1, 0, 2020);
    set(5, 2 | (1 << 16), 2022, 0);
  };
  const std::vector<std::string> outline = {"Top", "Top/d", "Top/d/z", "Top/b", "Top/c", "Top/a"};
  struct Case {
    int mode;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {0, {"a", "b", "c", "d", "z"}},  {1, {"d", "z", "c", "b", "a"}},  {2, {"a", "b", "c", "d", "z"}},
      {3, {"d", "z", "c", "b", "a"}},  {4, {"b", "c", "a", "d", "z"}},  {5, {"d", "z", "a", "c", "b"}},
      {6, {"c", "a", "b", "d", "z"}},  {7, {"d", "z", "b", "a", "c"}},  {8, {"c", "b", "d", "z", "a"}},
      {9, {"a", "d", "z", "b", "c"}},  {10, {"a", "d", "z", "c", "b"}}, {11, {"b", "c", "d", "z", "a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    CKestavonDoc* doc = OpenOutline(outline);
    edit(doc->GetTree());
    doc->GetTree().MakeTreeData();
    ListOf(doc)->SetCurSel(0);
    ModalAnswers answer([&](wxDialog* dialog) {
      auto* sort = dynamic_cast<CSortDlg*>(dialog);
      if (!sort) return static_cast<int>(wxID_CANCEL);
      sort->m_nMode = c.mode;
      sort->m_bSameLevel = 0;
      sort->m_bNumbers = 0;
      return static_cast<int>(wxID_OK);
    });
    Command(ID_TREE_SORT);
    EXPECT_EQ(Titles(doc), c.order);
    EXPECT_TRUE(doc->IsModified());
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Titles(doc), (std::vector<std::string>{"d", "z", "b", "c", "a"}));
    doc->OnCloseDocument();
  }
}

TEST_F(TreePaneTest, EqualKeysKeepTheirOrderAndALeafCannotBeSorted) {
  std::vector<std::string> outline = {"Top"};
  for (int i = 0; i < 40; ++i) outline.push_back(i % 2 ? "Top/q" : "Top/p");
  CKestavonDoc* doc = OpenOutline(outline);
  ATREE& tree = doc->GetTree();
  for (int i = 1; i <= 40; ++i) tree.SetText(i, std::to_string(i).c_str());
  tree.SortTrees(0, 0, TRUE, FALSE);
  std::vector<int> order;
  for (int i = 1; i <= 40; ++i) order.push_back(std::stoi(tree.GetText(i).str()));
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(order[static_cast<size_t>(i)], 2 * i + 1);
    EXPECT_EQ(order[static_cast<size_t>(20 + i)], 2 * i + 2);
  }
  ListOf(doc)->SetCurSel(1);
  EXPECT_FALSE(IsEnabled(ID_TREE_SORT));
}

TEST_F(TreePaneTest, FirstLastAndParentMoveTheSelectionOverShownRows) {
  CKestavonDoc* doc = OpenOutline(kOutline, [](ATREE& tree) { tree.EditDirData(5)->m_nView = 1; });
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(2);  // a1
  Command(ID_TREE_PARENT);
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  list->SetCurSel(4);
  Command(ID_TREE_HIDE_OR_UP);  // a leaf goes to its parent
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  EXPECT_FALSE(IsEnabled(ID_TREE_PARENT));
  list->SetCurSel(1);
  Command(ID_TREE_HIDE_BELOW);
  Command(ID_EDIT_GO_LAST);  // the last shown row
  EXPECT_EQ(doc->GetCurrentTree(), 5);
  EXPECT_EQ(list->GetCurSel(), list->GetCount() - 1);
  Command(ID_EDIT_GO_FIRST);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  EXPECT_EQ(list->GetCurSel(), 0);

  // Selecting by index: a hidden or missing item changes nothing.
  ViewOf(doc)->SelectTree(2);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  ViewOf(doc)->SelectTree(-1);
  ViewOf(doc)->SelectTree(99);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  ViewOf(doc)->SelectTree(4);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  EXPECT_EQ(ViewOf(doc)->GetCurTreeTitle(), CString("B"));
}

TEST_F(TreePaneTest, AutoSaveModeOneWritesTheBackupAndTheDocumentStaysModified) {
  Setting("System", "AutoSave", "1");
  Setting("System", "SaveTime", "1");
  Setting("System", "AutoSaveMode", "1");
  CKestavonDoc* doc = OpenOutline(kOutline);
  CTrView* view = ViewOf(doc);
  const std::string bak = doc->GetPathName().str().substr(0, doc->GetPathName().GetLength() - 4) + ".bak";
  const COleDateTime now = COleDateTime::GetCurrentTime();
  view->AutoSave(now + COleDateTimeSpan(0, 0, 5, 0));  // not modified: nothing
  EXPECT_NE(access(bak.c_str(), F_OK), 0);
  ListOf(doc)->SetCurSel(4);
  {
    ScopedMessageBoxHook none;
    Command(ID_TREE_CHECK);
  }
  view->AutoSave(now + COleDateTimeSpan(0, 0, 0, 30));  // within the interval: nothing
  EXPECT_NE(access(bak.c_str(), F_OK), 0);
  view->AutoSave(now + COleDateTimeSpan(0, 0, 2, 0));
  EXPECT_EQ(access(bak.c_str(), F_OK), 0);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_TRUE(doc->GetPathName().Right(4) == ".kvn");
}

// Records the uploads asked of the online service; an upload saves the document as the real one
// does.
class UploadRecorder : public INetDocumentService {
 public:
  BOOL OpenNetFile(CKestavonDoc&, const char*) override { return FALSE; }
  BOOL UploadNetFile(CKestavonDoc& doc, const char* netPath, BOOL keepLocal) override {
    uploads.push_back(std::string(netPath) + (keepLocal ? " kept" : ""));
    doc.SetModifiedFlag(FALSE);
    return TRUE;
  }
  BOOL CheckNetFileUpdate(CKestavonDoc&, const char*) override { return FALSE; }
  void OnNetUpload(CKestavonDoc&) override {}
  void OnFileSaveAsNet(CKestavonDoc&) override {}
  std::vector<std::string> uploads;
};

// An online document has no file here: its auto-save is the upload the Save command makes, and
// the copy-only auto-save is skipped, keeping the mark. No file is named after its net path.
TEST_F(TreePaneTest, AutoSaveOfAnOnlineDocumentUploadsItOrLeavesItModified) {
  Setting("System", "AutoSave", "1");
  Setting("System", "SaveTime", "1");
  CKestavonDoc* doc = OpenOutline(kOutline);
  CTrView* view = ViewOf(doc);
  doc->SetPathName("net:1;t", FALSE);
  UploadRecorder service;
  Seam<INetDocumentService>::Scope installed(&service);
  COleDateTime now = COleDateTime::GetCurrentTime();
  for (const char* mode : {"1", "0"}) {
    AfxWriteProfileString("System", "AutoSaveMode", mode);
    doc->SetModifiedFlag(TRUE);
    now += COleDateTimeSpan(0, 0, 2, 0);
    view->AutoSave(now);
  }
  EXPECT_EQ(service.uploads, std::vector<std::string>{"net:1;t"});
  EXPECT_FALSE(doc->IsModified());
  for (const auto& entry : std::filesystem::directory_iterator("."))
    EXPECT_NE(entry.path().filename().string().rfind("net:", 0), 0u) << entry.path();

  // Without the service the document stays modified.
  Seam<INetDocumentService>::Scope none(nullptr);
  doc->SetModifiedFlag(TRUE);
  view->AutoSave(now + COleDateTimeSpan(0, 0, 2, 0));
  EXPECT_TRUE(doc->IsModified());
}

TEST_F(TreePaneTest, BackAndForwardWalkTheDisplayedItemsAndSurviveAnUndo) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  ATREE& tree = doc->GetTree();
  // Shown in the order A (10:01), B (10:02), C (10:03); C is current.
  tree.EditDirData(1)->SetDisplayTime(Displayed(1));
  tree.EditDirData(4)->SetDisplayTime(Displayed(2));
  tree.EditDirData(5)->SetDisplayTime(Displayed(3));
  ViewOf(doc)->SelectTree(5);
  EXPECT_FALSE(IsEnabled(ID_VIEW_FORWARD));
  Command(ID_VIEW_BACK);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  Command(ID_VIEW_BACK);
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  // A change and its undo in between: the history holds the items, not their copies.
  {
    ScopedMessageBoxHook yes(IDYES);
    Command(ID_TREE_CHECK);
  }
  Command(ID_EDIT_UNDO);
  EXPECT_TRUE(IsEnabled(ID_VIEW_FORWARD));
  Command(ID_VIEW_FORWARD);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  Command(ID_VIEW_FORWARD);
  EXPECT_EQ(doc->GetCurrentTree(), 5);
  EXPECT_FALSE(IsEnabled(ID_VIEW_FORWARD));
  // A user's own selection starts a new history.
  Command(ID_VIEW_BACK);
  ListOf(doc)->SetCurSel(0);
  wxCommandEvent change(wxEVT_LISTBOX, COwnerListBox::kControlId);
  ListOf(doc)->GetEventHandler()->ProcessEvent(change);
  EXPECT_FALSE(IsEnabled(ID_VIEW_FORWARD));
}

TEST_F(TreePaneTest, RecentListsShowTheHundredNewestAndJumpToTheChosenItem) {
  std::vector<std::string> outline = {"Top"};
  for (int i = 0; i < 150; ++i) outline.push_back("Top/n" + std::to_string(i));
  CKestavonDoc* doc = OpenOutline(outline);
  ATREE& tree = doc->GetTree();
  COleDateTime none;
  none.SetStatus(COleDateTime::null);
  for (int i = 0; i < tree.GetDirDataCount(); ++i) tree.EditDirData(i)->SetUpdateTime(none);
  for (int i = 1; i <= 150; ++i) tree.EditDirData(i)->SetUpdateTime(COleDateTime(2024, 1, 1, 0, 0, 0) + COleDateTimeSpan(i, 0, 0, 0));
  std::vector<std::string> shown;
  ModalAnswers answer([&](wxDialog* dialog) {
    auto* list = dynamic_cast<CTreeListDlg*>(dialog);
    if (!list) return static_cast<int>(wxID_CANCEL);
    list->TransferDataToWindow();
    auto* rows = static_cast<wxListCtrl*>(list->FindWindow(CTreeListDlg::IDC_LIST));
    for (long r = 0; r < rows->GetItemCount(); ++r) shown.push_back(WxToCP932(rows->GetItemText(r)).str());
    list->ShowRow(2);
    list->m_nResult = tree.FindName("n148");
    return static_cast<int>(wxID_OK);
  });
  Command(ID_VIEW_RECENT_UPDATED);
  ASSERT_EQ(shown.size(), 100u);
  EXPECT_EQ(shown.front(), "n149");
  EXPECT_EQ(shown.back(), "n50");
  EXPECT_EQ(doc->GetCurrentTree(), tree.FindName("n148"));

  // Without a displayed time the displayed list does not open; without updated times the
  // updated list says so.
  answer.titles.clear();
  for (int i = 0; i < tree.GetDirDataCount(); ++i) tree.EditDirData(i)->SetDisplayTime(SYSTEMTIME{});
  Command(ID_VIEW_RECENT_VIEWED);
  EXPECT_TRUE(answer.titles.empty());
  for (int i = 1; i <= 150; ++i) tree.EditDirData(i)->SetUpdateTime(none);
  ScopedMessageBoxHook box;
  Command(ID_VIEW_RECENT_UPDATED);
  ASSERT_EQ(box.Calls().size(), 1u);
  EXPECT_EQ(box.Calls()[0].text, CString("更新情報のあるツリーがありません"));
}

TEST(TreeListDlg, PathLabelLeavesOutTheTopTitle) {
  EXPECT_EQ(CTreeListDlg::PathLabel("Top\x01" "A"), CString("A"));
  EXPECT_EQ(CTreeListDlg::PathLabel("Top\x01" "A\x01" "B"), CString("A > B"));
  EXPECT_EQ(CTreeListDlg::PathLabel("Top"), CString("Top"));
}

TEST_F(TreePaneTest, AnUntickedUpdatedTimeIsUnsetUndoableAndLeavesTheRecentList) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  ATREE& tree = doc->GetTree();
  ListOf(doc)->SetCurSel(4);  // B
  tree.EditDirData(4)->SetUpdateTime(COleDateTime(2024, 5, 1, 12, 0, 0));
  tree.EditDirData(4)->SetCreateTime(COleDateTime(2023, 7, 2, 8, 30, 0));
  ModalAnswers answer([](wxDialog* dialog) {
    auto* times = dynamic_cast<CTimeStampDlg*>(dialog);
    if (!times) return static_cast<int>(wxID_CANCEL);
    times->TransferDataToWindow();
    auto* tick = static_cast<wxCheckBox*>(times->FindWindow(CTimeStampDlg::IDC_UPDATED));
    tick->SetValue(false);
    times->TransferDataFromWindow();
    return static_cast<int>(wxID_OK);
  });
  Command(ID_EDIT_CHANGE_TIMES);
  EXPECT_EQ(tree.GetDirData(4)->GetUpdateTime().GetStatus(), COleDateTime::null);
  EXPECT_EQ(tree.GetDirData(4)->GetUpdateTimeText(FALSE), CString());
  EXPECT_TRUE(tree.GetDirData(4)->GetCreateTime() == COleDateTime(2023, 7, 2, 8, 30, 0)) << "ticked: kept";
  EXPECT_TRUE(doc->IsModified());
  std::vector<const CDirData*> recent;
  tree.ListRecentUpdated(0, recent, 100);
  for (const CDirData* d : recent) EXPECT_NE(d, tree.GetDirData(4));
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(doc->GetTree().GetDirData(4)->GetUpdateTime().GetStatus(), COleDateTime::valid);

  // The display mode is written at once.
  Command(ID_VIEW_TIME_CREATED);
  EXPECT_EQ(ListOf(doc)->m_nTimeMode, 2);
  EXPECT_EQ(AfxGetProfileInt("View", "Time", 0), 2);
  EXPECT_TRUE(IsEnabled(ID_VIEW_TIME_CREATED));
}

TEST_F(TreePaneTest, LinkCopiesNameTheItemFromTheTopDown) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/A/B"});
  ListOf(doc)->SetCurSel(2);
  Command(ID_TREE_COPY_LINK_SAME);
  EXPECT_EQ(ClipboardText(), "file:///./Top/A/B");
  Command(ID_TREE_COPY_LINK_FOLDER);
  const CString path = doc->GetPathName();
  EXPECT_EQ(ClipboardText(), "file:///" + path.Mid(path.ReverseFind('/') + 1).str() + "/Top/A/B");
  Command(ID_TREE_COPY_LINK_OTHER);
  EXPECT_EQ(ClipboardText(), "file:///" + path.str() + "/Top/A/B");
  // An unsaved document has no file name to give.
  EXPECT_EQ(ViewOf(doc)->MakeTreeLinkText(0, "").str(), "file:////Top");
}

// Links copied here and links that other programs and earlier versions wrote lead to the item.
TEST_F(TreePaneTest, ItemLinksOfEitherFormJumpInsideTheOutline) {
  CKestavonDoc* doc = OpenOutline(kOutline, [](ATREE& tree) {
    tree.EditDirData(4)->m_strLink = "file:///./Top/A/a1";
    tree.EditDirData(5)->m_strLink = "file:///.//A/a1/x";
  });
  COwnerListBox* list = ListOf(doc);
  ScopedShellOpener none("");
  ScopedMessageBoxHook hook(IDOK);
  list->SetCurSel(doc->GetTree().GetRows().GetRowIndex(4));  // B
  Command(ID_VIEW_OPEN_LINK);
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  list->SetCurSel(doc->GetTree().GetRows().GetRowIndex(5));  // C
  Command(ID_VIEW_OPEN_LINK);
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  EXPECT_TRUE(hook.Calls().empty());
}

TEST_F(TreePaneTest, DoubleClickActsOnLeavesAndParentsAsTheSettingSays) {
  const std::vector<std::string> outline = {"Top", "Top/A", "Top/A/a1", "Top/B", "Top/C"};
  auto withLinks = [](ATREE& tree) {
    tree.EditDirData(1)->m_strLink = "file:///./Top/C";
    tree.EditDirData(2)->m_strLink = "file:///./Top/C";
  };
  auto doubleClick = [](CKestavonDoc* doc, int item) {
    COwnerListBox* list = ListOf(doc);
    list->SetCurSel(doc->GetTree().GetRows().GetRowIndex(item));
    wxCommandEvent dclick(wxEVT_LISTBOX_DCLICK, COwnerListBox::kControlId);
    dclick.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(dclick);
  };
  std::vector<std::string> edited;  // the items whose modify dialog opened
  ModalAnswers answer([&edited](wxDialog* dialog) {
    if (auto* edit = dynamic_cast<CTreeEditDlg*>(dialog)) edited.push_back(edit->m_strTitle.str());
    return static_cast<int>(wxID_CANCEL);
  });
  ScopedShellOpener none("");

  // Automatic: a parent folds and unfolds whatever its link, a leaf follows its link, a leaf
  // without one is modified.
  CKestavonDoc* doc = Open(WriteOutline("auto.kvn", outline, withLinks));
  doubleClick(doc, 1);
  EXPECT_FALSE(doc->GetTree().IsExpanded(1));
  doubleClick(doc, 1);
  EXPECT_TRUE(doc->GetTree().IsExpanded(1));
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  doubleClick(doc, 3);
  EXPECT_EQ(edited, std::vector<std::string>{"B"});
  doubleClick(doc, 2);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  EXPECT_EQ(edited, std::vector<std::string>{"B"});
  m_app->CloseAllDocuments();

  // Always modify, and always open the link, whatever the item.
  Setting("System", "DblClk", "1");
  edited.clear();
  doc = Open(WriteOutline("modify.kvn", outline, withLinks));
  doubleClick(doc, 1);
  EXPECT_EQ(edited, std::vector<std::string>{"A"});
  EXPECT_TRUE(doc->GetTree().IsExpanded(1));
  m_app->CloseAllDocuments();
  Setting("System", "DblClk", "2");
  doc = Open(WriteOutline("link.kvn", outline, withLinks));
  doubleClick(doc, 1);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  EXPECT_EQ(edited, std::vector<std::string>{"A"});
}

// The text pane's commands in the tree pane's menus reach the text pane.
TEST_F(TreePaneTest, TextPaneCommandsAreHandedOn) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  ListOf(doc)->SetCurSel(1);
  for (int id : {ID_VIEW_COUNT_CHARS, ID_FILE_TEXTAREA_INSERT, ID_FILE_TEXTAREA_SAVE, ID_FILE_TEXTAREA_SAVE_TEMPLATE})
    EXPECT_TRUE(IsEnabled(id)) << id;
  ModalAnswers answer([](wxDialog*) { return static_cast<int>(wxID_CANCEL); });
  Command(ID_VIEW_COUNT_CHARS);
  ASSERT_EQ(answer.titles.size(), 1u);
  EXPECT_EQ(WxToCP932(answer.titles[0]).str(), "文字数のカウント");
}

TEST(ShellOpen, AQuotedProgramKeepsItsOptionsAndTheCallersFile) {
  const std::string dir = testing::TempDir() + "/x y";
  mkdir(dir.c_str(), 0700);
  const std::string program = dir + "/ed";
  std::ofstream(program) << "#!/bin/sh\n";
  chmod(program.c_str(), 0700);
  struct Case {
    std::string text;
    const char* parameters;
    std::vector<std::string> argv;
  };
  const Case cases[] = {
      {"\"" + program + "\" -n", "/tmp/a b.txt", {program, "-n", "/tmp/a b.txt"}},
      {"\"" + program + "\" -n", nullptr, {program, "-n"}},
      {program, "/tmp/f.txt", {program, "/tmp/f.txt"}},
      // A path from a document is one argument, whatever quotes it holds.
      {"\"" + program + "\" -n", "\"x\" -c \"!touch y\" +!touch", {program, "-n", "\"x\" -c \"!touch y\" +!touch"}},
      {program, "C:\\a b\\", {program, "C:\\a b\\"}},
  };
  for (const Case& c : cases) {
    CString file, arguments;
    SplitProgramText(c.text.c_str(), c.parameters, file, arguments);
    const ShellLaunch launch = PlanShellExecute(nullptr, file, arguments, "");
    std::vector<std::string> argv;
    for (const CString& a : launch.argv) argv.push_back(a.str());
    EXPECT_EQ(argv, c.argv) << c.text;
  }
}

// A link that reads as a program with its arguments is one path, which names no file.
TEST_F(TreePaneTest, ALinkIsNeverSplitIntoAProgramAndItsArguments) {
  const std::string marker = testing::TempDir() + "/link-ran";
  const std::string link = "\"/bin/sh\" -c \"touch " + marker + "\" :";
  CKestavonDoc* doc = OpenOutline(kOutline, [&](ATREE& tree) { tree.SetLink(4, link.c_str()); });
  ListOf(doc)->SetCurSel(4);
  ScopedMessageBoxHook box;
  Command(ID_VIEW_OPEN_LINK);
  ASSERT_EQ(box.Calls().size(), 1u);
  EXPECT_EQ(box.Calls()[0].text, CString("パスが見つかりませんでした"));
  EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(TreePaneTest, AMissingProgramWithoutADotReturnsOneSilently) {
  CKestavonDoc* doc = OpenOutline(kOutline);
  ScopedMessageBoxHook box;
  EXPECT_EQ(StartProgram(ViewOf(doc), "no-such-program-here", nullptr), 1);
  EXPECT_TRUE(box.Calls().empty());
  EXPECT_EQ(StartProgram(ViewOf(doc), "/no/such/folder/prog.sh", nullptr), 3);
  ASSERT_EQ(box.Calls().size(), 1u);
  EXPECT_EQ(box.Calls()[0].text, CString("パスが見つかりませんでした"));

  const std::string url = testing::TempDir() + "/site.url";
  std::ofstream(url) << "[InternetShortcut]\nURL=https://example.org/x\n";
  EXPECT_EQ(CTrView::ResolveShortcut(url.c_str()), CString("https://example.org/x"));
  EXPECT_EQ(CTrView::ResolveShortcut("/no/such.url"), CString("/no/such.url"));
}

TEST_F(TreePaneTest, SubtreeAttributesChangeOnlyWhatIsSetBelowTheItemAndCanBeUndone) {
  CKestavonDoc* doc = OpenOutline(kOutline, [](ATREE& tree) {
    for (int i = 1; i <= 3; ++i) tree.EditDirData(i)->m_nStatus = 1 | 32;
  });
  ATREE& tree = doc->GetTree();
  ListOf(doc)->SetCurSel(1);  // A
  auto answer = [](int output, int category) {
    return ModalAnswers([=](wxDialog* dialog) {
      auto* props = dynamic_cast<CTreePropDlg*>(dialog);
      if (!props) return static_cast<int>(wxID_CANCEL);
      props->m_nOutput = output;
      props->m_nCategory = category;
      return static_cast<int>(wxID_OK);
    });
  };
  {
    auto categoryOnly = answer(-1, 2);
    Command(ID_TREE_ATTRIBUTES);
  }
  for (int i : {2, 3}) {
    EXPECT_EQ(tree.GetDirData(i)->GetCategory(), 2) << i;
    EXPECT_EQ(tree.GetDirData(i)->m_nStatus & 0xFF, 1 | 32) << i;
  }
  EXPECT_EQ(tree.GetDirData(1)->GetCategory(), 0) << "the selected item keeps its own";
  EXPECT_TRUE(doc->IsModified());
  {
    auto outputOnly = answer(3, -1);
    Command(ID_TREE_ATTRIBUTES);
  }
  EXPECT_EQ(tree.GetDirData(2)->m_nStatus, 1 | 32 | 0x1C | (2 << 16));
  Command(ID_EDIT_UNDO);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(doc->GetTree().GetDirData(2)->m_nStatus, 1 | 32);
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(TreePaneTest, TextCopyTakesFoldedItemsLeavesTheFoldingAndHonoursTheLevelAndOutputFilters) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/A/a", "Top/A/a/deep", "Top/A/quiet", "Top/B"}, [](ATREE& tree) {
    tree.EditDirData(2)->m_nView = 0;  // A folded
    tree.EditDirData(3)->m_nView = 0;
    tree.EditDirData(4)->m_nView = 0;
    tree.EditDirData(4)->m_nStatus = 28;  // no output
  });
  COwnerListBox* list = ListOf(doc);
  EXPECT_FALSE(IsEnabled(ID_FILE_TEXT_COPY)) << "until the program gives its text output";
  struct TextOutput : IOutlineTextOutput {
    CString MakeOutlineText(ATREE& tree, const std::vector<int>& items, BOOL html) override {
      seen = items;
      CString text(html ? "<html>" : "");
      for (int item : items) text += tree.GetName(item) + "\n";
      return text;
    }
    std::vector<int> seen;
  } output;
  Seam<IOutlineTextOutput>::Scope installed(&output);
  const std::vector<int>& seen = output.seen;
  const std::vector<std::string> rows = RowTitles(list);
  list->SetCurSel(1);  // A
  Command(ID_FILE_TEXT_COPY);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(RowTitles(list), rows) << "the folding is as it was";
  {
    wxClipboardLocker lock;
    wxTextDataObject text;
    ASSERT_TRUE(wxTheClipboard->GetData(text));
    EXPECT_EQ(WxToCP932(text.GetText()).str(), "A\na\ndeep\n");
  }
  Setting("Text", "Level", "2");
  Setting("Text", "Html", "1");
  list->SetCurSel(0);  // the top row: the whole outline
  Command(ID_FILE_TEXT_COPY);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 5})) << "depth 3 and the no-output item are left out";
}

}  // namespace
}  // namespace treepane_test
