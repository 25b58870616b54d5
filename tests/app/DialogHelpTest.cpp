#include "platform/framework/DialogHelp.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/CKestavonApp.h"
#include "model/BookmarkFileList.h"
#include "model/dialogs/CBookfileDlg.h"
#include "model/dialogs/CReadOnlyDlg.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"

namespace {

bool Press(wxWindow& window, int keyCode) {
  wxKeyEvent key(wxEVT_CHAR_HOOK);
  key.m_keyCode = keyCode;
  return window.GetEventHandler()->ProcessEvent(key);
}

TEST(DialogHelp, F1AsksTheApplicationForTheTopic) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  wxDialog dialog(nullptr, wxID_ANY, "x");
  DWORD asked = 0;
  BindDialogHelp(&dialog, [&asked] { return asked = 98; });
  ScopedMessageBoxHook answer(IDOK);
  // Without an application there is nobody to ask.
  Press(dialog, WXK_F1);
  EXPECT_EQ(asked, 0u);

  CKestavonApp app;
  Press(dialog, 'A');
  EXPECT_EQ(asked, 0u);
  Press(dialog, WXK_F1);
  EXPECT_EQ(asked, 98u);
  // No help file is installed here: the user is told so.
  ASSERT_EQ(answer.Calls().size(), 1u);
  EXPECT_EQ(answer.Calls()[0].text.Find("ヘルプファイルがありません"), 0);
}

// The help buttons of the model's dialogs: without the help file the user is told that it is
// missing.
TEST(DialogHelp, HelpButtonsReportTheMissingHelpFile) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const std::string dir = kesta_test::MakeTempDir("dialoghelp");
  setenv("KESTA_PROGRAM_DIR", dir.c_str(), 1);
  CKestavonApp app;
  BookmarkFileList list;
  const std::vector<std::pair<std::function<wxDialog*()>, int>> dialogs = {
      {[] { return new CReadOnlyDlg(nullptr); }, CReadOnlyDlg::IDC_HELP_BUTTON},
      {[&list] { return new CBookfileDlg(nullptr, &list); }, CBookfileDlg::IDC_HELP_BUTTON},
  };
  for (const auto& [make, button] : dialogs) {
    ScopedMessageBoxHook answer(IDOK);
    wxDialog* dialog = make();
    wxCommandEvent press(wxEVT_BUTTON, button);
    press.SetEventObject(dialog->FindWindow(button));
    dialog->FindWindow(button)->GetEventHandler()->ProcessEvent(press);
    dialog->Destroy();
    ASSERT_EQ(answer.Calls().size(), 1u);
    EXPECT_EQ(answer.Calls()[0].text.str(), "ヘルプファイルがありません：" + dir + "/kesta32.chm");
  }
  unsetenv("KESTA_PROGRAM_DIR");
}

}  // namespace
