#pragma once
// The whole in-memory outline of one document: the items in document order, the display rows
// derived from them, the properties record, the numbering styles, the lock of the document file
// and the search options. Item indexes are ints into the item array; -1 means none. Item 0 is the
// top item; an item's level is the number of 0x01 bytes in its path.
//
// Copies share the items that neither side changes (see CDirDataArray): read items through
// GetDirData and change them only through EditDirData.
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "foundation/CFileLock.h"
#include "foundation/IRegExp.h"
#include "model/CDirDataArray.h"
#include "model/CLinkPath.h"
#include "model/CShoStrArray.h"
#include "model/CDocProperties.h"
#include "model/CTreeData.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"
#include "platform/com/RegExpLineMatcher.h"
#include "platform/framework/TreeItemHandle.h"

// Whether the path's extension equals the given one (".kvn"), letter case ignored.
bool HasExtension(const char* path, const char* extension);

class CTreeCtrl;

class ATREE {
 public:
  static constexpr int kLevelCounters = 200;

  ATREE();
  ATREE(const ATREE& other);
  // A copy without rows, for a model kept only to be restored later (an undo snapshot); a rebuild
  // derives the rows again from the items.
  struct ItemsOnly {};
  ATREE(const ATREE& other, ItemsOnly);
  ATREE& operator=(const ATREE& other);
  virtual ~ATREE();

  // Opening and saving.
  virtual int OpenFile(const char* path, int openMode, int lockFlag);
  virtual int ReadKvnFile(const char* path);
  virtual int SaveFile(const char* path);
  virtual int WriteByExtension(const char* path);
  virtual int WriteKvnFile(const char* path);
  // The native file's bytes as they go to the disk (CR LF line ends), handed to sink in blocks of a
  // few MB. The sink may take a block's bytes (leaving an empty buffer in their place).
  void FormatKvnFile(const std::function<void(CString&)>& sink);
  virtual void SaveTreesAs(int item, const char* path);
  BOOL CheckWritePassword();
  // The file at path may be written: it is not read-only and no other writer holds its lock.
  BOOL IsWritable(const char* path);

  // Rows.
  virtual void MakeTreeData();
  virtual CTreeData* GetTreeData(int row) { return &m_rows[static_cast<size_t>(row)]; }
  const CTreeData* GetTreeData(int row) const { return &m_rows[static_cast<size_t>(row)]; }
  virtual int GetTreeDataCount() const { return static_cast<int>(m_rows.size()) - 1; }
  virtual CString GetNumberText(int item);
  virtual int GetMaxRowTextLength() const;
  // The row that shows the item; -1 when it has none. While a native file is being read it is the
  // zero-based number of the file line the item came from, until the rows are rebuilt.
  int GetRowIndex(int item) const;

  // Items.
  const CDirData* GetDirData(int item) const { return m_items.GetAt(item); }
  CDirData* EditDirData(int item) {
    m_bRowsCurrent = false;
    return m_items.GetMutable(item);
  }
  virtual int GetDirDataCount() const { return m_items.GetSize(); }
  virtual const CString& GetTitle(int item) const { return GetDirData(item)->m_strPath; }
  virtual const CString& GetText(int item) const { return GetDirData(item)->m_strText; }
  // A text shows in its row only as the mark of a non-empty text: the rows stay current.
  virtual void SetText(int item, const char* text);
  virtual const CString& GetLink(int item) const { return GetDirData(item)->m_strLink; }
  virtual void SetLink(int item, const char* link) { EditDirData(item)->m_strLink = link; }
  virtual int IsFlag4(int item) const { return GetDirData(item)->IsFlag4() ? 1 : 0; }
  virtual int IsFlag8(int item) const { return GetDirData(item)->IsFlag8() ? 1 : 0; }
  virtual BOOL IsStrike(int item) const { return GetDirData(item)->IsStrike(); }
  virtual int GetBookmark(int item) const { return GetDirData(item)->m_nBookmark; }
  virtual void SetBookmark(int item, int value) { EditDirData(item)->m_nBookmark = value; }
  virtual int GetExtraValue() const { return m_nExtraValue; }
  virtual int IsLoaded() const { return m_bLoaded; }
  virtual void SetLoaded() { m_bLoaded = 1; }
  // Appends an item (the model takes it); the rows are left to the caller's rebuild.
  void AddDirData(std::unique_ptr<CDirData> item);
  // Destroys every item and row.
  void DeleteContents();

