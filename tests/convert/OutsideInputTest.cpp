// Outside files that the program could not keep: every reader of the converters refuses a FIFO at
// once, whatever its name says, and a folder import goes past one; an import that no outline
// file could hold and be opened again is refused.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "convert/CTreeJsonSerializer.h"
#include "convert/LinkBlocks.h"
#include "foundation/ImageSize.h"
#include "model/KvnCrypt.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/CWinApp.h"
#include "tests/convert/ImportFixture.h"

namespace {

TEST_F(ImportTest, EveryReaderRefusesAFifoAtOnce) {
  for (const char* name : {"x.kvn", "x.txt", "x.htm", "x.mem", "x.pdb", "x.json", "x.png"}) {
    const std::string path = m_dir + "/" + name;
    kesta_test::MakeFifo(path);
    EXPECT_TRUE(kesta_test::EndsAtOnce([&] {
      ScopedMessageBoxHook answers(IDOK);
      for (const int mode : {0, 1}) {
        if (m_model.OpenFile(path.c_str(), mode, 0) != -1) _exit(1);
      }
      ATREE other;
      if (CTreeJsonSerializer(other).ReadFile(path.c_str()) != 0) _exit(1);
      if (!GetLinkText(path.c_str()).IsEmpty()) _exit(1);
      const SIZE size = GetImageSize(path.c_str());
      if (size.cx != 0 || size.cy != 0) _exit(1);
    })) << name;
  }
}

TEST_F(ImportTest, AFolderImportGoesPastAFifo) {
  const std::string top = m_dir + "/top";
  std::filesystem::create_directories(top);
  kesta_test::WriteBytes(top + "/a.txt", "a");
  kesta_test::MakeFifo(top + "/b.txt");
  AfxWriteProfileString("FolderImport", "Ext", "txt");
  EXPECT_TRUE(kesta_test::EndsAtOnce([&] {
    ScopedMessageBoxHook answers(IDOK);
    if (m_model.OpenFile(top.c_str(), 2, 0) <= 0 || answers.Calls().size() != 1) _exit(1);
    if (answers.Calls()[0].text != CString("ファイルのオープンに失敗しました:") + (top + "/b.txt").c_str()) _exit(1);
    if (DumpOf(m_model) != std::vector<std::string>{"top=", "top/a=a"}) _exit(1);
  }));
}

TEST_F(ImportTest, AnImportTooLargeForAnOutlineFileIsRefused) {
  const std::string path = Write("big.txt", std::string(3000, 'x') + "\r\n");
  {
    kesta_test::ScopedValue<long long> limit(KvnCrypt::s_nMostFileBytes, 2000);
    ScopedMessageBoxHook answers(IDOK);
    EXPECT_EQ(Open(path), -1);
    ASSERT_EQ(answers.Calls().size(), 1u);
    EXPECT_EQ(answers.Calls()[0].text, "ファイルが大きすぎるため開けません：" + CString(path.c_str()));
  }
  EXPECT_EQ(Open(path), 1);
}

}  // namespace
