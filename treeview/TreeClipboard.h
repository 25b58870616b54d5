#pragma once
// The system clipboard as the tree commands use it: copied trees travel in the program's own
// format "Kestavon" (tree records, Shift JIS, with a terminating NUL) beside the plain text of the
// copied item's title, so that another window, another instance or another program gets what it
// can read.
#include <string>

#include "platform/base/CString.h"

namespace tree_clipboard {

// Puts both formats on the clipboard in one go; false when the clipboard could not be opened.
bool Put(const CString& records, const CString& title);

enum class Content { kNothing, kRecords, kText };
// What the clipboard holds for a paste: the program's records first, else plain text (in Shift
// JIS; the characters it has no form for are listed in *lost, as WxToCP932 lists them), else
// nothing. Records come checked; a damaged block counts as nothing of the kind.
Content Take(CString& data, std::string* lost = nullptr);

}  // namespace tree_clipboard
