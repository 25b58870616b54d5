#include "app/CSettingsSheet.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/colordlg.h>
#include <wx/dirdlg.h>
#include <wx/textctrl.h>

#include "platform/framework/CPropertySheet.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/app/TestSettingsFile.h"
#include "tests/common/TestSupport.h"
#include "tests/treeview/ModalAnswers.h"

namespace {

using kesta_test::TestSettingsFile;

wxCheckBox* CheckBox(const CPropertyPage& page, int id) { return dynamic_cast<wxCheckBox*>(page.GetDlgItem(id)); }
wxTextCtrl* Edit(const CPropertyPage& page, int id) { return dynamic_cast<wxTextCtrl*>(page.GetDlgItem(id)); }
wxChoice* Combo(const CPropertyPage& page, int id) { return dynamic_cast<wxChoice*>(page.GetDlgItem(id)); }

// A user who clicks a check box: the box changes and the page hears the click.
void Click(const CPropertyPage& page, int id) {
  wxCheckBox* box = CheckBox(page, id);
  box->SetValue(!box->GetValue());
  wxCommandEvent event(wxEVT_CHECKBOX, id);
  event.SetEventObject(box);
  event.SetInt(box->GetValue() ? 1 : 0);
  box->GetEventHandler()->ProcessEvent(event);
}

// The sheet of the settings command with the pages' windows built, as the user first sees it.
class SettingsSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    pages.LoadKeys(settings.Get());
  }
  CPropertySheet* Show() {
    sheet = new CPropertySheet(nullptr, "設定");
    for (CSettingsPage* page : {static_cast<CSettingsPage*>(&pages.m_viewPage), static_cast<CSettingsPage*>(&pages.m_setPage),
                                static_cast<CSettingsPage*>(&pages.m_editPage), static_cast<CSettingsPage*>(&pages.m_filePage),
                                static_cast<CSettingsPage*>(&pages.m_linkPage), static_cast<CSettingsPage*>(&pages.m_colorPage)})
      sheet->AddPage(page);
    sheet->CreatePages();
    return sheet;
  }
  void TearDown() override {
    delete sheet;  // at once, before the pages it refers to
  }

  TestSettingsFile settings{{"System", "MRU", "4"}, {"View", "TabStyle", "1"}, {"System", "LinkExt", "*.txt"}};
  CSettingsSheet pages;
  CPropertySheet* sheet = nullptr;
};

TEST(CSettingsSheet, EmptySettingsGiveTheDefaults) {
  TestSettingsFile empty{};
  CSettingsSheet pages;
  pages.LoadKeys(empty.Get());
  EXPECT_EQ(pages.m_viewPage.m_bBold, 1);
  EXPECT_EQ(pages.m_viewPage.m_bTurn, 0);
  EXPECT_EQ(pages.m_viewPage.m_nLevelWidth, 14u);
  EXPECT_EQ(pages.m_viewPage.m_nTabStyle, 2);
  EXPECT_EQ(pages.m_setPage.m_nMouseWheel, 3u);
  EXPECT_EQ(pages.m_setPage.m_strLocaleTz, "JST-9");
  EXPECT_EQ(pages.m_setPage.m_nSingleInstance, 1);
  EXPECT_EQ(pages.m_editPage.m_nDragDropMode, 1);
  EXPECT_EQ(pages.m_filePage.m_nMRU, 10u);
  EXPECT_EQ(pages.m_filePage.m_nSaveTime, 5u);
  EXPECT_EQ(pages.m_filePage.m_bIniFile, 1);
  EXPECT_EQ(pages.m_linkPage.m_strLinkExt, "*.kvn");
  EXPECT_EQ(pages.m_linkPage.m_bLinkNewAbsolute, 1);
  EXPECT_EQ(pages.m_colorPage.m_clrBack, RGB(255, 255, 255));
  EXPECT_EQ(pages.m_colorPage.m_clrBack2, RGB(0, 0, 128));
  EXPECT_EQ(pages.m_colorPage.m_clrLink2, RGB(255, 255, 0));
}

