// Tree records from outside the program are taken whole or not at all: fields in their order,
// numbers that are numbers, and paths that form a tree.
#include <gtest/gtest.h>

#include <string>

#include "model/TreeRecordCheck.h"

namespace {

// One record: path (levels joined by '/'), link, text, and the rest as a copy writes it.
std::string Record(std::string path, const std::string& text = "", const std::string& tail = "\x05" "0\x06" "0\x07" "1\x03" "000000FFFFFF0") {
  for (char& c : path)
    if (c == '/') c = '\x01';
  return path + "\x02" + "\x04" + text + tail + "\x08";
}

TEST(TreeRecordCheck, WholeTreesPassAndAnythingElseIsRefusedAsAWhole) {
  const std::string times = "\x01" + std::string(14, '1') + std::string(14, '2') + std::string(17, '3');
  struct Case {
    const char* name;
    std::string records;
    bool ok;
  };
  const Case cases[] = {
      {"a copied subtree", Record("A") + Record("A/b") + Record("A/b/c") + Record("A/d"), true},
      {"lower levels only: siblings at the top", Record("b") + Record("c") + Record("c/d"), true},
      {"a cut with its times", Record("A", "", std::string("\x05" "-3\x06" "1\x07" "0\x03" "00000000FF001") + times), true},
      {"empty", "", false},
      {"no end byte", Record("A").substr(0, Record("A").size() - 1), false},
      {"a level skipped", Record("A") + Record("A/b/c"), false},
      {"starts below the top", Record("A/b"), false},
      {"under another parent", Record("A") + Record("A/b") + Record("X/c"), false},
      {"an empty title", Record("A") + Record("A//c"), false},
      {"fields out of order", "A\x04\x02\x05" "0\x06" "0\x07" "1\x03" "000000FFFFFF0\x08", false},
      {"a separator twice", Record("A", "x\x05y"), false},
      {"status not a number", Record("A", "", "\x05" "x\x06" "0\x07" "1\x03" "000000FFFFFF0"), false},
      {"two-digit view", Record("A", "", "\x05" "0\x06" "0\x07" "11\x03" "000000FFFFFF0"), false},
      {"colours not hex", Record("A", "", "\x05" "0\x06" "0\x07" "1\x03" "00000GFFFFFF0"), false},
      {"short times", Record("A", "", "\x05" "0\x06" "0\x07" "1\x03" "000000FFFFFF0\x01" "123"), false},
  };
  for (const Case& c : cases) {
    CString records(c.records);
    EXPECT_EQ(CleanTreeRecords(records), c.ok) << c.name;
    if (!c.ok) {
      EXPECT_EQ(records.str(), c.records) << c.name;
    }
  }
}

TEST(TreeRecordCheck, LevelBytesLeaveLinksAndTextsButNotPathsOrTimes) {
  const std::string times = "\x01" + std::string(45, '0');
  CString records("A\x02l\x01k\x04t\x01x\x05" "0\x06" "0\x07" "1\x03" "000000FFFFFF0" + times + "\x08" +
                  Record("A/b"));
  ASSERT_TRUE(CleanTreeRecords(records));
  EXPECT_EQ(records.str(), "A\x02lk\x04tx\x05" "0\x06" "0\x07" "1\x03" "000000FFFFFF0" + times + "\x08" + Record("A/b"));
}

}  // namespace
