#pragma once
// The OK and Cancel buttons at the foot of every dialog of the program. The ids are the buttons'
// window ids: wx's own, which let wx close the dialog, or the system's (IDOK, IDCANCEL) for
// dialogs that handle the buttons themselves.
#include <wx/defs.h>

class wxSizer;
class wxWindow;

// cancelLabel (code page 932) names the cancel button where it closes rather than cancels.
wxSizer* CreateOkCancelButtons(wxWindow* dialog, int okId = wxID_OK, int cancelId = wxID_CANCEL,
                               const char* cancelLabel = nullptr);
