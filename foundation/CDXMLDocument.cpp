#include "foundation/CDXMLDocument.h"

#include <string>
#include <string_view>
#include <utility>

#include "platform/CodePage.h"

namespace {

using std::string_view;

constexpr string_view kBlanks = " \t\r\n";

bool IsUtf8Continuation(unsigned char ch) { return ch >= 0x80 && ch <= 0xBF; }

// Shift JIS lead bytes 0x81-0x9F fail at once, so a Shift JIS reply is left alone. Four-byte
// sequences are accepted so that one emoji does not make a whole UTF-8 reply unreadable.
bool IsUtf8Text(string_view text) {
  int expect = 0;
  for (const char c : text) {
    const auto ch = static_cast<unsigned char>(c);
    if (expect > 0) {
      if (!IsUtf8Continuation(ch)) return false;
      --expect;
    } else if (ch < 0x80) {
    } else if (ch <= 0xBF) {
      return false;
    } else if (ch <= 0xDF) {
      expect = 1;
    } else if (ch <= 0xEF) {
      expect = 2;
    } else if (ch <= 0xF4) {
      expect = 3;
    } else {
      return false;
    }
  }
  return expect == 0;
}

CString Utf8ToAnsi(string_view text) {
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return UTF8ToCP932(text);
}

bool EqualNoCase(string_view a, string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

string_view TrimBlanks(string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// The code point of a numeric reference body ("#65" or "#x41"), or -1 when it is not one.
long NumericReference(string_view body) {
  if (body.size() < 2 || body[0] != '#') return -1;
  const bool hex = body[1] == 'x' || body[1] == 'X';
  const string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return -1;
  long value = 0;
  for (const char ch : digits) {
    const int d = hex ? HexDigit(ch) : (ch >= '0' && ch <= '9' ? ch - '0' : -1);
    if (d < 0) return -1;
    value = value * (hex ? 16 : 10) + d;
  }
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return -1;
  return value;
}

// Decodes the predefined entities and numeric character references; anything else that starts
// with "&" is kept as written. '&' and ';' are never Shift JIS trail bytes, so a byte scan is safe.
CString DecodeEntities(string_view text) {
  if (text.find('&') == string_view::npos) return CString(text);
  static constexpr std::pair<string_view, char> kNamed[] = {
      {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t amp = text.find('&', pos);
    if (amp == string_view::npos) break;
    out.append(text.substr(pos, amp - pos));
    pos = amp + 1;
    const size_t semi = text.find(';', amp + 1);
    if (semi == string_view::npos || semi - amp > 12) {
      out += '&';
      continue;
    }
    const string_view body = text.substr(amp + 1, semi - amp - 1);
    bool decoded = false;
    for (const auto& [name, ch] : kNamed) {
      if (body == name) {
        out += ch;
        decoded = true;
        break;
      }
    }
    if (!decoded) {
      const long cp = NumericReference(body);
      if (cp > 0) {
        std::u16string units;
        if (cp < 0x10000) {
          units += static_cast<char16_t>(cp);
        } else {
          units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
          units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        out += UTF16ToCP932(units).str();
        decoded = true;
      }
    }
    if (decoded) {
      pos = semi + 1;
    } else {
      out += '&';
    }
  }
  out.append(text.substr(pos));
  return CString(std::move(out));
}

std::unique_ptr<CDXMLTextNode> MakeText(string_view text) {
  return std::make_unique<CDXMLTextNode>(DecodeEntities(text));
}

// Attributes of a start tag: name="value", name='value', name=value or a bare name.
void ReadAttributes(string_view text, CDXMLElement& element) {
  constexpr string_view kSkip = " \t\r\n/?";
  size_t pos = 0;
  while (true) {
    pos = text.find_first_not_of(kSkip, pos);
    if (pos == string_view::npos) return;
    size_t end = text.find_first_of(" \t\r\n=", pos);
    if (end == string_view::npos) end = text.size();
    const string_view name = text.substr(pos, end - pos);
    pos = text.find_first_not_of(" \t\r\n", end);
    string_view value;
    if (pos != string_view::npos && text[pos] == '=') {
      pos = text.find_first_not_of(" \t\r\n", pos + 1);
      if (pos == string_view::npos) pos = text.size();
      if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
        const size_t close = text.find(text[pos], pos + 1);
        const size_t stop = close == string_view::npos ? text.size() : close;
        value = text.substr(pos + 1, stop - pos - 1);
        pos = close == string_view::npos ? text.size() : close + 1;
      } else {
        size_t stop = text.find_first_of(" \t\r\n", pos);
        if (stop == string_view::npos) stop = text.size();
        value = text.substr(pos, stop - pos);
        pos = stop;
      }
    }
    element.m_attributes.push_back(std::make_unique<CDXMLAttribute>(CString(name), DecodeEntities(value)));
    if (pos == string_view::npos) return;
  }
}

// Position of the end tag that closes the current element (same name, nesting counted), or npos.
size_t FindMatchingEndTag(string_view text, string_view name) {
  if (name.empty()) return string_view::npos;
  const size_t n = text.size();
  const size_t len = name.size();
  size_t nextGt = 0;  // cached position of the next '>' so that long runs of open tags stay linear
  int level = 0;
  for (size_t i = 0; i + 1 < n; ++i) {
    if (text[i] != '<') continue;
    if (text[i + 1] == '/') {
      if (i + 2 + len < n && text[i + 2 + len] == '>' && EqualNoCase(text.substr(i + 2, len), name)) {
        if (level == 0) return i;
        --level;
      }
      continue;
    }
    if (i + 1 + len < n && EqualNoCase(text.substr(i + 1, len), name)) {
      const char after = text[i + 1 + len];
      if (after != ' ' && after != '\t' && after != '>') continue;
      if (nextGt != string_view::npos && nextGt < i + 1 + len) nextGt = text.find('>', i + 1 + len);
      const bool selfClosing = nextGt != string_view::npos && text[nextGt - 1] == '/';
      if (!selfClosing) ++level;
    }
  }
  return string_view::npos;
}

// Content of an element whose children are still to be read.
struct PendingContent {
  string_view text;
  CDXMLElement* element;
};

// Reads one element from its "<" to the end of its end tag (or of its start tag); its content is
// queued rather than read here, so deep nesting does not deepen the call stack.
void ReadElement(string_view text, CDXMLElement& element, std::vector<PendingContent>& pending) {
  const size_t lt = text.find('<');
  if (lt == string_view::npos) {
    element.AppendChild(MakeText(text));
    return;
  }
  const size_t gt = text.find('>', lt + 1);
  string_view inner = gt == string_view::npos ? text.substr(lt + 1) : text.substr(lt + 1, gt - lt - 1);
  if (!inner.empty() && inner.back() == '/') inner.remove_suffix(1);
  if (inner.size() > 2 && inner.front() == '%' && inner.back() == '%') {
    element.SetNodeName(CString(TrimBlanks(inner.substr(1, inner.size() - 2))));
  } else {
    const size_t blank = inner.find_first_of(kBlanks);
    element.SetNodeName(CString(inner.substr(0, blank)));
    if (blank != string_view::npos) ReadAttributes(inner.substr(blank), element);
  }
  const CString name = element.GetNodeName();
  if (name.IsEmpty()) return;
  const std::string endTag = "</" + name.str() + ">";
  const bool closed = gt != string_view::npos && text.size() >= endTag.size() &&
                      EqualNoCase(text.substr(text.size() - endTag.size()), endTag);
  if (!closed) {
    element.m_bClose = 0;
    return;
  }
  const size_t contentStart = gt + 1;
  const size_t contentEnd = text.size() - endTag.size();
  if (contentEnd > contentStart) pending.push_back({text.substr(contentStart, contentEnd - contentStart), &element});
}

// Splits the content of one element into text, comment, CDATA and element children. An
// unterminated comment or CDATA section ends this list; what was read before it stays.
void ReadChildren(string_view text, CDXMLElement& parent, std::vector<PendingContent>& pending) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t lt = text.find('<', pos);
    if (lt == string_view::npos) {
      parent.AppendChild(MakeText(text.substr(pos)));
      return;
    }
    if (lt > pos) parent.AppendChild(MakeText(text.substr(pos, lt - pos)));
    const string_view rest = text.substr(lt);
    if (rest.size() >= 7 && rest.starts_with("<!--")) {
      const size_t end = rest.find("-->", 4);
      if (end == string_view::npos) return;
      parent.AppendChild(std::make_unique<CDXMLComment>(CString(rest.substr(4, end - 4))));
      pos = lt + end + 3;
      continue;
    }
    if (rest.size() >= 12 && rest.starts_with("<![CDATA[")) {
      const size_t end = rest.find("]]>", 9);
      if (end == string_view::npos) return;
      parent.AppendChild(std::make_unique<CDXMLCDATASection>(CString(rest.substr(9, end - 9))));
      pos = lt + end + 3;
      continue;
    }
    size_t nameEnd = rest.find_first_of("> \t", 1);
    if (nameEnd == string_view::npos) nameEnd = rest.size();
    const string_view name = rest.substr(1, nameEnd - 1);
    const size_t match = FindMatchingEndTag(rest.substr(nameEnd), name);
    size_t length;
    if (match != string_view::npos) {
      length = nameEnd + match + name.size() + 3;
    } else {
      const size_t gt = rest.find('>');
      length = gt == string_view::npos ? rest.size() : gt + 1;
    }
    auto element = std::make_unique<CDXMLElement>();
    ReadElement(rest.substr(0, length), *element, pending);
    parent.AppendChild(std::move(element));
    pos = lt + length;
  }
}

}  // namespace

CDXMLNodeList::~CDXMLNodeList() = default;

CDXMLNode* CDXMLNodeList::GetItem(int index) const {
  if (index < 0 || index >= GetLength()) return nullptr;
  return m_nodes[static_cast<size_t>(index)];
}

void CDXMLNodeList::AppendOwned(std::unique_ptr<CDXMLNode> node) {
  m_nodes.push_back(node.get());
  m_owned.push_back(std::move(node));
}

// Frees the subtree without recursion, so a deeply nested reply cannot exhaust the stack.
CDXMLNode::~CDXMLNode() {
  std::vector<std::unique_ptr<CDXMLNode>> doomed = std::move(m_children.m_owned);
  m_children.m_nodes.clear();
  while (!doomed.empty()) {
    std::unique_ptr<CDXMLNode> node = std::move(doomed.back());
    doomed.pop_back();
    for (auto& child : node->m_children.m_owned) doomed.push_back(std::move(child));
    node->m_children.m_owned.clear();
    node->m_children.m_nodes.clear();
  }
}

CString CDXMLNode::GetText() const {
  std::string text;
  std::vector<const CDXMLNode*> stack;
  for (int i = m_children.GetLength() - 1; i >= 0; --i) stack.push_back(m_children.GetItem(i));
  while (!stack.empty()) {
    const CDXMLNode* node = stack.back();
    stack.pop_back();
    const int type = node->GetNodeType();
    if (type == TEXT_NODE || type == CDATA_SECTION_NODE) {
      text += node->m_strValue.str();
    } else if (type == ELEMENT_NODE) {
      for (int i = node->m_children.GetLength() - 1; i >= 0; --i) stack.push_back(node->m_children.GetItem(i));
    }
  }
  return CString(std::move(text));
}

CDXMLTextNode::CDXMLTextNode(const CString& value) {
  m_strName = "#text";
  m_strValue = value;
}

CDXMLCDATASection::CDXMLCDATASection(const CString& value) : CDXMLTextNode(value) { m_strName = "#cdata-section"; }

CDXMLComment::CDXMLComment(const CString& value) {
  m_strName = "#comment";
  m_strValue = value;
}

CDXMLAttribute::CDXMLAttribute(const CString& name, const CString& value) {
  m_strName = name;
  m_strValue = value;
}

CDXMLNodeList CDXMLElement::GetElementsByTagName(const CString& name) const {
  CDXMLNodeList result;
  std::vector<CDXMLNode*> stack;
  for (int i = m_children.GetLength() - 1; i >= 0; --i) stack.push_back(m_children.GetItem(i));
  while (!stack.empty()) {
    CDXMLNode* node = stack.back();
    stack.pop_back();
    if (node->GetNodeType() != ELEMENT_NODE) continue;
    if (name.IsEmpty() || node->GetNodeName() == name) result.AppendRef(node);
    const CDXMLNodeList& children = node->GetChildNodes();
    for (int i = children.GetLength() - 1; i >= 0; --i) stack.push_back(children.GetItem(i));
  }
  return result;
}

CString CDXMLElement::GetAttribute(const CString& name) const {
  for (const auto& attribute : m_attributes) {
    if (attribute->GetNodeName() == name) return attribute->GetNodeValue();
  }
  return CString();
}

const CDXMLAttribute* CDXMLElement::GetAttributeNode(int index) const {
  if (index < 0 || index >= GetAttributeCount()) return nullptr;
  return m_attributes[static_cast<size_t>(index)].get();
}

CDXMLDocument::CDXMLDocument() { m_strName = "#document"; }

CDXMLDocument::~CDXMLDocument() = default;

int CDXMLDocument::LoadXmlText(const CString& text, int /*prologFlag*/) {
  const std::string_view trimmed = TrimBlanks(text.str());
  const std::string source = IsUtf8Text(trimmed) ? Utf8ToAnsi(trimmed).str() : std::string(trimmed);

  auto root = std::make_unique<CDXMLElement>();
  std::vector<PendingContent> pending;
  ReadElement(source, *root, pending);
  while (!pending.empty()) {
    const PendingContent next = pending.back();
    pending.pop_back();
    ReadChildren(next.text, *next.element, pending);
  }
  AppendChild(std::move(root));
  return 1;
}

CDXMLElement* CDXMLDocument::GetDocumentElement() const {
  CDXMLNode* first = m_children.GetItem(0);
  if (!first || first->GetNodeType() != ELEMENT_NODE) return nullptr;
  return static_cast<CDXMLElement*>(first);
}
