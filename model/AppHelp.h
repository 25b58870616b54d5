#pragma once
// Help of the program's dialogs: a help button or F1 shows the dialog's topic of the application's
// help.
#include "platform/WinTypes.h"

class wxWindow;

void ShowAppHelp(DWORD topic);
// F1 anywhere in the dialog shows the topic.
void BindHelpKey(wxWindow* dialog, DWORD topic);
