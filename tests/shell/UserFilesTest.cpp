// The files shipped beside the program (settings, key file) as a user meets them: the shipped key
// file gives a first start the usual editor keys, and what the user changes lives in the per-user
// folder, so a read-only program folder is never written.
#include <wx/app.h>

#include <filesystem>
#include <map>

#include "app/CAppKeyTable.h"
#include "app/UserFiles.h"
#include "shell/CMDITabs.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/VirtualKeys.h"
#include "resources/CommandIds.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"

namespace app_test {
namespace {

using UserFilesTest = AppTest;

std::string ShippedKeyFile() { return kesta_test::FixturePath("../../resources/kestavon.key"); }

// Every file of a folder with its bytes.
std::map<std::string, std::string> FolderContents(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files[entry.path().filename().string()] = kesta_test::ReadBytes(entry.path().string());
  return files;
}

bool Press(CMainFrame* frame, UINT key, bool ctrl) {
  wxKeyEvent event(wxEVT_KEY_DOWN);
  event.SetControlDown(ctrl);
  KeyboardStateScope state(event);
  MSG msg{WM_KEYDOWN, key, 0};
  const bool taken = frame->PreTranslateMessage(&msg) != FALSE;
  wxTheApp->ProcessPendingEvents();
  return taken;
}

TEST_F(UserFilesTest, ShippedKeyFileBindsTheUsualEditorKeys) {
  std::filesystem::copy_file(ShippedKeyFile(), m_dir + "/bin/kestavon.key");
  const std::string a = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({a}));
  CKeycustArray& keys = m_app->m_keyTable.GetKeyTable();
  struct Expected {
    UINT key;
    int ctrl;
    UINT command;
  };
  const Expected expected[] = {
      {'S', 1, ID_FILE_SAVE},      {'O', 1, ID_FILE_OPEN},        {'N', 1, ID_FILE_NEW},
      {'P', 1, ID_FILE_PRINT},     {'F', 1, ID_EDIT_FIND},        {VK_F1 + 2, 0, ID_EDIT_FIND_NEXT},
      {'Z', 1, ID_EDIT_UNDO},      {'Y', 1, ID_EDIT_REDO},        {'X', 1, ID_EDIT_CUT},
      {'C', 1, ID_EDIT_COPY},      {'V', 1, ID_EDIT_PASTE},       {VK_DELETE, 0, ID_TREE_DELETE},
      {VK_F1 + 1, 0, ID_TREE_MODIFY},  {VK_INSERT, 0, ID_TREE_INSERT}, {VK_F4, 1, ID_FILE_CLOSE},
      {'W', 1, ID_FILE_CLOSE},
  };
  for (const Expected& e : expected)
    EXPECT_EQ(keys.LookupCommand(e.key, 0, 0, e.ctrl), e.command) << std::hex << e.key << " ctrl " << e.ctrl;

  CKestavonDoc* doc = Documents().at(0);
  doc->SetModifiedFlag(TRUE);
  EXPECT_TRUE(Press(Frame(), 'S', true));
  EXPECT_FALSE(doc->IsModified());
  EXPECT_TRUE(Press(Frame(), 'N', true));
  EXPECT_EQ(Documents().size(), 2u);
}

TEST_F(UserFilesTest, ChangesOfAReadOnlyInstallationSurviveARestart) {
  const std::string bin = m_dir + "/bin";
  std::filesystem::copy_file(ShippedKeyFile(), bin + "/kestavon.key");
  kesta_test::WriteBytes(bin + "/kesta32.conf", "[View]\r\nTabPosition=0\r\n");
  // Root may write there all the same; the program must not.
  std::filesystem::permissions(bin, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const auto shipped = FolderContents(bin);

  ASSERT_TRUE(Start());
  EXPECT_FALSE(Frame()->GetTabs()->IsTop());
  Frame()->SendCommand(0x820E);  // the tab strip goes above the client area
  CKeycustArray& keys = m_app->m_keyTable.GetKeyTable();
  keys.Add('K', 0, 0, 1, ID_FILE_CLOSE);
  ASSERT_TRUE(keys.Save(nullptr, m_app->m_settings));  // as the key dialog saves
  Stop();

  ASSERT_TRUE(Start());
  EXPECT_TRUE(Frame()->GetTabs()->IsTop());
  EXPECT_EQ(m_app->m_keyTable.GetKeyTable().LookupCommand('K', 0, 0, 1), static_cast<UINT>(ID_FILE_CLOSE));
  EXPECT_EQ(m_app->m_keyTable.GetKeyTable().LookupCommand('S', 0, 0, 1), static_cast<UINT>(ID_FILE_SAVE));
  Stop();
  std::filesystem::permissions(bin, std::filesystem::perms::owner_all);
  EXPECT_EQ(FolderContents(bin), shipped);
}

TEST_F(UserFilesTest, AnInstalledPrefixKeepsItsShippedFilesUnderShare) {
  // <prefix>/bin/kesta32 with <prefix>/share/kesta32: the files come from share, wherever the prefix is.
  const std::string shared = m_dir + "/share/kesta32";
  std::filesystem::create_directories(shared);
  EXPECT_EQ(std::string(GetShippedFilePath("kesta.css")), shared + "/kesta.css");
  std::filesystem::copy_file(ShippedKeyFile(), shared + "/kestavon.key");
  kesta_test::WriteBytes(shared + "/kesta32.conf", "[View]\r\nTabPosition=0\r\n");
  const auto shipped = FolderContents(shared);

  ASSERT_TRUE(Start());
  EXPECT_FALSE(Frame()->GetTabs()->IsTop());
  CKeycustArray& keys = m_app->m_keyTable.GetKeyTable();
  EXPECT_EQ(keys.LookupCommand('S', 0, 0, 1), static_cast<UINT>(ID_FILE_SAVE));
  keys.Add('K', 0, 0, 1, ID_FILE_CLOSE);
  ASSERT_TRUE(keys.Save((shared + "/kestavon.key").c_str(), m_app->m_settings));
  EXPECT_EQ(std::string(keys.GetKeyFilePath()), std::string(GetUserFilePath("kestavon.key")));
  Stop();
  EXPECT_EQ(FolderContents(shared), shipped);
}

}  // namespace
}  // namespace app_test
