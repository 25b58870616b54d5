// Hiding and showing a row or column of a static splitter, the hidden pane kept alive.
#include <memory>

#include "shell/CKestaFrame.h"
#include "shell/CSplitterWndEx.h"
#include "textarea/CIEditView.h"
#include "platform/framework/CDocTemplate.h"
#include "tests/shell/AppFixture.h"

namespace app_test {
namespace {

class CSplitterWndExTest : public AppTest {
 protected:
  // A splitter of two views of the open outline, 300 x 300, in its window.
  CSplitterWndEx* Make(int rows, int cols) {
    if (!Start({SampleCopy("a.kvn")})) return nullptr;
    auto* frame = dynamic_cast<CKestaFrame*>(Frame()->MDIGetActive());
    if (!frame) return nullptr;
    m_frame = frame;
    CCreateContext context;
    context.m_pCurrentDoc = Documents().front();
    auto made = std::make_unique<CSplitterWndEx>();
    if (!made->CreateStatic(frame, rows, cols, WS_CHILD | WS_VISIBLE, 0x100)) return nullptr;
    CSplitterWndEx* splitter = made.release();  // a window of the frame now
    splitter->CreateView(0, 0, RuntimeClass<CIEditView>(), SIZE{100, 100}, &context);
    splitter->CreateView(rows - 1, cols - 1, RuntimeClass<CIEditView>(), SIZE{100, 100}, &context);
    splitter->SetSize(300, 300);
    return splitter;
  }
  CKestaFrame* m_frame = nullptr;
};

TEST_F(CSplitterWndExTest, HiddenRowComesBackAtItsOldHeight) {
  CSplitterWndEx* splitter = Make(2, 1);
  ASSERT_NE(splitter, nullptr);
  wxWindow* upper = splitter->GetPane(0, 0);
  wxWindow* lower = splitter->GetPane(1, 0);
  splitter->SetRowInfo(0, 220, 0);
  splitter->RecalcLayout();
  const int lowerHeight = lower->GetSize().y;
  ASSERT_GT(lowerHeight, 0);

  splitter->HideRow(1);
  EXPECT_EQ(splitter->GetRowCount(), 1);
  EXPECT_FALSE(lower->IsShown());
  EXPECT_EQ(splitter->GetPane(1, 0), nullptr);  // parked outside the grid
  EXPECT_EQ(upper->GetSize(), wxSize(300, 300));

  splitter->ShowRow();
  EXPECT_EQ(splitter->GetRowCount(), 2);
  EXPECT_EQ(splitter->GetPane(1, 0), lower);
  EXPECT_TRUE(lower->IsShown());
  EXPECT_EQ(lower->GetSize().y, lowerHeight);
}

TEST_F(CSplitterWndExTest, HidingTheActivePanesRowActivatesTheNextRow) {
  CSplitterWndEx* splitter = Make(2, 1);
  ASSERT_NE(splitter, nullptr);
  wxWindow* upper = splitter->GetPane(0, 0);
  wxWindow* lower = splitter->GetPane(1, 0);

  // The last row wraps to row 0.
  splitter->SetActivePane(1, 0);
  splitter->HideRow(1);
  EXPECT_EQ(m_frame->GetActiveView(), upper);
  splitter->ShowRow();

  // Hiding row 0 moves the lower pane up, and showing it puts both back.
  splitter->SetActivePane(0, 0);
  splitter->HideRow(0);
  EXPECT_EQ(m_frame->GetActiveView(), lower);
  EXPECT_EQ(splitter->GetPane(0, 0), lower);
  EXPECT_FALSE(upper->IsShown());
  EXPECT_EQ(lower->GetSize(), wxSize(300, 300));
  splitter->ShowRow();
  EXPECT_EQ(splitter->GetPane(0, 0), upper);
  EXPECT_EQ(splitter->GetPane(1, 0), lower);
  EXPECT_TRUE(upper->IsShown());
}

TEST_F(CSplitterWndExTest, HiddenColumnComesBackAtItsPlace) {
  CSplitterWndEx* splitter = Make(1, 2);
  ASSERT_NE(splitter, nullptr);
  wxWindow* left = splitter->GetPane(0, 0);
  wxWindow* right = splitter->GetPane(0, 1);
  const int width = left->GetSize().x;
  splitter->HideColumn(0);
  EXPECT_EQ(splitter->GetColumnCount(), 1);
  EXPECT_EQ(splitter->GetPane(0, 0), right);
  EXPECT_EQ(right->GetSize(), wxSize(300, 300));
  splitter->ShowColumn();
  EXPECT_EQ(splitter->GetPane(0, 0), left);
  EXPECT_EQ(splitter->GetPane(0, 1), right);
  EXPECT_EQ(left->GetSize().x, width);
}

}  // namespace
}  // namespace app_test
