#pragma once
// A pattern made ready for the option search of TextSearch.h: read and folded once, with every
// way a text can spell each of its characters (ｶﾞ, カ゛ and ガ for ガ when width is ignored; a, A, ａ
// and Ａ for Ａ when case is ignored too). A search looks for the spellings of the pattern's rarest
// character sixteen bytes at a time and tests the whole pattern only around them.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/CharFolding.h"

class TextFinder {
 public:
  TextFinder(std::string_view pattern, int options);

  // Byte offset of the first match at or after start (a character start), or -1; matchLength
  // (may be null) receives the number of text bytes the match covers, which can differ from the
  // pattern's length.
  int Find(std::string_view text, int start, int* matchLength) const;

  bool IsFor(std::string_view pattern, int options) const { return options == m_options && pattern == m_pattern; }
  // Whether a match can hold the byte b.
  bool MayHoldByte(unsigned char b) const { return m_heldBytes[b]; }
  // The pattern is whole characters: it does not end in a lone lead byte.
  bool IsWhole() const { return m_whole; }

  // The first byte of a spelling and, where mask is 0xFF, its second one.
  struct Key {
    unsigned char first;
    unsigned char second;
    unsigned char mask;
  };
  // The most keys one character's spellings may need for the search to look for that character.
  static constexpr int kMostKeys = 8;

 private:
  using Scan = size_t (*)(const unsigned char* text, size_t length, size_t from, const Key* keys);

  int FindAround(std::string_view text, int start, int* matchLength) const;
  int FindByFirstByte(std::string_view text, int start, int* matchLength) const;
  // Text bytes matched when the pattern matches at pos, else -1.
  int MatchAt(std::string_view text, size_t pos) const;

  std::string m_pattern;
  int m_options;
  std::vector<SjisChar> m_folded;
  bool m_whole = true;
  std::array<bool, 256> m_heldBytes{};
  std::array<bool, 256> m_firstByte{};  // bytes that begin a spelling of the first character
  // The character looked for (-1: none qualifies), the keys of its spellings, and the fewest and
  // the most bytes the characters before it can take.
  int m_anchor = -1;
  std::vector<Key> m_keys;
  size_t m_nearest = 0;
  size_t m_farthest = 0;
  Scan m_scan = nullptr;
};

// The words of a pattern (split at runs of blanks, full-width blanks counting as blanks), each made
// ready: the earliest match of any word wins and gives the length; with allWords, a word that
// is not found anywhere from start on makes the result -1.
class WordsFinder {
 public:
  WordsFinder(std::string_view pattern, int options, bool allWords);

  int Find(std::string_view text, int start, int* matchLength) const;

  bool IsFor(std::string_view pattern, int options, bool allWords) const {
    return allWords == m_allWords && options == m_options && pattern == m_pattern;
  }
  const std::vector<TextFinder>& GetWords() const { return m_words; }

 private:
  std::string m_pattern;
  int m_options;
  bool m_allWords;
  std::vector<TextFinder> m_words;
};
