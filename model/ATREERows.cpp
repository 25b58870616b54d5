// The display rows: one row per shown item, titled with line-art pieces that draw the tree, with
// fold state and heading number, and a sentinel row at the end.
#include <cstring>
#include <string_view>

#include "model/ATREE.h"
#include "platform/MessageBox.h"

namespace {

constexpr char kColumnPass[] = "┃  ";
constexpr char kColumnEmpty[] = "    ";
constexpr char kBranch[] = "┣━";
constexpr char kBranchLast[] = "┗━";

// The title parts of every row's path, in one flat table: row r has parts [start[r], start[r+1]).
// Empty parts (two 0x01 in a row, a leading or trailing one) are skipped. Part k of a row beyond
// its own parts reads as empty, like the padding of a fixed-width table.
class TitleParts {
 public:
  void AddRow(std::string_view path) {
    m_start.push_back(static_cast<int>(m_parts.size()));
    size_t begin = 0;
    while (begin <= path.size()) {
      size_t end = path.find('\x01', begin);
      if (end == std::string_view::npos) end = path.size();
      if (end > begin) m_parts.push_back(path.substr(begin, end - begin));
      begin = end + 1;
    }
  }
  void Finish() { m_start.push_back(static_cast<int>(m_parts.size())); }
  int Rows() const { return static_cast<int>(m_start.size()) - 1; }
  int Count(int row) const { return row < Rows() ? m_start[row + 1] - m_start[row] : 0; }
  std::string_view Part(int row, int k) const {
    return k < Count(row) ? m_parts[static_cast<size_t>(m_start[row] + k)] : std::string_view();
  }
  int Offset(int row) const { return m_start[row]; }

 private:
  std::vector<std::string_view> m_parts;
  std::vector<int> m_start;
};

// Whether the branch at position k + 1 of row r is the last under its parent at position k. The
// answer is decided by the first following row that does not continue (same parts at k and k + 1
// and a part at k + 2); that row is found for every (row, position) in one backward pass.
class LastAtLevel {
 public:
  explicit LastAtLevel(const TitleParts& parts) : m_parts(parts) {
    const int rows = parts.Rows();
    m_stop.resize(static_cast<size_t>(parts.Offset(rows)));
    for (int j = rows - 1; j >= 0; --j) {
      for (int k = 0; k < parts.Count(j); ++k) {
        int stop = j;
        if (!parts.Part(j, k + 2).empty()) stop = SameKey(j + 1, j, k) ? Stop(j + 1, k) : j + 1;
        m_stop[static_cast<size_t>(parts.Offset(j) + k)] = stop;
      }
    }
  }

  bool IsLast(int r, int k) const {
    const int j = SameKey(r + 1, r, k) ? Stop(r + 1, k) : r + 1;
    if (m_parts.Part(j, k) != m_parts.Part(r, k)) return true;
    if (m_parts.Part(j, k + 1).empty()) return true;
    return false;  // another child of the same parent, or a sibling with the same title
  }

 private:
  bool SameKey(int j, int r, int k) const {
    return m_parts.Part(j, k) == m_parts.Part(r, k) && m_parts.Part(j, k + 1) == m_parts.Part(r, k + 1);
  }
  // The first row from j on that stops a walk continuing row j's parts at k and k + 1.
  int Stop(int j, int k) const {
    if (j >= m_parts.Rows() || k >= m_parts.Count(j)) return j;
    return m_stop[static_cast<size_t>(m_parts.Offset(j) + k)];
  }

  const TitleParts& m_parts;
  std::vector<int> m_stop;
};

void AppendRowPart(CString& title, const TitleParts& parts, const LastAtLevel& last, int r, int k) {
  const std::string_view part = parts.Part(r, k);
  const std::string_view next = parts.Part(r, k + 1);
  if (part == parts.Part(r - 1, k) && !next.empty()) {
    if (next == parts.Part(r - 1, k + 1) && !parts.Part(r, k + 2).empty()) {
      title += last.IsLast(r, k) ? kColumnEmpty : kColumnPass;
    } else {
      title += last.IsLast(r, k) ? kBranchLast : kBranch;
    }
  } else {
    title.Append(part.data(), static_cast<int>(part.size()));
  }
}

}  // namespace

int ATREE::LevelOf(const CString& path) {
  int level = 0;
  const char* p = path.GetString();
  const char* end = p + path.GetLength();
  while ((p = static_cast<const char*>(std::memchr(p, '\x01', static_cast<size_t>(end - p)))) != nullptr) {
    ++level;
    ++p;
  }
  return level;
}

