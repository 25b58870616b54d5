// The per-tree HTML and text dialogs: the HTML one takes and gives the document's properties, the
// text one its "TextPage" settings; the folder and index-file buttons fill their fields; Cancel
// changes nothing.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "convert/CHtmlDlg.h"
#include "convert/CTextPageDlg.h"
#include "model/CDocProperties.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/DialogDriving.h"
#include "tests/convert/ExportDialogTestSupport.h"
#include "tests/model/ModelTestSupport.h"

namespace {

wxTextCtrl* Edit(wxWindow* d, int id) { return static_cast<wxTextCtrl*>(d->FindWindow(id)); }
wxCheckBox* Check(wxWindow* d, int id) { return static_cast<wxCheckBox*>(d->FindWindow(id)); }
wxChoice* Choice(wxWindow* d, int id) { return static_cast<wxChoice*>(d->FindWindow(id)); }

// Answers the two choosers as a user would, and notes where the index chooser started.
template <class Dialog>
class Answering : public Dialog {
 public:
  using Dialog::Dialog;
  std::vector<std::string> m_indexAsked;

 protected:
  BOOL ChooseFolder(CString& folder) override {
    folder = "/out/ページ";
    return TRUE;
  }
  BOOL ChooseIndexFile(const char* folder, const char* name, CString& path) override {
    m_indexAsked.push_back(std::string(folder) + "|" + name);
    path = "/elsewhere/目次.html";
    return TRUE;
  }
};

TEST(CHtmlDlg, ANewDocumentStartsEmptyAndOkSetsTheFourProperties) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  CDocProperties properties;
  wxString dirShown = "x", indexShown = "x";
  {
    Answering<CHtmlDlg> dialog(nullptr, properties);
    WhenShown run([&](wxDialog* d) {
      dirShown = Edit(d, CHtmlDlg::IDC_DIR)->GetValue();
      indexShown = Edit(d, CHtmlDlg::IDC_INDEX_FILE)->GetValue();
      Click(d, CHtmlDlg::IDC_BROWSE_DIR);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(dirShown, "");
  EXPECT_EQ(indexShown, "");
  EXPECT_EQ(properties.m_bHtmlDirSet, 0);
  EXPECT_EQ(properties.m_strHtmlDir, "");

  Answering<CHtmlDlg> dialog(nullptr, properties);
  dialog.m_strDir = "/doc";  // the caller's proposal
  dialog.m_strIndexFile = "doc.html";
  WhenShown run([&](wxDialog* d) {
    Click(d, CHtmlDlg::IDC_BROWSE_DIR);
    Click(d, CHtmlDlg::IDC_BROWSE_INDEX);
    Check(d, CHtmlDlg::IDC_SHO_STR)->SetValue(true);
    Check(d, CHtmlDlg::IDC_SELECT_TREE)->SetValue(false);
    Click(d, CHtmlDlg::IDC_OUTPUT_PREVIEW);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.m_bPreview);
  ASSERT_EQ(dialog.m_indexAsked.size(), 1u);
  EXPECT_EQ(dialog.m_indexAsked[0], "/out/ページ|doc.html");  // starts in the folder field
  EXPECT_EQ(properties.m_bHtmlDirSet, 1);
  EXPECT_EQ(properties.m_strHtmlDir, "/out/ページ");
  EXPECT_EQ(properties.m_strHtmlIndexFile, "目次.html");  // the name only
  EXPECT_EQ(properties.m_nHtmlShoStr, 1);
  EXPECT_EQ(properties.m_nHtmlSelectTree, 0);

  // Once set, the document's values win over the caller's proposal.
  Answering<CHtmlDlg> again(nullptr, properties);
  again.m_strDir = "/doc";
  wxString dirAgain;
  WhenShown runAgain([&](wxDialog* d) {
    dirAgain = Edit(d, CHtmlDlg::IDC_DIR)->GetValue();
    Click(d, IDOK);
  });
  EXPECT_EQ(again.DoModal(), IDOK);
  EXPECT_FALSE(again.m_bPreview);
  EXPECT_EQ(WxToCP932(dirAgain), "/out/ページ");
}

TEST(CHtmlDlg, OptionsOpensTheHtmlOptionSheetOnTheDocument) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const kesta_test::ScopedSettingsFile settings(kesta_test::MakeTempDir("htmldlg") + "/kesta32.ini");
  CDocProperties properties;
  CHtmlDlg dialog(nullptr, properties);
  std::string caption;
  model_test::DialogDriver driver({[](wxDialog* d) { Click(d, CHtmlDlg::IDC_OPTIONS); },
                                   [&](wxDialog* sheet) {
                                     caption = WxToCP932(sheet->GetTitle()).str();
                                     Click(sheet, wxID_OK);
                                   },
                                   [](wxDialog* d) { Click(d, IDCANCEL); }});
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(caption, "HTML出力のオプション");
  EXPECT_EQ(properties.m_bHtmlOptionsSet, 1);
  EXPECT_EQ(properties.m_bHtmlDirSet, 0);
}

TEST(CTextPageDlg, OkWritesItsFiveKeysAndCancelNothing) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  const std::string conf = kesta_test::MakeTempDir("textpage") + "/kesta32.ini";
  export_dialog_test::WriteSettings(conf, "Css=a.css\r\n");
  const kesta_test::ScopedSettingsFile settings(conf);
  AfxWriteProfileInt("TextPage", "Naming", 1);
  AfxWriteProfileString("InitDir", "HtmlTextPage", "/last/index.txt");
  const std::string before = kesta_test::ReadBytes(conf);
  int namingShown = -1;
  {
    Answering<CTextPageDlg> dialog(nullptr);
    WhenShown run([&](wxDialog* d) {
      namingShown = Choice(d, CTextPageDlg::IDC_NAMING)->GetSelection();
      Click(d, CTextPageDlg::IDC_BROWSE_DIR);
      Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(namingShown, 1);
  EXPECT_EQ(kesta_test::ReadBytes(conf), before);

  Answering<CTextPageDlg> dialog(nullptr);
  dialog.m_strDir = "/doc";
  dialog.m_strIndexFile = "doc.txt";
  WhenShown run([&](wxDialog* d) {
    Click(d, CTextPageDlg::IDC_BROWSE_DIR);
    Click(d, CTextPageDlg::IDC_BROWSE_INDEX);
    Choice(d, CTextPageDlg::IDC_NAMING)->SetSelection(0);
    Check(d, CTextPageDlg::IDC_TITLE)->SetValue(false);
    Click(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_EQ(dialog.m_indexAsked.size(), 1u);
  EXPECT_EQ(dialog.m_indexAsked[0], "/last/index.txt|doc.txt");
  EXPECT_EQ(AfxGetProfileString("InitDir", "HtmlTextPage", ""), "/elsewhere/目次.html");
  EXPECT_EQ(AfxGetProfileString("TextPage", "Dir", ""), "/out/ページ");
  EXPECT_EQ(AfxGetProfileString("TextPage", "IndexFile", ""), "/elsewhere/目次.html");  // the full path
  EXPECT_EQ(AfxGetProfileInt("TextPage", "Naming", -1), 0);
  EXPECT_EQ(AfxGetProfileInt("TextPage", "Title", -1), 0);
  EXPECT_EQ(AfxGetProfileInt("TextPage", "SelectTree", -1), 1);
  const std::string after = kesta_test::ReadBytes(conf);
  EXPECT_EQ(export_dialog_test::WithoutSection(export_dialog_test::WithoutSection(after, "TextPage"), "InitDir"),
            export_dialog_test::WithoutSection(export_dialog_test::WithoutSection(before, "TextPage"), "InitDir"));
}

}  // namespace
