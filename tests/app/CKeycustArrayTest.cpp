#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <wx/event.h>
#include <wx/menu.h>

#include "app/CAppKeyTable.h"
#include "app/CKeycustArray.h"
#include "foundation/CPelkoInifile.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MenuKeyText.h"
#include "platform/desktop/VirtualKeys.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

std::string Words(std::initializer_list<unsigned> words) {
  std::string out;
  for (unsigned w : words) {
    out += static_cast<char>(w & 0xFF);
    out += static_cast<char>(w >> 8);
  }
  return out;
}

// Ctrl+S save, Alt+Shift+F5 split, Left unbound: the file of three bindings byte for byte.
std::string ThreeBindingFile() {
  return Words({3, 0xFFFF, 1, 8}) + "CKeycust" + Words({'S', 0, 0, 1, 0xE103}) + Words({0x8001, 0x74, 1, 1, 0, 0x8048}) +
         Words({0x8001, 0x25, 0, 0, 0, 0});
}

void AddThree(CKeycustArray& table) {
  table.Add('S', 0, 0, 1, 0xE103);
  table.Add(0x74, 1, 1, 0, 0x8048);
  table.Add(0x25, 0, 0, 0, 0);
}

struct Binding {
  UINT key;
  int alt, shift, ctrl;
  UINT command;
};

std::vector<Binding> Bindings(const CKeycustArray& table) {
  std::vector<Binding> out;
  for (int i = 0; i < table.GetSize(); ++i) {
    const CKeycust* b = table.GetAt(i);
    out.push_back({b->m_nKey, b->m_nAlt, b->m_nShift, b->m_nCtrl, b->m_nCommand});
  }
  return out;
}

bool operator==(const Binding& a, const Binding& b) {
  return a.key == b.key && a.alt == b.alt && a.shift == b.shift && a.ctrl == b.ctrl && a.command == b.command;
}

class KeyFileTest : public ::testing::Test {
 protected:
  std::string dir = MakeTempDir("keys");
  CPelkoInifile settings{(dir + "/kesta32.conf").c_str()};
};

TEST_F(KeyFileTest, ThreeBindingsSaveByteExactAndLoadBack) {
  CKeycustArray table;
  AddThree(table);
  const std::string path = dir + "/kestavon.key";
  ASSERT_TRUE(table.Save(path.c_str(), settings));
  EXPECT_EQ(ReadBytes(path), ThreeBindingFile());
  EXPECT_EQ(settings.GetProfileString("System", "Keycust", "unset"), CString("unset"));  // no fallback taken

  CKeycustArray loaded;
  ASSERT_TRUE(loaded.Load(path.c_str(), settings));
  EXPECT_EQ(Bindings(loaded), Bindings(table));
  EXPECT_EQ(settings.GetProfileString("System", "Keycust", ""), CString(path.c_str()));
}

TEST_F(KeyFileTest, EmptyTableAndLongCountForm) {
  CKeycustArray empty;
  EXPECT_EQ(empty.Serialize(), Words({0}));

  // 0xFFFF bindings and more: the count becomes 0xFFFF and a DWORD.
  CKeycustArray big;
  for (UINT i = 0; i < 0x10000; ++i) big.AddBinding(std::make_unique<CKeycust>(i & 0xFF, 0, 0, 0, i & 0xFFFF));
  const std::string bytes = big.Serialize();
  EXPECT_EQ(bytes.substr(0, 6), Words({0xFFFF, 0x0000, 0x0001}));
  CKeycustArray back;
  ASSERT_TRUE(back.Deserialize(bytes));
  ASSERT_EQ(back.GetSize(), 0x10000);
  EXPECT_EQ(back.GetAt(0xFFFF)->m_nCommand, 0xFFFFu);
}