  // Navigation and lookup.
  virtual int GetLevel(int item) const;
  virtual CString GetName(int item) const;
  virtual CString GetPathPart(int item, int level) const;
  virtual int GetPathPos(int item, int count) const;
  virtual int GetParent(int item) const;
  virtual int GetPrevSibling(int item) const;
  virtual int GetNextSibling(int item, BOOL end) const;
  virtual int HasChildren(int item) const;
  virtual int IndexOf(const CDirData* item) const { return m_items.IndexOf(item); }
  virtual int FindPath(const char* path) const;
  virtual int FindName(const char* name) const;
  virtual int FindRow(const char* title) const;
  virtual int GetTitleWidth(int item) const;

  BOOL IsReadOnly() const { return m_bReadOnly; }
  // A reader marks what it read as never to be written back (a converted e-book).
  void SetReadOnly() { m_bReadOnly = 1; }
  CTreeCtrl* GetTreeCtrl() const { return m_pTreeCtrl; }
  void SetTreeCtrl(CTreeCtrl* tree) { m_pTreeCtrl = tree; }
  // Notes collected while the outline is written out as text; a copy starts without them.
  CStringArray& GetFootnotes() { return m_footnotes; }
  CString GetCategoryText(int category) const;
  CString GetNetPathName() const;

  CDocProperties& GetProperties() { return m_properties; }
  const CDocProperties& GetProperties() const { return m_properties; }
  CShoStrArray& GetShoStr() {
    m_bRowsCurrent = false;  // the numbers may change
    return m_shoStr;
  }
  const CShoStrArray& GetShoStr() const { return m_shoStr; }
  CFileLock& GetLock() { return m_lock; }
  void SetNumberStruck(int on) {
    m_bNumberStruck = on;
    m_bRowsCurrent = false;
  }
  int GetCheckFilter() const { return m_nCheckFilter; }
  void SetCheckFilter(int filter) {
    m_nCheckFilter = filter;
    m_bRowsCurrent = false;
  }

  // ---- Tree operations: insertion, records, deleting and moving, folding and marks ----
  virtual int InsertTree(int parent, CString& title, const char* link, CString& text, int status, int bookmark,
                         int view, const char* idText, BOOL lastChild);
  // InsertTree as the last child, for readers that build an outline in document order: the
  // parent's subtree must end the model, so the place is known without walking the subtree.
  int AppendLastChild(int parent, CString& title, const char* link, CString& text, int view);
  virtual int InsertSibling(int reference, CString& title, const char* link, CString& text, int status,
                            int bookmark, const char* idText, BOOL before);
  virtual int AddTree(int parent, const char* title, const char* link, const char* text, int status, int bookmark,
                      const char* idText, BOOL sequence);
  virtual int AppendTree(const char* path);
  void SetChainIndex(int index) { m_nChainIndex = index; }
  // Bytes 0x02-0x08 separate the fields of tree records: they never enter a title, link or text.
  static void StripRecordBytes(CString& text);
  static void StripRecordBytes(CSharedString& text);
  // Removes every 0x01 byte (a lead byte before it notwithstanding): an imported title names one
  // level, never a deeper path.
  static void StripLevelSeparators(CString& title);
  // Deletes every CR LF, then CR, then LF: titles are single lines.
  static void DeleteLineBreaks(CString& title);

  virtual CString GetSubtreeRecords(int item, BOOL withTimes) const;
  virtual CString GetChildRecords(int item, BOOL withTimes) const;
  virtual int InsertTreeRecords(int index, CString& records, BOOL after);
  virtual int PasteTreeRecords(int parent, CString& records, BOOL fold);

  virtual void DeleteTree(int item);
  // Deletes the subtree of each item (overlapping subtrees allowed) with one rows update.
  virtual void DeleteTrees(const std::vector<int>& items);
  virtual void DeleteTreeByPath(const char* path);
  virtual void DeleteChildren(int item);
  virtual void RenameTree(int item, const char* title, const char* link);
  virtual int MoveTree(int a, int b);
  virtual int PromoteTree(int item);
  virtual int DemoteTree(int item, BOOL open);
  virtual void RemoveAll();