std::vector<char> ATREE::ComputeShown(const std::vector<int>& levels) const {
  const int n = GetDirDataCount();
  std::vector<char> shown(static_cast<size_t>(n));
  std::vector<char> admitted(static_cast<size_t>(n), 1);
  auto checked = [this](int i) { return (GetDirData(i)->m_nStatus & 1) != 0; };
  if (m_nCheckFilter == 1) {
    // An item is admitted when it or one of its descendants is checked.
    std::fill(admitted.begin(), admitted.end(), 0);
    std::vector<int> ancestors;
    for (int i = 0; i < n; ++i) {
      while (!ancestors.empty() && levels[static_cast<size_t>(ancestors.back())] >= levels[static_cast<size_t>(i)]) {
        ancestors.pop_back();
      }
      if (checked(i)) {
        admitted[static_cast<size_t>(i)] = 1;
        for (auto it = ancestors.rbegin(); it != ancestors.rend() && !admitted[static_cast<size_t>(*it)]; ++it) {
          admitted[static_cast<size_t>(*it)] = 1;
        }
      }
      ancestors.push_back(i);
    }
  } else if (m_nCheckFilter == 2) {
    // An item is admitted when neither it nor an ancestor (its parent chain up to the root) is checked.
    std::vector<char> inChecked(static_cast<size_t>(n));
    std::vector<int> lastAtLevel;
    for (int i = 0; i < n; ++i) {
      const int level = levels[static_cast<size_t>(i)];
      int parent = 0;
      if (level > 0 && level - 1 < static_cast<int>(lastAtLevel.size())) parent = lastAtLevel[static_cast<size_t>(level - 1)];
      inChecked[static_cast<size_t>(i)] = checked(i) || (i != 0 && inChecked[static_cast<size_t>(parent)]);
      admitted[static_cast<size_t>(i)] = !inChecked[static_cast<size_t>(i)];
      if (static_cast<int>(lastAtLevel.size()) <= level) lastAtLevel.resize(static_cast<size_t>(level) + 1, 0);
      lastAtLevel[static_cast<size_t>(level)] = i;
    }
  }
  for (int i = 0; i < n; ++i) shown[static_cast<size_t>(i)] = admitted[static_cast<size_t>(i)] && GetDirData(i)->m_nView != 0;
  return shown;
}

void ATREE::MakeTreeData() {
  m_rows.clear();
  const int n = GetDirDataCount();
  m_itemRows.assign(static_cast<size_t>(n), -1);
  m_rows.reserve(static_cast<size_t>(n) + 1);
  if (n == 0) return;

  std::vector<int> levels(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) levels[static_cast<size_t>(i)] = LevelOf(GetDirData(i)->m_strPath);
  const std::vector<char> shown = ComputeShown(levels);
  auto fold = [&](int i) {
    if (i + 1 >= n || levels[static_cast<size_t>(i) + 1] != levels[static_cast<size_t>(i)] + 1) return 0;
    return GetDirData(i + 1)->m_nView == 0 ? 1 : 2;
  };

  const CDirData* root = GetDirData(0);
  CTreeData& top = m_rows.emplace_back(root->m_strPath, root->m_strLink, "");
  top.m_nItem = 0;
  top.m_nStatus = root->m_nStatus;
  top.SetFlag1(root->m_nBookmark);
  top.m_nFold = fold(0);
  m_itemRows[0] = 0;

  // Row r takes entry r of the parts table; entry 0 is the top item's, which row 0 always shows.
  TitleParts parts;
  parts.AddRow(root->m_strPath.str());
  for (int i = 1; i < n; ++i) {
    if (shown[static_cast<size_t>(i)]) parts.AddRow(GetDirData(i)->m_strPath.str());
  }
  parts.Finish();
  const LastAtLevel last(parts);

  std::fill(std::begin(m_counters), std::end(m_counters), 0);
  for (int i = 1; i <= n; ++i) {
    if (i < n && !shown[static_cast<size_t>(i)]) continue;
    const int r = static_cast<int>(m_rows.size());
    CTreeData& row = m_rows.emplace_back();
    row.m_nItem = i;
    if (i == n) break;  // the sentinel row
    m_itemRows[static_cast<size_t>(i)] = r;
    for (int k = 0; k < parts.Count(r); ++k) AppendRowPart(row.m_strTitle, parts, last, r, k);

    const CDirData* item = GetDirData(i);
    row.m_nFold = fold(i);
    row.m_strLink = item->m_strLink;
    row.m_nStatus = item->m_nStatus;
    row.SetFlag1(item->m_nBookmark);
    row.SetFlag2(!item->m_strText.IsEmpty());
    row.m_nIdDigit = item->m_nIdDigit;
    row.m_nIdHigh = item->m_nIdHigh;
    row.m_nIdLow = item->m_nIdLow;

    // Levels beyond the counters get no number and leave the counters alone.
    const int c = levels[static_cast<size_t>(i)] - 1;
    if (c < 0 || c >= kLevelCounters) continue;
    std::fill(m_counters + c + 1, m_counters + kLevelCounters, 0);
    const int status = item->m_nStatus;
    if ((status & (4 | 8)) != 0 || (!m_bNumberStruck && (status & 2) != 0)) continue;
    ++m_counters[c];
    row.m_strNumber = m_shoStr.FormatNumber(c, m_counters);
  }
}

int ATREE::GetRowIndex(int item) const {
  return item >= 0 && item < static_cast<int>(m_itemRows.size()) ? m_itemRows[static_cast<size_t>(item)] : -1;
}

CString ATREE::GetNumberText(int item) {
  const int rows = static_cast<int>(m_rows.size());
  if (item >= 0 && item < rows && m_rows[static_cast<size_t>(item)].m_nItem == item) {
    return m_rows[static_cast<size_t>(item)].m_strNumber;
  }
  for (const CTreeData& row : m_rows) {
    if (row.m_nItem == item) return row.m_strNumber;
  }
  AfxMessageBox("Err:章立て文字取得不可（開発元にご連絡ください）");
  return CString();
}

int ATREE::GetMaxRowTextLength() const {
  int longest = 0;
  for (const CTreeData& row : m_rows) longest = std::max(longest, row.m_strTitle.GetLength());
  return longest;
}
