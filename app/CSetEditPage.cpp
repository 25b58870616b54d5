#include "app/CSetEditPage.h"

CSetEditPage::CSetEditPage() : CSettingsPage("編集") {
  Check(IDC_IME, "IMEの自動ON(&I)", "View", "Ime", 0, m_bIme);
  Check(IDC_KAJOGAKI, "箇条書きのサポート(&S)", "Edit", "Kajogaki", 0, m_bKajogaki);
  Combo(IDC_DRAGDROPMODE, "ツリーのDrag&&Drop(&D)",
        {"Drag&Drop自体をしないようにする", "有効 - 位置指定画面を出す", "有効 - 位置指定画面を出さない",
         "Ver5.70以前と同じ"},
        "System", "DragDropMode", 1, m_nDragDropMode);
  Combo(IDC_BADDINI, "ツリー追加時の文(&N):", {"空欄", "（無題）", "日付"}, "System", "bAddIni", 0, m_nAddIni);
  Combo(IDC_INITTITLEOUT, "タイトル出力初期設定(&T):", {"章立て文字+タイトル", "タイトルのみ", "タイトル無し"},
        "System", "InitTitleOut", 0, m_nInitTitleOut);
  Combo(IDC_SPELLCHECK, "スペルチェック(&S):", {"標準", "PDIC", "PDIC/UNICODE"}, "View", "SpellCheck", 0,
        m_nSpellCheck);
}
