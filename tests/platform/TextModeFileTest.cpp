#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/base/CodePage.h"
#include "platform/base/RegularFile.h"
#include "platform/base/TextModeFile.h"
#include "tests/common/TestSupport.h"

namespace {

std::string ReadAllWith(const std::string& path, const char* mode) {
  auto file = TextModeFile::Open(path.c_str(), mode);
  EXPECT_NE(file, nullptr);
  if (!file) return std::string();
  std::string all(64, '\0');
  all.resize(file->Read(all.data(), all.size()));
  return all;
}

}  // namespace

TEST(TextModeFile, TextModeWritesCrLfAndReadsLf) {
  const std::string path = kesta_test::MakeTempDir("text") + "/a.txt";
  {
    auto file = TextModeFile::Open(path.c_str(), "wt");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->IsTextMode());
    EXPECT_GE(file->Puts("a\nb\n"), 0);
    EXPECT_EQ(file->Tell(), 6);  // positions count disk bytes
    EXPECT_EQ(file->Close(), 0);
  }
  EXPECT_EQ(kesta_test::ReadBytes(path), std::string("a\r\nb\r\n"));
  EXPECT_EQ(ReadAllWith(path, "rt"), "a\nb\n");
  EXPECT_EQ(ReadAllWith(path, "r"), "a\nb\n");  // text is the default
  EXPECT_EQ(ReadAllWith(path, "rb"), "a\r\nb\r\n");

  auto append = TextModeFile::Open(path.c_str(), "at");
  ASSERT_NE(append, nullptr);
  EXPECT_EQ(append->Write("c\n", 2), 2u);
  append.reset();
  EXPECT_EQ(kesta_test::ReadBytes(path), std::string("a\r\nb\r\nc\r\n"));
}

TEST(TextModeFile, ReadTranslatesOnlyCrLfPairs) {
  struct Case {
    std::string disk;
    std::string memory;
  };
  const Case cases[] = {
      {"x\ry", "x\ry"},          // a lone CR stays
      {"x\r", "x\r"},            // also at the end of the file
      {"x\r\r\ny", "x\r\ny"},    // only the CR next to the LF goes
      {"x\n\r\n", "x\n\n"},      // a bare LF stays LF
      {"", ""},
  };
  const std::string dir = kesta_test::MakeTempDir("crlf");
  for (const Case& c : cases) {
    kesta_test::WriteBytes(dir + "/f", c.disk);
    EXPECT_EQ(ReadAllWith(dir + "/f", "rt"), c.memory) << c.disk;
  }
  // Writing in text mode doubles the CR of a CR LF already in memory, as Windows does.
  auto file = TextModeFile::Open((dir + "/w").c_str(), "wt");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Write("p\r\nq", 4), 4u);
  file.reset();
  EXPECT_EQ(kesta_test::ReadBytes(dir + "/w"), "p\r\r\nq");
}

TEST(TextModeFile, GetsReadsLinesAndKeepsDiskPositions) {
  const std::string path = kesta_test::MakeTempDir("gets") + "/l.txt";
  kesta_test::WriteBytes(path, "abc\r\n\r\nlast");
  auto file = TextModeFile::Open(path.c_str(), "rt");
  ASSERT_NE(file, nullptr);
  char buffer[4];
  ASSERT_NE(file->Gets(buffer, sizeof(buffer)), nullptr);
  EXPECT_STREQ(buffer, "abc");  // the buffer was full before the line end
  EXPECT_EQ(file->Tell(), 3);
  ASSERT_NE(file->Gets(buffer, sizeof(buffer)), nullptr);
  EXPECT_STREQ(buffer, "\n");
  EXPECT_EQ(file->Tell(), 5);
  ASSERT_NE(file->Gets(buffer, sizeof(buffer)), nullptr);
  EXPECT_STREQ(buffer, "\n");
  ASSERT_NE(file->Gets(buffer, sizeof(buffer)), nullptr);
  EXPECT_STREQ(buffer, "las");
  ASSERT_NE(file->Gets(buffer, sizeof(buffer)), nullptr);
  EXPECT_STREQ(buffer, "t");
  EXPECT_EQ(file->Gets(buffer, sizeof(buffer)), nullptr);
  EXPECT_TRUE(file->Eof());

  // The length on disk, found by seeking to the end and back, is the byte count of the file.
  ASSERT_EQ(file->Seek(2, SEEK_SET), 0);
  const long long here = file->Tell();
  ASSERT_EQ(file->Seek(0, SEEK_END), 0);
  EXPECT_EQ(file->Tell(), 11);
  ASSERT_EQ(file->Seek(here, SEEK_SET), 0);
  ASSERT_NE(file->Gets(buffer, sizeof(buffer)), nullptr);
  EXPECT_STREQ(buffer, "c\n");
}

TEST(TextModeFile, PathsAreShiftJisAndFailuresGiveNull) {
  const std::string dir = kesta_test::MakeTempDir("paths");
  const std::string path = dir + "/" + std::string(CString("漢字表.txt"));
  auto file = TextModeFile::Open(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_FALSE(file->IsTextMode());
  EXPECT_EQ(file->Write("a\nb", 3), 3u);
  file.reset();
  EXPECT_EQ(kesta_test::ReadBytes(dir + "/" + reinterpret_cast<const char*>(u8"漢字表.txt")), "a\nb");

  EXPECT_EQ(TextModeFile::Open((dir + "/missing/x.txt").c_str(), "wt"), nullptr);
  EXPECT_EQ(TextModeFile::Open((dir + "/none.txt").c_str(), "rt"), nullptr);
  EXPECT_EQ(TextModeFile::Open(path.c_str(), "q"), nullptr);
  EXPECT_EQ(TextModeFile::Open(nullptr, "r"), nullptr);
}

// A path from outside is read only when it names a regular file: a FIFO (which would hold the
// reader for ever) and a folder are refused at once, by every way of reading.
TEST(RegularFile, OnlyRegularFilesAreRead) {
  const std::string dir = kesta_test::MakeTempDir("regular");
  kesta_test::WriteBytes(dir + "/plain.txt", "a\r\nb");
  kesta_test::MakeFifo(dir + "/pipe.kvn");
  std::filesystem::create_symlink(dir + "/pipe.kvn", dir + "/link.kvn");
  std::string bytes;
  ASSERT_TRUE(ReadRegularFile((dir + "/plain.txt").c_str(), bytes));
  EXPECT_EQ(bytes, "a\r\nb");
  EXPECT_EQ(ReadAllWith(dir + "/plain.txt", "rt"), "a\nb");
  EXPECT_TRUE(IsRegularFile((dir + "/plain.txt").c_str()));
  for (const std::string name : {"/pipe.kvn", "/link.kvn", ""}) {
    const std::string path = dir + name;
    EXPECT_FALSE(IsRegularFile(path.c_str())) << name;
    EXPECT_TRUE(kesta_test::EndsAtOnce([&] {
      std::string read;
      if (ReadRegularFile(path.c_str(), read) || OpenRegularFile(path.c_str()) >= 0) _exit(1);
      if (OpenRegularOsFileStream(path.c_str()) != nullptr || TextModeFile::Open(path.c_str(), "rb")) _exit(1);
    })) << name;
  }
}
