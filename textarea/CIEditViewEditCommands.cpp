// Commands that change the text of the current item or move in it: the title follows cut and
// paste, the caret jumps, dates, times, footnote marks and markup go in at the selection, the
// selection can name the tree, selected lines can be sorted, and the whole text can be copied.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/event.h>

#include <vector>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/DateTimeText.h"
#include "app/ProgramDialogs.h"
#include "foundation/CPelkoStringArray.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "platform/base/CTime.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"
#include "textarea/TextPaneTexts.h"
#include "textarea/TextPaneTools.h"

namespace {

// The control's own commands that two menu items pass on.
constexpr long kClearFoundHighlight = 0x8038;
constexpr long kReconvert = 0x806F;

bool BothLowBits(short status) { return (status & 3) == 3; }

}  // namespace

void CIEditView::BindEditCommands() {
  Bind(wxEVT_MENU, &CIEditView::OnEditUndo, this, ID_EDIT_UNDO);
  Bind(wxEVT_MENU, &CIEditView::OnCutOrPaste, this, ID_EDIT_CUT);
  Bind(wxEVT_MENU, &CIEditView::OnCutOrPaste, this, ID_EDIT_PASTE);
  Bind(wxEVT_MENU, &CIEditView::OnGoFirst, this, ID_EDIT_GO_FIRST);
  Bind(wxEVT_MENU, &CIEditView::OnGoLast, this, ID_EDIT_GO_LAST);
  Bind(wxEVT_MENU, &CIEditView::OnInsertNow, this, ID_EDIT_INSERT_NOW);
  Bind(wxEVT_MENU, &CIEditView::OnInsertTime, this, ID_EDIT_INSERT_TIME);
  Bind(wxEVT_MENU, &CIEditView::OnFootnote, this, ID_EDIT_FOOTNOTE);
  Bind(wxEVT_MENU, &CIEditView::OnEscapeTags, this, ID_EDIT_ESCAPE_TAGS);
  Bind(wxEVT_MENU, &CIEditView::OnEncloseBlock, this, ID_EDIT_ENCLOSE_BLOCK);
  Bind(wxEVT_MENU, &CIEditView::OnSetTreeTitle, this, ID_EDIT_SET_TREE_TITLE);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateSetTreeTitle, this, ID_EDIT_SET_TREE_TITLE);
  Bind(wxEVT_MENU, &CIEditView::OnSortLines, this, ID_EDIT_SORT_LINES_ASC);
  Bind(wxEVT_MENU, &CIEditView::OnSortLines, this, ID_EDIT_SORT_LINES_DESC);
  Bind(wxEVT_MENU, &CIEditView::OnCopyAllText, this, ID_EDIT_COPY_ALL_TEXT);
  Bind(wxEVT_MENU, &CIEditView::OnControlCommand, this, ID_EDIT_CLEAR_HIGHLIGHT);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateControlCommand, this, ID_EDIT_CLEAR_HIGHLIGHT);
  Bind(wxEVT_MENU, &CIEditView::OnControlCommand, this, ID_SETTINGS_IME_RECONVERT);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateControlCommand, this, ID_SETTINGS_IME_RECONVERT);
  // The calendar, the calculator and the spell check are the program's: there while it has
  // installed them.
  Bind(wxEVT_MENU, &CIEditView::OnInsertPickedDate, this, ID_EDIT_INSERT_DATE);
  Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) {
    event.Enable(GetKestavonApp() && Seam<IDatePicker>::Get());
  }, ID_EDIT_INSERT_DATE);
  Bind(wxEVT_MENU, &CIEditView::OnCalculate, this, ID_EDIT_CALCULATE);
  Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) {
    event.Enable(Seam<ICalculator>::Get() != nullptr);
  }, ID_EDIT_CALCULATE);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) {
    if (ISpellChecker* checker = Seam<ISpellChecker>::Get()) checker->CheckSpelling(*this);
  }, ID_EDIT_SPELL_CHECK);
  Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) {
    ISpellChecker* checker = Seam<ISpellChecker>::Get();
    event.Enable(checker && checker->HasDictionary());
  }, ID_EDIT_SPELL_CHECK);
}

