#pragma once
// One item of an outline ("tree" in the user interface): its path (the titles from the top item
// down to this one, joined by 0x01), its text body, its link, its attribute bits, its identifier and
// its times. The hierarchy lives only in the paths and the order of the model's item array.
#include <atomic>
#include <cstdint>

#include "platform/base/CArchive.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"
#include "model/CSharedString.h"

class CDirData {
 public:
  CDirData();
  explicit CDirData(const char* path);
  CDirData(const char* path, const char* text, const char* link, int status);
  CDirData(const CDirData&) = default;
  CDirData& operator=(const CDirData&) = default;

  int GetCategory() const { return (m_nStatus >> 16) & 0xFF; }
  void SetCategory(int category) { m_nStatus = (m_nStatus & ~0xFF0000) | ((category & 0xFF) << 16); }
  BOOL IsStrike() const { return (m_nStatus & 2) != 0; }
  BOOL IsFlag4() const { return (m_nStatus & 4) != 0; }
  BOOL IsFlag8() const { return (m_nStatus & 8) != 0; }
  void SetFlag16(BOOL on) { m_nStatus = on ? (m_nStatus | 16) : (m_nStatus & ~16); }

  const COleDateTime& GetCreateTime() const { return m_created; }
  void SetCreateTime(const COleDateTime& time) { m_created = time; }
  const COleDateTime& GetUpdateTime() const { return m_updated; }
  void SetUpdateTime(const COleDateTime& time) { m_updated = time; }
  const SYSTEMTIME& GetDisplayTime() const { return m_displayed; }
  void SetDisplayTime(const SYSTEMTIME& time) { m_displayed = time; }
  BOOL IsDisplayTimeSet() const { return m_displayed.wYear > 0; }
  // 2: created and updated valid; 1: only updated valid; 0 otherwise.
  int HasTimes() const;
  void SetCreateTimeNow();

  // "%06X%06X%d" of the identifier; with times, 0x01 and the updated, created and displayed times.
  CString GetIdText(BOOL withTimes = FALSE) const;
  void SetIdText(const char* text);

  CString GetUpdateTimeText(BOOL digits) const;
  CString GetCreateTimeText(BOOL digits) const;
  CString GetDisplayTimeText(BOOL digits) const;

  // The archive form (schema 100): path, text and link, then status, view, row and bookmark as
  // 16-bit words, read back zero-extended. The item's row is kept by its model, which passes it.
  // The native file does not use this form.
  void Serialize(CArchive& ar, int& row);

  // The identifier field and the times field as the native file and the identifier text store
  // them; the caret offset follows the identifier only in the native file.
  void ReadIdField(const char* field, int length, BOOL withCaret);
  void ReadTimesField(const char* field, int length);

  // Which item this is. A copy keeps it: a model's copy-on-write copy of an item stays the same
  // item for whoever remembers it (the history of displayed trees).
  std::uint64_t GetIdentity() const { return m_nIdentity; }

  CSharedString m_strPath;  // copies of the item share it
  CString m_strText;  // line ends CR LF
  CSharedString m_strLink;
  int m_nStatus = 0;  // 1 check, 2 strike, 4 and 8 item flags, 16 level-3 flag, bits 16-23 category
  int m_nView = 1;    // 0 while hidden under a collapsed parent
  int m_nBookmark = 0;
  int m_nIdDigit = 0;  // 1 when the item carries a tree colour
  int m_nCaret = 0;    // caret offset in the text as the text area last left it
  int m_nIdHigh = 0;  // the tree colour when the item has one
  int m_nIdLow = 0;

 private:
  friend class CDirDataArray;
  // How many arrays hold the item, kept in the item so that the hundred snapshots of a large
  // outline pay no separate count block per item; placed beside the ints, where it fills what
  // would be padding. A copy is a new, unheld item.
  struct ShareCount {
    ShareCount() = default;
    ShareCount(const ShareCount&) {}
    ShareCount& operator=(const ShareCount&) { return *this; }
    std::atomic<int> value{0};
  };
  mutable ShareCount m_shares;

 public:
  COleDateTime m_created;  // null when unknown
  COleDateTime m_updated;  // null when unknown
  SYSTEMTIME m_displayed = {};

 private:
  static std::uint64_t NextIdentity();
  std::uint64_t m_nIdentity = NextIdentity();
};
