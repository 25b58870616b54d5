#pragma once
// The find and replace histories and the find options kept beside the control's settings. Each
// call opens the key itself and closes it afterwards.
#include <vector>

#include "control/CRefString.h"
#include "platform/com/Registry.h"

constexpr int kMaxHistory = 32;

std::vector<CRefString> ReadHistory(HKEY root, const char* keyName, const char* valueName);
void WriteHistory(HKEY root, const char* keyName, const char* valueName, const std::vector<CRefString>& list);

// The list a search button stores: the new string first (when not empty), then the older entries
// without the one equal to it, at most kMaxHistory in all.
std::vector<CRefString> MergeHistory(const CRefString& newText, const std::vector<CRefString>& old);
// The word search's push, without a dialog: onto "Find", and match case is turned off.
void PushFindHistory(HKEY root, const char* keyName, const CRefString& text);

// Byte 0 of the find options: match case. A missing or malformed value reads as 0.
bool ReadFindFlag(HKEY root, const char* keyName);
void WriteFindFlag(HKEY root, const char* keyName, bool matchCase);
