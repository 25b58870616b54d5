#include "convert/CWikiHtmlConverter.h"

#include <algorithm>

#include "foundation/CHtmlElement.h"
#include "foundation/WebText.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char kTableStart[] = "<TABLE CLASS=\"style_table\" BORDER=\"1\" CELLSPACING=\"1\">\n";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    cells.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  cells.push_back(text.substr(start));
  return cells;
}

std::string Repeat(const std::string& text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

bool TakesNoLineBreak(const std::string& line) {
  static const char* const kEnds[] = {"</UL>", "</OL>", "</P>",  "</H1>", "</H2>",    "</H3>",
                                      "</H4>", "</H5>", "</TR>", "</TD>", "<BR>", "</TABLE>", "-->"};
  for (const char* end : kEnds) {
    if (EndsWith(line, end)) return true;
  }
  return line.find("<TABLE") != std::string::npos;
}

}  // namespace

CWikiHtmlConverter::CWikiHtmlConverter() {
  if (!m_regExp.CreateDispatch("VBScript.RegExp")) AfxMessageBox("正規表現ライブラリの初期化に失敗しました");
}

CWikiHtmlConverter::CWikiHtmlConverter(const char* text) : CWikiHtmlConverter() { SetText(text); }

void CWikiHtmlConverter::SetText(const char* text) {
  m_strText = text;
  // A converter serves every page of an export; each text starts its notes afresh.
  m_footnotes.clear();
  const std::string linked = LinkifyUrls(text, FALSE).str();
  m_lines.clear();
  size_t start = 0;
  for (size_t at = linked.find("\r\n"); at != std::string::npos; at = linked.find("\r\n", start)) {
    m_lines.push_back(linked.substr(start, at - start));
    start = at + 2;
  }
  m_lines.push_back(linked.substr(start));
}

std::string CWikiHtmlConverter::MakeTableRow(const std::string& line, RowForm form) {
  std::vector<std::string> cells;
  if (form == ROW_TAB) {
    cells = Split(line, '\t');
  } else {
    std::string body = line.substr(1);
    if (form == ROW_BAR && EndsWith(body, "|")) body.pop_back();
    cells = Split(body, form == ROW_COMMA ? ',' : '|');
  }
  std::string row;
  bool firstRow = false;
  if (!m_bTableOpen) {
    row = kTableStart;
    m_bTableOpen = true;
    m_nTableColumns = cells.size();
    firstRow = true;
  }
  const bool heading = firstRow && form == ROW_TAB;
  row += "<TR CLASS=\"style_tr\">";
  const size_t columns = std::max(cells.size(), m_nTableColumns);
  for (size_t j = 0; j < columns; ++j) {
    std::string text = j < cells.size() ? cells[j] : " ";
    bool th = heading;
    if (form == ROW_BAR && StartsWith(text, "*")) {
      th = true;
      text.erase(0, 1);
    }
    CHtmlElement cell(th ? "<TH>" : "<TD>");
    cell.AddAttribute("CLASS", CString((heading ? "style_th" : "style_td") + std::to_string(j + 1)));
    row += cell.GetStartTagText().str() + text + cell.GetEndTag().str();
  }
  return row + "</TR>";
}

std::string CWikiHtmlConverter::MakeFootnotes(const std::string& line) {
  std::string out;
  size_t pos = 0;
  for (size_t open = line.find("((", pos); open != std::string::npos; open = line.find("((", pos)) {
    out += line.substr(pos, open - pos);
    const size_t close = line.find("))", open + 2);
    if (close == std::string::npos || close == open + 2) {
      pos = open;
      break;
    }
    const std::string text = line.substr(open + 2, close - open - 2);
    m_footnotes.push_back(text);
    const std::string n = std::to_string(m_footnotes.size());
    out += "<A HREF=\"#fn" + n + "\" TITLE=\"" + text + "\" NAME=\"fntext" + n + "\" CLASS=\"footnote\">*" + n + "</A>";
    pos = close + 2;
  }
  return out + line.substr(pos);
}

