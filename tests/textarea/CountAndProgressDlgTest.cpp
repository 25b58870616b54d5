#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>

#include "app/CCountDlg.h"
#include "app/CFindInDlg.h"
#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "tests/treeview/TreePaneFixture.h"

namespace {

using treepane_test::TreePaneTest;

std::string LabelOf(wxWindow* dialog, int id) { return WxToCP932(dialog->FindWindow(id)->GetLabel()).str(); }

TEST_F(TreePaneTest, CountDialogCountsPagesAndRefusesAPageBelowOne) {
  Setting("Count", "Page", "400");
  CCountDlg dialog;
  dialog.m_nAll = 400;
  dialog.m_nChild = 0;
  dialog.m_nThis = 399;
  dialog.TransferDataToWindow();
  EXPECT_EQ(LabelOf(&dialog, CCountDlg::IDC_ALL_PAGES), "2");
  EXPECT_EQ(LabelOf(&dialog, CCountDlg::IDC_CHILD_PAGES), "1");
  EXPECT_EQ(LabelOf(&dialog, CCountDlg::IDC_THIS_PAGES), "1");

  auto* perPage = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CCountDlg::IDC_PER_PAGE));
  ScopedMessageBoxHook boxes(IDOK);
  perPage->ChangeValue("0");
  dialog.UpdatePages();
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text.str(), "文字／ページには1以上を入力してください");
  EXPECT_EQ(WxToCP932(perPage->GetValue()).str(), "400") << "the stored value again";

  perPage->ChangeValue("0");
  EXPECT_FALSE(dialog.TransferDataFromWindow()) << "the dialog stays open";
  EXPECT_EQ(AfxGetProfileInt("Count", "Page", 0), 400);
  perPage->ChangeValue("100");
  dialog.UpdatePages();
  EXPECT_EQ(LabelOf(&dialog, CCountDlg::IDC_ALL_PAGES), "5");
  EXPECT_TRUE(dialog.TransferDataFromWindow());
  EXPECT_EQ(AfxGetProfileInt("Count", "Page", 0), 100);
}

TEST_F(TreePaneTest, SearchProgressCountsFilesWithHitsAndTakesACancel) {
  auto* progress = new CFindInDlg;  // destroys itself when closed
  ASSERT_TRUE(progress->Create());
  EXPECT_EQ(WxToCP932(progress->GetTitle()).str(), "検索中");
  progress->AddHitFile(0);
  progress->AddHitFile(3);
  progress->AddHitFile(2);
  EXPECT_EQ(progress->m_strHitFiles.str(), "2");
  EXPECT_EQ(LabelOf(progress, CFindInDlg::IDC_HIT_TREES), "5");
  EXPECT_FALSE(progress->m_bCancel);
  wxCommandEvent click(wxEVT_BUTTON, CFindInDlg::IDC_CANCEL);
  progress->GetEventHandler()->ProcessEvent(click);
  EXPECT_TRUE(progress->m_bCancel);
  progress->Close(true);
  wxTheApp->ProcessIdle();
}

}  // namespace
