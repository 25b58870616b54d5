#include "app/CSearchDlg.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/timectrl.h>

#include "model/CCategoryArray.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/com/ComActivation.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/InputMethod.h"

namespace {

// The check boxes in member order, with their settings keys in section "System".
struct Option {
  int id;
  const char* label;
  const char* key;
};
constexpr Option kOptions[] = {
    {CSearchDlg::IDC_CASE, "大文字小文字を区別する(&O)", "ISearch"},
    {CSearchDlg::IDC_WIDTH, "全角半角を区別する(&Z)", "ZSearch"},
    {CSearchDlg::IDC_TITLE, "ツリータイトル(&T)", "TitleSearch"},
    {CSearchDlg::IDC_TEXTAREA, "テキストエリア(&E)", "TextAreaSearch"},
    {CSearchDlg::IDC_LINK, "リンクファイル名(&L)", "LinkNameSearch"},
    {CSearchDlg::IDC_REGEXP, "正規表現(&R)", "RegExp"},
    {CSearchDlg::IDC_SELECT_ONLY, "選択ツリー配下のみ(&S)", "SearchSelectOnly"},
};

wxString Wx(const char* text) { return CP932ToWx(text); }

}  // namespace

bool CSearchDlg::RegExpAvailable() {
  CLSID clsid;
  return SUCCEEDED(CLSIDFromProgID("VBScript.RegExp", &clsid));
}

