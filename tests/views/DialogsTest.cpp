// The calculator, calendar and date-tree dialogs, driven inside their modal loops.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "foundation/CDatePicker.h"
#include "foundation/CPelkoCalenderCtrl.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "views/CCalcDlg.h"
#include "views/CCalenderDlg.h"
#include "views/CDateTreeDlg.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using kesta_test::ScopedSettingsFile;
using model_test::DialogDriver;
using model_test::MessageRecorder;
using model_test::PressButton;
using model_test::Steps;

TEST(CDateTreeDlg, FormatDateNamesWeekdaysAndMonthsItself) {
  struct Case {
    const char* format;
    const char* expected;
  } cases[] = {
      {"%Y/%m/%d(%e)", "2024/01/07(日)"},
      {"%A, %B %d", "Sunday, January 07"},
      {"%E %a %b", "日曜日 Sun Jan"},
      {"%m月%d日", "01月07日"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(CDateTreeDlg::FormatDate(2024, 1, 7, c.format)), c.expected) << c.format;
  EXPECT_EQ(std::string(CDateTreeDlg::FormatDate(2023, 12, 30, "%e%B")), "土December");
}

TEST(CCalcDlg, CalculateFormatsOrReportsAMalformedExpression) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  CCalcDlg dialog(nullptr);
  struct Case {
    const char* expression;
    BOOL comma;
    const char* result;
  } cases[] = {
      {"", FALSE, ""},           {"1+", FALSE, "式が不正です"}, {"1/0", FALSE, "式が不正です"},
      {"1234567*2", FALSE, "2469134"}, {"1234567*2", TRUE, "2,469,134"}, {"１＋２", FALSE, "3"},
      {"10/4", FALSE, "2.5"},
  };
  for (const Case& c : cases) {
    dialog.m_strExpression = c.expression;
    dialog.m_bComma = c.comma;
    dialog.Calculate();
    EXPECT_EQ(std::string(dialog.m_strResult), c.result) << c.expression;
  }
}

TEST(CCalcDlg, ClosesOnlyThroughItsButtonsAndRemembersTheLastOne) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  ScopedSettingsFile settings(MakeTempDir("calc") + "/kesta32.conf");
  {
    CCalcDlg dialog(nullptr);
    dialog.m_strExpression = "2*3";
    DialogDriver driver({Steps({
        [](wxDialog* d) {
          // OK alone does not close the dialog.
          wxCommandEvent ok(wxEVT_BUTTON, IDOK);
          d->ProcessWindowEvent(ok);
          EXPECT_TRUE(d->IsModal());
          auto* expression = static_cast<wxTextCtrl*>(d->FindWindow(CCalcDlg::IDC_EXPRESSION));
          expression->ChangeValue("7*6");
        },
        PressButton(CCalcDlg::IDC_RECALC),
        [](wxDialog* d) {
          EXPECT_EQ(static_cast<wxTextCtrl*>(d->FindWindow(CCalcDlg::IDC_RESULT))->GetValue(), "42");
        },
        PressButton(CCalcDlg::IDC_INSERT_AFTER),
    })});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCloseMode, CCalcDlg::kInsertAfter);
    EXPECT_EQ(std::string(dialog.m_strResult), "42");
  }
  EXPECT_EQ(AfxGetProfileInt("CalcDlg", "Focus", -1), 1);
  {
    CCalcDlg dialog(nullptr);
    dialog.m_strExpression = "1+1";
    DialogDriver driver({[](wxDialog* d) {
      auto* expression = static_cast<wxTextCtrl*>(d->FindWindow(CCalcDlg::IDC_EXPRESSION));
      wxCommandEvent enter(wxEVT_TEXT_ENTER, CCalcDlg::IDC_EXPRESSION);
      enter.SetEventObject(expression);
      expression->ProcessWindowEvent(enter);
    }});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCloseMode, CCalcDlg::kInsertAfter);
  }
  {
    // With no expression Return recalculates and the dialog stays until cancelled.
    CCalcDlg dialog(nullptr);
    DialogDriver driver({Steps({[](wxDialog* d) {
                                  auto* expression = static_cast<wxTextCtrl*>(d->FindWindow(CCalcDlg::IDC_EXPRESSION));
                                  expression->ChangeValue("3*3");
                                  wxCommandEvent enter(wxEVT_TEXT_ENTER, CCalcDlg::IDC_EXPRESSION);
                                  enter.SetEventObject(expression);
                                  expression->ProcessWindowEvent(enter);
                                  EXPECT_TRUE(d->IsModal());
                                  EXPECT_EQ(static_cast<wxTextCtrl*>(d->FindWindow(CCalcDlg::IDC_RESULT))->GetValue(),
                                            "9");
                                },
                                PressButton(IDCANCEL)})});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(AfxGetProfileInt("CalcDlg", "Focus", -1), 1);
}

TEST(CCalenderDlg, MovesByMonthAndReturnsThePickedDate) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  CCalenderDlg dialog(nullptr);
  dialog.m_nStartYear = 2024;
  dialog.m_nStartMonth = 1;
  dialog.m_nStartDay = 31;
  DialogDriver driver({Steps({PressButton(CCalenderDlg::IDC_NEXT), PressButton(CCalenderDlg::IDC_NEXT),
                              PressButton(CCalenderDlg::IDC_PREV), PressButton(IDOK)})});
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.GetCalender()->m_bShowHoliday);
  EXPECT_EQ(dialog.m_nYear, 2024);
  EXPECT_EQ(dialog.m_nMonth, 2);
  EXPECT_EQ(dialog.m_nDay, 29);
}

