#pragma once
// The display rows of one outline: one row per shown item, titled with line-art pieces that draw
// the tree, with fold state and heading number, and a sentinel row at the end; beside them the row
// of each item. They are derived from the tree's items, check filter and numbering styles; the
// tree keeps them, and brings them up to date after its edits, locally where an edit allows.
#include <cstddef>
#include <utility>
#include <vector>

#include "foundation/NotCopied.h"
#include "model/CTreeData.h"
#include "platform/base/CString.h"

class ATREE;

class OutlineRows {
 public:
  static constexpr int kLevelCounters = 200;

  CTreeData* GetTreeData(int row) { return &m_rows[static_cast<size_t>(row)]; }
  const CTreeData* GetTreeData(int row) const { return &m_rows[static_cast<size_t>(row)]; }
  int GetTreeDataCount() const { return static_cast<int>(m_rows.size()) - 1; }
  // The row that shows the item; -1 when it has none. While a native file is being read it is the
  // zero-based number of the file line the item came from, until the rows are rebuilt.
  int GetRowIndex(int item) const;
  CString GetNumberText(int item) const;
  int GetMaxRowTextLength() const;
  // The heading counters as the last row pass or reset left them; a copy starts with zeros.
  const int* GetLevelCounters() const { return m_counters.value; }

 private:
  // The rows are the tree's to keep: only it knows when its items change.
  friend class ATREE;

  // A change among the descendants of parent: the items [first, end) are new or changed, those
  // before first are as they were and those from end on are the old ones from end - delta on.
  struct Change {
    int parent;
    int first;
    int end;
    int delta;
  };

  // Every row derived again from the tree.
  void Rebuild(const ATREE& tree);
  // Brings the rows up to date after the change, rebuilding only what it can reach, or all rows
  // where they were stale before it.
  void Update(const ATREE& tree, const Change& change, bool rowsWereCurrent);
  // The same for several changes in ascending order, each starting at or after the end of the one
  // before; the rows move once for all of them.
  void Update(const ATREE& tree, const std::vector<Change>& changes, bool rowsWereCurrent);

  // Whether the rows are what a rebuild gives: no item, filter or numbering style changed since.
  bool IsCurrent() const { return m_bCurrent; }
  void SetCurrent(bool current) { m_bCurrent = current; }
  void Clear();

  // The row of each item follows the items as they are added, inserted and removed; the rows
  // themselves wait for the next update.
  void AddItems(int count) { m_itemRows.resize(static_cast<size_t>(count), -1); }
  void ReserveItems(size_t count) { m_itemRows.reserve(count); }
  void SetItemRow(int item, int row) { m_itemRows[static_cast<size_t>(item)] = row; }
  void InsertItems(int index, int count, int itemsBefore);
  // The runs [first, end) of items, ascending and without overlaps, are gone.
  void RemoveItemRanges(const std::vector<std::pair<int, int>>& ranges, int itemsBefore, int itemsAfter);

  // The item's row shows what only the row's marks show: a non-empty text, the check, a colour.
  void ShowTextMark(int item, bool nonEmpty);
  void ShowCheck(int item, int on);
  void ShowColor(int item, int color);

  // Counters at and below level restart at zero; those above show as none (-2).
  void ResetLevelCounters(int level);

  std::vector<CTreeData> m_rows;
  std::vector<int> m_itemRows;  // row of each item (line number while reading)
  bool m_bCurrent = false;
  struct Counters {
    int value[kLevelCounters] = {};
  };
  NotCopied<Counters> m_counters;
};
