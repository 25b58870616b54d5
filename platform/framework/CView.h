#pragma once
// A view: a window that shows a document and knows it. Its frame creates it from a creation
// context, which attaches it to the document.
#include <wx/panel.h>

#include "platform/base/CObject.h"
#include "platform/base/WinTypes.h"

class CDocument;
class CFrameWnd;

class CView : public wxPanel, public CObject {
 public:
  CView() = default;
  ~CView() override;

  virtual BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                      const wxSize& size = wxDefaultSize);

  CDocument* GetDocument() const { return m_pDocument; }
  CFrameWnd* GetParentFrame() const { return m_pFrame; }

  // Called once after the frame is built, before it is shown; the base updates the view.
  virtual void OnInitialUpdate();
  // Called by the document when another view changed it; the base redraws the view.
  virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
  // Called when the view becomes the frame's active view or stops being it.
  virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);

 private:
  friend class CDocument;
  friend class CFrameWnd;
  CDocument* m_pDocument = nullptr;
  CFrameWnd* m_pFrame = nullptr;
};
