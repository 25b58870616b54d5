#pragma once
// A line cut into the stretches that show a searched word (marked) and the stretches between them.
#include <functional>
#include <vector>

struct WordRun {
  int offset;
  int length;
  bool marked;
};

// The next match at or after a byte offset: its offset (-1 when there is none) and its length.
using WordFinder = std::function<int(int start, int* length)>;

// Runs covering the whole text in order, neighbours of the same kind joined. A match of no length
// marks nothing and the search goes on a character later, so a pattern that matches the empty
// string cannot hold the caller in place.
std::vector<WordRun> MarkWordRuns(const char* text, int length, const WordFinder& find);
