#include "treeview/TreePrintPage.h"

#include <algorithm>
#include <cstring>

#include "app/CKinsokuSettings.h"
#include "foundation/TabbedText.h"
#include "model/ATREE.h"
#include "platform/base/TimeFormat.h"

namespace {

bool IsLineEnd(char ch) { return ch == '\r' || ch == '\n'; }
bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsAlnum(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The start of the character that ends just before offset.
int PrevCharStart(const char* text, int offset) {
  int i = 0;
  int prev = 0;
  while (i < offset) {
    prev = i;
    i += CharBytesAt(text, i, offset);
  }
  return prev;
}

// A title wrapped at its last blank before the edge, as a word-breaking text box does; the
// lines' starts and lengths.
std::vector<std::pair<int, int>> WrapTitle(TreePrintCanvas& canvas, const CString& title, int width) {
  std::vector<std::pair<int, int>> lines;
  const char* s = title.GetString();
  const int length = title.GetLength();
  int pos = 0;
  do {
    const int rest = length - pos;
    int piece = FittingPrefix(canvas, s + pos, rest, width, 0);
    if (piece < rest) {
      int lastBlank = 0;
      for (int i = 0; i < piece; i += CharBytesAt(s + pos, i, rest))
        if (s[pos + i] == ' ') lastBlank = i;
      if (lastBlank > 0) piece = lastBlank;
      if (piece == 0) piece = CharBytesAt(s + pos, 0, rest);
    }
    lines.emplace_back(pos, piece);
    pos += piece;
    while (pos < length && s[pos] == ' ') ++pos;
  } while (pos < length);
  return lines;
}

}  // namespace

CString ExpandHeaderText(const char* text, int page, const std::tm& now) {
  CString expanded(text);
  CString number;
  number.Format("%d", page);
  expanded.Replace("&p", number);
  return FormatTimeText(now, expanded);
}

int BreakPrintLine(TreePrintCanvas& canvas, const char* text, int length, int width, int tabWidth) {
  const int fit = FittingPrefix(canvas, text, length, width, tabWidth);
  if (fit >= length) return length;
  int pos = fit > 0 ? fit : CharBytesAt(text, 0, length);
  const CKinsokuSettings& kinsoku = GetKinsokuSettings();
  const CString line(text, length);
  if (kinsoku.m_nWordWrap && pos > 0 && IsAlnum(text[pos]) && IsAlnum(text[pos - 1])) {
    int run = pos;
    while (run > 0 && IsAlnum(text[run - 1])) --run;
    if (run > 0) pos = run;
  }
  if (kinsoku.m_bKinFirst && pos < length && !kinsoku.CanBeginLine(line, pos)) {
    pos += CharBytesAt(text, pos, length);  // hangs beyond the edge
  } else if (kinsoku.m_bKinLast && pos > 0 && !kinsoku.CanEndLine(line, pos)) {
    const int prev = PrevCharStart(text, pos);
    if (prev > 0) pos = prev;
  }
  return pos;
}

TreePrintJob::TreePrintJob(const ATREE& model, int start, int end, TreePrintSettings settings)
    : m_model(model), m_nStart(start), m_nEnd(end), m_settings(std::move(settings)) {
  m_settings.columns = std::clamp(m_settings.columns, 1, 10);
  m_starts.push_back({start, 0});
  m_bComplete = start >= end;
}

BOOL TreePrintJob::PaginateTo(TreePrintCanvas& canvas, const RECT& page, int pageNumber) {
  const std::tm none{};
  while (GetKnownPages() < pageNumber) {
    if (m_bComplete) return FALSE;
    RunPage(canvas, page, GetKnownPages(), false, none);
  }
  return pageNumber >= 1;
}

BOOL TreePrintJob::PrintPage(TreePrintCanvas& canvas, const RECT& page, int pageNumber, const std::tm& now) {
  if (!PaginateTo(canvas, page, pageNumber)) return FALSE;
  RunPage(canvas, page, pageNumber, true, now);
  return TRUE;
}

void TreePrintJob::RunPage(TreePrintCanvas& canvas, RECT rect, int pageNumber, bool draw, const std::tm& now) {
  m_nCurItem = m_starts[static_cast<size_t>(pageNumber - 1)].item;
  m_nCurOffset = m_starts[static_cast<size_t>(pageNumber - 1)].offset;
  PrintHeader(canvas, rect, pageNumber, draw, now);
  if (m_settings.bunsho)
    PrintColumns(canvas, rect, draw);
  else
    PrintTitles(canvas, rect, draw);
  PrintFooter(canvas, rect, pageNumber, draw, now);
  if (pageNumber == GetKnownPages()) {
    ++m_nLaidOut;
    if (m_nCurItem < m_nEnd)
      m_starts.push_back({m_nCurItem, m_nCurOffset});
    else
      m_bComplete = TRUE;
  }
}

void TreePrintJob::PrintHeader(TreePrintCanvas& canvas, RECT& rect, int pageNumber, bool draw, const std::tm& now) {
  canvas.SelectFont(kPrintFontHeader, m_settings.colours[kPrintFontHeader]);
  const int h = canvas.FontHeight();
  const int width = rect.right - rect.left;
  if (draw && !m_settings.header.IsEmpty()) {
    const CString text = ExpandHeaderText(m_settings.header, pageNumber, now);
    const int tabWidth = 8 * canvas.CharWidth(" ", 1);
    const int textWidth = TabbedTextWidth(canvas, text, text.GetLength(), tabWidth);
    DrawTabbed(canvas, text, text.GetLength(), rect.left + (width - textWidth) / 2, rect.top, tabWidth);
  }
  if (draw && m_settings.page == 1) {
    CString number;
    number.Format("Page -%3d", pageNumber);
    canvas.DrawChars(number, number.GetLength(), rect.right - TabbedTextWidth(canvas, number, number.GetLength(), 0),
                     rect.top);
  }
  rect.top += h + h / 2;
  if (draw && m_settings.headerLine) canvas.DrawLine(rect.left, rect.top - h / 2, rect.right, rect.top - h / 2);
  if (!m_settings.footer.IsEmpty() || m_settings.page == 2 || m_settings.footerLine) {
    canvas.SelectFont(kPrintFontFooter, m_settings.colours[kPrintFontFooter]);
    rect.bottom -= 2 * canvas.FontHeight();
  }
}

void TreePrintJob::PrintFooter(TreePrintCanvas& canvas, const RECT& rect, int pageNumber, bool draw,
                               const std::tm& now) {
  if (!draw) return;
  canvas.SelectFont(kPrintFontFooter, m_settings.colours[kPrintFontFooter]);
  const int h = canvas.FontHeight();
  const int top = rect.bottom + h;
  if (!m_settings.footer.IsEmpty()) {
    const CString text = ExpandHeaderText(m_settings.footer, pageNumber, now);
    DrawTabbed(canvas, text, text.GetLength(), rect.left, top, 8 * canvas.CharWidth(" ", 1));
  }
  if (m_settings.page == 2) {
    CString number;
    number.Format("- %d -", pageNumber);
    const int width = TabbedTextWidth(canvas, number, number.GetLength(), 0);
    canvas.DrawChars(number, number.GetLength(), rect.left + (rect.right - rect.left - width) / 2, top);
  }
  if (m_settings.footerLine) canvas.DrawLine(rect.left, rect.bottom, rect.right, rect.bottom);
}

void TreePrintJob::SelectItemFont(TreePrintCanvas& canvas, int item) {
  int level = m_model.GetLevel(item);
  if (m_settings.fontRel) level -= m_model.GetLevel(m_nStart);
  const int font = std::clamp(level, 0, static_cast<int>(kPrintFontLevel6));
  COLORREF colour = m_settings.colours[font];
  const CDirData* data = m_model.GetDirData(item);
  if (m_settings.treeColor && data->m_nIdDigit) colour = static_cast<COLORREF>(data->m_nIdHigh);
  canvas.SelectFont(font, colour);
}

void TreePrintJob::PrintTitles(TreePrintCanvas& canvas, const RECT& rect, bool draw) {
  canvas.SelectFont(2, m_settings.colours[2]);
  const int u = 2 * canvas.AveCharWidth();
  int y = rect.top;
  bool first = true;
  while (m_nCurItem < m_nEnd) {
    const int item = m_nCurItem;
    SelectItemFont(canvas, item);
    const int fh = canvas.FontHeight();
    const int gap = m_settings.lineHeight == -1 ? fh / 2 : m_settings.lineHeight;
    const int rowIndex = m_model.GetRows().GetRowIndex(item);
    const CTreeData* row = rowIndex >= 0 ? m_model.GetRows().GetTreeData(rowIndex) : nullptr;
    const CString rowText = row ? row->m_strTitle : m_model.GetName(item);
    // The line-art prefix, two bytes a piece.
    const char* s = rowText.GetString();
    int prefix = 0;
    std::vector<char> pieces;
    while (prefix + 1 < rowText.GetLength()) {
      const char* p = s + prefix;
      char kind = 0;
      if (std::strncmp(p, "┃", 2) == 0) kind = '|';
      else if (std::strncmp(p, "┣", 2) == 0) kind = '+';
      else if (std::strncmp(p, "┗", 2) == 0) kind = 'L';
      else if (std::strncmp(p, "━", 2) == 0) kind = '-';
      else if (p[0] == ' ' && p[1] == ' ') kind = ' ';
      if (!kind) break;
      pieces.push_back(kind);
      prefix += 2;
    }
    CString title = rowText.Mid(prefix);
    if (m_settings.showNumbers && row && !row->m_strNumber.IsEmpty()) title = row->m_strNumber + title;
    const int level = m_model.GetLevel(item) - m_model.GetLevel(m_nStart);
    int x = m_settings.chapterDisplay ? rect.left + static_cast<int>(pieces.size()) * u / 2
                                      : rect.left + u / 2 + 2 * u * std::max(level, 0);
    const bool checked = m_settings.checkPrint && (m_model.GetDirData(item)->m_nStatus & 1);
    int checkWidth = 0;
    if (checked) checkWidth = CheckWidth(canvas);
    const auto lines = WrapTitle(canvas, title, std::max(1, static_cast<int>(rect.right - x - checkWidth)));
    const int height = static_cast<int>(lines.size()) * fh + gap;
    // A title taller than the page still goes on a page of its own, cut at its bottom.
    if (!first && y + height > rect.bottom) break;
    if (draw) {
      if (!m_settings.chapterDisplay) {
        const int bottom = y + height;
        const int middle = (y + bottom) / 2;
        const int pieceLeft = rect.left;
        for (size_t k = 0; k < pieces.size(); ++k) {
          const int left = pieceLeft + static_cast<int>(k) * u;
          const int centre = left + u / 2;
          switch (pieces[k]) {
            case '|': canvas.DrawLine(centre, y, centre, bottom); break;
            case '+':
              canvas.DrawLine(centre, y, centre, bottom);
              canvas.DrawLine(centre, middle, left + u, middle);
              break;
            case 'L':
              canvas.DrawLine(centre, y, centre, middle);
              canvas.DrawLine(centre, middle, left + u, middle);
              break;
            case '-': canvas.DrawLine(left, middle, left + u, middle); break;
            default: break;
          }
        }
      }
      if (checked) {
        if (m_settings.checkBmp)
          canvas.DrawCheckBitmap(x, y, 16);
        else
          canvas.DrawChars(m_settings.checkText, m_settings.checkText.GetLength(), x, y);
      }
      for (size_t i = 0; i < lines.size(); ++i)
        canvas.DrawChars(title.GetString() + lines[i].first, lines[i].second, x + checkWidth,
                         y + static_cast<int>(i) * fh);
    }
    y += height;
    first = false;
    ++m_nCurItem;
    if (y >= rect.bottom) break;
  }
  m_nCurOffset = 0;
}

int TreePrintJob::CheckWidth(TreePrintCanvas& canvas) const {
  return m_settings.checkBmp ? 16 : TabbedTextWidth(canvas, m_settings.checkText, m_settings.checkText.GetLength(), 0);
}

int TreePrintJob::StopItem() const {
  const int mode = m_settings.pageMode;
  if (mode < 0) return m_nEnd;
  if (mode == 0) return std::min(m_nCurItem + 1, m_nEnd);
  for (int i = m_nCurItem + 1; i < m_nEnd; ++i)
    if (m_model.GetLevel(i) <= mode) return i;
  return m_nEnd;
}

CString TreePrintJob::BodyText(int item) const {
  CString text = m_model.GetText(item);
  if (m_settings.titleFirstLine) {
    const int end = text.Find('\n');
    text = end < 0 ? CString() : text.Mid(end + 1);
  }
  while (text.GetLength() >= 2 && text.Right(2) == "\r\n") text = text.Left(text.GetLength() - 2);
  return text;
}

void TreePrintJob::PrintColumns(TreePrintCanvas& canvas, const RECT& rect, bool draw) {
  const int stop = StopItem();
  const int columnWidth = (rect.right - rect.left) / m_settings.columns;
  bool first = true;
  for (int column = 0; column < m_settings.columns && m_nCurItem < stop; ++column) {
    canvas.SelectFont(kPrintFontText, m_settings.colours[kPrintFontText]);
    const RECT box = {rect.left + column * columnWidth, rect.top,
                      rect.left + (column + 1) * columnWidth - 2 * canvas.AveCharWidth(), rect.bottom};
    int y = box.top;
    while (m_nCurItem < stop) {
      if (!PrintItemWithBody(canvas, box, y, first, draw)) break;
      first = false;
      canvas.SelectFont(kPrintFontText, m_settings.colours[kPrintFontText]);
      y += canvas.FontHeight();  // one blank line between items
    }
    first = false;
  }
}

BOOL TreePrintJob::PrintItemWithBody(TreePrintCanvas& canvas, const RECT& column, int& y, bool first, bool draw) {
  const int item = m_nCurItem;
  canvas.SelectFont(kPrintFontText, m_settings.colours[kPrintFontText]);
  const int h = canvas.FontHeight();
  const int ave = canvas.AveCharWidth();
  int x = column.left;
  if (m_settings.indent) x += 2 * ave * std::max(0, m_model.GetLevel(item) - m_model.GetLevel(m_nStart));
  const CString text = BodyText(item);
  const int rowIndex = m_model.GetRows().GetRowIndex(item);
  const CString number =
      rowIndex >= 0 && item != m_nStart ? m_model.GetRows().GetTreeData(rowIndex)->m_strNumber : CString();
  int bodyLeft = x;
  if (m_nCurOffset == 0) {
    if (!text.IsEmpty() && y + 3 * h > column.bottom && !first) return FALSE;
    if (!(m_model.GetDirData(item)->m_nStatus & 8)) {
      SelectItemFont(canvas, item);
      const int fh = canvas.FontHeight();
      int tx = x;
      if (m_settings.checkPrint && (m_model.GetDirData(item)->m_nStatus & 1)) {
        const int width = CheckWidth(canvas);
        if (draw) {
          if (m_settings.checkBmp)
            canvas.DrawCheckBitmap(tx, y, 16);
          else
            canvas.DrawChars(m_settings.checkText, m_settings.checkText.GetLength(), tx, y);
        }
        tx += width;
      }
      const CString title = number + m_model.GetName(item);
      const auto lines = WrapTitle(canvas, title, std::max(1, static_cast<int>(column.right - tx)));
      const int height = static_cast<int>(lines.size()) * fh;
      if (!first && y + height > column.bottom) return FALSE;
      if (draw)
        for (size_t i = 0; i < lines.size(); ++i)
          canvas.DrawChars(title.GetString() + lines[i].first, lines[i].second, tx, y + static_cast<int>(i) * fh);
      y += height;
      canvas.SelectFont(kPrintFontText, m_settings.colours[kPrintFontText]);
      y += h;  // a blank line after the title
    }
  }
  if (m_settings.indentSho) {
    canvas.SelectFont(kPrintFontText, m_settings.colours[kPrintFontText]);
    bodyLeft += ave + TabbedTextWidth(canvas, number, number.GetLength(), 0);
  }
  if (!PrintBodyText(canvas, text, bodyLeft, column.right, y, column.bottom, draw)) return FALSE;
  y += m_settings.titleMargin;
  ++m_nCurItem;
  m_nCurOffset = 0;
  return TRUE;
}

BOOL TreePrintJob::PrintBodyText(TreePrintCanvas& canvas, const CString& text, int left, int right, int& y,
                                 int bottom, bool draw) {
  canvas.SelectFont(kPrintFontText, m_settings.colours[kPrintFontText]);
  const int h = canvas.FontHeight();
  const int tabWidth = std::max(1, m_settings.tabSpace) * canvas.CharWidth(" ", 1);
  const int width = std::max(1, right - left);
  const char* s = text.GetString();
  const int length = text.GetLength();
  int pos = m_nCurOffset;
  bool placed = false;
  while (pos < length) {
    if (placed && y + 2 * h > bottom) {
      m_nCurOffset = pos;
      return FALSE;
    }
    int lineEnd = pos;
    while (lineEnd < length && !IsLineEnd(s[lineEnd])) ++lineEnd;
    const int piece = pos == lineEnd ? 0 : BreakPrintLine(canvas, s + pos, lineEnd - pos, width, tabWidth);
    if (draw && piece > 0) DrawTabbed(canvas, s + pos, piece, left, y, tabWidth);
    y += h;
    placed = true;
    pos += piece;
    if (pos < lineEnd) {
      while (pos < lineEnd && IsBlank(s[pos])) ++pos;
      if (pos < lineEnd) continue;
    }
    if (pos < length && s[pos] == '\r') ++pos;
    if (pos < length && s[pos] == '\n') ++pos;
  }
  return TRUE;
}
