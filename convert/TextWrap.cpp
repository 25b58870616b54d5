#include "convert/TextWrap.h"

#include <algorithm>
#include <string>

#include "app/CKinsokuSettings.h"
#include "platform/base/LeadByte.h"

namespace {

bool IsLetter(unsigned char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

// Whether the byte at offset starts a double-byte character (the text's start is a character start).
bool LeadAt(std::string_view text, int offset) {
  int pos = 0;
  while (pos < offset) pos += IsLeadByte(text[static_cast<size_t>(pos)]) ? 2 : 1;
  return pos == offset && offset < static_cast<int>(text.size()) && IsLeadByte(text[static_cast<size_t>(offset)]);
}

// The single-byte letters that run up to pos, counted by characters, as a trail byte may have a
// letter's value; 0 when pos is no character start.
int LettersBefore(std::string_view text, int pos) {
  int count = 0;
  int at = 0;
  while (at < pos) {
    const size_t i = static_cast<size_t>(at);
    const bool pair = IsLeadByte(text[i]) && text[i + 1] != '\0';
    count = !pair && IsLetter(static_cast<unsigned char>(text[i])) ? count + 1 : 0;
    at += pair ? 2 : 1;
  }
  return at == pos ? count : 0;
}

// The rule characters are looked up in a few bytes around pos only, so that a long text is not
// measured again for every piece.
CString Around(std::string_view text, int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, static_cast<int>(text.size()));
  return CString(std::string(text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from))));
}

bool EndsWithCrLf(std::string_view piece) { return piece.size() >= 2 && piece.substr(piece.size() - 2) == "\r\n"; }

CString ContinuationPrefix(const CString& indent, const CString& prefix) {
  std::string blanks = prefix.str();
  for (char& ch : blanks) {
    if (ch != '\t') ch = ' ';
  }
  return indent + CString(blanks);
}

CString Wrap(int room, const CString& indent, const CString& prefix, std::string_view text, const char* eol,
             bool eolAfterEveryCut) {
  const std::string_view e(eol);
  if (text.empty() || text == e) return eol;
  if (room < 1) room = 2;
  std::string out = (indent + prefix).str();
  const std::string next = ContinuationPrefix(indent, prefix).str();
  out.reserve(out.size() + text.size() + text.size() / static_cast<size_t>(room) * (next.size() + 2) + 4);
  bool first = true;
  // Where the next eol stands, found once for all the pieces cut before it.
  size_t at = text.find(e);
  while (!text.empty()) {
    size_t length;
    bool cut = false;
    if (at != std::string_view::npos && at < static_cast<size_t>(room)) {
      length = at + e.size();
    } else {
      int pos = room;
      CutLinePiece(text, pos);
      length = static_cast<size_t>(pos);
      cut = true;
    }
    const std::string_view piece = text.substr(0, length);
    if (!first && piece != e) out += next;
    out.append(piece);
    text.remove_prefix(length);
    at = at != std::string_view::npos && at >= length ? at - length : text.find(e);
    if (cut && (eolAfterEveryCut || !(EndsWithCrLf(piece) || text.substr(0, 2) == "\r\n"))) out += eol;
    first = false;
  }
  return CString(std::move(out));
}

}  // namespace

void CutLinePiece(std::string_view text, int& pos) {
  const int length = static_cast<int>(text.size());
  if (length == 0) {
    pos = 0;
    return;
  }
  const int asked = std::clamp(pos, 1, length);
  pos = asked;
  const CKinsokuSettings& rules = GetKinsokuSettings();
  if (rules.m_nTagKinsoku) {
    bool inTag = false;
    int i = 0;
    for (; i < length; ++i) {
      const char ch = text[static_cast<size_t>(i)];
      if (ch == '\n') break;
      if (!inTag && i >= pos) break;
      if (ch == '<') inTag = true;
      if (ch == '>') inTag = false;
    }
    if (i > pos) pos = i;
  }
  // A double-byte character is never split: the piece ends before it, or after it when it starts it.
  if (pos < length && pos > 0 && LeadAt(text, pos - 1)) pos += pos - 1 > 0 ? -1 : 1;
  if (pos < length && pos > 0 && text[static_cast<size_t>(pos) - 1] == '\r' && text[static_cast<size_t>(pos)] == '\n') {
    ++pos;
  }
  if (rules.m_nWordWrap && pos < length && IsLetter(static_cast<unsigned char>(text[static_cast<size_t>(pos)]))) {
    // Counted by characters: a trail byte may have a letter's value.
    const int run = LettersBefore(text, pos);
    if (run > 0 && run < pos) pos -= run;
  }
  if (rules.m_bKinFirst && pos < length) {
    const CString near = Around(text, pos, pos + 2);
    if (!rules.CanBeginLine(near, 0)) pos += LeadAt(text, pos) ? 2 : 1;
  }
  if (rules.m_bKinLast && pos > 1 && pos < length) {
    const int start = LeadAt(text, pos - 2) ? pos - 2 : pos - 1;
    const CString near = Around(text, start, pos);
    if (start > 0 && !rules.CanEndLine(near, pos - start)) pos = start;
  }
  pos = std::clamp(pos, 1, length);
}

CString WrapWithSpaces(int width, int n, const CString& prefix, std::string_view text, const char* eol) {
  return Wrap(width - n - prefix.GetLength(), CString(std::string(static_cast<size_t>(std::max(n, 0)), ' ')), prefix,
              text, eol, false);
}

CString WrapWithTabs(int width, int tabNo, int n, const CString& prefix, std::string_view text, const char* eol) {
  return Wrap(width - n * tabNo, CString(std::string(static_cast<size_t>(std::max(n, 0)), '\t')), prefix, text, eol,
              true);
}

CString MakeIndentedText(int mode, int width, int tabNo, int n, const CString& prefix, std::string_view text,
                         const char* eol) {
  switch (mode) {
    case 0:
      return WrapWithSpaces(width, n, prefix, text, eol);
    case 1:
      return WrapWithTabs(width, tabNo, n, prefix, text, eol);
    default: {
      std::string out;
      out.reserve(static_cast<size_t>(prefix.GetLength()) + text.size() + 2);
      out += prefix.str();
      out += text;
      if (mode == 2) out += eol;
      return CString(std::move(out));
    }
  }
}
