// The grep dialog, document and window: refusals and settings of the dialog, the list and the
// marked text of the window, and what a hit's link and file resolve to.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "views/CGrepDlg.h"
#include "views/CGrepDoc.h"
#include "views/CGrepEditView.h"
#include "views/CGrepView.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using kesta_test::ScopedSettingsFile;
using kesta_test::WriteBytes;
using model_test::DialogDriver;
using model_test::MakeModel;
using model_test::MessageRecorder;
using model_test::PressButton;
using model_test::Steps;

namespace {

void SetCombo(wxDialog* dialog, int id, const char* text) {
  static_cast<wxComboBox*>(dialog->FindWindow(id))->SetValue(CP932ToWx(text));
}

}  // namespace

TEST(CGrepDlg, RefusesAnEmptyWordOrFolderThenStoresOptionsAndHistories) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  ScopedSettingsFile settings(MakeTempDir("grepdlg") + "/kesta32.conf");
  AfxWriteProfileInt("System", "Title", 1);  // no "TitleSearch": titles start unchecked
  MessageRecorder messages;
  CGrepDlg dialog(nullptr);
  DialogDriver driver({Steps({
      [](wxDialog* d) {
        EXPECT_FALSE(static_cast<wxCheckBox*>(d->FindWindow(CGrepDlg::IDC_TITLE))->GetValue());
        EXPECT_FALSE(static_cast<wxComboBox*>(d->FindWindow(CGrepDlg::IDC_FOLDER))->GetValue().empty());
        SetCombo(d, CGrepDlg::IDC_WORD, "");
      },
      PressButton(IDOK),
      [](wxDialog* d) {
        SetCombo(d, CGrepDlg::IDC_WORD, "語");
        SetCombo(d, CGrepDlg::IDC_FOLDER, "");
      },
      PressButton(IDOK),
      [](wxDialog* d) { SetCombo(d, CGrepDlg::IDC_FOLDER, "/tmp"); },
      PressButton(IDOK),
  })});
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(messages.texts, (std::vector<std::string>{"検索語がありません", "フォルダが指定されていません"}));
  EXPECT_EQ(std::string(dialog.m_options.m_strWord), "語");
  EXPECT_EQ(AfxGetProfileInt("System", "MSearchGrep", -1), 1);
  EXPECT_EQ(std::string(AfxGetProfileString("Search", "str00", "")), "語");
  EXPECT_EQ(std::string(AfxGetProfileString("FolderHistory", "str00", "")), "/tmp");
}

namespace {

class GrepWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasGui()) GTEST_SKIP() << "needs a display";
    m_settings = std::make_unique<ScopedSettingsFile>(MakeTempDir("grepwin") + "/kesta32.conf");
    m_root = MakeTempDir("grepwin-files");
    ASSERT_EQ(MakeModel({{"根", "前 apple 中 APPLE 後"}, {"根/子", "none"}})->SaveFile((m_root + "/n.kvn").c_str()), 1);
    m_frame = new wxFrame(nullptr, wxID_ANY, "grep", wxDefaultPosition, wxSize(600, 400));
    m_list = new CGrepView;
    m_list->Create(m_frame, wxID_ANY);
    m_edit = new CGrepEditView;
    m_edit->Create(m_frame, wxID_ANY);
  }
  void TearDown() override {
    if (!m_frame) return;
    m_doc.RemoveView(m_list);
    m_doc.RemoveView(m_edit);
    m_frame->Destroy();
  }
  void Search(const char* word, BOOL regExp) {
    m_doc.m_options.m_strFolder = m_root.c_str();
    m_doc.m_options.m_strWord = word;
    m_doc.m_options.m_bRegExp = regExp;
    ASSERT_TRUE(m_doc.RunSearch());
    m_doc.AddView(m_list);
    m_doc.AddView(m_edit);
    m_list->OnInitialUpdate();
  }
  // The marked stretches of the text pane, as text.
  std::vector<std::string> Marked() {
    std::vector<std::string> marks;
    wxTextCtrl* text = m_edit->GetTextCtrl();
    std::string current;
    for (long pos = 0; pos <= text->GetLastPosition(); ++pos) {
      wxTextAttr attr;
      const bool bold = pos < text->GetLastPosition() && text->GetStyle(pos, attr) &&
                        attr.GetFontWeight() == wxFONTWEIGHT_BOLD;
      if (bold) current += std::string(WxToCP932(text->GetRange(pos, pos + 1)));
      if (!bold && !current.empty()) marks.push_back(current), current.clear();
    }
    return marks;
  }

  std::unique_ptr<ScopedSettingsFile> m_settings;
  std::string m_root;
  CGrepDoc m_doc;
  wxFrame* m_frame = nullptr;
  CGrepView* m_list = nullptr;
  CGrepEditView* m_edit = nullptr;
};

}  // namespace

