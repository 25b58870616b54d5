#include "control/CCustomizeInfo.h"

#include <cstring>

const char* const kDefaultKinsokuBegin = "、。，．・：；！？」』）｝〕］】!?%)],.:;、。";
const char* const kDefaultKinsokuEnd = "「『（｛〔［【([";

namespace {

template <size_t N>
void SetText(char (&field)[N], const char* text) {
  std::strncpy(field, text, N - 1);
  field[N - 1] = '\0';
}

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
