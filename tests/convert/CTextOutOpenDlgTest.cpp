// The text output file chooser: its check box starts from Text/"Preview" and goes back there only
// when a name is confirmed; its settings button opens the output format without output buttons.
#include <gtest/gtest.h>

#include <wx/filedlg.h>

#include <string>
#include <vector>

#include "convert/CFormDlg.h"
#include "convert/CTextOutOpenDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"

namespace {

// Stands in for the user at the chooser: ticks or clears the check box, then picks a file or cancels.
class Chooser : public CTextOutOpenDlg {
 public:
  Chooser(const char* path, BOOL openAfter)
      : CTextOutOpenDlg(FALSE, "txt", "out.txt", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Text|*.txt||"),
        m_path(path), m_openAfter(openAfter) {}
  BOOL m_shownOpenAfter = -1;

 protected:
  int ShowChooser(wxFileDialog&, std::vector<CString>& paths, int& filterIndex) override {
    m_shownOpenAfter = m_bOpenAfter;
    m_bOpenAfter = m_openAfter;
    if (m_path == nullptr) return wxID_CANCEL;
    paths.push_back(m_path);
    filterIndex = 0;
    return wxID_OK;
  }

 private:
  const char* m_path;
  BOOL m_openAfter;
};

TEST(CTextOutOpenDlg, TheOpenAfterBoxIsStoredWhenANameIsConfirmed) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const std::string dir = kesta_test::MakeTempDir("textout");
  const kesta_test::ScopedSettingsFile settings(dir + "/kesta32.ini");
  AfxWriteProfileInt("Text", "Preview", 1);

  Chooser cancelled(nullptr, FALSE);
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_EQ(cancelled.m_shownOpenAfter, TRUE);
  EXPECT_EQ(AfxGetProfileInt("Text", "Preview", -1), 1);

  const std::string path = dir + "/出力.txt";
  Chooser chosen(path.c_str(), FALSE);
  EXPECT_EQ(chosen.DoModal(), IDOK);
  EXPECT_EQ(chosen.GetPathName(), path.c_str());
  EXPECT_FALSE(chosen.m_bOpenAfter);
  EXPECT_EQ(AfxGetProfileInt("Text", "Preview", -1), 0);
}

TEST(CTextOutOpenDlg, TheSettingsButtonOpensTheFormatWithoutOutputButtons) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const kesta_test::ScopedSettingsFile settings(kesta_test::MakeTempDir("textout") + "/kesta32.ini");
  bool outputEnabled = true;
  wxString caption;
  WhenShown run([&](wxDialog* d) {
    caption = d->GetTitle();
    outputEnabled = d->FindWindow(CFormDlg::IDC_WRITE_FILE)->IsEnabled() || d->FindWindow(CFormDlg::IDC_COPY_TEXT)->IsEnabled();
    Click(d, IDCANCEL);
  });
  CTextOutOpenDlg dialog(FALSE, "txt", "out.txt", OFN_HIDEREADONLY, "Text|*.txt||");
  dialog.OnFormatSettings(nullptr);
  EXPECT_FALSE(caption.empty());
  EXPECT_FALSE(outputEnabled);
}

}  // namespace
