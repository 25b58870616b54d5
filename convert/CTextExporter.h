#pragma once
// The text and one-page HTML export of an outline: a run of trees written to one file as
// indented plain text or as one HTML page, and the per-tree builder that the preview and the RTF
// export use as well. The footnotes it cuts out are gathered in the model's footnote list.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;
class CExportWriter;
class CTextOutputOptions;

class CTextExporter {
 public:
  static constexpr int kLevelCounters = 200;

  // Both are borrowed for the exporter's life; the options as the caller loaded them.
  CTextExporter(ATREE& tree, const CTextOutputOptions& options);

  // Writes items first .. end - 1 to path. FALSE when the write password was refused or the file
  // could not be written (the message shown; an existing file at the path is left as it was).
  BOOL OutputTextFile(int first, int end, const char* path);

  // The text of one item: crlf chooses CR LF or LF line ends, footnoteBefore lets the footnote
  // list come before a tree of depth 1, html the form; bodyStart, when given, receives the length
  // of the heading part.
  CString MakeHtmlArticle(int item, int crlf, int footnoteBefore, int html, int* bodyStart);
  // The footnote block of the model's list, which it empties.
  CString GetFootnoteText();
  // "Shift_JIS" when the document's HTML option asks for it, else "utf-8".
  CString GetHtmlCharset() const;
  // Level numbering starts again for a range beginning at first.
  void ResetLevelCounters(int first);

 private:
  CString MakeHtmlHead(int first);
  CString MakeNumberPrefix(int item, int d);
  // Whether the item is written at all, and the next item after it that is.
  bool IsWritten(int item) const;
  int NextWritten(int item) const;

  ATREE& m_tree;
  const CTextOutputOptions& m_options;
  int m_counters[kLevelCounters] = {};
  int m_nRangeEnd = -1;      // end of the range being exported; -1: the whole outline
  bool m_bLevelLimit = false;  // the depth limit of the options applies (a range export)
  bool m_bWriterMendsLineEnds = false;  // the articles go to a file writer, which writes every line end as CR LF
  // Depths of the trees whose block of children is open in the page, innermost last.
  std::vector<int> m_openBlocks;
};
