#include "app/DialogHelp.h"

#include <wx/event.h>
#include <wx/window.h>

#include "app/CKestavonApp.h"

namespace {
constexpr UINT kHelpContext = 1;
}

void BindDialogHelp(wxWindow* dialog, std::function<DWORD()> topic) {
  dialog->Bind(wxEVT_CHAR_HOOK, [topic = std::move(topic)](wxKeyEvent& event) {
    auto* app = dynamic_cast<CKestavonApp*>(AfxGetApp());
    if (event.GetKeyCode() != WXK_F1 || event.HasAnyModifiers() || app == nullptr) {
      event.Skip();
      return;
    }
    app->ShowHelp(topic(), kHelpContext);
  });
}

void BindDialogHelp(wxWindow* dialog, DWORD topic) {
  BindDialogHelp(dialog, [topic] { return topic; });
}
