#pragma once
// Tree records that come from outside the model (the clipboard, which any program can fill) are
// checked as a whole before one of them becomes an item.
#include "platform/base/CString.h"

// True when records is one or more whole records whose fields stand in their order, whose numbers
// are numbers, and whose paths form a tree (the first at the top level, each one at most one level
// below the one before, under the same titles). Bytes 0x01 are then taken out of links and texts,
// where they would cut the file's fields. A false leaves records as it was.
bool CleanTreeRecords(CString& records);
