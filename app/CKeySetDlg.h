#pragma once
// The key table: every binding of a customisable command with its key, to add, change, delete,
// load from and save to a key file. OK saves the table to its key file. In the read-only mode it
// only lists the keys of the text area.
#include <wx/dialog.h>

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CKeyListBox;
class CKeycust;
class CKeycustArray;
class CPelkoSettings;
class wxCheckBox;
class wxMenuBar;

class CKeySetDlg : public wxDialog {
 public:
  enum {
    IDD = 183,
    IDC_SAVE_CLOSE = 1,
    IDC_DELETE = 131,
    IDC_ADD = 141,
    IDC_CHANGE = 143,
    IDC_SAVEAS = 155,
    IDC_LOAD = 156,
    IDC_LIST = 159,
    IDC_CONTROL_PRECEDENCE = 233,
  };
  enum { MODE_EDIT = 0, MODE_LIST = 1 };

  CKeySetDlg(wxWindow* parent, CKeycustArray& table, const std::vector<CString>& commandNames,
             const std::vector<UINT>& commandIds, CPelkoSettings& settings, int mode = MODE_EDIT);

  // IDOK after the save button (or the close button of the read-only mode), else IDCANCEL.
  int DoModal();

  // The work of the buttons once the user has chosen (the binding dialog answered, the file
  // picked): each changes the table itself and refills the list.
  void AddBinding(const CKeycust& binding);
  void ChangeSelected(const CKeycust& binding);
  void DeleteSelected();
  BOOL LoadFrom(const char* path);
  BOOL SaveTo(const char* path);
  // The save button: takes the check box, writes it to System/KeycustWrila and saves the table
  // to its key file (a failure is told; the dialog closes all the same).
  void SaveAndClose();

  void Fill();
  CKeyListBox* GetList() const { return m_list; }

  int m_bControlPrecedence = 0;  // preset by the caller; the user's choice after IDOK
  wxMenuBar* m_pMenu = nullptr;   // the menus whose item texts follow the bindings; set by the caller

 private:
  void SetMenuKeyText(const char* keyText, UINT command);
  void ChangeBinding(CKeycust* target, const CKeycust& binding);
  void OnAdd(wxCommandEvent& event);
  void OnChange(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnLoad(wxCommandEvent& event);
  void OnSaveAs(wxCommandEvent& event);
  void OnSaveClose(wxCommandEvent& event);

  CKeycustArray& m_table;
  const std::vector<CString>& m_commandNames;
  const std::vector<UINT>& m_commandIds;
  CPelkoSettings& m_settings;
  int m_nMode;
  CKeyListBox* m_list;
  wxCheckBox* m_precedence;
};
