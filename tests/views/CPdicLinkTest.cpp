// The dictionary link against a fake dictionary program: the forms a word is looked up in, the
// opening conversation of each edition, and the spell check's walk over a text.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/com/CRegKey.h"
#include "platform/desktop/MessageBox.h"
#include "tests/platform/FakeDdeServer.h"
#include "views/CPdicLink.h"

namespace {

// Knows the words given; refuses the commands named in `refused`.
class FakeDictionary {
 public:
  explicit FakeDictionary(std::set<std::string> words, const char* service = "PDICW", std::set<std::string> refused = {})
      : m_words(std::move(words)),
        m_refused(std::move(refused)),
        m_server(
            service, [](const std::string& topic) { return topic == "Dictionary"; },
            [](const std::string&) { return std::nullopt; },
            [this](const std::string& item, const std::string& data) {
              if (data.empty() || data.back() != '\0') return false;
              const std::string text = data.substr(0, data.size() - 1);
              if (item == "Find") return m_words.count(text) > 0;
              return m_refused.count(item) == 0;
            }) {}
  // The pokes of "Find" and "RecordDialog" as "item=word", the others as their item.
  std::vector<std::string> Pokes() const {
    std::vector<std::string> pokes;
    for (const std::string& poke : m_server.Pokes()) {
      const std::string item = poke.substr(0, poke.find('='));
      const std::string data = poke.substr(poke.find('=') + 1);
      pokes.push_back(item == "Find" || item == "RecordDialog" ? item + "=" + data.substr(0, data.size() - 1) : item);
    }
    return pokes;
  }

 private:
  std::set<std::string> m_words;
  std::set<std::string> m_refused;
  FakeDdeServer m_server;
};

std::vector<std::string> Finds(const std::vector<std::string>& words) {
  std::vector<std::string> finds;
  for (const std::string& word : words) finds.push_back("Find=" + word);
  return finds;
}

// Records what the check did to the text and answers each doubtful word from a script.
class FakeTarget : public ISpellCheckTarget {
 public:
  struct Answer {
    BOOL ok;
    int action;
    const char* word;
  };
  FakeTarget(const char* text, std::vector<Answer> answers) : m_text(text), m_answers(std::move(answers)) {}
  CString GetText() override { return m_text; }
  int GetLineHeight() override { return 16; }
  void BringToTop() override { ++raised; }
  void SetSel(long start, long end) override {
    m_start = start;
    m_end = end;
  }
  POINT GetCharScreenPos(long offset) override { return POINT{static_cast<LONG>(offset * 8), 100}; }
  void ReplaceSel(const char* text) override {
    m_text = m_text.Left(m_start) + text + m_text.Mid(m_end);
    log.push_back(std::string("replace ") + text);
  }
  void ReplaceAllText(const char* text) override {
    m_text = text;
    log.push_back(std::string("all ") + text);
  }
  BOOL AskWord(CString& word, POINT position, int lineHeight, int& action) override {
    asked.push_back(word.str());
    EXPECT_EQ(std::string(m_text.Mid(m_start, m_end - m_start)), word.str());
    EXPECT_EQ(position.x, (m_end - 1) * 8);
    EXPECT_EQ(position.y, 100 + lineHeight);
    if (m_answers.empty()) return FALSE;
    const Answer answer = m_answers.front();
    m_answers.erase(m_answers.begin());
    action = answer.action;
    if (answer.word) word = answer.word;
    return answer.ok;
  }
  std::string Text() const { return m_text.str(); }
  std::vector<std::string> asked;
  std::vector<std::string> log;
  int raised = 0;

 private:
  CString m_text;
  std::vector<Answer> m_answers;
  long m_start = 0;
  long m_end = 0;
};

class ScopedRegistryKey {
 public:
  ScopedRegistryKey(HKEY root, const char* path) : m_root(root), m_path(path) {
    CRegKey key;
    key.Create(root, path);
  }
  ~ScopedRegistryKey() {
    CRegKey root(m_root);
    root.RecurseDeleteKey(m_path);
    root.Detach();
  }

 private:
  HKEY m_root;
  const char* m_path;
};

}  // namespace

