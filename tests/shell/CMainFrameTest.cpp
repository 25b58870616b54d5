// The main frame: its bars, status bar, stored bar layout and placement, the files kept for the
// next start, the bar commands and greying of commands nothing handles, the tab strip and the
// keyboard translation through the key table.
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/menu.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/CAppKeyTable.h"
#include "shell/CFindToolBar.h"
#include "shell/CMDITabs.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CDockState.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CMDIClientWnd.h"
#include "platform/framework/CStatusBar.h"
#include "platform/framework/CToolBar.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/PrivateProfile.h"
#include "resources/CommandIds.h"
#include "tests/shell/AppFixture.h"
#include "textarea/CIEditView.h"
#include "views/CChartFrame.h"
#include "views/CGrepEditView.h"
#include "views/CGrepFrame.h"

namespace app_test {
namespace {

std::vector<UINT> ButtonIds(const CToolBar* bar) {
  std::vector<UINT> ids;
  for (int i = 0; i < bar->GetCount(); ++i) ids.push_back(bar->GetItemID(i));
  return ids;
}

bool Has(const std::vector<UINT>& ids, UINT id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

// What the frame's update says of a menu command.
struct UiState {
  bool enabled;
  bool checked;
};

UiState MenuState(CMainFrame* frame, int id) {
  wxMenu menu;
  wxUpdateUIEvent event(id);
  event.SetEventObject(&menu);
  frame->GetEventHandler()->ProcessEvent(event);
  return {!event.GetSetEnabled() || event.GetEnabled(), event.GetSetChecked() && event.GetChecked()};
}

using MainFrameTest = AppTest;

TEST_F(MainFrameTest, BarsStatusPanesAndTheirDefaults) {
  ASSERT_TRUE(Start());
  CMainFrame* frame = Frame();
  const std::vector<UINT> standard = ButtonIds(frame->GetBar(CMainFrame::BarStandard));
  EXPECT_EQ(standard.size(), 36u);
  EXPECT_TRUE(Has(standard, 0xE12C) && Has(standard, 0x819C) && Has(standard, 0x8220));
  EXPECT_EQ(frame->GetBar(CMainFrame::BarExtend)->GetCount(), 33);
  // Window ids and titles in bar-list order; the standard and extended bars start shown.
  const UINT ids[] = {2, 5, 176, 177, 178, 179, 181, 180, 183, 184};
  for (int i = 0; i < CMainFrame::kBarCount; ++i) {
    CToolBar* bar = frame->GetBar(i);
    ASSERT_NE(bar, nullptr) << i;
    EXPECT_EQ(static_cast<UINT>(bar->GetId()), ids[i]);
    EXPECT_EQ(frame->IsBarVisible(bar) != FALSE, i < 2) << i;
  }
  EXPECT_EQ(std::string(frame->GetBar(CMainFrame::BarWindow)->GetTitle()), "ｳｨﾝﾄﾞｳﾊﾞｰ");
  // The text fields stand where the bars' separators were.
  EXPECT_EQ(frame->GetGrepBar()->GetItemID(3), 103u);
  EXPECT_EQ(frame->GetFindBar()->GetItemID(1), 104u);
  EXPECT_EQ(frame->GetFindBar()->GetField()->GetId(), 104);
  // A button's tip is its command's menu text.
  EXPECT_EQ(frame->GetBar(CMainFrame::BarStandard)->GetToolShortHelp(ID_FILE_OPEN), CP932ToWx("開く"));

  CStatusBar* status = frame->GetStatusBar();
  ASSERT_NE(status, nullptr);
  ASSERT_EQ(status->GetCount(), 6);
  EXPECT_EQ(status->GetItemID(2), static_cast<UINT>(ID_INDICATOR_KANA));
  EXPECT_EQ(status->GetItemID(5), static_cast<UINT>(ID_INDICATOR_SCRL));
  UINT id = 0, style = 0;
  int width = 0;
  status->GetPaneInfo(1, id, style, width);
  EXPECT_EQ(width, status->GetTextExtent("555/555"));
  // The position pane is what the tree pane writes through GetStatusBar.
  status->SetPaneText(1, "3/12");
  EXPECT_EQ(std::string(frame->GetStatusBar()->GetPaneText(1)), "3/12");
}

TEST_F(MainFrameTest, StatusBarDescribesTheWindowInFrontAndNothingOnceAllAreClosed) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  CMainFrame* frame = Frame();
  CStatusBar* status = frame->GetStatusBar();
  auto shown = [&] { return WxToCP932(status->GetStatusText(0)).str(); };
  auto childOf = [](CKestavonDoc* doc) { return static_cast<CMDIChildWnd*>(doc->GetViews().front()->GetParentFrame()); };
  frame->SendCommand(ID_WORK_NEXT_TREE);  // the second document's second item
  EXPECT_EQ(shown(), "旅行の計画");
  childOf(Documents()[0])->MDIActivate();
  EXPECT_EQ(shown(), "サンプル");
  childOf(Documents()[1])->MDIActivate();
  EXPECT_EQ(shown(), "旅行の計画");

  status->SetPaneText(1, "3/12");
  m_app->CloseAllDocuments();
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(shown(), "");
  EXPECT_EQ(std::string(status->GetPaneText(1)), "");
  // With no window left the keys still reach the frame.
  EXPECT_EQ(wxWindow::FindFocus(), frame->GetMDIClient());
}

TEST_F(MainFrameTest, LargeButtonsLeaveOutRedoFootnoteAndWholeTextCopy) {
  Setting("View", "BarSize", "0");
  Setting("View", "NormalFindBar", "1");
  Setting("View", "StandardBar", "0");
  ASSERT_TRUE(Start());
  const std::vector<UINT> standard = ButtonIds(Frame()->GetBar(CMainFrame::BarStandard));
  EXPECT_EQ(standard.size(), 31u);
  EXPECT_FALSE(Has(standard, 0xE12C) || Has(standard, 0x819C) || Has(standard, 0x8220));
  EXPECT_FALSE(Frame()->IsBarVisible(Frame()->GetBar(CMainFrame::BarStandard)));
  EXPECT_TRUE(Frame()->IsBarVisible(Frame()->GetBar(CMainFrame::BarFind)));
}

TEST_F(MainFrameTest, TextFieldsOfferTheStoredHistories) {
  Setting("Search", "str00", "alpha");
  Setting("Search", "str01", "beta");
  Setting("MainGrep", "str00", "gamma");
  ASSERT_TRUE(Start());
  wxComboBox* find = Frame()->GetFindBar()->GetField();
  ASSERT_EQ(find->GetCount(), 2u);
  EXPECT_EQ(find->GetString(1), "beta");
  EXPECT_TRUE(find->GetValue().empty());
  EXPECT_EQ(Frame()->GetGrepBar()->GetField()->GetCount(), 1u);
}

TEST_F(MainFrameTest, BarCommandsToggleBarsAndTheLayoutComesBackAtTheNextStart) {
  ASSERT_TRUE(Start());
  CMainFrame* frame = Frame();
  EXPECT_FALSE(MenuState(frame, 0x8126 + CMainFrame::BarFind).checked);
  frame->SendCommand(0x8126 + CMainFrame::BarFind);
  frame->SendCommand(0xE800);  // the standard bar
  EXPECT_TRUE(frame->IsBarVisible(frame->GetFindBar()));
  EXPECT_FALSE(frame->IsBarVisible(frame->GetBar(CMainFrame::BarStandard)));
  EXPECT_TRUE(MenuState(frame, 0x8126 + CMainFrame::BarFind).checked);
  EXPECT_FALSE(MenuState(frame, 0xE800).checked);
  // The bar menu lists the ten titles under the same commands.
  std::unique_ptr<wxMenu> menu = frame->CreateBarMenu();
  ASSERT_EQ(menu->GetMenuItemCount(), 10u);
  EXPECT_NE(menu->FindItem(0x8126 + CMainFrame::BarHistory), nullptr);

  frame->Close();
  wxTheApp->ProcessIdle();
  m_app->m_pMainWnd = nullptr;
  EXPECT_EQ(Profile(m_conf, "General-Summary", "Bars"), "11");  // ten bars and the status bar
  Stop();
  Setting("View", "BarSize", "0");  // the stored size of the standard bar no longer fits it
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Frame()->IsBarVisible(Frame()->GetFindBar()));
  CToolBar* standard = Frame()->GetBar(CMainFrame::BarStandard);
  EXPECT_FALSE(Frame()->IsBarVisible(standard));
  EXPECT_EQ(Frame()->GetDockManager().GetPane(standard).best_size, standard->GetBestSize());
}

TEST_F(MainFrameTest, StoredLayoutNamingAnUnknownBarIsIgnoredWhole) {
  Setting("General-Summary", "Bars", "2");
  Setting("General-Bar0", "BarID", "177");
  Setting("General-Bar0", "Visible", "1");
  Setting("General-Bar1", "BarID", "999");
  Setting("General-Bar1", "Floating", "0");
  ASSERT_TRUE(Start());
  EXPECT_FALSE(Frame()->IsBarVisible(Frame()->GetFindBar()));

  // A floating entry of an unknown bar does not spoil the layout.
  CDockState state;
  state.m_arrBarInfo.push_back({177, TRUE, FALSE, TRUE, ""});
  state.m_arrBarInfo.push_back({999, TRUE, TRUE, TRUE, ""});
  EXPECT_TRUE(Frame()->IsDockStateValid(state));
  // The status bar's entry loses its dock context and is shown.
  state.m_arrBarInfo.push_back({AFX_IDW_STATUS_BAR, FALSE, FALSE, TRUE, ""});
  EXPECT_TRUE(Frame()->IsDockStateValid(state));
  EXPECT_FALSE(state.m_arrBarInfo.back().m_bDockContext);
  EXPECT_TRUE(state.m_arrBarInfo.back().m_bVisible);
}

TEST_F(MainFrameTest, WindowPositionTextTakesExactlyTenNumbers) {
  WINDOWPLACEMENT placement;
  ASSERT_TRUE(CMainFrame::ParseWindowPos("2,3,-1,-1,-8,-8,10,20,810,620", &placement));
  EXPECT_EQ(placement.flags, 2u);
  EXPECT_EQ(placement.showCmd, 3u);
  EXPECT_EQ(placement.ptMaxPosition.x, -8);
  EXPECT_EQ(placement.rcNormalPosition.right, 810);
  EXPECT_EQ(std::string(CMainFrame::FormatWindowPos(&placement)), "2,3,-1,-1,-8,-8,10,20,810,620");
  for (const char* bad : {"", "2,3,-1,-1,-8,-8,10,20,810", "2,3,-1,-1,-8,-8,10,20,810,620,5", "a,3,-1,-1,-8,-8,10,20,810,620"})
    EXPECT_FALSE(CMainFrame::ParseWindowPos(bad, &placement)) << bad;
}

TEST_F(MainFrameTest, PlacementIsStoredAtClosingAndAppliedAtTheNextStart) {
  Setting("Settings", "WindowPos", "0,1,-1,-1,-1,-1,40,30,740,530");
  ASSERT_TRUE(Start());
  WINDOWPLACEMENT placement;
  Frame()->GetWindowPlacement(&placement);
  EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 700);
  EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, 500);
  Frame()->Close();
  wxTheApp->ProcessIdle();
  m_app->m_pMainWnd = nullptr;
  WINDOWPLACEMENT stored;
  ASSERT_TRUE(CMainFrame::ParseWindowPos(Profile(m_conf, "Settings", "WindowPos").c_str(), &stored));
  EXPECT_EQ(stored.flags, 0u);
  EXPECT_EQ(stored.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
  EXPECT_EQ(stored.rcNormalPosition.right - stored.rcNormalPosition.left, 700);
  Stop();

  // A place beyond every screen (one that was unplugged) comes back on the screen there is.
  Setting("Settings", "WindowPos", "0,1,-1,-1,-1,-1,9000,9000,9700,9500");
  ASSERT_TRUE(Start());
  const wxRect onScreen = Frame()->GetRect();
  EXPECT_EQ(onScreen.GetSize(), wxSize(700, 500));
  EXPECT_NE(wxDisplay::GetFromPoint(onScreen.GetPosition() + onScreen.GetSize() / 2), wxNOT_FOUND);
}

