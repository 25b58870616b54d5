#include "tests/online/ProgressCanceller.h"

#include <wx/button.h>
#include <wx/dialog.h>

#include "online/CTransferProgressDlg.h"

namespace online_test {

ProgressCanceller::ProgressCanceller(int nth) : m_nth(nth) { wxEvtHandler::AddFilter(this); }

ProgressCanceller::~ProgressCanceller() { wxEvtHandler::RemoveFilter(this); }

int ProgressCanceller::FilterEvent(wxEvent& event) {
  if (event.GetEventType() != wxEVT_INIT_DIALOG) return Event_Skip;
  auto* dialog = dynamic_cast<wxDialog*>(event.GetEventObject());
  if (!dialog || dialog->GetId() != CTransferProgressDlg::IDD) return Event_Skip;
  m_owners.push_back(dialog->GetParent());
  if (++m_shown == m_nth) {
    dialog->CallAfter([dialog] {
      wxWindow* button = dialog->FindWindow(CTransferProgressDlg::IDC_CANCEL);
      wxCommandEvent click(wxEVT_BUTTON, CTransferProgressDlg::IDC_CANCEL);
      click.SetEventObject(button);
      button->GetEventHandler()->ProcessEvent(click);
    });
  }
  return Event_Skip;
}

}  // namespace online_test
