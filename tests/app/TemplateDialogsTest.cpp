#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "app/CDateOptDlg.h"
#include "app/CTemplateDlg.h"
#include "app/CTemplateEditDlg.h"
#include "app/CTimeStampOptDlg.h"
#include "model/DateText.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/treeview/ModalAnswers.h"

namespace {

void Press(wxDialog& dialog, int id) {
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(dialog.FindWindow(id));
  dialog.GetEventHandler()->ProcessEvent(event);
}

void Click(wxDialog& dialog, int id) {
  auto* box = dynamic_cast<wxCheckBox*>(dialog.FindWindow(id));
  box->SetValue(!box->GetValue());
  wxCommandEvent event(wxEVT_CHECKBOX, id);
  event.SetEventObject(box);
  event.SetInt(box->GetValue() ? 1 : 0);
  box->GetEventHandler()->ProcessEvent(event);
}

bool Checked(wxDialog& dialog, int id) { return dynamic_cast<wxCheckBox*>(dialog.FindWindow(id))->GetValue(); }

wxTextCtrl* Edit(wxDialog& dialog, int id) { return dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id)); }

CTemplateFile Entry(const char* title) {
  CTemplateFile entry;
  entry.m_strText = title;
  entry.m_strPath = CString("/t/") + title + ".txt";
  return entry;
}

// A template dialog over four entries "1" .. "4", opened as the user sees it.
class TemplateDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    for (const char* title : {"1", "2", "3", "4"}) list.push_back(Entry(title));
    dialog = new CTemplateDlg(nullptr, &list);
    EXPECT_EQ(dialog->m_nSel, -1);
    dialog->InitDialog();
  }
  void TearDown() override {
    if (dialog) dialog->Destroy();
  }
  wxListBox* List() { return dynamic_cast<wxListBox*>(dialog->FindWindow(CTemplateDlg::IDC_LIST)); }
  void Select(int row) { List()->SetSelection(row); }
  std::string Titles() {
    std::string titles;
    for (const CTemplateFile& entry : list) titles += entry.m_strText.str();
    std::string rows;
    for (unsigned i = 0; i < List()->GetCount(); ++i) rows += WxToCP932(List()->GetString(i)).str();
    EXPECT_EQ(rows, titles) << "the list box shows the list";
    return titles;
  }

  std::vector<CTemplateFile> list;
  CTemplateDlg* dialog = nullptr;
};

TEST_F(TemplateDlgTest, MovesKeepEveryOtherEntryInPlace) {
  EXPECT_EQ(Titles(), "1234");
  EXPECT_EQ(List()->GetSelection(), 0);
  EXPECT_EQ(dialog->m_nSel, 0);
  struct Case {
    int row;
    int button;
    const char* order;
    int selected;
  } cases[] = {
      {0, CTemplateDlg::IDC_UP, "1234", 0},       {3, CTemplateDlg::IDC_DOWN, "1234", 3},
      {1, CTemplateDlg::IDC_DOWN, "1324", 2},     {2, CTemplateDlg::IDC_UP, "1234", 1},
      {2, CTemplateDlg::IDC_STANDARD, "3214", 0}, {0, CTemplateDlg::IDC_STANDARD, "3214", 0},
  };
  for (const Case& c : cases) {
    Select(c.row);
    Press(*dialog, c.button);
    EXPECT_EQ(Titles(), c.order) << c.row << " " << c.button;
    EXPECT_EQ(List()->GetSelection(), c.selected);
    EXPECT_EQ(dialog->m_nSel, c.selected);
  }
}

TEST_F(TemplateDlgTest, DeletingAsksAndSelectsTheRowBeforeAtTheEnd) {
  Select(3);
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    Press(*dialog, CTemplateDlg::IDC_DELETE);
    ASSERT_EQ(cancel.Calls().size(), 1u);
    EXPECT_EQ(cancel.Calls()[0].text, "4を削除しますか？");
    EXPECT_EQ(cancel.Calls()[0].flags & MB_TYPEMASK, MB_OKCANCEL);
  }
  EXPECT_EQ(Titles(), "1234");
  ScopedMessageBoxHook ok(IDOK);
  Press(*dialog, CTemplateDlg::IDC_DELETE);
  EXPECT_EQ(Titles(), "123");
  EXPECT_EQ(dialog->m_nSel, 2);
  Select(0);
  Press(*dialog, CTemplateDlg::IDC_DELETE);
  EXPECT_EQ(Titles(), "23");
  EXPECT_EQ(List()->GetSelection(), 0);

  list.resize(1);
  dialog->InitDialog();
  Press(*dialog, CTemplateDlg::IDC_DELETE);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(dialog->m_nSel, -1);
  const size_t asked = ok.Calls().size();
  for (int button : {CTemplateDlg::IDC_DELETE, CTemplateDlg::IDC_DELETE_ALL, CTemplateDlg::IDC_EDIT})
    Press(*dialog, button);
  EXPECT_EQ(ok.Calls().size(), asked) << "nothing selected: nothing asked";
}

