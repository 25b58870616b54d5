// The folder-import command: its dialog, the new untitled outline it opens, and the open mode
// that applies to that one open only.
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/textctrl.h>

#include <filesystem>

#include "convert/CFolderImportDlg.h"
#include "platform/framework/CWinApp.h"
#include "resources/CommandIds.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"

namespace app_test {
namespace {

using kesta_test::WriteBytes;

// Fills the folder-import dialog: the folder, the extensions, and titles with extensions.
DialogAnswerer FolderDialogFiller(const std::string& folder, const char* extensions) {
  return DialogAnswerer([folder, ext = std::string(extensions)](wxDialog& dialog) {
    static_cast<wxTextCtrl*>(dialog.FindWindow(CFolderImportDlg::IDC_EXT))->ChangeValue(ext);
    static_cast<wxCheckBox*>(dialog.FindWindow(CFolderImportDlg::IDC_EXT_NAME))->SetValue(true);
    static_cast<wxTextCtrl*>(dialog.FindWindow(CFolderImportDlg::IDC_DIR))->ChangeValue(folder);
  });
}

TEST_F(AppTest, FolderImportOpensAnUntitledOutlineOfTheFolder) {
  ASSERT_TRUE(Start());
  const std::string folder = m_dir + "/notes";
  std::filesystem::create_directories(folder + "/sub");
  WriteBytes(folder + "/a.md", "A");
  WriteBytes(folder + "/sub/b.md", "B");
  const std::string native = SampleCopy("plain.kvn");
  const size_t before = Documents().size();
  {
    DialogAnswerer filler = FolderDialogFiller(folder, "md");
    Frame()->SendCommand(ID_FILE_IMPORT_FOLDER);
    EXPECT_TRUE(filler.m_done);
  }
  ASSERT_EQ(Documents().size(), before + 1);
  CKestavonDoc* doc = Documents().back();
  EXPECT_TRUE(doc->GetPathName().IsEmpty());
  // The outline is in no file yet: quitting asks to save it, and a cancel keeps it.
  EXPECT_TRUE(doc->IsModified());
  {
    ScopedMessageBoxHook hook(IDCANCEL);
    Frame()->Close();
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_EQ(hook.Calls()[0].flags & MB_TYPEMASK, MB_YESNOCANCEL);
  }
  ASSERT_EQ(Documents().size(), before + 1);
  const ATREE& tree = doc->GetTree();
  ASSERT_EQ(tree.GetDirDataCount(), 4);
  EXPECT_EQ(tree.GetTitle(0).str(), "notes");
  EXPECT_EQ(tree.GetTitle(1).str(), "notes\x01" "a.md");
  EXPECT_EQ(tree.GetText(3).str(), "B");
  // The dialog kept its values for the next time.
  EXPECT_EQ(AfxGetProfileString("FolderImport", "Dir", "").str(), folder);
  EXPECT_EQ(AfxGetProfileString("FolderImport", "Ext", "").str(), "md");
  EXPECT_EQ(AfxGetProfileInt("FolderImport", "ExtName", 0), 1);

  // The next open reads a file as a file again.
  CDocument* next = m_app->OpenDocumentFile(native.c_str());
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(std::string(next->GetPathName()), native);
}

}  // namespace
}  // namespace app_test
