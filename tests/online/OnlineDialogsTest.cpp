// The account settings and the web search setting, driven inside their modal loops: what each
// writes to the settings and what the running program keeps.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "app/CKestavonApp.h"
#include "app/WebPages.h"
#include "foundation/PasswordScramble.h"
#include "online/CNetSearchDlg.h"
#include "online/CWebAcountDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using model_test::DialogDriver;
using model_test::PressButton;
using model_test::Steps;
using model_test::Type;

namespace {

constexpr char kUnset[] = "<unset>";

class OnlineDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasGui()) GTEST_SKIP() << "needs a display";
    m_app.m_pszProfileName = (m_dir + "/kesta32.conf").c_str();
  }
  static CString Stored(const char* key) { return AfxGetProfileString("System", key, kUnset); }
  static CString Shown(wxDialog* dialog, int id) {
    return WxToCP932(static_cast<wxTextCtrl*>(dialog->FindWindow(id))->GetValue());
  }

  std::string m_dir = MakeTempDir("onlinedlg");
  CKestavonApp m_app;
};

}  // namespace

TEST_F(OnlineDialogsTest, AnUntouchedPasswordBoxWritesNothingAndKeepsThePassword) {
  m_app.m_strWebID = "a@example.jp";
  m_app.m_strWebPassword = "secret";
  CString shown;
  {
    // Only the mail changes: the running program takes it, the settings do not.
    DialogDriver driver({Steps({[&](wxDialog* d) { shown = Shown(d, CWebAcountDlg::IDC_PASSWORD); },
                                Type(CWebAcountDlg::IDC_MAIL, "b@example.jp"), PressButton(IDOK)})});
    EditWebAccount();
  }
  EXPECT_EQ(shown, CWebAcountDlg::kPlaceholder);
  EXPECT_EQ(m_app.m_strWebID, "b@example.jp");
  EXPECT_EQ(m_app.m_strWebPassword, "secret");
  EXPECT_EQ(Stored("WebID"), kUnset);
  EXPECT_EQ(Stored("WP"), kUnset);
}

TEST_F(OnlineDialogsTest, ClearingThePlaceholderWritesAnEmptyPasswordAndAnEmptyBoxFromTheStartWritesNothing) {
  m_app.m_strWebID = "a@example.jp";
  m_app.m_strWebPassword = "secret";
  {
    DialogDriver driver({Steps({Type(CWebAcountDlg::IDC_PASSWORD, ""), PressButton(IDOK)})});
    EditWebAccount();
  }
  EXPECT_EQ(Stored("WP"), "");
  EXPECT_EQ(Stored("WebID"), "a@example.jp");
  EXPECT_EQ(m_app.m_strWebPassword, "");
  // The file that held a password is its owner's alone.
  struct stat st {};
  ASSERT_EQ(stat((m_dir + "/kesta32.conf").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 077, 0u);

  // Without a password the box starts empty; OK on it writes nothing.
  AfxWriteProfileString("System", "WP", nullptr);
  CString shown = kUnset;
  {
    DialogDriver driver({Steps({[&](wxDialog* d) { shown = Shown(d, CWebAcountDlg::IDC_PASSWORD); }, PressButton(IDOK)})});
    EditWebAccount();
  }
  EXPECT_EQ(shown, "");
  EXPECT_EQ(Stored("WP"), kUnset);
}

TEST_F(OnlineDialogsTest, ANewPasswordIsStoredScrambledWithItsMail) {
  {
    DialogDriver driver({Steps({Type(CWebAcountDlg::IDC_MAIL, "c@example.jp"), Type(CWebAcountDlg::IDC_PASSWORD, "pw1"),
                                PressButton(IDOK)})});
    EditWebAccount();
  }
  EXPECT_EQ(m_app.m_strWebPassword, "pw1");
  EXPECT_EQ(Stored("WebID"), "c@example.jp");
  const CString stored = Stored("WP");
  EXPECT_EQ(UnscramblePassword(stored, kWebPasswordKey, 8), "pw1");
  EXPECT_EQ(kesta_test::ReadBytes(m_dir + "/kesta32.conf").find("pw1"), std::string::npos);
}

TEST_F(OnlineDialogsTest, WebSearchSettingStartsFromItsDefaultsAndIsWrittenOnlyOnOk) {
  CString url;
  bool utf8 = false;
  {
    DialogDriver driver({Steps({[&](wxDialog* d) {
                                  url = Shown(d, CNetSearchDlg::IDC_URL);
                                  utf8 = static_cast<wxCheckBox*>(d->FindWindow(CNetSearchDlg::IDC_UTF8))->GetValue();
                                },
                                Type(CNetSearchDlg::IDC_URL, "http://x/?q=%s"), PressButton(IDCANCEL)})});
    EditNetSearchSettings();
  }
  EXPECT_EQ(url, kDefaultNetSearchUrl);
  EXPECT_TRUE(url.Right(11) == "search?q=%s");
  EXPECT_TRUE(utf8);
  EXPECT_EQ(Stored("NetSearch"), kUnset);
  EXPECT_EQ(Stored("NetSearchUni"), kUnset);
  {
    DialogDriver driver({Steps({Type(CNetSearchDlg::IDC_URL, "http://x/?q=%s&t=%t"),
                                [](wxDialog* d) { static_cast<wxCheckBox*>(d->FindWindow(CNetSearchDlg::IDC_UTF8))->SetValue(false); },
                                PressButton(IDOK)})});
    EditNetSearchSettings();
  }
  EXPECT_EQ(Stored("NetSearch"), "http://x/?q=%s&t=%t");
  EXPECT_EQ(AfxGetProfileInt("System", "NetSearchUni", 1), 0);
}
