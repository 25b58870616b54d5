#pragma once
#include "platform/CArray.h"
#include "platform/WinTypes.h"

class CUIntArray : public CArray<UINT, UINT> {};
