#pragma once
// The OK and Cancel buttons of the program's dialogs, with the system's button ids (IDOK, IDCANCEL)
// as window ids so that code and tests find them as the dialogs' other controls.
class wxSizer;
class wxWindow;

wxSizer* MakeOkCancelButtons(wxWindow* parent);
