#include "app/CWordListBox.h"

#include <wx/dc.h>
#include <wx/renderer.h>

#include <string_view>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "foundation/TextSearch.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "app/WordMarks.h"

namespace {

COLORREF ReadColor(const IntSetting& colour) { return static_cast<COLORREF>(ReadSetting(colour)); }

}  // namespace

CWordListBox::CWordListBox()
    : m_crBack(ReadColor(Settings::WordListBox::BackColors)),
      m_crBackSelected(ReadColor(Settings::WordListBox::BackColors2)),
      m_crText(ReadColor(Settings::WordListBox::StrColor)),
      m_crTextSelected(ReadColor(Settings::WordListBox::StrColor2)),
      // The marks are read from the text colour's key: a stored text colour sets them as well.
      m_crMark(ReadColor(Settings::WordListBox::StrColorMark)),
      m_crMarkSelected(ReadColor(Settings::WordListBox::StrColorMarkSelected)) {}

BOOL CWordListBox::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  return wxVListBox::Create(parent, id, pos, size, wxBORDER_SUNKEN) ? TRUE : FALSE;
}

int CWordListBox::AddString(const char* text) {
  m_lines.emplace_back(text);
  SetItemCount(m_lines.size());
  return GetCount() - 1;
}

CString CWordListBox::GetText(int index) const {
  return index >= 0 && index < GetCount() ? m_lines[static_cast<size_t>(index)] : CString();
}

void CWordListBox::ResetContent() {
  m_lines.clear();
  SetItemCount(0);
}

void CWordListBox::DrawLine(wxDC& dc, const wxRect& rect, size_t index) const {
  const bool selected = IsSelected(index);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColorRefToWx(selected ? m_crBackSelected : m_crBack)));
  dc.DrawRectangle(rect);
  dc.SetFont(GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const wxColour text = ColorRefToWx(selected ? m_crTextSelected : m_crText);
  const wxColour mark = ColorRefToWx(selected ? m_crMarkSelected : m_crMark);

  const CString& line = m_lines[index];
  std::vector<WordRun> runs;
  if (m_bMarkWords && !m_strWord.IsEmpty()) {
    runs = MarkWordRuns(line, line.GetLength(), [&](int start, int* length) {
      return FindTextOptPtr(line, m_strWord, start, m_nSearchOptions, length);
    });
  } else if (!line.IsEmpty()) {
    runs.push_back(WordRun{0, line.GetLength(), false});
  }
  int x = rect.x;
  for (const WordRun& run : runs) {
    const wxString piece = CP932ToWx(std::string_view(line.GetString() + run.offset, static_cast<size_t>(run.length)));
    dc.SetTextForeground(run.marked ? mark : text);
    dc.DrawText(piece, x, rect.y);
    x += dc.GetTextExtent(piece).x;
  }
  if (IsCurrent(index) && HasFocus())
    wxRendererNative::Get().DrawFocusRect(const_cast<CWordListBox*>(this), dc, rect);
}

void CWordListBox::OnDrawBackground(wxDC& dc, const wxRect& rect, size_t index) const { DrawLine(dc, rect, index); }

void CWordListBox::OnDrawItem(wxDC&, const wxRect&, size_t) const {}

wxCoord CWordListBox::OnMeasureItem(size_t) const { return GetCharHeight(); }
