#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CSettingsSheet.h"
#include "foundation/CPelkoInifile.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/common/TestSupport.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"

namespace {

using treepane_test::TreePaneTest;

// Records the keys written, in order.
class RecordingSettings : public CPelkoSettings {
 public:
  CString GetProfileString(const char*, const char*, const char* def) override { return def; }
  int GetProfileInt(const char*, const char*, int def) override { return def; }
  BOOL WriteProfileString(const char* section, const char* key, const char*) override {
    keys.push_back(std::string(section) + "/" + key);
    return TRUE;
  }
  BOOL WriteProfileInt(const char* section, const char* key, int) override {
    keys.push_back(std::string(section) + "/" + key);
    return TRUE;
  }
  std::vector<std::string> keys;
};

using SettingsCommandTest = TreePaneTest;

TEST_F(SettingsCommandTest, CancelWritesNothing) {
  OpenOutline({"Top", "Top/A"});
  const std::string before = kesta_test::ReadBytes(m_conf);
  ModalAnswers cancel([](wxDialog*) { return wxID_CANCEL; });
  Command(ID_SETTINGS_SETTINGS);
  ASSERT_EQ(cancel.titles.size(), 1u);
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), before);
}

TEST_F(SettingsCommandTest, OkAppliesTheValuesAndWritesTheKeysInTheirOrder) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A"});
  CSettingsSheet sheet;
  ViewOf(doc)->PresetSettings(sheet);
  EXPECT_EQ(sheet.m_colorPage.m_clrBack, ListOf(doc)->m_crBack) << "the running list box presets the page";
  sheet.m_colorPage.m_clrStr = 0x123456;
  sheet.m_viewPage.m_nLevelWidth = 20;
  sheet.m_filePage.m_bAutoSave = 1;
  RecordingSettings settings;
  ViewOf(doc)->ApplySettings(sheet, settings);
  EXPECT_EQ(ListOf(doc)->m_crText, 0x123456u);
  EXPECT_EQ(ListOf(doc)->m_nLevelWidth, 20);

  const std::vector<std::string> expected = {
      "System/AfterText", "System/bTextFile", "System/AutoFirst", "System/FirstCursor", "View/MouseWheel",
      "System/bMouseWheel", "System/LocaleTz", "System/UrlOpenMode", "System/TreeUpMode", "System/DelCheck",
      "System/ProfileFolder", "System/TextCurInit", "System/PasteDlg", "System/PasteTextDlg", "System/SplitDlg",
      "View/TreeEditPos", "View/TreeInputFont", "View/StatusBarFull", "View/TabStyle", "View/TabPosition",
      "System/PasteOpen", "System/PasteMove", "System/LevelDownOpen", "System/bAddIni", "System/InitTitleOut",
      "View/BackColor", "View/BackColor2", "View/StrColor", "View/StrColor2", "View/LinkColor", "View/LinkColor2",
      "Edit/TextColor", "Edit/BackColor", "View/AddMove", "System/bIniFile", "System/bAddNoTitle",
      "System/SaveTime", "System/AutoSave", "System/DblClk", "System/NoToNewFile", "System/SingleInstance",
      "System/Backup", "System/IniFolder", "View/Ime", "Edit/Kajogaki", "System/DragDropMode", "View/SpellCheck",
      "View/Check", "View/Turn", "View/Icon", "View/TreeButton", "View/Child", "View/Bold", "View/TreeHeight",
      "View/LevelWidth", "System/TitleBarFullPath", "System/LinkExt", "System/LinkCheck", "System/LinkIniDir",
      "System/MRU", "System/AbsolutePath", "System/LinkNewAbsolute", "System/SharedFile", "System/RecentNoInit",
      "System/NoSaveAlert", "System/AutoSaveMode", "System/AllFileInit"};
  EXPECT_EQ(settings.keys, expected);
}

TEST_F(SettingsCommandTest, SwitchingTheFirstLineTitleOffAsksAndCancelKeepsTheTexts) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A"});
  doc->GetTree().SetText(1, "A\r\nbody");
  doc->GetTree().GetProperties().m_bAutoTitle = 1;
  for (int answer : {IDCANCEL, IDOK}) {
    CSettingsSheet sheet;
    ViewOf(doc)->PresetSettings(sheet);
    EXPECT_EQ(sheet.m_setPage.m_bFirstLineTitle, 1);
    sheet.m_setPage.m_bFirstLineTitle = 0;
    ScopedMessageBoxHook boxes(answer);
    RecordingSettings settings;
    ViewOf(doc)->ApplySettings(sheet, settings);
    if (answer == IDCANCEL) {
      ASSERT_EQ(boxes.Calls().size(), 1u);
      EXPECT_EQ(boxes.Calls()[0].text, "ツリータイトルと一致するテキストエリアの一行目を削除しますか？");
      EXPECT_EQ(doc->GetTree().GetText(1).str(), "A\r\nbody");
      EXPECT_EQ(doc->GetTree().GetProperties().m_bAutoTitle, 0) << "stored as off all the same";
      doc->GetTree().GetProperties().m_bAutoTitle = 1;
    } else {
      EXPECT_EQ(doc->GetTree().GetText(1).str(), "body");
    }
  }
}

}  // namespace
