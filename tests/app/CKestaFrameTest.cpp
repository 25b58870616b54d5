// The child frame of an outline: its panes, show modes, stored sizes and show state, the mark menu.
#include <wx/app.h>
#include <wx/menu.h>

#include <memory>

#include "app/CKestaFrame.h"
#include "app/CSplitterWndEx.h"
#include "app/CTitleListView.h"
#include "platform/CMDIClientWnd.h"
#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "platform/PrivateProfile.h"
#include "tests/app/AppFixture.h"
#include "textarea/CIEditView.h"
#include "views/CBrowserView.h"

namespace app_test {
namespace {

class CKestaFrameTest : public AppTest {
 protected:
  // The program started on a sample outline, its window restored to the given outer size.
  CKestaFrame* OpenFrame(wxSize size = wxSize(503, 400)) {
    if (!Start({SampleCopy("a.kvn")})) return nullptr;
    auto* frame = dynamic_cast<CKestaFrame*>(Frame()->MDIGetActive());
    if (!frame) return nullptr;
    frame->MDIRestore();
    frame->SetNormalSize(size);
    return frame;
  }
  int Stored(const char* section, const char* key) {
    return static_cast<int>(GetPrivateProfileInt(section, key, -99, m_conf.c_str()));
  }
  static wxUpdateUIEvent Query(CKestaFrame* frame, int id) {
    wxUpdateUIEvent event(id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
    return event;
  }
  static bool Enabled(CKestaFrame* frame, int id) { return Query(frame, id).GetEnabled(); }
  static bool Checked(CKestaFrame* frame, int id) {
    const wxUpdateUIEvent event = Query(frame, id);
    return event.GetSetChecked() && event.GetChecked();
  }
  // An outline menu bar of empty menus, the mark menu among them in its place.
  wxMenu* InstallMenuBar() {
    auto bar = std::make_unique<wxMenuBar>();
    for (int i = 0; i <= CKestaFrame::kMarkMenuIndex + 1; ++i) bar->Append(new wxMenu, wxString::Format("menu%d", i));
    wxMenu* marks = bar->GetMenu(CKestaFrame::kMarkMenuIndex);
    Frame()->SetMenuBarFor(3, std::move(bar));
    return marks;
  }
  // The part right of (or below) the tree pane: the link splitter.
  static wxWindow* TextPart(CKestaFrame* frame) { return frame->GetLinkSplitter(); }
};

TEST_F(CKestaFrameTest, SideBySideLayoutHoldsTreeTextAndAHiddenLinkPane) {
  Setting("View", "Colum", "150");
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  CSplitterWnd* main = frame->GetSplitter();
  ASSERT_EQ(main->GetRowCount(), 1);
  ASSERT_EQ(main->GetColumnCount(), 2);
  EXPECT_EQ(main->GetId(), AFX_IDW_PANE_FIRST);
  auto* tree = dynamic_cast<CTitleListView*>(main->GetPane(0, 0));
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->GetSize().x, 150);
  EXPECT_EQ(main->GetPane(0, 1), frame->GetLinkSplitter());

  // The link-file pane waits hidden; the text splitter fills the link splitter.
  CSplitterWndEx* link = frame->GetLinkSplitter();
  EXPECT_EQ(link->GetRowCount(), 1);
  EXPECT_EQ(link->GetPane(0, 0), frame->GetTextSplitter());
  EXPECT_FALSE(frame->IsLinkFileShown());
  EXPECT_FALSE(Checked(frame, CKestaFrame::kIdLinkFileWindow));
  CSplitterWnd* text = frame->GetTextSplitter();
  EXPECT_EQ(text->GetRowCount(), 1);
  EXPECT_NE(dynamic_cast<CIEditView*>(text->GetPane(0, 0)), nullptr);
  EXPECT_EQ(text->GetSize(), link->GetClientSize());

