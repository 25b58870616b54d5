// The outline row list box: what a row shows and in which order, the painted pixels of selection
// and display modes, the click zones that fold and unfold, the wheel and the keys.
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "app/CKeycustArray.h"
#include "model/CDirData.h"
#include "model/CTreeData.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/common/TestSupport.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "model/CCategoryArray.h"
#include "treeview/TreeBitmaps.h"

namespace treepane_test {
namespace {

using Kind = TreeRowPiece::Kind;

std::vector<Kind> KindsOf(const std::vector<TreeRowPiece>& pieces) {
  std::vector<Kind> kinds;
  for (const TreeRowPiece& piece : pieces) kinds.push_back(piece.kind);
  return kinds;
}

wxColour PixelAt(const wxImage& image, int x, int y) {
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// A row of the five-item outline: Top, A (folded, with child A1), B, C.
const std::vector<std::string> kFive = {"Top", "Top/A", "Top/A/A1", "Top/B", "Top/C"};

TEST_F(TreePaneTest, ACheckedMarkedColourMarkedRowShowsItsPiecesInOrder) {
  CKestavonDoc* doc = OpenOutline(kFive, [](ATREE& tree) {
    CDirData* b = tree.EditDirData(3);
    b->m_nStatus |= 1 | (3 << 24) | (1 << 16);  // checked, colour mark 3, category 1
    b->m_nBookmark = 1;
    b->m_nIdLow = 0x00FF00;  // colour-mark colour
    CTreeCategory category;
    category.Name = "予定";
    tree.GetProperties().GetCategories().Add(category);
  });
  COwnerListBox* list = ListOf(doc);
  CShoStrArray& styles = doc->GetTree().GetShoStr();
  if (styles.GetCount() == 0) styles.Add("", 0, ".", "");
  styles.SetNo(0, 0);
  styles.SetAto(0, ".");
  doc->GetTree().MakeTreeData();
  ViewOf(doc)->RefillList(-1);
  list->m_bShowSho = 1;
  const CTreeData& row = *doc->GetTree().GetRows().GetTreeData(doc->GetTree().GetRows().GetRowIndex(3));
  const std::vector<TreeRowPiece> pieces = list->GetTreeRowPieces(row, false);
  EXPECT_EQ(KindsOf(pieces), (std::vector<Kind>{TreeRowPiece::kIcon, TreeRowPiece::kCheck, TreeRowPiece::kMark,
                                                TreeRowPiece::kColorMark, TreeRowPiece::kPrefix,
                                                TreeRowPiece::kCategory, TreeRowPiece::kTitle}));
  EXPECT_EQ(std::string(pieces[3].text), "▲");
  EXPECT_EQ(std::string(pieces[4].text), "2.");
  EXPECT_EQ(std::string(pieces[5].text), "【予定】");
  EXPECT_EQ(std::string(pieces[6].text), "B");

  // Painted: the icon's yellow, then the check's red, the mark's blue and the green triangle.
  const wxImage image = Render(list).ConvertToImage();
  RECT r;
  list->GetItemRect(doc->GetTree().GetRows().GetRowIndex(3), &r);
  auto firstColumn = [&](auto match) {
    for (int x = 0; x < image.GetWidth(); ++x) {
      for (int yy = r.top; yy < r.bottom; ++yy)
        if (match(PixelAt(image, x, yy))) return x;
    }
    return -1;
  };
  const int icon = firstColumn([](const wxColour& c) { return c == wxColour(255, 255, 0); });
  const int check = firstColumn([](const wxColour& c) { return c == wxColour(255, 0, 0); });
  const int mark = firstColumn([](const wxColour& c) { return c == wxColour(0, 0, 255); });
  const int triangle = firstColumn([](const wxColour& c) { return c.Green() > 200 && c.Red() < 80 && c.Blue() < 80; });
  const int L = list->m_nLevelWidth;
  EXPECT_EQ(icon, 2 * L + 1);  // depth 1: two art cells, then the folder inside its outline
  EXPECT_EQ(check, 2 * L + 16 + 1);
  EXPECT_GE(mark, 2 * L + 16 + 1 + 10 + 1);
  EXPECT_GT(triangle, mark);
}

TEST_F(TreePaneTest, WithoutIconsAndButtonsAFoldedLinkedRowStartsWithPlusThenStar) {
  CKestavonDoc* doc = OpenOutline(kFive, [](ATREE& tree) {
    tree.SetLink(1, "memo.txt");
    tree.EditDirData(2)->m_nView = 0;  // A folded
  });
  COwnerListBox* list = ListOf(doc);
  list->m_bIcon = 0;
  list->m_bTreeButton = 0;
  const CTreeData& row = *doc->GetTree().GetRows().GetTreeData(1);
  ASSERT_EQ(row.m_nFold, 1);
  const std::vector<TreeRowPiece> pieces = list->GetTreeRowPieces(row, false);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(std::string(pieces[0].text), " + * ");
  EXPECT_EQ(std::string(pieces[1].text), "A");
  // With buttons on the box shows the fold state instead.
  list->m_bTreeButton = 1;
  EXPECT_EQ(std::string(list->GetTreeRowPieces(row, false)[0].text), "* ");
}

TEST_F(TreePaneTest, TimeStampModesAppendTheItemsTime) {
  CKestavonDoc* doc = OpenOutline(kFive, [](ATREE& tree) {
    tree.EditDirData(4)->SetUpdateTime(COleDateTime(2024, 5, 6, 7, 8, 0));
  });
  COwnerListBox* list = ListOf(doc);
  const CTreeData& row = *doc->GetTree().GetRows().GetTreeData(doc->GetTree().GetRows().GetRowIndex(4));
  struct Case {
    int mode;
    const char* title;
  };
  for (const Case& c : {Case{0, "C"}, Case{1, "C (2024/05/06 07:08)"}, Case{2, "C"}}) {
    list->m_nTimeMode = c.mode;
    EXPECT_EQ(std::string(list->GetTreeRowPieces(row, false).back().text), c.title) << c.mode;
  }
}

TEST_F(TreePaneTest, SelectionColoursOnlyTheTextCellsWithIconsAndTheWholeRowWithout) {
  CKestavonDoc* doc = OpenOutline(kFive);
  COwnerListBox* list = ListOf(doc);
  list->SetCurSel(4);
  RECT r;
  list->GetItemRect(4, &r);
  const wxColour navy(0, 0, 128);
  const int farRight = list->GetClientSize().GetWidth() - 5;
  const int y = r.top + 1;

  wxImage image = Render(list).ConvertToImage();
  EXPECT_EQ(PixelAt(image, farRight, y), *wxWHITE);
  bool navyInText = false;
  const int title = 2 * list->m_nLevelWidth + 17;  // after the art and the icon
  for (int x = title; x < title + 23; ++x) navyInText |= PixelAt(image, x, y) == navy;
  EXPECT_TRUE(navyInText);

  list->m_bIcon = 0;
  image = Render(list).ConvertToImage();
  EXPECT_EQ(PixelAt(image, farRight, y), navy);
  EXPECT_EQ(PixelAt(image, 1, y), navy);

  // A display mode that is neither tree nor chapter paints no row.
  list->m_nTreeMode = 2;
  image = Render(list).ConvertToImage();
  EXPECT_EQ(PixelAt(image, farRight, y), *wxWHITE);
}

TEST_F(TreePaneTest, ChapterModeIndentsByFixedStepsAndShowsFoldMarkers) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/A/A1", "Top/A/A1/x", "Top/B"},
                                  [](ATREE& tree) { tree.EditDirData(3)->m_nView = 0; });
  COwnerListBox* list = ListOf(doc);
  list->m_nTreeMode = 1;
  list->m_nChild = 1;
  // Renders without art: the root and level-1 rows start at the left, level 2 one step in.
  const wxImage image = Render(list).ConvertToImage();
  auto firstInk = [&](int row) {
    RECT r;
    list->GetItemRect(row, &r);
    for (int x = 0; x < image.GetWidth(); ++x)
      for (int y = r.top; y < r.bottom; ++y)
        if (PixelAt(image, x, y) != *wxWHITE) return x;
    return -1;
  };
  const int level1 = firstInk(1);
  const int level2 = firstInk(2);
  EXPECT_GE(level1, 0);
  EXPECT_GE(level2, level1 + 14);
}

TEST_F(TreePaneTest, WheelMovesTheTopRowByTheSettingAndStopsAtTheEnds) {
  std::vector<std::string> paths = {"Top"};
  for (int i = 0; i < 40; ++i) paths.push_back("Top/item" + std::to_string(i));
  CKestavonDoc* doc = OpenOutline(paths);
  COwnerListBox* list = ListOf(doc);
  list->SetTopIndex(0);
  auto wheel = [&](int rotation) {
    wxMouseEvent event(wxEVT_MOUSEWHEEL);
    event.m_wheelRotation = rotation;
    event.m_wheelDelta = 120;
    event.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(event);
  };
  wheel(120);
  EXPECT_EQ(list->GetTopIndex(), 0);
  wheel(-120);
  EXPECT_EQ(list->GetTopIndex(), 3);
  list->m_nMouseWheel = 100;
  wheel(-120);
  EXPECT_EQ(list->GetTopIndex(), list->GetCount() - 1);
  wheel(120);
  EXPECT_EQ(list->GetTopIndex(), 0);
}

TEST_F(TreePaneTest, ClickZonesFoldAndUnfoldForEveryDepth) {
  // A chain four levels deep, every item with a child, and a leaf sibling at each level.
  CKestavonDoc* doc = OpenOutline({"Top", "Top/a", "Top/a/b", "Top/a/b/c", "Top/a/b/c/d", "Top/a/b/x", "Top/a/y",
                                   "Top/z"});
  COwnerListBox* list = ListOf(doc);
  ATREE& tree = doc->GetTree();
  const int L = list->m_nLevelWidth;
  const int folder = list->m_sizeFolder.cx;
  struct Case {
    int item;
    int depth;
  };
  for (const Case& c : {Case{1, 1}, Case{2, 2}, Case{3, 3}}) {
    SCOPED_TRACE(c.depth);
    tree.ExpandAll(0);
    ViewOf(doc)->RefillList(-1);
    ASSERT_EQ(tree.GetLevel(c.item), c.depth);
    const int row = tree.GetRows().GetRowIndex(c.item);
    RECT r;
    list->GetItemRect(row, &r);
    const int y = r.top + 1;
    const int iconLeft = c.depth * 2 * L;
    const int buttonCentre = (2 * c.depth - 2) * L + (3 * L) / 4;
    // Both ends of the icon zone fold an unfolded item on release and unfold it again.
    Click(list, iconLeft, y);
    EXPECT_FALSE(tree.IsExpanded(c.item));
    Click(list, iconLeft + folder, y);
    EXPECT_TRUE(tree.IsExpanded(c.item));
    // The button zone does the same.
    Click(list, buttonCentre, y);
    EXPECT_FALSE(tree.IsExpanded(c.item));
    Click(list, buttonCentre, y);
    EXPECT_TRUE(tree.IsExpanded(c.item));
    // Just right of the icon is the title: the row is selected, nothing folds.
    Click(list, iconLeft + folder + 3, y);
    EXPECT_TRUE(tree.IsExpanded(c.item));
    EXPECT_EQ(doc->GetCurrentTree(), c.item);
  }
  // A leaf's icon is no zone.
  const int leafRow = tree.GetRows().GetRowIndex(7);
  RECT r;
  list->GetItemRect(leafRow, &r);
  const int rowsBefore = list->GetCount();
  Click(list, 2 * L, r.top + 1);
  EXPECT_EQ(list->GetCount(), rowsBefore);
  EXPECT_EQ(doc->GetCurrentTree(), 7);
}

TEST_F(TreePaneTest, TheRootIconFoldsAndUnfoldsTheWholeOutline) {
  CKestavonDoc* doc = OpenOutline(kFive);
  COwnerListBox* list = ListOf(doc);
  ASSERT_EQ(list->GetCount(), 5);
  Click(list, 0, 1);
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
  Click(list, list->m_sizeFolder.cx, 1);
  EXPECT_EQ(RowTitles(list), (std::vector<std::string>{"Top", "A", "B", "C"}));
}

TEST_F(TreePaneTest, KeysMoveTheSelectionOrRunTheirBoundCommandWhenEnabled) {
  CKestavonDoc* doc = OpenOutline(kFive, [](ATREE& tree) { tree.EditDirData(2)->m_nView = 0; });
  COwnerListBox* list = ListOf(doc);
  CKeycustArray& keys = m_app->m_keyTable.GetKeyTable();
  keys.Add(VK_RIGHT, 0, 0, 0, ID_TREE_SHOW_OR_DOWN);
  keys.Add(VK_INSERT, 0, 0, 0, ID_TREE_SORT);  // disabled on a leaf
  list->SetCurSel(0);

  Press(list, WXK_DOWN);
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  Press(list, WXK_RIGHT);  // A is folded: it unfolds and stays selected
  EXPECT_EQ(list->GetCount(), 5);
  EXPECT_EQ(doc->GetCurrentTree(), 1);
  Press(list, WXK_RIGHT);  // now it goes down
  EXPECT_EQ(doc->GetCurrentTree(), 2);
  Press(list, WXK_INSERT);
  EXPECT_EQ(doc->GetTree().GetDirDataCount(), 5);
  Press(list, WXK_END);
  EXPECT_EQ(doc->GetCurrentTree(), 4);
  Press(list, WXK_HOME);
  EXPECT_EQ(doc->GetCurrentTree(), 0);
}

TEST(TreeBitmaps, PicturesHaveTheirSizesAndTealIsTransparent) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  struct Case {
    UINT id;
    int width;
    int height;
  };
  for (const Case& c : {Case{ID_BM_FOLDER, 16, 16}, Case{ID_BM_FOLDER_EMPTY, 16, 16}, Case{ID_BM_OPFOLDER, 16, 16},
                        Case{ID_BM_PFOLDER, 16, 16}, Case{ID_BM_PPFOLDER, 16, 16}, Case{ID_BM_MFOLDER, 16, 16},
                        Case{ID_BM_CHECK, 10, 13}, Case{IDB_BITMAP_MARK, 10, 13}}) {
    wxBitmap bitmap;
    ASSERT_TRUE(LoadTreeBitmap(c.id, "x", bitmap));
    EXPECT_EQ(bitmap.GetWidth(), c.width);
    EXPECT_EQ(bitmap.GetHeight(), c.height);
    ASSERT_NE(bitmap.GetMask(), nullptr);
  }
  // Drawn over green, the folder's corner keeps the green.
  wxBitmap folder;
  LoadTreeBitmap(ID_BM_FOLDER, "ID_BM_FOLDER", folder);
  wxBitmap target(20, 20, 24);
  {
    wxMemoryDC dc(target);
    dc.SetBackground(*wxGREEN_BRUSH);
    dc.Clear();
    COwnerListBox::DrawTransparentBitmap(dc, 0, 0, 32, 32, folder, kTreeBitmapTransparent);
  }
  const wxImage image = target.ConvertToImage();
  EXPECT_EQ(PixelAt(image, 0, 0).GetAsString(wxC2S_HTML_SYNTAX), "#00FF00");
  EXPECT_EQ(PixelAt(image, 0, 10).GetAsString(wxC2S_HTML_SYNTAX), "#000000");  // the stretched outline

  ScopedMessageBoxHook hook(IDOK);
  wxBitmap missing;
  EXPECT_FALSE(LoadTreeBitmap(999, "ID_BM_NONE", missing));
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(std::string(hook.Calls()[0].text), "Bitmap Load Error:ID_BM_NONE");
  EXPECT_FALSE(missing.IsOk());
}

}  // namespace
}  // namespace treepane_test
