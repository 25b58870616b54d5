// The folder-import dialog: it shows the stored options, the browse button fills the folder, and
// only OK stores what was changed.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>

#include "convert/CFolderImportDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"

namespace {

// A dialog whose folder chooser answers with a fixed folder.
class TestDialog : public CFolderImportDlg {
 public:
  TestDialog() : CFolderImportDlg(nullptr) {}
  CString m_startedAt;

 protected:
  BOOL ChooseFolder(CString& folder) override {
    m_startedAt = folder;
    folder = "/chosen/フォルダ";
    return TRUE;
  }
};

wxString Value(wxWindow* dialog, int id) { return static_cast<wxTextCtrl*>(dialog->FindWindow(id))->GetValue(); }

TEST(CFolderImportDlg, ShowsTheStoredOptionsAndStoresOnlyOnOk) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const std::string conf = kesta_test::MakeTempDir("dlg") + "/kesta32.ini";
  const kesta_test::ScopedSettingsFile settings(conf);
  AfxWriteProfileString("FolderImport", "Dir", "/start");
  AfxWriteProfileInt("FolderImport", "OtherLink", 1);

  wxString shownExt;
  bool linkChecked = false;
  {
    TestDialog dialog;
    WhenShown run([&](wxDialog* d) {
      shownExt = Value(d, CFolderImportDlg::IDC_EXT);
      linkChecked = static_cast<wxCheckBox*>(d->FindWindow(CFolderImportDlg::IDC_OTHER_LINK))->GetValue();
      Click(d, CFolderImportDlg::IDC_BROWSE);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(shownExt, "txt") << "the default extension";
    EXPECT_TRUE(linkChecked);
    EXPECT_EQ(dialog.m_startedAt.str(), "/start");
  }
  EXPECT_EQ(AfxGetProfileString("FolderImport", "Dir", "").str(), "/start") << "cancel stores nothing";

  {
    TestDialog dialog;
    wxString shownDir;
    WhenShown run([&](wxDialog* d) {
      Click(d, CFolderImportDlg::IDC_BROWSE);
      shownDir = Value(d, CFolderImportDlg::IDC_DIR);
      Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(WxToCP932(shownDir).str(), "/chosen/フォルダ");
    EXPECT_EQ(dialog.m_strDir.str(), "/chosen/フォルダ");
  }
  EXPECT_EQ(AfxGetProfileString("FolderImport", "Dir", "").str(), "/chosen/フォルダ");
  EXPECT_EQ(AfxGetProfileString("FolderImport", "Ext", "").str(), "txt");
}

}  // namespace
