// Printing the outline from the tree pane: what is printed, and the preview.
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/print.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>
#include <wx/gtk/print.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/PrinterSettings.h"
#include "tests/shell/treeview/TreePaneFixture.h"
#include "treeview/CTreePrintPreview.h"
#include "treeview/CTreePrintout.h"

namespace treepane_test {
namespace {

// Answers GTK's own print dialog as a user would: once it has selected the printer that the
// settings name, presses Print. Gives up (Cancel) when no printer is selected after a long while.
struct PrintDialogAnswer {
  bool answered = false;
  std::string printer;
  int polls = 0;
};

gboolean AnswerPrintDialog(gpointer data) {
  auto* state = static_cast<PrintDialogAnswer*>(data);
  GList* windows = gtk_window_list_toplevels();
  for (GList* window = windows; window && !state->answered; window = window->next) {
    if (std::strcmp(G_OBJECT_TYPE_NAME(window->data), "GtkPrintUnixDialog") != 0) continue;
    GObject* printer = nullptr;
    g_object_get(window->data, "selected-printer", &printer, nullptr);
    if (printer) {
      gchar* name = nullptr;
      g_object_get(printer, "name", &name, nullptr);
      state->printer = name ? name : "";
      g_free(name);
      g_object_unref(printer);
    }
    if (printer || ++state->polls > 1200) {
      state->answered = true;
      gtk_dialog_response(GTK_DIALOG(window->data), printer ? GTK_RESPONSE_OK : GTK_RESPONSE_CANCEL);
    }
  }
  g_list_free(windows);
  return state->answered ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
}

// The number of pages of a PDF file as pdfinfo reads it; -1 when it cannot.
int PdfPageCount(const std::string& path) {
  FILE* pipe = popen(("pdfinfo '" + path + "' 2>/dev/null").c_str(), "r");
  if (!pipe) return -1;
  int pages = -1;
  char line[512];
  while (fgets(line, sizeof line, pipe))
    if (std::strncmp(line, "Pages:", 6) == 0) pages = std::atoi(line + 6);
  pclose(pipe);
  return pages;
}

class TreePrintTest : public TreePaneTest {
 protected:
  void TearDown() override {
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* preview = dynamic_cast<wxPreviewFrame*>(window)) preview->Destroy();
    TreePaneTest::TearDown();
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
  CKestavonDoc* OpenLong(int count) {
    return OpenOutline(Paths(count), [](ATREE& tree) {
      for (int i = 1; i < tree.GetDirDataCount(); ++i) tree.SetText(i, "本文の一行目\r\n二行目 of the text\r\n");
      tree.GetProperties().m_strHeader = "見出し &p";
    });
  }
  static std::vector<std::string> Paths(int count) {
    std::vector<std::string> paths = {"Top"};
    for (int i = 1; i < count; ++i) paths.push_back("Top/item" + std::to_string(i));
    return paths;
  }
};

TEST_F(TreePrintTest, AnOutlineThatTheFilterEmptiesIsNotPrinted) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/B"});
  ASSERT_TRUE(doc);
  doc->GetTree().SetCheckFilter(1);  // only checked trees, and none is checked
  ScopedMessageBoxHook hook(IDOK);
  Command(ID_FILE_PRINT_PREVIEW);
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text.str(), std::string("印刷対象ツリーがありません"));
  EXPECT_FALSE(OpenPreview());
}

// The pane's check-mark text marks checked titles; a text loses its first line only when the
// document puts the title there, not when new items take the caret into the text.
TEST_F(TreePrintTest, PrintTakesTheCheckMarkTextAndTheDocumentsTitleLineOption) {
  Setting("Mark", "Check", "◎");
  m_app->m_bAfterText = 1;
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A"});
  ASSERT_TRUE(doc);
  TreePrintSettings settings = ViewOf(doc)->GetPrintSettings();
  EXPECT_EQ(settings.checkText.str(), std::string("◎"));
  EXPECT_EQ(settings.titleFirstLine, 0);
  doc->GetTree().GetProperties().m_bAutoTitle = 1;
  EXPECT_EQ(ViewOf(doc)->GetPrintSettings().titleFirstLine, 1);
}

