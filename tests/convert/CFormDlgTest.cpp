// The text output format dialog: it shows the stored options, OK stores its sixteen values in
// section "Text" and keeps the HTML switches it does not show, Cancel stores nothing, a width
// outside 1..32767 keeps it open, option sets go to and come from files, the style-sheet address
// is stored as soon as it is entered, the line-breaking rules change at once, and the output
// buttons close it with their mode.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>

#include <memory>
#include <string>
#include <vector>

#include "app/CKinsokuDlg.h"
#include "app/CKinsokuSettings.h"
#include "convert/CFormDlg.h"
#include "foundation/CPelkoInifile.h"
#include "platform/framework/CWinApp.h"
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

class TestDialog : public CFormDlg {
 public:
  explicit TestDialog(BOOL fromTextOutput = FALSE) : CFormDlg(nullptr, fromTextOutput) {}
  CString m_chosen;                  // what the file chooser answers; empty: cancelled
  std::vector<std::string> m_asked;  // "save:<folder>" or "open:<folder>"

 protected:
  BOOL ChooseSetFile(BOOL save, const char* folder, CString& path) override {
    m_asked.push_back(std::string(save ? "save:" : "open:") + folder);
    if (m_chosen.IsEmpty()) return FALSE;
    path = m_chosen;
    return TRUE;
  }
};

class FormDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    m_dir = kesta_test::MakeTempDir("form");
    m_conf = m_dir + "/kesta32.ini";
    WriteSettings(m_conf, "Width=40\r\nJQuery=0\r\nCssColor=#123456\r\nHtmlEscape=0\r\nForm=2\r\n");
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(m_conf);
  }
  CString Text(const char* key) { return CPelkoInifile(m_conf.c_str()).GetProfileString("Text", key, "(none)"); }

  std::string m_dir, m_conf;
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
};

