// The files of the style table and the category list: style files (ini form), category files,
// and the header lines written through the text file class.
#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include <string>
#include <vector>

#include "foundation/CTextFile.h"
#include "platform/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/treeview/ModalAnswers.h"
#include "treeview/CCategoryArray.h"
#include "treeview/CShoStrArray.h"

namespace {

using kesta_test::FixturePath;
using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

std::string Format(const CShoStrArray& table, int level, std::vector<int> counters) {
  counters.resize(CShoStrArray::MaxStyles, 0);
  return table.FormatNumber(level, counters.data()).str();
}

// Answers every message box with OK and keeps its text.
struct Messages {
  ModalAnswers hook{[this](wxDialog* d) {
    if (auto* box = dynamic_cast<wxMessageDialog*>(d)) texts.push_back(WxToCP932(box->GetMessage()).str());
    return wxID_OK;
  }};
  std::vector<std::string> texts;
};

TEST(ShoStyleFile, MissingFileGivesTheTenDefaultStyles) {
  for (const char* path : {static_cast<const char*>(nullptr), "/nonexistent/KvnSho.dat"}) {
    CShoStrArray table;
    EXPECT_EQ(table.Load(path), 10);
    EXPECT_EQ(Format(table, 0, {1}), "Ⅰ.");
    EXPECT_EQ(Format(table, 2, {1, 1, 2}), "B.");
    EXPECT_EQ(Format(table, 3, {1, 1, 1, 4}), "(4)");
    EXPECT_EQ(Format(table, 6, {1, 1, 1, 1, 1, 1, 3}), "(③)");
    EXPECT_EQ(Format(table, 9, {1, 1, 1, 1, 1, 1, 1, 1, 1, 2}), "Ⅱ.");
    EXPECT_EQ(Format(table, 10, {}), "");
  }
}

TEST(ShoStyleFile, ReadsAStyleFile) {
  CShoStrArray table;
  ASSERT_EQ(table.Load(FixturePath("treeview/KvnSho.dat").c_str()), 4);
  EXPECT_EQ(Format(table, 0, {3}), " Ⅲ.");  // quotes kept the blank
  EXPECT_EQ(Format(table, 1, {1, 2}), "第二章 ");
  EXPECT_EQ(Format(table, 2, {1, 2, 5}), "い");
  EXPECT_EQ(Format(table, 3, {1, 2, 3, 4}), "(1-2-3-4)");  // after text from the defaults
}

TEST(ShoStyleFile, SaveAndLoadKeepEveryStyle) {
  const std::string path = MakeTempDir("sho") + "/KvnSho.dat";
  CShoStrArray table;
  table.Add(" ", 0, " .", "");
  table.Add("", 12, "", "a\x01\x01" "c\x01");
  table.Add("\"q\"", 5, "", "unused\x01");
  ASSERT_TRUE(table.Save(path.c_str()));
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find("[ShoStr]\r\nMenuNo=3\r\nStr100=\" \"\r\nStr200=\" .\"\r\nSho00=0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Custom01=\"a\x01\x01" "c\x01\"\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("Custom02"), std::string::npos);  // only custom styles carry strings

  CShoStrArray read;
  ASSERT_EQ(read.Load(path.c_str()), 3);
  EXPECT_EQ(read.GetMae(0), " ");
  EXPECT_EQ(read.GetAto(0), " .");
  EXPECT_EQ(read.GetCustomText(1), "a\x01\x01" "c\x01");
  EXPECT_EQ(read.GetMae(2), "\"q\"");
  EXPECT_EQ(read.GetNo(2), 5);
}

TEST(ShoStyleFile, CountsOutsideTheTableAreBounded) {
  const std::string dir = MakeTempDir("shocount");
  WriteBytes(dir + "/neg.dat", "[ShoStr]\r\nMenuNo=-4\r\n");
  WriteBytes(dir + "/big.dat", "[ShoStr]\r\nMenuNo=900\r\n");
  CShoStrArray table;
  EXPECT_EQ(table.Load((dir + "/neg.dat").c_str()), 0);
  EXPECT_EQ(table.Load((dir + "/big.dat").c_str()), CShoStrArray::MaxStyles);
  EXPECT_EQ(Format(table, 9, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), "Ⅰ.");
  EXPECT_EQ(Format(table, 10, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5}), "");  // no style beyond the defaults
}

TEST(ShoStyleFile, OutlineDocumentThatCannotBeReadLeavesTheTable) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  Messages messages;
  CShoStrArray table;
  table.Add("x", 0, "", "");
  EXPECT_EQ(table.Load("/nonexistent/doc.KVN"), 0);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"ファイルが開けません"});
  EXPECT_EQ(table.GetCount(), 1);
  EXPECT_EQ(table.GetMae(0), "x");
}

