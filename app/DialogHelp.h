#pragma once
// F1 in a dialog shows the dialog's help topic through the application.
#include <functional>

#include "platform/WinTypes.h"

class wxWindow;

// topic gives the topic when F1 is pressed (a sheet's topic follows its page).
void BindDialogHelp(wxWindow* dialog, std::function<DWORD()> topic);
void BindDialogHelp(wxWindow* dialog, DWORD topic);
