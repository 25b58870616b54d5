#include "foundation/CPrintMargins.h"

#include <wx/dc.h>
#include <wx/dcprint.h>
#include <wx/generic/prntdlgg.h>

#include <algorithm>

#include "platform/framework/CWinApp.h"
#include "platform/framework/PrinterSettings.h"

namespace {

const int kDefaultMargin = 1000;

// The dialog edits whole millimetres; a value the user left alone keeps its finer stored form.
LONG FromMillimetres(int millimetres, LONG before) {
  return millimetres == before / 100 ? before : static_cast<LONG>(millimetres) * 100;
}

}  // namespace

CPrintMargins::CPrintMargins() : m_rectMargin{kDefaultMargin, kDefaultMargin, kDefaultMargin, kDefaultMargin} {}

CPrintMargins::~CPrintMargins() = default;

void CPrintMargins::Load(const char* section) {
  m_strSection = section;
  CWinApp* app = AfxGetApp();
  auto read = [&](const char* key) { return app ? app->GetProfileInt(section, key, kDefaultMargin) : kDefaultMargin; };
  m_rectMargin.top = read("PrintMarginTop");
  m_rectMargin.bottom = read("PrintMarginBottom");
  m_rectMargin.right = read("PrintMarginRight");
  m_rectMargin.left = read("PrintMarginLeft");
}

void CPrintMargins::Save() const {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  app->WriteProfileInt(m_strSection, "PrintMarginTop", m_rectMargin.top);
  app->WriteProfileInt(m_strSection, "PrintMarginBottom", m_rectMargin.bottom);
  app->WriteProfileInt(m_strSection, "PrintMarginRight", m_rectMargin.right);
  app->WriteProfileInt(m_strSection, "PrintMarginLeft", m_rectMargin.left);
}

void CPrintMargins::PageSetup(wxWindow* parent) {
  wxPageSetupDialogData data(GetAppPrintData());
  data.EnableMargins(true);
  data.SetDefaultMinMargins(false);
  data.SetMinMarginTopLeft(wxPoint(0, 0));
  data.SetMinMarginBottomRight(wxPoint(0, 0));
  data.SetMarginTopLeft(wxPoint(m_rectMargin.left / 100, m_rectMargin.top / 100));
  data.SetMarginBottomRight(wxPoint(m_rectMargin.right / 100, m_rectMargin.bottom / 100));
  // The desktop's own page-setup dialog has no margin fields; wx's own one has.
  wxGenericPageSetupDialog dialog(parent, &data);
  if (dialog.ShowModal() != wxID_OK) return;

  const wxPageSetupDialogData& chosen = dialog.GetPageSetupDialogData();
  const wxPoint topLeft = chosen.GetMarginTopLeft();
  const wxPoint bottomRight = chosen.GetMarginBottomRight();
  m_rectMargin.left = FromMillimetres(topLeft.x, m_rectMargin.left);
  m_rectMargin.top = FromMillimetres(topLeft.y, m_rectMargin.top);
  m_rectMargin.right = FromMillimetres(bottomRight.x, m_rectMargin.right);
  m_rectMargin.bottom = FromMillimetres(bottomRight.y, m_rectMargin.bottom);
  GetAppPrintData() = chosen.GetPrintData();
  Save();
}

void CPrintMargins::NarrowRect(RECT& rect, double ratioX, double ratioY, POINT offset) const {
  auto inset = [](LONG margin, double ratio, LONG edgeOffset) {
    const double d = margin / ratio - edgeOffset;
    return std::max(d, static_cast<double>(edgeOffset));
  };
  rect.left = static_cast<LONG>(rect.left + inset(m_rectMargin.left, ratioX, offset.x));
  rect.top = static_cast<LONG>(rect.top + inset(m_rectMargin.top, ratioY, offset.y));
  rect.right = static_cast<LONG>(rect.right - inset(m_rectMargin.right, ratioX, offset.x));
  rect.bottom = static_cast<LONG>(rect.bottom - inset(m_rectMargin.bottom, ratioY, offset.y));
}

void CPrintMargins::GetPrintRect(wxDC& dc, RECT& rectDraw) const {
  const wxSize millimetres = dc.GetSizeMM();
  const wxSize pixels = dc.GetSize();
  if (pixels.x > 0 && pixels.y > 0 && millimetres.x > 0 && millimetres.y > 0) {
    POINT offset;
    if (auto* printer = dynamic_cast<wxPrinterDC*>(&dc)) {
      // The paper rectangle is given from the printable area's origin.
      const wxRect paper = printer->GetPaperRect();
      offset.x = -paper.x;
      offset.y = -paper.y;
    }
    NarrowRect(rectDraw, millimetres.x * 100.0 / pixels.x, millimetres.y * 100.0 / pixels.y, offset);
  }
  rectDraw.left = dc.DeviceToLogicalX(rectDraw.left);
  rectDraw.right = dc.DeviceToLogicalX(rectDraw.right);
  rectDraw.top = dc.DeviceToLogicalY(rectDraw.top);
  rectDraw.bottom = dc.DeviceToLogicalY(rectDraw.bottom);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
}
