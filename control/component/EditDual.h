#pragma once
// IEdit's table of functions over the object's own dispatch: every entry calls the member of the
// same dispatch id, so a host calling by the table and one calling by dispatch id reach the same
// code. The table counts its references on the object, which owns it.
#include <memory>

#include "control/component/WrilaInterfaces.h"

class EditDual {
 public:
  explicit EditDual(IDispatch* outer);
  ~EditDual();
  EditDual(const EditDual&) = delete;
  EditDual& operator=(const EditDual&) = delete;

  IEdit* Interface() const;

 private:
  struct Table;
  std::unique_ptr<Table> m_table;
};
