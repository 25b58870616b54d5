// The display rows: one row per shown item, titled with line-art pieces that draw the tree, with
// fold state and heading number, and a sentinel row at the end.
#include "model/OutlineRows.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ParallelRuns.h"
#include "foundation/ShortBytes.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

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
  // Titles are short: one pass over the bytes beats a library search per title.
  void AddRow(std::string_view path) {
    m_start.push_back(static_cast<int>(m_parts.size()));
    size_t begin = 0;
    for (size_t i = 0; i <= path.size(); ++i) {
      if (i < path.size() && path[i] != '\x01') continue;
      if (i > begin) m_parts.push_back(path.substr(begin, i - begin));
      begin = i + 1;
    }
  }
  void Finish() { m_start.push_back(static_cast<int>(m_parts.size())); }
  int Rows() const { return static_cast<int>(m_start.size()) - 1; }
  // Asked for many times per row: kept inline wherever they are called.
  [[gnu::always_inline]] int Count(int row) const { return row < Rows() ? m_start[row + 1] - m_start[row] : 0; }
  [[gnu::always_inline]] std::string_view Part(int row, int k) const {
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
    if (!SameBytes(m_parts.Part(j, k), m_parts.Part(r, k))) return true;
    if (m_parts.Part(j, k + 1).empty()) return true;
    return false;  // another child of the same parent, or a sibling with the same title
  }

 private:
  bool SameKey(int j, int r, int k) const {
    return SameBytes(m_parts.Part(j, k), m_parts.Part(r, k)) && SameBytes(m_parts.Part(j, k + 1), m_parts.Part(r, k + 1));
  }
  // The first row from j on that stops a walk continuing row j's parts at k and k + 1.
  int Stop(int j, int k) const {
    if (j >= m_parts.Rows() || k >= m_parts.Count(j)) return j;
    return m_stop[static_cast<size_t>(m_parts.Offset(j) + k)];
  }

  const TitleParts& m_parts;
  std::vector<int> m_stop;
};

// A row as a default one, but with the memory of its strings kept for what is written next.
void ClearRow(CTreeData& row) {
  CString title = std::move(row.m_strTitle);
  CString number = std::move(row.m_strNumber);
  row = CTreeData();
  title.Empty();
  number.Empty();
  row.m_strTitle = std::move(title);
  row.m_strNumber = std::move(number);
}

void AppendRowPart(CString& title, const TitleParts& parts, const LastAtLevel& last, int r, int k) {
  const std::string_view part = parts.Part(r, k);
  const std::string_view next = parts.Part(r, k + 1);
  if (SameBytes(part, parts.Part(r - 1, k)) && !next.empty()) {
    if (SameBytes(next, parts.Part(r - 1, k + 1)) && !parts.Part(r, k + 2).empty()) {
      title += last.IsLast(r, k) ? kColumnEmpty : kColumnPass;
    } else {
      title += last.IsLast(r, k) ? kBranchLast : kBranch;
    }
  } else {
    title.Append(part.data(), static_cast<int>(part.size()));
  }
}

// The titles of rows [first, end): row r reads part row r - partShift of the tables from part
// fromPart on, after the line art of the columns left of them. Each title depends on the tables
// alone, and they are most of a large rebuild's work: a long run of rows is shared among threads.
void AppendRowTitles(std::vector<CTreeData>& rows, int first, int end, int partShift, int fromPart,
                     const std::string& prefix, const TitleParts& parts, const LastAtLevel& last) {
  ParallelRuns(first, end, ATREE::s_nTitlesPerThread, [&](int begin, int stop) {
    for (int r = begin; r < stop; ++r) {
      CString& title = rows[static_cast<size_t>(r)].m_strTitle;
      title = prefix.c_str();
      const int part = r - partShift;
      for (int k = fromPart; k < parts.Count(part); ++k) AppendRowPart(title, parts, last, part, k);
    }
  });
}

// A walk over the items in document order meets each item, its path value and the path's bytes
// through three pointers in turn; on a large outline each is a cache miss. Asked for at three
// distances ahead, they arrive while the walk works on the items before.
constexpr size_t kItemAhead = 16, kValueAhead = 8, kBytesAhead = 4;

