#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/com/CRegKey.h"
#include "platform/com/Registry.h"
#include "tests/common/TestSupport.h"

namespace {

std::string RegistryFile() { return std::string(std::getenv("XDG_CONFIG_HOME")) + "/kesta32/registry"; }

std::string QueryString(HKEY root, const char* path, const char* name) {
  CRegKey key;
  if (key.Open(root, path, KEY_READ) != ERROR_SUCCESS) return "<no key>";
  char buffer[256];
  ULONG chars = sizeof(buffer);
  if (key.QueryStringValue(name, buffer, &chars) != ERROR_SUCCESS) return "<no value>";
  return std::string(buffer, chars - 1);
}

}  // namespace

TEST(Registry, TypedValuesKeepTheirTypeAndBytes) {
  CRegKey key;
  DWORD disposition = 0;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Torvik\\Wrila", nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_READ | KEY_WRITE, nullptr, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  ASSERT_EQ(key.SetDWORDValue("XRegVersion", 1), ERROR_SUCCESS);
  const unsigned char four[4] = {1, 0, 0, 0};
  ASSERT_EQ(key.SetBinaryValue("FindFlag4", four, 4), ERROR_SUCCESS);
  ASSERT_EQ(key.SetStringValue("Name", "漢字表"), ERROR_SUCCESS);

  DWORD number = 0;
  EXPECT_EQ(key.QueryDWORDValue("XRegVersion", number), ERROR_SUCCESS);
  EXPECT_EQ(number, 1u);
  number = 77;
  EXPECT_EQ(key.QueryDWORDValue("FindFlag4", number), ERROR_INVALID_DATA);  // BINARY is never a DWORD
  EXPECT_EQ(number, 77u);
  EXPECT_EQ(key.QueryDWORDValue("Name", number), ERROR_INVALID_DATA);
  EXPECT_EQ(key.QueryDWORDValue("Missing", number), ERROR_FILE_NOT_FOUND);
  unsigned char bytes[8] = {};
  ULONG size = sizeof(bytes);
  EXPECT_EQ(key.QueryBinaryValue("XRegVersion", bytes, &size), ERROR_INVALID_DATA);
  size = sizeof(bytes);
  EXPECT_EQ(key.QueryBinaryValue("FindFlag4", bytes, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4u);

  // The raw query: size first, then too small a buffer, then the bytes with the NUL kept.
  DWORD type = 0;
  DWORD needed = 0;
  EXPECT_EQ(RegQueryValueEx(key, "name", nullptr, &type, nullptr, &needed), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(needed, 7u);
  char text[8];
  DWORD small = 3;
  EXPECT_EQ(RegQueryValueEx(key, "NAME", nullptr, &type, reinterpret_cast<BYTE*>(text), &small), ERROR_MORE_DATA);
  EXPECT_EQ(small, 7u);
  ULONG chars = 3;
  EXPECT_EQ(key.QueryStringValue("Name", text, &chars), ERROR_MORE_DATA);
  EXPECT_EQ(chars, 7u);
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "SOFTWARE\\torvik\\WRILA", "Name"), "漢字表");
  EXPECT_EQ(RegQueryValueEx(key, "Missing", nullptr, &type, nullptr, &needed), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueEx(reinterpret_cast<HKEY>(0x1234), "Name", nullptr, &type, nullptr, &needed),
            ERROR_INVALID_HANDLE);

  CRegKey missing;
  EXPECT_EQ(missing.Open(HKEY_CURRENT_USER, "Software\\NoSuchKey"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(missing.m_hKey, nullptr);
}

TEST(Registry, ValuesSurviveARestartOfTheStore) {
  std::string allBytes;
  for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
  {
    CRegKey key;
    // 表 ends in the byte 0x5C: part of the name, not a separator.
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\表\\Sub"), ERROR_SUCCESS);
    ASSERT_EQ(key.SetBinaryValue("XCust", allBytes.data(), 256), ERROR_SUCCESS);
    ASSERT_EQ(key.SetBinaryValue("Empty", nullptr, 0), ERROR_SUCCESS);
    ASSERT_EQ(key.SetDWORDValue("表\"quoted\" [x] 100%", 0xDEADBEEF), ERROR_SUCCESS);
    ASSERT_EQ(key.SetStringValue(nullptr, "default \\ \"text\"\r\n"), ERROR_SUCCESS);
    ASSERT_EQ(key.SetValue("Raw", REG_SZ, "no nul", 6), ERROR_SUCCESS);
    ASSERT_EQ(key.SetValue("Multi", REG_MULTI_SZ, "a\0b\0\0", 5), ERROR_SUCCESS);
    CRegKey emptyKey;
    ASSERT_EQ(emptyKey.Create(HKEY_CURRENT_USER, "Software\\EmptyKey"), ERROR_SUCCESS);
  }
  ASSERT_TRUE(std::filesystem::exists(RegistryFile()));
  RegistryDiscardCache();

  CRegKey key;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, "software\\表\\sub"), ERROR_SUCCESS);
  char bytes[300];
  ULONG size = sizeof(bytes);
  ASSERT_EQ(key.QueryBinaryValue("xcust", bytes, &size), ERROR_SUCCESS);
  EXPECT_EQ(std::string(bytes, size), allBytes);
  size = sizeof(bytes);
  EXPECT_EQ(key.QueryBinaryValue("Empty", bytes, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 0u);
  DWORD number = 0;
  EXPECT_EQ(key.QueryDWORDValue("表\"QUOTED\" [X] 100%", number), ERROR_SUCCESS);
  EXPECT_EQ(number, 0xDEADBEEFu);
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "Software\\表\\Sub", nullptr), "default \\ \"text\"\r\n");
  DWORD type = 0;
  size = sizeof(bytes);
  EXPECT_EQ(key.QueryValue("Raw", &type, bytes, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::string(bytes, size), "no nul");
  size = sizeof(bytes);
  EXPECT_EQ(key.QueryValue("Multi", &type, bytes, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(std::string(bytes, size), std::string("a\0b\0\0", 5));
  CRegKey emptyKey;
  EXPECT_EQ(emptyKey.Open(HKEY_CURRENT_USER, "Software\\EmptyKey"), ERROR_SUCCESS);
}

TEST(Registry, ClassesRootIsTheUsersClasses) {
  CRegKey progId;
  ASSERT_EQ(progId.Create(HKEY_CLASSES_ROOT, "Wrila.Edit\\CLSID"), ERROR_SUCCESS);
  ASSERT_EQ(progId.SetStringValue(nullptr, "{0000-1111}"), ERROR_SUCCESS);
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "Software\\Classes\\wrila.edit\\clsid", nullptr), "{0000-1111}");
  char value[64];
  LONG size = sizeof(value);
  EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "Wrila.Edit\\CLSID", value, &size), ERROR_SUCCESS);
  EXPECT_STREQ(value, "{0000-1111}");
  EXPECT_EQ(size, 12);
  size = sizeof(value);
  EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "Wrila.Edit", value, &size), ERROR_SUCCESS);  // no default value
  EXPECT_STREQ(value, "");
  size = sizeof(value);
  EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "http\\shell", value, &size), ERROR_FILE_NOT_FOUND);
  HKEY machine = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\ReliefOffice", 0, KEY_READ, &machine), ERROR_FILE_NOT_FOUND);
}