TEST_F(MainFrameTest, OpenFileListHoldsEachFileOnceWithTheActiveWindowLast) {
  Setting("System", "AllFileInit", "1");
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  // A second window of the first file, then the second file's window active again.
  CDocument* first = Documents()[0];
  CFrameWnd* second = m_app->m_pKestavonTemplate->CreateNewFrame(first);
  ASSERT_NE(second, nullptr);
  m_app->m_pKestavonTemplate->InitialUpdateFrame(second, first);
  for (CMDIChildWnd* child : Frame()->GetMDIChildren())
    if (child->GetActiveDocument() == Documents()[1]) child->MDIActivate();
  ASSERT_EQ(Frame()->GetMDIChildren().size(), 3u);
  Frame()->SaveOpenFileList();
  EXPECT_EQ(Profile(m_conf, "InitAllFile", "Count"), "2");
  EXPECT_EQ(Profile(m_conf, "InitAllFile", "name00"), a);
  EXPECT_EQ(Profile(m_conf, "InitAllFile", "name01"), b);
}

TEST_F(MainFrameTest, CommandsThatNothingHandlesAreGreyed) {
  ASSERT_TRUE(Start());
  CMainFrame* frame = Frame();
  EXPECT_FALSE(MenuState(frame, ID_TREE_ADD_URL).enabled);  // nothing on the route carries it out
  EXPECT_TRUE(MenuState(frame, ID_FILE_OPEN).enabled);  // the application's
  EXPECT_TRUE(MenuState(frame, ID_FILE_SAVE).enabled);  // the document's
  EXPECT_TRUE(MenuState(frame, 0x8045).enabled);      // the frame's, with a child open
  // A button of a bar is a command; the bar's own update is not.
  CToolBar* bar = frame->GetBar(CMainFrame::BarStandard);
  wxUpdateUIEvent button(ID_TREE_ADD_URL);
  button.SetEventObject(bar);
  bar->GetEventHandler()->ProcessEvent(button);
  EXPECT_TRUE(button.GetSetEnabled() && !button.GetEnabled());
  wxUpdateUIEvent own(bar->GetId());
  own.SetEventObject(bar);
  bar->GetEventHandler()->ProcessEvent(own);
  EXPECT_FALSE(own.GetSetEnabled());

  m_app->CloseAllDocuments();
  EXPECT_FALSE(MenuState(frame, 0x8045).enabled);
}