void PrefetchItem(const std::vector<const CDirData*>& items, size_t i) {
  if (i >= items.size()) return;
  // What the rows read of an item (all but its times) lies within the line it starts in and the
  // next one.
  constexpr int kCacheLine = 64;
  const auto* item = reinterpret_cast<const char*>(items[i]);
  __builtin_prefetch(item);
  __builtin_prefetch(item + kCacheLine);
}

void PrefetchPathsAhead(const std::vector<const CDirData*>& items, size_t i) {
  PrefetchItem(items, i + kItemAhead);
  if (i + kValueAhead < items.size()) items[i + kValueAhead]->m_strPath.PrefetchValue();
  if (i + kBytesAhead < items.size()) items[i + kBytesAhead]->m_strPath.PrefetchBytes();
}

// The heading counters of a row pass. Every counter past deepest is zero, so that a row clears
// only the deeper counters a row before it may have used, not all of them.
struct RowCounters {
  int* value;
  int deepest;
};

bool IsPathBelowOrAt(std::string_view path, std::string_view top) {
  return path.size() >= top.size() && path.compare(0, top.size(), top) == 0 &&
         (path.size() == top.size() || path[top.size()] == '\x01');
}

// Whether every title of the path is non-empty, so that its parts are its levels.
bool HasNoEmptyTitle(std::string_view path) {
  return !path.empty() && path.front() != '\x01' && path.back() != '\x01' && path.find("\x01\x01") == std::string_view::npos;
}

// Narrows shown, which holds whether each item is unfolded, to the items the check filter admits.
void FilterShown(const ATREE& tree, const std::vector<int>& levels, std::vector<char>& shown) {
  if (tree.GetCheckFilter() == 0) return;
  const int n = tree.GetDirDataCount();
  std::vector<char> admitted(static_cast<size_t>(n), 1);
  auto checked = [&tree](int i) { return (tree.GetDirData(i)->m_nStatus & 1) != 0; };
  if (tree.GetCheckFilter() == 1) {
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
  } else if (tree.GetCheckFilter() == 2) {
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
  for (int i = 0; i < n; ++i) shown[static_cast<size_t>(i)] = shown[static_cast<size_t>(i)] && admitted[static_cast<size_t>(i)];
}

// The heading number of a row at the level, advancing the counters; a level beyond the counters
// gets no number and leaves them alone.
void NumberRow(const ATREE& tree, CTreeData& row, int level, RowCounters& counters) {
  const int c = level - 1;
  if (c < 0 || c >= OutlineRows::kLevelCounters) return;
  int* value = counters.value;
  if (counters.deepest > c) std::fill(value + c + 1, value + counters.deepest + 1, 0);
  counters.deepest = c;
  // The row's copy of its item's marks: reading the item would reach into memory the row pass
  // does not otherwise touch.
  const int status = row.m_nStatus;
  row.m_strNumber.Empty();
  if ((status & (4 | 8)) == 0 && (tree.GetNumberStruck() || (status & 2) == 0)) {
    ++value[c];
    row.m_strNumber = tree.GetShoStr().FormatNumber(c, value);
  }
  row.m_nCounter = value[c];
}

// The fields of row that come from item i alone, and its heading number from the counters.
void FillRow(const ATREE& tree, CTreeData& row, int i, int level, int fold, RowCounters& counters) {
  const CDirData* item = tree.GetDirData(i);
  row.m_nItem = i;
  row.m_nLevel = level;
  row.m_nFold = fold;
  row.m_strLink = item->m_strLink;
  row.m_nStatus = item->m_nStatus;
  row.SetFlag1(item->m_nBookmark);
  row.SetFlag2(!item->m_strText.IsEmpty());
  row.m_nIdDigit = item->m_nIdDigit;
  row.m_nIdHigh = item->m_nIdHigh;
  row.m_nIdLow = item->m_nIdLow;
  NumberRow(tree, row, level, counters);
}

// The fold of the item's row at the level: 0 without children, 1 folded, 2 unfolded.
int ItemFold(const ATREE& tree, int item, int level) {
  if (item + 1 >= tree.GetDirDataCount() || ATREE::LevelOf(tree.GetDirData(item + 1)->m_strPath) != level + 1) return 0;
  return tree.GetDirData(item + 1)->m_nView == 0 ? 1 : 2;
}

// The first item whose row a change under parent from first on rebuilds: the parent's child before
// the change when it has a row, else the parent's first child.
int RowWindowFirst(const ATREE& tree, int parent, int first) {
  if (first <= parent + 1) return parent + 1;
  const int level = ATREE::LevelOf(tree.GetDirData(parent)->m_strPath);
  int sibling = first - 1;
  while (sibling > parent && ATREE::LevelOf(tree.GetDirData(sibling)->m_strPath) != level + 1) --sibling;
  // Without a filter an item has a row exactly when it is shown.
  return sibling > parent && tree.GetDirData(sibling)->m_nView != 0 ? sibling : parent + 1;
}

// The deepest item whose subtree holds both items.
int CommonAncestor(const ATREE& tree, int a, int b) {
  if (a > b) std::swap(a, b);
  // The first ancestor of the later item at or before the earlier one holds both: subtrees are runs.
  while (b > a) b = ATREE::LevelOf(tree.GetDirData(b)->m_strPath) <= 1 ? 0 : tree.GetParent(b);
  return b;
}

}  // namespace

