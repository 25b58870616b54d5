// The tree pane's basic editing: adding an item below or beside the selected one, inserting one
// before it, modifying it through the item dialog, deleting it, and undo and redo of the outline.
#include <wx/event.h>

#include <algorithm>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CDirData.h"
#include "model/DateText.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"
#include "treeview/CTreeEditDlg.h"

namespace {

constexpr const char* kUntitled = "(無題)";
// Status bits of the colour-mark number.
constexpr int kColorMarkShift = 24;
constexpr int kColorMarkBits = 0xF << kColorMarkShift;
constexpr int kOutputBits = 4 | 8 | 16;
constexpr int kBoldBit = 32;

int OutputIndexOf(int status) {
  if (!(status & 4)) return 0;
  if (!(status & 8)) return 1;
  return (status & 16) ? 3 : 2;
}

// The "%06X%06X%d" colour field of a new item.
CString ColourId(COLORREF tree, COLORREF mark, BOOL own) {
  CString id;
  id.Format("%06X%06X%d", static_cast<unsigned>(tree) & 0xFFFFFF, static_cast<unsigned>(mark) & 0xFFFFFF,
            own ? 1 : 0);
  return id;
}

}  // namespace

int CTrView::SelectedItem() const { return m_pListBox ? m_pListBox->GetCurTree() : -1; }

CKestavonDoc* CTrView::BeginEdit(int& item) {
  CKestavonDoc* doc = GetDocument();
  item = SelectedItem();
  if (!doc || item < 0 || item >= doc->GetTree().GetDirDataCount()) return nullptr;
  doc->CommitTextArea();
  return doc;
}

void CTrView::EndEdit(int item) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  doc->SetModifiedFlag(TRUE);
  item = std::clamp(item, 0, tree.GetDirDataCount() - 1);
  // Marked items may have moved, gone or been renamed.
  RebuildMarkList();
  RefillList(tree.GetRows().GetRowIndex(item));
  UpdateStatusBar();
}

void CTrView::Resend(int command) {
  // Queued, so that the dialog that asked for it has closed before the next one opens.
  QueueEvent(new wxCommandEvent(wxEVT_MENU, command));
}

CString CTrView::GetNewTitle(BOOL force) const {
  const CKestavonApp* app = GetKestavonApp();
  switch (app ? app->m_nAddIni : 0) {
    case 1:
      return kUntitled;
    case 2:
      return FormatDateText(COleDateTime::GetCurrentTime(), ReadSetting(Settings::DateTree::Format));
    default:
      return force ? CString(kUntitled) : CString();
  }
}

CString CTrView::NewItemText(const CString& title) {
  CKestavonDoc* doc = GetDocument();
  const CString templ = doc->GetTemplateText();
  // The model puts the title in front of the text when titles are first lines; a text that
  // already starts with it on a line of its own is left as it is.
  if (!doc->GetTree().GetProperties().m_bAutoTitle || title == kUntitled) return templ;
  return templ.IsEmpty() ? title : title + "\r\n" + templ;
}

int CTrView::AddTreeQuick(const char* title, BOOL move, BOOL undo, BOOL sameLevel, const char* text) {
  int selected = -1;
  CKestavonDoc* doc = BeginEdit(selected);
  if (!doc) return -1;
  ATREE& tree = doc->GetTree();
  if (sameLevel && selected == 0) return -1;
  if (undo) doc->SaveUndo();
  CString name(title);
  CString body = text ? CString(text) : NewItemText(name);
  const int item = sameLevel ? tree.InsertSibling(selected, name, "", body, 0, 0, nullptr, FALSE)
                             : tree.InsertTree(selected, name, "", body, 0, 0, 0, nullptr, TRUE);
  tree.ShowTree(item);
  doc->SetModifiedFlag(TRUE);
  RefillList(move ? tree.GetRows().GetRowIndex(item) : -1);
  UpdateStatusBar();
  return item;
}

BOOL CTrView::AskNewItem(CTreeEditDlg& dialog, const char* caption, BOOL withoutDialog) {
  CKestavonDoc* doc = GetDocument();
  dialog.m_pDoc = doc;
  dialog.m_pListBox = m_pListBox;
  dialog.m_strTitle = GetNewTitle(withoutDialog);
  dialog.m_strDocPath = doc->GetPathName();
  dialog.m_strCaption = caption;
  dialog.m_crTree = m_pListBox->m_crText;
  if (withoutDialog || (dialog.ShowModal() == wxID_OK && !dialog.m_strTitle.IsEmpty())) return TRUE;
  m_pListBox->SetFocus();
  return FALSE;
}

