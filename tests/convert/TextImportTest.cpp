// Plain text as an outline: the top item, headings placed by the style of their marks, body text,
// and the open of files that no other reader claims.
#include "tests/convert/ImportFixture.h"

#include "model/HeadingMark.h"

using Items = std::vector<std::string>;

TEST(HeadingMarkTest, LengthsAndKinds) {
  kesta_test::ScopedSettingsFile settings(kesta_test::MakeTempDir("mark") + "/kesta32.ini");
  struct Case {
    const char* line;
    int length;
    unsigned kind;
  } cases[] = {
      {"1. Intro", 3, 2},      {"1.1 Detail", 4, 2},   {"1 Intro", 2, 1},     {"- item", 2, 2},
      {"1 ", 0, 0},            {"12 x", 3, 1},         {"a. x", 2, 2},        {"a x", 0, 0},
      {"(3) x", 4, 3},         {"(a) x", 4, 13},       {"\x81\xa1 ", 3, 8},   {"\x87\x40 x", 3, 5},
      {"\x82\xa0 x", 3, 17},   {"\x83\x41 x", 3, 16},  {"\x87\x54\x87\x55 x", 5, 4},
      {"\x91\xe6" "1\x8f\xcd x", 6, 21},                {"plain text", 0, 0},  {"", 0, 0},
  };
  for (const Case& c : cases) {
    unsigned kind = 99;
    EXPECT_EQ(c.length, GetHeadingMark(c.line, kind)) << c.line;
    EXPECT_EQ(c.kind, kind) << c.line;
  }
}

TEST_F(ImportTest, TextHeadingsPlacedByTheirStyle) {
  struct Case {
    const char* name;
    const char* file;
    Items items;
  } cases[] = {
      {"blank lines before the top, body before the first heading",
       "\n   \n  Top\r\nfirst\r\n   indented\r\n1 One\r\nbody\r\n\r\n\r\n",
       {"  Top=first\r\nindented\r\n", "  Top/One=body\r\n"}},
      {"same style siblings, new style a child, old style back to its level",
       "T\n1 A\n- a1\n- a2\n2 B\n",
       {"T=", "T/A=", "T/A/a1=", "T/A/a2=", "T/B="}},
      {"1. and 1.1 share a style; 1 without a separator is another",
       "T\n1. Intro\n1.1 Detail\n1 Other\n",
       {"T=", "T/Intro=", "T/Detail=", "T/Detail/Other="}},
      {"a mark with nothing after its space is body text; spaces after a mark go",
       "T\n1 \n2    Spaced\n3  \n",
       {"T=1 \r\n", "T/Spaced=", "T/="}},
      {"a tab line before the top is the top", "\t\n1 A\n", {"\t=", "\t/A="}},
  };
  for (const Case& c : cases) {
    const std::string path = Write("notes.txt", c.file);
    ASSERT_GT(Open(path), 0) << c.name;
    EXPECT_EQ(c.items, Dump()) << c.name;
  }
}

TEST_F(ImportTest, TextWithoutContentOrFileFails) {
  EXPECT_LT(Open(Write("blank.txt", "\n   \n\n")), 0);
  EXPECT_EQ(0, m_model.GetDirDataCount());
  EXPECT_LT(Open(m_dir + "/missing.txt"), 0);
  ASSERT_FALSE(m_boxes.Calls().empty());
  EXPECT_EQ(CString("ファイルが見つかりません"), m_boxes.Calls().back().text);
}

TEST_F(ImportTest, ControlBytesNeverEnterTheOutline) {
  ASSERT_GT(Open(Write("c.html", "T\x02op\n1 A\x01" "b\nte\x05xt\n")), 0);
  EXPECT_EQ((Items{"Top=", "Top/Ab=text\r\n"}), Dump());
}
