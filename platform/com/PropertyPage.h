#pragma once
// Property pages and the frame that shows them: an object names the page classes that edit it
// (ISpecifyPropertyPages); a page shows the objects' values in its own window and writes them back
// on Apply; the frame is a modal dialog with a notebook of the pages, OK, Cancel and Apply.
#include <functional>

#include "platform/com/ComTypes.h"

class wxDialog;
class wxNotebook;
class wxWindow;

// A counted array of class ids, allocated with the task allocator; the receiver frees pElems.
struct CAUUID {
  ULONG cElems = 0;
  GUID* pElems = nullptr;
};

// What a page tells its frame about itself. The strings are the receiver's to free (SysFreeString).
struct PROPPAGEINFO {
  BSTR pszTitle = nullptr;
  SIZE size{0, 0};
  BSTR pszDocString = nullptr;
  BSTR pszHelpFile = nullptr;
};

constexpr DWORD PROPPAGESTATUS_DIRTY = 0x1;
constexpr DWORD PROPPAGESTATUS_VALIDATE = 0x2;
constexpr DWORD PROPPAGESTATUS_CLEAN = 0x4;

struct ISpecifyPropertyPages : IUnknown {
  virtual HRESULT GetPages(CAUUID* pages) = 0;

 protected:
  ~ISpecifyPropertyPages() = default;
};

struct IPropertyPageSite : IUnknown {
  virtual HRESULT OnStatusChange(DWORD flags) = 0;
  virtual HRESULT GetLocaleID(LCID* locale) = 0;

 protected:
  ~IPropertyPageSite() = default;
};

struct IPropertyPage : IUnknown {
  virtual HRESULT SetPageSite(IPropertyPageSite* site) = 0;
  // Creates the page's window as a child of parent and fills it from the first object.
  virtual HRESULT Activate(wxWindow* parent, const RECT& position, BOOL modal) = 0;
  virtual HRESULT Deactivate() = 0;
  virtual HRESULT GetPageInfo(PROPPAGEINFO* info) = 0;
  // The objects the page edits; a count of 0 releases the ones it holds.
  virtual HRESULT SetObjects(ULONG count, IUnknown** objects) = 0;
  virtual HRESULT GetPageWindow(wxWindow** window) = 0;
  // S_OK while the page has changes that Apply has not written, else S_FALSE.
  virtual HRESULT IsPageDirty() = 0;
  virtual HRESULT Apply() = 0;

 protected:
  ~IPropertyPage() = default;
};

extern const IID IID_ISpecifyPropertyPages;
extern const IID IID_IPropertyPageSite;
extern const IID IID_IPropertyPage;

// The frame's window ids of its buttons; tests and pages find them by these.
enum : int { ID_PROPERTYFRAME_APPLY = 0x3021 };

// Shows the pages (created by class id) over the objects, modally, with owner as parent, its top
// left at (x, y) of the owner's client area and the caption as title. A page class that is not
// registered is left out. S_OK when the frame was shown and closed (whichever button closed it);
// S_FALSE when no page could be shown; the error of a page that failed otherwise.
HRESULT OleCreatePropertyFrame(wxWindow* owner, int x, int y, LPCOLESTR caption, ULONG objectCount,
                               IUnknown** objects, ULONG pageCount, const CLSID* pages, LCID locale);

// Tests drive the frame instead of a user: while a hook is installed, the frame is built and handed
// to the hook in place of running modally; the hook presses the buttons (by sending their command
// events) and returns. The frame's notebook holds the page windows in the order asked for.
using PropertyFrameHook = std::function<void(wxDialog& frame, wxNotebook& pages)>;
class ScopedPropertyFrameHook {
 public:
  explicit ScopedPropertyFrameHook(PropertyFrameHook hook);
  ~ScopedPropertyFrameHook();
  ScopedPropertyFrameHook(const ScopedPropertyFrameHook&) = delete;
  ScopedPropertyFrameHook& operator=(const ScopedPropertyFrameHook&) = delete;

 private:
  PropertyFrameHook m_previous;
};
