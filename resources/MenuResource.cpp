#include "resources/MenuResource.h"

#include <wx/menu.h>

#include <vector>

#include "platform/base/CodePage.h"
#include "resources/CommandIds.h"

namespace {

// One entry of a menu table: an item, a check item, a separator or a popup with its entries.
struct MenuNode {
  enum Kind { kItem, kCheck, kSeparator, kPopup };
  Kind kind;
  int id;
  const char* text;  // Shift JIS, with the "&" mnemonic
  std::vector<MenuNode> children;
};
using Items = std::vector<MenuNode>;

MenuNode Item(int id, const char* text) { return {MenuNode::kItem, id, text, {}}; }
// Items whose update handlers set a check or radio mark.
MenuNode Check(int id, const char* text) { return {MenuNode::kCheck, id, text, {}}; }
MenuNode Sep() { return {MenuNode::kSeparator, 0, "", {}}; }
MenuNode Popup(const char* text, Items children) { return {MenuNode::kPopup, 0, text, std::move(children)}; }

Items Concat(std::initializer_list<Items> parts) {
  Items items;
  for (const Items& part : parts) items.insert(items.end(), part.begin(), part.end());
  return items;
}

void Fill(wxMenu* menu, const Items& items) {
  for (const MenuNode& node : items) {
    switch (node.kind) {
      case MenuNode::kItem:
        menu->Append(node.id, CP932ToWx(node.text));
        break;
      case MenuNode::kCheck:
        menu->AppendCheckItem(node.id, CP932ToWx(node.text));
        break;
      case MenuNode::kSeparator:
        menu->AppendSeparator();
        break;
      case MenuNode::kPopup: {
        auto* sub = new wxMenu;
        Fill(sub, node.children);
        menu->AppendSubMenu(sub, CP932ToWx(node.text));
        break;
      }
    }
  }
}

// Submenus shared by several menus.

MenuNode BookmarkPopup(const char* text) {
  // The bookmarked files are appended behind the separator when the menu opens.
  return Popup(text, {Item(ID_FILE_BOOKMARK_ADD, "ブックマークへ追加(&A)"),
                      Item(ID_FILE_BOOKMARK_EDIT, "ブックマーク編集..."), Sep()});
}

MenuNode NetPopup(bool withDocument) {
  Items items{Item(ID_FILE_NET_OPEN, "ケスタボン for Webから開く(&O)...")};
  if (withDocument) items.push_back(Item(ID_FILE_NET_UPLOAD, "ケスタボン for Webにアップロード(&B)..."));
  items.push_back(Item(ID_FILE_NET_DELETE, "ネットファイルの削除(&D)..."));
  items.push_back(Sep());
  items.push_back(Item(ID_FILE_NET_ACCOUNT, "Pelko Webアカウント設定(&W)..."));
  return Popup("ネット(&N)", std::move(items));
}

MenuNode TreeLinkPopup() {
  return Popup("このツリーへのリンク", {Item(ID_TREE_COPY_LINK_SAME, "同一ファイル内リンク文のコピー(&S)"),
                                        Item(ID_TREE_COPY_LINK_OTHER, "別ファイルリンク文のコピー(&F)"),
                                        Item(ID_TREE_COPY_LINK_FOLDER, "別ファイルリンク文のコピー - 同一フォルダ(&R)")});
}

MenuNode AttributePopup() {
  return Popup("属性", {Item(ID_TREE_ATTRIBUTES, "配下のツリーの属性変更(&G)..."), Item(ID_TREE_COLOR, "ツリー色変更(&R)...")});
}

// What the text area inserts at the caret.
Items InsertItems() {
  return {Item(ID_EDIT_INSERT_NOW, "現在日時の挿入"),      Item(ID_EDIT_INSERT_DATE, "日付の挿入"),
          Item(ID_EDIT_INSERT_TIME, "現在時刻の挿入"),     Item(ID_EDIT_INSERT_TEMPLATE, "テンプレート挿入"),
          Item(ID_EDIT_INSERT_FILE_LINK, "ファイルへのリンク挿入"), Item(ID_EDIT_INSERT_TREE_LINK, "ツリーへのリンク挿入"),
          Item(ID_EDIT_FOOTNOTE, "脚注")};
}

// The grep window's text commands, in its Edit menu and its text's context menu.
Items GrepEditItems() {
  return {Item(ID_EDIT_COPY, "コピー"),      Item(ID_EDIT_SELECT_ALL, "すべての範囲を選択"), Sep(),
          Item(ID_EDIT_FIND, "文字列の検索"), Item(ID_EDIT_FIND_NEXT, "次を検索"),         Item(ID_EDIT_FIND_PREV, "前を検索(&V)")};
}

MenuNode ToolBarPopup() {
  return Popup("ツールバー(&T)", {Check(ID_VIEW_TOOLBAR, "標準バー"), Check(ID_VIEW_EXTEND_BAR, "拡張ツールバー(&E)"),
                                  Sep(), Check(ID_VIEW_BAR_LARGE, "大きい(&L)"), Check(ID_VIEW_BAR_SMALL, "小さい(&S)")});
}

Items BarItems() {
  return {ToolBarPopup(), Check(ID_VIEW_STATUS_BAR, "ステータス バー(&S)"), Check(ID_VIEW_TOPMOST, "常に最前面表示(&W)")};
}

MenuNode WindowMenu(bool outline) {
  Items items;
  if (outline) {
    items = {Item(ID_WINDOW_SPLIT, "ウィンドウの分割"), Item(ID_WINDOW_UNSPLIT, "分割の解除(&N)"),
             Item(ID_WINDOW_OTHER_PANE, "別の分割ウィンドウへ(&O)"), Check(ID_WINDOW_LINK_PANE, "リンクファイルウィンドウ(&L)"),
             Sep()};
  }
  Items common{Item(ID_WINDOW_CASCADE, "重ねて表示(&C)"),      Item(ID_WINDOW_TILE_HORZ, "上下に並べて表示(&H)"),
               Item(ID_WINDOW_TILE_VERT, "左右に並べて表示(&V)"), Item(ID_WINDOW_ARRANGE, "アイコンの整列(&A)"),
               Item(ID_WINDOW_CLOSE_ALL, "全てのウィンドウを閉じる(&B)"), Sep(),
               Item(ID_WINDOW_NEXT, "次のウィンドウへ(&W)"),   Item(ID_WINDOW_PREV, "前のウィンドウへ(&P)")};
  items.insert(items.end(), common.begin(), common.end());
  return Popup("ウィンドウ(&W)", std::move(items));
}

MenuNode HelpMenu(bool withDocument) {
  Items items{Item(ID_HELP_INDEX, "ヘルプ(&H)"),
              Item(ID_HELP_KEYWORD, "キーワードで検索(&S)"),
              Item(ID_HELP_EXAMPLES, "ケスタボン活用事例集(&J)"),
              Item(ID_HELP_QA, "Q&&A(&Q)"),
              Sep(),
              Item(ID_HELP_HOMEPAGE, "ケスタボンのホームページへ(&H)"),
              Item(ID_HELP_WEB, "ケスタボン for Web(&F)"),
              Item(ID_HELP_PELKO_PAGE, "Pelkoのページへ(&L)"),
              Item(ID_HELP_PELKO_SOFT, "Pelkoのソフトのページへ(&W)"),
              Item(ID_HELP_SUPPORT, "PelkoサポートBBS(&D)"),
              Sep(),
              Item(ID_HELP_VERSION_CHECK, "最新バージョンの確認(&V)...")};
  if (withDocument) items.push_back(Item(ID_HELP_DOC_INFO, "文書情報(&I)..."));
  items.push_back(Sep());
  items.push_back(Item(ID_APP_ABOUT, "バージョン情報(&A)..."));
  return Popup("ヘルプ(&H)", std::move(items));
}

// Resource 2: the main frame while no document is open. Fewer than four menus; the bookmark
// submenu is the File menu's item 11.
Items MainFrameMenu() {
  return {
      Popup("ファイル(&F)",
            {Item(ID_FILE_NEW, "新規作成(&N)"),
             Item(ID_FILE_OPEN, "開く(&O)..."),
             Sep(),
             Popup("インポート(&I)", {Item(ID_FILE_IMPORT_WZ, "WZアウトラインファイルを開く(&W)..."),
                                      Item(ID_FILE_IMPORT_FOLDER, "フォルダ(&F)...")}),
             NetPopup(false),
             Sep(),
             Item(ID_FILE_PRINT_SETUP, "プリンタの設定(&L)..."),
             Sep(),
             Item(ID_SETTINGS_TOOLS, "外部ソフトの設定(&B)..."),
             Item(ID_SETTINGS_KEYCUST, "キーカスタマイズ(&K)..."),
             Sep(),
             Popup("ブックマーク(&K)", {Item(ID_FILE_BOOKMARK_EDIT, "ブックマーク編集..."), Sep()}),
             Sep(),
             Item(ID_FILE_MRU_FILE1, "最近使ったファイル"),
             Sep(),
             Item(ID_APP_EXIT, "終了(&X)")}),
      Popup("表示(&V)", BarItems()),
      HelpMenu(false),
  };
}

// Resource 3: the outline window. The bookmark submenu is the File menu's item 25, the mark menu
// the fifth menu; "START" stands for the document's marks, which replace it when a window opens.
Items OutlineMenu() {
  MenuNode file = Popup(
      "ファイル(&F)",
      {Item(ID_FILE_NEW, "新規作成(&N)"),
       Item(ID_FILE_OPEN, "開く(&O)..."),
       Item(ID_FILE_CLOSE, "閉じる(&C)"),
       Item(ID_FILE_SAVE, "上書き保存(&S)"),
       Item(ID_FILE_SAVE_AS, "名前を付けて保存(&A)..."),
       Item(ID_FILE_OPEN_FOLDER, "このファイルのフォルダ(&D)"),
       Sep(),
       Popup("インポート(&I)", {Item(ID_FILE_IMPORT_TEXT, "テキストファイル(&T)..."),
                                Item(ID_FILE_IMPORT_WZ, "WZアウトラインファイルを開く(&W)..."),
                                Item(ID_FILE_IMPORT_FOLDER, "フォルダ(&F)...")}),
       Popup("エクスポート(&X)", {Item(ID_FILE_SAVE_SELECTED, "選択したツリーのみ保存..."),
                                  Sep(),
                                  Item(ID_FILE_EXPORT_HTML_TREES, "ツリー別HTML出力..."),
                                  Item(ID_FILE_EXPORT_HTML_FRAME, "フレームでHTML出力..."),
                                  Item(ID_FILE_EXPORT_TEXT_FILES, "ツリー別テキストファイル..."),
                                  Item(ID_FILE_EXPORT_TEXT_FOLDER, "フォルダでテキスト出力..."),
                                  Item(ID_FILE_EXPORT_RTF, "RTF出力..."),
                                  Item(ID_FILE_EXPORT_WZ, "WZアウトライン(&W)..."),
                                  Item(ID_FILE_EXPORT_MARKDOWN, "マークダウン...")}),
       Popup("ツリーエリア", {Item(ID_FILE_INSERT_FILE, "別のファイルを挿入..."),
                              Item(ID_FILE_INSERT_WZ, "WZアウトラインファイルを挿入..."),
                              Item(ID_FILE_INSERT_TEXT_FILES, "テキストファイルをツリーとして挿入..."),
                              Item(ID_FILE_INSERT_LINK_FILES, "リンクファイル一括挿入..."),
                              Item(ID_FILE_SPLIT_TO_FILE, "別ファイルへ選択ツリーを分割...")}),
       Popup("テキストエリア", {Item(ID_FILE_TEXTAREA_INSERT, "テキストエリアにファイル挿入..."),
                                Item(ID_FILE_TEXTAREA_SAVE, "テキストエリアをファイル保存..."),
                                Item(ID_FILE_TEXTAREA_SAVE_TEMPLATE, "テキストエリアをテンプレートで保存...")}),
       Sep(),
       Item(ID_FILE_TEXT_OUTPUT, "テキスト出力..."),
       Item(ID_FILE_TEXT_COPY, "テキストコピー(&T)"),
       Item(ID_FILE_TEXT_OUTPUT_FORMAT, "テキスト出力形式..."),
       Item(ID_FILE_HTML_OUTPUT, "HTML出力..."),
       Item(ID_FILE_PROPERTIES, "プロパティ(&B)"),
       Sep(),
       Item(ID_FILE_PRINT, "印刷(&P)..."),
       Item(ID_FILE_PRINT_PREVIEW, "印刷プレビュー(&V)"),
       Item(ID_FILE_PRINT_TEXT_ONLY, "テキストのみ印刷"),
       Item(ID_FILE_PRINT_SETUP, "プリンタの設定(&L)..."),
       Item(ID_FILE_PRINT_FORMAT, "印刷形式(&R)..."),
       Item(ID_FILE_PAGE_SETUP, "ページ設定(&U)..."),
       Sep(),
       BookmarkPopup("ブックマーク(&K)"),
       NetPopup(true),
       Sep(),
       Item(ID_FILE_MRU_FILE1, "最近使ったファイル"),
       Sep(),
       Item(ID_APP_EXIT, "終了(&X)")});

  MenuNode edit = Popup(
      "編集(&E)",
      Concat({{Item(ID_EDIT_UNDO, "アンドゥ"),
       Item(ID_EDIT_REDO, "リドゥ(&O)"),
       Sep(),
       Item(ID_EDIT_CUT, "切り取り"),
       Item(ID_EDIT_COPY, "コピー"),
       Item(ID_EDIT_COPY_BELOW, "下の階層のみコピー(&B)"),
       Item(ID_EDIT_COPY_ALL_TEXT, "テキストエリアを全コピー(&G)"),
       Item(ID_EDIT_PASTE, "貼り付け"),
       Item(ID_EDIT_PASTE_CHILD, "貼り付け - 下の階層"),
       Item(ID_EDIT_PASTE_SIBLING, "貼り付け - 同じ階層"),
       Sep(),
       Item(ID_EDIT_FIND, "文字列の検索..."),
       Item(ID_EDIT_FIND_NEXT, "↓次を検索"),
       Item(ID_EDIT_FIND_PREV, "↑前を検索"),
       Item(ID_EDIT_CLEAR_HIGHLIGHT, "検索文字列の強調解除"),
       Item(ID_EDIT_SEARCH_LIST, "検索リスト..."),
       Item(ID_EDIT_GREP, "ファイル検索(&Z)..."),
       Item(ID_EDIT_REPLACE, "文字列の置換..."),
       Item(ID_EDIT_WEB_SEARCH, "ネットで検索(&H)"),
       Sep(),
       Item(ID_EDIT_SELECT_ALL, "すべての範囲を選択"),
       Item(ID_EDIT_GO_FIRST, "先頭に移動"),
       Item(ID_EDIT_GO_LAST, "最後に移動"),
       Sep()},
      InsertItems(),
      {Sep(),
       Popup("ツール", {Item(ID_EDIT_CHANGE_TIMES, "更新・作成時刻の変更(&T)..."),
                        Item(ID_EDIT_SPELL_CHECK, "スペルチェック(&K)"),
                        Item(ID_EDIT_CALCULATE, "数式と見なして計算"),
                        Item(ID_EDIT_SORT_LINES_ASC, "編集行の整列 - 昇順"),
                        Item(ID_EDIT_SORT_LINES_DESC, "編集行の整列 - 降順"),
                        Item(ID_EDIT_REPLACE_LINK_NAMES, "リンクファイル名の置換..."),
                        Sep(),
                        Item(ID_EDIT_ESCAPE_TAGS, "<>をhtmlで表示変換"),
                        Item(ID_EDIT_ENCLOSE_BLOCK, ">|| ||<で囲む")}),
       Item(ID_EDIT_SET_TREE_TITLE, "ツリータイトルに設定")}}));

  MenuNode tree = Popup(
      "ツリー(&T)",
      {Item(ID_TREE_ADD_CHILD, "追加 - 下の階層(&A)..."),
       Item(ID_TREE_ADD_SIBLING, "追加 - 同じ階層(&W)..."),
       Item(ID_TREE_INSERT, "挿入(&Z)..."),
       Item(ID_TREE_MODIFY, "修正(&E)..."),
       Item(ID_TREE_DELETE, "削除(&D)"),
       Item(ID_TREE_DELETE_SEVERAL, "複数削除(&H)..."),
       Item(ID_TREE_MOVE, "移動(&M)..."),
       Sep(),
       Item(ID_TREE_MOVE_UP, "一つ上へ移動(&Y)"),
       Item(ID_TREE_MOVE_DOWN, "一つ下へ移動(&N)"),
       Popup("階層", {Item(ID_TREE_LEVEL_UP, "階層を上げる(&L)"), Item(ID_TREE_LEVEL_DOWN, "階層を下げる(&R)"),
                      Item(ID_TREE_LEVEL_UP_FOLLOWING, "以降のツリーの階層を上げる(&H)"),
                      Item(ID_TREE_LEVEL_DOWN_FOLLOWING, "以降のツリーの階層を下げる(&G)")}),
       Item(ID_TREE_PARENT, "親ツリーへ"),
       Sep(),
       Popup("ツリー表示", {Item(ID_TREE_SHOW_BELOW, "この下を表示(&V)"), Item(ID_TREE_HIDE_BELOW, "この下を非表示(&Z)"),
                            Item(ID_TREE_SHOW_OR_DOWN, "この下を表示または下へ(&D)"),
                            Item(ID_TREE_HIDE_OR_UP, "この下を非表示または上へ(&U)")}),
       Item(ID_TREE_SHOW_ALL_BELOW, "この下を全て表示(&C)"),
       Popup("段階別表示", {Item(ID_TREE_SHOW_LEVELS2, "この下を&2段階表示"), Item(ID_TREE_SHOW_LEVELS3, "この下を&3段階表示"),
                            Item(ID_TREE_SHOW_LEVELS4, "この下を&4段階表示"), Item(ID_TREE_SHOW_LEVELS5, "この下を&5段階表示"),
                            Item(ID_TREE_SHOW_LEVELS6, "この下を&6段階表示"), Item(ID_TREE_SHOW_LEVELS7, "この下を&7段階表示")}),
       Sep(),
       Item(ID_TREE_SORT, "ツリーの整列..."),
       Item(ID_TREE_CHECK, "チェックの設定/解除(&K)"),
       Item(ID_TREE_STRIKE, "削除線の設定/解除(&S)"),
       AttributePopup(),
       Sep(),
       Item(ID_TREE_SPLIT, "分割(&P)..."),
       Item(ID_TREE_SPLIT_BELOW, "現在位置以下を分割"),
       Item(ID_TREE_JOIN, "結合(&I)"),
       Sep(),
       TreeLinkPopup(),
       Item(ID_TREE_DATE_TREE, "日付ツリーの作成(&X)..."),
       Item(ID_TREE_ADD_URL, "URLを追加(&U)")});

  Items viewItems{
      Item(ID_VIEW_CHART, "チャート表示(&C)"),
      Item(ID_VIEW_OUTLINE, "アウトライン表示(&O)"),
      Sep(),
      Item(ID_VIEW_RECENT_UPDATED, "最新更新ツリー(&E)..."),
      Item(ID_VIEW_RECENT_VIEWED, "最新表示ツリー(&I)..."),
      Item(ID_VIEW_BACK, "戻る-前のツリーを表示(&K)"),
      Item(ID_VIEW_FORWARD, "進む-次のツリーを表示(&L)"),
      Sep(),
      Popup("カーソル", {Item(ID_VIEW_CURSOR_TREE, "ツリー編集"), Item(ID_VIEW_CURSOR_TEXT, "テキスト編集(&E)"),
                         Item(ID_VIEW_CURSOR_SWITCH, "ツリー/テキスト編集")}),
      Sep(),
      Check(ID_VIEW_TREE, "ツリー表示(&A)"),
      Check(ID_VIEW_CHAPTER, "章立て表示(&D)"),
      Sep(),
      Item(ID_VIEW_TREE_ONLY, "ツリーのみ表示(&N)"),
      Item(ID_VIEW_TEXT_ONLY, "テキストのみ表示(&M)"),
      Item(ID_VIEW_TREE_TEXT, "ツリー/テキスト表示"),
      Item(ID_VIEW_BOTH, "両方表示(&W)"),
      Sep(),
      Popup("チェックツリーの表示", {Check(ID_VIEW_ALL_CHECKS, "全て表示"), Check(ID_VIEW_CHECKED_ONLY, "チェックのみ表示"),
                                     Check(ID_VIEW_UNCHECKED_ONLY, "未チェックのみ表示")}),
      Popup("ツリーでの章立て文字(&H)",
            {Check(ID_VIEW_HEADING_SHOW, "表示する(&S)"), Check(ID_VIEW_HEADING_HIDE, "表示しない(&N)")}),
      Check(ID_VIEW_HEADING_TOGGLE, "章立て文字を表示切り替え(&Q)"),
      Popup("タイムスタンプ", {Check(ID_VIEW_TIME_NONE, "タイムスタンプを表示しない(&N)"),
                               Check(ID_VIEW_TIME_UPDATED, "更新日の表示(&M)"),
                               Check(ID_VIEW_TIME_CREATED, "作成日の表示(&C)"),
                               Check(ID_VIEW_TIME_VIEWED, "参照日の表示(&V)")}),
      Sep(),
      Item(ID_VIEW_TEXT_WINDOW, "テキストを別ウィンドウ表示(&X)..."),
      Item(ID_VIEW_COUNT_CHARS, "文字数のカウント"),
      Check(ID_VIEW_LINK_AUTO, "リンクファイル自動表示(&F)"),
      Item(ID_VIEW_OPEN_LINK, "リンクファイルを開く(&V)"),
      Sep()};
  for (MenuNode& node : BarItems()) viewItems.push_back(std::move(node));

  MenuNode mark = Popup("マーク(&M)", {Item(ID_MARK_TOGGLE, "ファイル内マークの設定・解除"),
                                       Popup("ファイル内マークの機能", {Item(ID_MARK_NEXT, "↓次のマークへ"),
                                                                        Item(ID_MARK_PREV, "↑前のマークへ"),
                                                                        Item(ID_MARK_CLEAR_BELOW, "この下のﾏｰｸを全て解除...")}),
                                       Sep(), Item(ID_MARK_FIRST, "START")});

  MenuNode settings = Popup(
      "設定(&S)",
      {Item(ID_SETTINGS_SETTINGS, "設定(&C)..."),
       Item(ID_SETTINGS_TEXTAREA, "テキストエリアの設定(&X)..."),
       Sep(),
       Item(ID_SETTINGS_EDITOR, "外部エディタの設定(&E)..."),
       Item(ID_SETTINGS_TOOLS, "外部ソフトの設定(&B)..."),
       Sep(),
       Item(ID_SETTINGS_FONT, "フォント(&F)..."),
       Item(ID_SETTINGS_HEADING_CHARS, "章立ての文字(&A)..."),
       Item(ID_SETTINGS_FOOTNOTE, "脚注の設定(&N)..."),
       Item(ID_SETTINGS_MARK_TEXT, "マーク→テキストの設定..."),
       Item(ID_SETTINGS_DATE_FORMAT, "日付挿入形式(&D)..."),
       Item(ID_SETTINGS_TIMESTAMP, "タイムスタンプの設定(&S)..."),
       Item(ID_SETTINGS_CATEGORIES, "カテゴリ設定(&G)..."),
       Item(ID_SETTINGS_WEB_SEARCH, "ネット検索の設定(&H)..."),
       Sep(),
       Item(ID_SETTINGS_IME_RECONVERT, "IME再変換"),
       Item(ID_SETTINGS_RECENT_REMOVE, "最近使ったファイルの削除..."),
       Sep(),
       Item(ID_SETTINGS_TEMPLATES, "テンプレートの設定(&T)..."),
       Check(ID_SETTINGS_TEMPLATE_AUTO, "テンプレートの自動挿入をする(&I)"),
       Sep(),
       Popup("ウィンドウの分割方向",
             {Check(ID_SETTINGS_SPLIT_SIDE, "左右に分割"), Check(ID_SETTINGS_SPLIT_STACK, "上下に分割")}),
       Item(ID_SETTINGS_RUN_EDITOR, "外部エディタ起動(&S)"),
       Sep(),
       Item(ID_SETTINGS_TEXTAREA_KEYS, "テキストエリアのキーリスト(&L)..."),
       Item(ID_SETTINGS_KEYCUST, "キーカスタマイズ(&K)...")});

  return {std::move(file), std::move(edit), std::move(tree), Popup("表示(&V)", std::move(viewItems)),
          std::move(mark), std::move(settings), WindowMenu(true), HelpMenu(true)};
}

Items OutlineWorkMenu() {
  return {Item(ID_WORK_REDRAW, "再描画"),
          Item(ID_WORK_STATUS_UPDATE, "ステータスバーの更新"),
          Item(ID_VIEW_TREE_TEXT_ONLY, "ツリー/テキストのみ表示"),
          Item(ID_VIEW_TREE_ONLY_FROM_TEXT, "ツリーのみ表示"),
          Item(ID_WORK_SYNC_PANES, "更新"),
          Item(ID_WORK_FIND_SELECT, "検索して選択"),
          Item(ID_WORK_COMMAND_LINE, "コマンドライン"),
          Item(ID_WORK_TEST, "TEST"),
          Item(ID_WORK_BAR_GREP, "ToolBarからのGrep"),
          Item(ID_WORK_BAR_FIND, "ToolBarからの検索"),
          Item(ID_WORK_BAR_FIND_PREV, "ToolBarからの後ろ検索"),
          Item(ID_WORK_TEXT_FOCUS_LOST, "Wrilaのフォーカス消失時"),
          Item(ID_WORK_TOGGLE_BELOW, "この下を表示・非表示切り替え"),
          Item(ID_WORK_NEXT_TREE, "下のツリーへ"),
          Item(ID_WORK_PREV_TREE, "上のツリーへ"),
          Item(ID_WORK_POST_OPEN, "POSTOPEN"),
          Item(ID_WORK_STATUS_PATH, "ツリーステータスバー更新"),
          Item(ID_WORK_SCROLL_UP, "ツリーのスクロールアップ"),
          Item(ID_WORK_SCROLL_DOWN, "ツリーのスクロールダウン"),
          Item(ID_WORK_STATUS_SHOW, "ステータスバー表示"),
          Item(ID_WORK_BOOKMARK_BAR, "ブックマークバー"),
          Item(ID_WORK_TAB_POSITION, "TEST"),
          Item(ID_WORK_CURSOR_JUMP, "カーソルジャンプ")};
}

// Resource 4: the chart window.
Items ChartMenu() {
  return {Popup("ファイル(&F)", {Item(ID_FILE_CLOSE, "閉じる(&C)"), Sep(), Item(ID_FILE_PRINT, "印刷(&P)..."),
                                 Item(ID_FILE_PRINT_PREVIEW, "印刷プレビュー(&V)"),
                                 Item(ID_FILE_PAGE_SETUP, "印刷の設定変更(&R)..."), Sep(), Item(ID_APP_EXIT, "終了(&X)")}),
          Popup("編集(&E)", {Item(ID_EDIT_COPY, "コピー"), Item(ID_CHART_COPY_WMF, "WMF形式でコピー(&W)")}),
          Popup("表示(&V)",
                {Item(ID_VIEW_OUTLINE, "アウトライン表示(&O)"),
                 Sep(),
                 Popup("チャートの種類(&X)", {Check(ID_CHART_TALL, "縦長(&T)"), Check(ID_CHART_WIDE, "横長(&Y)")}),
                 Popup("ボックスの形(&B)", {Check(ID_CHART_BOX_SQUARE, "四角い箱"), Check(ID_CHART_BOX_ROUND, "丸い角")}),
                 Popup("線の引き方(&L)", {Check(ID_CHART_LINE_SLANT, "斜線表示"), Check(ID_CHART_LINE_STRAIGHT, "直線表示")}),
                 Popup("色(&R)", {Item(ID_CHART_COLOR_LINE, "線の色(&L)..."), Item(ID_CHART_COLOR_BOX, "枠の色(&B)..."),
                                  Item(ID_CHART_COLOR_TEXT, "文字の色(&T)...")}),
                 Item(ID_SETTINGS_FONT, "フォント(&F)..."),
                 Item(ID_CHART_SETTINGS, "その他の設定(&V)..."),
                 Sep(),
                 ToolBarPopup(),
                 Check(ID_VIEW_STATUS_BAR, "ステータス バー(&S)")}),
          WindowMenu(false), HelpMenu(false)};
}

// Resource 122: the grep window. The chart and outline view commands stay out of it.
Items GrepMenu() {
  return {Popup("ファイル(&F)", {Item(ID_EDIT_GREP, "ファイル検索(&Z)..."), Item(ID_FILE_CLOSE, "閉じる(&C)"), Sep(),
                                 Item(ID_APP_EXIT, "終了(&X)")}),
          Popup("編集(&E)", GrepEditItems()),
          Popup("表示(&V)", {Item(ID_VIEW_OPEN_LINK, "リンクファイルを開く(&V)"), Sep(),
                             Check(ID_GREP_WORD_WRAP, "テキスト折り返し(&W)"), Item(ID_SETTINGS_FONT, "フォント(&F)..."), Sep(),
                             Check(ID_GREP_SPLIT_STACK, "上下に分割(&H)"), Check(ID_GREP_SPLIT_SIDE, "左右に分割(&V)"), Sep(),
                             ToolBarPopup(), Check(ID_VIEW_STATUS_BAR, "ステータス バー(&S)")}),
          WindowMenu(false), HelpMenu(false)};
}

// Resource 121: the context menus. 0 the text area (bookmark submenu at 23), 1 the tree pane
// (bookmark submenu at 30), 2 the held-back commands no visible menu shows, 3 the grep window's
// text, 4 the search list's text.
Items ContextMenus() {
  MenuNode text = Popup(
      "テキスト",
      {Item(ID_EDIT_UNDO, "アンドゥ"),
       Item(ID_EDIT_REDO, "リドゥ(&O)"),
       Sep(),
       Item(ID_EDIT_CUT, "切り取り"),
       Item(ID_EDIT_COPY, "コピー"),
       Item(ID_EDIT_PASTE, "貼り付け"),
       Item(ID_EDIT_COPY_ALL_TEXT, "テキストエリアを全コピー(&G)"),
       Item(ID_EDIT_SELECT_ALL, "すべての範囲を選択"),
       Sep(),
       Item(ID_EDIT_FIND, "文字列の検索..."),
       Item(ID_EDIT_FIND_NEXT, "↓次を検索"),
       Item(ID_EDIT_FIND_PREV, "↑前を検索"),
       Item(ID_EDIT_CLEAR_HIGHLIGHT, "検索文字列の強調解除"),
       Item(ID_EDIT_WEB_SEARCH, "ネットで検索(&H)"),
       Sep(),
       Popup("挿入", InsertItems()),
       Popup("ツール", {Item(ID_EDIT_ESCAPE_TAGS, "<>をhtmlで表示変換"), Item(ID_EDIT_ENCLOSE_BLOCK, ">|| ||<で囲む"),
                        Item(ID_EDIT_CALCULATE, "数式と見なして計算"), Item(ID_EDIT_SORT_LINES_ASC, "編集行の整列 - 昇順"),
                        Item(ID_EDIT_SORT_LINES_DESC, "編集行の整列 - 降順"), Item(ID_EDIT_SPELL_CHECK, "スペルチェック(&K)")}),
       Item(ID_EDIT_SET_TREE_TITLE, "ツリータイトルに設定"),
       Sep(),
       Item(ID_TREE_SPLIT, "分割(&P)..."),
       Item(ID_TREE_SPLIT_BELOW, "現在位置以下を分割"),
       Item(ID_TREE_JOIN, "結合(&I)"),
       Sep(),
       BookmarkPopup("ブックマーク(&F)"),
       Sep(),
       Item(ID_VIEW_TEXT_WINDOW, "テキストを別ウィンドウ表示(&X)..."),
       Item(ID_FILE_PRINT_TEXT_ONLY, "テキストのみ印刷"),
       Item(ID_VIEW_COUNT_CHARS, "文字数のカウント"),
       Sep(),
       Item(ID_SETTINGS_TEXTAREA, "テキストエリアの設定(&X)...")});

  MenuNode tree = Popup(
      "ツリー",
      {Item(ID_TREE_ADD_CHILD, "追加 - 下の階層(&A)..."),
       Item(ID_TREE_ADD_SIBLING, "追加 - 同じ階層(&W)..."),
       Item(ID_TREE_INSERT, "挿入(&Z)..."),
       Item(ID_TREE_MODIFY, "修正(&E)..."),
       Item(ID_TREE_DELETE, "削除(&D)"),
       Sep(),
       Item(ID_EDIT_UNDO, "アンドゥ"),
       Sep(),
       Item(ID_EDIT_CUT, "切り取り"),
       Item(ID_EDIT_COPY, "コピー"),
       Item(ID_EDIT_COPY_BELOW, "下の階層のみコピー(&B)"),
       Item(ID_EDIT_PASTE, "貼り付け"),
       Item(ID_EDIT_PASTE_CHILD, "貼り付け - 下の階層"),
       Item(ID_EDIT_PASTE_SIBLING, "貼り付け - 同じ階層"),
       Sep(),
       Item(ID_TREE_MOVE_UP, "一つ上へ移動(&Y)"),
       Item(ID_TREE_MOVE_DOWN, "一つ下へ移動(&N)"),
       Item(ID_TREE_LEVEL_UP, "階層を上げる(&L)"),
       Item(ID_TREE_LEVEL_DOWN, "階層を下げる(&R)"),
       Item(ID_TREE_MOVE, "移動(&M)..."),
       Sep(),
       Item(ID_TREE_SHOW_ALL_BELOW, "この下を全て表示(&Z)"),
       Item(ID_TREE_CHECK, "チェックの設定/解除(&K)"),
       Item(ID_TREE_STRIKE, "削除線の設定/解除(&S)"),
       AttributePopup(),
       Sep(),
       Popup("出力", {Item(ID_FILE_TEXT_OUTPUT, "テキスト出力..."), Item(ID_FILE_TEXT_COPY, "テキストコピー(&T)"),
                      Item(ID_FILE_TEXT_OUTPUT_FORMAT, "テキスト出力形式..."), Item(ID_FILE_HTML_OUTPUT, "HTML出力...")}),
       TreeLinkPopup(),
       Item(ID_VIEW_OPEN_LINK, "リンクファイルを開く(&V)"),
       Sep(),
       BookmarkPopup("ブックマーク(&J)"),
       Sep(),
       Item(ID_FILE_PROPERTIES, "プロパティ(&B)")});

  MenuNode held = Popup("保留", {Item(ID_FILE_PASSWORD, "パスワード(&Z)..."),
                                 Item(ID_FILE_SAVE_AS_NET, "ネットのファイルとして保存(&A)..."),
                                 Item(ID_FILE_EXPORT_XML, "XML出力...")});

  MenuNode grepText = Popup(
      "GrepText", GrepEditItems());
  grepText.children.push_back(Sep());
  grepText.children.push_back(Check(ID_GREP_WORD_WRAP, "テキスト折り返し(&W)"));
  grepText.children.push_back(Item(ID_SETTINGS_FONT, "フォント(&F)..."));

  MenuNode findList =
      Popup("FindList", {Item(ID_EDIT_COPY, "コピー"), Item(ID_EDIT_SELECT_ALL, "すべての範囲を選択")});

  return {std::move(text), std::move(tree), std::move(held), std::move(grepText), std::move(findList)};
}

bool HasMenuBar(UINT resourceId) {
  return resourceId == IDR_MAINFRAME || resourceId == IDR_KESTAVTYPE || resourceId == IDR_CHARTTYPE ||
         resourceId == IDR_GREPTYPE;
}

Items MenuTable(UINT resourceId) {
  switch (resourceId) {
    case IDR_MAINFRAME:
      return MainFrameMenu();
    case IDR_KESTAVTYPE:
      return OutlineMenu();
    case IDR_CHARTTYPE:
      return ChartMenu();
    case IDR_CONTEXT:
      return ContextMenus();
    case IDR_GREPTYPE:
      return GrepMenu();
    default:
      return {};
  }
}

}  // namespace

std::unique_ptr<wxMenuBar> LoadMenuBar(UINT resourceId) {
  if (!HasMenuBar(resourceId)) return nullptr;
  auto bar = std::make_unique<wxMenuBar>();
  for (const MenuNode& top : MenuTable(resourceId)) {
    auto* menu = new wxMenu;
    Fill(menu, top.children);
    bar->Append(menu, CP932ToWx(top.text));
  }
  return bar;
}

std::unique_ptr<wxMenu> LoadPopupMenu(UINT resourceId, int subMenuIndex) {
  const Items table = MenuTable(resourceId);
  if (subMenuIndex < 0 || subMenuIndex >= static_cast<int>(table.size())) return nullptr;
  auto menu = std::make_unique<wxMenu>();
  Fill(menu.get(), table[static_cast<size_t>(subMenuIndex)].children);
  return menu;
}

std::unique_ptr<wxMenu> LoadWorkMenu(UINT resourceId) {
  if (resourceId != IDR_KESTAVTYPE) return nullptr;
  auto menu = std::make_unique<wxMenu>();
  Fill(menu.get(), OutlineWorkMenu());
  return menu;
}
