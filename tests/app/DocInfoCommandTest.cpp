// The document command that runs the document information dialog, with its undo step.
#include <gtest/gtest.h>

#include <wx/textctrl.h>

#include "app/CKestavonDoc.h"
#include "resources/CommandIds.h"
#include "model/dialogs/CDocInfoDlg.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using model_test::DialogDriver;
using model_test::MessageRecorder;
using model_test::PressButton;
using model_test::Steps;
using model_test::Type;

TEST(CKestavonDocInfo, UndoBringsTheOldAuthorBackAndCancelChangesNothing) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  CKestavonDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  doc.GetTree().GetProperties().m_strAuthor = "前の作成者";
  auto run = [&doc](std::vector<DialogDriver::Action> actions) {
    DialogDriver driver(std::move(actions));
    wxCommandEvent command(wxEVT_MENU, ID_HELP_DOC_INFO);
    doc.ProcessEvent(command);
  };

  run({Steps({Type(CDocInfoDlg::IDC_AUTHOR, "誰か"), PressButton(IDCANCEL)})});
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(doc.CanUndo());

  run({Steps({Type(CDocInfoDlg::IDC_AUTHOR, "新しい作成者"), PressButton(IDOK)})});
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(std::string(doc.GetTree().GetProperties().m_strAuthor), "新しい作成者");
  ASSERT_TRUE(doc.CanUndo());
  doc.Undo();
  EXPECT_EQ(std::string(doc.GetTree().GetProperties().m_strAuthor), "前の作成者");
  EXPECT_FALSE(doc.IsModified());
  doc.Redo();
  EXPECT_EQ(std::string(doc.GetTree().GetProperties().m_strAuthor), "新しい作成者");
}