  virtual void ExpandAll(int item);
  virtual void CollapseAll(int item);
  virtual void ExpandLevels(int item, int depth);
  virtual void ShowTree(int item);
  virtual int IsExpanded(int item) const;
  virtual void ToggleCheck(int item);
  virtual void ToggleStrike(int item);
  virtual int IsInCheckedTree(int item) const;
  virtual int HasCheckInSubtree(int item) const;

  // Heading numbers at the start of a line, as the text import recognises them.
  virtual int GetRomanNumberLength(const char* line) const;
  virtual int GetHeadNumberLength(const char* line, int* kind) const;
  virtual int GetNumberSeparatorLength(const char* text, int pos, BOOL strict) const;

  // Sorting children (modes 0-11); children whose keys compare equal keep their order.
  virtual void SortTrees(int item, int mode, BOOL directChildrenOnly, BOOL numericTitles);
  void SortChildren(int item, int mode);
  int CompareNodes(const CDirData* a, const CDirData* b, int mode) const;
  int CompareTitles(const char* a, const char* b) const;
  virtual CString GetParentPath(const char* path) const;
  virtual CString GetLastPart(const char* path) const;

  // Find and replace over the trees, with the search state below.
  int MatchText(const char* text, const char* pattern, int* matchLength, int start) const;
  int MatchTextDefault(const char* text, const char* pattern) const;
  int FindText(int start, BOOL includeStart);
  int FindTextBackward(int start);
  int FindAllText(int start, std::vector<const CDirData*>& found);
  virtual int ReplaceInTrees(int item, const char* search, const char* replacement, BOOL texts, BOOL regExp);
  virtual int ReplaceAll(CString& text, const char* search, const char* replacement);
  void SetSearchText(const char* text) { m_strSearch = text; }
  const CString& GetSearchText() const { return m_strSearch; }
  void SetRegExpSearch(int on) { m_bRegExp = on; }
  void SetSearchOptions(int matchCase, int matchWidth, int wordMode) {
    m_bCase = matchCase;
    m_bWidth = matchWidth;
    m_nWordMode = wordMode;
  }
  void SetSearchTargets(int titles, int texts, int links) {
    m_bSearchTitles = titles;
    m_bSearchTexts = texts;
    m_bSearchLinks = links;
  }
  void SetCategoryFilter(int category) { m_nCategoryFilter = category; }
  void SetUpdateRange(const COleDateTime& from, const COleDateTime& to) {
    m_rangeFrom = from;
    m_rangeTo = to;
  }
  int GetFoundInText() const { return m_bFoundInText; }
  // The tree pane clears the flag once it has handed the hit to the text pane.
  void ClearFoundInText() { m_bFoundInText = 0; }
  int GetRegExpSearch() const { return m_bRegExp; }
  int GetMatchCase() const { return m_bCase; }
  int GetMatchWidth() const { return m_bWidth; }
  int GetWordMode() const { return m_nWordMode; }
  // Whether a find next has anything to look for: a word, a category or a date limit.
  bool HasSearchCondition() const {
    return !m_strSearch.IsEmpty() || m_nCategoryFilter != -1 || m_rangeFrom.GetStatus() != COleDateTime::null ||
           m_rangeTo.GetStatus() != COleDateTime::null;
  }

