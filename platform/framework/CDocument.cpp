#include "platform/framework/CDocument.h"

#include <unistd.h>

#include <algorithm>
#include <memory>

#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/base/FileAccess.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/base/FullPath.h"
#include "platform/desktop/MessageBox.h"

wxBEGIN_EVENT_TABLE(CDocument, wxEvtHandler)
  EVT_MENU(ID_FILE_CLOSE, CDocument::OnFileClose)
  EVT_MENU(ID_FILE_SAVE, CDocument::OnFileSave)
  EVT_MENU(ID_FILE_SAVE_AS, CDocument::OnFileSaveAs)
wxEND_EVENT_TABLE()

namespace {

// The file name of a path: what titles and prompts show.
CString FileNameOf(const CString& path) { return path.Mid(path.ReverseFind('/') + 1); }

}  // namespace

CDocument::CDocument() = default;

CDocument::~CDocument() {
  for (CView* view : m_viewList) view->m_pDocument = nullptr;
}

void CDocument::SetPathName(const char* path, BOOL addToMRU) {
  m_strPathName = AfxFullPath(path);
  SetTitle(IsModified() ? FileNameOf(m_strPathName) + '*' : FileNameOf(m_strPathName));
  if (addToMRU)
    if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(m_strPathName);
}

void CDocument::SetTitle(const char* title) {
  m_strTitle = title ? title : "";
  UpdateFrameCounts();
}

void CDocument::SetModifiedFlag(BOOL modified) {
  const bool now = modified != FALSE;
  if ((IsModified() != FALSE) == now) return;
  m_bModified = now ? TRUE : FALSE;
  CString title = m_strTitle;
  const bool marked = !title.IsEmpty() && title[title.GetLength() - 1] == '*';
  if (marked && !now) title = title.Left(title.GetLength() - 1);
  if (!marked && now) title += '*';
  SetTitle(title);
}

void CDocument::AddView(CView* view) {
  if (!view || std::find(m_viewList.begin(), m_viewList.end(), view) != m_viewList.end()) return;
  m_viewList.push_back(view);
  view->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
  auto it = std::find(m_viewList.begin(), m_viewList.end(), view);
  if (it == m_viewList.end()) return;
  m_viewList.erase(it);
  view->m_pDocument = nullptr;
  OnChangedViewList();
}

void CDocument::OnChangedViewList() {
  // A document nobody sees any more is closed (this may delete it).
  if (m_viewList.empty() && m_bAutoDelete) {
    OnCloseDocument();
    return;
  }
  UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
  const std::vector<CView*> views = m_viewList;  // a view may add or remove views while updating
  for (CView* view : views)
    if (view != sender) view->OnUpdate(sender, hint, hintObject);
}

std::vector<CFrameWnd*> CDocument::Frames() const {
  std::vector<CFrameWnd*> frames;
  for (CView* view : m_viewList) {
    CFrameWnd* frame = view->GetParentFrame();
    if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end()) frames.push_back(frame);
  }
  return frames;
}

void CDocument::UpdateFrameCounts() {
  const std::vector<CFrameWnd*> frames = Frames();
  int number = frames.size() > 1 ? 1 : 0;
  for (CFrameWnd* frame : frames) {
    frame->m_nWindow = number;
    if (number > 0) ++number;
    frame->OnUpdateFrameTitle(TRUE);
  }
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* path) {
  DeleteContents();
  SetModifiedFlag(FALSE);
  SetPathName(path);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(const char*) {
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  const BOOL autoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;  // the views going away must not close the document a second time
  for (CFrameWnd* frame : Frames()) {
    wxWindow* window = frame->GetFrameWindow();
    if (!window->IsBeingDeleted()) window->Destroy();
  }
  for (CView* view : m_viewList) view->m_pDocument = nullptr;
  m_viewList.clear();
  DeleteContents();
  m_bAutoDelete = autoDelete;
  if (m_bAutoDelete && m_pDocTemplate) {
    std::unique_ptr<CDocument> self = m_pDocTemplate->RemoveDocument(this);
    // self deletes this document on return; nothing may touch it after this line.
  }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* frame) {
  for (CView* view : m_viewList)
    if (view->GetParentFrame() != frame) return TRUE;  // another frame still shows the document
  return SaveModified();
}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString name = m_strPathName.IsEmpty() ? m_strTitle : FileNameOf(m_strPathName);
  if (!name.IsEmpty() && name[name.GetLength() - 1] == '*') name = name.Left(name.GetLength() - 1);
  if (name.IsEmpty()) name = "無題";
  CString prompt;
  prompt.Format("%s への変更を保存しますか?", name.GetString());
  switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return DoFileSave();
    case IDNO:
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CDocument::DoFileSave() {
  // A file that exists but may not be written goes to Save As, as a path-less document does.
  const bool readOnly = m_strPathName.IsEmpty() || IsReadOnlyFile(m_strPathName);
  return DoSave(readOnly ? nullptr : m_strPathName.GetString());
}

BOOL CDocument::DoSave(const char* path, BOOL replace) {
  CString newName = path ? path : "";
  if (newName.IsEmpty()) {
    newName = m_strPathName;
    if (replace && newName.IsEmpty()) {
      // Propose the title, cut before the first character that a file name should not hold.
      newName = m_strTitle;
      const int bad = newName.FindOneOf(" #%;/\\*");
      if (bad >= 0) newName = newName.Left(bad);
      CString ext;
      if (m_pDocTemplate && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.IsEmpty())
        newName += ext;
    }
    CWinApp* app = AfxGetApp();
    if (!app || !app->DoPromptFileName(newName, "名前を付けて保存", FALSE, m_pDocTemplate)) return FALSE;
  }
  if (!OnSaveDocument(newName)) return FALSE;
  if (replace) SetPathName(newName);
  return TRUE;
}

void CDocument::OnFileClose(wxCommandEvent&) {
  if (!SaveModified()) return;
  OnCloseDocument();  // may delete this document
}

void CDocument::OnFileSave(wxCommandEvent&) { DoFileSave(); }

void CDocument::OnFileSaveAs(wxCommandEvent&) { DoSave(nullptr); }
