#pragma once
// The control's window: turns wx events into the control's numeric messages, runs its two timers,
// carries its caret, and is the source and target of drag and drop.

#include <wx/scrolbar.h>
#include <wx/timer.h>
#include <wx/window.h>

class WrilaEdit;
typedef struct _GtkIMContext GtkIMContext;

class WrilaEditWindow : public wxWindow {
 public:
  WrilaEditWindow(WrilaEdit* owner, wxWindow* parent, const wxPoint& pos, const wxSize& size);
  ~WrilaEditWindow() override;

  // The control is being deleted before its window: no more messages reach it.
  void Detach() { m_owner = nullptr; }
  WrilaEdit* Owner() const { return m_owner; }

  void StartTimer(unsigned id);
  void StopTimer(unsigned id);
  // Runs the drag loop over the control's selection.
  void DragSelection();

  // The scroll bars are children of their own, at the right and bottom edges, so that the text
  // area's size and a shown but disabled bar hold whatever the theme does with scroll bars.
  wxScrollBar* GetBar(int orientation) const { return orientation == wxVERTICAL ? m_vBar : m_hBar; }
  int BarBreadth(int orientation) const;
  void SetBar(int orientation, bool shown, bool enabled, int position, int thumb, int range);
  void SetBarPosition(int orientation, int position);
  wxSize TextAreaSize() const;

  // Where the desktop input method opens its candidate window: beside the caret's cell.
  void SetInputCursor(const wxRect& cell);
  // A read-only control takes no input-method input: its context is put aside and given back
  // when the control may be written again.
  void AttachInputMethod(bool attach);
  // Text the input method committed (UTF-8).
  void CommitInput(const char* text);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnEraseBackground(wxEraseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnFocus(wxFocusEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnScroll(wxScrollEvent& event);
  void LayoutBars();
  void OnTimer(wxTimerEvent& event);
  void OnRealized(wxWindowCreateEvent& event);

  WrilaEdit* m_owner;
  // The input method's context while it is put aside for a read-only control.
  GtkIMContext* m_keptInputContext = nullptr;
  wxScrollBar* m_vBar;
  wxScrollBar* m_hBar;
  int m_vBarWidth = 0;
  int m_hBarHeight = 0;
  wxTimer m_dropTimer;
  wxTimer m_selectTimer;
  wxDECLARE_EVENT_TABLE();
};
