// The texts the program carries: the framed HTML export's main page template, whole, with each
// of its placeholders and nothing of its build left in it.
#include <gtest/gtest.h>

#include <string>

#include "resources/TextResources.h"

namespace {

TEST(TextResources, TheMainPageTemplateHoldsEveryPlaceholder) {
  CString text;
  ASSERT_TRUE(LoadTextResource(kTextResourceType, IDR_TREE_PAGE_TEMPLATE, text));
  const std::string page = text.str();
  for (const char* name : {"CHARSET", "TITLE", "CSS", "HEADFILE", "INSFILEUP", "INSFILEBOTTOM", "INDEX1", "BACKSTYLE",
                           "TREEWIDTH", "TEXTWIDTH", "TREE"}) {
    EXPECT_NE(page.find(std::string("%%KVN_HTML_") + name + "%%"), std::string::npos) << name;
  }
  EXPECT_EQ(page.find("@TREE_PAGE_"), std::string::npos);
  EXPECT_EQ(page.find('\r'), std::string::npos);
  EXPECT_EQ(page.find('\0'), std::string::npos);  // no terminating zero stored
  EXPECT_TRUE(page.ends_with("</html>\n"));
  for (unsigned char ch : page) EXPECT_LT(ch, 0x80u) << "the template is plain ASCII";

  EXPECT_FALSE(LoadTextResource(kTextResourceType, 222, text));
  EXPECT_FALSE(LoadTextResource("TEXT", IDR_TREE_PAGE_TEMPLATE, text));
}

}  // namespace
