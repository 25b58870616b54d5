#include "app/CSetFilePage.h"

CSetFilePage::CSetFilePage() : CSettingsPage("ファイル") {
  Field& mru = Number(IDC_MRU, "最近使ったファイルの数(&N):", "System", "MRU", 10, m_nMRU);
  mru.max = 10;
  Folder(IDC_INIFOLDER, "ファイルを開く時のフォルダ(&F)", IDC_BROWSE, "初期フォルダを指定してください", "System",
         "IniFolder", "", m_strIniFolder);
  Check(IDC_BINIFILE, "前回ファイルを記憶(&G)", "System", "bIniFile", 1, m_bIniFile);
  Check(IDC_ALLFILEINIT, "前回ファイルを全て開く", "System", "AllFileInit", 0, m_bAllFileInit);
  Check(IDC_RECENTNOINIT, "最近使ったファイルから開いたとき前回ファイル記憶しない(&C)", "System", "RecentNoInit", 0,
        m_bRecentNoInit);
  Check(IDC_BTEXTFILE, "テキストファイルとして保存するとき警告(&T)", "System", "bTextFile", 0, m_bTextFile);
  Check(IDC_NOSAVEALERT, "ファイルを閉じるとき、保存の確認をしない(&V)", "System", "NoSaveAlert", 0, m_bNoSaveAlert);
  Check(IDC_NOTONEWFILE, "ファイルがないとき新規作成(&X)", "System", "NoToNewFile", 0, m_bNoToNewFile);
  Check(IDC_BACKUP, ".bakファイルをバックアップする(&B)", "System", "Backup", 0, m_bBackup);
  Check(IDC_AUTOSAVE, "自動保存(&U)", "System", "AutoSave", 0, m_bAutoSave);
  Number(IDC_SAVETIME, "保存間隔(&K):", "System", "SaveTime", 5, m_nSaveTime).unit = "分";
  Combo(IDC_AUTOSAVEMODE, nullptr, {"元ファイルに自動保存", ".bakファイルに自動保存"}, "System", "AutoSaveMode", 0,
        m_nAutoSaveMode)
      .sameRow = true;
  Check(IDC_SHAREDFILE, "ファイルの排他制御ロック(&S)", "System", "SharedFile", 0, m_bSharedFile);
}

void CSetFilePage::UpdateEnabling() {
  const bool autoSave = IsChecked(IDC_AUTOSAVE);
  Enable(IDC_SAVETIME, autoSave);
  Enable(IDC_AUTOSAVEMODE, autoSave);
  Enable(IDC_RECENTNOINIT, IsChecked(IDC_BINIFILE));
}
