#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include <sys/resource.h>
#include <unistd.h>

#include "model/ATREE.h"
#include "model/dialogs/CPasswordDlg.h"
#include "model/KvnCrypt.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;
using model_test::MakeModel;
using model_test::MessageRecorder;
using model_test::P;

namespace {

// The bytes between the header block and the end of the file.
std::string Records(const std::string& file) {
  const size_t second = file.find("\x08\r\n", 1);
  return file.substr(second + 3);
}

std::unique_ptr<ATREE> ReadFile(const std::string& path, int expected = 1) {
  auto model = std::make_unique<ATREE>();
  EXPECT_EQ(model->ReadKvnFile(path.c_str()), expected);
  return model;
}

std::string WriteAndRead(const std::string& bytes) {
  const std::string path = MakeTempDir("kvn") + "/a.kvn";
  WriteBytes(path, bytes);
  return path;
}

}  // namespace

TEST(KvnFile, OneItemIsWrittenByteForByte) {
  auto model = MakeModel({{"A", ""}});
  const std::string path = MakeTempDir("kvn") + "/one.kvn";
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  const std::string file = ReadBytes(path);
  ASSERT_EQ(file.substr(0, 3), "\x08\r\n");
  EXPECT_EQ(Records(file), "A\x05" "0\x06" "1\x07" "0\x08" "00000000000000@\r\n");
}

TEST(KvnFile, TextsKeepTheirLineEndsThroughTheFile) {
  struct Case {
    const char* text;
    const char* onDisk;
    const char* readBack;
  } cases[] = {
      {"x", "\x04\r\nx\r\n\x04\r\n", "x\r\n"},
      {"a\r\nb\r\n", "\x04\r\na\r\r\nb\r\r\n\x04\r\n", "a\r\nb\r\n"},
      {"a\nb", "\x04\r\na\r\nb\r\n\x04\r\n", "a\r\nb\r\n"},
  };
  for (const Case& c : cases) {
    auto model = MakeModel({{"R", c.text}});
    const std::string path = MakeTempDir("kvn") + "/t.kvn";
    ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
    const std::string records = Records(ReadBytes(path));
    EXPECT_EQ(records.substr(records.find('\n') + 1), c.onDisk) << c.text;
    auto back = ReadFile(path);
    EXPECT_EQ(back->GetText(0), c.readBack);
  }
}

TEST(KvnFile, ReadsItemFieldsInAnyOrderAndDefaults) {
  const std::string path = WriteAndRead(
      "\x08\r\n\x08\r\n"
      "Root\x05" "3\x06" "0\x07" "2\x08" "0000010000FF\r\n"
      "Root\x01" "B\x07" "1\x05" "65536\x02http://x\r\n"
      "Root\x01" "C\x08" "ABCDEF000001" "5" "42@rest\x04" "2024010203040520230102030405\r\n");
  auto model = ReadFile(path);
  ASSERT_EQ(model->GetDirDataCount(), 3);
  const CDirData* root = model->GetDirData(0);
  EXPECT_EQ(root->m_nStatus, 3);
  EXPECT_EQ(root->m_nView, 0);
  EXPECT_EQ(root->m_nBookmark, 0);  // above 1 reads as 0
  EXPECT_EQ(root->m_nIdHigh, 1);
  EXPECT_EQ(root->m_nIdLow, 255);
  EXPECT_EQ(root->m_nIdDigit, 1);  // 12 digits with a non-zero first half
  const CDirData* b = model->GetDirData(1);
  EXPECT_EQ(b->m_strLink, "http://x");
  EXPECT_EQ(b->m_nView, 1);  // no view field
  EXPECT_EQ(b->m_nBookmark, 1);
  EXPECT_EQ(b->GetCategory(), 1);
  const CDirData* c = model->GetDirData(2);
  EXPECT_EQ(c->m_nIdHigh, 0xABCDEF);
  EXPECT_EQ(c->m_nIdDigit, 5);
  EXPECT_EQ(c->m_nCaret, 42);
  EXPECT_EQ(c->GetUpdateTimeText(TRUE), "20240102030405");
  EXPECT_EQ(c->GetCreateTimeText(TRUE), "20230102030405");
  EXPECT_FALSE(c->IsDisplayTimeSet());
}

