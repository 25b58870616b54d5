#include "app/CFindListDlg.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "app/CWordListBox.h"
#include "app/SearchSupport.h"
#include "foundation/IMatch.h"
#include "foundation/IMatchCollection.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "foundation/TextSearch.h"
#include "model/ATREE.h"
#include "model/CDirData.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/DialogHelp.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "resources/MenuResource.h"

namespace {

constexpr DWORD kHelpTopic = 175;
constexpr int kFindListPopup = 4;
const wxColour kMarkColour(0, 0, 255);

}  // namespace

CFindListDlg::CFindListDlg(wxWindow* parent, ATREE* tree, std::vector<const CDirData*> hits)
    : wxDialog(parent, IDD, CP932ToWx("検索一覧"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMAXIMIZE_BOX),
      m_pTree(tree),
      m_hits(std::move(hits)),
      m_strSearch(tree->GetSearch().GetSearchText()),
      m_bRegExp(tree->GetSearch().GetRegExpSearch()) {
  m_list = new CWordListBox;
  m_list->Create(this, IDC_LIST, wxDefaultPosition, wxSize(180, 320));
  m_list->m_bMarkWords = m_bMarkWords;
  m_list->m_strWord = m_strSearch;
  m_list->m_nSearchOptions = (tree->GetSearch().GetMatchCase() ? 0 : FIND_IGNORE_CASE) |
                             (tree->GetSearch().GetMatchWidth() ? 0 : FIND_IGNORE_WIDTH);
  m_text = new wxTextCtrl(this, IDC_TEXT, wxEmptyString, wxDefaultPosition, wxSize(420, 320),
                          wxTE_MULTILINE | wxTE_RICH2 | wxTE_READONLY | wxTE_NOHIDESEL);
  m_path = new wxStaticText(this, IDC_PATH, CP932ToWx("ツリーのパス"));
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  body->Add(m_list, 0, wxEXPAND | wxRIGHT, 10);
  body->Add(m_text, 1, wxEXPAND);
  auto* foot = new wxBoxSizer(wxHORIZONTAL);
  foot->Add(m_path, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
  foot->Add(new wxButton(this, IDC_NEXT_MARK, CP932ToWx("▼")), 0, wxRIGHT, 10);
  foot->Add(new wxButton(this, wxID_OK, CP932ToWx("ジャンプ")), 0, wxRIGHT, 10);
  foot->Add(new wxButton(this, wxID_CANCEL, CP932ToWx("閉じる")));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(body, 1, wxEXPAND | wxLEFT | wxTOP | wxRIGHT, 10);
  top->Add(foot, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);

  for (const CDirData* hit : m_hits) m_list->AddString(ListTitle(hit->m_strPath));
  if (!m_hits.empty()) {
    m_list->SetSelection(0);
    ShowHit(0);
  }
  const wxSize size = GetSize();
  SetSize(ReadSetting(Settings::System::FindListDlgWidth, size.x),
          ReadSetting(Settings::System::FindListDlgBottom, size.y));

  Bind(wxEVT_LISTBOX, &CFindListDlg::OnSelect, this, IDC_LIST);
  Bind(wxEVT_LISTBOX_DCLICK, &CFindListDlg::OnDoubleClick, this, IDC_LIST);
  Bind(wxEVT_BUTTON, &CFindListDlg::OnJump, this, wxID_OK);
  Bind(wxEVT_BUTTON, &CFindListDlg::OnNextMark, this, IDC_NEXT_MARK);
  m_text->Bind(wxEVT_RIGHT_UP, &CFindListDlg::OnTextRightUp, this);
  BindDialogHelp(this, kHelpTopic);
  m_bInit = true;
}

CFindListDlg::~CFindListDlg() {
  // A maximised window keeps the size stored before.
  if (IsMaximized()) return;
  const wxSize size = GetSize();
  WriteSetting(Settings::System::FindListDlgWidth, size.x);
  WriteSetting(Settings::System::FindListDlgBottom, size.y);
}

CString CFindListDlg::ListTitle(const CString& path) {
  const int separator = path.ReverseFind('\x01');
  CString title = separator >= 0 ? path.Mid(separator + 1) : path;
  const int cut = title.ReverseFind('\x02');
  return cut >= 0 ? title.Left(cut) : title;
}

void CFindListDlg::ShowHit(int index) {
  if (index < 0 || static_cast<size_t>(index) >= m_hits.size()) return;
  const CDirData* hit = m_hits[static_cast<size_t>(index)];
  const int separator = hit->m_strPath.Find('\x01');
  CString path = separator >= 0 ? hit->m_strPath.Mid(separator + 1) : CString();
  path.Replace("\x01", " > ");
  m_path->SetLabel(CP932ToWx(path.str()));

  m_strShown = hit->m_strText;
  m_marks.clear();
  if (!m_strSearch.IsEmpty() && (m_bMarkWords || m_bRegExp)) {
    if (m_bRegExp)
      RunGuardedSearch([&] { FindRegExpMarks(m_strShown); });
    else
      FindMarks(m_strShown);
  }
  m_text->Freeze();
  m_text->SetDefaultStyle(wxTextAttr(*wxBLACK));
  m_text->ChangeValue(TextWindowValue(m_strShown));
  wxTextAttr mark(kMarkColour);
  mark.SetFontWeight(wxFONTWEIGHT_BOLD);
  for (const auto& [start, length] : m_marks)
    m_text->SetStyle(TextWindowPos(m_strShown, start), TextWindowPos(m_strShown, start + length), mark);
  m_text->SetInsertionPoint(0);
  m_text->Thaw();
  m_bFound = m_marks.empty() ? FALSE : TRUE;
  if (m_bFound) SelectMark(0);
}

void CFindListDlg::FindMarks(const CString& text) {
  // The list marks any of the words, as one search with the words joined by OR would.
  const int matchCase = m_pTree->GetSearch().GetMatchCase();
  const int matchWidth = m_pTree->GetSearch().GetMatchWidth();
  const int mode = m_pTree->GetSearch().GetWordMode();
  if (mode == 2) m_pTree->GetSearch().SetSearchOptions(matchCase, matchWidth, 1);
  for (int pos = 0; pos <= text.GetLength();) {
    int length = 0;
    const int hit = m_pTree->GetSearch().MatchText(text, m_strSearch, &length, pos);
    if (hit < 0) break;
    if (length > 0) m_marks.emplace_back(hit, length);
    pos = StepPastHit(text, hit, length);
  }
  if (mode == 2) m_pTree->GetSearch().SetSearchOptions(matchCase, matchWidth, mode);
}

void CFindListDlg::FindRegExpMarks(const CString& text) {
  if (m_regExp.m_lpDispatch == nullptr && !m_regExp.CreateDispatch("VBScript.RegExp")) return;
  m_regExp.SetPattern(m_strSearch);
  m_regExp.SetGlobal(TRUE);
  m_regExp.SetIgnoreCase(m_pTree->GetSearch().GetMatchCase() == 0);
  // Line by line, so that anchors hold at every line's ends.
  const std::string& all = text.str();
  for (size_t begin = 0; begin <= all.size();) {
    const size_t lf = all.find('\n', begin);
    const size_t next = lf == std::string::npos ? all.size() : lf;
    const size_t end = next > begin && all[next - 1] == '\r' ? next - 1 : next;
    const CString line(all.substr(begin, end - begin));
    IMatchCollection matches(m_regExp.Execute(line));
    const LONG count = matches.GetCount();
    for (LONG i = 0; i < count; ++i) {
      IMatch match(matches.GetItem(i));
      const LONG length = match.GetValueByteLength();
      if (length > 0) m_marks.emplace_back(static_cast<int>(begin) + match.GetByteIndex(line), length);
    }
    if (lf == std::string::npos) break;
    begin = lf + 1;
  }
}

void CFindListDlg::SelectMark(size_t index) {
  const auto& [start, length] = m_marks[index];
  m_text->SetSelection(TextWindowPos(m_strShown, start), TextWindowPos(m_strShown, start + length));
  m_text->ShowPosition(TextWindowPos(m_strShown, start));
}

void CFindListDlg::OnSelect(wxCommandEvent&) { ShowHit(m_list->GetSelection()); }

void CFindListDlg::OnDoubleClick(wxCommandEvent& event) { OnJump(event); }

void CFindListDlg::OnJump(wxCommandEvent&) {
  const int selected = m_list->GetSelection();
  if (selected == wxNOT_FOUND || static_cast<size_t>(selected) >= m_hits.size()) return;
  m_nResult = m_pTree->IndexOf(m_hits[static_cast<size_t>(selected)]);
  EndModal(wxID_OK);
}

void CFindListDlg::OnNextMark(wxCommandEvent&) {
  long from = 0;
  long to = 0;
  m_text->GetSelection(&from, &to);
  for (size_t i = 0; i < m_marks.size(); ++i) {
    if (TextWindowPos(m_strShown, m_marks[i].first) >= to) {
      SelectMark(i);
      return;
    }
  }
  AfxMessageBox("このツリー内にはありません");
}

void CFindListDlg::OnTextRightUp(wxMouseEvent& event) {
  std::unique_ptr<wxMenu> menu = LoadPopupMenu(IDR_CONTEXT, kFindListPopup);
  if (!menu) return;
  const int chosen = m_text->GetPopupMenuSelectionFromUser(*menu, event.GetPosition());
  if (chosen == ID_EDIT_COPY) m_text->Copy();
  if (chosen == ID_EDIT_SELECT_ALL) m_text->SelectAll();
}
