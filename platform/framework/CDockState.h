#pragma once
// The layout of a frame's bars as the settings file keeps it between runs: per bar its window id,
// whether it is shown, whether it floats, and its place. A section name S is stored as
// "S-Summary" (the bar count) and "S-Bar0", "S-Bar1", ... (one bar each).
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

struct CControlBarInfo {
  UINT m_nBarID = 0;
  BOOL m_bVisible = TRUE;
  BOOL m_bFloating = FALSE;
  BOOL m_bDockContext = FALSE;  // the bar can be dragged to another place
  CString m_strPlace;           // the place in the frame's layout
};

class CDockState {
 public:
  // Through the application's profile functions; a missing or empty section gives no entries.
  void LoadState(const char* section);
  void SaveState(const char* section) const;
  void Clear() { m_arrBarInfo.clear(); }

  std::vector<CControlBarInfo> m_arrBarInfo;
};
