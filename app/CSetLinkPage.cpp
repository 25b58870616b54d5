#include "app/CSetLinkPage.h"

CSetLinkPage::CSetLinkPage() : CSettingsPage("リンク") {
  Check(IDC_LINKCHECK, "リンクファイルの確認(&D)", "System", "LinkCheck", 0, m_bLinkCheck);
  Check(IDC_LINKINIDIR, "リンクファイル参照は起動フォルダから(&P)", "System", "LinkIniDir", 0, m_bLinkIniDir);
  Text(IDC_LINKEXT, "リンクファイル拡張子(&L):", "System", "LinkExt", "*.kvn", m_strLinkExt);
  Check(IDC_ABSOLUTEPATH, "参照ボタンで設定時、絶対パスで設定(&R)", "System", "AbsolutePath", 0, m_bAbsolutePath);
  Check(IDC_LINKNEWABSOLUTE, "新規作成時、絶対パスで設定(&A)", "System", "LinkNewAbsolute", 1, m_bLinkNewAbsolute);
  Folder(IDC_NEWLINKFOLDER, "リンクファイルの新規作成時のフォルダ(&F)", IDC_BROWSE,
         "新規作成時フォルダを指定してください", nullptr, nullptr, "", m_strNewLinkFolder);
}
