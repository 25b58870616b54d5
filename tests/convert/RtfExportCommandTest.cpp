// The RTF command's whole run on a document: the dialog's file name is remembered by the document,
// the selected tree alone or the whole outline is written, and a file that cannot be written
// leaves nothing to open.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>

#include "app/CKestavonDoc.h"
#include "convert/CRtfOutDlg.h"
#include "convert/RtfExport.h"
#include "convert/RtfExportCommand.h"
#include "model/CDirData.h"
#include "platform/desktop/CFont.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/Shell.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"
#include "tests/model/ModelTestSupport.h"

namespace {

class RtfExportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    m_dir = kesta_test::MakeTempDir("rtfcmd");
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(m_dir + "/kesta32.ini");
    ASSERT_TRUE(m_doc.OnNewDocument());
    ATREE& tree = m_doc.GetTree();
    tree.DeleteContents();
    for (const char* path : {"本", "本\x01" "一章", "本\x01" "一章\x01" "節", "本\x01" "二章"}) {
      tree.AddDirData(std::make_unique<CDirData>(path, "", "", 0));
    }
    tree.MakeTreeData();
    m_doc.SetModifiedFlag(FALSE);
    for (CFont& font : m_fonts) font.CreatePointFont(120, "ＭＳ ゴシック");
    m_paneFont.CreatePointFont(100, "ＭＳ 明朝");
  }
  // Runs the command with the name typed into the dialog and the selected-tree box as given.
  bool Run(const std::string& name, bool selectedOnly) {
    WhenShown run([&](wxDialog* d) {
      DlgEdit(d, CRtfOutDlg::IDC_FILE_NAME)->ChangeValue(CP932ToWx(name));
      DlgCheck(d, CRtfOutDlg::IDC_SELECT_TREE)->SetValue(selectedOnly);
      Click(d, IDOK);
    });
    return RunRtfExport(m_doc, nullptr, m_fonts, m_paneFont);
  }
  std::string m_dir;
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
  ScopedShellOpener m_noOpener{""};
  CKestavonDoc m_doc;
  CFont m_fonts[kRtfLevelFonts];
  CFont m_paneFont;
};

TEST_F(RtfExportCommandTest, TheChosenFileIsWrittenAndRememberedByTheDocument) {
  m_doc.SetCurrentTree(1);
  const std::string path = m_dir + "/chapter.rtf";
  ASSERT_TRUE(Run(path, true));
  const std::string rtf = kesta_test::ReadBytes(path);
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  // "一章" and "節" are in, "本" and "二章" are not.
  EXPECT_NE(rtf.find("\\'88\\'ea\\'8f\\'cd"), std::string::npos);
  EXPECT_NE(rtf.find("\\'90\\'df"), std::string::npos);
  EXPECT_EQ(rtf.find("\\'96\\'7b"), std::string::npos);
  EXPECT_EQ(rtf.find("\\'93\\'f1"), std::string::npos);
  EXPECT_EQ(m_doc.GetTree().GetProperties().m_strRtfFileName, path.c_str());
  EXPECT_TRUE(m_doc.IsModified());

  // The same name again leaves the document unmodified; the whole outline has every title.
  m_doc.SetModifiedFlag(FALSE);
  ASSERT_TRUE(Run(path, false));
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_NE(kesta_test::ReadBytes(path).find("\\'96\\'7b"), std::string::npos);
}

TEST_F(RtfExportCommandTest, FoldedTreesAreWrittenUnderACheckFilter) {
  ATREE& tree = m_doc.GetTree();
  for (int i = 0; i < tree.GetDirDataCount(); ++i) tree.EditDirData(i)->m_nStatus = 1;
  tree.SetCheckFilter(1);
  tree.CollapseAll(1);
  tree.MakeTreeData();
  const int rows = tree.GetRows().GetTreeDataCount();
  const std::string path = m_dir + "/filtered.rtf";
  ASSERT_TRUE(Run(path, false));
  // "節" lies folded under "一章".
  EXPECT_NE(kesta_test::ReadBytes(path).find("\\'90\\'df"), std::string::npos);
  EXPECT_EQ(tree.GetDirData(2)->m_nView, 0);
  EXPECT_EQ(tree.GetRows().GetTreeDataCount(), rows);
}

TEST_F(RtfExportCommandTest, TheFontButtonEditsTheLevelFonts) {
  bool fromDialog = false;
  bool enabled = false;
  WhenShown run([&](wxDialog* d) {
    enabled = d->FindWindow(CRtfOutDlg::IDC_PRINT_FONTS)->IsEnabled();
    Click(d, CRtfOutDlg::IDC_PRINT_FONTS);
    Click(d, IDCANCEL);
  });
  RunRtfExport(m_doc, nullptr, m_fonts, m_paneFont,
               [&](wxWindow* parent) { fromDialog = dynamic_cast<CRtfOutDlg*>(parent) != nullptr; });
  EXPECT_TRUE(enabled);
  EXPECT_TRUE(fromDialog);
}

TEST_F(RtfExportCommandTest, CancelOrAFileThatCannotBeWrittenWritesNothing) {
  {
    WhenShown run([](wxDialog* d) { Click(d, IDCANCEL); });
    EXPECT_FALSE(RunRtfExport(m_doc, nullptr, m_fonts, m_paneFont));
  }
  EXPECT_FALSE(m_doc.IsModified());
  model_test::MessageRecorder messages;
  EXPECT_FALSE(Run(m_dir + "/missing/out.rtf", false));
  EXPECT_EQ(messages.texts, std::vector<std::string>{"出力ファイルが作れません"});
}

}  // namespace
