#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "platform/base/CString.h"
#include "resources/CommandIds.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "tests/shell/textarea/TextAreaFixture.h"
#include "textarea/CSpellCheckDlg.h"
#include "textarea/CSpellCheckListBox.h"
#include "textarea/CWordChangeDlg.h"

namespace {

using model_test::DialogDriver;
using model_test::PressButton;
using model_test::Steps;
using model_test::TypeAndOk;

TEST(SpellCheckDlgTest, StaysOnTheScreenAboveTheWordWhenBelowWouldNotFit) {
  struct Case {
    const char* what;
    POINT position;
    POINT expected;
  };
  const SIZE window = {200, 80};
  const SIZE screen = {1280, 1024};
  const Case cases[] = {
      {"room below and to the right", {100, 100}, {100, 100}},
      {"bottom right corner", {1200, 1000}, {1080, 1000 - 20 - 80}},
      {"just fits at the bottom", {0, 944}, {0, 944}},
      {"right edge only", {1100, 300}, {1080, 300}},
  };
  for (const Case& c : cases) {
    const POINT top = CSpellCheckDlg::KeepOnScreen(c.position, 20, window, screen);
    EXPECT_EQ(top.x, c.expected.x) << c.what;
    EXPECT_EQ(top.y, c.expected.y) << c.what;
  }
}

TEST(SpellCheckDlgTest, CorrectingEditsTheWordAndACancelledEditGoesBackToTheActions) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  CSpellCheckDlg dialog(nullptr);
  dialog.m_strWord = "teh";
  dialog.m_ptPosition = {10, 10};
  dialog.m_nLineHeight = 16;
  auto selection = [](wxDialog* d) {
    return static_cast<wxListBox*>(d->FindWindow(CSpellCheckDlg::IDC_ACTIONS))->GetSelection();
  };
  DialogDriver driver({
      Steps({[&](wxDialog* d) {
               EXPECT_EQ(static_cast<wxListBox*>(d->FindWindow(CSpellCheckDlg::IDC_ACTIONS))->GetCount(), 4u);
               EXPECT_EQ(selection(d), 0);
             },
             PressButton(IDOK)}),
      [](wxDialog* d) {
        EXPECT_EQ(static_cast<wxTextCtrl*>(d->FindWindow(CWordChangeDlg::IDC_BEFORE))->GetValue(), "teh");
        PressButton(IDCANCEL)(d);
      },
      Steps({[&](wxDialog* d) {
               EXPECT_TRUE(d->IsModal()) << "the action list stays";
               EXPECT_EQ(selection(d), 0);
               static_cast<wxListBox*>(d->FindWindow(CSpellCheckDlg::IDC_ACTIONS))->SetSelection(1);
             },
             PressButton(IDOK)}),
      TypeAndOk(CWordChangeDlg::IDC_AFTER, "the"),
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_nAction, CSpellCheckDlg::kCorrectAll);
  EXPECT_EQ(dialog.m_strWord.str(), "the");
}

TEST(SpellCheckDlgTest, RegisterAndIgnoreCloseAtOnceAndStopCancels) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  for (int action : {CSpellCheckDlg::kRegister, CSpellCheckDlg::kIgnore}) {
    CSpellCheckDlg dialog(nullptr);
    dialog.m_strWord = "kesta";
    DialogDriver driver({Steps({[action](wxDialog* d) {
                                  static_cast<wxListBox*>(d->FindWindow(CSpellCheckDlg::IDC_ACTIONS))->SetSelection(action);
                                },
                                PressButton(IDOK)})});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nAction, action);
    EXPECT_EQ(dialog.m_strWord.str(), "kesta");
  }
  CSpellCheckDlg dialog(nullptr);
  DialogDriver driver({[](wxDialog* d) {
    EXPECT_EQ(d->FindWindow(IDCANCEL)->GetLabel(), CP932ToWx("中止"));
    PressButton(IDCANCEL)(d);
  }});
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(SpellCheckListBoxTest, ArrowKeysWrapAroundTheEnds) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  wxDialog host(nullptr, wxID_ANY, "host");
  auto* list = new CSpellCheckListBox(&host, 1000);
  for (const char* item : {"a", "b", "c", "d"}) list->Append(item);
  list->SetSelection(0);
  EXPECT_TRUE(list->WrapAround(WXK_UP));
  EXPECT_EQ(list->GetSelection(), 3);
  EXPECT_TRUE(list->WrapAround(WXK_DOWN));
  EXPECT_EQ(list->GetSelection(), 0);
  EXPECT_FALSE(list->WrapAround(WXK_DOWN)) << "inside the list the box moves by itself";
  list->SetSelection(3);
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.m_keyCode = WXK_DOWN;
  list->GetEventHandler()->ProcessEvent(key);
  EXPECT_EQ(list->GetSelection(), 0);
}

}  // namespace
