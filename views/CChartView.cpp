#include "views/CChartView.h"

#include <cstdio>

#include <wx/clipbrd.h>
#include <wx/colordlg.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/filename.h>
#include <wx/fontdlg.h>
#include <wx/image.h>
#include <wx/print.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CPreviewFrame.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "views/CChartSetDlg.h"

namespace {

// The chart's drawing surface: it scrolls over the chart and paints it through the view.
class CChartCanvas : public wxScrolledCanvas {
 public:
  CChartCanvas(wxWindow* parent, CChartView* view) : wxScrolledCanvas(parent, wxID_ANY), m_view(view) {
    SetBackgroundColour(*wxWHITE);
    SetScrollRate(10, 10);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
      wxPaintDC dc(this);
      DoPrepareDC(dc);
      m_view->OnDraw(dc);
    });
  }

 private:
  CChartView* m_view;
};

class CChartPrintout : public wxPrintout {
 public:
  explicit CChartPrintout(CChartView* view) : wxPrintout("Kestavon"), m_view(view) {}
  bool HasPage(int page) override { return page == 1; }
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override {
    *minPage = *maxPage = *pageFrom = *pageTo = 1;
  }
  bool OnPrintPage(int) override {
    wxDC* dc = GetDC();
    if (!dc) return false;
    int x = 0;
    int y = 0;
    GetPPIPrinter(&x, &y);
    m_view->PrintChart(*dc, wxSize(x, y));
    return true;
  }

 private:
  CChartView* m_view;
};

struct ColorCommand {
  int id;
  const IntSetting& setting;
};
const ColorCommand kColorCommands[] = {{ID_CHART_COLOR_LINE, Settings::View::ChartColorLine},
                                       {ID_CHART_COLOR_BOX, Settings::View::ChartColorBox},
                                       {ID_CHART_COLOR_TEXT, Settings::View::ChartColorText}};

}  // namespace

wxBEGIN_EVENT_TABLE(CChartView, CView)
  EVT_MENU_RANGE(ID_CHART_BOX_SQUARE, ID_CHART_LINE_STRAIGHT, CChartView::OnChoice)
  EVT_MENU_RANGE(ID_CHART_WIDE, ID_CHART_TALL, CChartView::OnChoice)
  EVT_UPDATE_UI_RANGE(ID_CHART_BOX_SQUARE, ID_CHART_LINE_STRAIGHT, CChartView::OnUpdateChoice)
  EVT_UPDATE_UI_RANGE(ID_CHART_WIDE, ID_CHART_TALL, CChartView::OnUpdateChoice)
  EVT_MENU(ID_SETTINGS_FONT, CChartView::OnFont)
  EVT_MENU_RANGE(ID_CHART_COLOR_LINE, ID_CHART_COLOR_TEXT, CChartView::OnColor)
  EVT_MENU(ID_CHART_SETTINGS, CChartView::OnSettings)
  EVT_MENU(ID_EDIT_COPY, CChartView::OnCopyBitmap)
  EVT_MENU(ID_CHART_COPY_WMF, CChartView::OnCopySvg)
  EVT_MENU(ID_FILE_PAGE_SETUP, CChartView::OnPageSetup)
  EVT_MENU(ID_FILE_PRINT, CChartView::OnPrint)
  EVT_MENU(ID_FILE_PRINT_PREVIEW, CChartView::OnPrintPreview)
  EVT_MENU(ID_FILE_CLOSE, CChartView::OnFileClose)
  EVT_UPDATE_UI(ID_SETTINGS_FONT, CChartView::OnUpdateEnabled)
  EVT_UPDATE_UI_RANGE(ID_CHART_COLOR_LINE, ID_CHART_COLOR_TEXT, CChartView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_CHART_SETTINGS, CChartView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_EDIT_COPY, CChartView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_CHART_COPY_WMF, CChartView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_FILE_PAGE_SETUP, CChartView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_FILE_PRINT, CChartView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_FILE_PRINT_PREVIEW, CChartView::OnUpdateEnabled)
wxEND_EVENT_TABLE()

CChartView::CChartView() = default;

CChartView::~CChartView() = default;

BOOL CChartView::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!CView::Create(parent, id, pos, size)) return FALSE;
  m_canvas = new CChartCanvas(this, this);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_canvas, 1, wxEXPAND);
  SetSizer(sizer);
  return TRUE;
}

ATREE* CChartView::GetTree() const {
  auto* doc = dynamic_cast<CKestavonDoc*>(GetDocument());
  return doc ? &doc->GetTree() : nullptr;
}

