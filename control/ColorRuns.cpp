#include "control/ColorRuns.h"

#include <algorithm>
#include <cstring>

#include "control/CCustomizeInfo.h"
#include "control/CEditCore.h"
#include "control/CLine.h"
#include "control/ColorTable.h"
#include "control/ControlRoutines.h"

namespace {

constexpr const char* kSchemes[] = {"FILE://", "FTP://",  "GOPHER://", "HTTP://",     "HTTPS://", "IMAP://",
                                    "LDAP://", "MAILTO:", "NEWS://",   "NNTP://", "PROSPERO://", "TELNET://"};

bool IsWordChar(unsigned char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || ch == '_'; }

bool StartsAt(const char* text, int length, int offset, const char* what, int whatLength) {
  return whatLength > 0 && offset + whatLength <= length && std::memcmp(text + offset, what, static_cast<size_t>(whatLength)) == 0;
}

int SchemeAt(const char* upper, int length, int offset) {
  for (const char* scheme : kSchemes) {
    const int n = static_cast<int>(std::strlen(scheme));
    if (StartsAt(upper, length, offset, scheme, n)) return n;
  }
  return 0;
}

// The end of a URL whose scheme ends at `offset`.
int UrlEnd(const CCustomizeInfo& cust, const char* text, int length, int offset) {
  while (offset < length) {
    const auto ch = static_cast<unsigned char>(text[offset]);
    const int n = CharLengthAt(text, offset, length);
    if (n == 2) {
      if (!cust.DBCharUrl) break;
    } else if (ch < 0x80) {
      if (!cust.UrlChars[ch]) break;
    } else if (!cust.KanaUrl) {
      break;
    }
    offset += n;
  }
  return offset;
}

}  // namespace

void CHiliteIndex::Build(const std::vector<CHiliteRule>& rules) {
  m_exact.clear();
  m_upper.clear();
  for (size_t i = 0; i < rules.size(); ++i) {
    const CHiliteRule& rule = rules[i];
    if (rule.text.IsEmpty() || rule.color < 0) continue;
    Entry entry{rule.text, static_cast<int>(i), rule.color, rule.word, rule.rightAll, rule.insideTag};
    if (rule.matchCase) {
      m_exact.push_back(entry);
    } else {
      entry.text.MakeUpper();
      m_upper.push_back(entry);
    }
  }
  const auto byFirstByte = [](const Entry& a, const Entry& b) { return a.text.ByteAt(0) < b.text.ByteAt(0); };
  std::stable_sort(m_exact.begin(), m_exact.end(), byFirstByte);
  std::stable_sort(m_upper.begin(), m_upper.end(), byFirstByte);
}

const CHiliteIndex::Entry* CHiliteIndex::Match(const char* text, const char* upper, int length, int offset,
                                               bool inTag) const {
  const Entry* best = nullptr;
  const auto search = [&](const std::vector<Entry>& table, const char* subject) {
    Entry key;
    key.text = CRefString(subject + offset, 1);
    const auto byFirstByte = [](const Entry& a, const Entry& b) { return a.text.ByteAt(0) < b.text.ByteAt(0); };
    const auto [from, to] = std::equal_range(table.begin(), table.end(), key, byFirstByte);
    for (auto it = from; it != to; ++it) {
      if (best && best->order < it->order) break;
      if (it->insideTag && !inTag) continue;
      const int n = it->text.GetLength();
      if (!StartsAt(subject, length, offset, it->text, n)) continue;
      if (it->word && ((offset > 0 && IsWordChar(static_cast<unsigned char>(upper[offset - 1]))) ||
                       (offset + n < length && IsWordChar(static_cast<unsigned char>(upper[offset + n]))))) {
        continue;
      }
      best = &*it;
      break;
    }
  };
  search(m_exact, text);
  search(m_upper, upper);
  return best;
}

const std::vector<CColorRun>& CColorRuns::Build(const CColorRunInput& input, const CRefString& line, int rowStart,
                                                int rowEnd, bool inComment) {
  // The cache holds a reference to the text, so an edited line never shares its buffer.
  if (m_valid && m_line.GetString() == line.GetString() && m_rowStart == rowStart && m_rowEnd == rowEnd) {
    return m_runs;
  }
  m_valid = true;
  m_line = line;
  m_rowStart = rowStart;
  m_rowEnd = rowEnd;
  Scan(input, line.GetString(), line.GetLength(), rowEnd, inComment);
  m_runs.clear();
  for (int i = rowStart; i < rowEnd; ++i) {
    const int role = m_roles[static_cast<size_t>(i)];
    if (!m_runs.empty() && m_runs.back().role == role) {
      m_runs.back().end = i + 1;
    } else {
      m_runs.push_back({i + 1, role});
    }
  }
  return m_runs;
}

