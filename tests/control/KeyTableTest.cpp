#include <gtest/gtest.h>

#include "tests/control/TestEdit.h"
#include "control/KeyTable.h"

TEST(KeyTable, NamesKeysAndCombinations) {
  EXPECT_EQ(GetKeyText(CAccelEntry{ACCELF_VIRTKEY | ACCELF_CONTROL | ACCELF_SHIFT, 0x72, 32851}),
            CRefString("Ctrl+Shift+F3"));
  EXPECT_EQ(GetKeyText(CAccelEntry{ACCELF_VIRTKEY | ACCELF_ALT | ACCELF_SHIFT, 0x24, 32861}),
            CRefString("Alt+Shift+Home"));
  EXPECT_EQ(GetKeyText(CAccelEntry{ACCELF_VIRTKEY, 0x10, 1}), CRefString(""));  // VK_SHIFT alone
  EXPECT_EQ(GetKeyText(CAccelEntry{ACCELF_VIRTKEY, 200, 1}), CRefString(""));
  EXPECT_EQ(GetKeyText(CAccelEntry{ACCELF_CONTROL, 'k', 1}), CRefString("Ctrl+k"));
  EXPECT_EQ(GetKeyName(0x22), CRefString("Page Down"));
  EXPECT_EQ(GetKeyName(0x61), CRefString("Num 1"));
}

TEST(KeyTable, DefaultTableAndCommandKeys) {
  TestEdit edit;
  EXPECT_EQ(GetDefaultAccelEntries().size(), 78u);
  EXPECT_EQ(edit.B().GetCommandKeys(57634), CRefString("Ctrl+C, Ctrl+Insert"));
  EXPECT_EQ(edit.B().GetCommandKeys(57643), CRefString("Alt+Backspace, Ctrl+Z"));
  EXPECT_EQ(edit.B().GetCommandKeys(1), CRefString(""));
  const CAccelTable* table = edit.B().GetAccelTable();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->Translate(ACCELF_VIRTKEY | ACCELF_CONTROL, 'Z'), 57643);
  EXPECT_EQ(table->Translate(ACCELF_VIRTKEY | ACCELF_CONTROL | ACCELF_SHIFT, 'Z'), 0);

  // A changed table takes effect once rebuilt.
  std::vector<CAccelEntry> entries = edit.B().GetAccelEntries();
  entries.push_back(CAccelEntry{ACCELF_VIRTKEY | ACCELF_NOINVERT | ACCELF_CONTROL | ACCELF_SHIFT, 'Z', 57644});
  edit.B().SetAccelEntries(entries);
  EXPECT_EQ(edit.B().GetAccelTable()->Translate(ACCELF_VIRTKEY | ACCELF_CONTROL | ACCELF_SHIFT, 'Z'), 57644);
  EXPECT_EQ(edit.B().GetCommandKeys(57644), CRefString("Ctrl+Y, Ctrl+Shift+Z"));
}
