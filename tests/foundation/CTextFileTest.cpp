#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "foundation/CTextFile.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

class TextFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return dir + "/" + name; }
  std::string dir = MakeTempDir("textfile");
};

TEST_F(TextFileTest, LineReadersStripLineEndsAndSplitLongLines) {
  const std::string path = Path("lines.txt");
  WriteBytes(path, "first\r\n\r\n" + std::string(5000, 'x') + "\r\nlast");
  CTextFile file(path.c_str(), "rt");
  CString line;
  ASSERT_TRUE(file.ReadLine(line));
  EXPECT_EQ(line, CString("first"));
  ASSERT_TRUE(file.ReadLine(line));
  EXPECT_EQ(line, CString(""));
  for (int expected : {2047, 2047, 906}) {
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line.GetLength(), expected);
  }
  ASSERT_TRUE(file.ReadLine(line));
  EXPECT_EQ(line, CString("last"));
  EXPECT_FALSE(file.ReadLine(line));
  EXPECT_TRUE(file.Close());
  EXPECT_TRUE(file.Close());  // closed: nothing to do
}

TEST_F(TextFileTest, BinaryLinesLoseTheirCrToo) {
  const std::string path = Path("bin.txt");
  WriteBytes(path, "a\r\nb\rc\n");
  CTextFile file;
  EXPECT_TRUE(file.Open(path.c_str(), "rb"));
  char buffer[16];
  ASSERT_TRUE(file.ReadLineBuf(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "a");
  ASSERT_TRUE(file.ReadLineBuf(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "b\rc");
  EXPECT_FALSE(file.ReadLineBuf(buffer, sizeof buffer));
}

TEST_F(TextFileTest, FailuresThrowTheStepAndTheFileName) {
  const std::string missing = Path("no/such.txt");
  try {
    CTextFile file(missing.c_str(), "rt");
    FAIL() << "opened a missing file";
  } catch (const CPelkoFileException& e) {
    EXPECT_EQ(e.GetMessage(), CString("ファイルのオープンに失敗しました:") + missing.c_str());
  }
  CTextFile file;
  EXPECT_THROW(file.Open(missing.c_str(), "wt"), CPelkoFileException);
  EXPECT_THROW(file.Open(Path("x").c_str(), "bogus"), CPelkoFileException);
  EXPECT_TRUE(file.Close());
}

TEST_F(TextFileTest, ReadAllInTextModeAndUpToANul) {
  const std::string path = Path("all.txt");
  WriteBytes(path, "a\r\nb");
  CTextFile text(path.c_str(), "rt");
  EXPECT_EQ(text.GetLength(), 4);
  EXPECT_EQ(text.ReadAll(), CString("a\nb"));

  WriteBytes(path, std::string("ab\0cd", 5));
  CTextFile binary(path.c_str(), "rb");
  EXPECT_EQ(binary.ReadAll(), CString("ab"));
}

TEST_F(TextFileTest, PositionSeekAndRead) {
  const std::string path = Path("pos.txt");
  WriteBytes(path, "0123456789");
  CTextFile file(path.c_str(), "rb");
  file.Seek(3, 0);
  EXPECT_EQ(file.GetLength(), 10);
  EXPECT_EQ(file.GetPosition(), 3);
  char buffer[8] = {};
  EXPECT_EQ(file.Read(buffer, 4), 4);
  EXPECT_STREQ(buffer, "3456");
  file.Seek(-2, 2);
  EXPECT_EQ(file.Read(buffer, 8), 2);
  EXPECT_THROW(file.Seek(-5, 0), CPelkoFileException);
}

TEST_F(TextFileTest, WritingReplacesTheFileOnlyOnClose) {
  const std::string path = Path("out.kvn");
  WriteBytes(path, "old content");
  chmod(path.c_str(), 0640);
  {
    CTextFile file(path.c_str(), "wt");
    EXPECT_TRUE(file.WriteString("a\nb\n"));
    EXPECT_EQ(ReadBytes(path), "old content");  // untouched until the close
    EXPECT_TRUE(file.Close());
  }
  EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n");
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  {
    CTextFile abandoned(path.c_str(), "wb");
    abandoned.WriteString("half");
  }  // destroyed without Close, as after a caught exception
  EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n");
  EXPECT_EQ(std::filesystem::directory_iterator(dir)->path().filename(), "out.kvn");  // no temp left

  chmod(path.c_str(), 0444);  // a read-only file refuses the open and stays as it was
  try {
    CTextFile locked(path.c_str(), "wt");
    FAIL() << "opened a read-only file for writing";
  } catch (const CPelkoFileException& e) {
    EXPECT_EQ(e.GetMessage(), CString("ファイルのオープンに失敗しました:") + path.c_str());
  }
  EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n");

  CTextFile fresh(Path("new.txt").c_str(), "wb");
  fresh.WriteString("x\n");
  fresh.Close();
  EXPECT_EQ(ReadBytes(Path("new.txt")), "x\n");
}

}  // namespace
