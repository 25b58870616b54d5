#include "convert/XmlExport.h"

#include <string>

#include "model/Footnotes.h"
#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "platform/base/Utf8Append.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr size_t kBlock = 1 << 20;

// Characters XML does not allow (controls other than TAB, CR, LF) become blanks.
bool IsBadControl(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  return c < 0x20 && c != '\t' && c != '\r' && c != '\n';
}

// An attribute value in double quotes, as UTF-8: the characters that would end or break it are
// written as references, so every title and link reads back as it stands.
void AppendAttributeValue(std::string& out, const CString& text) {
  thread_local std::string utf8;
  utf8.clear();
  AppendCP932ToUTF8(text.str(), utf8);
  for (const char ch : utf8) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\t': out += "&#9;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      default: out += IsBadControl(ch) ? ' ' : ch; break;
    }
  }
}

// A text as UTF-8 inside a CDATA section: one that holds "]]>" is split there into two sections,
// so the section never ends early.
void AppendCData(std::string& out, const CString& text) {
  const size_t start = out.size();
  AppendCP932ToUTF8(text.str(), out);
  for (size_t i = start; i < out.size(); ++i) {
    if (IsBadControl(out[i])) out[i] = ' ';
  }
  size_t hit = out.find("]]>", start);
  if (hit == std::string::npos) return;
  const std::string section = out.substr(start);
  out.resize(start);
  size_t pos = 0;
  for (hit -= start; hit != std::string::npos; hit = section.find("]]>", pos)) {
    out.append(section, pos, hit + 2 - pos);
    out += "]]><![CDATA[";
    pos = hit + 2;
  }
  out.append(section, pos, std::string::npos);
}

}  // namespace

int WriteXmlTree(ATREE& tree, const CTextOutputOptions& options, int item, XmlSink& sink) {
  std::string& out = sink.text;
  const std::string tag = item == 0 ? "kestavon" : "tree";
  const CDirData* data = tree.GetDirData(item);
  out += "<" + tag + " title=\"";
  AppendAttributeValue(out, tree.GetName(item));
  out += "\" id=\"" + std::to_string(item) + "\"";
  if (!data->m_strLink.IsEmpty()) {
    out += " linkfile=\"";
    AppendAttributeValue(out, data->m_strLink);
    out += "\"";
  }
  if (data->m_nStatus & 1) out += " check=\"on\"";
  if (data->m_nStatus & 2) out += " strike=\"on\"";
  if (data->m_nBookmark != 0 && item != 0) out += " bookmark=\"on\"";
  out += ">\r\n";
  if (!data->m_strText.IsEmpty()) {
    out += "<text><![CDATA[ \n";
    AppendCData(out, MakePopupSpan(options, data->m_strText));
    out += "\n]]> </text>";
  }
  if (sink.flush && out.size() >= kBlock) sink.flush(out);
  const int level = tree.GetLevel(item);
  const int count = tree.GetDirDataCount();
  int next = item + 1;
  // Every deeper item that follows belongs to this element, also one that skips a level.
  while (next < count && tree.GetLevel(next) > level) next = WriteXmlTree(tree, options, next, sink);
  out += "</" + tag + ">\r\n";
  return next;
}

bool ExportXml(ATREE& tree, const CTextOutputOptions& options, int item, const char* path) {
  try {
    CTextFile file(path, "wb");
    XmlSink sink;
    sink.flush = [&file](std::string& text) {
      file.WriteBytes(text);
      text.clear();
    };
    sink.text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    WriteXmlTree(tree, options, item, sink);
    sink.flush(sink.text);
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return false;
  }
  return true;
}
