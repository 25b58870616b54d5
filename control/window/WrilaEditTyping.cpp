// Typing and the editing commands: characters and line ends, deletion, indentation, undo and redo,
// line operations, date and time, case and width conversion, and the character-code box.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "control/CTextBuffer.h"
#include "control/CharCodeText.h"
#include "control/ControlRoutines.h"
#include "control/EditMessages.h"
#include "control/WidthConvert.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/desktop/MessageBox.h"

bool WrilaEdit::RefuseReadOnly() {
  if (!m_readOnly) return false;
  Beep();
  return true;
}

// Deletes the selected text and cancels the selection; returns where the caret goes. The caller
// groups what it inserts next with this deletion.
POINT WrilaEdit::DeleteSelectionText() {
  CTextBuffer& buffer = GetBuffer();
  POINT caret = m_caretLogical;
  if (m_selKind == SEL_BOX) {
    caret = buffer.DeleteBox(m_selAnchor, m_selEnd);
  } else if (HasSelection()) {
    const POINT start = SelectionStart(), end = SelectionEnd();
    caret = buffer.DeleteRange(buffer.ViewToLogical(start.x, start.y, -1), buffer.ViewToLogical(end.x, end.y, -1));
  }
  CancelSelection(true);
  if (m_window) m_window->Refresh(false);
  return caret;
}

void WrilaEdit::TypeChar(UINT ch, int lineEnd) {
  CTextBuffer& buffer = GetBuffer();
  if (ch == '\r') ch = '\n';
  if (m_pendingLead) {
    ch = m_pendingLead | (ch << 8);
    m_pendingLead = 0;
  } else if (ch < 0x100 && IsLeadByte932(static_cast<unsigned char>(ch))) {
    m_pendingLead = ch;
    return;
  }
  if (RefuseReadOnly()) return;
  if (ch == '\b') {
    MoveCaret(buffer.DeleteCharBefore(m_caretLogical));
    return;
  }
  if ((ch < 0x20 || ch == 0x7F) && ch != '\n' && ch != '\t' && !m_allowCtrlChars) {
    Beep();
    return;
  }
  const bool overwrite = m_cust.Overwrite != 0;
  const bool hadSelection = HasSelection();
  const bool group = buffer.IsGrouping();
  POINT caret = m_caretLogical;
  if (hadSelection) {
    if (overwrite && ch == '\n') {
      CancelSelection(true);
    } else {
      caret = DeleteSelectionText();
      buffer.SetGrouping(true);
    }
  } else if (overwrite && ch == '\n') {
    // Overwriting, a line end moves to the next row; only on the last row does it add one.
    const POINT view = buffer.LogicalToView(caret.x, caret.y);
    if (view.y < m_lastRow) {
      buffer.SetGrouping(group);
      MoveCaret(buffer.ViewToLogical(0, view.y + 1, -1));
      return;
    }
  } else if (overwrite && caret.x < buffer.GetLineLength(caret.y)) {
    bool keepLineEnd = true;
    caret = buffer.DeleteChar(caret, &keepLineEnd);
    buffer.SetGrouping(true);
  }
  caret = buffer.InsertChar(caret, ch, lineEnd);
  buffer.SetGrouping(group);
  MoveCaret(caret);
}

void WrilaEdit::InsertString(const char* text) {
  // An empty text still replaces the selection: that is how a host deletes it.
  if (!text || (!*text && !HasSelection())) return;
  CTextBuffer& buffer = GetBuffer();
  const bool grouped = HasSelection();
  POINT caret = grouped ? DeleteSelectionText() : m_caretLogical;
  const bool group = buffer.IsGrouping();
  if (grouped) buffer.SetGrouping(true);
  caret = buffer.InsertText(caret, text);
  buffer.SetGrouping(group);
  MoveCaret(caret);
}

