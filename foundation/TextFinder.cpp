#include "foundation/TextFinder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "foundation/OptionChars.h"
#include "foundation/TextSearch.h"
#include "platform/base/CString.h"

namespace {

constexpr int kAllOptions = FIND_IGNORE_WIDTH | FIND_IGNORE_CASE | FIND_IGNORE_KANA | FIND_LOOSE;

size_t CharLength(const unsigned char* text, size_t length, size_t pos) {
  return IsSjisLeadByte(text[pos]) && pos + 1 < length ? 2 : 1;
}

// One way a text can spell a character of a pattern: one to four bytes.
struct Spelling {
  unsigned char bytes[4];
  int length;
};

Spelling SpellingOf(SjisChar ch) {
  if (ch > 0xFF) return {{static_cast<unsigned char>(ch >> 8), static_cast<unsigned char>(ch)}, 2};
  return {{static_cast<unsigned char>(ch)}, 1};
}

// Every spelling of every folded character, for one set of options. Only single bytes and the
// double-byte block 0x8100-0x84FF fold to anything but themselves, and only kana with a sound mark
// read as another character, so a character that is missing here has itself as its one spelling.
class Spellings {
 public:
  explicit Spellings(int options) {
    for (SjisChar ch = 0; ch < 0x100; ++ch) Add(FoldOptionChar(ch, options), SpellingOf(ch));
    for (SjisChar ch = 0x8100; ch < 0x8500; ++ch) Add(FoldOptionChar(ch, options), SpellingOf(ch));
    if (!(options & FIND_IGNORE_WIDTH)) return;
    std::vector<SjisChar> marks;
    for (SjisChar ch = 0; ch < 0x8500; ch = ch == 0xFF ? 0x8100 : ch + 1) {
      const SjisChar half = ch < 0x100 ? ch : HalfWidthOf(ch);
      if (half == 0xDE || half == 0xDF) marks.push_back(ch);
    }
    for (SjisChar base = 0; base < 0x8500; base = base == 0xFF ? 0x8100 : base + 1) {
      const int baseLength = base < 0x100 ? 1 : 2;
      for (const SjisChar mark : marks) {
        const int markLength = mark < 0x100 ? 1 : 2;
        const SjisChar voiced = CombineOptionVoiced(base, baseLength, mark, markLength, options);
        if (!voiced) continue;
        Spelling both = SpellingOf(base);
        const Spelling second = SpellingOf(mark);
        std::memcpy(both.bytes + both.length, second.bytes, static_cast<size_t>(second.length));
        both.length += second.length;
        Add(FoldOptionChar(voiced, options), both);
      }
    }
  }

  std::vector<Spelling> Of(SjisChar folded) const {
    const auto found = m_table.find(folded);
    if (found == m_table.end()) return {SpellingOf(folded)};
    return found->second;
  }

 private:
  void Add(SjisChar folded, Spelling spelling) { m_table[folded].push_back(spelling); }

