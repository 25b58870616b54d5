#include "convert/CTextExporter.h"

#include <algorithm>
#include <string>

#include "app/UserFiles.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CTextOutputOptions.h"
#include "convert/ExportWriter.h"
#include "model/Footnotes.h"
#include "convert/LinkBlocks.h"
#include "convert/TextWrap.h"
#include "foundation/CHtmlElement.h"
#include "foundation/CTextFile.h"
#include "foundation/PathHelpers.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "foundation/WebText.h"

namespace {

// Version 1 of the jQuery library, minified, from a public script host.
const char kJQueryAddress[] = "https://ajax.googleapis.com/ajax/libs/jquery/1/jquery.min.js";

bool OnlyLineBreaks(const CString& text) {
  return text.str().find_first_not_of("\r\n") == std::string::npos;
}

void StripTrailingLineBreaks(CString& text) {
  const size_t keep = text.str().find_last_not_of("\r\n");
  text.str().resize(keep == std::string::npos ? 0 : keep + 1);
}

}  // namespace

CTextExporter::CTextExporter(ATREE& tree, const CTextOutputOptions& options) : m_tree(tree), m_options(options) {}

CString CTextExporter::GetHtmlCharset() const {
  return m_tree.GetProperties().m_nOption12 == 1 ? "Shift_JIS" : "utf-8";
}

CString CTextExporter::GetFootnoteText() { return ::GetFootnoteText(m_options, m_tree.GetFootnotes()); }

void CTextExporter::ResetLevelCounters(int first) {
  const int depth = m_tree.GetLevel(first);
  for (int d = 0; d < kLevelCounters; ++d) m_counters[d] = d < depth - 1 ? -1 : 0;
}

bool CTextExporter::IsWritten(int item) const {
  if (m_bLevelLimit && m_options.m_nLevel != 0 && m_tree.GetLevel(item) > m_options.m_nLevel) return false;
  if (m_tree.GetCheckFilter() != 0 && m_tree.GetRows().GetRowIndex(item) < 0) return false;
  if (m_options.m_nDellineOut == 0 && m_tree.IsStrike(item)) return false;
  return true;
}

int CTextExporter::NextWritten(int item) const {
  const int end = m_nRangeEnd >= 0 ? m_nRangeEnd : m_tree.GetDirDataCount();
  for (int i = item + 1; i < end; ++i) {
    if (IsWritten(i)) return i;
  }
  return -1;
}

CString CTextExporter::MakeHtmlHead(int first) {
  std::string head = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"" + GetHtmlCharset().str() + "\">\n";
  head += "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1,user-scalable=yes\">\n";
  head += "<title>" + EscapeHtml(m_tree.GetName(first)).str() + "</title>\n";
  if (m_options.m_nCssSet == 1) {
    head += "<style>\n";
    try {
      CTextFile css(GetShippedFilePath("kesta.css"), "rb");
      CString sheet = css.ReadAll();
      sheet.Replace("$color1", m_options.m_strCssColor);
      head += sheet.str();
    } catch (const CPelkoFileException&) {
      AfxMessageBox("CSSファイル読み込みエラー");
    }
    head += "</style>\n";
  }
  const CString outside = ReadSetting(Settings::Text::Css);
  if (!outside.IsEmpty()) {
    head += "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + EscapeHtml(outside).str() + "\">\n";
  }
  if (m_options.m_nJQuery == 1) {
    head += "<script type=\"text/javascript\" src=\"";
    head += kJQueryAddress;
    head += "\"></script>\n";
    head += "<script type=\"text/javascript\">\n$(function(){\n\t$('.tree:not(.nochild)').css('cursor','pointer');\n";
    head += "\t$('.tree:not(.nochild)').click( function(){\n\t\t$(this).next().slideToggle(100);\n\t});\n});\n";
    head += "</script>\n";
  }
  head += "</head>\n<body>\n";
  return CString(std::move(head));
}

