#include "platform/com/Dispatch.h"

#include <cstring>

#include "platform/com/Bstr.h"

namespace {

HRESULT ConvertSlot(DISPPARAMS* params, UINT slot, VARTYPE vt, VARIANT* result, UINT* argErr) {
  VariantInit(result);
  const HRESULT hr = VariantChangeType(result, &params->rgvarg[slot], 0, vt);
  if (FAILED(hr)) {
    if (argErr) *argErr = slot;
    return hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH;
  }
  return S_OK;
}

// Named arguments come first in rgvarg, in the order of their ids.
bool FindNamed(DISPPARAMS* params, DISPID id, UINT* slot) {
  for (UINT i = 0; i < params->cNamedArgs; ++i) {
    if (params->rgdispidNamedArgs && params->rgdispidNamedArgs[i] == id) {
      *slot = i;
      return true;
    }
  }
  return false;
}

}  // namespace

HRESULT DispGetParam(DISPPARAMS* params, UINT position, VARTYPE vt, VARIANT* result, UINT* argErr) {
  if (!params || !result) return E_INVALIDARG;
  UINT slot = 0;
  if (FindNamed(params, static_cast<DISPID>(position), &slot)) return ConvertSlot(params, slot, vt, result, argErr);
  const UINT positional = params->cArgs - params->cNamedArgs;
  if (position >= positional) return DISP_E_PARAMNOTFOUND;
  return ConvertSlot(params, params->cArgs - 1 - position, vt, result, argErr);
}

HRESULT DispGetPutValue(DISPPARAMS* params, VARTYPE vt, VARIANT* result, UINT* argErr) {
  if (!params || !result) return E_INVALIDARG;
  UINT slot = 0;
  if (!FindNamed(params, DISPID_PROPERTYPUT, &slot)) return DISP_E_PARAMNOTFOUND;
  return ConvertSlot(params, slot, vt, result, argErr);
}

HRESULT FillExcepInfo(EXCEPINFO* info, const char* source, const char* description, SCODE scode) {
  if (info) {
    std::memset(info, 0, sizeof *info);
    info->bstrSource = BstrFromCP932(source ? source : "");
    info->bstrDescription = BstrFromCP932(description ? description : "");
    info->scode = scode;
  }
  return DISP_E_EXCEPTION;
}

void ClearExcepInfo(EXCEPINFO* info) {
  if (!info) return;
  SysFreeString(info->bstrSource);
  SysFreeString(info->bstrDescription);
  SysFreeString(info->bstrHelpFile);
  std::memset(info, 0, sizeof *info);
}

HRESULT GetIDsOfNamesFromTable(std::span<const DispatchName> table, LPOLESTR* names, UINT count, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  // Only the member name is looked up; named arguments are not supported.
  for (UINT i = 1; i < count; ++i) hr = DISP_E_UNKNOWNNAME;
  const OLECHAR* name = names[0];
  for (const DispatchName& entry : table) {
    std::size_t k = 0;
    for (; entry.name[k] && name[k]; ++k) {
      auto fold = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; };
      if (fold(static_cast<char16_t>(static_cast<unsigned char>(entry.name[k]))) != fold(name[k])) break;
    }
    if (entry.name[k] == '\0' && name[k] == 0) {
      ids[0] = entry.id;
      return hr;
    }
  }
  return DISP_E_UNKNOWNNAME;
}
