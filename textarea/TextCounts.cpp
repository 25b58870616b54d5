#include "textarea/TextCounts.h"

#include "model/ATREE.h"
#include "textarea/TextPaneTexts.h"

TextCounts CountOutline(const ATREE& tree, int current, const char* selection) {
  TextCounts counts;
  const int count = tree.GetDirDataCount();
  const int end = current >= 0 && current < count ? tree.GetNextSibling(current, TRUE) : -1;
  counts.trees = count;
  for (int i = 0; i < count; ++i) {
    const int characters = CountCharacters(tree.GetText(i)) + CountCharacters(tree.GetName(i));
    counts.total += characters;
    if (i == current) counts.current = characters;
    if (i >= current && i < end) {
      counts.withChildren += characters;
      if (i > current) ++counts.childTrees;
    }
    const int level = tree.GetLevel(i);
    if (level >= 1 && level <= 5) ++counts.perLevel[level - 1];
  }
  counts.selection = CountCharacters(selection);
  return counts;
}

int PagesOf(int characters, int perPage) { return characters / (perPage < 1 ? 400 : perPage) + 1; }
