#pragma once
// The pages whose main control is a list of records (unbreakable words, highlight rules): a report
// list with one column, an image per row, labels edited in place, Add and Delete, and a master
// check box that enables the whole list. F2 edits the selected row, F9 or a click on a row's image
// steps it, Insert adds and Delete removes.
#include "control/pages/CWrilaPage.h"

class wxListCtrl;
class wxListEvent;

class CListPage : public CWrilaPage {
 public:
  enum : int { IDC_LIST = 119, IDC_LIST_ADD = 123, IDC_LIST_DELETE = 121, IDC_LIST_HINT = 1028 };
  // Images of the rows: an unchecked and a checked box, and one square per highlight colour.
  enum : int { IMAGE_OFF = 1, IMAGE_COLOR0 = 2, IMAGE_ON = 7 };

  CListPage(const char* title, int masterId, int maxLabelBytes) : CWrilaPage(title), m_masterId(masterId), m_maxLabelBytes(maxLabelBytes) {}

  HRESULT Deactivate() override;

 protected:
  // Adds the master box, the list (with its column header), the buttons and the hint to column.
  void CreateList(wxWindow* page, wxSizer* column, const char* master, const char* header, const char* hint);
  // Fills the list from the records, selecting row `select`.
  void RefillList(int select);
  int SelectedRow() const;
  void SelectRow(int row);

  virtual int RowCount() const = 0;
  virtual CString RowText(int row) const = 0;
  virtual int RowImage(int row) const = 0;
  virtual bool CanEdit(int row) const { return row >= 0; }
  virtual void SetRowText(int row, const CString& text) = 0;
  // F9 or a click on the image.
  virtual void StepRow(int row) = 0;
  // Appends a record and answers its row.
  virtual int AddRecord() = 0;
  virtual bool CanDelete(int row) const { return row >= 0; }
  virtual void DeleteRecord(int row) = 0;
  // A row was selected (or -1: none).
  virtual void RowSelected(int) {}

  void UpdateEnabling() override;
  // Cuts text to at most `bytes` bytes without splitting a double-byte character.
  static CString CutLabel(const CString& text, int bytes);

 private:
  // Ends a label edit that is under way without taking its text.
  void CancelEdit();
  void OnKey(wxKeyEvent& event);
  void OnEndEdit(wxListEvent& event);
  void Add();
  void Delete();
  void Step(int row);

  int m_masterId;
  int m_maxLabelBytes;
  wxListCtrl* m_list = nullptr;
};