  // The document knows all three views; the tree pane is the active one.
  CKestavonDoc* doc = Documents().front();
  ASSERT_EQ(doc->GetViews().size(), 3u);
  EXPECT_EQ(doc->GetViews().front(), tree);
  EXPECT_NE(dynamic_cast<CBrowserView*>(doc->GetViews()[1]), nullptr);
  EXPECT_EQ(frame->GetActiveView(), tree);
}

TEST_F(CKestaFrameTest, StackedLayoutPutsTheTreeOnTop) {
  Setting("View", "SplPos", "1");
  Setting("View", "Row", "120");
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  CSplitterWnd* main = frame->GetSplitter();
  ASSERT_EQ(main->GetRowCount(), 2);
  ASSERT_EQ(main->GetColumnCount(), 1);
  EXPECT_EQ(main->GetPane(0, 0)->GetSize().y, 120);
  EXPECT_EQ(main->GetPane(1, 0), frame->GetLinkSplitter());
  EXPECT_GT(TextPart(frame)->GetPosition().y, 120);
}

TEST_F(CKestaFrameTest, ShowModesSplitTheWidthAndStoreTheMode) {
  CKestaFrame* frame = OpenFrame(wxSize(503, 400));
  ASSERT_NE(frame, nullptr);
  wxWindow* tree = frame->GetSplitter()->GetPane(0, 0);
  ASSERT_EQ(frame->GetSplitter()->GetClientSize().x, 503);

  // Both: two fifths of 503 for the tree, the rest (three fifths less the bar) for the text.
  frame->SendCommand(CKestaFrame::kIdBoth);
  EXPECT_EQ(tree->GetSize().x, 200);
  EXPECT_TRUE(TextPart(frame)->IsShown());
  EXPECT_GT(TextPart(frame)->GetPosition().x, 200);
  EXPECT_EQ(TextPart(frame)->GetRect().GetRight(), 502);
  EXPECT_EQ(Stored("View", "TreeText"), 0);

  frame->SendCommand(CKestaFrame::kIdTreeOnly);
  EXPECT_EQ(tree->GetSize().x, 503);
  EXPECT_FALSE(TextPart(frame)->IsShown());
  EXPECT_EQ(frame->GetActiveView(), tree);
  EXPECT_EQ(Stored("View", "TreeText"), 1);

  frame->SendCommand(CKestaFrame::kIdTextOnly);
  EXPECT_FALSE(tree->IsShown());
  EXPECT_EQ(TextPart(frame)->GetSize().x, 503);
  EXPECT_EQ(frame->GetActiveView(), frame->GetTextSplitter()->GetPane(0, 0));
  EXPECT_EQ(Stored("View", "TreeText"), 2);

  // Both again brings the tree back.
  frame->SendCommand(CKestaFrame::kIdBoth);
  EXPECT_TRUE(tree->IsShown());
  EXPECT_EQ(tree->GetSize().x, 200);
}

TEST_F(CKestaFrameTest, StackedBothGivesEachPartHalfTheHeight) {
  Setting("View", "SplPos", "1");
  CKestaFrame* frame = OpenFrame(wxSize(503, 400));
  ASSERT_NE(frame, nullptr);
  const int height = frame->GetSplitter()->GetClientSize().y;
  frame->SendCommand(CKestaFrame::kIdBoth);
  EXPECT_EQ(frame->GetSplitter()->GetPane(0, 0)->GetSize().y, height / 2);
  EXPECT_EQ(TextPart(frame)->GetRect().GetBottom(), height - 1);
}

TEST_F(CKestaFrameTest, LinkFilePaneShowsAtHalfHeightAndHidingStoresItsHeight) {
  CKestaFrame* frame = OpenFrame(wxSize(503, 400));
  ASSERT_NE(frame, nullptr);
  CSplitterWndEx* link = frame->GetLinkSplitter();
  const int half = frame->GetSplitter()->GetClientSize().y / 2;

  frame->SendCommand(CKestaFrame::kIdLinkFileWindow);
  ASSERT_TRUE(frame->IsLinkFileShown());
  EXPECT_TRUE(Checked(frame, CKestaFrame::kIdLinkFileWindow));
  int height = 0;
  int minimum = 0;
  link->GetRowInfo(0, height, minimum);
  EXPECT_EQ(height, half);
  EXPECT_EQ(frame->GetTextSplitter()->GetSize().y, half);
  auto* preview = dynamic_cast<CBrowserView*>(link->GetPane(1, 0));
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->IsShown());
  EXPECT_GT(preview->GetPosition().y, half);

  // Hiding the pane while the preview is active hands the active view to the text pane.
  frame->SetActiveView(preview);
  frame->SendCommand(CKestaFrame::kIdLinkFileWindow);
  EXPECT_FALSE(frame->IsLinkFileShown());
  EXPECT_FALSE(preview->IsShown());
  EXPECT_EQ(frame->GetActiveView(), frame->GetTextSplitter()->GetPane(0, 0));
  EXPECT_EQ(Stored("View", "BrowserHeight"), half);

