#include <gtest/gtest.h>

#include <wx/textctrl.h>

#include "model/dialogs/CCryptDlg.h"
#include "model/dialogs/CPasswordDlg.h"
#include "model/KvnCrypt.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using model_test::DialogDriver;
using model_test::MessageRecorder;
using model_test::PressButton;
using model_test::TypeAndOk;

namespace {

// Runs the password dialog on the given hashes with the scripted answers.
int RunDialog(CCryptDlg& dlg, std::vector<DialogDriver::Action> actions) {
  DialogDriver driver(std::move(actions));
  return dlg.DoModal();
}

}  // namespace

TEST(CCryptDlg, OkWithoutChangesKeepsTheHashes) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  CCryptDlg dlg(nullptr);
  dlg.m_strReadHash = PasswordHash("r");
  EXPECT_EQ(RunDialog(dlg, {[](wxDialog* d) {
                  EXPECT_FALSE(static_cast<wxTextCtrl*>(d->FindWindow(CCryptDlg::IDC_READ))->IsEditable());
                  EXPECT_FALSE(d->FindWindow(CCryptDlg::IDC_CHANGE_WRITE)->IsEnabled());
                  PressButton(1)(d);
                }}),
            1);
  EXPECT_EQ(dlg.m_strReadHash, PasswordHash("r"));
  EXPECT_EQ(dlg.m_strReadText, CCryptDlg::kPlaceholder);
  EXPECT_TRUE(dlg.m_strWriteHash.IsEmpty());
}

TEST(CCryptDlg, NewPasswordMustBeConfirmed) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  MessageRecorder messages;
  CCryptDlg dlg(nullptr);
  // Typed once, confirmed wrongly (the dialog stays), then rightly.
  EXPECT_EQ(RunDialog(dlg, {TypeAndOk(CCryptDlg::IDC_WRITE, "新しい"), TypeAndOk(CPasswordDlg::IDC_PASSWORD, "違う"),
                      PressButton(1), TypeAndOk(CPasswordDlg::IDC_PASSWORD, "新しい")}),
            1);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"パスワードが違います。"});
  EXPECT_EQ(dlg.m_strWriteHash, PasswordHash("新しい"));
}

TEST(CCryptDlg, ChangeButtonCanRemoveAPassword) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  MessageRecorder messages;
  CCryptDlg dlg(nullptr);
  dlg.m_strReadHash = PasswordHash("old");
  EXPECT_EQ(RunDialog(dlg, {PressButton(CCryptDlg::IDC_CHANGE_READ), TypeAndOk(CPasswordDlg::IDC_PASSWORD, "bad"),
                      PressButton(CCryptDlg::IDC_CHANGE_READ), TypeAndOk(CPasswordDlg::IDC_PASSWORD, "old"),
                      TypeAndOk(CPasswordDlg::IDC_PASSWORD, ""), PressButton(2)}),
            2);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"旧パスワードが違います。"});
  EXPECT_TRUE(dlg.m_strReadHash.IsEmpty());
}
