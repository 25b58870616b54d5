#include "platform/framework/CDocTemplate.h"

#include <algorithm>

#include "platform/framework/CDocument.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/framework/CWinApp.h"

CDocTemplate::CDocTemplate(UINT nIDResource, const char* docString, DocClass docClass, FrameClass frameClass,
                           ViewClass viewClass)
    : m_nIDResource(nIDResource),
      m_strDocStrings(docString),
      m_docClass(std::move(docClass)),
      m_frameClass(std::move(frameClass)),
      m_viewClass(std::move(viewClass)) {}

CDocTemplate::~CDocTemplate() = default;

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const {
  text.Empty();
  int start = 0;
  for (int i = 0; i < index; ++i) {
    const int next = m_strDocStrings.Find('\n', start);
    if (next < 0) return FALSE;
    start = next + 1;
  }
  const int end = m_strDocStrings.Find('\n', start);
  text = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
  return TRUE;
}

std::vector<CDocument*> CDocTemplate::GetDocuments() const {
  std::vector<CDocument*> docs;
  for (const auto& doc : m_docList) docs.push_back(doc.get());
  return docs;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(const char* path, CDocument*& match) {
  match = nullptr;
  for (const auto& doc : m_docList) {
    if (doc->GetPathName() == path) {
      match = doc.get();
      return yesAlreadyOpen;
    }
  }
  CString ext;
  if (GetDocString(ext, filterExt) && !ext.IsEmpty()) {
    const CString name(path);
    if (name.GetLength() >= ext.GetLength() && name.Right(ext.GetLength()).CompareNoCase(ext) == 0)
      return yesAttemptNative;
  }
  return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
  std::unique_ptr<CDocument> doc = m_docClass();
  if (!doc) return nullptr;
  doc->m_pDocTemplate = this;
  m_docList.push_back(std::move(doc));
  return m_docList.back().get();
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document) {
  CCreateContext context;
  context.m_pCurrentDoc = document;
  context.m_pNewDocTemplate = this;
  context.m_pNewViewClass = m_viewClass;
  wxWindow* parent = AfxGetMainFrameWindow();
  // A frame that fails to load destroys itself; one that loads belongs to its parent window.
  CFrameWnd* frame = m_frameClass();
  return frame && frame->LoadFrame(m_nIDResource, parent, &context) ? frame : nullptr;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible) {
  frame->InitialUpdateFrame(document, makeVisible);
}

BOOL CDocTemplate::SaveAllModified() {
  for (CDocument* doc : GetDocuments())
    if (!doc->SaveModified()) return FALSE;
  return TRUE;
}

void CDocTemplate::CloseAllDocuments() {
  for (CDocument* doc : GetDocuments()) doc->OnCloseDocument();
}

void CDocTemplate::DiscardFrame(CFrameWnd* frame, CDocument* document) {
  frame->GetFrameWindow()->Destroy();  // its last view going closes the document
  const std::vector<CDocument*> docs = GetDocuments();
  if (std::find(docs.begin(), docs.end(), document) != docs.end()) RemoveDocument(document);
}

std::unique_ptr<CDocument> CDocTemplate::RemoveDocument(CDocument* document) {
  auto it = std::find_if(m_docList.begin(), m_docList.end(), [&](const auto& d) { return d.get() == document; });
  if (it == m_docList.end()) return nullptr;
  std::unique_ptr<CDocument> doc = std::move(*it);
  m_docList.erase(it);
  doc->m_pDocTemplate = nullptr;
  return doc;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const char* path, BOOL makeVisible) {
  return OpenDocumentWith(path, nullptr, makeVisible);
}

CDocument* CMultiDocTemplate::OpenDocumentWith(const char* path, const Opener& open, BOOL makeVisible) {
  CDocument* doc = CreateNewDocument();
  if (!doc) return nullptr;
  // Until the frame stands, its views coming and going must not close the document.
  const BOOL autoDelete = doc->m_bAutoDelete;
  doc->m_bAutoDelete = FALSE;
  CFrameWnd* frame = CreateNewFrame(doc);
  doc->m_bAutoDelete = autoDelete;
  if (!frame) {
    RemoveDocument(doc);
    return nullptr;
  }
  if (!path) {
    SetDefaultTitle(doc);
    if (!doc->OnNewDocument()) {
      DiscardFrame(frame, doc);
      return nullptr;
    }
    ++m_nUntitledCount;
  } else if (!(open ? open(*doc, path) : doc->OnOpenDocument(path))) {
    DiscardFrame(frame, doc);
    return nullptr;
  }
  InitialUpdateFrame(frame, doc, makeVisible);
  return doc;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* document) {
  CString title;
  if (GetDocString(title, docName) && !title.IsEmpty())
    title.AppendFormat("%d", m_nUntitledCount + 1);
  else
    title = "無題";
  document->SetTitle(title);
}
