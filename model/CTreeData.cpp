#include "model/CTreeData.h"

#include <cstring>

CString StripTreeLineArt(const char* title) {
  static const char* const pieces[] = {"┃", "┣", "┗", "━", "  "};
  const char* p = title;
  for (;;) {
    bool skipped = false;
    for (const char* piece : pieces) {
      if (p[0] != '\0' && p[0] == piece[0] && p[1] == piece[1]) {
        p += 2;
        skipped = true;
        break;
      }
    }
    if (!skipped) return CString(p);
  }
}
