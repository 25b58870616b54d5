#pragma once
// Deletes entries of the application's recent-file list, one at a time or all at once.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class wxListBox;

// What the dialog needs of the recent-file list: its entries by index (the non-empty ones at the
// front, as the list's add and remove close gaps), its capacity and removal by index.
class IRecentFileEntries {
 public:
  virtual ~IRecentFileEntries() = default;
  virtual int GetCapacity() const = 0;
  virtual CString GetEntry(int index) const = 0;
  virtual void RemoveEntry(int index) = 0;
};

class CRecentDlg : public wxDialog {
 public:
  enum { IDD = 200, IDC_LIST = 161, IDC_DELETE = 131, IDC_DELETE_ALL = 132 };

  CRecentDlg(wxWindow* parent, IRecentFileEntries& list);
  int DoModal();

  void Fill(int selection);

 private:
  void OnDelete(wxCommandEvent& event);
  void OnDeleteAll(wxCommandEvent& event);

  IRecentFileEntries& m_list;
  wxListBox* m_box;
};
