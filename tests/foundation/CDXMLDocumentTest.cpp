#include "foundation/CDXMLDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

CDXMLElement* Load(CDXMLDocument& doc, const CString& text) {
  EXPECT_EQ(1, doc.LoadXmlText(text, 0));
  CDXMLElement* root = doc.GetDocumentElement();
  EXPECT_NE(nullptr, root);
  return root;
}

TEST(DXMLDocument, FindsElementsByTagNameInDocumentOrder) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<kvn><a>x</a><b><a>y</a></b></kvn>");
  EXPECT_EQ("kvn", root->GetNodeName());
  const CDXMLNodeList list = root->GetElementsByTagName("a");
  ASSERT_EQ(2, list.GetLength());
  EXPECT_EQ("x", list.GetItem(0)->GetText());
  EXPECT_EQ("y", list.GetItem(1)->GetText());
  EXPECT_EQ(nullptr, list.GetItem(2));
  EXPECT_EQ(nullptr, list.GetItem(-1));
  EXPECT_EQ(0, root->GetElementsByTagName("A").GetLength());  // names compare exactly
  EXPECT_EQ(3, root->GetElementsByTagName().GetLength());
}

TEST(DXMLDocument, EmptyTextGivesNamelessRootWithOneEmptyText) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "  \r\n");
  EXPECT_EQ("", root->GetNodeName());
  ASSERT_EQ(1, root->GetChildNodes().GetLength());
  EXPECT_EQ(CDXMLNode::TEXT_NODE, root->GetChildNodes().GetItem(0)->GetNodeType());
  EXPECT_EQ("", root->GetChildNodes().GetItem(0)->GetNodeValue());
}

TEST(DXMLDocument, NestedSameNameMatchesByLevel) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<r><d>1<d>2</d>3</d><d>4</d></r>");
  const CDXMLNodeList list = root->GetElementsByTagName("d");
  ASSERT_EQ(3, list.GetLength());
  EXPECT_EQ("123", list.GetItem(0)->GetText());
  EXPECT_EQ("2", list.GetItem(1)->GetText());
  EXPECT_EQ("4", list.GetItem(2)->GetText());
}

TEST(DXMLDocument, EmptyElementsCaseFoldedEndTagsCommentsAndCdata) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<r><e/><E>up</e><!-- note --><c><![CDATA[<raw>&amp;]]></c>\n  <t>a b</t></r>");
  const CDXMLNodeList empty = root->GetElementsByTagName("e");
  ASSERT_EQ(1, empty.GetLength());
  EXPECT_FALSE(empty.GetItem(0)->HasChildNodes());
  const CDXMLNodeList upper = root->GetElementsByTagName("E");
  ASSERT_EQ(1, upper.GetLength());
  EXPECT_EQ("up", upper.GetItem(0)->GetText());
  // The comment drops out, CDATA stays raw, the line break between elements is text.
  EXPECT_EQ("up<raw>&amp;\n  a b", root->GetText());
  int comments = 0;
  for (int i = 0; i < root->GetChildNodes().GetLength(); ++i) {
    const CDXMLNode* node = root->GetChildNodes().GetItem(i);
    if (node->GetNodeType() == CDXMLNode::COMMENT_NODE) {
      ++comments;
      EXPECT_EQ(" note ", node->GetNodeValue());
      EXPECT_EQ("#comment", node->GetNodeName());
    }
  }
  EXPECT_EQ(1, comments);
}

TEST(DXMLDocument, UnclosedTagHasNoChildrenAndItsContentFollowsAsSiblings) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<r><open>text<b>x</b></r>");
  const CDXMLNodeList open = root->GetElementsByTagName("open");
  ASSERT_EQ(1, open.GetLength());
  auto* element = static_cast<CDXMLElement*>(open.GetItem(0));
  EXPECT_EQ(0, element->m_bClose);
  EXPECT_FALSE(element->HasChildNodes());
  EXPECT_EQ(1, root->GetElementsByTagName("b").GetLength());
  EXPECT_EQ("textx", root->GetText());
}

TEST(DXMLDocument, UnterminatedCommentEndsTheListKeepingEarlierNodes) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<r><a>1</a><!-- never closed <a>2</a></r>");
  EXPECT_EQ(1, root->GetElementsByTagName("a").GetLength());
  EXPECT_EQ("1", root->GetText());
}

TEST(DXMLDocument, DeclarationBecomesChildlessRoot) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<?xml version=\"1.0\"?><kvn><a>x</a></kvn>");
  EXPECT_EQ("?xml", root->GetNodeName());
  EXPECT_FALSE(root->HasChildNodes());
}

TEST(DXMLDocument, Utf8ReplyWithBomComesBackInShiftJis) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, CString(Utf8(u8"\uFEFF<kvn><title>日本語のタイトル</title></kvn>")));
  EXPECT_EQ("kvn", root->GetNodeName());
  EXPECT_EQ("日本語のタイトル", root->GetElementsByTagName("title").GetItem(0)->GetText());

  CDXMLDocument emoji;
  root = Load(emoji, CString(Utf8(u8"<kvn><t>表😀</t></kvn>")));
  EXPECT_EQ("表?", root->GetText());
}

TEST(DXMLDocument, ShiftJisReplyIsLeftAlone) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<kvn><t>表示テスト</t></kvn>");
  EXPECT_EQ("表示テスト", root->GetText());
}

TEST(DXMLDocument, EntitiesAreDecodedInTextAndAttributes) {
  CDXMLDocument doc;
  CDXMLElement* root = Load(doc, "<kvn id=\"a&amp;b\" n='&#x41;'><t>Tom &amp; Jerry &lt;&gt;&quot;&apos;&#65;&#x3042;</t>"
                                 "<u>&unknown; &amp &#xZZ; &#0;</u></kvn>");
  EXPECT_EQ("Tom & Jerry <>\"'Aあ", root->GetElementsByTagName("t").GetItem(0)->GetText());
  EXPECT_EQ("&unknown; &amp &#xZZ; &#0;", root->GetElementsByTagName("u").GetItem(0)->GetText());
  EXPECT_EQ("a&b", root->GetAttribute("id"));
  EXPECT_EQ("A", root->GetAttribute("n"));
  EXPECT_EQ("", root->GetAttribute("missing"));
}

}  // namespace
