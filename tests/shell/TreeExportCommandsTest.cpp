// The tree pane's export and output commands as the outline window's frame runs them.
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <string>

#include "shell/CKestaFrame.h"
#include "shell/TreeExportCommands.h"
#include "convert/CHtmlDlg.h"
#include "convert/CHtmlIFrameDlg.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;

class TreeExportTest : public AppTest {
 protected:
  CKestaFrame* OpenSample() {
    if (!Start({SampleCopy("trip.kvn")})) return nullptr;
    return dynamic_cast<CKestaFrame*>(Frame()->MDIGetActive());
  }
  static bool Enabled(CKestaFrame* frame, int id) {
    wxUpdateUIEvent event(id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
    return !event.GetSetEnabled() || event.GetEnabled();
  }
};

TEST(DefaultOutputNameTest, NamesFollowTheDocumentPath) {
  struct Case {
    const char* path;
    const char* extension;
    const char* name;
  } cases[] = {
      {"/home/u/notes.kvn", ".txt", "notes.txt"},
      {"/home/u/notes.v2.kvn", ".html", "notes.v2.html"},
      {"/home/u/README", ".txt", "README.txt"},
      {"net:12;Title", ".txt", "Title.txt"},
      {"", ".html", "*.html"},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultOutputName(c.path, c.extension).str(), c.name) << c.path;
}

TEST_F(TreeExportTest, ExportCommandsAreEnabledInTheOutlineWindow) {
  CKestaFrame* frame = OpenSample();
  ASSERT_NE(frame, nullptr);
  for (int id : {ID_FILE_TEXT_OUTPUT, ID_FILE_HTML_OUTPUT, ID_FILE_EXPORT_HTML_TREES, ID_FILE_EXPORT_HTML_FRAME,
                 ID_FILE_EXPORT_RTF, ID_FILE_EXPORT_XML, ID_FILE_EXPORT_WZ, ID_FILE_EXPORT_MARKDOWN,
                 ID_FILE_EXPORT_TEXT_FILES, ID_FILE_EXPORT_TEXT_FOLDER})
    EXPECT_TRUE(Enabled(frame, id)) << id;
}

TEST_F(TreeExportTest, PerTreeHtmlCreatesTheMissingFolderAndWritesThePages) {
  CKestaFrame* frame = OpenSample();
  ASSERT_NE(frame, nullptr);
  CKestavonDoc* doc = Documents().back();
  const int items = doc->GetTree().GetDirDataCount();
  // No style sheet: the test's program folder ships none.
  doc->GetTree().GetProperties().m_nCssSet = 0;
  const std::string folder = m_dir + "/site/pages";
  {
    ScopedMessageBoxHook yes(IDOK);
    DialogAnswerer filler([&](wxDialog& dialog) {
      static_cast<wxTextCtrl*>(dialog.FindWindow(CHtmlDlg::IDC_DIR))->ChangeValue(folder);
      static_cast<wxTextCtrl*>(dialog.FindWindow(CHtmlDlg::IDC_INDEX_FILE))->ChangeValue("index.html");
    });
    frame->SendCommand(ID_FILE_EXPORT_HTML_TREES);
    EXPECT_TRUE(filler.m_done);
    ASSERT_EQ(yes.Calls().size(), 1u);
    EXPECT_EQ(yes.Calls()[0].flags & MB_TYPEMASK, MB_OKCANCEL);
  }
  EXPECT_TRUE(fs::exists(folder + "/index.html"));
  EXPECT_TRUE(fs::exists(folder + "/index1.html"));
  EXPECT_EQ(doc->GetTree().GetDirDataCount(), items);
}

TEST_F(TreeExportTest, FramedHtmlWritesTheMainPageAndTheStartPageUnderTheirOwnNames) {
  CKestaFrame* frame = OpenSample();
  ASSERT_NE(frame, nullptr);
  Documents().back()->GetTree().GetProperties().m_nCssSet = 0;
  const std::string folder = m_dir + "/framed";
  fs::create_directories(folder);
  DialogAnswerer filler([&](wxDialog& dialog) {
    static_cast<wxTextCtrl*>(dialog.FindWindow(CHtmlIFrameDlg::IDC_DIR))->ChangeValue(folder);
    static_cast<wxTextCtrl*>(dialog.FindWindow(CHtmlIFrameDlg::IDC_TREE_FILE))->ChangeValue("main.html");
    static_cast<wxTextCtrl*>(dialog.FindWindow(CHtmlIFrameDlg::IDC_INDEX_FILE))->ChangeValue("start.html");
  });
  frame->SendCommand(ID_FILE_EXPORT_HTML_FRAME);
  EXPECT_TRUE(filler.m_done);
  const std::string main = kesta_test::ReadBytes(folder + "/main.html");
  const std::string start = kesta_test::ReadBytes(folder + "/start.html");
  // The main page frames the start page; the start page is the first tree's own page.
  EXPECT_NE(main.find("name=\"content\""), std::string::npos);
  EXPECT_NE(main.find("src=\"start.html\""), std::string::npos);
  EXPECT_EQ(start.find("name=\"content\""), std::string::npos);
  EXPECT_NE(start.find("<h1>"), std::string::npos);
  EXPECT_TRUE(fs::exists(folder + "/start1.html"));
  EXPECT_FALSE(fs::exists(folder + "/main1.html"));
}

TEST_F(TreeExportTest, PerTreeHtmlStopsWhenTheFolderIsNotWanted) {
  CKestaFrame* frame = OpenSample();
  ASSERT_NE(frame, nullptr);
  const std::string folder = m_dir + "/nowhere";
  ScopedMessageBoxHook no(IDCANCEL);
  DialogAnswerer filler([&](wxDialog& dialog) {
    static_cast<wxTextCtrl*>(dialog.FindWindow(CHtmlDlg::IDC_DIR))->ChangeValue(folder);
    static_cast<wxTextCtrl*>(dialog.FindWindow(CHtmlDlg::IDC_INDEX_FILE))->ChangeValue("index.html");
  });
  frame->SendCommand(ID_FILE_EXPORT_HTML_TREES);
  EXPECT_FALSE(fs::exists(folder));
}

TEST_F(TreeExportTest, PerTreeTextFilesUnfoldForTheWritingAndKeepTheFolding) {
  CKestaFrame* frame = OpenSample();
  ASSERT_NE(frame, nullptr);
  ATREE& tree = Documents().back()->GetTree();
  tree.CollapseAll(0);
  tree.MakeTreeData();
  const int rows = tree.GetRows().GetTreeDataCount();
  const int items = tree.GetDirDataCount();
  ASSERT_LT(rows, items);
  const std::string base = m_dir + "/out/trip.txt";
  fs::create_directories(m_dir + "/out");
  // The top tree current: every tree is written.
  EXPECT_EQ(ExportTreeTextFiles(tree, 0, base.c_str()), items);
  EXPECT_TRUE(fs::exists(base));
  EXPECT_TRUE(fs::exists(m_dir + "/out/trip1.txt"));
  tree.MakeTreeData();
  EXPECT_EQ(tree.GetRows().GetTreeDataCount(), rows);
}

}  // namespace
}  // namespace app_test
