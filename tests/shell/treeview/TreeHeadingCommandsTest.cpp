// The heading-character commands: the style list of the document and showing the characters.
#include <fstream>
#include <sstream>

#include "platform/framework/CWinApp.h"
#include "resources/CommandIds.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "treeview/CShoListDlg.h"

namespace treepane_test {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST_F(TreePaneTest, TheStyleListGoesIntoTheFileOnceAskedAndStaysThere) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/B"});
  ASSERT_TRUE(doc);
  const std::string path = m_dir + "/styles.kvn";
  {
    ModalAnswers cancel([](wxDialog*) { return wxID_CANCEL; });
    Command(ID_SETTINGS_HEADING_CHARS);
    ASSERT_EQ(cancel.titles.size(), 1u);
  }
  EXPECT_FALSE(doc->IsModified());
  EXPECT_FALSE(doc->GetTree().GetShoStr().GetSaveInDocument());

  for (int tick : {1, 0}) {
    SCOPED_TRACE(tick);
    ModalAnswers ok([tick](wxDialog* dialog) {
      static_cast<CShoListDlg*>(dialog)->m_bSaveInFile = tick;
      return wxID_OK;
    });
    Command(ID_SETTINGS_HEADING_CHARS);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
    EXPECT_NE(ReadFile(path).find("ShoStrCount="), std::string::npos);
  }
}

TEST_F(TreePaneTest, ShowingHeadingCharactersIsStoredAndToggledBack) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A"});
  ASSERT_TRUE(doc);
  COwnerListBox* list = ListOf(doc);
  const int first = list->m_bShowSho;
  Command(ID_VIEW_HEADING_TOGGLE);
  EXPECT_EQ(list->m_bShowSho, first ? 0 : 1);
  EXPECT_EQ(AfxGetProfileInt("View", "ViewShoStr", -1), first ? 0 : 1);
  EXPECT_EQ(doc->GetTree().GetProperties().m_nTreeView, list->m_bShowSho);
  Command(ID_VIEW_HEADING_TOGGLE);
  EXPECT_EQ(list->m_bShowSho, first);
  EXPECT_EQ(AfxGetProfileInt("View", "ViewShoStr", -1), first);

  list->m_nTreeMode = 1;
  Command(ID_VIEW_HEADING_SHOW);
  EXPECT_EQ(list->m_bShowSho, 1);
  EXPECT_EQ(list->m_nTreeMode, 1);
  Command(ID_VIEW_HEADING_HIDE);
  EXPECT_EQ(list->m_bShowSho, 0);
  EXPECT_EQ(list->m_nTreeMode, 0) << "hiding them leaves the chapter display";
}

}  // namespace
}  // namespace treepane_test
