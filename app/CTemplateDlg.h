#pragma once
// A document's list of text templates: add, modify, delete and reorder the entries, make one the
// standard template (the first), open a template file for editing. The text pane also uses it to
// pick the template to insert.
#include <wx/dialog.h>

#include <vector>

#include "model/CDocProperties.h"

class wxListBox;

class CTemplateDlg : public wxDialog {
 public:
  enum {
    IDD = 156,
    IDC_LIST = 110,
    IDC_DELETE = 131,
    IDC_EDIT = 132,
    IDC_UP = 133,
    IDC_DOWN = 135,
    IDC_ADD = 141,
    IDC_DELETE_ALL = 234,
    IDC_STANDARD = 259,
    IDC_EDIT_FILE = 260,
  };

  // The dialog edits the caller's list in place.
  CTemplateDlg(wxWindow* parent, std::vector<CTemplateFile>* templates);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  std::vector<CTemplateFile>* m_pTemplates;
  int m_nSel = -1;  // the selected row; the caller reads it after OK

 private:
  void OnInitDialog(wxInitDialogEvent& event);
  void FillList();
  // Exchanges two entries and follows the moved one with the selection.
  void Exchange(int row, int other);

  void OnAdd(wxCommandEvent& event);
  void OnEdit(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnUp(wxCommandEvent& event);
  void OnDown(wxCommandEvent& event);
  void OnStandard(wxCommandEvent& event);
  void OnEditFile(wxCommandEvent& event);
  void OnDeleteAll(wxCommandEvent& event);
  void OnDoubleClick(wxCommandEvent& event);

  wxListBox* m_list;
};
