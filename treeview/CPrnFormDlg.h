#pragma once
// The print-format options of tree printing: texts or not, page numbers, header and footer with
// their rules, the selected tree only, columns, indents, check marks, line margin, page breaks,
// struck-through trees, relative level fonts and tree colours. They live as keys of section
// "Print" of an ini file: the settings file, or a print-format file the user saves and loads.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CFont;

class CPrnFormDlg : public wxDialog {
 public:
  enum {
    IDD = 115,
    IDC_FONTS = 3,
    IDC_TEXT_NO = 141,
    IDC_TEXT_YES = 142,
    IDC_FOOTER = 144,
    IDC_PAGE_NONE = 145,
    IDC_PAGE_HEADER = 146,
    IDC_PAGE_FOOTER = 147,
    IDC_HEADER = 148,
    IDC_SAVE = 155,
    IDC_LOAD = 156,
    IDC_SELECTED = 163,
    IDC_INDENT = 164,
    IDC_INDENT_SHO = 165,
    IDC_COLUMNS = 170,
    IDC_CHECK_PRINT = 171,
    IDC_KINSOKU = 196,
    IDC_HLINE = 184,
    IDC_FLINE = 185,
    IDC_CHECK_BMP = 230,
    IDC_LINE_MARGIN = 275,
    IDC_PAGE_MODE = 276,
    IDC_DELLINE_OUT = 280,
    IDC_FONT_REL = 313,
    IDC_TREE_COLOR = 314,
  };

  explicit CPrnFormDlg(wxWindow* parent);

  // Every key of section "Print" of the ini file, with its default when missing.
  void LoadSettings(const char* path);
  // FALSE when a key could not be written. "FontZoom" is always written as 2.
  BOOL SaveSettings(const char* path) const;

  bool TransferDataToWindow() override;
  // FALSE, after the range message, when the columns are not 1 to 10.
  bool TransferDataFromWindow() override;

  int m_nBunsho = 1;
  int m_nPage = 0;
  CString m_strHeader;
  int m_bHLine = 1;
  CString m_strFooter;
  int m_bFLine = 1;
  int m_bSelected = 0;
  int m_nDangumi = 1;
  int m_bIndent = 0;
  int m_bIndentSho = 0;
  int m_bCheckPrint = 1;
  int m_nCheckBmp = 0;
  int m_nLineHeight = 0;  // -1 "自動"
  int m_nPageMode = -1;   // -1 no breaks, 0 every tree, n by level n
  int m_bDellineOut = 1;
  int m_bFontRel = 1;
  int m_bTreeColor = 0;
  // Set by the caller while the document shows only checked or only unchecked trees.
  int m_bCheckFilter = 0;
  // The caller's ten print fonts and colours, which the font button edits in place; without them
  // the button is disabled.
  CFont* m_pFonts = nullptr;
  COLORREF* m_pColors = nullptr;

 protected:
  // The file choosers of the save and load buttons; FALSE when cancelled.
  virtual BOOL ChooseSaveFile(CString& path);
  virtual BOOL ChooseLoadFile(CString& path);

 private:
  void UpdateEnabling();
  void OnSave(wxCommandEvent& event);
  void OnLoad(wxCommandEvent& event);
};
