#include "app/CSetViewPage.h"

CSetViewPage::CSetViewPage() : CSettingsPage("表示") {
  Check(IDC_BOLD, "第一階層を太字で表示(&F)", "View", "Bold", 1, m_bBold);
  Check(IDC_CHECK, "チェックマークの表示(&C)", "View", "Check", 1, m_bCheck);
  Check(IDC_ICON, "ツリーのアイコン表示(&I)", "View", "Icon", 1, m_bIcon);
  Check(IDC_TURN, "ツリーの折り返し(&O)", "View", "Turn", 0, m_bTurn);
  Combo(IDC_CHILD, "章立ての子ツリー表示(&H):", {"ボールド表示", "+で表示（桁揃えあり）", "+で表示（桁揃えなし）"},
        "View", "Child", 0, m_nChild);
  Number(IDC_TREEHEIGHT, "ツリーの縦間隔(&J):", "View", "TreeHeight", 1, m_nTreeHeight);
  Number(IDC_LEVELWIDTH, "ツリーの階層間隔(&L):", "View", "LevelWidth", 14, m_nLevelWidth);
  Check(IDC_SPLITDLG, "分割時、ダイアログの表示(&S)", "System", "SplitDlg", 1, m_bSplitDlg);
  Check(IDC_PASTEDLG, "貼付時、ダイアログの表示(&P)", "System", "PasteDlg", 1, m_bPasteDlg);
  Combo(IDC_TREEEDITPOS, "[ツリーの編集]の表示位置(&V):", {"中央", "ツリーの右", "ツリーの下"}, "View",
        "TreeEditPos", 0, m_nTreeEditPos)
      .newColumn = true;
  Check(IDC_TREEBUTTON, "ツリーの+-ボタン表示(&B)", "View", "TreeButton", 1, m_bTreeButton);
  Check(IDC_TREEINPUTFONT, "ツリー入力時のフォントをツリーと同じにする(&Q)", "View", "TreeInputFont", 0,
        m_bTreeInputFont);
  Check(IDC_TITLEBARFULLPATH, "タイトルバーにフルパス表示(&T)", "System", "TitleBarFullPath", 0,
        m_bTitleBarFullPath);
  Check(IDC_STATUSBARFULL, "ステータスバーに親階層表示(&U)", "View", "StatusBarFull", 1, m_bStatusBarFull);
  Combo(IDC_TABSTYLE, "タブでのファイル切り替え(&K):", {"なし", "ボタン", "タブ"}, "View", "TabStyle", 2,
        m_nTabStyle);
  Combo(IDC_TABPOSITION, nullptr, {"下部", "上部"}, "View", "TabPosition", 0, m_nTabPosition).sameRow = true;
  Check(IDC_PASTETEXTDLG, "テキスト貼付時、ダイアログの表示(&D)", "System", "PasteTextDlg", 1, m_bPasteTextDlg);
  Check(IDC_PASTEOPEN, "貼り付け時,配下を開く(&R)", "System", "PasteOpen", 1, m_bPasteOpen);
  Check(IDC_LEVELDOWNOPEN, "階層下げ時、配下を開く(&W)", "System", "LevelDownOpen", 1, m_bLevelDownOpen);
}