void OutlineRows::Rebuild(const ATREE& tree) {
  const int n = tree.GetDirDataCount();
  m_itemRows.assign(static_cast<size_t>(n), -1);
  if (n == 0) {
    m_rows.clear();
    return;
  }

  // Row r takes entry r of the parts table; entry 0 is the top item's, which row 0 always shows.
  // Unfiltered, one walk over the items finds their levels, folds and title parts.
  std::vector<int> levels(static_cast<size_t>(n));
  std::vector<char> unfolded(static_cast<size_t>(n));
  std::vector<char> shown;
  TitleParts parts;
  std::vector<const CDirData*> items;
  tree.GetAllDirData(items);
  const int filter = tree.GetCheckFilter();
  for (int i = 0; i < n; ++i) {
    PrefetchPathsAhead(items, static_cast<size_t>(i));
    const CDirData* d = items[static_cast<size_t>(i)];
    levels[static_cast<size_t>(i)] = ATREE::LevelOf(d->m_strPath);
    unfolded[static_cast<size_t>(i)] = d->m_nView != 0;
    if (filter == 0 && (i == 0 || d->m_nView != 0)) parts.AddRow(d->m_strPath.str());
  }
  shown = unfolded;
  FilterShown(tree, levels, shown);
  if (filter != 0) {
    for (int i = 0; i < n; ++i) {
      if (i == 0 || shown[static_cast<size_t>(i)]) parts.AddRow(items[static_cast<size_t>(i)]->m_strPath.str());
    }
  }
  parts.Finish();
  const LastAtLevel last(parts);
  auto fold = [&](int i) {
    if (i + 1 >= n || levels[static_cast<size_t>(i) + 1] != levels[static_cast<size_t>(i)] + 1) return 0;
    return unfolded[static_cast<size_t>(i) + 1] ? 2 : 1;
  };

  // The old rows are written over rather than freed and made again: their strings keep their
  // memory for the new ones.
  const size_t rowCount = 2 + static_cast<size_t>(std::count(shown.begin() + 1, shown.end(), 1));
  const size_t reused = std::min(rowCount, m_rows.size());
  for (size_t r = 0; r < reused; ++r) ClearRow(m_rows[r]);
  m_rows.resize(rowCount);

  const CDirData* root = tree.GetDirData(0);
  CTreeData& top = m_rows[0];
  top.m_strTitle = root->m_strPath.Get();
  top.m_strLink = root->m_strLink;
  top.m_nItem = 0;
  top.m_nLevel = levels[0];
  top.m_nStatus = root->m_nStatus;
  top.SetFlag1(root->m_nBookmark);
  top.m_nFold = fold(0);
  m_itemRows[0] = 0;

  std::fill(std::begin(m_counters.value), std::end(m_counters.value), 0);
  RowCounters counters{m_counters.value, 0};
  int r = 1;
  for (int i = 1; i < n; ++i) {
    PrefetchItem(items, static_cast<size_t>(i) + kValueAhead);
    if (!shown[static_cast<size_t>(i)]) continue;
    m_itemRows[static_cast<size_t>(i)] = r;
    FillRow(tree, m_rows[static_cast<size_t>(r)], i, levels[static_cast<size_t>(i)], fold(i), counters);
    ++r;
  }
  AppendRowTitles(m_rows, 1, r, 0, 0, std::string(), parts, last);
  m_rows.back().m_nItem = n;  // the sentinel row
  m_bCurrent = true;
}

