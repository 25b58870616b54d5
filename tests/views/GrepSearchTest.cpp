// The folder search behind the grep window, on small folders built per test.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/TextFinder.h"
#include "foundation/TextSearch.h"
#include "model/OutlineSearch.h"
#include "platform/base/RegularFile.h"
#include "platform/com/COleDispatchException.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "views/GrepSearch.h"
#include "views/OutlineFileScan.h"

using kesta_test::MakeTempDir;
using kesta_test::WriteBytes;
using model_test::MakeModel;

namespace {

using Hits = std::vector<std::unique_ptr<CGrepData>>;

void WriteOutline(const std::string& path, const std::vector<std::pair<std::string, std::string>>& items) {
  ASSERT_EQ(MakeModel(items)->SaveFile(path.c_str()), 1) << path;
}

// Relative file names of the hits, in order.
std::vector<std::string> Files(const Hits& hits, const std::string& root) {
  std::vector<std::string> names;
  for (const auto& hit : hits) names.push_back(std::string(hit->m_strFile).substr(root.size() + 1));
  return names;
}

class Recorder : public CGrepProgress {
 public:
  void ShowFolder(const char* folder) override { folders.push_back(folder); }
  void ShowFile(const char* file) override {
    files.push_back(file);
    if (stopAfter > 0 && static_cast<int>(files.size()) >= stopAfter) cancel = TRUE;
  }
  void AddHitFile(int hits) override { hitCounts.push_back(hits); }
  BOOL IsCancelled() override { return cancel; }
  std::vector<std::string> folders, files;
  std::vector<int> hitCounts;
  int stopAfter = 0;
  BOOL cancel = FALSE;
};

// {TEST.KVN, a.kvn.txt, .h.kvn, .d/x.kvn, sub/b.txt}, every one holding the word.
std::string MakeMixedFolder() {
  const std::string root = MakeTempDir("grep-mixed");
  WriteOutline(root + "/TEST.KVN", {{"Top", "apple pie"}});
  WriteBytes(root + "/a.kvn.txt", "an apple\r\nno\r\n");
  WriteOutline(root + "/.h.kvn", {{"Top", "apple"}});
  mkdir((root + "/.d").c_str(), 0755);
  WriteOutline(root + "/.d/x.kvn", {{"Top", "apple"}});
  mkdir((root + "/sub").c_str(), 0755);
  WriteBytes(root + "/sub/b.txt", "apple\n");
  return root;
}

CGrepOptions Options(const std::string& folder, const char* word) {
  CGrepOptions options;
  options.m_strFolder = folder.c_str();
  options.m_strWord = word;
  return options;
}

}  // namespace

TEST(GrepSearch, FileTypeAndSubFoldersChooseTheFilesAndHiddenOnesNeverCount) {
  const std::string root = MakeMixedFolder();
  struct Case {
    int fileType;
    BOOL subFolder;
    std::vector<std::string> files;
  } cases[] = {
      {0, FALSE, {"TEST.KVN"}},
      {0, TRUE, {"TEST.KVN"}},
      {1, FALSE, {"TEST.KVN", "a.kvn.txt"}},
      {1, TRUE, {"a.kvn.txt", "sub/b.txt", "TEST.KVN"}},
  };
  for (const Case& c : cases) {
    CGrepOptions options = Options(root, "apple");
    options.m_nFileType = c.fileType;
    options.m_bSubFolder = c.subFolder;
    Hits hits;
    CGrepSearch search(options, nullptr);
    ASSERT_TRUE(search.Run(hits));
    EXPECT_EQ(Files(hits, root), c.files) << c.fileType << " " << c.subFolder;
  }
}

TEST(GrepSearch, HitsCarryPathTextAndLinkAndTextLinesKeepTheirEnds) {
  const std::string root = MakeMixedFolder();
  CGrepOptions options = Options(root, "APPLE");
  options.m_nFileType = 1;
  options.m_bSubFolder = FALSE;
  Hits hits;
  CGrepSearch(options, nullptr).Run(hits);
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(std::string(hits[0]->m_strTreePath), "Top");
  EXPECT_EQ(std::string(hits[0]->m_strText), "apple pie\r\n");
  EXPECT_EQ(std::string(hits[1]->m_strTreePath), "(テキストファイル)");
  EXPECT_EQ(std::string(hits[1]->GetTreeTitle()), "(テキストファイル)");
  EXPECT_EQ(std::string(hits[1]->m_strText), "an apple\r\n");

  options.m_bCase = TRUE;  // distinguishing case, nothing matches
  Hits none;
  CGrepSearch(options, nullptr).Run(none);
  EXPECT_TRUE(none.empty());
}