TEST_F(TreePrintTest, ThePreviewLaysOutOnlyThePagesUpToTheOneShown) {
  Setting("Print", "PageMode", "0");
  Setting("Print", "Page", "2");
  CKestavonDoc* doc = OpenLong(30);
  ASSERT_TRUE(doc);
  Command(ID_FILE_PRINT_PREVIEW);
  wxPreviewFrame* frame = OpenPreview();
  ASSERT_TRUE(frame);
  wxPrintPreviewBase* preview = PreviewOf(frame);
  ASSERT_TRUE(preview);
  auto* shown = dynamic_cast<CTreePrintout*>(preview->GetPrintout());
  ASSERT_TRUE(shown);
  ASSERT_TRUE(preview->RenderPage(5));
  EXPECT_EQ(shown->GetJob().GetLaidOutPages(), 5);
  EXPECT_EQ(shown->GetJob().GetPageStarts()[4].item, 4);
  if (const char* shot = std::getenv("KESTA_TREE_PREVIEW_SHOT")) {
    frame->SetSize(wxSize(900, 1000));
    preview->SetZoom(50);
    preview->SetCurrentPage(5);
    frame->Raise();
    for (int i = 0; i < 50; ++i) {
      frame->Refresh();
      frame->Update();
      wxYield();
    }
    std::system((std::string("import -window root ") + shot).c_str());
  }

  // The page itself, drawn on a bitmap at the screen's resolution: something in the header band
  // and something in the body.
  std::unique_ptr<CTreePrintout> printout = ViewOf(doc)->MakePrintout();
  ASSERT_TRUE(printout);
  wxBitmap bitmap(600, 850);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  printout->SetDC(&dc);
  printout->SetPageSizePixels(600, 850);
  printout->SetPPIPrinter(96, 96);
  printout->SetPPIScreen(96, 96);
  printout->SetPaperRectPixels(wxRect(0, 0, 600, 850));
  ASSERT_TRUE(printout->OnPrintPage(5));
  dc.SelectObject(wxNullBitmap);
  if (const char* shot = std::getenv("KESTA_TREE_PRINT_SHOT")) bitmap.SaveFile(shot, wxBITMAP_TYPE_PNG);
  const wxImage image = bitmap.ConvertToImage();
  auto inked = [&](int top, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < image.GetWidth(); ++x)
        if (image.GetRed(x, y) < 128) return true;
    return false;
  };
  EXPECT_TRUE(inked(0, 120));
  EXPECT_TRUE(inked(120, 700));
}

TEST_F(TreePrintTest, ThePreviewShowsNoPageTotalUntilTheLastPageIsFound) {
  Setting("Print", "PageMode", "0");
  CKestavonDoc* doc = OpenLong(12);
  ASSERT_TRUE(doc);
  Command(ID_FILE_PRINT_PREVIEW);
  wxPreviewFrame* frame = OpenPreview();
  ASSERT_TRUE(frame);
  auto* preview = dynamic_cast<CTreePrintPreview*>(PreviewOf(frame));
  ASSERT_TRUE(preview);
  auto* shown = static_cast<CTreePrintout*>(preview->GetPrintout());
  wxPreviewControlBar* bar = nullptr;
  for (wxWindow* child : frame->GetChildren())
    if (auto* found = dynamic_cast<wxPreviewControlBar*>(child)) bar = found;
  ASSERT_TRUE(bar);
  auto total = [&] {
    for (wxWindow* child : bar->GetChildren())
      if (auto* text = dynamic_cast<wxStaticText*>(child); text && text->GetLabel().StartsWith("/"))
        return text->GetLabel().ToStdString();
    return std::string("(none)");
  };

  ASSERT_TRUE(preview->RenderPage(3));
  EXPECT_EQ(total(), "/ ?");
  EXPECT_GT(preview->GetMaxPage(), 3) << "the next pages can still be asked for";

  // The last-page button asks for the largest page there may be: the pages on the way are laid
  // out once each and the preview stops at the real last one, whose number becomes the total.
  wxCommandEvent last(wxEVT_BUTTON, wxID_PREVIEW_LAST);
  bar->ProcessWindowEvent(last);
  wxTheApp->ProcessPendingEvents();
  EXPECT_TRUE(shown->GetJob().IsComplete());
  EXPECT_EQ(preview->GetCurrentPage(), 12);
  EXPECT_EQ(preview->GetMaxPage(), 12);
  EXPECT_EQ(shown->GetJob().GetLaidOutPages(), 12);
  auto* field = dynamic_cast<wxTextCtrl*>(bar->FindWindow(wxID_PREVIEW_GOTO));
  ASSERT_TRUE(field);
  EXPECT_EQ(field->GetValue(), "12");
  EXPECT_EQ(total(), "/ 12");
}

TEST_F(TreePrintTest, PrintingToAPdfFileThroughThePrintDialogGivesItsPages) {
  Setting("Print", "PageMode", "0");  // one item a page
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/B", "Top/B/C"});
  ASSERT_TRUE(doc);
  const std::string pdf = m_dir + "/outline.pdf";
  // The dialog starts on the file printer with the file and format chosen, as a user leaves it;
  // the program's printer settings are a fresh set again after the test.
  struct FreshPrinter {
    ~FreshPrinter() { GetAppPrintData() = wxPrintData(); }
  } fresh;
  wxPrintData& data = GetAppPrintData();
  // GTK names its file printer in the user's language.
  const std::string filePrinter = g_dgettext("gtk30", "Print to File");
  data.SetPrinterName(wxString::FromUTF8(filePrinter));
  data.ConvertToNative();
  GtkPrintSettings* settings = static_cast<wxGtkPrintNativeData*>(data.GetNativeData())->GetPrintConfig();
  gchar* uri = g_filename_to_uri(pdf.c_str(), nullptr, nullptr);
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
  g_free(uri);
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");

  PrintDialogAnswer answer;
  g_timeout_add(50, AnswerPrintDialog, &answer);
  Command(ID_FILE_PRINT);
  ASSERT_TRUE(answer.answered);
  ASSERT_EQ(answer.printer, filePrinter) << "the dialog selected another printer, or none";
  EXPECT_EQ(PdfPageCount(pdf), 4);
}

}  // namespace
}  // namespace treepane_test