  std::unordered_map<SjisChar, std::vector<Spelling>> m_table;
};

const Spellings& SpellingsFor(int options) {
  static std::once_flag once[kAllOptions + 1];
  static std::unique_ptr<Spellings> tables[kAllOptions + 1];
  const int index = options & kAllOptions;
  std::call_once(once[index], [index] { tables[index] = std::make_unique<Spellings>(index); });
  return *tables[index];
}

// How often a key is met in ordinary Japanese and English text, in rough relative units: the
// search looks for the pattern character whose keys add up to the least.
int KeyWeight(const TextFinder::Key& key) {
  if (key.mask != 0) {
    const int ch = key.first << 8 | key.second;
    if (ch >= 0x829F && ch <= 0x82F1) return 12;  // hiragana
    if (key.first == 0x81) return 10;             // punctuation and symbols
    if (key.first == 0x83) return 4;              // katakana
    if (key.first == 0x82) return 2;              // full-width letters and digits
    return 1;                                     // kanji, half-width kana with a sound mark
  }
  const unsigned char b = key.first;
  // A single byte also stands as the trail byte of double-byte characters.
  const int trail = (b >= 0x40 && b <= 0xFC && b != 0x7F) ? 4 : 0;
  if (b >= 'a' && b <= 'z') {
    static const char kCommon[] = "etaoinshr";
    static const char kRare[] = "vkjxqz";
    if (std::strchr(kCommon, b)) return 60 + trail;
    if (std::strchr(kRare, b)) return 2 + trail;
    return 25 + trail;
  }
  if (b >= 'A' && b <= 'Z') return 8 + trail;
  if (b >= '0' && b <= '9') return 15;
  if (b == ' ') return 100;
  if (b == '\r' || b == '\n') return 40;
  if (b >= 0x81 && b <= 0x83) return 150;
  if (IsSjisLeadByte(b)) return 30 + trail;
  return 10 + trail;
}

// The keys of a character's spellings: a one-byte spelling needs its byte only, and then covers
// every longer spelling that begins with that byte.
std::vector<TextFinder::Key> KeysOf(const std::vector<Spelling>& spellings) {
  std::vector<TextFinder::Key> keys;
  for (const Spelling& s : spellings) {
    if (s.length == 1) keys.push_back({s.bytes[0], 0, 0});
  }
  for (const Spelling& s : spellings) {
    if (s.length == 1) continue;
    const bool covered = std::any_of(keys.begin(), keys.end(), [&](const TextFinder::Key& k) {
      return k.first == s.bytes[0] && (k.mask == 0 || k.second == s.bytes[1]);
    });
    if (!covered) keys.push_back({s.bytes[0], s.bytes[1], 0xFF});
  }
  return keys;
}

// Sixteen bytes at a time. A single-byte key is compared at every position; the pair keys are
// compared as 16-bit lanes, of the bytes from pos for the pairs at even positions and of the bytes
// from pos + 1 for those at odd ones, and each lane's hit is moved onto the byte where its pair
// begins. A byte of 0xFF in the result marks a position where some key stands.
using Bytes = unsigned char __attribute__((vector_size(16)));
using Pairs = unsigned short __attribute__((vector_size(16)));

template <int Singles, int Doubles>
size_t ScanKeys(const unsigned char* text, size_t length, size_t from, const TextFinder::Key* keys) {
  Bytes single[Singles > 0 ? Singles : 1];
  Pairs pair[Doubles > 0 ? Doubles : 1];
  for (int k = 0; k < Singles; ++k) single[k] = Bytes{} + keys[k].first;
  for (int k = 0; k < Doubles; ++k) {
    const TextFinder::Key& key = keys[Singles + k];
    pair[k] = Pairs{} + static_cast<unsigned short>(key.first | key.second << 8);
  }
  // The hits among the sixteen positions from p; p[16] must be readable.
  const auto test = [&](const unsigned char* p) {
    Bytes here;
    std::memcpy(&here, p, sizeof here);
    Bytes hit{};
    for (int k = 0; k < Singles; ++k) hit |= reinterpret_cast<Bytes>(here == single[k]);
    if constexpr (Doubles > 0) {
      constexpr Pairs kEvenStart = {0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF};
      constexpr Pairs kOddStart = {0xFF00, 0xFF00, 0xFF00, 0xFF00, 0xFF00, 0xFF00, 0xFF00, 0xFF00};
      Pairs even;
      Pairs odd;
      std::memcpy(&even, p, sizeof even);
      std::memcpy(&odd, p + 1, sizeof odd);
      Pairs evenHit{};
      Pairs oddHit{};
      for (int k = 0; k < Doubles; ++k) {
        evenHit |= reinterpret_cast<Pairs>(even == pair[k]);
        oddHit |= reinterpret_cast<Pairs>(odd == pair[k]);
      }
      hit |= reinterpret_cast<Bytes>((evenHit & kEvenStart) | (oddHit & kOddStart));
    }
    std::uint64_t half[2];  // the lower address in the lower bits
    static_assert(std::endian::native == std::endian::little);
    std::memcpy(half, &hit, sizeof half);
    return std::pair{half[0], half[1]};
  };
  const auto first = [](std::uint64_t bits) { return static_cast<size_t>(std::countr_zero(bits)) / 8; };
  size_t pos = from;
  for (; pos + sizeof(Bytes) + 1 <= length; pos += sizeof(Bytes)) {
    const auto [low, high] = test(text + pos);
    if (low != 0) return pos + first(low);
    if (high != 0) return pos + 8 + first(high);
  }
  if (pos >= length) return length;
  // The last bytes, padded with zero bytes: a hit that the padding made is tested again.
  unsigned char last[sizeof(Bytes) + 1] = {};
  std::memcpy(last, text + pos, length - pos);
  auto [low, high] = test(last);
  for (size_t lane = 0; lane < length - pos; ++lane) {
    const std::uint64_t bit = std::uint64_t{0xFF} << (lane % 8 * 8);
    if (((lane < 8 ? low : high) & bit) == 0) continue;
    for (int k = 0; k < Singles + Doubles; ++k) {
      if (keys[k].mask == 0 || (pos + lane + 1 < length && text[pos + lane + 1] == keys[k].second)) {
        if (text[pos + lane] == keys[k].first) return pos + lane;
      }
    }
  }
  return length;
}

using Scan = size_t (*)(const unsigned char*, size_t, size_t, const TextFinder::Key*);
constexpr int kKeyCounts = TextFinder::kMostKeys + 1;

// The scan for each number of single-byte keys (Index / kKeyCounts) and pair keys (the rest).
template <int Index>
constexpr Scan ScanFor() {
  constexpr int singles = Index / kKeyCounts;
  constexpr int doubles = Index % kKeyCounts;
  if constexpr (singles + doubles > 0 && singles + doubles <= TextFinder::kMostKeys) {
    return &ScanKeys<singles, doubles>;
  } else {
    return nullptr;
  }
}

template <int... Index>
constexpr std::array<Scan, sizeof...(Index)> MakeScans(std::integer_sequence<int, Index...>) {
  return {ScanFor<Index>()...};
}

constexpr auto kScans = MakeScans(std::make_integer_sequence<int, kKeyCounts * kKeyCounts>());

// A byte outside the lead range always ends a character, so the lead-range bytes between the
// known character start `from` and pos pair up: pos starts a character when their number is even.
bool StartsChar(const unsigned char* text, size_t from, size_t pos) {
  size_t run = 0;
  for (size_t i = pos; i > from && IsSjisLeadByte(text[i - 1]); --i) ++run;
  return run % 2 == 0;
}

// The first character start at or after target, from a known character start at or before it.
size_t NextCharStart(const unsigned char* text, size_t length, size_t known, size_t target) {
  size_t pos = known;
  // Far ahead, start after the last byte before target that is outside the lead range.
  if (target - known > 16) {
    pos = target;
    while (pos > known && IsSjisLeadByte(text[pos - 1])) --pos;
  }
  while (pos < target) pos += CharLength(text, length, pos);
  return pos;
}

}  // namespace

