#pragma once
// What every frame of the framework shares, whatever window it is (the main frame is a top-level
// window, a child frame a panel in the main frame's client area): the active view and document,
// the title, view creation from a creation context, and the command route
// (active view, its document, the frame itself).
#include <wx/event.h>
#include <wx/window.h>

#include <functional>

#include "platform/base/CString.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/base/WinTypes.h"

class CDocTemplate;
class CDocument;
class CView;

// What a frame needs to build its views: the document and the view class.
struct CCreateContext {
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  std::function<CView*()> m_pNewViewClass;
};

class CFrameWnd {
 public:
  virtual ~CFrameWnd() = default;

  virtual wxWindow* GetFrameWindow() = 0;

  virtual CView* GetActiveView() const { return m_pViewActive; }
  virtual void SetActiveView(CView* view, BOOL notify = TRUE);
  virtual CDocument* GetActiveDocument();

  // Creates the frame window under parent and builds its content from the context. FALSE when
  // that failed: the frame then destroys itself and must not be used.
  virtual BOOL LoadFrame(UINT nIDResource, wxWindow* parent, CCreateContext* context) = 0;

  // Creates the context's view as a child of parent (the frame itself when null) and attaches it
  // to the context's document; null on failure.
  CView* CreateView(CCreateContext* context, wxWindow* parent = nullptr, wxWindowID id = AFX_IDW_PANE_FIRST);
  // Builds the frame's content; the base makes one view that fills the frame.
  virtual BOOL OnCreateClient(CCreateContext* context);
  // After creation: the first view becomes active, every view gets its initial update, the frame
  // is activated when makeVisible.
  void InitialUpdateFrame(CDocument* document, BOOL makeVisible);
  virtual void ActivateFrame(int nCmdShow = -1) = 0;
  virtual void OnUpdateFrameTitle(BOOL addToTitle) = 0;

  // The command route below this frame, without going up to its parents: active view, its
  // document (the frame's TryBefore puts them first), then the frame's own handlers.
  bool OnCmdMsg(wxEvent& event);
  // A command (menu event) through the frame's whole route, now or once the current event is done.
  void SendCommand(int id);
  void PostCommand(int id);

  // The text the frame shows as its title (child frames: the document title).
  void GetWindowText(CString& text) const { text = m_strWindowText; }

  CString m_strTitle;
  int m_nWindow = 0;  // number among the document's frames; 0 when it has only one
  UINT m_nIDHelp = 0;  // resource id the frame was loaded from

 protected:
  friend class CView;
  void OnViewDestroyed(CView* view);
  void SetWindowText(const CString& text);
  // Active view, then its document: the part of the route that lies below the frame's handlers.
  bool RouteToActiveView(wxEvent& event);
  // Events that take the command route: menu and tool commands and their update-UI queries.
  static bool IsRoutedCommand(const wxEvent& event);
  // True when the event comes from window or one of its descendants.
  static bool ComesFrom(const wxEvent& event, const wxWindow* window);

  CView* m_pViewActive = nullptr;
  CString m_strWindowText;
};
