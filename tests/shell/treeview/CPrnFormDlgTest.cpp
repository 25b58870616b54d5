// The print-format dialog: its values in section "Print" of an ini file, its checks, the tree
// pane's command that runs it, and its buttons to the pane's print fonts and the line-breaking rules.
#include <wx/checkbox.h>
#include <wx/colordlg.h>
#include <wx/fontdlg.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <fstream>

#include "app/CKinsokuDlg.h"
#include "app/CKinsokuSettings.h"
#include "platform/desktop/CFont.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/treeview/ModalAnswers.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "treeview/CPrintFontDlg.h"
#include "treeview/CPrnFormDlg.h"

namespace treepane_test {
namespace {

TEST_F(TreePaneTest, PrintFormatsRoundTripThroughAFileAndAMissingSectionGivesTheDefaults) {
  const std::string file = m_dir + "/PrintKvn1.dat";
  {
    CPrnFormDlg dialog(nullptr);
    dialog.m_nBunsho = 0;
    dialog.m_nPage = 2;
    dialog.m_strHeader = "見出し &p %Y";
    dialog.m_nDangumi = 3;
    dialog.m_nLineHeight = -1;
    dialog.m_nPageMode = -1;
    dialog.m_bFontRel = 0;
    ASSERT_TRUE(dialog.SaveSettings(file.c_str()));
  }
  CPrnFormDlg loaded(nullptr);
  loaded.m_nPageMode = 3;
  loaded.LoadSettings(file.c_str());
  EXPECT_EQ(loaded.m_nBunsho, 0);
  EXPECT_EQ(loaded.m_nPage, 2);
  EXPECT_EQ(loaded.m_strHeader.str(), std::string("見出し &p %Y"));
  EXPECT_EQ(loaded.m_nDangumi, 3);
  EXPECT_EQ(loaded.m_nLineHeight, -1);
  EXPECT_EQ(loaded.m_nPageMode, -1);
  EXPECT_EQ(loaded.m_bFontRel, 0);
  // The values show as the user sees them: "自動" and the first page-break entry.
  loaded.TransferDataToWindow();
  EXPECT_EQ(WxToCP932(dynamic_cast<wxComboBox*>(loaded.FindWindow(CPrnFormDlg::IDC_LINE_MARGIN))->GetValue()).str(),
            std::string("自動"));
  EXPECT_EQ(dynamic_cast<wxChoice*>(loaded.FindWindow(CPrnFormDlg::IDC_PAGE_MODE))->GetSelection(), 0);
  EXPECT_FALSE(loaded.FindWindow(CPrnFormDlg::IDC_CHECK_PRINT)->IsEnabled()) << "texts are not printed";

  const std::string other = m_dir + "/other.dat";
  std::ofstream(other) << "[Other]\nBunsho=0\n";
  loaded.LoadSettings(other.c_str());
  EXPECT_EQ(loaded.m_nBunsho, 1);
  EXPECT_EQ(loaded.m_bCheckPrint, 1);
  EXPECT_EQ(loaded.m_nDangumi, 1);
  EXPECT_EQ(loaded.m_nPageMode, -1);
  EXPECT_EQ(loaded.m_strHeader.str(), "");
}

TEST_F(TreePaneTest, ColumnsOutsideOneToTenKeepThePrintFormatOpen) {
  CPrnFormDlg dialog(nullptr);
  dialog.TransferDataToWindow();
  for (const char* text : {"0", "11", "x"}) {
    ScopedMessageBoxHook hook(IDOK);
    dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CPrnFormDlg::IDC_COLUMNS))->ChangeValue(text);
    EXPECT_FALSE(dialog.TransferDataFromWindow()) << text;
    EXPECT_EQ(hook.Calls().size(), 1u);
  }
  dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CPrnFormDlg::IDC_COLUMNS))->ChangeValue("10");
  EXPECT_TRUE(dialog.TransferDataFromWindow());
  EXPECT_EQ(dialog.m_nDangumi, 10);
}

