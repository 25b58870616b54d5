#pragma once
// The editing control as the program's views embed it: the program's key table is asked before
// the control for bound keys, Enter continues a bulleted or numbered line, the wheel scrolls a
// set number of rows or goes to the tree pane under the pointer, focus opens and closes the
// input method, and edit-control-like operations are built from the control's members.
// Positions are serial offsets: byte offsets into the whole Shift JIS text, each line end counting
// its own bytes.
#include "textarea/CWrila.h"

class CFont;
class wxKeyEvent;
class wxMouseEvent;
class wxFocusEvent;

class CWrilaCtrl : public CWrila {
 public:
  CWrilaCtrl() = default;

  // Creates the control and hooks its window's keys, wheel and focus.
  BOOL Create(wxWindow* parent, wxWindowID id, const wxRect& rect);

  void SetSel(long start, long end);
  void GetSel(long& start, long& end);
  long GetFirstVisibleLine();
  void LineScroll(long rows, long columns = 0);
  void SetTabStops(int columns);
  void SetFont(const CFont& font);
  void ReplaceSel(const char* text, BOOL canUndo = FALSE);
  // Replaces the whole text, fed in pieces; afterwards the caret is at the top, nothing is
  // selected and the control is not modified.
  void SetLongText(const char* text);
  // Enter on a list line: inserts the line break with the next marker itself (TRUE), or leaves the
  // key to the control (FALSE). Marks the control modified either way.
  BOOL ContinueNumbering();

  // The key path before the control: TRUE keeps the key from it. Only key-down events count.
  BOOL PreTranslateKey(const wxKeyEvent& event);

  BOOL m_bKeyTranslate = TRUE;
  int m_nWheelLines = 3;

 private:
  void OnControlKeyDown(wxKeyEvent& event);
  void OnControlWheel(wxMouseEvent& event);
  void OnControlSetFocus(wxFocusEvent& event);
  void OnControlKillFocus(wxFocusEvent& event);
  // The tree pane's outline list under the screen point, when this control is a text pane's.
  wxWindow* TreeListUnder(const wxPoint& screen) const;
};
