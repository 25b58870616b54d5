#include "shell/TextPaneSpellCheck.h"

#include <wx/window.h>

#include "platform/desktop/MessageBox.h"
#include "textarea/CIEditView.h"
#include "textarea/CSpellCheckDlg.h"
#include "textarea/CWrilaCtrl.h"

CString CTextPaneSpellCheck::GetText() { return m_pane.GetEditCtrl().GetText(); }

int CTextPaneSpellCheck::GetLineHeight() {
  // The control lays its rows out in its own font: one row down is one line.
  CWrilaCtrl& edit = m_pane.GetEditCtrl();
  long top = 0;
  long next = 0;
  long x = 0;
  edit.ViewToDev(0, 0, &top, &x);
  edit.ViewToDev(1, 0, &next, &x);
  if (next > top) return static_cast<int>(next - top);
  wxWindow* window = edit.GetControlWindow();
  return window ? window->GetCharHeight() : m_pane.GetCharHeight();
}

void CTextPaneSpellCheck::BringToTop() {
  if (wxWindow* window = m_pane.GetEditCtrl().GetControlWindow()) window->Raise();
}

void CTextPaneSpellCheck::SetSel(long start, long end) { m_pane.GetEditCtrl().SetSel(start, end); }

POINT CTextPaneSpellCheck::GetCharScreenPos(long offset) {
  CWrilaCtrl& edit = m_pane.GetEditCtrl();
  const long row = edit.LineFromChar(FALSE, offset);
  const long column = offset - edit.LineIndex(FALSE, row);
  long y = 0;
  long x = 0;
  edit.ViewToDev(row, column, &y, &x);
  wxWindow* window = edit.GetControlWindow();
  const wxPoint screen = (window ? window : static_cast<wxWindow*>(&m_pane))->ClientToScreen(wxPoint(x, y));
  return POINT{screen.x, screen.y};
}

void CTextPaneSpellCheck::ReplaceSel(const char* text) { m_pane.GetEditCtrl().ReplaceSel(text); }

void CTextPaneSpellCheck::ReplaceAllText(const char* text) {
  CWrilaCtrl& edit = m_pane.GetEditCtrl();
  const BOOL report = m_pane.m_bReportModified;
  m_pane.m_bReportModified = FALSE;
  const long first = edit.GetFirstVisibleLine();
  edit.SetLongText(text);
  edit.LineScroll(first);
  m_pane.m_bReportModified = report;
  // The corrections are the user's edit even though the control reported none of them.
  m_pane.OnTextEdited();
}

BOOL CTextPaneSpellCheck::AskWord(CString& word, POINT position, int lineHeight, int& action) {
  CSpellCheckDlg dialog(&m_pane);
  dialog.m_strWord = word;
  dialog.m_ptPosition = position;
  dialog.m_nLineHeight = lineHeight;
  if (dialog.DoModal() != IDOK) return FALSE;
  action = dialog.m_nAction;
  word = dialog.m_strWord;
  return TRUE;
}

BOOL CPaneSpellChecker::HasDictionary() { return !CPdicLink::GetProgramPath(0).IsEmpty(); }

void CPaneSpellChecker::CheckSpelling(CIEditView& pane) {
  CTextPaneSpellCheck target(pane);
  RunSpellCheck(target);
}
