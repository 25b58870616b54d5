// The control as a window: dispatch of its messages and commands, and what it paints, rendered
// into a bitmap and inspected.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <cstring>
#include <memory>
#include <string>

#include "control/CCustomizeInfo.h"
#include "control/CTextBuffer.h"
#include "control/ColorTable.h"
#include "control/EditSettings.h"
#include "control/LogFont.h"
#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/base/ColorRef.h"
#include "platform/com/CRegKey.h"
#include "tests/common/TestSupport.h"

namespace {

class EditWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    frame = new wxFrame(nullptr, wxID_ANY, "host", wxDefaultPosition, wxSize(900, 500));
    edit = std::make_unique<WrilaEdit>();
  }
  void TearDown() override {
    edit.reset();
    if (frame) frame->Destroy();
  }
  void Create(const char* text) {
    edit->CreateControl(frame, wxPoint(0, 0), wxSize(800, 400));
    edit->GetBuffer().SetText(text);
  }
  // The control painted whole into a bitmap.
  wxImage Render() {
    const wxSize size = edit->GetWindow()->GetClientSize();
    wxBitmap bitmap(size);
    wxMemoryDC dc(bitmap);
    edit->Paint(dc, wxRect(size));
    dc.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
  }
  static COLORREF Pixel(const wxImage& image, int x, int y) {
    return RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
  }
  // Whether a cell holds any pixel of the colour.
  bool CellHas(const wxImage& image, int column, int row, COLORREF color) {
    const int x0 = (edit->m_leftMargin - edit->m_firstColumn + column) * edit->m_columnWidth, y0 = edit->RowToY(row);
    for (int y = y0; y < y0 + edit->m_rowHeight; ++y) {
      for (int x = x0; x < x0 + edit->m_columnWidth; ++x) {
        if (Pixel(image, x, y) == color) return true;
      }
    }
    return false;
  }
  // Background of a cell: its top-left pixel, above every glyph.
  COLORREF CellBack(const wxImage& image, int column, int row) {
    return Pixel(image, (edit->m_leftMargin - edit->m_firstColumn + column) * edit->m_columnWidth + 1, edit->RowToY(row));
  }

  wxScrollBar* Bar(int orientation) {
    return static_cast<WrilaEditWindow*>(edit->GetWindow())->GetBar(orientation);
  }

  wxFrame* frame = nullptr;
  std::unique_ptr<WrilaEdit> edit;
};

}  // namespace

TEST_F(EditWindowTest, PendingTextAndStockText) {
  edit->PutText(u"前もって set");
  EXPECT_EQ(edit->GetText(), u"前もって set");
  EXPECT_TRUE(edit->GetBuffer().IsEmpty());
  edit->CreateControl(frame);
  EXPECT_EQ(edit->GetText(), u"前もって set");
  EXPECT_FALSE(edit->GetBuffer().IsEmpty());
  edit->PutText(u"now\r\nreplaced");
  EXPECT_EQ(edit->GetBuffer().GetLineCount(), 2);
  EXPECT_EQ(edit->GetText(), u"now\r\nreplaced");
}

TEST_F(EditWindowTest, ExtraSettingsMessage) {
  Create("a /* b\nc */ d\n");
  std::strcpy(edit->m_cust.CommentBegin, "/*");
  std::strcpy(edit->m_cust.CommentEnd, "*/");
  edit->m_cust.HiliteComment = 1;
  for (WPARAM selector : {99u, 114u, 0u}) EXPECT_EQ(edit->WindowProc(WM_WRILA_EXTRA, selector, 3), 0);
  EXPECT_EQ(edit->m_cust.HiliteComment, 1);
  EXPECT_EQ(edit->GetBuffer().GetLine(1)->m_commentState, 0);
  // Out of range: the value stays, the comment states are recomputed all the same.
  EXPECT_EQ(edit->WindowProc(WM_WRILA_EXTRA, EXTRA_SETHILITECOMMENT, 5), 0);
  EXPECT_EQ(edit->WindowProc(WM_WRILA_EXTRA, EXTRA_GETHILITECOMMENT, 0), 1);
  EXPECT_EQ(edit->GetBuffer().GetLine(1)->m_commentState, 1);

  char buffer[128] = {};
  edit->WindowProc(WM_WRILA_EXTRA, EXTRA_SETCOMMENTEND, reinterpret_cast<LPARAM>("0123456789abcdefXYZ"));
  edit->WindowProc(WM_WRILA_EXTRA, EXTRA_GETCOMMENTEND, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, "0123456789abcde");

  edit->WindowProc(WM_WRILA_EXTRA, EXTRA_GETURLCHARS, reinterpret_cast<LPARAM>(buffer));
  EXPECT_EQ(buffer[static_cast<int>(')')], 0);
  EXPECT_EQ(buffer[static_cast<int>('/')], 1);
  edit->WindowProc(WM_WRILA_EXTRA, EXTRA_SETKANAURL, 7);
  EXPECT_EQ(edit->WindowProc(WM_WRILA_EXTRA, EXTRA_GETKANAURL, 0), 1);

  edit->WindowProc(WM_WRILA_SETMARK, 1, 3);
  EXPECT_EQ(edit->WindowProc(WM_WRILA_GETMARK, 1, 0), 3);
  EXPECT_EQ(edit->WindowProc(WM_WRILA_GETMARK, 0, 0), -1);  // no mark
  EXPECT_EQ(edit->WindowProc(WM_WRILA_GETMARK, 9, 0), -1);  // past the last line
}

