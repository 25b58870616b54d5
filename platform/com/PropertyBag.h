#pragma once
// Saving an object's state as named values, as a host keeps a control's properties in its own
// format (a form, a page) instead of a stream.
#include "platform/com/ComTypes.h"
#include "platform/com/Variant.h"

struct IPropertyBag : IUnknown {
  // On entry value->vt is the type wanted (VT_EMPTY: as stored). E_INVALIDARG when the bag holds no
  // value of that name; DISP_E_TYPEMISMATCH when it cannot become the type wanted.
  virtual HRESULT Read(LPCOLESTR name, VARIANT* value) = 0;
  virtual HRESULT Write(LPCOLESTR name, const VARIANT* value) = 0;

 protected:
  ~IPropertyBag() = default;
};

struct IPersistPropertyBag : IUnknown {
  virtual HRESULT GetClassID(CLSID* clsid) = 0;
  virtual HRESULT InitNew() = 0;
  // Values the bag does not hold keep their current state.
  virtual HRESULT Load(IPropertyBag* bag) = 0;
  virtual HRESULT Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) = 0;

 protected:
  ~IPersistPropertyBag() = default;
};

extern const IID IID_IPropertyBag;
extern const IID IID_IPersistPropertyBag;
