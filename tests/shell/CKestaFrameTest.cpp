// The child frame of an outline: its panes, show modes, stored sizes and show state, the mark menu.
#include <wx/app.h>
#include <wx/menu.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/CKestaFrame.h"
#include "shell/CSplitterWndEx.h"
#include "platform/framework/CMDIClientWnd.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MenuKeyText.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/PrivateProfile.h"
#include "resources/CommandIds.h"
#include "resources/MenuResource.h"
#include "tests/shell/AppFixture.h"
#include "textarea/CIEditView.h"
#include "treeview/CTrView.h"
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
  // The outline window's menu bar in the main frame; its mark menu.
  wxMenu* InstallMenuBar() {
    std::unique_ptr<wxMenuBar> bar = LoadMenuBar(IDR_KESTAVTYPE);
    wxMenu* marks = bar->GetMenu(CKestaFrame::kMarkMenuIndex);
    Frame()->SetMenuBarFor(IDR_KESTAVTYPE, std::move(bar));
    return marks;
  }
  // The mark menu's entries that stand for marks.
  static std::vector<std::string> MarkEntries(wxMenu* marks) {
    std::vector<std::string> names;
    for (wxMenuItem* item : marks->GetMenuItems())
      if (item->GetId() >= ID_MARK_FIRST && item->GetId() <= ID_MARK_LAST)
        names.push_back(std::string(GetMenuItemText(item)));
    return names;
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
  auto* tree = dynamic_cast<CTrView*>(main->GetPane(0, 0));
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->GetSize().x, 150);
  EXPECT_EQ(main->GetPane(0, 1), frame->GetLinkSplitter());

  // The link-file pane waits hidden; the text splitter fills the link splitter.
  CSplitterWndEx* link = frame->GetLinkSplitter();
  EXPECT_EQ(link->GetRowCount(), 1);
  EXPECT_EQ(link->GetPane(0, 0), frame->GetTextSplitter());
  EXPECT_FALSE(frame->IsLinkFileShown());
  EXPECT_FALSE(Checked(frame, ID_WINDOW_LINK_PANE));
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
  CKestaFrame* frame = OpenFrame(wxSize(503 + 2, 400));  // the frame line takes a pixel each side
  ASSERT_NE(frame, nullptr);
  wxWindow* tree = frame->GetSplitter()->GetPane(0, 0);
  ASSERT_EQ(frame->GetSplitter()->GetClientSize().x, 503);

  // Both: two fifths of 503 for the tree, the rest (three fifths less the bar) for the text.
  frame->SendCommand(ID_VIEW_BOTH);
  EXPECT_EQ(tree->GetSize().x, 200);
  EXPECT_TRUE(TextPart(frame)->IsShown());
  EXPECT_GT(TextPart(frame)->GetPosition().x, 200);
  EXPECT_EQ(TextPart(frame)->GetRect().GetRight(), 502);
  EXPECT_EQ(Stored("View", "TreeText"), 0);

  frame->SendCommand(ID_VIEW_TREE_ONLY);
  EXPECT_EQ(tree->GetSize().x, 503);
  EXPECT_FALSE(TextPart(frame)->IsShown());
  EXPECT_EQ(frame->GetActiveView(), tree);
  EXPECT_EQ(Stored("View", "TreeText"), 1);

  frame->SendCommand(ID_VIEW_TEXT_ONLY);
  EXPECT_FALSE(tree->IsShown());
  EXPECT_EQ(TextPart(frame)->GetSize().x, 503);
  EXPECT_EQ(frame->GetActiveView(), frame->GetTextSplitter()->GetPane(0, 0));
  EXPECT_EQ(Stored("View", "TreeText"), 2);

  // Both again brings the tree back.
  frame->SendCommand(ID_VIEW_BOTH);
  EXPECT_TRUE(tree->IsShown());
  EXPECT_EQ(tree->GetSize().x, 200);
}

TEST_F(CKestaFrameTest, StackedBothGivesEachPartHalfTheHeight) {
  Setting("View", "SplPos", "1");
  CKestaFrame* frame = OpenFrame(wxSize(503, 400));
  ASSERT_NE(frame, nullptr);
  const int height = frame->GetSplitter()->GetClientSize().y;
  frame->SendCommand(ID_VIEW_BOTH);
  EXPECT_EQ(frame->GetSplitter()->GetPane(0, 0)->GetSize().y, height / 2);
  EXPECT_EQ(TextPart(frame)->GetRect().GetBottom(), height - 1);
}

