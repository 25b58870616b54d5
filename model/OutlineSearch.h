#pragma once
// The find and replace of one outline: what is looked for (the word, whether it is a regular
// expression, the match options, the category and the update dates, which fields of a tree), where
// the last hit was, and the searches over the trees with them. The tree keeps one of these, so
// that its panes share it and an undo snapshot carries it along.
#include <memory>
#include <string_view>
#include <vector>

#include "foundation/IRegExp.h"
#include "foundation/NotCopied.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"
#include "platform/com/RegExpLineMatcher.h"

class ATREE;
class CDirData;

class OutlineSearch {
 public:
  // The options as the settings file gives them.
  OutlineSearch();

  // The first match of pattern in text at or after start with the match options, its length in
  // matchLength; -1 when there is none.
  int MatchText(const char* text, const char* pattern, int* matchLength, int start) const;
  int MatchTextDefault(const char* text, const char* pattern) const;
  // The first tree from start on that the search finds; start itself is tested by its text only
  // unless includeStart. -1 when none.
  int FindText(const ATREE& tree, int start, BOOL includeStart);
  int FindTextBackward(const ATREE& tree, int start);
  // Appends every tree of the subtree at start that the search finds; returns how many.
  int FindAllText(const ATREE& tree, int start, std::vector<const CDirData*>& found);
  // Replaces in the titles (and texts) of the subtree at item; returns the number of replacements.
  int ReplaceInTrees(ATREE& tree, int item, const char* search, const char* replacement, BOOL texts, BOOL regExp);
  // Replaces every whole-character occurrence of search in text; returns how many.
  static int ReplaceAll(CString& text, const char* search, const char* replacement);

  void SetSearchText(const char* text) { m_strSearch = text; }
  const CString& GetSearchText() const { return m_strSearch; }
  void SetRegExpSearch(int on) { m_bRegExp = on; }
  void SetSearchOptions(int matchCase, int matchWidth, int wordMode) {
    m_bCase = matchCase;
    m_bWidth = matchWidth;
    m_nWordMode = wordMode;
  }
  void SetSearchTargets(int titles, int texts, int links) {
    m_bSearchTitles = titles;
    m_bSearchTexts = texts;
    m_bSearchLinks = links;
  }
  void SetCategoryFilter(int category) { m_nCategoryFilter = category; }
  void SetUpdateRange(const COleDateTime& from, const COleDateTime& to) {
    m_rangeFrom = from;
    m_rangeTo = to;
  }
  int GetFoundInText() const { return m_bFoundInText; }
  // The tree pane clears the flag once it has handed the hit to the text pane.
  void ClearFoundInText() { m_bFoundInText = 0; }
  int GetRegExpSearch() const { return m_bRegExp; }
  int GetMatchCase() const { return m_bCase; }
  int GetMatchWidth() const { return m_bWidth; }
  int GetWordMode() const { return m_nWordMode; }
  // Whether a find next has anything to look for: a word, a category or a date limit.
  bool HasSearchCondition() const {
    return !m_strSearch.IsEmpty() || m_nCategoryFilter != -1 || m_rangeFrom.GetStatus() != COleDateTime::null ||
           m_rangeTo.GetStatus() != COleDateTime::null;
  }

 private:
  // The node test of the forward find: head runs the category, range, title and link steps.
  bool MatchesNode(const CDirData* d, bool head);
  bool MatchesSearch(std::string_view text);
  IRegExp& GetRegExp();
  // Points the searches' line tests at the pattern, keeping the compiled one while it stays.
  void UseLineMatcher(const CString& pattern, bool ignoreCase);
  // Sets up a forward find: the pattern of a regular-expression search.
  void PrepareFind();

  int m_bFoundInText = 0;  // the last hit was in a tree's text
  int m_bCase = 0;
  int m_bWidth = 0;
  int m_nWordMode = 1;
  CString m_strSearch;
  int m_bRegExp = 0;
  int m_nCategoryFilter = -1;
  COleDateTime m_rangeFrom;
  COleDateTime m_rangeTo;
  int m_bSearchTitles = 1;
  int m_bSearchTexts = 1;
  int m_bSearchLinks = 0;

  // The compiled patterns, made on first use: each copy compiles its own.
  struct Compiled {
    IRegExp regExp;  // the object keeps the pattern last given to it, for a backward find
    std::unique_ptr<RegExpLineMatcher> lineMatcher;  // what the searches test texts with
  };
  NotCopied<Compiled> m_compiled;
};
