#pragma once
// The key bindings of the control's accelerator collection, read through its dispatch interface.
#include <vector>

#include "platform/base/WinTypes.h"

struct IDispatch;

struct ControlAccelerator {
  WORD key = 0;
  WORD flags = 0;  // 0x04 Shift, 0x08 Ctrl, 0x10 Alt
  UINT command = 0;
};

// The collection's items in order (it counts from 1); empty without a collection.
std::vector<ControlAccelerator> ReadControlAccelerators(IDispatch* list);
