#include "app/CSetFilePage.h"
#include "foundation/SettingsTable.h"

CSetFilePage::CSetFilePage() : CSettingsPage("ファイル") {
  Field& mru = Number(IDC_MRU, "最近使ったファイルの数(&N):", &Settings::System::MRUShown, m_nMRU);
  mru.max = static_cast<UINT>(Settings::System::MRUShown.max);
  Folder(IDC_INIFOLDER, "ファイルを開く時のフォルダ(&F)", IDC_BROWSE, "初期フォルダを指定してください",
         &Settings::System::IniFolder, m_strIniFolder);
  Check(IDC_BINIFILE, "前回ファイルを記憶(&G)", &Settings::System::bIniFile, m_bIniFile);
  Check(IDC_ALLFILEINIT, "前回ファイルを全て開く", &Settings::System::AllFileInit, m_bAllFileInit);
  Check(IDC_RECENTNOINIT, "最近使ったファイルから開いたとき前回ファイル記憶しない(&C)", &Settings::System::RecentNoInit,
        m_bRecentNoInit);
  Check(IDC_BTEXTFILE, "テキストファイルとして保存するとき警告(&T)", &Settings::System::bTextFile, m_bTextFile);
  Check(IDC_NOSAVEALERT, "ファイルを閉じるとき、保存の確認をしない(&V)", &Settings::System::NoSaveAlert,
        m_bNoSaveAlert);
  Check(IDC_NOTONEWFILE, "ファイルがないとき新規作成(&X)", &Settings::System::NoToNewFile, m_bNoToNewFile);
  Check(IDC_BACKUP, ".bakファイルをバックアップする(&B)", &Settings::System::Backup, m_bBackup);
  Check(IDC_AUTOSAVE, "自動保存(&U)", &Settings::System::AutoSave, m_bAutoSave);
  Number(IDC_SAVETIME, "保存間隔(&K):", &Settings::System::SaveTime, m_nSaveTime).unit = "分";
  Combo(IDC_AUTOSAVEMODE, nullptr, {"元ファイルに自動保存", ".bakファイルに自動保存"}, &Settings::System::AutoSaveMode,
        m_nAutoSaveMode)
      .sameRow = true;
  Check(IDC_SHAREDFILE, "ファイルの排他制御ロック(&S)", &Settings::System::SharedFile, m_bSharedFile);
}

void CSetFilePage::UpdateEnabling() {
  const bool autoSave = IsChecked(IDC_AUTOSAVE);
  Enable(IDC_SAVETIME, autoSave);
  Enable(IDC_AUTOSAVEMODE, autoSave);
  Enable(IDC_RECENTNOINIT, IsChecked(IDC_BINIFILE));
}
