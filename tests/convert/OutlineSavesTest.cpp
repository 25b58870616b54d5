// Saving a document as the other editor's outline or as plain text through the model's save by
// extension: the form each name chooses, the top item of a .mem file, and the refusals of the
// text save.
#include "tests/convert/ImportFixture.h"

#include <unistd.h>

#include "convert/CTextExporter.h"
#include "model/CTextOutputOptions.h"
#include "platform/framework/CWinApp.h"

namespace {

class OutlineSavesTest : public ImportTest {
 protected:
  void SetUp() override {
    ImportTest::SetUp();
    BuildSample(m_model);
  }
};

TEST_F(OutlineSavesTest, AMemNameWritesTheOtherEditorsOutline) {
  // The top item titled as the file is left out, as reading such a file names it again.
  const std::string named = m_dir + "/Plan.mem";
  ASSERT_EQ(m_model.WriteByExtension(named.c_str()), 1);
  EXPECT_EQ(kesta_test::ReadBytes(named), ".One\r\n..Deep\r\na\r\nb\r\n.Two\r\ntwo\r\n");
  const std::string other = m_dir + "/other.MEM";
  ASSERT_EQ(m_model.WriteByExtension(other.c_str()), 1);
  EXPECT_EQ(kesta_test::ReadBytes(other), ".Plan\r\nintro\r\n..One\r\n...Deep\r\na\r\nb\r\n..Two\r\ntwo\r\n");
}

TEST_F(OutlineSavesTest, AnyOtherNameWritesTheWholeOutlineAsTheTextExport) {
  ATREE expanded(m_model);
  expanded.ExpandAll(0);
  CTextOutputOptions options;
  options.Load();
  const std::string reference = m_dir + "/reference";
  CTextExporter exporter(expanded, options);
  ASSERT_TRUE(exporter.OutputTextFile(0, expanded.GetDirDataCount(), reference.c_str()));

  for (const char* name : {"/notes.txt", "/noext"}) {
    const std::string path = m_dir + name;
    ASSERT_EQ(m_model.WriteByExtension(path.c_str()), 1) << name;
    EXPECT_EQ(kesta_test::ReadBytes(path), kesta_test::ReadBytes(reference)) << name;
  }
  EXPECT_NE(kesta_test::ReadBytes(reference).find("Deep"), std::string::npos);
}

TEST_F(OutlineSavesTest, TheTextSaveIsRefusedAsTheSettingsAndFilterSay) {
  const std::string path = m_dir + "/notes.txt";
  AfxWriteProfileInt("System", "bTextFile", 1);
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    EXPECT_EQ(m_model.WriteByExtension(path.c_str()), 0);
    ASSERT_EQ(cancel.Calls().size(), 1u);
    EXPECT_EQ(cancel.Calls()[0].flags, MB_OKCANCEL | MB_ICONQUESTION);
  }
  EXPECT_EQ(access(path.c_str(), F_OK), -1);
  EXPECT_EQ(m_model.WriteByExtension(path.c_str()), 1);

  AfxWriteProfileInt("System", "bTextFile", 0);
  const struct {
    int filter;
    const char* message;
  } cases[] = {{1, "「チェックツリーのみ表示」になっています。解除しないと保存できません。\n"
                   "[表示]-[チェックツリーの表示]-[全て表示]を行ってください"},
               {2, "「チェックツリー以外表示」になっています。解除しないと保存できません。\n"
                   "[表示]-[チェックツリーの表示]-[全て表示]を行ってください"}};
  for (const auto& c : cases) {
    m_model.SetCheckFilter(c.filter);
    ScopedMessageBoxHook boxes(IDOK);
    EXPECT_EQ(m_model.WriteByExtension((m_dir + "/filtered.txt").c_str()), 0);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, c.message);
  }
}

}  // namespace
