// Find and replace in the text pane: the document's search word is looked for in the control's
// text first, and the search goes on over the outline's trees where the text holds no further hit.
#include <wx/event.h>
#include <wx/window.h>

#include <string>
#include <utility>
#include <vector>

#include "app/CKestavonDoc.h"
#include "app/CSearchDlg.h"
#include "app/SearchSupport.h"
#include "foundation/IMatch.h"
#include "foundation/IMatchCollection.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"

namespace {

struct Line {
  long start;  // serial offset of the line's first byte
  CString text;  // with its line end
};

// The logical lines of a text, each with its line end and its offset.
std::vector<Line> LinesOf(const CString& text) {
  std::vector<Line> lines;
  const std::string& all = text.str();
  size_t begin = 0;
  while (true) {
    size_t end = all.find_first_of("\r\n", begin);
    if (end == std::string::npos) {
      lines.push_back({static_cast<long>(begin), CString(all.substr(begin))});
      return lines;
    }
    end += all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n' ? 2 : 1;
    lines.push_back({static_cast<long>(begin), CString(all.substr(begin, end - begin))});
    begin = end;
  }
}

}  // namespace

void CIEditView::BindFindCommands() {
  Bind(wxEVT_MENU, &CIEditView::OnEditFind, this, ID_EDIT_FIND);
  Bind(wxEVT_MENU, &CIEditView::OnFindNext, this, ID_EDIT_FIND_NEXT);
  Bind(wxEVT_MENU, &CIEditView::OnFindPrev, this, ID_EDIT_FIND_PREV);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateFindNext, this, ID_EDIT_FIND_NEXT);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateFindNext, this, ID_EDIT_FIND_PREV);
  Bind(wxEVT_MENU, &CIEditView::OnEditReplace, this, ID_EDIT_REPLACE);
  Bind(wxEVT_MENU, &CIEditView::OnFindSelect, this, ID_WORK_FIND_SELECT);
}

void CIEditView::SetTextSelection(long start, long end) { GetEditCtrl().SetSel(start, end); }

long CIEditView::GetPaneTextLength() { return GetEditCtrl().GetText().GetLength(); }

CString CIEditView::GetPaneSelText() { return GetEditCtrl().GetSelText(); }

void CIEditView::OnEditFind(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  CSearchDlg dialog(wxGetTopLevelParent(this), CSearchDlg::kTextMode, nullptr);
  const CString selected = GetEditCtrl().GetSelText();
  if (!selected.IsEmpty()) dialog.m_strSearch = selected;
  if (dialog.ShowModal() != wxID_OK) return;
  ATREE& tree = doc->GetTree();
  tree.GetSearch().SetSearchText(dialog.m_strSearch);
  ShowInFindBox(dialog.m_strSearch);
  tree.GetSearch().SetSearchOptions(dialog.m_bCase, dialog.m_bWidth, dialog.m_nMulti);
  tree.GetSearch().SetRegExpSearch(dialog.m_bRegExp);
  tree.GetSearch().SetSearchTargets(dialog.m_bTitle, dialog.m_bTextArea, dialog.m_bLink);
  OnFindNext(event);
}

BOOL CIEditView::FindNextInText() {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return FALSE;
  OutlineSearch& search = doc->GetTree().GetSearch();
  if (search.GetRegExpSearch()) return FindRegExpInText(true);
  CWrilaCtrl& edit = GetEditCtrl();
  long start = 0;
  long end = 0;
  edit.GetSel(start, end);
  const CString rest = edit.GetText().Mid(static_cast<int>(end));
  // Going forward the text looks for any one of the words.
  const int mode = search.GetWordMode();
  if (mode == 2) search.SetSearchOptions(search.GetMatchCase(), search.GetMatchWidth(), 1);
  int length = 0;
  const int hit = search.MatchText(rest, search.GetSearchText(), &length, 0);
  if (mode == 2) search.SetSearchOptions(search.GetMatchCase(), search.GetMatchWidth(), mode);
  if (hit < 0) return FALSE;
  edit.SetSel(end + hit, end + hit + length);
  return TRUE;
}

