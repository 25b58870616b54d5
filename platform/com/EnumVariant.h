#pragma once
// Enumerators over a snapshot of values, as collections hand them out for their _NewEnum member.
#include <vector>

#include "platform/com/ComTypes.h"
#include "platform/com/Variant.h"

struct IEnumVARIANT : IUnknown {
  virtual HRESULT Next(ULONG count, VARIANT* items, ULONG* fetched) = 0;
  virtual HRESULT Skip(ULONG count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumVARIANT** copy) = 0;

 protected:
  ~IEnumVARIANT() = default;
};

// A new enumerator that keeps its own copies of the values; its clones share them.
HRESULT CreateEnumVARIANT(const VARIANT* items, ULONG count, IEnumVARIANT** enumerator);
