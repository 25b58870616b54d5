#include "foundation/CDXMLDocument.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/CodePage.h"

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

bool IsNameStop(char ch) { return ch == ' ' || ch == '\t' || ch == '>'; }

char FoldCase(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Where the end tag closing each element lies, for the whole text at once. An element's end tag is
// the first "</name>" (name compared without regard to ASCII case) at which the count of start
// tags "<name" (followed by a blank, TAB or ">", not ending in "/>") and end tags of that name,
// counted from just after its own start tag, comes back to zero; it must lie inside the content
// of the element's parent. Searching that afresh for every element costs the length of the
// element each time, which grows with the square of the nesting; here one pass numbers the names
// and records, per name and per nesting level, where the end tags stand.
class EndTagIndex {
 public:
  explicit EndTagIndex(string_view text) : m_text(text) {
    // Every "<" and the name after it (up to a blank, TAB or ">"); after "</" also the name of an
    // end tag. Both cursors only move forward.
    size_t stop = 0, gt = 0;
    for (size_t i = text.find('<'); i != string_view::npos; i = text.find('<', i + 1)) {
      Tag tag;
      tag.lt = i;
      if (stop < i + 1) stop = i + 1;
      while (stop < text.size() && !IsNameStop(text[stop])) ++stop;
      tag.stop = stop;
      tag.closing = i + 1 < text.size() && text[i + 1] == '/';
      if (!tag.closing && stop < text.size()) {
        if (gt < stop) gt = text.find('>', stop);
        tag.opens = gt == string_view::npos || text[gt - 1] != '/';
      }
      m_tags.push_back(tag);
    }
    NumberNames();
    RecordEvents();
  }

  // The "<" of the end tag closing the element whose start tag's "<" is at lt, when that end tag
  // lies wholly before regionEnd (the end of the parent's content); npos otherwise.
  size_t Find(size_t lt, size_t regionEnd) const {
    const auto tag = std::lower_bound(m_tags.begin(), m_tags.end(), lt, [](const Tag& t, size_t at) { return t.lt < at; });
    if (tag == m_tags.end() || tag->lt != lt || tag->stop >= regionEnd || tag->stop == lt + 1) return string_view::npos;
    const size_t length = tag->stop - lt - 1;
    auto events = m_events.find(tag->name);
    if (events == m_events.end()) return string_view::npos;
    const std::vector<size_t>& at = events->second.positions;
    const size_t before = static_cast<size_t>(std::upper_bound(at.begin(), at.end(), lt) - at.begin());
    const long level = before == 0 ? 0 : events->second.levelAfter[before - 1];
    auto closes = m_closes.find({tag->name, level});
    if (closes == m_closes.end()) return string_view::npos;
    const auto q = std::upper_bound(closes->second.begin(), closes->second.end(), lt);
    if (q == closes->second.end() || *q + length + 3 > regionEnd) return string_view::npos;
    return *q;
  }

 private:
  struct Tag {
    size_t lt = 0;
    size_t stop = 0;         // end of the name after "<" (the text's end when nothing stops it)
    bool closing = false;    // "</": the name after the slash is an end tag's
    bool opens = false;      // a start tag that is not an empty-element tag
    uint32_t name = 0;       // number of the name after "<"
    uint32_t endName = 0;    // number of the name after "</"
  };
  struct Events {
    std::vector<size_t> positions;  // of this name's start and end tags, in text order
    std::vector<long> levelAfter;   // start tags minus end tags up to and including each
  };

  // Equal names get equal numbers: names ending at the same stop are suffixes of one run of text,
  // so each run is read once, backwards, along a trie of folded bytes.
  void NumberNames() {
    std::unordered_map<uint64_t, uint32_t> children;
    uint32_t nodes = 1;  // 0 is the empty name
    size_t k = 0;
    while (k < m_tags.size()) {
      const size_t stop = m_tags[k].stop;
      size_t last = k;
      while (last < m_tags.size() && m_tags[last].stop == stop) ++last;
      // Tags k..last-1 share the stop; their names start at lt + 1 (and lt + 2 after "</").
      std::vector<std::pair<size_t, uint32_t*>> starts;
      for (size_t t = last; t-- > k;) {
        if (m_tags[t].closing) starts.push_back({m_tags[t].lt + 2, &m_tags[t].endName});
        starts.push_back({m_tags[t].lt + 1, &m_tags[t].name});
      }
      uint32_t node = 0;
      size_t pos = stop;
      for (const auto& [start, number] : starts) {  // from the nearest start to the farthest
        while (pos > start) {
          --pos;
          const uint64_t key = (static_cast<uint64_t>(node) << 8) | static_cast<unsigned char>(FoldCase(m_text[pos]));
          auto [it, added] = children.try_emplace(key, nodes);
          if (added) ++nodes;
          node = it->second;
        }
        *number = start > stop ? 0 : node;
      }
      k = last;
    }
  }

  void RecordEvents() {
    for (const Tag& tag : m_tags) {
      const bool closes = tag.closing && tag.stop < m_text.size() && m_text[tag.stop] == '>';
      if (!tag.opens && !closes) continue;
      const uint32_t name = tag.opens ? tag.name : tag.endName;
      Events& events = m_events[name];
      const long before = events.levelAfter.empty() ? 0 : events.levelAfter.back();
      if (closes) m_closes[{name, before}].push_back(tag.lt);
      events.positions.push_back(tag.lt);
      events.levelAfter.push_back(before + (tag.opens ? 1 : -1));
    }
  }

  struct NameLevelHash {
    size_t operator()(const std::pair<uint32_t, long>& key) const {
      return std::hash<uint64_t>()((static_cast<uint64_t>(key.first) << 32) ^ static_cast<uint64_t>(key.second));
    }
  };

  string_view m_text;
  std::vector<Tag> m_tags;
  std::unordered_map<uint32_t, Events> m_events;
  std::unordered_map<std::pair<uint32_t, long>, std::vector<size_t>, NameLevelHash> m_closes;
};

// Content of an element whose children are still to be read.
struct PendingContent {
  string_view text;
  CDXMLElement* element;
};

// What the reading of one document shares: its whole text, the end tags found in it, and the
// contents still to be read.
struct ReadState {
  string_view source;
  const EndTagIndex& endTags;
  std::vector<PendingContent> pending;
};

// Reads one element from its "<" to the end of its end tag (or of its start tag); its content is
// queued rather than read here, so deep nesting does not deepen the call stack.
void ReadElement(string_view text, CDXMLElement& element, ReadState& state) {
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
  if (contentEnd > contentStart) {
    state.pending.push_back({text.substr(contentStart, contentEnd - contentStart), &element});
  }
}

// Splits the content of one element into text, comment, CDATA and element children. An
// unterminated comment or CDATA section ends this list; what was read before it stays.
void ReadChildren(string_view text, CDXMLElement& parent, ReadState& state) {
  const size_t base = static_cast<size_t>(text.data() - state.source.data());
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
    const size_t match = state.endTags.Find(base + lt, base + text.size());
    size_t length;
    if (match != string_view::npos) {
      length = match - (base + lt) + (nameEnd - 1) + 3;
    } else {
      const size_t gt = rest.find('>');
      length = gt == string_view::npos ? rest.size() : gt + 1;
    }
    auto element = std::make_unique<CDXMLElement>();
    ReadElement(rest.substr(0, length), *element, state);
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

CDXMLDocument::CDXMLDocument() { m_strName = "#document"; }

CDXMLDocument::~CDXMLDocument() = default;

int CDXMLDocument::LoadXmlText(const CString& text, int /*prologFlag*/) {
  const std::string_view trimmed = TrimBlanks(text.str());
  const std::string source = IsUtf8Text(trimmed) ? Utf8ToAnsi(trimmed).str() : std::string(trimmed);

  auto root = std::make_unique<CDXMLElement>();
  const EndTagIndex endTags(source);
  ReadState state{source, endTags, {}};
  ReadElement(source, *root, state);
  while (!state.pending.empty()) {
    const PendingContent next = state.pending.back();
    state.pending.pop_back();
    ReadChildren(next.text, *next.element, state);
  }
  AppendChild(std::move(root));
  return 1;
}

CDXMLElement* CDXMLDocument::GetDocumentElement() const {
  CDXMLNode* first = m_children.GetItem(0);
  if (!first || first->GetNodeType() != ELEMENT_NODE) return nullptr;
  return static_cast<CDXMLElement*>(first);
}
