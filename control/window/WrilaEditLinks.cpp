// Links in the text (URLs, mail addresses, tags) and the control's context menu.
#include <wx/menu.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "control/CTextBuffer.h"
#include "control/ControlRoutines.h"
#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"

namespace {

// Any fixed address stands for the maker's home page.
constexpr const char* kHomePage = "https://kesta32.example.org/";

wxString MenuText(const char* cp932) { return CP932ToWx(cp932); }

}  // namespace

int WrilaEdit::LinkAt(POINT cell, bool select, CRefString* text) {
  if (text) *text = CRefString();
  if (!m_cust.LinkURL && !m_cust.LinkMailTo) return 0;
  CTextBuffer& buffer = GetBuffer();
  CRowSpan span;
  if (cell.y < 0 || !buffer.GetRowSpan(cell.y, 0, 0x7FFF, &span)) return 0;
  // The byte of the cell: columns count bytes in a row, TABs aside.
  const POINT logical = buffer.ViewToLogical(cell.x, cell.y, -1);
  if (logical.y != span.line || logical.x >= span.rowEnd) return 0;
  CColorRunInput input;
  input.cust = &m_cust;
  input.hilite = &m_hiliteIndex;
  const CRefString line = buffer.GetLine(span.line)->GetText();
  // Links may run over row boundaries: the whole logical line is scanned.
  CColorRuns runs;
  const std::vector<CColorRun>& list = runs.Build(input, line, 0, span.lineLength, span.commentState != 0);
  int start = 0;
  for (const CColorRun& run : list) {
    if (logical.x < run.end) {
      if (run.role != ROLE_URL && run.role != ROLE_MAIL && run.role != ROLE_TAG) return 0;
      const CRefString link(line.GetString() + start, run.end - start);
      if (text) *text = link;
      if (select) {
        const POINT from = buffer.LogicalToView(start, span.line), to = buffer.LogicalToView(run.end, span.line);
        if (!IsInSelection(cell)) {
          CancelSelection(true);
          MoveCaret(POINT{run.end, span.line});
          StartSelection(from, SEL_STREAM);
          ExtendSelection(to);
          FireSelChangedIfAsked();
        }
      }
      return run.role;
    }
    start = run.end;
  }
  return 0;
}

void WrilaEdit::OpenLink(const CRefString& text, int kind) {
  if (text.IsEmpty()) return;
  if (kind == ROLE_URL && m_cust.LinkURL) {
    if (m_needEvents & EVENT_ONLINKURL) {
      FireLinkURL(text);
    } else {
      ShellOpen(text.GetString());
    }
  } else if (kind == ROLE_MAIL && m_cust.LinkMailTo) {
    if (m_needEvents & EVENT_ONLINKMAILTO) {
      FireLinkMailTo(text);
    } else {
      ShellOpen((CRefString("mailto:") + text).GetString());
    }
  }
}

void WrilaEdit::ShellOpen(const char* target) {
  if (OpenLinkTarget(m_window, target) > 32) return;
  const std::unique_ptr<char[]> caption = BSTRToAnsi(m_appName.c_str());
  MessageBox(m_window, "このファイルは開けませんでした", caption.get(), MB_OK | MB_ICONEXCLAMATION);
}

bool WrilaEdit::LinkCommandText(UINT id, CRefString* text) {
  const POINT cell = CellAt(m_menuPoint.x, m_menuPoint.y);
  CRefString link;
  const int kind = LinkAt(cell, false, &link);
  if (!kind) return false;
  const CRefString shown = ShortenText(link);
  const char* format = id == ID_WRILA_COPYLINK ? "%s をコピー"
                       : kind == ROLE_URL      ? "%s を表示"
                       : kind == ROLE_MAIL     ? "%s へメール送信"
                                               : "%s へジャンプ";
  std::vector<char> result(std::strlen(format) + static_cast<size_t>(shown.GetLength()) + 1);
  std::snprintf(result.data(), result.size(), format, shown.GetString());
  *text = CRefString(result.data());
  if (id == ID_WRILA_OPENLINK) m_menuLinkKind = kind;
  return true;
}

// The home page command opens a fixed address. Copy link and open link: from a key or an automation call the link at the caret counts, from
// the menu the one at the menu's point.
void WrilaEdit::LinkCommand(UINT id, bool fromMenu) {
  if (id == ID_WRILA_HOMEPAGE) {
    ShellOpen(kHomePage);
    return;
  }
  if (!fromMenu) {
    m_menuLinkKind = LinkAt(m_caretView, false, &m_menuLink);
  } else {
    m_menuLinkKind = LinkAt(CellAt(m_menuPoint.x, m_menuPoint.y), false, &m_menuLink);
  }
  if (!m_menuLinkKind) return;
  if (id == ID_WRILA_COPYLINK) {
    CopyTextToClipboard(m_menuLink);
  } else {
    OpenLink(m_menuLink, m_menuLinkKind);
  }
  m_menuLink = CRefString();
  m_menuLinkKind = 0;
}

