#pragma once
// The matching engine behind VBScript.RegExp: PCRE2 on UTF-16 texts with the VBScript flavour:
// "^" and "$" only at the ends of the text, "." anything but LF, \xhh and \uhhhh escapes, a
// reference to a group that did not take part matching the empty string. Positions count UTF-16
// units. Compiled patterns are shared through a small process-wide cache.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RegExpPattern;

struct RegExpSpan {
  int index = 0;
  int length = 0;
};

struct RegExpFound {
  RegExpSpan match;
  std::vector<std::optional<RegExpSpan>> groups;  // groups 1..n; nullopt when a group took no part
};

// Null with a readable reason when the pattern does not compile.
std::shared_ptr<const RegExpPattern> CompileRegExp(std::u16string_view pattern, bool ignoreCase, std::string* error);

int RegExpGroupCount(const RegExpPattern& pattern);

// Matches from the first (or, with global, every) position. After an empty match the next search
// starts one character further on, so a global search always ends. False when the engine fails
// (an invalid UTF-16 text, a resource limit); the reason goes to error.
bool SearchRegExp(const RegExpPattern& pattern, std::u16string_view subject, bool global,
                  std::vector<RegExpFound>* found, std::string* error);

// Whether subjects hold a match, for callers that test many subjects with one pattern: the match
// block is made once and kept. Test answers 1 for a match, 0 for none and -1 when the engine fails
// (the reason goes to error). Subjects must be valid UTF-16, as text converted from a code page
// always is (it never holds a lone surrogate): the engine's check of every unit is skipped.
class RegExpTester {
 public:
  explicit RegExpTester(std::shared_ptr<const RegExpPattern> pattern);
  ~RegExpTester();
  RegExpTester(const RegExpTester&) = delete;
  RegExpTester& operator=(const RegExpTester&) = delete;
  int Test(std::u16string_view subject, std::string* error);

 private:
  struct Block;
  std::shared_ptr<const RegExpPattern> m_pattern;
  std::unique_ptr<Block> m_block;
};

// Units that every match holds, where the pattern fixes them: the first unit of every match, and
// a later unit that every match needs. With caseless set, another case of a unit matches too.
struct RegExpRequiredUnits {
  std::optional<char16_t> first;
  std::optional<char16_t> last;
  bool caseless = false;
};
RegExpRequiredUnits RequiredUnits(const RegExpPattern& pattern);

// The replacement text for one match: $1..$99, $&, $`, $' and $$ are expanded; anything else is
// copied as it stands.
std::u16string ExpandReplacement(std::u16string_view replacement, std::u16string_view subject,
                                 const RegExpFound& found);