TEST_F(MainFrameTest, SplitDirectionAndBarSizeOnlyStoreAndTell) {
  ASSERT_TRUE(Start());
  ScopedMessageBoxHook hook(IDOK);
  Frame()->SendCommand(0x801F);
  Frame()->SendCommand(0x8027);
  ASSERT_EQ(hook.Calls().size(), 2u);
  EXPECT_EQ(std::string(hook.Calls()[0].text), "この設定は次にウィンドウを開いたときから有効です");
  EXPECT_EQ(std::string(hook.Calls()[1].text), "この設定は次回起動時から有効です");
  EXPECT_EQ(Profile(m_conf, "View", "SplPos"), "1");
  EXPECT_EQ(Profile(m_conf, "View", "BarSize"), "0");
  EXPECT_TRUE(MenuState(Frame(), 0x801F).checked);
  EXPECT_FALSE(MenuState(Frame(), 0x801E).checked);
  // The bar in use keeps its buttons until the next start.
  EXPECT_EQ(Frame()->GetBar(CMainFrame::BarStandard)->GetCount(), 36);
}

// The outline window's File menu with the usual five recent files fits a 768-pixel screen, with
// room for a panel: every specified item is there, and 終了 is not behind a scroll arrow.
TEST_F(MainFrameTest, FileMenuWithRecentFilesFitsA768PixelScreen) {
  std::vector<std::string> files;
  for (int i = 1; i <= 5; ++i) files.push_back(SampleCopy("recent" + std::to_string(i) + ".kvn"));
  for (int i = 0; i < 5; ++i)
    Setting("Recent File List", ("File" + std::to_string(i + 1)).c_str(), files[static_cast<size_t>(i)].c_str());
  ASSERT_TRUE(Start({files[0]}));
  wxMenuBar* bar = Frame()->GetMenuBar();
  ASSERT_TRUE(bar);
  wxMenu* file = bar->GetMenu(0);
  ASSERT_TRUE(file);
  wxMenuEvent opened(wxEVT_MENU_OPEN, 0, file);
  Frame()->ProcessWindowEvent(opened);
  int recent = 0;
  for (wxMenuItem* item : file->GetMenuItems())
    if (item->GetId() >= ID_FILE_MRU_FILE1 && item->GetId() < ID_FILE_MRU_FILE1 + 30) ++recent;
  EXPECT_EQ(recent, 5);
  EXPECT_TRUE(file->FindItem(ID_APP_EXIT));
  // The rows as GTK lays them out, one below the other.
  int height = 0;
  GList* rows = gtk_container_get_children(GTK_CONTAINER(file->m_menu));
  for (GList* row = rows; row; row = row->next) {
    GtkWidget* widget = GTK_WIDGET(row->data);
    if (!gtk_widget_get_visible(widget)) continue;
    gint minimum = 0, natural = 0;
    gtk_widget_get_preferred_height(widget, &minimum, &natural);
    height += natural;
  }
  g_list_free(rows);
  EXPECT_LE(height, 768 - 64) << file->GetMenuItemCount() << " items";
}

