#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/control/TestEdit.h"
#include "tests/common/TestSupport.h"
#include "control/KanjiCodes.h"
#include "platform/base/CodePage.h"

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

namespace {

std::string Load(TestEdit& edit, const std::string& bytes, int kanjiRead = 3) {
  const std::string path = MakeTempDir("load") + "/in.txt";
  WriteBytes(path, bytes);
  edit.Settings().KanjiRead = kanjiRead;
  EXPECT_EQ(edit.B().LoadFile(path.c_str()), WRILA_OK);
  return path;
}

}  // namespace

TEST(TextFile, LineEndsLoadAsKindsAndSaveBackIdentically) {
  TestEdit edit;
  const std::string bytes = "a\rb\nc\r\n";
  const std::string path = Load(edit, bytes);
  ASSERT_EQ(edit.B().GetLineCount(), 4);
  EXPECT_EQ(edit.B().GetLine(0)->GetKind(), 1);
  EXPECT_EQ(edit.B().GetLine(1)->GetKind(), 2);
  EXPECT_EQ(edit.B().GetLine(2)->GetKind(), 0);
  EXPECT_EQ(edit.B().GetLineLength(3), 0);
  EXPECT_FALSE(edit.B().IsModified());
  EXPECT_EQ(edit.B().GetLoadedKanjiCode(), 3);  // ASCII only: undecided
  const std::string out = MakeTempDir("save") + "/out.txt";
  edit.Settings().KanjiWrite = 3;
  ASSERT_EQ(edit.B().SaveFile(out.c_str()), WRILA_OK);
  EXPECT_EQ(ReadBytes(out), bytes);

  // SaveCrLf 2 turns every line end into CR, in memory too.
  edit.Settings().SaveCrLf = 2;
  ASSERT_EQ(edit.B().SaveFile(out.c_str()), WRILA_OK);
  EXPECT_EQ(ReadBytes(out), "a\rb\rc\r");
  EXPECT_EQ(edit.Text(), "a\rb\rc\r");
  EXPECT_EQ(std::filesystem::directory_iterator(std::filesystem::path(out).parent_path())->path(), out);
}

TEST(TextFile, EucIsDetectedAndRecorded) {
  TestEdit edit;
  const std::string sjis = "漢字かなｶﾅ\r\nabc";
  Load(edit, CP932ToEUCJP(sjis));
  EXPECT_EQ(edit.Text(), sjis);
  EXPECT_EQ(edit.B().GetLoadedKanjiCode(), 2);

  // Early lines that look like EUC, then Shift JIS: read again as Shift JIS.
  TestEdit mixed;
  const std::string text = std::string("\xE9\xA1\r\n") + "表示";  // E9 A1 is a valid pair either way
  Load(mixed, text);
  EXPECT_EQ(mixed.Text(), text);
  EXPECT_EQ(mixed.B().GetLoadedKanjiCode(), 0);
}

TEST(TextFile, JisLineRoundTripsByteExact) {
  TestEdit edit;
  const std::string jis = "\x1B$B4A;z\x1B(B\r\nx\x1B$B$+\x1B(B\x0E\x31\x0F";
  const std::string path = Load(edit, jis);
  EXPECT_EQ(edit.Text(), "漢字\r\nxかｱ");
  EXPECT_EQ(edit.B().GetLoadedKanjiCode(), 1);
  edit.Settings().KanjiWrite = 1;
  ASSERT_EQ(edit.B().SaveFile(path.c_str()), WRILA_OK);
  EXPECT_EQ(ReadBytes(path), jis);

  TestEdit forced;
  Load(forced, "\x1B$B4A\x1B(B", 1);
  EXPECT_EQ(forced.Text(), "漢");
}

TEST(TextFile, JisOutputIsNeverCut) {
  // Switching on every character makes the output more than twice the input.
  std::string line;
  for (int i = 0; i < 500; ++i) line += "a漢";
  CCustomizeInfo settings;
  settings.Reset();
  const std::string jis = SJIStoJIS(settings, line);
  EXPECT_EQ(jis.size(), 500u * 9);
  EXPECT_EQ(JIStoSJIS(jis), line);
  EXPECT_EQ(EUCtoSJIS(SJIStoEUC(line + "ｱ")), line + "ｱ");
}

TEST(TextFile, FailedLoadKeepsTheText) {
  TestEdit edit;
  edit.B().SetText("keep me");
  const std::string folder = MakeTempDir("unreadable");
  EXPECT_EQ(edit.B().LoadFile(folder.c_str()), WRILA_E_OUTOFMEMORY);  // a folder cannot be read
  EXPECT_EQ(edit.Text(), "keep me");
  EXPECT_EQ(edit.B().LoadFile((folder + "/missing.txt").c_str()), WRILA_E_FILENOTFOUND);
  EXPECT_EQ(edit.Text(), "keep me");
  // A FIFO would hold the read for ever: it is refused at once.
  kesta_test::MakeFifo(folder + "/pipe.txt");
  EXPECT_TRUE(kesta_test::EndsAtOnce([&] {
    if (edit.B().LoadFile((folder + "/pipe.txt").c_str()) == WRILA_OK || edit.Text() != "keep me") _exit(1);
  }));
}

TEST(TextFile, NulTabsAndSaveOptions) {
  TestEdit edit;
  const std::string path = Load(edit, std::string("a\0b\tc", 5));
  EXPECT_EQ(edit.Text(), "a b\tc");
  edit.Settings().SaveTabToSpace = 1;
  ASSERT_EQ(edit.B().SaveFile(path.c_str()), WRILA_OK);
  EXPECT_EQ(ReadBytes(path), "a b     c");

  edit.B().SetText("");
  edit.Settings().DeleteEmpty = 1;
  ASSERT_EQ(edit.B().SaveFile(path.c_str()), WRILA_OK);
  EXPECT_FALSE(std::filesystem::exists(path));
  ASSERT_EQ(edit.B().SaveFile(path.c_str()), WRILA_OK);
  EXPECT_FALSE(std::filesystem::exists(path));

  edit.m_readOnly = true;
  EXPECT_EQ(edit.B().SaveFile(path.c_str()), WRILA_E_READONLY);
  edit.m_readOnly = false;
  edit.B().SetText("x");
  EXPECT_EQ(edit.B().SaveFile("/nonexistent-folder/x.txt"), WRILA_E_PATHACCESS);
}

TEST(TextFile, SaveMarksRecordsModified) {
  TestEdit edit;
  const std::string path = Load(edit, "ab");
  edit.B().InsertChar(POINT{2, 0}, 'c', -1);
  ASSERT_EQ(edit.B().SaveFile(path.c_str()), WRILA_OK);
  EXPECT_FALSE(edit.B().IsModified());
  edit.B().InsertChar(POINT{3, 0}, 'd', -1);
  edit.B().UndoRedo(false, POINT{});
  EXPECT_FALSE(edit.B().IsModified());
  edit.B().UndoRedo(false, POINT{});
  EXPECT_TRUE(edit.B().IsModified());
}