TEST_F(GrepWindowTest, ListsFileFolderTreeAndLinkAndMarksEveryMatch) {
  Search("apple", FALSE);
  wxListCtrl* list = m_list->GetList();
  ASSERT_EQ(list->GetItemCount(), 1);
  ASSERT_EQ(list->GetColumnCount(), 4);
  EXPECT_EQ(std::string(WxToCP932(list->GetItemText(0, 0))), "n.kvn");
  EXPECT_EQ(std::string(WxToCP932(list->GetItemText(0, 1))), m_root);
  EXPECT_EQ(std::string(WxToCP932(list->GetItemText(0, 2))), "根");
  EXPECT_EQ(std::string(m_edit->GetText()), "前 apple 中 APPLE 後\n");
  EXPECT_EQ(Marked(), (std::vector<std::string>{"apple", "APPLE"}));
}

TEST_F(GrepWindowTest, RegularExpressionMarksAndThePanesOwnFind) {
  Search("A.P", TRUE);
  EXPECT_EQ(Marked(), (std::vector<std::string>{"app", "APP"}));
  MessageRecorder messages;
  m_edit->m_strFind = "中";
  ASSERT_TRUE(m_edit->FindNext());
  int start = 0;
  int end = 0;
  m_edit->GetSel(start, end);
  EXPECT_EQ(std::string(m_edit->GetText().Mid(start, end - start)), "中");
  EXPECT_FALSE(m_edit->FindNext());
  EXPECT_TRUE(m_edit->FindPrev() == FALSE);  // nothing before the first one
  EXPECT_EQ(messages.texts, (std::vector<std::string>{"検索語が見つかりません", "検索語が見つかりません"}));
}

TEST(CGrepView, RelativeLinksTakeTheHitsFolderAndLargeTextFilesAreAskedAbout) {
  struct Case {
    const char* link;
    const char* file;
    const char* expected;
  } cases[] = {
      {"sub/a.doc", "/n/x.kvn", "/n/sub/a.doc"},
      {"sub\\a.doc", "/n/x.kvn", "/n/sub/a.doc"},
      {"/abs/a.doc", "/n/x.kvn", "/abs/a.doc"},
      {"http://example.com/", "/n/x.kvn", "http://example.com/"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(CGrepView::ResolveLink(c.link, c.file)), c.expected) << c.link;

  const std::string root = MakeTempDir("grep-large");
  WriteBytes(root + "/big.txt", std::string(600000, 'a'));
  WriteBytes(root + "/small.txt", "a");
  EXPECT_NE(std::string(CGrepView::LargeTextQuestion((root + "/big.txt").c_str())).find("(585KB)"), std::string::npos);
  EXPECT_TRUE(CGrepView::LargeTextQuestion((root + "/small.txt").c_str()).IsEmpty());
}

TEST(CGrepDoc, StartingAtOnceSearchesTheStartWordAndReportsNoHits) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  ScopedSettingsFile settings(MakeTempDir("grepdoc") + "/kesta32.conf");
  const std::string root = MakeTempDir("grepdoc-files");
  ASSERT_EQ(MakeModel({{"根", "text"}})->SaveFile((root + "/n.kvn").c_str()), 1);
  AfxWriteProfileString("FolderHistory", "str00", root.c_str());
  CGrepDoc::s_nStartMode = CGrepDoc::StartAtOnce;
  MessageRecorder messages;
  struct Case {
    const char* word;
    BOOL result;
    const char* message;
  } cases[] = {{"absent", FALSE, "見つかりません"}, {"", FALSE, "検索語がありません"}, {"TEXT", TRUE, nullptr}};
  for (const Case& c : cases) {
    messages.texts.clear();
    CGrepDoc doc;
    CGrepDoc::s_strStartWord = c.word;
    EXPECT_EQ(doc.OnNewDocument(), c.result) << c.word;
    EXPECT_EQ(messages.texts, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.word;
    if (c.result) {
      EXPECT_EQ(std::string(doc.GetTitle()), "ファイル検索 - \"TEXT\"");
    }
  }
  CGrepDoc::s_nStartMode = CGrepDoc::StartAsk;
  CGrepDoc::s_strStartWord = "";
}
