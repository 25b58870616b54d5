#include "textarea/ControlAccelerators.h"

#include "platform/com/COleDispatchDriver.h"
#include "platform/com/Variant.h"

namespace {

DISPID IdOf(IDispatch* object, const char16_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
  return id;
}

}  // namespace

std::vector<ControlAccelerator> ReadControlAccelerators(IDispatch* list) {
  std::vector<ControlAccelerator> keys;
  if (!list) return keys;
  // The collection is late-bound like the control: its members by name.
  COleDispatchDriver accelerators(list);
  LONG count = 0;
  accelerators.GetProperty(IdOf(list, u"Count"), VT_I4, &count);
  const DISPID itemId = IdOf(list, u"Item");
  for (LONG i = 1; i <= count; ++i) {
    CComVariant index;
    index.vt = VT_I4;
    index.lVal = i;
    IDispatch* item = nullptr;
    accelerators.InvokeHelper(itemId, DISPATCH_METHOD | DISPATCH_PROPERTYGET, VT_DISPATCH, &item,
                              reinterpret_cast<const BYTE*>(VTS_VARIANT), &index);
    if (!item) continue;
    COleDispatchDriver accel(item);
    short key = 0;
    short flags = 0;
    short command = 0;  // a 16-bit command id, 0x8000 and above included
    accel.GetProperty(IdOf(item, u"Key"), VT_I2, &key);
    accel.GetProperty(IdOf(item, u"Flags"), VT_I2, &flags);
    accel.GetProperty(IdOf(item, u"Command"), VT_I2, &command);
    keys.push_back(ControlAccelerator{static_cast<WORD>(key), static_cast<WORD>(flags), static_cast<WORD>(command)});
  }
  return keys;
}
