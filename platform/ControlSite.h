#pragma once
// A control placed in a host window: the host gives it a site to ask for ambient properties and a
// window to create its own window in, as child.
#include "platform/ComTypes.h"
#include "platform/Variant.h"

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

extern const IID IID_IControlSite;
extern const IID IID_IInPlaceControl;