void WrilaEdit::OnContextMenu(int screenX, int screenY) {
  if (!m_window) return;
  wxPoint client;
  if (screenX == -1 && screenY == -1) {
    // The menu key: the bottom-left corner of the caret's cell.
    client = wxPoint(ColumnToX(m_caretView.x), RowToY(m_caretView.y) + m_rowHeight);
  } else {
    client = m_window->ScreenToClient(wxPoint(screenX, screenY));
  }
  m_menuPoint = POINT{client.x, client.y};
  m_menuLink = CRefString();
  m_menuLinkKind = 0;
  const POINT cell = (screenX == -1 && screenY == -1) ? m_caretView : CellAt(client.x, client.y);
  if (m_needEvents & EVENT_ONCONTEXTMENU) {
    CRefString link;
    const int kind = LinkAt(cell, m_cust.SelLinkContextMenu != 0, &link);
    FireContextMenu(screenX, screenY, kind ? &link : nullptr);
    return;
  }
  if (m_mouseSelecting) OnLButtonUp(client.x, client.y);
  if (m_cust.SelLinkContextMenu) LinkAt(cell, true, nullptr);
  wxMenu menu;
  const auto add = [this](wxMenu& to, UINT id, const char* label) {
    wxString text = MenuText(label);
    const CRefString keys = GetBuffer().GetCommandKeys(id);
    if (!keys.IsEmpty()) text += "\t" + CP932ToWx(keys.GetString());
    CRefString linkText;
    if ((id == ID_WRILA_COPYLINK || id == ID_WRILA_OPENLINK) && LinkCommandText(id, &linkText)) {
      text = CP932ToWx(linkText.GetString());
    }
    wxMenuItem* item = to.Append(static_cast<int>(id), text);
    const WORD status = QueryCommandStatus(id);
    item->Enable((status & 2) != 0);
  };
  add(menu, ID_EDIT_UNDO, "元に戻す(&U)");
  add(menu, ID_EDIT_REDO, "やり直し(&R)");
  menu.AppendSeparator();
  add(menu, ID_EDIT_CUT, "切り取り(&T)");
  add(menu, ID_EDIT_COPY, "コピー(&C)");
  add(menu, ID_EDIT_PASTE, "貼り付け(&P)");
  add(menu, ID_WRILA_QUOTECOPY, "引用付きコピー(&Q)");
  add(menu, ID_WRILA_DELETE, "削除(&L)");
  menu.AppendSeparator();
  add(menu, ID_EDIT_SELECT_ALL, "すべて選択(&A)");
  add(menu, ID_WRILA_TIMEDATE, "日付と時刻(&D)");
  menu.AppendSeparator();
  add(menu, ID_WRILA_COPYLINK, "リンクをコピー");
  add(menu, ID_WRILA_OPENLINK, "リンクを開く");
  menu.AppendSeparator();
  add(menu, ID_WRILA_JUMP, "ジャンプ(&J)...");
  add(menu, ID_WRILA_CONVERT, "半角/全角変換(&S)...");
  menu.AppendSeparator();
  auto* advanced = new wxMenu;
  add(*advanced, ID_WRILA_INSERTWRAPBREAKS, "改行を挿入(&I)");
  add(*advanced, ID_WRILA_REMOVEWRAPBREAKS, "改行を削除(&D)");
  advanced->AppendSeparator();
  add(*advanced, ID_WRILA_UPPERCASE, "大文字に変換(&U)");
  add(*advanced, ID_WRILA_LOWERCASE, "小文字に変換(&W)");
  add(*advanced, ID_WRILA_TOHALFWIDTH, "半角に変換(&S)");
  add(*advanced, ID_WRILA_TOFULLWIDTH, "全角に変換(&B)");
  advanced->AppendSeparator();
  add(*advanced, ID_WRILA_IMETOGGLE, "漢字入力(&M)");
  add(*advanced, ID_WRILA_RECONVERT, "再変換(&R)");
  menu.AppendSubMenu(advanced, MenuText("高度な操作(&V)"));
  // The chosen item comes back as a command from the menu.
  const int chosen = m_window->GetPopupMenuSelectionFromUser(menu, client);
  if (chosen != wxID_NONE && m_window) WindowProc(WM_COMMAND, static_cast<WPARAM>(chosen), 0);
}

wxStockCursor WrilaEdit::CursorAt(int x, int y) {
  const POINT cell = CellAt(x, y);
  const bool inMargin = x < m_leftMargin * m_columnWidth;
  if (m_selKind != SEL_BOX && (!inMargin || m_firstColumn > 0) && IsInSelection(cell)) return wxCURSOR_ARROW;
  if (!inMargin && LinkAt(cell, false, nullptr)) return wxCURSOR_HAND;
  if (inMargin) return wxCURSOR_RIGHT_ARROW;
  return wxCURSOR_IBEAM;
}

void WrilaEdit::FireSelChangedIfAsked() {
  if (m_needEvents & EVENT_ONSELCHANGED) FireSelChanged();
}
