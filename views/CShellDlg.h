#pragma once
// The list of outside programs ("外部ソフト") and the dialog of one entry. The list dialog edits the
// application's array in place; "実行" ends it with the entry to run.
#include <wx/dialog.h>

#include "app/CShellItem.h"
#include "platform/base/WinTypes.h"

class wxListBox;

class CShellItemDlg : public wxDialog {
 public:
  enum { IDD = 209, IDC_PATH = 339, IDC_PATH_BROWSE = 337, IDC_PARAM = 338, IDC_EDIT = 340, IDC_EDIT_BROWSE = 341,
         IDC_RELOAD = 342, IDC_TITLE = 263, IDC_HELP = 150 };

  CShellItemDlg(wxWindow* parent, const CShellItem& item);
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CShellItem m_item;

 private:
  void OnBrowsePath(wxCommandEvent& event);
  void OnBrowseEdit(wxCommandEvent& event);
};

class CShellDlg : public wxDialog {
 public:
  enum { IDD = 208, IDC_LIST = 335, IDC_RUN = 336, IDC_ADD = 141, IDC_MODIFY = 143, IDC_DELETE = 131, IDC_UP = 132,
         IDC_DOWN = 133, IDC_HELP = 150 };

  CShellDlg(wxWindow* parent, CShellItemArray& items);

  CShellItemArray& m_items;
  int m_nRun = -1;  // the entry to run after OK, -1 for none

 protected:
  // The entry dialog; TRUE with the edited entry on OK.
  virtual BOOL EditItem(CShellItem& item);

 private:
  void Refill(int select);
  int Selected() const;
  void OnRun(wxCommandEvent& event);
  void OnAdd(wxCommandEvent& event);
  void OnModify(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnMove(wxCommandEvent& event);

  wxListBox* m_pList;
};
