#include "platform/framework/CDocManager.h"

#include <wx/filedlg.h>

#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FileDialog.h"
#include "platform/framework/FileDialogFilter.h"
#include "platform/base/FullPath.h"
#include "platform/desktop/MessageBox.h"

CDocManager::~CDocManager() = default;

CDocTemplate* CDocManager::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate) {
  m_templateList.push_back(std::move(docTemplate));
  return m_templateList.back().get();
}

std::vector<CDocTemplate*> CDocManager::GetDocTemplates() const {
  std::vector<CDocTemplate*> list;
  for (const auto& t : m_templateList) list.push_back(t.get());
  return list;
}

int CDocManager::GetOpenDocumentCount() const {
  size_t count = 0;
  for (const auto& t : m_templateList) count += t->GetDocuments().size();
  return static_cast<int>(count);
}

CDocument* CDocManager::OpenDocumentFile(const char* path) {
  CString name(path ? path : "");
  // A name in quotes loses them; a quote inside a name is part of it (Linux names may hold one).
  if (!name.IsEmpty() && name[0] == '"') {
    name = name.Mid(1);
    const int quote = name.ReverseFind('"');
    if (quote >= 0) name = name.Left(quote);
  }
  return OpenWithBestTemplate(AfxFullPath(name));
}

CDocument* CDocManager::OpenWithBestTemplate(const CString& name) {
  CDocTemplate* best = nullptr;
  CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
  CDocument* openDoc = nullptr;
  for (const auto& t : m_templateList) {
    CDocument* match = nullptr;
    const CDocTemplate::Confidence c = t->MatchDocType(name, match);
    if (c > bestMatch) {
      bestMatch = c;
      best = t.get();
    }
    if (c == CDocTemplate::yesAlreadyOpen) {
      openDoc = match;
      break;
    }
  }
  if (openDoc) {
    CFrameWnd* frame = openDoc->GetViews().empty() ? nullptr : openDoc->GetViews().front()->GetParentFrame();
    if (frame) frame->ActivateFrame();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd != frame) app->m_pMainWnd->GetFrameWindow()->Raise();
    return openDoc;
  }
  if (!best) {
    AfxMessageBox("ドキュメントを開くことができません。", MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
  }
  return best->OpenDocumentFile(name);
}

void CDocManager::OnFileNew() {
  if (!m_templateList.empty()) m_templateList.front()->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
  CString name;
  if (!DoPromptFileName(name, "開く", TRUE, nullptr)) return;
  if (CWinApp* app = AfxGetApp()) app->OpenDocumentFile(name);
}

BOOL CDocManager::DoPromptFileName(CString& fileName, const char* title, BOOL openFileDialog,
                                   CDocTemplate* docTemplate) {
  CString filter;
  for (const auto& t : m_templateList) {
    if (docTemplate && t.get() != docTemplate) continue;
    CString text;
    CString ext;
    if (!t->GetDocString(text, CDocTemplate::filterName) || text.IsEmpty()) continue;
    if (!t->GetDocString(ext, CDocTemplate::filterExt) || ext.IsEmpty()) continue;
    filter += text + "|*" + ext + "|";
  }
  filter += "すべてのファイル (*.*)|*.*||";

  const int slash = fileName.ReverseFind('/');
  const CString folder = slash >= 0 ? fileName.Left(slash + 1) : CString();
  const CString file = fileName.Mid(slash + 1);
  wxWindow* parent = AfxGetMainFrameWindow();
  const long style = openFileDialog ? wxFD_OPEN | wxFD_FILE_MUST_EXIST : wxFD_SAVE | wxFD_OVERWRITE_PROMPT;
  FileChoice choice;
  if (!ChooseFile(parent, title, folder, file, filter, style, choice)) return FALSE;
  fileName = choice.path;
  return TRUE;
}

BOOL CDocManager::SaveAllModified() {
  for (const auto& t : m_templateList)
    if (!t->SaveAllModified()) return FALSE;
  return TRUE;
}

void CDocManager::CloseAllDocuments() {
  for (const auto& t : m_templateList) t->CloseAllDocuments();
}
