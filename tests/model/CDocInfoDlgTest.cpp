// The document information dialog over a model's properties record, and the document command
// that runs it with its undo step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <wx/textctrl.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "model/CDocInfoDlg.h"
#include "platform/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using model_test::DialogDriver;
using model_test::MessageRecorder;
using model_test::PressButton;

namespace {

// The dialog with the shell replaced by a record of what it was asked to open.
class RecordingDocInfoDlg : public CDocInfoDlg {
 public:
  using CDocInfoDlg::CDocInfoDlg;
  std::vector<std::string> opened;

 protected:
  void OpenWithShell(const char* target) override { opened.emplace_back(target); }
};

DialogDriver::Action Type(int id, const char* text) {
  const CString value(text);
  return [id, value](wxDialog* dialog) {
    static_cast<wxTextCtrl*>(dialog->FindWindow(id))->ChangeValue(CP932ToWx(value.str()));
  };
}

// Runs the actions one after another inside the one modal loop of the dialog.
DialogDriver::Action Steps(std::vector<DialogDriver::Action> steps) {
  return [steps](wxDialog* dialog) {
    for (const auto& step : steps) step(dialog);
  };
}

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
  const std::string dir = kesta_test::MakeTempDir("docinfohelp");
  setenv("KESTA_PROGRAM_DIR", dir.c_str(), 1);
  CKestavonApp app;
  auto tree = model_test::MakeModel({{"top", ""}});
  MessageRecorder messages;
  CDocInfoDlg dlg(nullptr, tree.get());
  DialogDriver driver({[](wxDialog* d) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_F1;
    key.SetEventObject(d);
    d->GetEventHandler()->ProcessEvent(key);
    PressButton(IDCANCEL)(d);
  }});
  dlg.DoModal();
  unsetenv("KESTA_PROGRAM_DIR");
  EXPECT_EQ(messages.texts, std::vector<std::string>{"ヘルプファイルがありません：" + dir + "/kesta32.chm"});
}

TEST(CKestavonDocInfo, UndoBringsTheOldAuthorBackAndCancelChangesNothing) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  CKestavonDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  doc.GetTree().GetProperties().m_strAuthor = "前の作成者";
  auto run = [&doc](std::vector<DialogDriver::Action> actions) {
    DialogDriver driver(std::move(actions));
    wxCommandEvent command(wxEVT_MENU, CKestavonDoc::ID_DOC_INFO);
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
