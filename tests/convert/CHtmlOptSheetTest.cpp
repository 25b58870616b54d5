// The HTML option sheet: its pages show the document's record, OK puts every page's fields back
// with the option flag and the escape switch in the settings, Cancel changes nothing, pickers
// give images and style sheets by name and inserted files by path, and red is "#FF0000".
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "convert/CHtmlOptSheet.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"

namespace {

class TestSheet : public CHtmlOptSheet {
 public:
  explicit TestSheet(CDocProperties& properties) : CHtmlOptSheet(nullptr, properties) {}
  std::vector<std::string> m_titles;

  BOOL ChooseFile(const CHtmlFilePicker& picker, CString& path) override {
    m_titles.push_back(picker.title);
    path = "/home/u/素材/next.gif";
    return TRUE;
  }
  BOOL ChooseColor(COLORREF& color) override {
    color = RGB(255, 0, 0);
    return TRUE;
  }
  BOOL EditBackground(CString& bodyTag) override {
    bodyTag = "<BODY TEXT=\"#000000\">";
    return TRUE;
  }
};

void Press(CPropertyPage& page, int id) {
  wxWindow* button = page.GetDlgItem(id);
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
}

class CHtmlOptSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    m_conf = kesta_test::MakeTempDir("htmlopt") + "/kesta32.ini";
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(m_conf);
    m_properties.m_strReturnUrl = "https://example.com/";
    m_properties.m_bNoBR = 2;
  }
  std::string m_conf;
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
  CDocProperties m_properties;
};

TEST_F(CHtmlOptSheetTest, OkStoresEveryPageAndCancelNothing) {
  AfxWriteProfileInt("Text", "Width", 60);
  const std::string before = kesta_test::ReadBytes(m_conf);
  const CString colorBefore = m_properties.m_strCssColor;
  {
    TestSheet sheet(m_properties);
    WhenShown run([&](wxDialog* d) {
      Press(sheet.GetDesignPage(), CHtmlOptDesignPage::IDC_COLOR);
      Press(sheet.GetDesignPage(), CHtmlOptDesignPage::IDC_BACKGROUND);
      static_cast<wxCheckBox*>(sheet.GetLinkPage().GetDlgItem(CHtmlOptLinkPage::IDC_LINK_FILE))->SetValue(true);
      Click(d, wxID_CANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(m_properties.m_strCssColor, colorBefore);
  EXPECT_EQ(m_properties.m_strHtmlBody, "");
  EXPECT_EQ(m_properties.m_bLinkFile, 0);
  EXPECT_EQ(m_properties.m_bHtmlOptionsSet, 0);
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), before);

  TestSheet sheet(m_properties);
  std::string urlShown, colorShown;
  int breaksShown = -1;
  WhenShown run([&](wxDialog* d) {
    CHtmlOptDesignPage& design = sheet.GetDesignPage();
    urlShown = WxToCP932(static_cast<wxTextCtrl*>(sheet.GetLinkPage().GetDlgItem(CHtmlOptLinkPage::IDC_RETURN_URL))
                             ->GetValue()).str();
    breaksShown = static_cast<wxChoice*>(sheet.GetHtmlPage().GetDlgItem(CHtmlOptHtmlPage::IDC_LINE_BREAKS))->GetSelection();
    Press(design, CHtmlOptDesignPage::IDC_COLOR);
    colorShown = WxToCP932(static_cast<wxTextCtrl*>(design.GetDlgItem(CHtmlOptDesignPage::IDC_CSS_COLOR))->GetValue()).str();
    Press(design, CHtmlOptDesignPage::IDC_NEXT_BROWSE);
    Press(design, CHtmlOptDesignPage::IDC_BACKGROUND);
    Press(sheet.GetHtmlPage(), CHtmlOptHtmlPage::IDC_HEAD_BROWSE);
    static_cast<wxCheckBox*>(sheet.GetLinkPage().GetDlgItem(CHtmlOptLinkPage::IDC_LINK_FILE))->SetValue(true);
    static_cast<wxChoice*>(sheet.GetHtmlPage().GetDlgItem(CHtmlOptHtmlPage::IDC_CHARSET))->SetSelection(1);
    static_cast<wxCheckBox*>(sheet.GetHtmlPage().GetDlgItem(CHtmlOptHtmlPage::IDC_HTML_ESCAPE))->SetValue(false);
    Click(d, wxID_OK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(urlShown, "https://example.com/");
  EXPECT_EQ(breaksShown, 2);
  EXPECT_EQ(colorShown, "#FF0000");
  EXPECT_EQ(sheet.m_titles, (std::vector<std::string>{"ｲﾒｰｼﾞﾌｧｲﾙ名の入力", "ﾍｯﾀﾞに挿入するﾌｧｲﾙ名"}));
  EXPECT_EQ(m_properties.m_strCssColor, "#FF0000");
  EXPECT_EQ(m_properties.m_strNextImage, "next.gif");
  EXPECT_EQ(m_properties.m_strHeadFile, "/home/u/素材/next.gif");
  EXPECT_EQ(m_properties.m_strHtmlBody, "<BODY TEXT=\"#000000\">");
  EXPECT_EQ(m_properties.m_bLinkFile, 1);
  EXPECT_EQ(m_properties.m_nOption12, 1);
  EXPECT_EQ(m_properties.m_strReturnUrl, "https://example.com/");
  EXPECT_EQ(m_properties.m_bHtmlOptionsSet, 1);
  EXPECT_EQ(AfxGetProfileInt("Text", "HtmlEscape", 1), 0);
}

TEST_F(CHtmlOptSheetTest, F1ShowsItsHelpTopic) {
  HelpRecorder app;
  TestSheet sheet(m_properties);
  WhenShown run([&](wxDialog* d) {
    PressF1(d);
    Click(d, wxID_CANCEL);
  });
  sheet.DoModal();
  EXPECT_EQ(app.topics, std::vector<DWORD>{148});
}

}  // namespace
