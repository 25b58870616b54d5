#include "app/CSetViewPage.h"
#include "foundation/SettingsTable.h"

CSetViewPage::CSetViewPage() : CSettingsPage("表示") {
  Check(IDC_BOLD, "第一階層を太字で表示(&F)", &Settings::View::Bold, m_bBold);
  Check(IDC_CHECK, "チェックマークの表示(&C)", &Settings::View::Check, m_bCheck);
  Check(IDC_ICON, "ツリーのアイコン表示(&I)", &Settings::View::Icon, m_bIcon);
  Check(IDC_TURN, "ツリーの折り返し(&O)", &Settings::View::Turn, m_bTurn);
  Combo(IDC_CHILD, "章立ての子ツリー表示(&H):", {"ボールド表示", "+で表示（桁揃えあり）", "+で表示（桁揃えなし）"},
        &Settings::View::Child, m_nChild);
  Number(IDC_TREEHEIGHT, "ツリーの縦間隔(&J):", &Settings::View::TreeHeight, m_nTreeHeight);
  Number(IDC_LEVELWIDTH, "ツリーの階層間隔(&L):", &Settings::View::LevelWidth, m_nLevelWidth);
  Check(IDC_SPLITDLG, "分割時、ダイアログの表示(&S)", &Settings::System::SplitDlg, m_bSplitDlg);
  Check(IDC_PASTEDLG, "貼付時、ダイアログの表示(&P)", &Settings::System::PasteDlg, m_bPasteDlg);
  Combo(IDC_TREEEDITPOS, "[ツリーの編集]の表示位置(&V):", {"中央", "ツリーの右", "ツリーの下"},
        &Settings::View::TreeEditPos, m_nTreeEditPos)
      .newColumn = true;
  Check(IDC_TREEBUTTON, "ツリーの+-ボタン表示(&B)", &Settings::View::TreeButton, m_bTreeButton);
  Check(IDC_TREEINPUTFONT, "ツリー入力時のフォントをツリーと同じにする(&Q)", &Settings::View::TreeInputFont,
        m_bTreeInputFont);
  Check(IDC_TITLEBARFULLPATH, "タイトルバーにフルパス表示(&T)", &Settings::System::TitleBarFullPath,
        m_bTitleBarFullPath);
  Check(IDC_STATUSBARFULL, "ステータスバーに親階層表示(&U)", &Settings::View::StatusBarFull, m_bStatusBarFull);
  Combo(IDC_TABSTYLE, "タブでのファイル切り替え(&K):", {"なし", "ボタン", "タブ"}, &Settings::View::TabStyle,
        m_nTabStyle);
  Combo(IDC_TABPOSITION, nullptr, {"下部", "上部"}, &Settings::View::TabPosition, m_nTabPosition).sameRow = true;
  Check(IDC_PASTETEXTDLG, "テキスト貼付時、ダイアログの表示(&D)", &Settings::System::PasteTextDlg, m_bPasteTextDlg);
  Check(IDC_PASTEOPEN, "貼り付け時,配下を開く(&R)", &Settings::System::PasteOpen, m_bPasteOpen);
  Check(IDC_LEVELDOWNOPEN, "階層下げ時、配下を開く(&W)", &Settings::System::LevelDownOpen, m_bLevelDownOpen);
}
