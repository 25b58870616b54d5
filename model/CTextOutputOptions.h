#pragma once
// Every choice that shapes the text and one-page HTML export: numbering, indentation, wrapping,
// blank lines, title marks, which parts of a tree are written, footnote marks and the HTML
// switches. Reloaded from the settings before each export, so what the option dialogs store is what
// the next export uses. The text-layout part can also be kept in option-set files of the user's.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CTextOutputOptions {
 public:
  // Section "Text" of the application's settings file, then the "Mark" and "Footnote" keys.
  void Load();
  // The nineteen "Text" members from section "Text" of an ini file; a missing key gives its default.
  void LoadText(const char* iniPath);
  // FALSE when a key could not be written.
  BOOL SaveText(const char* iniPath) const;
  // The fifteen text-layout values an option-set file carries (the HTML switches are not taken).
  void CopyLayoutFrom(const CTextOutputOptions& other);

  // The application's settings file, where Load reads section "Text" and the dialogs write it.
  static CString GetSettingsPath();

  int m_nSpace = 0;       // blank line after every heading and text block
  int m_nTSpace = 0;      // blank lines around the trees of the top two levels
  int m_nWidth = 80;      // wrap width in bytes
  int m_nForm = 0;        // 0 row number, 1 level numbers joined by ShowStr, 2 none (indented), 3 none
  int m_nIndent = 0;      // 0 spaces with wrapping, 1 tabs with wrapping, 2 none
  CString m_strShowStr = "-";
  CString m_strCheckMark;
  CString m_strStrikeMark;
  CString m_strCheckStrikeMark;
  CString m_strPlainMark;
  int m_nFootnotePosition = 0;  // 0 end of output, 1 before each depth-1 tree, 2 after every tree
  int m_nDellineOut = 1;
  int m_nSpaceNo = 2;
  int m_nIndentPos = 0;  // text block start: 0 end of number, 1 the same without blanks, 2 start, 3 start + tab
  int m_nEditOut = 1;
  int m_nFileOut = 0;
  int m_nSelectOnly = 0;
  int m_nHtml = 0;
  int m_nLevel = 0;  // 0 all depths, else the deepest depth written
  int m_nTabNo = 8;
  CString m_strNumberOpen = "(";
  CString m_strNumberClose = ") ";
  CString m_strFootnoteTitle;
  CString m_strStartMark = "<<<";
  CString m_strEndMark = ">>> ";
  CString m_strRefOpen = "(";
  CString m_strRefClose = ")";
  int m_nJQuery = 1;
  int m_nCssSet = 1;
  CString m_strCssColor = "#0066cc";
  int m_nHtmlEscape = 1;
};
