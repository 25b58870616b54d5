#pragma once
// Page margins of one printing view (hundredths of a millimetre), kept in its settings section,
// edited with the page-setup dialog and applied to the drawing rectangle of a printer page.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxDC;
class wxPageSetupDialogData;
class wxWindow;

class CPrintMargins {
 public:
  CPrintMargins();
  ~CPrintMargins();

  // Reads the four margins (10 mm when missing) and remembers the section.
  void Load(const char* section);
  // The page-setup dialog with the margins and the application's printer; on OK both are taken
  // and the margins written to the section. A cancelled dialog changes nothing.
  void PageSetup(wxWindow* parent = nullptr);
  // Narrows rectDraw (device units on entry, logical units on return) by the margins and leaves
  // the device context drawing text with a transparent background.
  void GetPrintRect(wxDC& dc, RECT& rectDraw) const;
  // The narrowing alone: ratio in hundredths of a millimetre per pixel, offset the printable
  // area's distance from the paper's edge in pixels. A side moves in by its margin less the
  // offset, but at least by the offset.
  void NarrowRect(RECT& rect, double ratioX, double ratioY, POINT offset) const;

  RECT m_rectMargin;  // left, top, right, bottom
  CString m_strSection;

 private:
  void Save() const;
};
