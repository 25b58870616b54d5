#pragma once
// An array of CObject pointers; it does not own what they point to.
#include "platform/base/CArray.h"
#include "platform/base/CObject.h"

class CObArray : public CArray<CObject*, CObject*> {};
