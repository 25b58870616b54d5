#include "model/KvnDiskText.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace {

bool IsLineOrFieldMark(unsigned char c) { return (c >= 0x02 && c <= 0x08) || c == '\r' || c == '\n'; }

// Writes the number at p as "%0<width>u" does (width at most 9) and returns the end.
char* PutZeroPadded(char* p, unsigned value, int width) {
  unsigned limit = 1;
  for (int i = 0; i < width; ++i) limit *= 10;
  if (value >= limit) return std::to_chars(p, p + 10, value).ptr;
  for (int i = width - 1; i >= 0; --i) {
    p[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return p + width;
}

char* PutDateDigits(char* p, const SYSTEMTIME& t) {
  p = PutZeroPadded(p, t.wYear, 4);
  for (const WORD part : {t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond}) p = PutZeroPadded(p, part, 2);
  return p;
}

}  // namespace

void AppendDecimal(std::string& out, long long value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendHex6(std::string& out, int value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const unsigned bits = static_cast<unsigned>(value) & 0xFFFFFFu;
  char digits[6];
  for (int i = 5, shift = 0; i >= 0; --i, shift += 4) digits[i] = kHex[(bits >> shift) & 0xF];
  out.append(digits, sizeof digits);
}

void AppendTimeDigits(std::string& out, const COleDateTime& time) {
  SYSTEMTIME t{};
  if (time.GetStatus() != COleDateTime::valid || !time.GetAsSystemTime(t)) {
    out.append(14, '0');
    return;
  }
  char digits[64];
  out.append(digits, PutDateDigits(digits, t));
}

void AppendSystemTimeDigits(std::string& out, const SYSTEMTIME& time) {
  char digits[64];
  out.append(digits, PutZeroPadded(PutDateDigits(digits, time), time.wMilliseconds, 3));
}

void AppendWithoutMarks(std::string& out, std::string_view text) {
  // Nearly every title is clean: one branch-free pass decides, then one copy.
  bool marked = false;
  for (const char c : text) marked |= IsLineOrFieldMark(static_cast<unsigned char>(c));
  if (!marked) {
    out += text;
    return;
  }
  size_t run = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsLineOrFieldMark(static_cast<unsigned char>(text[i]))) continue;
    out.append(text, run, i - run);
    run = i + 1;
  }
  out.append(text, run);
}

int ReadDecimal(std::string_view field) {
  // Up to eighteen digits cannot overflow a long, so the fast path agrees with strtol's result.
  if (!field.empty() && field.size() <= 18) {
    long long value = 0;
    size_t i = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) value = value * 10 + (field[i] - '0');
    if (i == field.size()) return static_cast<int>(value);
  }
  char digits[32];
  if (field.size() < sizeof digits) {
    field.copy(digits, field.size());
    digits[field.size()] = '\0';
    return static_cast<int>(std::strtol(digits, nullptr, 10));
  }
  return static_cast<int>(std::strtol(std::string(field).c_str(), nullptr, 10));
}
