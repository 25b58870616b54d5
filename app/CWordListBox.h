#pragma once
// A list of text lines drawn in colours of the settings, each occurrence of one word marked in a
// colour of its own (the search list marks the searched word in its hit titles).
#include <wx/vlbox.h>

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CWordListBox : public wxVListBox {
 public:
  // Reads the colours of section "WordListBox" once.
  CWordListBox();

  BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);
  int AddString(const char* text);
  CString GetText(int index) const;
  int GetCount() const { return static_cast<int>(m_lines.size()); }
  void ResetContent();

  // Background, text with its marked words, and the focus rectangle of one line.
  void DrawLine(wxDC& dc, const wxRect& rect, size_t index) const;

  int m_bMarkWords = 1;
  COLORREF m_crBack;
  COLORREF m_crBackSelected;
  COLORREF m_crText;
  COLORREF m_crTextSelected;
  COLORREF m_crMark;
  COLORREF m_crMarkSelected;
  int m_nSearchOptions = 0;  // option-search flags: 2 ignore case, 1 ignore width
  CString m_strWord;

 protected:
  // The whole line is drawn with its background, in one pass.
  void OnDrawBackground(wxDC& dc, const wxRect& rect, size_t index) const override;
  void OnDrawItem(wxDC& dc, const wxRect& rect, size_t index) const override;
  wxCoord OnMeasureItem(size_t index) const override;

 private:
  std::vector<CString> m_lines;
};
