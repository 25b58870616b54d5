#pragma once
// The print preview window of the program: the toolkit's preview with the program's own Japanese
// words on its buttons, tips and page line, whatever the locale and whether or not the toolkit's
// catalogue is installed.
#include <wx/print.h>

class CPreviewFrame : public wxPreviewFrame {
 public:
  CPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent, const wxString& title);

  // The preview reports the page it shows as "Page n" or "Page n of m"; the same numbers are
  // shown in the program's words.
  void SetStatusText(const wxString& text, int number = 0) override;

  // "n / m ページ", or "n ページ" while the page count is unknown (m = 0).
  static wxString PageText(int page, int pages);

 protected:
  void CreateControlBar() override;
  // Puts the Japanese labels and tips on the control bar's buttons.
  void LabelControlBar();
};
