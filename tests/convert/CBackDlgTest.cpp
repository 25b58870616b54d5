// The background dialog: the preview's colours (defaults for short fields), the colour buttons
// writing six digits, the image name, OK storing the fields and Cancel leaving the style alone.
#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/textctrl.h>

#include <memory>
#include <string>

#include "convert/CBackDlg.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"

namespace {

class TestDialog : public CBackDlg {
 public:
  TestDialog() : CBackDlg(nullptr) {}
  COLORREF m_chosen = RGB(255, 0, 0);

 protected:
  BOOL ChooseColor(COLORREF& color) override {
    color = m_chosen;
    return TRUE;
  }
  BOOL ChooseImage(CString& path) override {
    path = "/home/u/画像/bg.gif";
    return TRUE;
  }
};

std::string Field(wxWindow* d, int id) { return WxToCP932(DlgEdit(d, id)->GetValue()).str(); }

// Whether the preview, drawn into a bitmap, shows the colour anywhere.
bool PreviewShows(CBackPreview* preview, COLORREF color) {
  const wxSize size = preview->GetClientSize();
  wxBitmap bitmap(size.x, size.y);
  wxMemoryDC dc(bitmap);
  preview->Draw(dc);
  dc.SelectObject(wxNullBitmap);
  const wxImage image = bitmap.ConvertToImage();
  for (int y = 0; y < size.y; ++y) {
    for (int x = 0; x < size.x; ++x) {
      if (RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)) == color) return true;
    }
  }
  return false;
}

class CBackDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(kesta_test::MakeTempDir("back") + "/kesta32.ini");
  }
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
};

TEST_F(CBackDlgTest, AnEmptyBackgroundPreviewsGreyAndIsStoredEmpty) {
  TestDialog dialog;
  dialog.m_style.m_strLink = "FF0000";
  std::string backShown = "?";
  bool grey = false, red = false;
  WhenShown run([&](wxDialog* d) {
    backShown = Field(d, CBackDlg::IDC_BACK_COLOR);
    auto* preview = static_cast<TestDialog*>(d)->GetPreview();
    grey = PreviewShows(preview, RGB(0xC0, 0xC0, 0xC0));
    red = PreviewShows(preview, RGB(255, 0, 0));
    Click(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(backShown, "");
  EXPECT_TRUE(grey);
  EXPECT_TRUE(red);
  EXPECT_EQ(dialog.GetPreview()->m_crVisited, RGB(0x80, 0x00, 0x80));
  EXPECT_EQ(dialog.m_style.m_strBgColor, "");
  EXPECT_EQ(dialog.m_style.m_strLink, "FF0000");
}

TEST_F(CBackDlgTest, ColourButtonsWriteSixDigitsAndOkStoresTheFields) {
  TestDialog dialog;
  dialog.m_chosen = RGB(0x12, 0xAB, 0x0F);
  std::string textShown;
  COLORREF previewText = 0;
  WhenShown run([&](wxDialog* d) {
    Click(d, CBackDlg::IDC_TEXT_CHOOSE);
    textShown = Field(d, CBackDlg::IDC_TEXT_COLOR);
    previewText = static_cast<TestDialog*>(d)->GetPreview()->m_crText;
    Click(d, CBackDlg::IDC_BROWSE);
    DlgCheck(d, CBackDlg::IDC_FIXED)->SetValue(true);
    Click(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(textShown, "12AB0F");
  EXPECT_EQ(previewText, RGB(0x12, 0xAB, 0x0F));
  EXPECT_EQ(dialog.m_style.m_strText, "12AB0F");
  EXPECT_EQ(dialog.m_style.m_strBackground, "bg.gif");
  EXPECT_EQ(dialog.m_style.m_bFixed, 1);
}

TEST_F(CBackDlgTest, CancelLeavesTheStyleAsItWas) {
  TestDialog dialog;
  dialog.m_style.m_strBgColor = "FFFFFF";
  const CBodyStyle before = dialog.m_style;
  WhenShown run([&](wxDialog* d) {
    Click(d, CBackDlg::IDC_BACK_CHOOSE);
    Click(d, CBackDlg::IDC_BROWSE);
    Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(dialog.m_style == before);
}

}  // namespace
