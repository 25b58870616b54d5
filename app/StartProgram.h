#pragma once
// Starting a program, or opening a file or address with the desktop's handler, for the panes and
// windows that open links and run the text editor.
#include "platform/base/CString.h"

class wxWindow;

// A program text (the user's own setting, such as the text editor) made of a quoted path and its
// own options: the program is the path, and the options come before the caller's parameter,
// which stays one argument whatever it holds.
void SplitProgramText(const char* text, const char* parameter, CString& program, CString& arguments);

// Starts the program of the user's program text (or opens the file) with the parameter (a path
// from a document, one argument, or null): 0 started; 1 not started and nothing said (a program
// named without '.' that was not found, or no handler), so the caller may try the text editor; 3
// not started, the reason shown to the user.
int StartProgram(wxWindow* owner, const char* program, const char* parameter);
// Opens a link of a document: one path or URL, never a program text; an executable file starts
// only after the user agreed (OpenLinkTarget). Results as StartProgram's; a start the user
// declined counts as 0.
int OpenLink(wxWindow* owner, const char* target);
