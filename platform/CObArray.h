#pragma once
// An array of CObject pointers; it does not own what they point to.
#include "platform/CArray.h"
#include "platform/CObject.h"

class CObArray : public CArray<CObject*, CObject*> {};
