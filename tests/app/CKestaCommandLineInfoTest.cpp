#include <gtest/gtest.h>

#include "app/CKestaCommandLineInfo.h"
#include "platform/base/PrivateProfile.h"
#include "tests/common/TestSupport.h"

namespace {

CKestaCommandLineInfo Parse(const char* line) {
  CKestaCommandLineInfo info;
  info.ParseCommandString(line);
  return info;
}

TEST(CKestaCommandLineInfo, SwitchesAndFiles) {
  struct Case {
    const char* line;
    int mode;
    int number;
    const char* title;
    const char* folder;
    const char* fileName;
    const char* file;
  } cases[] = {
      {"-J3 a.kvn", 1, 3, "", "", "", "a.kvn"},
      {"-J a.kvn", 0, 0, "", "", "", "a.kvn"},
      {"-Jx", 1, 0, "", "", "", ""},
      {"-nChapter", 2, 0, "Chapter", "", "", ""},
      {"-NChapter", 2, 0, "Chapter", "", "", ""},
      {"-U/home/me/notes/x.kvn", 3, 0, "", "/home/me/notes", "x.kvn", ""},
      {"-Ux.kvn", 3, 0, "", "", "x.kvn", ""},
      {"-J2 -N第二章", 2, 2, "第二章", "", "", ""},
      // An absolute path is a file, not a switch.
      {"/usr/x.kvn", 0, 0, "", "", "", "/usr/x.kvn"},
  };
  for (const Case& c : cases) {
    const CKestaCommandLineInfo info = Parse(c.line);
    EXPECT_EQ(info.GetMode(), c.mode) << c.line;
    EXPECT_EQ(info.GetJumpNumber(), c.number) << c.line;
    EXPECT_EQ(info.GetJumpTitle(), CString(c.title)) << c.line;
    EXPECT_EQ(info.GetFolder(), CString(c.folder)) << c.line;
    EXPECT_EQ(info.GetFileName(), CString(c.fileName)) << c.line;
    EXPECT_EQ(info.m_strFileName, CString(c.file)) << c.line;
  }
  const CKestaCommandLineInfo open = Parse("-J3 a.kvn");
  ASSERT_EQ(open.GetFileList().size(), 1u);
  EXPECT_EQ(open.m_nShellCommand, CCommandLineInfo::FileOpen);
}

TEST(CKestaCommandLineInfo, PrintToTakesPrinterDriverAndPortBeforeTheFile) {
  const CKestaCommandLineInfo info = Parse("-pt printer driver port a.kvn");
  EXPECT_EQ(info.m_strPrinterName, CString("printer"));
  EXPECT_EQ(info.m_strDriverName, CString("driver"));
  EXPECT_EQ(info.m_strPortName, CString("port"));
  EXPECT_EQ(info.m_strFileName, CString("a.kvn"));
  ASSERT_EQ(info.GetFileList().size(), 1u);
  EXPECT_EQ(info.GetFileList()[0], CString("a.kvn"));
}

TEST(CKestaCommandLineInfo, TokenizerQuotes) {
  using Tokens = std::vector<CString>;
  EXPECT_EQ(CKestaCommandLineInfo::Tokenize("\"/My Files/a.kvn\" b.kvn"), (Tokens{"/My Files/a.kvn", "b.kvn"}));
  EXPECT_EQ(CKestaCommandLineInfo::Tokenize("\"a\"b\" c"), (Tokens{"a\"b", "c"}));
  EXPECT_EQ(CKestaCommandLineInfo::Tokenize("  \"open"), (Tokens{"open"}));
  EXPECT_TRUE(CKestaCommandLineInfo::Tokenize("   ").empty());
}

TEST(CKestaCommandLineInfo, HandedOverLineReadsBackThroughTheSettingsFile) {
  // The sender doubles the quotes; the settings reader takes one pair off.
  const std::string file = kesta_test::MakeTempDir("cmdline") + "/kesta32.conf";
  ASSERT_TRUE(WritePrivateProfileString("System", "Commandline", "\"\"/My Files/a.kvn\"\"", file.c_str()));
  char buffer[256];
  GetPrivateProfileString("System", "Commandline", "", buffer, sizeof buffer, file.c_str());
  EXPECT_STREQ(buffer, "\"/My Files/a.kvn\"");
  const CKestaCommandLineInfo info = Parse(buffer);
  ASSERT_EQ(info.GetFileList().size(), 1u);
  EXPECT_EQ(info.GetFileList()[0], CString("/My Files/a.kvn"));
}

}  // namespace