void OutlineRows::Update(const ATREE& tree, const Change& change, bool rowsWereCurrent) {
  Update(tree, std::vector<Change>{change}, rowsWereCurrent);
}

// A change among the parent's descendants is rebuilt from the parent's child before it on: a row
// before that child looks at the change only through rows that stay, the line art left of the
// children's column is the parent's own, and the rows after the change keep their line art while
// their numbers are redone until the counters meet the old ones again. Changes whose windows meet
// are taken as one change under their common ancestor. Filters, rows gone stale before the change,
// empty titles and inconsistent folds take the full rebuild.
void OutlineRows::Update(const ATREE& tree, const std::vector<Change>& changes, bool rowsWereCurrent) {
  const int n = tree.GetDirDataCount();
  bool local = rowsWereCurrent && !changes.empty() && static_cast<int>(m_itemRows.size()) == n && tree.GetCheckFilter() == 0;
  for (size_t k = 0; local && k < changes.size(); ++k) {
    const Change& c = changes[k];
    local = c.parent >= 0 && c.parent < c.first && c.first <= c.end && c.end <= n &&
            (k == 0 || changes[k - 1].end <= c.first);
  }
  if (!local) {
    Rebuild(tree);
    return;
  }

  struct Window {
    Change change;
    int first;  // the first item rebuilt
    int rowStart;  // its old row, then its new one
    int rowEnd;  // the end of its old rows, then of its new ones
    // Levels and view flags of the items from first to the change's end, read in one walk; the
    // shown ones get rows, written over the old rows so that their strings keep their memory.
    std::vector<int> levels;
    std::vector<char> unfolded;
    std::vector<int> fresh;  // the items with a row
    // The fold of item i in the window, from the walk where its next item was read in it.
    int FoldOf(const ATREE& tree, int i, int level) const {
      if (i + 1 >= change.end) return ItemFold(tree, i, level);
      const size_t next = static_cast<size_t>(i + 1 - first);
      if (levels[next] != level + 1) return 0;
      return unfolded[next] ? 2 : 1;
    }
  };
  std::vector<Window> windows;
  for (const Change& change : changes) {
    Change c = change;
    int first = RowWindowFirst(tree, c.parent, c.first);
    while (!windows.empty()) {
      const Window& before = windows.back();
      if (first > before.change.end && !(c.parent >= before.first && c.parent < before.change.end)) break;
      c = {CommonAncestor(tree, before.change.parent, c.parent), before.change.first, c.end, before.change.delta + c.delta};
      windows.pop_back();
      first = RowWindowFirst(tree, c.parent, c.first);
    }
    windows.push_back({c, first, 0, 0, {}, {}, {}});
  }

  // The old rows of each window; the rows are in item order and end with the sentinel.
  auto rowOf = [this](int oldItem) {
    return static_cast<int>(std::lower_bound(m_rows.begin(), m_rows.end(), oldItem,
                                             [](const CTreeData& row, int item) { return row.m_nItem < item; }) -
                            m_rows.begin());
  };
  int delta = 0;  // of the changes before the window
  int rowDelta = 0;
  for (Window& w : windows) {
    w.rowStart = rowOf(w.first - delta);
    delta += w.change.delta;
    w.rowEnd = rowOf(w.change.end - delta);
    const size_t items = static_cast<size_t>(w.change.end - w.first);
    w.levels.resize(items);
    w.unfolded.resize(items);
    for (int i = w.first; i < w.change.end; ++i) {
      const CDirData* d = tree.GetDirData(i);
      const size_t k = static_cast<size_t>(i - w.first);
      w.levels[k] = ATREE::LevelOf(d->m_strPath);
      w.unfolded[k] = d->m_nView != 0;
      if (w.unfolded[k]) w.fresh.push_back(i);
    }
    rowDelta += static_cast<int>(w.fresh.size()) - (w.rowEnd - w.rowStart);
    if (rowDelta > 0 && windows.size() > 1) {
      Rebuild(tree);  // only a lone change grows the rows
      return;
    }
  }
  if (rowDelta > 0) {
    Window& w = windows.front();
    m_rows.insert(m_rows.begin() + w.rowEnd, static_cast<size_t>(rowDelta), CTreeData());
    w.rowEnd += rowDelta;
  }

  // The rows between the windows close up and follow their items, once for all windows.
  int shift = 0;
  delta = 0;
  const bool grown = rowDelta > 0;  // the rows after the window moved already
  auto moveRows = [&](int from, int to) {
    if (shift == 0 && delta == 0 && !grown) return;
    for (int r = from; r < to; ++r) {
      CTreeData& row = m_rows[static_cast<size_t>(r + shift)];
      if (shift != 0) row = std::move(m_rows[static_cast<size_t>(r)]);
      row.m_nItem += delta;
      if (row.m_nItem < n) m_itemRows[static_cast<size_t>(row.m_nItem)] = r + shift;
    }
  };
  for (size_t k = 0; k < windows.size(); ++k) {
    Window& w = windows[k];
    if (k > 0) moveRows(windows[k - 1].rowEnd, w.rowStart);
    const int oldStart = w.rowStart;
    w.rowStart += shift;
    shift += static_cast<int>(w.fresh.size()) - (w.rowEnd - oldStart);
    delta += w.change.delta;
  }
  moveRows(windows.back().rowEnd, static_cast<int>(m_rows.size()));
  if (shift < 0) m_rows.erase(m_rows.end() + shift, m_rows.end());
  for (Window& w : windows) {
    for (int i = w.first; i < w.change.end; ++i) m_itemRows[static_cast<size_t>(i)] = -1;
    for (size_t f = 0; f < w.fresh.size(); ++f) {
      const int i = w.fresh[f];
      const int r = w.rowStart + static_cast<int>(f);
      m_itemRows[static_cast<size_t>(i)] = r;
      CTreeData& row = m_rows[static_cast<size_t>(r)];
      ClearRow(row);
      row.m_nItem = i;
      row.m_nLevel = w.levels[static_cast<size_t>(i - w.first)];
    }
    w.rowEnd = w.rowStart + static_cast<int>(w.fresh.size());
  }

  // Each window in turn: its line art from the paths, its numbers from the rows before it, then
  // the numbers after it, which may run on into the next window.
  const int last = static_cast<int>(m_rows.size()) - 1;  // the sentinel
  std::vector<int> pending;  // levels of parents whose children's numbers may still be off
  for (size_t k = 0; k < windows.size(); ++k) {
    Window& w = windows[k];
    const int parent = w.change.parent;
    const int rowP = GetRowIndex(parent);
    bool fits = rowP >= 0 && rowP < w.rowStart && m_rows[static_cast<size_t>(rowP)].m_nItem == parent &&
                (parent == 0 || tree.GetDirData(parent)->m_nView != 0);
    const std::string& path = fits ? tree.GetDirData(parent)->m_strPath.str() : std::string();
    const int level = fits ? ATREE::LevelOf(tree.GetDirData(parent)->m_strPath) : 0;
    fits = fits && HasNoEmptyTitle(path);
    std::string prefix;  // the line art of the parent's column and those left of it
    if (fits && level > 0) {
      const CTreeData& rowOfParent = m_rows[static_cast<size_t>(rowP)];
      const std::string& title = rowOfParent.m_strTitle.str();
      const std::string_view piece = title.size() >= static_cast<size_t>(4 * level)
                                         ? std::string_view(title).substr(static_cast<size_t>(4 * (level - 1)), 4)
                                         : std::string_view();
      const std::string& before = tree.GetDirData(m_rows[static_cast<size_t>(rowP) - 1].m_nItem)->m_strPath.str();
      fits = (piece == kBranch || piece == kBranchLast) &&
             IsPathBelowOrAt(before, std::string_view(path).substr(0, path.rfind('\x01')));
      if (fits) prefix = title.substr(0, static_cast<size_t>(4 * (level - 1))) + (piece == kBranch ? kColumnPass : kColumnEmpty);
    }
    if (!fits) {
      Rebuild(tree);
      return;
    }

    // The counters as the row pass leaves them before the window; rows deeper than the counters
    // reach have no number and leave them alone.
    int counterValues[kLevelCounters] = {};
    RowCounters counters{counterValues, std::min(level, kLevelCounters - 1)};
    int bound = std::min(level + 1, kLevelCounters);
    for (int r = w.rowStart - 1; r >= 1 && bound > 0; --r) {
      const CTreeData& row = m_rows[static_cast<size_t>(r)];
      if (row.m_nLevel < 1 || row.m_nLevel > bound) continue;
      counterValues[row.m_nLevel - 1] = row.m_nCounter;
      bound = row.m_nLevel - 1;
    }

    // Parts of the row before the window, the window's rows, and the rows after it up to the first
    // at the children's level or above, where every line-art question of the window ends.
    const int rowEnd = w.rowEnd;
    TitleParts parts;
    // Without empty titles a row's parts are its levels.
    auto addRow = [&](int item) {
      const std::string& p = tree.GetDirData(item)->m_strPath.str();
      parts.AddRow(p);
      return HasNoEmptyTitle(p);
    };
    bool plain = addRow(m_rows[static_cast<size_t>(w.rowStart) - 1].m_nItem);
    for (int r = w.rowStart; r < rowEnd; ++r) plain = addRow(m_rows[static_cast<size_t>(r)].m_nItem) && plain;
    if (rowEnd < last && m_rows[static_cast<size_t>(rowEnd)].m_nLevel > level + 1) plain = false;
    for (int r = rowEnd; r < last; ++r) {
      plain = addRow(m_rows[static_cast<size_t>(r)].m_nItem) && plain;
      if (m_rows[static_cast<size_t>(r)].m_nLevel <= level + 1) break;
    }
    if (!plain) {
      Rebuild(tree);
      return;
    }
    parts.Finish();
    const LastAtLevel lastAtLevel(parts);

    AppendRowTitles(m_rows, w.rowStart, rowEnd, w.rowStart - 1, level, prefix, parts, lastAtLevel);
    for (int r = w.rowStart; r < rowEnd; ++r) {
      CTreeData& row = m_rows[static_cast<size_t>(r)];
      const int i = row.m_nItem;
      FillRow(tree, row, i, row.m_nLevel, w.FoldOf(tree, i, row.m_nLevel), counters);
      // A row at a pending parent's level or above ends what that parent's change could reach.
      std::erase_if(pending, [&row](int l) { return row.m_nLevel >= 1 && l >= row.m_nLevel; });
    }
    m_rows[static_cast<size_t>(rowP)].m_nFold = ItemFold(tree, parent, level);

    // Numbers after the window follow from the counters until a row at a pending parent's level
    // or above, or a row at its children's level whose counter comes out as before. Counters below
    // the children's level restart at every child and so come out as before: their numbers change
    // only in the style that shows every level.
    pending.push_back(level);
    const int shallowest = *std::min_element(pending.begin(), pending.end());
    const int deepest = *std::max_element(pending.begin(), pending.end());
    bool showsEveryLevel = false;
    for (int c = shallowest + 1; c < CShoStrArray::MaxStyles; ++c) showsEveryLevel = showsEveryLevel || tree.GetShoStr().GetNo(c) == 11;
    const int stop = k + 1 < windows.size() ? windows[k + 1].rowStart : last;
    for (int r = rowEnd; r < stop && !pending.empty(); ++r) {
      CTreeData& row = m_rows[static_cast<size_t>(r)];
      if (row.m_nLevel >= 1) std::erase_if(pending, [&row](int l) { return l >= row.m_nLevel; });
      if (pending.empty()) break;
      if (row.m_nLevel > deepest + 1 && !showsEveryLevel) continue;
      const int old = row.m_nCounter;
      NumberRow(tree, row, row.m_nLevel, counters);
      if (row.m_nCounter == old) std::erase_if(pending, [&row](int l) { return l + 1 == row.m_nLevel; });
    }
    if (stop == last) pending.clear();
  }
  m_bCurrent = true;
}

