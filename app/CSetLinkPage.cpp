#include "app/CSetLinkPage.h"
#include "foundation/SettingsTable.h"

CSetLinkPage::CSetLinkPage() : CSettingsPage("リンク") {
  Check(IDC_LINKCHECK, "リンクファイルの確認(&D)", &Settings::System::LinkCheck, m_bLinkCheck);
  Check(IDC_LINKINIDIR, "リンクファイル参照は起動フォルダから(&P)", &Settings::System::LinkIniDir, m_bLinkIniDir);
  Text(IDC_LINKEXT, "リンクファイル拡張子(&L):", &Settings::System::LinkExt, m_strLinkExt);
  Check(IDC_ABSOLUTEPATH, "参照ボタンで設定時、絶対パスで設定(&R)", &Settings::System::AbsolutePath, m_bAbsolutePath);
  Check(IDC_LINKNEWABSOLUTE, "新規作成時、絶対パスで設定(&A)", &Settings::System::LinkNewAbsolute, m_bLinkNewAbsolute);
  Folder(IDC_NEWLINKFOLDER, "リンクファイルの新規作成時のフォルダ(&F)", IDC_BROWSE,
         "新規作成時フォルダを指定してください", nullptr, m_strNewLinkFolder);
}
