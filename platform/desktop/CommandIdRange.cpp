// Command and window ids run up to 0xFFFF (the program's commands from 0x8000, the framework's
// from 0xE100, its pane windows from 0xE900) and stay the wx ids of menu items and windows. wx
// asserts on ids from 0x7FFF up, a limit of its Windows port; on GTK such ids work, so those two
// assertions are let through silently and every other goes to the handler installed before.
#include "platform/desktop/CommandIdRange.h"

#include <wx/string.h>

namespace {

wxAssertHandler_t g_previousHandler = nullptr;

void FilterAsserts(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
  if (cond.Contains("itemid < 0x7fff") || cond.Contains("id < 32767")) return;
  if (g_previousHandler) g_previousHandler(file, line, func, cond, msg);
}

const bool g_installed = [] {
  g_previousHandler = wxSetAssertHandler(FilterAsserts);
  return true;
}();

}  // namespace

wxAssertHandler_t SetUnfilteredAssertHandler(wxAssertHandler_t handler) {
  const wxAssertHandler_t previous = g_previousHandler;
  g_previousHandler = handler;
  return previous;
}