TEST_F(KeyFileTest, DamagedFilesLeaveTheTableAsItWas) {
  const std::string good = ThreeBindingFile();
  std::string wrongClass = good;
  wrongClass.replace(8, 8, "CKeyCust");
  std::string wrongTag = good;
  wrongTag[26] = 0x02;  // 0x8002 names a class never stored
  const std::pair<const char*, std::string> cases[] = {
      {"empty file", ""},
      {"cut in the count", good.substr(0, 1)},
      {"cut in a binding", good.substr(0, good.size() - 1)},
      {"wrong class name", wrongClass},
      {"unknown class tag", wrongTag},
      {"wrong schema", Words({1, 0xFFFF, 2, 8}) + "CKeycust" + Words({'S', 0, 0, 1, 1})},
      {"count far beyond the data", Words({0xFFFF, 0xFFFF, 0xFFFF}) + good.substr(2)},
      {"text file", "Ctrl+S=save\r\n"},
  };
  for (const auto& [name, bytes] : cases) {
    const std::string path = dir + "/bad.key";
    WriteBytes(path, bytes);
    CKeycustArray table;
    table.Add('A', 0, 0, 1, 0x8000);
    EXPECT_FALSE(table.Load(path.c_str(), settings)) << name;
    EXPECT_EQ(Bindings(table), (std::vector<Binding>{{'A', 0, 0, 1, 0x8000}})) << name;
  }
  EXPECT_EQ(settings.GetProfileString("System", "Keycust", "unset"), CString("unset"));
}

TEST_F(KeyFileTest, UnwritablePlaceFallsBackToTheUserFolder) {
  CKeycustArray table;
  AddThree(table);
  const std::string userPath = std::string(std::getenv("XDG_CONFIG_HOME")) + "/kesta32/kestavon.key";
  // A folder that cannot be written, and the program's folder, which may be writable but is never
  // written: both leave the bindings in the user's key file.
  const std::string programDir = MakeTempDir("program");
  setenv("KESTA_PROGRAM_DIR", programDir.c_str(), 1);
  for (const std::string& target : {dir + "/no such folder/kestavon.key", programDir + "/kestavon.key"}) {
    std::filesystem::remove(userPath);
    settings.WriteProfileString("System", "Keycust", "");
    ASSERT_TRUE(table.Save(target.c_str(), settings)) << target;
    EXPECT_EQ(ReadBytes(userPath), ThreeBindingFile()) << target;
    EXPECT_EQ(table.GetKeyFilePath(), CString(userPath.c_str()));
    EXPECT_EQ(settings.GetProfileString("System", "Keycust", ""), CString(userPath.c_str()));
  }
  unsetenv("KESTA_PROGRAM_DIR");
  EXPECT_TRUE(std::filesystem::is_empty(programDir));
  std::filesystem::remove(userPath);
}

TEST_F(KeyFileTest, SaveWithoutAPathWritesTheFileLoaded) {
  const std::string path = dir + "/kestavon.key";
  WriteBytes(path, ThreeBindingFile());
  CKeycustArray table;
  ASSERT_TRUE(table.Load(path.c_str(), settings));
  table.RemoveAt(2);
  ASSERT_TRUE(table.Save(nullptr, settings));  // the loaded path is the key file path
  CKeycustArray reread;
  ASSERT_TRUE(reread.Load(path.c_str(), settings));
  EXPECT_EQ(reread.GetSize(), 2);
}

TEST(KeycustArray, LookupsFindTheFirstMatchingBinding) {
  CKeycustArray table;
  AddThree(table);
  table.Add('S', 0, 0, 1, 0x9999);  // already bound: ignored
  table.AddBinding(std::make_unique<CKeycust>(0x75, 0, 0, 0, 0xE103));
  ASSERT_EQ(table.GetSize(), 4);

  EXPECT_EQ(table.Find('S', 0, 0, 1), 0);
  EXPECT_EQ(table.Find('S', 0, 0, 1, 1), -1);
  EXPECT_EQ(table.Find('S', 0, 1, 1), -1);  // every part must match
  EXPECT_EQ(table.LookupCommand(0x74, 1, 1, 0), 0x8048u);
  EXPECT_EQ(table.GetLastLookupIndex(), 1);
  EXPECT_EQ(table.LookupCommand('Q', 0, 0, 1), 0u);
  EXPECT_EQ(table.GetLastLookupIndex(), -1);
  EXPECT_EQ(table.FindCommand(0xE103), 0);
  EXPECT_EQ(table.FindCommand(0xE103, 1), 3);
  EXPECT_EQ(table.IndexOf(table.GetAt(2)), 2);
  CKeycust stranger;
  EXPECT_EQ(table.IndexOf(&stranger), -1);
}

