// The RTF options dialog: it shows the stored options, OK and the preview button write its three
// keys and nothing else, Cancel writes nothing, the file name comes from the chooser or from the
// document's path.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "convert/CRtfOutDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"
#include "tests/model/ModelTestSupport.h"

namespace {

class TestDialog : public CRtfOutDlg {
 public:
  TestDialog() : CRtfOutDlg(nullptr) {}

 protected:
  BOOL ChooseFile(CString& path) override {
    path = "/chosen/出力.rtf";
    return TRUE;
  }
};

CString FileNameShown(wxDialog* d) { return WxToCP932(DlgEdit(d, CRtfOutDlg::IDC_FILE_NAME)->GetValue()); }

class CRtfOutDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    m_conf = kesta_test::MakeTempDir("rtfdlg") + "/kesta32.ini";
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(m_conf);
  }
  std::string m_conf;
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
};

TEST_F(CRtfOutDlgTest, OkWritesItsThreeKeysAndCancelNothing) {
  AfxWriteProfileInt("RtfOut", "PageFeed", 3);
  const std::string before = kesta_test::ReadBytes(m_conf);
  int feedShown = -1;
  bool selectShown = false;
  {
    TestDialog dialog;
    WhenShown run([&](wxDialog* d) {
      feedShown = DlgChoice(d, CRtfOutDlg::IDC_PAGE_FEED)->GetSelection();
      selectShown = DlgCheck(d, CRtfOutDlg::IDC_SELECT_TREE)->GetValue();
      DlgChoice(d, CRtfOutDlg::IDC_PAGE_FEED)->SetSelection(6);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(feedShown, 3);
  EXPECT_TRUE(selectShown);
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), before);

  TestDialog dialog;
  WhenShown run([&](wxDialog* d) {
    DlgChoice(d, CRtfOutDlg::IDC_PAGE_FEED)->SetSelection(6);
    DlgCheck(d, CRtfOutDlg::IDC_SELECT_TREE)->SetValue(false);
    DlgCheck(d, CRtfOutDlg::IDC_FONT_LEVEL_REL)->SetValue(true);
    Click(d, CRtfOutDlg::IDC_BROWSE);
    Click(d, CRtfOutDlg::IDC_PREVIEW);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.m_bPreview);
  EXPECT_EQ(dialog.m_strFileName, "/chosen/出力.rtf");
  EXPECT_EQ(AfxGetProfileInt("RtfOut", "PageFeed", 0), 6);
  EXPECT_EQ(AfxGetProfileInt("RtfOut", "SelectTree", 1), 0);
  EXPECT_EQ(AfxGetProfileInt("RtfOut", "FontLevelRel", 0), 1);
  const std::string after = kesta_test::ReadBytes(m_conf);
  EXPECT_EQ(after, "[RtfOut]\r\nPageFeed=6\r\nSelectTree=0\r\nFontLevelRel=1\r\n");
}

TEST_F(CRtfOutDlgTest, TheFileNameFollowsTheDocumentOnceItWasSaved) {
  const struct {
    const char* docPath;
    const char* shown;
  } cases[] = {{"/home/u/企画.v2.kvn", "/home/u/企画.v2.rtf"}, {"/home/u/memo", "rtf"}, {"", "old.rtf"}};
  for (const auto& c : cases) {
    model_test::MessageRecorder messages;
    CString shown;
    TestDialog dialog;
    dialog.m_strDocPath = c.docPath;
    dialog.m_strFileName = "old.rtf";
    WhenShown run([&](wxDialog* d) {
      Click(d, CRtfOutDlg::IDC_NAME_FROM_DOC);
      shown = FileNameShown(d);
      Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(shown, c.shown) << c.docPath;
    const bool unsaved = *c.docPath == '\0';
    EXPECT_EQ(messages.texts.size(), unsaved ? 1u : 0u) << c.docPath;
    if (unsaved && !messages.texts.empty()) {
      EXPECT_EQ(messages.texts[0], "この機能は一度ファイルを保存することで有効になります");
    }
  }
}

TEST_F(CRtfOutDlgTest, F1ShowsItsHelpTopic) {
  HelpRecorder app;
  TestDialog dialog;
  WhenShown run([&](wxDialog* d) {
    PressF1(d);
    Click(d, IDCANCEL);
  });
  dialog.DoModal();
  EXPECT_EQ(app.topics, std::vector<DWORD>{174});
}

}  // namespace