TEST_F(TemplateDlgTest, DeleteAllEmptiesTheListOnlyOnOk) {
  for (int answer : {IDCANCEL, IDOK}) {
    ScopedMessageBoxHook hook(answer);
    Press(*dialog, CTemplateDlg::IDC_DELETE_ALL);
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_EQ(hook.Calls()[0].text, "テンプレートを全て削除します。よろしいですか？");
  }
  EXPECT_EQ(Titles(), "");
}

TEST_F(TemplateDlgTest, AddAndModifyGoThroughTheEntryDialog) {
  CString shownTitle;
  ModalAnswers answers([&shownTitle](wxDialog* shown) {
    auto& edit = dynamic_cast<CTemplateEditDlg&>(*shown);
    shownTitle = edit.m_strTitle;
    edit.m_strTitle = "新";
    edit.m_strFile = "/t/new.txt";
    return wxID_OK;
  });
  Select(1);
  Press(*dialog, CTemplateDlg::IDC_ADD);
  EXPECT_EQ(shownTitle, CString(""));
  EXPECT_EQ(Titles(), "1234新");
  EXPECT_EQ(dialog->m_nSel, 4);
  Select(2);
  Press(*dialog, CTemplateDlg::IDC_EDIT);
  EXPECT_EQ(shownTitle, CString("3"));
  EXPECT_EQ(Titles(), "12新4新");
  EXPECT_EQ(list[2].m_strPath, CString("/t/new.txt"));
  EXPECT_EQ(List()->GetSelection(), 2);
}

TEST(CTemplateEditDlg, RefusesAMissingFileOrTitleAndKeepsATypedTitle) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  CTemplateEditDlg dialog(nullptr);
  dialog.TransferDataToWindow();
  struct Case {
    const char* title;
    const char* file;
    const char* message;
  } cases[] = {{"", "", "ファイル名が設定されていません"},
               {"", "/a.txt", "名前が設定されていません"},
               {"題", "/a.txt", nullptr}};
  for (const Case& c : cases) {
    Edit(dialog, CTemplateEditDlg::IDC_TITLE)->ChangeValue(CP932ToWx(c.title));
    Edit(dialog, CTemplateEditDlg::IDC_FILE)->ChangeValue(CP932ToWx(c.file));
    ScopedMessageBoxHook boxes(IDOK);
    EXPECT_EQ(dialog.TransferDataFromWindow(), c.message == nullptr);
    ASSERT_EQ(boxes.Calls().size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(boxes.Calls()[0].text, c.message);
    }
  }
  dialog.TakeChosenFile("/b/b.txt", "b.txt");
  EXPECT_EQ(WxToCP932(Edit(dialog, CTemplateEditDlg::IDC_TITLE)->GetValue()), "題");
  EXPECT_EQ(WxToCP932(Edit(dialog, CTemplateEditDlg::IDC_FILE)->GetValue()), "/b/b.txt");
  Edit(dialog, CTemplateEditDlg::IDC_TITLE)->ChangeValue("");
  dialog.TakeChosenFile("/c/c.txt", "c.txt");
  EXPECT_EQ(WxToCP932(Edit(dialog, CTemplateEditDlg::IDC_TITLE)->GetValue()), "c.txt");
}

class DateOptDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    settings = std::make_unique<kesta_test::ScopedSettingsFile>(path);
  }
  std::string path = kesta_test::MakeTempDir("dateopt") + "/kesta32.conf";
  std::unique_ptr<kesta_test::ScopedSettingsFile> settings;
};

