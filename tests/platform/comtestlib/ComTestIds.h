#pragma once
// Identifiers of the test server library, shared by the library and the tests that load it.
#include "platform/com/Guid.h"

namespace comtest {

inline constexpr GUID kClsid = {0x6F3C1A20, 0x5B7E, 0x4C1D, {0x9A, 0x3E, 0x2B, 0x8D, 0x4E, 0x6F, 0x1A, 0x01}};
inline constexpr GUID kEventsIid = {0x6F3C1A20, 0x5B7E, 0x4C1D, {0x9A, 0x3E, 0x2B, 0x8D, 0x4E, 0x6F, 0x1A, 0x02}};
inline constexpr const char* kProgId = "KestaTest.Object.1";
inline constexpr const char* kVersionIndependentProgId = "KestaTest.Object";

// Members of the test object.
inline constexpr DISPID kSum = 1;     // method (a long, b long) -> long
inline constexpr DISPID kDivide = 2;  // method (a long, b long, quotient long*) -> nothing; b = 0 fails
inline constexpr DISPID kName = 3;    // property string
inline constexpr DISPID kFire = 4;    // method (event id long, x long, text string): fires the event (x, text)

}  // namespace comtest
