#pragma once
// The recent-file list whose entries may be net paths: those are kept as they stand and shown by
// their titles.
#include "platform/framework/CRecentFileList.h"

class CRecentNetFileList : public CRecentFileList {
 public:
  using CRecentFileList::CRecentFileList;

  void Add(const char* path) override;
  BOOL GetDisplayName(CString& name, int index, const char* currentDir, int currentDirLength,
                      BOOL atLeastName = TRUE) const override;
};
