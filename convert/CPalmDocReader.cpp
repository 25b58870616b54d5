#include "convert/CPalmDocReader.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/base/RegularFile.h"

namespace {

constexpr size_t kHeaderSize = 78;
constexpr size_t kRecordEntrySize = 8;
constexpr size_t kRecord0Size = 16;
constexpr size_t kBookmarkSize = 20;
constexpr size_t kBookmarkNameSize = 16;
// A compressed byte pair gives at most ten bytes: no text is longer than five times its data.
constexpr size_t kMaxExpansion = 5;

uint32_t Big32(const std::string& b, size_t at) {
  return (static_cast<uint32_t>(static_cast<unsigned char>(b[at])) << 24) |
         (static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16) |
         (static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3]));
}

int Big16(const std::string& b, size_t at) {
  return (static_cast<unsigned char>(b[at]) << 8) | static_cast<unsigned char>(b[at + 1]);
}

}  // namespace

bool CPalmDocReader::Fail(const char* reason) {
  m_strError = reason;
  m_text.clear();
  m_bookmarks.clear();
  return false;
}

int CPalmDocReader::Read(const char* path) {
  std::string bytes;
  std::FILE* file = OpenRegularFileStream(path);
  if (file == nullptr) {
    m_strError = "ファイルのオープンに失敗しました";
    return 0;
  }
  char chunk[65536];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    m_strError = "ファイルの読み込みに失敗しました";
    return 0;
  }
  return ReadBytes(bytes);
}

int CPalmDocReader::ReadBytes(const std::string& bytes) {
  m_text.clear();
  m_bookmarks.clear();
  m_strError.Empty();
  const size_t size = bytes.size();
  if (size < kHeaderSize) return Fail("ヘッダが途中で切れています");
  const int count = static_cast<int16_t>(Big16(bytes, 76));
  if (count < 2) return Fail("テキストのレコードがありません");
  if (kHeaderSize + static_cast<size_t>(count) * kRecordEntrySize > size) return Fail("レコード一覧が途中で切れています");

  std::vector<uint32_t> offsets(static_cast<size_t>(count));
  int firstBookmark = -1;
  for (int i = 0; i < count; ++i) {
    const size_t entry = kHeaderSize + static_cast<size_t>(i) * kRecordEntrySize;
    offsets[static_cast<size_t>(i)] = Big32(bytes, entry);
    if (offsets[static_cast<size_t>(i)] > size) return Fail("レコードの位置がファイルの外にあります");
    if (firstBookmark < 0 && bytes[entry + 4] == 0) firstBookmark = i;
  }
  // Record 0 describes the text and record 1 starts it: neither can be a bookmark.
  if (firstBookmark == 0 || firstBookmark == 1) return Fail("テキストのレコードがありません");
  const size_t textStart = offsets[1];
  const size_t textEnd = firstBookmark > 0 ? offsets[static_cast<size_t>(firstBookmark)] : size;
  if (textEnd < textStart) return Fail("テキストの範囲が正しくありません");

  if (firstBookmark > 0) {
    for (int i = firstBookmark; i < count; ++i) {
      const size_t at = offsets[static_cast<size_t>(i)];
      if (at + kBookmarkSize > size) return Fail("しおりのレコードが途中で切れています");
      const char* name = bytes.data() + at;
      const size_t length = strnlen(name, kBookmarkNameSize);
      const uint32_t position = Big32(bytes, at + kBookmarkNameSize);
      if (position > 0x7FFFFFFF) return Fail("しおりの位置が正しくありません");
      m_bookmarks.emplace_back(CString(name, static_cast<int>(length)), static_cast<int>(position));
    }
  }

  if (offsets[0] + kRecord0Size > size) return Fail("テキストの情報が途中で切れています");
  const int compression = Big16(bytes, offsets[0]);
  const uint32_t textLength = Big32(bytes, offsets[0] + 4);
  const std::string area = bytes.substr(textStart, textEnd - textStart);
  size_t logicalLength = 0;
  if (compression == 1) {
    m_text = area;
    logicalLength = area.size();
  } else {
    const size_t limit = std::min<size_t>(textLength, area.size() * kMaxExpansion);
    if (!Decompress(area, limit, m_text)) return Fail("圧縮されたテキストが壊れています");
    logicalLength = textLength;
  }
  // The text is a zero-terminated string: it ends at its first zero byte.
  m_text.resize(strnlen(m_text.c_str(), m_text.size()));
  if (logicalLength > 15 && m_text.compare(0, 7, "#!Medoc") == 0 && !ReadMedocIndex()) return 0;
  return 1;
}

