#include "resources/MenuResource.h"

#include <gtest/gtest.h>
#include <wx/menu.h>

#include <map>
#include <string>
#include <vector>

#include "app/KeyCommandList.h"
#include "platform/base/CodePage.h"
#include "resources/CommandIds.h"
#include "tests/common/TestSupport.h"

namespace {

class MenuResourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  }
};

// Every command item of a menu and its submenus, by id, with its label (as the table writes it).
void Collect(const wxMenu* menu, std::multimap<int, std::string>& items) {
  for (const wxMenuItem* item : menu->GetMenuItems()) {
    if (item->IsSubMenu()) {
      Collect(item->GetSubMenu(), items);
    } else if (!item->IsSeparator()) {
      items.emplace(item->GetId(), WxToCP932(item->GetItemLabel()).str());
    }
  }
}

std::multimap<int, std::string> Items(const wxMenuBar& bar) {
  std::multimap<int, std::string> items;
  for (size_t i = 0; i < bar.GetMenuCount(); ++i) Collect(bar.GetMenu(i), items);
  return items;
}

std::multimap<int, std::string> Items(const wxMenu& menu) {
  std::multimap<int, std::string> items;
  Collect(&menu, items);
  return items;
}

std::string Label(const wxMenuItem* item) { return WxToCP932(item->GetItemLabel()).str(); }

bool Holds(const wxMenu* menu, int id) { return menu && menu->FindItem(id) != nullptr; }

}  // namespace

TEST_F(MenuResourceTest, PositionsThatCodeReliesOnHold) {
  // The File menu's bookmark submenu: item 11 without a document (fewer than four menus), item 25
  // with one; the mark menu is the outline window's fifth.
  auto bare = LoadMenuBar(IDR_MAINFRAME);
  ASSERT_TRUE(bare);
  EXPECT_LT(bare->GetMenuCount(), 4u);
  const wxMenuItem* bareBookmarks = bare->GetMenu(0)->FindItemByPosition(11);
  ASSERT_TRUE(bareBookmarks->IsSubMenu());
  EXPECT_TRUE(Holds(bareBookmarks->GetSubMenu(), ID_FILE_BOOKMARK_EDIT));

  auto outline = LoadMenuBar(IDR_KESTAVTYPE);
  ASSERT_TRUE(outline);
  EXPECT_GE(outline->GetMenuCount(), 4u);
  const wxMenuItem* bookmarks = outline->GetMenu(0)->FindItemByPosition(25);
  ASSERT_TRUE(bookmarks->IsSubMenu());
  EXPECT_TRUE(Holds(bookmarks->GetSubMenu(), ID_FILE_BOOKMARK_ADD));
  EXPECT_TRUE(Holds(bookmarks->GetSubMenu(), ID_FILE_BOOKMARK_EDIT));

  const wxMenu* mark = outline->GetMenu(4);
  ASSERT_TRUE(Holds(mark, ID_MARK_FIRST));
  EXPECT_EQ(Label(mark->FindItem(ID_MARK_FIRST)), "START");
  EXPECT_TRUE(Holds(mark, ID_MARK_TOGGLE));

  // Context menus: the text popup's bookmark submenu at 23, the tree popup's at 30.
  auto text = LoadPopupMenu(IDR_CONTEXT, 0);
  ASSERT_TRUE(text);
  const wxMenuItem* textBookmarks = text->FindItemByPosition(23);
  ASSERT_TRUE(textBookmarks->IsSubMenu());
  EXPECT_EQ(Label(textBookmarks), "ブックマーク(&F)");
  EXPECT_TRUE(Holds(textBookmarks->GetSubMenu(), ID_FILE_BOOKMARK_ADD));

  auto tree = LoadPopupMenu(IDR_CONTEXT, 1);
  ASSERT_TRUE(tree);
  const wxMenuItem* treeBookmarks = tree->FindItemByPosition(30);
  ASSERT_TRUE(treeBookmarks->IsSubMenu());
  EXPECT_EQ(Label(treeBookmarks), "ブックマーク(&J)");
  EXPECT_TRUE(Holds(treeBookmarks->GetSubMenu(), ID_FILE_BOOKMARK_ADD));
  ASSERT_TRUE(Holds(tree.get(), ID_TREE_SHOW_ALL_BELOW));
  EXPECT_EQ(Label(tree->FindItem(ID_TREE_SHOW_ALL_BELOW)), "この下を全て表示(&Z)");
  EXPECT_TRUE(Holds(tree.get(), ID_EDIT_UNDO));
  EXPECT_TRUE(Holds(tree.get(), ID_FILE_TEXT_COPY));

  auto grepText = LoadPopupMenu(IDR_CONTEXT, 3);
  ASSERT_TRUE(grepText);
  EXPECT_TRUE(Holds(grepText.get(), ID_GREP_WORD_WRAP));

  auto findList = LoadPopupMenu(IDR_CONTEXT, 4);
  ASSERT_TRUE(findList);
  ASSERT_EQ(findList->GetMenuItemCount(), 2u);
  EXPECT_EQ(findList->FindItemByPosition(0)->GetId(), ID_EDIT_COPY);
  EXPECT_EQ(findList->FindItemByPosition(1)->GetId(), ID_EDIT_SELECT_ALL);
}

