#include "control/window/FindDialogs.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <memory>

#include "control/ControlRoutines.h"
#include "control/EditHistory.h"
#include "control/window/ComboHistory.h"
#include "control/window/WrilaEdit.h"
#include "platform/base/CodePage.h"

namespace {

constexpr int kMaxSearchBytes = 255;  // with the terminating NUL

CRefString ComboText(wxComboBox* combo) {
  const CString value = WxToCP932(combo->GetValue());
  char text[kMaxSearchBytes];
  CopyTextSafe(text, value.GetString(), kMaxSearchBytes);
  return CRefString(text);
}

}  // namespace

CFindReplaceDialog::CFindReplaceDialog(WrilaEdit* edit, bool replace)
    : wxDialog(edit->GetWindow(), wxID_ANY, CP932ToWx(replace ? "置換" : "検索")), m_edit(edit), m_replace(replace) {
  const std::unique_ptr<char[]> key = BSTRToAnsi(edit->m_regKey.c_str());
  auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
  grid->AddGrowableCol(1);
  const auto addCombo = [&](int id, const char* label, const char* history, const CRefString& current) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    auto* combo = new wxComboBox(this, id, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
    combo->SetFont(edit->DisplayFont());
    combo->SetValue(CP932ToWx(FillComboHistory(edit->m_rootKey, key.get(), history, combo, current).GetString()));
    grid->Add(combo, 1, wxEXPAND);
    return combo;
  };
  const CRefString selected = edit->m_selKind == SEL_STREAM ? edit->SelectedText(false) : CRefString();
  m_find = addCombo(IDC_FIND_TEXT, "検索する文字列(&F):", "Find", selected);
  if (replace) m_replaceWith = addCombo(IDC_REPLACE_TEXT, "置換後の文字列(&P):", "Replace", CRefString());
  m_matchCase = new wxCheckBox(this, IDC_MATCH_CASE, CP932ToWx("大文字と小文字を区別する(&C)"));
  m_matchCase->SetValue(ReadFindFlag(edit->m_rootKey, key.get()));

  auto* buttons = new wxBoxSizer(wxVERTICAL);
  const auto addButton = [&](int id, const char* label) {
    auto* button = new wxButton(this, id, CP932ToWx(label));
    buttons->Add(button, 0, wxEXPAND | wxBOTTOM, 4);
    return button;
  };
  if (replace) {
    addButton(IDC_FIND_DOWN, "次を検索(&D)")->SetDefault();
    addButton(IDC_REPLACE_ONE, "置換(&R)");
    addButton(IDC_REPLACE_ALL, "すべて置換(&A)");
  } else {
    addButton(IDC_FIND_UP, "上を検索(&U)");
    addButton(IDC_FIND_DOWN, "下を検索(&D)")->SetDefault();
  }
  addButton(wxID_CANCEL, "キャンセル");

  auto* left = new wxBoxSizer(wxVERTICAL);
  left->Add(grid, 0, wxEXPAND);
  left->Add(m_matchCase, 0, wxTOP, 8);
  auto* top = new wxBoxSizer(wxHORIZONTAL);
  top->Add(left, 1, wxALL | wxEXPAND, 10);
  top->Add(buttons, 0, wxTOP | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &CFindReplaceDialog::OnButton, this);
  m_find->SetFocus();
}

bool CFindReplaceDialog::StoreState() {
  const CRefString find = ComboText(m_find);
  if (find.IsEmpty()) return false;
  const std::unique_ptr<char[]> key = BSTRToAnsi(m_edit->m_regKey.c_str());
  const HKEY root = m_edit->m_rootKey;
  WriteFindFlag(root, key.get(), m_matchCase->GetValue());
  PushComboHistory(root, key.get(), "Find", m_find);
  FillComboHistory(root, key.get(), "Find", m_find, find);
  m_find->SetValue(CP932ToWx(find.GetString()));
  if (m_replaceWith) {
    const CRefString replace = ComboText(m_replaceWith);
    PushComboHistory(root, key.get(), "Replace", m_replaceWith);
    FillComboHistory(root, key.get(), "Replace", m_replaceWith, replace);
    m_replaceWith->SetValue(CP932ToWx(replace.GetString()));
  }
  return true;
}

void CFindReplaceDialog::OnButton(wxCommandEvent& event) {
  const int id = event.GetId();
  if (id == wxID_CANCEL) {
    event.Skip();
    return;
  }
  if (!StoreState()) return;
  const CRefString find = ComboText(m_find);
  const bool matchCase = m_matchCase->GetValue();
  const CRefString replace = m_replaceWith ? ComboText(m_replaceWith) : CRefString();
  switch (id) {
    case IDC_FIND_UP:
    case IDC_FIND_DOWN:
      m_edit->FindText(find, id == IDC_FIND_DOWN, matchCase, false);
      if (m_replace) FindWindow(IDC_REPLACE_ONE)->SetFocus();
      break;
    case IDC_REPLACE_ONE:
      m_edit->ReplaceNext(find, replace, matchCase, false);
      break;
    case IDC_REPLACE_ALL:
      m_edit->ReplaceAll(find, replace, matchCase, false);
      EndModal(wxID_OK);
      break;
    default:
      event.Skip();
      break;
  }
}