TEST_F(CKestaFrameTest, LinkFilePaneShowsAtHalfHeightAndHidingStoresItsHeight) {
  CKestaFrame* frame = OpenFrame(wxSize(503, 400));
  ASSERT_NE(frame, nullptr);
  CSplitterWndEx* link = frame->GetLinkSplitter();
  const int half = frame->GetSplitter()->GetClientSize().y / 2;

  frame->SendCommand(ID_WINDOW_LINK_PANE);
  ASSERT_TRUE(frame->IsLinkFileShown());
  EXPECT_TRUE(Checked(frame, ID_WINDOW_LINK_PANE));
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
  frame->SendCommand(ID_WINDOW_LINK_PANE);
  EXPECT_FALSE(frame->IsLinkFileShown());
  EXPECT_FALSE(preview->IsShown());
  EXPECT_EQ(frame->GetActiveView(), frame->GetTextSplitter()->GetPane(0, 0));
  EXPECT_EQ(Stored("View", "BrowserHeight"), half);

  // The stored height is used next time, but never below 10.
  Setting("View", "BrowserHeight", "3");
  frame->SendCommand(ID_WINDOW_LINK_PANE);
  link->GetRowInfo(0, height, minimum);
  EXPECT_EQ(height, 10);
  EXPECT_EQ(link->GetPane(1, 0), preview);
}

TEST_F(CKestaFrameTest, TextPaneSplitsIntoTwoRowsOfTheSameDocument) {
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  CSplitterWnd* text = frame->GetTextSplitter();
  CKestavonDoc* doc = Documents().front();
  EXPECT_FALSE(Enabled(frame, ID_WINDOW_UNSPLIT));
  EXPECT_TRUE(Enabled(frame, ID_WINDOW_SPLIT));

  frame->SendCommand(ID_WINDOW_SPLIT);
  ASSERT_EQ(text->GetRowCount(), 2);
  auto* second = dynamic_cast<CIEditView*>(text->GetPane(1, 0));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetDocument(), doc);
  EXPECT_EQ(doc->GetViews().size(), 4u);
  EXPECT_TRUE(Enabled(frame, ID_WINDOW_UNSPLIT));
  EXPECT_FALSE(Enabled(frame, ID_WINDOW_SPLIT));
  EXPECT_TRUE(second->IsShown());
  EXPECT_GT(second->GetPosition().y, 0);

  // The other-pane command goes back and forth between the two rows.
  text->SetActivePane(0, 0);
  frame->SendCommand(ID_WINDOW_OTHER_PANE);
  EXPECT_EQ(frame->GetActiveView(), second);
  frame->SendCommand(ID_WINDOW_OTHER_PANE);
  EXPECT_EQ(frame->GetActiveView(), text->GetPane(0, 0));

  // Removing the split destroys the second view; the first fills the pane again.
  frame->SendCommand(ID_WINDOW_OTHER_PANE);
  frame->SendCommand(ID_WINDOW_UNSPLIT);
  EXPECT_EQ(text->GetRowCount(), 1);
  EXPECT_EQ(doc->GetViews().size(), 3u);
  EXPECT_EQ(frame->GetActiveView(), text->GetPane(0, 0));
  EXPECT_EQ(text->GetPane(0, 0)->GetSize(), text->GetClientSize());
  EXPECT_FALSE(Enabled(frame, ID_WINDOW_UNSPLIT));
}

