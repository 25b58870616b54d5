#pragma once
// What the find commands of both panes share: guarding a search against a pattern that does not
// compile, and showing the word in the main window's find box.
#include <wx/string.h>

#include <functional>

#include "platform/base/CString.h"

// Runs search; a regular expression that does not compile is reported with its message and the
// search counts as no hit (FALSE). TRUE when search ran to its end.
bool RunGuardedSearch(const std::function<void()>& search);

// Shows the word in the main window's find box and puts it at the top of the box's list (an equal
// entry moves there).
void ShowInFindBox(const CString& word);

// The window position of a byte offset of a text whose CR LF line ends a text window shows as one
// character, and the text itself as such a window takes it.
long TextWindowPos(const CString& text, int offset);
wxString TextWindowValue(const CString& text);

// Where a search goes on after a hit: past its end, or one character on from a zero-length hit,
// so that a search that matches nothing never stands still.
int StepPastHit(const CString& text, int hit, int length);