void CChartView::OnInitialUpdate() {
  CView::OnInitialUpdate();
  m_margins.Load("ChartPrint");
  m_sizeTotal = wxSize(1000, 1000);
  m_canvas->SetVirtualSize(m_sizeTotal);
  m_nBoxShape = ReadSetting(Settings::View::Box);
  m_nLineStyle = ReadSetting(Settings::View::Line);
  m_nChart = ReadSetting(Settings::View::Chart);
  m_nBoxWidth = ReadSetting(Settings::View::ChartWidth);
  m_bTreeText = ReadSetting(Settings::View::ChartTreeText);
  m_bTreeBox = ReadSetting(Settings::View::ChartTreeBox);
  m_crText = static_cast<COLORREF>(ReadSetting(Settings::View::ChartColorText));
  m_crLine = static_cast<COLORREF>(ReadSetting(Settings::View::ChartColorLine));
  m_crBox = static_cast<COLORREF>(ReadSetting(Settings::View::ChartColorBox));
  CreateChartFont();
}

void CChartView::CreateChartFont() {
  ApplicationSettings().ReadFont(m_font, "CFont", "SYSTEM", 16, FW_NORMAL);
  SetFont(m_font.GetWxFont());
  m_canvas->SetFont(m_font.GetWxFont());
  m_canvas->Refresh();
}

void CChartView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
  if (hint == 1) return;
  CView::OnUpdate(sender, hint, hintObject);
  m_canvas->Refresh();
}

ChartColors CChartView::Colors() const {
  return ChartColors{m_nBoxShape, m_bTreeText, m_bTreeBox, m_crText, m_crLine, m_crBox};
}

void CChartView::OnDraw(wxDC& dc) {
  ATREE* tree = GetTree();
  if (!tree || (m_nChart != kChartTall && m_nChart != kChartWide)) return;
  const wxFont old = dc.GetFont();
  dc.SetFont(m_font.GetWxFont());
  CDCChartMeasurer measurer(dc);
  m_layout = LayoutChart(*tree, ChartOptions{m_nChart, m_nLineStyle, m_nBoxWidth}, measurer);
  PaintChart(dc, m_layout, *tree, Colors(), measurer);
  dc.SetFont(old);
  const wxSize size(m_layout.width, m_layout.height);
  if (size != m_sizeTotal) {
    m_sizeTotal = size;
    // Scrolling follows after this paint, not inside it.
    CallAfter([this] { m_canvas->SetVirtualSize(m_sizeTotal); });
  }
}

void CChartView::PrintChart(wxDC& dc, const wxSize& printerPPI) {
  const wxSize pixels = dc.GetSize();
  RECT rect{0, 0, pixels.x, pixels.y};
  m_margins.GetPrintRect(dc, rect);
  dc.SetDeviceOrigin(rect.left, rect.top);
  dc.SetUserScale(printerPPI.x / 100.0, printerPPI.y / 100.0);
  OnDraw(dc);
}

void CChartView::Changed() {
  if (CDocument* doc = GetDocument()) doc->UpdateAllViews(nullptr);
  else m_canvas->Refresh();
}

void CChartView::OnChoice(wxCommandEvent& event) {
  switch (event.GetId()) {
    case ID_CHART_BOX_SQUARE: m_nBoxShape = 0; WriteSetting(Settings::View::Box, 0); break;
    case ID_CHART_BOX_ROUND: m_nBoxShape = 1; WriteSetting(Settings::View::Box, 1); break;
    case ID_CHART_LINE_SLANT: m_nLineStyle = 0; WriteSetting(Settings::View::Line, 0); break;
    case ID_CHART_LINE_STRAIGHT: m_nLineStyle = 1; WriteSetting(Settings::View::Line, 1); break;
    case ID_CHART_TALL: m_nChart = kChartTall; WriteSetting(Settings::View::Chart, kChartTall); break;
    case ID_CHART_WIDE: m_nChart = kChartWide; WriteSetting(Settings::View::Chart, kChartWide); break;
    default: return;
  }
  Changed();
}

void CChartView::OnUpdateChoice(wxUpdateUIEvent& event) {
  switch (event.GetId()) {
    case ID_CHART_BOX_SQUARE: event.Check(m_nBoxShape == 0); break;
    case ID_CHART_BOX_ROUND: event.Check(m_nBoxShape == 1); break;
    case ID_CHART_LINE_SLANT: event.Check(m_nLineStyle == 0); break;
    case ID_CHART_LINE_STRAIGHT: event.Check(m_nLineStyle == 1); break;
    case ID_CHART_TALL: event.Check(m_nChart == kChartTall); break;
    case ID_CHART_WIDE: event.Check(m_nChart == kChartWide); break;
    default: break;
  }
}

void CChartView::OnUpdateEnabled(wxUpdateUIEvent& event) { event.Enable(true); }

void CChartView::OnFont(wxCommandEvent&) {
  wxFontData data;
  data.SetInitialFont(m_font.GetWxFont());
  wxFontDialog dialog(this, data);
  if (dialog.ShowModal() != wxID_OK) return;
  CFont chosen;
  if (!chosen.CreateFromWxFont(dialog.GetFontData().GetChosenFont())) return;
  LOGFONT lf{};
  chosen.GetLogFont(&lf);
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfPitchAndFamily = 48;
  // The chart keeps no character set of its own.
  WriteSetting(InSection(Settings::Font::FaceName, "CFont"), lf.lfFaceName);
  WriteSetting(InSection(Settings::Font::Size, "CFont"), lf.lfHeight);
  WriteSetting(InSection(Settings::Font::Weight, "CFont"), lf.lfWeight);
  WriteSetting(InSection(Settings::Font::Italic, "CFont"), lf.lfItalic);
  WriteSetting(InSection(Settings::Font::Underline, "CFont"), lf.lfUnderline);
  CreateChartFont();
  Changed();
}