// Closing one window of a document leaves its other windows and the document; closing its last
// window closes it, with the save question.
TEST_F(MainFrameTest, ClosingAWindowClosesThatWindowAndTheLastOneTheDocument) {
  const std::string a = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({a}));
  CMainFrame* frame = Frame();
  ASSERT_EQ(Documents().size(), 1u);
  CKestavonDoc* doc = Documents()[0];
  CMDIChildWnd* outline = frame->MDIGetActive();
  auto openChart = [&] {
    frame->SendCommand(ID_VIEW_CHART);
    return dynamic_cast<CChartFrame*>(frame->MDIGetActive());
  };
  // The questions a close asks, answered with answer.
  auto closeAnswering = [](int answer, const std::function<void()>& close) {
    ScopedMessageBoxHook hook(answer);
    close();
    wxTheApp->ProcessIdle();
    std::vector<std::string> questions;
    for (const auto& call : hook.Calls()) questions.push_back(call.text.str());
    return questions;
  };
  doc->SetModifiedFlag(TRUE);

  // 閉じる (Ctrl+W) in the chart window: the chart goes, nothing is asked.
  CChartFrame* chart = openChart();
  ASSERT_NE(chart, nullptr);
  EXPECT_TRUE(closeAnswering(IDNO, [&] { frame->SendCommand(ID_FILE_CLOSE); }).empty());
  ASSERT_EQ(Documents().size(), 1u);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(frame->GetMDIChildren(), std::vector<CMDIChildWnd*>{outline});

  // The outline window's close box while the chart still shows the document: only that window.
  chart = openChart();
  ASSERT_NE(chart, nullptr);
  EXPECT_TRUE(closeAnswering(IDNO, [&] { outline->OnSysCommand(SC_CLOSE); }).empty());
  ASSERT_EQ(Documents().size(), 1u);
  EXPECT_EQ(frame->GetMDIChildren(), std::vector<CMDIChildWnd*>{chart});

  // The last window asks; cancelling keeps it, "いいえ" closes the document unsaved.
  EXPECT_EQ(closeAnswering(IDCANCEL, [&] { chart->OnSysCommand(SC_CLOSE); }),
            std::vector<std::string>{"a.kvn への変更を保存しますか?"});
  ASSERT_EQ(Documents().size(), 1u);
  EXPECT_EQ(closeAnswering(IDNO, [&] { chart->OnSysCommand(SC_CLOSE); }).size(), 1u);
  EXPECT_TRUE(Documents().empty());
  EXPECT_TRUE(frame->GetMDIChildren().empty());
}

TEST_F(MainFrameTest, TabCloseBoxClosesItsWindowAndTheStripRestoresMaximisedWindows) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  CMainFrame* frame = Frame();
  CMDITabs* tabs = frame->GetTabs();
  ASSERT_EQ(tabs->GetItemCount(), 2);
  RECT rect;
  ASSERT_TRUE(tabs->GetItemRect(0, &rect));
  // The close box sits at the tab's right end; a click on the tab's text only selects.
  wxPoint box(rect.right - 1, (rect.top + rect.bottom) / 2);
  while (box.x > rect.left && tabs->HitTestCloseBox(box) != 0) --box.x;
  ASSERT_EQ(tabs->HitTestCloseBox(box), 0);
  EXPECT_EQ(tabs->HitTestCloseBox(wxPoint(rect.left + 3, box.y)), -1);
  wxMouseEvent click(wxEVT_LEFT_DOWN);
  click.SetPosition(box);
  click.SetEventObject(tabs);
  tabs->GetEventHandler()->ProcessEvent(click);
  wxTheApp->ProcessIdle();
  ASSERT_EQ(Documents().size(), 1u);
  EXPECT_EQ(std::string(Documents()[0]->GetPathName()), b);

  // One window, maximised: the strip stays, with the way back to a restored window.
  CMDIChildWnd* child = frame->MDIGetActive();
  child->OnSysCommand(SC_MAXIMIZE);
  ASSERT_TRUE(child->IsZoomed());
  EXPECT_TRUE(frame->GetDockManager().GetPane(tabs).IsShown());
  const wxSize strip = tabs->GetClientSize();
  bool restored = false;
  for (int x = strip.x - 1; x > strip.x / 2 && !restored; --x) {
    click.SetPosition(wxPoint(x, strip.y / 2));
    tabs->GetEventHandler()->ProcessEvent(click);
    restored = !child->IsZoomed();
  }
  EXPECT_TRUE(restored);
  EXPECT_GT(child->GetCaptionHeight(), 0);
  EXPECT_FALSE(frame->GetDockManager().GetPane(tabs).IsShown());
}

