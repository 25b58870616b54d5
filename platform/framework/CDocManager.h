#pragma once
// The document manager: the application's document templates, opening a file with the template
// that suits it (or bringing forward the document that already shows it), and the file dialogs.
#include <memory>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDocTemplate;
class CDocument;

class CDocManager {
 public:
  virtual ~CDocManager();

  CDocTemplate* AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
  std::vector<CDocTemplate*> GetDocTemplates() const;
  int GetOpenDocumentCount() const;

  // Opens the path (one pair of enclosing quotes removed, made absolute) with the best-matching
  // template; an already open document is activated instead. Null on failure.
  virtual CDocument* OpenDocumentFile(const char* path);
  // A new untitled document of the first template.
  virtual void OnFileNew();
  // The open dialog, then the application opens the chosen file.
  virtual void OnFileOpen();
  // Open or save dialog with the templates' filters (only docTemplate's when given) and "all
  // files"; fileName proposes the name and receives the choice. FALSE when cancelled.
  virtual BOOL DoPromptFileName(CString& fileName, const char* title, BOOL openFileDialog, CDocTemplate* docTemplate);

  BOOL SaveAllModified();
  void CloseAllDocuments();

 protected:
  // Opens the name as it stands with the template that matches it best, or activates the
  // document that already has it. Null on failure.
  CDocument* OpenWithBestTemplate(const CString& name);

  std::vector<std::unique_ptr<CDocTemplate>> m_templateList;
};
