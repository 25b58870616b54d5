#pragma once
// The font chooser of the tree pane's fonts: starts at the current font and answers with the
// chosen one as a LOGFONT in the Shift JIS character set, as the settings keep it.
#include "platform/desktop/CFont.h"

class wxWindow;

// FALSE, with lf unchanged, when the user cancels.
BOOL ChooseLogFont(wxWindow* parent, const CFont& current, LOGFONT& lf);