TEST_F(MenuResourceTest, EveryCustomisableCommandHasAnItemInTheOutlineMenu) {
  auto bar = LoadMenuBar(IDR_KESTAVTYPE);
  auto work = LoadWorkMenu(IDR_KESTAVTYPE);
  ASSERT_TRUE(bar);
  ASSERT_TRUE(work);
  const auto visible = Items(*bar);
  const auto hidden = Items(*work);
  // The commands the key dialogs offer.
  ASSERT_FALSE(GetCustomisableCommands().empty());
  for (const auto& command : GetCustomisableCommands()) {
    const int id = static_cast<int>(command.id);
    EXPECT_TRUE(visible.count(id) + hidden.count(id) > 0) << std::hex << id << " " << command.name.GetString();
  }
  // The hidden list is never part of a bar, and only the outline window has one.
  EXPECT_EQ(visible.count(ID_WORK_COMMAND_LINE), 0u);
  EXPECT_EQ(hidden.count(ID_WORK_COMMAND_LINE), 1u);
  EXPECT_FALSE(LoadWorkMenu(IDR_MAINFRAME));
}

TEST_F(MenuResourceTest, LabelsAreTheSystemsOwn) {
  struct Case {
    int id;
    const char* label;
  };
  const Case cases[] = {
      {ID_FILE_SAVE, "上書き保存(&S)"},
      {ID_FILE_SAVE_AS, "名前を付けて保存(&A)..."},
      {ID_FILE_OPEN_FOLDER, "このファイルのフォルダ(&D)"},
      {ID_FILE_IMPORT_TEXT, "テキストファイル(&T)..."},
      {ID_FILE_IMPORT_FOLDER, "フォルダ(&F)..."},
      {ID_FILE_EXPORT_WZ, "WZアウトライン(&W)..."},
      {ID_FILE_PRINT_FORMAT, "印刷形式(&R)..."},
      {ID_FILE_NET_UPLOAD, "ケスタボン for Webにアップロード(&B)..."},
      {ID_EDIT_REDO, "リドゥ(&O)"},
      {ID_EDIT_COPY_BELOW, "下の階層のみコピー(&B)"},
      {ID_EDIT_CHANGE_TIMES, "更新・作成時刻の変更(&T)..."},
      {ID_TREE_ADD_CHILD, "追加 - 下の階層(&A)..."},
      {ID_TREE_LEVEL_UP_FOLLOWING, "以降のツリーの階層を上げる(&H)"},
      {ID_TREE_SHOW_ALL_BELOW, "この下を全て表示(&C)"},
      {ID_TREE_SHOW_LEVELS5, "この下を&5段階表示"},
      {ID_TREE_COPY_LINK_FOLDER, "別ファイルリンク文のコピー - 同一フォルダ(&R)"},
      {ID_VIEW_TREE, "ツリー表示(&A)"},
      {ID_VIEW_HEADING_HIDE, "表示しない(&N)"},
      {ID_VIEW_TIME_VIEWED, "参照日の表示(&V)"},
      {ID_VIEW_BAR_SMALL, "小さい(&S)"},
      {ID_MARK_CLEAR_BELOW, "この下のﾏｰｸを全て解除..."},
      {ID_SETTINGS_SETTINGS, "設定(&C)..."},
      {ID_SETTINGS_KEYCUST, "キーカスタマイズ(&K)..."},
      {ID_SETTINGS_SPLIT_SIDE, "左右に分割"},
      {ID_WINDOW_UNSPLIT, "分割の解除(&N)"},
      {ID_WINDOW_CLOSE_ALL, "全てのウィンドウを閉じる(&B)"},
      {ID_HELP_QA, "Q&&A(&Q)"},
      {ID_HELP_DOC_INFO, "文書情報(&I)..."},
  };
  auto bar = LoadMenuBar(IDR_KESTAVTYPE);
  ASSERT_TRUE(bar);
  const auto items = Items(*bar);
  for (const Case& c : cases) {
    auto it = items.find(c.id);
    ASSERT_NE(it, items.end()) << std::hex << c.id;
    EXPECT_EQ(it->second, c.label) << std::hex << c.id;
  }
  // The grep window keeps its own texts and leaves out the view switches.
  auto grep = LoadMenuBar(IDR_GREPTYPE);
  ASSERT_TRUE(grep);
  const auto grepItems = Items(*grep);
  EXPECT_EQ(grepItems.find(ID_EDIT_FIND_PREV)->second, "前を検索(&V)");
  EXPECT_EQ(grepItems.find(ID_GREP_SPLIT_STACK)->second, "上下に分割(&H)");
  EXPECT_EQ(grepItems.count(ID_VIEW_CHART) + grepItems.count(ID_VIEW_OUTLINE), 0u);
  // The chart window's layout choices.
  auto chart = LoadMenuBar(IDR_CHARTTYPE);
  ASSERT_TRUE(chart);
  EXPECT_EQ(Items(*chart).find(ID_CHART_TALL)->second, "縦長(&T)");
}

