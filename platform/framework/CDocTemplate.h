#pragma once
// A document template ties a document class to the frame and view classes that show it, and
// keeps the open documents of its kind. CMultiDocTemplate opens each document in a child frame of
// its own in the main frame.
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDocument;
class CFrameWnd;
class CView;

// Factories of the classes a template creates: the template owns its documents, wx owns the
// windows once they are created.
template <class T>
auto RuntimeClass() {
  if constexpr (std::is_base_of_v<CDocument, T>) {
    return std::function<std::unique_ptr<CDocument>()>([] { return std::make_unique<T>(); });
  } else if constexpr (std::is_base_of_v<CView, T>) {
    return std::function<CView*()>([] { return new T; });
  } else {
    return std::function<CFrameWnd*()>([] { return new T; });
  }
}

class CDocTemplate {
 public:
  using DocClass = std::function<std::unique_ptr<CDocument>()>;
  using FrameClass = std::function<CFrameWnd*()>;
  using ViewClass = std::function<CView*()>;

  // Parts of the document string, separated by "\n" in this order.
  enum DocStringIndex {
    windowTitle,
    docName,         // base of untitled titles ("Kestav" gives "Kestav1")
    fileNewName,
    filterName,      // file dialog filter text
    filterExt,       // ".kvn"
    regFileTypeId,
    regFileTypeName,
  };
  // How well a path suits a template, best last.
  enum Confidence { noAttempt, yesAttemptForeign, yesAttemptNative, yesAlreadyOpen };

  CDocTemplate(UINT nIDResource, const char* docString, DocClass docClass, FrameClass frameClass, ViewClass viewClass);
  virtual ~CDocTemplate();

  BOOL GetDocString(CString& text, DocStringIndex index) const;

  std::vector<CDocument*> GetDocuments() const;
  virtual Confidence MatchDocType(const char* path, CDocument*& match);

  // An empty document of this template's class, added to its documents.
  CDocument* CreateNewDocument();
  // A frame with its views for the document; null when the frame could not be built.
  CFrameWnd* CreateNewFrame(CDocument* document);
  void InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible = TRUE);
  // A new untitled document (path null) or the document of the file, in a new frame; null on
  // failure, after the document reported why.
  virtual CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE) = 0;
  // As OpenDocumentFile for a path, with open reading the new document in place of its
  // OnOpenDocument: for a source that the document reads in a way of its own (an import).
  using Opener = std::function<BOOL(CDocument& document, const char* path)>;
  virtual CDocument* OpenDocumentWith(const char* path, const Opener& open, BOOL makeVisible = TRUE) = 0;
  virtual void SetDefaultTitle(CDocument* document) = 0;
  // Asks every document to close (saving as it asks the user); FALSE when one refused.
  BOOL SaveAllModified();
  void CloseAllDocuments();

  // Takes a document out of the template; the caller ends its life.
  std::unique_ptr<CDocument> RemoveDocument(CDocument* document);

 protected:
  // Destroys the frame of a document that failed to open, and the document with it.
  void DiscardFrame(CFrameWnd* frame, CDocument* document);

  UINT m_nIDResource;
  CString m_strDocStrings;
  DocClass m_docClass;
  FrameClass m_frameClass;
  ViewClass m_viewClass;
  std::vector<std::unique_ptr<CDocument>> m_docList;
};

class CMultiDocTemplate : public CDocTemplate {
 public:
  using CDocTemplate::CDocTemplate;
  CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE) override;
  CDocument* OpenDocumentWith(const char* path, const Opener& open, BOOL makeVisible = TRUE) override;
  void SetDefaultTitle(CDocument* document) override;

 private:
  int m_nUntitledCount = 0;
};
