#pragma once
// A document: the data of one open file, the views that show it, its path, title and modified
// flag. It is a command target: commands reach it after its active view.
#include <wx/event.h>

#include <vector>

#include "platform/base/CObject.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public wxEvtHandler, public CObject {
 public:
  CDocument();
  ~CDocument() override;

  // Path and title. SetPathName sets the title to the file name and adds the path to the
  // application's recent-file list when asked.
  const CString& GetPathName() const { return m_strPathName; }
  virtual void SetPathName(const char* path, BOOL addToMRU = TRUE);
  const CString& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(const char* title);

  // The modified flag; a modified document's title ends with one "*".
  virtual BOOL IsModified() const { return m_bModified; }
  virtual void SetModifiedFlag(BOOL modified = TRUE);

  // Views, in the order they were added.
  const std::vector<CView*>& GetViews() const { return m_viewList; }
  void AddView(CView* view);
  void RemoveView(CView* view);
  // OnUpdate of every view but the sender.
  void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
  // Frame titles of every view's frame, numbered ":1", ":2" when there are several frames.
  void UpdateFrameCounts();

  // Life cycle. A document type reads and writes its own file in OnOpenDocument and
  // OnSaveDocument; the bases keep the path and the modified flag.
  virtual BOOL OnNewDocument();
  virtual BOOL OnOpenDocument(const char* path);
  virtual BOOL OnSaveDocument(const char* path);
  // Destroys the frames of the views, empties the document and deletes it.
  virtual void OnCloseDocument();
  virtual void DeleteContents() {}
  // TRUE when the frame may close: another frame still shows the document, or the user agreed.
  virtual BOOL CanCloseFrame(CFrameWnd* frame);
  // Asks whether to save a modified document: TRUE to go on (saved or not wanted), FALSE to stop.
  virtual BOOL SaveModified();
  // Save under the path, or Save As when there is none; FALSE when nothing was saved.
  virtual BOOL DoFileSave();
  // Save As when path is null or empty (the save dialog proposes a name); replace makes the new
  // path the document's own.
  virtual BOOL DoSave(const char* path, BOOL replace = TRUE);

  BOOL m_bAutoDelete = TRUE;

 protected:
  void OnFileClose(wxCommandEvent& event);
  void OnFileSave(wxCommandEvent& event);
  void OnFileSaveAs(wxCommandEvent& event);

  CString m_strTitle;
  CString m_strPathName;
  BOOL m_bModified = FALSE;
  CDocTemplate* m_pDocTemplate = nullptr;

 private:
  friend class CDocTemplate;
  void OnChangedViewList();
  std::vector<CFrameWnd*> Frames() const;

  std::vector<CView*> m_viewList;

  wxDECLARE_EVENT_TABLE();
};
