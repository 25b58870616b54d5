#include "app/WordMarks.h"

#include "platform/base/CodePage.h"

namespace {

void Append(std::vector<WordRun>& runs, int offset, int length, bool marked) {
  if (length <= 0) return;
  if (!runs.empty() && runs.back().marked == marked && runs.back().offset + runs.back().length == offset) {
    runs.back().length += length;
    return;
  }
  runs.push_back(WordRun{offset, length, marked});
}

}  // namespace

std::vector<WordRun> MarkWordRuns(const char* text, int length, const WordFinder& find) {
  std::vector<WordRun> runs;
  int pos = 0;
  while (pos < length) {
    int matched = 0;
    const int found = find(pos, &matched);
    if (found < pos || found >= length) break;
    Append(runs, pos, found - pos, false);
    if (matched <= 0) {
      const int bytes = found + 1 < length && IsDBCSLeadByte(static_cast<unsigned char>(text[found])) ? 2 : 1;
      Append(runs, found, bytes, false);
      pos = found + bytes;
      continue;
    }
    const int end = found + matched < length ? found + matched : length;
    Append(runs, found, end - found, true);
    pos = end;
  }
  Append(runs, pos, length - pos, false);
  return runs;
}
