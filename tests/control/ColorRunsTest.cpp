// Colour runs of rows and the ruler's labels (no window needed).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "control/CCustomizeInfo.h"
#include "control/CEditCore.h"
#include "control/ColorRuns.h"
#include "control/ColorTable.h"
#include "control/window/WrilaEdit.h"

namespace {

// The role of every byte of a line as a string of role letters: '.' base role, else 'a' + role.
std::string Roles(const CCustomizeInfo& cust, const char* line, const std::vector<CHiliteRule>& rules = {},
                  const char* search = nullptr, bool inComment = false, int* baseRole = nullptr) {
  CHiliteIndex index;
  index.Build(rules);
  CColorRunInput input;
  input.cust = &cust;
  input.hilite = &index;
  input.search = search;
  input.tabRuns = true;
  CColorRuns runs;
  const CRefString text(line);
  const std::vector<CColorRun>& built = runs.Build(input, text, 0, text.GetLength(), inComment);
  if (baseRole) *baseRole = runs.GetBaseRole();
  std::string out;
  for (const CColorRun& run : built) {
    out.append(static_cast<size_t>(run.end) - out.size(), run.role == 0 ? '.' : static_cast<char>('a' + run.role));
  }
  return out;
}

CCustomizeInfo Defaults() {
  CCustomizeInfo cust;
  cust.Reset();
  return cust;
}

CHiliteRule Rule(const char* text, short color, bool word = false, bool rightAll = false, bool matchCase = false) {
  CHiliteRule rule;
  rule.text = text;
  rule.color = color;
  rule.word = word;
  rule.rightAll = rightAll;
  rule.matchCase = matchCase;
  return rule;
}

}  // namespace

TEST(ColorRuns, UrlsAndMailAddresses) {
  CCustomizeInfo cust = Defaults();
  const char f = 'a' + ROLE_URL, g = 'a' + ROLE_MAIL;
  struct Case {
    const char* line;
    std::string roles;
  };
  const Case cases[] = {
      {"(http://a.b)", "." + std::string(10, f) + "."},
      {"see HTTPS://x.jp/?q=1 ok", "...." + std::string(17, f) + "..."},
      {"mail to a.b@c.jp!", "........" + std::string(9, g)},
      {"@x and a@ only", std::string(14, '.')},
      {"tab\t\tend", "..." + std::string(2, 'a' + ROLE_MARKS) + "..."},
  };
  for (const Case& c : cases) EXPECT_EQ(Roles(cust, c.line), c.roles) << c.line;

  // A half-width katakana ends a URL unless KanaUrl admits it.
  const char* kana = "http://aｶb c";
  EXPECT_EQ(Roles(cust, kana), std::string(8, f) + "....");
  cust.KanaUrl = 1;
  EXPECT_EQ(Roles(cust, kana), std::string(10, f) + "..");
  // A double-byte character continues a URL only with DBCharUrl.
  cust.DBCharUrl = 1;
  EXPECT_EQ(Roles(cust, "http://日本 x"), std::string(11, f) + "..");
}

TEST(ColorRuns, QuotesCommentsHighlightsAndSearch) {
  CCustomizeInfo cust = Defaults();
  int base = -1;
  EXPECT_EQ(Roles(cust, "> quoted http://x", {}, nullptr, false, &base), "ddddddddd" + std::string(8, 'f'));
  EXPECT_EQ(base, ROLE_QUOTE);
  EXPECT_EQ(Roles(cust, "｜全角は引用でない", {}, nullptr, false, &base).size(), 18u);
  EXPECT_EQ(base, ROLE_NORMAL);

  std::strcpy(cust.CommentBegin, "/*");
  std::strcpy(cust.CommentEnd, "*/");
  cust.HiliteComment = 2;
  const char c = 'a' + 10;
  EXPECT_EQ(Roles(cust, "a /* b */ c"), ".." + std::string(7, c) + "..");
  EXPECT_EQ(Roles(cust, "still */ out", {}, nullptr, true), std::string(8, c) + "....");
  cust.HiliteComment = -1;
  EXPECT_EQ(Roles(cust, "a /* b */ c"), std::string(11, '.'));

  // Whole-word and case rules; the first rule of the table wins; a rule may colour to the end.
  const std::vector<CHiliteRule> rules = {Rule("todo", 0, true), Rule("Fix", 1, false, false, true),
                                          Rule("TODOX", 2), Rule("!!", 3, false, true)};
  EXPECT_EQ(Roles(cust, "todo TODOx fix Fix", rules), "iiii.kkkkk.....jjj");
  EXPECT_EQ(Roles(cust, "a_todo b !! rest", rules), ".........lllllll");

  EXPECT_EQ(Roles(cust, "abABab x", {}, "ab"), std::string(6, 'a' + ROLE_SEARCH) + "..");
}

TEST(ColorRuns, RulerLabelsEndAtTheirColumn) {
  std::string ruler;
  for (int c = 0; c <= 10001; ++c) ruler += WrilaEdit::RulerLabel(c);
  EXPECT_EQ(ruler.substr(0, 9), std::string(9, ' '));
  EXPECT_EQ(ruler.substr(9, 2), "10");
  EXPECT_EQ(ruler.substr(19, 2), "20");
  EXPECT_EQ(ruler.substr(98, 3), "100");
  EXPECT_EQ(ruler.substr(997, 4), "1000");
  EXPECT_EQ(ruler.substr(9996, 5), "10000");
}