TEST_F(EditWindowTest, CommandsAndEditingMessages) {
  Create("abc");
  edit->WindowProc(WM_CHAR, 'x', 0);
  EXPECT_STREQ(edit->GetBuffer().GetLine(0)->GetText(), "xabc");
  edit->WindowProc(WM_UNDO, 0, 0);
  EXPECT_STREQ(edit->GetBuffer().GetLine(0)->GetText(), "abc");
  edit->WindowProc(WM_CLEAR, 0, 0);
  EXPECT_STREQ(edit->GetBuffer().GetLine(0)->GetText(), "bc");

  // Overwrite toggles without the focus; read-only refuses typing.
  edit->WindowProc(WM_COMMAND, ID_WRILA_OVERWRITE | (1u << 16), 0);
  EXPECT_EQ(edit->m_cust.Overwrite, 1);
  edit->WindowProc(WM_COMMAND, ID_WRILA_READONLY, 0);
  EXPECT_TRUE(edit->m_readOnly);
  edit->WindowProc(WM_CHAR, 'y', 0);
  EXPECT_STREQ(edit->GetBuffer().GetLine(0)->GetText(), "bc");
  edit->WindowProc(WM_COMMAND, ID_WRILA_WRAPCOLUMNS, 0);
  EXPECT_EQ(edit->m_cust.WrapMode, 1);
  EXPECT_EQ(edit->m_wrapWidth, 80);
  EXPECT_FALSE(edit->OnCommand(0x9999));

  // A posted message runs once the window's thread gets to it.
  edit->PostMessage(WM_WRILA_EXTRA, EXTRA_SETDBCHARURL, 1);
  EXPECT_EQ(edit->m_cust.DBCharUrl, 0);
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(edit->m_cust.DBCharUrl, 1);
}

TEST_F(EditWindowTest, LineNumberMarginWidth) {
  std::string text;
  for (int i = 1; i < 999; ++i) text += "l\r\n";
  Create(text.c_str());
  edit->m_cust.ShowLineNumber = 1;
  edit->Relayout(RELAYOUT_PLAIN);
  EXPECT_EQ(edit->m_leftMargin, 5);
  text.clear();
  for (int i = 1; i < 99999; ++i) text += "l\r\n";
  edit->GetBuffer().SetText(text.c_str());
  EXPECT_EQ(edit->GetBuffer().GetTotalRows(), 99999);
  EXPECT_EQ(edit->m_leftMargin, 6);
  edit->WindowProc(WM_WRILA_EXTRA, EXTRA_SETMARKCOLUMN, 1);
  EXPECT_EQ(edit->m_leftMargin, 7);

  // Numbers are right-aligned before a space; logical numbering leaves continuation rows blank.
  const wxImage image = Render();
  EXPECT_TRUE(CellHas(image, -2, 0, 0x000000));   // "1", before the space with the margin line
  EXPECT_FALSE(CellHas(image, -3, 0, 0x000000));
}

