#pragma once
// The input-method calls of Windows. GTK's input method is switched by the user and offers a
// program no call to open or close it or to choose its composition font, so these calls keep the
// state a caller sets and change nothing else. As on Windows, every window of the program's one
// GUI thread shares the thread's default input context.
#include "platform/desktop/CFont.h"
#include "platform/base/WinTypes.h"

class wxWindow;

struct InputContext;
using HIMC = InputContext*;

// The context of the window; null for no window.
HIMC ImmGetContext(wxWindow* window);
BOOL ImmReleaseContext(wxWindow* window, HIMC context);
// FALSE for a null context.
BOOL ImmSetOpenStatus(HIMC context, BOOL open);
BOOL ImmGetOpenStatus(HIMC context);
BOOL ImmSetCompositionFont(HIMC context, const LOGFONT* font);
BOOL ImmGetCompositionFont(HIMC context, LOGFONT* font);