// Marks are found sixteen bytes at a time: titles and links of every length up to three such
// runs, of bytes just outside the marks' range, end exactly where their mark stands.
TEST(KvnFile, FieldsOfEveryLengthEndAtTheirMarks) {
  const std::string filler("\x09\x7F\x82\xA0" "a\x00\x01\xFF", 8);
  auto run = [&filler](size_t length, size_t shift) {
    std::string bytes;
    for (size_t k = 0; k < length; ++k) bytes += filler[(k + shift) % filler.size()];
    return bytes;
  };
  std::string file = "\x08\r\n\x08\r\n" "Root\r\n";
  for (size_t length = 0; length <= 48; ++length) {
    file += "Root\x01" + run(length, 0) + "\x02" + run(length, 3) + "\x05" + std::to_string(length) + "\r\n";
  }
  auto model = ReadFile(WriteAndRead(file));
  ASSERT_EQ(model->GetDirDataCount(), 50);
  for (size_t length = 0; length <= 48; ++length) {
    const CDirData* item = model->GetDirData(static_cast<int>(length) + 1);
    std::string title = run(length, 0), link = run(length, 3);
    std::replace(title.begin(), title.end(), '\0', ' ');  // zero bytes read as spaces
    std::replace(link.begin(), link.end(), '\0', ' ');
    EXPECT_EQ(item->m_strPath.str(), "Root\x01" + title) << length;
    EXPECT_EQ(item->m_strLink.str(), link) << length;
    EXPECT_EQ(item->m_nStatus, static_cast<int>(length));
  }
}

// Status, view and bookmark read as strtol reads them, whatever a file made elsewhere holds.
TEST(KvnFile, NumberFieldsReadAsStrtolReadsThem) {
  const char* const fields[] = {"7",   " 7",   "+7",  "-3",           "12abc",       "abc",
                                "007", "\t-5", "1 2", "123456789012", "99999999999999999999",
                                "-99999999999999999999", "123456789012345678901234567890123"};
  for (const char* field : fields) {
    const std::string path = WriteAndRead(std::string("\x08\r\n\x08\r\nRoot\x05") + field + "\r\n");
    auto model = ReadFile(path);
    EXPECT_EQ(model->GetDirData(0)->m_nStatus, static_cast<int>(std::strtol(field, nullptr, 10))) << field;
  }
}

// The caret offset ends at an '@' of its own, never at the second byte of a Shift JIS pair; the
// times are read for as many as the field holds, a cut-off displayed time padded with zeros.
TEST(KvnFile, CaretAndTimesAreReadFromFieldsOfEveryLength) {
  struct Case {
    const char* field;
    int caret;
    const char* updated;
    const char* created;
    const char* displayed;
  } cases[] = {
      {"0000000000000" "42@", 42, "00000000000000", "00000000000000", ""},
      {"0000000000000" "7\x81@", 0, "00000000000000", "00000000000000", ""},
      {"0000000000000" "7\x81@9@", 7, "00000000000000", "00000000000000", ""},
      {"0000000000000" "@", 0, "00000000000000", "00000000000000", ""},
      {"00000000000001@\x04" "20240102030405", 1, "20240102030405", "00000000000000", ""},
      {"00000000000001@\x04" "2024010203040520230102030405", 1, "20240102030405", "20230102030405", ""},
      {"00000000000001@\x04" "2024010203040520230102030405" "202203040506071", 1, "20240102030405",
       "20230102030405", "20220304050607001"},
      {"00000000000001@\x04" "2024010203040520230102030405" "20220304050607089", 1, "20240102030405",
       "20230102030405", "20220304050607089"},
  };
  for (const Case& c : cases) {
    const std::string path = WriteAndRead(std::string("\x08\r\n\x08\r\nRoot\x08") + c.field + "\r\n");
    auto model = ReadFile(path);
    const CDirData* item = model->GetDirData(0);
    EXPECT_EQ(item->m_nCaret, c.caret) << c.field;
    EXPECT_EQ(item->GetUpdateTimeText(TRUE), c.updated) << c.field;
    EXPECT_EQ(item->GetCreateTimeText(TRUE), c.created) << c.field;
    EXPECT_EQ(item->GetDisplayTimeText(TRUE), c.displayed) << c.field;
  }
}

