#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/generic/prntdlgg.h>
#include <wx/modalhook.h>
#include <wx/radiobox.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>

#include "foundation/CPrintMargins.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/PrinterSettings.h"
#include "tests/common/TestSupport.h"

namespace {

class PrintMarginsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_conf = kesta_test::MakeTempDir("margins") + "/kesta32.conf";
    m_app.m_pszProfileName = m_conf.c_str();
  }
  static std::string Margins(const CPrintMargins& m) {
    const RECT& r = m.m_rectMargin;
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
  }
  CWinApp m_app{"Test"};
  std::string m_conf;
};

TEST_F(PrintMarginsTest, LoadReadsTheSectionWithTenMillimetreDefaults) {
  m_app.WriteProfileInt("TreePrint", "PrintMarginLeft", 1500);
  m_app.WriteProfileInt("TreePrint", "PrintMarginBottom", 250);
  CPrintMargins margins;
  margins.Load("PrintSet");
  EXPECT_EQ(Margins(margins), "1000,1000,1000,1000");
  margins.Load("TreePrint");
  EXPECT_EQ(Margins(margins), "1500,1000,1000,250");
  EXPECT_EQ(margins.m_strSection, CString("TreePrint"));
}

TEST_F(PrintMarginsTest, NarrowingMovesEachSideByItsMarginLessTheOffsetButAtLeastTheOffset) {
  CPrintMargins margins;
  margins.m_rectMargin = {1000, 500, 1000, 2000};
  // 10 hundredths of a millimetre per pixel: 1000 is 100 px, 500 is 50 px, 2000 is 200 px.
  RECT rect{0, 0, 2000, 3000};
  margins.NarrowRect(rect, 10.0, 10.0, POINT{30, 30});
  EXPECT_EQ(rect.left, 70);     // 100 - 30
  EXPECT_EQ(rect.top, 30);      // 50 - 30 = 20 is less than the offset
  EXPECT_EQ(rect.right, 1930);  // 2000 - 70
  EXPECT_EQ(rect.bottom, 2830);  // 3000 - 170

  RECT fine{0, 0, 1000, 1000};
  margins.m_rectMargin = {1000, 1000, 1000, 1000};
  margins.NarrowRect(fine, 3.0, 7.0, POINT{0, 0});
  EXPECT_EQ(fine.left, 333);  // 333.3 truncated
  EXPECT_EQ(fine.right, 666);  // 1000 - 333.3 = 666.6 truncated
  EXPECT_EQ(fine.top, 142);
}

TEST_F(PrintMarginsTest, PrintRectComesBackInLogicalUnits) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  wxBitmap bitmap(400, 400);
  wxMemoryDC dc(bitmap);
  dc.SetUserScale(2.0, 2.0);
  CPrintMargins margins;
  margins.m_rectMargin = {0, 0, 0, 0};
  RECT rect{0, 0, 400, 200};
  margins.GetPrintRect(dc, rect);
  EXPECT_EQ(rect.right, 200);
  EXPECT_EQ(rect.bottom, 100);
  EXPECT_EQ(dc.GetBackgroundMode(), wxBRUSHSTYLE_TRANSPARENT);
}

// Answers the page-setup dialog in place of the user.
class PageSetupAnswer : public wxModalDialogHook {
 public:
  explicit PageSetupAnswer(std::function<int(wxGenericPageSetupDialog&)> answer) : m_answer(std::move(answer)) {
    Register();
  }
  ~PageSetupAnswer() override { Unregister(); }
  int m_shown = 0;

 protected:
  int Enter(wxDialog* dialog) override {
    auto* setup = dynamic_cast<wxGenericPageSetupDialog*>(dialog);
    if (!setup) return wxID_NONE;
    ++m_shown;
    return m_answer(*setup);
  }
  void Exit(wxDialog*) override {}

 private:
  std::function<int(wxGenericPageSetupDialog&)> m_answer;
};

TEST_F(PrintMarginsTest, CancelledPageSetupChangesNothing) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  m_app.WriteProfileInt("ChartPrint", "PrintMarginTop", 1234);
  GetAppPrintData().SetOrientation(wxPORTRAIT);
  CPrintMargins margins;
  margins.Load("ChartPrint");
  const std::string before = kesta_test::ReadBytes(m_conf);
  PageSetupAnswer answer([](wxGenericPageSetupDialog& dialog) {
    dialog.m_marginLeftText->SetValue("25");
    dialog.m_orientationRadioBox->SetSelection(1);
    dialog.TransferDataFromWindow();
    return wxID_CANCEL;
  });
  margins.PageSetup();
  EXPECT_EQ(answer.m_shown, 1);
  EXPECT_EQ(Margins(margins), "1000,1234,1000,1000");
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), before);
  EXPECT_EQ(GetAppPrintData().GetOrientation(), wxPORTRAIT);
}

TEST_F(PrintMarginsTest, AcceptedPageSetupTakesMarginsAndPrinterAndWritesTheKeys) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  m_app.WriteProfileInt("PrintSet", "PrintMarginTop", 1250);
  GetAppPrintData().SetOrientation(wxPORTRAIT);
  CPrintMargins margins;
  margins.Load("PrintSet");
  PageSetupAnswer answer([](wxGenericPageSetupDialog& dialog) {
    EXPECT_EQ(dialog.m_marginTopText->GetValue(), "12");
    dialog.m_marginLeftText->SetValue("25");
    dialog.m_orientationRadioBox->SetSelection(1);
    dialog.TransferDataFromWindow();
    return wxID_OK;
  });
  margins.PageSetup();
  EXPECT_EQ(Margins(margins), "2500,1250,1000,1000");  // the untouched 12.5 mm keeps its value
  EXPECT_EQ(m_app.GetProfileInt("PrintSet", "PrintMarginLeft", 0), 2500);
  EXPECT_EQ(m_app.GetProfileInt("PrintSet", "PrintMarginBottom", 0), 1000);
  EXPECT_EQ(GetAppPrintData().GetOrientation(), wxLANDSCAPE);
  GetAppPrintData().SetOrientation(wxPORTRAIT);
}

}  // namespace