BOOL CTextExporter::OutputTextFile(int first, int end, const char* path) {
  if (!m_tree.CheckWritePassword()) return FALSE;
  CExportWriter file;
  if (!file.Open(path)) return FALSE;
  const bool html = m_options.m_nHtml != 0;
  if (html) {
    file.SetUtf8(GetHtmlCharset() == "utf-8");
    file.Write(MakeHtmlHead(first).str());
  }
  ResetLevelCounters(first);
  m_openBlocks.clear();
  m_nRangeEnd = end;
  m_bLevelLimit = true;
  m_bWriterMendsLineEnds = true;
  for (int i = first; i < end; ++i) {
    if (m_options.m_nLevel != 0 && m_tree.GetLevel(i) > m_options.m_nLevel) continue;
    if (!file.Write(MakeHtmlArticle(i, 0, 1, m_options.m_nHtml, nullptr).str())) break;
  }
  m_nRangeEnd = -1;
  m_bLevelLimit = false;
  m_bWriterMendsLineEnds = false;
  if (html) {
    file.Write("</body>\n</html>\n");
  } else if (m_tree.GetFootnotes().GetSize() > 0) {
    file.Write(GetFootnoteText().str());
  }
  return file.Close() ? TRUE : FALSE;
}

CString CTextExporter::MakeNumberPrefix(int item, int d) {
  switch (m_options.m_nForm) {
    case 0: {
      const int row = m_tree.GetRows().GetRowIndex(item);
      return row >= 0 ? m_tree.GetRows().GetTreeData(row)->m_strNumber : m_tree.GetRows().GetNumberText(item);
    }
    case 1: {
      if (d < 0) {
        std::fill(std::begin(m_counters), std::end(m_counters), 0);
        return CString();
      }
      if (d >= kLevelCounters) return CString();
      ++m_counters[d];
      std::fill(m_counters + d + 1, m_counters + kLevelCounters, 0);
      std::string number;
      for (int j = 0; j < kLevelCounters && m_counters[j] != 0; ++j) {
        if (m_counters[j] < 0) continue;
        if (!number.empty()) number += m_options.m_strShowStr.str();
        number += std::to_string(m_counters[j]);
      }
      if (!number.empty()) number += ' ';
      return CString(std::move(number));
    }
    default:
      return CString();
  }
}

