#pragma once
// The control's settings in the registry store: the settings record, the colour table, the word
// lists and the key table under the key the host names.
#include "platform/com/ComTypes.h"
#include "platform/com/Registry.h"

class CEditCore;
struct CColorTable;
struct CCustomizeInfo;

// Version of the stored layout; any other stored version loads nothing but defaults.
constexpr DWORD kEditRegVersion = 1;

// The settings record's and colour table's defaults, the display font included.
void ResetEditSettings(CCustomizeInfo& cust, CColorTable& colors);

// Sets every default, then reads what the key holds (creating a missing key). The caller rebuilds
// what depends on the settings.
void LoadEditSettings(HKEY root, const char* keyName, CEditCore& edit, CColorTable& colors);
// S_FALSE when the key cannot be opened; nothing is written then.
HRESULT SaveEditSettings(HKEY root, const char* keyName, CEditCore& edit, const CColorTable& colors);
