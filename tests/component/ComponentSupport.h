#pragma once
// What the component's tests share: a registry of their own with the library registered in it, the
// control created by class id, calls by dispatch id, and a host window with a site in user mode.
#include <gtest/gtest.h>
#include <wx/frame.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/CRegKey.h"
#include "platform/com/ComActivation.h"
#include "platform/com/ComObject.h"
#include "platform/com/ControlSite.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "tests/common/TestSupport.h"

namespace component_test {

// The ids a host knows of the control; the test keeps its own copies, as a host would.
inline GUID WrilaId(std::uint32_t first) { return GUID{first, 0xC32F, 0x11D3, {0x8C, 0x8D, 0x00, 0xC0, 0x4F, 0xB6, 0x2B, 0x1B}}; }
using kesta_test::ClassesValue;

inline const CLSID kEdit = WrilaId(0xE7EC570C);
inline const IID kEvents = WrilaId(0xE7EC5705);

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(RegisterServerLibrary(KESTA_WRILA12), S_OK); }

  static IDispatch* CreateEdit() {
    IDispatch* edit = nullptr;
    EXPECT_EQ(CoCreateInstance(kEdit, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&edit)),
              S_OK);
    return edit;
  }
  kesta_test::ScopedPrivateRegistry m_registry;
};

inline HRESULT Put(IDispatch* object, DISPID id, const VARIANT& value) {
  VARIANT arg = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&arg, &named, 1, 1};
  return object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}
inline CComVariant Get(IDispatch* object, DISPID id, HRESULT* hr = nullptr) {
  CComVariant result;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  const HRESULT status = object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
  if (hr) *hr = status;
  return result;
}
// Arguments in declared order.
inline HRESULT Call(IDispatch* object, DISPID id, std::vector<CComVariant> args, CComVariant* result = nullptr) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  return object->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr, nullptr);
}
inline CComVariant Short(short v) {
  CComVariant x;
  x.vt = VT_I2;
  x.iVal = v;
  return x;
}
inline CComVariant Long(LONG v) {
  CComVariant x;
  x.vt = VT_I4;
  x.lVal = v;
  return x;
}
inline CComVariant Bool(bool v) {
  CComVariant x;
  x.vt = VT_BOOL;
  x.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
  return x;
}
inline CComVariant Text(const char16_t* text) {
  CComVariant x;
  x.vt = VT_BSTR;
  x.bstrVal = SysAllocString(text);
  return x;
}

// A host window with a site in user mode, as the program will give the control.
class TestSite : public ComObject<IControlSite> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IControlSite, this, object);
  }
  HRESULT GetAmbientProperty(DISPID id, VARIANT* value) override {
    if (id != DISPID_AMBIENT_USERMODE) return DISP_E_MEMBERNOTFOUND;
    value->vt = VT_BOOL;
    value->boolVal = VARIANT_TRUE;
    return S_OK;
  }
};

// The control in place in a host frame whose site is in user mode.
class ActiveEdit {
 public:
  explicit ActiveEdit(IDispatch* edit) : m_edit(edit) {
    m_frame = new wxFrame(nullptr, wxID_ANY, "host", wxDefaultPosition, wxSize(400, 300));
    m_site = new TestSite;
    EXPECT_EQ(edit->QueryInterface(IID_IInPlaceControl, reinterpret_cast<void**>(&m_inPlace)), S_OK);
    m_inPlace->SetControlSite(m_site);
    EXPECT_EQ(m_inPlace->InPlaceActivate(m_frame, RECT{0, 0, 400, 300}), S_OK);
    m_inPlace->GetControlWindow(&m_window);
    m_frame->Show();
  }
  ~ActiveEdit() {
    m_inPlace->InPlaceDeactivate();
    m_inPlace->SetControlSite(nullptr);
    m_inPlace->Release();
    m_site->Release();
    m_frame->Destroy();
  }
  ActiveEdit(const ActiveEdit&) = delete;
  ActiveEdit& operator=(const ActiveEdit&) = delete;
  wxWindow* Window() const { return m_window; }

 private:
  IDispatch* m_edit;
  IInPlaceControl* m_inPlace = nullptr;
  wxFrame* m_frame = nullptr;
  TestSite* m_site = nullptr;
  wxWindow* m_window = nullptr;
};

}  // namespace component_test