void CIEditView::OnEditUndo(wxCommandEvent&) {
  CWrilaCtrl& edit = GetEditCtrl();
  edit.ExecCommand(ID_EDIT_UNDO);
  CKestavonDoc* doc = GetDocument();
  // Text that went into the outline left an outline undo step: the outline differs from the file.
  if (!doc || !m_bEditMadeModified || doc->CanUndo()) return;
  if (BothLowBits(edit.QueryStatus(ID_EDIT_UNDO)) && edit.GetModified()) return;
  doc->SetModifiedFlag(FALSE);
  m_bUnsaved = false;
  m_bEditMadeModified = false;
}

void CIEditView::OnCutOrPaste(wxCommandEvent& event) {
  GetEditCtrl().ExecCommand(event.GetId());
  CKestavonDoc* doc = GetDocument();
  if (doc && doc->GetTree().GetProperties().m_bAutoTitle) SyncTitleKeepView();
}

void CIEditView::OnGoFirst(wxCommandEvent&) { GetEditCtrl().SetSel(0, 0); }

void CIEditView::OnGoLast(wxCommandEvent&) {
  CWrilaCtrl& edit = GetEditCtrl();
  const long start = edit.LineIndex(FALSE, edit.GetLines(FALSE) - 1);
  edit.SetSel(start, start);
}

void CIEditView::OnInsertNow(wxCommandEvent&) {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return;
  const CTime now = CTime::GetCurrentTime();
  CString text = FormatDate(app->m_settings, now);
  if (ReadSetting(Settings::DateOpt::Time)) text += " " + FormatTime(app->m_settings, now);
  GetEditCtrl().ReplaceSel(text);
}

void CIEditView::OnInsertPickedDate(wxCommandEvent&) {
  CKestavonApp* app = GetKestavonApp();
  IDatePicker* picker = Seam<IDatePicker>::Get();
  CTime date = CTime::GetCurrentTime();
  if (!app || !picker || !picker->PickDate(this, date)) return;
  GetEditCtrl().ReplaceSel(FormatDate(app->m_settings, date));
}

void CIEditView::OnCalculate(wxCommandEvent&) {
  ICalculator* calculator = Seam<ICalculator>::Get();
  if (!calculator) return;
  CWrilaCtrl& edit = GetEditCtrl();
  const CString expression = edit.GetSelText();
  CString result;
  int mode = -1;
  if (!calculator->Calculate(this, expression, result, mode)) return;
  if (mode == 0) {
    edit.ReplaceSel(result);
  } else if (mode == 1) {
    long start = 0;
    long end = 0;
    edit.GetSel(start, end);
    edit.SetSel(end, end);
    // A result after a number would run into it.
    const char last = expression.IsEmpty() ? '\0' : expression[expression.GetLength() - 1];
    edit.ReplaceSel(last >= '0' && last <= '9' ? " " + result : result);
  }
}

void CIEditView::OnInsertTime(wxCommandEvent&) {
  if (CKestavonApp* app = GetKestavonApp()) GetEditCtrl().ReplaceSel(FormatCurrentTime(app->m_settings));
}

void CIEditView::OnFootnote(wxCommandEvent&) {
  CWrilaCtrl& edit = GetEditCtrl();
  long start = 0;
  long end = 0;
  edit.GetSel(start, end);
  const CString open = ReadSetting(Settings::Footnote::StartStr);
  // With no mark stored, the end mark is the one that exports and printing look for, blank included.
  const CString close = ReadSetting(Settings::Footnote::EndStr);
  edit.ReplaceSel(open + edit.GetSelText() + close);
  if (start == end) edit.SetSel(start + open.GetLength(), start + open.GetLength());
}

void CIEditView::OnEscapeTags(wxCommandEvent&) {
  CWrilaCtrl& edit = GetEditCtrl();
  edit.ReplaceSel(EscapeAngleBrackets(edit.GetSelText()));
}

