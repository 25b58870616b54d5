// The body style record: BODY tags read and written, style rules, and emptiness.
#include <gtest/gtest.h>

#include "convert/CBodyStyle.h"

namespace {

CBodyStyle Full() {
  CBodyStyle s;
  s.m_strBackground = "img/back.gif";
  s.m_strBgColor = "ffffee";
  s.m_strText = "000000";
  s.m_strLink = "0000ff";
  s.m_strVLink = "800080";
  s.m_strALink = "ff0000";
  s.m_bFixed = 1;
  s.m_strTopMargin = "10";
  s.m_strLeftMargin = "20";
  return s;
}

TEST(CBodyStyle, ATagWrittenAndReadAgainGivesTheSameRecord) {
  const CBodyStyle style = Full();
  EXPECT_EQ(style.MakeBodyTag(0),
            "<BODY BACKGROUND=\"img/back.gif\" BGPROPERTIES=\"FIXED\" BGCOLOR=\"#ffffee\" TEXT=\"#000000\" "
            "LINK=\"#0000ff\" VLINK=\"#800080\" ALINK=\"#ff0000\" TOPMARGIN=\"10\" MARGINHEIGHT=\"10\" "
            "LEFTMARGIN=\"20\" MARGINWIDTH=\"20\">");
  for (const int asElement : {0, 1}) {
    CBodyStyle read;
    read.ParseBodyTag(style.MakeBodyTag(asElement));
    EXPECT_EQ(read, style) << asElement;
  }
  EXPECT_EQ(style.MakeBodyTag(1).Left(30), "<body background=\"img/back.gif");
}

TEST(CBodyStyle, AttributesAreFoundInAnyCase) {
  CBodyStyle s;
  s.ParseBodyTag("<body bgcolor=#ff0000 text=\"#00ff00\" marginwidth=5 MarginHeight=\"7\" textcolor=1>");
  EXPECT_EQ(s.m_strBgColor, "ff0000");
  EXPECT_EQ(s.m_strText, "00ff00");
  EXPECT_EQ(s.m_strLeftMargin, "5");
  EXPECT_EQ(s.m_strTopMargin, "7");
  EXPECT_EQ(s.m_strLink, "");
  EXPECT_EQ(CBodyStyle::GetAttribute("<body vlink=\"#123456\">", "LINK"), "");
}

TEST(CBodyStyle, OnlyAFixedFlagIsNotEmpty) {
  CBodyStyle s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.MakeBodyTag(0), "<BODY>");
  s.m_bFixed = 1;
  EXPECT_FALSE(s.IsEmpty());
  EXPECT_EQ(s.MakeBodyTag(0), "<BODY BGPROPERTIES=\"FIXED\">");
  s.ParseBodyTag("<BODY>");
  EXPECT_EQ(s.m_bFixed, 1);
}

TEST(CBodyStyle, StyleRulesForTheBodyAndTheLinks) {
  const CString sheet = Full().MakeStyleSheet(0);
  EXPECT_EQ(sheet,
            "body {\r\nbackground-image: img/back.gif;background-attachment: fixed;background-color: #ffffee;"
            "color: #000000;margin-top: 10;margin-bottom: 10;margin-left: 20;margin-right: 20;}\r\n"
            "a:link {\r\ncolor: #0000ff;}\r\na:visited {\r\ncolor: #800080;}\r\na:hover {\r\ncolor: #ff0000;}");
  CBodyStyle none;
  EXPECT_EQ(none.MakeStyleSheet(0).Left(4), "body");
}

}  // namespace
