#pragma once
// The print preview of an outline. Pages are found as they are shown, so the page total is known
// only once the outline's last page has been laid out: until then the preview offers every
// further page and shows no total; going past the end (the last-page button, a typed number)
// lays out the pages on the way and stops at the last one.
#include <wx/print.h>

#include <functional>

#include "platform/framework/CPreviewFrame.h"

class CTreePrintout;
class wxStaticText;

class CTreePrintPreview : public wxPrintPreview {
 public:
  // Takes both printouts, as wxPrintPreview does.
  CTreePrintPreview(CTreePrintout* preview, CTreePrintout* print, wxPrintDialogData* data);

  bool SetCurrentPage(int page) override;
  int GetMaxPage() const override;
  // Whether the outline's last page has been found.
  bool IsTotalKnown() const;
  // Called whenever a page is asked for: the page shown may not be the one asked for.
  void SetPageAskedHandler(std::function<void()> handler) { m_onPageAsked = std::move(handler); }

 private:
  CTreePrintout* m_pPreview;
  std::function<void()> m_onPageAsked;
};

class CTreePreviewBar : public wxPreviewControlBar {
 public:
  CTreePreviewBar(CTreePrintPreview* preview, long buttons, wxWindow* parent);

  void SetPageInfo(int minPage, int maxPage) override;

 private:
  // The total beside the page number: "/ n" once known, "/ ?" before.
  void ShowPageTotal();
  // The page field shows the page the preview shows.
  void ShowCurrentPage();
  CTreePrintPreview* m_pPreview;
  wxStaticText* m_pTotal = nullptr;
};

class CTreePreviewFrame : public CPreviewFrame {
 public:
  CTreePreviewFrame(CTreePrintPreview* preview, wxWindow* parent, const wxString& title);

 protected:
  void CreateControlBar() override;
};