int OutlineRows::GetRowIndex(int item) const {
  return item >= 0 && item < static_cast<int>(m_itemRows.size()) ? m_itemRows[static_cast<size_t>(item)] : -1;
}

CString OutlineRows::GetNumberText(int item) const {
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

int OutlineRows::GetMaxRowTextLength() const {
  int longest = 0;
  for (const CTreeData& row : m_rows) longest = std::max(longest, row.m_strTitle.GetLength());
  return longest;
}

void OutlineRows::Clear() {
  m_rows.clear();
  m_itemRows.clear();
  m_bCurrent = false;
}

void OutlineRows::InsertItems(int index, int count, int itemsBefore) {
  m_bCurrent = false;
  if (static_cast<int>(m_itemRows.size()) == itemsBefore && index <= itemsBefore) {
    m_itemRows.insert(m_itemRows.begin() + index, static_cast<size_t>(count), -1);
  } else {
    m_itemRows.assign(static_cast<size_t>(itemsBefore + count), -1);
  }
}

void OutlineRows::RemoveItemRanges(const std::vector<std::pair<int, int>>& ranges, int itemsBefore, int itemsAfter) {
  m_bCurrent = false;
  if (static_cast<int>(m_itemRows.size()) != itemsBefore) {
    m_itemRows.assign(static_cast<size_t>(itemsAfter), -1);
    return;
  }
  // The rows of the items kept close up in one pass over the runs.
  size_t write = static_cast<size_t>(ranges.front().first);
  for (size_t k = 0; k < ranges.size(); ++k) {
    const size_t from = static_cast<size_t>(ranges[k].second);
    const size_t to = k + 1 < ranges.size() ? static_cast<size_t>(ranges[k + 1].first) : m_itemRows.size();
    std::move(m_itemRows.begin() + static_cast<std::ptrdiff_t>(from), m_itemRows.begin() + static_cast<std::ptrdiff_t>(to),
              m_itemRows.begin() + static_cast<std::ptrdiff_t>(write));
    write += to - from;
  }
  m_itemRows.resize(write);
}

void OutlineRows::ShowTextMark(int item, bool nonEmpty) {
  const int row = GetRowIndex(item);
  if (row >= 0 && row < GetTreeDataCount()) m_rows[static_cast<size_t>(row)].SetFlag2(nonEmpty);
}

void OutlineRows::ShowCheck(int item, int on) {
  const int r = GetRowIndex(item);
  if (r < 0 || r >= static_cast<int>(m_rows.size())) return;
  CTreeData& row = m_rows[static_cast<size_t>(r)];
  row.m_nStatus = (row.m_nStatus & ~1) | on;
}

void OutlineRows::ShowColor(int item, int color) {
  const int r = GetRowIndex(item);
  if (r < 0 || r >= static_cast<int>(m_rows.size())) return;
  m_rows[static_cast<size_t>(r)].m_nIdDigit = 1;
  m_rows[static_cast<size_t>(r)].m_nIdHigh = color;
}

void OutlineRows::ResetLevelCounters(int level) {
  for (int d = 0; d < kLevelCounters; ++d) m_counters.value[d] = d >= level ? 0 : -2;
}