std::string CWikiHtmlConverter::MakeListItem(const std::string& line, bool ordered, int& depth) {
  const char marker = ordered ? '+' : '-';
  const std::string list = ordered ? "OL" : "UL";
  int level = 1;
  for (int n = 4; n >= 2; --n) {
    if (StartsWith(line, std::string(static_cast<size_t>(n), marker))) {
      level = n;
      break;
    }
  }
  std::string out;
  if (level > depth) out = Repeat("<" + list + ">", level - depth);
  if (level < depth) out = Repeat("</" + list + ">", depth - level);
  depth = level;
  return out + "<LI>" + line.substr(static_cast<size_t>(level));
}

CString CWikiHtmlConverter::Convert() {
  m_bTableOpen = false;
  bool wikiTable = false;
  bool lineBreaks = true;
  bool escaped = false;
  int ul = 0;
  int ol = 0;
  const std::pair<const char*, const char*> inline_markup[] = {
      {"'''(.*)'''", "<I>$1</I>"}, {"''(.*)''", "<B>$1</B>"}, {"%%(.*)%%", "<S>$1</S>"}};
  if (m_regExp.m_lpDispatch) m_regExp.SetGlobal(TRUE);
  for (std::string& line : m_lines) {
    if (escaped) {
      if (line == "||<") {
        line = "</PRE>";
        escaped = false;
        lineBreaks = true;
      } else {
        ReplaceAll(line, "<", "&lt;");
        ReplaceAll(line, ">", "&gt;");
      }
      continue;
    }
    if (line == ">>") {
      line = "<BLOCKQUOTE>";
      continue;
    }
    if (line == "<<") {
      line = "</BLOCKQUOTE>";
      continue;
    }
    if (line == ">|" || line == ">||") {
      escaped = line == ">||";
      line = "<PRE>";
      lineBreaks = false;
      continue;
    }
    if (line == "|<") {
      line = "</PRE>";
      lineBreaks = true;
      continue;
    }
    if (line == ">>TABLE" || line == "<<TABLE") {
      wikiTable = line == ">>TABLE";
      line.clear();
      continue;
    }
    if (wikiTable) {
      line = MakeTableRow(line, ROW_TAB);
      continue;
    }
    if (m_regExp.m_lpDispatch) {
      for (const auto& [pattern, replacement] : inline_markup) {
        m_regExp.SetPattern(pattern);
        line = m_regExp.Replace(line.c_str(), replacement).str();
      }
    }
    line = MakeFootnotes(line);
    if (line.empty()) {
      if (m_bTableOpen) {
        line = "</TABLE>\n" + line;
        m_bTableOpen = false;
      }
      line += Repeat("</UL>", ul) + Repeat("</OL>", ol);
      ul = ol = 0;
    } else if (line[0] == '-' && !StartsWith(line, "-->")) {
      line = MakeListItem(line, false, ul);
    } else if (line[0] == '+') {
      line = MakeListItem(line, true, ol);
    } else if (line[0] == '*') {
      line = "<H4>" + line.substr(1) + "</H4>";
    } else if (line[0] == ',') {
      line = MakeTableRow(line, ROW_COMMA);
    } else if (line[0] == '|' && EndsWith(line, "|")) {
      line = MakeTableRow(line, ROW_BAR);
    } else if (m_bTableOpen) {
      line = "</TABLE>\n" + line;
      m_bTableOpen = false;
    }
    if (lineBreaks && ul == 0 && !TakesNoLineBreak(line)) line += "<BR>";
  }
  std::string out;
  for (const std::string& line : m_lines) out += line + "\n";
  out += Repeat("</UL>\n", ul) + Repeat("</OL>\n", ol);
  if (m_bTableOpen) out += "</TABLE>\n";
  if (!m_footnotes.empty()) {
    out += "<P CLASS=\"footnote\">\n";
    for (size_t i = 0; i < m_footnotes.size(); ++i) {
      const std::string n = std::to_string(i + 1);
      out += "<SPAN CLASS=\"footnote\"><A HREF=\"#fntext" + n + "\" NAME=\"fn" + n + "\">*" + n + "</A>：" +
             m_footnotes[i] + "</SPAN><BR>\n";
    }
    out += "</P>\n";
  }
  return CString(std::move(out));
}
