#include <gtest/gtest.h>
#include <wx/dirdlg.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "foundation/CDatePicker.h"
#include "foundation/CFolderDialog.h"
#include "foundation/CListCtrlBox.h"
#include "foundation/CStaticLink.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"

namespace {

class WidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
    m_frame = new wxFrame(nullptr, wxID_ANY, "widgets", wxDefaultPosition, wxSize(400, 300));
    m_panel = new wxPanel(m_frame);
  }
  void TearDown() override {
    if (m_frame) m_frame->Destroy();
  }
  static void Click(wxWindow* window, wxEventType type, const wxPoint& point = wxPoint(2, 2)) {
    wxMouseEvent event(type);
    event.SetPosition(point);
    event.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(event);
  }
  wxFrame* m_frame = nullptr;
  wxPanel* m_panel = nullptr;
};

TEST_F(WidgetTest, LinkTurnsVisitedOnlyWhenTheOpenSucceeds) {
  const std::string dir = kesta_test::MakeTempDir("link");
  const std::string program = dir + "/opened.sh";
  kesta_test::WriteBytes(program, "#!/bin/sh\nexit 0\n");
  chmod(program.c_str(), 0755);

  auto* link = new CStaticLink;
  ASSERT_TRUE(link->Create(m_panel, 1200, "text"));
  EXPECT_TRUE(link->GetFont().GetUnderlined());
  EXPECT_EQ(link->GetForegroundColour(), wxColour(0, 0, 255));

  link->SetLink((dir + "/missing.txt").c_str());
  Click(link, wxEVT_LEFT_DOWN);
  EXPECT_EQ(link->m_color, CStaticLink::g_colorUnvisited);

  link->SetLink(program.c_str());
  Click(link, wxEVT_LEFT_DOWN);
  EXPECT_EQ(link->m_color, CStaticLink::g_colorVisited);
  EXPECT_EQ(link->GetForegroundColour(), wxColour(128, 0, 128));

  // Without a link the window text is opened; with neither nothing happens.
  auto* bare = new CStaticLink;
  ASSERT_TRUE(bare->Create(m_panel, 1201, wxString::FromUTF8(program)));
  Click(bare, wxEVT_LEFT_DOWN);
  EXPECT_EQ(bare->m_color, CStaticLink::g_colorVisited);
  auto* empty = new CStaticLink;
  ASSERT_TRUE(empty->Create(m_panel, 1202, ""));
  Click(empty, wxEVT_LEFT_DOWN);
  EXPECT_EQ(empty->m_color, CStaticLink::g_colorUnvisited);

  EXPECT_EQ(ShellOpen(""), 0);
}

TEST_F(WidgetTest, LinkTakesThePlaceOfADialogStatic) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* label = new wxStaticText(m_panel, 1210, CP932ToWx("ホームページ"), wxPoint(5, 6));
  sizer->Add(label);
  m_panel->SetSizer(sizer);
  auto* link = new CStaticLink("https://example.invalid/");
  ASSERT_TRUE(link->SubclassDlgItem(1210, m_panel));
  EXPECT_EQ(m_panel->FindWindow(1210), link);
  EXPECT_EQ(WxToCP932(link->GetLabel()), CString("ホームページ"));
  EXPECT_EQ(link->GetContainingSizer(), sizer);
  EXPECT_EQ(link->m_link, CString("https://example.invalid/"));
}

TEST_F(WidgetTest, ListBoxAddsRowsAndColumnsAndSelects) {
  auto* list = new CListCtrlBox;
  ASSERT_TRUE(list->Create(m_panel, 1300, wxPoint(0, 0), wxSize(300, 200)));
  EXPECT_TRUE(list->HasFlag(wxLC_REPORT));
  EXPECT_TRUE(list->HasFlag(wxLC_SINGLE_SEL));
  EXPECT_EQ(list->AddItem(2, "nothing yet"), -1);  // no last row
  EXPECT_EQ(list->GetItemCount(), 0);

  list->AddColumn("名前", 80);
  list->AddColumn("size", 40);
  list->AddColumn("date", 40);
  EXPECT_EQ(list->GetColumnCount(), 3);
  EXPECT_EQ(list->AddItem(0, "a.kvn", 7), 0);
  list->AddItem(2, "2025/01/01");
  EXPECT_EQ(list->AddItem(0, "b.kvn"), 1);
  list->AddItem(1, "12");
  EXPECT_EQ(list->GetItemCount(), 2);
  EXPECT_EQ(list->GetItemData(0), 7);
  EXPECT_EQ(list->GetItemText(0, 2), "2025/01/01");
  EXPECT_EQ(list->GetItemText(1, 1), "12");
  EXPECT_EQ(list->GetItemText(0, 1), "");

  EXPECT_EQ(list->GetSelectedIndex(), -1);
  EXPECT_EQ(list->SelectItem(1), 0);
  EXPECT_EQ(list->GetSelectedIndex(), 1);
  EXPECT_TRUE(list->GetItemState(1, wxLIST_STATE_FOCUSED));
  list->SelectItem(0);
  EXPECT_EQ(list->GetSelectedIndex(), 0);  // single selection: row 1 is no longer selected
  EXPECT_FALSE(list->GetItemState(1, wxLIST_STATE_SELECTED));

  auto* multi = new CListCtrlBox;
  ASSERT_TRUE(multi->Create(m_panel, 1301, wxDefaultPosition, wxDefaultSize, LISTBOX_MULTISEL));
  EXPECT_FALSE(multi->HasFlag(wxLC_SINGLE_SEL));
}

