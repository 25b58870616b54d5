#include "treeview/CShoListDlg.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dirdlg.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "app/CEdSetDlg.h"
#include "treeview/CShoEditDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/treeview/ModalAnswers.h"
#include "treeview/CShoCustomDlg.h"

namespace {

// The application's settings file while a test runs.
class ProfileFile {
 public:
  explicit ProfileFile(const std::string& bytes)
      : path(kesta_test::MakeTempDir("settings") + "/kesta32.conf"), app(path) {
    kesta_test::WriteBytes(path, bytes);
  }
  std::string path;
  kesta_test::ScopedSettingsFile app;
};

// The heading-character list over three styles, as the user first sees it.
class ShoListDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    dialog = new CShoListDlg();
    dialog->m_shoStr.Add("", 0, ".", "");
    dialog->m_shoStr.Add("第", 6, "章", "");
    dialog->m_shoStr.Add("(", 12, ")", "甲\x01乙\x01");
    dialog->TransferDataToWindow();
  }
  void TearDown() override { delete dialog; }

  std::vector<CString> Lines() const {
    auto* list = dynamic_cast<wxListBox*>(dialog->FindWindow(CShoListDlg::IDC_LIST));
    std::vector<CString> lines;
    for (unsigned i = 0; i < list->GetCount(); ++i) lines.push_back(WxToCP932(list->GetString(i)));
    return lines;
  }
  void Select(int row) { dynamic_cast<wxListBox*>(dialog->FindWindow(CShoListDlg::IDC_LIST))->SetSelection(row); }

  ProfileFile profile{"[System]\nDellineSho=0\n"};
  CShoListDlg* dialog = nullptr;
};

TEST_F(ShoListDlgTest, LinesShowEachLevelsStyle) {
  EXPECT_EQ(WxToCP932(dialog->GetTitle()), "章立て文字");
  const std::vector<CString> lines = Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "第 1階層：[" + dialog->m_shoStr.GetKindName(0) + "].");
  EXPECT_EQ(lines[1], "第 2階層：第[" + dialog->m_shoStr.GetKindName(1) + "]章");
  EXPECT_EQ(dialog->GetSelection(), 0);
  EXPECT_EQ(dialog->m_bDellineSho, 0);
  EXPECT_FALSE(dynamic_cast<wxCheckBox*>(dialog->FindWindow(CShoListDlg::IDC_DELLINE))->GetValue());
}

TEST_F(ShoListDlgTest, MovesStopAtTheEndsAndDeleteKeepsALineSelected) {
  const std::vector<CString> before = Lines();
  Select(0);
  dialog->MoveSelected(-1);
  EXPECT_EQ(Lines(), before);
  Select(2);
  dialog->MoveSelected(1);
  EXPECT_EQ(Lines(), before);
  dialog->MoveSelected(-1);
  EXPECT_EQ(dialog->m_shoStr.GetMae(1), "(");
  EXPECT_EQ(dialog->GetSelection(), 1);

  Select(2);
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    wxCommandEvent press(wxEVT_BUTTON, CShoListDlg::IDC_DELETE);
    dialog->GetEventHandler()->ProcessEvent(press);
    EXPECT_EQ(cancel.Calls().at(0).text, "削除しますか？");
  }
  EXPECT_EQ(dialog->m_shoStr.GetCount(), 3);
  dialog->DeleteSelected();
  EXPECT_EQ(dialog->m_shoStr.GetCount(), 2);
  EXPECT_EQ(dialog->GetSelection(), 1);
}

TEST_F(ShoListDlgTest, ImportWithoutStylesKeepsTheListAndOneWithStylesReplacesIt) {
  const std::string dir = kesta_test::MakeTempDir("sho");
  kesta_test::WriteBytes(dir + "/empty.dat", "[ShoStr]\nMenuNo=0\n");
  const std::vector<CString> before = Lines();
  {
    ScopedMessageBoxHook answer(IDOK);
    EXPECT_FALSE(dialog->ImportFrom((dir + "/empty.dat").c_str()));
    EXPECT_EQ(answer.Calls().back().text, "章立ての文字がファイルにありません");
  }
  EXPECT_EQ(Lines(), before);
  EXPECT_TRUE(dialog->ImportFrom(kesta_test::FixturePath("treeview/KvnSho.dat").c_str()));
  EXPECT_EQ(dialog->m_shoStr.GetCount(), 4);
  EXPECT_EQ(dialog->m_shoStr.GetMae(1), "第");
  EXPECT_EQ(dialog->GetSelection(), 0);

  // What is exported reads back the same.
  ASSERT_TRUE(dialog->ExportTo((dir + "/out.dat").c_str()));
  CShoStrArray back;
  EXPECT_EQ(back.Load((dir + "/out.dat").c_str()), 4);
  EXPECT_EQ(back.GetAto(1), dialog->m_shoStr.GetAto(1));
}

