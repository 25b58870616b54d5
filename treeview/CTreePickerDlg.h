#pragma once
// The pickers that show a whole outline as a tree: pick one tree to link to, pick where a tree
// moves to, tick several trees to delete together. The caller sets the model and the start item,
// runs ShowModal and reads the result after wxID_OK; the model is borrowed while the picker is open.
#include <wx/dialog.h>

#include <memory>

#include "platform/base/CUIntArray.h"
#include "platform/base/WinTypes.h"
#include "treeview/OutlineTreeItems.h"

class ATREE;
class CTreeCtrl;
class wxSizer;
class wxTreeCtrl;

// What the three pickers share: the model's items filled into tree control 220.
class CTreePickerDlg : public wxDialog {
 public:
  enum { IDC_TREE = 220 };
  ~CTreePickerDlg() override;

  ATREE* m_pTree = nullptr;
  int m_nIndex = 0;  // in: the item selected at the start; out: the item chosen

  wxTreeCtrl* GetTreeWindow() const;
  // The model's trees in the tree control, once the dialog has started.
  OutlineTreeItems& GetTreeItems() { return m_items; }

 protected:
  CTreePickerDlg(wxWindow* parent, const char* caption, long treeStyle);
  // The tree control and the OK/Cancel row, with extra (may be null) between them.
  void LayOut(wxSizer* extra);
  // Fills the tree with the model's items and selects the start item.
  virtual void OnInitDialog(wxInitDialogEvent& event);
  // Takes the chosen item out of the tree; ends the dialog with wxID_OK.
  virtual void OnOK(wxCommandEvent& event);

  std::unique_ptr<CTreeCtrl> m_tree;
  OutlineTreeItems m_items;
};

// Picks the tree that a link points to.
class CTreeRefDlg : public CTreePickerDlg {
 public:
  enum { IDD = 148 };
  explicit CTreeRefDlg(wxWindow* parent);
};

// Picks where the selected tree moves to: below the chosen tree, or after it on its level.
class CTreeMoveDlg : public CTreePickerDlg {
 public:
  enum { IDD = 160, IDC_SAMELEVEL = 147 };
  explicit CTreeMoveDlg(wxWindow* parent);

  BOOL m_bSameLevel = FALSE;

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;
};

// Ticks any number of trees.
class CTreeMultiDlg : public CTreePickerDlg {
 public:
  enum { IDD = 198 };
  explicit CTreeMultiDlg(wxWindow* parent);

  // Out after OK: the indexes of the ticked trees, ascending.
  CUIntArray m_checkArray;

  // Ticks or clears the tree item of a model item.
  void SetCheck(int item, BOOL check);
  BOOL GetCheck(int item) const;

 protected:
  void OnInitDialog(wxInitDialogEvent& event) override;
  void OnOK(wxCommandEvent& event) override;
};
