#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "model/ATREE.h"
#include "model/dialogs/CPasswordDlg.h"
#include "model/KvnCrypt.h"
#include "model/KvnFileLines.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;
using model_test::DialogDriver;
using model_test::MakeModel;
using model_test::MessageRecorder;
using model_test::PressButton;
using model_test::TypeAndOk;

namespace {

std::unique_ptr<ATREE> SampleModel() {
  auto model = MakeModel({{"Root", "本文\r\n"}, {"Root/子", "text\r\n"}, {"Root/子/孫", ""}, {"Root/次", "x\r\ny\r\n"}});
  model->EditDirData(1)->m_nBookmark = 1;
  model->GetProperties().m_strAuthor = "作者";
  return model;
}

void ExpectSameItems(const ATREE& a, const ATREE& b) {
  ASSERT_EQ(a.GetDirDataCount(), b.GetDirDataCount());
  for (int i = 0; i < a.GetDirDataCount(); ++i) {
    EXPECT_EQ(a.GetTitle(i), b.GetTitle(i));
    EXPECT_EQ(a.GetText(i), b.GetText(i));
    EXPECT_EQ(a.GetBookmark(i), b.GetBookmark(i));
    EXPECT_EQ(a.GetDirData(i)->GetIdText(TRUE), b.GetDirData(i)->GetIdText(TRUE));
  }
  EXPECT_EQ(a.GetProperties().m_strAuthor, b.GetProperties().m_strAuthor);
}

}  // namespace

TEST(KvnCrypt, BlocksComeBackAfterEncipheringForEveryLength) {
  for (const char* key : {KvnCrypt::NoPasswordKey, "0A1B2C3D4E"}) {
    const int k = static_cast<int>(std::strlen(key));
    for (int n = 0; n <= k; ++n) {
      unsigned char data[64];
      for (int i = 0; i < n; ++i) data[i] = static_cast<unsigned char>(i * 37 + 11);
      unsigned char original[64];
      std::memcpy(original, data, sizeof(data));
      KvnCrypt::EncipherBlock(data, key, n);
      if (n > 1) {
        EXPECT_NE(std::memcmp(data, original, static_cast<size_t>(n)), 0);
      }
      KvnCrypt::DecipherBlock(data, key, n);
      EXPECT_EQ(std::memcmp(data, original, static_cast<size_t>(n)), 0) << key << " " << n;
    }
  }
}

TEST(KvnCrypt, PasswordHashShape) {
  EXPECT_EQ(PasswordHash(""), "");
  for (const char* password : {"a", "password", "パスワード", "PASSWORD", "ｐａｓｓ", "x y z 1 2 3 ~"}) {
    const CString hash = PasswordHash(password);
    EXPECT_FALSE(hash.IsEmpty());
    EXPECT_EQ(hash.GetLength() % 2, 0) << password;
    EXPECT_EQ(hash.SpanIncluding("0123456789ABCDE"), hash) << password;
    EXPECT_EQ(PasswordHash(password), hash);  // deterministic
  }
  EXPECT_NE(PasswordHash("password"), PasswordHash("PASSWORD"));
  EXPECT_EQ(HexDigitValue(HexDigitChar(14)), 14);
}

TEST(KvnCrypt, WritePasswordOnlyFileIsEncipheredAndOpensWithoutPrompt) {
  auto model = SampleModel();
  model->GetProperties().m_strWritePassword = PasswordHash("w");
  const std::string path = MakeTempDir("crypt") + "/w.kvn";
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  const std::string bytes = ReadBytes(path);
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(bytes.substr(0, 5), "PELKO");
  EXPECT_EQ(bytes.substr(8, 4), std::string("\x01\x01\x00\x00", 4));  // N = 0
  EXPECT_TRUE(KvnCrypt::IsEncryptedFile(path.c_str()));
  EXPECT_EQ(bytes.find("Root"), std::string::npos);

  ATREE back;  // no dialog may come up: none is answered
  ASSERT_EQ(back.ReadKvnFile(path.c_str()), 1);
  ExpectSameItems(*model, back);
  EXPECT_TRUE(back.GetProperties().m_strReadPassword.IsEmpty());
  EXPECT_EQ(back.GetProperties().m_strWritePassword, model->GetProperties().m_strWritePassword);
}

TEST(KvnCrypt, AnEncipheredSaveThatFailsLeavesNoFileBehind) {
  auto model = SampleModel();
  model->EditDirData(0)->m_strText = CString(std::string(200000, 'p'));
  model->GetProperties().m_strReadPassword = PasswordHash("r");
  const std::string dir = MakeTempDir("crypt");
  const std::string path = dir + "/e.kvn";
  WriteBytes(path, "old");
  auto folder = [&dir] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename());
    return names;
  };
  MessageRecorder messages;
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 50000;
  setrlimit(RLIMIT_FSIZE, &small);
  const int result = model->WriteKvnFile(path.c_str());
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(folder(), std::vector<std::string>{"e.kvn"});
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  EXPECT_EQ(folder(), std::vector<std::string>{"e.kvn"});
  EXPECT_EQ(ReadBytes(path).find("ppppp"), std::string::npos);
}

