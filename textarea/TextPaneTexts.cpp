#include "textarea/TextPaneTexts.h"

#include <algorithm>
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
  std::string line;  // the line read so far: a long one comes in several blocks
  const auto endLine = [&] {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result += line;
    result += "\r\n";
    line.clear();
  };
  char buffer[32768];
  size_t read = 0;
  while ((read = file->Read(buffer, sizeof buffer)) > 0) {
    // A NUL byte is a space, as in an outline; it must not end the line early.
    std::replace(buffer, buffer + read, '\0', ' ');
    const char* at = buffer;
    const char* const end = buffer + read;
    while (const char* lineFeed = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)))) {
      line.append(at, lineFeed);
      endLine();
      at = lineFeed + 1;
    }
    line.append(at, end);
  }
  if (!line.empty()) endLine();
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
