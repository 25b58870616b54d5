// The client area of the main frame: maximised children, activation, Cascade and Tile.
#include "platform/framework/CMDIClientWnd.h"
#include "tests/platform/FrameworkFixture.h"

namespace framework_test {
namespace {

class FrameworkMDITest : public FrameworkTest {
 protected:
  void OpenThree() {
    for (const char* name : {"a.tst", "b.tst", "c.tst"}) m_docs.push_back(Open(MakeFile(name, name)));
    ASSERT_EQ(m_frame->GetMDIChildren().size(), 3u);
    m_area = m_frame->GetMDIClient()->GetClientSize();
    ASSERT_GT(m_area.x, 100);
    ASSERT_GT(m_area.y, 100);
  }
  std::vector<TestDoc*> m_docs;
  wxSize m_area;
};

TEST_F(FrameworkMDITest, ChildrenStartMaximisedAndOnlyTheActiveOneShows) {
  OpenThree();
  CMDIChildWnd* active = m_frame->MDIGetActive();
  EXPECT_EQ(active, FrameOf(m_docs[2]));
  EXPECT_TRUE(active->IsZoomed());
  EXPECT_EQ(active->GetRect(), wxRect(wxPoint(0, 0), m_area));
  EXPECT_EQ(active->GetCaptionHeight(), 0);
  EXPECT_EQ(ViewOf(m_docs[2])->GetRect(), wxRect(wxPoint(0, 0), m_area));
  EXPECT_FALSE(FrameOf(m_docs[0])->IsShown());
  EXPECT_FALSE(FrameOf(m_docs[1])->IsShown());

  m_frame->MDIActivate(FrameOf(m_docs[0]));
  EXPECT_EQ(m_frame->GetMDIChildren().front(), FrameOf(m_docs[0]));
  EXPECT_TRUE(FrameOf(m_docs[0])->IsShown());
  EXPECT_FALSE(FrameOf(m_docs[2])->IsShown());
}

TEST_F(FrameworkMDITest, CascadeOverlapsWithCaptionsAndKeepsTheActiveOnTop) {
  OpenThree();
  m_frame->SendCommand(ID_WINDOW_CASCADE);
  const int step = m_frame->GetMDIClient()->GetCaptionHeight();
  ASSERT_GT(step, 0);
  // The bottom window at the corner, each later one a caption lower and further right.
  const std::vector<CMDIChildWnd*> z = m_frame->GetMDIChildren();
  const wxSize size(m_area.x - 2 * step, m_area.y - 2 * step);
  EXPECT_EQ(z[2]->GetNormalRect(), wxRect(wxPoint(0, 0), size));
  EXPECT_EQ(z[1]->GetNormalRect(), wxRect(wxPoint(step, step), size));
  EXPECT_EQ(z[0]->GetNormalRect(), wxRect(wxPoint(2 * step, 2 * step), size));
  EXPECT_EQ(z[0]->GetRect(), z[0]->GetNormalRect());
  EXPECT_EQ(z[0], FrameOf(m_docs[2]));
  for (CMDIChildWnd* child : z) {
    EXPECT_FALSE(child->IsZoomed());
    EXPECT_EQ(child->GetCaptionHeight(), step);
  }
  // Only the top window stands on screen; the ones it overlaps are drawn by the client area, and
  // a point where they overlap belongs to the top one.
  EXPECT_TRUE(z[0]->IsShown() && !z[0]->IsCoveredInClient());
  EXPECT_TRUE(!z[1]->IsShown() && z[1]->IsCoveredInClient());
  EXPECT_TRUE(!z[2]->IsShown() && z[2]->IsCoveredInClient());
  EXPECT_EQ(m_frame->GetMDIClient()->ChildAt(wxPoint(2 * step + 1, 2 * step + 1)), z[0]);
  EXPECT_EQ(m_frame->GetMDIClient()->ChildAt(wxPoint(1, 1)), z[2]);
  // The view sits below the caption strip, inside the frame line.
  EXPECT_EQ(ViewOf(m_docs[2])->GetRect(), wxRect(1, step, size.x - 2, size.y - step - 1));

  // Activating a covered window brings it up and leaves the places as they are.
  m_frame->MDIActivate(z[2]);
  EXPECT_EQ(m_frame->GetMDIChildren().front(), z[2]);
  EXPECT_EQ(z[2]->GetRect(), wxRect(wxPoint(0, 0), size));
  EXPECT_TRUE(z[2]->IsShown() && !z[2]->IsCoveredInClient());
  EXPECT_TRUE(!z[0]->IsShown() && z[0]->IsCoveredInClient());
  EXPECT_EQ(m_frame->GetActiveDocument(), m_docs[0]);
}

TEST_F(FrameworkMDITest, TileLaysTheChildrenStackedOrSideBySide) {
  OpenThree();
  m_frame->SendCommand(ID_WINDOW_TILE_HORZ);
  const std::vector<CMDIChildWnd*> z = m_frame->GetMDIChildren();
  for (int i = 0; i < 3; ++i) {
    const int top = m_area.y * i / 3;
    EXPECT_EQ(z[static_cast<size_t>(i)]->GetRect(), wxRect(0, top, m_area.x, m_area.y * (i + 1) / 3 - top));
  }
  m_frame->SendCommand(ID_WINDOW_TILE_VERT);
  for (int i = 0; i < 3; ++i) {
    const int left = m_area.x * i / 3;
    EXPECT_EQ(z[static_cast<size_t>(i)]->GetRect(), wxRect(left, 0, m_area.x * (i + 1) / 3 - left, m_area.y));
  }
  // Maximising one brings back the maximised state for all.
  z[1]->MDIMaximize();
  EXPECT_EQ(m_frame->MDIGetActive(), z[1]);
  EXPECT_EQ(z[1]->GetRect(), wxRect(wxPoint(0, 0), m_area));
  EXPECT_FALSE(z[0]->IsShown());
}

TEST_F(FrameworkMDITest, NextWindowCyclesAndClosingTheActiveActivatesTheNext) {
  OpenThree();
  CMDIChildWnd* a = FrameOf(m_docs[0]);
  CMDIChildWnd* b = FrameOf(m_docs[1]);
  CMDIChildWnd* c = FrameOf(m_docs[2]);
  EXPECT_EQ(m_frame->GetMDIChildren(), (std::vector<CMDIChildWnd*>{c, b, a}));
  m_frame->MDINext();
  EXPECT_EQ(m_frame->GetMDIChildren(), (std::vector<CMDIChildWnd*>{b, a, c}));
  m_frame->MDINext(TRUE);
  EXPECT_EQ(m_frame->GetMDIChildren(), (std::vector<CMDIChildWnd*>{c, b, a}));
  c->Close();
  EXPECT_EQ(m_frame->MDIGetActive(), b);
  EXPECT_TRUE(b->IsShown());
  EXPECT_EQ(m_frame->GetActiveDocument(), m_docs[1]);
}

}  // namespace
}  // namespace framework_test
