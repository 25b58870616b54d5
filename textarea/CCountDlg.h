#pragma once
// Shows the character counts with their pages and the tree counts; the characters per page
// ("Count"/"Page") can be changed, and the pages follow.
#include <wx/dialog.h>

#include "platform/base/WinTypes.h"
#include "textarea/TextCounts.h"

class wxTextCtrl;

class CCountDlg : public wxDialog {
 public:
  enum { IDD = 111, IDC_PER_PAGE = 217 };
  static constexpr DWORD kHelpTopic = 78;
  CCountDlg(wxWindow* parent, const TextCounts& counts);

 private:
  void ShowPages();
  // The per-page field's value; 0 when it is not a number above 0.
  int PerPage() const;
  void OnPerPageLeft(wxFocusEvent& event);
  void OnOk(wxCommandEvent& event);

  TextCounts m_counts;
  int m_nPerPage;
  wxTextCtrl* m_perPage = nullptr;
};