TEST_F(EditWindowTest, LogicalLineNumbersOnFirstRowsOnly) {
  Create("0123456789012345678901234567890123456789\r\nshort");
  edit->m_cust.ShowLineNumber = edit->m_cust.ShowLogicalLine = 1;
  edit->WindowProc(WM_COMMAND, ID_WRILA_WRAPCOLUMNS, 0);
  edit->m_cust.MarginNormal = edit->m_cust.MarginQuote = 20;
  edit->m_wrapWidth = 20;
  edit->GetBuffer().RewrapAll();
  edit->Relayout(RELAYOUT_REWRAP);
  ASSERT_EQ(edit->GetBuffer().GetTotalRows(), 3);
  const wxImage image = Render();
  EXPECT_TRUE(CellHas(image, -2, 0, 0x000000));   // "1"
  EXPECT_FALSE(CellHas(image, -2, 1, 0x000000));  // continuation row: blank
  EXPECT_TRUE(CellHas(image, -2, 2, 0x000000));   // "2"
}

TEST_F(EditWindowTest, CaretRowControlCharactersAndRuns) {
  Create("first\r\nhttp://a.b) x\r\nc\x01z\r\n");
  edit->m_colors.Back[ROLE_CARETLINE] = 0x00E0F0;
  edit->WindowProc(WM_SETFOCUS, 0, 0);
  edit->WindowProc(WM_COMMAND, 0x8016, 0);  // down one row
  EXPECT_EQ(edit->m_caretView.y, 1);
  wxImage image = Render();
  EXPECT_EQ(CellBack(image, 12, 1), 0x00E0F0u);
  EXPECT_EQ(CellBack(image, 30, 1), 0x00E0F0u);  // the rest of the row too
  EXPECT_EQ(CellBack(image, 0, 0), 0xFFFFFFu);
  EXPECT_TRUE(CellHas(image, 3, 1, 0xFF0000));    // the URL in blue
  EXPECT_FALSE(CellHas(image, 10, 1, 0xFF0000));  // ")" is not part of it
  EXPECT_TRUE(CellHas(image, 10, 1, edit->m_colors.Text[ROLE_CARETLINE]));
  // Control character 1: "A" in swapped colours.
  EXPECT_EQ(CellBack(image, 1, 2), 0x000000u);
  EXPECT_TRUE(CellHas(image, 1, 2, 0xFFFFFF));

  // Without the focus the caret row is normal; a selection is drawn in role 1.
  edit->WindowProc(WM_KILLFOCUS, 0, 0);
  edit->m_selAnchor = POINT{0, 0};
  edit->m_selEnd = POINT{2, 0};
  edit->m_selKind = SEL_STREAM;
  image = Render();
  EXPECT_EQ(CellBack(image, 12, 1), 0xFFFFFFu);
  EXPECT_EQ(CellBack(image, 1, 0), 0x800000u);
  EXPECT_EQ(CellBack(image, 3, 0), 0xFFFFFFu);
}

TEST_F(EditWindowTest, RulerAndOutsideArea) {
  Create("x");
  edit->m_cust.ShowRuler = 1;
  edit->m_cust.WrapMode = 1;
  edit->m_cust.MarginNormal = edit->m_cust.MarginQuote = 20;
  edit->m_colors.Back[ROLE_OUTSIDE] = 0xC0C0C0;
  edit->m_wrapWidth = 20;
  edit->Relayout(RELAYOUT_PLAIN);
  EXPECT_EQ(edit->m_rulerHeight, 12);
  const wxImage image = Render();
  // Ticks: a long one at multiples of ten, a short one elsewhere.
  EXPECT_EQ(Pixel(image, edit->ColumnToX(10), 1), 0x000000u);
  EXPECT_NE(Pixel(image, edit->ColumnToX(11), 1), 0x000000u);
  EXPECT_EQ(Pixel(image, edit->ColumnToX(11), 8), 0x000000u);
  // Right of the wrap boundary the outside colour.
  EXPECT_EQ(CellBack(image, 30, 0), 0xC0C0C0u);
  EXPECT_EQ(CellBack(image, 5, 0), 0xFFFFFFu);
}

