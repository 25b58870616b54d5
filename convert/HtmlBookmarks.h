#pragma once
// A web browser's bookmark file (".htm") as an outline: the H1 title is the top item, every
// folder an item, every link an item holding its address. The markers are the fixed upper-case
// lines that browsers write; this is no general HTML reader.
#include "platform/base/CString.h"

class ATREE;

// Reads path into the empty model; 1 after the file was read (also when nothing was recognised),
// 0 when it cannot be opened or is not a bookmark file it can read (the reason shown).
int ImportHtmlBookmarks(ATREE& tree, const char* path);
// The text of the first element of tag in the line; empty when its closing tag is missing.
CString GetElementText(const char* tag, const char* line);
// The value of an attribute (its name without regard to case); empty when it does not occur.
CString GetAttributeValue(const char* line, const char* name);