TEST_F(MainFrameTest, TabStripHiddenWithOneWindowShowsFileNamesWithTwoAndActivatesOnClick) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  CMainFrame* frame = Frame();
  CMDITabs* tabs = frame->GetTabs();
  ASSERT_NE(tabs, nullptr);
  EXPECT_FALSE(frame->GetDockManager().GetPane(tabs).IsShown());
  const int clientHeight = frame->GetMDIClient()->GetSize().y;

  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  ASSERT_EQ(tabs->GetItemCount(), 2);
  EXPECT_TRUE(frame->GetDockManager().GetPane(tabs).IsShown());
  EXPECT_LT(frame->GetMDIClient()->GetSize().y, clientHeight);
  EXPECT_EQ(std::string(tabs->GetItemText(0)), "a.kvn");
  EXPECT_EQ(std::string(tabs->GetItemText(1)), "b.kvn");
  EXPECT_EQ(tabs->GetCurSel(), 1);
  // Below the client area by default.
  EXPECT_GT(tabs->GetPosition().y, frame->GetMDIClient()->GetPosition().y);

  RECT rect;
  ASSERT_TRUE(tabs->GetItemRect(0, &rect));
  wxMouseEvent click(wxEVT_LEFT_DOWN);
  click.SetPosition(wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
  click.SetEventObject(tabs);
  tabs->GetEventHandler()->ProcessEvent(click);
  EXPECT_EQ(std::string(frame->GetActiveDocument()->GetPathName()), a);
  EXPECT_EQ(tabs->GetCurSel(), 0);
  // Beside all tabs nothing happens.
  click.SetPosition(wxPoint(tabs->GetClientSize().x - 2, 2));
  tabs->GetEventHandler()->ProcessEvent(click);
  EXPECT_EQ(std::string(frame->GetActiveDocument()->GetPathName()), a);

  // A double click maximises the tab's window.
  frame->MDICascade();
  ASSERT_FALSE(frame->MDIGetActive()->IsZoomed());
  wxMouseEvent dclick(wxEVT_LEFT_DCLICK);
  dclick.SetPosition(wxPoint(rect.left + 2, (rect.top + rect.bottom) / 2));
  dclick.SetEventObject(tabs);
  tabs->GetEventHandler()->ProcessEvent(dclick);
  EXPECT_TRUE(frame->MDIGetActive()->IsZoomed());

  // Closing the active window drops its tab; the next one is selected.
  frame->MDIGetActive()->Close();
  wxTheApp->ProcessIdle();
  EXPECT_EQ(tabs->GetItemCount(), 1);
  EXPECT_EQ(std::string(tabs->GetItemText(0)), "b.kvn");
  // The one window left is maximised: the strip stays for its restore button; restored, it goes.
  EXPECT_TRUE(frame->GetDockManager().GetPane(tabs).IsShown());
  frame->MDIGetActive()->MDIRestore();
  EXPECT_FALSE(frame->GetDockManager().GetPane(tabs).IsShown());
}

TEST_F(MainFrameTest, EveryWindowOfADocumentShowsItsModifiedMarkInItsTab) {
  const std::string a = SampleCopy("a.kvn");
  ASSERT_TRUE(Start({a}));
  CMainFrame* frame = Frame();
  CKestavonDoc* doc = Documents()[0];
  CMDIChildWnd* outline = frame->MDIGetActive();
  frame->SendCommand(ID_VIEW_CHART);
  CMDIChildWnd* chart = frame->MDIGetActive();
  ASSERT_NE(chart, outline);
  CMDITabs* tabs = frame->GetTabs();
  ASSERT_EQ(tabs->GetItemCount(), 2);
  auto texts = [&] {
    std::vector<std::string> all{std::string(tabs->GetItemText(0)), std::string(tabs->GetItemText(1))};
    std::sort(all.begin(), all.end());
    return all;
  };
  // The window that is not active changes its title too.
  for (CMDIChildWnd* active : {outline, chart}) {
    active->MDIActivate();
    doc->SetModifiedFlag(TRUE);
    EXPECT_EQ(texts(), (std::vector<std::string>{"a.kvn*:1", "a.kvn*:2"}));
    doc->SetModifiedFlag(FALSE);
    EXPECT_EQ(texts(), (std::vector<std::string>{"a.kvn:1", "a.kvn:2"}));
  }
}