TEST_F(EditWindowTest, MarkImagesInTheMargin) {
  Create("a\r\nb\r\nc\r\nd");
  edit->m_colors.Back[ROLE_OUTSIDE] = 0xC0C0C0;
  const COLORREF circle = RGB(0xE0, 0x20, 0x20);  // the inside of picture 0
  const auto marginHas = [&](const wxImage& image, int row, COLORREF color) {
    for (int y = edit->RowToY(row); y < edit->RowToY(row) + edit->m_rowHeight; ++y) {
      for (int x = 0; x < edit->m_leftMargin * edit->m_columnWidth; ++x) {
        if (Pixel(image, x, y) == color) return true;
      }
    }
    return false;
  };
  edit->WindowProc(WM_WRILA_SETMARK, 1, 0);
  edit->WindowProc(WM_WRILA_SETMARK, 2, 200);  // no such picture: nothing drawn
  // Without the mark column the margin shows no marks.
  EXPECT_FALSE(marginHas(Render(), 1, circle));

  edit->WindowProc(WM_WRILA_EXTRA, EXTRA_SETMARKCOLUMN, 1);
  EXPECT_EQ(edit->m_leftMargin, 2);
  wxImage image = Render();
  EXPECT_TRUE(marginHas(image, 1, circle));
  EXPECT_FALSE(marginHas(image, 0, circle));
  EXPECT_FALSE(marginHas(image, 2, circle));
  // The picture's mask lets the margin show through at its corner.
  EXPECT_EQ(Pixel(image, 0, edit->RowToY(1)), 0xC0C0C0u);
  for (int row : {0, 2, 3}) EXPECT_EQ(Pixel(image, 2, edit->RowToY(row) + 2), 0xC0C0C0u) << row;

  // Beside line numbers too; clearing the mark clears the picture.
  edit->m_cust.ShowLineNumber = 1;
  edit->Relayout(RELAYOUT_PLAIN);
  EXPECT_EQ(edit->m_leftMargin, 5);
  EXPECT_TRUE(marginHas(Render(), 1, circle));
  edit->WindowProc(WM_WRILA_SETMARK, 1, 0xFF);
  EXPECT_FALSE(marginHas(Render(), 1, circle));
}

TEST_F(EditWindowTest, ScrollBarsFollowTheLayout) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\r\n";
  Create(text.c_str());
  wxWindow* window = edit->GetWindow();
  const auto pageFor = [&](int height) { return (height - edit->m_rulerHeight) / edit->m_rowHeight; };
  const int page = pageFor(window->GetClientSize().y);
  ASSERT_LT(page, 100);
  EXPECT_EQ(edit->m_pageRows, page);
  EXPECT_EQ(Bar(wxVERTICAL)->GetRange(), 101);  // 101 rows with the empty last one
  EXPECT_EQ(Bar(wxVERTICAL)->GetThumbSize(), page);

  // Scroll requests, held inside the range.
  const struct {
    UINT code;
    LPARAM track;
    int top;
  } requests[] = {{SB_BOTTOM, 0, 101 - page}, {SB_LINEDOWN, 0, 101 - page}, {SB_TOP, 0, 0}, {SB_LINEUP, 0, 0},
                  {SB_THUMBTRACK, 7, 7},      {SB_PAGEDOWN, 0, 7 + page},  {SB_PAGEUP, 0, 7},
                  {SB_ENDSCROLL, 0, 7},       {SB_THUMBTRACK, 100000, 101 - page}};
  for (const auto& request : requests) {
    edit->WindowProc(WM_VSCROLL, request.code, request.track);
    EXPECT_EQ(edit->m_topRow, request.top) << request.code;
    EXPECT_EQ(Bar(wxVERTICAL)->GetThumbPosition(), request.top) << request.code;
  }

  // A taller window holds more rows: the top row comes back so that the last page stays full.
  edit->WindowProc(WM_SIZE, 0, (1000 << 16) | 800);
  EXPECT_EQ(edit->m_pageRows, pageFor(1000));
  EXPECT_EQ(edit->m_topRow, std::max(0, 101 - pageFor(1000)));
  EXPECT_EQ(Bar(wxVERTICAL)->GetThumbSize(), pageFor(1000));
  edit->WindowProc(WM_SIZE, 0, (400 << 16) | 800);

  // Scrolling one page past the end reaches the last row.
  edit->m_cust.VScrollPastEnd = 1;
  edit->Relayout(RELAYOUT_PLAIN);
  EXPECT_EQ(Bar(wxVERTICAL)->GetRange(), page + 100);
  edit->WindowProc(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(edit->m_topRow, 100);

  // New text: the range shrinks and the position comes back into it.
  edit->GetBuffer().SetText("one\r\ntwo");
  EXPECT_EQ(edit->m_topRow, 1);
  edit->m_cust.VScrollPastEnd = 0;
  edit->Relayout(RELAYOUT_PLAIN);
  EXPECT_EQ(edit->m_topRow, 0);
  EXPECT_EQ(Bar(wxVERTICAL)->GetRange(), 2);
}

