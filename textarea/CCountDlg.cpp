#include "textarea/CCountDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr char kPerPageMessage[] = "文字／ページには1以上を入力してください";

// The character counts: the label, the count's window id and its pages' window id.
struct CharacterRow {
  const char* label;
  int id;
  int pagesId;
  int TextCounts::*count;
};
constexpr CharacterRow kCharacterRows[] = {
    {"全文字数:", 131, 132, &TextCounts::total},
    {"子ツリー文字数:", 106, 133, &TextCounts::withChildren},
    {"このツリーの文字数:", 107, 134, &TextCounts::current},
    {"選択している文字数:", 110, 135, &TextCounts::selection},
};
const char* const kLevelLabels[] = {"第１階層", "第２階層", "第３階層", "第４階層", "第5階層"};

wxString Number(int value) { return wxString::Format("%d", value); }

}  // namespace

CCountDlg::CCountDlg(wxWindow* parent, const TextCounts& counts)
    : wxDialog(parent, IDD, CP932ToWx("文字数のカウント")), m_counts(counts) {
  m_nPerPage = ReadSetting(Settings::Count::Page);
  auto* grid = new wxFlexGridSizer(3, 6, 12);
  auto add = [&](const char* label, int id, const wxString& value) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(label)));
    grid->Add(new wxStaticText(this, id, value));
  };
  for (const CharacterRow& row : kCharacterRows) {
    add(row.label, row.id, Number(counts.*row.count));
    grid->Add(new wxStaticText(this, row.pagesId, wxEmptyString));
  }
  add("総ツリー数:", 108, Number(counts.trees));
  grid->AddSpacer(0);
  add("このツリーの子ツリー数:", 109, Number(counts.childTrees));
  grid->AddSpacer(0);
  for (int level = 0; level < 5; ++level) {
    add(kLevelLabels[level], 279 + level, Number(counts.perLevel[level]));
    grid->AddSpacer(0);
  }
  m_perPage = new wxTextCtrl(this, IDC_PER_PAGE, Number(m_nPerPage));
  grid->Add(m_perPage);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("文字/ページ")));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL, 12);
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  BindDialogHelp(this, kHelpTopic);
  ShowPages();
  m_perPage->Bind(wxEVT_KILL_FOCUS, &CCountDlg::OnPerPageLeft, this);
  Bind(wxEVT_BUTTON, &CCountDlg::OnOk, this, wxID_OK);
}

void CCountDlg::ShowPages() {
  for (const CharacterRow& row : kCharacterRows)
    static_cast<wxStaticText*>(FindWindow(row.pagesId))->SetLabel(Number(PagesOf(m_counts.*row.count, m_nPerPage)));
}

int CCountDlg::PerPage() const {
  long value = 0;
  return m_perPage->GetValue().ToLong(&value) && value > 0 && value <= INT_MAX ? static_cast<int>(value) : 0;
}

void CCountDlg::OnPerPageLeft(wxFocusEvent& event) {
  event.Skip();
  const int perPage = PerPage();
  if (perPage < 1) {
    AfxMessageBox(kPerPageMessage);
    m_nPerPage = ReadSetting(Settings::Count::Page);
    m_perPage->ChangeValue(Number(m_nPerPage));
  } else {
    m_nPerPage = perPage;
  }
  ShowPages();
}

void CCountDlg::OnOk(wxCommandEvent& event) {
  const int perPage = PerPage();
  if (perPage < 1) {
    AfxMessageBox(kPerPageMessage);
    return;
  }
  WriteSetting(Settings::Count::Page, perPage);
  event.Skip();
}
