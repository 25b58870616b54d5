#include "platform/framework/DialogHelp.h"

#include <wx/event.h>
#include <wx/window.h>

#include "platform/framework/CWinApp.h"

namespace {
constexpr UINT kHelpContext = 1;
}

void ShowHelpTopic(DWORD topic) {
  if (CWinApp* app = AfxGetApp()) app->ShowHelp(topic, kHelpContext);
}

void BindDialogHelp(wxWindow* dialog, std::function<DWORD()> topic) {
  dialog->Bind(wxEVT_CHAR_HOOK, [topic = std::move(topic)](wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F1 || event.HasAnyModifiers() || AfxGetApp() == nullptr) {
      event.Skip();
      return;
    }
    ShowHelpTopic(topic());
  });
}

void BindDialogHelp(wxWindow* dialog, DWORD topic) {
  BindDialogHelp(dialog, [topic] { return topic; });
}
