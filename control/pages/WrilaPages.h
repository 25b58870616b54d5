#pragma once
// The control's property pages, created by the library's class factories.
#include "platform/com/ComTypes.h"

HRESULT CreateTextPage(REFIID iid, void** object);
HRESULT CreateMarginPage(REFIID iid, void** object);
HRESULT CreateFilePage(REFIID iid, void** object);
HRESULT CreateDesignPage(REFIID iid, void** object);
HRESULT CreateCommentPage(REFIID iid, void** object);
HRESULT CreateKinsokuPage(REFIID iid, void** object);
HRESULT CreateShowMarkPage(REFIID iid, void** object);
HRESULT CreateLinkPage(REFIID iid, void** object);
HRESULT CreateFaceWrapPage(REFIID iid, void** object);
HRESULT CreateHilitePage(REFIID iid, void** object);
HRESULT CreateKeyboardPage(REFIID iid, void** object);
HRESULT CreateShowPage(REFIID iid, void** object);
