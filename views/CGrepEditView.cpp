#include "views/CGrepEditView.h"

#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <utility>
#include <vector>

#include "app/CSearchDlg.h"
#include "app/SearchSupport.h"
#include "foundation/IMatch.h"
#include "foundation/IMatchCollection.h"
#include "foundation/TextSearch.h"
#include "model/OutlineSearch.h"
#include "platform/desktop/CWaitCursor.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "resources/MenuResource.h"
#include "views/CGrepDoc.h"
#include "views/GrepFonts.h"

namespace {

const wxColour kMarkColour(0, 0, 255);

}  // namespace

wxBEGIN_EVENT_TABLE(CGrepEditView, CView)
  EVT_MENU(ID_EDIT_FIND, CGrepEditView::OnFind)
  EVT_MENU(ID_EDIT_FIND_NEXT, CGrepEditView::OnFindNext)
  EVT_MENU(ID_EDIT_FIND_PREV, CGrepEditView::OnFindNext)
  EVT_MENU(ID_EDIT_COPY, CGrepEditView::OnCopy)
  EVT_MENU(ID_EDIT_SELECT_ALL, CGrepEditView::OnSelectAll)
  EVT_MENU(ID_GREP_WORD_WRAP, CGrepEditView::OnWordWrap)
  EVT_MENU(ID_SETTINGS_FONT, CGrepEditView::OnFont)
  EVT_UPDATE_UI(ID_EDIT_FIND_NEXT, CGrepEditView::OnUpdateFindNext)
  EVT_UPDATE_UI(ID_EDIT_FIND_PREV, CGrepEditView::OnUpdateFindNext)
  EVT_UPDATE_UI(ID_GREP_WORD_WRAP, CGrepEditView::OnUpdateWordWrap)
  EVT_UPDATE_UI(ID_EDIT_FIND, CGrepEditView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_EDIT_COPY, CGrepEditView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_EDIT_SELECT_ALL, CGrepEditView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_SETTINGS_FONT, CGrepEditView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_VIEW_CHART, CGrepEditView::OnUpdateDisabled)
  EVT_UPDATE_UI(ID_VIEW_OUTLINE, CGrepEditView::OnUpdateDisabled)
wxEND_EVENT_TABLE()

CGrepEditView::CGrepEditView() { m_bWordWrap = AfxGetProfileInt("Grep", "WordWrap", 1); }

BOOL CGrepEditView::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!CView::Create(parent, id, pos, size)) return FALSE;
  // Read-only: the text is a copy of a file's line or tree, and the marks and the pane's own find
  // work on the text as it was set.
  m_pEdit = new wxTextCtrl(this, IDC_TEXT, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                           wxTE_MULTILINE | wxTE_RICH2 | wxTE_READONLY | wxTE_NOHIDESEL | wxVSCROLL);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_pEdit, 1, wxEXPAND);
  SetSizer(sizer);
  CreateGrepFont(m_font, "EGFont", -17);
  m_pEdit->SetFont(m_font.GetWxFont());
  ApplyWordWrap();
  m_regExp.CreateDispatch("VBScript.RegExp");
  m_pEdit->Bind(wxEVT_CONTEXT_MENU, &CGrepEditView::OnContextMenu, this);
  return TRUE;
}

CGrepDoc* CGrepEditView::GetGrepDoc() const { return dynamic_cast<CGrepDoc*>(GetDocument()); }

void CGrepEditView::GetSel(int& start, int& end) const {
  long from = 0;
  long to = 0;
  m_pEdit->GetSelection(&from, &to);
  const CharIndexMap map(m_strText.str());
  start = map.CharToByte(static_cast<int>(from));
  end = map.CharToByte(static_cast<int>(to));
}

void CGrepEditView::SetSel(int start, int end) {
  const CharIndexMap map(m_strText.str());
  m_pEdit->SetSelection(map.ByteToChar(start), map.ByteToChar(end));
  m_pEdit->ShowPosition(map.ByteToChar(start));
}

