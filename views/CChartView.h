#pragma once
// The outline document as a box chart, a second view of the document in a window of its own:
// tall or wide layout, square or rounded boxes, slanted or right-angled connectors, the chart's
// font and colours, copies as a bitmap and as SVG, page setup, printing and preview.
#include <wx/scrolwin.h>

#include "foundation/CPrintMargins.h"
#include "platform/desktop/CFont.h"
#include "platform/framework/CView.h"
#include "platform/base/ColorRef.h"
#include "views/ChartDrawing.h"
#include "views/ChartLayout.h"

class ATREE;
class wxDC;
class wxUpdateUIEvent;

class CChartView : public CView {
 public:
  CChartView();
  ~CChartView() override;

  BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize) override;
  // Reads the settings, makes the font and starts with a 1000 x 1000 chart.
  void OnInitialUpdate() override;
  // Hint 1 leaves the chart as it is; everything else redraws it.
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

  // Lays the chart out for the context and draws it; the size of this drawing becomes the chart's.
  void OnDraw(wxDC& dc);
  // Page margins, then the chart at the top-left of the printable area, 1/100 inch a unit.
  void PrintChart(wxDC& dc, const wxSize& printerPPI);

  // The chart's size after the last drawing (1000 x 1000 before the first).
  wxSize GetTotalSize() const { return m_sizeTotal; }
  const ChartLayout& GetLastLayout() const { return m_layout; }

  // Copies: FALSE when no bitmap or no clipboard could be had.
  BOOL CopyAsBitmap();
  BOOL CopyAsSvg();

  int m_nBoxShape = 0;   // 0 square, 1 rounded corners
  int m_nLineStyle = 0;  // 0 slanted, 1 right-angled
  int m_nChart = 1;      // 0 tall, 1 wide
  int m_nBoxWidth = 14;
  int m_bTreeText = 1;
  int m_bTreeBox = 1;
  COLORREF m_crText = 0;
  COLORREF m_crLine = 0;
  COLORREF m_crBox = 0;
  CFont m_font;
  CPrintMargins m_margins;

 private:
  ATREE* GetTree() const;
  void CreateChartFont();
  ChartColors Colors() const;
  void Changed();

  void OnChoice(wxCommandEvent& event);
  void OnUpdateChoice(wxUpdateUIEvent& event);
  void OnFont(wxCommandEvent& event);
  void OnColor(wxCommandEvent& event);
  void OnSettings(wxCommandEvent& event);
  void OnCopyBitmap(wxCommandEvent& event);
  void OnCopySvg(wxCommandEvent& event);
  void OnPageSetup(wxCommandEvent& event);
  void OnPrint(wxCommandEvent& event);
  void OnPrintPreview(wxCommandEvent& event);
  void OnFileClose(wxCommandEvent& event);
  void OnUpdateEnabled(wxUpdateUIEvent& event);

  wxScrolledCanvas* m_canvas = nullptr;
  wxSize m_sizeTotal{1000, 1000};
  ChartLayout m_layout;

  wxDECLARE_EVENT_TABLE();
};
