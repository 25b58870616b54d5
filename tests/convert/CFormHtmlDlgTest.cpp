// The one-page HTML dialog: OK stores its ten option values and keeps the text layout it does not
// show, Cancel stores nothing, the character set goes in and out through the caller, and the colour
// button writes the chosen colour as upper-case hex.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/colordlg.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>

#include "convert/CFormHtmlDlg.h"
#include "foundation/CPelkoInifile.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"
#include "tests/convert/ExportDialogTestSupport.h"
#include "tests/treeview/ModalAnswers.h"

namespace {

using export_dialog_test::WithoutSection;
using export_dialog_test::WriteSettings;

wxTextCtrl* Edit(wxWindow* d, int id) { return static_cast<wxTextCtrl*>(d->FindWindow(id)); }
wxCheckBox* Check(wxWindow* d, int id) { return static_cast<wxCheckBox*>(d->FindWindow(id)); }
wxChoice* Choice(wxWindow* d, int id) { return static_cast<wxChoice*>(d->FindWindow(id)); }

TEST(CFormHtmlDlg, OkStoresItsTenValuesAndKeepsTheLayoutCancelStoresNothing) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const std::string conf = kesta_test::MakeTempDir("formhtml") + "/kesta32.ini";
  WriteSettings(conf, "Width=40\r\nIndent=5\r\nLevel=3\r\nCssColor=#123456\r\n");
  const kesta_test::ScopedSettingsFile settings(conf);
  const std::string before = kesta_test::ReadBytes(conf);
  wxString colorShown;
  int charsetShown = -1;
  {
    CFormHtmlDlg dialog(nullptr);
    dialog.m_nCharset = 1;
    WhenShown run([&](wxDialog* d) {
      colorShown = Edit(d, CFormHtmlDlg::IDC_CSS_COLOR)->GetValue();
      charsetShown = Choice(d, CFormHtmlDlg::IDC_CHARSET)->GetSelection();
      Check(d, CFormHtmlDlg::IDC_JQUERY)->SetValue(false);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(colorShown, "#123456");
  EXPECT_EQ(charsetShown, 1);
  EXPECT_EQ(kesta_test::ReadBytes(conf), before);

  // The native chooser gives back the colour it was offered when the user just presses OK.
  ModalAnswers colours([](wxDialog* d) { return static_cast<int>(dynamic_cast<wxColourDialog*>(d) ? wxID_OK : wxID_NONE); });
  CFormHtmlDlg dialog(nullptr);
  WhenShown run([&](wxDialog* d) {
    Check(d, CFormHtmlDlg::IDC_JQUERY)->SetValue(false);
    Check(d, CFormHtmlDlg::IDC_CSS_SET)->SetValue(false);
    Check(d, CFormHtmlDlg::IDC_HTML_ESCAPE)->SetValue(false);
    Check(d, CFormHtmlDlg::IDC_FILE_OUT)->SetValue(true);
    Choice(d, CFormHtmlDlg::IDC_FORM)->SetSelection(1);
    Choice(d, CFormHtmlDlg::IDC_CHARSET)->SetSelection(1);
    Edit(d, CFormHtmlDlg::IDC_SHOW_STR)->SetValue(".");
    Edit(d, CFormHtmlDlg::IDC_CSS_COLOR)->SetValue("#ab0cef");
    Click(d, CFormHtmlDlg::IDC_COLOR_BUTTON);
    Click(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_nCharset, 1);
  EXPECT_EQ(colours.titles.size(), 2u);
  CPelkoInifile ini(conf.c_str());
  const std::pair<const char*, const char*> expected[] = {
      {"JQuery", "0"}, {"CssSet", "0"},  {"HtmlEscape", "0"}, {"FileOut", "1"}, {"Form", "1"},  {"ShowStr", "."},
      {"CssColor", "#AB0CEF"}, {"Width", "40"}, {"Indent", "5"}, {"Level", "3"},  {"Html", "0"}, {"TabNo", "8"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(ini.GetProfileString("Text", key, "(none)"), value) << key;
  EXPECT_EQ(WithoutSection(kesta_test::ReadBytes(conf), "Text"), WithoutSection(before, "Text"));
}

}  // namespace