void CChartView::OnColor(wxCommandEvent& event) {
  COLORREF* field = event.GetId() == ID_CHART_COLOR_LINE  ? &m_crLine
                    : event.GetId() == ID_CHART_COLOR_BOX ? &m_crBox
                                                          : &m_crText;
  wxColourData data;
  data.SetChooseFull(true);
  data.SetColour(ColorRefToWx(*field));
  wxColourDialog dialog(this, &data);
  if (dialog.ShowModal() != wxID_OK) return;
  *field = WxToColorRef(dialog.GetColourData().GetColour());
  for (const ColorCommand& command : kColorCommands)
    if (command.id == event.GetId()) WriteSetting(command.setting, static_cast<int>(*field));
  Changed();
}

void CChartView::OnSettings(wxCommandEvent&) {
  CChartSetDlg dialog(this);
  dialog.m_nWidth = m_nBoxWidth;
  dialog.m_bTreeBox = m_bTreeBox;
  dialog.m_bTreeText = m_bTreeText;
  if (dialog.DoModal() != IDOK) return;
  m_nBoxWidth = dialog.m_nWidth;
  m_bTreeText = dialog.m_bTreeText;
  m_bTreeBox = dialog.m_bTreeBox;
  WriteSetting(Settings::View::ChartWidth, m_nBoxWidth);
  WriteSetting(Settings::View::ChartTreeText, m_bTreeText);
  WriteSetting(Settings::View::ChartTreeBox, m_bTreeBox);
  Changed();
}

BOOL CChartView::CopyAsBitmap() {
  wxBitmap bitmap;
  if (m_sizeTotal.x > 0 && m_sizeTotal.y > 0) bitmap.Create(m_sizeTotal);
  if (!bitmap.IsOk()) {
    AfxMessageBox("ビットマップが作成できませんでした");
    return FALSE;
  }
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    OnDraw(dc);
  }
  // GTK hands bitmaps over the clipboard as PNG.
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  if (!wxTheClipboard->Open()) return FALSE;
  wxTheClipboard->SetData(new wxBitmapDataObject(bitmap));
  wxTheClipboard->Close();
  return TRUE;
}

BOOL CChartView::CopyAsSvg() {
  // No metafile here: the vector copy is an SVG picture, written through a private file.
  const wxString path = wxFileName::CreateTempFileName("kestachart");
  if (path.empty()) return FALSE;
  {
    wxSVGFileDC dc(path, m_sizeTotal.x, m_sizeTotal.y, 72, "Kestavon");
    OnDraw(dc);
  }
  wxFile file(path);
  wxMemoryBuffer bytes;
  const wxFileOffset length = file.IsOpened() ? file.Length() : 0;
  if (length > 0) file.Read(bytes.GetWriteBuf(static_cast<size_t>(length)), static_cast<size_t>(length));
  if (length > 0) bytes.UngetWriteBuf(static_cast<size_t>(length));
  file.Close();
  wxRemoveFile(path);
  if (bytes.GetDataLen() == 0 || !wxTheClipboard->Open()) return FALSE;
  auto* data = new wxCustomDataObject(wxDataFormat("image/svg+xml"));
  data->SetData(bytes.GetDataLen(), bytes.GetData());
  wxTheClipboard->SetData(data);
  wxTheClipboard->Close();
  return TRUE;
}

void CChartView::OnCopyBitmap(wxCommandEvent&) { CopyAsBitmap(); }

void CChartView::OnCopySvg(wxCommandEvent&) { CopyAsSvg(); }

void CChartView::OnPageSetup(wxCommandEvent&) { m_margins.PageSetup(this); }

void CChartView::OnPrint(wxCommandEvent&) {
  wxPrinter printer;
  CChartPrintout printout(this);
  printer.Print(this, &printout, true);
}

void CChartView::OnPrintPreview(wxCommandEvent&) {
  auto* preview = new wxPrintPreview(new CChartPrintout(this), new CChartPrintout(this));
  if (!preview->IsOk()) {
    delete preview;
    return;
  }
  auto* frame = new CPreviewFrame(preview, AfxGetMainFrameWindow(), CP932ToWx("印刷プレビュー"));
  frame->Initialize();
  frame->Show();
}

// The chart is one more window of the outline: closing it leaves the document and its other
// windows alone. Only when it is the document's last window does the document close, asking
// whether to save it.
void CChartView::OnFileClose(wxCommandEvent&) {
  if (CFrameWnd* frame = GetParentFrame()) frame->GetFrameWindow()->Close();
}
