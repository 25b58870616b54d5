#include "foundation/NumberText.h"

#include <charconv>
#include <cstdio>
#include <string>

double ParseNumber(const char* text) {
  const char first = text[0];
  if (!((first >= '0' && first <= '9') || first == ',' || first == '.' || first == '+' || first == '-')) return 0;
  std::string digits;
  for (int i = 0; text[i] && i < 100; ++i) {
    const char ch = text[i];
    if (i == 0 && (ch == '+' || ch == '-')) {
      if (ch == '-') digits += ch;
    } else if (ch == ',') {
      continue;
    } else if ((ch >= '0' && ch <= '9') || ch == '.') {
      digits += ch;
    } else {
      break;
    }
  }
  // Independent of the process locale, which the application sets for Japanese.
  double value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

CString FormatNumber(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.10g", value);
  std::string text(buffer);

  // Exponents with at least three digits, as stored texts have always shown them ("1e+015").
  const size_t e = text.find_first_of("eE");
  if (e != std::string::npos && e + 1 < text.size() && (text[e + 1] == '+' || text[e + 1] == '-')) {
    const size_t digitsAt = e + 2;
    while (text.size() - digitsAt < 3) text.insert(digitsAt, 1, '0');
  }

  const size_t intBegin = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  size_t intEnd = intBegin;
  while (intEnd < text.size() && text[intEnd] >= '0' && text[intEnd] <= '9') ++intEnd;
  for (size_t at = intEnd; at > intBegin + 3;) {
    at -= 3;
    text.insert(at, 1, ',');
  }
  return CString(text);
}