CString CTextExporter::MakeHtmlArticle(int item, int crlf, int footnoteBefore, int html, int* bodyStart) {
  const char* eol = crlf ? "\r\n" : "\n";
  const CTextOutputOptions& o = m_options;
  if (m_tree.GetCheckFilter() != 0 && m_tree.GetRows().GetRowIndex(item) < 0) return CString();
  if (o.m_nDellineOut == 0 && m_tree.IsStrike(item)) return CString();

  const int depth = m_tree.GetLevel(item);
  CString head;
  if (o.m_nFootnotePosition == 1 && depth == 1 && footnoteBefore) head = GetFootnoteText();

  const int d = depth - 1;
  const int step = o.m_nIndent == 0 ? o.m_nSpaceNo : 1;
  CString prefix;
  int n = 0;
  if (d >= 0 || o.m_nForm == 1) {
    prefix = MakeNumberPrefix(item, d);
    if (o.m_nForm != 3 && d >= 0) n = d * step;
  }

  const int status = m_tree.GetDirData(item)->m_nStatus;
  const CString& mark = (status & 3) == 3 ? o.m_strCheckStrikeMark
                        : (status & 1)    ? o.m_strCheckMark
                        : (status & 2)    ? o.m_strStrikeMark
                                          : o.m_strPlainMark;
  CString title = mark + m_tree.GetOutputTitle(item, TRUE);
  const CString& text = m_tree.GetText(item);
  const bool hasChildren = m_tree.HasChildren(item) != 0;
  CString articleStart;
  if (html) {
    // A title is text on the page, whatever it holds: it never makes an element.
    title = EscapeHtml(title);
    const int h = depth <= 5 ? depth + 1 : 5;
    CHtmlElement heading("h" + CString(std::to_string(h)), CString());
    heading.SetAttribute("class", !hasChildren && text.IsEmpty() ? "tree nochild" : "tree");
    prefix = heading.GetStartTagText() + prefix;
    articleStart = "<article class=\"kesta\">";
    title += heading.GetEndTag() + "\r\n" + articleStart + "\r\n";
  }
  head += MakeIndentedText(o.m_nIndent, o.m_nWidth, o.m_nTabNo, n, prefix, title.str(), eol);
  if (bodyStart) *bodyStart = head.GetLength();

  CString out;
  if (item > 0 && d < 1 && o.m_nTSpace == 1) out += eol;
  out += head;
  if (o.m_nSpace == 1) {
    out += eol;
  } else if (d < 1 && o.m_nTSpace == 1) {
    out += eol;
  }
  if (status & 8) {
    // The heading is left out; a page keeps the article it opened, which the tree's end closes.
    out = html ? articleStart + eol : CString();
    if (bodyStart) *bodyStart = 0;
  }

  CString blockPrefix;
  if (o.m_nIndent != 2) {
    if (o.m_nIndentPos == 0) {
      blockPrefix = CString(std::string(static_cast<size_t>(prefix.GetLength()), ' '));
    } else if (o.m_nIndentPos == 1) {
      const size_t keep = prefix.str().find_last_not_of(' ');
      blockPrefix = CString(std::string(keep == std::string::npos ? 0 : keep + 1, ' '));
    } else if (o.m_nIndentPos >= 3) {
      blockPrefix = "\t";
    }
  }

  if (o.m_nEditOut == 1) {
    CString x = html ? MakePopupSpan(o, text, o.m_nHtmlEscape == 1) : ExtractFootnotes(o, m_tree.GetFootnotes(), text);
    if (m_tree.GetProperties().m_bAutoTitle) {
      const int lineEnd = x.Find("\r\n");
      if (lineEnd >= 0) x = x.Mid(lineEnd + 2);
    }
    if (html || (!x.IsEmpty() && !OnlyLineBreaks(x))) {
      StripTrailingLineBreaks(x);
      if (html) {
        x.Replace("\r\n", "<br>\r\n");
        if (x.IsEmpty()) {
          x = "<div class=\"text\"></div>";
        } else {
          std::string div;
          div.reserve(x.GetLength() + 32);
          div += "<div class=\"text\">\r\n";
          div += x.str();
          div += "\r\n</div>";
          x = CString(std::move(div));
        }
      }
      CString block;
      if (o.m_nIndent >= 0 && o.m_nIndent <= 2) {
        block = MakeIndentedText(o.m_nIndent, o.m_nWidth, o.m_nTabNo, n, blockPrefix, x.str(), eol);
        // The file's writer drops every CR before an LF and writes CR LF for it anyway.
        if (!crlf && !m_bWriterMendsLineEnds) block.Replace("\r\n", "\n");
        out += block;
        if (o.m_nSpace == 1) {
          out += eol;
        } else if (d <= 1 && o.m_nTSpace == 1) {
          out += eol;
        }
      } else {
        AfxMessageBox("エラー：インデントモード");
      }
    }
  }

  if (o.m_nFileOut == 1 && !m_tree.GetLink(item).IsEmpty()) {
    const CString link = html ? MakeLinkHtml(m_tree.GetLink(item)) : GetLinkText(m_tree.GetLink(item));
    out += MakeIndentedText(o.m_nIndent, o.m_nWidth, o.m_nTabNo, n, blockPrefix, link.str(), eol);
  }
  if (o.m_nFootnotePosition == 2) out += GetFootnoteText();

  if (html) {
    // Blocks follow what is written: a tree whose children are all left out opens none, and the
    // blocks still open are closed by the last tree written, so the page stays balanced.
    const int next = NextWritten(item);
    const int nextDepth = next >= 0 ? m_tree.GetLevel(next) : -1;
    if (next >= 0 && nextDepth > depth) {
      out += MakeIndentedText(o.m_nIndent, o.m_nWidth, o.m_nTabNo, n, blockPrefix, "<div class=\"childs\">", eol);
      m_openBlocks.push_back(depth);
    } else {
      out += "\r\n</article>\r\n";
      while (!m_openBlocks.empty() && m_openBlocks.back() >= nextDepth) {
        m_openBlocks.pop_back();
        n = std::max(n - step, 0);
        out += MakeIndentedText(o.m_nIndent, o.m_nWidth, o.m_nTabNo, n, blockPrefix, "</div>", eol) +
               "\r\n</article>\r\n";
      }
    }
  }
  return out;
}
