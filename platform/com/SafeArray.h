#pragma once
// One-dimensional automation arrays with a lower bound, as properties hand lists of colours or flags
// across the boundary. Elements of type BSTR, VARIANT and interfaces are owned by the array.
#include "platform/com/ComTypes.h"
#include "platform/com/Variant.h"

struct SAFEARRAYBOUND {
  ULONG cElements;
  LONG lLbound;
};

struct SAFEARRAY {
  WORD cDims;
  WORD fFeatures;
  ULONG cbElements;
  ULONG cLocks;
  void* pvData;
  SAFEARRAYBOUND rgsabound[1];
  VARTYPE vt;  // element type, kept with the array
};

// Element types: I2, I4, UI4, R8, CY, DATE, BOOL, ERROR, UI1, BSTR, VARIANT, DISPATCH, UNKNOWN.
// Only one dimension; null when dims is not 1, the type is not one of these or memory runs out.
SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, const SAFEARRAYBOUND* bounds);
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG elements);
HRESULT SafeArrayDestroy(SAFEARRAY* array);  // DISP_E_ARRAYISLOCKED while data is accessed
HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy);
UINT SafeArrayGetElemsize(SAFEARRAY* array);
HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* bound);
HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound);
// Elements by index within the bounds (DISP_E_BADINDEX outside). Get hands out a copy (string
// duplicated, interface AddRef'ed); Put stores a copy of what it is given.
HRESULT SafeArrayGetElement(SAFEARRAY* array, const LONG* index, void* value);
HRESULT SafeArrayPutElement(SAFEARRAY* array, const LONG* index, const void* value);
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);
