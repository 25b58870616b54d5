#pragma once
// Common base of the objects that travel as hints between documents and views and of those kept
// in a CObArray: a virtual destructor, so an owner can delete them through the base pointer.
class CObject {
 public:
  virtual ~CObject() = default;
};
