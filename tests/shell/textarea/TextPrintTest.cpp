#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/print.h>

#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/FrameworkIds.h"
#include "resources/CommandIds.h"
#include "tests/shell/textarea/TextAreaFixture.h"
#include "textarea/CTextPrintout.h"

namespace {

class TextPrintTest : public textarea_test::TextAreaTest {
 protected:
  void TearDown() override {
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* preview = dynamic_cast<wxPreviewFrame*>(window)) preview->Destroy();
    TextAreaTest::TearDown();
  }
  // The text pane of an item holding the text, in a document with a header and a footer.
  CIEditView* OpenText(const std::string& text) {
    return OpenPane(text, "top", [](ATREE& tree) {
      tree.GetProperties().m_strHeader = "見出し";
      tree.GetProperties().m_strFooter = "足";
    });
  }
  static wxPreviewFrame* OpenPreview() {
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* preview = dynamic_cast<wxPreviewFrame*>(window)) return preview;
    return nullptr;
  }
  static wxPrintPreviewBase* PreviewOf(wxPreviewFrame* frame) {
    for (wxWindow* child : frame->GetChildren())
      if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) return bar->GetPrintPreview();
    return nullptr;
  }
  static std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "行 " + std::to_string(i) + " of the text to print\r\n";
    return text;
  }
};

TEST_F(TextPrintTest, TheTextOnlyCommandPreviewsTheTextPageByPage) {
  Setting("Print", "Page", "2");
  CIEditView* pane = OpenText(Lines(130));
  ASSERT_TRUE(pane);
  SendTo(pane, ID_FILE_PRINT_TEXT_ONLY);
  wxPreviewFrame* frame = OpenPreview();
  ASSERT_TRUE(frame);
  EXPECT_TRUE(pane->m_bTextPrint);
  wxPrintPreviewBase* preview = PreviewOf(frame);
  ASSERT_TRUE(preview);
  // The whole second page in view, footer included.
  frame->SetSize(wxSize(900, 1000));
  preview->SetZoom(50);
  ASSERT_TRUE(preview->RenderPage(2));
  preview->SetCurrentPage(2);
  EXPECT_EQ(preview->GetMaxPage(), 3);
  auto* printout = dynamic_cast<CTextPrintout*>(preview->GetPrintout());
  ASSERT_TRUE(printout);
  // Pages follow each other without a gap: page 2 starts at a line of the text.
  ASSERT_EQ(printout->GetPageStarts().size(), 3u);
  const std::string text = pane->GetPrintText().str();
  const size_t second = static_cast<size_t>(printout->GetPageStarts()[1]);
  EXPECT_EQ(text.compare(second, 3, "行 "), 0);
  EXPECT_EQ(text[second - 1], '\n');
  // The preview's own words are the program's Japanese ones, whatever the locale.
  ASSERT_TRUE(frame->GetStatusBar());
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), CP932ToWx("2 / 3 ページ"));
  wxWindow* bar = frame->FindWindow(wxID_PREVIEW_CLOSE)->GetParent();
  EXPECT_EQ(bar->FindWindow(wxID_PREVIEW_CLOSE)->GetLabel(), CP932ToWx("閉じる(&C)"));
  for (wxWindow* child : bar->GetChildren()) {
    if (auto* button = dynamic_cast<wxButton*>(child); button && !button->GetLabel().empty()) {
      EXPECT_FALSE(button->GetLabel().IsAscii()) << button->GetLabel();
    }
    if (child->GetToolTip()) {
      EXPECT_FALSE(child->GetToolTipText().IsAscii()) << child->GetToolTipText();
    }
  }

  frame->Close(true);
  EXPECT_FALSE(pane->m_bTextPrint) << "the outline prints again once the preview is closed";
}

TEST_F(TextPrintTest, FootnotesAreNumberedInTheTextAndGatheredAfterIt) {
  CIEditView* pane = OpenText("本文<<<注の一>>> 続き<<<二>>> 終わり");
  ASSERT_TRUE(pane);
  EXPECT_EQ(pane->GetPrintText().str(), "本文(1)続き(2)終わり\r\n\r\n\r\n(1) 注の一\r\n(2) 二\r\n\r\n");
}

TEST_F(TextPrintTest, BandsComeFromTheDocumentAndTheSettings) {
  Setting("Print", "Page", "1");
  CIEditView* pane = OpenText("x");
  ASSERT_TRUE(pane);
  pane->OnPreparePrinting();
  const TextPrintBands bands = pane->GetPrintBands();
  EXPECT_EQ(bands.header.str(), "見出し");
  EXPECT_EQ(bands.footer.str(), "足");
  EXPECT_EQ(bands.pageStyle, 1);
  EXPECT_TRUE(bands.headerLine);
}

TEST_F(TextPrintTest, PrintGoesToTheOutlineUnlessTheTextWasAskedFor) {
  CIEditView* pane = OpenText("x");
  ASSERT_TRUE(pane);
  auto* tree = dynamic_cast<wxWindow*>(pane->GetDocument()->GetTreePane());
  ASSERT_TRUE(tree);
  // Stands in front of the tree pane and records the commands that reach it.
  struct Recorder : wxEvtHandler {
    std::vector<int> ids;
    bool TryBefore(wxEvent& event) override {
      if (event.GetEventType() == wxEVT_MENU) ids.push_back(event.GetId());
      return true;
    }
  } recorder;
  tree->PushEventHandler(&recorder);
  EXPECT_FALSE(pane->m_bTextPrint);
  SendTo(pane, ID_FILE_PRINT);
  tree->PopEventHandler();
  EXPECT_EQ(recorder.ids, std::vector<int>{ID_FILE_PRINT});
}

}  // namespace