  // The stored height is used next time, but never below 10.
  Setting("View", "BrowserHeight", "3");
  frame->SendCommand(CKestaFrame::kIdLinkFileWindow);
  link->GetRowInfo(0, height, minimum);
  EXPECT_EQ(height, 10);
  EXPECT_EQ(link->GetPane(1, 0), preview);
}

TEST_F(CKestaFrameTest, TextPaneSplitsIntoTwoRowsOfTheSameDocument) {
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  CSplitterWnd* text = frame->GetTextSplitter();
  CKestavonDoc* doc = Documents().front();
  EXPECT_FALSE(Enabled(frame, CKestaFrame::kIdUnsplit));
  EXPECT_TRUE(Enabled(frame, CKestaFrame::kIdWindowSplit));

  frame->SendCommand(CKestaFrame::kIdWindowSplit);
  ASSERT_EQ(text->GetRowCount(), 2);
  auto* second = dynamic_cast<CIEditView*>(text->GetPane(1, 0));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetDocument(), doc);
  EXPECT_EQ(doc->GetViews().size(), 4u);
  EXPECT_TRUE(Enabled(frame, CKestaFrame::kIdUnsplit));
  EXPECT_FALSE(Enabled(frame, CKestaFrame::kIdWindowSplit));
  EXPECT_TRUE(second->IsShown());
  EXPECT_GT(second->GetPosition().y, 0);

  // The other-pane command goes back and forth between the two rows.
  text->SetActivePane(0, 0);
  frame->SendCommand(CKestaFrame::kIdOtherPane);
  EXPECT_EQ(frame->GetActiveView(), second);
  frame->SendCommand(CKestaFrame::kIdOtherPane);
  EXPECT_EQ(frame->GetActiveView(), text->GetPane(0, 0));

  // Removing the split destroys the second view; the first fills the pane again.
  frame->SendCommand(CKestaFrame::kIdOtherPane);
  frame->SendCommand(CKestaFrame::kIdUnsplit);
  EXPECT_EQ(text->GetRowCount(), 1);
  EXPECT_EQ(doc->GetViews().size(), 3u);
  EXPECT_EQ(frame->GetActiveView(), text->GetPane(0, 0));
  EXPECT_EQ(text->GetPane(0, 0)->GetSize(), text->GetClientSize());
  EXPECT_FALSE(Enabled(frame, CKestaFrame::kIdUnsplit));
}

TEST_F(CKestaFrameTest, ClosingStoresPaneSizesAndTheRestoredWindowSize) {
  CKestaFrame* frame = OpenFrame(wxSize(503, 400));
  ASSERT_NE(frame, nullptr);
  frame->SendCommand(CKestaFrame::kIdBoth);
  frame->SendCommand(CKestaFrame::kIdLinkFileWindow);
  int height = 0;
  int minimum = 0;
  frame->GetLinkSplitter()->GetRowInfo(0, height, minimum);
  frame->Close();
  wxTheApp->ProcessIdle();
  EXPECT_EQ(Stored("View", "Colum"), 200);
  EXPECT_EQ(Stored("View", "BrowserHeight"), height);
  EXPECT_EQ(Stored("Settings", "ChildFrameWidth"), 503);
  EXPECT_EQ(Stored("Settings", "ChildFrameHeight"), 400);
}

TEST_F(CKestaFrameTest, ClosingMaximisedKeepsTheStoredWindowSize) {
  Setting("Settings", "ChildFrameWidth", "333");
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  frame->MDIMaximize();
  frame->Close();
  wxTheApp->ProcessIdle();
  EXPECT_EQ(Stored("Settings", "ChildFrameWidth"), 333);
  EXPECT_EQ(Stored("View", "BrowserHeight"), -99);  // the link pane was not shown
}

TEST_F(CKestaFrameTest, AWindowThatNeverShowedStoresNothing) {
  ASSERT_TRUE(Start({}));
  ScopedMessageBoxHook hook(IDOK);
  EXPECT_EQ(m_app->OpenDocumentFile((m_dir + "/missing.kvn").c_str()), nullptr);
  wxTheApp->ProcessIdle();
  EXPECT_EQ(Stored("View", "Colum"), -99);
  EXPECT_EQ(Stored("Settings", "ChildFrameWidth"), -99);
}

TEST_F(CKestaFrameTest, RestoreSizeCutsTheStoredSizeToTheClientArea) {
  CKestaFrame* frame = OpenFrame(wxSize(300, 200));
  ASSERT_NE(frame, nullptr);
  const wxSize area = Frame()->GetMDIClient()->GetClientSize();
  const wxPoint corner = frame->GetNormalRect().GetPosition();

  // No stored size: nothing changes.
  frame->RestoreSize();
  EXPECT_EQ(frame->GetSize(), wxSize(300, 200));

  Setting("Settings", "ChildFrameWidth", "250");
  Setting("Settings", "ChildFrameHeight", "5000");
  frame->RestoreSize();
  EXPECT_EQ(frame->GetNormalRect(), wxRect(corner, wxSize(250, area.y - corner.y)));
  EXPECT_EQ(frame->GetSize(), wxSize(250, area.y - corner.y));
}

