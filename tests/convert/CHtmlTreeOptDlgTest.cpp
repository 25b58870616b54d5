// The main page's option dialog: it shows the record, OK stores its fields, the body style and the
// option flag and the tree-close setting, Cancel leaves them, the pickers give a style sheet by
// name and inserted files by path, and F1 shows its help topic.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "convert/CHtmlTreeOptDlg.h"
#include "model/CDocProperties.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"

namespace {

class TestDialog : public CHtmlTreeOptDlg {
 public:
  explicit TestDialog(CDocProperties& properties) : CHtmlTreeOptDlg(nullptr, properties) {}
  std::vector<std::string> m_titles;

 protected:
  BOOL ChooseFile(const CHtmlFilePicker& picker, CString& path) override {
    m_titles.push_back(picker.title);
    path = "/home/u/サイト/parts.html";
    return TRUE;
  }
  BOOL EditBackground(CString& bodyTag) override {
    bodyTag = "<BODY BGCOLOR=\"#FF0000\">";
    return TRUE;
  }
};

class CHtmlTreeOptDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(kesta_test::MakeTempDir("treeopt") + "/kesta32.ini");
    m_properties.m_strCss2 = "main.css";
    m_properties.m_strInsFileUp2 = "/old/up.html";
  }
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
  CDocProperties m_properties;
};

TEST_F(CHtmlTreeOptDlgTest, OkStoresTheFieldsAndCancelNothing) {
  std::string cssShown;
  bool closeShown = false;
  {
    TestDialog dialog(m_properties);
    WhenShown run([&](wxDialog* d) {
      cssShown = WxToCP932(DlgEdit(d, CHtmlTreeOptDlg::IDC_CSS)->GetValue()).str();
      closeShown = DlgCheck(d, CHtmlTreeOptDlg::IDC_TREE_CLOSE)->GetValue();
      Click(d, CHtmlTreeOptDlg::IDC_HEAD_BROWSE);
      Click(d, CHtmlTreeOptDlg::IDC_BACKGROUND);
      DlgCheck(d, CHtmlTreeOptDlg::IDC_TREE_CLOSE)->SetValue(false);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(cssShown, "main.css");
  EXPECT_TRUE(closeShown);
  EXPECT_EQ(m_properties.m_strHeadFile2, "");
  EXPECT_EQ(m_properties.m_strHtmlBodyTree, "");
  EXPECT_EQ(m_properties.m_bHtmlOptionsSet, 0);
  EXPECT_EQ(AfxGetProfileInt("Html", "TreeClose", -1), -1);

  TestDialog dialog(m_properties);
  WhenShown run([&](wxDialog* d) {
    Click(d, CHtmlTreeOptDlg::IDC_CSS_BROWSE);
    Click(d, CHtmlTreeOptDlg::IDC_HEAD_BROWSE);
    Click(d, CHtmlTreeOptDlg::IDC_BOTTOM_BROWSE);
    Click(d, CHtmlTreeOptDlg::IDC_BACKGROUND);
    DlgCheck(d, CHtmlTreeOptDlg::IDC_TREE_CLOSE)->SetValue(false);
    Click(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_titles, (std::vector<std::string>{"CSSﾌｧｲﾙ名", "ﾍｯﾀﾞに挿入するﾌｧｲﾙ名", "下部に挿入するﾌｧｲﾙ名"}));
  EXPECT_EQ(m_properties.m_strCss2, "parts.html");  // the style sheet by its name alone
  EXPECT_EQ(m_properties.m_strHeadFile2, "/home/u/サイト/parts.html");
  EXPECT_EQ(m_properties.m_strInsFileUp2, "/old/up.html");
  EXPECT_EQ(m_properties.m_strInsFileBottom2, "/home/u/サイト/parts.html");
  EXPECT_EQ(m_properties.m_strHtmlBodyTree, "<BODY BGCOLOR=\"#FF0000\">");
  EXPECT_EQ(m_properties.m_bHtmlOptionsSet, 1);
  EXPECT_EQ(AfxGetProfileInt("Html", "TreeClose", -1), 0);
}

TEST_F(CHtmlTreeOptDlgTest, F1ShowsItsHelpTopic) {
  HelpRecorder app;
  TestDialog dialog(m_properties);
  WhenShown run([&](wxDialog* d) {
    PressF1(d);
    Click(d, IDCANCEL);
  });
  dialog.DoModal();
  EXPECT_EQ(app.topics, std::vector<DWORD>{170});
}

}  // namespace
