#include <gtest/gtest.h>

#include "app/COsVersion.h"
#include "app/CRegistryKey.h"

namespace {

TEST(COsVersion, KindOfEachFamily) {
  struct Case {
    DWORD major, minor, platform;
    int kind;
  } cases[] = {
      {4, 90, 1, 5}, {4, 0, 1, 1}, {4, 10, 1, 3}, {5, 1, 2, 8}, {5, 0, 2, 7},
      {6, 0, 2, 7},  {6, 1, 2, 8}, {4, 0, 2, 6},  {3, 0, 2, 0}, {0, 0, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(COsVersion(c.major, c.minor, c.platform).GetKind(), c.kind) << c.major << "." << c.minor;
  // The running system allows the per-user folder.
  EXPECT_GE(COsVersion().m_dwMajorVersion, 5u);
}

TEST(CRegistryKey, ValuesAndClose) {
  CRegistryKey never;
  EXPECT_FALSE(never.Close());
  EXPECT_EQ(never.m_hKey, nullptr);

  CRegistryKey key;
  ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, "Software\\Pelko\\Test"));
  EXPECT_TRUE(key.SetStringValue("Name", "値"));
  EXPECT_TRUE(key.SetDWordValue("Number", 11001));
  EXPECT_EQ(key.QueryStringValue("Name"), CString("値"));
  EXPECT_EQ(key.QueryStringValue("Missing"), CString());
  EXPECT_TRUE(key.SetStringValue("Long", CString('x', 300)));
  EXPECT_EQ(key.QueryStringValue("Long"), CString());
  EXPECT_TRUE(key.Close());
  EXPECT_EQ(key.m_hKey, nullptr);

  CRegistryKey again;
  ASSERT_TRUE(again.Open(HKEY_CURRENT_USER, "Software\\Pelko\\Test"));
  DWORD value = 0, size = sizeof value, type = 0;
  ASSERT_EQ(RegQueryValueEx(again.m_hKey, "Number", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 11001u);
}

}  // namespace
