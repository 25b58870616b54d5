#pragma once
// A free-standing window that shows one text read-only in an editing control of its own, so that
// an item's text can stay in view while another is edited. Several can be open; each goes away by
// itself when closed and leaves its size for the next one.
#include <wx/dialog.h>
#include <wx/weakref.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CWrilaCtrl;
class CWrilaView;

class CTextViewDlg : public wxDialog {
 public:
  static constexpr int kTemplateId = 187;
  static constexpr int kControlId = 1000;

  CTextViewDlg();

  // Creates the window without an owner window, loads the text and shows it.
  BOOL Create();
  // A link the user opened in the text: the owning view opens it.
  void OnLinkURL(const char* url);
  CWrilaCtrl& GetEditCtrl() { return *m_pEdit; }

  CString m_strText;
  CString m_strTitle;
  wxWeakRef<CWrilaView> m_pOwner;

 private:
  void OnSizeChanged(wxSizeEvent& event);
  void OnCloseWindow(wxCloseEvent& event);

  CWrilaCtrl* m_pEdit = nullptr;  // a child window: wx deletes it
};
