#pragma once
// The font chooser of the display page: a face from the fixed-pitch faces the system lists, and a
// size in points.
#include "platform/base/CString.h"

class wxWindow;

// Shows the chooser over parent with the given face and size; false when the user cancels.
bool ChooseFixedFont(wxWindow* parent, CString* face, double* points);
