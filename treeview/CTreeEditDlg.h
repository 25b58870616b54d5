#pragma once
// The item dialog of the tree pane: the title of a tree and its attributes (link, title output,
// category, colour mark, bold, tree and mark colours), with the link's file browsed, picked from an
// outline, opened, created, moved to the trash or cleared. The caller fills the members before
// ShowModal and reads them back after wxID_OK; the dialog only edits its own members.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CKestaEdit;
class CKestavonDoc;
class COwnerListBox;
class wxChoice;

class CTreeEditDlg : public wxDialog {
 public:
  enum {
    IDD = 102,
    IDC_TITLE = 103,
    IDC_OPEN = 106,
    IDC_CREATE = 107,
    IDC_LINK = 117,
    IDC_DELETE = 131,
    IDC_RELEASE = 132,
    IDC_DATE = 148,
    IDC_HELPBUTTON = 150,
    IDC_BOLD = 160,
    IDC_RENZOKU = 249,
    IDC_OUTPUT = 267,
    IDC_ADDPOS = 268,
    IDC_ADDPOS_LABEL = 281,
    IDC_CATEGORY = 290,
    IDC_BROWSE = 301,
    IDC_TREELINK = 302,
    IDC_TREECOLOR = 308,
    IDC_COLORMARK = 309,
    IDC_MARKCOLOR = 310,
    IDC_INFO = 316,
  };
  // The caption with which the tree pane adds a child: the dialog then has no add position.
  static constexpr const char* kChildCaption = "ツリーの追加 - 下の階層";

  explicit CTreeEditDlg(wxWindow* parent);
  ~CTreeEditDlg() override;

  // Splits an item's status word into the title-output index, the category and bold.
  void SetStatus(DWORD status);
  // The status bits of a title-output index (0-3): 0, 4, 12 or 28.
  static DWORD OutputBits(int output);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // Enables the link buttons for the link the controls hold now.
  void UpdateLinkButtons();
  // The link as a path to open: a tree link's file, a relative link put after the document's
  // folder ("\" read as "/"). A relative link of an unsaved document stays as it is, after a message.
  CString GetLinkFullPath();
  // Writes a new link file at path: a one-tree outline for ".kvn", else the title and/or the item
  // text as the flags say. FALSE after the message when it cannot be created; an existing file is
  // kept (after its message) and counts as done.
  BOOL WriteNewLinkFile(const char* path, BOOL title, BOOL body);

  // Set by the caller before the dialog is shown.
  CString m_strDocPath;  // the document's full path; empty while it was never saved
  CString m_strText;     // the item's text, for a new link text file
  CString m_strCaption;  // empty: "ツリーの編集"
  // Out after OK: title-output bits, bold (32) and category (bits 16-23).
  DWORD m_nStatus = 0;
  int m_nInitOutput = 0;  // the title-output index when the dialog opened
  int m_nCategory = 0;    // 0: none, else the 1-based number in the document's category list
  COLORREF m_crTree = 0;
  COLORREF m_crMark = 0;
  CString m_strUpdate;  // display texts of the updated and created times; empty when not set
  CString m_strCreate;
  // The document whose categories are offered and whose outline a same-file tree link points
  // into (its current item being the start for an empty link), and the tree pane's list box, for
  // placing the dialog beside the selected row and for the title's font. Either may be null.
  CKestavonDoc* m_pDoc = nullptr;
  COwnerListBox* m_pListBox = nullptr;

  // Exchanged with the controls.
  CString m_strTitle;
  CString m_strLink;
  BOOL m_bRenzoku = FALSE;
  int m_nOutput = 0;  // 0-3
  int m_nAddPos = 1;  // 0 first child, 1 last child
  int m_nColorMark = 0;
  BOOL m_bBold = FALSE;
  CString m_strInfo;

 private:
  void OnInitDialog(wxInitDialogEvent& event);
  // Where the dialog opens, by View/TreeEditPos; height is the dialog's height after a shrink.
  void PlaceDialog(int height);
  void FillCategories();
  void OnBrowse(wxCommandEvent& event);
  void OnTreeLink(wxCommandEvent& event);
  void OnOpen(wxCommandEvent& event);
  void OnCreate(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnRelease(wxCommandEvent& event);
  void OnDate(wxCommandEvent& event);
  void OnTreeColor(wxCommandEvent& event);
  void OnMarkColor(wxCommandEvent& event);
  void OnLinkChange(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);
  void OnCancel(wxCommandEvent& event);

  CKestaEdit* m_editTitle;
  CKestaEdit* m_editLink;
  wxChoice* m_comboCategory;
};