  // Item accessors, recent trees and the back and forward history of displayed trees.
  virtual int* SetFlag4(int item, BOOL on);
  virtual int* SetFlag8(int item, BOOL on);
  virtual void SetFlags(int item, int level);
  virtual int CountShownBelow(int item, int depth) const;
  virtual void SetTreeColor(int item, int color);
  virtual int GetView(int item) const { return GetDirData(item)->m_nView; }
  virtual void ClearMarks(int item);
  int ListRecentUpdated(int item, std::vector<const CDirData*>& list, int maximum) const;
  int ListRecentDisplayed(int item, std::vector<const CDirData*>& list, int maximum) const;
  int FindPrevDisplayed(int item) const;
  int GoBack(int current);
  int GoForward();
  // Every selection change starts a new forward history.
  void ClearForwardList() { m_forward.clear(); }
  BOOL HasForward() const { return !m_forward.empty(); }
  // Entries are item identities: an item edited since is another object by now, the same item.
  int FindInForwardList(const CDirData* item) const;
  void RenumberCategory(int oldPosition, int newPosition);
  void SetSubtreeCategory(int item, int level, int category);
  // Every item below the item (not the item) gets the title-output setting (0-3) and the
  // category; -1 leaves either as it is.
  void SetBelowAttributes(int item, int output, int category);
  CString GetCategoryName(int item) const;
  CString GetRowCategoryText(const CTreeData& row) const;
  CString GetRowTitle(const CTreeData& row, BOOL withCategory) const;
  CString GetOutputTitle(int item, BOOL withCategory) const;
  void ResetLevelCounters(int item);
  const int* GetLevelCounters() const { return m_counters; }
  int FindTreeByLink(const CLinkPath& link) const;
  void GetTreeLinkText(int item, CLinkPath& link) const;
  static CString MakeFullPath(const char* documentPath, const char* filePart);

  // Print pruning: removes what the check filter hides and every struck-through subtree, keeping
  // the current tree index in step; FALSE when nothing printable is left.
  BOOL PruneForPrint(int* current);
  int GetItemImage(int item) const;

  // The attached tree control: one item per tree of the top item's outline, expanded where the
  // outline shows trees. Each tree keeps the handle of its item until the next fill.
  virtual void FillTreeCtrl();
  void FillChildItems(const CString& parentPath, HTREEITEM parent);
  HTREEITEM InsertTreeItem(int item, HTREEITEM parent, HTREEITEM insertAfter);
  BOOL ExpandItemParents(HTREEITEM treeItem);
  void ExpandShownItems(int item);
  int FindItemHandle(HTREEITEM treeItem) const;
  HTREEITEM GetItemHandle(int item) const;
  int GetSelectedIndex() const;
  void SelectIndex(int item);

 protected:
  // A change among the descendants of parent: the items [first, end) are new or changed, those
  // before first are as they were and those from end on are the old ones from end - delta on.
  struct RowChange {
    int parent;
    int first;
    int end;
    int delta;
  };
  // Brings the rows up to date after the change, rebuilding only what it can reach, or all rows
  // where they were stale before it.
  void UpdateRows(const RowChange& change, bool rowsWereCurrent);
  // The same for several changes in ascending order, each starting at or after the end of the one
  // before; the rows move once for all of them.
  void UpdateRows(const std::vector<RowChange>& changes, bool rowsWereCurrent);
  // The first item whose row a change rebuilds: the parent's child before the change when it has a
  // row, else the parent's first child.
  int RowWindowFirst(const RowChange& change) const;
  // The deepest item whose subtree holds both items.
  int CommonAncestor(int a, int b) const;
  // The item whose subtree holds every change made to the item's subtree and place: its parent,
  // or for the first level the top item, whose search would walk all that comes before.
  int RowsParentOf(int item) const;
  // The heading counters of a row pass. Every counter past deepest is zero, so that a row clears
  // only the deeper counters a row before it may have used, not all of them.
  struct RowCounters {
    int* value;
    int deepest;
  };
  void FillRow(CTreeData& row, int i, int level, int fold, RowCounters& counters) const;
  void NumberRow(CTreeData& row, int level, RowCounters& counters) const;
  int FoldOf(int item, int level) const;
  // Puts the items at index, index + 1, ... in one pass; row indexes stay stale until a rebuild.
  void InsertItems(int index, std::vector<std::unique_ptr<CDirData>> items);
  void RemoveItems(int index, int count);
  // The end of the run of items from item on whose paths lie below path.
  int SubtreeEnd(int item, const CString& path) const;
  // Removes the runs [first, end) of items, given in ascending order without overlaps, in one pass.
  void RemoveItemRanges(const std::vector<std::pair<int, int>>& ranges);
  // Rearranges the items from first on as CDirDataArray::Reorder does, with what is kept beside them.
  void ReorderItems(int first, const std::vector<int>& order);
  // A new item as the insertions build it (fields cleaned, times now, identifier applied).
  std::unique_ptr<CDirData> NewItem(const CString& path, const char* link, const char* text, int status,
                                    int bookmark, int view, const char* idText) const;
  void ApplyAutoTitle(const CString& title, CString& text) const;
  int InsertTreeAt(int index, int parent, CString& title, const char* link, CString& text, int status, int bookmark,
                   int view, const char* idText);
  CString RecordsOf(int first, int end, int cut, BOOL withTimes) const;
  // Gives the items first to end - 1 the view flag.
  void SetViewRange(int first, int end, int view);
  // Gives the item's descendants down to depth levels below it (-1: all) the view flag in one walk;
  // returns the end of its subtree.
  int SetViewBelow(int item, int view, int depth);
  // Shows the item and unfolds its hidden ancestors level by level; no rebuild.
  void RevealItem(int item);
  // The node test of the forward find: head runs the category, range, title and link steps.
  bool MatchesNode(int item, bool head);
  bool MatchesSearch(std::string_view text);
  IRegExp& GetRegExp();
  // Points the searches' line tests at the pattern, keeping the compiled one while it stays.
  void UseLineMatcher(const CString& pattern, bool ignoreCase);
  // Sets up a forward find: the pattern of a regular-expression search.
  void PrepareFind();

