// The document information dialog over a model's properties record.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <wx/textctrl.h>

#include "platform/framework/CWinApp.h"
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

namespace {

// The dialog with the shell replaced by a record of what it was asked to open.
class RecordingDocInfoDlg : public CDocInfoDlg {
 public:
  using CDocInfoDlg::CDocInfoDlg;
  std::vector<std::string> opened;

 protected:
  void OpenWithShell(const char* target) override { opened.emplace_back(target); }
};

std::string ValueOf(wxDialog* dialog, int id) {
  return WxToCP932(static_cast<wxTextCtrl*>(dialog->FindWindow(id))->GetValue()).str();
}

void FillAuthorData(ATREE& tree) {
  CDocProperties& p = tree.GetProperties();
  p.m_strAuthor = "山田";
  p.m_strAuthorCorp = "ペルコ";
  p.m_strMemo = "一行目\x01二行目";
  p.m_strAuthorUrl = "https://example.com/";
  p.m_strAuthorEmail = "a@example.com";
}

}  // namespace

TEST(CDocInfoDlg, ShowsTheRecordAndStoresTheEditsWithTheMemoAsOneLine) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  auto tree = model_test::MakeModel({{"top", ""}});
  FillAuthorData(*tree);
  std::string shownMemo;
  RecordingDocInfoDlg dlg(nullptr, tree.get());
  {
    DialogDriver driver({Steps({[&](wxDialog* d) { shownMemo = ValueOf(d, CDocInfoDlg::IDC_MEMO); },
                                Type(CDocInfoDlg::IDC_AUTHOR, "鈴木"), Type(CDocInfoDlg::IDC_MEMO, "a\nb\n\nc"),
                                PressButton(IDOK)})});
    EXPECT_EQ(dlg.DoModal(), IDOK);
  }
  EXPECT_EQ(shownMemo, "一行目\n二行目");
  const CDocProperties& p = tree->GetProperties();
  EXPECT_EQ(std::string(p.m_strAuthor), "鈴木");
  EXPECT_EQ(std::string(p.m_strAuthorCorp), "ペルコ");
  EXPECT_EQ(std::string(p.m_strMemo), "a\x01" "b\x01\x01" "c");
  EXPECT_EQ(std::string(dlg.m_strMemo), "a\r\nb\r\n\r\nc");

  // The memo travels as one header line and reads back as the same lines.
  const std::string path = kesta_test::MakeTempDir("docinfo") + "/info.kvn";
  ASSERT_EQ(tree->WriteKvnFile(path.c_str()), 1);
  EXPECT_NE(kesta_test::ReadBytes(path).find("DocInfoMemo=a\x01" "b\x01\x01" "c\r\n"), std::string::npos);
  ATREE again;
  ASSERT_GT(again.OpenFile(path.c_str(), 0, 0), 0);
  EXPECT_EQ(std::string(again.GetProperties().m_strMemo), "a\x01" "b\x01\x01" "c");
  EXPECT_EQ(std::string(again.GetProperties().m_strAuthor), "鈴木");
}

TEST(CDocInfoDlg, CancelKeepsEveryField) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  auto tree = model_test::MakeModel({{"top", ""}});
  FillAuthorData(*tree);
  const CDocProperties before = tree->GetProperties();
  CDocInfoDlg dlg(nullptr, tree.get());
  DialogDriver driver({Steps({Type(CDocInfoDlg::IDC_AUTHOR, "x"), Type(CDocInfoDlg::IDC_MEMO, "y"),
                              Type(CDocInfoDlg::IDC_EMAIL, "z"), PressButton(IDCANCEL)})});
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const CDocProperties& p = tree->GetProperties();
  EXPECT_EQ(p.m_strAuthor, before.m_strAuthor);
  EXPECT_EQ(p.m_strMemo, before.m_strMemo);
  EXPECT_EQ(p.m_strAuthorEmail, before.m_strAuthorEmail);
}

TEST(CDocInfoDlg, OpenAndSendUseWhatIsTypedNow) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  auto tree = model_test::MakeModel({{"top", ""}});
  RecordingDocInfoDlg dlg(nullptr, tree.get());
  DialogDriver driver({Steps({Type(CDocInfoDlg::IDC_URL, "https://kesta.example/"),
                              PressButton(CDocInfoDlg::IDC_OPEN_URL), PressButton(CDocInfoDlg::IDC_SEND_MAIL),
                              Type(CDocInfoDlg::IDC_EMAIL, "b@example.com"),
                              PressButton(CDocInfoDlg::IDC_SEND_MAIL), PressButton(IDCANCEL)})});
  dlg.DoModal();
  EXPECT_EQ(dlg.opened,
            (std::vector<std::string>{"https://kesta.example/", "mailto:", "mailto:b@example.com"}));
}

TEST(CDocInfoDlg, F1ShowsTheHelpTopic) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  struct HelpRecorder : CWinApp {
    void ShowHelp(DWORD topic, UINT) override { topics.push_back(topic); }
    std::vector<DWORD> topics;
  } app;
  auto tree = model_test::MakeModel({{"top", ""}});
  CDocInfoDlg dlg(nullptr, tree.get());
  DialogDriver driver({[](wxDialog* d) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_F1;
    key.SetEventObject(d);
    d->GetEventHandler()->ProcessEvent(key);
    PressButton(IDCANCEL)(d);
  }});
  dlg.DoModal();
  EXPECT_EQ(app.topics, std::vector<DWORD>{CDocInfoDlg::kHelpTopic});
}
