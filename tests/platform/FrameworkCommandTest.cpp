// The command route (active view, its document, child frame, main frame, application), update-UI,
// posted commands and the menu bar that follows the active child.
#include <wx/menu.h>

#include "tests/platform/FrameworkFixture.h"

namespace framework_test {
namespace {

TEST_F(FrameworkTest, CommandsReachEachLevelOfTheRouteThroughTheActiveChild) {
  Open(MakeFile("a.tst", "alpha"));
  Open(MakeFile("b.tst", "beta"));
  for (int id : {kViewCommand, kDocCommand, kChildCommand, kMainCommand, kAppCommand}) Command(id);
  EXPECT_EQ(Handled(), (std::vector<std::string>{"view:b.tst", "doc:b.tst", "child", "main", "app"}));

  // The first handler on the route takes the command; the frame's own does not run.
  Handled().clear();
  Command(kEverywhereCommand);
  EXPECT_EQ(Handled(), std::vector<std::string>{"view:b.tst"});

  Handled().clear();
  m_frame->MDIActivate(m_frame->GetMDIChildren().back());
  Command(kViewCommand);
  Command(kDocCommand);
  EXPECT_EQ(Handled(), (std::vector<std::string>{"view:a.tst", "doc:a.tst"}));
}

TEST_F(FrameworkTest, WithoutAChildCommandsGoToTheMainFrameAndTheApplication) {
  for (int id : {kViewCommand, kEverywhereCommand, kAppCommand}) Command(id);
  EXPECT_EQ(Handled(), (std::vector<std::string>{"main", "app"}));
}

TEST_F(FrameworkTest, CommandSentToAChildFrameTakesTheRouteBelowIt) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  Open(MakeFile("b.tst", "beta"));
  FrameOf(a)->SendCommand(kViewCommand);  // not the active child
  FrameOf(a)->SendCommand(kChildCommand);
  FrameOf(a)->SendCommand(kAppCommand);
  EXPECT_EQ(Handled(), (std::vector<std::string>{"view:a.tst", "child", "app"}));
}

TEST_F(FrameworkTest, UpdateUIAsksTheActiveView) {
  auto query = [this](int id) {
    wxUpdateUIEvent event(id);
    event.SetEventObject(m_frame);
    m_frame->GetEventHandler()->ProcessEvent(event);
    return event;
  };
  EXPECT_FALSE(query(kDisabledCommand).GetSetEnabled());  // no view to ask
  Open(MakeFile("a.tst", "alpha"));
  const wxUpdateUIEvent answer = query(kDisabledCommand);
  EXPECT_TRUE(answer.GetSetEnabled());
  EXPECT_FALSE(answer.GetEnabled());
  EXPECT_FALSE(query(kViewCommand).GetSetEnabled());
}

TEST_F(FrameworkTest, MenuItemsAreGreyedByTheActiveViewsUpdateHandler) {
  auto* bar = new wxMenuBar;
  auto* menu = new wxMenu;
  menu->Append(kDisabledCommand, "Disabled by the view");
  menu->Append(kViewCommand, "Left alone");
  bar->Append(menu, "Test");
  m_frame->SetMenuBarFor(2, std::unique_ptr<wxMenuBar>(bar));
  Open(MakeFile("a.tst", "alpha"));
  menu->UpdateUI(m_frame->GetEventHandler());
  EXPECT_FALSE(menu->IsEnabled(kDisabledCommand));
  EXPECT_TRUE(menu->IsEnabled(kViewCommand));
}

TEST_F(FrameworkTest, PostedCommandRunsAfterTheCurrentEvent) {
  Open(MakeFile("a.tst", "alpha"));
  m_frame->PostCommand(kViewCommand);
  EXPECT_TRUE(Handled().empty());
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(Handled(), std::vector<std::string>{"view:a.tst"});
}

TEST_F(FrameworkTest, MenuBarFollowsTheActiveChildsResource) {
  auto* frameMenu = new wxMenuBar;
  auto* documentMenu = new wxMenuBar;
  m_frame->SetMenuBarFor(2, std::unique_ptr<wxMenuBar>(frameMenu));
  m_frame->SetMenuBarFor(3, std::unique_ptr<wxMenuBar>(documentMenu));
  EXPECT_EQ(m_frame->GetMenuBar(), frameMenu);
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  EXPECT_EQ(m_frame->GetMenuBar(), documentMenu);
  FrameOf(a)->Close();
  EXPECT_EQ(m_frame->GetMenuBar(), frameMenu);
}

}  // namespace
}  // namespace framework_test
