#pragma once
// The character and tree counts of an outline as the count command shows them. Characters are
// counted with a double-byte character as one, a tree's title included with its text.
#include "platform/base/CString.h"

class ATREE;

struct TextCounts {
  int total = 0;         // every tree
  int withChildren = 0;  // the current tree and its subtree
  int current = 0;
  int selection = 0;
  int trees = 0;
  int childTrees = 0;  // trees below the current one
  int perLevel[5] = {};  // trees at levels 1 to 5
};

TextCounts CountOutline(const ATREE& tree, int current, const char* selection);

// Pages of a count: characters / per page + 1. A per-page value below 1 counts as the default
// 400, so a bad setting never divides by zero.
int PagesOf(int characters, int perPage);
