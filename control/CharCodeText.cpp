#include "control/CharCodeText.h"

#include <cstdio>

unsigned ShiftJisToJis(unsigned code) {
  unsigned high = code >> 8, low = code & 0xFF;
  if (high >= 0xE0) high -= 0x40;
  high = (high - 0x81) * 2 + 0x21;
  if (low >= 0x9F) {
    ++high;
    low -= 0x7E;
  } else {
    if (low >= 0x80) --low;
    low -= 0x1F;
  }
  return high << 8 | low;
}

CRefString CharCodeText(unsigned code) {
  char text[64];
  if (code == 0x0D0A) {
    std::snprintf(text, sizeof(text), "%s\n%04X", "CR+LF", code);
  } else if (code == '\r' || code == '\n' || code == '\t') {
    std::snprintf(text, sizeof(text), "%s\n%02X", code == '\r' ? "CR" : code == '\n' ? "LF" : "Tab", code);
  } else if (code > 0xFF) {
    const char character[3] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), '\0'};
    std::snprintf(text, sizeof(text), "%s\nShiftJIS: %04X\nJIS: %04X", character, code, ShiftJisToJis(code));
  } else {
    const char character[2] = {static_cast<char>(code), '\0'};
    std::snprintf(text, sizeof(text), "%s\n%02X", character, code);
  }
  return CRefString(text);
}
