#pragma once
// Settings page "ファイル": recent files, the files opened at start-up, warnings, backups,
// auto-save and file locking.
#include "app/CSettingsPage.h"

class CSetFilePage : public CSettingsPage {
 public:
  enum {
    IDD = 1558,
    IDC_BROWSE = 106,
    IDC_AUTOSAVE = 135,
    IDC_SAVETIME = 136,
    IDC_BTEXTFILE = 137,
    IDC_BINIFILE = 147,
    IDC_NOTONEWFILE = 185,
    IDC_SHAREDFILE = 186,
    IDC_BACKUP = 187,
    IDC_MRU = 204,
    IDC_RECENTNOINIT = 294,
    IDC_NOSAVEALERT = 319,
    IDC_AUTOSAVEMODE = 321,
    IDC_ALLFILEINIT = 322,
    IDC_INIFOLDER = 323,
  };

  CSetFilePage();

  UINT m_nMRU = 0;
  CString m_strIniFolder;
  int m_bIniFile = 0;
  int m_bAllFileInit = 0;
  int m_bRecentNoInit = 0;
  int m_bTextFile = 0;
  int m_bNoSaveAlert = 0;
  int m_bNoToNewFile = 0;
  int m_bBackup = 0;
  int m_bAutoSave = 0;
  UINT m_nSaveTime = 0;
  int m_nAutoSaveMode = -1;
  int m_bSharedFile = 0;

 protected:
  void UpdateEnabling() override;
};
