#define PCRE2_CODE_UNIT_WIDTH 16
#include "platform/com/RegExpEngine.h"

#include <pcre2.h>

#include <list>
#include <map>
#include <mutex>
#include <utility>

class RegExpPattern {
 public:
  RegExpPattern(pcre2_code* code, bool caseless) : m_code(code), m_caseless(caseless) {}
  ~RegExpPattern() { pcre2_code_free(m_code); }
  RegExpPattern(const RegExpPattern&) = delete;
  RegExpPattern& operator=(const RegExpPattern&) = delete;
  const pcre2_code* Code() const { return m_code; }
  // Whether some part of the pattern may ignore case.
  bool Caseless() const { return m_caseless; }

 private:
  pcre2_code* m_code;
  bool m_caseless;
};

namespace {

PCRE2_SPTR Units(std::u16string_view text) { return reinterpret_cast<PCRE2_SPTR>(text.data()); }

std::string ErrorText(int code) {
  PCRE2_UCHAR buffer[256];
  const int n = pcre2_get_error_message(code, buffer, 256);
  std::string text;
  for (int i = 0; i < n; ++i) text += static_cast<char>(buffer[i] < 0x80 ? buffer[i] : '?');
  return text;
}

std::shared_ptr<const RegExpPattern> Compile(std::u16string_view pattern, bool ignoreCase, std::string* error) {
  std::unique_ptr<pcre2_compile_context, decltype(&pcre2_compile_context_free)> context(
      pcre2_compile_context_create(nullptr), &pcre2_compile_context_free);
  if (!context) {
    if (error) *error = "out of memory";
    return nullptr;
  }
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
  const uint32_t options = PCRE2_UTF | PCRE2_DOLLAR_ENDONLY | PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF |
                           PCRE2_ALLOW_EMPTY_CLASS | (ignoreCase ? PCRE2_CASELESS : 0);
  int code = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* compiled = pcre2_compile(Units(pattern), pattern.size(), options, &code, &offset, context.get());
  if (!compiled) {
    if (error) *error = ErrorText(code) + " (" + std::to_string(offset) + ")";
    return nullptr;
  }
  pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE);  // the interpreter serves where JIT is not available
  // An inline option such as "(?i)" may make a part caseless; the engine does not tell which.
  const bool caseless = ignoreCase || pattern.find(u"(?") != std::u16string_view::npos;
  return std::make_shared<const RegExpPattern>(compiled, caseless);
}

// Searches repeat the same few patterns (one per dialog, per converter line, per grep file).
class PatternCache {
 public:
  std::shared_ptr<const RegExpPattern> Get(std::u16string_view pattern, bool ignoreCase, std::string* error) {
    Key key(std::u16string(pattern), ignoreCase);
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      auto it = m_entries.find(key);
      if (it != m_entries.end()) {
        m_order.splice(m_order.begin(), m_order, it->second.second);
        return it->second.first;
      }
    }
    std::shared_ptr<const RegExpPattern> made = Compile(pattern, ignoreCase, error);
    if (!made) return nullptr;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_entries.find(key) == m_entries.end()) {
      m_order.push_front(key);
      m_entries.emplace(key, std::make_pair(made, m_order.begin()));
      if (m_entries.size() > kCapacity) {
        m_entries.erase(m_order.back());
        m_order.pop_back();
      }
    }
    return made;
  }

 private:
  using Key = std::pair<std::u16string, bool>;
  static constexpr std::size_t kCapacity = 64;
  std::mutex m_mutex;
  std::list<Key> m_order;  // most recently used first
  std::map<Key, std::pair<std::shared_ptr<const RegExpPattern>, std::list<Key>::iterator>> m_entries;
};

PatternCache& Cache() {
  static PatternCache cache;
  return cache;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::shared_ptr<const RegExpPattern> CompileRegExp(std::u16string_view pattern, bool ignoreCase, std::string* error) {
  return Cache().Get(pattern, ignoreCase, error);
}

int RegExpGroupCount(const RegExpPattern& pattern) {
  uint32_t count = 0;
  pcre2_pattern_info(pattern.Code(), PCRE2_INFO_CAPTURECOUNT, &count);
  return static_cast<int>(count);
}

bool SearchRegExp(const RegExpPattern& pattern, std::u16string_view subject, bool global,
                  std::vector<RegExpFound>* found, std::string* error) {
  found->clear();
  std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> data(
      pcre2_match_data_create_from_pattern(pattern.Code(), nullptr), &pcre2_match_data_free);
  if (!data) {
    if (error) *error = "out of memory";
    return false;
  }
  const int groups = RegExpGroupCount(pattern);
  std::size_t start = 0;
  while (start <= subject.size()) {
    const int rc = pcre2_match(pattern.Code(), Units(subject), subject.size(), start, 0, data.get(), nullptr);
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) {
      if (error) *error = ErrorText(rc);
      found->clear();
      return false;
    }
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
    RegExpFound hit;
    hit.match = {static_cast<int>(ovector[0]), static_cast<int>(ovector[1] - ovector[0])};
    for (int g = 1; g <= groups; ++g) {
      if (g < rc && ovector[2 * g] != PCRE2_UNSET)
        hit.groups.emplace_back(RegExpSpan{static_cast<int>(ovector[2 * g]),
                                           static_cast<int>(ovector[2 * g + 1] - ovector[2 * g])});
      else
        hit.groups.emplace_back(std::nullopt);
    }
    found->push_back(std::move(hit));
    if (!global) break;
    std::size_t next = ovector[1];
    if (ovector[1] == ovector[0]) {
      // Step over one whole character, never into the middle of a surrogate pair.
      next = ovector[1] + 1;
      if (next < subject.size() && IsHighSurrogate(subject[next - 1]) && IsLowSurrogate(subject[next])) ++next;
    }
    start = next;
  }
  return true;
}

