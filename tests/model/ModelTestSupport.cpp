#include "model/dialogs/DialogPrompts.h"
#include "tests/model/ModelTestSupport.h"

#include <wx/app.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"

namespace model_test {

namespace {
// The model asks its questions through the program's dialogs here, which the tests answer.
CDialogPrompts g_dialogPrompts;
const Seam<IModelPrompts>::Scope g_dialogPromptsInstalled(&g_dialogPrompts);
}  // namespace


MessageRecorder::MessageRecorder(int answer)
    : m_hook([this, answer](const MessageBoxCall& call) {
        texts.push_back(call.text.str());
        return answer;
      }) {}

DialogDriver::DialogDriver(std::vector<Action> actions) : m_actions(std::move(actions)) {
  wxEvtHandler::AddFilter(this);
}

DialogDriver::~DialogDriver() { wxEvtHandler::RemoveFilter(this); }

int DialogDriver::FilterEvent(wxEvent& event) {
  if (event.GetEventType() == wxEVT_INIT_DIALOG) {
    if (auto* dialog = wxDynamicCast(event.GetEventObject(), wxDialog)) Schedule(dialog);
  }
  return Event_Skip;
}

// The next action runs once the dialog's modal loop is waiting; a dialog that its action left open
// (a refused entry) gets the action after it.
void DialogDriver::Schedule(wxDialog* dialog) {
  if (m_next >= m_actions.size()) return;
  Action action = m_actions[m_next++];
  dialog->CallAfter([this, dialog, action] {
    action(dialog);
    if (dialog->IsModal()) Schedule(dialog);
  });
}

DialogDriver::Action TypeAndOk(int id, const char* text) {
  const CString value(text);
  return [id, value](wxDialog* dialog) {
    static_cast<wxTextCtrl*>(dialog->FindWindow(id))->ChangeValue(CP932ToWx(value.str()));
    wxCommandEvent click(wxEVT_BUTTON, 1);
    click.SetEventObject(dialog->FindWindow(1));
    dialog->FindWindow(1)->GetEventHandler()->ProcessEvent(click);
  };
}

DialogDriver::Action PressButton(int id) {
  return [id](wxDialog* dialog) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(dialog->FindWindow(id));
    dialog->FindWindow(id)->GetEventHandler()->ProcessEvent(click);
  };
}

DialogDriver::Action Type(int id, const char* text) {
  const CString value(text);
  return [id, value](wxDialog* dialog) {
    static_cast<wxTextCtrl*>(dialog->FindWindow(id))->ChangeValue(CP932ToWx(value.str()));
  };
}

DialogDriver::Action Steps(std::vector<DialogDriver::Action> steps) {
  return [steps](wxDialog* dialog) {
    for (const auto& step : steps) step(dialog);
  };
}

CString P(const std::string& slashed) {
  std::string path = slashed;
  for (char& c : path) {
    if (c == '/') c = '\x01';
  }
  return CString(path);
}

std::unique_ptr<ATREE> MakeModel(const std::vector<std::pair<std::string, std::string>>& items) {
  auto model = std::make_unique<ATREE>();
  for (const auto& [path, text] : items) {
    auto item = std::make_unique<CDirData>(P(path));
    item->m_strText = text.c_str();
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

}  // namespace model_test