void CIEditView::OnEncloseBlock(wxCommandEvent&) {
  CWrilaCtrl& edit = GetEditCtrl();
  edit.ReplaceSel(EncloseInBlockMarks(edit.GetSelText()));
}

CString CIEditView::SelectionOrCaretLine() {
  CWrilaCtrl& edit = GetEditCtrl();
  CString text = edit.GetSelText();
  if (!text.IsEmpty()) return text;
  const long caret = edit.GetSelStart();
  return edit.GetLineText(FALSE, edit.LineFromChar(FALSE, caret), FALSE);
}

void CIEditView::OnSetTreeTitle(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  CWrilaCtrl& edit = GetEditCtrl();
  // Modified for the time of the rename: a text that counts as unchanged would be loaded again
  // over the caret when the views hear of the new title.
  const BOOL modified = edit.GetModified();
  edit.SetModified(TRUE);
  CString title = SelectionOrCaretLine();
  ATREE::DeleteLineBreaks(title);
  doc->SetCurrentTitle(title);
  edit.SetModified(modified);
}

void CIEditView::OnUpdateSetTreeTitle(wxUpdateUIEvent& event) { event.Enable(!SelectionOrCaretLine().IsEmpty()); }

void CIEditView::OnSortLines(wxCommandEvent& event) {
  CWrilaCtrl& edit = GetEditCtrl();
  long start = 0;
  long end = 0;
  edit.GetSel(start, end);
  const long first = edit.LineFromChar(TRUE, start);
  const long last = edit.LineFromChar(TRUE, end);
  CPelkoStringArray lines;
  long blockStart = start;
  long blockEnd = start;
  for (long line = first; line <= last; ++line) {
    const long lineStart = edit.LineIndex(TRUE, line);
    const CString text = edit.GetLineText(TRUE, line, FALSE);
    if (line == first && text.IsEmpty()) {
      // An empty first line stays where it is, above the block.
      blockStart = blockEnd = edit.LineIndex(TRUE, line + 1);
      continue;
    }
    if (line == first) blockStart = lineStart;
    // A last line that the selection ends before is left out; one it reaches into goes whole.
    if (line == last && line != first && end <= lineStart) break;
    lines.Add(text);
    blockEnd = lineStart + text.GetLength() + 2;
  }
  if (lines.GetSize() < 2) {
    AfxMessageBox("整列する複数行を選択して下さい。");
    return;
  }
  if (event.GetId() == ID_EDIT_SORT_LINES_DESC)
    lines.SortDescending();
  else
    lines.SortAscending();
  std::vector<CString> sorted;
  for (int i = 0; i < lines.GetSize(); ++i) sorted.push_back(lines[i]);
  CString block = JoinLinesWithLineEnds(sorted);
  // The last line of the text has no line end to sort along: none is added after the block.
  const CString whole = edit.GetText();
  if (blockEnd > whole.GetLength()) {
    blockEnd = whole.GetLength();
    block = block.Left(block.GetLength() - 2);
  }
  edit.SetSel(blockStart, blockEnd);
  edit.ReplaceSel(block);
}

void CIEditView::OnCopyAllText(wxCommandEvent&) {
  const CString text = GetEditCtrl().GetText();
  wxClipboardLocker lock;
  if (!lock) return;
  wxTheClipboard->Clear();
  wxTheClipboard->SetData(new wxTextDataObject(CP932ToWx(text.GetString())));
}

void CIEditView::OnControlCommand(wxCommandEvent& event) {
  GetEditCtrl().ExecCommand(event.GetId() == ID_EDIT_CLEAR_HIGHLIGHT ? kClearFoundHighlight : kReconvert);
}

void CIEditView::OnUpdateControlCommand(wxUpdateUIEvent& event) {
  const bool highlight = event.GetId() == ID_EDIT_CLEAR_HIGHLIGHT;
  const short status = GetEditCtrl().QueryStatus(highlight ? kClearFoundHighlight : kReconvert);
  event.Enable(BothLowBits(status));
  if (highlight) event.Check((status & 7) == 7);
}
