#pragma once
// A modal dialog of tabbed pages with OK and Cancel (no apply button). The pages belong to the
// caller; OK takes every page's controls into its fields, and a page that refuses its values is
// brought to the front and the sheet stays open. Cancel leaves every field as it was preset.
#include <wx/dialog.h>

#include <vector>

#include "platform/base/WinTypes.h"

class CPropertyPage;
class wxNotebook;

class CPropertySheet : public wxDialog {
 public:
  CPropertySheet(wxWindow* parent, const char* caption);
  ~CPropertySheet() override;

  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  void SetActivePage(int index);
  int GetActiveIndex() const;

  // Builds the pages' windows once; done by DoModal, callable before it (tests).
  void CreatePages();
  // IDOK or IDCANCEL.
  int DoModal();
  // The OK button's work: false when a page refused its values (the sheet stays open).
  bool TakePages();

 private:
  void OnOK(wxCommandEvent& event);

  std::vector<CPropertyPage*> m_pages;
  wxNotebook* m_pNotebook;
  bool m_bCreated = false;
};
