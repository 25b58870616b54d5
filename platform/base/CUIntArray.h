#pragma once
#include "platform/base/CArray.h"
#include "platform/base/WinTypes.h"

class CUIntArray : public CArray<UINT, UINT> {};
