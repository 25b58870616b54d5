#include "platform/com/COleDispatchDriver.h"

#include <cstring>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/COleDispatchException.h"
#include "platform/com/ComActivation.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/Variant.h"

namespace {

constexpr BYTE kByRef = 0x40;  // marks a by-reference type in a parameter string

// Builds the argument array (last argument first) from the variadic list.
std::vector<CComVariant> TakeArguments(const BYTE* paramInfo, va_list args) {
  std::vector<CComVariant> list;
  for (const BYTE* p = paramInfo; p && *p; ++p) {
    CComVariant arg;
    const BYTE type = *p;
    if (type & kByRef) {
      arg.vt = static_cast<VARTYPE>((type & ~kByRef) | VT_BYREF);
      arg.byref = va_arg(args, void*);
    } else {
      arg.vt = type;
      switch (type) {
        case VT_I2: arg.iVal = static_cast<std::int16_t>(va_arg(args, int)); break;
        case VT_I4: arg.lVal = va_arg(args, LONG); break;
        case VT_R8: arg.dblVal = va_arg(args, double); break;
        case VT_DATE: arg.date = va_arg(args, DATE); break;
        case VT_CY: arg.cyVal = va_arg(args, CY); break;
        case VT_ERROR: arg.scode = va_arg(args, SCODE); break;
        case VT_BOOL: arg.boolVal = va_arg(args, BOOL) ? VARIANT_TRUE : VARIANT_FALSE; break;
        case VT_BSTR: {
          const char* text = va_arg(args, const char*);
          arg.bstrVal = BstrFromCP932(text ? text : "");
          break;
        }
        case VT_DISPATCH:
        case VT_UNKNOWN:
          arg.punkVal = va_arg(args, IUnknown*);
          if (arg.punkVal) arg.punkVal->AddRef();
          break;
        case VT_VARIANT: {
          const VARIANT* value = va_arg(args, const VARIANT*);
          arg.vt = VT_EMPTY;
          if (value) VariantCopy(&arg, value);
          break;
        }
        default:
          throw COleDispatchException(DISP_E_BADVARTYPE, CString());
      }
    }
    list.push_back(std::move(arg));
  }
  return list;
}

// The exception for a failed call: the object's record when it filled one, else the thread's error
// object, else the status alone.
[[noreturn]] void RaiseFailure(HRESULT hr, EXCEPINFO* info) {
  if (hr == DISP_E_EXCEPTION) {
    if (info->pfnDeferredFillIn) info->pfnDeferredFillIn(info);
    COleDispatchException error(*info);
    if (error.m_scError == 0) error.m_scError = hr;
    ClearExcepInfo(info);
    throw error;
  }
  CString description;
  IErrorInfo* errorInfo = nullptr;
  if (GetErrorInfo(0, &errorInfo) == S_OK && errorInfo) {
    BSTR text = nullptr;
    if (SUCCEEDED(errorInfo->GetDescription(&text))) description = CP932FromBstr(text);
    SysFreeString(text);
    errorInfo->Release();
  }
  throw COleDispatchException(hr, description);
}

void StoreResult(VARIANT& result, VARTYPE vtRet, void* ret) {
  switch (vtRet) {
    case VT_I2: *static_cast<std::int16_t*>(ret) = result.iVal; break;
    case VT_I4: *static_cast<LONG*>(ret) = result.lVal; break;
    case VT_R8: *static_cast<double*>(ret) = result.dblVal; break;
    case VT_DATE: *static_cast<DATE*>(ret) = result.date; break;
    case VT_CY: *static_cast<CY*>(ret) = result.cyVal; break;
    case VT_ERROR: *static_cast<SCODE*>(ret) = result.scode; break;
    case VT_BOOL: *static_cast<BOOL*>(ret) = result.boolVal != VARIANT_FALSE; break;
    case VT_BSTR: *static_cast<CString*>(ret) = CP932FromBstr(result.bstrVal); break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      *static_cast<IUnknown**>(ret) = result.punkVal;  // the caller takes over the reference
      VariantInit(&result);
      break;
    case VT_VARIANT:
      *static_cast<VARIANT*>(ret) = result;
      VariantInit(&result);
      break;
    default: break;
  }
}

}  // namespace

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid) {
  ReleaseDispatch();
  IDispatch* dispatch = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    return FALSE;
  AttachDispatch(dispatch, TRUE);
  return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCTSTR progId) {
  CLSID clsid;
  if (!progId || FAILED(CLSIDFromProgID(progId, &clsid))) return FALSE;
  return CreateDispatch(clsid);
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH dispatch, BOOL autoRelease) {
  ReleaseDispatch();
  m_lpDispatch = dispatch;
  m_bAutoRelease = autoRelease;
}

void COleDispatchDriver::ReleaseDispatch() {
  if (m_lpDispatch && m_bAutoRelease) m_lpDispatch->Release();
  m_lpDispatch = nullptr;
}

void COleDispatchDriver::InvokeHelper(DISPID id, WORD flags, VARTYPE vtRet, void* ret, const BYTE* paramInfo, ...) {
  va_list args;
  va_start(args, paramInfo);
  try {
    InvokeHelperV(id, flags, vtRet, ret, paramInfo, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

void COleDispatchDriver::InvokeHelperV(DISPID id, WORD flags, VARTYPE vtRet, void* ret, const BYTE* paramInfo,
                                       va_list args) {
  if (!m_lpDispatch) return;
  std::vector<CComVariant> forward = TakeArguments(paramInfo, args);
  std::vector<VARIANT> reversed(forward.rbegin(), forward.rend());  // shallow: forward keeps ownership
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  CComVariant result;
  EXCEPINFO info;
  std::memset(&info, 0, sizeof info);
  UINT argErr = 0;
  const HRESULT hr = m_lpDispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                          vtRet == VT_EMPTY ? nullptr : &result, &info, &argErr);
  // Values written back through by-reference arguments belong to the caller's variables.
  if (FAILED(hr)) RaiseFailure(hr, &info);
  if (vtRet == VT_EMPTY || !ret) return;
  if (vtRet != VT_VARIANT && result.vt != vtRet) {
    const HRESULT converted = VariantChangeType(&result, &result, 0, vtRet);
    if (FAILED(converted)) throw COleDispatchException(converted, CString());
  }
  StoreResult(result, vtRet, ret);
}

void COleDispatchDriver::GetProperty(DISPID id, VARTYPE vtProp, void* value) {
  InvokeHelper(id, DISPATCH_PROPERTYGET, vtProp, value, nullptr);
}

void COleDispatchDriver::SetProperty(DISPID id, VARTYPE vtProp, ...) {
  va_list args;
  va_start(args, vtProp);
  const BYTE paramInfo[2] = {static_cast<BYTE>(vtProp), 0};
  try {
    InvokeHelperV(id, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, paramInfo, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}
