#include "platform/com/Variant.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <strings.h>

#include "platform/com/Bstr.h"
#include "platform/base/CodePage.h"
#include "platform/com/Dispatch.h"
#include "platform/com/SafeArray.h"

void VariantInit(VARIANT* v) {
  std::memset(v, 0, sizeof *v);
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  if (!v) return E_INVALIDARG;
  if ((v->vt & VT_BYREF) == 0) {
    if (v->vt & VT_ARRAY) {
      if (v->parray) {
        const HRESULT hr = SafeArrayDestroy(v->parray);
        if (FAILED(hr)) return hr;
      }
    } else if (v->vt == VT_BSTR) {
      SysFreeString(v->bstrVal);
    } else if (v->vt == VT_DISPATCH || v->vt == VT_UNKNOWN) {
      if (v->punkVal) v->punkVal->Release();
    }
  }
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
  if (!dest || !src) return E_INVALIDARG;
  if (dest == src) return S_OK;
  VARIANT copy = *src;
  if ((src->vt & VT_BYREF) == 0) {
    if (src->vt & VT_ARRAY) {
      copy.parray = nullptr;
      if (src->parray) {
        const HRESULT hr = SafeArrayCopy(src->parray, &copy.parray);
        if (FAILED(hr)) return hr;
      }
    } else if (src->vt == VT_BSTR) {
      copy.bstrVal = src->bstrVal ? SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal)) : nullptr;
      if (src->bstrVal && !copy.bstrVal) return E_OUTOFMEMORY;
    } else if (src->vt == VT_DISPATCH || src->vt == VT_UNKNOWN) {
      if (copy.punkVal) copy.punkVal->AddRef();
    }
  }
  VariantClear(dest);
  *dest = copy;
  return S_OK;
}

namespace {

// A flat, non-owning view of what a VT_BYREF value points to.
HRESULT Dereference(const VARIANT* src, VARIANT* view) {
  VariantInit(view);
  if ((src->vt & VT_BYREF) == 0) {
    *view = *src;
    return S_OK;
  }
  if (!src->byref) return E_INVALIDARG;
  const VARTYPE base = static_cast<VARTYPE>(src->vt & ~VT_BYREF);
  if (base == VT_VARIANT) return Dereference(src->pvarVal, view);
  view->vt = base;
  if (base & VT_ARRAY) {
    view->parray = *static_cast<SAFEARRAY**>(src->byref);
    return S_OK;
  }
  switch (base) {
    case VT_I2: case VT_BOOL: case VT_UI2: std::memcpy(&view->iVal, src->byref, 2); break;
    case VT_I4: case VT_UI4: case VT_ERROR: case VT_R4: std::memcpy(&view->lVal, src->byref, 4); break;
    case VT_R8: case VT_DATE: case VT_CY: std::memcpy(&view->dblVal, src->byref, 8); break;
    case VT_UI1: view->bVal = *static_cast<BYTE*>(src->byref); break;
    case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: view->byref = *static_cast<void**>(src->byref); break;
    default: return DISP_E_BADVARTYPE;
  }
  return S_OK;
}

bool IsInteger(VARTYPE vt) {
  return vt == VT_I2 || vt == VT_I4 || vt == VT_UI1 || vt == VT_UI2 || vt == VT_UI4 || vt == VT_BOOL ||
         vt == VT_EMPTY;
}

std::int64_t IntegerOf(const VARIANT& v) {
  switch (v.vt) {
    case VT_I2: return v.iVal;
    case VT_I4: return v.lVal;
    case VT_UI1: return v.bVal;
    case VT_UI2: return static_cast<std::uint16_t>(v.iVal);
    case VT_UI4: return v.ulVal;
    case VT_BOOL: return v.boolVal ? -1 : 0;
    default: return 0;
  }
}

// A number from text in the invariant form ("12", "-3.5", "1E3"); booleans by name.
std::optional<double> NumberFromText(BSTR text) {
  const std::string utf8 = CP932ToUTF8(CP932FromBstr(text).str());
  std::string trimmed = utf8;
  while (!trimmed.empty() && std::isspace(static_cast<unsigned char>(trimmed.back()))) trimmed.pop_back();
  std::size_t start = 0;
  while (start < trimmed.size() && std::isspace(static_cast<unsigned char>(trimmed[start]))) ++start;
  trimmed = trimmed.substr(start);
  if (trimmed.empty()) return std::nullopt;
  if (strcasecmp(trimmed.c_str(), "true") == 0) return -1.0;
  if (strcasecmp(trimmed.c_str(), "false") == 0) return 0.0;
  // The invariant form whatever the process locale says.
  const char* first = trimmed.c_str();
  const char* last = first + trimmed.size();
  if (*first == '+') ++first;
  double value = 0;
  const std::from_chars_result parsed = std::from_chars(first, last, value);
  if (parsed.ec != std::errc() || parsed.ptr != last) return std::nullopt;
  return value;
}

BSTR TextFromNumber(const VARIANT& v) {
  char text[64];
  if (v.vt == VT_BOOL) return BstrFromCP932(v.boolVal ? "True" : "False");
  if (IsInteger(v.vt)) {
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(IntegerOf(v)));
  } else if (v.vt == VT_CY) {
    const std::int64_t whole = v.cyVal.int64 / 10000;
    std::int64_t frac = std::llabs(v.cyVal.int64 % 10000);
    const char* sign = (v.cyVal.int64 < 0 && whole == 0) ? "-" : "";
    if (frac == 0) {
      std::snprintf(text, sizeof text, "%s%lld", sign, static_cast<long long>(whole));
    } else {
      int digits = 4;
      while (frac % 10 == 0) frac /= 10, --digits;
      std::snprintf(text, sizeof text, "%s%lld.%0*lld", sign, static_cast<long long>(whole), digits,
                    static_cast<long long>(frac));
    }
  } else {
    const double d = v.vt == VT_R4 ? v.fltVal : v.dblVal;
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text - 1, d, std::chars_format::general, 15);
    *written.ptr = '\0';
    for (char* p = text; *p; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
  }
  return BstrFromCP932(text);
}