TextFinder::TextFinder(std::string_view pattern, int options) : m_pattern(pattern), m_options(options) {
  for (size_t p = 0; p < pattern.size();) {
    int length = 0;
    m_folded.push_back(FoldOptionChar(ReadOptionChar(pattern, p, options, &length), options));
    p += static_cast<size_t>(length);
  }
  for (size_t p = 0; p < pattern.size();) {
    int length = 0;
    const SjisChar ch = SjisCharAt(pattern, p, &length);
    m_whole = length == 2 || !IsSjisLeadByte(static_cast<unsigned char>(ch));
    p += static_cast<size_t>(length);
  }
  if (m_folded.empty()) return;

  const Spellings& spellings = SpellingsFor(options);
  int bestWeight = 0;
  size_t nearest = 0;
  size_t farthest = 0;
  for (size_t i = 0; i < m_folded.size(); ++i) {
    const std::vector<Spelling> ways = spellings.Of(m_folded[i]);
    size_t shortest = 4;
    size_t longest = 0;
    for (const Spelling& s : ways) {
      for (int b = 0; b < s.length; ++b) m_heldBytes[s.bytes[b]] = true;
      if (i == 0) m_firstByte[s.bytes[0]] = true;
      shortest = std::min(shortest, static_cast<size_t>(s.length));
      longest = std::max(longest, static_cast<size_t>(s.length));
    }
    const std::vector<Key> keys = KeysOf(ways);
    if (keys.size() <= static_cast<size_t>(kMostKeys)) {
      int weight = 0;
      for (const Key& k : keys) weight += KeyWeight(k);
      if (m_anchor < 0 || weight < bestWeight) {
        m_anchor = static_cast<int>(i);
        bestWeight = weight;
        m_keys = keys;
        m_nearest = nearest;
        m_farthest = farthest;
      }
    }
    nearest += shortest;
    farthest += longest;
  }
  if (m_anchor < 0) return;
  // The single-byte keys first, as the scan takes them.
  std::stable_partition(m_keys.begin(), m_keys.end(), [](const Key& k) { return k.mask == 0; });
  const auto singles = std::count_if(m_keys.begin(), m_keys.end(), [](const Key& k) { return k.mask == 0; });
  m_scan = kScans[static_cast<size_t>(singles) * kKeyCounts + m_keys.size() - static_cast<size_t>(singles)];
}

