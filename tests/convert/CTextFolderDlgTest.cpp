// The text-folder dialog: it shows the stored options, the browse button fills the folder, OK
// writes its seven keys and nothing else, Cancel writes nothing.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <string>

#include "convert/CTextFolderDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/DlgItem.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"

namespace {

class TestDialog : public CTextFolderDlg {
 public:
  explicit TestDialog(bool chooses = true) : CTextFolderDlg(nullptr), m_chooses(chooses) {}
  int m_asked = 0;

 protected:
  BOOL ChooseFolder(CString& folder) override {
    ++m_asked;
    if (!m_chooses) return FALSE;
    folder = "/chosen/出力";
    return TRUE;
  }

 private:
  bool m_chooses;
};


TEST(CTextFolderDlg, OkWritesItsSevenKeysAndCancelNothing) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const std::string conf = kesta_test::MakeTempDir("dlg") + "/kesta32.ini";
  const kesta_test::ScopedSettingsFile settings(conf);
  AfxWriteProfileInt("TextPage", "Overwrite", 0);
  const std::string before = kesta_test::ReadBytes(conf);

  bool overwriteShown = true;
  wxString extShown;
  {
    TestDialog dialog;
    WhenShown run([&](wxDialog* d) {
      overwriteShown = DlgCheck(d, CTextFolderDlg::IDC_OVERWRITE)->GetValue();
      extShown = static_cast<wxTextCtrl*>(d->FindWindow(CTextFolderDlg::IDC_EXT))->GetValue();
      DlgCheck(d, CTextFolderDlg::IDC_TOP_OUT)->SetValue(false);
      Click(d, CTextFolderDlg::IDC_BROWSE);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_FALSE(overwriteShown);
  EXPECT_EQ(extShown, "txt");
  EXPECT_EQ(kesta_test::ReadBytes(conf), before);

  {
    TestDialog dialog;
    WhenShown run([&](wxDialog* d) {
      DlgCheck(d, CTextFolderDlg::IDC_TOP_OUT)->SetValue(false);
      Click(d, CTextFolderDlg::IDC_BROWSE);
      Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
  }
  EXPECT_EQ(AfxGetProfileString("TextPage", "Dir", ""), "/chosen/出力");
  EXPECT_EQ(AfxGetProfileInt("TextPage", "TopOut", 1), 0);
  EXPECT_EQ(AfxGetProfileInt("TextPage", "Overwrite", 1), 0);
  EXPECT_EQ(AfxGetProfileString("TextPage", "Ext", ""), "txt");
  const std::string after = kesta_test::ReadBytes(conf);
  for (const char* key : {"Dir=", "Ext=", "Title=", "TopOut=", "SelectTree=", "ParentText=", "Overwrite="}) {
    EXPECT_NE(after.find(key), std::string::npos) << key;
  }
  EXPECT_EQ(after.find("["), after.rfind("["));  // one section only
}

TEST(CTextFolderDlg, OkWithoutATopFolderAsksForOne) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const std::string conf = kesta_test::MakeTempDir("dlg") + "/kesta32.ini";
  const kesta_test::ScopedSettingsFile settings(conf);
  {
    // No folder chosen: the dialog stays open and stores nothing.
    TestDialog dialog(false);
    bool open = false;
    WhenShown run([&](wxDialog* d) {
      Click(d, IDOK);
      open = d->IsModal();
      if (open) Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(open);
    EXPECT_EQ(dialog.m_asked, 1);
  }
  EXPECT_EQ(AfxGetProfileString("TextPage", "Dir", "none"), "none");
  {
    TestDialog dialog;
    WhenShown run([&](wxDialog* d) { Click(d, IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_asked, 1);
    EXPECT_EQ(dialog.m_strDir, CString("/chosen/出力"));
  }
  EXPECT_EQ(AfxGetProfileString("TextPage", "Dir", ""), "/chosen/出力");
}

}  // namespace