TEST(Registry, EnumeratesKeysByNameAndValuesInOrder) {
  CRegKey parent;
  ASSERT_EQ(parent.Create(HKEY_CURRENT_USER, "Software\\Enum"), ERROR_SUCCESS);
  for (const char* name : {"beta", "Alpha", "gamma"}) {
    CRegKey child;
    ASSERT_EQ(child.Create(parent, name), ERROR_SUCCESS);
  }
  ASSERT_EQ(parent.SetDWORDValue("z", 1), ERROR_SUCCESS);
  ASSERT_EQ(parent.SetDWORDValue("a", 2), ERROR_SUCCESS);
  ASSERT_EQ(parent.SetDWORDValue("Z", 3), ERROR_SUCCESS);  // the same value as "z"

  std::string names;
  char name[16];
  DWORD length = sizeof(name);
  for (DWORD i = 0; parent.EnumKey(i, name, &length) == ERROR_SUCCESS; ++i, length = sizeof(name)) {
    names += std::string(name, length) + ",";
  }
  EXPECT_EQ(names, "Alpha,beta,gamma,");
  length = 3;
  EXPECT_EQ(parent.EnumKey(0, name, &length), ERROR_MORE_DATA);
  length = sizeof(name);
  EXPECT_EQ(parent.EnumKey(3, name, &length), ERROR_NO_MORE_ITEMS);

  DWORD type = 0;
  DWORD data = 0;
  DWORD dataSize = sizeof(data);
  length = sizeof(name);
  ASSERT_EQ(RegEnumValue(parent, 0, name, &length, nullptr, &type, reinterpret_cast<BYTE*>(&data), &dataSize),
            ERROR_SUCCESS);
  EXPECT_STREQ(name, "z");
  EXPECT_EQ(data, 3u);
  length = sizeof(name);
  dataSize = sizeof(data);
  ASSERT_EQ(RegEnumValue(parent, 1, name, &length, nullptr, &type, reinterpret_cast<BYTE*>(&data), &dataSize),
            ERROR_SUCCESS);
  EXPECT_STREQ(name, "a");
  length = sizeof(name);
  EXPECT_EQ(RegEnumValue(parent, 2, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
}

TEST(Registry, DeletingKeysAndValues) {
  CRegKey root;
  ASSERT_EQ(root.Create(HKEY_CURRENT_USER, "Software\\Del"), ERROR_SUCCESS);
  CRegKey deep;
  ASSERT_EQ(deep.Create(root, "a\\b\\c"), ERROR_SUCCESS);
  ASSERT_EQ(deep.SetDWORDValue("v", 1), ERROR_SUCCESS);
  EXPECT_EQ(deep.DeleteValue("V"), ERROR_SUCCESS);
  EXPECT_EQ(deep.DeleteValue("v"), ERROR_FILE_NOT_FOUND);

  EXPECT_EQ(root.DeleteSubKey("a"), ERROR_ACCESS_DENIED);  // it still has subkeys
  EXPECT_EQ(root.DeleteSubKey("missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(root.RecurseDeleteKey("A"), ERROR_SUCCESS);
  EXPECT_EQ(deep.SetDWORDValue("v", 2), ERROR_KEY_DELETED);  // a handle outlives its key
  DWORD number = 0;
  EXPECT_EQ(deep.QueryDWORDValue("v", number), ERROR_KEY_DELETED);
  CRegKey gone;
  EXPECT_EQ(gone.Open(root, "a\\b"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, nullptr), ERROR_ACCESS_DENIED);  // a root stays

  ASSERT_EQ(deep.Create(root, "leaf"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKey(deep, ""), ERROR_SUCCESS);  // an empty name deletes the key itself
  EXPECT_EQ(gone.Open(root, "leaf"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(deep.Close(), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(0x4444)), ERROR_INVALID_HANDLE);
}

TEST(Registry, FileChangedByAnotherProcessIsReadAgain) {
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Shared"), ERROR_SUCCESS);
  ASSERT_EQ(key.SetStringValue("Mine", "1"), ERROR_SUCCESS);
  kesta_test::WriteBytes(RegistryFile(),
                         "KESTA32 REGISTRY 1\n"
                         "[HKEY_CURRENT_USER\\Software\\Shared]\n"
                         "\"Theirs\"=\"2\"\n"
                         "\"Flag\"=hex:01,00\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\PDICW32.EXE]\n"
                         "@=\"/usr/bin/pdic\"\n");
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "Software\\Shared", "Theirs"), "2");
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "Software\\Shared", "Mine"), "<no value>");
  EXPECT_EQ(QueryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\App Paths\\PDICW32.EXE", nullptr), "/usr/bin/pdic");
  // The open handle still names the key, which now holds the other process's values.
  unsigned char flag[2] = {};
  ULONG size = sizeof(flag);
  EXPECT_EQ(key.QueryBinaryValue("Flag", flag, &size), ERROR_SUCCESS);
  EXPECT_EQ(flag[0], 1);
}

TEST(Registry, KeysNestedDeeperThanTheStackAreReadWrittenAndFreed) {
  std::string deep = "Software";
  for (int i = 0; i < 200000; ++i) deep += "\\k";
  kesta_test::WriteBytes(RegistryFile(), "KESTA32 REGISTRY 1\n[HKEY_CURRENT_USER\\" + deep + "]\n\"v\"=\"bottom\"\n");
  RegistryDiscardCache();
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, deep.c_str(), "v"), "bottom");
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Other"), ERROR_SUCCESS);  // writes the whole tree
  key.Close();
  EXPECT_LT(kesta_test::ReadBytes(RegistryFile()).size(), deep.size() * 2);
  RegistryDiscardCache();
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, deep.c_str(), "v"), "bottom");
  EXPECT_EQ(RegDeleteTree(HKEY_CURRENT_USER, "Software"), ERROR_SUCCESS);
}