bool CPalmDocReader::Decompress(const std::string& source, size_t limit, std::string& target) {
  const size_t start = target.size();
  const size_t n = source.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(source[i++]);
    if (c == 0) break;
    if (c <= 8) {
      if (i + c > n || target.size() - start + c > limit) return false;
      target.append(source, i, c);
      i += c;
    } else if (c < 0x80) {
      if (target.size() - start + 1 > limit) return false;
      target += static_cast<char>(c);
    } else if (c < 0xC0) {
      if (i >= n) return false;
      const unsigned char b = static_cast<unsigned char>(source[i++]);
      const size_t distance = (static_cast<size_t>(c & 0x3F) << 5) | (b >> 3);
      const size_t length = (b & 7u) + 3;
      const size_t written = target.size() - start;
      if (distance == 0 || distance > written || written + length > limit) return false;
      // One byte at a time: an overlapping copy repeats what it has just written.
      for (size_t k = 0; k < length; ++k) target += target[target.size() - distance];
    } else {
      if (target.size() - start + 2 > limit) return false;
      target += ' ';
      target += static_cast<char>(c & 0x7F);
    }
  }
  return true;
}

bool CPalmDocReader::ReadMedocIndex() {
  std::vector<size_t> lineEnds;
  for (size_t i = 0; i < m_text.size(); ++i) {
    if (m_text[i] == '\n') lineEnds.push_back(i);
  }
  const size_t word = m_text.find("index");
  if (word == std::string::npos) return Fail("しおりの索引がありません");
  size_t at = word + 5;
  while (at < m_text.size() && m_text[at] == ' ') ++at;
  size_t n = 0;
  while (at < m_text.size() && m_text[at] >= '0' && m_text[at] <= '9') {
    n = n * 10 + static_cast<size_t>(m_text[at++] - '0');
    // The index needs a line of its own per entry: more than the text's lines cannot be.
    if (n >= lineEnds.size()) break;
  }
  if (n >= lineEnds.size()) return Fail("しおりの索引の行数が正しくありません");
  const size_t bodyLf = lineEnds[n];  // the (n + 1)-th LF ends the index
  for (size_t i = 0; i < n; ++i) {
    const size_t begin = lineEnds[i] + 1;
    const size_t end = lineEnds[i + 1];
    size_t p = begin;
    size_t lineNumber = 0;
    while (p < end && m_text[p] >= '0' && m_text[p] <= '9') {
      lineNumber = lineNumber * 10 + static_cast<size_t>(m_text[p++] - '0');
      if (lineNumber > lineEnds.size()) return Fail("しおりの索引の行番号が正しくありません");
    }
    // The bookmark stands at the end of a line of the remaining text.
    if (lineNumber <= n + 1) return Fail("しおりの索引の行番号が正しくありません");
    const size_t colon = m_text.find(':', begin);
    if (colon == std::string::npos || colon >= end) return Fail("しおりの索引の行に ':' がありません");
    const size_t position = lineEnds[lineNumber - 1] - bodyLf - 1;
    m_bookmarks.emplace_back(CString(m_text.substr(colon + 1, end - colon - 1)), static_cast<int>(position));
  }
  m_text.erase(0, bodyLf + 1);
  return true;
}