int TextFinder::MatchAt(std::string_view text, size_t pos) const {
  size_t t = pos;
  for (const SjisChar want : m_folded) {
    if (t >= text.size()) return -1;
    int length = 0;
    if (FoldOptionChar(ReadOptionChar(text, t, m_options, &length), m_options) != want) return -1;
    t += static_cast<size_t>(length);
  }
  return static_cast<int>(t - pos);
}

int TextFinder::Find(std::string_view text, int start, int* matchLength) const {
  if (start < 0 || static_cast<size_t>(start) >= text.size() || m_folded.empty()) return -1;
  if (m_anchor >= 0) return FindAround(text, start, matchLength);
  return FindByFirstByte(text, start, matchLength);
}

// Where a spelling of the chosen character stands at `at`, a match holding it there starts between
// m_farthest and m_nearest bytes before it; each character start there is tried once, in order,
// so the first match found is the first in the text.
int TextFinder::FindAround(std::string_view text, int start, int* matchLength) const {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t length = text.size();
  size_t tried = static_cast<size_t>(start);  // a character start: every one before it was tried
  for (size_t from = tried + m_nearest; from < length;) {
    const size_t at = m_scan(bytes, length, from, m_keys.data());
    if (at >= length) return -1;
    from = at + 1;
    if (at < tried + m_nearest) continue;
    const size_t last = at - m_nearest;
    const size_t first = std::max(tried, at >= m_farthest ? at - m_farthest : 0);
    size_t pos = NextCharStart(bytes, length, tried, first);
    for (; pos <= last; pos += CharLength(bytes, length, pos)) {
      if (!m_firstByte[bytes[pos]]) continue;
      const int matched = MatchAt(text, pos);
      if (matched >= 0) {
        if (matchLength) *matchLength = matched;
        return static_cast<int>(pos);
      }
    }
    tried = pos;
  }
  return -1;
}

// A character with too many spellings to look for at once: each byte that can begin a spelling of
// the first one is tried where it starts a character.
int TextFinder::FindByFirstByte(std::string_view text, int start, int* matchLength) const {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t length = text.size();
  size_t from = static_cast<size_t>(start);
  for (size_t pos = from; pos < length;) {
    while (pos < length && !m_firstByte[bytes[pos]]) ++pos;
    if (pos >= length) return -1;
    if (!StartsChar(bytes, from, pos)) {
      from = pos = pos + 1;
      continue;
    }
    const int matched = MatchAt(text, pos);
    if (matched >= 0) {
      if (matchLength) *matchLength = matched;
      return static_cast<int>(pos);
    }
    from = pos = pos + CharLength(bytes, length, pos);
  }
  return -1;
}

WordsFinder::WordsFinder(std::string_view pattern, int options, bool allWords)
    : m_pattern(pattern), m_options(options), m_allWords(allWords) {
  CString blanked(pattern);
  blanked.Replace("　", " ");
  int pos = 0;
  for (CString word = blanked.Tokenize(" ", pos); pos >= 0; word = blanked.Tokenize(" ", pos))
    m_words.emplace_back(word.str(), options);
}

int WordsFinder::Find(std::string_view text, int start, int* matchLength) const {
  int best = -1;
  int bestLength = 0;
  for (const TextFinder& word : m_words) {
    int length = 0;
    const int found = word.Find(text, start, &length);
    if (found < 0) {
      if (m_allWords) return -1;
      continue;
    }
    if (best < 0 || found < best) {
      best = found;
      bestLength = length;
    }
  }
  if (best >= 0 && matchLength) *matchLength = bestLength;
  return best;
}
