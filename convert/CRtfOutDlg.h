#pragma once
// The options of the RTF export: the output file, only the selected tree, level fonts counted
// from the first exported tree, and where pages break. OK stores the three options in settings
// section "RtfOut", where the export reads them; the file name goes back to the caller.
#include <wx/dialog.h>

#include <functional>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"


class CRtfOutDlg : public wxDialog {
 public:
  enum {
    IDD = 145,
    IDC_PRINT_FONTS = 3,
    IDC_SELECT_TREE = 104,
    IDC_BROWSE = 106,
    IDC_PREVIEW = 114,
    IDC_FILE_NAME = 117,
    IDC_TEXT_FORMAT = 229,
    IDC_NAME_FROM_DOC = 283,
    IDC_PAGE_FEED = 312,
    IDC_FONT_LEVEL_REL = 313,
  };
  static constexpr DWORD kHelpTopic = 174;

  explicit CRtfOutDlg(wxWindow* parent);
  // Reads the three options from the settings, shows them and runs the dialog; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  BOOL m_bPreview = FALSE;  // left by "出力してプレビュー(&P)"
  CString m_strDocPath;     // the document's path; empty for a document never saved
  CString m_strFileName;
  int m_nSelectTree = 1;
  int m_nPageFeed = 0;
  int m_nFontLevelRel = 0;
  // The print-font dialog over the level fonts, which the tree pane's layer supplies; the button
  // "フォント(印刷形式と共通)..." is disabled without it.
  std::function<void(wxWindow* parent)> m_editLevelFonts;

 protected:
  // Asks for the file to write, starting from the last one chosen; FALSE when none was chosen.
  virtual BOOL ChooseFile(CString& path);
  // The text-output format as a pure settings dialog.
  virtual void OnTextFormat();

 private:
  void OnBrowse(wxCommandEvent& event);
  void OnNameFromDocument(wxCommandEvent& event);
  void OnPrintFonts(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);
  void OnPreview(wxCommandEvent& event);
};
