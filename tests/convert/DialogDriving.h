#pragma once
// Driving the export dialogs from a test: an action that runs inside a dialog's modal loop once it
// is up, and button clicks sent as the button would send them.
#include <wx/dialog.h>
#include <wx/eventfilter.h>

#include <functional>
#include <utility>

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