TEST(KvnFile, AnEmptyFieldStopsReadingWithItsMessage) {
  struct Case {
    const char* line;
    const char* message;
  } cases[] = {
      // The quoted line shows its control bytes by their codes.
      {"A\x05", "Error:statusA<05>"},
      {"A\x05" "0\x06", "Error:viewA<05>0<06>"},
      {"A\x07", "Error:bookmarkA<07>"},
      {"A\x08", "Error:generalA<08>"},
      {"A\x04", "Error:timeA<04>"},
      {"見出し\x05", "Error:status見出し<05>"},
  };
  for (const Case& c : cases) {
    MessageRecorder messages;
    const std::string path = WriteAndRead(std::string(c.line) + "\r\n");
    auto model = ReadFile(path, 0);
    ASSERT_EQ(messages.texts.size(), 2u) << c.line;
    EXPECT_EQ(messages.texts[0], c.message);
    EXPECT_EQ(messages.texts[1],
              std::string("ファイルを開けません（ケスタボンのファイルではない可能性があります）：") + path);
  }
}

TEST(KvnFile, ASecondItemWithoutParentStopsWithItsLineNumber) {
  MessageRecorder messages;
  const std::string path = WriteAndRead("\x08\r\nHeader=h\r\n\x08\r\nRoot\x05" "0\r\nStray\x05" "0\r\n");
  auto model = ReadFile(path, 0);
  ASSERT_EQ(messages.texts.size(), 3u);
  EXPECT_EQ(messages.texts[0], "エラー 4行");
  EXPECT_EQ(messages.texts[1], "Stray");
  EXPECT_EQ(model->GetDirDataCount(), 2);  // what was read stays
}

TEST(KvnFile, EmptyFileGivesOneItemNamedAfterIt) {
  const std::string dir = MakeTempDir("kvn");
  WriteBytes(dir + CP932ToUTF8("/メモ.kvn"), "");
  auto model = ReadFile(dir + "/メモ.kvn");
  ASSERT_EQ(model->GetDirDataCount(), 1);
  EXPECT_EQ(model->GetTitle(0), "メモ");
}

TEST(KvnFile, HeaderOnlyIsNoOutline) {
  MessageRecorder messages;
  auto model = ReadFile(WriteAndRead("\x08\r\nAuthor=x\r\n\x08\r\n"), 0);
  EXPECT_EQ(messages.texts.size(), 1u);
}

TEST(KvnFile, HeaderLinesGoToTheirOwners) {
  const std::string path = WriteAndRead(
      "\x08\r\nAuthor=Me=You\r\nnoequals\r\nWritePassword=AB12\r\nParentProperty=3,4\r\n\x08\r\nR\x05" "0\r\n");
  auto model = ReadFile(path);
  EXPECT_EQ(model->GetProperties().m_strAuthor, "Me=You");
  EXPECT_EQ(model->GetProperties().m_strWritePassword, "AB12");
  // Parent properties survive a save.
  const std::string again = MakeTempDir("kvn") + "/b.kvn";
  model->GetProperties().m_strWritePassword.Empty();
  ASSERT_EQ(model->WriteKvnFile(again.c_str()), 1);
  EXPECT_NE(ReadBytes(again).find("ParentProperty=3,4\r\n"), std::string::npos);
}