BOOL CIEditView::FindRegExpInText(bool forward) {
  const ATREE& tree = GetDocument()->GetTree();
  if (m_regExp.m_lpDispatch == nullptr && !m_regExp.CreateDispatch("VBScript.RegExp")) return FALSE;
  m_regExp.SetPattern(tree.GetSearch().GetSearchText());
  m_regExp.SetGlobal(TRUE);
  m_regExp.SetIgnoreCase(tree.GetSearch().GetMatchCase() == 0);
  CWrilaCtrl& edit = GetEditCtrl();
  long selStart = 0;
  long selEnd = 0;
  edit.GetSel(selStart, selEnd);
  const std::vector<Line> lines = LinesOf(edit.GetText());
  size_t current = 0;
  while (current + 1 < lines.size() && lines[current + 1].start <= selEnd) ++current;

  auto matchesOf = [&](const Line& line) {
    std::vector<std::pair<long, long>> found;
    if (!m_regExp.Test(line.text)) return found;
    IMatchCollection matches(m_regExp.Execute(line.text));
    const LONG count = matches.GetCount();
    for (LONG i = 0; i < count; ++i) {
      IMatch match(matches.GetItem(i));
      const long start = line.start + match.GetByteIndex(line.text);
      found.emplace_back(start, start + match.GetValueByteLength());
    }
    return found;
  };
  auto isSelection = [&](const std::pair<long, long>& hit) { return hit.first == selStart && hit.second == selEnd; };

  if (forward) {
    for (size_t i = current; i < lines.size(); ++i) {
      for (const auto& hit : matchesOf(lines[i])) {
        if (hit.first < selEnd || isSelection(hit)) continue;
        edit.SetSel(hit.first, hit.second);
        return TRUE;
      }
    }
    return FALSE;
  }
  for (size_t i = current + 1; i-- > 0;) {
    const auto found = matchesOf(lines[i]);
    for (auto hit = found.rbegin(); hit != found.rend(); ++hit) {
      if (hit->second > selStart || isSelection(*hit)) continue;
      edit.SetSel(hit->first, hit->second);
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CIEditView::FindPrevInText() {
  OutlineSearch& search = GetDocument()->GetTree().GetSearch();
  CWrilaCtrl& edit = GetEditCtrl();
  long selStart = 0;
  long selEnd = 0;
  edit.GetSel(selStart, selEnd);
  const CString before = edit.GetText().Left(static_cast<int>(selStart));
  int last = -1;
  int lastLength = 0;
  // One pass from the start keeps the last hit before the selection.
  for (int pos = 0; pos <= before.GetLength();) {
    int length = 0;
    const int hit = search.MatchText(before, search.GetSearchText(), &length, pos);
    if (hit < 0) break;
    last = hit;
    lastLength = length;
    pos = StepPastHit(before, hit, length);
  }
  if (last < 0) return FALSE;
  edit.SetSel(last, last + lastLength);
  return TRUE;
}

void CIEditView::ActivateTreePane(int command) {
  CKestavonDoc* doc = GetDocument();
  CFrameWnd* frame = GetParentFrame();
  CTreePane* tree = doc ? doc->GetTreePane() : nullptr;
  if (!tree || !frame) return;
  frame->SetActiveView(&tree->GetPaneView());
  if (command != 0) ForwardToTree(command);
}

void CIEditView::OnFindNext(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  BOOL found = FALSE;
  if (!RunGuardedSearch([&] { found = FindNextInText(); })) return;
  if (found) return;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  int item = -1;
  if (!RunGuardedSearch([&] { item = tree.GetSearch().FindText(tree, doc->GetCurrentTree() + 1, TRUE); })) return;
  if (item < 0) {
    AfxMessageBox("見つかりません");
    return;
  }
  doc->SetCurrentTree(item);
  tree.ShowTree(item);
  doc->RefillTreeViews(item);
  ForwardToTree(ID_WORK_STATUS_SHOW);
  if (!tree.GetSearch().GetFoundInText()) {
    ActivateTreePane(0);
    return;
  }
  tree.GetSearch().ClearFoundInText();
  GetEditCtrl().SetSel(0, 0);
  RunGuardedSearch([&] { FindNextInText(); });
  SetFocus();
}

void CIEditView::OnFindPrev(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  BOOL found = FALSE;
  const bool regExp = doc->GetTree().GetSearch().GetRegExpSearch() != 0;
  if (!RunGuardedSearch([&] { found = regExp ? FindRegExpInText(false) : FindPrevInText(); })) return;
  if (!found) ActivateTreePane(ID_EDIT_FIND_PREV);
}

void CIEditView::OnUpdateFindNext(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  event.Enable(doc && !doc->GetTree().GetSearch().GetSearchText().IsEmpty());
}

void CIEditView::OnEditReplace(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  CWrilaCtrl& edit = GetEditCtrl();
  // The control's replace dialog runs with the flag set; the replaced text reaches the item at the
  // next write-back, by comparing texts.
  const BOOL modified = edit.GetModified();
  edit.SetModified(TRUE);
  edit.ExecCommand(ID_EDIT_REPLACE);
  edit.SetModified(modified);
}

void CIEditView::OnFindSelect(wxCommandEvent&) {
  RunGuardedSearch([&] { FindNextInText(); });
}
