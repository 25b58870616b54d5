#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/CTemplateDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "tests/common/TestSupport.h"
#include "tests/shell/textarea/TextPaneFixture.h"
#include "tests/treeview/ModalAnswers.h"

namespace {

using kesta_test::ReadBytes;
using kesta_test::WriteBytes;
using textpane_test::TextPaneTest;

class TextFilesTest : public TextPaneTest {
 protected:
  CKestavonDoc* Second() {
    CKestavonDoc* doc = OpenTexts();
    Down(doc);
    return doc;
  }
  std::string Script(const std::string& name, const std::string& body) {
    const std::string path = m_dir + "/" + name;
    WriteBytes(path, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
    return path;
  }
  // Temporary files that an outside edit left in the test's temporary folder.
  size_t TempFilesLeft() const {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_temp))
      if (entry.path().filename().string().rfind("kvn", 0) == 0) ++count;
    return count;
  }
  void SetUp() override {
    TextPaneTest::SetUp();
    if (IsSkipped()) return;
    m_temp = m_dir + "/tmp";
    std::filesystem::create_directory(m_temp);
    const char* old = std::getenv("TMPDIR");
    m_oldTemp = old ? old : "";
    m_hadTemp = old != nullptr;
    setenv("TMPDIR", m_temp.c_str(), 1);
  }
  void TearDown() override {
    if (m_hadTemp)
      setenv("TMPDIR", m_oldTemp.c_str(), 1);
    else
      unsetenv("TMPDIR");
    TextPaneTest::TearDown();
  }
  std::string m_temp;
  std::string m_oldTemp;
  bool m_hadTemp = false;
};

TEST_F(TextFilesTest, ReadingAFileInsertsItsLinesWithCrLf) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string inserted;
  } cases[] = {
      {"lf.txt", "一\nb\n", "一\r\nb\r\n"},
      {"crlf.txt", "a\r\nb", "a\r\nb\r\n"},  // the last line ends like the others
      {"empty.txt", "", ""},
      // A NUL byte is a space, as in an outline; the line break after it stays.
      {"nul.txt", std::string("a\0b\nc", 5), "a b\r\nc\r\n"},
      // A line longer than any read buffer stays one line.
      {"long.txt", std::string(40000, 'x') + "\n", std::string(40000, 'x') + "\r\n"},
  };
  CKestavonDoc* doc = Second();
  for (const Case& c : cases) {
    const std::string path = m_dir + "/" + c.name;
    WriteBytes(path, c.bytes);
    EditOf(doc).SetLongText("[]");
    EditOf(doc).SetSel(1, 1);
    EXPECT_TRUE(TextOf(doc)->InsertTextFile(path.c_str())) << c.name;
    const std::string text = Text(doc);
    EXPECT_TRUE(text == "[" + c.inserted + "]") << c.name << ": " << text.size() << " bytes, "
                                                << text.substr(0, 20) << "..." << text.substr(text.size() - std::min<size_t>(text.size(), 10));
  }
  EditOf(doc).SetLongText("[]");
  ScopedMessageBoxHook boxes(IDOK);
  EXPECT_FALSE(TextOf(doc)->InsertTextFile((m_dir + "/missing.txt").c_str()));
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, CString("ファイルが見つかりません"));
  EXPECT_EQ(Text(doc), "[]");
}

TEST_F(TextFilesTest, WrittenTextReadsBackWithAFinalLineEnd) {
  CKestavonDoc* doc = Second();
  EditOf(doc).SetLongText("日本語\r\n二行目");
  const std::string path = m_dir + "/out.txt";
  ASSERT_TRUE(TextOf(doc)->WriteTextFile(path.c_str()));
  EXPECT_EQ(ReadBytes(path), "日本語\r\n二行目");
  EditOf(doc).SetLongText("");
  TextOf(doc)->InsertTextFile(path.c_str());
  EXPECT_EQ(Text(doc), "日本語\r\n二行目\r\n");

  ScopedMessageBoxHook boxes(IDOK);
  EXPECT_FALSE(TextOf(doc)->WriteTextFile((m_dir + "/no/such/folder.txt").c_str()));
  EXPECT_EQ(boxes.Calls().size(), 1u) << "a file that cannot be made is reported";
}

TEST_F(TextFilesTest, ATemplateIsWrittenAndListedUnderTheTitle) {
  CKestavonDoc* doc = Second();
  EditOf(doc).SetLongText("ひな形");
  const std::string path = m_dir + "/t.txt";
  ASSERT_TRUE(TextOf(doc)->SaveTextAsTemplate(path.c_str()));
  const auto& templates = doc->GetTree().GetProperties().m_templates;
  ASSERT_EQ(templates.size(), 1u);
  EXPECT_EQ(templates[0].m_strText, CString("one"));
  EXPECT_EQ(templates[0].m_strPath, CString(path));
  EXPECT_EQ(ReadBytes(path), "ひな形");
}

