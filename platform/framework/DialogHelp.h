#pragma once
// Help of the program's dialogs: a help button or F1 shows the dialog's topic through the
// application's help.
#include <functional>

#include "platform/base/WinTypes.h"

class wxWindow;

// Shows the topic of the running application's help.
void ShowHelpTopic(DWORD topic);
// F1 anywhere in the dialog shows the topic; topic() gives it when F1 is pressed (a sheet's topic
// follows its page).
void BindDialogHelp(wxWindow* dialog, std::function<DWORD()> topic);
void BindDialogHelp(wxWindow* dialog, DWORD topic);