TEST_F(EditWindowTest, ScrollBarsFollowWrappingAndFont) {
  Create(std::string(300, 'x').c_str());
  wxWindow* window = edit->GetWindow();
  // Unwrapped, the bar reaches the widest row and two columns more.
  EXPECT_EQ(edit->m_widestExtent, 302);
  EXPECT_EQ(Bar(wxHORIZONTAL)->GetRange(), 303);
  EXPECT_EQ(Bar(wxHORIZONTAL)->GetThumbSize(), edit->m_windowColumns);
  edit->WindowProc(WM_HSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(edit->m_firstColumn, 303 - edit->m_windowColumns);

  // Wrapping at 80 columns: four rows, nothing left to scroll sideways.
  edit->WindowProc(WM_COMMAND, ID_WRILA_WRAPCOLUMNS, 0);
  EXPECT_EQ(edit->m_widestExtent, 82);
  EXPECT_EQ(edit->m_firstColumn, 0);
  EXPECT_EQ(Bar(wxVERTICAL)->GetRange(), 4);

  // Taller rows leave fewer on a page.
  const int rowsBefore = edit->m_pageRows;
  edit->m_cust.LineSpace = 10;
  edit->WindowProc(WM_COMMAND, ID_WRILA_WRAPNONE, 0);
  EXPECT_EQ(edit->m_pageRows, (window->GetClientSize().y - Bar(wxHORIZONTAL)->GetSize().y) / edit->m_rowHeight);
  EXPECT_LT(edit->m_pageRows, rowsBefore);
  EXPECT_EQ(Bar(wxVERTICAL)->GetThumbSize(), edit->m_pageRows);

  // A bar that is not wanted is hidden; one kept always visible stays, disabled, with nothing to scroll.
  edit->m_cust.HScrollBar = 0;
  edit->Relayout(RELAYOUT_PLAIN);
  EXPECT_FALSE(Bar(wxHORIZONTAL)->IsShown());
  edit->GetBuffer().SetText("short");
  edit->m_cust.VBarAlways = 1;
  edit->Relayout(RELAYOUT_PLAIN);
  EXPECT_TRUE(Bar(wxVERTICAL)->IsShown());
  EXPECT_FALSE(Bar(wxVERTICAL)->IsEnabled());
  // The text area is the client area less the bar.
  EXPECT_EQ(edit->m_windowColumns,
            (window->GetClientSize().x - Bar(wxVERTICAL)->GetSize().x) / edit->m_columnWidth - edit->m_leftMargin + 1);
}

TEST_F(EditWindowTest, FocusedCaretStaysInView) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\r\n";
  text += std::string(300, 'x');
  Create(text.c_str());
  const auto inView = [&] {
    const POINT caret = edit->m_caretView;
    return caret.y >= edit->m_topRow && caret.y < edit->m_topRow + edit->m_pageRows &&
           caret.x >= edit->m_firstColumn && caret.x < edit->m_firstColumn + edit->m_windowColumns;
  };
  // Without the focus the view stays where it is.
  edit->WindowProc(WM_COMMAND, 0x801F, 0);  // end of the text
  EXPECT_EQ(edit->m_caretView.y, 100);
  EXPECT_EQ(edit->m_topRow, 0);

  edit->WindowProc(WM_SETFOCUS, 0, 0);
  edit->WindowProc(WM_COMMAND, 0x801E, 0);  // start of the text
  edit->WindowProc(WM_COMMAND, 0x801F, 0);
  EXPECT_TRUE(inView());
  EXPECT_EQ(edit->m_topRow, 100 - edit->m_pageRows + 1);  // the caret row comes in at the bottom
  edit->WindowProc(WM_COMMAND, 0x801D, 0);                // end of the row
  EXPECT_EQ(edit->m_caretView.x, 300);
  EXPECT_TRUE(inView());
  EXPECT_GT(edit->m_firstColumn, 0);
  edit->WindowProc(WM_COMMAND, 0x801C, 0);  // start of the row: back to the left edge
  EXPECT_EQ(edit->m_firstColumn, 0);
  // Right, character by character, past the window's edge: the view moves by eight columns.
  const int columns = edit->m_windowColumns;
  for (int i = 0; i < columns + 3; ++i) edit->WindowProc(WM_COMMAND, 0x8018, 0);
  EXPECT_TRUE(inView());
  EXPECT_EQ(edit->m_firstColumn, 8);
  edit->WindowProc(WM_COMMAND, 0x801E, 0);
  EXPECT_EQ(edit->m_topRow, 0);
  EXPECT_EQ(edit->m_firstColumn, 0);
}

