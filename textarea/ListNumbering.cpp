#include "textarea/ListNumbering.h"

namespace {

constexpr char kMiddleDot[] = "・";
constexpr char kWideSpace[] = "　";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int Value(char c) { return c - '0'; }

}  // namespace

BOOL NextListLine(const CString& line, CString& insertion) {
  const char* text = line.GetString();
  const int length = line.GetLength();
  insertion = "\r\n";
  int i = 0;
  while (i < length) {
    if (text[i] == ' ' || text[i] == '\t') {
      insertion += text[i++];
      continue;
    }
    if (i + 1 < length && text[i] == kWideSpace[0] && text[i + 1] == kWideSpace[1]) {
      insertion += kWideSpace;
      i += 2;
      continue;
    }
    break;
  }
  // The marker is looked for only at the first character after the blanks.
  const int left = length - i;
  const char* p = text + i;
  if (left < 2) return FALSE;
  CString marker;
  if (p[0] == kMiddleDot[0] && p[1] == kMiddleDot[1]) {
    marker = kMiddleDot;
  } else if (IsDigit(p[0]) && p[1] == '.') {
    marker.Format("%d.", Value(p[0]) + 1);
  } else if (left >= 3 && IsDigit(p[0]) && IsDigit(p[1]) && p[2] == '.') {
    marker.Format("%d.", Value(p[0]) * 10 + Value(p[1]) + 1);
  } else if (left >= 3 && p[0] == '(' && IsDigit(p[1]) && p[2] == ')') {
    marker.Format("(%d)", Value(p[1]) + 1);
  } else if (left >= 4 && p[0] == '(' && IsDigit(p[1]) && IsDigit(p[2]) && p[3] == ')') {
    marker.Format("(%d)", Value(p[1]) * 10 + Value(p[2]) + 1);
  } else {
    return FALSE;
  }
  insertion += marker;
  return TRUE;
}
