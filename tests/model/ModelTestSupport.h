#pragma once
// Helpers of the model tests: answering message boxes and modal dialogs, and building outlines.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/eventfilter.h>

#include "model/ATREE.h"
#include "platform/base/CString.h"
#include "platform/desktop/MessageBox.h"

namespace model_test {

// Records the text of every message box while alive and answers each with `answer`.
class MessageRecorder {
 public:
  explicit MessageRecorder(int answer = IDOK);
  std::vector<std::string> texts;

 private:
  ScopedMessageBoxHook m_hook;
};

// Answers the modal dialogs shown while alive, in order: each action runs inside the modal loop of
// the dialog that is up, the first when it appears, the next when an action left it open.
class DialogDriver : public wxEventFilter {
 public:
  using Action = std::function<void(wxDialog*)>;
  explicit DialogDriver(std::vector<Action> actions);
  ~DialogDriver() override;
  int FilterEvent(wxEvent& event) override;
  size_t Remaining() const { return m_actions.size() - m_next; }

 private:
  void Schedule(wxDialog* dialog);
  std::vector<Action> m_actions;
  size_t m_next = 0;
};

// An action that types the text into the dialog's control `id` and presses OK (id 1).
DialogDriver::Action TypeAndOk(int id, const char* text);
DialogDriver::Action PressButton(int id);
// An action that puts the text into the dialog's text control `id`.
DialogDriver::Action Type(int id, const char* text);
// Runs the actions one after another inside the one modal loop of the dialog.
DialogDriver::Action Steps(std::vector<DialogDriver::Action> steps);

// A model with the items given as (path with '/' for 0x01, text) pairs; rows built.
std::unique_ptr<ATREE> MakeModel(const std::vector<std::pair<std::string, std::string>>& items);
CString P(const std::string& slashed);  // '/' -> 0x01

}  // namespace model_test
