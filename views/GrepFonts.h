#pragma once
// The two fonts of the grep window, each kept in its own settings section as face, height,
// weight, italic, underline and character set.
#include "platform/desktop/CFont.h"

class wxWindow;

// Makes the font from the section, with the given height when the section has none.
void CreateGrepFont(CFont& font, const char* section, int defaultHeight);
// The font dialog from the current font; on OK the font is remade and written to the section.
BOOL ChooseGrepFont(wxWindow* parent, CFont& font, const char* section);
