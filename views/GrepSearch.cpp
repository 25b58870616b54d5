#include "views/GrepSearch.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "foundation/TextFinder.h"
#include "foundation/TextSearch.h"
#include "model/ATREE.h"
#include "model/CDirData.h"
#include "model/OutlineSearch.h"
#include "platform/base/CodePage.h"
#include "platform/base/RegularFile.h"
#include "platform/com/RegExpLineMatcher.h"
#include "views/OutlineFileScan.h"

const char* const kGrepTextFileTree = "(テキストファイル)";

CString CGrepData::GetTreeTitle() const {
  const int slash = m_strTreePath.ReverseFind('\x01');
  CString title = slash < 0 ? m_strTreePath : m_strTreePath.Mid(slash + 1);
  const int mark = title.ReverseFind('\x02');
  if (mark >= 0) title = title.Left(mark);
  return title;
}

void CGrepOptions::LoadSettings() {
  m_bCase = ReadSetting(Settings::System::ISearch);
  m_bWidth = ReadSetting(Settings::System::ZSearch);
  m_bTitle = ReadTitleSearch();
  m_bText = ReadSetting(Settings::System::TextAreaSearch);
  m_bLink = ReadSetting(Settings::System::LinkNameSearch);
  m_bSubFolder = ReadSetting(Settings::Grep::SubFolder);
  m_nFileType = ReadSetting(Settings::Grep::FileType);
  m_bRegExp = ReadSetting(Settings::Grep::RegExp);
}

namespace {

// A text line is read in pieces of at most this many bytes, each tested on its own.
constexpr size_t kPieceBytes = 2047;

struct Entry {
  CString name;       // in the program's code page
  std::string osName;  // as the file system holds it
  bool folder = false;
};

// The visible entries of a folder, sorted without regard to letter case (the listing order of the
// file system is arbitrary). Names that do not survive the trip to Shift JIS and back are counted
// and left out: they could not be opened again from the program's own string.
std::vector<Entry> ListFolder(const CString& folder, int& skipped) {
  std::vector<Entry> entries;
  const std::string osFolder = CP932ToUTF8(folder.str());
  DIR* dir = opendir(osFolder.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* d = readdir(dir)) {
    if (d->d_name[0] == '.') continue;  // ".", ".." and hidden entries
    Entry entry;
    entry.osName = d->d_name;
    entry.name = UTF8ToCP932(entry.osName);
    if (CP932ToUTF8(entry.name.str()) != entry.osName) {
      ++skipped;
      continue;
    }
    entry.folder = d->d_type == DT_DIR;
    // A link, or a file system that does not tell the kind in the listing: what the name leads to.
    if (d->d_type != DT_DIR && d->d_type != DT_REG) {
      struct stat st {};
      if (stat((osFolder + '/' + entry.osName).c_str(), &st) != 0) continue;
      entry.folder = S_ISDIR(st.st_mode);
    }
    entries.push_back(std::move(entry));
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const int c = strcasecmp(a.osName.c_str(), b.osName.c_str());
    return c != 0 ? c < 0 : a.osName < b.osName;
  });
  return entries;
}

CString Extension(const CString& name) {
  const int dot = name.ReverseFind('.');
  CString ext = dot < 0 ? CString() : name.Mid(dot);
  ext.MakeLower();
  return ext;
}

CString JoinPath(const CString& folder, const CString& name) {
  if (!folder.IsEmpty() && folder[folder.GetLength() - 1] == '/') return folder + name;
  return folder + "/" + name;
}

// The whole file into bytes, whose room is kept from file to file; false when it cannot be opened.
bool ReadFile(const std::string& osPath, std::string& bytes) {
  std::FILE* file = OpenRegularOsFileStream(osPath.c_str());
  if (file == nullptr) return false;
  struct stat st {};
  bytes.resize(fstat(fileno(file), &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0);
  bytes.resize(bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file));
  // A file that grew since it was measured is read to its end.
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
  std::fclose(file);
  return true;
}

// The end of the piece that starts at `start`: through the line end, at most kPieceBytes bytes.
size_t PieceEnd(const std::string& bytes, size_t start) {
  const size_t limit = std::min(bytes.size(), start + kPieceBytes);
  const void* lf = std::memchr(bytes.data() + start, '\n', limit - start);
  return lf ? static_cast<const char*>(lf) - bytes.data() + 1 : limit;
}

// The start of the piece holding `pos`.
size_t PieceStart(const std::string& bytes, size_t pos) {
  size_t lineStart = pos;
  while (lineStart > 0 && bytes[lineStart - 1] != '\n') --lineStart;
  return lineStart + (pos - lineStart) / kPieceBytes * kPieceBytes;
}

}  // namespace

struct CGrepSearch::Walk {
  std::set<std::pair<dev_t, ino_t>> folders;  // walked already: a link back up is not walked again
};

