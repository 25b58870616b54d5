#pragma once
// A control placed in a host window: the host gives it a site to ask for ambient properties and a
// window to create its own window in, as child.
#include "platform/com/ComTypes.h"
#include "platform/com/Variant.h"

class wxWindow;

constexpr DISPID DISPID_AMBIENT_LOCALEID = -705;
constexpr DISPID DISPID_AMBIENT_USERMODE = -709;

// The host's side: ambient properties by dispatch id; DISP_E_MEMBERNOTFOUND for one it does not keep.
struct IControlSite : IUnknown {
  virtual HRESULT GetAmbientProperty(DISPID id, VARIANT* value) = 0;

 protected:
  ~IControlSite() = default;
};

// The control's side.
struct IInPlaceControl : IUnknown {
  // The control holds a reference to the site until it is given another or null.
  virtual HRESULT SetControlSite(IControlSite* site) = 0;
  // Creates the control's window as a child of parent at the rectangle (client pixels of parent).
  virtual HRESULT InPlaceActivate(wxWindow* parent, const RECT& position) = 0;
  // Destroys the control's window; the control keeps its state and may be activated again.
  virtual HRESULT InPlaceDeactivate() = 0;
  virtual HRESULT GetControlWindow(wxWindow** window) = 0;

 protected:
  ~IInPlaceControl() = default;
};

struct MSG;

// The control's side of the keyboard while it is in place: a container that looks at key messages
// before they reach their window (for its own accelerators) asks the control first. target is the
// window that has the keyboard focus. S_OK when the control took the message, S_FALSE when the
// container goes on with it.
struct IControlKeyboard : IUnknown {
  virtual HRESULT TranslateAccelerator(const MSG* msg, wxWindow* target) = 0;

 protected:
  ~IControlKeyboard() = default;
};

extern const IID IID_IControlSite;
extern const IID IID_IControlKeyboard;
extern const IID IID_IInPlaceControl;