CSearchDlg::CSearchDlg(wxWindow* parent, int mode, const CCategoryArray* categories)
    : wxDialog(parent, IDD, Wx(mode == kListMode ? "検索リスト" : "検索")), m_nMode(mode), m_pCategories(categories) {
  m_bIme = AfxGetProfileInt("View", "Ime", 0);
  m_history.SetSection("Search");
  m_history.Load();
  m_bCase = AfxGetProfileInt("System", "ISearch", 0);
  m_bWidth = AfxGetProfileInt("System", "ZSearch", 0);
  m_nMulti = AfxGetProfileInt("System", "MSearch", 0);
  m_bTitle = AfxGetProfileInt("System", "TitleSearch", 1 - AfxGetProfileInt("System", "Title", 0));
  m_bTextArea = AfxGetProfileInt("System", "TextAreaSearch", 1);
  m_bLink = AfxGetProfileInt("System", "LinkNameSearch", 0);
  m_bRegExp = AfxGetProfileInt("System", "RegExp", 0);
  m_bSelectOnly = AfxGetProfileInt("System", "SearchSelectOnly", 0);
  m_timeFrom.SetStatus(COleDateTime::null);
  m_timeTo.SetStatus(COleDateTime::null);
  const bool text = mode == kTextMode;
  if (text && m_nMulti == 2) m_nMulti = 1;

  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* wordRow = new wxBoxSizer(wxHORIZONTAL);
  wordRow->Add(new wxStaticText(this, wxID_ANY, Wx("検索語(&W)：")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  m_word = new wxComboBox(this, IDC_WORD, wxEmptyString, wxDefaultPosition, wxSize(320, -1));
  wordRow->Add(m_word, 1, wxEXPAND);
  top->Add(wordRow, 0, wxEXPAND | wxALL, 8);

  for (const Option& option : kOptions) {
    const size_t i = static_cast<size_t>(&option - kOptions);
    m_check[i] = new wxCheckBox(this, option.id, Wx(option.label));
  }
  auto* flags = new wxBoxSizer(wxVERTICAL);
  for (size_t i : {0u, 1u, 5u}) flags->Add(m_check[i], 0, wxBOTTOM, 4);
  auto* multiRow = new wxBoxSizer(wxHORIZONTAL);
  multiRow->Add(new wxStaticText(this, wxID_ANY, Wx("複数語(&M):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  m_multi = new wxChoice(this, IDC_MULTI);
  for (const char* entry : {"単独語", "ＯＲ", "ＡＮＤ"}) m_multi->Append(Wx(entry));
  if (text) m_multi->Delete(2);
  multiRow->Add(m_multi);
  flags->Add(multiRow, 0, wxTOP, 2);

  auto* middle = new wxBoxSizer(wxHORIZONTAL);
  middle->Add(flags, 1, wxEXPAND | wxRIGHT, 8);
  if (!text) {
    auto* targets = new wxStaticBoxSizer(new wxStaticBox(this, IDC_TARGETS, Wx("検索対象")), wxVERTICAL);
    for (size_t i : {2u, 3u, 4u}) targets->Add(m_check[i], 0, wxALL, 2);
    middle->Add(targets, 0, wxEXPAND);
  }
  top->Add(middle, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
  if (mode == kListMode) top->Add(m_check[6], 0, wxLEFT | wxTOP, 8);

  if (!text) {
    auto* grid = new wxFlexGridSizer(2, wxSize(6, 6));
    grid->Add(new wxStaticText(this, IDC_CATEGORY_LABEL, Wx("カテゴリ(&C):")), 0, wxALIGN_CENTER_VERTICAL);
    m_category = new wxChoice(this, IDC_CATEGORY);
    m_category->Append(Wx("全て"));
    m_category->Append(Wx("未設定のみ"));
    if (m_pCategories)
      for (int i = 0; i < m_pCategories->GetCount(); ++i) m_category->Append(Wx(m_pCategories->GetAt(i).Name.str().c_str()));
    grid->Add(m_category, 0, wxEXPAND);
    grid->Add(new wxStaticText(this, IDC_DATE_LABEL, Wx("更新日時(&D):")), 0, wxALIGN_CENTER_VERTICAL);
    auto* dates = new wxBoxSizer(wxHORIZONTAL);
    m_dateFrom = new wxDatePickerCtrl(this, IDC_DATE_FROM, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize,
                                      wxDP_DROPDOWN | wxDP_ALLOWNONE | wxDP_SHOWCENTURY);
    m_timePickFrom = new wxTimePickerCtrl(this, wxID_ANY);
    m_dateTo = new wxDatePickerCtrl(this, IDC_DATE_TO, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize,
                                    wxDP_DROPDOWN | wxDP_ALLOWNONE | wxDP_SHOWCENTURY);
    m_timePickTo = new wxTimePickerCtrl(this, wxID_ANY);
    dates->Add(m_dateFrom);
    dates->Add(m_timePickFrom, 0, wxLEFT, 2);
    dates->Add(new wxStaticText(this, IDC_DATE_DASH, Wx("～")), 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 4);
    dates->Add(m_dateTo);
    dates->Add(m_timePickTo, 0, wxLEFT, 2);
    grid->Add(dates);
    top->Add(grid, 0, wxALL, 8);
  }
  // Only the check boxes that the mode shows stand in the dialog.
  if (text)
    for (size_t i : {2u, 3u, 4u, 6u}) m_check[i]->Hide();
  if (mode == kTreeMode) m_check[6]->Hide();

  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  if (auto* ok = FindWindow(wxID_OK)) ok->SetLabel(Wx("検索開始"));
  SetSizerAndFit(top);
  CentreOnParent();

  if (!RegExpAvailable()) {
    m_bRegExp = FALSE;
    m_check[5]->Disable();
  }
  Bind(wxEVT_CHECKBOX, &CSearchDlg::OnRegExp, this, IDC_REGEXP);
  m_word->Bind(wxEVT_SET_FOCUS, &CSearchDlg::OnWordFocus, this);
  m_word->Bind(wxEVT_KILL_FOCUS, &CSearchDlg::OnWordBlur, this);
}

CSearchDlg::~CSearchDlg() = default;

bool CSearchDlg::TransferDataToWindow() {
  m_history.FillComboBox(m_word);
  if (!m_strSearch.IsEmpty()) m_word->SetValue(CP932ToWx(m_strSearch.str()));
  const BOOL values[] = {m_bCase, m_bWidth, m_bTitle, m_bTextArea, m_bLink, m_bRegExp, m_bSelectOnly};
  for (size_t i = 0; i < std::size(values); ++i) m_check[i]->SetValue(values[i] != FALSE);
  m_check[1]->Enable(!m_bRegExp);
  m_multi->SetSelection(std::clamp(m_nMulti, 0, static_cast<int>(m_multi->GetCount()) - 1));
  if (m_category) m_category->SetSelection(std::clamp(m_nCategory + 1, 0, static_cast<int>(m_category->GetCount()) - 1));
  if (m_dateFrom) {
    ShowLimit(m_timeFrom, m_dateFrom, m_timePickFrom);
    ShowLimit(m_timeTo, m_dateTo, m_timePickTo);
  }
  return true;
}

bool CSearchDlg::TransferDataFromWindow() {
  m_strSearch = WxToCP932(m_word->GetValue());
  BOOL* values[] = {&m_bCase, &m_bWidth, &m_bTitle, &m_bTextArea, &m_bLink, &m_bRegExp, &m_bSelectOnly};
  for (size_t i = 0; i < std::size(values); ++i) *values[i] = m_check[i]->GetValue() ? TRUE : FALSE;
  m_nMulti = m_multi->GetSelection();
  for (size_t i = 0; i < std::size(values); ++i) AfxWriteProfileInt("System", kOptions[i].key, *values[i]);
  AfxWriteProfileInt("System", "MSearch", m_nMulti);
  m_history.Add(m_strSearch);
  m_history.Save();
  if (m_category) m_nCategory = m_category->GetSelection() - 1;
  if (m_dateFrom) {
    m_timeFrom = ReadLimit(m_dateFrom, m_timePickFrom);
    m_timeTo = ReadLimit(m_dateTo, m_timePickTo);
  }
  return true;
}

COleDateTime CSearchDlg::ReadLimit(const wxDatePickerCtrl* date, const wxTimePickerCtrl* time) {
  COleDateTime limit;
  const wxDateTime day = date->GetValue();
  if (!day.IsValid()) {
    limit.SetStatus(COleDateTime::null);
    return limit;
  }
  const wxDateTime clock = time->GetValue();
  limit.SetDateTime(day.GetYear(), static_cast<int>(day.GetMonth()) + 1, day.GetDay(),
                    clock.IsValid() ? clock.GetHour() : 0, clock.IsValid() ? clock.GetMinute() : 0,
                    clock.IsValid() ? clock.GetSecond() : 0);
  return limit;
}

void CSearchDlg::ShowLimit(const COleDateTime& limit, wxDatePickerCtrl* date, wxTimePickerCtrl* time) {
  if (limit.GetStatus() != COleDateTime::valid) {
    date->SetValue(wxInvalidDateTime);
    time->SetValue(wxDateTime::Now());
    return;
  }
  const wxDateTime value(static_cast<wxDateTime::wxDateTime_t>(limit.GetDay()),
                         static_cast<wxDateTime::Month>(limit.GetMonth() - 1), limit.GetYear(),
                         static_cast<wxDateTime::wxDateTime_t>(limit.GetHour()),
                         static_cast<wxDateTime::wxDateTime_t>(limit.GetMinute()),
                         static_cast<wxDateTime::wxDateTime_t>(limit.GetSecond()));
  date->SetValue(value);
  time->SetValue(value);
}

void CSearchDlg::OnRegExp(wxCommandEvent&) { m_check[1]->Enable(!m_check[5]->GetValue()); }

void CSearchDlg::OnWordFocus(wxFocusEvent& event) {
  event.Skip();
  if (!m_bIme) return;
  if (HIMC context = ImmGetContext(m_word)) {
    CFont font;
    LOGFONT logFont{};
    if (font.CreateFromWxFont(GetFont()) && font.GetLogFont(&logFont)) ImmSetCompositionFont(context, &logFont);
    ImmSetOpenStatus(context, TRUE);
    ImmReleaseContext(m_word, context);
  }
}

void CSearchDlg::OnWordBlur(wxFocusEvent& event) {
  event.Skip();
  if (!m_bIme) return;
  if (HIMC context = ImmGetContext(m_word)) {
    ImmSetOpenStatus(context, FALSE);
    ImmReleaseContext(m_word, context);
  }
}
