#pragma once
// An array of untyped pointers; it does not own what they point to.
#include "platform/base/CArray.h"

class CPtrArray : public CArray<void*, void*> {};