TEST(CDateTreeDlg, RefusesABadRangeOrNoWeekdayAndSavesOnlyOnCreate) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  const std::string conf = MakeTempDir("datetree") + "/kesta32.conf";
  ScopedSettingsFile settings(conf);
  MessageRecorder messages;
  CDateTreeDlg dialog(nullptr);
  EXPECT_EQ(std::string(dialog.m_strFormat), "%m月%d日");
  dialog.m_timeStart = COleDateTime(2024, 3, 2, 0, 0, 0);
  dialog.m_timeEnd = COleDateTime(2024, 3, 1, 0, 0, 0);
  DialogDriver driver({Steps({
      PressButton(IDOK),
      [](wxDialog* d) {
        static_cast<CDatePicker*>(d->FindWindow(CDateTreeDlg::IDC_END))->SetDate(COleDateTime(2024, 3, 9, 0, 0, 0));
        for (int i = 0; i < 7; ++i)
          static_cast<wxCheckBox*>(d->FindWindow(CDateTreeDlg::IDC_WEEK_FIRST + i))->SetValue(false);
      },
      PressButton(IDOK),
      [](wxDialog* d) {
        EXPECT_TRUE(d->IsModal());
        static_cast<wxCheckBox*>(d->FindWindow(CDateTreeDlg::IDC_WEEK_FIRST + 1))->SetValue(true);
        static_cast<wxTextCtrl*>(d->FindWindow(CDateTreeDlg::IDC_FORMAT))->ChangeValue("%d(%e)");
      },
      PressButton(IDOK),
  })});
  ASSERT_EQ(dialog.DoModal(), IDOK);
  ASSERT_EQ(messages.texts.size(), 2u);
  EXPECT_EQ(messages.texts[0], "終了日には開始日以降を設定してください");
  EXPECT_EQ(messages.texts[1], "曜日が一つもチェックされていません");
  EXPECT_EQ(dialog.m_timeEnd.GetDay(), 9);
  EXPECT_FALSE(dialog.m_bWeek[0]);
  EXPECT_TRUE(dialog.m_bWeek[1]);
  EXPECT_EQ(std::string(AfxGetProfileString("DateTree", "Format", "")), "%d(%e)");
  EXPECT_EQ(AfxGetProfileInt("DateTree", "Week0", -1), 0);
  EXPECT_EQ(AfxGetProfileInt("DateTree", "Week1", -1), 1);
}

namespace {

// The text field of a date picker: the picker itself or the field inside it.
wxTextEntry* DateField(wxWindow* window) {
  if (auto* entry = dynamic_cast<wxTextEntry*>(window)) return entry;
  for (wxWindow* child : window->GetChildren())
    if (wxTextEntry* entry = DateField(child)) return entry;
  return nullptr;
}

}  // namespace

TEST(CDateTreeDlg, DatePickersShowAndTakeYearMonthDay) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  ScopedSettingsFile settings(MakeTempDir("datetree") + "/kesta32.conf");
  CDateTreeDlg dialog(nullptr);
  dialog.m_timeStart = COleDateTime(2026, 12, 11, 0, 0, 0);
  dialog.m_timeEnd = COleDateTime(2027, 1, 5, 0, 0, 0);
  dialog.TransferDataToWindow();
  wxTextEntry* start = DateField(dialog.FindWindow(CDateTreeDlg::IDC_START));
  wxTextEntry* end = DateField(dialog.FindWindow(CDateTreeDlg::IDC_END));
  ASSERT_TRUE(start && end);
  EXPECT_EQ(std::string(WxToCP932(start->GetValue())), "2026/12/11");
  EXPECT_EQ(std::string(WxToCP932(end->GetValue())), "2027/01/05");
  // Typed in the same order; a text that is no date keeps the date it had.
  end->SetValue("2027/2/3");
  start->SetValue("2026/13/45");
  dialog.TransferDataFromWindow();
  EXPECT_EQ(dialog.m_timeEnd.GetYear(), 2027);
  EXPECT_EQ(dialog.m_timeEnd.GetMonth(), 2);
  EXPECT_EQ(dialog.m_timeEnd.GetDay(), 3);
  EXPECT_EQ(dialog.m_timeStart.GetMonth(), 12);
  EXPECT_EQ(dialog.m_timeStart.GetDay(), 11);
}

TEST(CDateTreeDlg, ABadRangeWritesNoSetting) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  ScopedSettingsFile settings(MakeTempDir("datetree") + "/kesta32.conf");
  MessageRecorder messages;
  CDateTreeDlg dialog(nullptr);
  dialog.m_timeStart = COleDateTime(2024, 3, 2, 0, 0, 0);
  dialog.m_timeEnd = COleDateTime(2024, 3, 1, 0, 0, 0);
  DialogDriver driver({Steps({PressButton(IDOK), PressButton(IDCANCEL)})});
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(AfxGetProfileInt("DateTree", "Week0", -1), -1);
  EXPECT_EQ(std::string(AfxGetProfileString("DateTree", "Format", "none")), "none");
}
