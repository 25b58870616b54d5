#pragma once
// The dictionary link's spell check over a text pane: the pane's editing control holds the text
// and the spell-check dialog asks the user about each doubtful word.
#include "textarea/TextPaneTools.h"
#include "views/CPdicLink.h"

class CIEditView;

class CTextPaneSpellCheck : public ISpellCheckTarget {
 public:
  explicit CTextPaneSpellCheck(CIEditView& pane) : m_pane(pane) {}

  CString GetText() override;
  int GetLineHeight() override;
  void BringToTop() override;
  void SetSel(long start, long end) override;
  POINT GetCharScreenPos(long offset) override;
  void ReplaceSel(const char* text) override;
  void ReplaceAllText(const char* text) override;
  BOOL AskWord(CString& word, POINT position, int lineHeight, int& action) override;

 private:
  CIEditView& m_pane;
};

// The text panes' spell check, there while the dictionary program's ANSI edition is registered.
class CPaneSpellChecker : public ISpellChecker {
 public:
  BOOL HasDictionary() override;
  void CheckSpelling(CIEditView& pane) override;
};
