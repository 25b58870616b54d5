// Undo and redo: every edit leaves a record; replay runs the inverse edit through the ordinary
// operations, which record their own inverse on the other list.
#include <algorithm>

#include "control/CEditCore.h"
#include "control/CTextBuffer.h"

void CTextBuffer::AddUndoRecord(int startColumn, int startLine, int endColumn, int endLine, std::uint32_t kind,
                                int aux, const CRefString& text) {
  CUndoRecord record;
  record.startColumn = startColumn;
  record.startLine = startLine;
  record.kind = kind | (m_modified ? UNDO_WAS_MODIFIED : 0) | (m_group ? UNDO_GROUPED : 0);
  if ((kind & UNDO_KIND_MASK) <= UNDO_DELETE) {
    record.endColumnOrChar = aux;
  } else {
    record.endColumnOrChar = endColumn;
    record.endLine = endLine;
  }
  record.text = text;
  if (m_inUndo) {
    m_redo.push_back(std::move(record));
    return;
  }
  if (!m_inRedo) m_redo.clear();
  m_undo.push_back(std::move(record));
}

POINT CTextBuffer::ReplayRecord(const CUndoRecord& record) {
  const POINT start{record.startColumn, record.startLine};
  switch (record.Kind()) {
    case UNDO_CHAR_INSERTED:
      return DeleteCharBefore(start);
    case UNDO_BACKSPACE:
    case UNDO_DELETE: {
      int lineEnd = LINEEND_CRLF;
      if (record.kind & UNDO_LINEEND_CR) lineEnd = LINEEND_CR;
      if (record.kind & UNDO_LINEEND_LF) lineEnd = LINEEND_LF;
      return InsertChar(start, static_cast<UINT>(record.endColumnOrChar), lineEnd);
    }
    case UNDO_TEXT_INSERTED:
      return DeleteRange(start, POINT{record.endColumnOrChar, record.endLine});
    case UNDO_TEXT_DELETED:
      return InsertText(start, record.text, record.text.GetLength());
    case UNDO_INDENTED:
      return Unindent(start, POINT{record.endColumnOrChar, record.endLine});
    default:
      return start;
  }
}

POINT CTextBuffer::UndoRedo(bool redo, POINT caret) {
  std::vector<CUndoRecord>& list = redo ? m_redo : m_undo;
  if (list.empty()) return caret;
  (redo ? m_inRedo : m_inUndo) = true;
  bool repaintCleared = false;
  bool waitCursor = false;
  int grouped = 0;
  bool wasModified = false;
  for (;;) {
    if (list.empty()) break;
    const CUndoRecord record = std::move(list.back());
    list.pop_back();
    const bool isGrouped = (record.kind & UNDO_GROUPED) != 0;
    if (isGrouped) {
      if (m_repaint) {
        m_repaint = false;
        repaintCleared = true;
      }
      if (++grouped == 4) {
        m_owner->BeginWaitCursor();
        waitCursor = true;
      }
    }
    caret = ReplayRecord(record);
    m_group = true;
    wasModified = (record.kind & UNDO_WAS_MODIFIED) != 0;
    if (!isGrouped) break;
  }
  m_inUndo = m_inRedo = m_group = false;
  if (repaintCleared) {
    m_repaint = true;
    m_owner->Relayout(0);
  }
  SetModified(wasModified);
  if (waitCursor) m_owner->EndWaitCursor();
  return caret;
}

void CTextBuffer::MarkRecordsModified() {
  for (CUndoRecord& record : m_undo) record.kind |= UNDO_WAS_MODIFIED;
  for (CUndoRecord& record : m_redo) record.kind |= UNDO_WAS_MODIFIED;
}

void CTextBuffer::ClearRecordList(bool redo) { (redo ? m_redo : m_undo).clear(); }
