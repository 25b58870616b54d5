#pragma once
// How a selected text is split off into a new tree: the title it proposes and the text the new
// tree gets.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

struct SplitPart {
  CString part;   // the selection without its leading empty lines
  CString title;  // its first line; empty when no line follows the empty ones
  bool hasLineEnd = false;
};

SplitPart ProposeSplit(const char* selected);

// The new tree's text: with auto-title, the part (after the chosen title when that is not the
// proposed one); without it, the part without its title line when deleteFirstLine is on.
CString SplitTreeText(const SplitPart& split, const char* chosenTitle, BOOL autoTitle, BOOL deleteFirstLine);
