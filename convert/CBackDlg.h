#pragma once
// The background and colours of one HTML page body style: image, fixed background and five
// colours, with a preview of sample words in the chosen colours. The caller copies the style in,
// and takes it back only when the dialog ends with OK.
#include <wx/dialog.h>
#include <wx/window.h>

#include "convert/CBodyStyle.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxDC;

class CBackPreview : public wxWindow {
 public:
  CBackPreview(wxWindow* parent, int id);
  // The sample words in the colours, over the background colour with a black frame.
  void Draw(wxDC& dc);

  COLORREF m_crBack = 0;
  COLORREF m_crText = 0;
  COLORREF m_crLink = 0;
  COLORREF m_crVisited = 0;
  COLORREF m_crActive = 0;

 private:
  void OnPaint(wxPaintEvent& event);
};

class CBackDlg : public wxDialog {
 public:
  enum {
    IDD = 109,
    IDC_BROWSE = 106,
    IDC_BACK_COLOR = 109,
    IDC_TEXT_COLOR = 110,
    IDC_LINK_COLOR = 111,
    IDC_VISITED_COLOR = 112,
    IDC_ACTIVE_COLOR = 113,
    IDC_IMAGE = 123,
    IDC_BACK_CHOOSE = 129,
    IDC_TEXT_CHOOSE = 131,
    IDC_LINK_CHOOSE = 132,
    IDC_VISITED_CHOOSE = 133,
    IDC_ACTIVE_CHOOSE = 134,
    IDC_FIXED = 158,
    IDC_PREVIEW = 187,
    IDC_UPDATE = 188,
  };

  explicit CBackDlg(wxWindow* parent);
  // Shows the style and runs the dialog; IDOK (the style then holds the fields) or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;
  // Gives the preview the five colours of the fields, a field shorter than six digits its default.
  void UpdatePreviewColors();
  CBackPreview* GetPreview() const { return m_pPreview; }

  CBodyStyle m_style;

 protected:
  // The standard colour dialog, starting at color; FALSE when cancelled.
  virtual BOOL ChooseColor(COLORREF& color);
  // The image file chooser; FALSE when cancelled.
  virtual BOOL ChooseImage(CString& path);

 private:
  void OnChooseColor(int field);
  void OnBrowse(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);

  CBackPreview* m_pPreview = nullptr;
  CString m_strColors[5];  // background, text, link, visited, active
  CString m_strImage;
  int m_bFixed = 0;
};

// The dialog on a body style kept as its BODY tag; the tag changes only on OK (TRUE).
BOOL EditBodyTag(wxWindow* parent, CString& bodyTag);

