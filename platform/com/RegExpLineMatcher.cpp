#include "platform/com/RegExpLineMatcher.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/com/COleDispatchException.h"
#include "platform/base/CodePage.h"
#include "platform/com/RegExpEngine.h"
#include "platform/com/RegExpErrors.h"

namespace {

// More forms than this make the look not worth its time (a '?' stands for every invalid byte).
constexpr size_t kMostForms = 8;

// The Shift JIS forms of the characters that match `unit`: the unit itself, and with caseless
// its other cases as the engine sees them. Nullopt when they cannot be known or are too many.
std::optional<std::vector<std::string>> FindForms(char16_t unit, bool caseless) {
  std::optional<std::vector<std::string>> forms;
  if (!caseless) {
    forms = CP932FormsWhere([unit](char16_t c) { return c == unit; });
  } else {
    char escaped[16];
    const int n = std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned{unit});
    const std::u16string pattern(escaped, escaped + n);
    std::string error;
    const std::shared_ptr<const RegExpPattern> one = CompileRegExp(pattern, true, &error);
    if (!one) return std::nullopt;
    RegExpTester tester(one);
    std::vector<signed char> same(65536, -1);  // each unit is asked once
    forms = CP932FormsWhere([&](char16_t c) {
      signed char& known = same[c];
      if (known < 0) known = tester.Test(std::u16string_view(&c, 1), &error) == 1 ? 1 : 0;
      return known == 1;
    });
  }
  if (forms && forms->size() > kMostForms) return std::nullopt;
  return forms;
}

// The forms are asked for again with every outline a search opens: keep them for the process.
std::optional<std::vector<std::string>> FormsOf(char16_t unit, bool caseless) {
  static std::mutex mutex;
  static std::map<std::pair<char16_t, bool>, std::optional<std::vector<std::string>>> known;
  {
    std::lock_guard<std::mutex> lock(mutex);
    auto it = known.find({unit, caseless});
    if (it != known.end()) return it->second;
  }
  std::optional<std::vector<std::string>> forms = FindForms(unit, caseless);
  std::lock_guard<std::mutex> lock(mutex);
  known.emplace(std::make_pair(unit, caseless), forms);
  return forms;
}

bool Holds(std::string_view text, const std::string& form) {
  if (form.size() == 1) return std::memchr(text.data(), form[0], text.size()) != nullptr;
  return text.find(form) != std::string_view::npos;
}

}  // namespace

RegExpLineMatcher::RegExpLineMatcher(const CString& pattern, bool ignoreCase)
    : m_pattern(pattern), m_ignoreCase(ignoreCase) {
  const std::shared_ptr<const RegExpPattern> compiled = CompileRegExp(CP932ToUTF16(pattern.str()), ignoreCase, &m_error);
  if (!compiled) return;
  m_tester = std::make_unique<RegExpTester>(compiled);
  const RegExpRequiredUnits required = RequiredUnits(*compiled);
  for (const std::optional<char16_t>& unit : {required.first, required.last}) {
    if (!unit) continue;
    std::optional<std::vector<std::string>> forms = FormsOf(*unit, required.caseless);
    if (forms) m_required.push_back(std::move(*forms));
  }
}

RegExpLineMatcher::~RegExpLineMatcher() = default;

bool RegExpLineMatcher::MayMatch(std::string_view text) const {
  for (const std::vector<std::string>& forms : m_required) {
    bool any = false;
    for (const std::string& form : forms) any = any || Holds(text, form);
    if (!any) return false;
  }
  return true;
}

void RegExpLineMatcher::CheckCompiled() const {
  if (!m_tester) throw COleDispatchException(kRegExpSyntaxError, RegExpSyntaxErrorText(m_error), kRegExpSource);
}

bool RegExpLineMatcher::TestLines(std::string_view text) {
  if (text.empty()) return false;
  CheckCompiled();
  if (!MayMatch(text)) return false;
  size_t start = 0;
  // Neither CR nor LF is ever a trail byte, so a byte search finds the line ends.
  for (const void* lf; (lf = std::memchr(text.data() + start, '\n', text.size() - start)) != nullptr;) {
    const size_t at = static_cast<size_t>(static_cast<const char*>(lf) - text.data());
    const size_t end = at > start && text[at - 1] == '\r' ? at - 1 : at;
    if (Match(text.substr(start, end - start))) return true;
    start = at + 1;
  }
  return start < text.size() && Match(text.substr(start));
}

bool RegExpLineMatcher::TestLine(std::string_view line) {
  CheckCompiled();
  return Match(line);
}

bool RegExpLineMatcher::Match(std::string_view line) {
  // Each line converts on its own: a lead byte before a line end stays a character of its line.
  m_units.clear();
  AppendCP932ToUTF16(line, m_units);
  std::string reason;
  const int rc = m_tester->Test(m_units, &reason);
  if (rc < 0) throw COleDispatchException(kRegExpMatchError, RegExpMatchErrorText(reason), kRegExpSource);
  return rc == 1;
}
