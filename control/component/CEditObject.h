#pragma once
// The automation object of coclass Edit: IEdit by dispatch id and by its table of functions, the
// _IEditEvents connection point, persistence of its property map into a stream, and in-place
// activation in a host window. It owns the control (the window layer's WrilaEdit) and sends the
// control's events to the sinks.
#include <span>

#include "control/component/EditDual.h"
#include "control/component/WrilaInterfaces.h"
#include "control/window/WrilaEdit.h"
#include "platform/com/ComModule.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComStream.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/ControlSite.h"
#include "platform/com/PropertyBag.h"
#include "platform/com/PropertyPage.h"
#include "platform/com/Variant.h"

class CEditObject;

// The control with its events going to the automation object's sinks.
class CEditControl : public WrilaEdit {
 public:
  explicit CEditControl(CEditObject* object) : m_object(object) {}
  void FireOnModified(bool modified) override;
  void FireChange() override;
  void FireLinkURL(const CRefString& url) override;
  void FireLinkMailTo(const CRefString& address) override;
  void FireContextMenu(int x, int y, const CRefString* link) override;
  void FireProperties() override;
  void FireSelChanged() override;
  void FireCaretMoved() override;
  void FireScroll() override;
  void FirePropChanged() override;
  bool ShowPropertyFrame() override;

 private:
  CEditObject* m_object;
};

class CEditObject : public DispatchObject<IDispatch, IConnectionPointContainer, IPersistStreamInit, IInPlaceControl,
                                          ISpecifyPropertyPages, IControlKeyboard, IPersistPropertyBag> {
 public:
  CEditObject();
  ~CEditObject() override;

  HRESULT QueryInterface(REFIID iid, void** object) override;
  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  HRESULT GetClassID(CLSID* clsid) override;
  HRESULT IsDirty() override { return m_dirty ? S_OK : S_FALSE; }
  HRESULT Load(IStream* stream) override;
  HRESULT Save(IStream* stream, BOOL clearDirty) override;
  HRESULT GetSizeMax(std::uint64_t* size) override;
  HRESULT InitNew() override { return S_OK; }
  // The same properties by name: the extent as "_cx" and "_cy", then each property of the map.
  HRESULT Load(IPropertyBag* bag) override;
  HRESULT Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

  HRESULT SetControlSite(IControlSite* site) override;
  HRESULT InPlaceActivate(wxWindow* parent, const RECT& position) override;
  HRESULT InPlaceDeactivate() override;
  HRESULT GetControlWindow(wxWindow** window) override;

  HRESULT TranslateAccelerator(const MSG* msg, wxWindow* target) override;

  // Every page class of the property map, in map order, for a container's own frame.
  HRESULT GetPages(CAUUID* pages) override;
  // The control's own frame with the pages PropPages chooses; S_FALSE when it chooses none.
  HRESULT ShowPropertyFrame();

  // Sends an event to every sink; the arguments in declared order.
  void Fire(DISPID id, const VARIANT* args = nullptr, UINT count = 0) { m_events.Fire(id, args, count); }

  // Members of IEdit by dispatch id, for the dispatch and the persistence alike.
  HRESULT GetProperty(DISPID id, VARIANT* result);
  HRESULT PutProperty(DISPID id, DISPPARAMS* params, UINT* argErr);

 protected:
  std::span<const DispatchName> Names() const override;
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                       UINT* argErr) override;

 private:
  HRESULT PutValue(DISPID id, const VARIANT& value);
  // A persisted value, turned into the member's own type first.
  HRESULT PutPersisted(DISPID id, const VARIANT& value);
  HRESULT GetOperationalProperty(DISPID id, VARIANT* result);
  HRESULT PutOperationalProperty(DISPID id, const VARIANT& value);
  HRESULT CallMethod(DISPID id, DISPPARAMS* params, VARIANT* result, UINT* argErr);
  HRESULT PutColors(DISPID id, const VARIANT& value);
  HRESULT GetList(DISPID id, VARIANT* result);
  HRESULT PutList(DISPID id, IUnknown* list);
  void Refresh(bool rewrap);
  bool IsActive() const { return m_control.HasWindow(); }
  bool InUserMode() const;
  HRESULT SetSelLength(long length);

  ComModuleObject m_live;
  ConnectionPoint m_events;
  CEditControl m_control;
  EditDual m_dual;
  IControlSite* m_site = nullptr;
  bool m_dirty = false;
  std::uint32_t m_extentX = 2540 * 4;  // HIMETRIC, a few inches until a host sizes the control
  std::uint32_t m_extentY = 2540 * 2;
};

HRESULT CreateEditObject(REFIID iid, void** object);
