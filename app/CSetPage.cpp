#include "app/CSetPage.h"
#include "foundation/SettingsTable.h"

CSetPage::CSetPage() : CSettingsPage("動作") {
  Check(IDC_ADDMOVE, "追加時に追加先へ移動(&A)", &Settings::View::AddMove, m_bAddMove);
  Combo(IDC_DBLCLK, "ダブルクリック時(&D):", {"標準の処理", "常に修正", "常にリンクファイル"},
        &Settings::System::DblClk, m_nDblClk);
  Check(IDC_ADDNOTITLE, "追加時にタイトル入力しない(&I)", &Settings::System::bAddNoTitle, m_bAddNoTitle);
  Check(IDC_FIRSTLINETITLE, "一行目をタイトルとする(&S)", nullptr, m_bFirstLineTitle);
  Check(IDC_AUTOFIRST, "起動時に前回のツリーにカーソルを置く(&C)", &Settings::System::AutoFirst, m_bAutoFirst);
  Check(IDC_BMOUSEWHEEL, "マウスホイール制御(&M)", &Settings::System::bMouseWheel, m_bMouseWheel);
  Number(IDC_MOUSEWHEEL, "スクロール量(&K):", &Settings::View::MouseWheel, m_nMouseWheel);
  Text(IDC_LOCALETZ, "TZ環境変数(&Z)", &Settings::System::LocaleTz, m_strLocaleTz);
  Combo(IDC_URLOPENMODE, "URLを開く時(&U):", {"DDEを使用する", "標準のブラウザ起動", "常に新規ウィンドウ"},
        &Settings::System::UrlOpenMode, m_nUrlOpenMode);
  Check(IDC_AFTERTEXT, "ツリー追加後にテキストエリアにカーソルを置く(&X)", &Settings::System::AfterText, m_bAfterText)
      .newColumn = true;
  Check(IDC_DELCHECK, "ツリー削除時に確認する(&R)", &Settings::System::DelCheck, m_bDelCheck);
  Check(IDC_TREEUPMODE, "テキストエリアで「ツリーを一つ上に」はカーソル移動(&E)", &Settings::System::TreeUpMode,
        m_bTreeUpMode);
  Combo(IDC_SINGLEINSTANCE, "複数起動モード(&F):", {"複数起動可能", "複数起動しない", "常に複数起動(SDIモード)"},
        &Settings::System::SingleInstance, m_nSingleInstance);
  Check(IDC_FIRSTCURSOR, "テキストエリアのカーソル位置も復帰(&T)", &Settings::System::FirstCursor, m_bFirstCursor);
  Check(IDC_PROFILEFOLDER, "設定ファイルをインストールフォルダに置く(&N)", &Settings::System::ProfileFolder,
        m_bProfileFolder);
  Combo(IDC_TEXTCURINIT, "テキストエリア初期カーソル位置(&O):", {"先頭", "最後", "前回位置"},
        &Settings::System::TextCurInit, m_nTextCurInit);
  Check(IDC_PASTEMOVE, "貼り付け時に貼り付け先へ移動(&H)", &Settings::System::PasteMove, m_bPasteMove);
}

void CSetPage::UpdateEnabling() {
  Enable(IDC_FIRSTCURSOR, IsChecked(IDC_AUTOFIRST));
  Enable(IDC_MOUSEWHEEL, IsChecked(IDC_BMOUSEWHEEL));
  // The installed program's folder is shared and read-only: the settings always stay the user's.
  Enable(IDC_PROFILEFOLDER, false);
}
