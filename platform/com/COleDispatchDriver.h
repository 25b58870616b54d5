#pragma once
// The host side of late-bound calls: holds one object's IDispatch and calls its members by dispatch
// id with typed arguments and a typed result. A failed call raises COleDispatchException; a driver
// that holds no object does nothing.
#include <cstdarg>

#include "platform/base/CString.h"
#include "platform/com/ComTypes.h"
#include "platform/com/Dispatch.h"

// Argument types of InvokeHelper, one byte each, concatenated into a string:
// I2 short, I4 LONG, R8 double, CY CY, DATE DATE, BSTR const char* (Shift JIS), DISPATCH IDispatch*,
// SCODE SCODE, BOOL BOOL, VARIANT const VARIANT*, UNKNOWN IUnknown*, PI4 LONG* (by reference),
// PVARIANT VARIANT* (by reference).
#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R8 "\x05"
#define VTS_CY "\x06"
#define VTS_DATE "\x07"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_SCODE "\x0A"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_UNKNOWN "\x0D"
#define VTS_PI4 "\x43"
#define VTS_PVARIANT "\x4C"

class COleDispatchDriver {
 public:
  COleDispatchDriver() = default;
  explicit COleDispatchDriver(LPDISPATCH dispatch, BOOL autoRelease = TRUE)
      : m_lpDispatch(dispatch), m_bAutoRelease(autoRelease) {}
  COleDispatchDriver(const COleDispatchDriver&) = delete;
  COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;
  ~COleDispatchDriver() { ReleaseDispatch(); }

  // Creates the object of the class (by class id or program id); FALSE when it cannot.
  BOOL CreateDispatch(REFCLSID clsid);
  BOOL CreateDispatch(LPCTSTR progId);
  void AttachDispatch(LPDISPATCH dispatch, BOOL autoRelease = TRUE);
  void ReleaseDispatch();

  // Result types: VT_EMPTY (none), VT_I2 short*, VT_I4 LONG*, VT_R8 double*, VT_CY CY*, VT_DATE DATE*,
  // VT_BSTR CString*, VT_DISPATCH IDispatch**, VT_ERROR SCODE*, VT_BOOL BOOL*, VT_VARIANT VARIANT*
  // (overwritten, not cleared), VT_UNKNOWN IUnknown**.
  void InvokeHelper(DISPID id, WORD flags, VARTYPE vtRet, void* ret, const BYTE* paramInfo, ...);
  void InvokeHelperV(DISPID id, WORD flags, VARTYPE vtRet, void* ret, const BYTE* paramInfo, va_list args);
  void GetProperty(DISPID id, VARTYPE vtProp, void* value);
  void SetProperty(DISPID id, VARTYPE vtProp, ...);

  LPDISPATCH m_lpDispatch = nullptr;
  BOOL m_bAutoRelease = TRUE;
};
