// Single-item insertions. The structure is only paths and order, so an insertion builds the path
// below the new parent and puts the item at the right index; the caller rebuilds the rows.
#include <algorithm>

#include "model/ATREE.h"

void ATREE::DeleteLineBreaks(CString& title) {
  title.Replace("\r\n", "");
  title.Replace("\r", "");
  title.Replace("\n", "");
}

void ATREE::StripRecordBytes(CString& text) {
  std::string& s = text.str();
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c >= '\x02' && c <= '\x08'; }), s.end());
}

void ATREE::StripRecordBytes(CSharedString& text) {
  const std::string& s = text.str();
  if (std::none_of(s.begin(), s.end(), [](char c) { return c >= '\x02' && c <= '\x08'; })) return;
  CString stripped = text;
  StripRecordBytes(stripped);
  text = std::move(stripped);
}

void ATREE::StripLevelSeparators(CString& title) {
  std::string& s = title.str();
  s.erase(std::remove(s.begin(), s.end(), '\x01'), s.end());
}

std::unique_ptr<CDirData> ATREE::NewItem(const CString& path, const char* link, const char* text, int status,
                                          int bookmark, int view, const char* idText) const {
  auto item = std::make_unique<CDirData>(path, text, link, status);
  StripRecordBytes(item->m_strPath);
  StripRecordBytes(item->m_strLink);
  StripRecordBytes(item->m_strText);
  item->m_nBookmark = bookmark;
  item->m_nView = view;
  item->SetCreateTimeNow();
  if (idText != nullptr) item->SetIdText(idText);
  return item;
}

void ATREE::InsertItems(int index, std::vector<std::unique_ptr<CDirData>> items) {
  const int before = GetDirDataCount();
  const int count = static_cast<int>(items.size());
  for (int k = 0; k < count; ++k) m_items.InsertAt(index + k, std::move(items[static_cast<size_t>(k)]));
  m_rows.InsertItems(index, count, before);
}

void ATREE::RemoveItems(int index, int count) {
  const int before = GetDirDataCount();
  if (count <= 0 || index < 0 || index >= before) return;
  RemoveItemRanges({{index, index + std::min(count, before - index)}});
}

void ATREE::RemoveItemRanges(const std::vector<std::pair<int, int>>& ranges) {
  if (ranges.empty()) return;
  const int before = GetDirDataCount();
  for (auto it = ranges.rbegin(); it != ranges.rend(); ++it) m_items.RemoveAt(it->first, it->second - it->first);
  m_rows.RemoveItemRanges(ranges, before, GetDirDataCount());
}

void ATREE::ReorderItems(int first, const std::vector<int>& order) {
  m_items.Reorder(first, order);
  m_rows.SetCurrent(false);
}

// With AutoTitle the first line of a new item's text repeats its title.
void ATREE::ApplyAutoTitle(const CString& title, CString& text) const {
  if (!m_properties.m_bAutoTitle) return;
  const int lineEnd = text.Find("\r\n");
  const CString firstLine = lineEnd >= 0 ? text.Left(lineEnd) : text;
  const int slash = title.ReverseFind('\x01');
  const CString own = slash >= 0 ? title.Mid(slash + 1) : title;
  if (firstLine == own) return;
  if (text.IsEmpty() && own == "(無題)") return;
  text = own + "\r\n" + text;
}

int ATREE::InsertTree(int parent, CString& title, const char* link, CString& text, int status, int bookmark,
                      int view, const char* idText, BOOL lastChild) {
  const int index = lastChild ? GetNextSibling(parent, TRUE) : parent + 1;
  return InsertTreeAt(index, parent, title, link, text, status, bookmark, view, idText);
}

int ATREE::AppendLastChild(int parent, CString& title, const char* link, CString& text, int view) {
  return InsertTreeAt(GetDirDataCount(), parent, title, link, text, 0, 0, view, nullptr);
}

int ATREE::InsertTreeAt(int index, int parent, CString& title, const char* link, CString& text, int status,
                        int bookmark, int view, const char* idText) {
  DeleteLineBreaks(title);
  StripRecordBytes(title);
  StripRecordBytes(text);
  const CString path = GetDirData(parent)->m_strPath + '\x01' + title;
  ApplyAutoTitle(title, text);
  std::vector<std::unique_ptr<CDirData>> items;
  items.push_back(NewItem(path, link, text, status, bookmark, view, idText));
  InsertItems(index, std::move(items));
  return index;
}

int ATREE::InsertSibling(int reference, CString& title, const char* link, CString& text, int status, int bookmark,
                         const char* idText, BOOL before) {
  if (reference == 0) return 0;
  DeleteLineBreaks(title);
  StripRecordBytes(title);
  StripRecordBytes(text);
  const CString path = GetDirData(GetParent(reference))->m_strPath + '\x01' + title;
  const int index = before ? reference : GetNextSibling(reference, TRUE);
  ApplyAutoTitle(title, text);
  std::vector<std::unique_ptr<CDirData>> items;
  items.push_back(NewItem(path, link, text, status, bookmark, 1, idText));
  InsertItems(index, std::move(items));
  return index;
}

int ATREE::AddTree(int parent, const char* title, const char* link, const char* text, int status, int bookmark,
                   const char* idText, BOOL sequence) {
  CString t(title);
  CString x(text);
  if (!sequence) return InsertTree(parent, t, link, x, status, bookmark, 0, idText, TRUE);
  int& chain = m_work.chainIndex;
  if (chain == -1) chain = parent;
  chain = InsertSibling(chain, t, link, x, status, bookmark, idText, FALSE);
  return chain;
}

// Appending one level deeper each time builds a chain; rebuilding every row at each append makes
// that grow with the cube of the depth. The rows are brought up to date from the new item's parent
// instead: the nearest item before it one level up, whose path the new one continues.
int ATREE::AppendTree(const char* path) {
  const bool rowsWereCurrent = m_rows.IsCurrent();
  const int before = GetDirDataCount();
  auto item = std::make_unique<CDirData>(path);
  StripRecordBytes(item->m_strPath);
  const int level = LevelOf(item->m_strPath);
  const std::string& newPath = item->m_strPath.str();
  int parent = -1;
  for (int i = before - 1; i >= 0 && level >= 1; --i) {
    const int l = GetLevel(i);
    if (l < level - 1) break;
    if (l > level - 1) continue;
    const std::string& parentPath = GetDirData(i)->m_strPath.str();
    if (newPath.size() > parentPath.size() && newPath.compare(0, parentPath.size(), parentPath) == 0 &&
        newPath[parentPath.size()] == '\x01') {
      parent = i;
    }
    break;
  }
  AddDirData(std::move(item));
  if (parent >= 0)
    m_rows.Update(*this, RowChange{parent, before, before + 1, 1}, rowsWereCurrent);
  else
    MakeTreeData();
  return 1;
}
