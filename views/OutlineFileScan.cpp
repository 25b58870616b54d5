#include "views/OutlineFileScan.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <utility>

#include "foundation/TextFinder.h"

namespace {

constexpr char kHeaderMark = '\x08';
constexpr char kTextMark = '\x04';
constexpr char kLinkMark = '\x02';
// An enciphered file begins so; the reader asks for its password.
constexpr std::string_view kEncipheredStart = "PELKO";

// The marks of an item line's fields: link 0x02, times 0x04, status 0x05, view 0x06, bookmark
// 0x07, identifier 0x08.
bool IsFieldMark(char c) { return c == kLinkMark || (c >= 0x04 && c <= 0x08); }

void SpacesForZeroBytes(std::string& text) { std::replace(text.begin(), text.end(), '\0', ' '); }

// One item line and the text blocks after it.
struct PendingItem {
  size_t line = 0;                       // where the item line starts
  size_t pathEnd = 0;                    // where its path ends: the first field mark, or the line's end
  size_t link = std::string_view::npos;  // where the link starts, when the line has one
  size_t linkEnd = 0;
  std::vector<std::pair<size_t, size_t>> texts;  // from the first text line to the closing mark line
};

class Scan {
 public:
  Scan(std::string_view bytes, const std::vector<const TextFinder*>& words) : m_bytes(bytes), m_words(words) {
    for (const TextFinder* word : words) m_next.push_back(word->Find(bytes, 0, nullptr));
  }

  bool AnyMatch() const {
    return std::any_of(m_next.begin(), m_next.end(), [](int at) { return at >= 0; });
  }

  // Walks the lines as the reader takes them; false at the first line that is not in the form the
  // program writes.
  bool Run(std::vector<std::unique_ptr<CDirData>>& items) {
    size_t pos = 0;
    if (m_bytes[0] == kHeaderMark) {
      const size_t close = NextMarkLine(LineAfter(0));
      // The header's closing mark; a text mark inside a header would carry over past it.
      if (close >= m_bytes.size() || m_bytes[close] != kHeaderMark) return false;
      pos = LineAfter(close);
    }
    PendingItem item;
    bool haveItem = false;
    bool sawMark = false;
    while (pos < m_bytes.size()) {
      if (m_bytes[pos] == kHeaderMark) return false;
      if (m_bytes[pos] == kTextMark) {
        sawMark = true;
        const size_t first = LineAfter(pos);
        const size_t close = NextMarkLine(first);
        if (close < m_bytes.size() && m_bytes[close] == kHeaderMark) return false;
        // A text ahead of every item line belongs to no item.
        if (haveItem) item.texts.emplace_back(first, close);
        pos = close < m_bytes.size() ? LineAfter(close) : close;
        continue;
      }
      if (haveItem) Finish(item, pos, items);
      const size_t after = LineAfter(pos);
      if (!ReadItemLine(pos, after, item)) return false;
      // Every item after the first one stands below a parent: the reader refuses one that does not.
      if (haveItem && std::memchr(m_bytes.data() + pos, '\x01', item.pathEnd - pos) == nullptr) return false;
      haveItem = true;
      pos = after;
    }
    if (haveItem) Finish(item, m_bytes.size(), items);
    // A file of a header alone is no outline to the reader.
    return haveItem || sawMark;
  }

 private:
  // The start of the line after the one at pos, or the end.
  size_t LineAfter(size_t pos) const {
    const void* lf = std::memchr(m_bytes.data() + pos, '\n', m_bytes.size() - pos);
    return lf ? static_cast<size_t>(static_cast<const char*>(lf) - m_bytes.data()) + 1 : m_bytes.size();
  }

  size_t NextByte(size_t pos, char c) const {
    const void* at = std::memchr(m_bytes.data() + pos, c, m_bytes.size() - pos);
    return at ? static_cast<size_t>(static_cast<const char*>(at) - m_bytes.data()) : m_bytes.size();
  }

  // The first line at or after the line start pos that begins with a text or header mark, or the end.
  size_t NextMarkLine(size_t pos) const {
    size_t text = NextByte(pos, kTextMark);
    size_t header = NextByte(pos, kHeaderMark);
    for (;;) {
      const size_t at = std::min(text, header);
      if (at >= m_bytes.size() || at == pos || m_bytes[at - 1] == '\n') return at;
      if (at == text)
        text = NextByte(at + 1, kTextMark);
      else
        header = NextByte(at + 1, kHeaderMark);
    }
  }

