#pragma once
// A CObArray or CPtrArray seen with its element type. Elements are read and written by value:
// a reference into the base array would alias a pointer of another type.
#include <type_traits>

#include "platform/base/CObArray.h"
#include "platform/base/CPtrArray.h"

template <typename BASE_CLASS, typename TYPE>
class CTypedPtrArray : public BASE_CLASS {
  static_assert(std::is_pointer_v<TYPE>, "CTypedPtrArray holds pointers");
  using Base = BASE_CLASS;

 public:
  TYPE GetAt(int index) const { return static_cast<TYPE>(Base::GetAt(index)); }
  TYPE operator[](int index) const { return GetAt(index); }
  void SetAt(int index, TYPE element) { Base::SetAt(index, element); }
  void SetAtGrow(int index, TYPE element) { Base::SetAtGrow(index, element); }
  int Add(TYPE element) { return Base::Add(element); }
  void InsertAt(int index, TYPE element, int count = 1) { Base::InsertAt(index, element, count); }
};
