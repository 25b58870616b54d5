#pragma once
// Driving the export dialogs from a test: an action that runs inside a dialog's modal loop once it
// is up, button clicks and F1 sent as the window would send them, and the help topics asked for.
#include <wx/dialog.h>
#include <wx/eventfilter.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/framework/CWinApp.h"

// Runs an action inside the next dialog's modal loop once it is up.
class WhenShown : public wxEventFilter {
 public:
  explicit WhenShown(std::function<void(wxDialog*)> action) : m_action(std::move(action)) { wxEvtHandler::AddFilter(this); }
  ~WhenShown() override { wxEvtHandler::RemoveFilter(this); }
  int FilterEvent(wxEvent& event) override {
    auto* dialog = event.GetEventType() == wxEVT_INIT_DIALOG ? wxDynamicCast(event.GetEventObject(), wxDialog) : nullptr;
    if (dialog && m_action) {
      auto action = std::move(m_action);
      m_action = nullptr;
      dialog->CallAfter([dialog, action] { action(dialog); });
    }
    return Event_Skip;
  }

 private:
  std::function<void(wxDialog*)> m_action;
};

inline void Click(wxWindow* dialog, int id) {
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(dialog->FindWindow(id));
  dialog->FindWindow(id)->GetEventHandler()->ProcessEvent(click);
}

inline void PressF1(wxDialog* dialog) {
  wxKeyEvent key(wxEVT_CHAR_HOOK);
  key.m_keyCode = WXK_F1;
  key.SetEventObject(dialog);
  dialog->GetEventHandler()->ProcessEvent(key);
}

// While it lives, the application whose help the dialogs ask: it records the topics.
struct HelpRecorder : CWinApp {
  void ShowHelp(DWORD topic, UINT) override { topics.push_back(topic); }
  std::vector<DWORD> topics;
};
