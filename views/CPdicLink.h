#pragma once
// The link to the dictionary program that the spell check uses as its word list: a conversation
// on topic "Dictionary" with its ANSI ("PDICW") or Unicode ("PDICU") edition, started from its
// registered path when none answers. Known words are those its "Find" poke accepts.
#include <memory>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDdeConversation;

// What the spell check needs of the editing control it walks and of the user it asks. Offsets are
// byte offsets into the control's whole text.
class ISpellCheckTarget {
 public:
  virtual ~ISpellCheckTarget() = default;
  virtual CString GetText() = 0;
  // The height of a text line in the control's font.
  virtual int GetLineHeight() = 0;
  // Brings the control's window to the top, neither moving nor sizing it.
  virtual void BringToTop() = 0;
  virtual void SetSel(long start, long end) = 0;
  // The screen point of the top left of the character at offset.
  virtual POINT GetCharScreenPos(long offset) = 0;
  virtual void ReplaceSel(const char* text) = 0;
  // Sets the whole text as a correction of the user's, keeping the first visible line.
  virtual void ReplaceAllText(const char* text) = 0;
  // Asks what to do with the doubtful word, in a dialog whose top left is at position (below a
  // line of lineHeight): FALSE when cancelled, else the chosen action and, after a correction,
  // the corrected word.
  virtual BOOL AskWord(CString& word, POINT position, int lineHeight, int& action) = 0;
};

class CPdicLink {
 public:
  // The edition the dictionary program registered: 1 when its Unicode edition's key is there.
  CPdicLink();
  ~CPdicLink();
  CPdicLink(const CPdicLink&) = delete;
  CPdicLink& operator=(const CPdicLink&) = delete;

  BOOL Poke(const char* item, const char* text);
  // TRUE when a conversation on the topic exists, starting the program when none answers.
  BOOL Connect(const char* topic);
  // Connects and opens the dictionary; tells the user why when it cannot.
  BOOL Open();
  BOOL Close();
  BOOL RecordDialog(const char* word);
  // Whether the dictionary knows the word in one of its case or suffix forms.
  BOOL LookupWord(const char* word);
  // Asks the user about every word of the text that the dictionary does not know.
  BOOL SpellCheckText(ISpellCheckTarget& target);

  // The forms LookupWord tries, in order; never an empty one.
  static std::vector<CString> GetWordForms(const CString& word);
  // Where the edition's program is registered; "" when it is not.
  static CString GetProgramPath(int unicode);
  // The edition after the setting "View"/"SpellCheck": 0 keeps it, 1 the ANSI one, 2 the Unicode one.
  void ApplySpellCheckSetting(int setting);

  int m_nUnicode = 0;

 private:
  std::unique_ptr<CDdeConversation> m_conversation;
};

// The text pane's spell check: opens the link, checks the text, closes the link.
void RunSpellCheck(ISpellCheckTarget& target);
