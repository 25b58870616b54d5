#pragma once
// Telling the user which characters of a text from the desktop the program cannot keep: its texts
// are code page 932, and a character outside it becomes '?'.
#include <string>

class wxWindow;

// One box naming each character of `lost` (UTF-8, as the conversions of CodePage.h list them) with
// its code point; nothing when the list is empty. A null owner is the application's main window and
// a null caption the application's name.
void TellUnkeptCharacters(wxWindow* parent, const std::string& lost, const char* caption);