HRESULT StoreNumber(VARIANT* dest, VARTYPE vt, double value, std::optional<std::int64_t> exact) {
  auto toInteger = [&](double lo, double hi, std::int64_t* out) -> bool {
    if (exact) {
      if (static_cast<double>(*exact) < lo || static_cast<double>(*exact) > hi) return false;
      *out = *exact;
      return true;
    }
    if (!std::isfinite(value)) return false;
    const double r = std::nearbyint(value);  // round half to even, as automation does
    if (r < lo || r > hi) return false;
    *out = static_cast<std::int64_t>(r);
    return true;
  };
  std::int64_t i = 0;
  VARIANT out;
  VariantInit(&out);
  out.vt = vt;
  switch (vt) {
    case VT_I2:
      if (!toInteger(-32768, 32767, &i)) return DISP_E_OVERFLOW;
      out.iVal = static_cast<std::int16_t>(i);
      break;
    case VT_I4:
      if (!toInteger(-2147483648.0, 2147483647.0, &i)) return DISP_E_OVERFLOW;
      out.lVal = static_cast<LONG>(i);
      break;
    case VT_UI1:
      if (!toInteger(0, 255, &i)) return DISP_E_OVERFLOW;
      out.bVal = static_cast<BYTE>(i);
      break;
    case VT_UI2:
      if (!toInteger(0, 65535, &i)) return DISP_E_OVERFLOW;
      out.iVal = static_cast<std::int16_t>(static_cast<std::uint16_t>(i));
      break;
    case VT_UI4:
      if (!toInteger(0, 4294967295.0, &i)) return DISP_E_OVERFLOW;
      out.ulVal = static_cast<ULONG>(i);
      break;
    case VT_BOOL:
      out.boolVal = (exact ? *exact != 0 : value != 0) ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_R4:
      out.fltVal = static_cast<float>(exact ? static_cast<double>(*exact) : value);
      break;
    case VT_R8:
    case VT_DATE:
      out.dblVal = exact ? static_cast<double>(*exact) : value;
      break;
    case VT_CY: {
      const double scaled = (exact ? static_cast<double>(*exact) : value) * 10000.0;
      if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return DISP_E_OVERFLOW;
      out.cyVal.int64 = exact && std::llabs(*exact) < 922337203685477LL ? *exact * 10000
                                                                       : static_cast<std::int64_t>(std::nearbyint(scaled));
      break;
    }
    default:
      return DISP_E_TYPEMISMATCH;
  }
  VariantClear(dest);
  *dest = out;
  return S_OK;
}

