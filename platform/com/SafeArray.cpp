#include "platform/com/SafeArray.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/com/Bstr.h"

namespace {

ULONG ElementSize(VARTYPE vt) {
  switch (vt) {
    case VT_UI1: return 1;
    case VT_I2: case VT_BOOL: return 2;
    case VT_I4: case VT_UI4: case VT_ERROR: return 4;
    case VT_R8: case VT_CY: case VT_DATE: return 8;
    case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: return sizeof(void*);
    case VT_VARIANT: return sizeof(VARIANT);
    default: return 0;
  }
}

void* ElementAt(SAFEARRAY* array, LONG index) {
  return static_cast<char*>(array->pvData) +
         static_cast<std::size_t>(index - array->rgsabound[0].lLbound) * array->cbElements;
}

bool InBounds(SAFEARRAY* array, LONG index) {
  const SAFEARRAYBOUND& b = array->rgsabound[0];
  return index >= b.lLbound && static_cast<std::int64_t>(index) - b.lLbound < static_cast<std::int64_t>(b.cElements);
}

// Copies one element into raw storage that holds nothing yet.
HRESULT CopyElement(VARTYPE vt, void* dest, const void* src, ULONG size) {
  switch (vt) {
    case VT_BSTR: {
      BSTR text = *static_cast<const BSTR*>(src);
      BSTR copy = text ? SysAllocStringLen(text, SysStringLen(text)) : nullptr;
      if (text && !copy) return E_OUTOFMEMORY;
      *static_cast<BSTR*>(dest) = copy;
      return S_OK;
    }
    case VT_VARIANT:
      VariantInit(static_cast<VARIANT*>(dest));
      return VariantCopy(static_cast<VARIANT*>(dest), static_cast<const VARIANT*>(src));
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IUnknown* object = *static_cast<IUnknown* const*>(src);
      if (object) object->AddRef();
      *static_cast<IUnknown**>(dest) = object;
      return S_OK;
    }
    default:
      std::memcpy(dest, src, size);
      return S_OK;
  }
}

void FreeElement(VARTYPE vt, void* element) {
  switch (vt) {
    case VT_BSTR: SysFreeString(*static_cast<BSTR*>(element)); break;
    case VT_VARIANT: VariantClear(static_cast<VARIANT*>(element)); break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      if (IUnknown* object = *static_cast<IUnknown**>(element)) object->Release();
      break;
    default: break;
  }
}

void FreeArray(SAFEARRAY* array) {
  for (ULONG i = 0; i < array->rgsabound[0].cElements; ++i)
    FreeElement(array->vt, static_cast<char*>(array->pvData) + static_cast<std::size_t>(i) * array->cbElements);
  std::free(array->pvData);
  std::free(array);
}

}  // namespace

SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, const SAFEARRAYBOUND* bounds) {
  const ULONG size = ElementSize(vt);
  if (dims != 1 || !bounds || size == 0) return nullptr;
  auto* array = static_cast<SAFEARRAY*>(std::calloc(1, sizeof(SAFEARRAY)));
  if (!array) return nullptr;
  array->cDims = 1;
  array->cbElements = size;
  array->rgsabound[0] = bounds[0];
  array->vt = vt;
  // Zeroed storage is a valid empty value for every element type (VT_EMPTY, null string, null pointer).
  array->pvData = std::calloc(bounds[0].cElements ? bounds[0].cElements : 1, size);
  if (!array->pvData) {
    std::free(array);
    return nullptr;
  }
  return array;
}

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG elements) {
  const SAFEARRAYBOUND bound = {elements, lowerBound};
  return SafeArrayCreate(vt, 1, &bound);
}

HRESULT SafeArrayDestroy(SAFEARRAY* array) {
  if (!array) return S_OK;
  if (array->cLocks) return DISP_E_ARRAYISLOCKED;
  FreeArray(array);
  return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy) {
  if (!copy) return E_POINTER;
  *copy = nullptr;
  if (!array) return S_OK;
  SAFEARRAY* made = SafeArrayCreate(array->vt, 1, array->rgsabound);
  if (!made) return E_OUTOFMEMORY;
  for (ULONG i = 0; i < array->rgsabound[0].cElements; ++i) {
    const std::size_t offset = static_cast<std::size_t>(i) * array->cbElements;
    const HRESULT hr = CopyElement(array->vt, static_cast<char*>(made->pvData) + offset,
                                   static_cast<char*>(array->pvData) + offset, array->cbElements);
    if (FAILED(hr)) {
      FreeArray(made);
      return hr;
    }
  }
  *copy = made;
  return S_OK;
}

UINT SafeArrayGetElemsize(SAFEARRAY* array) { return array ? array->cbElements : 0; }

HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* bound) {
  if (!array || !bound) return E_INVALIDARG;
  if (dim != 1) return DISP_E_BADINDEX;
  *bound = array->rgsabound[0].lLbound;
  return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound) {
  if (!array || !bound) return E_INVALIDARG;
  if (dim != 1) return DISP_E_BADINDEX;
  *bound = static_cast<LONG>(array->rgsabound[0].lLbound + static_cast<std::int64_t>(array->rgsabound[0].cElements) - 1);
  return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* array, const LONG* index, void* value) {
  if (!array || !index || !value) return E_INVALIDARG;
  if (!InBounds(array, *index)) return DISP_E_BADINDEX;
  return CopyElement(array->vt, value, ElementAt(array, *index), array->cbElements);
}

HRESULT SafeArrayPutElement(SAFEARRAY* array, const LONG* index, const void* value) {
  if (!array || !index) return E_INVALIDARG;
  if (!InBounds(array, *index)) return DISP_E_BADINDEX;
  if (array->vt != VT_BSTR && array->vt != VT_DISPATCH && array->vt != VT_UNKNOWN && !value) return E_INVALIDARG;
  // A string element is given as the BSTR itself, an interface as the pointer, others by address.
  const void* source = value;
  if (array->vt == VT_BSTR || array->vt == VT_DISPATCH || array->vt == VT_UNKNOWN) source = &value;
  std::unique_ptr<char[]> fresh(new char[array->cbElements]);
  const HRESULT hr = CopyElement(array->vt, fresh.get(), source, array->cbElements);
  if (FAILED(hr)) return hr;
  void* slot = ElementAt(array, *index);
  FreeElement(array->vt, slot);
  std::memcpy(slot, fresh.get(), array->cbElements);
  return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data) {
  if (!array || !data) return E_INVALIDARG;
  ++array->cLocks;
  *data = array->pvData;
  return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* array) {
  if (!array) return E_INVALIDARG;
  if (array->cLocks == 0) return E_UNEXPECTED;
  --array->cLocks;
  return S_OK;
}