TEST_F(TreePaneTest, ThePrintFormatCommandGivesItsValuesToThePaneAndTheDocument) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A"});
  ASSERT_TRUE(doc);
  {
    ModalAnswers cancel([](wxDialog*) { return wxID_CANCEL; });
    Command(ID_FILE_PRINT_FORMAT);
    ASSERT_EQ(cancel.titles.size(), 1u);
  }
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(AfxGetProfileInt("Print", "FontZoom", -1), -1) << "cancel writes nothing";

  ModalAnswers ok([](wxDialog* dialog) {
    auto* form = static_cast<CPrnFormDlg*>(dialog);
    form->m_nDangumi = 2;
    form->m_bSelected = 1;
    form->m_strFooter = "足 &p";
    form->m_bHLine = 0;
    return IDOK;
  });
  Command(ID_FILE_PRINT_FORMAT);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(ViewOf(doc)->m_nPrintColumns, 2);
  EXPECT_EQ(ViewOf(doc)->m_bPrintSelected, 1);
  EXPECT_EQ(doc->GetTree().GetProperties().m_strFooter.str(), std::string("足 &p"));
  EXPECT_EQ(doc->GetTree().GetProperties().m_bHeaderLine, 0);
  EXPECT_EQ(AfxGetProfileInt("Print", "Dangumi", -1), 2);
  EXPECT_EQ(AfxGetProfileInt("Print", "FontZoom", -1), 2);
  EXPECT_FALSE(AfxGetProfileString("PrintFont0", "FaceName", "").IsEmpty()) << "the fonts are stored";
}

TEST_F(TreePaneTest, ThePrintFormatsButtonsOpenThePanesFontsAndTheProgramsLineBreakingRules) {
  Setting("PrintFont0", "FaceName", "IPAGothic");
  Setting("Print", "PrintFontColor0", "255");
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A"});
  ASSERT_TRUE(doc);
  const CString rulesBefore = GetKinsokuSettings().m_strKinsokuLast;
  GetKinsokuSettings().m_strKinsokuLast = "《";
  const wxFont chosen(wxFontInfo(20).FaceName("Noto Serif CJK JP"));
  wxString kinsokuShown;
  wxColour offeredColour;
  ModalAnswers answers([&](wxDialog* dialog) {
    auto press = [dialog](int id) {
      wxCommandEvent click(wxEVT_BUTTON, id);
      click.SetEventObject(dialog->FindWindow(id));
      dialog->FindWindow(id)->GetEventHandler()->ProcessEvent(click);
    };
    if (dynamic_cast<CPrnFormDlg*>(dialog)) {
      EXPECT_TRUE(dialog->FindWindow(CPrnFormDlg::IDC_FONTS)->IsEnabled());
      press(CPrnFormDlg::IDC_FONTS);
      press(CPrnFormDlg::IDC_KINSOKU);
      return IDOK;
    }
    if (dynamic_cast<CPrintFontDlg*>(dialog)) {
      press(CPrintFontDlg::ChangeId(kPrintFontLevel0));
      return IDOK;
    }
    if (auto* fonts = dynamic_cast<wxFontDialog*>(dialog)) {
      fonts->GetFontData().SetChosenFont(chosen);
      return static_cast<int>(wxID_OK);
    }
    if (auto* colours = dynamic_cast<wxColourDialog*>(dialog)) {
      offeredColour = colours->GetColourData().GetColour();
      return static_cast<int>(wxID_OK);
    }
    kinsokuShown = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(CKinsokuDlg::IDC_KINSOKU_LAST))->GetValue();
    return IDCANCEL;
  });
  Command(ID_FILE_PRINT_FORMAT);
  ASSERT_EQ(answers.titles.size(), 5u);  // print format, fonts, font and colour choosers, rules
  EXPECT_EQ(WxToCP932(answers.titles[1]), CString("印刷用フォントの設定"));
  EXPECT_EQ(WxToCP932(answers.titles[4]), CString("禁則処理"));
  EXPECT_EQ(offeredColour, wxColour(255, 0, 0)) << "the pane's own colour";
  EXPECT_EQ(WxToCP932(kinsokuShown), CString("《")) << "the program's one set of rules";
  // The pane's fonts, changed in the font dialog, are kept when the print format is confirmed.
  EXPECT_EQ(AfxGetProfileString("PrintFont0", "FaceName", ""), CString("Noto Serif CJK JP"));
  EXPECT_EQ(AfxGetProfileString("PrintFont1", "FaceName", ""), CString("ＭＳ ゴシック"));
  EXPECT_EQ(AfxGetProfileInt("Print", "PrintFontColor0", 0), 255);
  GetKinsokuSettings().m_strKinsokuLast = rulesBefore;

  CPrnFormDlg alone(nullptr);
  alone.TransferDataToWindow();
  EXPECT_FALSE(alone.FindWindow(CPrnFormDlg::IDC_FONTS)->IsEnabled()) << "no fonts were given";
}

}  // namespace
}  // namespace treepane_test