TEST_F(CKestaFrameTest, ClosingStoresPaneSizesAndTheRestoredWindowSize) {
  CKestaFrame* frame = OpenFrame(wxSize(503, 400));
  ASSERT_NE(frame, nullptr);
  frame->SendCommand(ID_VIEW_BOTH);
  frame->SendCommand(ID_WINDOW_LINK_PANE);
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
  // The menu's own items stay; its placeholder goes.
  wxMenu* marks = InstallMenuBar();
  ASSERT_EQ(Frame()->GetMenuBar()->GetMenu(CKestaFrame::kMarkMenuIndex), marks);
  const size_t own = marks->GetMenuItemCount() - MarkEntries(marks).size();
  ASSERT_NE(marks->FindChildItem(ID_MARK_TOGGLE), nullptr);

  for (int i = 0; i < 45; ++i) {
    CString name;
    name.Format("印%d", i);
    frame->m_aMarkNames.Add(name);
  }
  frame->UpdateMarkMenu();
  ASSERT_EQ(marks->GetMenuItemCount(), own + 40);
  EXPECT_NE(marks->FindChildItem(ID_MARK_TOGGLE), nullptr);
  const std::vector<std::string> entries = MarkEntries(marks);
  ASSERT_EQ(entries.size(), 40u);
  EXPECT_EQ(entries.front(), "印0");
  EXPECT_EQ(entries.back(), "印39");
  EXPECT_EQ(marks->FindChildItem(ID_MARK_LAST)->GetItemLabel(), CP932ToWx("印39"));

  frame->m_aMarkNames.RemoveAll();
  frame->m_aMarkNames.Add("a");
  frame->UpdateMarkMenu();
  EXPECT_EQ(MarkEntries(marks), std::vector<std::string>{"a"});
  EXPECT_EQ(marks->GetMenuItemCount(), own + 1);

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
  EXPECT_TRUE(MarkEntries(marks).empty());

  first->MDIActivate();
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(MarkEntries(marks), std::vector<std::string>{"first"});
  second->MDIActivate();
  wxTheApp->ProcessPendingEvents();
  EXPECT_TRUE(MarkEntries(marks).empty());
}

TEST_F(CKestaFrameTest, ShowingAWindowWritesTheBoundKeysIntoTheMenus) {
  ASSERT_NE(OpenFrame(), nullptr);
  InstallMenuBar();
  m_app->m_keyTable.GetKeyTable().Add(0x74, 0, 0, 1, ID_VIEW_BOTH);  // Ctrl+F5
  m_app->OpenDocumentFile(SampleCopy("b.kvn").c_str());
  wxMenuItem* both = Frame()->GetMenuBar()->FindItem(ID_VIEW_BOTH);
  ASSERT_NE(both, nullptr);
  EXPECT_EQ(std::string(GetMenuItemText(both)), "両方表示(&W)\tCtrl+F5");
}

TEST_F(CKestaFrameTest, AutomaticLinkPaneFollowsTheCurrentTreesLink) {
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  CKestavonDoc* doc = Documents().front();
  doc->GetTree().SetLink(2, "/tmp/plan.txt");
  doc->SetCurrentTree(2);

  // Without the automatic flag the pane stays as it is.
  frame->ShowLinkFile();
  wxTheApp->ProcessPendingEvents();
  EXPECT_FALSE(frame->IsLinkFileShown());

  frame->SendCommand(ID_VIEW_LINK_AUTO);
  frame->ShowLinkFile();
  wxTheApp->ProcessPendingEvents();
  EXPECT_TRUE(frame->IsLinkFileShown());

  // A tree with a link keeps the pane; one without hides it, storing its height. The pane hears
  // of another tree as the tree pane tells every view, and passes it on to its window.
  frame->ShowLinkFile();
  EXPECT_TRUE(frame->IsLinkFileShown());
  doc->SetCurrentTree(1);
  doc->UpdateAllViews(nullptr, CKestavonDoc::kHintCurrentItem);
  EXPECT_FALSE(frame->IsLinkFileShown());
  EXPECT_GT(Stored("View", "BrowserHeight"), 0);
}

TEST_F(CKestaFrameTest, LinkFileAutomaticToggleIsStored) {
  CKestaFrame* frame = OpenFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(Checked(frame, ID_VIEW_LINK_AUTO));
  frame->SendCommand(ID_VIEW_LINK_AUTO);
  EXPECT_TRUE(Checked(frame, ID_VIEW_LINK_AUTO));
  EXPECT_EQ(Stored("View", "LinkFileAuto"), 1);
  frame->SendCommand(ID_VIEW_LINK_AUTO);
  EXPECT_EQ(Stored("View", "LinkFileAuto"), 0);
}

}  // namespace
}  // namespace app_test
