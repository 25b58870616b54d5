// The help buttons of the model's dialogs: without the help file the user is told that it is
// missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include <wx/dialog.h>

#include "app/CKestavonApp.h"
#include "app/CReadOnlyDlg.h"
#include "model/BookmarkFileList.h"
#include "model/CBookfileDlg.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using model_test::MessageRecorder;

TEST(DialogHelp, HelpButtonsReportTheMissingHelpFile) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  const std::string dir = kesta_test::MakeTempDir("dialoghelp");
  setenv("KESTA_PROGRAM_DIR", dir.c_str(), 1);
  CKestavonApp app;
  BookmarkFileList list;
  const std::vector<std::pair<std::function<wxDialog*()>, int>> dialogs = {
      {[] { return new CReadOnlyDlg(nullptr); }, CReadOnlyDlg::IDC_HELP_BUTTON},
      {[&list] { return new CBookfileDlg(nullptr, &list); }, CBookfileDlg::IDC_HELP_BUTTON},
  };
  for (const auto& [make, button] : dialogs) {
    MessageRecorder messages;
    wxDialog* dialog = make();
    model_test::PressButton(button)(dialog);
    dialog->Destroy();
    EXPECT_EQ(messages.texts, std::vector<std::string>{"ヘルプファイルがありません：" + dir + "/kesta32.chm"});
  }
  unsetenv("KESTA_PROGRAM_DIR");
}
