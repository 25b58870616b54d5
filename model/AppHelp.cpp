#include "model/AppHelp.h"

#include <wx/event.h>
#include <wx/window.h>

#include "app/CKestavonApp.h"

namespace {
constexpr UINT kHelpContext = 1;
}

void ShowAppHelp(DWORD topic) {
  // Only the program's own application object knows the help file.
  if (auto* app = dynamic_cast<CKestavonApp*>(AfxGetApp())) app->ShowHelp(topic, kHelpContext);
}

void BindHelpKey(wxWindow* dialog, DWORD topic) {
  dialog->Bind(wxEVT_CHAR_HOOK, [topic](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1 && !event.HasAnyModifiers()) {
      ShowAppHelp(topic);
      return;
    }
    event.Skip();
  });
}
