#include "textarea/SplitText.h"

SplitPart ProposeSplit(const char* selected) {
  SplitPart split;
  split.part = selected;
  split.hasLineEnd = split.part.Find("\r\n") >= 0;
  int end = split.part.Find("\r\n");
  split.title = end < 0 ? split.part : split.part.Left(end);
  while (split.title.IsEmpty() && !split.part.IsEmpty()) {
    split.part = split.part.Mid(2);
    end = split.part.Find("\r\n");
    if (end < 0) break;
    split.title = split.part.Left(end);
  }
  return split;
}

CString SplitTreeText(const SplitPart& split, const char* chosenTitle, BOOL autoTitle, BOOL deleteFirstLine) {
  if (autoTitle) return split.title == chosenTitle ? split.part : CString(chosenTitle) + "\r\n" + split.part;
  if (!deleteFirstLine) return split.part;
  if (!split.hasLineEnd) return CString();
  const int end = split.part.Find("\r\n");
  return end < 0 ? CString() : split.part.Mid(end + 2);
}
