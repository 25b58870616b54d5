#pragma once
// The search behind the grep window: every outline file (and, when asked, every text file) of a
// folder, optionally with its sub-folders, is searched for a word; each matching tree or text line
// becomes one hit. The search opens no window: it reports its progress to a listener, which may
// stop it between files.
#include <memory>
#include <string>
#include <vector>

#include "platform/base/CObject.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDirData;
class RegExpLineMatcher;
class TextFinder;

// One hit.
class CGrepData : public CObject {
 public:
  CGrepData() = default;
  CGrepData(const char* file, const char* treePath, const char* text, const char* link)
      : m_strFile(file), m_strTreePath(treePath), m_strText(text), m_strLink(link) {}

  // The tree's own title: the path after its last 0x01, cut before its last 0x02.
  CString GetTreeTitle() const;

  CString m_strFile;      // full path
  CString m_strTreePath;  // the item's path, or "(テキストファイル)"
  CString m_strText;      // the item's body, or the matching line piece with its line end
  CString m_strLink;      // the item's link; empty for a text file
};

// The tree path of every text-file hit.
extern const char* const kGrepTextFileTree;

// What to look for and where.
struct CGrepOptions {
  CString m_strWord;
  CString m_strFolder;
  BOOL m_bCase = FALSE;   // distinguish upper and lower case
  BOOL m_bWidth = FALSE;  // distinguish full-width and half-width forms
  BOOL m_bRegExp = FALSE;
  int m_nFileType = 0;   // 0 outline files only, 1 outline and text files
  BOOL m_bSubFolder = TRUE;
  int m_nWordMode = 0;  // 0 one word, 1/2 any/all parts per tree, 3/4 any/all parts per file
  BOOL m_bTitle = TRUE;
  BOOL m_bText = TRUE;
  BOOL m_bLink = FALSE;

  // The stored case, width, target, sub-folder, file type and regular-expression options.
  void LoadSettings();
};

// Told of each step; answers whether the user asked to stop.
class CGrepProgress {
 public:
  virtual ~CGrepProgress() = default;
  virtual void ShowFolder(const char* folder) = 0;
  virtual void ShowFile(const char* file) = 0;
  virtual void AddHitFile(int hits) = 0;
  virtual BOOL IsCancelled() = 0;
};

class CGrepSearch {
 public:
  CGrepSearch(const CGrepOptions& options, CGrepProgress* progress);
  ~CGrepSearch();

  // Appends the hits in the order of discovery: files in name order (letter case ignored),
  // sub-folders walked where they are met. FALSE, before searching, without a word or a folder.
  BOOL Run(std::vector<std::unique_ptr<CGrepData>>& hits);

  // The two searches of one file, public for the benchmark; both return the file's hit count.
  int SearchOutlineFile(const char* path, std::vector<std::unique_ptr<CGrepData>>& hits);
  int SearchTextFile(const char* path, std::vector<std::unique_ptr<CGrepData>>& hits);

  // Names that cannot be held in the program's code page; they are skipped.
  int GetSkippedNames() const { return m_nSkippedNames; }
  BOOL WasCancelled() const { return m_bCancelled; }

 private:
  struct Walk;
  struct OutlineWords;
  void SearchFolder(const CString& folder, std::vector<std::unique_ptr<CGrepData>>& hits, Walk& walk);
  void SearchFile(const CString& path, std::vector<std::unique_ptr<CGrepData>>& hits);
  OutlineWords& Words();
  // Appends the items that hold the word where the search looks (title, link, text); returns how many.
  int MatchItems(const std::vector<std::unique_ptr<CDirData>>& items, const CString& word,
                 std::vector<const CDirData*>& found);
  BOOL Cancelled();
  // The flags of the plain search's option search.
  int PlainFlags() const;

  CGrepOptions m_options;
  CGrepProgress* m_pProgress;
  std::unique_ptr<RegExpLineMatcher> m_pLineMatcher;  // the text files' test, made at the first one
  std::unique_ptr<TextFinder> m_pTextWord;            // the text files' plain word, made at the first one
  std::unique_ptr<OutlineWords> m_pWords;             // the outline files' search, made at the first one
  std::string m_bytes;                                // the file being searched
  int m_nSkippedNames = 0;
  BOOL m_bCancelled = FALSE;
};
