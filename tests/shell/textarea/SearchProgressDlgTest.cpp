#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>

#include "app/CFindInDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/shell/treeview/TreePaneFixture.h"

namespace {

using treepane_test::TreePaneTest;

std::string LabelOf(wxWindow* dialog, int id) { return WxToCP932(dialog->FindWindow(id)->GetLabel()).str(); }

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
