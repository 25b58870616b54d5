#pragma once
// The colour runs of one view row: which colour role each stretch of a line's text is drawn in
// (quotes, comments, tags, URLs, mail addresses, search hits, highlight words, TAB runs).
#include <cstdint>
#include <vector>

#include "control/CRefString.h"

struct CCustomizeInfo;
struct CHiliteRule;

// The highlight rules ordered by their first byte for bisection, one index for the rules that
// match case and one for the others (whose texts are upper-cased here). Table order is kept among
// rules of one first byte, so the first rule of the table wins.
class CHiliteIndex {
 public:
  void Build(const std::vector<CHiliteRule>& rules);
  bool IsEmpty() const { return m_exact.empty() && m_upper.empty(); }

  struct Entry {
    CRefString text;
    int order = 0;  // position in the rule table
    short color = 0;
    bool word = false;
    bool rightAll = false;
    bool insideTag = false;
  };
  // The first rule (in table order) whose text stands at `offset`, or null.
  const Entry* Match(const char* text, const char* upper, int length, int offset, bool inTag) const;

 private:
  std::vector<Entry> m_exact;
  std::vector<Entry> m_upper;
};

// One run: the role from the previous run's end (or the row start) up to `end`. Role 0 stands for
// the row's own role (normal or caret line); a quoted line's runs carry the quote role.
struct CColorRun {
  int end = 0;
  int role = 0;
};

struct CColorRunInput {
  const CCustomizeInfo* cust = nullptr;
  const CHiliteIndex* hilite = nullptr;
  const char* search = nullptr;  // null or empty: no search highlight
  bool searchMatchCase = false;
  bool tabRuns = false;  // the TAB role's background differs from the normal one
};

class CColorRuns {
 public:
  // Runs for [rowStart, rowEnd) of the line; the same line text and offsets reuse the last result.
  const std::vector<CColorRun>& Build(const CColorRunInput& input, const CRefString& line, int rowStart, int rowEnd,
                                      bool inComment);
  // The role the row starts from: 3 for a quoted line, else 0.
  int GetBaseRole() const { return m_baseRole; }
  void Invalidate() { m_valid = false; }

 private:
  void Scan(const CColorRunInput& input, const char* text, int length, int rowEnd, bool inComment);

  bool m_valid = false;
  CRefString m_line;
  int m_rowStart = 0;
  int m_rowEnd = 0;
  int m_baseRole = 0;
  std::vector<std::uint8_t> m_roles;
  std::vector<CColorRun> m_runs;
};
