// Find and replace over the trees: titles, link names and texts, plain or by regular expression.
#include "model/OutlineSearch.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "foundation/TextSearch.h"
#include "model/ATREE.h"
#include "platform/base/CodePage.h"
#include "platform/framework/CWinApp.h"

namespace {

// The wait cursor while a search runs, when there is a GUI to show it.
class SearchCursor {
 public:
  SearchCursor() {
    if (wxTheApp != nullptr) wxBeginBusyCursor();
  }
  ~SearchCursor() {
    if (wxTheApp != nullptr) wxEndBusyCursor();
  }
  SearchCursor(const SearchCursor&) = delete;
  SearchCursor& operator=(const SearchCursor&) = delete;
};

// The first whole-character occurrence of f at or after pos (a character start), or npos.
size_t FindFrom(const std::string& t, const std::string& f, size_t pos) {
  for (size_t i = pos; i + f.size() <= t.size();) {
    if (t[i] == f[0] && t.compare(i, f.size(), f) == 0) return i;
    i += IsDBCSLeadByte(static_cast<BYTE>(t[i])) && i + 1 < t.size() ? 2 : 1;
  }
  return std::string::npos;
}

// The item's own title: the path after its last separator, read in place.
std::string_view TitleOf(const CString& path) {
  const std::string_view whole = path.str();
  const size_t separator = whole.rfind('\x01');
  return separator == std::string_view::npos ? whole : whole.substr(separator + 1);
}

}  // namespace

OutlineSearch::OutlineSearch() {
  m_rangeFrom.SetStatus(COleDateTime::null);
  m_rangeTo.SetStatus(COleDateTime::null);
  m_bCase = ReadSetting(Settings::System::ISearch);
  m_bWidth = ReadSetting(Settings::System::ZSearch);
  m_nWordMode = ReadSetting(Settings::System::MSearch);
  m_bSearchTitles = ReadTitleSearch();
  m_bSearchTexts = ReadSetting(Settings::System::TextAreaSearch);
  m_bSearchLinks = ReadSetting(Settings::System::LinkNameSearch);
}

IRegExp& OutlineSearch::GetRegExp() {
  IRegExp& regExp = m_compiled.regExp;
  if (regExp.m_lpDispatch == nullptr) regExp.CreateDispatch("VBScript.RegExp");
  return regExp;
}

int OutlineSearch::MatchText(const char* text, const char* pattern, int* matchLength, int start) const {
  const int options = (m_bWidth == 0 ? FIND_IGNORE_WIDTH : 0) | (m_bCase == 0 ? FIND_IGNORE_CASE : 0);
  if (m_nWordMode == 0) return FindTextOptPtr(text, pattern, start, options, matchLength);
  return FindWords(text, pattern, start, options, matchLength, m_nWordMode == 2);
}

int OutlineSearch::MatchTextDefault(const char* text, const char* pattern) const {
  int length = 0;
  return MatchText(text, pattern, &length, 0);
}

void OutlineSearch::UseLineMatcher(const CString& pattern, bool ignoreCase) {
  std::unique_ptr<RegExpLineMatcher>& matcher = m_compiled.lineMatcher;
  if (!matcher || !matcher->IsFor(pattern, ignoreCase))
    matcher = std::make_unique<RegExpLineMatcher>(pattern, ignoreCase);
}

bool OutlineSearch::MatchesSearch(std::string_view text) {
  if (m_bRegExp) return m_compiled.lineMatcher->TestLines(text);
  const int options = (m_bWidth == 0 ? FIND_IGNORE_WIDTH : 0) | (m_bCase == 0 ? FIND_IGNORE_CASE : 0);
  if (m_nWordMode == 0) return FindTextOptStr(text, m_strSearch.str(), 0, options, nullptr) != -1;
  return FindWordsStr(text, m_strSearch.str(), 0, options, nullptr, m_nWordMode == 2) != -1;
}

bool OutlineSearch::MatchesNode(const CDirData* d, bool head) {
  if (head) {
    if (m_nCategoryFilter != -1) {
      if (d->GetCategory() != m_nCategoryFilter) return false;
      if (m_strSearch.IsEmpty()) return true;
    }
    const COleDateTime& updated = d->GetUpdateTime();
    const bool valid = updated.GetStatus() == COleDateTime::valid;
    if (m_rangeFrom.GetStatus() != COleDateTime::null && (!valid || updated < m_rangeFrom)) return false;
    if (m_rangeTo.GetStatus() != COleDateTime::null && (!valid || updated > m_rangeTo)) return false;
    if (m_strSearch.IsEmpty()) return true;
    if (m_bSearchTitles && MatchesSearch(TitleOf(d->m_strPath))) return true;
    if (m_bSearchLinks && MatchesSearch(d->m_strLink.str())) return true;
  }
  if (m_bSearchTexts && !m_strSearch.IsEmpty() && MatchesSearch(d->m_strText.str())) {
    m_bFoundInText = 1;
    return true;
  }
  return false;
}

void OutlineSearch::PrepareFind() {
  if (!m_bRegExp) return;
  // The object keeps the pattern for a later backward find and for replace, as before; the texts
  // themselves are tested without it.
  IRegExp& re = GetRegExp();
  re.SetPattern(m_strSearch);
  re.SetGlobal(TRUE);
  re.SetIgnoreCase(m_bCase == 0);
  UseLineMatcher(m_strSearch, m_bCase == 0);
}

