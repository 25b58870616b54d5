#include "control/pages/FontChooser.h"

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/fontenum.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"

bool ChooseFixedFont(wxWindow* parent, CString* face, double* points) {
  wxDialog dialog(parent, wxID_ANY, CP932ToWx("フォントの指定"));
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto* faces = new wxChoice(&dialog, wxID_ANY);
  wxArrayString names = wxFontEnumerator::GetFacenames(wxFONTENCODING_SYSTEM, true);
  names.Sort();
  faces->Append(names);
  const int current = faces->FindString(CP932ToWx(face->GetString()));
  faces->SetSelection(current != wxNOT_FOUND ? current : 0);
  auto* size = new wxSpinCtrlDouble(&dialog, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                    wxSP_ARROW_KEYS, 4, 72, *points, 0.5);
  column->Add(new wxStaticText(&dialog, wxID_ANY, CP932ToWx("フォント名(&F):")), 0, wxLEFT | wxTOP, 8);
  column->Add(faces, 0, wxEXPAND | wxALL, 8);
  column->Add(new wxStaticText(&dialog, wxID_ANY, CP932ToWx("サイズ(&S):")), 0, wxLEFT, 8);
  column->Add(size, 0, wxEXPAND | wxALL, 8);
  column->Add(CreateOkCancelButtons(&dialog), 0, wxEXPAND | wxALL, 8);
  dialog.SetSizerAndFit(column);
  if (dialog.ShowModal() != wxID_OK || faces->GetSelection() < 0) return false;
  *face = WxToCP932(faces->GetStringSelection());
  *points = size->GetValue();
  return true;
}
