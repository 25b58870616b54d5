#pragma once
// Texts for the search benchmarks: words drawn at random from a small vocabulary, with a line end
// now and then. The ASCII texts are English-like words between blanks; the Japanese ones run their
// words together as Japanese is written, mixing kanji, hiragana, katakana (some of it half-width),
// full-width letters and a few ASCII words, so that a search meets every kind of Shift JIS byte.
// Neither vocabulary holds "zebra", "ゼブラ" or "縞馬" in any width or case: the find benchmarks
// look for them and must read every byte.
#include <cstddef>
#include <iterator>
#include <string>

namespace bench {

enum class Language { kAscii, kJapanese };

inline const char* SampleWord(Language language, unsigned draw) {
  static const char* const ascii[] = {"Outline", "tree", "note", "Plan", "draft", "idea", "memo", "list", "task", "page"};
  static const char* const japanese[] = {
      "会議", "の", "議事録", "を", "確認", "しました", "。", "次回", "は", "予定", "どおり", "進めます", "、",
      "資料", "メモ", "タスク", "プロジェクト", "について", "データ", "サーバー", "設定", "変更", "テスト",
      "作成", "担当", "ﾃｽﾄ", "ﾒﾓ", "ＰＣ", "ファイル", "です", "が", "に", "と", "こと", "API", "OK",
      "version", "見出し", "内容", "報告"};
  if (language == Language::kAscii) return ascii[draw % std::size(ascii)];
  return japanese[draw % std::size(japanese)];
}

// At least `bytes` bytes of words. With a rare word, about one word in `rarity` is that word
// (rareWord, or rareWord2 every other time when it is given).
inline std::string SampleText(Language language, unsigned& seed, size_t bytes, const char* rareWord = nullptr,
                              unsigned rarity = 0, const char* rareWord2 = nullptr) {
  std::string text;
  bool second = false;
  while (text.size() < bytes) {
    seed = seed * 1103515245u + 12345u;
    const unsigned draw = seed >> 8;
    if (rareWord != nullptr && draw % rarity == 0) {
      text += rareWord2 != nullptr && second ? rareWord2 : rareWord;
      second = !second;
    } else {
      text += SampleWord(language, draw);
    }
    if ((seed >> 16) % 8 == 0) {
      text += "\r\n";
    } else if (language == Language::kAscii) {
      text += ' ';
    }
  }
  return text;
}

}  // namespace bench