TEST(Registry, ADamagedFileIsKeptAsideBeforeTheNextWrite) {
  const std::string damaged = "KESTA32 REGISTRY 1\n[HKEY_CURRENT_USER\\Software\\Kept]\n\"a\"=\"1\"\n"
                              "\"b\"=what is this\n[HKEY_NOWHERE\\x]\n\"c\"=\"2\"\n";
  kesta_test::WriteBytes(RegistryFile(), damaged);
  std::filesystem::remove(RegistryFile() + ".damaged");
  RegistryDiscardCache();
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "Software\\Kept", "a"), "1");
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Kept"), ERROR_SUCCESS);
  ASSERT_EQ(key.SetStringValue("new", "3"), ERROR_SUCCESS);
  EXPECT_EQ(kesta_test::ReadBytes(RegistryFile() + ".damaged"), damaged);
  RegistryDiscardCache();
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "Software\\Kept", "a"), "1");
  EXPECT_EQ(QueryString(HKEY_CURRENT_USER, "Software\\Kept", "new"), "3");
  // A sound file is written over as before.
  key.Close();
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, "Software\\Kept"), ERROR_SUCCESS);
  ASSERT_EQ(key.SetStringValue("new", "4"), ERROR_SUCCESS);
  EXPECT_EQ(kesta_test::ReadBytes(RegistryFile() + ".damaged"), damaged);
  EXPECT_EQ(RegDeleteTree(HKEY_CURRENT_USER, "Software\\Kept"), ERROR_SUCCESS);
}

TEST(Registry, AStoreThatCannotBeWrittenReportsIt) {
  const std::string blocked = kesta_test::MakeTempDir("blocked");
  kesta_test::WriteBytes(blocked + "/kesta32", "a file where the folder should be");
  const std::string saved = std::getenv("XDG_CONFIG_HOME");
  setenv("XDG_CONFIG_HOME", blocked.c_str(), 1);
  RegistryDiscardCache();
  CRegKey key;
  EXPECT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Blocked"), ERROR_CANTWRITE);
  EXPECT_EQ(RegSetValueEx(HKEY_CURRENT_USER, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2), ERROR_CANTWRITE);
  setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  RegistryDiscardCache();
  EXPECT_EQ(key.Open(HKEY_CURRENT_USER, "Software\\Blocked"), ERROR_FILE_NOT_FOUND);
}
