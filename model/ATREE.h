#pragma once
// The whole in-memory outline of one document: the items in document order, the display rows
// derived from them (OutlineRows), the properties record, the numbering styles, the lock of the
// document file and the find and replace (OutlineSearch). Item indexes are ints into the item
// array; -1 means none. Item 0 is the top item; an item's level is the number of 0x01 bytes in its
// path.
//
// Copies share the items that neither side changes (see CDirDataArray): read items through
// GetDirData and change them only through EditDirData.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/CFileLock.h"
#include "foundation/NotCopied.h"
#include "model/CDirDataArray.h"
#include "model/CDocProperties.h"
#include "model/CLinkPath.h"
#include "model/CShoStrArray.h"
#include "model/CTreeData.h"
#include "model/OutlineRows.h"
#include "model/OutlineSearch.h"
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"

// Whether the path's extension equals the given one (".kvn"), letter case ignored.
bool HasExtension(const char* path, const char* extension);

// What a copy of an outline takes along besides its rows; see ATREE::ItemsOnly. Every member is
// copied by the compiler: what must not be copied says so by its type.
struct OutlineContent {
  CDirDataArray m_items;
  int m_nExtraValue = 0;
  int m_bLoaded = 0;
  int m_bWriteAccess = 0;  // write password given since opening
  int m_bReadOnly = 0;
  CFileLock m_lock;
  CDocProperties m_properties;
  DocumentShoStr m_shoStr;
  int m_nCheckFilter = 0;  // 0 all, 1 checked trees only, 2 all but checked trees
  int m_bNumberStruck = 1;  // struck-through items are numbered too
  OutlineSearch m_search;
  // What this object's own work carries from call to call; a copy starts without it.
  struct Work {
    int chainIndex = -1;  // the item a run of sequential insertions last inserted
    int numericTitles = 0;  // the last sort compared titles under one parent as numbers
    std::vector<std::uint64_t> forward;  // identities of the trees left by a step back, newest last
    CStringArray footnotes;
  };
  NotCopied<Work> m_work;
};

class ATREE : private OutlineContent {
 public:
  ATREE();
  // A copy takes the rows too; an assignment replaces them.
  // A copy without rows, for a model kept only to be restored later (an undo snapshot); a rebuild
  // derives the rows again from the items.
  struct ItemsOnly {};
  ATREE(const ATREE& other, ItemsOnly) : OutlineContent(other) {}

  // Opening and saving.
  int OpenFile(const char* path, int openMode, int lockFlag);
  int ReadKvnFile(const char* path);
  int SaveFile(const char* path);
  int WriteByExtension(const char* path);
  int WriteKvnFile(const char* path);
  // The native file's bytes as they go to the disk (CR LF line ends), handed to sink in blocks of a
  // few MB. The sink may take a block's bytes (leaving an empty buffer in their place).
  void FormatKvnFile(const std::function<void(CString&)>& sink);
  void SaveTreesAs(int item, const char* path);
  BOOL CheckWritePassword();
  // The file at path may be written: it is not read-only and no other writer holds its lock.
  BOOL IsWritable(const char* path);

  // The display rows, derived from the items; MakeTreeData derives all of them again.
  const OutlineRows& GetRows() const { return m_rows; }
  OutlineRows& GetRows() { return m_rows; }
  void MakeTreeData() { m_rows.Rebuild(*this); }
  // The first row whose title equals the text, ASCII letter case ignored; -1 when none.
  int FindRow(const char* title) const;

  // The find and replace of this outline.
  const OutlineSearch& GetSearch() const { return m_search; }
  OutlineSearch& GetSearch() { return m_search; }

