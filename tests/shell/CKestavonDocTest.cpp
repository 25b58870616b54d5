// The outline document driven as a user would: open, change, close with the save prompt, the
// failures of opening, the changed-on-disk question, undo back to the saved state.
#include <sys/resource.h>

#include <csignal>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/textctrl.h>

#include "model/CDirData.h"
#include "model/dialogs/CPasswordDlg.h"
#include "model/KvnCrypt.h"
#include "app/ProgramDialogs.h"
#include "shell/CMDITabs.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"

namespace app_test {
namespace {

using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

std::vector<std::string> Texts(const ScopedMessageBoxHook& hook) {
  std::vector<std::string> texts;
  for (const MessageBoxCall& call : hook.Calls()) texts.emplace_back(call.text);
  return texts;
}

TEST_F(AppTest, OpenChangeCloseYesWritesAndReopensTheSameOutline) {
  const std::string path = SampleCopy("a.kvn");
  const std::string original = ReadBytes(path);
  ASSERT_TRUE(Start({path}));
  ASSERT_EQ(Documents().size(), 1u);
  CKestavonDoc* doc = Documents()[0];
  EXPECT_EQ(std::string(doc->GetTitle()), "a.kvn");
  EXPECT_FALSE(doc->IsModified());
  // The window shows one row per item.
  auto* view = dynamic_cast<CTrView*>(doc->GetViews().front());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->GetListBox()->GetCount(), 9);

  // Saving an unchanged outline gives the same bytes.
  Frame()->SendCommand(ID_FILE_SAVE);
  EXPECT_EQ(ReadBytes(path), original);

  doc->SetCurrentTree(2);
  doc->SetCurrentText("京都と奈良と大阪。\r\n", 3);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(std::string(doc->GetTitle()), "a.kvn*");
  CString frameTitle;
  Frame()->GetWindowText(frameTitle);
  EXPECT_NE(std::string(frameTitle).find("a.kvn*"), std::string::npos);
  EXPECT_EQ(ReadBytes(path), original);

  ATREE expected(doc->GetTree());
  expected.GetProperties().m_nFirstLine = 2;  // the current tree is remembered in the file
  const std::string expectedPath = m_dir + "/expected.kvn";
  ASSERT_EQ(expected.WriteKvnFile(expectedPath.c_str()), 1);
  {
    ScopedMessageBoxHook hook(IDYES);
    Frame()->SendCommand(ID_FILE_CLOSE);
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_NE(Texts(hook)[0].find("a.kvn"), std::string::npos);
  }
  EXPECT_TRUE(Documents().empty());
  EXPECT_EQ(ReadBytes(path), ReadBytes(expectedPath));

  CKestavonDoc* again = static_cast<CKestavonDoc*>(m_app->OpenDocumentFile(path.c_str()));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->GetTree().GetDirDataCount(), 9);
  EXPECT_EQ(std::string(again->GetTree().GetText(2)), "京都と奈良と大阪。\r\n");
  EXPECT_FALSE(again->IsModified());
}

