#include "treeview/CFootnoteDlg.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <utility>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"

namespace {

void AddEdit(wxWindow* parent, wxSizer* grid, int id, const char* label) {
  grid->Add(new wxStaticText(parent, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(160, -1)), 0, wxEXPAND);
}

}  // namespace

CFootnoteDlg::CFootnoteDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("脚注の設定")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("脚注の位置(&F):")), 0, wxALIGN_CENTER_VERTICAL);
  auto* position = new wxChoice(this, IDC_POSITION);
  for (const char* entry : {"出力の最後", "第一階層ツリーの前", "各ツリーの後"}) position->Append(CP932ToWx(entry));
  grid->Add(position, 0, wxEXPAND);
  AddEdit(this, grid, IDC_START, "脚注開始文字列(&S):");
  AddEdit(this, grid, IDC_END, "脚注終了文字列(&Q):");
  AddEdit(this, grid, IDC_TITLE, "タイトル(&T):");
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  for (const auto& [caption, ids] : {std::pair{"本文内", std::pair{IDC_BODY_BEFORE, IDC_BODY_AFTER}},
                                     std::pair{"脚注", std::pair{IDC_NOTE_BEFORE, IDC_NOTE_AFTER}}}) {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, CP932ToWx(caption));
    auto* inner = new wxFlexGridSizer(2, 6, 8);
    const bool body = ids.first == IDC_BODY_BEFORE;
    AddEdit(group->GetStaticBox(), inner, ids.first, body ? "番号前文字列(&F):" : "番号前文字列(&G):");
    AddEdit(group->GetStaticBox(), inner, ids.second, body ? "番号後文字列(&E):" : "番号後文字列(&H):");
    group->Add(inner, 0, wxALL, 6);
    top->Add(group, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 8);
  }
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  BindDialogHelp(this, 192);
}

bool CFootnoteDlg::TransferDataToWindow() {
  wxChoice* position = DlgChoice(this, IDC_POSITION);
  position->SetSelection(m_nPosition >= 0 && m_nPosition < static_cast<int>(position->GetCount()) ? m_nPosition
                                                                                                  : wxNOT_FOUND);
  const std::pair<int, const CString*> edits[] = {
      {IDC_BODY_BEFORE, &m_strHonbun1}, {IDC_BODY_AFTER, &m_strHonbun2}, {IDC_NOTE_BEFORE, &m_strKyaku1},
      {IDC_NOTE_AFTER, &m_strKyaku2},   {IDC_TITLE, &m_strTitle},        {IDC_END, &m_strEndStr},
      {IDC_START, &m_strStartStr}};
  for (const auto& [id, value] : edits) DlgEdit(this, id)->ChangeValue(CP932ToWx(value->str()));
  return true;
}

bool CFootnoteDlg::TransferDataFromWindow() {
  m_nPosition = DlgChoice(this, IDC_POSITION)->GetSelection();
  const std::pair<int, CString*> edits[] = {
      {IDC_BODY_BEFORE, &m_strHonbun1}, {IDC_BODY_AFTER, &m_strHonbun2}, {IDC_NOTE_BEFORE, &m_strKyaku1},
      {IDC_NOTE_AFTER, &m_strKyaku2},   {IDC_TITLE, &m_strTitle},        {IDC_END, &m_strEndStr},
      {IDC_START, &m_strStartStr}};
  for (const auto& [id, value] : edits) *value = WxToCP932(DlgEdit(this, id)->GetValue());
  return true;
}