TEST(HeaderLinesFile, WrittenInTextModeWithCrLf) {
  const std::string path = MakeTempDir("lines") + "/header.txt";
  CShoStrArray table;
  table.Add("", 0, ".", "");
  CCategoryArray list;
  CTreeCategory category;
  category.Name = "A";
  list.Add(category);
  {
    CTextFile file(path.c_str(), "wt");
    table.WriteLines(file);  // not stored in the document: nothing
    list.WriteLines(file);
    table.SetSaveInDocument(1);
    table.WriteLines(file);
    file.Close();
  }
  EXPECT_EQ(ReadBytes(path),
            "CategoryName=A\r\nCategoryMemo=\r\n"
            "ShoStrCount=1\r\nShoStrMae0=\r\nShoStrAto0=.\r\nShoStrNo0=0\r\n");
}

TEST(CategoryFile, SaveAndLoadRoundTrip) {
  const std::string path = MakeTempDir("cat") + "/KvnCategory.dat";
  CCategoryArray list;
  CTreeCategory category;
  category.Name = "仕事";
  category.Memo = "memo=1";
  category.Color = 255;
  list.Add(category);
  category.Name = std::string(5000, 'n');
  category.Color = -1;
  list.Add(category);
  ASSERT_TRUE(list.Save(path.c_str()));
  const std::string first = "CategoryName=仕事\r\nCategoryMemo=memo=1\r\nCategoryColor=255\r\n";
  EXPECT_EQ(ReadBytes(path).substr(0, first.size()), first);

  CCategoryArray read;
  read.SetBefore("[");
  ASSERT_TRUE(read.Load(path.c_str()));
  EXPECT_EQ(read.GetLinesText(), list.GetLinesText());  // the long line stays one category
  EXPECT_EQ(read.GetDisplayName(1), "[仕事】");
}

TEST(CategoryFile, FilesWithoutCategoriesOrUnreadableLeaveTheList) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  const std::string dir = MakeTempDir("catbad");
  WriteBytes(dir + "/none.dat", "no equals sign\r\nHeader=x\r\nCategoryMemo=orphan\r\n");
  CCategoryArray list;
  CTreeCategory keep;
  keep.Name = "keep";
  list.Add(keep);

  Messages messages;
  EXPECT_FALSE(list.Load((dir + "/none.dat").c_str()));
  EXPECT_FALSE(list.Load((dir + "/missing.dat").c_str()));
  EXPECT_FALSE(list.Load((dir + "/doc.kvn").c_str()));
  EXPECT_FALSE(list.Save((dir + "/no/such/folder.dat").c_str()));
  EXPECT_EQ(messages.texts, (std::vector<std::string>{
                                "ファイルにカテゴリ設定がありません",
                                "ファイルのオープンに失敗しました:" + dir + "/missing.dat",
                                "ファイルが開けません",
                                "ファイルのオープンに失敗しました:" + dir + "/no/such/folder.dat",
                            }));
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetName(1), "keep");
}

}  // namespace