TEST_F(MenuResourceTest, NoCommandStandsTwiceInOneMenu) {
  auto checkUnique = [](const std::multimap<int, std::string>& items, const std::string& where) {
    for (auto it = items.begin(); it != items.end(); it = items.upper_bound(it->first)) {
      EXPECT_EQ(items.count(it->first), 1u) << where << " " << std::hex << it->first;
    }
  };
  for (UINT id : {IDR_MAINFRAME, IDR_KESTAVTYPE, IDR_CHARTTYPE, IDR_GREPTYPE}) {
    auto bar = LoadMenuBar(id);
    ASSERT_TRUE(bar) << id;
    auto items = Items(*bar);
    if (auto work = LoadWorkMenu(id)) {
      auto hidden = Items(*work);
      items.insert(hidden.begin(), hidden.end());
    }
    checkUnique(items, "menu " + std::to_string(id));
  }
  for (int popup = 0; popup < 5; ++popup) {
    auto menu = LoadPopupMenu(IDR_CONTEXT, popup);
    ASSERT_TRUE(menu) << popup;
    checkUnique(Items(*menu), "context popup " + std::to_string(popup));
  }
}

TEST_F(MenuResourceTest, UnknownResourcesAndIndexesGiveNothing) {
  EXPECT_FALSE(LoadMenuBar(IDR_CONTEXT));
  EXPECT_FALSE(LoadMenuBar(999));
  EXPECT_FALSE(LoadPopupMenu(IDR_CONTEXT, 5));
  EXPECT_FALSE(LoadPopupMenu(IDR_CONTEXT, -1));
  EXPECT_FALSE(LoadPopupMenu(999, 0));
  auto file = LoadPopupMenu(IDR_KESTAVTYPE, 0);
  ASSERT_TRUE(file);
  EXPECT_TRUE(Holds(file.get(), ID_APP_EXIT));
}