TEST(GrepSearch, WordModesPerTreeAndPerFile) {
  const std::string root = MakeTempDir("grep-modes");
  WriteOutline(root + "/n.kvn", {{"R", "甲 and 乙"}, {"R/c1", "甲 only"}, {"R/c2", "乙 only"}});
  WriteOutline(root + "/o.kvn", {{"R", "甲 alone"}});
  struct Case {
    int mode;
    const char* word;
    size_t hits;
  } cases[] = {
      {0, "甲", 3},      {1, "甲 乙", 4},       {2, "甲 乙", 1},
      {3, "甲　乙", 5},  // the tree holding both is a hit of each part
      {4, "甲　乙", 4},  // o.kvn lacks 乙 and gives nothing
      {4, "乙", 2},
  };
  for (const Case& c : cases) {
    CGrepOptions options = Options(root, c.word);
    options.m_nWordMode = c.mode;
    Hits hits;
    CGrepSearch(options, nullptr).Run(hits);
    EXPECT_EQ(hits.size(), c.hits) << c.mode << " " << c.word;
  }
}

TEST(GrepSearch, LongLinesAreTestedInPiecesOfAtMost2047Bytes) {
  const std::string root = MakeTempDir("grep-long");
  std::string line(5000, 'x');
  line.replace(100, 4, "word");
  line.replace(3000, 4, "word");
  std::string straddling(3000, 'y');
  straddling.replace(2045, 4, "word");  // crosses the first piece's end
  WriteBytes(root + "/long.txt", line + "\r\n" + straddling + "\n");
  CGrepOptions options = Options(root, "word");
  options.m_nFileType = 1;
  Hits hits;
  CGrepSearch(options, nullptr).Run(hits);
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0]->m_strText.GetLength(), 2047);
  EXPECT_EQ(hits[1]->m_strText.GetLength(), 2047);
  EXPECT_EQ(hits[1]->m_strText.Find("word"), 3000 - 2047);

  options.m_bRegExp = TRUE;
  options.m_strWord = "w.rd";
  Hits regHits;
  CGrepSearch(options, nullptr).Run(regHits);
  EXPECT_EQ(regHits.size(), 2u);
}

TEST(GrepSearch, RefusesAnEmptyWordOrFolderAndStopsWhenCancelled) {
  const std::string root = MakeMixedFolder();
  Hits hits;
  EXPECT_FALSE(CGrepSearch(Options(root, ""), nullptr).Run(hits));
  EXPECT_FALSE(CGrepSearch(Options("", "apple"), nullptr).Run(hits));
  EXPECT_TRUE(hits.empty());

  CGrepOptions options = Options(root, "apple");
  options.m_nFileType = 1;
  Recorder recorder;
  recorder.stopAfter = 2;  // the folder clears the file line first
  CGrepSearch search(options, &recorder);
  search.Run(hits);
  EXPECT_TRUE(search.WasCancelled());
  EXPECT_EQ(Files(hits, root), std::vector<std::string>{"a.kvn.txt"});
  EXPECT_EQ(recorder.hitCounts, std::vector<int>{1});
}

TEST(GrepSearch, LinksBackUpAreNotWalkedAgainAndUnconvertibleNamesAreCounted) {
  const std::string root = MakeTempDir("grep-links");
  mkdir((root + "/d").c_str(), 0755);
  WriteBytes(root + "/d/a.txt", "apple\n");
  ASSERT_EQ(symlink("..", (root + "/d/up").c_str()), 0);
  WriteBytes(root + "/\xF0\x9F\x8D\x8E.txt", "apple\n");  // an emoji has no Shift JIS form
  WriteBytes(root + "/" + reinterpret_cast<const char*>(u8"日本.txt"), "apple\n");
  CGrepOptions options = Options(root, "apple");
  options.m_nFileType = 1;
  Hits hits;
  CGrepSearch search(options, nullptr);
  search.Run(hits);
  EXPECT_EQ(Files(hits, root), (std::vector<std::string>{"d/a.txt", "日本.txt"}));
  EXPECT_EQ(search.GetSkippedNames(), 1);
}

