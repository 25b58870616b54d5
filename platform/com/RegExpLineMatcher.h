#pragma once
// Tests Shift JIS texts against one regular expression line by line, as the searches over many
// texts (an outline's items, the pieces of a text file) need it: CR LF or LF ends a line, a lone CR
// does not, and "^" and "$" match at each line's ends. Each line is converted into one reused
// buffer and matched with one reused match block, and a text that holds no form of a unit every
// match needs is passed over before it is converted.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/CString.h"

class RegExpTester;

class RegExpLineMatcher {
 public:
  RegExpLineMatcher(const CString& pattern, bool ignoreCase);
  ~RegExpLineMatcher();
  RegExpLineMatcher(const RegExpLineMatcher&) = delete;
  RegExpLineMatcher& operator=(const RegExpLineMatcher&) = delete;

  bool IsFor(const CString& pattern, bool ignoreCase) const {
    return m_pattern == pattern && m_ignoreCase == ignoreCase;
  }

  // True when one of the text's lines holds a match; an empty text has no line. A pattern that
  // does not compile, and a search the engine fails, raise the COleDispatchException that the
  // RegExp object raises, once there is a text to test.
  bool TestLines(std::string_view text);
  // The same for one line without its line end, which is tested even when empty.
  bool TestLine(std::string_view line);

  // False only when the text cannot hold a match: it has no form of a unit every match needs.
  bool MayMatch(std::string_view text) const;

 private:
  void CheckCompiled() const;
  bool Match(std::string_view line);

  CString m_pattern;
  bool m_ignoreCase;
  std::string m_error;  // why the pattern did not compile
  std::unique_ptr<RegExpTester> m_tester;
  std::vector<std::vector<std::string>> m_required;  // for each required unit, the forms it may take
  std::u16string m_units;                              // the line being tested
};
