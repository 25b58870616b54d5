// The files of the style table and the category list: style files (ini form), category files,
// and the header lines written through the text file class.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "model/CDirData.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "model/CCategoryArray.h"
#include "model/CShoStrArray.h"

namespace {

using kesta_test::FixturePath;
using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

std::string Format(const CShoStrArray& table, int level, std::vector<int> counters) {
  counters.resize(CShoStrArray::MaxStyles, 0);
  return table.FormatNumber(level, counters.data()).str();
}

// Answers every message box with OK; the texts asked, in order.
struct Messages {
  ScopedMessageBoxHook hook{IDOK};
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const MessageBoxCall& call : hook.Calls()) texts.push_back(call.text.str());
    return texts;
  }
};

// An outline document of one item, with the given styles stored in it and the given categories.
std::string WriteDocument(const std::string& name, const CShoStrArray* styles, const std::vector<const char*>& categories) {
  const std::string path = MakeTempDir("doc") + "/" + name;
  ATREE model;
  model.AddDirData(std::make_unique<CDirData>("top"));
  if (styles) {
    model.GetShoStr() = *styles;
    model.GetShoStr().SetSaveInDocument(1);
  }
  for (const char* name : categories) {
    CTreeCategory category;
    category.Name = name;
    model.GetProperties().GetCategories().Add(category);
  }
  EXPECT_EQ(model.WriteKvnFile(path.c_str()), 1) << path;
  return path;
}

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

TEST(ShoStyleFile, ImportsTheStylesOfAnOutlineDocument) {
  CShoStrArray stored;
  stored.Add("<", 6, ">", "");
  stored.Add("", 12, "", "x\x01");
  const std::string path = WriteDocument("styles.KVN", &stored, {});
  CShoStrArray table;
  table.Add("a", 0, "", "");
  table.Add("b", 0, "", "");
  table.Add("c", 0, "", "");
  ASSERT_EQ(table.Load(path.c_str()), 2);
  EXPECT_EQ(Format(table, 0, {3}), "<三>");
  EXPECT_EQ(Format(table, 1, {1, 1}), "x");
  EXPECT_EQ(Format(table, 2, {1, 1, 1}), "c1");  // past the count: the entry kept from before
}

TEST(ShoStyleFile, OutlineDocumentThatCannotBeReadLeavesTheTable) {
  Messages messages;
  CShoStrArray table;
  table.Add("x", 0, "", "");
  EXPECT_EQ(table.Load("/nonexistent/doc.kvn"), 0);
  ASSERT_FALSE(messages.Texts().empty());
  EXPECT_EQ(messages.Texts().back(), "ファイルが開けません");
  EXPECT_EQ(table.GetCount(), 1);
  EXPECT_EQ(table.GetMae(0), "x");
}

// Names a settings file for the application's profile while it lives.
struct SettingsFile {
  explicit SettingsFile(const std::string& bytes) : path(MakeTempDir("settings") + "/kesta32.conf"), app(path) {
    WriteBytes(path, bytes);
  }
  std::string path;
  kesta_test::ScopedSettingsFile app;
};

TEST(SettingsFile, StylesAndWrapStringsLiveInTheSettingsFile) {
  {
    const SettingsFile settings(
        "[Text]\r\nShowStr=.\r\n[System]\r\nCategoryStrBefore=<\r\n"
        "[ShoStr]\r\nMenuNo=1\r\nSho00=11\r\nStr200=\" \"\r\n");
    CShoStrArray table;
    EXPECT_EQ(table.Load(), 1);
    EXPECT_EQ(Format(table, 0, {7}), "7 ");
    table.Add("", 11, "", "");
    EXPECT_EQ(Format(table, 1, {7, 2}), "7.2");  // separator from the settings
    ASSERT_TRUE(table.Save());

    CCategoryArray list;
    CTreeCategory category;
    category.Name = "A";
    list.Add(category);
    EXPECT_EQ(list.GetDisplayName(1), "<A】");
    list.SetAfter(">");
    ASSERT_TRUE(list.SaveWrapStrings());

    CShoStrArray again;
    EXPECT_EQ(again.Load(), 2);
    EXPECT_EQ(again.GetAto(0), " ");
    const CCategoryArray other;
    EXPECT_EQ(other.GetAfter(), ">");
  }
  // Without a settings file: the defaults, and nothing can be written.
  CShoStrArray table;
  EXPECT_EQ(table.Load(), 10);
  EXPECT_EQ(table.GetSeparator(), "-");
  EXPECT_FALSE(table.Save());
  EXPECT_FALSE(CCategoryArray().SaveWrapStrings());
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

TEST(CategoryFile, ImportsTheCategoriesOfAnOutlineDocument) {
  const std::string with = WriteDocument("with.kvn", nullptr, {"A", "B"});
  const std::string without = WriteDocument("without.kvn", nullptr, {});
  CCategoryArray list;
  ASSERT_TRUE(list.Load(with.c_str()));
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetName(2), "B");

  Messages messages;
  EXPECT_FALSE(list.Load(without.c_str()));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ファイルにカテゴリ設定がありません"});
  EXPECT_EQ(list.GetCount(), 2);
}

TEST(CategoryFile, FilesWithoutCategoriesOrUnreadableLeaveTheList) {
  const std::string dir = MakeTempDir("catbad");
  WriteBytes(dir + "/none.dat", "no equals sign\r\nHeader=x\r\nCategoryMemo=orphan\r\n");
  CCategoryArray list;
  CTreeCategory keep;
  keep.Name = "keep";
  list.Add(keep);

  Messages messages;
  EXPECT_FALSE(list.Load((dir + "/none.dat").c_str()));
  EXPECT_FALSE(list.Load((dir + "/missing.dat").c_str()));
  EXPECT_FALSE(list.Save((dir + "/no/such/folder.dat").c_str()));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                  "ファイルにカテゴリ設定がありません",
                                  "ファイルのオープンに失敗しました:" + dir + "/missing.dat",
                                  "ファイルのオープンに失敗しました:" + dir + "/no/such/folder.dat",
                              }));
  const size_t before = messages.Texts().size();
  EXPECT_FALSE(list.Load((dir + "/doc.kvn").c_str()));
  EXPECT_EQ(messages.Texts().back(), "ファイルが開けません");
  EXPECT_GT(messages.Texts().size(), before);
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetName(1), "keep");
}

}  // namespace
