// A small in-process server for the activation, dispatch and event tests: one class whose object
// adds, divides, keeps a name and fires events with the arguments it is given.
#include "platform/com/Bstr.h"
#include "platform/com/ComModule.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComRegistration.h"
#include "platform/com/ConnectionPoint.h"
#include "tests/platform/comtestlib/ComTestIds.h"

namespace {

ComModule g_module;

constexpr DispatchName kNames[] = {
    {"Sum", comtest::kSum}, {"Divide", comtest::kDivide}, {"Name", comtest::kName}, {"Fire", comtest::kFire}};

class TestObject : public DispatchObject<IDispatch, IConnectionPointContainer> {
 public:
  TestObject() : m_live(g_module), m_events(this, comtest::kEventsIid) {}

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
      return Answer(iid, iid, static_cast<IDispatch*>(this), object);
    return Answer(iid, IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(this), object);
  }

  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (!IsEqualIID(iid, comtest::kEventsIid)) return CONNECT_E_NOCONNECTION;
    return m_events.QueryInterface(IID_IConnectionPoint, reinterpret_cast<void**>(point));
  }

 protected:
  std::span<const DispatchName> Names() const override { return kNames; }

  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                       UINT* argErr) override {
    CComVariant a, b, c;
    HRESULT hr = S_OK;
    switch (id) {
      case comtest::kSum:
        if (FAILED(hr = DispGetParam(params, 0, VT_I4, &a, argErr))) return hr;
        if (FAILED(hr = DispGetParam(params, 1, VT_I4, &b, argErr))) return hr;
        result->vt = VT_I4;
        result->lVal = a.lVal + b.lVal;
        return S_OK;
      case comtest::kDivide: {
        if (params->cArgs != 3) return DISP_E_BADPARAMCOUNT;
        if (FAILED(hr = DispGetParam(params, 0, VT_I4, &a, argErr))) return hr;
        if (FAILED(hr = DispGetParam(params, 1, VT_I4, &b, argErr))) return hr;
        VARIANT& out = params->rgvarg[0];
        if (out.vt != (VT_BYREF | VT_I4)) return DISP_E_TYPEMISMATCH;
        if (b.lVal == 0) return FillExcepInfo(excepInfo, "KestaTest", "ゼロでは割れません", E_INVALIDARG);
        *out.plVal = a.lVal / b.lVal;
        return S_OK;
      }
      case comtest::kName:
        if (flags & DISPATCH_PROPERTYPUT) {
          if (FAILED(hr = DispGetPutValue(params, VT_BSTR, &a, argErr))) return hr;
          m_name.Attach(&a);
          return S_OK;
        }
        return VariantCopy(result, &m_name);
      case comtest::kFire: {
        if (FAILED(hr = DispGetParam(params, 0, VT_I4, &a, argErr))) return hr;
        if (FAILED(hr = DispGetParam(params, 1, VT_I4, &b, argErr))) return hr;
        if (FAILED(hr = DispGetParam(params, 2, VT_BSTR, &c, argErr))) return hr;
        const VARIANT args[2] = {b, c};
        m_events.Fire(a.lVal, args, 2);
        return S_OK;
      }
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  ComModuleObject m_live;
  ConnectionPoint m_events;
  CComVariant m_name;
};

const ComClassRegistration kRegistration = {comtest::kClsid, comtest::kProgId, comtest::kVersionIndependentProgId,
                                             "KestaTest Object 1 Class", "KestaTest Object Class"};

HRESULT CreateTestObject(REFIID iid, void** object) {
  IDispatch* made = new TestObject;
  const HRESULT hr = made->QueryInterface(iid, object);
  made->Release();
  return hr;
}

}  // namespace

KESTA_COM_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, comtest::kClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  IClassFactory* factory = CreateClassFactory(&CreateTestObject, &g_module);
  const HRESULT hr = factory->QueryInterface(iid, object);
  factory->Release();
  return hr;
}

KESTA_COM_EXPORT HRESULT DllCanUnloadNow() { return g_module.CanUnloadNow(); }

KESTA_COM_EXPORT HRESULT DllRegisterServer() {
  return RegisterComClass(kRegistration, GetModulePath(reinterpret_cast<const void*>(&CreateTestObject)));
}

KESTA_COM_EXPORT HRESULT DllUnregisterServer() { return UnregisterComClass(kRegistration); }
