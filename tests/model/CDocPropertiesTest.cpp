#include <gtest/gtest.h>

#include "model/CDocProperties.h"

TEST(CDocProperties, DefaultsWriteOnlyTheTreeViewLine) {
  const CDocProperties props;
  EXPECT_EQ(props.GetLinesText(), "TreeView=0\n");
}

TEST(CDocProperties, HtmlOptionNeedsSixDigits) {
  CDocProperties props;
  props.ReadKey("HtmlOption", "00000");
  EXPECT_EQ(props.m_bHtmlOptionsSet, 0);
  EXPECT_EQ(props.m_bFullPath, 1);
  props.ReadKey("HtmlOption", "010101");
  EXPECT_EQ(props.m_bHtmlOptionsSet, 1);
  EXPECT_EQ(props.m_bFullPath, 0);
  EXPECT_EQ(props.m_bNoBR, 0);
  EXPECT_EQ(props.m_bLinkFile, 1);
  EXPECT_EQ(props.m_bAutoLink, 1);  // digits 7-12 keep their values
  EXPECT_NE(props.GetLinesText().Find("HtmlOption=010101010110\n"), -1);
}

TEST(CDocProperties, SmallKeys) {
  CDocProperties props;
  props.ReadKey("NetOption", "2");
  EXPECT_EQ(props.m_nUploadOption, 0);
  props.ReadKey("NetOption", "20");
  EXPECT_EQ(props.m_nUploadOption, 2);
  EXPECT_EQ(props.m_nNetOption2, 0);
  props.ReadKey("FirstLine", "-12abc");
  EXPECT_EQ(props.m_nFirstLine, -12);
  props.ReadKey("HtmlDir", "/out");
  EXPECT_EQ(props.m_bHtmlDirSet, 1);
  props.ReadKey("TemplateFile07", "\"/a b/t.txt\",second");
  props.ReadKey("TemplateFile01", "x");
  ASSERT_EQ(props.m_templates.size(), 2u);
  EXPECT_EQ(props.m_templates[0].m_strPath, "/a b/t.txt");
  EXPECT_EQ(props.m_templates[0].m_strText, "second");
  EXPECT_EQ(props.m_templates[1].m_strPath, "");
  props.ReadKey("ParentProperty", "12");
  props.ReadKey("ParentProperty", "1,2");
  ASSERT_EQ(props.m_parentProperties.size(), 1u);
  props.m_strReadPassword = "ABCD";
  const CString text = props.GetLinesText();
  EXPECT_NE(text.Find("TemplateFile00=\"/a b/t.txt\",second\nTemplateFile01=\"\",\n"), -1);
  EXPECT_NE(text.Find("ParentProperty=1,2\n"), -1);
  EXPECT_EQ(text.Find("ABCD"), -1);  // the read password hash never goes to the header
}