  // The item line from pos to after (its line end included); false when a field mark stands twice
  // or a field the reader needs is empty.
  bool ReadItemLine(size_t pos, size_t after, PendingItem& item) const {
    size_t end = after;
    if (end > pos && m_bytes[end - 1] == '\n') {
      --end;
      if (end > pos && m_bytes[end - 1] == '\r') --end;
    }
    item = PendingItem();
    item.line = pos;
    item.pathEnd = end;
    unsigned seen = 0;
    for (size_t at = pos; at < end; ++at) {
      const char c = m_bytes[at];
      if (!IsFieldMark(c)) continue;
      const unsigned bit = 1u << static_cast<unsigned>(c);
      if (seen & bit) return false;
      seen |= bit;
      if (item.pathEnd == end) item.pathEnd = at;
      if (item.link != std::string_view::npos && item.linkEnd == 0) item.linkEnd = at;
      if (c == kLinkMark) {
        item.link = at + 1;
      } else if (at + 1 == end || IsFieldMark(m_bytes[at + 1])) {
        return false;
      }
    }
    if (item.link != std::string_view::npos && item.linkEnd == 0) item.linkEnd = end;
    return true;
  }

  // The item's lines end at end: it is read when a word matches in them.
  void Finish(const PendingItem& item, size_t end, std::vector<std::unique_ptr<CDirData>>& items) {
    bool match = false;
    for (size_t w = 0; w < m_words.size(); ++w) {
      if (m_next[w] >= 0 && static_cast<size_t>(m_next[w]) < item.line)
        m_next[w] = m_words[w]->Find(m_bytes, static_cast<int>(item.line), nullptr);
      match = match || (m_next[w] >= 0 && static_cast<size_t>(m_next[w]) < end);
    }
    if (match) items.push_back(Read(item));
  }

  std::unique_ptr<CDirData> Read(const PendingItem& pending) const {
    auto item = std::make_unique<CDirData>();
    std::string path(m_bytes.substr(pending.line, pending.pathEnd - pending.line));
    SpacesForZeroBytes(path);
    item->m_strPath = std::move(path);
    if (pending.link != std::string_view::npos) {
      std::string link(m_bytes.substr(pending.link, pending.linkEnd - pending.link));
      SpacesForZeroBytes(link);
      item->m_strLink = std::move(link);
    }
    std::string text;
    for (const auto& [first, close] : pending.texts) {
      for (size_t line = first; line < close;) {
        const size_t next = std::min(LineAfter(line), close);
        size_t end = next;
        while (end > line && (m_bytes[end - 1] == '\r' || m_bytes[end - 1] == '\n')) --end;
        text.append(m_bytes.data() + line, end - line);
        text += "\r\n";
        line = next;
      }
    }
    SpacesForZeroBytes(text);
    item->m_strText = CString(std::move(text));
    return item;
  }

  std::string_view m_bytes;
  const std::vector<const TextFinder*>& m_words;
  std::vector<int> m_next;  // each word's next match in the bytes, -1 when there is none
};

}  // namespace

OutlineFileScan ScanOutlineFile(std::string_view bytes, const std::vector<const TextFinder*>& words,
                                std::vector<std::unique_ptr<CDirData>>& items) {
  if (bytes.empty() || bytes.size() >= INT_MAX || bytes.starts_with(kEncipheredStart))
    return OutlineFileScan::kNeedsReader;
  bool zeroBytes = false;
  bool zeroBytesKnown = false;
  for (const TextFinder* word : words) {
    // A match that takes a line end, or that ends in half a character, could span two fields.
    if (!word->IsWhole() || word->MayHoldByte('\r') || word->MayHoldByte('\n') || word->MayHoldByte('\0'))
      return OutlineFileScan::kNeedsReader;
    if (word->MayHoldByte(' ')) {
      if (!zeroBytesKnown) zeroBytes = std::memchr(bytes.data(), '\0', bytes.size()) != nullptr;
      zeroBytesKnown = true;
      if (zeroBytes) return OutlineFileScan::kNeedsReader;
    }
  }
  Scan scan(bytes, words);
  if (!scan.AnyMatch()) return OutlineFileScan::kRead;
  std::vector<std::unique_ptr<CDirData>> read;
  if (!scan.Run(read)) return OutlineFileScan::kNeedsReader;
  for (std::unique_ptr<CDirData>& item : read) items.push_back(std::move(item));
  return OutlineFileScan::kRead;
}
