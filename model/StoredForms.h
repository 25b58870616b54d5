#pragma once
// What the style table and the category list share in writing their lines of a document header.
#include "platform/base/CString.h"

// A value must stay on its line: a line break inside it would start a line of its own (and a
// line starting with 0x08 would end the header).
inline CString OneLine(CString text) {
  text.Remove('\r');
  text.Remove('\n');
  return text;
}
