#pragma once
// The common base of the objects kept in a CObArray: a virtual destructor, so an owner can delete
// elements through the base pointer.
class CObject {
 public:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
  virtual ~CObject() = default;
};
