#include "app/CRepDlg.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/CSearchDlg.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"

CRepDlg::CRepDlg(wxWindow* parent, BOOL linkMode)
    : wxDialog(parent, IDD, CP932ToWx(linkMode ? "リンクファイル名の置換" : "ツリーの置換")), m_bLinkMode(linkMode) {
  m_findHistory.SetSection(linkMode ? "LinkSearch" : "Search");
  m_replaceHistory.SetSection(linkMode ? "LinkRep" : "Rep");
  m_findHistory.Load();
  m_replaceHistory.Load();
  m_bTextArea = ReadSetting(Settings::Replace::Text);
  m_bRegExp = ReadSetting(Settings::Replace::RegExp);

  auto* grid = new wxFlexGridSizer(2, wxSize(6, 6));
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("検索文字列(&F):")), 0, wxALIGN_CENTER_VERTICAL);
  m_find = new wxComboBox(this, IDC_FIND, wxEmptyString, wxDefaultPosition, wxSize(300, -1));
  grid->Add(m_find, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("置換文字列(&R):")), 0, wxALIGN_CENTER_VERTICAL);
  m_replace = new wxComboBox(this, IDC_REPLACE, wxEmptyString, wxDefaultPosition, wxSize(300, -1));
  grid->Add(m_replace, 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxEXPAND | wxALL, 8);
  m_textArea = new wxCheckBox(this, IDC_TEXTAREA, CP932ToWx("テキストエリアも置換(&T)"));
  m_regExp = new wxCheckBox(this, IDC_REGEXP, CP932ToWx("正規表現(&R)"));
  top->Add(m_textArea, 0, wxLEFT | wxRIGHT, 8);
  top->Add(m_regExp, 0, wxLEFT | wxRIGHT | wxTOP, 8);
  if (linkMode) m_textArea->Hide();
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  BindDialogHelp(this, kHelpTopic);
  CentreOnParent();
  if (!CSearchDlg::RegExpAvailable()) {
    m_bRegExp = FALSE;
    m_regExp->Disable();
  }
}

bool CRepDlg::TransferDataToWindow() {
  m_findHistory.FillComboBox(m_find);
  m_replaceHistory.FillComboBox(m_replace);
  // Both texts start empty, whatever the histories show first.
  m_find->SetValue(CP932ToWx(m_strFind.str()));
  m_replace->SetValue(CP932ToWx(m_strReplace.str()));
  m_textArea->SetValue(m_bTextArea != FALSE);
  m_regExp->SetValue(m_bRegExp != FALSE);
  return true;
}

bool CRepDlg::TransferDataFromWindow() {
  m_strFind = WxToCP932(m_find->GetValue());
  m_strReplace = WxToCP932(m_replace->GetValue());
  m_bTextArea = m_textArea->GetValue();
  m_bRegExp = m_regExp->GetValue();
  m_findHistory.Add(m_strFind);
  m_replaceHistory.Add(m_strReplace);
  m_findHistory.Save();
  m_replaceHistory.Save();
  WriteSetting(Settings::Replace::Text, m_bTextArea);
  WriteSetting(Settings::Replace::RegExp, m_bRegExp);
  return true;
}