  // Items.
  const CDirData* GetDirData(int item) const { return m_items.GetAt(item); }
  CDirData* EditDirData(int item) {
    m_rows.SetCurrent(false);
    return m_items.GetMutable(item);
  }
  // Every item in order, for a walk over all of them.
  void GetAllDirData(std::vector<const CDirData*>& items) const { m_items.GetAll(items); }
  int GetDirDataCount() const { return m_items.GetSize(); }
  const CString& GetTitle(int item) const { return GetDirData(item)->m_strPath; }
  const CString& GetText(int item) const { return GetDirData(item)->m_strText; }
  // A text shows in its row only as the mark of a non-empty text: the rows stay current.
  void SetText(int item, const char* text);
  const CString& GetLink(int item) const { return GetDirData(item)->m_strLink; }
  void SetLink(int item, const char* link) { EditDirData(item)->m_strLink = link; }
  int IsFlag4(int item) const { return GetDirData(item)->IsFlag4() ? 1 : 0; }
  int IsFlag8(int item) const { return GetDirData(item)->IsFlag8() ? 1 : 0; }
  BOOL IsStrike(int item) const { return GetDirData(item)->IsStrike(); }
  int GetBookmark(int item) const { return GetDirData(item)->m_nBookmark; }
  void SetBookmark(int item, int value) { EditDirData(item)->m_nBookmark = value; }
  int GetExtraValue() const { return m_nExtraValue; }
  int IsLoaded() const { return m_bLoaded; }
  void SetLoaded() { m_bLoaded = 1; }
  // Appends an item (the model takes it); the rows are left to the caller's rebuild.
  void AddDirData(std::unique_ptr<CDirData> item);
  // Destroys every item and row.
  void DeleteContents();

  // Navigation and lookup.
  // The level of a path: the number of its 0x01 bytes.
  static int LevelOf(const CString& path);
  int GetLevel(int item) const;
  CString GetName(int item) const;
  CString GetPathPart(int item, int level) const;
  int GetPathPos(int item, int count) const;
  int GetParent(int item) const;
  int GetPrevSibling(int item) const;
  int GetNextSibling(int item, BOOL end) const;
  int HasChildren(int item) const;
  int IndexOf(const CDirData* item) const { return m_items.IndexOf(item); }
  int FindPath(const char* path) const;
  int FindName(const char* name) const;
  int GetTitleWidth(int item) const;

  BOOL IsReadOnly() const { return m_bReadOnly; }
  // A reader marks what it read as never to be written back (a converted e-book).
  void SetReadOnly() { m_bReadOnly = 1; }
  // Notes collected while the outline is written out as text; a copy starts without them.
  CStringArray& GetFootnotes() { return m_work.footnotes; }
  CString GetCategoryText(int category) const;
  CString GetNetPathName() const;

  CDocProperties& GetProperties() { return m_properties; }
  const CDocProperties& GetProperties() const { return m_properties; }
  CShoStrArray& GetShoStr() {
    m_rows.SetCurrent(false);  // the numbers may change
    return m_shoStr;
  }
  const CShoStrArray& GetShoStr() const { return m_shoStr; }
  CFileLock& GetLock() { return m_lock; }
  int GetNumberStruck() const { return m_bNumberStruck; }
  void SetNumberStruck(int on) {
    m_bNumberStruck = on;
    m_rows.SetCurrent(false);
  }
  int GetCheckFilter() const { return m_nCheckFilter; }
  void SetCheckFilter(int filter) {
    m_nCheckFilter = filter;
    m_rows.SetCurrent(false);
  }

  // ---- Tree operations: insertion, records, deleting and moving, folding and marks ----
  int InsertTree(int parent, CString& title, const char* link, CString& text, int status, int bookmark,
                         int view, const char* idText, BOOL lastChild);
  // InsertTree as the last child, for readers that build an outline in document order: the
  // parent's subtree must end the model, so the place is known without walking the subtree.
  int AppendLastChild(int parent, CString& title, const char* link, CString& text, int view);
  int InsertSibling(int reference, CString& title, const char* link, CString& text, int status,
                            int bookmark, const char* idText, BOOL before);
  int AddTree(int parent, const char* title, const char* link, const char* text, int status, int bookmark,
                      const char* idText, BOOL sequence);
  int AppendTree(const char* path);
  int GetChainIndex() const { return m_work.chainIndex; }
  void SetChainIndex(int index) { m_work.chainIndex = index; }
  // Bytes 0x02-0x08 separate the fields of tree records: they never enter a title, link or text.
  static void StripRecordBytes(CString& text);
  static void StripRecordBytes(CSharedString& text);
  // Removes every 0x01 byte (a lead byte before it notwithstanding): an imported title names one
  // level, never a deeper path.
  static void StripLevelSeparators(CString& title);
  // Deletes every CR LF, then CR, then LF: titles are single lines.
  static void DeleteLineBreaks(CString& title);

