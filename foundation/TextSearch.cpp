#include "foundation/TextSearch.h"

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "foundation/OptionChars.h"
#include "foundation/TextFinder.h"
#include "platform/base/CodePage.h"

namespace {

// The last few patterns made ready: a search over an outline asks for the same pattern once per
// field of every item, and the words of a word search take turns.
template <class Finder, class... Key>
const Finder& Cached(std::string_view pattern, int options, Key... key) {
  thread_local std::array<std::unique_ptr<Finder>, 8> cache;
  thread_local size_t last = 0;
  if (cache[last] && cache[last]->IsFor(pattern, options, key...)) return *cache[last];
  for (size_t i = 0; i < cache.size(); ++i) {
    if (cache[i] && cache[i]->IsFor(pattern, options, key...)) {
      last = i;
      return *cache[i];
    }
  }
  last = (last + 1) % cache.size();
  cache[last] = std::make_unique<Finder>(pattern, options, key...);
  return *cache[last];
}

int Find(std::string_view text, std::string_view pattern, int start, int options, int* matchLength) {
  if (start < 0 || static_cast<size_t>(start) >= text.size() || pattern.empty()) return -1;
  return Cached<TextFinder>(pattern, options).Find(text, start, matchLength);
}

}  // namespace

int FindTextOptPtr(const char* text, const char* pattern, int start, int options, int* matchLength) {
  return Find(text, pattern, start, options, matchLength);
}

int FindTextOpt(const CString& text, const CString& pattern, int start, int options, int* matchLength) {
  return Find(text.str(), pattern.str(), start, options, matchLength);
}

int FindTextOptStr(std::string_view text, std::string_view pattern, int start, int options, int* matchLength) {
  return Find(text, pattern, start, options, matchLength);
}

int CompareTextOpt(const char* a, const char* b, int options) {
  const std::string_view sa(a);
  const std::string_view sb(b);
  size_t i = 0;
  size_t j = 0;
  while (i < sa.size() || j < sb.size()) {
    int la = 0;
    int lb = 0;
    const int ca = i < sa.size() ? FoldOptionChar(ReadOptionChar(sa, i, options, &la), options) : 0;
    const int cb = j < sb.size() ? FoldOptionChar(ReadOptionChar(sb, j, options, &lb), options) : 0;
    if (ca != cb) return ca - cb;
    i += static_cast<size_t>(la);
    j += static_cast<size_t>(lb);
  }
  return 0;
}

int FindWords(const char* text, const char* pattern, int start, int options, int* matchLength, BOOL allWords) {
  return FindWordsStr(text, pattern, start, options, matchLength, allWords);
}

int FindWordsStr(std::string_view text, std::string_view pattern, int start, int options, int* matchLength,
                 BOOL allWords) {
  return Cached<WordsFinder>(pattern, options, allWords != FALSE).Find(text, start, matchLength);
}

int FindCharOutsideQuotes(const char* text, char ch, char quote) {
  bool quoted = false;
  for (int i = 0; text[i];) {
    const int length = CharLengthAt(text + i);
    if (length == 1) {
      if (text[i] == quote) {
        quoted = !quoted;
      } else if (text[i] == ch && !quoted) {
        return i;
      }
    }
    i += length;
  }
  return -1;
}

int FindOutsideTags(const char* text, const char* pattern, char open, char close) {
  const size_t patternLength = std::strlen(pattern);
  if (patternLength == 0) return -1;
  bool inside = false;
  for (int i = 0; text[i];) {
    if (!inside && std::strncmp(text + i, pattern, patternLength) == 0) return i;
    const int length = CharLengthAt(text + i);
    if (length == 1 && text[i] == open) inside = true;
    if (length == 1 && text[i] == close) inside = false;
    i += length;
  }
  return -1;
}

void SplitString(const char* text, const char* delimiter, CStringArray& array) {
  const CString whole(text ? text : "");
  const int delimiterLength = delimiter ? static_cast<int>(std::strlen(delimiter)) : 0;
  if (delimiterLength == 0) {
    if (!whole.IsEmpty()) array.Add(whole);
    return;
  }
  int start = 0;
  for (int found = whole.Find(delimiter); found >= 0; found = whole.Find(delimiter, start)) {
    array.Add(whole.Mid(start, found - start));
    start = found + delimiterLength;
  }
  if (start < whole.GetLength()) array.Add(whole.Mid(start));
}

void SplitToStringArray(const char* text, const char* delimiters, CStringArray& array) {
  const CString whole(text ? text : "");
  const CString set(delimiters ? delimiters : "");
  const int length = whole.GetLength();
  // Whole characters only: a trail byte never counts as a delimiter.
  auto delimiterAt = [&](int i) {
    const int len = IsDBCSLeadByte(static_cast<unsigned char>(whole[i])) && i + 1 < length ? 2 : 1;
    return std::pair{!set.IsEmpty() && set.Find(whole.Mid(i, len)) >= 0, len};
  };
  int pieceStart = 0;
  int i = 0;
  while (i < length) {
    auto [isDelimiter, len] = delimiterAt(i);
    if (!isDelimiter) {
      i += len;
      continue;
    }
    array.Add(whole.Mid(pieceStart, i - pieceStart));
    while (i < length && isDelimiter) {
      i += len;
      if (i < length) std::tie(isDelimiter, len) = delimiterAt(i);
    }
    pieceStart = i;
  }
  if (pieceStart < length) array.Add(whole.Mid(pieceStart));
}