TEST_F(AppTest, CloseAnsweredNoOrCancelKeepsTheFile) {
  const std::string path = SampleCopy("a.kvn");
  const std::string original = ReadBytes(path);
  ASSERT_TRUE(Start({path}));
  CKestavonDoc* doc = Documents()[0];
  doc->SetCurrentText("changed", 0);
  {
    ScopedMessageBoxHook hook(IDCANCEL);
    Frame()->SendCommand(ID_FILE_CLOSE);
    EXPECT_EQ(hook.Calls().size(), 1u);
  }
  ASSERT_EQ(Documents().size(), 1u);
  {
    ScopedMessageBoxHook hook(IDNO);
    Frame()->SendCommand(ID_FILE_CLOSE);
  }
  EXPECT_TRUE(Documents().empty());
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(AppTest, FailedOpensGiveTheirMessageAndNoWindow) {
  // A reader that says why the file did not open is not followed by a box that repeats it.
  struct Case {
    const char* name;
    const char* bytes;  // null: no file
    const char* last;   // the last message, followed by the path
  } cases[] = {
      {"missing.kvn", nullptr, "ファイルを開くことに失敗しました："},
      {"damaged.kvn", "\x08\r\nno end of the header", "ファイルを開けません（ケスタボンのファイルではない可能性があります）："},
  };
  ASSERT_TRUE(Start({}));  // a plain start makes one new outline
  ASSERT_EQ(Documents().size(), 1u);
  for (const Case& c : cases) {
    const std::string path = c.bytes ? MakeFile(c.name, c.bytes) : m_dir + "/" + c.name;
    ScopedMessageBoxHook hook(IDOK);
    EXPECT_EQ(m_app->OpenDocumentFile(path.c_str()), nullptr) << c.name;
    ASSERT_FALSE(hook.Calls().empty()) << c.name;
    EXPECT_EQ(Texts(hook).back(), std::string(c.last) + path);
    EXPECT_EQ(Documents().size(), 1u) << c.name;
    EXPECT_EQ(Frame()->GetMDIChildren().size(), 1u) << c.name;
  }
}

TEST_F(AppTest, DamagedFileGivesTheReadersTwoMessagesAndNoWindowWhileTheyAreUp) {
  const std::string a = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({a}));
  const std::string path = MakeFile("damaged.kvn", "A\x05\r\n");
  // What a user sees behind each box: the tabs and the windows on screen.
  std::vector<int> tabs;
  std::vector<size_t> shown;
  ScopedMessageBoxHook hook([&](const MessageBoxCall&) {
    tabs.push_back(Frame()->GetTabs()->GetItemCount());
    size_t count = 0;
    for (CMDIChildWnd* child : Frame()->GetMDIChildren()) count += child->IsShown() ? 1 : 0;
    shown.push_back(count);
    return IDOK;
  });
  EXPECT_EQ(m_app->OpenDocumentFile(path.c_str()), nullptr);
  ASSERT_EQ(Texts(hook).size(), 2u);
  EXPECT_EQ(Texts(hook)[0], "Error:statusA<05>");
  EXPECT_EQ(Texts(hook)[1], std::string("ファイルを開けません（ケスタボンのファイルではない可能性があります）：") + path);
  EXPECT_EQ(tabs, std::vector<int>(2, 1));
  EXPECT_EQ(shown, std::vector<size_t>(2, 1u));
  EXPECT_EQ(Documents().size(), 1u);
}

// Types a password into the password dialog when it comes up and presses OK.
TEST_F(AppTest, WrongPasswordGivesItsMessageAndNoWindow) {
  ASSERT_TRUE(Start());
  const std::string path = m_dir + "/secret.kvn";
  {
    ATREE model(Documents()[0]->GetTree());
    model.GetProperties().m_strReadPassword = PasswordHash("秘密");
    ASSERT_EQ(model.WriteKvnFile(path.c_str()), 1);
  }
  ScopedMessageBoxHook hook(IDOK);
  DialogAnswerer typer([](wxDialog& dialog) {
    static_cast<wxTextCtrl*>(dialog.FindWindow(CPasswordDlg::IDC_PASSWORD))->ChangeValue("himitsu");
  });
  EXPECT_EQ(m_app->OpenDocumentFile(path.c_str()), nullptr);
  EXPECT_TRUE(typer.m_done);
  // The password message says why; no second box repeats that the file did not open.
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(Texts(hook)[0], std::string("パスワードが違います。大文字小文字半角全角に注意して入力してください。"));
  EXPECT_EQ(Documents().size(), 1u);
  EXPECT_EQ(Frame()->GetMDIChildren().size(), 1u);
}

TEST_F(AppTest, MissingFileOffersANewOneWhenAsked) {
  Setting("System", "NoToNewFile", "1");
  ASSERT_TRUE(Start({}));
  const std::string path = m_dir + "/new.kvn";
  {
    ScopedMessageBoxHook hook(IDOK);
    CDocument* doc = m_app->OpenDocumentFile(path.c_str());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(Texts(hook)[0], path + std::string("がありません。新規に作成しますか？"));
    EXPECT_FALSE(doc->IsModified());
  }
}

