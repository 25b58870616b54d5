// Palm DOC e-texts: plain and compressed texts, bookmark records, the "#!Medoc" index, the
// read-only document, and damaged or hostile files refused without reading beyond them.
#include "tests/convert/ImportFixture.h"

#include "convert/CPalmDocReader.h"
#include "tests/convert/PalmDocEncoder.h"

using Items = std::vector<std::string>;
using palmdoc_test::Encode;

namespace {

// A text of several records with repeats, so the compression uses back-references across it.
std::string LongText() {
  std::string text;
  for (int i = 0; text.size() < 9000; ++i) text += "Line " + std::to_string(i % 37) + " of the book\n";
  return text;
}

}  // namespace

TEST_F(ImportTest, PdbCompressedAndPlainGiveTheSameOutline) {
  const std::string text = LongText();
  const std::vector<std::pair<std::string, uint32_t>> marks = {{"Second", 20}, {"Third", 5000}};
  ASSERT_GT(Open(Write("plain.pdb", Encode(text, false, marks))), 0);
  const Items plain = Dump();
  EXPECT_TRUE(m_model.IsReadOnly());
  ASSERT_GT(Open(Write("packed.PDB", Encode(text, true, marks))), 0);
  Items packed = Dump();
  ASSERT_EQ(3u, packed.size());
  for (auto& line : packed) line.replace(0, 6, "plain");  // the top item is named after the file
  EXPECT_EQ(plain, packed);
  EXPECT_EQ(0u, plain[1].find("plain/Second="));
}

TEST_F(ImportTest, PdbSectionsAndTheMedocIndex) {
  // No bookmarks: the whole text and CR LF in the top item.
  ASSERT_GT(Open(Write("one.pdb", Encode("abc\ndef\n", false))), 0);
  EXPECT_EQ((Items{"one=abc\ndef\n\r\n"}), Dump());

  // Bookmarks at the first byte of a line: each section ends without the line end before it.
  ASSERT_GT(Open(Write("two.pdb", Encode("intro\nFirst\nmore\nSecond\nend", true, {{"A", 6}, {"B", 17}}))), 0);
  EXPECT_EQ((Items{"two=intro", "two/A=First\nmore", "two/B=Second\nend\r\n"}), Dump());

  const std::string medoc = "#!Medoc index 2\n5:Intro\n9:Body\nl4\nl5\nl6\nl7\nl8\nl9\nl10\n";
  ASSERT_GT(Open(Write("medoc.pdb", Encode(medoc, false))), 0);
  const Items items = Dump();
  ASSERT_EQ(3u, items.size());
  // Each bookmark stands at the end of its heading line, which the section before it leaves out.
  EXPECT_EQ((Items{"medoc=l4", "medoc/Intro=\nl6\nl7\nl8", "medoc/Body=\nl10\n\r\n"}), items);
}

TEST_F(ImportTest, DamagedPdbFilesAreRefused) {
  const std::string good = Encode(LongText(), true, {{"Mark", 100}});
  const std::string medoc = "#!Medoc index 2\n5:Intro\n9:Body\nl4\n";
  std::string badCount = good;
  badCount[76] = '\x7f';
  std::string badOffset = good;
  badOffset[78 + 8] = '\x7f';
  std::string oneRecord = good;
  oneRecord[77] = 1;
  oneRecord[76] = 0;
  std::string backReference = Encode("abcdefgh", false);
  backReference[78 + 16 + 1] = 2;  // compressed, and the data start with a copy from before the text
  backReference.replace(78 + 16 + 16, 2, "\x80\x48");
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"header cut", good.substr(0, 60)},
      {"record list cut", good.substr(0, 90)},
      {"count beyond the list", badCount},
      {"offset beyond the file", badOffset},
      {"a single record", oneRecord},
      {"bookmark record cut", good.substr(0, good.size() - 21)},
      {"back-reference before the text", backReference},
      {"medoc index longer than the text", Encode("#!Medoc index 9\n5:Intro\n9:Body\nl4\n", false)},
      {"medoc line number inside the index", Encode("#!Medoc index 2\n2:Intro\n9:Body\nl4\nl5\nl6\nl7\nl8\nl9\n", false)},
      {"medoc line without colon", Encode("#!Medoc index 1\n3 Intro\nl3\nl4\n", false)},
      {"medoc line beyond the text", Encode(medoc, false)},
      {"medoc text without a line end", Encode("#!Medoc index without lines", true)},
  };
  for (const Case& c : cases) {
    const size_t boxes = m_boxes.Calls().size();
    EXPECT_LT(Open(Write("bad.pdb", c.bytes)), 0) << c.name;
    EXPECT_EQ(0, m_model.GetDirDataCount()) << c.name;
    ASSERT_EQ(boxes + 1, m_boxes.Calls().size()) << c.name;
    EXPECT_EQ(0, m_boxes.Calls().back().text.Find("Palm DOC")) << c.name;
  }
}

TEST(PalmDocReaderTest, DecompressCommands) {
  struct Case {
    std::string data;
    size_t limit;
    bool ok;
    std::string text;
  } cases[] = {
      {std::string("ab\x02\x01\x02" "c", 6), 100, true, std::string("ab\x01\x02" "c")},
      {"\xC1x", 100, true, " Ax"},
      {"abc\x80\x1A", 100, true, "abcabcab"},  // distance 3, length 5: an overlapping copy
      {std::string("ab\0cd", 5), 100, true, "ab"},
      {"abc\x80\x1A", 7, false, ""},
      {"\x03" "ab", 100, false, ""},
      {"\x80", 100, false, ""},
  };
  for (const Case& c : cases) {
    std::string out;
    EXPECT_EQ(c.ok, CPalmDocReader::Decompress(c.data, c.limit, out)) << c.data;
    if (c.ok) {
      EXPECT_EQ(c.text, out);
    }
  }
}
