#pragma once
// Whether an event handler has a command handler for an id, in its event tables (static, with
// their base tables) or among the handlers bound to it at run time. The frames use it to grey a
// command that nothing on the route would carry out.
#include <wx/event.h>

bool HasCommandHandler(const wxEvtHandler* handler, int id);
