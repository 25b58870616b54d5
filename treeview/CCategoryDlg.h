#pragma once
// The category list of a document: add, edit, delete and reorder categories, the strings put
// around their names, import and export of category files.
#include <wx/dialog.h>

#include <functional>

#include "model/CCategoryArray.h"

class wxListBox;
class wxTextCtrl;

class CCategoryDlg : public wxDialog {
 public:
  enum {
    IDD = 189,
    IDC_CLOSE = 1,
    IDC_DELETE = 131,
    IDC_UP = 132,
    IDC_DOWN = 133,
    IDC_IMPORT = 134,
    IDC_EXPORT = 136,
    IDC_ADD = 141,
    IDC_EDIT = 143,
    IDC_LIST = 161,
    IDC_BEFORE = 1001,
    IDC_AFTER = 1002,
  };
  // Items refer to categories by number, so every change of positions renumbers them:
  // every item of category index oldIndex gets newIndex (-1: no category). The document passes the
  // outline model's RenumberCategory.
  using Renumber = std::function<void(int oldIndex, int newIndex)>;

  CCategoryDlg(wxWindow* parent, CCategoryArray* categories, Renumber renumber);

  bool TransferDataToWindow() override;
  // Takes the two edits into the list's before and after strings.
  bool TransferDataFromWindow() override;

  // The work of import and export once a file is chosen: load the list from it (refilling the
  // dialog on success), or write the list to it. FALSE after the message of a failure.
  BOOL ImportFrom(const char* path);
  BOOL ExportTo(const char* path);

  int m_bModified = 0;  // set by every change of the list; the caller then refreshes the document
  CCategoryArray* m_pCategories;

 private:
  void FillList(int select);
  int GetSelection() const;
  void RenumberItems(int oldIndex, int newIndex);
  // Exchanges two neighbouring categories and the numbers of their items.
  void Exchange(int index, int other);

  void OnAdd(wxCommandEvent& event);
  void OnEdit(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnUp(wxCommandEvent& event);
  void OnDown(wxCommandEvent& event);
  void OnImport(wxCommandEvent& event);
  void OnExport(wxCommandEvent& event);
  void OnClose(wxCommandEvent& event);

  Renumber m_renumber;
  wxListBox* m_list;
  wxTextCtrl* m_before;
  wxTextCtrl* m_after;
};