void CGrepEditView::Mark(int start, int length) {
  const CharIndexMap map(m_strText.str());
  wxTextAttr attr;
  attr.SetTextColour(kMarkColour);
  attr.SetFontWeight(wxFONTWEIGHT_BOLD);
  m_pEdit->SetStyle(map.ByteToChar(start), map.ByteToChar(start + length), attr);
}

void CGrepEditView::RegExpMatches(const CString& pattern, BOOL ignoreCase, std::vector<std::pair<int, int>>& matches) {
  if (m_regExp.m_lpDispatch == nullptr) return;
  m_regExp.SetPattern(pattern);
  m_regExp.SetGlobal(TRUE);
  m_regExp.SetIgnoreCase(ignoreCase);
  // Line by line, so "^" and "$" mean the ends of each line.
  for (int lineStart = 0; lineStart <= m_strText.GetLength();) {
    const int lf = m_strText.Find('\n', lineStart);
    const int lineEnd = lf < 0 ? m_strText.GetLength() : lf;
    const CString line = m_strText.Mid(lineStart, lineEnd - lineStart);
    if (!line.IsEmpty() && m_regExp.Test(line)) {
      IMatchCollection collection(m_regExp.Execute(line));
      for (LONG i = 0; i < collection.GetCount(); ++i) {
        IMatch match(collection.GetItem(i));
        const int length = match.GetValueByteLength();
        if (length > 0) matches.emplace_back(lineStart + match.GetByteIndex(line), length);
      }
    }
    if (lf < 0) break;
    lineStart = lf + 1;
  }
}

void CGrepEditView::ShowText(const char* text) {
  m_strText = text;
  m_strText.Replace("\r\n", "\n");
  m_pEdit->SetValue(CP932ToWx(m_strText.str()));
  CGrepDoc* doc = GetGrepDoc();
  if (!doc || doc->m_options.m_strWord.IsEmpty()) return;
  const CGrepOptions& options = doc->m_options;
  m_pEdit->Freeze();
  if (options.m_bRegExp) {
    std::vector<std::pair<int, int>> matches;
    RegExpMatches(options.m_strWord, !options.m_bCase, matches);
    for (const auto& [start, length] : matches) Mark(start, length);
  } else {
    OutlineSearch matcher;
    matcher.SetSearchOptions(options.m_bCase, options.m_bWidth, options.m_nWordMode != 0 ? 1 : 0);
    int length = 0;
    for (int pos = matcher.MatchText(m_strText, options.m_strWord, &length, 0); pos >= 0 && length > 0;
         pos = matcher.MatchText(m_strText, options.m_strWord, &length, pos + length))
      Mark(pos, length);
  }
  m_pEdit->SetSelection(0, 0);
  m_pEdit->ShowPosition(0);
  m_pEdit->Thaw();
}

BOOL CGrepEditView::FindNext() {
  CWaitCursor wait;
  int selStart = 0;
  int selEnd = 0;
  GetSel(selStart, selEnd);
  if (m_bRegExp) {
    std::vector<std::pair<int, int>> matches;
    RegExpMatches(m_strFind, !m_bCase, matches);
    for (const auto& [start, length] : matches) {
      if (start < selEnd || (start == selStart && start + length == selEnd)) continue;
      SetSel(start, start + length);
      return TRUE;
    }
    AfxMessageBox("見つかりません");
    return FALSE;
  }
  const int options = (m_bCase ? 0 : FIND_IGNORE_CASE) | (m_bWidth ? 0 : FIND_IGNORE_WIDTH);
  int length = 0;
  const int pos = m_bMulti ? FindWords(m_strText, m_strFind, selEnd, options, &length, FALSE)
                           : FindTextOpt(m_strText, m_strFind, selEnd, options, &length);
  if (pos < 0) {
    AfxMessageBox("検索語が見つかりません");
    return FALSE;
  }
  SetSel(pos, pos + length);
  return TRUE;
}