TEST_F(MainFrameTest, TheGrepWindowBringsItsOwnMenuWhoseCommandsReachItsPanes) {
  const std::string a = SampleCopy("a.kvn");
  Setting("FolderHistory", "str00", m_dir.c_str());
  ASSERT_TRUE(Start({a}));
  CMainFrame* frame = Frame();
  wxMenuBar* outlineMenus = frame->GetMenuBar();
  frame->GetGrepBar()->GetField()->SetValue(CP932ToWx("サンプル"));
  frame->SendCommand(ID_WORK_BAR_GREP);
  auto* grep = dynamic_cast<CGrepFrame*>(frame->MDIGetActive());
  ASSERT_NE(grep, nullptr);
  wxMenuBar* menus = frame->GetMenuBar();
  ASSERT_NE(menus, outlineMenus);
  std::vector<std::string> titles;
  for (size_t i = 0; i < menus->GetMenuCount(); ++i) titles.push_back(WxToCP932(menus->GetMenuLabel(i)).str());
  EXPECT_EQ(titles, (std::vector<std::string>{"ファイル(&F)", "編集(&E)", "表示(&V)", "ウィンドウ(&W)", "ヘルプ(&H)"}));

  // The list is the active pane: the window's own commands and the list's are on.
  for (int id : std::initializer_list<int>{ID_EDIT_GREP, ID_FILE_CLOSE, ID_VIEW_OPEN_LINK, ID_SETTINGS_FONT,
                                           ID_GREP_SPLIT_STACK, ID_GREP_SPLIT_SIDE, ID_WINDOW_CASCADE}) {
    EXPECT_NE(menus->FindItem(id), nullptr) << id;
    EXPECT_TRUE(MenuState(frame, id).enabled) << id;
  }
  EXPECT_TRUE(MenuState(frame, ID_GREP_SPLIT_STACK).checked);
  {
    ScopedMessageBoxHook boxes(IDOK);
    frame->SendCommand(ID_GREP_SPLIT_SIDE);
    EXPECT_EQ(boxes.Calls().size(), 1u);
  }
  EXPECT_EQ(Profile(m_conf, "Grep", "SplPos"), "0");
  EXPECT_TRUE(MenuState(frame, ID_GREP_SPLIT_SIDE).checked);

  // With the text pane active its commands are on and reach it.
  CGrepEditView* text = nullptr;
  for (CView* view : grep->GetActiveDocument()->GetViews())
    if (auto* edit = dynamic_cast<CGrepEditView*>(view)) text = edit;
  ASSERT_NE(text, nullptr);
  grep->SetActiveView(text);
  for (int id : std::initializer_list<int>{ID_EDIT_COPY, ID_EDIT_SELECT_ALL, ID_EDIT_FIND, ID_GREP_WORD_WRAP})
    EXPECT_TRUE(MenuState(frame, id).enabled) << id;
  EXPECT_TRUE(MenuState(frame, ID_GREP_WORD_WRAP).checked);
  frame->SendCommand(ID_GREP_WORD_WRAP);
  EXPECT_FALSE(MenuState(frame, ID_GREP_WORD_WRAP).checked);
  EXPECT_EQ(Profile(m_conf, "Grep", "WordWrap"), "0");

  // Back in the outline window, the outline's menus come back.
  static_cast<CMDIChildWnd*>(Documents()[0]->GetViews().front()->GetParentFrame())->MDIActivate();
  EXPECT_EQ(frame->GetMenuBar(), outlineMenus);
}

TEST_F(MainFrameTest, ActivatedDocumentIsTheOneOnScreenAndTheTargetOfCommands) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  CMainFrame* frame = Frame();
  frame->MDICascade();
  CMDIChildWnd* childB = frame->MDIGetActive();
  CMDIChildWnd* childA = frame->GetMDIChildren().back();
  ASSERT_NE(childA, childB);
  const wxRect overlap = childA->GetNormalRect().Intersect(childB->GetNormalRect());
  ASSERT_FALSE(overlap.IsEmpty());
  // Where two windows overlap only the active one is on screen; the other is drawn by the area.
  auto onTop = [&](CMDIChildWnd* top, CMDIChildWnd* below) {
    EXPECT_EQ(frame->MDIGetActive(), top);
    EXPECT_TRUE(top->IsShown() && !top->IsCoveredInClient());
    EXPECT_TRUE(!below->IsShown() && below->IsCoveredInClient());
    EXPECT_EQ(frame->GetMDIClient()->ChildAt(overlap.GetPosition()), top);
  };
  onTop(childB, childA);

  CMDITabs* tabs = frame->GetTabs();
  RECT rect;
  ASSERT_TRUE(tabs->GetItemRect(0, &rect));
  wxMouseEvent click(wxEVT_LEFT_DOWN);
  click.SetPosition(wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
  click.SetEventObject(tabs);
  tabs->GetEventHandler()->ProcessEvent(click);
  onTop(childA, childB);
  // Saving saves the document on screen.
  for (CKestavonDoc* doc : Documents()) doc->SetModifiedFlag(TRUE);
  frame->SendCommand(ID_FILE_SAVE);
  EXPECT_FALSE(childA->GetActiveDocument()->IsModified());
  EXPECT_TRUE(childB->GetActiveDocument()->IsModified());

  // The window menu's next window, and a click on the covered window, bring the other up.
  frame->SendCommand(ID_WINDOW_NEXT);
  onTop(childB, childA);
  wxMouseEvent press(wxEVT_LEFT_DOWN);
  press.SetPosition(childA->GetNormalRect().GetPosition() + wxPoint(2, 2));
  press.SetEventObject(frame->GetMDIClient());
  frame->GetMDIClient()->GetEventHandler()->ProcessEvent(press);
  onTop(childA, childB);

  // Tiled, neither covers the other: both are on screen.
  frame->MDITile(MDITILE_VERTICAL);
  EXPECT_TRUE(childA->IsShown() && childB->IsShown());
  EXPECT_FALSE(childA->IsCoveredInClient() || childB->IsCoveredInClient());
}

