// The settings command's changes that live outside the tree pane take effect at once: the tab
// strip, the text panes' colours and wheel step, and the window titles.
#include "app/CSettingsSheet.h"
#include "shell/CMDITabs.h"
#include "shell/FrameTreePane.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/base/ColorRef.h"
#include "tests/shell/AppFixture.h"
#include "textarea/CIEditView.h"

namespace app_test {
namespace {

CIEditView* TextPaneOf(CKestavonDoc* doc) {
  for (CView* view : doc->GetViews())
    if (auto* pane = dynamic_cast<CIEditView*>(view)) return pane;
  return nullptr;
}

TEST_F(AppTest, SettingsTakeEffectInEveryOpenWindowAtOnce) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  Setting("View", "TabStyle", "2");
  Setting("System", "TitleBarFullPath", "0");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  ASSERT_EQ(Documents().size(), 2u);
  CMainFrame* frame = Frame();
  CMDITabs* tabs = frame->GetTabs();
  ASSERT_EQ(tabs->GetItemCount(), 2);
  auto* child = dynamic_cast<CKestaFrame*>(frame->MDIGetActive());
  ASSERT_NE(child, nullptr);
  CTrView* tree = FrameTreePane(*child);
  ASSERT_NE(tree, nullptr);
  CKestavonDoc* other = Documents().front() == tree->GetDocument() ? Documents().back() : Documents().front();
  EXPECT_EQ(other->GetTitle().str(), "a.kvn");

  CSettingsSheet sheet;
  sheet.LoadKeys(m_app->m_settings);
  tree->PresetSettings(sheet);
  sheet.m_viewPage.m_nTabStyle = 1;
  sheet.m_viewPage.m_nTabPosition = 1;
  sheet.m_viewPage.m_bTitleBarFullPath = 1;
  sheet.m_colorPage.m_clrBack = RGB(10, 20, 30);
  sheet.m_colorPage.m_clrText = RGB(200, 100, 50);
  sheet.m_setPage.m_nMouseWheel = 7;
  tree->ApplySettings(sheet, m_app->m_settings);

  EXPECT_TRUE(tabs->GetTabStyle() & TCS_BUTTONS);
  EXPECT_TRUE(tabs->IsTop());
  EXPECT_EQ(other->GetTitle().str(), a) << "the title of a window that is not active follows too";
  for (CKestavonDoc* doc : Documents()) {
    CIEditView* text = TextPaneOf(doc);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_clrBack, RGB(10, 20, 30));
    EXPECT_EQ(text->m_clrText, RGB(200, 100, 50));
    EXPECT_EQ(text->GetBackgroundColour(), ColorRefToWx(RGB(10, 20, 30)));
    EXPECT_EQ(text->GetEditCtrl().m_nWheelLines, 7);
  }

  // Hidden tabs keep the position they had: it is handed over only while tabs show.
  sheet.m_viewPage.m_nTabStyle = 0;
  sheet.m_viewPage.m_nTabPosition = 0;
  sheet.m_viewPage.m_bTitleBarFullPath = 0;
  tree->ApplySettings(sheet, m_app->m_settings);
  EXPECT_EQ(tabs->GetItemCount(), 0);
  EXPECT_TRUE(tabs->IsTop());
  EXPECT_EQ(other->GetTitle().str(), "a.kvn");
}

}  // namespace
}  // namespace app_test
