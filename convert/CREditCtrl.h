#pragma once
// The rich-text document that the RTF export builds and writes: text in runs of character
// formats, a selection, a default format, and a writer that streams the whole as RTF (Shift JIS
// text as \'xx escapes under the Japanese charset) or as plain text. Two plain-text markers that
// the exporter inserts, "\page\" and "\paperw11907\paperh16840\", become the RTF words for a page
// break and A4 paper on the way out.
#include <string>
#include <vector>

#include "convert/CCharFormat.h"
#include "platform/desktop/CFont.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

#define SF_TEXT 0x0001
#define SF_RTF 0x0002

class CREditCtrl {
 public:
  CREditCtrl();

  // Positions are byte offsets into the whole text; -1 as end means the end of the text.
  void SetSel(long start, long end);
  void GetSel(long& start, long& end) const;
  CString GetText() const;
  // Replaces the selection by the text, which takes the format of the character before it; the
  // caret ends after the text.
  void ReplaceSel(const char* text);

  // The format common to the whole selection: a mask bit is set only where every selected
  // character agrees (for an empty selection, the format of the character before the caret).
  CCharFormat GetSelectionCharFormat() const;
  // The attributes named by the mask go to every selected character.
  void SetSelectionCharFormat(const CHARFORMAT& format);
  const CCharFormat& GetDefaultCharFormat() const { return m_cfDefault; }
  void SetDefaultCharFormat(const CHARFORMAT& format);

  void SetDefaultFont(const CFont& font, COLORREF color);
  void SetSelectionFont(const CFont& font);
  void SetSelectionColor(COLORREF color);
  void ToggleSelectionBold();
  void SetSelectionBold(BOOL on);
  // Replaces the selection by the text in the given font, or without one in the font of the
  // default format, and leaves the caret after it.
  void InsertText(const char* text, const CFont* font = nullptr);

  // Writes the document: format -1 follows the extension ("rtf" in any case gives RTF, anything
  // else plain text), 0 is RTF, any other value plain text. FALSE, with the message shown, when
  // the file cannot be created or written; an existing file at the path then stays as it was.
  BOOL SaveFile(const char* path, int format = -1);
  // The whole document as the writer streams it in the given form (SF_RTF or SF_TEXT).
  std::string StreamOut(int streamFormat) const;

  BOOL GetModify() const { return m_bModified; }
  void SetModify(BOOL modified) { m_bModified = modified; }

 private:
  struct Run {
    std::string text;
    CHARFORMAT format;
  };
  // Index of the run that starts at pos, splitting the run that holds it.
  size_t SplitAt(long pos);
  const CHARFORMAT& FormatBefore(long pos) const;

  std::vector<Run> m_runs;
  CCharFormat m_cfDefault;
  CFont m_font;  // the last font made from the default format
  long m_nLength = 0;
  long m_nSelStart = 0;
  long m_nSelEnd = 0;
  BOOL m_bModified = FALSE;
};
