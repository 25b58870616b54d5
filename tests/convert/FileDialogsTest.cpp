// The converters' file dialogs: the name that follows the file type, and the check boxes whose
// settings are read on opening and written only when a name is confirmed.
#include <gtest/gtest.h>
#include <wx/filedlg.h>

#include <functional>
#include <string>

#include "convert/CFileDialogKesta.h"
#include "convert/CFileLinkOpenDlg.h"
#include "convert/CFileWzExportDlg.h"
#include "convert/CFileWzImportDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"

namespace {

// Instead of showing the chooser: the user's changes to the boxes, then OK or Cancel.
template <typename Dialog>
class Scripted : public Dialog {
 public:
  Scripted(std::function<void(Dialog&)> user, bool ok)
      : Dialog(TRUE, "txt", "*.txt", 0, "All|*||"), m_user(std::move(user)), m_ok(ok) {}

 protected:
  int ShowChooser(wxFileDialog&, std::vector<CString>& paths, int& filterIndex) override {
    m_user(*this);
    paths.push_back("/tmp/chosen.mem");
    filterIndex = 0;
    return m_ok ? wxID_OK : wxID_CANCEL;
  }

 private:
  std::function<void(Dialog&)> m_user;
  bool m_ok;
};

}  // namespace

TEST(FileDialogKestaTest, TypeChangesTheExtensionOfTheName) {
  struct Case {
    const char* name;
    int type;
    const char* result;
  } cases[] = {
      {"notes.kvn", 2, "notes.txt"}, {"notes", 2, "notes.txt"}, {"a.b.c", 2, "a.b.txt"},
      {"", 3, ".mem"},               {"x.txt", 1, "x.kvn"},     {"dir.d/name", 3, "dir.d/name.mem"},
      {"keep.txt", 4, "keep.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(CString(c.result), CFileDialogKesta::ChangeTypeExtension(c.name, c.type)) << c.name;
}

TEST(FileDialogChecksTest, SettingsAreWrittenOnlyOnOk) {
  kesta_test::ScopedSettingsFile settings(kesta_test::MakeTempDir("dlg") + "/kesta32.ini");
  // Defaults with no settings present: the export's top box clear and period box set, the
  // import's box set.
  int seenNoTop = -1, seenPeriod = -1, seenTop = -1;
  Scripted<CFileWzExportDlg> look([&](CFileWzExportDlg& d) {
    seenNoTop = d.m_bWzExportNoTop;
    seenPeriod = d.m_bWzExportPeriodChange;
  }, false);
  EXPECT_EQ(IDCANCEL, look.DoModal());
  Scripted<CFileWzImportDlg> lookImport([&](CFileWzImportDlg& d) { seenTop = d.m_bWzImportTopTree; }, false);
  lookImport.DoModal();
  EXPECT_EQ(0, seenNoTop);
  EXPECT_EQ(1, seenPeriod);
  EXPECT_EQ(1, seenTop);

  Scripted<CFileWzExportDlg> cancel([](CFileWzExportDlg& d) { d.m_bWzExportNoTop = 1; }, false);
  EXPECT_EQ(IDCANCEL, cancel.DoModal());
  EXPECT_EQ(-1, AfxGetProfileInt("System", "WzExportNoTop", -1));

  Scripted<CFileWzExportDlg> ok([](CFileWzExportDlg& d) {
    d.m_bWzExportNoTop = 1;
    d.m_bWzExportPeriodChange = 0;
  }, true);
  ASSERT_EQ(IDOK, ok.DoModal());
  EXPECT_EQ(CString("/tmp/chosen.mem"), ok.GetPathName());
  EXPECT_EQ(1, AfxGetProfileInt("System", "WzExportNoTop", -1));
  EXPECT_EQ(0, AfxGetProfileInt("System", "WzExportPeriodChange", -1));

  Scripted<CFileLinkOpenDlg> link([](CFileLinkOpenDlg& d) { d.m_bFileLinkRelPath = 1; }, true);
  ASSERT_EQ(IDOK, link.DoModal());
  EXPECT_EQ(0, AfxGetProfileInt("System", "FileLink", -1));
  EXPECT_EQ(1, AfxGetProfileInt("System", "FileLinkRelPath", -1));
}
