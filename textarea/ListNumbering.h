#pragma once
// Enter on a bulleted or numbered line: the line break and the marker the next line starts with.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// The text that continues the list after line (its text without line end): CR LF, the line's
// leading blanks (spaces, TABs, full-width spaces) and the next marker: "・" for "・", the next
// number for "N." or "NN." and "(N)" or "(NN)" with ASCII digits. FALSE when the line is empty or
// does not start with a marker after its blanks.
BOOL NextListLine(const CString& line, CString& insertion);