TEST(KvnFile, MarkBytesInTextsAndTitlesNeverCorruptTheFile) {
  auto model = MakeModel({{"R", "a\x04" "b\r\n\x08" "c\r\n"}, {"R/T\x05it\nle", "x"}});
  model->SetLink(1, "li\x02nk\r\n");
  const std::string path = MakeTempDir("kvn") + "/m.kvn";
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  EXPECT_EQ(model->GetText(0), "ab\r\nc\r\n");  // the model loses them too
  auto back = ReadFile(path);
  ASSERT_EQ(back->GetDirDataCount(), 2);
  EXPECT_EQ(back->GetText(0), "ab\r\nc\r\n");
  EXPECT_EQ(back->GetTitle(1), P("R/Title"));
  EXPECT_EQ(back->GetLink(1), "link");
  EXPECT_EQ(back->GetText(1), "x\r\n");
}

TEST(KvnFile, AZeroByteReadsAsASpaceAndNothingAfterItIsLost) {
  using namespace std::string_literals;
  const std::string file = "\x08\r\nAuthor=M\0e\r\n\x08\r\n"
                           "R\0oot\x05" "0\x06" "1\x07" "0\x08" "00000000000000@\r\n\x04\r\na\0b\r\r\n\x04\r\n"
                           "R\0oot\x01" "B\x02li\0nk\x05" "0\x06" "1\x07" "0\x08" "00000000000000@\r\n"s;
  const std::string path = WriteAndRead(file);
  auto model = ReadFile(path);
  ASSERT_EQ(model->GetDirDataCount(), 2);
  EXPECT_EQ(model->GetTitle(0), "R oot");
  EXPECT_EQ(model->GetText(0), "a b\r\n");
  EXPECT_EQ(model->GetLink(1), "li nk");
  EXPECT_EQ(model->GetProperties().m_strAuthor, "M e");
  const std::string again = MakeTempDir("kvn") + "/a.kvn";
  ASSERT_EQ(model->WriteKvnFile(again.c_str()), 1);
  std::string expected = file;
  std::replace(expected.begin(), expected.end(), '\0', ' ');
  EXPECT_EQ(Records(ReadBytes(again)), Records(expected));
  EXPECT_NE(ReadBytes(again).find("Author=M e\r\n"), std::string::npos);
}

TEST(KvnFile, AZeroByteInAModelTextDoesNotCutTheFile) {
  using namespace std::string_literals;
  auto model = MakeModel({{"R", ""}, {"R/A", ""}, {"R/B", "b"}, {"R/C", ""}, {"R/D", ""}});
  model->EditDirData(0)->m_strText = CString("x\0y"s);  // pasted
  for (const char* name : {"/plain.kvn", "/sub.kvn"}) {
    const std::string path = MakeTempDir("kvn") + name;
    if (std::string(name) == "/plain.kvn") {
      ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
    } else {
      model->SaveTreesAs(0, path.c_str());
    }
    EXPECT_NE(ReadBytes(path).find("x\0y\r\n"s), std::string::npos) << name;
    EXPECT_EQ(ReadFile(path)->GetDirDataCount(), 5) << name;
  }
}

TEST(KvnFile, AFileTooLargeForTheModelIsRefusedWithAMessage) {
  const std::string path = MakeTempDir("kvn") + "/huge.kvn";
  WriteBytes(path, "");
  ASSERT_EQ(truncate(path.c_str(), 2147483648LL), 0);  // sparse: no disk space is used
  MessageRecorder messages;
  ReadFile(path, 0);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0].find(CString("ファイルが大きすぎるため開けません").str()), 0u);
}

TEST(KvnFile, LinesOfAnyLengthAreReadWhole) {
  const std::string longText(100000, 'y');
  auto model = MakeModel({{"R", longText + "\r\n"}, {"R/" + std::string(40000, 't'), ""}});
  const std::string path = MakeTempDir("kvn") + "/l.kvn";
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  auto back = ReadFile(path);
  ASSERT_EQ(back->GetDirDataCount(), 2);
  EXPECT_EQ(back->GetText(0), longText + "\r\n");
  EXPECT_EQ(back->GetTitle(1).GetLength(), 40002);
}

