// Copy, cut and paste of trees. Trees travel as tree records in the program's own clipboard
// format; plain text from anywhere becomes trees in one of five ways the user picks.
#include <wx/event.h>
#include "platform/desktop/CWaitCursor.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "model/CDirData.h"
#include "model/CTreeData.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/UnkeptCharacters.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CInputDlg.h"
#include "treeview/CPasteChoiceDlg.h"
#include "treeview/CTrView.h"
#include "treeview/TreeClipboard.h"

namespace {

constexpr int kFoldOpen = 2;  // a row's fold state when its children are shown

// Bytes below 0x09 would cut a title into levels or a record into fields.
void StripControlBytes(CString& text) {
  std::string& s = text.str();
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c >= '\x01' && c <= '\x08'; }), s.end());
}

void RemoveLeadingLineBreaks(CString& text) {
  size_t n = 0;
  const std::string& s = text.str();
  while (s.compare(n, 2, "\r\n") == 0) n += 2;
  text.str().erase(0, n);
}

}  // namespace

BOOL CTrView::CopyTree(BOOL cut) {
  CKestavonDoc* doc = GetDocument();
  const int item = SelectedItem();
  if (!doc || item < 0) return FALSE;
  ATREE& tree = doc->GetTree();
  if (!tree.CheckWritePassword()) return FALSE;
  CWaitCursor wait;
  doc->CommitTextArea();
  return tree_clipboard::Put(tree.GetSubtreeRecords(item, cut), tree.GetName(item)) ? TRUE : FALSE;
}

void CTrView::OnEditCopy(wxCommandEvent&) { CopyTree(FALSE); }

void CTrView::OnEditCut(wxCommandEvent&) {
  // A tree whose copy did not reach the clipboard is not deleted: it would be lost.
  if (!CopyTree(TRUE)) return;
  CKestavonDoc* doc = GetDocument();
  const int item = SelectedItem();
  doc->SaveUndo();
  if (item == 0) {
    AfxMessageBox("トップ階層は切り取りできません");
    return;
  }
  if (!ConfirmDelete(item, "切り取り")) return;
  DeleteConfirmed(item);
}

void CTrView::OnCopyBelow(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  CWaitCursor wait;
  ATREE& tree = doc->GetTree();
  tree_clipboard::Put(tree.GetChildRecords(item, TRUE), tree.GetName(item));
}

void CTrView::OnUpdateCopyBelow(wxUpdateUIEvent& event) {
  const CKestavonDoc* doc = GetDocument();
  const int item = SelectedItem();
  event.Enable(doc && item >= 0 && const_cast<CKestavonDoc*>(doc)->GetTree().HasChildren(item));
}

void CTrView::OnEditPaste(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) {
    if (GetDocument()) AfxMessageBox("挿入場所を選択してください");
    return;
  }
  int level = AfxGetProfileInt("System", "PasteLevel", 0);
  if (item == 0) {
    level = 0;
  } else if (AfxGetProfileInt("System", "PasteDlg", 1)) {
    CPasteDlg dialog(this);
    if (dialog.ShowModal() != wxID_OK) return;
    level = dialog.m_nChoice;
  }
  PasteTree(item, level == 1);
}

void CTrView::OnPasteChild(wxCommandEvent&) {
  int item = -1;
  if (!BeginEdit(item)) {
    if (GetDocument()) AfxMessageBox("挿入場所を選択してください");
    return;
  }
  PasteTree(item, FALSE);
}

void CTrView::OnPasteSibling(wxCommandEvent&) {
  int item = -1;
  if (!BeginEdit(item)) {
    if (GetDocument()) AfxMessageBox("挿入場所を選択してください");
    return;
  }
  // The top tree has no level beside it: a paste there goes below.
  PasteTree(item, item != 0);
}

int CTrView::PasteTree(int target, BOOL sameLevel) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return -1;
  ATREE& tree = doc->GetTree();
  tree.SetChainIndex(-1);
  CWaitCursor wait;
  CString data;
  std::string lost;
  const tree_clipboard::Content content = tree_clipboard::Take(data, &lost);
  if (content == tree_clipboard::Content::kNothing) return -1;
  doc->SaveUndo();
  int result = -1;
  if (content == tree_clipboard::Content::kRecords) {
    result = PasteRecords(target, data, sameLevel);
  } else {
    int mode = AfxGetProfileInt("System", "TextPasteMode", 0);
    if (AfxGetProfileInt("System", "PasteTextDlg", 1)) {
      CTextPasteDlg dialog(this);
      if (dialog.ShowModal() != wxID_OK) return -1;
      mode = dialog.m_nChoice;
    }
    TellUnkeptCharacters(this, lost, nullptr);
    switch (mode) {
      case 1:
      case 2:
        result = PasteTextItem(target, data, sameLevel, mode == 1);
        break;
      case 3:
        data.Replace("\r\n", "");
        data.Replace("\n", "");
        result = PasteTextLines(target, data, sameLevel, nullptr);
        break;
      case 4: {
        CInputDlg input(this);
        input.SetPrompt("区切り文字を入力してください。\\tはタブを表します");
        input.SetText("\\t");
        if (input.ShowModal() != wxID_OK || input.m_strText.IsEmpty()) return -1;
        CString delimiter = input.m_strText;
        delimiter.Replace("\\t", "\t");
        result = PasteTextLines(target, data, sameLevel, delimiter);
        break;
      }
      default:
        result = PasteTextLines(target, data, sameLevel, nullptr);
        break;
    }
  }
  const CKestavonApp* app = GetKestavonApp();
  const int select = result < 0 || !(app && app->m_bPasteMove) ? target : result;
  doc->SetModifiedFlag(TRUE);
  RebuildMarkList();
  RefillList(tree.GetRows().GetRowIndex(select));
  UpdateStatusBar();
  return result;
}

