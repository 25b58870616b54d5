#pragma once
// One display row of an outline, derived from the items by the model's row rebuild and never stored.
#include "model/CSharedString.h"
#include "platform/base/CString.h"

class CTreeData {
 public:
  CTreeData() = default;
  CTreeData(const char* title, const char* link, const char* number)
      : m_strTitle(title), m_strLink(link), m_strNumber(number) {}

  void SetFlag1(int value) { m_nFlags = (m_nFlags & ~1) | (value ? 1 : 0); }
  void SetFlag2(int value) { m_nFlags = (m_nFlags & ~2) | (value ? 2 : 0); }
  int GetCategory() const { return (m_nStatus >> 16) & 0xFF; }

  CString m_strTitle;
  CSharedString m_strLink;  // the item's own link, shared
  CString m_strNumber;  // heading number, empty unless numbering is on
  int m_nFlags = 0;  // bit 0: bookmark; bit 1: the item's text is not empty
  int m_nStatus = 0;
  int m_nItem = 0;
  int m_nLevel = 0;
  int m_nCounter = 0;  // its level's heading counter after this row, numbered or not
  int m_nFold = 0;  // 0 no children, 1 children hidden, 2 children shown
  int m_nIdDigit = 0;
  int m_nIdHigh = 0;
  int m_nIdLow = 0;
};

// The row title without its leading line-art pieces (and the blank pairs between them).
CString StripTreeLineArt(const char* title);
