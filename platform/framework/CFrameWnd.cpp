#include "platform/framework/CFrameWnd.h"

#include <memory>

#include "platform/framework/CDocument.h"
#include "platform/base/CodePage.h"
#include "platform/framework/CView.h"

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
  CView* old = m_pViewActive;
  if (view == old) return;
  m_pViewActive = view;
  if (!notify) return;
  if (old) old->OnActivateView(FALSE, view, old);
  if (view) view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument() { return m_pViewActive ? m_pViewActive->GetDocument() : nullptr; }

CView* CFrameWnd::CreateView(CCreateContext* context, wxWindow* parent, wxWindowID id) {
  if (!context || !context->m_pNewViewClass) return nullptr;
  std::unique_ptr<CView> view(context->m_pNewViewClass());
  if (!view) return nullptr;
  view->m_pFrame = this;
  if (context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(view.get());
  if (!view->Create(parent ? parent : GetFrameWindow(), id)) {
    if (view->GetDocument()) view->GetDocument()->RemoveView(view.get());
    return nullptr;
  }
  return view.release();  // the parent window owns it now
}

BOOL CFrameWnd::OnCreateClient(CCreateContext* context) {
  return context && context->m_pNewViewClass ? CreateView(context) != nullptr : TRUE;
}

void CFrameWnd::InitialUpdateFrame(CDocument* document, BOOL makeVisible) {
  if (!m_pViewActive && document) {
    for (CView* view : document->GetViews()) {
      if (view->GetParentFrame() == this) {
        SetActiveView(view);
        break;
      }
    }
  }
  if (document) {
    const std::vector<CView*> views = document->GetViews();
    for (CView* view : views)
      if (view->GetParentFrame() == this) view->OnInitialUpdate();
    document->UpdateFrameCounts();
  }
  if (makeVisible) ActivateFrame();
  OnUpdateFrameTitle(TRUE);
}

bool CFrameWnd::RouteToActiveView(wxEvent& event) {
  if (!m_pViewActive) return false;
  if (m_pViewActive->ProcessWindowEventLocally(event)) return true;
  CDocument* doc = m_pViewActive->GetDocument();
  return doc && doc->ProcessEventLocally(event);
}

bool CFrameWnd::OnCmdMsg(wxEvent& event) { return GetFrameWindow()->ProcessWindowEventLocally(event); }

void CFrameWnd::SetWindowText(const CString& text) {
  m_strWindowText = text;
  GetFrameWindow()->SetLabel(CP932ToWx(text.str()));
}

void CFrameWnd::SendCommand(int id) {
  wxWindow* window = GetFrameWindow();
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(window);
  window->GetEventHandler()->ProcessEvent(event);
}

void CFrameWnd::PostCommand(int id) {
  // A call pending on a window dies with it, so a frame closed in between receives nothing.
  GetFrameWindow()->CallAfter([this, id] { SendCommand(id); });
}

void CFrameWnd::OnViewDestroyed(CView* view) {
  if (m_pViewActive == view) m_pViewActive = nullptr;
}

bool CFrameWnd::IsRoutedCommand(const wxEvent& event) {
  const wxEventType type = event.GetEventType();
  return type == wxEVT_MENU || type == wxEVT_UPDATE_UI;
}

bool CFrameWnd::ComesFrom(const wxEvent& event, const wxWindow* window) {
  for (wxWindow* w = dynamic_cast<wxWindow*>(event.GetEventObject()); w; w = w->GetParent())
    if (w == window) return true;
  return false;
}