TEST_F(ShoListDlgTest, OkStoresTheChoiceAndTheTable) {
  dynamic_cast<wxCheckBox*>(dialog->FindWindow(CShoListDlg::IDC_DELLINE))->SetValue(true);
  dynamic_cast<wxCheckBox*>(dialog->FindWindow(CShoListDlg::IDC_SAVEINFILE))->SetValue(true);
  dialog->SaveChoices();
  EXPECT_EQ(dialog->m_bSaveInFile, 1);
  EXPECT_EQ(AfxGetProfileInt("System", "DellineSho", -1), 1);
  CShoStrArray stored;
  EXPECT_EQ(stored.Load(), 3);
  EXPECT_EQ(stored.GetCustomText(2), "甲\x01乙\x01");
}

TEST(CShoEditDlg, CustomButtonFollowsTheKindAndACancelledCustomKeepsTheText) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  CShoEditDlg dialog;
  dialog.m_nNo = 0;
  dialog.m_strCustom = "old\x01";
  dialog.TransferDataToWindow();
  EXPECT_FALSE(dialog.FindWindow(CShoEditDlg::IDC_CUSTOM)->IsEnabled());

  std::vector<CString> offered;
  int answer = wxID_CANCEL;
  ModalAnswers user([&](wxDialog* shown) {
    auto* custom = dynamic_cast<CShoCustomDlg*>(shown);
    offered.push_back(custom->m_strCustom);
    custom->m_strCustom = "new\x01";
    return answer;
  });
  auto* kind = dynamic_cast<wxChoice*>(dialog.FindWindow(CShoEditDlg::IDC_NO));
  const auto choose = [&](int index) {
    kind->SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, CShoEditDlg::IDC_NO);
    dialog.GetEventHandler()->ProcessEvent(event);
  };
  choose(CShoEditDlg::kCustomKind);
  EXPECT_TRUE(dialog.FindWindow(CShoEditDlg::IDC_CUSTOM)->IsEnabled());
  EXPECT_EQ(offered, (std::vector<CString>{"old\x01"}));
  EXPECT_EQ(dialog.m_strCustom, "old\x01");
  EXPECT_EQ(dialog.m_nNo, CShoEditDlg::kCustomKind);

  answer = wxID_OK;
  wxCommandEvent press(wxEVT_BUTTON, CShoEditDlg::IDC_CUSTOM);
  dialog.GetEventHandler()->ProcessEvent(press);
  EXPECT_EQ(dialog.m_strCustom, "new\x01");
  choose(7);
  EXPECT_FALSE(dialog.FindWindow(CShoEditDlg::IDC_CUSTOM)->IsEnabled());
  EXPECT_EQ(offered.size(), 2u);
}

TEST(CEdSetDlg, ExchangesThePathAndACancelledBrowseKeepsIt) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  ProfileFile profile("");
  CEdSetDlg dialog;
  EXPECT_EQ(WxToCP932(dialog.GetTitle()), "エディタの設定");
  dialog.m_strEditor = CEdSetDlg::kDefaultEditor;
  dialog.TransferDataToWindow();
  auto* edit = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CEdSetDlg::IDC_EDITOR));
  EXPECT_EQ(edit->GetValue(), "xdg-open");
  edit->ChangeValue(CP932ToWx("/opt/エディタ/bin/ed"));
  ModalAnswers cancel([](wxDialog*) { return static_cast<int>(wxID_CANCEL); });
  wxCommandEvent press(wxEVT_BUTTON, CEdSetDlg::IDC_BROWSE);
  dialog.GetEventHandler()->ProcessEvent(press);
  EXPECT_EQ(cancel.titles.size(), 1u);
  dialog.TransferDataFromWindow();
  EXPECT_EQ(dialog.m_strEditor, "/opt/エディタ/bin/ed");
}

}  // namespace
