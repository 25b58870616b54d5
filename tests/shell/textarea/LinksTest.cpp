#include <gtest/gtest.h>

#include <string>

#include "app/CKestavonApp.h"
#include "model/CLinkPath.h"
#include "platform/framework/CDocManager.h"
#include "platform/framework/CDocTemplate.h"
#include "tests/shell/textarea/TextPaneFixture.h"

namespace {

using textpane_test::TextPaneTest;

class LinksTest : public TextPaneTest {
 protected:
  // The link to item of the outline, with the file part given.
  static CString LinkTo(CKestavonDoc* doc, int item, const char* file) {
    CLinkPath link;
    doc->GetTree().GetTreeLinkText(item, link);
    link.SetPath(file);
    return link.MakeTreeLink(TRUE);
  }
};

TEST_F(LinksTest, ATreeLinkOfThisOutlineSelectsItsTreeAndKeepsTheEdit) {
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  EditOf(doc).SetSel(0, 0);
  EditOf(doc).ReplaceSel("追記");
  const CString link = LinkTo(doc, 3, ".");
  ASSERT_TRUE(CLinkPath::IsTreeLink(link));
  TextOf(doc)->OpenLink(link);
  EXPECT_EQ(doc->GetCurrentTree(), 3);
  EXPECT_EQ(Text(doc), "三つ目\r\n");
  EXPECT_EQ(Stored(doc, 1), "追記一つ目の本文\r\n") << "the edit stays with the tree it was made in";
}

TEST_F(LinksTest, ATreeLinkToAnotherOutlineOpensItAndSelectsTheTree) {
  const std::string other = WriteOutline("other.kvn", {"root", "root/a", "root/b"}, nullptr);
  CKestavonDoc* doc = OpenTexts();
  // The link to the other outline's "b", written relative to this document.
  CLinkPath link;
  link.SetPath("./other.kvn");
  link.AddTitle("");
  link.AddTitle("b");
  TextOf(doc)->OpenLink(link.MakeTreeLink(TRUE));
  CKestavonDoc* opened = nullptr;
  for (CDocTemplate* docTemplate : m_app->m_pDocManager->GetDocTemplates())
    for (CDocument* candidate : docTemplate->GetDocuments())
      if (candidate != doc) opened = dynamic_cast<CKestavonDoc*>(candidate);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->GetPathName(), CString(other));
  EXPECT_EQ(opened->GetCurrentTree(), 2);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
}

}  // namespace
