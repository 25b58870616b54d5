#include "treeview/CPasteChoiceDlg.h"

#include <wx/checkbox.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DialogButtons.h"

CPasteChoiceDlg::CPasteChoiceDlg(wxWindow* parent, const char* caption, const char* prompt, const char* group,
                                 const std::initializer_list<const char*>& choices, const char* noShow,
                                 const char* choiceKey, const char* showKey)
    : wxDialog(parent, wxID_ANY, CP932ToWx(caption)), m_choiceKey(choiceKey), m_showKey(showKey) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(prompt)), 0, wxALL, 10);
  wxArrayString labels;
  for (const char* choice : choices) labels.Add(CP932ToWx(choice));
  m_group = new wxRadioBox(this, wxID_ANY, CP932ToWx(group), wxDefaultPosition, wxDefaultSize, labels, 1,
                           wxRA_SPECIFY_COLS);
  top->Add(m_group, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
  m_noShow = new wxCheckBox(this, wxID_ANY, CP932ToWx(noShow));
  top->Add(m_noShow, 0, wxALL, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &CPasteChoiceDlg::OnOK, this, wxID_OK);
}

bool CPasteChoiceDlg::TransferDataToWindow() {
  if (m_nChoice < 0) m_nChoice = AfxGetProfileInt("System", m_choiceKey, 0);
  if (m_nChoice >= 0 && m_nChoice < static_cast<int>(m_group->GetCount())) m_group->SetSelection(m_nChoice);
  m_noShow->SetValue(m_bNoShow != 0);
  return true;
}

bool CPasteChoiceDlg::TransferDataFromWindow() {
  m_nChoice = m_group->GetSelection();
  m_bNoShow = m_noShow->GetValue() ? 1 : 0;
  return true;
}

void CPasteChoiceDlg::OnOK(wxCommandEvent& event) {
  TransferDataFromWindow();
  if (CWinApp* app = AfxGetApp()) {
    app->WriteProfileInt("System", m_choiceKey, m_nChoice);
    app->WriteProfileInt("System", m_showKey, m_bNoShow ? 0 : 1);
  }
  event.Skip();
}

CPasteDlg::CPasteDlg(wxWindow* parent)
    : CPasteChoiceDlg(parent, "貼り付け", "貼り付ける位置を選んでください", "階層(&L)",
                      {"下の階層(&D)", "同じ階層(&S)"}, "今後、このダイアログを表示しない(&V)", "PasteLevel",
                      "PasteDlg") {}

CTextPasteDlg::CTextPasteDlg(wxWindow* parent)
    : CPasteChoiceDlg(parent, "テキストの貼り付け",
                      "貼り付けようとしているデータはKestavonデータではなく、テキストデータです。\n"
                      "貼り付け方法を選択してください。",
                      "貼り付け方法(&V)",
                      {"一行一ツリーとする(&T)", "先頭行をツリータイトルとし、残りはテキストとする(&E)",
                       "先頭行をツリータイトルとし、全行をテキストとする(&F)", "全行を１ツリーにする(&A)",
                       "一行一ツリーで区切り文字以下はテキストとする(&S)"},
                      "設定を保存し、この画面を出さない(&O)", "TextPasteMode", "PasteTextDlg") {
  BindDialogHelp(this, 34);
}