void CTrView::NewItemLook(const CTreeEditDlg& dialog, int& status, CString& id) const {
  // The list's own text colour is no colour of the item's: a later change of it recolours the row.
  const BOOL own = dialog.m_crTree != m_pListBox->m_crText;
  status = static_cast<int>(dialog.m_nStatus) | ((dialog.m_nColorMark << kColorMarkShift) & kColorMarkBits);
  id = ColourId(own ? dialog.m_crTree : 0, dialog.m_crMark, own);
}

void CTrView::AddWithDialog(BOOL sameLevel) {
  CKestavonDoc* doc = GetDocument();
  const int selected = SelectedItem();
  if (!doc || selected < 0 || (sameLevel && selected == 0)) return;
  const CKestavonApp* app = GetKestavonApp();
  const int command = sameLevel ? ID_TREE_ADD_SIBLING : ID_TREE_ADD_CHILD;
  if (m_bAddNoTitle) {
    const BOOL move = sameLevel || ReadSetting(Settings::View::AddMove);
    AddTreeQuick(GetNewTitle(TRUE), move, TRUE, sameLevel, nullptr);
    if (app && app->m_bAfterText) ActivateTextPane();
    return;
  }
  CTreeEditDlg dialog(this);
  if (!AskNewItem(dialog, sameLevel ? "ツリーの追加 - 同じ階層" : CTreeEditDlg::kChildCaption, FALSE)) return;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  CString title = dialog.m_strTitle;
  CString text = NewItemText(title);
  doc->SaveUndo();
  int status = 0;
  CString id;
  NewItemLook(dialog, status, id);
  const int item = sameLevel ? tree.InsertSibling(selected, title, dialog.m_strLink, text, status, 0, id, FALSE)
                             : tree.InsertTree(selected, title, dialog.m_strLink, text, status, 0, 0, id,
                                               dialog.m_nAddPos == 1);
  tree.ShowTree(item);
  doc->SetModifiedFlag(TRUE);
  const BOOL move = sameLevel || ReadSetting(Settings::View::AddMove);
  RefillList(move ? tree.GetRows().GetRowIndex(item) : -1);
  UpdateStatusBar();
  if (dialog.m_bRenzoku) {
    Resend(command);
  } else if (app && app->m_bAfterText) {
    ActivateTextPane();
  }
}

void CTrView::OnAddChild(wxCommandEvent&) { AddWithDialog(FALSE); }
void CTrView::OnAddSibling(wxCommandEvent&) { AddWithDialog(TRUE); }

void CTrView::OnUpdateNotTop(wxUpdateUIEvent& event) { event.Enable(SelectedItem() > 0); }

void CTrView::OnModify(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  const CDirData* data = tree.GetDirData(item);
  const CString textBefore = data->m_strText;
  const COLORREF shown = data->m_nIdDigit ? static_cast<COLORREF>(data->m_nIdHigh) : m_pListBox->m_crText;
  const int markNumber = (data->m_nStatus & kColorMarkBits) >> kColorMarkShift;

  CTreeEditDlg dialog(this);
  dialog.m_pDoc = doc;
  dialog.m_pListBox = m_pListBox;
  dialog.m_strTitle = tree.GetName(item);
  dialog.m_strLink = data->m_strLink.Get();
  dialog.m_strDocPath = doc->GetPathName();
  dialog.m_strText = textBefore;
  dialog.SetStatus(static_cast<DWORD>(data->m_nStatus));
  dialog.m_crTree = shown;
  dialog.m_crMark = static_cast<COLORREF>(data->m_nIdLow);
  dialog.m_nColorMark = markNumber;
  dialog.m_strCreate = data->GetCreateTimeText(FALSE);
  dialog.m_strUpdate = data->GetUpdateTimeText(FALSE);
  if (dialog.ShowModal() != wxID_OK) {
    m_pListBox->SetFocus();
    return;
  }
  doc->SaveUndo();
  tree.RenameTree(item, dialog.m_strTitle, dialog.m_strLink);

  const int output = dialog.m_nOutput;
  if (output != OutputIndexOf(tree.GetDirData(item)->m_nStatus)) {
    tree.SetFlags(item, output);
    const int end = tree.GetNextSibling(item, TRUE);
    if (end > item + 1 && AfxMessageBox("出力設定が変更されています。配下のツリーも全て変更しますか？",
                                        MB_YESNO | MB_ICONQUESTION) == IDYES) {
      // Only the output bits change below: checks, strikes, bold and colour marks stay.
      for (int j = item + 1; j < end; ++j) tree.SetFlags(j, output);
    }
  }
  const BOOL own = dialog.m_crTree != m_pListBox->m_crText;
  CDirData* edit = tree.EditDirData(item);
  if (dialog.m_crTree != shown || dialog.m_crMark != static_cast<COLORREF>(edit->m_nIdLow) ||
      dialog.m_nColorMark != markNumber) {
    edit->m_nIdHigh = own ? static_cast<int>(dialog.m_crTree & 0xFFFFFF) : 0;
    edit->m_nIdLow = static_cast<int>(dialog.m_crMark & 0xFFFFFF);
    edit->m_nStatus = (edit->m_nStatus & ~kColorMarkBits) | ((dialog.m_nColorMark << kColorMarkShift) & kColorMarkBits);
  }
  edit->m_nIdDigit = own ? 1 : 0;
  // 255 is an unset category, which the dialog shows as none: only a real change is stored.
  const int category = edit->GetCategory() == 255 ? 0 : edit->GetCategory();
  if (dialog.m_nCategory != category) edit->SetCategory(dialog.m_nCategory);
  if ((dialog.m_bBold != FALSE) != ((edit->m_nStatus & kBoldBit) != 0)) edit->m_nStatus ^= kBoldBit;
  if (tree.GetProperties().m_bAutoTitle) {
    const int lineEnd = textBefore.Find("\r\n");
    tree.SetText(item, dialog.m_strTitle + (lineEnd >= 0 ? textBefore.Mid(lineEnd) : CString()));
  }
  tree.EditDirData(item)->m_updated = COleDateTime::GetCurrentTime();
  tree.ShowTree(item);
  EndEdit(item);
  if (dialog.m_bRenzoku) Resend(ID_TREE_MODIFY);
}

