#include "app/DialogHelp.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>

#include "app/CKestavonApp.h"
#include "platform/MessageBox.h"
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

}  // namespace
