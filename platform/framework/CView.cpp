#include "platform/framework/CView.h"

#include "platform/framework/CDocument.h"
#include "platform/framework/CFrameWnd.h"

CView::~CView() {
  if (m_pFrame) m_pFrame->OnViewDestroyed(this);
  if (m_pDocument) m_pDocument->RemoveView(this);
}

BOOL CView::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  return wxPanel::Create(parent, id, pos, size, wxTAB_TRAVERSAL | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS) ? TRUE
                                                                                                           : FALSE;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Refresh(); }

void CView::OnActivateView(BOOL activate, CView* activateView, CView*) {
  if (activate && activateView == this && !HasFocus()) SetFocus();
}
