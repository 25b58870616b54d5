#pragma once
// Palm DOC files made for the tests: a database header, the record list, record 0, the text in
// records of 4096 bytes (plain, or compressed with literals, space pairs and back-references)
// and one record per bookmark.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace palmdoc_test {

inline void Put16(std::string& b, int v) {
  b += static_cast<char>((v >> 8) & 0xFF);
  b += static_cast<char>(v & 0xFF);
}
inline void Put32(std::string& b, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) b += static_cast<char>((v >> shift) & 0xFF);
}

// One record's text in the PalmDOC compression.
inline std::string Compress(const std::string& text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    // The longest earlier match within reach, at least three bytes.
    size_t bestLength = 0;
    size_t bestDistance = 0;
    for (size_t distance = 1; distance <= std::min<size_t>(i, 2047); ++distance) {
      size_t length = 0;
      while (length < 10 && i + length < text.size() && text[i + length] == text[i + length - distance]) ++length;
      if (length > bestLength) {
        bestLength = length;
        bestDistance = distance;
      }
    }
    if (bestLength >= 3) {
      out += static_cast<char>(0x80 | (bestDistance >> 5));
      out += static_cast<char>(((bestDistance & 31) << 3) | (bestLength - 3));
      i += bestLength;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ' ' && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x40 &&
        static_cast<unsigned char>(text[i + 1]) < 0x80) {
      out += static_cast<char>(0x80 | text[i + 1]);
      i += 2;
    } else if (c >= 0x09 && c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else {
      out += '\x01';
      out += static_cast<char>(c);
      ++i;
    }
  }
  return out;
}

inline std::string Encode(const std::string& text, bool compressed,
                          const std::vector<std::pair<std::string, uint32_t>>& bookmarks = {}) {
  std::vector<std::string> records;
  std::string record0;
  Put16(record0, compressed ? 2 : 1);
  Put16(record0, 0);
  Put32(record0, static_cast<uint32_t>(text.size()));
  const size_t textRecords = (text.size() + 4095) / 4096;
  Put16(record0, static_cast<int>(textRecords));
  Put16(record0, 4096);
  Put32(record0, 0);
  records.push_back(record0);
  for (size_t at = 0; at < text.size(); at += 4096) {
    const std::string part = text.substr(at, 4096);
    records.push_back(compressed ? Compress(part) : part);
  }
  const size_t firstBookmark = records.size();
  for (const auto& [name, position] : bookmarks) {
    std::string record = name.substr(0, 16);
    record.resize(16, '\0');
    Put32(record, position);
    records.push_back(record);
  }
  std::string file(32, '\0');
  file.replace(0, 4, "test");
  Put16(file, 0);                                   // attributes
  Put16(file, 0);                                   // version
  for (int i = 0; i < 6; ++i) Put32(file, 0);       // dates, modification number, info ids
  file += "TEXtREAd";
  Put32(file, 0);                                   // seed
  Put32(file, 0);                                   // next list
  Put16(file, static_cast<int>(records.size()));
  uint32_t offset = static_cast<uint32_t>(78 + 8 * records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    Put32(file, offset);
    file += static_cast<char>(i >= firstBookmark ? 0x00 : 0x40);  // bookmarks are the records with attribute 0
    Put16(file, 0);
    file += static_cast<char>(i + 1);
    offset += static_cast<uint32_t>(records[i].size());
  }
  for (const std::string& record : records) file += record;
  return file;
}

}  // namespace palmdoc_test