TEST_F(CKestaFrameTest, NewWindowsOpenInTheShowStateOfTheLastResizedOne) {
  Setting("Settings", "ShowCmd", "3");
  ASSERT_TRUE(Start({SampleCopy("a.kvn")}));
  CMDIChildWnd* first = Frame()->MDIGetActive();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->IsZoomed());

  // Restoring the window makes the next one open restored, in this run and the next.
  first->MDIRestore();
  EXPECT_EQ(m_app->m_nShowCmd, SW_SHOWNORMAL);
  Stop();
  EXPECT_EQ(Stored("Settings", "ShowCmd"), SW_SHOWNORMAL);
  ASSERT_TRUE(Start({SampleCopy("b.kvn")}));
  ASSERT_NE(Frame()->MDIGetActive(), nullptr);
  EXPECT_FALSE(Frame()->MDIGetActive()->IsZoomed());

  CMDIChildWnd* second = Frame()->MDIGetActive();
  second->MDIMaximize();
  EXPECT_EQ(m_app->m_nShowCmd, SW_SHOWMAXIMIZED);
  m_app->OpenDocumentFile(SampleCopy("c.kvn").c_str());
  EXPECT_TRUE(Frame()->MDIGetActive()->IsZoomed());

  // Activating another window keeps the state the windows are in.
  m_app->m_nShowCmd = SW_SHOWNORMAL;
  second->MDIActivate();
  EXPECT_EQ(Frame()->MDIGetActive(), second);
  EXPECT_TRUE(second->IsZoomed());
}

TEST_F(CKestaFrameTest, MarkMenuShowsTheFirstFortyMarkNames) {
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  // The mark menu holds one item of its own.
  wxMenu* marks = InstallMenuBar();
  marks->Append(0x804E, "set mark");
  ASSERT_EQ(Frame()->GetMenuBar()->GetMenu(CKestaFrame::kMarkMenuIndex), marks);

  for (int i = 0; i < 45; ++i) {
    CString name;
    name.Format("印%d", i);
    frame->m_aMarkNames.Add(name);
  }
  frame->UpdateMarkMenu();
  ASSERT_EQ(marks->GetMenuItemCount(), 41u);
  EXPECT_NE(marks->FindChildItem(0x804E), nullptr);
  EXPECT_TRUE(marks->GetLabel(0x804F) == CP932ToWx("印0"));
  EXPECT_TRUE(marks->GetLabel(0x8076) == CP932ToWx("印39"));

  frame->m_aMarkNames.RemoveAll();
  frame->m_aMarkNames.Add("a");
  frame->UpdateMarkMenu();
  ASSERT_EQ(marks->GetMenuItemCount(), 2u);
  EXPECT_TRUE(marks->GetLabel(0x804F) == "a");

  // A menu bar without a mark menu is left alone.
  Frame()->SetMenuBarFor(3, std::make_unique<wxMenuBar>());
  frame->UpdateMarkMenu();
}

TEST_F(CKestaFrameTest, EveryActivationRebuildsTheMarkMenuForItsDocument) {
  CKestaFrame* first = OpenFrame();
  ASSERT_NE(first, nullptr);
  wxMenu* marks = InstallMenuBar();
  first->m_aMarkNames.Add("first");

  m_app->OpenDocumentFile(SampleCopy("b.kvn").c_str());
  auto* second = dynamic_cast<CKestaFrame*>(Frame()->MDIGetActive());
  ASSERT_NE(second, nullptr);
  ASSERT_NE(second, first);
  EXPECT_EQ(marks->GetMenuItemCount(), 0u);

  first->MDIActivate();
  wxTheApp->ProcessPendingEvents();
  ASSERT_EQ(marks->GetMenuItemCount(), 1u);
  EXPECT_TRUE(marks->GetLabel(0x804F) == "first");
  second->MDIActivate();
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(marks->GetMenuItemCount(), 0u);
}

TEST_F(CKestaFrameTest, LinkFileAutomaticToggleIsStored) {
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(Checked(frame, CKestaFrame::kIdLinkFileAuto));
  frame->SendCommand(CKestaFrame::kIdLinkFileAuto);
  EXPECT_TRUE(Checked(frame, CKestaFrame::kIdLinkFileAuto));
  EXPECT_EQ(Stored("View", "LinkFileAuto"), 1);
  frame->SendCommand(CKestaFrame::kIdLinkFileAuto);
  EXPECT_EQ(Stored("View", "LinkFileAuto"), 0);
}

}  // namespace
}  // namespace app_test