BOOL CGrepEditView::FindPrev() {
  CWaitCursor wait;
  int selStart = 0;
  int selEnd = 0;
  GetSel(selStart, selEnd);
  int best = -1;
  int bestLength = 0;
  if (m_bRegExp) {
    std::vector<std::pair<int, int>> matches;
    RegExpMatches(m_strFind, !m_bCase, matches);
    for (const auto& [start, length] : matches) {
      if (start + length > selStart || (start == selStart && start + length == selEnd)) continue;
      best = start;
      bestLength = length;
    }
    if (best < 0) {
      AfxMessageBox("見つかりません");
      return FALSE;
    }
  } else {
    const int options = (m_bCase ? 0 : FIND_IGNORE_CASE) | (m_bWidth ? 0 : FIND_IGNORE_WIDTH);
    const CString before = m_strText.Left(selStart);
    int length = 0;
    for (int pos = 0;; pos = best + std::max(bestLength, 1)) {
      const int found = m_bMulti ? FindWords(before, m_strFind, pos, options, &length, FALSE)
                                 : FindTextOpt(before, m_strFind, pos, options, &length);
      if (found < 0) break;
      best = found;
      bestLength = length;
    }
    if (best < 0) {
      AfxMessageBox("検索語が見つかりません");
      return FALSE;
    }
  }
  SetSel(best, best + bestLength);
  return TRUE;
}

void CGrepEditView::OnFind(wxCommandEvent&) {
  CSearchDlg dialog(this, CSearchDlg::kTextMode, nullptr);
  int start = 0;
  int end = 0;
  GetSel(start, end);
  dialog.m_strSearch = end > start ? m_strText.Mid(start, end - start) : m_strFind;
  if (dialog.ShowModal() != wxID_OK) return;
  m_strFind = dialog.m_strSearch;
  m_bCase = dialog.m_bCase;
  m_bWidth = dialog.m_bWidth;
  m_bMulti = dialog.m_nMulti != 0;
  m_bRegExp = dialog.m_bRegExp;
  ShowInFindBox(m_strFind);
  FindNext();
}

void CGrepEditView::OnFindNext(wxCommandEvent& event) {
  if (event.GetId() == ID_EDIT_FIND_PREV)
    FindPrev();
  else
    FindNext();
}

void CGrepEditView::OnCopy(wxCommandEvent&) { m_pEdit->Copy(); }

void CGrepEditView::OnSelectAll(wxCommandEvent&) { m_pEdit->SelectAll(); }

void CGrepEditView::ApplyWordWrap() {
  m_pEdit->SetWindowStyleFlag(m_bWordWrap ? (m_pEdit->GetWindowStyleFlag() & ~wxTE_DONTWRAP) | wxTE_WORDWRAP
                                          : (m_pEdit->GetWindowStyleFlag() & ~wxTE_WORDWRAP) | wxTE_DONTWRAP);
}

void CGrepEditView::OnWordWrap(wxCommandEvent&) {
  m_bWordWrap = !m_bWordWrap;
  AfxWriteProfileInt("Grep", "WordWrap", m_bWordWrap);
  ApplyWordWrap();
}

void CGrepEditView::OnFont(wxCommandEvent&) {
  if (!ChooseGrepFont(this, m_font, "EGFont")) return;
  m_pEdit->SetFont(m_font.GetWxFont());
  wxTextAttr attr;
  attr.SetFont(m_font.GetWxFont());
  m_pEdit->SetStyle(0, m_pEdit->GetLastPosition(), attr);
  if (CDocument* doc = GetDocument()) doc->UpdateAllViews(nullptr);
}

void CGrepEditView::OnUpdateFindNext(wxUpdateUIEvent& event) { event.Enable(!m_strFind.IsEmpty()); }

void CGrepEditView::OnUpdateWordWrap(wxUpdateUIEvent& event) {
  event.Enable(true);
  event.Check(m_bWordWrap != 0);
}

void CGrepEditView::OnUpdateEnabled(wxUpdateUIEvent& event) { event.Enable(true); }

void CGrepEditView::OnUpdateDisabled(wxUpdateUIEvent& event) { event.Enable(false); }

void CGrepEditView::OnContextMenu(wxContextMenuEvent& event) {
  std::unique_ptr<wxMenu> menu = LoadPopupMenu(IDR_CONTEXT, 3);
  if (menu) PopupMenu(menu.get(), ScreenToClient(event.GetPosition()));
}
