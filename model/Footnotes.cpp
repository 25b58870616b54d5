#include "model/Footnotes.h"

#include <functional>
#include <string>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CTextOutputOptions.h"
#include "foundation/CHtmlElement.h"
#include "foundation/WebText.h"
#include "model/ATREE.h"

namespace {

// Calls note for each footnote and returns the text with each replaced by what note gives;
// plain gets every stretch outside the footnotes.
CString ScanFootnotes(const CTextOutputOptions& options, const char* text,
                      const std::function<CString(const CString&)>& note,
                      const std::function<CString(const CString&)>& plain) {
  const std::string& start = options.m_strStartMark.str();
  const std::string& end = options.m_strEndMark.str();
  const std::string_view source(text ? text : "");
  // Most texts hold no footnote: they go through whole.
  if ((start.empty() && end.empty()) || source.find(start) == std::string_view::npos) return plain(CString(source));
  std::string out;
  size_t pos = 0;
  for (;;) {
    const size_t s = source.find(start, pos);
    if (s == std::string::npos) break;
    const size_t e = source.find(end, s + start.size());
    if (e == std::string::npos) break;
    out += plain(CString(source.substr(pos, s - pos))).str();
    out += note(CString(source.substr(s + start.size(), e - s - start.size()))).str();
    pos = e + end.size();
  }
  out += plain(CString(source.substr(pos))).str();
  return CString(std::move(out));
}

CString Unchanged(const CString& text) { return text; }

}  // namespace

CString ExtractFootnotes(const CTextOutputOptions& options, CStringArray& list, const char* text) {
  return ScanFootnotes(
      options, text,
      [&](const CString& footnote) {
        list.Add(footnote);
        CString reference;
        reference.Format("%s%d%s", options.m_strRefOpen.GetString(), list.GetSize(), options.m_strRefClose.GetString());
        return reference;
      },
      Unchanged);
}

CString GetFootnoteText(const CTextOutputOptions& options, CStringArray& list) {
  if (list.GetSize() == 0) return CString();
  std::string out = options.m_strFootnoteTitle.IsEmpty() ? "\r\n\r\n" : "\r\n" + options.m_strFootnoteTitle.str() + "\r\n\r\n";
  for (int k = 0; k < list.GetSize(); ++k) {
    out += options.m_strNumberOpen.str() + std::to_string(k + 1) + options.m_strNumberClose.str() + list[k].str() + "\r\n";
  }
  out += "\r\n";
  list.RemoveAll();
  return CString(std::move(out));
}

CString MakePopupSpan(const CTextOutputOptions& options, const char* text, bool escape) {
  int counter = 0;
  return ScanFootnotes(
      options, text,
      [&](const CString& footnote) {
        CString number;
        number.Format("%s%d%s", options.m_strRefOpen.GetString(), ++counter, options.m_strRefClose.GetString());
        CHtmlElement span("span", escape ? EscapeHtml(number) : number);
        span.SetAttribute("class", "kestapopup");
        // The attribute drops the quotes at the note's ends before the rest is escaped; it is
        // escaped also where the text is not, so that a note never ends it.
        CHtmlAttribute title("title", footnote);
        title.m_strValue = EscapeHtml(title.m_strValue);
        span.m_attributes.push_back(title);
        return span.ToString(FALSE);
      },
      escape ? std::function<CString(const CString&)>([](const CString& t) { return EscapeHtml(t); })
             : std::function<CString(const CString&)>(Unchanged));
}

void ConvertFootnotes(ATREE& tree, const CTextOutputOptions& options) {
  const int position = ReadSetting(Settings::Footnote::Position);
  CStringArray& list = tree.GetFootnotes();
  list.RemoveAll();
  const int count = tree.GetDirDataCount();
  for (int i = 0; i < count; ++i) {
    CString text = ExtractFootnotes(options, list, tree.GetText(i));
    const bool last = i == count - 1;
    if ((position == 0 && last) || (position == 1 && (last || tree.GetLevel(i + 1) == 1)) || position == 2) {
      text += GetFootnoteText(options, list);
    }
    if (text != tree.GetText(i)) tree.SetText(i, text);
  }
  list.RemoveAll();
}
