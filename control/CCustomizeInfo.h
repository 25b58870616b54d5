#pragma once
// The control's settings record. Its image is stored whole in the settings store, so the layout
// (offsets, sizes, padding) is fixed; the static_asserts below hold it.
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct CCustomizeInfo {
  std::uint8_t DisplayFont[60];  // a Windows LOGFONT (ANSI): height at 0, charset at 23, face at 28
  std::int32_t HScrollBar;
  std::int32_t VScrollBar;
  std::int32_t WrapMode;
  std::int32_t MarginNormal;
  std::int32_t MarginQuote;
  std::int32_t TabSpace;
  std::int32_t KanjiRead;
  std::int32_t KanjiWrite;
  std::int32_t SaveCrLf;
  std::int32_t LineSpace;
  std::int32_t HiliteTag;
  std::uint8_t ShowEOF;
  std::uint8_t ShowCR;
  std::uint8_t ShowTab;
  std::uint8_t ShowLineNumber;
  std::uint8_t ShowLogicalLine;
  std::uint8_t WordWrap;
  std::uint8_t FaceWrap;
  std::uint8_t KinsokuWrap;
  std::uint8_t SaveTabToSpace;
  std::uint8_t SaveInsertCR;
  std::uint8_t AutoIndent;
  std::uint8_t Overwrite;
  std::uint8_t Hilite;
  std::uint8_t LinkURL;
  std::uint8_t LinkMailTo;
  std::uint8_t LinkDoubleClick;
  std::uint8_t SevenBitKanji;
  std::uint8_t CrLfSeparateMark;
  std::uint8_t ShowRuler;
  std::uint8_t DeleteEmpty;
  std::uint8_t ControlIME;
  std::uint8_t ShowDbSpace;
  char KanjiInChar;
  char KanjiOutChar;
  char TagLeft;
  char TagRight;
  std::uint8_t Unused130[4];
  char KinsokuBegin[128];
  char KinsokuEnd[128];
  char PrefixList[40];
  std::uint8_t SelLinkContextMenu;
  char Prefix[80];
  std::uint8_t VScrollPastEnd;
  std::uint8_t HScrollPastEnd;
  std::uint8_t VBarAlways;
  std::uint8_t HBarAlways;
  std::uint8_t Pad515;
  std::int32_t HiliteComment;
  char CommentBegin[16];
  char CommentEnd[16];
  std::uint8_t UrlChars[128];
  std::uint8_t DBCharUrl;
  std::uint8_t KanaUrl;
  std::uint8_t Pad682[2];

  // Zero-fills and sets the defaults (the display font is left to the window layer).
  void Reset();
  // Brings every number into the range that drawing and wrapping work with: a stored record may
  // hold anything.
  void ClampToRanges();
};
#pragma pack(pop)

static_assert(sizeof(CCustomizeInfo) == 684);
static_assert(offsetof(CCustomizeInfo, WrapMode) == 68);
static_assert(offsetof(CCustomizeInfo, HiliteTag) == 100);
static_assert(offsetof(CCustomizeInfo, KanjiInChar) == 126);
static_assert(offsetof(CCustomizeInfo, KinsokuBegin) == 134);
static_assert(offsetof(CCustomizeInfo, PrefixList) == 390);
static_assert(offsetof(CCustomizeInfo, Prefix) == 431);
static_assert(offsetof(CCustomizeInfo, HiliteComment) == 516);
static_assert(offsetof(CCustomizeInfo, UrlChars) == 552);
static_assert(offsetof(CCustomizeInfo, DBCharUrl) == 680);

// Limits of the numbers of the record. A font height or margin beyond its limit would take the
// drawing arithmetic past an int.
constexpr std::int32_t kMaxLineSpace = 30;
constexpr std::int32_t kMaxFontHeight = 500;  // pixels, either sign
constexpr std::int32_t kMaxWrapMargin = 100000;

// A highlight colour (tags, comments, highlight rules): -1 none, 0 to 4 the five highlight roles.
std::int32_t ClampHiliteColor(std::int32_t color);
std::int32_t ClampFontHeight(std::int32_t height);

// Default character sets of the line-breaking rules.
extern const char* const kDefaultKinsokuBegin;
extern const char* const kDefaultKinsokuEnd;