TEST(CSettingsSheet, SavedKeysReadBackAndTheBackgroundGoesToBothSections) {
  TestSettingsFile file{};
  CSettingsSheet pages;
  pages.LoadKeys(file.Get());
  pages.m_viewPage.m_nTabPosition = 1;
  pages.m_setPage.m_strLocaleTz = "UTC";
  pages.m_setPage.m_bFirstLineTitle = 1;  // the document's option: no key
  pages.m_filePage.m_nMRU = 7;
  pages.m_colorPage.m_clrBack = RGB(1, 2, 3);
  pages.m_colorPage.m_clrText = RGB(9, 9, 9);
  pages.SaveKeys(file.Get());

  CSettingsSheet again;
  again.LoadKeys(file.Get());
  EXPECT_EQ(again.m_viewPage.m_nTabPosition, 1);
  EXPECT_EQ(again.m_setPage.m_strLocaleTz, "UTC");
  EXPECT_EQ(again.m_filePage.m_nMRU, 7u);
  EXPECT_EQ(again.m_colorPage.m_clrText, RGB(9, 9, 9));
  EXPECT_EQ(file.Get().GetProfileInt("View", "BackColor", -1), static_cast<int>(RGB(1, 2, 3)));
  EXPECT_EQ(file.Get().GetProfileInt("Edit", "BackColor", -1), static_cast<int>(RGB(1, 2, 3)));
  EXPECT_EQ(file.Get().GetProfileInt("Edit", "TextColor", -1), static_cast<int>(RGB(9, 9, 9)));
  EXPECT_EQ(file.Get().GetProfileString("System", "bFirstLineTitle", "none"), "none");
}

TEST_F(SettingsSheetTest, ControlsShowTheFieldsAndOkTakesTheUsersValues) {
  Show();
  EXPECT_EQ(WxToCP932(sheet->GetTitle()), "設定");
  ASSERT_EQ(sheet->GetPageCount(), 6);
  EXPECT_EQ(Edit(pages.m_filePage, CSetFilePage::IDC_MRU)->GetValue(), "4");
  EXPECT_EQ(Combo(pages.m_viewPage, CSetViewPage::IDC_TABSTYLE)->GetSelection(), 1);
  EXPECT_EQ(Combo(pages.m_viewPage, CSetViewPage::IDC_TABPOSITION)->GetCount(), 2u);
  EXPECT_EQ(Edit(pages.m_linkPage, CSetLinkPage::IDC_LINKEXT)->GetValue(), "*.txt");

  Click(pages.m_viewPage, CSetViewPage::IDC_BOLD);
  Combo(pages.m_editPage, CSetEditPage::IDC_SPELLCHECK)->SetSelection(2);
  Edit(pages.m_linkPage, CSetLinkPage::IDC_LINKEXT)->ChangeValue(CP932ToWx("*.メモ"));
  Edit(pages.m_filePage, CSetFilePage::IDC_MRU)->ChangeValue(" 10 ");
  ASSERT_TRUE(sheet->TakePages());
  EXPECT_EQ(pages.m_viewPage.m_bBold, 0);
  EXPECT_EQ(pages.m_editPage.m_nSpellCheck, 2);
  EXPECT_EQ(pages.m_linkPage.m_strLinkExt, "*.メモ");
  EXPECT_EQ(pages.m_filePage.m_nMRU, 10u);

  pages.SaveKeys(settings.Get());
  EXPECT_EQ(settings.Get().GetProfileInt("View", "Bold", -1), 0);
  EXPECT_EQ(settings.Get().GetProfileInt("View", "SpellCheck", -1), 2);
  EXPECT_EQ(settings.Get().GetProfileString("System", "LinkExt", ""), "*.メモ");
}

TEST_F(SettingsSheetTest, RecentCountOutsideZeroToTenIsRefusedAndItsPageComesToTheFront) {
  Show();
  sheet->SetActivePage(0);
  for (const char* typed : {"11", "-1", "abc", ""}) {
    Edit(pages.m_filePage, CSetFilePage::IDC_MRU)->ChangeValue(typed);
    ScopedMessageBoxHook answer(IDOK);
    EXPECT_FALSE(sheet->TakePages()) << typed;
    ASSERT_EQ(answer.Calls().size(), 1u) << typed;
    EXPECT_EQ(answer.Calls()[0].text, "0 から 10 までの整数を入力してください。");
    EXPECT_EQ(sheet->GetActiveIndex(), 3);
    EXPECT_EQ(pages.m_filePage.m_nMRU, 4u);
  }
}

