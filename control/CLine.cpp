#include "control/CLine.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "control/CEditCore.h"
#include "control/ControlRoutines.h"
#include "platform/base/CodePage.h"

namespace {

// Byte-wise alphanumeric test of word wrap: ASCII letters and digits and half-width katakana.
bool IsAlnumByte(unsigned char ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= 0xA6 && ch <= 0xDF);
}

}  // namespace

int CharCells(const char* text, int offset, int length, int column, int tabSpace, int* bytes) {
  const char ch = text[offset];
  if (ch == '\t') {
    *bytes = 1;
    const int tab = tabSpace > 0 ? tabSpace : 1;
    return (column / tab + 1) * tab - column;
  }
  *bytes = CharLengthAt(text, offset, length);
  return *bytes;
}

CRefString ExpandTabs(int startColumn, const CRefString& text, int tabSpace) {
  if (!std::strchr(text.GetString(), '\t')) return text;
  CRefString out;
  int column = startColumn;
  const int length = text.GetLength();
  for (int i = 0; i < length;) {
    int n = 0;
    const int cells = CharCells(text.GetString(), i, length, column, tabSpace, &n);
    if (text[i] == '\t') {
      out += CRefString(' ', cells);
    } else {
      out.Append(text.GetString() + i, n);
    }
    column += cells;
    i += n;
  }
  return out;
}

bool IsCharInSet(const char* set, const char* text, int offset, int length) {
  const int n = CharLengthAt(text, offset, length);
  const int setLength = static_cast<int>(std::strlen(set));
  for (int i = 0; i < setLength;) {
    const int m = CharLengthAt(set, i, setLength);
    if (m == n && std::memcmp(set + i, text + offset, static_cast<size_t>(n)) == 0) return true;
    i += m;
  }
  return false;
}

CLine::CLine(CEditCore* owner, const char* text, int length, int kind, bool full)
    : m_text(text, length), m_owner(owner), m_kind(static_cast<std::uint8_t>(kind & 3)) {
  Wrap(full);
}

int CLine::GetRowStart(int row) const {
  if (row == 0) return 0;
  if (row < 0 || row > m_breaks.GetSize()) return -1;
  return static_cast<int>(m_breaks[row - 1]);
}

int CLine::GetRowEnd(int row) const {
  if (row < m_breaks.GetSize()) {
    const int next = static_cast<int>(m_breaks[row]);
    const int start = GetRowStart(row);
    return static_cast<int>(PrevChar(m_text.GetString() + start, m_text.GetString() + next) - m_text.GetString());
  }
  return GetLength();
}

int CLine::ColumnsOf(int from, int to) const {
  const int tab = m_owner->m_cust.TabSpace;
  int column = 0;
  for (int i = from; i < to;) {
    int n = 0;
    column += CharCells(m_text.GetString(), i, GetLength(), column, tab, &n);
    i += n;
  }
  return column;
}

POINT CLine::OffsetToRowCol(int offset) const {
  const std::uint32_t* breaks = m_breaks.GetData();
  const int row = static_cast<int>(
      std::upper_bound(breaks, breaks + m_breaks.GetSize(), static_cast<std::uint32_t>(std::max(offset, 0))) - breaks);
  POINT pos;
  pos.y = row;
  pos.x = ColumnsOf(GetRowStart(row), std::min(offset, GetLength()));
  return pos;
}

int CLine::RowColToOffset(int column, int row, int mode) const {
  const int start = GetRowStart(row);
  if (start < 0) return GetLength();
  const int tab = m_owner->m_cust.TabSpace;
  const int length = GetLength();
  const int rowEnd = GetRowEnd(row);
  const int limit = mode == 2 && row < m_breaks.GetSize() ? static_cast<int>(m_breaks[row]) : rowEnd;
  int col = 0;
  int i = start;
  int result = -1;
  while (i < length && col < column) {
    int n = 0;
    col += CharCells(m_text.GetString(), i, length, col, tab, &n);
    i += n;
    if (col > column) {  // inside a TAB cell or a double-byte character
      result = mode > 0 ? i : i - n;
      break;
    }
  }
  if (result < 0) result = i;
  return std::min(result, limit);
}

int CLine::GetDisplayWidth() const { return ColumnsOf(0, GetLength()); }

void CLine::Rewrap(bool full) {
  m_breaks.RemoveAll();
  Wrap(full);
}

int CLine::WrapWidth() const {
  const CCustomizeInfo& cust = m_owner->m_cust;
  if (cust.WrapMode == 2) return m_owner->m_wrapWidth;
  const int prefixLength = static_cast<int>(strnlen(cust.Prefix, sizeof(cust.Prefix)));
  if (prefixLength > 0 && GetLength() > prefixLength && std::memcmp(m_text.GetString(), cust.Prefix, prefixLength) == 0)
    return cust.MarginQuote;
  return cust.MarginNormal;
}

bool CLine::IsKinsokuBegin(int position) const {
  return IsCharInSet(m_owner->m_cust.KinsokuBegin, m_text.GetString(), position, GetLength());
}

bool CLine::IsKinsokuEnd(int position) const {
  return IsCharInSet(m_owner->m_cust.KinsokuEnd, m_text.GetString(), position, GetLength());
}

void CLine::Wrap(bool full) {
  const int length = GetLength();
  if (m_owner->m_cust.WrapMode == 0) {
    // Without a TAB every byte is one column.
    const bool tabs = full && std::memchr(m_text.GetString(), '\t', static_cast<size_t>(length)) != nullptr;
    const int width = tabs ? GetDisplayWidth() : length;
    if (width > m_owner->m_wrapWidth) m_owner->m_wrapWidth = width;
    return;
  }
  BreakFrom(0, full, nullptr);
}