  int m_bNumericTitles = 0;
  std::vector<std::uint64_t> m_forward;  // identities of the trees left by a step back, newest last
  IRegExp m_regExp;  // created on first use
  std::unique_ptr<RegExpLineMatcher> m_lineMatcher;  // what the searches test texts with

 public:
  // ---- end of tree operations ----

  // Process-wide copy of System/SharedFile, taken by every construction.
  static int s_bSharedFile;
  // The fewest rows one thread writes titles for in a rebuild; tests lower it so that small
  // outlines take the threaded path too.
  static int s_nTitlesPerThread;
  // The smallest plain file that several threads read; tests lower it so that small files take
  // the threaded path too.
  static long long s_nThreadedReadBytes;

 protected:
  static int LevelOf(const CString& path);
  void ShowReadOnlyNotice(int reason, const char* path);
  // Appends the item line of the native file as it goes to the disk, with its CR LF.
  void AppendItemRecord(int item, std::string& out) const;

  std::vector<CTreeData> m_rows;
  CDirDataArray m_items;
  std::vector<int> m_itemRows;  // row of each item (line number while reading)
  // The rows are what a rebuild gives: no item, filter or numbering style changed since the last.
  bool m_bRowsCurrent = false;
  // Tree-control item of each item, kept beside the items because copies share them; empty until
  // a fill, and not copied.
  std::vector<HTREEITEM> m_itemHandles;
  int m_nExtraValue = 0;
  int m_bLoaded = 0;
  int m_bWriteAccess = 0;  // write password given since opening
  int m_bReadOnly = 0;
  CFileLock m_lock;
  CDocProperties m_properties;
  CShoStrArray m_shoStr;
  int m_nCheckFilter = 0;  // 0 all, 1 checked trees only, 2 all but checked trees
  int m_nChainIndex = -1;
  int m_bNumberStruck = 1;  // struck-through items are numbered too
  int m_counters[kLevelCounters] = {};
  CStringArray m_footnotes;
  CTreeCtrl* m_pTreeCtrl = nullptr;
  int m_nFillValue = 0;  // 0 while a fill of the tree control runs
  int m_nFillCursor = 0;  // next item to insert during a fill

  // Search state.
  int m_bFoundInText = 0;
  int m_bCase = 0;
  int m_bWidth = 0;
  int m_nWordMode = 1;
  CString m_strSearch;
  int m_bRegExp = 0;
  int m_nCategoryFilter = -1;
  COleDateTime m_rangeFrom;
  COleDateTime m_rangeTo;
  int m_bSearchTitles = 1;
  int m_bSearchTexts = 1;
  int m_bSearchLinks = 0;

 private:
  void CopyFrom(const ATREE& other, bool withRows = true);
  // Narrows shown, which holds whether each item is unfolded, to the items the check filter admits.
  void FilterShown(const std::vector<int>& levels, std::vector<char>& shown) const;
};
