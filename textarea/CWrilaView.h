#pragma once
// A view that hosts one editing control and makes it behave as a text view: it creates and sets up
// the control, keeps it filling the view, takes the control's change, caret, link and context-menu
// events, routes the standard edit commands to the control and saves the control's settings when
// the view goes. It knows nothing of outlines beyond marking its document modified.
#include <span>

#include "platform/framework/CView.h"
#include "platform/com/Variant.h"
#include "textarea/CWrilaCtrl.h"

class wxCommandEvent;
class wxUpdateUIEvent;

class CWrilaView : public CView {
 public:
  // The control's child id in the view.
  static constexpr int kControlId = 1000;
  // The events the view asks of the control: Change, OnCaretMoved, OnLinkURL, OnContextMenu.
  static constexpr long kEventMask = 0x225;

  CWrilaView();
  ~CWrilaView() override;

  BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize) override;
  void OnInitialUpdate() override;

  CWrilaCtrl& GetEditCtrl() { return *m_pEdit; }
  void GetSelText(CString& text);
  int GetTextLength();

  virtual void OnCaretMoved() {}
  // The user edited the text (a change the view reports): the document becomes modified.
  virtual void OnTextEdited();
  // A link the user opened in the control: handed to the desktop.
  virtual void OpenLink(const char* url);

  // While 0 the control's Change events do not mark the document modified (text loads).
  BOOL m_bReportModified = TRUE;

 protected:
  void OnControlEvent(DISPID id, std::span<const VARIANT> args);
  // The text pane's context menu ("テキスト") at a screen point; -1, -1 opens it below the caret.
  void ShowContextMenu(int x, int y);
  // Saves the control's settings while it still exists.
  void SaveControlProperties();

 private:
  void OnSizeChanged(wxSizeEvent& event);
  void OnEditCommand(wxCommandEvent& event);
  void OnUpdateEditCommand(wxUpdateUIEvent& event);
  void OnEditClear(wxCommandEvent& event);
  void OnUpdateEditClear(wxUpdateUIEvent& event);

  CWrilaCtrl* m_pEdit;  // a child window: wx deletes it
  bool m_bPropertiesSaved = false;
};