// The search of the outline files, made ready once for the whole walk: what is searched on its own
// (the word, or in the per-file modes each of its parts) and the outline's own word mode for it;
// for a plain search, the words whose matches make an item worth reading for each part, and the
// outline search's matcher that tells the hits among those items.
struct CGrepSearch::OutlineWords {
  std::vector<CString> parts;
  int treeMode = 0;
  std::vector<std::vector<TextFinder>> finders;
  std::vector<std::vector<const TextFinder*>> scanned;
  OutlineSearch match;
};

CGrepSearch::CGrepSearch(const CGrepOptions& options, CGrepProgress* progress)
    : m_options(options), m_pProgress(progress) {}

CGrepSearch::~CGrepSearch() = default;

BOOL CGrepSearch::Cancelled() {
  if (!m_bCancelled && m_pProgress) m_bCancelled = m_pProgress->IsCancelled();
  return m_bCancelled;
}

BOOL CGrepSearch::Run(std::vector<std::unique_ptr<CGrepData>>& hits) {
  // Without a word every tree would be a hit, and without a folder the walk would start at "/".
  if (m_options.m_strWord.IsEmpty() || m_options.m_strFolder.IsEmpty()) return FALSE;
  Walk walk;
  if (m_options.m_bSubFolder) {
    SearchFolder(m_options.m_strFolder, hits, walk);
    return TRUE;
  }
  if (m_pProgress) m_pProgress->ShowFolder(m_options.m_strFolder);
  const std::vector<Entry> entries = ListFolder(m_options.m_strFolder, m_nSkippedNames);
  // Outline files first, then text files, as the two patterns are listed one after the other.
  static const char* const patterns[] = {".kvn", ".txt"};
  for (int i = 0; i <= std::min(m_options.m_nFileType, 1); ++i) {
    for (const Entry& entry : entries) {
      if (Cancelled()) return TRUE;
      if (!entry.folder && Extension(entry.name) == patterns[i]) SearchFile(JoinPath(m_options.m_strFolder, entry.name), hits);
    }
  }
  return TRUE;
}

void CGrepSearch::SearchFolder(const CString& folder, std::vector<std::unique_ptr<CGrepData>>& hits, Walk& walk) {
  struct stat st {};
  if (stat(CP932ToUTF8(folder.str()).c_str(), &st) != 0 || !walk.folders.insert({st.st_dev, st.st_ino}).second) return;
  if (m_pProgress) {
    m_pProgress->ShowFolder(folder);
    m_pProgress->ShowFile("");
  }
  for (const Entry& entry : ListFolder(folder, m_nSkippedNames)) {
    if (Cancelled()) return;
    const CString path = JoinPath(folder, entry.name);
    if (entry.folder)
      SearchFolder(path, hits, walk);
    else
      SearchFile(path, hits);
  }
}

void CGrepSearch::SearchFile(const CString& path, std::vector<std::unique_ptr<CGrepData>>& hits) {
  const CString ext = Extension(path.Mid(path.ReverseFind('/') + 1));
  const bool outline = ext == ".kvn";
  if (!outline && !(ext == ".txt" && m_options.m_nFileType == 1)) return;
  if (m_pProgress) m_pProgress->ShowFile(path.Mid(path.ReverseFind('/') + 1));
  if (outline)
    SearchOutlineFile(path, hits);
  else
    SearchTextFile(path, hits);
}

int CGrepSearch::PlainFlags() const {
  return (m_options.m_bCase ? 0 : FIND_IGNORE_CASE) | (m_options.m_bWidth ? 0 : FIND_IGNORE_WIDTH);
}

CGrepSearch::OutlineWords& CGrepSearch::Words() {
  if (m_pWords) return *m_pWords;
  m_pWords = std::make_unique<OutlineWords>();
  OutlineWords& words = *m_pWords;
  const int mode = m_options.m_nWordMode;
  words.treeMode = mode >= 0 && mode <= 2 ? mode : 0;
  if (mode == 3 || mode == 4) {
    CString word = m_options.m_strWord;
    word.Replace("　", " ");
    CStringArray parts;
    SplitToStringArray(word, " ", parts);
    for (int i = 0; i < parts.GetSize(); ++i) {
      if (!parts[i].IsEmpty()) words.parts.push_back(parts[i]);  // a leading blank leaves an empty first part
    }
  } else {
    words.parts.push_back(m_options.m_strWord);
  }
  if (!m_options.m_bRegExp) {
    for (const CString& part : words.parts) {
      if (words.treeMode == 0)
        words.finders.push_back({TextFinder(part.str(), PlainFlags())});
      else
        words.finders.push_back(WordsFinder(part.str(), PlainFlags(), words.treeMode == 2).GetWords());
      words.scanned.emplace_back();
      for (const TextFinder& finder : words.finders.back()) words.scanned.back().push_back(&finder);
    }
  }
  words.match.SetSearchOptions(m_options.m_bCase, m_options.m_bWidth, words.treeMode);
  return words;
}

