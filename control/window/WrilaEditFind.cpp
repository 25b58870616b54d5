// The control's own search: find and select, replace one and replace all, the not-found boxes,
// find next and previous from the stored history, and the word at the caret.
#include <wx/window.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "control/CTextBuffer.h"
#include "control/ControlRoutines.h"
#include "control/EditHistory.h"
#include "control/EditMessages.h"
#include "control/window/FindDialogs.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/desktop/MessageBox.h"

namespace {

bool SameText(const CRefString& selected, const CRefString& search, bool matchCase) {
  if (matchCase) return selected == search;
  CRefString upper = selected;
  upper.MakeUpper();
  return upper == search;
}

}  // namespace

bool WrilaEdit::SetSearchString(const char* text, bool matchCase) {
  CRefString search(text);
  if (!matchCase) search.MakeUpper();
  const bool changed = !(search == m_searchString) || matchCase != m_searchMatchCase;
  m_searchString = search;
  m_searchMatchCase = matchCase;
  return changed;
}

bool WrilaEdit::FindAndSelect(const char* text, bool down, bool matchCase) {
  CTextBuffer& buffer = GetBuffer();
  POINT start = m_caretView;
  bool skip = false;
  if (HasSelection() && m_selKind != SEL_BOX && SameText(SelectedText(false), m_searchString, matchCase)) {
    start = SelectionStart();
    skip = true;
  }
  POINT foundStart, foundEnd;
  if (!buffer.FindString(text, down ? 1 : 0, matchCase, start, &foundStart, &foundEnd, skip)) return false;
  const int oldRow = m_caretView.y;
  CancelSelection(true);
  // The caret stands at the hit's start; the selection runs from the hit's end back to it.
  MoveCaret(buffer.ViewToLogical(foundStart.x, foundStart.y, -1));
  StartSelection(foundEnd, SEL_STREAM);
  m_selEnd = m_caretView;
  EnsureCaretVisible(true);
  RepaintRowSpan(oldRow, oldRow);
  RepaintRowSpan(foundStart.y, foundEnd.y);
  PlaceCaret();
  return true;
}

void WrilaEdit::ShowNotFound(UINT stringId, const char* text) {
  const char* format = stringId == 1070   ? "現在位置より上には %s は見つかりませんでした"
                       : stringId == 1088 ? "現在位置より下には %s は見つかりませんでした"
                                          : "すべての文章に %s は見つかりませんでした";
  std::vector<char> message(std::strlen(format) + std::strlen(text) + 1);
  std::snprintf(message.data(), message.size(), format, text);
  const std::unique_ptr<char[]> caption = BSTRToAnsi(m_appName.c_str());
  MessageBox(m_findDialog ? m_findDialog : static_cast<wxWindow*>(m_window), message.data(), caption.get(), MB_OK | MB_ICONEXCLAMATION);
}

bool WrilaEdit::FindText(const char* text, bool down, bool matchCase, bool quiet) {
  if (!text) return false;
  SetSearchString(text, matchCase);
  const bool found = FindAndSelect(text, down, matchCase);
  if (!found && !quiet) ShowNotFound(down ? 1088 : 1070, text);
  m_searchHilite = true;
  m_runs.Invalidate();
  if (m_window) m_window->Refresh(false);
  return found;
}

bool WrilaEdit::ReplaceNext(const char* find, const char* replace, bool matchCase, bool quiet) {
  if (!find || !*find) return false;
  SetSearchString(find, matchCase);
  const bool onHit = HasSelection() && m_selKind != SEL_BOX && SameText(SelectedText(false), m_searchString, matchCase);
  bool replaced = false;
  if (onHit || FindAndSelect(find, true, matchCase)) {
    if (RefuseReadOnly()) return false;
    CTextBuffer& buffer = GetBuffer();
    const POINT caret = DeleteSelectionText();
    const bool group = buffer.IsGrouping();
    buffer.SetGrouping(true);
    MoveCaret(replace && *replace ? buffer.InsertText(caret, replace) : caret);
    buffer.SetGrouping(group);
    replaced = true;
    if (!FindAndSelect(find, true, matchCase) && !quiet) ShowNotFound(1088, find);
  } else if (!quiet) {
    ShowNotFound(1088, find);
  }
  m_searchHilite = true;
  m_runs.Invalidate();
  if (m_window) m_window->Refresh(false);
  return replaced;
}

