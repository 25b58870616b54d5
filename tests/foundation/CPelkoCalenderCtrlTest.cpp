#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <string>
#include <vector>

#include "foundation/CPelkoCalenderCtrl.h"
#include "tests/common/TestSupport.h"

namespace {

void NextMonth(CPelkoCalenderCtrl& c) { c.NextMonth(); }
void PrevMonth(CPelkoCalenderCtrl& c) { c.PrevMonth(); }
void NextYear(CPelkoCalenderCtrl& c) { c.NextYear(); }
void PrevYear(CPelkoCalenderCtrl& c) { c.PrevYear(); }

std::string Ymd(const COleDateTime& date) { return std::string(date.Format("%Y-%m-%d").GetString()); }

class CalenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
    m_frame = new wxFrame(nullptr, wxID_ANY, "calender", wxDefaultPosition, wxSize(400, 300));
    m_panel = new wxPanel(m_frame);
    m_panel->Bind(wxEVT_CALENDER_NOTIFY, [this](wxCommandEvent& event) {
      EXPECT_EQ(event.GetId(), 1000);
      EXPECT_EQ(event.GetEventObject(), m_calender);
      m_codes.push_back(event.GetInt());
    });
    m_calender = new CPelkoCalenderCtrl;
    ASSERT_TRUE(m_calender->Create(m_panel, 1000, wxRect(0, 0, 350, 250)));
  }
  void TearDown() override {
    if (m_frame) m_frame->Destroy();
  }
  void Start(int year, int month, int day) {
    m_calender->SetDate(COleDateTime(year, month, day, 0, 0, 0));
    m_codes.clear();
  }
  void Press(int key, bool shift = false) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = key;
    event.SetShiftDown(shift);
    event.SetEventObject(m_calender);
    m_calender->GetEventHandler()->ProcessEvent(event);
  }
  void Mouse(wxEventType type, const wxPoint& point) {
    wxMouseEvent event(type);
    event.SetPosition(point);
    event.SetEventObject(m_calender);
    m_calender->GetEventHandler()->ProcessEvent(event);
  }
  // A point inside the text box of the cell.
  wxPoint Inside(int cell) const { return m_calender->GetCellPosition(cell) + wxPoint(3, 3); }

  wxFrame* m_frame = nullptr;
  wxPanel* m_panel = nullptr;
  CPelkoCalenderCtrl* m_calender = nullptr;
  std::vector<int> m_codes;
};

TEST_F(CalenderTest, MonthAndYearStepsCutTheDayAndAlwaysReportAMonthChange) {
  struct Case {
    int y, m, d;
    void (*step)(CPelkoCalenderCtrl&);
    const char* expected;
  } cases[] = {
      {2025, 1, 31, NextMonth, "2025-02-28"},
      {2024, 1, 31, NextMonth, "2024-02-29"},
      {2025, 3, 31, PrevMonth, "2025-02-28"},
      {2025, 12, 15, NextMonth, "2026-01-15"},
      {2025, 1, 10, PrevMonth, "2024-12-10"},
      {2024, 2, 29, NextYear, "2025-02-28"},
      {2024, 2, 29, PrevYear, "2023-02-28"},
  };
  for (const Case& c : cases) {
    Start(c.y, c.m, c.d);
    m_calender->m_days[4].mark = 1;
    c.step(*m_calender);
    EXPECT_EQ(Ymd(m_calender->GetDate()), c.expected);
    EXPECT_EQ(m_codes, (std::vector<int>{2, 1})) << c.expected;
    EXPECT_EQ(m_calender->m_days[4].mark, 0) << "day entries cleared with the month";
  }
}

