#pragma once
// The text output format: how the text and one-page HTML export number, indent, wrap and space the
// trees, which parts they write, and the option-set files that keep a layout. OK stores the
// dialog's values in section "Text" of the settings; the two output buttons also tell the calling
// command to write a file or copy the text afterwards.
#include <wx/dialog.h>

#include "model/CTextOutputOptions.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CFormDlg : public wxDialog {
 public:
  enum {
    IDD = 101,
    IDC_FILE_OUT = 103,
    IDC_SELECT_ONLY = 104,
    IDC_EDIT_OUT = 105,
    IDC_DELLINE_OUT = 106,
    IDC_SPACE_NO = 110,
    IDC_WIDTH = 119,
    IDC_TSPACE = 120,
    IDC_SPACE = 121,
    IDC_FORM = 122,
    IDC_INDENT = 123,
    IDC_TAB_NO = 124,
    IDC_HTML = 125,
    IDC_INDENT_POS = 126,
    IDC_SET_IMPORT = 134,
    IDC_SET_EXPORT = 136,
    IDC_SHOW_STR = 139,
    IDC_HELP_BUTTON = 150,
    IDC_KINSOKU = 196,
    IDC_CSS = 271,
    IDC_WRITE_FILE = 277,
    IDC_COPY_TEXT = 278,
    IDC_LEVEL = 314,
    IDC_HTML_ESCAPE = 363,
  };
  enum CloseMode { CLOSE_SAVE = 0, CLOSE_WRITE_FILE = 1, CLOSE_COPY_TEXT = 2 };
  static constexpr DWORD kHelpTopic = 20;

  // fromTextOutput: opened by the text-output command, which alone offers the two output buttons.
  CFormDlg(wxWindow* parent, BOOL fromTextOutput);
  // Loads the options, runs the dialog and stores them on OK; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  // FALSE, with the message shown, when a number field holds no integer or the width is out of range.
  bool TransferDataFromWindow() override;

  CTextOutputOptions m_options;
  int m_nCloseMode = CLOSE_SAVE;

 protected:
  // Asks for an option-set file to save (save TRUE) or to load, starting in folder.
  virtual BOOL ChooseSetFile(BOOL save, const char* folder, CString& path);

 private:
  void OnOK(wxCommandEvent& event);
  void OnCloseWith(int mode);
  void OnSetExport(wxCommandEvent& event);
  void OnSetImport(wxCommandEvent& event);

  BOOL m_bFromTextOutput;
};