TEST(KeycustArray, KeyNamesAndKeyTexts) {
  ASSERT_EQ(CKeycustArray::GetKeyNameCount(), 12 + 1 + 26 + 19 + 10 + 10);
  EXPECT_EQ(CKeycustArray::GetKeyCodeAt(0), 112u);
  EXPECT_EQ(CKeycustArray::GetKeyNameAt(12), CString("@"));
  const std::pair<UINT, const char*> names[] = {{123, "F12"}, {192, "@"},      {'Z', "Z"},    {8, "BackSpace"},
                                                {34, "PageDown"}, {106, "*"}, {'7', "7"},    {96, "NUM0"},
                                                {105, "NUM9"}, {9, "Tab"},    {0xBA, ""},    {0x70 + 12, ""}};
  for (const auto& [key, name] : names) EXPECT_EQ(CKeycustArray::GetKeyName(key), CString(name)) << key;

  CKeycustArray table;
  table.Add(0x74, 0, 1, 1, 1);
  table.Add(0x74, 1, 1, 1, 1);
  table.Add(0xBA, 0, 0, 1, 1);
  table.Add('A', 0, 0, 0, 1);
  EXPECT_EQ(table.GetKeyText(0), CString("Shift+Ctrl+F5"));
  EXPECT_EQ(table.GetKeyText(1), CString("Alt+Shift+Ctrl+F5"));
  EXPECT_EQ(table.GetKeyText(2), CString("Ctrl+"));
  EXPECT_EQ(table.GetKeyText(3), CString("A"));
}

TEST(KeycustArray, ControlMarksFollowTheEditingControlsAccelerators) {
  CKeycustArray table;
  table.Add('C', 0, 0, 1, 0xE122);
  table.Add('Z', 0, 1, 1, 0xE12C);
  table.Add(0x70, 1, 0, 0, 0xE142);
  table.MarkControlKeys({{'Z', KeyAccel::FSHIFT | KeyAccel::FCONTROL}, {0x70, KeyAccel::FALT}, {'Q', KeyAccel::FCONTROL}});
  EXPECT_EQ(table.GetAt(0)->m_nControlMark, 0);
  EXPECT_EQ(table.GetAt(1)->m_nControlMark, 1);
  EXPECT_EQ(table.GetAt(2)->m_nControlMark, 1);
  EXPECT_EQ(CKeycust(*table.GetAt(1)).m_nControlMark, 0);  // a copy carries only the stored fields
  table.ClearControlMarks();
  EXPECT_EQ(table.GetAt(1)->m_nControlMark + table.GetAt(2)->m_nControlMark, 0);
}

TEST(KeycustArray, ShiftAndCtrlComeFromTheKeyBeingDispatched) {
  wxKeyEvent event(wxEVT_KEY_DOWN);
  event.SetShiftDown(true);
  int shift = -1;
  int ctrl = -1;
  {
    KeyboardStateScope scope(event);
    CKeycustArray::GetShiftCtrlState(shift, ctrl);
    EXPECT_EQ(shift, 1);
    EXPECT_EQ(ctrl, 0);
    event.SetShiftDown(false);
    event.SetControlDown(true);
    KeyboardStateScope inner(event);
    CKeycustArray::GetShiftCtrlState(shift, ctrl);
    EXPECT_EQ(shift, 0);
    EXPECT_EQ(ctrl, 1);
  }
}

const std::vector<CAppKeyTable::KeyCommand> kCommands = {
    {0xE102, "[ﾌｧｲﾙ]閉じる"},
    {0x8005, "[ﾌｧｲﾙ]テキスト出力"},
    {0x8005, "[ﾌｧｲﾙ]エクスポート-ツリー別テキスト出力"},
    {0x804D, "[表示]ツリー/テキスト編集"},
};

const std::vector<Binding> kBuiltIn = {
    {0x73, 0, 0, 1, 0xE102}, {0x25, 0, 0, 0, 0x81B4}, {0x27, 0, 0, 0, 0x81B3}, {0x2D, 0, 0, 0, 0x8216}};

class AppKeyTableTest : public KeyFileTest {
 protected:
  void SetUp() override {
    setenv("KESTA_PROGRAM_DIR", programDir.c_str(), 1);
    std::filesystem::remove(userPath);
  }
  void TearDown() override {
    unsetenv("KESTA_PROGRAM_DIR");
    std::filesystem::remove(userPath);
  }
  std::string programDir = MakeTempDir("program");
  std::string shippedPath = programDir + "/kestavon.key";
  std::string userPath = std::string(std::getenv("XDG_CONFIG_HOME")) + "/kesta32/kestavon.key";
};

