#include "textarea/CSpellCheckDlg.h"

#include <wx/button.h>
#include <wx/display.h>
#include <wx/sizer.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"
#include "textarea/CSpellCheckListBox.h"
#include "textarea/CWordChangeDlg.h"

CSpellCheckDlg::CSpellCheckDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("ｽﾍﾟﾙﾁｪｯｸ")) {
  m_listAction = new CSpellCheckListBox(this, IDC_ACTIONS);
  m_listAction->SetMinSize(ConvertDialogToPixels(wxSize(70, 30)));
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  wxSizer* row = CreateOkCancelButtons(this, IDOK, IDCANCEL);
  FindWindow(IDCANCEL)->SetLabel(CP932ToWx("中止"));
  buttons->Add(row, 0, wxEXPAND);
  auto* top = new wxBoxSizer(wxHORIZONTAL);
  top->Add(m_listAction, 1, wxALL | wxEXPAND, 4);
  top->Add(buttons, 0, wxALL | wxALIGN_BOTTOM, 4);
  SetSizerAndFit(top);
  SetEscapeId(IDCANCEL);
  // OK closes only once the word is settled.
  SetAffirmativeId(wxID_NONE);
  Bind(wxEVT_BUTTON, &CSpellCheckDlg::OnOK, this, IDOK);
  Bind(wxEVT_LISTBOX_DCLICK, &CSpellCheckDlg::OnOK, this, IDC_ACTIONS);
}

POINT CSpellCheckDlg::KeepOnScreen(POINT position, int lineHeight, SIZE window, SIZE screen) {
  POINT top = position;
  if (top.y + window.cy > screen.cy) top.y -= lineHeight + window.cy;
  if (top.x + window.cx > screen.cx) top.x = screen.cx - window.cx;
  return top;
}

int CSpellCheckDlg::DoModal() {
  const wxRect screen = wxDisplay(static_cast<unsigned>(0)).GetGeometry();
  const wxSize size = GetSize();
  const POINT top = KeepOnScreen(m_ptPosition, m_nLineHeight, SIZE{size.x, size.y}, SIZE{screen.width, screen.height});
  Move(top.x, top.y);
  m_listAction->Clear();
  for (const char* action : {"修正", "全て修正", "登録", "無視"}) m_listAction->Append(CP932ToWx(action));
  m_listAction->SetSelection(0);
  m_listAction->SetFocus();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

void CSpellCheckDlg::OnOK(wxCommandEvent&) {
  m_nAction = m_listAction->GetSelection();
  if (m_nAction == kCorrect || m_nAction == kCorrectAll) {
    CWordChangeDlg change(this);
    change.m_strBefore = m_strWord;
    change.m_strAfter = m_strWord;
    // A cancelled correction goes back to the actions.
    if (change.DoModal() != IDOK) return;
    m_strWord = change.m_strAfter;
  }
  EndModal(IDOK);
}
