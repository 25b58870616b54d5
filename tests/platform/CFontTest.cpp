#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "platform/desktop/CFont.h"

TEST(LOGFONT, HasTheWindowsLayout) {
  EXPECT_EQ(sizeof(LOGFONT), 60u);
  EXPECT_EQ(offsetof(LOGFONT, lfWeight), 16u);
  EXPECT_EQ(offsetof(LOGFONT, lfItalic), 20u);
  EXPECT_EQ(offsetof(LOGFONT, lfPitchAndFamily), 27u);
}

TEST(CFont, GivesBackTheLogFontItWasMadeFrom) {
  LOGFONT lf{};
  lf.lfHeight = -16;
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = 1;
  lf.lfUnderline = 1;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::strcpy(lf.lfFaceName, "ＭＳ ゴシック");
  CFont font;
  EXPECT_FALSE(font.HasFont());
  LOGFONT out{};
  EXPECT_EQ(font.GetLogFont(&out), 0);
  ASSERT_TRUE(font.CreateFontIndirect(&lf));
  ASSERT_EQ(font.GetLogFont(&out), 60);
  EXPECT_EQ(std::memcmp(&out, &lf, sizeof lf), 0);
  unsigned char bytes[60];
  EXPECT_EQ(font.GetObject(sizeof bytes, bytes), 60);
  EXPECT_EQ(std::memcmp(bytes, &lf, sizeof lf), 0);

  const wxFont& wx = font;
  EXPECT_EQ(wx.GetFaceName(), "Noto Sans Mono CJK JP");
  EXPECT_NEAR(wx.GetFractionalPointSize(), 16 * 72.0 / CFont::GetScreenPPI(), 0.01);
  EXPECT_EQ(wx.GetNumericWeight(), FW_BOLD);
  EXPECT_EQ(wx.GetStyle(), wxFONTSTYLE_ITALIC);
  EXPECT_TRUE(wx.GetUnderlined());
  EXPECT_FALSE(wx.GetStrikethrough());

  EXPECT_TRUE(font.DeleteObject());
  EXPECT_FALSE(font.HasFont());
  EXPECT_FALSE(font.DeleteObject());
  EXPECT_FALSE(font.CreateFontIndirect(nullptr));
}

TEST(CFont, HeightsFarOutOfRangeAreClamped) {
  const struct {
    int height;
    int kept;
  } cases[] = {{INT_MIN, -16384}, {INT_MAX, 16384}, {-16385, -16384}, {16384, 16384}, {-12, -12}};
  for (const auto& c : cases) {
    CFont font;
    ASSERT_TRUE(font.CreateFont(c.height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "MS Gothic"))
        << c.height;
    LOGFONT back{};
    ASSERT_TRUE(font.GetLogFont(&back));
    EXPECT_EQ(back.lfHeight, c.kept) << c.height;
  }
}

TEST(CFont, MapsJapaneseWindowsFacesToNotoCjk) {
  const struct {
    const char* face;
    BYTE pitch;
    const char* expected;
  } cases[] = {
      {"ＭＳ ゴシック", 0, "Noto Sans Mono CJK JP"}, {"ms gothic", 0, "Noto Sans Mono CJK JP"},
      {"ＭＳ 明朝", 0, "Noto Serif CJK JP"},         {"ＭＳ Ｐ明朝", 0, "Noto Serif CJK JP"},
      {"MS UI Gothic", 0, "Noto Sans CJK JP"},       {"メイリオ", 0, "Noto Sans CJK JP"},
      {"Meiryo", 0, "Noto Sans CJK JP"},             {"ＭＳ Ｐゴシック", 0, "Noto Sans CJK JP"},
      {"", FIXED_PITCH, "Noto Sans Mono CJK JP"},    {"", FF_ROMAN, "Noto Serif CJK JP"},
      {"", 0, "Noto Sans CJK JP"},                   {"DejaVu Sans", 0, "DejaVu Sans"},
  };
  for (const auto& c : cases) EXPECT_EQ(CFont::WxFaceName(c.face, c.pitch), c.expected) << c.expected;
}

TEST(CFont, PointFontAndCreateFontFillTheLogFont) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, "メイリオ"));
  LOGFONT lf{};
  font.GetLogFont(&lf);
  EXPECT_EQ(lf.lfHeight, -(12 * CFont::GetScreenPPI() + 36) / 72);
  EXPECT_STREQ(lf.lfFaceName, "メイリオ");
  EXPECT_NEAR(font.GetWxFont().GetFractionalPointSize(), 12.0, 0.2);

  // A face too long for the field is cut at a character boundary, never inside a pair.
  CFont longFace;
  ASSERT_TRUE(longFace.CreateFont(16, 0, 0, 0, 0, 0, 0, 1, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                                  "あいうえおかきくけこさしすせそたちつてと"));
  longFace.GetLogFont(&lf);
  EXPECT_EQ(std::strlen(lf.lfFaceName), 30u);
  EXPECT_EQ(lf.lfHeight, 16);
  EXPECT_EQ(lf.lfWeight, 0);
  EXPECT_EQ(longFace.GetWxFont().GetNumericWeight(), FW_NORMAL);
  EXPECT_TRUE(longFace.GetWxFont().GetStrikethrough());

  CFont fromWx;
  ASSERT_TRUE(fromWx.CreateFromWxFont(font.GetWxFont()));
  fromWx.GetLogFont(&lf);
  EXPECT_EQ(lf.lfHeight, -(12 * CFont::GetScreenPPI() + 36) / 72);
  EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
}