TEST_F(AppKeyTableTest, NoOrDamagedKeyFileGivesTheBuiltInBindingsOnly) {
  for (const char* bytes : {static_cast<const char*>(nullptr), "\x03\x00garbage"}) {
    std::filesystem::remove(shippedPath);
    if (bytes != nullptr) WriteBytes(shippedPath, std::string(bytes, 9));
    CAppKeyTable keys;
    keys.InitKeyCommands(settings, kCommands);
    EXPECT_EQ(Bindings(keys.GetKeyTable()), kBuiltIn);
    EXPECT_EQ(keys.GetKeyTable().GetKeyFilePath(), CString(userPath.c_str()));
  }
}

TEST_F(AppKeyTableTest, ShippedKeyFileServesUntilTheUserSavesOwnBindings) {
  WriteBytes(shippedPath, ThreeBindingFile());
  // Older settings may name the shipped file itself; it is still only the default.
  for (const char* keycust : {"", shippedPath.c_str()}) {
    settings.WriteProfileString("System", "Keycust", keycust);
    CAppKeyTable keys;
    keys.InitKeyCommands(settings, kCommands);
    EXPECT_EQ(Bindings(keys.GetKeyTable()).front(), (Binding{'S', 0, 0, 1, 0xE103})) << keycust;
    EXPECT_EQ(keys.GetKeyTable().GetKeyFilePath(), CString(userPath.c_str()));
  }
  {
    CAppKeyTable keys;
    keys.InitKeyCommands(settings, kCommands);
    keys.GetKeyTable().RemoveAt(0);
    ASSERT_TRUE(keys.GetKeyTable().Save(nullptr, settings));
  }
  EXPECT_EQ(ReadBytes(shippedPath), ThreeBindingFile());
  EXPECT_EQ(settings.GetProfileString("System", "Keycust", ""), CString(userPath.c_str()));
  CAppKeyTable keys;
  keys.InitKeyCommands(settings, kCommands);
  EXPECT_EQ(keys.GetKeyTable().Find('S', 0, 0, 1, 0), -1);
}

TEST_F(AppKeyTableTest, KeyFileBindingsComeFirstAndBuiltInsFillTheGaps) {
  // The user bound Left elsewhere and deleted Ctrl+F4; the file is named by System/Keycust.
  CKeycustArray user;
  user.Add(0x25, 0, 0, 0, 0x8032);
  user.Add(0x09, 0, 0, 1, 0x804D);
  user.Add(0x70, 0, 0, 0, 0x804D);
  const std::string path = dir + "/mine.key";
  ASSERT_TRUE(user.Save(path.c_str(), settings));
  settings.WriteProfileString("System", "Keycust", path.c_str());
  {
    CAppKeyTable keys;
    keys.InitKeyCommands(settings, kCommands);
    EXPECT_EQ(Bindings(keys.GetKeyTable()),
              (std::vector<Binding>{{0x25, 0, 0, 0, 0x8032},
                                    {0x09, 0, 0, 1, 0x804D},
                                    {0x70, 0, 0, 0, 0x804D},
                                    {0x73, 0, 0, 1, 0xE102},
                                    {0x27, 0, 0, 0, 0x81B3},
                                    {0x2D, 0, 0, 0, 0x8216}}));
    EXPECT_TRUE(keys.IsSwitchKey(0x09, 0, 0, 1));
    EXPECT_TRUE(keys.IsSwitchKey(0x70, 0, 0, 0));
    EXPECT_FALSE(keys.IsSwitchKey(0x09, 0, 0, 0));

    // The switch keys follow the table only when collected again.
    keys.GetKeyTable().RemoveAt(2);
    keys.CollectSwitchKeys();
    EXPECT_FALSE(keys.IsSwitchKey(0x70, 0, 0, 0));

    EXPECT_EQ(keys.GetCommandIds(), (std::vector<UINT>{0xE102, 0x8005, 0x8005, 0x804D}));
    EXPECT_EQ(keys.GetCommandName(0x8005), CString("[ﾌｧｲﾙ]テキスト出力"));
    EXPECT_EQ(keys.GetCommandName(0x8032), CString());
    EXPECT_FALSE(keys.IsCustomisable(0x8032));
    settings.WriteProfileString("System", "Keycust", "");
  }
  // The key file path in use is kept for the next start.
  EXPECT_EQ(settings.GetProfileString("System", "Keycust", ""), CString(path.c_str()));
}

}  // namespace

