#include "platform/desktop/CWaitCursor.h"

#include <wx/utils.h>

CWaitCursor::CWaitCursor() { wxBeginBusyCursor(); }

CWaitCursor::~CWaitCursor() { wxEndBusyCursor(); }