bool WrilaEdit::ReplaceAll(const char* find, const char* replace, bool matchCase, bool quiet) {
  if (!find || !*find) return false;
  if (RefuseReadOnly()) return false;
  SetSearchString(find, matchCase);
  CancelSelection(true);
  const int count = GetBuffer().ReplaceAllLines(find, replace ? replace : "", matchCase);
  if (count == 0 && !quiet) ShowNotFound(1089, find);
  MoveCaret(m_caretLogical);
  if (m_window) m_window->Refresh(false);
  return count > 0;
}

void WrilaEdit::FindNextCommand(bool down) {
  const std::unique_ptr<char[]> key = BSTRToAnsi(m_regKey.c_str());
  const std::vector<CRefString> history = ReadHistory(m_rootKey, key.get(), "Find");
  if (history.empty() || history.front().IsEmpty()) return;
  const bool matchCase = ReadFindFlag(m_rootKey, key.get());
  const CRefString text = history.front();
  const bool changed = SetSearchString(text, matchCase);
  if (!FindAndSelect(text, down, matchCase)) ShowNotFound(down ? 1088 : 1070, text);
  if (changed || !m_searchHilite) {
    m_searchHilite = true;
    m_runs.Invalidate();
    if (m_window) m_window->Refresh(false);
  }
}

void WrilaEdit::FindWordAtCaret(bool down) {
  if (!HasSelection()) {
    POINT start, end;
    GetBuffer().GetWordAt(m_caretView, &start, &end);
    SelectStream(start, end);
  }
  const CRefString text = SelectedText(false);
  if (text.IsEmpty()) return;
  const std::unique_ptr<char[]> key = BSTRToAnsi(m_regKey.c_str());
  PushFindHistory(m_rootKey, key.get(), text);
  FindNextCommand(down);
}

bool WrilaEdit::OnSearchCommand(UINT id) {
  switch (id) {
    case ID_EDIT_FIND:
      ShowFindDialog(false);
      return true;
    case ID_EDIT_REPLACE:
      if (!m_readOnly) ShowFindDialog(true);
      return true;
    case ID_EDIT_REPEAT:
    case ID_WRILA_FINDPREVIOUS:
      FindNextCommand(id == ID_EDIT_REPEAT);
      return true;
    case ID_WRILA_FINDWORDNEXT:
    case ID_WRILA_FINDWORDPREVIOUS:
      FindWordAtCaret(id == ID_WRILA_FINDWORDNEXT);
      return true;
    case ID_WRILA_CLEARHILITE:
      m_searchHilite = false;
      m_runs.Invalidate();
      if (m_window) m_window->Refresh(false);
      return true;
    default:
      return false;
  }
}

// The dialogs run modal over the control; one of the two is open at a time.
void WrilaEdit::ShowFindDialog(bool replace) {
  if (!m_window) return;
  if (m_findDialog) {
    if (m_findDialogIsReplace == replace) {
      m_findDialog->Raise();
      return;
    }
    static_cast<wxDialog*>(m_findDialog)->EndModal(wxID_CANCEL);
    PostMessage(WM_COMMAND, replace ? ID_EDIT_REPLACE : ID_EDIT_FIND, 0);
    return;
  }
  CFindReplaceDialog dialog(this, replace);
  m_findDialog = &dialog;
  m_findDialogIsReplace = replace;
  dialog.ShowModal();
  m_findDialog = nullptr;
}

void WrilaEdit::SetReadOnly(bool readOnly) {
  if (m_findDialog && m_findDialogIsReplace) static_cast<wxDialog*>(m_findDialog)->EndModal(wxID_CANCEL);
  m_readOnly = readOnly;
  Relayout(RELAYOUT_READONLY);
}
