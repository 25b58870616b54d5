#pragma once
// The pictures of the tool-bar buttons, drawn at run time: one small picture per command, at the
// size the bar asks for (16 for the small buttons, 30 for the large ones).
#include <wx/bitmap.h>

#include "platform/base/WinTypes.h"

// The button picture of a command, size × size pixels with a transparent background.
wxBitmap ToolBarImage(UINT id, int size);