namespace {

// Every item's whole text ("label\tkeys"), submenus included, in menu order.
void MenuTexts(wxMenu* menu, std::vector<std::string>& texts) {
  for (wxMenuItem* item : menu->GetMenuItems()) {
    if (item->IsSubMenu()) {
      MenuTexts(item->GetSubMenu(), texts);
    } else if (!item->IsSeparator()) {
      texts.push_back(GetMenuItemText(item).str());
    }
  }
}

class MenuKeyTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    // File: Save, a submenu that also holds Save, then Split. Edit: Copy.
    auto* file = new wxMenu;
    auto* sub = new wxMenu;
    sub->Append(0xE103, "Save again");
    file->AppendSubMenu(sub, "More");
    file->Append(0xE103, CP932ToWx("上書き保存(&S)"));
    file->Append(0x8048, CP932ToWx("分割(&P)...\tOld"));
    auto* edit = new wxMenu;
    edit->Append(0xE122, CP932ToWx("コピー"));
    m_bar.Append(file, "File");
    m_bar.Append(edit, "Edit");
  }

  std::string Text(int id) { return GetMenuItemText(m_bar.FindItem(id)).str(); }

  std::vector<std::string> AllTexts() {
    std::vector<std::string> texts;
    for (size_t i = 0; i < m_bar.GetMenuCount(); ++i) MenuTexts(m_bar.GetMenu(i), texts);
    return texts;
  }

  wxMenuBar m_bar;
};

}  // namespace

TEST_F(MenuKeyTextsTest, KeyTextGoesBehindATabAndCanBeTakenAway) {
  wxMenu* file = m_bar.GetMenu(0);
  // The menu's own item comes before the one in its earlier submenu.
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(file, "Ctrl+S", 0xE103), 1);
  EXPECT_EQ(GetMenuItemText(file->FindItemByPosition(1)), "上書き保存(&S)\tCtrl+S");
  EXPECT_EQ(GetMenuItemText(file->FindItemByPosition(0)->GetSubMenu()->FindItemByPosition(0)), "Save again");

  // Text already behind the tab is replaced; no key text removes the tab as well.
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(&m_bar, "Alt+F5", 0x8048), 1);
  EXPECT_EQ(Text(0x8048), "分割(&P)...\tAlt+F5");
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(&m_bar, nullptr, 0x8048), 1);
  EXPECT_EQ(Text(0x8048), "分割(&P)...");
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(&m_bar, nullptr, 0x8048), 1);
  EXPECT_EQ(Text(0x8048), "分割(&P)...");

  // Items of later menus are found through the bar; a command without an item gives 0.
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(&m_bar, "Ctrl+C", 0xE122), 1);
  EXPECT_EQ(Text(0xE122), "コピー\tCtrl+C");
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(file, "Ctrl+C", 0xE122), 0);
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(&m_bar, "Ctrl+Q", 0x9999), 0);

  // A text longer than 255 bytes is cut first, never inside a double-byte character.
  const CString longLabel = CString(std::string(254, 'x').c_str()) + "あ";
  SetMenuItemText(m_bar.FindItem(0xE122), longLabel);
  EXPECT_EQ(CKeycustArray::SetMenuKeyText(&m_bar, "Ctrl+C", 0xE122), 1);
  EXPECT_EQ(Text(0xE122), std::string(254, 'x') + "\tCtrl+C");
}

TEST_F(MenuKeyTextsTest, UpdateMenuTextsShowsTheLastBindingOfEachCommand) {
  CKeycustArray table;
  table.Add('S', 0, 0, 1, 0xE103);
  table.Add(0x74, 0, 1, 1, 0x8048);
  table.Add(0x75, 0, 0, 0, 0x8048);
  table.Add('C', 0, 0, 1, 0xE122);
  table.UpdateMenuTexts(&m_bar);
  EXPECT_EQ(Text(0xE103), "上書き保存(&S)\tCtrl+S");
  EXPECT_EQ(Text(0x8048), "分割(&P)...\tF6");
  EXPECT_EQ(Text(0xE122), "コピー\tCtrl+C");

  // Bindings of commands without an item, and unbound combinations, leave the menus unchanged.
  const std::vector<std::string> before = AllTexts();
  CKeycustArray others;
  others.Add('Q', 0, 0, 1, 0x9999);
  others.Add(0x25, 0, 0, 0, 0);
  others.UpdateMenuTexts(&m_bar);
  others.UpdateMenuTexts(m_bar.GetMenu(1));
  EXPECT_EQ(AllTexts(), before);
}
