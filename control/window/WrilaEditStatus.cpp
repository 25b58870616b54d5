// Which of the control's commands are enabled and checked, for its menu and its host.
#include <wx/clipbrd.h>

#include "control/CTextBuffer.h"
#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/InputMethod.h"

namespace {

constexpr WORD kDisabled = 1;
constexpr WORD kEnabled = 3;
constexpr WORD kChecked = 7;

bool ClipboardHasText() {
  wxClipboardLocker lock;
  return !!lock && (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT));
}

bool IsAlwaysEnabled(UINT id) {
  return (id >= 0x8016 && id <= 0x802B) || (id >= 0x8031 && id <= 0x8038) || id == ID_WRILA_PROPERTIES ||
         id == 0x8044 || id == 0x8045 || (id >= 0x804F && id <= 0x8053) || id == ID_WRILA_HOMEPAGE ||
         (id >= 0x805B && id <= 0x805E) || id == ID_EDIT_FIND || id == ID_EDIT_REPEAT || id == ID_EDIT_SELECT_ALL;
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
    case 0x8008:
    case 0x802D:
    case 0x8059:
    case 0x805A:
    case ID_EDIT_COPY:
      return enabled(selection);
    case ID_WRILA_COPYLINK:
    case ID_WRILA_OPENLINK:
      return enabled(LinkAt(m_caretView, false, nullptr) != 0);
    case 0x800B:
    case 0x804C:
    case 0x8013:
    case 0x8014:
    case ID_WRILA_DELETE:
    case 0x802C:
    case 0x802E:
    case 0x802F:
    case 0x8030:
    case 0x8054:
    case 0x8055:
    case 0x8056:
    case ID_WRILA_NEWLINE:
    case ID_EDIT_REPLACE:
      return enabled(writable);
    case 0x800C:
      return enabled(writable && selection && !box && m_cust.WrapMode != 0);
    case 0x800D:
    case 0x8011:
    case 0x8012:
    case 0x8042:  // code page 932 is the control's own
    case 0x8043:
      return enabled(writable && selection && !box);
    case 0x804A:
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