TEST_F(SettingsSheetTest, ChecksEnableTheirDependentControls) {
  Show();
  const CSetFilePage& file = pages.m_filePage;
  // Defaults: remember the last file on, auto-save off.
  EXPECT_TRUE(file.GetDlgItem(CSetFilePage::IDC_RECENTNOINIT)->IsEnabled());
  EXPECT_FALSE(file.GetDlgItem(CSetFilePage::IDC_SAVETIME)->IsEnabled());
  EXPECT_FALSE(file.GetDlgItem(CSetFilePage::IDC_AUTOSAVEMODE)->IsEnabled());

  CheckBox(file, CSetFilePage::IDC_RECENTNOINIT)->SetValue(true);
  Click(file, CSetFilePage::IDC_BINIFILE);
  EXPECT_FALSE(file.GetDlgItem(CSetFilePage::IDC_RECENTNOINIT)->IsEnabled());
  Click(file, CSetFilePage::IDC_AUTOSAVE);
  EXPECT_TRUE(file.GetDlgItem(CSetFilePage::IDC_SAVETIME)->IsEnabled());
  EXPECT_TRUE(file.GetDlgItem(CSetFilePage::IDC_AUTOSAVEMODE)->IsEnabled());

  const CSetPage& behaviour = pages.m_setPage;
  Click(behaviour, CSetPage::IDC_AUTOFIRST);
  Click(behaviour, CSetPage::IDC_BMOUSEWHEEL);
  EXPECT_FALSE(behaviour.GetDlgItem(CSetPage::IDC_FIRSTCURSOR)->IsEnabled());
  EXPECT_FALSE(behaviour.GetDlgItem(CSetPage::IDC_MOUSEWHEEL)->IsEnabled());
  EXPECT_FALSE(behaviour.GetDlgItem(CSetPage::IDC_PROFILEFOLDER)->IsEnabled());  // never beside the program

  // A disabled box keeps its value and is written back all the same.
  ASSERT_TRUE(sheet->TakePages());
  EXPECT_EQ(pages.m_filePage.m_bIniFile, 0);
  EXPECT_EQ(pages.m_filePage.m_bRecentNoInit, 1);
  pages.SaveKeys(settings.Get());
  EXPECT_EQ(settings.Get().GetProfileInt("System", "RecentNoInit", -1), 1);
}

TEST_F(SettingsSheetTest, CancelLeavesTheFieldsAsPresetAndOkTakesThem) {
  int answer = wxID_CANCEL;
  ModalAnswers user([&](wxDialog* dialog) {
    auto* shown = dynamic_cast<CPropertySheet*>(dialog);
    if (shown == nullptr) return static_cast<int>(wxID_CANCEL);
    Click(pages.m_viewPage, CSetViewPage::IDC_TURN);
    // What the OK button does before the sheet closes.
    if (answer == wxID_OK && !shown->TakePages()) return static_cast<int>(wxID_CANCEL);
    return answer;
  });
  EXPECT_EQ(pages.DoModal(nullptr), IDCANCEL);
  EXPECT_EQ(pages.m_viewPage.m_bTurn, 0);
  EXPECT_EQ(pages.m_viewPage.GetWindow(), nullptr);  // the page outlives its window

  answer = wxID_OK;
  EXPECT_EQ(pages.DoModal(nullptr), IDOK);
  EXPECT_EQ(pages.m_viewPage.m_bTurn, 1);
}

TEST_F(SettingsSheetTest, FolderBrowserCancelledKeepsTheTypedFolder) {
  Show();
  Edit(pages.m_filePage, CSetFilePage::IDC_INIFOLDER)->ChangeValue("/typed");
  wxString asked;
  ModalAnswers cancel([&](wxDialog* dialog) {
    asked = dynamic_cast<wxDirDialog*>(dialog)->GetMessage();
    return static_cast<int>(wxID_CANCEL);
  });
  wxCommandEvent press(wxEVT_BUTTON, CSetFilePage::IDC_BROWSE);
  pages.m_filePage.GetDlgItem(CSetFilePage::IDC_BROWSE)->GetEventHandler()->ProcessEvent(press);
  ASSERT_EQ(cancel.titles.size(), 1u);
  EXPECT_EQ(WxToCP932(asked), "初期フォルダを指定してください");
  EXPECT_EQ(Edit(pages.m_filePage, CSetFilePage::IDC_INIFOLDER)->GetValue(), "/typed");
}

TEST_F(SettingsSheetTest, ColourButtonOffersTheFieldsColour) {
  Show();
  pages.m_colorPage.m_clrLink = RGB(0x10, 0x20, 0x30);
  wxColour offered;
  ModalAnswers user([&](wxDialog* dialog) {
    offered = dynamic_cast<wxColourDialog*>(dialog)->GetColourData().GetColour();
    return static_cast<int>(wxID_CANCEL);
  });
  wxCommandEvent press(wxEVT_BUTTON, CSetColorPage::IDC_LINKCOLOR);
  pages.m_colorPage.GetDlgItem(CSetColorPage::IDC_LINKCOLOR)->GetEventHandler()->ProcessEvent(press);
  EXPECT_EQ(offered, wxColour(0x10, 0x20, 0x30));
  EXPECT_EQ(pages.m_colorPage.m_clrLink, RGB(0x10, 0x20, 0x30));
}

}  // namespace
