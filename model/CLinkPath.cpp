#include "model/CLinkPath.h"
#include "model/DocumentTreeLink.h"

#include <sys/stat.h>

#include <algorithm>
#include <string_view>

#include "foundation/TextSearch.h"
#include "platform/base/CodePage.h"

namespace {

constexpr char kScheme[] = "file:///";
constexpr int kSchemeLength = 8;
constexpr char kSameFile[] = "./";
constexpr char kOldSameFile[] = ".//";

bool StartsWith(const CString& text, const char* prefix) { return text.str().rfind(prefix, 0) == 0; }

int FindKvnSeparator(const CString& text) { return FindTextOpt(text, ".kvn/", 0, FIND_IGNORE_CASE, nullptr); }

bool FileExists(const CString& path) {
  struct stat st;
  return !path.IsEmpty() && ::stat(CP932ToUTF8(path.str()).c_str(), &st) == 0;
}

// The document's folder with its closing separator, empty without one. Stored documents may carry
// either separator.
CString FolderOf(const char* documentPath) {
  const CString doc(documentPath);
  const int cut = std::max(doc.ReverseFind('\\'), doc.ReverseFind('/'));
  return doc.Left(cut + 1);
}

// Pieces between '/' bytes; a leading '/' gives an empty first piece; an empty text none.
std::vector<CString> SplitTitles(const CString& text) {
  std::vector<CString> out;
  const std::string_view s = text.str();
  if (s.empty()) return out;
  size_t begin = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == '/') {
      out.emplace_back(s.substr(begin, i - begin));
      begin = i + 1;
    }
  }
  return out;
}

}  // namespace

void CLinkPath::Parse(const char* link) {
  m_strPath.Empty();
  m_titles.clear();
  std::string_view all(link != nullptr ? link : "");
  if (all.starts_with(kScheme)) all.remove_prefix(kSchemeLength);
  const CString text(all);
  const int at = FindKvnSeparator(text);
  // The older same-file form ".//A" names the top item by an empty first title.
  if (all.starts_with(kOldSameFile) || (at < 0 && all.starts_with(kSameFile))) {
    m_strPath = CString('.', 1);
    m_titles = SplitTitles(CString(all.substr(2)));
    return;
  }
  if (at < 0) {
    m_strPath = text;
    return;
  }
  m_strPath = text.Left(at + 4);
  m_titles = SplitTitles(text.Mid(at + 5));
}

CString CLinkPath::GetTitle(int i) const {
  return i >= 0 && i < GetTitleCount() ? m_titles[static_cast<size_t>(i)] : CString();
}

CString CLinkPath::JoinTitles() const {
  CString out;
  for (size_t i = 0; i < m_titles.size(); ++i) {
    if (i > 0) out += '/';
    out += m_titles[i];
  }
  return out;
}

CString CLinkPath::MakeTreeLink(BOOL withScheme) const {
  const CString link = m_strPath + "/" + JoinTitles();
  return withScheme ? kScheme + link : link;
}

BOOL CLinkPath::IsSameFile(const char* documentPath) const {
  return m_strPath == "." || CompareTextOpt(m_strPath, documentPath, FIND_IGNORE_CASE) == 0;
}

BOOL CLinkPath::IsTreeLink(const char* link) { return IsTreeLinkOfDocument(link, nullptr); }

BOOL IsTreeLinkOfDocument(const char* link, const char* documentPath) {
  const CString text(link);
  if (text.Find(kScheme) < 0) return FALSE;
  if (StartsWith(text, "file:///.//")) return TRUE;
  const CString rest = text.Mid(kSchemeLength);
  if (FileExists(rest)) return FALSE;
  // "./name" is a file beside the document when there is one, else the titles of an item here.
  const bool sameFile = StartsWith(rest, kSameFile);
  const CString folder = FolderOf(documentPath);
  if (sameFile && !folder.IsEmpty() && FileExists(folder + rest.Mid(2))) return FALSE;
  const int at = FindKvnSeparator(rest);
  if (at < 0) return sameFile ? TRUE : FALSE;
  const CString file = rest.Left(at + 4);
  // A file part that starts with '.' is relative to the document and cannot be tested here.
  if (file.Find('.') != 0 && !FileExists(file)) return FALSE;
  return TRUE;
}

CString CLinkPath::MakeAbsolute(const char* link, const char* documentPath) {
  CString text(link);
  static const char* const relative[] = {"file:///.//", "file:///./", "file:///.\\", "file:///../", "file:///..\\"};
  bool isRelative = false;
  for (const char* r : relative) isRelative = isRelative || StartsWith(text, r);
  if (!isRelative) return text;
  CString folder = FolderOf(documentPath);
  folder.Replace('\\', '/');
  text.Replace("file:///./", CString(kScheme) + folder);
  return text;
}
