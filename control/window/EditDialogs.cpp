#include "control/window/EditDialogs.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/valnum.h>

#include "control/WidthConvert.h"
#include "platform/base/CodePage.h"

namespace {

constexpr unsigned kCategoryFlags[6] = {WIDTH_KATAKANA, WIDTH_KANA_SYMBOL, WIDTH_HIRAGANA,
                                        WIDTH_ALNUM,    WIDTH_SYMBOL,      WIDTH_SPACE};
const char* const kCategoryNames[6] = {"カタカナ", "カナ記号", "ひらがな", "英数字", "英数記号", "空白"};

}  // namespace

CJumpDialog::CJumpDialog(wxWindow* parent, int line, bool logical)
    : wxDialog(parent, wxID_ANY, CP932ToWx("ジャンプ")) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("行番号(&N):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
  m_line = new wxTextCtrl(this, IDC_JUMP_LINE, wxString::Format("%d", line), wxDefaultPosition, wxSize(100, -1), 0,
                          wxIntegerValidator<long>());
  row->Add(m_line, 1);
  m_logical = new wxCheckBox(this, IDC_JUMP_LOGICAL, CP932ToWx("論理行(&L)"));
  m_logical->SetValue(logical);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(row, 0, wxALL | wxEXPAND, 10);
  top->Add(m_logical, 0, wxLEFT | wxRIGHT, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(top);
  m_line->SetFocus();
  m_line->SelectAll();
}

long CJumpDialog::GetLine() const {
  long value = 0;
  return m_line->GetValue().ToLong(&value) ? value : 0;
}

bool CJumpDialog::IsLogical() const { return m_logical->GetValue(); }

CConvertDialog::CConvertDialog(wxWindow* parent, const CConvertChoice& choice, bool hasSelection)
    : wxDialog(parent, wxID_ANY, CP932ToWx("半角/全角変換")) {
  auto* categories = new wxStaticBoxSizer(wxVERTICAL, this, CP932ToWx("変換する文字"));
  for (int i = 0; i < 6; ++i) {
    m_categories[i] = new wxCheckBox(categories->GetStaticBox(), IDC_CONVERT_KATAKANA + i, CP932ToWx(kCategoryNames[i]));
    m_categories[i]->SetValue((choice.categories & kCategoryFlags[i]) != 0);
    categories->Add(m_categories[i], 0, wxALL, 2);
  }
  auto* direction = new wxStaticBoxSizer(wxVERTICAL, this, CP932ToWx("変換方向"));
  m_toFull = new wxRadioButton(direction->GetStaticBox(), IDC_CONVERT_TOFULL, CP932ToWx("全角に変換"),
                               wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  auto* toHalf = new wxRadioButton(direction->GetStaticBox(), IDC_CONVERT_TOHALF, CP932ToWx("半角に変換"));
  (choice.toFull ? m_toFull : toHalf)->SetValue(true);
  direction->Add(m_toFull, 0, wxALL, 2);
  direction->Add(toHalf, 0, wxALL, 2);
  auto* range = new wxStaticBoxSizer(wxVERTICAL, this, CP932ToWx("範囲"));
  auto* whole = new wxRadioButton(range->GetStaticBox(), IDC_CONVERT_WHOLE, CP932ToWx("文章全部"),
                                  wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  m_selectionOnly = new wxRadioButton(range->GetStaticBox(), IDC_CONVERT_SELECTION, CP932ToWx("選択範囲のみ"));
  m_selectionOnly->Enable(hasSelection);
  (choice.selectionOnly && hasSelection ? m_selectionOnly : whole)->SetValue(true);
  range->Add(whole, 0, wxALL, 2);
  range->Add(m_selectionOnly, 0, wxALL, 2);
  auto* right = new wxBoxSizer(wxVERTICAL);
  right->Add(direction, 0, wxEXPAND | wxBOTTOM, 8);
  right->Add(range, 0, wxEXPAND);
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  columns->Add(categories, 0, wxEXPAND | wxRIGHT, 8);
  columns->Add(right, 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(columns, 0, wxALL | wxEXPAND, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(top);
}

CConvertChoice CConvertDialog::GetChoice() const {
  CConvertChoice choice;
  for (int i = 0; i < 6; ++i) {
    if (m_categories[i]->GetValue()) choice.categories |= kCategoryFlags[i];
  }
  choice.toFull = m_toFull->GetValue();
  choice.selectionOnly = m_selectionOnly->IsEnabled() && m_selectionOnly->GetValue();
  return choice;
}
