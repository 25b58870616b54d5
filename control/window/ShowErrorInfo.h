#pragma once
// The error box of the control's pages: what a failed automation call left for this thread.

class wxWindow;

// Shows the thread's current error description (if any) in an "Error" box owned by owner, with the
// exclamation icon, and releases the error information. Without error information nothing is shown.
void ShowErrorInfo(wxWindow* owner);
