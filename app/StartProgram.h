#pragma once
// Starting a program, or opening a file or address with the desktop's handler, for the panes and
// windows that open links and run the text editor.
#include "platform/base/CString.h"

class wxWindow;

// A program text made of a quoted path and its own options: the program is the path, and the
// options come before the caller's parameters, which are kept (quoted when they hold blanks).
void SplitProgramText(const char* text, const char* parameters, CString& program, CString& arguments);

// Starts the program (or opens the file) with the parameters: 0 started; 1 not started and nothing
// said (a program named without '.' that was not found, or no handler), so the caller may try the
// text editor; 3 not started, the reason shown to the user.
int StartProgram(wxWindow* owner, const char* program, const char* parameters);