TEST_F(WidgetTest, ListBoxPassesRightClicksToItsParentAfterItsOwnHandling) {
  auto* list = new CListCtrlBox;
  ASSERT_TRUE(list->Create(m_panel, 1300, wxPoint(10, 10), wxSize(300, 200)));
  list->AddColumn("name", 100);
  list->AddItem(0, "a");
  list->AddItem(0, "b");
  std::vector<std::string> order;
  wxPoint passedAt;
  list->Bind(wxEVT_LIST_ITEM_RIGHT_CLICK, [&](wxListEvent& event) {
    order.push_back("list:" + std::to_string(event.GetIndex()));
  });
  m_panel->Bind(wxEVT_RIGHT_DOWN, [&](wxMouseEvent& event) {
    order.push_back("parent");
    passedAt = event.GetPosition();
    EXPECT_EQ(event.GetEventObject(), list);
  });
  m_frame->Show();
  list->OnInternalIdle();  // lays the rows out now rather than at idle time
  wxRect row;
  ASSERT_TRUE(list->GetItemRect(1, row));
  wxWindow* area = nullptr;  // the item area: the child that is not the column header
  for (wxWindow* child : list->GetChildren()) {
    if (child->GetSize().y > row.height * 2) area = child;
  }
  ASSERT_NE(area, nullptr);
  const wxPoint inArea = row.GetPosition() + wxPoint(5, 2) - area->GetPosition();
  Click(area, wxEVT_RIGHT_DOWN, inArea);
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order.back(), "parent");
  EXPECT_EQ(order[order.size() - 2], "list:1");
  EXPECT_EQ(list->GetSelectedIndex(), 1);
  EXPECT_EQ(passedAt, row.GetPosition() + wxPoint(5, 2));
}

// Answers the folder chooser in place of the user.
class CancelFolderChooser : public wxModalDialogHook {
 public:
  CancelFolderChooser() { Register(); }
  ~CancelFolderChooser() override { Unregister(); }
  std::vector<wxString> m_titles;

 protected:
  int Enter(wxDialog* dialog) override {
    if (!dynamic_cast<wxDirDialog*>(dialog)) return wxID_NONE;
    m_titles.push_back(static_cast<wxDirDialog*>(dialog)->GetMessage());
    return wxID_CANCEL;
  }
  void Exit(wxDialog*) override {}
};

TEST_F(WidgetTest, CancelledFolderBrowseKeepsThePath) {
  CancelFolderChooser chooser;
  CFolderDialog folder;
  folder.m_strPath = "/usr";
  EXPECT_EQ(folder.BrowseForFolder(), IDCANCEL);
  EXPECT_EQ(folder.GetPathName(), CString("/usr"));
  folder.m_strTitle = "出力先";
  EXPECT_EQ(folder.BrowseForFolder(), IDCANCEL);
  ASSERT_EQ(chooser.m_titles.size(), 2u);
  EXPECT_EQ(WxToCP932(chooser.m_titles[0]), CString("フォルダ選択"));
  EXPECT_EQ(WxToCP932(chooser.m_titles[1]), CString("出力先"));
}

TEST(DatePicker, ReadsAndWritesYearMonthDay) {
  struct Case {
    const char* text;
    const char* date;  // as shown; nullptr: no day
  } cases[] = {
      {"2026/12/11", "2026/12/11"},
      {"2027/2/3", "2027/02/03"},
      {"2024-02-29", "2024/02/29"},
      {"2023/2/29", nullptr},
      {"2026/13/1", nullptr},
      {"2026/0/1", nullptr},
      {"12/11/2026", nullptr},
      {"2026/12", nullptr},
      {"2026/12/11x", nullptr},
      {"2026/ 1/5", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    COleDateTime date(2000, 1, 1, 0, 0, 0);
    EXPECT_EQ(CDatePicker::ParseDate(c.text, date), c.date != nullptr) << c.text;
    if (c.date)
      EXPECT_EQ(std::string(CDatePicker::FormatDate(date)), c.date) << c.text;
    else
      EXPECT_EQ(std::string(CDatePicker::FormatDate(date)), "2000/01/01") << c.text;
  }
}

}  // namespace
