#include "app/CKeySetDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>

#include <algorithm>
#include <string>

#include "app/CKeyListBox.h"
#include "app/CKeycustArray.h"
#include "app/CKeycustDlg.h"
#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FileDialog.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/RegularFile.h"

namespace {

const char* const kKeyFileFilter = "KEYﾌｧｲﾙ(*.KEY)|*.KEY;*.key|全てのﾌｧｲﾙ(*.*)|*";
const char* const kKeyFileTitle = "ｷｰ定義ﾌｧｲﾙ";

}  // namespace

CKeySetDlg::CKeySetDlg(wxWindow* parent, CKeycustArray& table, const std::vector<CString>& commandNames,
                       const std::vector<UINT>& commandIds, CPelkoSettings& settings, int mode)
    : wxDialog(parent, wxID_ANY, CP932ToWx(mode == MODE_LIST ? "テキストエリアのキー" : "キーカスタマイズ"),
               wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_table(table),
      m_commandNames(commandNames),
      m_commandIds(commandIds),
      m_settings(settings),
      m_nMode(mode) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  m_list = new CKeyListBox(this, IDC_LIST, table, commandNames, commandIds);
  m_list->SetMinSize(wxSize(460, 320));
  body->Add(m_list, 1, wxEXPAND | wxRIGHT, 10);
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  const bool editing = mode != MODE_LIST;
  const std::pair<int, const char*> editButtons[] = {{IDC_ADD, "追加(&A)..."},    {IDC_CHANGE, "変更(&E)..."},
                                                    {IDC_DELETE, "削除(&D)..."}, {IDC_LOAD, "読込(&R)..."},
                                                    {IDC_SAVEAS, "別名保存(&S)..."}};
  for (const auto& [id, label] : editButtons) {
    auto* button = new wxButton(this, id, CP932ToWx(label));
    buttons->Add(button, 0, wxEXPAND | wxBOTTOM, 4);
    button->Show(editing);
  }
  body->Add(buttons, 0);
  top->Add(body, 1, wxALL | wxEXPAND, 10);
  m_precedence = new wxCheckBox(this, IDC_CONTROL_PRECEDENCE,
                                CP932ToWx("[テキストエリアの設定]のキーカスタマイズを優先する(&X)"));
  m_precedence->Show(editing);
  top->Add(m_precedence, 0, wxLEFT | wxRIGHT, 10);
  auto* bottom = new wxBoxSizer(wxHORIZONTAL);
  bottom->AddStretchSpacer();
  bottom->Add(new wxButton(this, IDC_SAVE_CLOSE, CP932ToWx(editing ? "保存して閉じる" : "閉じる")));
  top->Add(bottom, 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(top);
  // Escape and the close box leave without saving; the changes stay in the table.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && IsModal())
      EndModal(wxID_CANCEL);
    else
      event.Skip();
  });

  Bind(wxEVT_BUTTON, &CKeySetDlg::OnAdd, this, IDC_ADD);
  Bind(wxEVT_BUTTON, &CKeySetDlg::OnChange, this, IDC_CHANGE);
  Bind(wxEVT_BUTTON, &CKeySetDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, &CKeySetDlg::OnLoad, this, IDC_LOAD);
  Bind(wxEVT_BUTTON, &CKeySetDlg::OnSaveAs, this, IDC_SAVEAS);
  Bind(wxEVT_BUTTON, &CKeySetDlg::OnSaveClose, this, IDC_SAVE_CLOSE);
  if (editing) Bind(wxEVT_LISTBOX_DCLICK, &CKeySetDlg::OnChange, this, IDC_LIST);
  Fill();
}

int CKeySetDlg::DoModal() {
  m_precedence->SetValue(m_bControlPrecedence != 0);
  CentreOnParent();
  return ShowModal() == IDC_SAVE_CLOSE ? IDOK : IDCANCEL;
}

void CKeySetDlg::Fill() {
  const int top = m_list->GetVisibleBegin();
  const int selection = m_list->GetSelection();
  m_list->Freeze();
  m_list->ResetContent();
  int width = 10;
  for (int i = 0; i < m_table.GetSize(); ++i) {
    CKeycust* binding = m_table.GetAt(i);
    if (std::find(m_commandIds.begin(), m_commandIds.end(), binding->m_nCommand) == m_commandIds.end()) continue;
    m_list->AddItem(binding);
    width = std::max(width, m_table.GetKeyText(i).GetLength());
  }
  m_list->SetKeyColumnWidth(width);
  const int last = m_list->GetCount() - 1;
  if (last >= 0) {
    m_list->ScrollToRow(static_cast<size_t>(std::min(top, last)));
    if (selection != wxNOT_FOUND) m_list->SetSelection(std::min(selection, last));
  }
  m_list->Thaw();
  m_list->Refresh();
}