void WrilaEdit::TypeText(const char* text) {
  if (!text) return;
  if (m_readOnly) {
    Beep();
    return;
  }
  if (!*text) return;
  CTextBuffer& buffer = GetBuffer();
  const bool group = buffer.IsGrouping();
  bool joined = false;
  POINT caret = m_caretLogical;
  if (HasSelection()) {
    caret = DeleteSelectionText();
    joined = true;
  }
  if (m_cust.Overwrite) {
    const CLine* line = buffer.GetLine(caret.y);
    const int length = line->GetLength();
    const int textLength = static_cast<int>(std::strlen(text));
    int end = caret.x;
    for (int i = 0; i < textLength && end < length; i += CharLengthAt(text, i, textLength))
      end += CharLengthAt(line->GetText().GetString(), end, length);
    if (end > caret.x) {
      buffer.SetGrouping(joined || group);
      caret = buffer.DeleteRange(caret, POINT{end, caret.y});
      joined = true;
    }
  }
  buffer.SetGrouping(joined || group);
  caret = buffer.InsertText(caret, text);
  buffer.SetGrouping(group);
  MoveCaret(caret);
}

void WrilaEdit::DeleteCommand(UINT id) {
  CTextBuffer& buffer = GetBuffer();
  if (RefuseReadOnly()) return;
  if (HasSelection() && (id == ID_WRILA_DELETE || id == ID_WRILA_DELETELEFT || id == ID_WRILA_DELETEWORD)) {
    MoveCaret(DeleteSelectionText());
    return;
  }
  POINT start = m_caretLogical, end = m_caretLogical;
  switch (id) {
    case ID_WRILA_DELETE: {
      bool keepLineEnd = false;
      MoveCaret(buffer.DeleteChar(m_caretLogical, &keepLineEnd));
      return;
    }
    case ID_WRILA_DELETELEFT:
      TypeChar('\b', LINEEND_CRLF);
      return;
    case ID_WRILA_DELETETOEND:
      buffer.MoveByCommand(ID_WRILA_ROWEND, end);
      break;
    case ID_WRILA_DELETEWORD: {
      POINT from, to;
      buffer.GetWordAt(m_caretView, &from, &to);
      start = buffer.ViewToLogical(from.x, from.y, -1);
      end = buffer.ViewToLogical(to.x, to.y, -1);
      break;
    }
    case ID_WRILA_DELETELINE:
    case ID_WRILA_CUTLINE: {
      CancelSelection(true);
      start = buffer.ViewToLogical(0, m_caretView.y, -1);
      if (m_caretView.y < m_lastRow) {
        end = buffer.ViewToLogical(0, m_caretView.y + 1, -1);
      } else {
        end = POINT{buffer.GetLineLength(buffer.GetLineCount() - 1), buffer.GetLineCount() - 1};
      }
      if (id == ID_WRILA_CUTLINE) {
        StartSelection(buffer.LogicalToView(start.x, start.y), SEL_STREAM);
        m_selEnd = buffer.LogicalToView(end.x, end.y);
        CopySelection(false);
        CancelSelection(true);
      }
      break;
    }
    default:
      return;
  }
  if (start.x == end.x && start.y == end.y) return;
  MoveCaret(buffer.DeleteRange(start, end));
}

void WrilaEdit::IndentCommand(bool unindent) {
  CTextBuffer& buffer = GetBuffer();
  const bool rows = HasSelection() && (unindent || m_selAnchor.y != m_selEnd.y);
  if (!rows) {
    if (!unindent) {
      TypeChar('\t', LINEEND_CRLF);
      return;
    }
    // Back to the previous TAB stop; the text stays as it is.
    const int tab = std::max(1, static_cast<int>(m_cust.TabSpace));
    const int column = std::max(0, (m_caretView.x - 1) / tab * tab);
    MoveCaret(buffer.ViewToLogical(column, m_caretView.y, -1));
    return;
  }
  if (RefuseReadOnly()) return;
  const POINT startView = SelectionStart(), endView = SelectionEnd();
  const POINT start = buffer.ViewToLogical(startView.x, startView.y, -1);
  const POINT end = buffer.ViewToLogical(endView.x, endView.y, -1);
  const POINT after = unindent ? buffer.Unindent(start, end) : buffer.Indent(start, end);
  // The whole lines stay selected.
  const int lastLine = after.x > 0 || after.y == start.y ? after.y : after.y - 1;
  CancelSelection(true);
  StartSelection(buffer.LogicalToView(0, start.y), SEL_STREAM);
  m_selEnd = lastLine + 1 < buffer.GetLineCount() ? buffer.LogicalToView(0, lastLine + 1)
                                                   : buffer.LogicalToView(buffer.GetLineLength(lastLine), lastLine);
  MoveCaret(buffer.ViewToLogical(m_selEnd.x, m_selEnd.y, -1));
  if (m_window) m_window->Refresh(false);
}

