#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "treeview/CFootnoteDlg.h"

namespace {

TEST(CFootnoteDlgTest, ValuesGoToTheControlsAndBackAndNoPositionLeavesNoChoice) {
  CFootnoteDlg dialog(nullptr);
  EXPECT_EQ(dialog.m_nPosition, -1);
  EXPECT_TRUE(dialog.m_strStartStr.IsEmpty());
  dialog.TransferDataToWindow();
  auto* position = dynamic_cast<wxChoice*>(dialog.FindWindow(CFootnoteDlg::IDC_POSITION));
  ASSERT_TRUE(position);
  EXPECT_EQ(position->GetSelection(), wxNOT_FOUND);

  dialog.m_nPosition = 2;
  dialog.m_strStartStr = "<<<";
  dialog.m_strHonbun1 = "［";
  dialog.m_strKyaku2 = "） ";
  dialog.TransferDataToWindow();
  EXPECT_EQ(position->GetSelection(), 2);
  EXPECT_EQ(WxToCP932(dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CFootnoteDlg::IDC_BODY_BEFORE))->GetValue()).str(),
            std::string("［"));
  dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CFootnoteDlg::IDC_TITLE))->ChangeValue(CP932ToWx("脚注"));
  position->SetSelection(1);
  ASSERT_TRUE(dialog.TransferDataFromWindow());
  EXPECT_EQ(dialog.m_nPosition, 1);
  EXPECT_EQ(dialog.m_strTitle.str(), std::string("脚注"));
  EXPECT_EQ(dialog.m_strStartStr.str(), "<<<");
  EXPECT_EQ(dialog.m_strKyaku2.str(), std::string("） "));
}

}  // namespace