TEST(KvnFile, EveryItemFieldAndPropertySurvivesASaveAndReload) {
  auto model = MakeModel({{"Root", "top"}, {"Root/A", "a"}, {"Root/A/B", ""}, {"Root/C", "c\r\n"}});
  CDirData* a = model->EditDirData(1);
  a->m_nStatus = 1 | 2 | (7 << 16);
  a->m_nView = 0;
  a->m_nBookmark = 1;
  a->m_nIdHigh = 0x123456;
  a->m_nIdLow = 0xABCDEF;
  a->m_nIdDigit = 1;
  a->m_nCaret = 1234567;
  a->SetIdText("\x01" "2020022923595920190101000000" "20210304050607089");
  CDocProperties& props = model->GetProperties();
  props.m_strHeader = "ヘッダ";
  props.m_bFooterLine = 0;
  props.m_nFirstLine = 3;
  props.ReadKey("HtmlOption", "101010101010");
  props.ReadKey("TemplateFile00", "\"/x/t.txt\",other");
  props.m_strNetFileID = "id";
  props.m_nUploadOption = 2;
  const std::string path = MakeTempDir("kvn") + "/r.kvn";
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  auto back = ReadFile(path);
  ASSERT_EQ(back->GetDirDataCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(back->GetTitle(i), model->GetTitle(i));
    EXPECT_EQ(back->GetText(i), i == 2 ? CString() : (model->GetText(i) + (i == 3 ? "" : "\r\n")));
    EXPECT_EQ(back->GetDirData(i)->GetIdText(TRUE), model->GetDirData(i)->GetIdText(TRUE));
  }
  const CDirData* b = back->GetDirData(1);
  EXPECT_EQ(b->m_nStatus, a->m_nStatus);
  EXPECT_EQ(b->m_nView, 0);
  EXPECT_EQ(b->m_nBookmark, 1);
  EXPECT_EQ(b->m_nCaret, 1234567);
  EXPECT_EQ(back->GetProperties().GetLinesText(), props.GetLinesText());
  // Once every text ends with a line end, a load-save cycle gives the same bytes.
  const std::string again = MakeTempDir("kvn") + "/r.kvn";
  ASSERT_EQ(back->WriteKvnFile(again.c_str()), 1);
  const std::string third = MakeTempDir("kvn") + "/r.kvn";
  ASSERT_EQ(ReadFile(again)->WriteKvnFile(third.c_str()), 1);
  EXPECT_EQ(ReadBytes(third), ReadBytes(again));
}

// Blocks are written while the next ones are formed: a write that fails in the first block, in a
// later one, or in the last, leaves the old file and says so once.
TEST(KvnFile, AWriteThatFailsHalfWayLeavesTheOldFile) {
  const std::string path = MakeTempDir("kvn") + "/keep.kvn";
  std::signal(SIGXFSZ, SIG_IGN);
  for (const rlim_t limit : {50000, 5 << 20, 13 << 20}) {
    WriteBytes(path, "old bytes");
    std::vector<std::pair<std::string, std::string>> items = {{"R", std::string(200000, 'z')}};
    for (int i = 0; i < 6; ++i) items.push_back({"R/" + std::to_string(i), std::string(3 << 20, 'y')});
    auto model = MakeModel(items);
    MessageRecorder messages;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = limit;  // as if the disk filled up during the write
    setrlimit(RLIMIT_FSIZE, &small);
    const int result = model->WriteKvnFile(path.c_str());
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(result, 0) << limit;
    EXPECT_EQ(messages.texts.size(), 1u) << limit;
    EXPECT_EQ(ReadBytes(path), "old bytes") << limit;
  }
}

