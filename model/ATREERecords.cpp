// Tree-record text: groups of items with relative paths, for the clipboard, moves and copies
// between models. Fields are separated by the bytes 0x02-0x08, which the model keeps out of
// titles, links and texts.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/ATREE.h"

namespace {

struct Record {
  CString title, link, text, id;
  int status = 0, bookmark = 0, view = 0;
};

int DigitOrZero(std::string_view s, size_t at) {
  return at < s.size() && s[at] >= '0' && s[at] <= '9' ? s[at] - '0' : 0;
}

// Reads the record that starts at pos; false when it has no end byte.
bool ReadRecord(std::string_view all, size_t& pos, Record& r) {
  const size_t end = all.find('\x08', pos);
  if (end == std::string_view::npos) return false;
  const std::string_view rec = all.substr(pos, end - pos);
  pos = end + 1;
  auto at = [&](char c) {
    const size_t p = rec.find(c);
    return p == std::string_view::npos ? rec.size() : p;
  };
  auto between = [&](size_t from, size_t to) {
    return from < to && from < rec.size() ? CString(rec.substr(from, to - from)) : CString();
  };
  const size_t p2 = at('\x02'), p4 = at('\x04'), p5 = at('\x05'), p6 = at('\x06'), p7 = at('\x07'), p3 = at('\x03');
  r.title = CString(rec.substr(0, p2));
  r.link = between(p2 + 1, p4);
  r.text = between(p4 + 1, p5);
  r.status = p5 + 1 < rec.size() ? static_cast<int>(std::strtol(std::string(rec.substr(p5 + 1, 12)).c_str(), nullptr, 10)) : 0;
  r.bookmark = DigitOrZero(rec, p6 + 1);
  r.view = DigitOrZero(rec, p7 + 1);
  r.id = p3 < rec.size() ? CString(rec.substr(p3 + 1)) : CString();
  return true;
}

// A field of a record; the separator bytes are left out even of a text that was set directly, so
// one field can never cut another.
void AppendField(std::string& out, const std::string& field) {
  for (const char c : field) {
    if (c < '\x02' || c > '\x08') out += c;
  }
}

// Reads the whole records at the head of records, hands each to take (title already on one line)
// and removes what was read; false when the text ended inside a record.
template <typename Take>
bool TakeRecords(CString& records, Take take) {
  const std::string_view all = records.str();
  size_t pos = 0;
  bool complete = true;
  Record r;
  while (pos < all.size()) {
    if (!ReadRecord(all, pos, r)) {
      complete = false;
      break;
    }
    ATREE::DeleteLineBreaks(r.title);
    take(r);
  }
  records.str().erase(0, pos);
  return complete;
}

}  // namespace

CString ATREE::RecordsOf(int first, int end, int cut, BOOL withTimes) const {
  std::string out;
  char number[16];
  for (int i = first; i < end; ++i) {
    const CDirData* d = GetDirData(i);
    const std::string& path = d->m_strPath.str();
    if (static_cast<size_t>(cut) < path.size()) AppendField(out, path.substr(static_cast<size_t>(cut)));
    out += '\x02';
    AppendField(out, d->m_strLink.str());
    out += '\x04';
    AppendField(out, d->m_strText.str());
    out += '\x05';
    std::snprintf(number, sizeof number, "%d", d->m_nStatus);
    out += number;
    out += '\x06';
    std::snprintf(number, sizeof number, "%d", d->m_nBookmark);
    out += number;
    out += '\x07';
    std::snprintf(number, sizeof number, "%d", d->m_nView);
    out += number;
    out += '\x03';
    out += d->GetIdText(withTimes).str();
    out += '\x08';
  }
  return CString(std::move(out));
}

CString ATREE::GetSubtreeRecords(int item, BOOL withTimes) const {
  const CString& path = GetDirData(item)->m_strPath;
  return RecordsOf(item, GetNextSibling(item, TRUE), path.ReverseFind('\x01') + 1, withTimes);
}

CString ATREE::GetChildRecords(int item, BOOL withTimes) const {
  const int cut = GetDirData(item)->m_strPath.GetLength() + 1;
  return RecordsOf(item + 1, GetNextSibling(item, TRUE), cut, withTimes);
}

int ATREE::InsertTreeRecords(int index, CString& records, BOOL after) {
  const CString parentPath = GetDirData(GetParent(index))->m_strPath;
  const int start = after ? GetNextSibling(index, TRUE) : index;
  std::vector<std::unique_ptr<CDirData>> items;
  const bool complete = TakeRecords(records, [&](Record& r) {
    items.push_back(NewItem(parentPath + '\x01' + r.title, r.link, r.text, r.status, r.bookmark, r.view, r.id));
  });
  InsertItems(start, std::move(items));
  return complete ? start : -1;
}

int ATREE::PasteTreeRecords(int parent, CString& records, BOOL fold) {
  if (records.IsEmpty()) return -1;
  // Every record goes to the end of the parent's subtree, which each insertion lengthens by one:
  // the places are consecutive, so they are found once.
  const CString parentPath = GetDirData(parent)->m_strPath;
  const int start = GetNextSibling(parent, TRUE);
  std::vector<std::unique_ptr<CDirData>> items;
  const bool complete = TakeRecords(records, [&](Record& r) {
    ApplyAutoTitle(r.title, r.text);
    items.push_back(
        NewItem(parentPath + '\x01' + r.title, r.link, r.text, r.status, r.bookmark, fold ? 0 : r.view, r.id));
  });
  InsertItems(start, std::move(items));
  return complete ? start : -1;
}
