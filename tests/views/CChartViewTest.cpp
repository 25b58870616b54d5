// The chart view inside a plain window over an outline document: its settings, commands,
// drawing and copies.
#include <gtest/gtest.h>

#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "app/CKestavonDoc.h"
#include "model/dialogs/DialogPrompts.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/FrameworkIds.h"
#include "resources/CommandIds.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "views/CChartSetDlg.h"
#include "views/CChartView.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using kesta_test::ScopedSettingsFile;
using model_test::DialogDriver;
using model_test::MessageRecorder;
using model_test::P;
using model_test::PressButton;
using model_test::Steps;
using model_test::Type;

namespace {

class ChartViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasGui()) GTEST_SKIP() << "needs a display";
    m_settings = std::make_unique<ScopedSettingsFile>(MakeTempDir("chart") + "/kesta32.conf");
    ATREE& tree = m_doc.GetTree();
    for (const char* path : {"根", "根/子一", "根/子二"}) tree.AddDirData(std::make_unique<CDirData>(P(path)));
    tree.MakeTreeData();
    m_frame = new wxFrame(nullptr, wxID_ANY, "chart", wxDefaultPosition, wxSize(600, 400));
    m_view = new CChartView;
    m_view->Create(m_frame, wxID_ANY);
    m_doc.AddView(m_view);
    m_view->OnInitialUpdate();
  }
  void TearDown() override {
    if (!m_frame) return;
    m_doc.RemoveView(m_view);
    m_frame->Destroy();
  }
  void Command(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    m_view->ProcessWindowEvent(event);
  }
  bool Checked(int id) {
    wxUpdateUIEvent event(id);
    m_view->ProcessWindowEvent(event);
    return event.GetChecked();
  }
  wxSize DrawOnce() {
    wxBitmap bitmap(800, 600);
    wxMemoryDC dc(bitmap);
    m_view->OnDraw(dc);
    return m_view->GetTotalSize();
  }

  std::unique_ptr<ScopedSettingsFile> m_settings;
  CKestavonDoc m_doc;
  wxFrame* m_frame = nullptr;
  CChartView* m_view = nullptr;
};

}  // namespace

TEST_F(ChartViewTest, LayoutCommandsWriteTheirSettingAndCheckTheCurrentChoice) {
  EXPECT_TRUE(Checked(ID_CHART_WIDE));
  Command(ID_CHART_TALL);
  EXPECT_EQ(AfxGetProfileInt("View", "Chart", -1), 0);
  EXPECT_TRUE(Checked(ID_CHART_TALL));
  EXPECT_FALSE(Checked(ID_CHART_WIDE));
  const wxSize tall = DrawOnce();
  Command(ID_CHART_WIDE);
  EXPECT_EQ(AfxGetProfileInt("View", "Chart", -1), 1);
  const wxSize wide = DrawOnce();
  EXPECT_GT(tall.x, 0);
  EXPECT_NE(tall, wide);

  Command(ID_CHART_BOX_ROUND);
  Command(ID_CHART_LINE_STRAIGHT);
  EXPECT_EQ(AfxGetProfileInt("View", "Box", -1), 1);
  EXPECT_EQ(AfxGetProfileInt("View", "Line", -1), 1);
  EXPECT_TRUE(Checked(ID_CHART_BOX_ROUND));
  EXPECT_TRUE(Checked(ID_CHART_LINE_STRAIGHT));
}

TEST_F(ChartViewTest, ACopyBeforeTheFirstDrawingIsAThousandSquare) {
  EXPECT_EQ(m_view->GetTotalSize(), wxSize(1000, 1000));
  ASSERT_TRUE(m_view->CopyAsBitmap());
  ASSERT_TRUE(wxTheClipboard->Open());
  wxBitmapDataObject data;
  const bool got = wxTheClipboard->GetData(data);
  wxTheClipboard->Close();
  ASSERT_TRUE(got);
  EXPECT_EQ(data.GetBitmap().GetSize(), wxSize(1000, 1000));
  // The copy draws the chart, so the next one has the chart's extent.
  EXPECT_LT(m_view->GetTotalSize().x, 1000);
  EXPECT_TRUE(m_view->CopyAsSvg());
}

TEST_F(ChartViewTest, SettingsDialogTakesTheWidthAndRefusesOneBelowTwo) {
  MessageRecorder messages;
  DialogDriver driver({Steps({Type(CChartSetDlg::IDC_WIDTH, "1"), PressButton(wxID_OK),
                              [](wxDialog* d) { EXPECT_TRUE(d->IsModal()); },
                              Type(CChartSetDlg::IDC_WIDTH, "20"), PressButton(wxID_OK)})});
  Command(ID_CHART_SETTINGS);
  EXPECT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(m_view->m_nBoxWidth, 20);
  EXPECT_EQ(AfxGetProfileInt("View", "ChartWidth", -1), 20);
  EXPECT_EQ(AfxGetProfileInt("View", "ChartTreeBox", -1), 1);
}

TEST_F(ChartViewTest, PrintingDrawsAtTheTopLeftOfThePrintableArea) {
  wxBitmap page(850, 1100);
  wxMemoryDC dc(page);
  m_view->PrintChart(dc, wxSize(100, 100));
  EXPECT_GT(dc.GetDeviceOrigin().x, 0);
  EXPECT_GT(m_view->GetLastLayout().boxes.size(), 0u);
  EXPECT_EQ(m_view->GetLastLayout().boxes[0].rect.left, 5);
}

TEST(WrapChartText, BreaksAtBlanksBetweenDoubleByteCharactersAndInsideTooLongWords) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  wxBitmap bitmap(10, 10);
  wxMemoryDC dc(bitmap);
  const int three = dc.GetTextExtent("aaa").x;
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"aaa aaa", {"aaa", "aaa"}},
      {"  aaa", {"aaa"}},
      {"aaaaaaa", {"aaa", "aaa", "a"}},
      {"", {""}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    for (const wxString& line : WrapChartText(c.text, three, dc)) got.push_back(line.utf8_string());
    EXPECT_EQ(got, c.lines) << c.text;
  }
  const wxString kana = wxString::FromUTF8("\xe3\x81\x82\xe3\x81\x84\xe3\x81\x86\xe3\x81\x88");  // four kana
  const int two = dc.GetTextExtent(kana.Left(2)).x;
  const std::vector<wxString> lines = WrapChartText(kana, two, dc);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], kana.Left(2));
  EXPECT_EQ(lines[1], kana.Mid(2));
}