TEST(CGrepData, TreeTitleIsTheLastPartBeforeItsMark) {
  EXPECT_EQ(std::string(CGrepData("f", "a\x01" "b\x02" "x", "", "").GetTreeTitle()), "b");
  EXPECT_EQ(std::string(CGrepData("f", "solo", "", "").GetTreeTitle()), "solo");
}

TEST(GrepSearch, AWordOnATrailByteIsNoMatchWhenCaseAndWidthCount) {
  const std::string root = MakeTempDir("grep-trail");
  // "ア" is 0x83 0x41: its trail byte is "A".
  WriteBytes(root + "/t.txt", "ア\r\nxA\r\n");
  CGrepOptions options = Options(root, "A");
  options.m_nFileType = 1;
  options.m_bCase = TRUE;
  options.m_bWidth = TRUE;
  Hits hits;
  CGrepSearch(options, nullptr).Run(hits);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(std::string(hits[0]->m_strText), "xA\r\n");
}

TEST(GrepSearch, RegularExpressionHitsInTextFilesPieceByPiece) {
  // 2,046 bytes and "ア" (83 41): the first piece ends on the lead byte and the next one starts with
  // "A", which its piece reads as a letter of its own.
  const std::string split = std::string(2046, 'x') + "アpple\n";
  struct Case {
    const char* pattern;
    BOOL matchCase;
    std::string bytes;
    std::vector<std::string> texts;
  } cases[] = {
      {"^Apple", TRUE, split, {"Apple\n"}},
      {"xア", TRUE, split, {}},
      {"ap+le", TRUE, "apple\r\nx\r\nan apple", {"apple\r\n", "an apple"}},  // at the start and at the end
      {"ap+le", FALSE, "APPLE\n", {"APPLE\n"}},
      {"ap+le", TRUE, "APPLE\n", {}},
      {"[0-9]$", TRUE, "a1\r\nb\n2", {"a1\r\n", "2"}},  // nothing required
      {"^$", TRUE, "a\n\nb", {"\n"}},
  };
  for (const Case& c : cases) {
    const std::string root = MakeTempDir("grep-regexp");
    WriteBytes(root + "/t.txt", c.bytes);
    CGrepOptions options = Options(root, c.pattern);
    options.m_nFileType = 1;
    options.m_bRegExp = TRUE;
    options.m_bCase = c.matchCase;
    Hits hits;
    CGrepSearch(options, nullptr).Run(hits);
    std::vector<std::string> texts;
    for (const auto& hit : hits) texts.push_back(std::string(hit->m_strText));
    EXPECT_EQ(texts, c.texts) << c.pattern;
  }
}

TEST(GrepSearch, ABadPatternRaisesItsErrorAtTheFirstText) {
  const std::string root = MakeTempDir("grep-bad");
  WriteBytes(root + "/t.txt", "apple\n");
  CGrepOptions options = Options(root, "(");
  options.m_nFileType = 1;
  options.m_bRegExp = TRUE;
  Hits hits;
  EXPECT_THROW(CGrepSearch(options, nullptr).Run(hits), COleDispatchException);
  EXPECT_TRUE(hits.empty());
}

// A FIFO in the searched folder, named as an outline or a text file, is passed by at once.
TEST(GrepSearch, AFifoInTheFolderIsPassedBy) {
  const std::string root = MakeMixedFolder();
  kesta_test::MakeFifo(root + "/pipe.kvn");
  kesta_test::MakeFifo(root + "/sub/pipe.txt");
  EXPECT_TRUE(kesta_test::EndsAtOnce([&] {
    CGrepOptions options = Options(root, "apple");
    options.m_nFileType = 1;
    Hits hits;
    CGrepSearch(options, nullptr).Run(hits);
    if (Files(hits, root) != std::vector<std::string>{"a.kvn.txt", "sub/b.txt", "TEST.KVN"}) _exit(1);
  }));
}

