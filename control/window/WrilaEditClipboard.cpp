// Text in and out of the control: the clipboard (plain text beside the box format, which carries
// the Shift JIS bytes of a box copy) and drag and drop of the selection.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dnd.h>

#include <algorithm>
#include <memory>
#include <string>

#include "control/CTextBuffer.h"
#include "control/window/ShiftJisTextData.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "control/ControlRoutines.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/UnkeptCharacters.h"

const wxDataFormat& BoxClipboardFormat() {
  static const wxDataFormat format("MSDevColumnSelect");
  return format;
}

void WrilaEdit::CopySelection(bool quote) {
  if (!HasSelection()) return;
  if (m_selKind == SEL_BOX && m_selAnchor.x == m_selEnd.x) return;
  const CRefString text = SelectedText(quote);
  m_sticky = false;
  wxClipboardLocker lock;
  if (!lock) return;
  auto* data = new wxDataObjectComposite;
  data->Add(new ShiftJisTextData(text), true);
  if (m_selKind == SEL_BOX) {
    auto* box = new wxCustomDataObject(BoxClipboardFormat());
    box->SetData(static_cast<size_t>(text.GetLength()), text.GetString());
    data->Add(box);
  }
  wxTheClipboard->SetData(data);
}

void WrilaEdit::CopyTextToClipboard(const CRefString& text) {
  wxClipboardLocker lock;
  if (!lock) return;
  wxTheClipboard->SetData(new ShiftJisTextData(text));
}

void WrilaEdit::PasteClipboard() {
  if (m_readOnly) return;
  CRefString text;
  wxString plainText;
  bool column = false;
  {
    wxClipboardLocker lock;
    if (!lock || !(wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT))) return;
    wxCustomDataObject box(BoxClipboardFormat());
    if (wxTheClipboard->IsSupported(BoxClipboardFormat()) && wxTheClipboard->GetData(box)) {
      column = true;
      text = CRefString(static_cast<const char*>(box.GetData()), static_cast<int>(box.GetSize()));
    } else {
      wxTextDataObject plain;
      if (!wxTheClipboard->GetData(plain)) return;
      plainText = plain.GetText();
    }
  }
  // Told, if need be, once the clipboard is free again.
  if (!column) text = TextToKeep(plainText);
  if (text.IsEmpty()) return;
  CTextBuffer& buffer = GetBuffer();
  const bool grouped = HasSelection();
  if (grouped) MoveCaret(DeleteSelectionText());
  const bool group = buffer.IsGrouping();
  if (grouped) buffer.SetGrouping(true);
  const POINT caret = buffer.InsertGlobal(m_caretView, text, text.GetLength(), column);
  buffer.SetGrouping(group);
  CancelSelection(true);
  MoveCaret(caret);
  if (m_window) m_window->Refresh(false);
}

int WrilaEdit::DragHover(bool shift, bool control, int x, int y) {
  if (!m_dragHovering) {
    m_dragHovering = true;
    if (m_window) m_window->StartTimer(TIMER_DROPSCROLL);
  }
  const POINT cell = CellAt(x, y);
  m_caretView = cell;
  m_caretLogical = GetBuffer().ViewToLogical(cell.x, cell.y, -1);
  PlaceCaret();
  if (m_readOnly) return 0;
  if (control) return 1;
  if (shift) return 2;
  return m_dragSource ? 2 : 1;
}

void WrilaEdit::DragLeave() {
  m_dragHovering = false;
  if (m_window) m_window->StopTimer(TIMER_DROPSCROLL);
  PlaceCaret();
}

CRefString WrilaEdit::TextToKeep(const wxString& text) {
  std::string lost;
  const CString bytes = WxToCP932(text, &lost);
  const std::unique_ptr<char[]> caption = BSTRToAnsi(m_appName.c_str());
  TellUnkeptCharacters(m_window, lost, caption.get());
  return CRefString(bytes.GetString(), bytes.GetLength());
}

bool WrilaEdit::DropDesktopText(const wxString& text, bool move, int x, int y) {
  if (m_readOnly) {
    DragLeave();
    return false;
  }
  return DropText(TextToKeep(text), move, x, y);
}

bool WrilaEdit::DropText(const CRefString& text, bool move, int x, int y) {
  DragLeave();
  CTextBuffer& buffer = GetBuffer();
  const POINT cell = CellAt(x, y);
  if (m_readOnly || text.IsEmpty()) return false;
  const bool ownMove = move && m_dragSource && HasSelection() && m_selKind != SEL_BOX;
  if (m_dragSource && HasSelection()) {
    // A drop onto the dragged selection itself changes nothing.
    const POINT start = SelectionStart(), end = SelectionEnd();
    const bool after = cell.y > start.y || (cell.y == start.y && cell.x >= start.x);
    const bool before = cell.y < end.y || (cell.y == end.y && cell.x <= end.x);
    if (after && before) {
      CancelSelection(true);
      m_dragSource = false;
      return false;
    }
  }
  const POINT drop = buffer.ViewToLogical(cell.x, cell.y, -1);
  POINT from = drop, to = drop;
  if (ownMove) {
    const POINT start = SelectionStart(), end = SelectionEnd();
    std::tie(from, to) = buffer.MoveText(drop, buffer.ViewToLogical(start.x, start.y, -1),
                                         buffer.ViewToLogical(end.x, end.y, -1));
    m_dragSource = false;  // the source has nothing left to delete
  } else {
    to = buffer.InsertGlobal(cell, text, text.GetLength(), false);
  }
  CancelSelection(true);
  StartSelection(buffer.LogicalToView(from.x, from.y), SEL_STREAM);
  MoveCaret(to);
  m_selEnd = m_caretView;
  RecalcScrollBars();
  if (m_window) m_window->Refresh(false);
  return true;
}
