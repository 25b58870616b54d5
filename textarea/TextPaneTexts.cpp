#include "textarea/TextPaneTexts.h"

#include <cstring>
#include <string>
#include <string_view>

#include "foundation/PathHelpers.h"
#include "foundation/WebText.h"
#include "platform/base/CodePage.h"
#include "platform/base/TextModeFile.h"

CString EscapeAngleBrackets(const char* text) {
  CString escaped(text);
  escaped.Replace("<", "&lt;");
  escaped.Replace(">", "&gt;");
  return escaped;
}

CString EncloseInBlockMarks(const char* text) { return CString(">||\r\n") + text + "\r\n||<"; }

CString JoinLinesWithLineEnds(const std::vector<CString>& lines) {
  CString joined;
  for (const CString& line : lines) joined += line + "\r\n";
  return joined;
}

BOOL ReadTextFileLines(const char* path, CString& text) {
  // Text mode, as the file was written: CR LF arrives as LF.
  std::unique_ptr<TextModeFile> file = TextModeFile::Open(path, "rt");
  if (!file) return FALSE;
  std::string result;
  std::string line;
  char buffer[32768];
  bool pending = false;
  while (file->Gets(buffer, sizeof buffer)) {
    line.append(buffer, std::strlen(buffer));
    pending = true;
    // A line longer than the buffer comes in pieces: they make one line, not several.
    if (line.empty() || line.back() != '\n') continue;
    line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result += line + "\r\n";
    line.clear();
    pending = false;
  }
  if (pending) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result += line + "\r\n";
  }
  text = CString(result);
  return TRUE;
}

CString TextFileNameForTitle(const char* title) {
  CString name = MakeValidFileName(title);
  const int dot = name.ReverseFind('.');
  if (dot >= 0) name = name.Left(dot);
  return name + ".txt";
}

namespace {

CString QuotedWhenSpaced(const CString& text) { return text.Find(' ') >= 0 ? "\"" + text + "\"" : text; }

}  // namespace

CString FillWebSearchAddress(const char* pattern, const char* selection, BOOL utf8, const char* title,
                             const char* link, const char* documentPath) {
  CString query(selection);
  if (!query.IsEmpty() && utf8) query = UrlEncode(CString(CP932ToUTF8(query.GetString())));
  const CString values[] = {query, title, QuotedWhenSpaced(link), QuotedWhenSpaced(documentPath)};
  constexpr char kNames[] = "stfp";
  // One pass: a value that holds a placeholder (a selected "%p") is put in as it stands.
  std::string address;
  const std::string_view text(pattern);
  for (size_t i = 0; i < text.size(); ++i) {
    const char* name = i + 1 < text.size() && text[i] == '%' ? std::strchr(kNames, text[i + 1]) : nullptr;
    if (name && *name) {
      const CString& value = values[name - kNames];
      address.append(value.GetString(), static_cast<size_t>(value.GetLength()));
      ++i;
      continue;
    }
    address += text[i];
    if (IsDBCSLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) address += text[++i];
  }
  return CString(address);
}

CString MakeFileLinkText(const char* path, const char* documentPath, BOOL relative, BOOL addressForm) {
  CString target(path);
  if (relative && *documentPath) target = "./" + MakeRelativePath(documentPath, path);
  if (addressForm) {
    target.Replace(" ", "%20");
    target.Replace('\\', '/');
    return "file:///" + target;
  }
  target = "file:///" + target;
  return target.Find(' ') >= 0 ? "\"" + target + "\"" : target;
}

int CountCharacters(const char* text) { return CharIndexMap(text).CharCount(); }
