#pragma once
// Late-bound calls by dispatch id: IDispatch, its argument block and its exception record.
#include <span>

#include "platform/com/ComTypes.h"
#include "platform/com/Variant.h"

constexpr WORD DISPATCH_METHOD = 0x1;
constexpr WORD DISPATCH_PROPERTYGET = 0x2;
constexpr WORD DISPATCH_PROPERTYPUT = 0x4;
constexpr WORD DISPATCH_PROPERTYPUTREF = 0x8;

constexpr DISPID DISPID_VALUE = 0;
constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_PROPERTYPUT = -3;
constexpr DISPID DISPID_NEWENUM = -4;


// Arguments in reverse order: rgvarg[0] is the last one. A property put names its value
// DISPID_PROPERTYPUT.
struct DISPPARAMS {
  VARIANTARG* rgvarg;
  DISPID* rgdispidNamedArgs;
  UINT cArgs;
  UINT cNamedArgs;
};

struct EXCEPINFO {
  WORD wCode;
  WORD wReserved;
  BSTR bstrSource;
  BSTR bstrDescription;
  BSTR bstrHelpFile;
  DWORD dwHelpContext;
  void* pvReserved;
  HRESULT (*pfnDeferredFillIn)(EXCEPINFO*);
  SCODE scode;
};

// Type information is not offered by this layer: GetTypeInfoCount answers 0.
struct ITypeInfo;

struct IDispatch : IUnknown {
  virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
  virtual HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) = 0;
  virtual HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) = 0;
  virtual HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                         EXCEPINFO* excepInfo, UINT* argErr) = 0;

 protected:
  ~IDispatch() = default;
};
using LPDISPATCH = IDispatch*;

// The argument at the given position (0 = the first declared), converted to vt; a named argument
// whose id equals the position counts too. DISP_E_PARAMNOTFOUND when it is missing,
// DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW (with *argErr set) when it cannot be converted.
HRESULT DispGetParam(DISPPARAMS* params, UINT position, VARTYPE vt, VARIANT* result, UINT* argErr);
// The value of a property put (the argument named DISPID_PROPERTYPUT), converted to vt.
HRESULT DispGetPutValue(DISPPARAMS* params, VARTYPE vt, VARIANT* result, UINT* argErr);

// Fills the caller's exception record (when it gave one) and returns DISP_E_EXCEPTION, as an object
// reports a failure with a text. Source and description are the program's Shift JIS texts.
HRESULT FillExcepInfo(EXCEPINFO* info, const char* source, const char* description, SCODE scode);

// Frees the strings of an exception record and clears it.
void ClearExcepInfo(EXCEPINFO* info);

// For objects that answer GetIDsOfNames from a fixed table; names compare without regard to case.
struct DispatchName {
  const char* name;
  DISPID id;
};
HRESULT GetIDsOfNamesFromTable(std::span<const DispatchName> table, LPOLESTR* names, UINT count, DISPID* ids);
