#include "app/CSetPage.h"

CSetPage::CSetPage() : CSettingsPage("動作") {
  Check(IDC_ADDMOVE, "追加時に追加先へ移動(&A)", "View", "AddMove", 1, m_bAddMove);
  Combo(IDC_DBLCLK, "ダブルクリック時(&D):", {"標準の処理", "常に修正", "常にリンクファイル"}, "System", "DblClk", 0,
        m_nDblClk);
  Check(IDC_ADDNOTITLE, "追加時にタイトル入力しない(&I)", "System", "bAddNoTitle", 0, m_bAddNoTitle);
  Check(IDC_FIRSTLINETITLE, "一行目をタイトルとする(&S)", nullptr, nullptr, 0, m_bFirstLineTitle);
  Check(IDC_AUTOFIRST, "起動時に前回のツリーにカーソルを置く(&C)", "System", "AutoFirst", 1, m_bAutoFirst);
  Check(IDC_BMOUSEWHEEL, "マウスホイール制御(&M)", "System", "bMouseWheel", 1, m_bMouseWheel);
  Number(IDC_MOUSEWHEEL, "スクロール量(&K):", "View", "MouseWheel", 3, m_nMouseWheel);
  Text(IDC_LOCALETZ, "TZ環境変数(&Z)", "System", "LocaleTz", "JST-9", m_strLocaleTz);
  Combo(IDC_URLOPENMODE, "URLを開く時(&U):", {"DDEを使用する", "標準のブラウザ起動", "常に新規ウィンドウ"}, "System",
        "UrlOpenMode", 1, m_nUrlOpenMode);
  Check(IDC_AFTERTEXT, "ツリー追加後にテキストエリアにカーソルを置く(&X)", "System", "AfterText", 0, m_bAfterText)
      .newColumn = true;
  Check(IDC_DELCHECK, "ツリー削除時に確認する(&R)", "System", "DelCheck", 1, m_bDelCheck);
  Check(IDC_TREEUPMODE, "テキストエリアで「ツリーを一つ上に」はカーソル移動(&E)", "System", "TreeUpMode", 1,
        m_bTreeUpMode);
  Combo(IDC_SINGLEINSTANCE, "複数起動モード(&F):", {"複数起動可能", "複数起動しない", "常に複数起動(SDIモード)"},
        "System", "SingleInstance", 1, m_nSingleInstance);
  Check(IDC_FIRSTCURSOR, "テキストエリアのカーソル位置も復帰(&T)", "System", "FirstCursor", 1, m_bFirstCursor);
  Check(IDC_PROFILEFOLDER, "設定ファイルをインストールフォルダに置く(&N)", "System", "ProfileFolder", 0,
        m_bProfileFolder);
  Combo(IDC_TEXTCURINIT, "テキストエリア初期カーソル位置(&O):", {"先頭", "最後", "前回位置"}, "System", "TextCurInit",
        0, m_nTextCurInit);
  Check(IDC_PASTEMOVE, "貼り付け時に貼り付け先へ移動(&H)", "System", "PasteMove", 0, m_bPasteMove);
}

void CSetPage::UpdateEnabling() {
  Enable(IDC_FIRSTCURSOR, IsChecked(IDC_AUTOFIRST));
  Enable(IDC_MOUSEWHEEL, IsChecked(IDC_BMOUSEWHEEL));
  // The installed program's folder is shared and read-only: the settings always stay the user's.
  Enable(IDC_PROFILEFOLDER, false);
}
