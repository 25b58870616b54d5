// F1 in the small dialogs of the outline window asks the application for each dialog's own topic.
#include <gtest/gtest.h>
#include <wx/dialog.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/CDateOptDlg.h"
#include "app/CMarkDlg.h"
#include "app/CRepDlg.h"
#include "platform/framework/CWinApp.h"
#include "tests/common/TestSupport.h"
#include "textarea/CCountDlg.h"
#include "textarea/CSplitDlg.h"
#include "treeview/CSortDlg.h"

namespace {

struct HelpRecorder : CWinApp {
  void ShowHelp(DWORD topic, UINT) override { topics.push_back(topic); }
  std::vector<DWORD> topics;
};

TEST(DialogHelpTopics, F1ShowsEachDialogsTopic) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  HelpRecorder app;
  const TextCounts counts;
  const std::vector<std::pair<std::function<wxDialog*()>, DWORD>> dialogs = {
      {[] { return new CRepDlg(nullptr, FALSE); }, 38}, {[] { return new CSortDlg(nullptr); }, 59},
      {[] { return new CSplitDlg(nullptr); }, 62},      {[&] { return new CCountDlg(nullptr, counts); }, 78},
      {[] { return new CMarkDlg(nullptr); }, 94},       {[] { return new CDateOptDlg(nullptr); }, 95},
  };
  for (const auto& [make, topic] : dialogs) {
    app.topics.clear();
    wxDialog* dialog = make();
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_F1;
    dialog->GetEventHandler()->ProcessEvent(key);
    dialog->Destroy();
    EXPECT_EQ(app.topics, std::vector<DWORD>{topic}) << topic;
  }
}

}  // namespace
