#pragma once
// A static text that works as a hyperlink: drawn underlined in the link colour, a hand cursor over
// it, and a click opens its link (or, without one, its own text) with the desktop's handler.
#include <wx/generic/stattextg.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// The desktop's "open" on the text (a URL, a file or a folder): above 32 on success, else the
// error; 0 for an empty text.
INT_PTR ShellOpen(const CString& text);

class CStaticLink : public wxGenericStaticText {
 public:
  // Shared by every link.
  static COLORREF g_colorUnvisited;
  static COLORREF g_colorVisited;

  // wx deletes a link made with new together with its parent, so the delete-on-destroy flag of
  // callers written for self-deleting windows is taken and needs nothing more.
  explicit CStaticLink(const char* link = nullptr, BOOL deleteOnDestroy = FALSE);
  ~CStaticLink() override;

  bool Create(wxWindow* parent, int id, const wxString& label, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = 0);
  // Takes the place of the dialog's static text id, with its text, font and rectangle.
  BOOL SubclassDlgItem(int id, wxWindow* dialog);

  void SetLink(const char* link) { m_link = link; }

  CString m_link;
  COLORREF m_color;

 private:
  void ShowAsLink();
  void OnLeftDown(wxMouseEvent& event);
};