TEST_F(EditWindowTest, ThumbPastSixteenBitsReachesTheExactRow) {
  std::string text;
  text.reserve(70000 * 3);
  for (int i = 0; i < 70000; ++i) text += "x\r\n";
  Create(text.c_str());
  wxScrollBar* bar = Bar(wxVERTICAL);
  ASSERT_TRUE(bar->IsShown());
  EXPECT_EQ(bar->GetRange(), 70001);
  wxScrollEvent track(wxEVT_SCROLL_THUMBTRACK, bar->GetId(), 66000, wxVERTICAL);
  track.SetEventObject(bar);
  bar->GetEventHandler()->ProcessEvent(track);
  EXPECT_EQ(edit->m_topRow, 66000);
  EXPECT_EQ(bar->GetThumbPosition(), 66000);
}

// Stored numbers out of their ranges come in clamped, so a damaged or hand-edited store cannot
// bring the control down at every start: each is loaded and the text drawn with it.
TEST_F(EditWindowTest, StoredNumbersOutOfRangeAreClampedOnLoad) {
  struct Case {
    const char* name;
    size_t offset;  // in the settings record
    std::int32_t stored;
    std::int32_t CCustomizeInfo::*field;  // null: the font height
    std::int32_t loaded;
  } cases[] = {
      {"line spacing below 0", 96, -10, &CCustomizeInfo::LineSpace, 0},
      {"line spacing huge", 96, 0x41414141, &CCustomizeInfo::LineSpace, 30},
      {"tag role", 100, 99, &CCustomizeInfo::HiliteTag, 4},
      {"tag role below none", 100, -5, &CCustomizeInfo::HiliteTag, -1},
      {"comment role", 516, 50, &CCustomizeInfo::HiliteComment, 4},
      {"comment role below none", 516, INT32_MIN, &CCustomizeInfo::HiliteComment, -1},
      {"wrap mode", 68, 7, &CCustomizeInfo::WrapMode, 2},
      {"wrap mode below 0", 68, -1, &CCustomizeInfo::WrapMode, 0},
      {"margin below 8", 72, -5, &CCustomizeInfo::MarginNormal, 8},
      {"quote margin huge", 76, INT32_MAX, &CCustomizeInfo::MarginQuote, kMaxWrapMargin},
      {"TAB width 0", 80, 0, &CCustomizeInfo::TabSpace, 1},
      {"TAB width huge", 80, 1000, &CCustomizeInfo::TabSpace, 16},
      {"font height huge", 0, 3000000, nullptr, kMaxFontHeight},
      {"font height most negative", 0, INT32_MIN, nullptr, -kMaxFontHeight},
  };
  Create("<tag> /* comment */ word\tx\r\nhttp://a.b\r\n");
  edit->m_regKey = u"Software\\Test\\Ranges";
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\Test\\Ranges"), ERROR_SUCCESS);
  key.SetDWORDValue("XRegVersion", 1);
  // A highlight rule whose colour lies past the five highlight roles.
  const std::uint8_t rule[] = {1, 0, 0, 0, 99, 0, 0, 0, 0, 0, 1, 0, 4, 0, 0, 0, 'w', 'o', 'r', 'd'};
  key.SetBinaryValue("XHW", rule, sizeof rule);
  for (const Case& c : cases) {
    CCustomizeInfo cust;
    CColorTable colors;
    ResetEditSettings(cust, colors);
    cust.WrapMode = 1;
    cust.ShowLineNumber = cust.ShowRuler = 1;
    cust.TagLeft = '<';
    cust.TagRight = '>';
    std::strcpy(cust.CommentBegin, "/*");
    std::strcpy(cust.CommentEnd, "*/");
    std::uint8_t bytes[sizeof(CCustomizeInfo)];
    std::memcpy(bytes, &cust, sizeof bytes);
    for (int i = 0; i < 4; ++i)
      bytes[c.offset + static_cast<size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(c.stored) >> (8 * i));
    key.SetBinaryValue("XCust", bytes, sizeof bytes);
    ASSERT_EQ(edit->LoadProperties(), S_OK) << c.name;
    const std::int32_t loaded =
        c.field ? edit->m_cust.*c.field : CLogFont::FromBytes(edit->m_cust.DisplayFont).lfHeight;
    EXPECT_EQ(loaded, c.loaded) << c.name;
    ASSERT_EQ(edit->m_hiliteRules.size(), 1u);
    EXPECT_EQ(edit->m_hiliteRules[0].color, 4) << c.name;
    EXPECT_GT(edit->m_rowHeight, 0) << c.name;
    Render();
  }
}