TEST_F(CalenderTest, KeysMoveByDaysAndReportAMonthChangeOnlyWhenTheMonthNumberChanges) {
  Start(2025, 1, 30);
  Press(WXK_RIGHT);
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-01-31");
  EXPECT_EQ(m_codes, (std::vector<int>{1}));
  m_codes.clear();
  Press(WXK_RIGHT);
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-02-01");
  EXPECT_EQ(m_codes, (std::vector<int>{2, 1}));

  struct Case {
    int key;
    bool shift;
    const char* expected;
  } cases[] = {
      {WXK_LEFT, false, "2025-01-31"},  {WXK_DOWN, false, "2025-02-08"},   {WXK_UP, false, "2025-01-25"},
      {WXK_PAGEDOWN, false, "2025-02-15"}, {WXK_PAGEUP, false, "2024-12-15"}, {WXK_PAGEDOWN, true, "2026-01-15"},
      {WXK_PAGEUP, true, "2024-01-15"},
  };
  const COleDateTime starts[] = {COleDateTime(2025, 2, 1, 0, 0, 0), COleDateTime(2025, 2, 1, 0, 0, 0),
                                 COleDateTime(2025, 2, 1, 0, 0, 0), COleDateTime(2025, 1, 15, 0, 0, 0),
                                 COleDateTime(2025, 1, 15, 0, 0, 0), COleDateTime(2025, 1, 15, 0, 0, 0),
                                 COleDateTime(2025, 1, 15, 0, 0, 0)};
  for (size_t i = 0; i < std::size(cases); ++i) {
    m_calender->SetDate(starts[i]);
    Press(cases[i].key, cases[i].shift);
    EXPECT_EQ(Ymd(m_calender->GetDate()), cases[i].expected) << i;
  }

  // Other keys pass on and change nothing.
  Start(2025, 1, 15);
  Press('A');
  EXPECT_TRUE(m_codes.empty());
}

TEST_F(CalenderTest, SetDateComparesOnlyTheMonthNumber) {
  Start(2024, 5, 10);
  m_calender->SetDate(COleDateTime(2025, 5, 3, 0, 0, 0));
  EXPECT_EQ(m_codes, (std::vector<int>{1}));
  m_codes.clear();
  m_calender->SetDate(COleDateTime(2025, 6, 3, 0, 0, 0));
  EXPECT_EQ(m_codes, (std::vector<int>{2, 1}));
}

TEST_F(CalenderTest, FirstCellFollowsTheFirstWeekday) {
  // June 2025 begins on a Sunday.
  Start(2025, 6, 10);
  EXPECT_EQ(Ymd(m_calender->GetCellDate(0)), "2025-06-01");
  m_calender->m_nFirstWeek = 0;  // Monday
  EXPECT_EQ(Ymd(m_calender->GetCellDate(0)), "2025-05-26");
  m_calender->m_nFirstWeek = 5;  // Saturday
  EXPECT_EQ(Ymd(m_calender->GetCellDate(0)), "2025-05-31");
  EXPECT_EQ(Ymd(m_calender->GetCellDate(41)), "2025-07-11");
}

TEST_F(CalenderTest, ClickSetsTheCellDateAndDoubleClickNotifiesAfterIt) {
  Start(2025, 6, 10);
  Mouse(wxEVT_LEFT_UP, Inside(30));  // 1 July
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-07-01");
  EXPECT_EQ(m_codes, (std::vector<int>{2, 1}));

  m_codes.clear();
  Mouse(wxEVT_LEFT_DOWN, Inside(3));
  Mouse(wxEVT_LEFT_UP, Inside(3));
  Mouse(wxEVT_LEFT_DCLICK, Inside(3));
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-07-02");  // the grid now shows July from 29 June
  EXPECT_EQ(m_codes, (std::vector<int>{1, NM_DBLCLK}));

  // Right of a cell's text box, still inside its column: nothing happens.
  m_codes.clear();
  const wxPoint between = m_calender->GetCellPosition(10) + wxPoint(40, 3);
  ASSERT_EQ(m_calender->HitTest(between), -1);
  Mouse(wxEVT_LEFT_UP, between);
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-07-02");
  EXPECT_TRUE(m_codes.empty());
}