BOOL CTrView::ConfirmDelete(int item, const char* verb) const {
  if (!ReadSetting(Settings::System::DelCheck)) return TRUE;
  CKestavonDoc* doc = GetDocument();
  const CString question = doc->GetTree().GetName(item) + " - このツリーを" + verb + "しますか？";
  return AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void CTrView::DeleteConfirmed(int item) {
  CKestavonDoc* doc = GetDocument();
  ATREE& tree = doc->GetTree();
  tree.DeleteTree(item);
  EndEdit(std::min(item, tree.GetDirDataCount() - 1));
}

void CTrView::OnDelete(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  doc->SaveUndo();
  if (item == 0) {
    AfxMessageBox("トップ階層は削除できません");
    return;
  }
  if (!ConfirmDelete(item, "削除")) return;
  DeleteConfirmed(item);
}

void CTrView::InsertWithDialog() {
  CKestavonDoc* doc = GetDocument();
  const int selected = SelectedItem();
  if (!doc || selected <= 0) return;
  CTreeEditDlg dialog(this);
  if (!AskNewItem(dialog, "ツリーの挿入", m_bAddNoTitle)) return;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  CString title = dialog.m_strTitle;
  CString text = NewItemText(title);
  doc->SaveUndo();
  int status = 0;
  CString id;
  NewItemLook(dialog, status, id);
  const int made = tree.InsertSibling(selected, title, dialog.m_strLink, text, status, 0, id, TRUE);
  tree.MakeTreeData();
  doc->SetModifiedFlag(TRUE);
  // The new item takes the selected row, so continuous input puts each next item in front of it.
  RefillList(tree.GetRows().GetRowIndex(made));
  UpdateStatusBar();
  const CKestavonApp* app = GetKestavonApp();
  if (dialog.m_bRenzoku) {
    Resend(ID_TREE_INSERT);
  } else if (app && app->m_bAfterText) {
    ActivateTextPane();
  }
}

void CTrView::OnInsert(wxCommandEvent&) { InsertWithDialog(); }

void CTrView::StepUndo(BOOL redo) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  if (redo) {
    doc->Redo();
  } else {
    doc->Undo();
  }
  doc->GetTree().MakeTreeData();
  RebuildMarkList();
  RefillList(doc->GetTree().GetRows().GetRowIndex(doc->GetCurrentTree()));
  UpdateStatusBar();
}

void CTrView::OnEditUndo(wxCommandEvent&) { StepUndo(FALSE); }
void CTrView::OnEditRedo(wxCommandEvent&) { StepUndo(TRUE); }

void CTrView::OnUpdateEditUndo(wxUpdateUIEvent& event) {
  const CKestavonDoc* doc = GetDocument();
  event.Enable(doc && doc->CanUndo());
}

void CTrView::OnUpdateEditRedo(wxUpdateUIEvent& event) {
  const CKestavonDoc* doc = GetDocument();
  event.Enable(doc && doc->CanRedo());
}
