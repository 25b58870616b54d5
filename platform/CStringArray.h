#pragma once
// An array of byte strings; elements are added from CString or a plain C string.
#include "platform/CArray.h"
#include "platform/CString.h"

class CStringArray : public CArray<CString, const CString&> {
 public:
  using CArray::CArray;
};
