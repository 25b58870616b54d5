// A record is: path 0x02 link 0x04 text 0x05 status 0x06 bookmark 0x07 view 0x03 colours 0x08,
// the path's titles joined by 0x01, the colours "%06X%06X%d" and, for a cut, 0x01 and three time
// fields of digits.
#include "model/TreeRecordCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char kLevel = '\x01';
constexpr char kEnd = '\x08';
// The field separators in the order they stand in a record.
constexpr std::array<char, 6> kSeparators = {'\x02', '\x04', '\x05', '\x06', '\x07', '\x03'};
constexpr size_t kColourLength = 13;     // two six-digit colours and the own-colour flag
constexpr size_t kTimesLength = 14 + 14 + 17;

bool IsSeparator(char c) { return c >= '\x02' && c <= kEnd; }

bool AllOf(std::string_view s, int (*test)(int)) {
  return std::all_of(s.begin(), s.end(), [test](char c) { return test(static_cast<unsigned char>(c)) != 0; });
}

bool IsNumber(std::string_view s) {
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  return !s.empty() && s.size() <= 11 && AllOf(s, isdigit);
}

bool IsColourField(std::string_view s) {
  if (s.size() < kColourLength || !AllOf(s.substr(0, 12), isxdigit) || !isdigit(static_cast<unsigned char>(s[12])))
    return false;
  s.remove_prefix(kColourLength);
  return s.empty() || (s.size() == 1 + kTimesLength && s.front() == kLevel && AllOf(s.substr(1), isdigit));
}

std::vector<std::string_view> PathParts(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t from = 0;
  for (;;) {
    const size_t cut = path.find(kLevel, from);
    parts.push_back(path.substr(from, cut == std::string_view::npos ? std::string_view::npos : cut - from));
    if (cut == std::string_view::npos) return parts;
    from = cut + 1;
  }
}

// Checks one record (without its end byte) against the path of the record before it.
bool CheckRecord(std::string_view rec, std::vector<std::string_view>& previous) {
  std::array<size_t, kSeparators.size()> at{};
  size_t from = 0;
  for (size_t i = 0; i < kSeparators.size(); ++i) {
    at[i] = rec.find(kSeparators[i], from);
    if (at[i] == std::string_view::npos) return false;
    from = at[i] + 1;
  }
  // Each separator once, and nothing else of their range anywhere.
  if (std::count_if(rec.begin(), rec.end(), IsSeparator) != static_cast<long>(kSeparators.size())) return false;
  const auto field = [&](size_t i) { return rec.substr(at[i] + 1, at[i + 1] - at[i] - 1); };
  if (!IsNumber(field(2))) return false;
  if (field(3).size() != 1 || !isdigit(static_cast<unsigned char>(field(3)[0]))) return false;
  if (field(4).size() != 1 || !isdigit(static_cast<unsigned char>(field(4)[0]))) return false;
  if (!IsColourField(rec.substr(at[5] + 1))) return false;

  std::vector<std::string_view> parts = PathParts(rec.substr(0, at[0]));
  if (std::any_of(parts.begin(), parts.end(), [](std::string_view p) { return p.empty(); })) return false;
  const size_t level = parts.size();
  if (previous.empty() ? level != 1 : level > previous.size() + 1) return false;
  if (!std::equal(parts.begin(), parts.end() - 1, previous.begin())) return false;
  previous = std::move(parts);
  return true;
}

}  // namespace

bool CleanTreeRecords(CString& records) {
  const std::string_view all = records.str();
  if (all.empty() || all.back() != kEnd) return false;
  std::vector<std::string_view> previous;
  for (size_t pos = 0; pos < all.size();) {
    const size_t end = all.find(kEnd, pos);
    if (!CheckRecord(all.substr(pos, end - pos), previous)) return false;
    pos = end + 1;
  }
  // Links and texts lie between the path's end (0x02) and the status (0x05).
  std::string cleaned;
  cleaned.reserve(all.size());
  bool inBody = false;
  for (const char c : all) {
    if (c == '\x02') inBody = true;
    if (c == '\x05') inBody = false;
    if (!(inBody && c == kLevel)) cleaned += c;
  }
  records = CString(std::move(cleaned));
  return true;
}
