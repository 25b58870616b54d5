#pragma once
// The document of a grep window: the hits of one folder search, found when the document is made
// and never changed or saved afterwards.
#include <memory>
#include <vector>

#include "platform/framework/CDocument.h"
#include "views/GrepSearch.h"

class CGrepEditView;
class wxUpdateUIEvent;

class CGrepDoc : public CDocument {
 public:
  // How the next grep document starts: 0 asks with the file search dialog (seeded with the start
  // word), 1 searches the start word at once with the stored options. Set by the command that
  // opens the document.
  enum { StartAsk = 0, StartAtOnce = 1 };
  static int s_nStartMode;
  static CString s_strStartWord;

  CGrepDoc();
  ~CGrepDoc() override;

  BOOL OnNewDocument() override;
  void DeleteContents() override;

  // Searches with m_options under a progress window; FALSE, with the message shown, when the word
  // or the folder is missing.
  BOOL RunSearch();

  const std::vector<std::unique_ptr<CGrepData>>& GetHits() const { return m_hits; }
  CGrepEditView* GetEditView() const;

  CGrepOptions m_options;
  int m_nSkippedNames = 0;

 protected:
  // The file search dialog; FALSE when the user cancels it.
  virtual BOOL AskOptions();

 private:
  void OnUpdateFileSave(wxUpdateUIEvent& event);

  std::vector<std::unique_ptr<CGrepData>> m_hits;

  wxDECLARE_EVENT_TABLE();
};
