// Splitter windows: cells by window id, layout from ideal and minimum sizes, dynamic rows.
#include <memory>

#include "platform/framework/CSplitterWnd.h"
#include "tests/platform/FrameworkFixture.h"

namespace framework_test {
namespace {

class CSplitterWndTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    if (IsSkipped()) return;
    m_doc = Open(MakeFile("a.tst", "a"));
    ASSERT_NE(m_doc, nullptr);
    m_child = FrameOf(m_doc);
    m_context.m_pCurrentDoc = m_doc;
    m_context.m_pNewViewClass = RuntimeClass<TestView>();
  }
  // A splitter beside the frame's own view, 400 x 300.
  CSplitterWnd* MakeStatic(int rows, int cols) {
    auto splitter = std::make_unique<CSplitterWnd>();
    if (!splitter->CreateStatic(m_child, rows, cols, WS_CHILD | WS_VISIBLE, 0x100)) return nullptr;
    return splitter.release();  // a window of the frame now
  }
  static int Width(wxWindow* w) { return w->IsShown() ? w->GetSize().x : 0; }

  TestDoc* m_doc = nullptr;
  CMDIChildWnd* m_child = nullptr;
  CCreateContext m_context;
};

TEST_F(CSplitterWndTest, StaticCellsTakeTheirIdealSizeAndCollapseBelowTheirMinimum) {
  CSplitterWnd* splitter = MakeStatic(1, 2);
  ASSERT_NE(splitter, nullptr);
  ASSERT_TRUE(splitter->CreateView(0, 0, RuntimeClass<TestView>(), SIZE{120, 10}, &m_context));
  ASSERT_TRUE(splitter->CreateView(0, 1, RuntimeClass<TestView>(), SIZE{10, 10}, &m_context));
  EXPECT_FALSE(splitter->CreateView(0, 1, RuntimeClass<TestView>(), SIZE{10, 10}, &m_context));  // taken
  EXPECT_FALSE(splitter->CreateView(1, 0, RuntimeClass<TestView>(), SIZE{10, 10}, &m_context));  // no such row
  splitter->SetSize(400, 300);
  wxWindow* left = splitter->GetPane(0, 0);
  wxWindow* right = splitter->GetPane(0, 1);
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(left->GetId(), splitter->IdFromRowCol(0, 0));
  EXPECT_EQ(right->GetId(), AFX_IDW_PANE_FIRST + 1);
  EXPECT_EQ(Width(left), 120);
  EXPECT_EQ(right->GetRect().GetRight(), 399);
  int current = 0;
  int minimum = 0;
  splitter->GetColumnInfo(1, current, minimum);
  EXPECT_EQ(current, Width(right));

  // The right cell left with less than its minimum goes; the left one fills the splitter.
  splitter->SetColumnInfo(1, 0, 300);
  splitter->RecalcLayout();
  EXPECT_EQ(Width(left), 400);
  EXPECT_FALSE(right->IsShown());
  splitter->GetColumnInfo(1, current, minimum);
  EXPECT_EQ(current, 0);
  EXPECT_EQ(minimum, 300);

  // The left cell with no ideal size goes; the right one fills the splitter.
  splitter->SetColumnInfo(1, 0, 0);
  splitter->SetColumnInfo(0, 0, 0);
  splitter->RecalcLayout();
  EXPECT_FALSE(left->IsShown());
  EXPECT_EQ(Width(right), 400);

  // A larger grid than two cells is built by nesting.
  EXPECT_EQ(MakeStatic(2, 2), nullptr);
}

TEST_F(CSplitterWndTest, DynamicSplitterAddsAndRemovesRowsOfTheSameView) {
  auto made = std::make_unique<CSplitterWnd>();
  ASSERT_TRUE(made->Create(m_child, 2, 1, SIZE{10, 10}, &m_context, WS_CHILD | WS_VISIBLE, 0x100));
  CSplitterWnd* splitter = made.release();  // a window of the frame now
  splitter->SetSize(400, 300);
  auto* first = dynamic_cast<TestView*>(splitter->GetPane(0, 0));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetDocument(), m_doc);
  EXPECT_EQ(first->GetSize(), wxSize(400, 300));

  ASSERT_TRUE(splitter->SplitRow(100));
  auto* second = dynamic_cast<TestView*>(splitter->GetPane(1, 0));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetDocument(), m_doc);
  EXPECT_EQ(second->m_initialUpdates, 1);
  EXPECT_EQ(first->GetSize().y, 100);
  EXPECT_EQ(second->GetRect().GetBottom(), 299);
  EXPECT_FALSE(splitter->SplitRow(50));  // two rows at most
  EXPECT_FALSE(splitter->SplitColumn(50));

  // Deleting the first row moves the second into its place and hands it the active view.
  splitter->SetActivePane(0, 0);
  ASSERT_EQ(splitter->GetActivePane(), first);
  splitter->DeleteRow(0);
  EXPECT_EQ(splitter->GetRowCount(), 1);
  EXPECT_EQ(splitter->GetPane(0, 0), second);
  EXPECT_EQ(splitter->GetPane(1, 0), nullptr);
  EXPECT_EQ(second->GetSize(), wxSize(400, 300));
  EXPECT_EQ(m_child->GetActiveView(), second);
  EXPECT_EQ(m_doc->GetViews().size(), 2u);  // the frame's own view and the one left here
}

TEST_F(CSplitterWndTest, BarDraggedToTheEdgeCollapsesAStaticCellAndRemovesADynamicRow) {
  // The splitter's mouse handling unsplits the way Unsplit does.
  CSplitterWnd* fixed = MakeStatic(1, 2);
  ASSERT_NE(fixed, nullptr);
  ASSERT_TRUE(fixed->CreateView(0, 0, RuntimeClass<TestView>(), SIZE{120, 10}, &m_context));
  ASSERT_TRUE(fixed->CreateView(0, 1, RuntimeClass<TestView>(), SIZE{10, 10}, &m_context));
  fixed->SetSize(400, 300);
  wxWindow* right = fixed->GetPane(0, 1);
  fixed->Unsplit(right);
  fixed->RecalcLayout();
  EXPECT_EQ(fixed->GetColumnCount(), 2);
  EXPECT_EQ(fixed->GetPane(0, 1), right);
  EXPECT_FALSE(right->IsShown());
  EXPECT_EQ(fixed->GetPane(0, 0)->GetSize().x, 400);

  auto made = std::make_unique<CSplitterWnd>();
  ASSERT_TRUE(made->Create(m_child, 2, 1, SIZE{10, 10}, &m_context, WS_CHILD | WS_VISIBLE, 0x101));
  CSplitterWnd* dynamic = made.release();  // a window of the frame now
  dynamic->SetSize(400, 300);
  ASSERT_TRUE(dynamic->SplitRow(100));
  const size_t views = m_doc->GetViews().size();
  dynamic->Unsplit(dynamic->GetPane(1, 0));
  EXPECT_EQ(dynamic->GetRowCount(), 1);
  EXPECT_EQ(dynamic->GetPane(1, 0), nullptr);
  EXPECT_EQ(dynamic->GetPane(0, 0)->GetSize(), wxSize(400, 300));
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(m_doc->GetViews().size(), views - 1);
}

}  // namespace
}  // namespace framework_test
