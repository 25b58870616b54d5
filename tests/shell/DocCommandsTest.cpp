// The document's own services and commands: marks, link targets, the title-as-first-line option,
// templates and the bookmark entry.
#include <wx/app.h>

#include "app/CKestavonApp.h"
#include "model/CDirData.h"
#include "model/KvnCrypt.h"
#include "model/dialogs/CCryptDlg.h"
#include "model/dialogs/CPasswordDlg.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "resources/CommandIds.h"
#include "tests/shell/AppFixture.h"
#include "tests/treeview/ModalAnswers.h"

namespace app_test {
namespace {

bool Enabled(CKestavonDoc& doc, int id) {
  wxUpdateUIEvent event(id);
  doc.ProcessEventLocally(event);
  return event.GetEnabled();
}

TEST_F(AppTest, ThisFilesFolderSaysSoWhenNothingOpensIt) {
  const std::string a = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({a}));
  ScopedShellOpener none("");  // no desktop handler; the test run's bus has no file manager
  ScopedMessageBoxHook hook(IDOK);
  Frame()->SendCommand(ID_FILE_OPEN_FOLDER);
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(std::string(hook.Calls()[0].text), "フォルダを開くことができません：" + m_dir);
}

TEST_F(AppTest, MarksAreFoundForwardAndBackwardButNeverAtTheTopTree) {
  ASSERT_TRUE(Start());
  CKestavonDoc& doc = *Documents()[0];
  ATREE& tree = doc.GetTree();
  CString title("a"), text;
  tree.InsertTree(0, title, "", text, 0, 0, 1, nullptr, TRUE);
  tree.InsertTree(0, title, "", text, 0, 1, 1, nullptr, TRUE);
  tree.EditDirData(0)->m_nBookmark = 1;
  EXPECT_EQ(doc.FindNextMark(0), 0);
  EXPECT_EQ(doc.FindNextMark(3), -1);
  EXPECT_EQ(doc.FindPrevMark(2), 2);
  EXPECT_EQ(doc.FindPrevMark(1), -1);
  EXPECT_EQ(doc.FindPrevMark(0), -1);
}

TEST_F(AppTest, LinkTargetsResolveAgainstTheDocumentFolder) {
  ASSERT_TRUE(Start());
  CKestavonDoc& doc = *Documents()[0];
  ATREE& tree = doc.GetTree();
  struct Case {
    const char* link;
    const char* target;
  } cases[] = {{"http://a.b/c", "http://a.b/c"}, {".//x\\y", ".//x\\y"}, {"/abs/f.txt", "/abs/f.txt"},
               {"C:\\w\\f.txt", "C:\\w\\f.txt"}, {"", ""}};
  for (const Case& c : cases) {
    tree.EditDirData(0)->m_strLink = c.link;
    EXPECT_EQ(std::string(doc.GetLinkTarget(-1)), c.target) << c.link;
  }

  tree.EditDirData(0)->m_strLink = "sub/f.txt";
  {
    ScopedMessageBoxHook hook(IDOK);
    EXPECT_TRUE(doc.GetLinkTarget(0).IsEmpty());  // never saved: no folder to resolve against
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_EQ(std::string(hook.Calls()[0].text), "リンクが相対パスです。ファイルを保存してください");
  }
  doc.SetPathName((m_dir + "/doc.kvn").c_str(), FALSE);
  EXPECT_EQ(std::string(doc.GetLinkTarget(0)), m_dir + "/sub/f.txt");
}

TEST_F(AppTest, TitleFirstLinesAreInsertedOnceAndRemovedAgain) {
  ASSERT_TRUE(Start());
  CKestavonDoc& doc = *Documents()[0];
  ATREE& tree = doc.GetTree();
  CString title("T"), text("body\r\nmore");
  const int a = tree.InsertTree(0, title, "", text, 0, 0, 1, nullptr, TRUE);
  CString title2("U"), text2("U");
  const int b = tree.InsertTree(0, title2, "", text2, 0, 0, 1, nullptr, TRUE);
  CString title3("(無題)"), text3("x");
  const int c = tree.InsertTree(0, title3, "", text3, 0, 0, 1, nullptr, TRUE);

  doc.InsertTitleFirstLines();
  EXPECT_EQ(std::string(tree.GetText(a)), "T\r\nbody\r\nmore");
  EXPECT_EQ(std::string(tree.GetText(b)), "U");  // already its own first line
  EXPECT_EQ(std::string(tree.GetText(c)), "\r\nx");
  doc.InsertTitleFirstLines();
  EXPECT_EQ(std::string(tree.GetText(a)), "T\r\nbody\r\nmore");

  doc.RemoveTitleFirstLines();
  EXPECT_EQ(std::string(tree.GetText(a)), "body\r\nmore");
  EXPECT_EQ(std::string(tree.GetText(b)), "");
  EXPECT_EQ(std::string(tree.GetText(c)), "x");
}

TEST_F(AppTest, TemplateTextAndBookmarkEntryFollowTheDocument) {
  ASSERT_TRUE(Start());
  CKestavonDoc& doc = *Documents()[0];
  CDocProperties& properties = doc.GetTree().GetProperties();
  properties.m_bTemplateAuto = 1;
  EXPECT_TRUE(doc.GetTemplateText().IsEmpty());  // no template yet: no text and no message
  properties.m_templates.push_back({CString((m_dir + "/t.txt").c_str()), CString()});
  {
    ScopedMessageBoxHook hook(IDOK);
    EXPECT_TRUE(doc.GetTemplateText().IsEmpty());
    EXPECT_EQ(hook.Calls().size(), 1u);
  }
  MakeFile("t.txt", "line\r\n");
  EXPECT_EQ(std::string(doc.GetTemplateText()), "line\r\n");

  EXPECT_FALSE(Enabled(doc, 0x8209));  // unsaved
  doc.SetPathName((m_dir + "/doc.kvn").c_str(), FALSE);
  EXPECT_TRUE(Enabled(doc, 0x8209));
  {
    ScopedMessageBoxHook hook(IDOK);
    wxCommandEvent add(wxEVT_MENU, 0x8209);
    doc.ProcessEventLocally(add);
  }
  EXPECT_EQ(m_app->m_bookmarkFiles.Find(doc.GetPathName()), 0);
  EXPECT_FALSE(Enabled(doc, 0x8209));  // already bookmarked
}

TEST_F(AppTest, APasswordSetThroughItsCommandEnciphersTheSaveAndOpensTheFileAgain) {
  const std::string path = SampleCopy("secret.kvn");
  ASSERT_TRUE(Start({path}));
  const CString top = Documents()[0]->GetTree().GetName(0);
  auto typePassword = [](const char* password) {
    return ModalAnswers([password](wxDialog* dialog) {
      if (auto* crypt = dynamic_cast<CCryptDlg*>(dialog)) crypt->m_strReadText = password;
      if (auto* entry = dynamic_cast<CPasswordDlg*>(dialog)) entry->m_strPassword = password;
      return static_cast<int>(IDOK);
    });
  };
  {
    auto answer = typePassword("ひみつ");
    Frame()->SendCommand(ID_FILE_PASSWORD);
    ASSERT_EQ(answer.titles.size(), 1u);
  }
  CKestavonDoc& doc = *Documents()[0];
  EXPECT_EQ(doc.GetTree().GetProperties().m_strReadPassword, PasswordHash("ひみつ"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.CanUndo());
  {
    ScopedMessageBoxHook hook(IDYES);
    Frame()->SendCommand(ID_FILE_SAVE);
  }
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(KvnCrypt::IsEncryptedFile(path.c_str()));

  m_app->CloseAllDocuments();
  {
    auto answer = typePassword("ひみつ");
    ASSERT_NE(m_app->OpenDocumentFile(path.c_str()), nullptr);
  }
  EXPECT_EQ(Documents().back()->GetTree().GetName(0), top);
}

}  // namespace
}  // namespace app_test