TEST_F(MainFrameTest, ANewRestoredDocumentCoversMostOfTheArea) {
  const std::string a = SampleCopy("a.kvn");
  Setting("Settings", "ShowCmd", "1");
  ASSERT_TRUE(Start({a}));
  CMDIChildWnd* child = Frame()->MDIGetActive();
  ASSERT_NE(child, nullptr);
  if (child->IsZoomed()) GTEST_SKIP() << "opened maximised";
  const wxSize area = Frame()->GetMDIClient()->GetClientSize();
  EXPECT_GE(child->GetNormalRect().width * 5, area.x * 4);
  EXPECT_GE(child->GetNormalRect().height * 5, area.y * 3);
}

TEST_F(MainFrameTest, TabStyleAndPosition) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  Setting("View", "TabStyle", "0");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  CMainFrame* frame = Frame();
  CMDITabs* tabs = frame->GetTabs();
  EXPECT_EQ(tabs->GetItemCount(), 0);  // the strip exists but is hidden
  EXPECT_FALSE(frame->GetDockManager().GetPane(tabs).IsShown());
  frame->SetTabStyle(1);
  EXPECT_EQ(tabs->GetItemCount(), 2);
  EXPECT_TRUE(tabs->GetTabStyle() & TCS_BUTTONS);
  EXPECT_TRUE(frame->GetDockManager().GetPane(tabs).IsShown());

  frame->SendCommand(0x820E);  // the position toggles to above the client area
  EXPECT_EQ(Profile(m_conf, "View", "TabPosition"), "1");
  EXPECT_TRUE(tabs->IsTop());
  EXPECT_FALSE(tabs->GetTabStyle() & TCS_BOTTOM);
  EXPECT_LT(tabs->GetPosition().y, frame->GetMDIClient()->GetPosition().y);
}

TEST_F(MainFrameTest, KeysGoThroughTheKeyTable) {
  ASSERT_TRUE(Start());
  CMainFrame* frame = Frame();
  CKeycustArray& keys = m_app->m_keyTable.GetKeyTable();
  keys.RemoveAll();
  keys.Add('W', 0, 0, 1, 0x81D5);  // Ctrl+W: top-most
  keys.Add('Q', 0, 0, 1, 0);       // bound to nothing
  auto press = [&](UINT key, bool ctrl) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.SetControlDown(ctrl);
    KeyboardStateScope state(event);
    MSG msg{WM_KEYDOWN, key, 0};
    return frame->PreTranslateMessage(&msg) != FALSE;
  };
  EXPECT_TRUE(press('W', true));
  wxTheApp->ProcessPendingEvents();
  EXPECT_TRUE(frame->IsTopMost());  // the bound command arrived
  EXPECT_FALSE(press('Q', true));
  EXPECT_FALSE(press('W', false));
  // In the find field the table is not asked.
  frame->SendCommand(0x8126 + CMainFrame::BarFind);
  frame->GetFindBar()->GetField()->SetFocus();
  ASSERT_EQ(wxWindow::FindFocus(), frame->GetFindBar()->GetField());
  EXPECT_FALSE(press('W', true));
}

}  // namespace
}  // namespace app_test

namespace app_test {
namespace {

TEST_F(MainFrameTest, WindowCommandsCycleAndCloseTheChildren) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn"), c = SampleCopy("c.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  ASSERT_TRUE(m_app->OpenDocumentFile(c.c_str()));
  CMainFrame* frame = Frame();
  auto active = [&] { return std::string(frame->GetActiveDocument()->GetPathName()); };
  frame->SendCommand(0x8045);  // the bottom window comes to the top
  EXPECT_EQ(active(), a);
  frame->SendCommand(0x8046);  // the next one; the active one goes to the bottom
  EXPECT_EQ(active(), c);

  // Closing all stops at a window whose save question is cancelled.
  ScopedMessageBoxHook hook(IDCANCEL);
  Documents()[1]->SetModifiedFlag(TRUE);  // b
  frame->SendCommand(0x818E);
  wxTheApp->ProcessIdle();
  ASSERT_EQ(Documents().size(), 2u);  // a stays behind the window that refused
  EXPECT_EQ(active(), b);
  for (CKestavonDoc* doc : Documents()) doc->SetModifiedFlag(FALSE);
  frame->SendCommand(0x818E);
  wxTheApp->ProcessIdle();
  EXPECT_TRUE(Documents().empty());
}

TEST_F(MainFrameTest, TopMostTogglesAndIsStored) {
  ASSERT_TRUE(Start());
  Frame()->SendCommand(0x81D5);
  EXPECT_TRUE(Frame()->IsTopMost());
  EXPECT_TRUE(Frame()->GetWindowStyleFlag() & wxSTAY_ON_TOP);
  EXPECT_TRUE(MenuState(Frame(), 0x81D5).checked);
  EXPECT_EQ(Profile(m_conf, "View", "TopMost"), "1");
  Frame()->SendCommand(0x81D5);
  EXPECT_FALSE(Frame()->GetWindowStyleFlag() & wxSTAY_ON_TOP);
  EXPECT_EQ(Profile(m_conf, "View", "TopMost"), "0");
}

TEST_F(MainFrameTest, HandedOverFileInAnotherLetterCaseActivatesItsWindow) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  std::string upper = a;
  upper.replace(upper.size() - 5, 5, "A.KVN");
  m_app->WriteProfileString("System", "Commandline", ("\"" + upper + "\"").c_str());
  Frame()->SendCommand(ID_WORK_COMMAND_LINE);
  ASSERT_EQ(Documents().size(), 2u);
  EXPECT_EQ(std::string(Frame()->GetActiveDocument()->GetPathName()), a);
}