void CLine::RewrapEdit(int offset, int delta) {
  const CCustomizeInfo& cust = m_owner->m_cust;
  const int prefixLength = static_cast<int>(strnlen(cust.Prefix, sizeof(cust.Prefix)));
  if (cust.WrapMode == 0 || (cust.WrapMode == 1 && offset <= prefixLength)) {
    Rewrap(true);  // the line's width may depend on its first bytes
    return;
  }
  // How far past its start a row's break is decided: the row's width, the closing mark after it and
  // an unbreakable word that straddles it.
  int lookahead = 4;
  if (cust.FaceWrap) {
    for (const CFaceWord& word : m_owner->m_faceWords) lookahead = std::max(lookahead, 2 * word.text.GetLength() + 4);
  }
  const int reach = std::max(1, WrapWidth()) + 2 + lookahead;
  // Rows that start more than `reach` before the edit keep their breaks.
  const std::uint32_t* breaks = m_breaks.GetData();
  const int before = static_cast<int>(
      std::lower_bound(breaks, breaks + m_breaks.GetSize(), static_cast<std::uint32_t>(std::max(offset - reach, 0))) - breaks);
  const int keep = reach < offset ? std::min(before + 1, m_breaks.GetSize()) : 0;
  thread_local std::vector<std::uint32_t> old;
  old.assign(m_breaks.GetData() + keep, m_breaks.GetData() + m_breaks.GetSize());
  const int rowStart = keep == 0 ? 0 : static_cast<int>(m_breaks[keep - 1]);
  m_breaks.SetSize(keep);
  const Resync resync{old.data(), static_cast<int>(old.size()), offset + std::max(delta, 0), delta};
  BreakFrom(rowStart, true, &resync);
}

void CLine::BreakFrom(int rowStart, bool full, const Resync* resync) {
  const CCustomizeInfo& cust = m_owner->m_cust;
  const int length = GetLength();
  const int width = std::max(1, WrapWidth());
  const int tab = cust.TabSpace;
  const char* text = m_text.GetString();
  // Character starts of the row being broken: the rules step back over characters.
  thread_local std::vector<int> starts;

  for (;;) {
    if (!full && length - rowStart < width) return;
    starts.clear();
    int column = 0;
    int candidate = -1;
    for (int i = rowStart; i < length;) {
      if (i + 1 == length && IsLeadByte932(static_cast<unsigned char>(text[i])))
        break;  // a lead byte cut off by the end of the text
      int n = 0;
      const int cells = CharCells(text, i, length, column, tab, &n);
      starts.push_back(i);
      if (column + cells >= width) {
        candidate = column + cells == width ? i + n : i;
        // A character wider than the whole row stays on it, or the wrap would not advance.
        if (candidate == rowStart) candidate = i + n;
        break;
      }
      column += cells;
      i += n;
    }
    if (candidate < 0 || candidate >= length) return;
    const int firstCandidate = candidate;
    auto startBefore = [&](int offset) {
      // The character that ends at `offset` (offset is a character start after rowStart).
      auto it = std::lower_bound(starts.begin(), starts.end(), offset);
      return it == starts.begin() ? rowStart : *(it - 1);
    };

    if (cust.WordWrap) {
      while (IsAlnumByte(static_cast<unsigned char>(text[candidate]))) {
        const int before = startBefore(candidate);
        if (before == rowStart) {
          candidate = firstCandidate;
          break;
        }
        if (!IsAlnumByte(static_cast<unsigned char>(text[before]))) break;
        candidate = before;
      }
    }
    if (candidate >= length) return;

    if (cust.KinsokuWrap) {
      const int before = startBefore(candidate);
      if (before > rowStart && IsKinsokuEnd(before)) candidate = before;
      if (IsKinsokuBegin(candidate)) candidate += CharLengthAt(text, candidate, length);
    }
    if (candidate >= length) return;

    if (cust.FaceWrap) {
      for (const CFaceWord& word : m_owner->m_faceWords) {
        const int wordLength = word.text.GetLength();
        if (wordLength < 2 || !word.enable) continue;
        // An occurrence that straddles the candidate, starting after the row start.
        const int lowest = std::max(candidate - (wordLength - 1), rowStart + 1);
        int q = rowStart;
        while (q < lowest) q += CharLengthAt(text, q, length);
        for (; q < candidate && q + wordLength <= length; q += CharLengthAt(text, q, length)) {
          if (std::memcmp(text + q, word.text.GetString(), static_cast<size_t>(wordLength)) == 0) {
            candidate = q;
            break;
          }
        }
      }
    }
    if (candidate >= length) return;
    m_breaks.Add(static_cast<std::uint32_t>(candidate));
    if (resync && candidate >= resync->minStart) {
      // Past the edit, a row that starts where an old one started breaks as it did.
      const std::uint32_t* end = resync->oldBreaks + resync->count;
      const std::uint32_t* same =
          std::lower_bound(resync->oldBreaks, end, static_cast<std::uint32_t>(candidate - resync->delta));
      if (same != end && static_cast<int>(*same) == candidate - resync->delta) {
        for (++same; same != end; ++same) m_breaks.Add(static_cast<std::uint32_t>(static_cast<int>(*same) + resync->delta));
        return;
      }
    }
    rowStart = candidate;
  }
}
