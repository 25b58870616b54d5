#pragma once
// Edits the bookmarked-file list in place: add, change, delete and reorder its entries. The
// command that runs the dialog stores the list afterwards.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class BookmarkFileList;
class wxListBox;

class CBookfileDlg : public wxDialog {
 public:
  enum {
    IDD = 205,
    IDC_LIST = 161,
    IDC_ADD = 141,
    IDC_CHANGE = 143,
    IDC_DELETE = 131,
    IDC_UP = 132,
    IDC_DOWN = 133,
    IDC_HELP_BUTTON = 150
  };
  static constexpr DWORD kHelpTopic = 237;

  CBookfileDlg(wxWindow* parent, BookmarkFileList* list);
  int DoModal();
  // Refills the box from the list and selects the row (none when there is no such row).
  void Fill(int selection);

 protected:
  // Asks for an outline file; path is the proposal and, on TRUE, the choice.
  virtual BOOL AskFileName(CString& path, const char* caption);

 private:
  wxListBox* GetList() const;
  // The selected row, -1 when none or the box is empty.
  int GetSelection() const;
  void OnAdd(wxCommandEvent& event);
  void OnChange(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnUp(wxCommandEvent& event);
  void OnDown(wxCommandEvent& event);

  BookmarkFileList* m_pList;
};
