// The framed HTML export's dialog: the caller's folder until a framed export set one, the other
// fields from the record, OK and the preview button storing the six values and the flag, Cancel
// nothing, page-file pickers giving names alone, and the two option buttons.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "convert/CHtmlIFrameDlg.h"
#include "model/CDocProperties.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"

namespace {

class TestDialog : public CHtmlIFrameDlg {
 public:
  explicit TestDialog(CDocProperties& properties) : CHtmlIFrameDlg(nullptr, properties) {}
  std::vector<std::string> m_asked;

 protected:
  BOOL ChoosePageFile(const char* folder, const char* name, const char* title, CString& path) override {
    m_asked.push_back(std::string(title) + "|" + folder + "|" + name);
    path = "/elsewhere/main.html";
    return TRUE;
  }
  void EditTreeOptions() override { m_asked.push_back("tree options"); }
  void EditOptions() override { m_asked.push_back("options"); }
};

std::string Field(wxWindow* d, int id) { return WxToCP932(DlgEdit(d, id)->GetValue()).str(); }

TEST(CHtmlIFrameDlg, TheCallersFolderStandsUntilAFramedExportSetOne) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  CDocProperties properties;
  properties.m_strHtmlDir = "/per-tree";
  properties.m_strHtmlIndexFile = "start.html";
  properties.m_strHtmlWidth = "25%";
  properties.m_strHtmlTreeFile = "menu.html";
  std::string dirShown, indexShown, widthShown;
  {
    TestDialog dialog(properties);
    dialog.m_strDir = "/proposed";
    WhenShown run([&](wxDialog* d) {
      dirShown = Field(d, CHtmlIFrameDlg::IDC_DIR);
      indexShown = Field(d, CHtmlIFrameDlg::IDC_INDEX_FILE);
      widthShown = Field(d, CHtmlIFrameDlg::IDC_WIDTH);
      Click(d, CHtmlIFrameDlg::IDC_BROWSE_TREE);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(dirShown, "/proposed");
  EXPECT_EQ(indexShown, "start.html");
  EXPECT_EQ(widthShown, "25%");
  EXPECT_EQ(properties.m_bHtmlFramesSet, 0);
  EXPECT_EQ(properties.m_strHtmlTreeFile, "menu.html");

  TestDialog dialog(properties);
  dialog.m_strDir = "/proposed";
  WhenShown run([&](wxDialog* d) {
    Click(d, CHtmlIFrameDlg::IDC_BROWSE_TREE);
    Click(d, CHtmlIFrameDlg::IDC_TREE_OPTIONS);
    Click(d, CHtmlIFrameDlg::IDC_OPTIONS);
    DlgCheck(d, CHtmlIFrameDlg::IDC_SHO_STR)->SetValue(true);
    Click(d, CHtmlIFrameDlg::IDC_OUTPUT_PREVIEW);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.m_bPreview);
  EXPECT_EQ(dialog.m_asked,
            (std::vector<std::string>{"ツリーファイル名の入力|/proposed|menu.html", "tree options", "options"}));
  EXPECT_EQ(properties.m_bHtmlFramesSet, 1);
  EXPECT_EQ(properties.m_strHtmlDir, "/proposed");
  EXPECT_EQ(properties.m_strHtmlTreeFile, "main.html");
  EXPECT_EQ(properties.m_strHtmlIndexFile, "start.html");
  EXPECT_EQ(properties.m_nHtmlShoStr, 1);

  // Once set, the record's folder is shown.
  TestDialog again(properties);
  again.m_strDir = "/other";
  WhenShown shown([&](wxDialog* d) {
    dirShown = Field(d, CHtmlIFrameDlg::IDC_DIR);
    Click(d, IDCANCEL);
  });
  again.DoModal();
  EXPECT_EQ(dirShown, "/proposed");
}

}  // namespace
