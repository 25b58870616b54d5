#include "app/CCountDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>

#include "platform/CWinApp.h"
#include "platform/CodePage.h"
#include "platform/DialogButtons.h"
#include "platform/MessageBox.h"

namespace {

constexpr char kPerPageMessage[] = "文字／ページには1以上を入力してください";

struct Row {
  const char* label;
  int count;
  int pages;  // 0: no page count
};
constexpr Row kRows[] = {
    {"全文字数:", CCountDlg::IDC_ALL, CCountDlg::IDC_ALL_PAGES},
    {"子ツリー文字数:", CCountDlg::IDC_CHILD, CCountDlg::IDC_CHILD_PAGES},
    {"このツリーの文字数:", CCountDlg::IDC_THIS, CCountDlg::IDC_THIS_PAGES},
    {"選択している文字数:", CCountDlg::IDC_SEL, CCountDlg::IDC_SEL_PAGES},
    {"総ツリー数:", CCountDlg::IDC_TREES, 0},
    {"このツリーの子ツリー数:", CCountDlg::IDC_CHILD_TREES, 0},
};
constexpr const char* kLevelLabels[] = {"第１階層", "第２階層", "第３階層", "第４階層", "第5階層"};

}  // namespace

CCountDlg::CCountDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("文字数のカウント")) {
  m_nPerPage = AfxGetProfileInt("Count", "Page", 400);
  auto* grid = new wxFlexGridSizer(3, wxSize(12, 6));
  for (const Row& row : kRows) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(row.label)));
    grid->Add(new wxStaticText(this, row.count, "0"), 0, wxALIGN_RIGHT);
    grid->Add(row.pages ? new wxStaticText(this, row.pages, "0") : new wxStaticText(this, wxID_ANY, ""), 0,
              wxALIGN_RIGHT);
  }
  for (int i = 0; i < kLevels; ++i) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(kLevelLabels[i])));
    grid->Add(new wxStaticText(this, IDC_LEVEL1 + i, "0"), 0, wxALIGN_RIGHT);
    grid->AddSpacer(0);
  }
  auto* perPage = new wxBoxSizer(wxHORIZONTAL);
  m_perPage = new wxTextCtrl(this, IDC_PER_PAGE, wxEmptyString, wxDefaultPosition, wxSize(80, -1));
  perPage->Add(m_perPage);
  perPage->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("文字/ページ")), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL, 10);
  top->Add(perPage, 0, wxLEFT | wxRIGHT, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  CentreOnParent();
  m_perPage->Bind(wxEVT_KILL_FOCUS, &CCountDlg::OnPerPageBlur, this);
}

void CCountDlg::ShowNumber(int id, int value) {
  if (auto* label = dynamic_cast<wxStaticText*>(FindWindow(id))) label->SetLabel(wxString::Format("%d", value));
}

bool CCountDlg::TransferDataToWindow() {
  m_perPage->ChangeValue(wxString::Format("%d", m_nPerPage));
  const int counts[][2] = {{IDC_ALL, m_nAll},   {IDC_CHILD, m_nChild}, {IDC_THIS, m_nThis},
                           {IDC_SEL, m_nSel},   {IDC_TREES, m_nTrees}, {IDC_CHILD_TREES, m_nChildTrees},
                           {IDC_SEL_PAGES, m_nSelPages}};
  for (const auto& [id, value] : counts) ShowNumber(id, value);
  for (int i = 0; i < kLevels; ++i) ShowNumber(IDC_LEVEL1 + i, m_nLevel[i]);
  UpdatePages();
  return true;
}

int CCountDlg::ReadPerPage() const { return std::atoi(m_perPage->GetValue().utf8_str()); }

void CCountDlg::UpdatePages() {
  const int perPage = ReadPerPage();
  if (perPage < 1) {
    AfxMessageBox(kPerPageMessage);
    m_nPerPage = AfxGetProfileInt("Count", "Page", 400);
    m_perPage->ChangeValue(wxString::Format("%d", m_nPerPage));
  } else {
    m_nPerPage = perPage;
  }
  // A stored value below 1 must not divide either.
  const int divisor = std::max(m_nPerPage, 1);
  m_nAllPages = m_nAll / divisor + 1;
  m_nChildPages = m_nChild / divisor + 1;
  m_nThisPages = m_nThis / divisor + 1;
  ShowNumber(IDC_ALL_PAGES, m_nAllPages);
  ShowNumber(IDC_CHILD_PAGES, m_nChildPages);
  ShowNumber(IDC_THIS_PAGES, m_nThisPages);
}

void CCountDlg::OnPerPageBlur(wxFocusEvent& event) {
  event.Skip();
  UpdatePages();
}

bool CCountDlg::TransferDataFromWindow() {
  const int perPage = ReadPerPage();
  if (perPage <= 0) {
    AfxMessageBox(kPerPageMessage);
    return false;
  }
  m_nPerPage = perPage;
  AfxWriteProfileInt("Count", "Page", perPage);
  return true;
}
