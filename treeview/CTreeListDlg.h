#pragma once
// A list of items with their updated and last-displayed times, the path and text of the selected
// one beside it, and a jump to the chosen item.
#include <wx/dialog.h>

#include <vector>

#include "platform/base/CString.h"

class ATREE;
class CDirData;
class wxListCtrl;
class wxListEvent;
class wxStaticText;
class wxTextCtrl;

class CTreeListDlg : public wxDialog {
 public:
  enum { IDD = 1557, IDC_PATH = 1035, IDC_TEXT = 223, IDC_LIST = 161 };

  // Both are borrowed for the dialog's life.
  CTreeListDlg(wxWindow* parent, const std::vector<const CDirData*>& items, const ATREE& tree);

  // The path label's text of an item path: without its first part, the levels joined by " > ".
  static CString PathLabel(const CString& path);
  // The row shown in the path label and text; the selection moves there too.
  void ShowRow(int row);

  CString m_strCaption;  // empty keeps "最新更新ツリー一覧"
  int m_nResult = -1;     // after "ジャンプ": the chosen item's index in the model

  bool TransferDataToWindow() override;

 private:
  void OnItemChanged(wxListEvent& event);
  void OnActivated(wxListEvent& event);
  void OnJump(wxCommandEvent& event);

  const std::vector<const CDirData*>& m_items;
  const ATREE& m_tree;
  wxListCtrl* m_list;
  wxStaticText* m_path;
  wxTextCtrl* m_text;
};