TEST_F(FormDlgTest, OkStoresItsValuesAndKeepsTheHtmlSwitchesCancelStoresNothing) {
  const std::string before = kesta_test::ReadBytes(m_conf);
  wxString widthShown;
  int formShown = -1;
  bool escapeShown = true;
  bool selectOnlyShown = false;
  {
    TestDialog dialog;
    WhenShown run([&](wxDialog* d) {
      widthShown = Edit(d, CFormDlg::IDC_WIDTH)->GetValue();
      formShown = Choice(d, CFormDlg::IDC_FORM)->GetSelection();
      escapeShown = Check(d, CFormDlg::IDC_HTML_ESCAPE)->GetValue();
      selectOnlyShown = Check(d, CFormDlg::IDC_SELECT_ONLY)->GetValue();
      Edit(d, CFormDlg::IDC_WIDTH)->SetValue("72");
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(widthShown, "40");
  EXPECT_EQ(formShown, 2);
  EXPECT_FALSE(escapeShown);
  // Without the key the commands take the selected tree only: the dialog shows what they do.
  EXPECT_TRUE(selectOnlyShown);
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), before);

  {
    TestDialog dialog;
    WhenShown run([&](wxDialog* d) {
      Edit(d, CFormDlg::IDC_WIDTH)->SetValue("72");
      Edit(d, CFormDlg::IDC_SPACE_NO)->SetValue("3");
      Edit(d, CFormDlg::IDC_SHOW_STR)->SetValue(CP932ToWx("．"));
      Choice(d, CFormDlg::IDC_LEVEL)->SetSelection(10);
      Choice(d, CFormDlg::IDC_INDENT_POS)->SetSelection(3);
      Check(d, CFormDlg::IDC_HTML)->SetValue(true);
      Check(d, CFormDlg::IDC_DELLINE_OUT)->SetValue(false);
      Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCloseMode, CFormDlg::CLOSE_SAVE);
  }
  const std::pair<const char*, const char*> expected[] = {
      {"Width", "72"}, {"SpaceNo", "3"},        {"ShowStr", "．"}, {"Level", "10"},    {"IndentPos", "3"},
      {"Html", "1"},   {"DellineOut", "0"},     {"Form", "2"},     {"TabNo", "8"},     {"HtmlEscape", "0"},
      {"JQuery", "0"}, {"CssColor", "#123456"}, {"CssSet", "1"},   {"SelectOnly", "1"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(Text(key), value) << key;
  EXPECT_EQ(WithoutSection(kesta_test::ReadBytes(m_conf), "Text"), WithoutSection(before, "Text"));
}

TEST_F(FormDlgTest, AWidthOutsideItsRangeOrNotANumberKeepsTheDialogOpen) {
  const std::string before = kesta_test::ReadBytes(m_conf);
  const std::pair<int, const char*> cases[] = {{CFormDlg::IDC_WIDTH, "0"},
                                               {CFormDlg::IDC_WIDTH, "32768"},
                                               {CFormDlg::IDC_WIDTH, "8x"},
                                               {CFormDlg::IDC_TAB_NO, ""}};
  for (const auto& [id, text] : cases) {
    ScopedMessageBoxHook boxes(IDOK);
    bool stillOpen = false;
    TestDialog dialog;
    WhenShown run([&, id = id, text = text](wxDialog* d) {
      Edit(d, id)->SetValue(text);
      Click(d, IDOK);
      stillOpen = d->IsModal();
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen) << text;
    ASSERT_EQ(boxes.Calls().size(), 1u) << text;
    EXPECT_EQ(boxes.Calls()[0].text, id == CFormDlg::IDC_WIDTH && text[0] != '8' ? "1 から 32767 までの整数を入力してください。"
                                                                                : "整数を入力してください。");
  }
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), before);
}

TEST_F(FormDlgTest, AnOptionSetIsWrittenAndReadBackWithoutTheEscapeSwitch) {
  const std::string set = m_dir + "/TextOut1.dat";
  TestDialog dialog;
  dialog.m_chosen = set;
  wxString widthAfterImport;
  bool escapeAfterImport = true;
  WhenShown run([&](wxDialog* d) {
    Edit(d, CFormDlg::IDC_WIDTH)->SetValue("33");
    Check(d, CFormDlg::IDC_SPACE)->SetValue(true);
    Click(d, CFormDlg::IDC_SET_EXPORT);
    Edit(d, CFormDlg::IDC_WIDTH)->SetValue("50");
    Check(d, CFormDlg::IDC_SPACE)->SetValue(false);
    Check(d, CFormDlg::IDC_HTML_ESCAPE)->SetValue(true);
    Click(d, CFormDlg::IDC_SET_IMPORT);
    widthAfterImport = Edit(d, CFormDlg::IDC_WIDTH)->GetValue();
    escapeAfterImport = Check(d, CFormDlg::IDC_HTML_ESCAPE)->GetValue();
    EXPECT_TRUE(Check(d, CFormDlg::IDC_SPACE)->GetValue());
    Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);

  EXPECT_EQ(widthAfterImport, "33");
  EXPECT_TRUE(escapeAfterImport);
  CPelkoInifile written(set.c_str());
  EXPECT_EQ(written.GetProfileInt("Text", "Width", 0), 33);
  EXPECT_EQ(written.GetProfileInt("Text", "Form", -1), 2);
  // The chooser starts where the last set was chosen; nothing of the set reaches the settings.
  ASSERT_EQ(dialog.m_asked.size(), 2u);
  EXPECT_EQ(dialog.m_asked[0], "save:");
  EXPECT_EQ(dialog.m_asked[1], "open:" + set);
  EXPECT_EQ(AfxGetProfileString("InitDir", "TextExport", ""), set.c_str());
  EXPECT_EQ(Text("Width"), "40");
}

TEST_F(FormDlgTest, ASetFileThatCannotBeWrittenIsReported) {
  ScopedMessageBoxHook boxes(IDOK);
  TestDialog dialog;
  dialog.m_chosen = (m_dir + "/missing/TextOut1.dat").c_str();
  WhenShown run([&](wxDialog* d) {
    Click(d, CFormDlg::IDC_SET_EXPORT);
    Click(d, IDCANCEL);
  });
  dialog.DoModal();
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_NE(boxes.Calls()[0].text.Find("書き込めませんでした"), -1);
}

TEST_F(FormDlgTest, TheStyleSheetAddressIsStoredEvenWhenTheDialogIsCancelled) {
  AfxWriteProfileString("Text", "Css", "old.css");
  wxString prefilled;
  ModalAnswers answers([&](wxDialog* d) {
    auto* input = dynamic_cast<wxTextEntryDialog*>(d);
    if (input == nullptr) return static_cast<int>(wxID_NONE);
    prefilled = input->GetValue();
    input->SetValue(CP932ToWx("https://example.jp/スタイル.css"));
    return static_cast<int>(wxID_OK);
  });
  TestDialog dialog;
  WhenShown run([&](wxDialog* d) {
    Click(d, CFormDlg::IDC_CSS);
    Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(prefilled, "old.css");
  EXPECT_EQ(AfxGetProfileString("Text", "Css", ""), "https://example.jp/スタイル.css");
}

TEST_F(FormDlgTest, OutputButtonsCloseWithTheirModeAndOnlyForTheTextOutputCommand) {
  for (const int button : {CFormDlg::IDC_WRITE_FILE, CFormDlg::IDC_COPY_TEXT}) {
    TestDialog dialog(TRUE);
    bool enabled = false;
    WhenShown run([&](wxDialog* d) {
      enabled = d->FindWindow(button)->IsEnabled();
      Click(d, button);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(dialog.m_nCloseMode, button == CFormDlg::IDC_WRITE_FILE ? CFormDlg::CLOSE_WRITE_FILE : CFormDlg::CLOSE_COPY_TEXT);
  }
  TestDialog settingsOnly(FALSE);
  bool enabled = true;
  WhenShown run([&](wxDialog* d) {
    enabled = d->FindWindow(CFormDlg::IDC_WRITE_FILE)->IsEnabled() || d->FindWindow(CFormDlg::IDC_COPY_TEXT)->IsEnabled();
    Click(d, IDCANCEL);
  });
  settingsOnly.DoModal();
  EXPECT_FALSE(enabled);
}

TEST_F(FormDlgTest, TheLineBreakingButtonChangesTheProgramsRulesWhichCancellingTheDialogKeeps) {
  CKinsokuSettings& rules = GetKinsokuSettings();
  const CKinsokuSettings before = rules;
  rules.m_bKinLast = 1;
  const std::string textBefore = kesta_test::ReadBytes(m_conf);
  TestDialog dialog;
  bool enabled = false;
  WhenShown run([&](wxDialog* d) {
    enabled = d->FindWindow(CFormDlg::IDC_KINSOKU)->IsEnabled();
    WhenShown inner([](wxDialog* kinsoku) {
      Check(kinsoku, CKinsokuDlg::IDC_KIN_LAST)->SetValue(false);
      Edit(kinsoku, CKinsokuDlg::IDC_KINSOKU_LAST)->ChangeValue(CP932ToWx("【"));
      Click(kinsoku, IDOK);
    });
    Click(d, CFormDlg::IDC_KINSOKU);
    Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(enabled);
  EXPECT_EQ(rules.m_bKinLast, 0);
  EXPECT_EQ(rules.m_strKinsokuLast, CString("【"));
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), textBefore) << "the export's own options are not stored";
  rules = before;
}

TEST_F(FormDlgTest, TheHelpButtonAndF1ShowItsTopicAndLeaveItOpen) {
  HelpRecorder app;
  TestDialog dialog;
  bool stillShown = false;
  WhenShown run([&](wxDialog* d) {
    Click(d, CFormDlg::IDC_HELP_BUTTON);
    PressF1(d);
    stillShown = d->IsModal();
    Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(app.topics, (std::vector<DWORD>{CFormDlg::kHelpTopic, CFormDlg::kHelpTopic}));
  EXPECT_EQ(CFormDlg::kHelpTopic, 20u);
}

}  // namespace
