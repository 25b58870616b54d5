#include "shell/CFindToolBar.h"

#include "platform/framework/CFrameWnd.h"
#include "platform/base/CodePage.h"

CFindToolBar::~CFindToolBar() = default;

BOOL CFindToolBar::CreateField(int index, UINT fieldId, UINT enterCommand) {
  SetButtonInfo(index, fieldId, TBBS_SEPARATOR, 150);
  m_pCombo = new wxComboBox(this, static_cast<wxWindowID>(fieldId), wxString(), wxDefaultPosition, wxSize(150, -1), 0,
                            nullptr, wxCB_DROPDOWN | wxTE_PROCESS_ENTER | wxTAB_TRAVERSAL);
  m_font.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, DEFAULT_PITCH | FF_MODERN,
                    "ＭＳＰ ゴシック");
  if (m_font.HasFont()) m_pCombo->SetFont(m_font.GetWxFont());
  SetItemControl(index, m_pCombo);
  m_pCombo->SetSelection(wxNOT_FOUND);
  m_pCombo->Bind(wxEVT_TEXT_ENTER, [this, enterCommand](wxCommandEvent&) {
    wxCommandEvent command(wxEVT_MENU, static_cast<int>(enterCommand));
    command.SetEventObject(this);
    GetParent()->GetEventHandler()->ProcessEvent(command);
  });
  return TRUE;
}

CString CFindToolBar::GetFieldText() const {
  return m_pCombo ? WxToCP932(m_pCombo->GetValue()) : CString();
}
