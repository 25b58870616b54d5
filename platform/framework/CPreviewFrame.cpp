#include "platform/framework/CPreviewFrame.h"

#include <wx/button.h>

#include <vector>

#include "platform/base/CodePage.h"

namespace {

struct ButtonWords {
  int id;
  const char* label;  // nullptr: a picture button, which keeps its picture
  const char* tip;
};

constexpr ButtonWords kButtons[] = {
    {wxID_PREVIEW_CLOSE, "閉じる(&C)", nullptr},   {wxID_PREVIEW_PRINT, "印刷(&P)...", "印刷"},
    {wxID_PREVIEW_FIRST, nullptr, "最初のページ"}, {wxID_PREVIEW_PREVIOUS, nullptr, "前のページ"},
    {wxID_PREVIEW_NEXT, nullptr, "次のページ"},    {wxID_PREVIEW_LAST, nullptr, "最後のページ"},
    {wxID_PREVIEW_ZOOM_OUT, nullptr, "縮小"},      {wxID_PREVIEW_ZOOM_IN, nullptr, "拡大"},
    {wxID_PREVIEW_ZOOM, nullptr, "倍率"},          {wxID_PREVIEW_GOTO, nullptr, "ページ番号"},
};

}  // namespace

CPreviewFrame::CPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent, const wxString& title)
    : wxPreviewFrame(preview, parent, title) {}

void CPreviewFrame::CreateControlBar() {
  wxPreviewFrame::CreateControlBar();
  LabelControlBar();
}

void CPreviewFrame::LabelControlBar() {
  if (!m_controlBar) return;
  for (const ButtonWords& words : kButtons) {
    wxWindow* control = m_controlBar->FindWindow(words.id);
    if (!control) continue;
    auto* button = dynamic_cast<wxButton*>(control);
    if (words.label && button && !button->GetLabel().empty()) button->SetLabel(CP932ToWx(words.label));
    if (words.tip) control->SetToolTip(CP932ToWx(words.tip));
  }
  m_controlBar->Layout();
}

void CPreviewFrame::SetStatusText(const wxString& text, int number) {
  std::vector<long> numbers;
  for (size_t i = 0; i < text.length();) {
    if (!wxIsdigit(text[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.length() && wxIsdigit(text[end])) ++end;
    long value = 0;
    text.substr(i, end - i).ToLong(&value);
    numbers.push_back(value);
    i = end;
  }
  if (number != 0 || numbers.empty() || numbers.size() > 2) {
    wxPreviewFrame::SetStatusText(text, number);
    return;
  }
  const int pages = numbers.size() == 2 ? static_cast<int>(numbers[1]) : 0;
  wxPreviewFrame::SetStatusText(PageText(static_cast<int>(numbers[0]), pages), number);
}

wxString CPreviewFrame::PageText(int page, int pages) {
  const wxString word = CP932ToWx("ページ");
  if (pages > 0) return wxString::Format("%d / %d ", page, pages) + word;
  return wxString::Format("%d ", page) + word;
}
