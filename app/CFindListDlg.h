#pragma once
// The search list: every tree a search found, the text of the chosen one with the found words
// marked in blue bold, stepping from mark to mark, and the tree to jump to. The list of hit titles
// marks the search word in them as well.
#include <wx/dialog.h>

#include <utility>
#include <vector>

#include "foundation/IRegExp.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;
class CDirData;
class CWordListBox;
class wxStaticText;
class wxTextCtrl;

class CFindListDlg : public wxDialog {
 public:
  enum { IDD = 149, IDC_PATH = 1035, IDC_TEXT = 223, IDC_LIST = 224, IDC_NEXT_MARK = 113 };

  // The model whose search found the hits (its search word and options are used for the marks);
  // the hits in document order.
  CFindListDlg(wxWindow* parent, ATREE* tree, std::vector<const CDirData*> hits);
  ~CFindListDlg() override;

  // The index of the tree to jump to, after OK.
  int m_nResult = -1;
  // A mark stands in the shown text: the hit lies in the text.
  BOOL m_bFound = FALSE;
  BOOL m_bMarkWords = TRUE;

  // The list's line for a title: the last part of the path, cut before its last byte 0x02.
  static CString ListTitle(const CString& path);
  // The marks of the shown hit: byte offset and length in its text.
  const std::vector<std::pair<int, int>>& GetMarks() const { return m_marks; }
  wxTextCtrl* GetTextView() const { return m_text; }
  void ShowHit(int index);

 private:
  void FindMarks(const CString& text);
  void FindRegExpMarks(const CString& text);
  void OnSelect(wxCommandEvent& event);
  void OnDoubleClick(wxCommandEvent& event);
  void OnJump(wxCommandEvent& event);
  void OnNextMark(wxCommandEvent& event);
  void OnTextRightUp(wxMouseEvent& event);
  void SelectMark(size_t index);

  ATREE* m_pTree;
  std::vector<const CDirData*> m_hits;
  CString m_strSearch;
  BOOL m_bRegExp;
  IRegExp m_regExp;
  CString m_strShown;                       // the shown hit's text
  std::vector<std::pair<int, int>> m_marks;  // of the shown text
  wxStaticText* m_path;
  wxTextCtrl* m_text;
  CWordListBox* m_list;
  bool m_bInit = false;
};
