#include "treeview/CShoCustomDlg.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"

namespace {

wxTextCtrl* Edit(CShoCustomDlg& dialog) {
  return dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CShoCustomDlg::IDC_CUSTOM_EDIT));
}

TEST(CShoCustomDlg, ShowsOneStringPerLineAndJoinsThemBack) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  CShoCustomDlg dialog;
  EXPECT_EQ(WxToCP932(dialog.GetTitle()), "章番号の編集");
  dialog.m_strCustom = "第一章\x01\x01第三章\x01";
  ASSERT_TRUE(dialog.TransferDataToWindow());
  ASSERT_NE(Edit(dialog), nullptr);
  EXPECT_EQ(WxToCP932(Edit(dialog)->GetValue()), "第一章\n\n第三章\n");

  // Trailing empty lines are dropped, empty lines between strings kept, CR LF and LF both end a line.
  Edit(dialog)->ChangeValue(CP932ToWx("甲\r\n\n乙\n\n\n"));
  ASSERT_TRUE(dialog.TransferDataFromWindow());
  EXPECT_EQ(dialog.m_strCustom, "甲\x01\x01乙");
}

}  // namespace
