// The print-font dialog: each sample shows its font in its colour, and only "変更" changes the
// caller's font and colour, from what the font and colour choosers answer.
#include <gtk/gtk.h>
#include <wx/colordlg.h>
#include <wx/fontdlg.h>
#include <wx/stattext.h>

#include <cmath>
#include <string>

#include "platform/desktop/CFont.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/ColorRef.h"
#include "platform/base/CodePage.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "treeview/CPrintFontDlg.h"

namespace treepane_test {
namespace {

void PushButton(wxWindow* dialog, int id) {
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(dialog->FindWindow(id));
  dialog->FindWindow(id)->GetEventHandler()->ProcessEvent(click);
}

// GTK's colour chooser hands back the colour its own widget holds, so that is where a user's
// choice goes.
void Pick(wxColourDialog* dialog, const wxColour& colour) {
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  GtkWidget* selection = gtk_color_selection_dialog_get_color_selection(GTK_COLOR_SELECTION_DIALOG(dialog->GetHandle()));
  const GdkRGBA rgba{colour.Red() / 255.0, colour.Green() / 255.0, colour.Blue() / 255.0, 1.0};
  gtk_color_selection_set_current_rgba(GTK_COLOR_SELECTION(selection), &rgba);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

std::string Face(const CFont& font) {
  LOGFONT lf{};
  font.GetLogFont(&lf);
  return lf.lfFaceName;
}

wxString Desc(const wxFont& font) { return font.GetNativeFontInfoDesc(); }

class PrintFontDlgTest : public TreePaneTest {
 protected:
  void SetUp() override {
    TreePaneTest::SetUp();
    MakeFonts();
  }
  void MakeFonts() {
    for (int i = 0; i < kPrintFontCount; ++i) {
      m_fonts[i].CreateFont(12 + 2 * i, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0x30, "ＭＳ ゴシック");
      m_colours[i] = RGB(20 * i, 0, 255 - 20 * i);
    }
  }
  CFont m_fonts[kPrintFontCount];
  COLORREF m_colours[kPrintFontCount];
};

TEST_F(PrintFontDlgTest, EachSampleShowsItsFontInItsColour) {
  CPrintFontDlg dialog(nullptr, m_fonts, m_colours);
  EXPECT_EQ(WxToCP932(dialog.GetTitle()), CString("印刷用フォントの設定"));
  for (int i = 0; i < kPrintFontCount; ++i) {
    auto* sample = dynamic_cast<wxStaticText*>(dialog.FindWindow(CPrintFontDlg::SampleId(i)));
    ASSERT_TRUE(sample) << i;
    EXPECT_EQ(Desc(sample->GetFont()), Desc(m_fonts[i].GetWxFont())) << i;
    EXPECT_EQ(sample->GetForegroundColour(), ColorRefToWx(m_colours[i])) << i;
  }
}

TEST_F(PrintFontDlgTest, ChangeTakesTheChosenFontAndColourAndCancelKeepsThem) {
  const wxFont chosen(wxFontInfo(30).FaceName("Noto Serif CJK JP").Bold());
  struct Case {
    const char* name;
    int fontAnswer, colourAnswer;
    bool fontChanged, colourChanged;
  };
  const Case cases[] = {{"both chosen", wxID_OK, wxID_OK, true, true},
                        {"font chooser cancelled", wxID_CANCEL, wxID_OK, false, false},
                        {"colour chooser cancelled", wxID_OK, wxID_CANCEL, true, false}};
  for (const Case& c : cases) {
    MakeFonts();
    const int index = 3;
    const std::string oldFace = Face(m_fonts[index]);
    const wxString oldDesc = Desc(m_fonts[index].GetWxFont());
    CPrintFontDlg dialog(nullptr, m_fonts, m_colours);
    wxFont offered;
    wxColour offeredColour;
    ModalAnswers answers([&](wxDialog* d) {
      if (auto* fonts = dynamic_cast<wxFontDialog*>(d)) {
        offered = fonts->GetFontData().GetInitialFont();
        fonts->GetFontData().SetChosenFont(chosen);
        return c.fontAnswer;
      }
      auto* colours = dynamic_cast<wxColourDialog*>(d);
      if (!colours) return static_cast<int>(wxID_NONE);
      offeredColour = colours->GetColourData().GetColour();
      Pick(colours, wxColour(1, 2, 3));
      return c.colourAnswer;
    });
    PushButton(&dialog, CPrintFontDlg::ChangeId(index));
    // The choosers start from the font and colour as they were.
    EXPECT_EQ(Desc(offered), oldDesc) << c.name;
    ASSERT_EQ(answers.titles.size(), c.fontAnswer == wxID_OK ? 2u : 1u) << c.name;
    if (c.fontAnswer == wxID_OK) {
      EXPECT_EQ(offeredColour, ColorRefToWx(RGB(20 * index, 0, 255 - 20 * index))) << c.name;
    }

    LOGFONT lf{};
    m_fonts[index].GetLogFont(&lf);
    if (c.fontChanged) {
      EXPECT_EQ(std::string(lf.lfFaceName), "Noto Serif CJK JP") << c.name;
      EXPECT_EQ(lf.lfHeight, -std::lround(30.0 * CFont::GetScreenPPI() / 72)) << c.name;
      EXPECT_EQ(lf.lfWeight, FW_BOLD) << c.name;
    } else {
      EXPECT_EQ(Face(m_fonts[index]), oldFace) << c.name;
      EXPECT_EQ(lf.lfHeight, 12 + 2 * index) << c.name;
    }
    EXPECT_EQ(m_colours[index], c.colourChanged ? RGB(1, 2, 3) : RGB(20 * index, 0, 255 - 20 * index)) << c.name;
    auto* sample = dialog.FindWindow(CPrintFontDlg::SampleId(index));
    EXPECT_EQ(Desc(sample->GetFont()), Desc(m_fonts[index].GetWxFont())) << c.name;
    EXPECT_EQ(sample->GetForegroundColour(), ColorRefToWx(m_colours[index])) << c.name;
    // The neighbours are not touched, and nothing goes to the settings.
    EXPECT_EQ(Face(m_fonts[index + 1]), oldFace) << c.name;
    EXPECT_EQ(m_colours[index + 1], RGB(20 * (index + 1), 0, 255 - 20 * (index + 1))) << c.name;
    EXPECT_TRUE(AfxGetProfileString("PrintFont3", "FaceName", "").IsEmpty()) << c.name;
  }
}

}  // namespace
}  // namespace treepane_test
