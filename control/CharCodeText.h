#pragma once
// The text of the character-code box: what the character at the caret is, by its codes.
#include "control/CRefString.h"

// The JIS code of a double-byte Shift JIS code (0x82A0 gives 0x2422).
unsigned ShiftJisToJis(unsigned code);
// The box text for a character as the buffer reports it (a byte, a double-byte code, 0x0D0A for
// CR LF).
CRefString CharCodeText(unsigned code);