TEST_F(MainFrameTest, HandedOverNamesWithQuotesAndBlanksOpenTheirFiles) {
  ASSERT_TRUE(Start());
  for (const char* name : {"a\"b.kvn", "x y\"z.kvn", "two words.kvn"}) {
    const std::string path = SampleCopy(name);
    m_app->WriteProfileString("System", "Commandline", CKestavonApp::MakeHandOverLine({CString(path)}));
    ScopedMessageBoxHook hook(IDOK);
    Frame()->SendCommand(ID_WORK_COMMAND_LINE);
    EXPECT_TRUE(hook.Calls().empty()) << name << ": " << (hook.Calls().empty() ? "" : CP932ToUTF8(hook.Calls()[0].text.str()));
    ASSERT_NE(Frame()->GetActiveDocument(), nullptr) << name;
    EXPECT_EQ(std::string(Frame()->GetActiveDocument()->GetPathName()), path);
  }
}

TEST_F(MainFrameTest, DroppedFilesOpen) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  auto* files = new wxString[1]{wxString::FromUTF8(b)};  // the event owns them
  wxDropFilesEvent drop(wxEVT_DROP_FILES, 1, files);
  Frame()->GetEventHandler()->ProcessEvent(drop);
  ASSERT_EQ(Documents().size(), 2u);
  EXPECT_EQ(std::string(Frame()->GetActiveDocument()->GetPathName()), b);
}

}  // namespace
}  // namespace app_test

namespace app_test {
namespace {

TEST_F(MainFrameTest, BookmarkSubmenuOfTheFileMenuListsTheBookmarkedFiles) {
  ASSERT_TRUE(Start());
  m_app->m_bookmarkFiles.Add("/tmp/one.kvn");
  m_app->m_bookmarkFiles.Add("/tmp/two.kvn");
  // A document menu bar: four menus or more, the submenu as the File menu's item 25.
  auto bar = std::make_unique<wxMenuBar>();
  auto* file = new wxMenu;
  auto* bookmarks = new wxMenu;
  for (int i = 0; i < 25; ++i) file->Append(0x9000 + i, wxString::Format("item %d", i));
  file->AppendSubMenu(bookmarks, "bookmarks");
  bookmarks->Append(0x81D7, "stale");
  bar->Append(file, "File");
  for (const char* title : {"Edit", "View", "Window"}) bar->Append(new wxMenu, title);
  Frame()->SetMenuBarFor(2, std::move(bar));
  m_app->CloseAllDocuments();  // the frame's own menu bar is in use
  ASSERT_EQ(Frame()->GetMenuBar()->GetMenu(0), file);

  wxMenuEvent open(wxEVT_MENU_OPEN, 0, file);
  Frame()->GetEventHandler()->ProcessEvent(open);
  ASSERT_EQ(bookmarks->GetMenuItemCount(), 2u);
  EXPECT_EQ(bookmarks->FindItemByPosition(0)->GetItemLabelText(), "one.kvn");
  EXPECT_EQ(bookmarks->FindItemByPosition(1)->GetId(), 0x81D8);
}

}  // namespace
}  // namespace app_test

namespace app_test {
namespace {

TEST_F(MainFrameTest, InTheTextAreaPlainKeysStayWithTheEditorAndCombinationsGoThroughTheTable) {
  ASSERT_TRUE(Start());
  CMainFrame* frame = Frame();
  CMDIChildWnd* child = frame->MDIGetActive();
  ASSERT_NE(child, nullptr);
  CIEditView* text = nullptr;
  for (CView* view : frame->GetActiveDocument()->GetViews())
    if (auto* edit = dynamic_cast<CIEditView*>(view); edit && view->GetParentFrame() == child) text = edit;
  ASSERT_NE(text, nullptr);
  child->SetActiveView(text);

  CKeycustArray& keys = m_app->m_keyTable.GetKeyTable();
  keys.RemoveAll();
  keys.Add('A', 0, 0, 0, 0x81D5);      // a plain letter
  keys.Add('A', 0, 0, 1, 0x81D5);      // Ctrl+A
  keys.Add(VK_F6, 0, 0, 0, 0x81D5);    // a function key
  keys.Add('B', 0, 0, 1, 0x81D5);      // Ctrl+B, which the editing control binds too
  keys.Add('S', 0, 0, 0, CAppKeyTable::kIdSwitchTreeText);
  keys.GetAt(keys.Find('B', 0, 0, 1))->m_nControlMark = 1;
  m_app->m_keyTable.CollectSwitchKeys();
  auto press = [&](UINT key, bool ctrl) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.SetControlDown(ctrl);
    KeyboardStateScope state(event);
    MSG msg{WM_KEYDOWN, key, 0};
    return frame->PreTranslateMessage(&msg) != FALSE;
  };
  EXPECT_FALSE(press('A', false));
  EXPECT_TRUE(press('A', true));
  EXPECT_TRUE(press(VK_F6, false));
  EXPECT_TRUE(press('S', false));  // the tree/text switch is taken even from the text
  m_app->m_bKeycustWrila = 1;      // the control's own bindings come first
  EXPECT_FALSE(press('B', true));
  m_app->m_bKeycustWrila = 0;
  EXPECT_TRUE(press('B', true));
  wxTheApp->ProcessPendingEvents();
}

}  // namespace
}  // namespace app_test