void WrilaEdit::ConvertCaseOfSelection(bool upper) {
  if (!HasSelection() || m_selKind == SEL_BOX || RefuseReadOnly()) return;
  CRefString text = SelectedText(false);
  upper ? text.MakeUpper() : text.MakeLower();
  const POINT start = SelectionStart();
  InsertString(text);
  StartSelection(start, SEL_STREAM);
  m_selEnd = m_caretView;
  if (m_window) m_window->Refresh(false);
}

void WrilaEdit::ConvertSelection(bool toFull, unsigned categories) {
  if (!HasSelection() || m_selKind == SEL_BOX || RefuseReadOnly()) return;
  const CRefString text = SelectedText(false);
  const CRefString converted = toFull ? ToFullWidth(text, text.GetLength(), categories)
                                      : ToHalfWidth(text, text.GetLength(), categories);
  const POINT start = SelectionStart();
  InsertString(converted);
  StartSelection(start, SEL_STREAM);
  m_selEnd = m_caretView;
  if (m_window) m_window->Refresh(false);
}

// The local date and time in the program's own short formats, never through the C locale.
void WrilaEdit::InsertDateTime(bool timeFirst) {
  if (m_readOnly) return;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!localtime_r(&now, &local)) return;
  char date[32], time[32], text[256];
  std::snprintf(date, sizeof(date), "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  std::snprintf(time, sizeof(time), "%d:%02d", local.tm_hour, local.tm_min);
  std::snprintf(text, sizeof(text), "%s %s", timeFirst ? time : date, timeFirst ? date : time);
  InsertString(text);
}

void WrilaEdit::ShowCharCode() {
  const int code = GetBuffer().GetCharAt(m_caretView);
  if (code == 0) {
    Beep();
    return;
  }
  const std::unique_ptr<char[]> caption = BSTRToAnsi(m_appName.c_str());
  MessageBox(m_window, CharCodeText(static_cast<unsigned>(code)), caption.get(), MB_OK | MB_ICONINFORMATION);
}

void WrilaEdit::ShowJumpDialog() {
  if (!m_window) return;
  CJumpDialog dialog(m_window, m_caretLogical.y + 1, true);
  if (dialog.ShowModal() != wxID_OK) return;
  CTextBuffer& buffer = GetBuffer();
  const long index = dialog.GetLine() - 1;
  const bool logical = dialog.IsLogical();
  if (index < 0 || index >= (logical ? buffer.GetLineCount() : buffer.GetTotalRows())) {
    Beep();
    return;
  }
  JumpTo(0, logical ? buffer.GetFirstRow(static_cast<int>(index)) : static_cast<int>(index));
}

void WrilaEdit::ShowConvertDialog() {
  if (!m_window || m_selKind == SEL_BOX || RefuseReadOnly()) return;
  CConvertDialog dialog(m_window, m_convertChoice, HasSelection());
  if (dialog.ShowModal() != wxID_OK) return;
  m_convertChoice = dialog.GetChoice();
  if (m_convertChoice.selectionOnly) {
    ConvertSelection(m_convertChoice.toFull, m_convertChoice.categories);
    return;
  }
  SelectAll();
  ConvertSelection(m_convertChoice.toFull, m_convertChoice.categories);
  CancelSelection(true);
}