TEST_F(TextFilesTest, TheChosenTemplatesFileReplacesTheSelection) {
  CKestavonDoc* doc = Second();
  auto& templates = doc->GetTree().GetProperties().m_templates;
  const std::string good = m_dir + "/good.txt";
  static const char kBytes[] = "ひな\r\n形\0後";
  WriteBytes(good, std::string(kBytes, sizeof kBytes - 1));
  templates = {{CString((m_dir + "/none.txt").c_str()), "missing"}, {CString(good.c_str()), "good"}};
  struct Case {
    int answer;
    int selected;
    const char* text;
    size_t messages;
  } cases[] = {
      {wxID_OK, 1, "[ひな\r\n形]", 0},  // up to the file's first NUL
      {wxID_CANCEL, 1, "[x]", 0},
      {wxID_OK, -1, "[]", 0},  // nothing chosen: the selection goes
      {wxID_OK, 0, "[x]", 1},
  };
  for (const Case& c : cases) {
    EditOf(doc).SetLongText("[x]");
    EditOf(doc).SetSel(1, 2);
    doc->SetModifiedFlag(FALSE);
    ModalAnswers answers([&c](wxDialog* dialog) {
      dynamic_cast<CTemplateDlg&>(*dialog).m_nSel = c.selected;
      return c.answer;
    });
    ScopedMessageBoxHook boxes(IDOK);
    EXPECT_TRUE(Command(doc, ID_EDIT_INSERT_TEMPLATE));
    EXPECT_EQ(Text(doc), c.text) << c.selected;
    EXPECT_TRUE(doc->IsModified()) << "the dialog may have changed the list";
    ASSERT_EQ(boxes.Calls().size(), c.messages);
    if (c.messages) {
      EXPECT_EQ(boxes.Calls()[0].text, "テンプレートファイルが開けません");
    }
  }
}

TEST_F(TextFilesTest, AnOutsideEditBringsTheEditBackAndLeavesNoTemporaryFile) {
  CKestavonDoc* doc = Second();
  AfxWriteProfileString("System", "Editor", Script("editor.sh", "printf 'edited\\r\\n' >> \"$1\"\n").c_str());
  EditOf(doc).SetLongText("本文\r\n");
  bool waited = false;
  ASSERT_TRUE(TextOf(doc)->RunOutsideEditor([&](pid_t editor) {
    waited = true;
    EXPECT_EQ(WaitProgram(editor), 0);
  }));
  EXPECT_TRUE(waited);
  EXPECT_EQ(Text(doc), "本文\r\nedited\r\n");
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(TempFilesLeft(), 0u);
  EditOf(doc).SetSel(0, 0);
  EditOf(doc).ReplaceSel("x");
  EXPECT_EQ(Text(doc), "x本文\r\nedited\r\n") << "the control is writable again";
  Down(doc);
  EXPECT_EQ(Stored(doc, 1), "x本文\r\nedited\r\n") << "the edit reaches the item at the next write-back";
}

TEST_F(TextFilesTest, AnOutsideEditThatChangesNothingLeavesTheDocumentUnmodified) {
  CKestavonDoc* doc = Second();
  const std::string before = Text(doc);
  ASSERT_FALSE(doc->IsModified());
  AfxWriteProfileString("System", "Editor", Script("editor.sh", "exit 0\n").c_str());
  ASSERT_TRUE(TextOf(doc)->RunOutsideEditor([](pid_t editor) { EXPECT_EQ(WaitProgram(editor), 0); }));
  EXPECT_EQ(Text(doc), before);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(TempFilesLeft(), 0u);
}

TEST_F(TextFilesTest, AnEditorThatCannotStartIsReportedAndTheTextStaysWritable) {
  CKestavonDoc* doc = Second();
  AfxWriteProfileString("System", "Editor", (m_dir + "/no-such-editor").c_str());
  EditOf(doc).SetLongText("本文");
  ScopedMessageBoxHook boxes(IDOK);
  bool waited = false;
  EXPECT_FALSE(TextOf(doc)->RunOutsideEditor([&](pid_t) { waited = true; }));
  EXPECT_FALSE(waited);
  EXPECT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(TempFilesLeft(), 0u);
  EditOf(doc).SetSel(0, 0);
  EditOf(doc).ReplaceSel("x");
  EXPECT_EQ(Text(doc), "x本文");
}

}  // namespace
