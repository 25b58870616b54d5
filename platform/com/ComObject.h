#pragma once
// Reference counting for classes that implement interfaces of this layer. An object starts with a
// count of 1, the creator's reference, and is destroyed by the Release that brings it to 0.
#include <atomic>
#include <memory>
#include <new>
#include <span>

#include "platform/com/ComTypes.h"
#include "platform/com/Dispatch.h"

template <class... Interfaces>
class ComObject : public Interfaces... {
 public:
  ComObject() = default;
  virtual ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  ULONG AddRef() override { return ++m_refs; }
  ULONG Release() override {
    const ULONG left = --m_refs;
    if (left == 0) std::unique_ptr<ComObject> self(this);
    return left;
  }

 protected:
  // One step of QueryInterface: hands out `as` (with a reference) when the asked id is iid. An object
  // of several interfaces passes IUnknown through one of them, so every answer for it is the same.
  template <class Interface>
  HRESULT Answer(REFIID asked, REFIID iid, Interface* as, void** object) {
    if (!IsEqualIID(asked, iid)) return E_NOINTERFACE;
    *object = as;
    AddRef();
    return S_OK;
  }

 private:
  std::atomic<ULONG> m_refs{1};
};

// An object offering one dispatch interface (IDispatch or an interface derived from it), whose
// members are found by name in a fixed table and called through InvokeMember.
template <class DispatchInterface, class... Others>
class DispatchObject : public ComObject<DispatchInterface, Others...> {
 public:
  HRESULT GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    return GetIDsOfNamesFromTable(Names(), names, count, ids);
  }
  HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                 UINT* argErr) override {
    if (!params) return E_INVALIDARG;
    // A caller that wants no result still lets the member produce one.
    CComVariant discard;
    if (!result) result = &discard;
    VariantInit(result);
    // No C++ exception may leave the object: the caller may be the other binary.
    try {
      return InvokeMember(id, flags, params, result, excepInfo, argErr);
    } catch (const std::bad_alloc&) {
      VariantClear(result);
      return E_OUTOFMEMORY;
    } catch (...) {
      VariantClear(result);
      return E_FAIL;
    }
  }

 protected:
  virtual std::span<const DispatchName> Names() const = 0;
  virtual HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                               UINT* argErr) = 0;
};