void CKeySetDlg::SetMenuKeyText(const char* keyText, UINT command) {
  if (m_pMenu != nullptr) CKeycustArray::SetMenuKeyText(m_pMenu, keyText, command);
}

void CKeySetDlg::AddBinding(const CKeycust& binding) {
  m_table.AddBinding(std::make_unique<CKeycust>(binding));
  SetMenuKeyText(m_table.GetKeyText(m_table.GetSize() - 1), binding.m_nCommand);
  Fill();
}

void CKeySetDlg::ChangeSelected(const CKeycust& binding) {
  const int selection = m_list->GetSelection();
  if (selection != wxNOT_FOUND) ChangeBinding(m_list->GetItemData(selection), binding);
}

void CKeySetDlg::ChangeBinding(CKeycust* target, const CKeycust& binding) {
  const UINT oldCommand = target->m_nCommand;
  *target = binding;
  const int other = m_table.FindCommand(oldCommand);
  if (other >= 0)
    SetMenuKeyText(m_table.GetKeyText(other), oldCommand);
  else
    SetMenuKeyText(nullptr, oldCommand);
  SetMenuKeyText(m_table.GetKeyText(m_table.IndexOf(target)), target->m_nCommand);
  Fill();
}

void CKeySetDlg::DeleteSelected() {
  const int selection = m_list->GetSelection();
  if (selection == wxNOT_FOUND) return;
  const int index = m_table.IndexOf(m_list->GetItemData(selection));
  // The list forgets the binding before the table deletes it.
  m_list->ResetContent();
  if (index >= 0) m_table.RemoveAt(index);
  Fill();
}

BOOL CKeySetDlg::LoadFrom(const char* path) {
  // The table takes a file's path even when the file fails to load, and the save button would
  // then write over whatever file was picked: only a readable key file gets that far.
  std::string bytes;
  CKeycustArray probe;
  if (!ReadRegularFile(path, bytes) || !probe.Deserialize(bytes)) {
    AfxMessageBox("読み込めません");
    return FALSE;
  }
  m_list->ResetContent();
  const BOOL loaded = m_table.Load(path, m_settings);
  if (!loaded) AfxMessageBox("読み込めません");
  Fill();
  return loaded;
}

BOOL CKeySetDlg::SaveTo(const char* path) {
  const BOOL saved = m_table.Save(path, m_settings);
  if (!saved) AfxMessageBox("保存できません");
  return saved;
}

void CKeySetDlg::SaveAndClose() {
  m_bControlPrecedence = m_precedence->GetValue() ? 1 : 0;
  WriteSetting(Settings::System::KeycustWrila, m_bControlPrecedence, m_settings);
  SaveTo(nullptr);
}

void CKeySetDlg::OnAdd(wxCommandEvent&) {
  CKeycustDlg dialog(this, m_table, m_commandNames, m_commandIds, CKeycust(), -1);
  if (dialog.DoModal() == IDOK) AddBinding(dialog.m_keycust);
}

void CKeySetDlg::OnChange(wxCommandEvent&) {
  const int selection = m_list->GetSelection();
  if (selection == wxNOT_FOUND) return;
  CKeycust* selected = m_list->GetItemData(selection);
  CKeycustDlg dialog(this, m_table, m_commandNames, m_commandIds, *selected, static_cast<int>(selected->m_nKey));
  // The binding dialog may take a combination over from another binding, which then leaves the
  // table; the changed binding itself stays.
  if (dialog.DoModal() == IDOK)
    ChangeBinding(selected, dialog.m_keycust);
  else
    Fill();
}

void CKeySetDlg::OnDelete(wxCommandEvent&) {
  if (m_list->GetSelection() == wxNOT_FOUND) return;
  if (AfxMessageBox("削除しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  DeleteSelected();
}

void CKeySetDlg::OnLoad(wxCommandEvent&) {
  FileChoice choice;
  if (!ChooseFile(this, kKeyFileTitle, "", "*.KEY", kKeyFileFilter, wxFD_OPEN | wxFD_FILE_MUST_EXIST, choice)) return;
  LoadFrom(choice.path);
}

void CKeySetDlg::OnSaveAs(wxCommandEvent&) {
  FileChoice choice;
  if (!ChooseFile(this, kKeyFileTitle, "", "Kestavon.key", kKeyFileFilter, wxFD_SAVE | wxFD_OVERWRITE_PROMPT, choice,
                  "KEY"))
    return;
  SaveTo(choice.path);
}

void CKeySetDlg::OnSaveClose(wxCommandEvent&) {
  if (m_nMode != MODE_LIST) SaveAndClose();
  EndModal(IDC_SAVE_CLOSE);
}
