// Outlines read from JSON: the structure and order at every level, the cleaning of titles, the
// times, and the failures that leave only the top item.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "convert/ATREEJsonRead.h"
#include "convert/CTreeJsonSerializer.h"
#include "model/ATREE.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/SlashedPath.h"

using kesta_test::MakeTempDir;
using kesta_test::WriteBytes;

namespace {

std::string JsonFile(const std::string& text) {
  const std::string path = MakeTempDir("json") + "/outline.json";
  WriteBytes(path, text);
  return path;
}

std::vector<std::string> Paths(const ATREE& model) {
  std::vector<std::string> out;
  for (int i = 0; i < model.GetDirDataCount(); ++i) out.push_back(SlashedPath(model, i));
  return out;
}

TEST(TreeJson, BuildsTheTreeInArrayOrderAtEveryLevel) {
  const std::string path = JsonFile(R"({
    // comments are allowed
    "header": {"version": 1},
    "body": {"id": 7, "title": "Root", "text": "top text", "link": "http://x/",
             "mdate": "2019/7/5 9:03:07", "cdate": "2018/1/2",
      "child": [
        {"title": "A", "text": "a\r\nb", "link": "a.txt", "mdate": "2020/2/3 4:05:06", "cdate": "2020/1/1",
         "child": [{"title": "A1"}, {"title": "A2", "child": [{"title": "A2x"}]}]},
        {"title": "B", "child": []},
        {"title": "Two\r\nlines"},
        {"title": "", "mdate": "not a date"}
      ]}})");
  ATREE model;
  ASSERT_EQ(ReadJsonFile(model, path.c_str()), 1);
  EXPECT_EQ(Paths(model), (std::vector<std::string>{"Root", "Root/A", "Root/A/A1", "Root/A/A2", "Root/A/A2/A2x",
                                                     "Root/B", "Root/Twolines", "Root/(無題)"}));
  const CDirData* root = model.GetDirData(0);
  EXPECT_EQ(root->m_strText.str(), "top text");
  EXPECT_EQ(root->m_strLink.str(), "http://x/");
  EXPECT_EQ(root->GetUpdateTime().GetYear(), 2019);
  EXPECT_EQ(root->GetUpdateTime().GetSecond(), 7);
  EXPECT_EQ(root->GetCreateTime().GetYear(), 2018);
  const CDirData* a = model.GetDirData(1);
  EXPECT_EQ(a->m_strText.str(), "a\r\nb");
  EXPECT_EQ(a->m_strLink.str(), "a.txt");
  EXPECT_EQ(a->GetUpdateTime().GetHour(), 4);
  EXPECT_EQ(a->GetCreateTime().GetMonth(), 1);
  EXPECT_EQ(model.GetView(2), 1);
  // A date the parser refuses is an invalid time, not the time of reading.
  EXPECT_EQ(model.GetDirData(7)->GetUpdateTime().GetStatus(), COleDateTime::invalid);
}

TEST(TreeJson, TheBodysIdIsKept) {
  const struct {
    const char* text;
    int result;
    int id;
  } cases[] = {
      {R"({"body": {"id": 7, "title": "R", "child": [{"id": 9, "title": "a"}]}})", 1, 7},
      {R"({"body": {"title": "R"}})", 1, 0},
      {R"({"body": {"id": -12}})", 1, -12},
      {R"({"body": {"id": "7"}})", 0, 0},  // not a number: the reader's own failure
  };
  for (const auto& c : cases) {
    const std::string path = JsonFile(c.text);
    ATREE model;
    model.AddDirData(std::make_unique<CDirData>());
    CTreeJsonSerializer reader(model);
    EXPECT_EQ(reader.ReadFile(path.c_str()), c.result) << c.text;
    EXPECT_EQ(reader.GetRootId(), c.id) << c.text;
  }
}

TEST(TreeJson, BadInputLeavesOnlyTheTopItem) {
  struct Case {
    const char* name;
    std::string text;  // empty: no file at all
    int result;
    int items;
  };
  std::string deep;
  for (int i = 0; i < 600; ++i) deep += "{\"child\": [";
  deep += "{}";
  for (int i = 0; i < 600; ++i) deep += "]}";
  const std::vector<Case> cases = {
      {"missing file", "", 0, 1},
      {"not json", "{\"body\": {\"title\": ", 0, 1},
      {"body only", R"({"body": {"title": "Only"}})", 1, 1},
      {"no body", R"({"header": {}})", 1, 1},
      {"top is an array", R"([1, 2, 3])", 1, 1},
      {"title of the wrong type", R"({"body": {"title": {"x": 1}}})", 0, 1},
      {"elements that are not objects", R"({"body": {"child": [1, "two", null]}})", 1, 4},
      {"separator bytes in titles", "{\"body\": {\"title\": \"R\\u0001S\", \"child\": [{\"title\": \"a\\u0001b\\u0003\"}]}}",
       1, 2},
      // A separator right after a lead byte is still a separator to the model.
      {"separator after a lead byte", "{\"body\": {\"title\": \"R\xE3\x01S\", \"child\": [{\"title\": \"\x88\x01T\"}]}}",
       1, 2},
      {"nesting deeper than the reader takes", "{\"body\": " + deep + "}", 0, 1},
  };
  for (const Case& c : cases) {
    const std::string path = c.text.empty() ? MakeTempDir("json") + "/none.json" : JsonFile(c.text);
    ATREE model;
    EXPECT_EQ(ReadJsonFile(model, path.c_str()), c.result) << c.name;
    EXPECT_EQ(model.GetDirDataCount(), c.items) << c.name;
    for (int i = 0; i < model.GetDirDataCount(); ++i) EXPECT_EQ(model.GetLevel(i), i == 0 ? 0 : 1) << c.name;
  }
}

}  // namespace