int CTrView::RevealPasted(int target, int first, BOOL targetWasOpen) {
  ATREE& tree = GetDocument()->GetTree();
  const CKestavonApp* app = GetKestavonApp();
  if ((app && app->m_bPasteOpen) || targetWasOpen) {
    tree.ExpandLevels(target, 1);
    tree.MakeTreeData();
    return first;
  }
  if (first >= 0 && first < tree.GetDirDataCount()) tree.EditDirData(first)->m_nView = 0;
  tree.MakeTreeData();
  return -1;
}

int CTrView::PasteRecords(int target, CString& records, BOOL sameLevel) {
  CKestavonDoc* doc = GetDocument();
  ATREE& tree = doc->GetTree();
  int first;
  if (sameLevel) {
    first = tree.InsertTreeRecords(target, records, TRUE);
    tree.MakeTreeData();
  } else {
    const CTreeData* row = m_pListBox->GetItemDataPtr(tree.GetRows().GetRowIndex(target));
    const BOOL open = row && row->m_nFold == kFoldOpen;
    const CKestavonApp* app = GetKestavonApp();
    first = tree.PasteTreeRecords(target, records, !(app && app->m_bPasteOpen) && !open);
    first = RevealPasted(target, first, open);
  }
  doc->SetModifiedFlag(TRUE);
  return first;
}

int CTrView::PasteTextLines(int target, const CString& text, BOOL sameLevel, const char* delimiter) {
  CKestavonDoc* doc = GetDocument();
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  const CTreeData* row = m_pListBox->GetItemDataPtr(tree.GetRows().GetRowIndex(target));
  const BOOL open = row && row->m_nFold == kFoldOpen;
  const std::string delim = delimiter ? delimiter : "";
  struct Added {
    int item, tabs;
  };
  std::vector<Added> added;
  const std::string& all = text.str();
  for (size_t pos = 0; pos < all.size();) {
    size_t end = all.find('\n', pos);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tabs = line.find_first_not_of('\t');
    if (tabs == std::string::npos) continue;
    line.erase(0, tabs);
    CString title(line), body;
    const size_t cut = delim.empty() ? std::string::npos : line.find(delim, 1);
    if (cut != std::string::npos) {
      title = CString(line.substr(0, cut));
      std::string rest = line.substr(cut + delim.size());
      if (delim.size() == 1) rest.erase(0, rest.find_first_not_of(delim[0]) == std::string::npos
                                              ? rest.size()
                                              : rest.find_first_not_of(delim[0]));
      body = CString(rest);
    }
    StripControlBytes(title);
    StripControlBytes(body);
    int item;
    if (!sameLevel) {
      item = tree.InsertTree(target, title, "", body, 0, 0, 0, nullptr, TRUE);
    } else {
      item = tree.InsertSibling(added.empty() ? target : added.back().item, title, "", body, 0, 0, nullptr, FALSE);
    }
    added.push_back({item, static_cast<int>(tabs)});
  }
  const int base = tree.GetLevel(target) + (sameLevel ? 0 : 1);
  for (const Added& a : added) {
    for (int n = a.tabs - (tree.GetLevel(a.item) - base); n > 0; --n) tree.DemoteTree(a.item, TRUE);
  }
  int result = added.empty() ? -1 : added.back().item;
  if (sameLevel) {
    tree.MakeTreeData();
  } else {
    result = RevealPasted(target, added.empty() ? -1 : added.front().item, open) < 0 ? -1 : result;
  }
  doc->SetModifiedFlag(TRUE);
  return result;
}

int CTrView::PasteTextItem(int target, const CString& text, BOOL sameLevel, BOOL restOnly) {
  CKestavonDoc* doc = GetDocument();
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  const CTreeData* row = m_pListBox->GetItemDataPtr(tree.GetRows().GetRowIndex(target));
  const BOOL open = row && row->m_nFold == kFoldOpen;
  CString all = text;
  RemoveLeadingLineBreaks(all);
  const int lineEnd = all.Find('\n');
  CString title = lineEnd >= 0 ? all.Left(lineEnd) : all;
  if (!title.IsEmpty() && title[title.GetLength() - 1] == '\r') title = title.Left(title.GetLength() - 1);
  CString body = all;
  if (restOnly && !tree.GetProperties().m_bAutoTitle) {
    body = lineEnd >= 0 ? all.Mid(lineEnd + 1) : CString();
    RemoveLeadingLineBreaks(body);
  }
  // Texts keep CR LF line ends; text from other programs often has bare LFs.
  body.Replace("\r\n", "\n");
  body.Replace("\n", "\r\n");
  StripControlBytes(title);
  StripControlBytes(body);
  const int item = sameLevel ? tree.InsertSibling(target, title, "", body, 0, 0, nullptr, FALSE)
                             : tree.InsertTree(target, title, "", body, 0, 0, 0, nullptr, TRUE);
  int result = item;
  if (sameLevel) {
    tree.MakeTreeData();
  } else {
    result = RevealPasted(target, item, open);
  }
  doc->SetModifiedFlag(TRUE);
  return result;
}
