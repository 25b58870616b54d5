#pragma once
// The colour chooser of the program's dialogs, starting at the given colour and keeping the user's
// custom colours with the application.
#include "platform/base/WinTypes.h"

class wxWindow;

// On OK the chosen colour replaces color; TRUE then.
BOOL ChooseColorRef(wxWindow* parent, COLORREF& color);
