#include "platform/framework/CPropertySheet.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

#include "platform/framework/CPropertyPage.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

CPropertySheet::CPropertySheet(wxWindow* parent, const char* caption)
    : wxDialog(parent, wxID_ANY, CP932ToWx(caption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  m_pNotebook = new wxNotebook(this, wxID_ANY);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(m_pNotebook, 1, wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 8);
  SetSizer(top);
  Bind(wxEVT_BUTTON, &CPropertySheet::OnOK, this, wxID_OK);
}

CPropertySheet::~CPropertySheet() {
  for (CPropertyPage* page : m_pages) page->Detach();
}

void CPropertySheet::AddPage(CPropertyPage* page) { m_pages.push_back(page); }

void CPropertySheet::CreatePages() {
  if (m_bCreated) return;
  m_bCreated = true;
  for (CPropertyPage* page : m_pages) {
    m_pNotebook->AddPage(page->Create(m_pNotebook), CP932ToWx(page->GetCaption().str()));
    page->TransferDataToWindow();
  }
  GetSizer()->SetSizeHints(this);
}

void CPropertySheet::SetActivePage(int index) {
  if (index >= 0 && index < static_cast<int>(m_pNotebook->GetPageCount())) m_pNotebook->SetSelection(static_cast<size_t>(index));
}

int CPropertySheet::GetActiveIndex() const { return m_pNotebook->GetSelection(); }

int CPropertySheet::DoModal() {
  CreatePages();
  CentreOnParent();
  return ShowModal() == wxID_OK ? IDOK : IDCANCEL;
}

bool CPropertySheet::TakePages() {
  for (size_t i = 0; i < m_pages.size(); ++i) {
    SetActivePage(static_cast<int>(i));
    if (!m_pages[i]->TransferDataFromWindow()) return false;
  }
  return true;
}

void CPropertySheet::OnOK(wxCommandEvent&) {
  // The page shown last stays in front unless one refuses its values.
  const int active = GetActiveIndex();
  if (!TakePages()) return;
  SetActivePage(active);
  EndModal(wxID_OK);
}
