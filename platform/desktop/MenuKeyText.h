#pragma once
// Menu item texts in the Windows form "label\tkeys", where the keys are shown at the right edge
// of the item for display only. A wx label with a tab would make GTK install the keys as a real
// accelerator, so a bound key would fire twice (once through the program's own key table, once
// through GTK); here the label goes to wx without the tab and the keys are drawn by the item's
// accelerator label, with nothing installed anywhere.
#include "platform/base/CString.h"

class wxMenuItem;

// The item's whole text: its label, and a tab with the key text when it shows one.
CString GetMenuItemText(const wxMenuItem* item);
// Sets label and key text from "label\tkeys" (no tab: no key text). Key texts are the key
// table's: "Alt+", "Shift+", "Ctrl+" as set, then a key name such as "F5", "A", "PageUp", "NUM3".
void SetMenuItemText(wxMenuItem* item, const CString& text);