TEST_F(DateOptDlgTest, OpensWithTheDefaultsAndTheEraNameBringsTheYear) {
  CDateOptDlg dialog(nullptr);
  dialog.TransferDataToWindow();
  EXPECT_TRUE(Checked(dialog, CDateOptDlg::IDC_WEEK));
  EXPECT_TRUE(Checked(dialog, CDateOptDlg::IDC_TIME24));
  for (int id : {CDateOptDlg::IDC_NENGO, CDateOptDlg::IDC_YEAR, CDateOptDlg::IDC_NENGAPPI, CDateOptDlg::IDC_TIME,
                 CDateOptDlg::IDC_YEAR4, CDateOptDlg::IDC_TIME_KANJI})
    EXPECT_FALSE(Checked(dialog, id)) << id;
  EXPECT_EQ(Edit(dialog, CDateOptDlg::IDC_MARK)->GetValue(), "/");
  EXPECT_EQ(dynamic_cast<wxChoice*>(dialog.FindWindow(CDateOptDlg::IDC_AMPM))->GetSelection(), 0);

  Click(dialog, CDateOptDlg::IDC_NENGO);
  EXPECT_TRUE(Checked(dialog, CDateOptDlg::IDC_YEAR)) << "an era name comes with its year";
  Click(dialog, CDateOptDlg::IDC_YEAR);
  Click(dialog, CDateOptDlg::IDC_NENGO);
  Click(dialog, CDateOptDlg::IDC_NENGO);
  EXPECT_TRUE(Checked(dialog, CDateOptDlg::IDC_YEAR));

  EXPECT_TRUE(Edit(dialog, CDateOptDlg::IDC_MARK)->IsEnabled());
  Click(dialog, CDateOptDlg::IDC_NENGAPPI);
  EXPECT_FALSE(Edit(dialog, CDateOptDlg::IDC_MARK)->IsEnabled()) << "the kanji form has no separator";
  Click(dialog, CDateOptDlg::IDC_NENGAPPI);
  EXPECT_TRUE(Edit(dialog, CDateOptDlg::IDC_MARK)->IsEnabled());
}

TEST_F(DateOptDlgTest, OkWritesTheKeysInOrderAndCancelNothing) {
  {
    CDateOptDlg dialog(nullptr);
    dialog.TransferDataToWindow();
    Click(dialog, CDateOptDlg::IDC_NENGAPPI);
    Press(dialog, wxID_CANCEL);
  }
  EXPECT_EQ(AfxGetProfileInt("DateOpt", "Nengappi", -1), -1);
  {
    CDateOptDlg dialog(nullptr);
    dialog.TransferDataToWindow();
    Click(dialog, CDateOptDlg::IDC_NENGAPPI);
    Edit(dialog, CDateOptDlg::IDC_MARK)->ChangeValue("-");
    dynamic_cast<wxChoice*>(dialog.FindWindow(CDateOptDlg::IDC_AMPM))->SetSelection(2);
    Press(dialog, wxID_OK);
  }
  const std::string text = kesta_test::ReadBytes(path);
  const char* keys[] = {"Mark=-", "Year=0", "Year4=0", "Week=1", "Nengo=0", "Nengappi=1",
                        "Time=0", "TimeKanji=0", "Time24=1", "TimeAMPM=2"};
  size_t at = 0;
  for (const char* key : keys) {
    const size_t found = text.find(key, at);
    ASSERT_NE(found, std::string::npos) << key << " after " << at << " in\n" << text;
    at = found;
  }
  CDateOptDlg again(nullptr);
  EXPECT_EQ(again.m_nTimeAMPM, 2);
  EXPECT_EQ(again.m_bNengappi, 1);
  EXPECT_EQ(again.m_strMark, CString("-"));
}

TEST(CTimeStampOptDlg, OkMakesTheFieldTheDisplayFormat) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const CString before = GetTimeDisplayFormat();
  {
    CTimeStampOptDlg dialog(nullptr);
    dialog.TransferDataToWindow();
    EXPECT_EQ(WxToCP932(Edit(dialog, CTimeStampOptDlg::IDC_FORMAT)->GetValue()), before);
    Edit(dialog, CTimeStampOptDlg::IDC_FORMAT)->ChangeValue("%d.%m.%Y");
    Press(dialog, wxID_CANCEL);
  }
  EXPECT_EQ(GetTimeDisplayFormat(), before);
  {
    CTimeStampOptDlg dialog(nullptr);
    dialog.TransferDataToWindow();
    Edit(dialog, CTimeStampOptDlg::IDC_FORMAT)->ChangeValue("%d.%m.%Y");
    Press(dialog, wxID_OK);
  }
  EXPECT_EQ(GetTimeDisplayFormat(), CString("%d.%m.%Y"));
  EXPECT_EQ(FormatDateText(MakeDateTime(2026, 3, 4, 5, 6, 0), GetTimeDisplayFormat()), CString("04.03.2026"));
  SetTimeDisplayFormat(before);
}

}  // namespace