TEST_F(AppTest, FileChangedOnDiskAsksBeforeItIsOverwritten) {
  const std::string path = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({path}));
  CKestavonDoc* doc = Documents()[0];
  TypeOver(doc, "mine");
  WriteBytes(path, "written by another program");
  {
    ScopedMessageBoxHook hook(IDNO);
    Frame()->SendCommand(ID_FILE_SAVE);
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_EQ(Texts(hook)[0], std::string("ファイルが更新されている可能性があります。上書き保存しますか？"));
  }
  EXPECT_EQ(ReadBytes(path), "written by another program");
  EXPECT_TRUE(doc->IsModified());
  {
    ScopedMessageBoxHook hook(IDYES);
    Frame()->SendCommand(ID_FILE_SAVE);
  }
  EXPECT_FALSE(doc->IsModified());
  EXPECT_NE(ReadBytes(path).find("mine"), std::string::npos);
  // Once saved, the file is this document's own again: no question.
  TypeOver(doc, "mine again");
  Frame()->SendCommand(ID_FILE_SAVE);
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(AppTest, WithBackupsASaveThatStopsLeavesTheOldDocumentAtItsPath) {
  Setting("System", "Backup", "1");
  const std::string path = SampleCopy("a.kvn");
  const std::string original = ReadBytes(path);
  ASSERT_TRUE(Start({path}));
  CKestavonDoc* doc = Documents()[0];
  TypeOver(doc, "changed");
  {
    // A refused write password.
    doc->GetTree().GetProperties().m_strWritePassword = PasswordHash("w");
    ScopedMessageBoxHook hook(IDOK);
    DialogAnswerer typer([](wxDialog& dialog) {
      static_cast<wxTextCtrl*>(dialog.FindWindow(CPasswordDlg::IDC_PASSWORD))->ChangeValue("x");
    });
    Frame()->SendCommand(ID_FILE_SAVE);
    EXPECT_TRUE(typer.m_done);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(ReadBytes(path), original);
  }
  {
    // The disk fills up during the write.
    doc->GetTree().GetProperties().m_strWritePassword.Empty();
    TypeOver(doc, std::string(200000, 'z').c_str());
    ScopedMessageBoxHook hook(IDOK);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 50000;
    setrlimit(RLIMIT_FSIZE, &small);
    Frame()->SendCommand(ID_FILE_SAVE);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(ReadBytes(path), original);
  }
  EXPECT_EQ(ReadBytes(m_dir + "/a.bak"), original);
  Frame()->SendCommand(ID_FILE_SAVE);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_NE(ReadBytes(path).find(std::string(200000, 'z')), std::string::npos);
  EXPECT_EQ(ReadBytes(m_dir + "/a.bak"), original);
}

TEST_F(AppTest, SaveAsProposesTheTypeAndNameAndWritesByTheChosenType) {
  Setting("File", "SaveType", "2");
  const std::string path = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({path}));
  CKestavonDoc* doc = Documents()[0];
  struct Asked {
    std::string name;
    int type;
    std::string folder;
  };
  // Answers with the name and type given, or cancels while the name is empty.
  struct Chooser : ISaveAsChooser {
    BOOL ChooseSaveAs(wxWindow*, CString& name, int& type, const CString& folder) override {
      asked.push_back({std::string(name), type, std::string(folder)});
      if (answer.empty()) return FALSE;
      name = answer.c_str();
      type = answerType;
      return TRUE;
    }
    std::vector<Asked> asked;
    std::string answer;
    int answerType = 0;
  } chooser;
  Seam<ISaveAsChooser>::Scope installed(&chooser);
  const std::vector<Asked>& asked = chooser.asked;

  // The stored type gives the proposed extension; the chosen name decides how the file is written.
  chooser.answer = m_dir + "/plain.txt";
  chooser.answerType = 2;
  Frame()->SendCommand(ID_FILE_SAVE_AS);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].name, m_dir + "/a.txt");
  EXPECT_EQ(asked[0].type, 2);
  EXPECT_EQ(asked[0].folder, m_dir);
  const std::string text = ReadBytes(chooser.answer);
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text[0], '\b') << "the native file's first byte";

  // A top tree named after the file follows the file's new name in the other editor's format.
  const std::string base = "plain";
  doc->GetTree().RenameTree(0, base.c_str(), "");
  chooser.answer = m_dir + "/memo.mem";
  chooser.answerType = 3;
  Frame()->SendCommand(ID_FILE_SAVE_AS);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].folder, m_dir);
  EXPECT_EQ(std::string(doc->GetTree().GetName(0)), "memo");
  EXPECT_FALSE(ReadBytes(chooser.answer).empty());

  // A .mem document proposes its own type whatever the stored one.
  chooser.answer.clear();
  Frame()->SendCommand(ID_FILE_SAVE_AS);
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[2].name, m_dir + "/memo.mem");
  EXPECT_EQ(asked[2].type, 3);
  EXPECT_EQ(std::string(doc->GetPathName()), m_dir + "/memo.mem");
}