// A save that would make a file larger than the reader takes is refused before the old file is
// replaced, plain or enciphered, and so is a subtree's; one of the largest size is written and
// read back, and a file one byte larger is refused by the reader.
TEST(KvnFile, NoSaveMakesAFileTheReaderRefuses) {
  const std::string dir = MakeTempDir("kvn");
  auto model = MakeModel({{"R", std::string(3000, 'a')}, {"R/A", std::string(3000, 'b')}});
  ASSERT_EQ(model->WriteKvnFile((dir + "/size.kvn").c_str()), 1);
  const auto plainSize = static_cast<long long>(ReadBytes(dir + "/size.kvn").size());
  for (const bool encrypt : {false, true}) {
    model->GetProperties().m_strWritePassword = encrypt ? PasswordHash("w") : CString();
    const std::string path = dir + "/doc.kvn";
    WriteBytes(path, "old bytes");
    kesta_test::ScopedValue<long long> limit(KvnCrypt::s_nMostFileBytes, 5000);
    {
      MessageRecorder messages;
      EXPECT_EQ(model->WriteKvnFile(path.c_str()), 0) << encrypt;
      model->SaveTreesAs(0, path.c_str());
      EXPECT_EQ(
          messages.texts,
          std::vector<std::string>(2, "ファイルが大きすぎるため保存できません（保存すると開けなくなります）：" + path));
    }
    EXPECT_EQ(ReadBytes(path), "old bytes") << encrypt;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 2);
  }
  model->GetProperties().m_strWritePassword.Empty();
  kesta_test::ScopedValue<long long> limit(KvnCrypt::s_nMostFileBytes, plainSize);
  ASSERT_EQ(model->WriteKvnFile((dir + "/doc.kvn").c_str()), 1);
  EXPECT_EQ(ReadFile(dir + "/doc.kvn")->GetDirDataCount(), 2);
  KvnCrypt::s_nMostFileBytes = plainSize - 1;
  MessageRecorder messages;
  ReadFile(dir + "/doc.kvn", 0);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"ファイルが大きすぎるため開けません：" + dir + "/doc.kvn"});
}

TEST(KvnFile, SubtreeSaveMakesItsRootTheTopItem) {
  auto model = MakeModel({{"R", ""}, {"R/A", ""}, {"R/A/B", ""}, {"R/A/B/C", "t"}, {"R/A/B/D", ""}, {"R/A/E", ""}});
  const std::string path = MakeTempDir("kvn") + "/s.kvn";
  model->SaveTreesAs(2, path.c_str());
  EXPECT_EQ(ReadBytes(path),
            "B\x05" "0\x06" "1\x07" "0\r\n"
            "B\x01" "C\x05" "0\x06" "1\x07" "0\r\n\x04\r\nt\r\n\x04\r\n"
            "B\x01" "D\x05" "0\x06" "1\x07" "0\r\n");
}

