#pragma once
// An array of byte strings; elements are added from CString or a plain C string.
#include "platform/base/CArray.h"
#include "platform/base/CString.h"

class CStringArray : public CArray<CString, const CString&> {
 public:
  using CArray::CArray;
};