namespace {

// Outline files as other programs and older versions leave them, beside one this program writes:
// the search reads most of them from their bytes and must find what opening them finds.
struct OutlineFixture {
  const char* name;
  std::string bytes;
};

// The bytes of a literal that holds zero bytes.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::vector<OutlineFixture> OutlineFixtures() {
  const std::string root = MakeTempDir("grep-written");
  WriteOutline(root + "/w.kvn", {{"Top", "りんご apple\r\n"},
                                 {"Top/ｱｯﾌﾟﾙ", "text アップル"},
                                 {"Top/x/APPLE pie", "none"},
                                 {"Top/林檎", "ap\r\nple ab"}});
  std::string written;
  EXPECT_TRUE(ReadRegularFile((root + "/w.kvn").c_str(), written));
  return {
      {"written.kvn", written},
      {"lf.kvn",
       "Top\n\x04\napple\n\x04\nTop\x01kid\x02/home/apple.txt\x05"
       "0\n"},
      {"blocks.kvn", "\x04\r\nlost apple\r\n\x04\r\nTop\r\n\x04\r\none\r\n\x04\r\n\x04\r\napple two\r\n\x04\r\n"},
      {"zero.kvn", Bytes("To\0p\r\n\x04\r\nap\0ple a\0b ab\r\n\x04\r\n")},
      {"twice.kvn",
       "Top apple\x05"
       "1\x05"
       "2\r\n"},
      {"empty-field.kvn",
       "Top apple\x05\x06"
       "1\r\n"},
      {"header-text.kvn", "\x08\r\nKey=1\r\n\x04\r\n\x08\r\nTop apple\r\n\x04\r\n"},
      {"lone-lead.kvn",
       "Top\r\nTop\x01"
       "ab\x82\x05"
       "0\r\n"},
      {"no-parent.kvn", "Top\r\nloose apple\r\n"},
      {"header-only.kvn", "\x08\r\nKey=apple\r\n\x08\r\n"},
      {"parent.kvn", "Top apple\r\nTop apple\x01kid\r\n"},
      {"line-ends.kvn", "Top\r\n\x04\r\nab\r\r\nap\rple\r\n\x04\r\n"},
      {"open-text.kvn", "Top\r\n\x04\r\nx apple"},
      {"link.kvn",
       "Top\x02/home/apple.kvn\x05"
       "0\r\n"},
      {"widths.kvn", "Top\r\n\x04\r\nｱｯﾌﾟﾙ ＡＰＰＬＥ\r\n\x04\r\n"},
      {"apple.kvn", ""},  // an empty file is one tree named after the file
      {"PELKO.kvn", "PELKO apple\r\n"},
  };
}

std::string Describe(const char* path, const char* text, const char* link) {
  return std::string(path) + " | " + text + " | " + link;
}

// What searching the outline opened from the file gives (tree null: the file did not open): every
// tree the outline's own search finds, part after part in the per-file modes.
std::vector<std::string> ReaderHits(ATREE* tree, const CGrepOptions& o) {
  if (tree == nullptr) return {};
  OutlineSearch& search = tree->GetSearch();
  search.SetRegExpSearch(0);
  search.SetSearchTargets(o.m_bTitle, o.m_bText, o.m_bLink);
  const bool perFile = o.m_nWordMode >= 3;
  search.SetSearchOptions(o.m_bCase, o.m_bWidth, perFile ? 0 : o.m_nWordMode);
  CString word = o.m_strWord;
  CStringArray parts;
  if (perFile) {
    word.Replace("　", " ");
    SplitToStringArray(word, " ", parts);
  } else {
    parts.Add(word);
  }
  std::vector<std::string> hits;
  for (const CString& part : parts) {
    if (part.IsEmpty()) continue;
    search.SetSearchText(part);
    std::vector<const CDirData*> found;
    for (int start = 0; start < tree->GetDirDataCount(); start = tree->GetNextSibling(start, TRUE))
      search.FindAllText(*tree, start, found);
    if (o.m_nWordMode == 4 && found.empty()) return {};
    for (const CDirData* d : found) hits.push_back(Describe(d->m_strPath, d->m_strText, d->m_strLink));
  }
  return hits;
}

}  // namespace

