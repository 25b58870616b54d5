#pragma once
// Automation values: the VARIANT and its helpers.
#include <cstdint>

#include "platform/com/ComTypes.h"

struct IDispatch;
struct SAFEARRAY;

enum : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_CY = 6,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_ARRAY = 0x2000,
  VT_BYREF = 0x4000,
  VT_TYPEMASK = 0x0FFF,
};

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// Currency: a 64-bit integer scaled by 10,000.
union CY {
  struct {
    std::uint32_t Lo;
    std::int32_t Hi;
  };
  std::int64_t int64;
};
// Days since 30 December 1899, the fraction being the time of day.
using DATE = double;

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    std::int16_t iVal;
    LONG lVal;
    ULONG ulVal;
    BYTE bVal;
    float fltVal;
    double dblVal;
    VARIANT_BOOL boolVal;
    SCODE scode;
    CY cyVal;
    DATE date;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    SAFEARRAY* parray;
    LONG* plVal;
    VARIANT* pvarVal;
    void* byref;
  };
};
using VARIANTARG = VARIANT;

void VariantInit(VARIANT* v);
// Frees what the value owns (string, array, reference) and leaves it empty; a reference
// (VT_BYREF) owns nothing.
HRESULT VariantClear(VARIANT* v);
// Deep copy: strings and arrays are duplicated, interfaces AddRef'ed.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);
// As VariantCopy, but a VT_BYREF source is copied as the value it points to.
HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src);
// Converts among the scalar types, BSTR (numbers in invariant form, booleans as "True"/"False"),
// and from VT_BYREF sources; DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW when it cannot.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD flags, VARTYPE vt);

// Owns one VARIANT: cleared when destroyed.
class CComVariant : public VARIANT {
 public:
  CComVariant() { VariantInit(this); }
  CComVariant(const CComVariant& other) : CComVariant() { VariantCopy(this, &other); }
  CComVariant(const VARIANT& other) : CComVariant() { VariantCopy(this, &other); }  // NOLINT
  CComVariant(CComVariant&& other) noexcept : VARIANT(other) { VariantInit(&other); }
  CComVariant& operator=(const CComVariant& other) {
    if (this != &other) VariantCopy(this, &other);
    return *this;
  }
  CComVariant& operator=(CComVariant&& other) noexcept {
    if (this != &other) {
      VariantClear(this);
      static_cast<VARIANT&>(*this) = other;
      VariantInit(&other);
    }
    return *this;
  }
  ~CComVariant() { VariantClear(this); }

  // Takes over a value whose ownership the caller gives up.
  void Attach(VARIANT* src) {
    VariantClear(this);
    static_cast<VARIANT&>(*this) = *src;
    VariantInit(src);
  }
  // Hands the value over to the caller's VARIANT, which must not hold anything.
  void Detach(VARIANT* dest) {
    *dest = *this;
    VariantInit(this);
  }
};