int OutlineSearch::FindText(const ATREE& tree, int start, BOOL includeStart) {
  SearchCursor cursor;
  PrepareFind();
  m_bFoundInText = 0;
  for (int i = std::max(start, 0); i < tree.GetDirDataCount(); ++i) {
    if (MatchesNode(tree.GetDirData(i), i > start || includeStart)) return i;
  }
  return -1;
}

int OutlineSearch::FindTextBackward(const ATREE& tree, int start) {
  SearchCursor cursor;
  // The pattern last given to the object, by a forward find or a replace.
  if (m_bRegExp) UseLineMatcher(GetRegExp().GetPattern(), GetRegExp().GetIgnoreCase() != FALSE);
  m_bFoundInText = 0;
  for (int i = std::min(start, tree.GetDirDataCount() - 1); i >= 0; --i) {
    const CDirData* d = tree.GetDirData(i);
    if (m_nCategoryFilter != -1) {
      if (d->GetCategory() != m_nCategoryFilter) continue;
      if (m_strSearch.IsEmpty()) return i;
    }
    const COleDateTime& updated = d->GetUpdateTime();
    const bool valid = updated.GetStatus() == COleDateTime::valid;
    if (m_rangeFrom.GetStatus() != COleDateTime::null && (!valid || updated < m_rangeFrom)) continue;
    if (m_rangeTo.GetStatus() != COleDateTime::null && (!valid || updated > m_rangeTo)) continue;
    if (m_bSearchTexts && MatchesSearch(d->m_strText.str())) {
      m_bFoundInText = 1;
      return i;
    }
    if (m_bSearchTitles && MatchesSearch(TitleOf(d->m_strPath))) return i;
    if (m_bSearchLinks && MatchesSearch(d->m_strLink.str())) return i;
  }
  return -1;
}

int OutlineSearch::FindAllText(const ATREE& tree, int start, std::vector<const CDirData*>& found) {
  // Each item of the subtree once, as finding forward hit by hit would meet them.
  const int end = tree.GetNextSibling(start, TRUE);
  SearchCursor cursor;
  PrepareFind();
  m_bFoundInText = 0;
  int added = 0;
  for (int i = std::max(start, 0); i < std::min(end, tree.GetDirDataCount()); ++i) {
    const CDirData* d = tree.GetDirData(i);
    if (!MatchesNode(d, true)) continue;
    found.push_back(d);
    ++added;
  }
  return added;
}

int OutlineSearch::ReplaceAll(CString& text, const char* search, const char* replacement) {
  const std::string f(search);
  if (f.empty()) return 0;  // an empty pattern would match forever
  const std::string& t = text.str();
  std::string out;
  int count = 0;
  size_t pos = 0;
  for (size_t hit = FindFrom(t, f, 0); hit != std::string::npos; hit = FindFrom(t, f, pos)) {
    if (count == 0) out.reserve(t.size());
    out.append(t, pos, hit - pos);
    out += replacement;
    pos = hit + f.size();
    ++count;
  }
  if (count == 0) return 0;
  out.append(t, pos, std::string::npos);
  text = CString(std::move(out));
  return count;
}

int OutlineSearch::ReplaceInTrees(ATREE& tree, int item, const char* search, const char* replacement, BOOL texts,
                                  BOOL regExp) {
  SearchCursor cursor;
  const int end = tree.GetNextSibling(item, TRUE);
  const CString prefix = item > 0 ? tree.GetDirData(tree.GetParent(item))->m_strPath.Get() : CString();
  const CString pattern(search);
  IRegExp& re = m_compiled.regExp;
  bool anchored = false;
  if (regExp) {
    GetRegExp().SetPattern(pattern);
    GetRegExp().SetGlobal(TRUE);
    anchored = pattern.Find('^') >= 0 || pattern.Find('$') >= 0;
  }
  int count = 0;
  for (int i = item; i < end; ++i) {
    CString part = tree.GetDirData(i)->m_strPath.Mid(prefix.GetLength());
    if (!regExp) {
      const int n = ReplaceAll(part, search, replacement);
      if (n > 0) {
        count += n;
        tree.EditDirData(i)->m_strPath = prefix + part;
      }
    } else if (re.TestLines(part)) {
      tree.EditDirData(i)->m_strPath = prefix + re.Replace(part, replacement);
      ++count;
    }
    if (!texts) continue;
    if (!regExp) {
      CString text = tree.GetDirData(i)->m_strText;
      const int n = ReplaceAll(text, search, replacement);
      if (n > 0) {
        count += n;
        tree.EditDirData(i)->m_strText = std::move(text);
      }
      continue;
    }
    const CString& text = tree.GetDirData(i)->m_strText;
    if (!re.Test(text)) continue;
    ++count;
    if (!anchored) {
      CString replaced = re.Replace(text, replacement);
      if (replaced != text) tree.EditDirData(i)->m_strText = std::move(replaced);
      continue;
    }
    // Anchors apply to every line: each line is replaced on its own.
    const std::string& all = text.str();
    std::string out;
    size_t begin = 0;
    while (begin < all.size()) {
      const size_t lf = all.find('\n', begin);
      if (lf == std::string::npos) {
        out += re.Replace(CString(all.substr(begin)), replacement).str();
        break;
      }
      const size_t lineEnd = lf > begin && all[lf - 1] == '\r' ? lf - 1 : lf;
      out += re.Replace(CString(all.substr(begin, lineEnd - begin)), replacement).str();
      out += "\r\n";
      begin = lf + 1;
    }
    tree.EditDirData(i)->m_strText = CString(std::move(out));
  }
  if (count > 0) tree.MakeTreeData();
  return count;
}