TEST_F(CalenderTest, WheelTowardsTheUserGoesAWeekOn) {
  Start(2025, 6, 10);
  wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
  wheel.m_wheelRotation = -120;
  wheel.m_wheelDelta = 120;
  m_calender->GetEventHandler()->ProcessEvent(wheel);
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-06-17");
  wheel.m_wheelRotation = 120;
  m_calender->GetEventHandler()->ProcessEvent(wheel);
  m_calender->GetEventHandler()->ProcessEvent(wheel);
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-06-03");
}

TEST_F(CalenderTest, MonthButtonsStepTheMonth) {
  Start(2025, 1, 31);
  ASSERT_NE(m_calender->m_btnNext, nullptr);
  EXPECT_EQ(m_calender->m_btnNext->GetId(), 300);
  wxCommandEvent click(wxEVT_BUTTON, 300);
  click.SetEventObject(m_calender->m_btnNext);
  m_calender->m_btnNext->GetEventHandler()->ProcessEvent(click);
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-02-28");
  wxCommandEvent back(wxEVT_BUTTON, 301);
  back.SetEventObject(m_calender->m_btnPrev);
  m_calender->m_btnPrev->GetEventHandler()->ProcessEvent(back);
  EXPECT_EQ(Ymd(m_calender->GetDate()), "2025-01-28");
  EXPECT_EQ(m_codes, (std::vector<int>{2, 1, 2, 1}));
}

TEST_F(CalenderTest, DrawingFillsTheCurrentDayBlueAndColoursHolidays) {
  Start(2025, 5, 5);  // Children's Day
  wxBitmap bitmap(350, 250);
  wxMemoryDC dc(bitmap);
  m_calender->Draw(dc);
  dc.SelectObject(wxNullBitmap);
  EXPECT_EQ(m_calender->m_days[4].holiday, 1);
  EXPECT_EQ(m_calender->m_days[5].holiday, 1);  // substitute holiday
  EXPECT_EQ(m_calender->m_days[6].holiday, 0);
  const wxImage image = bitmap.ConvertToImage();
  int cell = 0;
  while (m_calender->GetCellDate(cell).GetDay() != 5 || m_calender->GetCellDate(cell).GetMonth() != 5) ++cell;
  const wxPoint corner = m_calender->GetCellPosition(cell) - wxPoint(1, 1);
  EXPECT_EQ(wxColour(image.GetRed(corner.x, corner.y), image.GetGreen(corner.x, corner.y),
                     image.GetBlue(corner.x, corner.y)),
            wxColour(0, 0, 255));
  const wxPoint other = m_calender->GetCellPosition(cell + 1) - wxPoint(1, 1);
  EXPECT_EQ(wxColour(image.GetRed(other.x, other.y), image.GetGreen(other.x, other.y), image.GetBlue(other.x, other.y)),
            *wxWHITE);
}

TEST_F(CalenderTest, CreateFromStaticTakesThePlaceAndIdOfTheStatic) {
  wxPanel* dialog = new wxPanel(m_frame);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  wxStaticText* label = new wxStaticText(dialog, 1020, "cal", wxPoint(10, 20), wxSize(300, 200));
  sizer->Add(label, 1, wxEXPAND);
  dialog->SetSizer(sizer);
  auto* calender = new CPelkoCalenderCtrl;
  ASSERT_TRUE(calender->CreateFromStatic(dialog, 1020));
  EXPECT_EQ(dialog->FindWindow(1020), calender);
  EXPECT_EQ(calender->GetPosition(), wxPoint(10, 20));
  EXPECT_EQ(calender->GetContainingSizer(), sizer);
  auto* missing = new CPelkoCalenderCtrl;
  EXPECT_FALSE(missing->CreateFromStatic(dialog, 1021));
  delete missing;
}

}  // namespace
