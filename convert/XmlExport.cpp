#include "convert/XmlExport.h"

#include <string>

#include "model/Footnotes.h"
#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr size_t kBlock = 1 << 20;


// An attribute value in double quotes: the characters that would end or break it are written as
// references, so every title and link reads back as it stands.
std::string AttributeValue(const CString& text) {
  std::string out;
  for (const char ch : CP932ToUTF8(text.str())) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\t': out += "&#9;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      default: out += ch; break;
    }
  }
  return out;
}

// Characters XML does not allow (controls other than TAB, CR, LF) become blanks.
std::string XmlChars(std::string text) {
  for (char& ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') ch = ' ';
  }
  return text;
}

// A text that holds "]]>" is split there into two sections, so the section never ends early.
std::string CData(const std::string& text) {
  std::string out;
  size_t pos = 0;
  for (size_t hit = text.find("]]>"); hit != std::string::npos; hit = text.find("]]>", pos)) {
    out.append(text, pos, hit + 2 - pos);
    out += "]]><![CDATA[";
    pos = hit + 2;
  }
  out.append(text, pos, std::string::npos);
  return out;
}

}  // namespace

int WriteXmlTree(ATREE& tree, const CTextOutputOptions& options, int item, XmlSink& sink) {
  std::string& out = sink.text;
  const std::string tag = item == 0 ? "kestavon" : "tree";
  const CDirData* data = tree.GetDirData(item);
  out += "<" + tag + " title=\"" + XmlChars(AttributeValue(tree.GetName(item))) + "\" id=\"" + std::to_string(item) + "\"";
  if (!data->m_strLink.IsEmpty()) out += " linkfile=\"" + XmlChars(AttributeValue(data->m_strLink)) + "\"";
  if (data->m_nStatus & 1) out += " check=\"on\"";
  if (data->m_nStatus & 2) out += " strike=\"on\"";
  if (data->m_nBookmark != 0 && item != 0) out += " bookmark=\"on\"";
  out += ">\r\n";
  if (!data->m_strText.IsEmpty()) {
    const CString text = MakePopupSpan(options, data->m_strText);
    out += "<text><![CDATA[ \n" + XmlChars(CData(CP932ToUTF8(text.str()))) + "\n]]> </text>";
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
      file.WriteString(text.c_str());
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
