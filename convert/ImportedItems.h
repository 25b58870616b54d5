#pragma once
// What the readers of outside files share: the title a file gives its top item, and the cleaning
// of texts and titles that come from outside (the bytes 0x01-0x08 separate the model's own fields
// and never enter an item).
#include "platform/base/CString.h"

// The file's name without its folder and without the extension from its last '.'.
CString FileTitleOf(const char* path);
// A title loses 0x01-0x08 and its line ends.
void CleanImportedTitle(CString& title);
// A text loses 0x01-0x08.
void CleanImportedText(CString& text);
