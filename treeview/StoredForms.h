#pragma once
// What the style table and the category list share in their stored forms: document header lines,
// their own files, and outline documents they are imported from.
#include "platform/CString.h"

// A value must stay on its line: a line break inside it would start a line of its own (and a
// line starting with 0x08 would end the header).
inline CString OneLine(CString text) {
  text.Remove('\r');
  text.Remove('\n');
  return text;
}

// True when the path names an outline document (extension "kvn" in any letter case).
bool IsOutlineDocumentPath(const char* path);

// Tells the user why a stored form could not be read or written.
void ShowStoredFormError(const char* message);
