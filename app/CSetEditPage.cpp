#include "app/CSetEditPage.h"
#include "foundation/SettingsTable.h"

CSetEditPage::CSetEditPage() : CSettingsPage("編集") {
  Check(IDC_IME, "IMEの自動ON(&I)", &Settings::View::Ime, m_bIme);
  Check(IDC_KAJOGAKI, "箇条書きのサポート(&S)", &Settings::Edit::Kajogaki, m_bKajogaki);
  Combo(IDC_DRAGDROPMODE, "ツリーのDrag&&Drop(&D)",
        {"Drag&Drop自体をしないようにする", "有効 - 位置指定画面を出す", "有効 - 位置指定画面を出さない",
         "Ver5.70以前と同じ"},
        &Settings::System::DragDropMode, m_nDragDropMode);
  Combo(IDC_BADDINI, "ツリー追加時の文(&N):", {"空欄", "（無題）", "日付"}, &Settings::System::bAddIni, m_nAddIni);
  Combo(IDC_INITTITLEOUT, "タイトル出力初期設定(&T):", {"章立て文字+タイトル", "タイトルのみ", "タイトル無し"},
        &Settings::System::InitTitleOut, m_nInitTitleOut);
  Combo(IDC_SPELLCHECK, "スペルチェック(&S):", {"標準", "PDIC", "PDIC/UNICODE"}, &Settings::View::SpellCheck,
        m_nSpellCheck);
}