TEST(CPdicLink, WordsAreTriedInTheirCaseFormsThenTheirSuffixForms) {
  struct Case {
    const char* word;
    std::vector<std::string> tried;
  } cases[] = {
      // Every suffix rule sends the candidate it left, so a match is sent again until the next one.
      {"Running",
       {"Running", "RUNNING", "Running", "running", "Runn", "Runn", "Runn", "Runn", "Runn", "Runn", "Runne"}},
      {"studies", {"studies", "STUDIES", "Studies", "studies", "studie", "studie", "studie", "studie", "studi", "study",
                   "study", "study"}},
      // Suffixes are compared in lower case only.
      {"RUNS", {"RUNS", "RUNS", "Runs", "runs"}},
      // A rule that takes the whole word leaves nothing to send.
      {"es", {"es", "ES", "Es", "es", "e", "e", "e", "e"}},
      // Only a-z become capitals: a half-width kana byte minus 32 would be the lead byte of a kanji.
      {"ｱｲ", {"ｱｲ", "ｱｲ", "ｱｲ", "ｱｲ"}},
  };
  for (const Case& c : cases) {
    FakeDictionary dictionary({});
    CPdicLink link;
    ASSERT_TRUE(link.Connect("Dictionary"));
    EXPECT_FALSE(link.LookupWord(c.word));
    EXPECT_EQ(dictionary.Pokes(), Finds(c.tried)) << c.word;
  }
  // The first form that the dictionary knows ends the look-up.
  FakeDictionary dictionary({"running"});
  CPdicLink link;
  ASSERT_TRUE(link.Connect("Dictionary"));
  EXPECT_TRUE(link.LookupWord("Running"));
  EXPECT_EQ(dictionary.Pokes(), Finds({"Running", "RUNNING", "Running", "running"}));
}

TEST(CPdicLink, WithoutADictionaryOpeningSaysSoAndTheCheckTouchesNothing) {
  ScopedMessageBoxHook boxes(IDOK);
  FakeTarget target("teh word", {});
  RunSpellCheck(target);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(std::string(boxes.Calls()[0].text), "接続失敗");
  EXPECT_TRUE(target.asked.empty());
  EXPECT_EQ(target.Text(), "teh word");
}

TEST(CPdicLink, EachEditionOpensWithItsOwnCommands) {
  // The Unicode edition is told to speak ANSI first; the setting can force either edition.
  {
    ScopedRegistryKey unicode(HKEY_CURRENT_USER, "Software\\ReliefOffice\\PDIC2\\Common");
    FakeDictionary dictionary({}, "PDICU");
    CPdicLink link;
    EXPECT_EQ(link.m_nUnicode, 1);
    ASSERT_TRUE(link.Open());
    EXPECT_TRUE(link.Close());
    EXPECT_EQ(dictionary.Pokes(), (std::vector<std::string>{"SetAnsi", "Open", "Close"}));
    CPdicLink forced;
    forced.ApplySpellCheckSetting(1);
    EXPECT_EQ(forced.m_nUnicode, 0);
    forced.ApplySpellCheckSetting(0);
    EXPECT_EQ(forced.m_nUnicode, 0);
  }
  CPdicLink ansi;
  EXPECT_EQ(ansi.m_nUnicode, 0);
  ansi.ApplySpellCheckSetting(2);
  EXPECT_EQ(ansi.m_nUnicode, 1);

  ScopedMessageBoxHook boxes(IDOK);
  FakeDictionary refusing({}, "PDICW", {"Open"});
  CPdicLink link;
  EXPECT_FALSE(link.Open());
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(std::string(boxes.Calls()[0].text), "DDEｺﾏﾝﾄﾞ送信に失敗しました");
  EXPECT_EQ(boxes.Calls()[0].flags & MB_ICONMASK, MB_ICONSTOP);
  EXPECT_EQ(refusing.Pokes(), std::vector<std::string>{"Open"});
}

TEST(CPdicLink, TheCheckAsksAboutUnknownWordsAndAppliesEachAction) {
  // One-letter words, digits, kanji and full-width kana are never looked up.
  FakeDictionary dictionary({"the", "cat"});
  FakeTarget target("teh cat a 12 漢字 カナ teh wrod teh ｶﾅ xx yy",
                    {{TRUE, 1, "the"}, {TRUE, 0, "word"}, {TRUE, 2, nullptr}, {TRUE, 3, nullptr}, {FALSE, 0, nullptr}});
  CPdicLink link;
  ASSERT_TRUE(link.Open());
  EXPECT_TRUE(link.SpellCheckText(target));
  // "全て修正" put the word in everywhere after it, so the later "teh" is not asked about again.
  EXPECT_EQ(target.asked, (std::vector<std::string>{"teh", "wrod", "ｶﾅ", "xx", "yy"}));
  EXPECT_EQ(target.log, (std::vector<std::string>{"all the cat a 12 漢字 カナ the wrod the ｶﾅ xx yy", "replace word"}));
  EXPECT_EQ(target.Text(), "the cat a 12 漢字 カナ the word the ｶﾅ xx yy");
  EXPECT_EQ(target.raised, 5);
  const std::vector<std::string> pokes = dictionary.Pokes();
  EXPECT_NE(std::find(pokes.begin(), pokes.end(), "RecordDialog=ｶﾅ"), pokes.end());
  for (const std::string& poke : pokes) {
    EXPECT_NE(poke, "Find=a");
    EXPECT_NE(poke, "Find=12");
    EXPECT_NE(poke, "Find=漢字");
  }
}
