#pragma once
// Showing a file in the desktop's file manager with the file selected, as the Windows explorer's
// "/select," does. Texts are code page 932.
#include "platform/base/WinTypes.h"

// Asks the file manager over the session bus (org.freedesktop.FileManager1.ShowItems); when none
// answers, the file's folder is opened with the desktop's handler. FALSE when neither worked.
BOOL ShowInFileManager(const char* path);
// Asks the file manager over the session bus to show the file's properties
// (org.freedesktop.FileManager1.ShowItemProperties); FALSE when none answers.
BOOL ShowPropertiesInFileManager(const char* path);