TEST(GrepSearch, OutlineFilesGiveTheHitsThatOpeningThemGives) {
  const char* const words[] = {"apple", "APPLE", "アップル", "a b", "ab", "林檎", "apple アップル", "ﾌﾟﾙ", "kid"};
  model_test::MessageRecorder quiet;
  for (const OutlineFixture& fixture : OutlineFixtures()) {
    const std::string root = MakeTempDir("grep-fixture");
    const std::string file = root + "/" + fixture.name;
    WriteBytes(file, fixture.bytes);
    ATREE tree;
    const bool opened = tree.OpenFile(file.c_str(), 0, 0) >= 0;
    for (const char* word : words) {
      for (const auto& [matchCase, matchWidth] : {std::pair{FALSE, FALSE}, {TRUE, TRUE}}) {
        for (int mode = 0; mode <= 4; ++mode) {
          CGrepOptions options = Options(root, word);
          options.m_bCase = matchCase;
          options.m_bWidth = matchWidth;
          options.m_nWordMode = mode;
          // Titles or links, in turn.
          options.m_bTitle = mode % 2 == 0;
          options.m_bLink = mode % 2 == 1;
          Hits hits;
          CGrepSearch(options, nullptr).Run(hits);
          std::vector<std::string> got;
          for (const auto& hit : hits) got.push_back(Describe(hit->m_strTreePath, hit->m_strText, hit->m_strLink));
          ASSERT_EQ(got, ReaderHits(opened ? &tree : nullptr, options))
              << fixture.name << " word " << word << " case " << matchCase << " width " << matchWidth << " mode "
              << mode;
        }
      }
    }
  }
}

// Which files the search can read from their bytes, and which trees it then reads: only those whose
// lines hold a match; the rest is left to opening the file as an outline.
TEST(GrepSearch, OutlineBytesAreReadOnlyAroundMatchesAndOnlyInTheWrittenForm) {
  struct Case {
    const char* name;
    const char* word;
    int flags;
    OutlineFileScan result;
    std::vector<std::string> paths;
  } cases[] = {
      {"written.kvn",
       "apple",
       FIND_IGNORE_CASE,
       OutlineFileScan::kRead,
       {"Top",
        "Top\x01x\x01"
        "APPLE pie"}},
      {"written.kvn", "ｱｯﾌﾟﾙ", FIND_IGNORE_WIDTH, OutlineFileScan::kRead, {"Top\x01ｱｯﾌﾟﾙ"}},
      {"written.kvn", "zebra", FIND_IGNORE_CASE | FIND_IGNORE_WIDTH, OutlineFileScan::kRead, {}},
      {"lf.kvn", "apple", 0, OutlineFileScan::kRead, {"Top", "Top\x01kid"}},
      {"blocks.kvn", "two", 0, OutlineFileScan::kRead, {"Top"}},
      {"blocks.kvn", "lost", 0, OutlineFileScan::kRead, {}},
      {"parent.kvn", "apple", 0, OutlineFileScan::kRead, {"Top apple", "Top apple\x01kid"}},
      {"zero.kvn", "apple", 0, OutlineFileScan::kRead, {}},
      {"zero.kvn", "a b", 0, OutlineFileScan::kNeedsReader, {}},
      {"lone-lead.kvn", "b\x82", 0, OutlineFileScan::kNeedsReader, {}},
      {"twice.kvn", "apple", 0, OutlineFileScan::kNeedsReader, {}},
      {"twice.kvn", "zebra", 0, OutlineFileScan::kRead, {}},
      {"empty-field.kvn", "apple", 0, OutlineFileScan::kNeedsReader, {}},
      {"header-text.kvn", "apple", 0, OutlineFileScan::kNeedsReader, {}},
      {"no-parent.kvn", "apple", 0, OutlineFileScan::kNeedsReader, {}},
      {"header-only.kvn", "apple", 0, OutlineFileScan::kNeedsReader, {}},
      {"apple.kvn", "apple", 0, OutlineFileScan::kNeedsReader, {}},
      {"PELKO.kvn", "zebra", 0, OutlineFileScan::kNeedsReader, {}},
  };
  const std::vector<OutlineFixture> fixtures = OutlineFixtures();
  for (const Case& c : cases) {
    const auto fixture = std::find_if(fixtures.begin(), fixtures.end(),
                                      [&](const OutlineFixture& f) { return std::string(f.name) == c.name; });
    ASSERT_NE(fixture, fixtures.end()) << c.name;
    const TextFinder word(c.word, c.flags);
    std::vector<std::unique_ptr<CDirData>> items;
    EXPECT_EQ(ScanOutlineFile(fixture->bytes, {&word}, items), c.result) << c.name << " " << c.word;
    std::vector<std::string> paths;
    for (const auto& item : items) paths.push_back(std::string(item->m_strPath));
    EXPECT_EQ(paths, c.paths) << c.name << " " << c.word;
  }
}