int CGrepSearch::MatchItems(const std::vector<std::unique_ptr<CDirData>>& items, const CString& word,
                            std::vector<const CDirData*>& found) {
  const OutlineSearch& match = Words().match;
  int added = 0;
  for (const std::unique_ptr<CDirData>& item : items) {
    const std::string& path = item->m_strPath.str();
    const CString title(std::string_view(path).substr(path.rfind('\x01') + 1));
    if ((m_options.m_bTitle && match.MatchTextDefault(title, word) != -1) ||
        (m_options.m_bLink && match.MatchTextDefault(item->m_strLink, word) != -1) ||
        (m_options.m_bText && match.MatchTextDefault(item->m_strText, word) != -1)) {
      found.push_back(item.get());
      ++added;
    }
  }
  return added;
}

int CGrepSearch::SearchOutlineFile(const char* path, std::vector<std::unique_ptr<CGrepData>>& hits) {
  OutlineWords& words = Words();
  // A plain search reads the file's bytes, and of them only the items around its matches; what the
  // bytes cannot tell is left to opening the file as an outline.
  std::vector<std::vector<std::unique_ptr<CDirData>>> scanned(words.parts.size());
  bool read = !m_options.m_bRegExp && ReadFile(CP932ToUTF8(path), m_bytes);
  for (size_t i = 0; read && i < words.parts.size(); ++i)
    read = ScanOutlineFile(m_bytes, words.scanned[i], scanned[i]) == OutlineFileScan::kRead;
  std::unique_ptr<ATREE> tree;
  if (!read) {
    tree = std::make_unique<ATREE>();
    if (tree->OpenFile(path, 0, 0) < 0) return 0;
    tree->GetSearch().SetRegExpSearch(m_options.m_bRegExp);
    tree->GetSearch().SetSearchTargets(m_options.m_bTitle, m_options.m_bText, m_options.m_bLink);
    tree->GetSearch().SetSearchOptions(m_options.m_bCase, m_options.m_bWidth, words.treeMode);
  }
  std::vector<const CDirData*> found;
  int count = 0;
  for (size_t i = 0; i < words.parts.size(); ++i) {
    int partHits = 0;
    if (read) {
      partHits = MatchItems(scanned[i], words.parts[i], found);
    } else {
      tree->GetSearch().SetSearchText(words.parts[i]);
      // Every top-level tree, so an outline with several roots is searched whole.
      for (int start = 0; start < tree->GetDirDataCount(); start = tree->GetNextSibling(start, TRUE))
        partHits += tree->GetSearch().FindAllText(*tree, start, found);
    }
    count += partHits;
    if (m_options.m_nWordMode == 4 && partHits == 0) {
      count = 0;
      break;
    }
  }
  if (m_pProgress) m_pProgress->AddHitFile(count);
  for (int i = 0; i < count; ++i)
    hits.push_back(std::make_unique<CGrepData>(path, found[i]->m_strPath, found[i]->m_strText, found[i]->m_strLink));
  return count;
}

int CGrepSearch::SearchTextFile(const char* path, std::vector<std::unique_ptr<CGrepData>>& hits) {
  if (!ReadFile(CP932ToUTF8(path), m_bytes)) return 0;
  const std::string& bytes = m_bytes;
  int count = 0;
  auto addHit = [&](size_t start, size_t end) {
    hits.push_back(std::make_unique<CGrepData>(path, kGrepTextFileTree, "", ""));
    hits.back()->m_strText = CString(bytes.substr(start, end - start));
    ++count;
  };
  if (m_options.m_bRegExp) {
    if (!m_pLineMatcher) m_pLineMatcher = std::make_unique<RegExpLineMatcher>(m_options.m_strWord, !m_options.m_bCase);
    // A file without a unit every match needs is passed over whole; a bad pattern still raises its
    // error at the first piece.
    if (m_pLineMatcher->MayMatch(bytes)) {
      const std::string_view all(bytes);
      for (size_t start = 0; start < bytes.size();) {
        const size_t end = PieceEnd(bytes, start);
        // A piece is one line, or a part of one: only its own line end is left out.
        size_t lineEnd = end;
        if (bytes[end - 1] == '\n') lineEnd -= end - 1 > start && bytes[end - 2] == '\r' ? 2 : 1;
        if (m_pLineMatcher->TestLine(all.substr(start, lineEnd - start))) addHit(start, end);
        start = end;
      }
    }
  } else {
    if (!m_pTextWord) m_pTextWord = std::make_unique<TextFinder>(m_options.m_strWord.str(), PlainFlags());
    // One search over the whole text; a match counts only where it lies inside one piece, as a
    // piece is all the line reader would have tested at once.
    for (size_t from = 0; from < bytes.size();) {
      int length = 0;
      const int pos = m_pTextWord->Find(bytes, static_cast<int>(from), &length);
      if (pos < 0) break;
      const size_t start = std::max(from, PieceStart(bytes, pos));
      const size_t end = PieceEnd(bytes, start);
      if (static_cast<size_t>(pos) + length <= end) addHit(start, end);
      from = end;
    }
  }
  if (m_pProgress) m_pProgress->AddHitFile(count);
  return count;
}
