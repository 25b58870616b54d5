#include "online/CNetListDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/CKestavonApp.h"
#include "online/CNetFileService.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

CNetListDlg::CNetListDlg(wxWindow* parent, CNetFileService* service, BOOL deleteMode)
    : wxDialog(parent, IDD, CP932ToWx(deleteMode ? "ネットファイルの削除" : "ネットから開く")),
      m_pService(service),
      m_bDelete(deleteMode) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY,
                            CP932ToWx("Pelko Webファイルサービスに保存したファイルを開きます。（ベータ機能）")),
           0, wxALL, 8);
  auto* list = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(360, 200));
  for (int i = 0; i < service->GetFileCount(); ++i) list->Append(CP932ToWx(service->GetFile(i)->m_strTitle.str()));
  top->Add(list, 1, wxLEFT | wxRIGHT | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  if (deleteMode) static_cast<wxButton*>(FindWindow(IDOK))->SetLabel(CP932ToWx("削除"));
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, IDOK);
  Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { OnOK(); }, IDC_LIST);
}

int CNetListDlg::DoModal() {
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

void CNetListDlg::OnOK() {
  m_nSelect = static_cast<wxListBox*>(FindWindow(IDC_LIST))->GetSelection();
  // Nothing chosen: nothing to open or delete.
  if (m_nSelect < 0) return;
  if (m_bDelete) {
    if (AfxMessageBox("削除しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    CNetFileService service;
    if (CKestavonApp* app = GetKestavonApp()) service.SetAccount(app->m_strWebID, app->m_strWebPassword);
    if (service.Delete(m_pService->GetFile(m_nSelect)->m_strFileId))
      AfxMessageBox("削除しました");
    else if (!service.IsCancelled())
      AfxMessageBox(service.GetMessage());
  }
  EndModal(IDOK);
}
