#pragma once
// Telling the user which characters of a text from the desktop the program cannot keep: its texts
// are code page 932, and a character outside it becomes '?'.
#include <initializer_list>
#include <string>
#include <utility>

#include "platform/base/CString.h"

class wxTextCtrl;
class wxWindow;

// One box naming each character of `lost` (UTF-8, as the conversions of CodePage.h list them) with
// its code point; nothing when the list is empty. A null owner is the application's main window and
// a null caption the application's name.
void TellUnkeptCharacters(wxWindow* parent, const std::string& lost, const char* caption);

// Reads text fields into the program's texts (each field into its string). When some characters
// cannot be kept, the user is told once, owned by parent, and the fields show what is kept from then
// on, so that reading them again tells nothing more.
void TakeFieldTexts(wxWindow* parent, std::initializer_list<std::pair<wxTextCtrl*, CString*>> fields);