TEST(KvnCrypt, RecognisesALowerCaseLetterAndABodyOfWholeBlocks) {
  // A plain body of exactly two key lengths, enciphered by hand with the no-password key.
  const std::string dir = MakeTempDir("crypt");
  const int k = static_cast<int>(std::strlen(KvnCrypt::NoPasswordKey));
  std::string plain(static_cast<size_t>(2 * k), 'q');
  plain[10] = '\n';
  plain[static_cast<size_t>(k)] = '\n';
  plain.back() = '\n';
  std::string body = plain;
  for (int b = 0; b < 2; ++b) {
    KvnCrypt::EncipherBlock(reinterpret_cast<unsigned char*>(body.data()) + b * k, KvnCrypt::NoPasswordKey, k);
  }
  WriteBytes(dir + "/b.kvn", std::string("PELKO12z\x01\x01\x00\x00", 12) + body);
  EXPECT_TRUE(KvnCrypt::IsEncryptedFile((dir + "/b.kvn").c_str()));
  KvnFileLines file;
  ASSERT_TRUE(file.Open((dir + "/b.kvn").c_str()));
  EXPECT_TRUE(file.IsDeciphered());
  std::string all;
  std::string_view line;
  while (file.ReadLine(line)) all += line;
  EXPECT_EQ(all, plain);
}

TEST(KvnCrypt, ReadPasswordIsAskedAndChecked) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  auto model = SampleModel();
  model->GetProperties().m_strReadPassword = PasswordHash("秘密");
  const std::string path = MakeTempDir("crypt") + "/r.kvn";
  ASSERT_EQ(model->WriteKvnFile(path.c_str()), 1);
  const std::string bytes = ReadBytes(path);
  const size_t n = static_cast<unsigned char>(bytes[10]) | (static_cast<unsigned char>(bytes[11]) << 8);
  EXPECT_EQ(n, static_cast<size_t>(PasswordHash("秘密").GetLength() / 2));

  {  // wrong password
    MessageRecorder messages;
    DialogDriver driver({TypeAndOk(CPasswordDlg::IDC_PASSWORD, "himitsu")});
    ATREE back;
    EXPECT_EQ(back.ReadKvnFile(path.c_str()), 0);
    EXPECT_EQ(back.GetDirDataCount(), 0);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "パスワードが違います。大文字小文字半角全角に注意して入力してください。");
  }
  {  // cancelled: no message
    MessageRecorder messages;
    DialogDriver driver({PressButton(2)});
    ATREE back;
    EXPECT_EQ(back.ReadKvnFile(path.c_str()), 0);
    EXPECT_TRUE(messages.texts.empty());
  }
  {  // right password: the same model, and the next save keys the file the same way
    CString shownName;
    DialogDriver driver({[&](wxDialog* dialog) {
      shownName = static_cast<CPasswordDlg*>(dialog)->m_strFileName;
      TypeAndOk(CPasswordDlg::IDC_PASSWORD, "秘密")(dialog);
    }});
    ATREE back;
    ASSERT_EQ(back.ReadKvnFile(path.c_str()), 1);
    EXPECT_EQ(shownName, "r.kvn");
    ExpectSameItems(*model, back);
    EXPECT_EQ(back.GetProperties().m_strReadPassword, PasswordHash("秘密"));
    const std::string again = MakeTempDir("crypt") + "/r.kvn";
    ASSERT_EQ(back.WriteKvnFile(again.c_str()), 1);
    EXPECT_EQ(ReadBytes(again).substr(10), bytes.substr(10));
  }
}

TEST(KvnCrypt, WritePasswordIsAskedOncePerModel) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  auto model = SampleModel();
  model->GetProperties().m_strWritePassword = PasswordHash("w");
  const std::string path = MakeTempDir("crypt") + "/p.kvn";
  {
    MessageRecorder messages;
    DialogDriver driver({TypeAndOk(CPasswordDlg::IDC_PASSWORD, "W")});
    EXPECT_EQ(model->SaveFile(path.c_str()), 0);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "書込パスワードが違います。大文字小文字半角全角に注意して入力してください。");
  }
  {
    DialogDriver driver({TypeAndOk(CPasswordDlg::IDC_PASSWORD, "w")});
    EXPECT_EQ(model->SaveFile(path.c_str()), 1);
    EXPECT_EQ(driver.Remaining(), 0u);
  }
  DialogDriver none({});
  EXPECT_EQ(model->SaveFile(path.c_str()), 1);  // granted until the document closes
  ATREE reopened;
  ASSERT_EQ(reopened.ReadKvnFile(path.c_str()), 1);
  DialogDriver cancel({PressButton(2)});
  EXPECT_EQ(reopened.SaveFile(path.c_str()), 0);
}
