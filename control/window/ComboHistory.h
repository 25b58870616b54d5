#pragma once
// The find and replace dialogs' combo boxes over the histories kept beside the control's settings.

#include "control/CRefString.h"
#include "platform/com/Registry.h"

class wxComboBox;

// Pushes the combo box's text and entries as the history.
void PushComboHistory(HKEY root, const char* keyName, const char* valueName, wxComboBox* combo);
// Fills the combo box from the history with `current` first; returns the string to show.
CRefString FillComboHistory(HKEY root, const char* keyName, const char* valueName, wxComboBox* combo,
                            const CRefString& current);
