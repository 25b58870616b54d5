// The replace of link file names as the outline window's frame runs it.
#include <string>

#include "app/CRepDlg.h"
#include "shell/CKestaFrame.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/shell/AppFixture.h"
#include "tests/treeview/ModalAnswers.h"

namespace app_test {
namespace {

TEST_F(AppTest, ReplacingLinkNamesChangesTheLinksBelowTheCurrentTreeInOneUndoStep) {
  ASSERT_TRUE(Start({SampleCopy("trip.kvn")}));
  auto* frame = dynamic_cast<CKestaFrame*>(Frame()->MDIGetActive());
  ASSERT_NE(frame, nullptr);
  CKestavonDoc* doc = Documents().front();
  ATREE& tree = doc->GetTree();
  ASSERT_GE(tree.GetDirDataCount(), 3);
  tree.SetLink(1, "old/a.txt");
  tree.SetLink(2, "old/old.txt");

  ModalAnswers answer([](wxDialog* dialog) {
    auto* replace = dynamic_cast<CRepDlg*>(dialog);
    EXPECT_TRUE(replace && replace->m_bLinkMode);
    replace->m_strFind = "old";
    replace->m_strReplace = "new";
    replace->m_bRegExp = FALSE;
    return static_cast<int>(wxID_OK);
  });
  ScopedMessageBoxHook boxes(IDOK);
  frame->SendCommand(ID_EDIT_REPLACE_LINK_NAMES);
  EXPECT_EQ(tree.GetLink(1).str(), "new/a.txt");
  EXPECT_EQ(tree.GetLink(2).str(), "new/new.txt");
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text.str(), "3個を置換しました");
  EXPECT_TRUE(doc->IsModified());

  doc->Undo();
  EXPECT_EQ(doc->GetTree().GetLink(2).str(), "old/old.txt");
}

}  // namespace
}  // namespace app_test
