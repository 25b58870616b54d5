#pragma once
// wx assertions pass a filter that lets the large command and window ids through (see the source);
// every other assertion goes to the handler given here (by default wx's own, a dialog).
#include <wx/debug.h>

// Sets the handler for the assertions the filter passes on; returns the one it replaces.
wxAssertHandler_t SetUnfilteredAssertHandler(wxAssertHandler_t handler);
