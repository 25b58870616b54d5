// Which of the control's commands are enabled and checked, for its menu and its host.
#include <wx/clipbrd.h>

#include "control/CTextBuffer.h"
#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/desktop/InputMethod.h"

namespace {

constexpr WORD kDisabled = 1;
constexpr WORD kEnabled = 3;
constexpr WORD kChecked = 7;

bool ClipboardHasText() {
  wxClipboardLocker lock;
  return !!lock && (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT));
}

bool IsAlwaysEnabled(UINT id) {
  return (id >= ID_WRILA_ROWDOWN && id <= ID_WRILA_UNINDENT) ||
         (id >= ID_WRILA_WORDRIGHT && id <= ID_WRILA_CLEARHILITE) || id == ID_WRILA_PROPERTIES ||
         id == ID_WRILA_CHARCODE || id == ID_WRILA_JUMP ||
         (id >= ID_WRILA_SELECTMODE && id <= ID_WRILA_FINDWORDPREVIOUS) || id == ID_WRILA_HOMEPAGE ||
         (id >= ID_WRILA_LOGICALSTART && id <= ID_WRILA_SELLOGICALEND) || id == ID_EDIT_FIND || id == ID_EDIT_REPEAT ||
         id == ID_EDIT_SELECT_ALL;
}

}  // namespace

WORD WrilaEdit::QueryCommandStatus(UINT id) {
  // A box whose two columns agree selects nothing.
  const bool selection = HasSelection() && (m_selKind != SEL_BOX || m_selAnchor.x != m_selEnd.x);
  const bool box = m_selKind == SEL_BOX;
  const bool writable = !m_readOnly;
  const bool inputMethod = m_window && ImmGetContext(GetWindow()) != nullptr;
  const auto enabled = [](bool on) { return on ? kEnabled : kDisabled; };
  switch (id) {
    case ID_WRILA_QUOTECOPY:
    case ID_WRILA_CANCELSELECTION:
    case ID_WRILA_COPYDESELECT:
    case ID_WRILA_QUOTECOPYDESELECT:
    case ID_EDIT_COPY:
      return enabled(selection);
    case ID_WRILA_COPYLINK:
    case ID_WRILA_OPENLINK:
      return enabled(LinkAt(m_caretView, false, nullptr) != 0);
    case ID_WRILA_TIMEDATE:
    case ID_WRILA_DATETIME:
    case ID_WRILA_INSERTCR:
    case ID_WRILA_INSERTLF:
    case ID_WRILA_DELETE:
    case ID_WRILA_DELETELEFT:
    case ID_WRILA_DELETETOEND:
    case ID_WRILA_DELETELINE:
    case ID_WRILA_CUTLINE:
    case ID_WRILA_DELETEWORD:
    case ID_WRILA_INSERTLINEABOVE:
    case ID_WRILA_INSERTLINEBELOW:
    case ID_WRILA_NEWLINE:
    case ID_EDIT_REPLACE:
      return enabled(writable);
    case ID_WRILA_INSERTWRAPBREAKS:
      return enabled(writable && selection && !box && m_cust.WrapMode != 0);
    case ID_WRILA_REMOVEWRAPBREAKS:
    case ID_WRILA_UPPERCASE:
    case ID_WRILA_LOWERCASE:
    case ID_WRILA_TOHALFWIDTH:  // code page 932 is the control's own
    case ID_WRILA_TOFULLWIDTH:
      return enabled(writable && selection && !box);
    case ID_WRILA_CONVERT:
      return enabled(writable && !box);
    case ID_WRILA_OVERWRITE:
      return m_cust.Overwrite ? kChecked : kEnabled;
    case ID_WRILA_READONLY:
      return m_readOnly ? kChecked : kEnabled;
    case ID_WRILA_WRAPNONE:
    case ID_WRILA_WRAPCOLUMNS:
    case ID_WRILA_WRAPWINDOW:
      return m_cust.WrapMode == static_cast<int>(id - ID_WRILA_WRAPNONE) ? kChecked : kEnabled;
    case ID_WRILA_IMETOGGLE: {
      const bool on = inputMethod && ImmGetOpenStatus(ImmGetContext(GetWindow()));
      return on ? kChecked : enabled(inputMethod && writable);
    }
    case ID_WRILA_RECONVERT:
      return enabled(selection && !box && inputMethod && writable);
    case ID_EDIT_CUT:
      return enabled(writable && selection);
    case ID_EDIT_PASTE:
      return enabled(writable && ClipboardHasText());
    case ID_EDIT_UNDO:
      return enabled(GetBuffer().GetUndoCount() > 0);
    case ID_EDIT_REDO:
      return enabled(GetBuffer().GetRedoCount() > 0);
    default:
      return IsAlwaysEnabled(id) ? kEnabled : 0;
  }
}
