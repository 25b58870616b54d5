#pragma once
// The heading-character styles of the outline levels: add, change, delete, reorder, import from
// and export to a style file. The caller fills the table copy and takes it back after OK.
#include <wx/dialog.h>

#include "model/CShoStrArray.h"

class wxListBox;

class CShoListDlg : public wxDialog {
 public:
  enum {
    IDD = 125,
    IDC_LIST = 110,
    IDC_DELETE = 131,
    IDC_EDIT = 132,
    IDC_UP = 133,
    IDC_IMPORT = 134,
    IDC_DOWN = 135,
    IDC_EXPORT = 136,
    IDC_ADD = 141,
    IDC_DELLINE = 280,
    IDC_SAVEINFILE = 374,
  };

  explicit CShoListDlg(wxWindow* parent = nullptr);

  // Fills the list from the table, selects line 0 and reads System/DellineSho.
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // The buttons' work once the user has answered: each changes the table copy and refills.
  void AddStyle(const char* mae, int kind, const char* ato, const char* custom);
  void ChangeSelected(const char* mae, int kind, const char* ato, const char* custom);
  void DeleteSelected();
  void MoveSelected(int step);
  // A file with styles replaces the copy; FALSE, after the message, when it has none.
  BOOL ImportFrom(const char* path);
  BOOL ExportTo(const char* path);
  // The OK button's work: writes System/DellineSho and stores the table in the settings file.
  void SaveChoices();

  void Fill(int select);
  int GetSelection() const;

  CShoStrArray m_shoStr;
  int m_bDellineSho = 1;
  int m_bSaveInFile = 0;

 private:
  void OnAdd(wxCommandEvent& event);
  void OnEdit(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnImport(wxCommandEvent& event);
  void OnExport(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);

  wxListBox* m_list;
};