bool WrilaEdit::OnEditCommand(UINT id) {
  CTextBuffer& buffer = GetBuffer();
  switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
      if (m_readOnly || (id == ID_EDIT_UNDO ? buffer.GetUndoCount() : buffer.GetRedoCount()) == 0) return true;
      CancelSelection(true);
      MoveCaret(buffer.UndoRedo(id == ID_EDIT_REDO, m_caretLogical));
      if (m_window) m_window->Refresh(false);
      return true;
    case ID_WRILA_NEWLINE:
      TypeChar('\n', LINEEND_CRLF);
      return true;
    case ID_WRILA_INSERTCR:
      TypeChar('\n', LINEEND_CR);
      return true;
    case ID_WRILA_INSERTLF:
      TypeChar('\n', LINEEND_LF);
      return true;
    case ID_WRILA_DELETE:
    case ID_WRILA_DELETELEFT:
    case ID_WRILA_DELETETOEND:
    case ID_WRILA_DELETELINE:
    case ID_WRILA_CUTLINE:
    case ID_WRILA_DELETEWORD:
      DeleteCommand(id);
      return true;
    case ID_WRILA_TAB:
    case ID_WRILA_UNINDENT:
      IndentCommand(id == ID_WRILA_UNINDENT);
      return true;
    case ID_EDIT_COPY:
    case ID_WRILA_QUOTECOPY:
    case ID_WRILA_COPYDESELECT:
    case ID_WRILA_QUOTECOPYDESELECT:
      CopySelection(id == ID_WRILA_QUOTECOPY || id == ID_WRILA_QUOTECOPYDESELECT);
      if (id == ID_WRILA_COPYDESELECT || id == ID_WRILA_QUOTECOPYDESELECT) CancelSelection(true);
      return true;
    case ID_EDIT_CUT:
      if (!HasSelection() || RefuseReadOnly()) return true;
      if (m_selKind == SEL_BOX && m_selAnchor.x == m_selEnd.x) return true;
      CopySelection(false);
      MoveCaret(DeleteSelectionText());
      return true;
    case ID_EDIT_PASTE:
      PasteClipboard();
      return true;
    case ID_WRILA_INSERTWRAPBREAKS:
      if (!HasSelection() || m_cust.WrapMode == 0 || RefuseReadOnly()) return true;
      {
        const int first = SelectionStart().y, last = SelectionEnd().y;
        CancelSelection(true);
        MoveCaret(buffer.InsertNewlinesAtWraps(m_caretLogical, first, last));
      }
      return true;
    case ID_WRILA_REMOVEWRAPBREAKS:
      if (!HasSelection() || RefuseReadOnly()) return true;
      {
        const POINT start = SelectionStart(), end = SelectionEnd();
        CancelSelection(true);
        MoveCaret(buffer.DeleteNewlines(buffer.ViewToLogical(start.x, start.y, -1), buffer.ViewToLogical(end.x, end.y, -1)));
      }
      return true;
    case ID_WRILA_INSERTLINEABOVE:
    case ID_WRILA_INSERTLINEBELOW: {
      if (RefuseReadOnly()) return true;
      CancelSelection(true);
      const int line = m_caretLogical.y;
      const bool below = id == ID_WRILA_INSERTLINEBELOW;
      const POINT at{below ? buffer.GetLineLength(line) : 0, line};
      const POINT caret = buffer.InsertChar(at, '\n', buffer.GetLine(line)->GetKind());
      MoveCaret(below ? caret : at);
      return true;
    }
    case ID_WRILA_TIMEDATE:
    case ID_WRILA_DATETIME:
      InsertDateTime(id == ID_WRILA_TIMEDATE);
      return true;
    case ID_WRILA_UPPERCASE:
    case ID_WRILA_LOWERCASE:
      ConvertCaseOfSelection(id == ID_WRILA_UPPERCASE);
      return true;
    case ID_WRILA_TOHALFWIDTH:
    case ID_WRILA_TOFULLWIDTH:
      ConvertSelection(id == ID_WRILA_TOFULLWIDTH, WIDTH_ALL);
      return true;
    case ID_WRILA_CHARCODE:
      ShowCharCode();
      return true;
    case ID_WRILA_JUMP:
      ShowJumpDialog();
      return true;
    case ID_WRILA_CONVERT:
      ShowConvertDialog();
      return true;
    default:
      return false;
  }
}
