// The line-breaking dialog: each rule's characters are editable only while the rule is on, OK
// puts all six values into the settings object and Cancel none, and what the user changed reaches
// the settings file when the program ends; F1 in it and in the print-format dialog, which opens it,
// shows their help topics.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "app/CKinsokuDlg.h"
#include "app/CKinsokuSettings.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"
#include "treeview/CPrnFormDlg.h"

namespace {

wxTextCtrl* Edit(wxWindow* d, int id) { return static_cast<wxTextCtrl*>(d->FindWindow(id)); }
wxCheckBox* Check(wxWindow* d, int id) { return static_cast<wxCheckBox*>(d->FindWindow(id)); }

void Toggle(wxWindow* d, int id) {
  Check(d, id)->SetValue(!Check(d, id)->GetValue());
  wxCommandEvent click(wxEVT_CHECKBOX, id);
  click.SetEventObject(Check(d, id));
  click.SetInt(Check(d, id)->GetValue());
  Check(d, id)->GetEventHandler()->ProcessEvent(click);
}

CKinsokuSettings Sample() {
  CKinsokuSettings settings;
  settings.SetDefaultStrings();
  settings.m_nKajogaki = 1;
  settings.m_nWordWrap = 1;
  settings.m_bKinFirst = 1;
  settings.m_bKinLast = 0;
  settings.m_nTagKinsoku = 0;
  return settings;
}

// What a user does in the open dialog: every value changed.
void ChangeEverything(wxDialog* d) {
  Edit(d, CKinsokuDlg::IDC_KINSOKU_FIRST)->ChangeValue(CP932ToWx("。、ｰ"));
  Edit(d, CKinsokuDlg::IDC_KINSOKU_LAST)->ChangeValue(CP932ToWx("「("));
  for (int id : {CKinsokuDlg::IDC_KIN_FIRST, CKinsokuDlg::IDC_KIN_LAST, CKinsokuDlg::IDC_WORD_WRAP,
                 CKinsokuDlg::IDC_TAG_KINSOKU})
    Toggle(d, id);
}

class KinsokuDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  }
};

TEST_F(KinsokuDlgTest, EachRulesCharactersAreEditableOnlyWhileTheRuleIsOn) {
  struct Case {
    int kinFirst, kinLast;
  };
  for (const Case c : {Case{1, 1}, Case{0, 1}, Case{1, 0}, Case{0, 0}}) {
    CKinsokuSettings settings = Sample();
    settings.m_bKinFirst = c.kinFirst;
    settings.m_bKinLast = c.kinLast;
    CKinsokuDlg dialog(nullptr, settings);
    const std::string name = std::to_string(c.kinFirst) + std::to_string(c.kinLast);
    EXPECT_EQ(Edit(&dialog, CKinsokuDlg::IDC_KINSOKU_FIRST)->IsEnabled(), c.kinFirst != 0) << name;
    EXPECT_EQ(Edit(&dialog, CKinsokuDlg::IDC_KINSOKU_LAST)->IsEnabled(), c.kinLast != 0) << name;
    // Clicking one rule's box changes its own edit and leaves the other alone.
    Toggle(&dialog, CKinsokuDlg::IDC_KIN_FIRST);
    EXPECT_EQ(Edit(&dialog, CKinsokuDlg::IDC_KINSOKU_FIRST)->IsEnabled(), c.kinFirst == 0) << name;
    EXPECT_EQ(Edit(&dialog, CKinsokuDlg::IDC_KINSOKU_LAST)->IsEnabled(), c.kinLast != 0) << name;
    Toggle(&dialog, CKinsokuDlg::IDC_KIN_LAST);
    EXPECT_EQ(Edit(&dialog, CKinsokuDlg::IDC_KINSOKU_LAST)->IsEnabled(), c.kinLast == 0) << name;
  }
}

TEST_F(KinsokuDlgTest, OkPutsAllSixValuesIntoTheSettingsAndCancelNone) {
  {
    CKinsokuSettings settings = Sample();
    CKinsokuDlg dialog(nullptr, settings);
    EXPECT_EQ(WxToCP932(Edit(&dialog, CKinsokuDlg::IDC_KINSOKU_FIRST)->GetValue()), settings.m_strKinsokuFirst);
    WhenShown run([](wxDialog* d) {
      ChangeEverything(d);
      Click(d, IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(), IDOK);
    EXPECT_EQ(settings.m_strKinsokuFirst, CString("。、ｰ"));
    EXPECT_EQ(settings.m_strKinsokuLast, CString("「("));
    EXPECT_EQ(settings.m_bKinFirst, 0);
    EXPECT_EQ(settings.m_bKinLast, 1);
    EXPECT_EQ(settings.m_nWordWrap, 0);
    EXPECT_EQ(settings.m_nTagKinsoku, 1);
    EXPECT_EQ(settings.m_nKajogaki, 1) << "not the dialog's";
  }
  CKinsokuSettings settings = Sample();
  const CKinsokuSettings before = Sample();
  CKinsokuDlg dialog(nullptr, settings);
  WhenShown run([](wxDialog* d) {
    ChangeEverything(d);
    Click(d, IDCANCEL);
  });
  EXPECT_NE(dialog.ShowModal(), IDOK);
  EXPECT_EQ(settings.m_strKinsokuFirst, before.m_strKinsokuFirst);
  EXPECT_EQ(settings.m_strKinsokuLast, before.m_strKinsokuLast);
  EXPECT_EQ(settings.m_bKinFirst, before.m_bKinFirst);
  EXPECT_EQ(settings.m_bKinLast, before.m_bKinLast);
  EXPECT_EQ(settings.m_nWordWrap, before.m_nWordWrap);
  EXPECT_EQ(settings.m_nTagKinsoku, before.m_nTagKinsoku);
}

TEST_F(KinsokuDlgTest, F1ShowsTheTopicOfTheLineBreakingAndPrintFormatDialogs) {
  HelpRecorder app;
  CKinsokuSettings settings = Sample();
  CKinsokuDlg kinsoku(nullptr, settings);
  CPrnFormDlg form(nullptr);
  PressF1(&kinsoku);
  PressF1(&form);
  EXPECT_EQ(app.topics, (std::vector<DWORD>{1, 27}));
}

}  // namespace

namespace app_test {
namespace {

TEST_F(AppTest, WhatTheLineBreakingDialogChangedIsStoredWhenTheProgramEnds) {
  Setting("Print", "bKinFirst", "1");
  ASSERT_TRUE(Start());
  {
    CKinsokuDlg dialog(Frame(), GetKinsokuSettings());
    WhenShown run([](wxDialog* d) {
      Toggle(d, CKinsokuDlg::IDC_KIN_FIRST);
      Edit(d, CKinsokuDlg::IDC_KINSOKU_LAST)->ChangeValue(CP932ToWx("《"));
      Click(d, IDOK);
    });
    ASSERT_EQ(dialog.ShowModal(), IDOK);
  }
  EXPECT_EQ(Profile(m_conf, "Print", "bKinFirst"), "1") << "nothing is written before the end";
  Stop();
  EXPECT_EQ(Profile(m_conf, "Print", "bKinFirst"), "0");
  EXPECT_EQ(Profile(m_conf, "Print", "KinsokuLast"), std::string("《"));
}

}  // namespace
}  // namespace app_test