void CColorRuns::Scan(const CColorRunInput& input, const char* text, int length, int rowEnd, bool inComment) {
  const CCustomizeInfo& cust = *input.cust;
  m_baseRole = length > 0 && IsCharInSet(cust.PrefixList, text, 0, length) ? ROLE_QUOTE : ROLE_NORMAL;
  m_roles.assign(static_cast<size_t>(length), static_cast<std::uint8_t>(m_baseRole));
  const bool comments = cust.HiliteComment != -1 && cust.CommentBegin[0] && cust.CommentEnd[0];
  const int commentRole = cust.HiliteComment + ROLE_HILITE1;
  inComment = inComment && cust.HiliteComment != -1;
  const bool mail = cust.LinkMailTo && std::memchr(text, '@', static_cast<size_t>(length));
  const bool urls = cust.LinkURL && std::memchr(text, ':', static_cast<size_t>(length));
  const bool words = cust.Hilite && input.hilite && !input.hilite->IsEmpty();
  const bool tags = cust.Hilite && cust.TagLeft && cust.HiliteTag != -1;
  const bool search = input.search && *input.search;
  const bool tabs = input.tabRuns && std::memchr(text, '\t', static_cast<size_t>(length));
  if (!mail && !urls && !words && !tags && !search && !tabs && !comments && !inComment) return;

  CRefString upperCopy(text, length);
  upperCopy.MakeUpper();
  const char* upper = upperCopy.GetString();
  const auto paint = [&](int from, int to, int role) {
    std::fill(m_roles.begin() + std::min(from, length), m_roles.begin() + std::min(to, length),
              static_cast<std::uint8_t>(role));
  };
  const int beginLength = static_cast<int>(strnlen(cust.CommentBegin, sizeof(cust.CommentBegin)));
  const int endLength = static_cast<int>(strnlen(cust.CommentEnd, sizeof(cust.CommentEnd)));
  const int searchLength = search ? static_cast<int>(std::strlen(input.search)) : 0;
  CRefString searchUpper;
  if (search && !input.searchMatchCase) {
    searchUpper = input.search;
    searchUpper.MakeUpper();
  }
  const char* searchText = input.searchMatchCase ? input.search : searchUpper.GetString();
  const char* searchSubject = input.searchMatchCase ? text : upper;
  bool inTag = false;
  bool tagClosing = false;  // TagRight seen: the tag ends at the next character that is not TagLeft
  int i = 0;
  while (i < length && i < rowEnd + 1) {
    const int n = CharLengthAt(text, i, length);
    const auto ch = static_cast<unsigned char>(text[i]);
    if (inComment) {
      if (comments && StartsAt(text, length, i, cust.CommentEnd, endLength)) {
        paint(i, i + endLength, commentRole);
        i += endLength;
        inComment = false;
      } else {
        paint(i, i + n, commentRole);
        i += n;
      }
      continue;
    }
    if (comments && StartsAt(text, length, i, cust.CommentBegin, beginLength)) {
      paint(i, i + beginLength, commentRole);
      i += beginLength;
      inComment = true;
      continue;
    }
    if (cust.TagLeft) {
      if (inTag && tagClosing && ch != static_cast<unsigned char>(cust.TagLeft)) {
        inTag = tagClosing = false;
      } else if (!inTag && n == 1 && ch == static_cast<unsigned char>(cust.TagLeft)) {
        inTag = true;
      }
      if (inTag && n == 1 && ch == static_cast<unsigned char>(cust.TagRight)) tagClosing = true;
    }
    const int current = inTag && tags ? cust.HiliteTag + ROLE_HILITE1 : m_baseRole;
    if (inTag && tags) paint(i, i + n, current);
    if (search && StartsAt(searchSubject, length, i, searchText, searchLength)) {
      int end = i;
      while (StartsAt(searchSubject, length, end, searchText, searchLength)) end += searchLength;
      paint(i, end, ROLE_SEARCH);
      i = end;
      continue;
    }
    if (words && (inTag || current < ROLE_HILITE1)) {
      if (const CHiliteIndex::Entry* rule = input.hilite->Match(text, upper, length, i, inTag)) {
        const int end = rule->rightAll ? length : i + rule->text.GetLength();
        paint(i, end, rule->color + ROLE_HILITE1);
        i = end;
        continue;
      }
    }
    if (urls) {
      if (const int scheme = SchemeAt(upper, length, i)) {
        const int end = UrlEnd(cust, text, length, i + scheme);
        paint(i, end, ROLE_URL);
        i = end;
        continue;
      }
    }
    if (mail && n == 1 && IsMailChar(static_cast<unsigned char>(upper[i])) &&
        (i == 0 || !IsMailChar(static_cast<unsigned char>(upper[i - 1])))) {
      int end = i;
      int at = -1;
      while (end < length) {
        const auto c = static_cast<unsigned char>(upper[end]);
        if (c == '@' && at < 0 && end > i) {
          at = end;
        } else if (!IsMailChar(c)) {
          break;
        }
        ++end;
      }
      if (at > 0 && end > at + 1) {
        paint(i, end, ROLE_MAIL);
        i = end;
        continue;
      }
    }
    if (tabs && ch == '\t') {
      int end = i;
      while (end < length && text[end] == '\t') ++end;
      paint(i, end, ROLE_MARKS);
      i = end;
      continue;
    }
    i += n;
  }
}
