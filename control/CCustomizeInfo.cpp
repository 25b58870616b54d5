#include "control/CCustomizeInfo.h"

#include <algorithm>
#include <cstring>

#include "control/LogFont.h"

const char* const kDefaultKinsokuBegin = "、。，．・：；！？」』）｝〕］】!?%)],.:;、。";
const char* const kDefaultKinsokuEnd = "「『（｛〔［【([";

namespace {

template <size_t N>
void SetText(char (&field)[N], const char* text) {
  std::strncpy(field, text, N - 1);
  field[N - 1] = '\0';
}

std::int32_t Within(std::int32_t value, std::int32_t low, std::int32_t high) { return std::clamp(value, low, high); }

}  // namespace

void CCustomizeInfo::Reset() {
  std::memset(static_cast<void*>(this), 0, sizeof(*this));
  HScrollBar = 1;
  VScrollBar = 1;
  MarginNormal = 80;
  MarginQuote = 80;
  TabSpace = 8;
  HiliteTag = -1;
  ShowEOF = ShowCR = WordWrap = KinsokuWrap = Hilite = LinkURL = LinkMailTo = SevenBitKanji = DeleteEmpty = 1;
  KanjiInChar = 'B';
  KanjiOutChar = 'B';
  SetText(KinsokuBegin, kDefaultKinsokuBegin);
  SetText(KinsokuEnd, kDefaultKinsokuEnd);
  SetText(PrefixList, ">|");
  SetText(Prefix, ">");
  HiliteComment = -1;
  for (int ch = 0x21; ch <= 0x7E; ++ch) UrlChars[ch] = std::strchr("\"),<>[]`{|}", ch) ? 0 : 1;
}

void CCustomizeInfo::ClampToRanges() {
  // By value: the record is packed, so its members cannot be bound to references.
  WrapMode = Within(WrapMode, 0, 2);
  MarginNormal = Within(MarginNormal, 8, kMaxWrapMargin);
  MarginQuote = Within(MarginQuote, 8, kMaxWrapMargin);
  const std::int32_t margin = std::min(MarginNormal, MarginQuote);
  const std::int32_t widest = std::min(16, margin);
  TabSpace = Within(TabSpace, 1, widest);
  LineSpace = Within(LineSpace, 0, kMaxLineSpace);
  HiliteTag = ClampHiliteColor(HiliteTag);
  HiliteComment = ClampHiliteColor(HiliteComment);
  CLogFont font = CLogFont::FromBytes(DisplayFont);
  font.lfHeight = ClampFontHeight(font.lfHeight);
  font.ToBytes(DisplayFont);
}

std::int32_t ClampHiliteColor(std::int32_t color) { return Within(color, -1, 4); }

std::int32_t ClampFontHeight(std::int32_t height) { return Within(height, -kMaxFontHeight, kMaxFontHeight); }
