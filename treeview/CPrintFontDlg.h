#pragma once
// The ten print fonts and their text colours, edited in place: the caller owns them and decides
// whether they are kept. Each font shows on a sample label in its own font and colour.
#include <wx/dialog.h>

#include "platform/base/WinTypes.h"
#include "treeview/TreePrintPage.h"

class CFont;
class wxStaticText;

class CPrintFontDlg : public wxDialog {
 public:
  enum { IDD = 134, IDC_SAMPLE_TOP = 191, IDC_SAMPLE_LEVEL1 = 176, IDC_CHANGE_FIRST = 449 };

  // fonts and colours hold kPrintFontCount entries in the order of TreePrintFont.
  CPrintFontDlg(wxWindow* parent, CFont* fonts, COLORREF* colours);

  // The sample label and the change button of the font at index.
  static int SampleId(int index) { return index == 0 ? IDC_SAMPLE_TOP : IDC_SAMPLE_LEVEL1 + index - 1; }
  static int ChangeId(int index) { return IDC_CHANGE_FIRST + index; }

 private:
  void OnChange(int index);
  void ShowSample(int index);

  CFont* m_pFonts;
  COLORREF* m_pColors;
  wxStaticText* m_samples[kPrintFontCount] = {};
};