  CString GetSubtreeRecords(int item, BOOL withTimes) const;
  CString GetChildRecords(int item, BOOL withTimes) const;
  int InsertTreeRecords(int index, CString& records, BOOL after);
  int PasteTreeRecords(int parent, CString& records, BOOL fold);

  void DeleteTree(int item);
  // Deletes the subtree of each item (overlapping subtrees allowed) with one rows update.
  void DeleteTrees(const std::vector<int>& items);
  void DeleteTreeByPath(const char* path);
  void DeleteChildren(int item);
  void RenameTree(int item, const char* title, const char* link);
  int MoveTree(int a, int b);
  int PromoteTree(int item);
  int DemoteTree(int item, BOOL open);
  void RemoveAll();

  void ExpandAll(int item);
  void CollapseAll(int item);
  void ExpandLevels(int item, int depth);
  void ShowTree(int item);
  int IsExpanded(int item) const;
  void ToggleCheck(int item);
  void ToggleStrike(int item);
  int IsInCheckedTree(int item) const;
  int HasCheckInSubtree(int item) const;

  // Heading numbers at the start of a line, as the text import recognises them.
  int GetRomanNumberLength(const char* line) const;
  int GetHeadNumberLength(const char* line, int* kind) const;
  int GetNumberSeparatorLength(const char* text, int pos, BOOL strict) const;

  // Sorting children (modes 0-11); children whose keys compare equal keep their order.
  void SortTrees(int item, int mode, BOOL directChildrenOnly, BOOL numericTitles);
  void SortChildren(int item, int mode);
  int CompareNodes(const CDirData* a, const CDirData* b, int mode) const;
  int CompareTitles(const char* a, const char* b) const;
  CString GetParentPath(const char* path) const;
  CString GetLastPart(const char* path) const;

  // Item accessors, recent trees and the back and forward history of displayed trees.
  int* SetFlag4(int item, BOOL on);
  int* SetFlag8(int item, BOOL on);
  void SetFlags(int item, int level);
  int CountShownBelow(int item, int depth) const;
  void SetTreeColor(int item, int color);
  int GetView(int item) const { return GetDirData(item)->m_nView; }
  void ClearMarks(int item);
  int ListRecentUpdated(int item, std::vector<const CDirData*>& list, int maximum) const;
  int ListRecentDisplayed(int item, std::vector<const CDirData*>& list, int maximum) const;
  int FindPrevDisplayed(int item) const;
  int GoBack(int current);
  int GoForward();
  // Every selection change starts a new forward history.
  void ClearForwardList() { m_work.forward.clear(); }
  BOOL HasForward() const { return !m_work.forward.empty(); }
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
  // The heading counters (see OutlineRows::GetLevelCounters) restart at the item's level.
  void ResetLevelCounters(int item);
  int FindTreeByLink(const CLinkPath& link) const;
  void GetTreeLinkText(int item, CLinkPath& link) const;
  static CString MakeFullPath(const char* documentPath, const char* filePart);

  // Print pruning: removes what the check filter hides and every struck-through subtree, keeping
  // the current tree index in step; FALSE when nothing printable is left.
  BOOL PruneForPrint(int* current);

  // The fewest rows one thread writes titles for in a rebuild; tests lower it so that small
  // outlines take the threaded path too.
  static int s_nTitlesPerThread;

 private:
  using RowChange = OutlineRows::Change;
  // The item whose subtree holds every change made to the item's subtree and place: its parent,
  // or for the first level the top item, whose search would walk all that comes before.
  int RowsParentOf(int item) const;
  // Puts the items at index, index + 1, ... in one pass; row indexes stay stale until a rebuild.
  void InsertItems(int index, std::vector<std::unique_ptr<CDirData>> items);
  void RemoveItems(int index, int count);
  // The end of the run of items from item on whose paths lie below path.
  int SubtreeEnd(int item, const CString& path) const;
  // Removes the runs [first, end) of items, given in ascending order without overlaps, in one pass.
  void RemoveItemRanges(const std::vector<std::pair<int, int>>& ranges);
  // Rearranges the items from first on as CDirDataArray::Reorder does; the rows wait for an update.
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
  void ShowReadOnlyNotice(int reason, const char* path);
  // Appends the item line of the native file as it goes to the disk, with its CR LF.
  void AppendItemRecord(int item, std::string& out) const;

  OutlineRows m_rows;
};
