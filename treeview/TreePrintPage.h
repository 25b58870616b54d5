#pragma once
// The printed pages of an outline: a header band, the items (titles alone, drawn as the tree
// shows them, or titles with their texts in columns) and a footer band. Pages are found as they
// are asked for: laying out page k records where page k + 1 starts, so showing a page lays out only
// the pages before it. Everything is measured and drawn through a canvas, so the layout does not
// depend on a printer.
#include <ctime>
#include <vector>

#include "foundation/TabbedText.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;

// The ten print fonts in their order: item titles by level index 0-6, the texts, header, footer.
enum TreePrintFont {
  kPrintFontLevel0 = 0,
  kPrintFontLevel6 = 6,
  kPrintFontText = 7,
  kPrintFontHeader = 8,
  kPrintFontFooter = 9,
  kPrintFontCount = 10
};

class TreePrintCanvas : public TabbedTextCanvas {
 public:
  // Makes one of the ten fonts current, with its colour, or with colour when it is not -1.
  virtual void SelectFont(int font, COLORREF colour) = 0;
  // CharWidth measures in the current font.
  virtual int FontHeight() = 0;
  virtual int AveCharWidth() = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  // The check bitmap of a checked title, size units square.
  virtual void DrawCheckBitmap(int x, int y, int size) = 0;
};

// What a print job takes from the settings, the document and the panes.
struct TreePrintSettings {
  int bunsho = 1;      // print the texts
  int page = 0;        // page number: 0 none, 1 in the header, 2 in the footer
  int lineHeight = 0;  // extra room under a title line; -1 half a line
  int pageMode = -1;   // -1 no breaks, 0 one item a page, n a new page for every item down to level n
  int titleMargin = 0;
  int columns = 1;
  int indent = 0;     // texts indented by level
  int indentSho = 0;  // texts indented by the heading number's width
  int treeColor = 0;  // titles in the items' own tree colours
  int checkPrint = 1;
  int checkBmp = 0;
  CString checkText = "○";  // the check mark printed when the bitmap is off: the pane's mark text
  int fontRel = 1;          // level fonts counted from the start item
  int chapterDisplay = 0;   // titles without the outline's lines
  int showNumbers = 0;      // titles alone carry their heading numbers as the tree shows them
  int titleFirstLine = 0;   // texts begin with their title, which is not printed twice
  int tabSpace = 8;
  CString header;
  CString footer;
  int headerLine = 1;
  int footerLine = 1;
  COLORREF colours[kPrintFontCount] = {};
};

// "&p" becomes the page number, then the text is a date-time format of the moment given.
CString ExpandHeaderText(const char* text, int page, const std::tm& now);

class TreePrintJob {
 public:
  // Prints the items [start, end) of the model, whose rows must show every item.
  TreePrintJob(const ATREE& model, int start, int end, TreePrintSettings settings);

  // Lays out the pages that come before page (from 1) on pages of this rectangle; FALSE when
  // the outline ends before it.
  BOOL PaginateTo(TreePrintCanvas& canvas, const RECT& page, int pageNumber);
  // Draws the page, laying out the pages before it first; FALSE when there is no such page.
  BOOL PrintPage(TreePrintCanvas& canvas, const RECT& page, int pageNumber, const std::tm& now);
  // Pages whose start is known: every page laid out so far and the one after it.
  int GetKnownPages() const { return static_cast<int>(m_starts.size()); }
  // Pages measured or drawn, counted once each.
  int GetLaidOutPages() const { return m_nLaidOut; }
  // Whether the last known page is the outline's last.
  BOOL IsComplete() const { return m_bComplete; }

  struct PageStart {
    int item;
    int offset;  // into the item's printed text; 0 begins with the title
  };
  const std::vector<PageStart>& GetPageStarts() const { return m_starts; }

 private:
  // Runs page pageNumber from its known start; draws only with draw set.
  void RunPage(TreePrintCanvas& canvas, RECT rect, int pageNumber, bool draw, const std::tm& now);
  void PrintHeader(TreePrintCanvas& canvas, RECT& rect, int pageNumber, bool draw, const std::tm& now);
  void PrintFooter(TreePrintCanvas& canvas, const RECT& rect, int pageNumber, bool draw, const std::tm& now);
  void PrintTitles(TreePrintCanvas& canvas, const RECT& rect, bool draw);
  void PrintColumns(TreePrintCanvas& canvas, const RECT& rect, bool draw);
  // One item in a column from the current offset; FALSE when the column is full before it ends.
  BOOL PrintItemWithBody(TreePrintCanvas& canvas, const RECT& column, int& y, bool first, bool draw);
  // Draws the item's text from the current offset; FALSE when the column ends first.
  BOOL PrintBodyText(TreePrintCanvas& canvas, const CString& text, int left, int right, int& y, int bottom,
                     bool draw);
  // The level font and colour of an item.
  void SelectItemFont(TreePrintCanvas& canvas, int item);
  // The room a checked title's mark takes before it: the bitmap's, or the mark text's.
  int CheckWidth(TreePrintCanvas& canvas) const;
  // The item after the current one at which this page's run stops.
  int StopItem() const;
  CString BodyText(int item) const;

  const ATREE& m_model;
  int m_nStart;
  int m_nEnd;
  TreePrintSettings m_settings;
  std::vector<PageStart> m_starts;
  int m_nLaidOut = 0;
  BOOL m_bComplete = FALSE;
  int m_nCurItem = 0;
  int m_nCurOffset = 0;
};

// Where a text line that is wider than width breaks: whole characters that fit (at least one),
// moved by the line-breaking settings (word wrap, forbidden first and last characters).
int BreakPrintLine(TreePrintCanvas& canvas, const char* text, int length, int width, int tabWidth);