struct RegExpTester::Block {
  std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> data{nullptr, &pcre2_match_data_free};
};

RegExpTester::RegExpTester(std::shared_ptr<const RegExpPattern> pattern)
    : m_pattern(std::move(pattern)), m_block(std::make_unique<Block>()) {
  m_block->data.reset(pcre2_match_data_create_from_pattern(m_pattern->Code(), nullptr));
}

RegExpTester::~RegExpTester() = default;

int RegExpTester::Test(std::u16string_view subject, std::string* error) {
  if (!m_block->data) {
    if (error) *error = "out of memory";
    return -1;
  }
  const int rc = pcre2_match(m_pattern->Code(), Units(subject), subject.size(), 0, PCRE2_NO_UTF_CHECK,
                             m_block->data.get(), nullptr);
  if (rc >= 0) return 1;  // 0: a match with more groups than the block holds
  if (rc == PCRE2_ERROR_NOMATCH) return 0;
  if (error) *error = ErrorText(rc);
  return -1;
}

RegExpRequiredUnits RequiredUnits(const RegExpPattern& pattern) {
  RegExpRequiredUnits units;
  units.caseless = pattern.Caseless();
  uint32_t type = 0;
  uint32_t unit = 0;
  // Type 1 is a fixed unit; the others (none, or only a line start) fix nothing.
  if (pcre2_pattern_info(pattern.Code(), PCRE2_INFO_FIRSTCODETYPE, &type) == 0 && type == 1 &&
      pcre2_pattern_info(pattern.Code(), PCRE2_INFO_FIRSTCODEUNIT, &unit) == 0)
    units.first = static_cast<char16_t>(unit);
  if (pcre2_pattern_info(pattern.Code(), PCRE2_INFO_LASTCODETYPE, &type) == 0 && type == 1 &&
      pcre2_pattern_info(pattern.Code(), PCRE2_INFO_LASTCODEUNIT, &unit) == 0)
    units.last = static_cast<char16_t>(unit);
  return units;
}

std::u16string ExpandReplacement(std::u16string_view replacement, std::u16string_view subject,
                                 const RegExpFound& found) {
  const int groups = static_cast<int>(found.groups.size());
  auto group = [&](int n) -> std::u16string_view {
    const std::optional<RegExpSpan>& span = found.groups[static_cast<std::size_t>(n - 1)];
    return span ? subject.substr(static_cast<std::size_t>(span->index), static_cast<std::size_t>(span->length))
                : std::u16string_view();
  };
  auto digit = [](char16_t c) { return c >= u'0' && c <= u'9' ? c - u'0' : -1; };
  std::u16string out;
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    const char16_t c = replacement[i];
    if (c != u'$' || i + 1 >= replacement.size()) {
      out += c;
      continue;
    }
    const char16_t n = replacement[i + 1];
    if (n == u'$') {
      out += u'$';
      ++i;
    } else if (n == u'&') {
      out += subject.substr(static_cast<std::size_t>(found.match.index), static_cast<std::size_t>(found.match.length));
      ++i;
    } else if (n == u'`') {
      out += subject.substr(0, static_cast<std::size_t>(found.match.index));
      ++i;
    } else if (n == u'\'') {
      out += subject.substr(static_cast<std::size_t>(found.match.index + found.match.length));
      ++i;
    } else if (digit(n) >= 0) {
      // Two digits when they name an existing group, else one, else the "$" stays as it is.
      const int first = digit(n);
      const int second = i + 2 < replacement.size() ? digit(replacement[i + 2]) : -1;
      if (second >= 0 && first * 10 + second >= 1 && first * 10 + second <= groups) {
        out += group(first * 10 + second);
        i += 2;
      } else if (first >= 1 && first <= groups) {
        out += group(first);
        ++i;
      } else {
        out += c;
      }
    } else {
      out += c;
    }
  }
  return out;
}
