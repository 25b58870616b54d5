// The other editor's outline text: reading in both forms of the top item, writing with and
// without the top item, and files written then read back.
#include "tests/convert/ImportFixture.h"

#include "convert/WzOutline.h"
#include "platform/framework/CWinApp.h"

using Items = std::vector<std::string>;


TEST_F(ImportTest, GoldenMemReadsExactly) {
  AfxWriteProfileInt("System", "WzImportTopTree", 0);
  ASSERT_GT(Open(kesta_test::FixturePath("convert/golden.mem")), 0);
  EXPECT_EQ((Items{"Plan=intro line\r\n", "Plan/Phase one=step a\r\nstep b\r\n", "Plan/Phase one/Detail=",
                   "Plan/Phase two=", "Plan/Phase two/=no title above\r\n"}),
            Dump());

  AfxWriteProfileInt("System", "WzImportTopTree", 1);
  const std::string copy = Write("golden.mem", kesta_test::ReadBytes(kesta_test::FixturePath("convert/golden.mem")));
  ASSERT_GT(Open(copy), 0);
  EXPECT_EQ((Items{"golden=", "golden/Plan=intro line\r\n", "golden/Plan/Phase one=step a\r\nstep b\r\n",
                   "golden/Plan/Phase one/Detail=", "golden/Plan/Phase two=", "golden/Plan/Phase two/=no title above\r\n"}),
            Dump());
}

TEST_F(ImportTest, WzWrittenThenReadGivesTheSameOutline) {
  ATREE sample;
  BuildSample(sample);
  const Items expected = DumpOf(sample);

  // The whole outline, read with the first heading naming the top item.
  const std::string whole = m_dir + "/whole.txt";
  ASSERT_EQ(1, ExportWzFile(sample, whole.c_str(), 0));
  EXPECT_EQ(".Plan\r\nintro\r\n..One\r\n...Deep\r\na\r\nb\r\n..Two\r\ntwo\r\n", kesta_test::ReadBytes(whole));
  AfxWriteProfileInt("System", "WzImportTopTree", 0);
  ASSERT_GT(Open(whole, 1), 0);
  EXPECT_EQ(expected, Dump());

  // Without the top item, read back under a top item named after the file.
  const std::string noTop = m_dir + "/Plan.mem";
  ASSERT_EQ(1, ExportWzFile(sample, noTop.c_str(), 1));
  AfxWriteProfileInt("System", "WzImportTopTree", 1);
  ASSERT_GT(Open(noTop), 0);
  EXPECT_EQ((Items{"Plan=", "Plan/One=", "Plan/One/Deep=a\r\nb\r\n", "Plan/Two=two\r\n"}), Dump());
}

TEST_F(ImportTest, WzPeriodChangeAndAutoTitle) {
  ATREE sample;
  auto item = std::make_unique<CDirData>("Top");
  item->m_strText = ".dot\r\nline\n.more";
  sample.AddDirData(std::move(item));
  auto single = std::make_unique<CDirData>("Top\x01One");
  single->m_strText = "only title line";
  sample.AddDirData(std::move(single));
  const std::string path = m_dir + "/p.mem";

  AfxWriteProfileInt("System", "WzExportPeriodChange", 1);
  ASSERT_EQ(1, ExportWzFile(sample, path.c_str(), 0));
  EXPECT_EQ(".Top\r\n .dot\r\nline\n .more\r\n..One\r\nonly title line\r\n", kesta_test::ReadBytes(path));

  AfxWriteProfileInt("System", "WzExportPeriodChange", 0);
  sample.GetProperties().m_bAutoTitle = 1;
  ASSERT_EQ(1, ExportWzFile(sample, path.c_str(), 0));
  EXPECT_EQ(".Top\r\nline\n.more\r\n..One\r\n", kesta_test::ReadBytes(path));
}

TEST_F(ImportTest, WzOptionOffSecondTopHeadingIsTextAndFailuresAreReported) {
  AfxWriteProfileInt("System", "WzImportTopTree", 0);
  ASSERT_GT(Open(Write("two.mem", "..Early\r\n...Deep\r\n..Late\r\n")), 0);
  // No single-period heading: the top item keeps an empty title.
  EXPECT_EQ((Items{"=", "/Early=", "/Early/Deep=", "/Late="}), Dump());

  ASSERT_GT(Open(Write("one.mem", ".A\r\n.B\r\n..C\r\n")), 0);
  EXPECT_EQ((Items{"A=.B\r\n", "A/C="}), Dump());

  EXPECT_LT(Open(m_dir + "/none.mem"), 0);
  ASSERT_FALSE(m_boxes.Calls().empty());
  EXPECT_EQ(0, m_boxes.Calls().back().text.Find("ファイルのオープンに失敗しました"));

  ATREE sample;
  BuildSample(sample);
  EXPECT_EQ(0, ExportWzFile(sample, (m_dir + "/no/such/dir/x.mem").c_str(), 0));
}
