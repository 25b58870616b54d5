#pragma once
// A string array that reverses, sorts in the Japanese-aware order of the find options, and joins
// its elements into one text of lines.
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"

class CPelkoStringArray : public CStringArray {
 public:
  // The sort order; derive from it to plug in another. The default ignores width, case, kana and
  // the loose differences.
  class Compare {
   public:
    virtual ~Compare() = default;
    virtual int operator()(const char* a, const char* b) const;
  };

  ~CPelkoStringArray() override = default;

  void Reverse();
  // Heap sort in place; not stable.
  void Sort(const Compare& compare);
  void SortAscending();
  void SortDescending();
  // Every element followed by CR LF; "" when empty.
  CString Join() const;
};
