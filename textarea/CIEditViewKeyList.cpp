// The key list of the text area: the control's own key bindings, named by the control's commands,
// shown read-only in the key table dialog.
#include <wx/event.h>

#include <vector>

#include "app/CKestavonApp.h"
#include "app/CKeySetDlg.h"
#include "app/CKeycustArray.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"
#include "textarea/ControlAccelerators.h"

namespace {

// The control's commands (its own ids, not the program's) and their descriptions.
struct ControlCommand {
  UINT id;
  const char* description;
};
constexpr ControlCommand kControlCommands[] = {
    {0x802C, "カーソルの左を1文字削除 "},
    {0x801F, "文末へ移動 "},
    {0x804A, "詳細を設定して文字変換 "},
    {0x8015, "選択範囲またはカーソル上の文字を1文字削除 "},
    {0x800D, "選択範囲の各行の折り返しの位置の改行を削除 "},
    {0x802F, "1行の削除 "},
    {0x802E, "1行のカーソルから右を削除 "},
    {0x8054, "カーソル位置の単語の削除 "},
    {0x8016, "1行下へ移動 "},
    {0xE122, "選択範囲をコピーしてクリップボードに保存 "},
    {0x8059, "選択範囲をコピーしてクリップボードに保存して選択を解除 "},
    {0x8009, "このリンクの部分をクリップボードに保存 "},
    {0x8008, "選択した範囲を引用マークを付けてクリップ ボードに保存 "},
    {0x805A, "選択した範囲を引用マークを付けてクリップ ボードに保存して選択を解除 "},
    {0xE123, "選択範囲を切り取ってクリップボードに保存 "},
    {0x8030, "1行をカットしてクリップボードに保存 "},
    {0xE124, "指定した文字列の検索 "},
    {0xE125, "クリップボードの内容を貼り付け "},
    {0xE12C, "直前の操作をやり直す "},
    {0xE128, "次を検索 "},
    {0x8037, "前を検索 "},
    {0xE129, "指定した文字列を他の文字列で置換 "},
    {0xE12A, "ファイル全体を選択 "},
    {0xE12B, "直前の操作を元に戻す "},
    {0x801D, "行末へ移動 "},
    {0x8038, "検索した文字列の強調表示を解除 "},
    {0x802D, "選択状態のキャンセル "},
    {0x8052, "次のカーソル位置の文字列を検索 "},
    {0x8053, "前のカーソル位置の文字列を検索 "},
    {0x8043, "選択範囲の半角文字を全角かなに変換 "},
    {0x801C, "行頭へ移動 "},
    {0x800E, "挿入/上書きモードの切り替え "},
    {0x8013, "カーソル位置にCRのみを挿入 "},
    {0x800C, "選択範囲の各行の折り返しの位置に改行を挿入 "},
    {0x800B, "現在の時刻と日付を挿入 "},
    {0x804C, "現在の日付と時刻を挿入 "},
    {0x8014, "カーソル位置にLFのみを挿入 "},
    {0x8045, "指定行へジャンプ "},
    {0x8019, "1文字左へ移動 "},
    {0x8032, "1単語左へ移動 "},
    {0x8055, "カーソル位置の上に行挿入 "},
    {0x8056, "カーソル位置の下に行挿入 "},
    {0x800A, "このリンクの部分を開く "},
    {0x805C, "論理行の行末へ移動 "},
    {0x805B, "論理行の行頭へ移動 "},
    {0x8012, "選択範囲を小文字に変換 "},
    {0x8011, "選択範囲を大文字に変換 "},
    {0x801A, "1ページ下へ移動 "},
    {0x801B, "1ページ上へ移動 "},
    {0x803F, "プロパティを変更 "},
    {0x800F, "上書き禁止モードの切り替え "},
    {0x806F, "再変換対応のIMEを使って確定文字列の再変換を行う "},
    {0x8071, "改行の挿入 "},
    {0x8018, "1文字右へ移動 "},
    {0x8031, "1単語右へ移動 "},
    {0x8036, "1行下へスクロール "},
    {0x8035, "1行上へスクロール "},
    {0x8050, "箱型選択の開始 "},
    {0x804F, "文字選択を開始 "},
    {0x8051, "行選択を開始 "},
    {0x8029, "選択範囲を文末へ移動 "},
    {0x8023, "選択範囲を1行下へ移動 "},
    {0x8027, "選択範囲を行末へ移動 "},
    {0x8026, "選択範囲を行頭へ移動 "},
    {0x8021, "選択範囲を1文字左へ移動 "},
    {0x8034, "選択範囲を1単語左へ移動 "},
    {0x805E, "選択範囲を論理行の行末へ移動 "},
    {0x805D, "選択範囲を論理行の行頭へ移動 "},
    {0x8025, "選択範囲を1ページ下へ移動 "},
    {0x8024, "選択範囲を1ページ上ヘ移動 "},
    {0x8020, "選択範囲を1文字右へ移動 "},
    {0x8033, "選択範囲を1単語右へ移動 "},
    {0x802B, "逆インデント "},
    {0x8028, "選択範囲を文頭へ移動 "},
    {0x8022, "選択範囲を1行上へ移動 "},
    {0x802A, "タブの右移動/インデント "},
    {0x8057, "IMEオン/オフ "},
    {0x801E, "文頭へ移動 "},
    {0x8017, "1行上へ移動 "},
    {0x8044, "カーソル位置の文字コードの表示 "},
    {0x8058, "トルヴィク ホームページをWebブラウザで表示 "},
    {0x803A, "行を指定文字数で折り返す "},
    {0x803B, "行をウィンドウの右端で折り返す "},
    {0x8039, "行を折り返さないで表示 "},
    {0x8042, "選択範囲の全角かなを半角文字に変換 "},};

}  // namespace

void CIEditView::BindKeyListCommand() { Bind(wxEVT_MENU, &CIEditView::OnKeyList, this, ID_SETTINGS_TEXTAREA_KEYS); }

void CIEditView::FillControlKeys(CKeycustArray& table, std::vector<CString>& names, std::vector<UINT>& ids) {
  for (const ControlCommand& command : kControlCommands) {
    ids.push_back(command.id);
    names.emplace_back(command.description);
  }
  for (const ControlAccelerator& accel : ReadControlAccelerators(GetEditCtrl().GetAccelList()))
    table.Add(accel.key, (accel.flags & KeyAccel::FALT) != 0, (accel.flags & KeyAccel::FSHIFT) != 0,
              (accel.flags & KeyAccel::FCONTROL) != 0, accel.command);
}

void CIEditView::OnKeyList(wxCommandEvent&) {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return;
  CKeycustArray table;
  std::vector<CString> names;
  std::vector<UINT> ids;
  FillControlKeys(table, names, ids);
  CKeySetDlg dialog(this, table, names, ids, app->m_settings, CKeySetDlg::MODE_LIST);
  dialog.DoModal();
}