TEST(KvnFile, NumbersAndTimesAtTheirLimitsAreWrittenWholeAndReadBack) {
  COleDateTime unknown;
  unknown.SetStatus(COleDateTime::null);
  struct Case {
    int status, view, bookmark, idHigh, idLow, digit, caret;
    COleDateTime updated, created;
    SYSTEMTIME shown;
    const char* record;
    bool timesReadBack;  // the reader keeps the dates of years 1583-9998 only
  } cases[] = {
      {INT_MIN, INT_MAX, -1, 0x7FFFFFFF, -1, 9, INT_MAX, unknown, unknown, {},
       "A\x05-2147483648\x06" "2147483647\x07-1\x08" "FFFFFFFFFFFF92147483647@\r\n", true},
      {0, 1, 0, 0x0A0B0C, 0x000001, 0, 0, COleDateTime(9998, 12, 31, 23, 59, 59),
       COleDateTime(1583, 1, 1, 0, 0, 0), {9998, 12, 0, 31, 23, 59, 59, 999},
       "A\x05" "0\x06" "1\x07" "0\x08" "0A0B0C00000100@\x04" "99981231235959" "15830101000000"
       "99981231235959999\r\n", true},
      {0, 1, 0, 0, 0, 0, 0, COleDateTime(9999, 1, 2, 3, 4, 5), COleDateTime(100, 1, 1, 0, 0, 0),
       {100, 2, 0, 3, 4, 5, 6, 7},
       "A\x05" "0\x06" "1\x07" "0\x08" "00000000000000@\x04" "99990102030405" "01000101000000"
       "01000203040506007\r\n", false},
      // A shown time alone still writes the times field, the unknown times as zeros.
      {0, 1, 0, 0, 0, 0, 0, unknown, unknown, {2024, 2, 0, 29, 0, 0, 0, 7},
       "A\x05" "0\x06" "1\x07" "0\x08" "00000000000000@\x04" "0000000000000000000000000000"
       "20240229000000007\r\n", true},
  };
  for (const Case& c : cases) {
    auto model = MakeModel({{"A", ""}});
    CDirData* item = model->EditDirData(0);
    item->m_nStatus = c.status;
    item->m_nView = c.view;
    item->m_nBookmark = c.bookmark;
    item->m_nIdHigh = c.idHigh;
    item->m_nIdLow = c.idLow;
    item->m_nIdDigit = c.digit;
    item->m_nCaret = c.caret;
    item->SetUpdateTime(c.updated);
    item->SetCreateTime(c.created);
    item->SetDisplayTime(c.shown);
    const std::string path = MakeTempDir("kvn") + "/n.kvn";
    ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
    EXPECT_EQ(Records(ReadBytes(path)), c.record) << c.record;
    auto back = ReadFile(path);
    const CDirData* read = back->GetDirData(0);
    EXPECT_EQ(read->m_nStatus, c.status);
    EXPECT_EQ(read->m_nView, c.view);
    EXPECT_EQ(read->m_nCaret, c.caret);
    EXPECT_EQ(read->m_nIdHigh, c.idHigh & 0xFFFFFF);
    EXPECT_EQ(read->m_nIdLow, c.idLow & 0xFFFFFF);
    EXPECT_EQ(read->m_nIdDigit, c.digit);
    if (c.timesReadBack) {
      EXPECT_EQ(read->GetUpdateTimeText(TRUE), item->GetUpdateTimeText(TRUE));
      EXPECT_EQ(read->GetCreateTimeText(TRUE), item->GetCreateTimeText(TRUE));
      EXPECT_EQ(read->GetDisplayTimeText(TRUE), item->GetDisplayTimeText(TRUE));
    }
  }
}

TEST(KvnFile, AFileOfManyWriteBlocksKeepsEveryTextWhole) {
  // Texts of 600 KB each, multi-byte characters throughout: the file goes out in several blocks
  // and comes back in pieces that end inside lines and characters; one title is longer than a
  // piece.
  std::string longTitle;
  for (int i = 0; i < 600000; ++i) longTitle += "題";
  std::string line;
  for (int i = 0; i < 40; ++i) line += "漢字";
  line += "\r\n";
  std::string text;
  while (text.size() < 600000) text += line;
  std::vector<std::pair<std::string, std::string>> items = {{"R", text}};
  for (int i = 0; i < 7; ++i) items.push_back({"R/" + std::to_string(i), text + std::to_string(i)});
  items[4].first = "R/" + longTitle;
  auto model = MakeModel(items);
  const std::string path = MakeTempDir("kvn") + "/big.kvn";
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  auto back = ReadFile(path);
  ASSERT_EQ(back->GetDirDataCount(), 8);
  EXPECT_EQ(back->GetText(0), text);
  for (int i = 1; i < 8; ++i) EXPECT_EQ(back->GetText(i), text + std::to_string(i - 1) + "\r\n") << i;
  EXPECT_EQ(back->GetTitle(4), model->GetTitle(4));
  const std::string again = MakeTempDir("kvn") + "/big.kvn";
  ASSERT_EQ(back->WriteKvnFile(again.c_str()), 1);
  const std::string once = ReadBytes(path), twice = ReadBytes(again);
  // Each unended text came back ended, and its own CR LF is stored as CR CR LF.
  EXPECT_EQ(once.size() + 7, twice.size());
}