// The default member of an object: its value property.
HRESULT ValueOfObject(IUnknown* object, VARIANT* value) {
  if (!object) return DISP_E_TYPEMISMATCH;
  IDispatch* dispatch = nullptr;
  if (FAILED(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    return DISP_E_TYPEMISMATCH;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  const HRESULT hr = dispatch->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, value, nullptr,
                                      nullptr);
  dispatch->Release();
  return FAILED(hr) ? DISP_E_TYPEMISMATCH : S_OK;
}

}  // namespace

HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src) {
  if (!dest || !src) return E_INVALIDARG;
  VARIANT view;
  const HRESULT hr = Dereference(src, &view);
  if (FAILED(hr)) return hr;
  return VariantCopy(dest, &view);
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD /*flags*/, VARTYPE vt) {
  if (!dest || !src) return E_INVALIDARG;
  VARIANT view;
  HRESULT hr = Dereference(src, &view);
  if (FAILED(hr)) return hr;
  const VARTYPE from = view.vt;
  if (from == vt) return VariantCopy(dest, &view);
  if ((from & VT_ARRAY) || (vt & VT_ARRAY) || (vt & VT_BYREF)) return DISP_E_TYPEMISMATCH;
  if (from == VT_NULL || vt == VT_NULL) return DISP_E_TYPEMISMATCH;

  if (vt == VT_EMPTY) {
    VariantClear(dest);
    return S_OK;
  }
  if (from == VT_DISPATCH || from == VT_UNKNOWN) {
    if (vt == VT_UNKNOWN || vt == VT_DISPATCH) {
      if (!view.punkVal) return DISP_E_TYPEMISMATCH;
      void* object = nullptr;
      if (FAILED(view.punkVal->QueryInterface(vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown, &object)))
        return DISP_E_TYPEMISMATCH;
      VariantClear(dest);
      dest->vt = vt;
      dest->byref = object;
      return S_OK;
    }
    CComVariant value;
    hr = ValueOfObject(view.punkVal, &value);
    if (FAILED(hr)) return hr;
    if (value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) return DISP_E_TYPEMISMATCH;
    return VariantChangeType(dest, &value, 0, vt);
  }
  if (vt == VT_DISPATCH || vt == VT_UNKNOWN) return DISP_E_TYPEMISMATCH;
  if (from == VT_ERROR || vt == VT_ERROR) {
    if (from == VT_ERROR && vt == VT_I4) return StoreNumber(dest, vt, 0, view.scode);
    return DISP_E_TYPEMISMATCH;
  }

  if (vt == VT_BSTR) {
    BSTR text = from == VT_EMPTY ? SysAllocStringLen(nullptr, 0) : nullptr;
    if (from == VT_DATE) return DISP_E_TYPEMISMATCH;  // dates have no text form in this layer
    if (!text) text = TextFromNumber(view);
    if (!text) return E_OUTOFMEMORY;
    VariantClear(dest);
    dest->vt = VT_BSTR;
    dest->bstrVal = text;
    return S_OK;
  }
  if (from == VT_BSTR) {
    const std::optional<double> number = NumberFromText(view.bstrVal);
    if (!number) return DISP_E_TYPEMISMATCH;
    const double whole = std::trunc(*number);
    if (whole == *number && std::fabs(whole) < 9e15) return StoreNumber(dest, vt, *number, static_cast<std::int64_t>(whole));
    return StoreNumber(dest, vt, *number, std::nullopt);
  }
  if (IsInteger(from)) return StoreNumber(dest, vt, 0, IntegerOf(view));
  if (from == VT_CY) {
    if (view.cyVal.int64 % 10000 == 0) return StoreNumber(dest, vt, 0, view.cyVal.int64 / 10000);
    return StoreNumber(dest, vt, static_cast<double>(view.cyVal.int64) / 10000.0, std::nullopt);
  }
  if (from == VT_R4) return StoreNumber(dest, vt, view.fltVal, std::nullopt);
  if (from == VT_R8 || from == VT_DATE) return StoreNumber(dest, vt, view.dblVal, std::nullopt);
  return DISP_E_BADVARTYPE;
}