TEST_F(AppTest, UndoClearsTheModifiedMarkOnlyAtTheSavedState) {
  const std::string path = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({path}));
  CKestavonDoc* doc = Documents()[0];
  doc->SetCurrentText("one", 0);
  Frame()->SendCommand(ID_FILE_SAVE);
  doc->SetCurrentText("two", 0);
  doc->Undo();  // back to the saved text
  EXPECT_FALSE(doc->IsModified());
  doc->Undo();  // before the save: the file holds something else
  EXPECT_TRUE(doc->IsModified());
  doc->Redo();
  EXPECT_FALSE(doc->IsModified());
  doc->Redo();
  EXPECT_TRUE(doc->IsModified());
}

TEST_F(AppTest, UndoAfterTheOldestStatesWereDroppedStillCountsAsModified) {
  const std::string path = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({path}));
  CKestavonDoc* doc = Documents()[0];
  for (int i = 0; i < 105; ++i) {
    CString text;
    text.Format("%d", i);
    doc->SetCurrentText(text, 0);
  }
  while (doc->CanUndo()) doc->Undo();
  EXPECT_TRUE(doc->IsModified());
}


TEST_F(AppTest, HandedOverFileBecomesANewTreeBehindTheCurrentSubtree) {
  ASSERT_TRUE(Start({SampleCopy("add.kvn")}));
  CKestavonDoc* doc = Documents()[0];
  ATREE& tree = doc->GetTree();
  const int count = tree.GetDirDataCount();

  // Top tree current: the new tree is the top tree's last child.
  doc->SetCurrentTree(0);
  doc->AddTreeFromCommandLine("x.kvn", "/notes/x.kvn");
  const int last = doc->GetCurrentTree();
  EXPECT_EQ(last, count);
  EXPECT_EQ(tree.GetParent(last), 0);
  EXPECT_EQ(std::string(tree.GetName(last)), "x.kvn");
  EXPECT_EQ(std::string(tree.GetLink(last)), "/notes/x.kvn");
  EXPECT_TRUE(doc->IsModified());

  // A tree with children current: the new tree follows its whole subtree at its level.
  doc->SetCurrentTree(1);
  ASSERT_GT(tree.GetNextSibling(1, TRUE), 2);
  const int behind = tree.GetNextSibling(1, TRUE);
  doc->AddTreeFromCommandLine("y.kvn", "/notes/y.kvn");
  EXPECT_EQ(doc->GetCurrentTree(), behind);
  EXPECT_EQ(tree.GetLevel(behind), tree.GetLevel(1));
  EXPECT_EQ(std::string(tree.GetName(behind)), "y.kvn");

  // The same through a second start's "-U": the running instance reads the stored line.
  m_app->WriteProfileString("System", "Commandline", "-U/notes/z.kvn");
  Frame()->SendCommand(ID_WORK_COMMAND_LINE);
  const int added = doc->GetCurrentTree();
  EXPECT_EQ(std::string(tree.GetName(added)), "z.kvn");
  EXPECT_EQ(std::string(tree.GetLink(added)), "/notes/z.kvn");
  // The tree pane shows the new tree selected.
  auto* view = dynamic_cast<CTrView*>(doc->GetViews().front());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->GetListBox()->GetCurTree(), added);
}

}  // namespace
}  // namespace app_test
