#pragma once
// Common base of the objects that travel as hints between documents and views.
class CObject {
 public:
  virtual ~CObject() = default;
};
