#pragma once
// COLORREF values (0x00BBGGRR, as settings and stored records keep them) at the edge to wx.
#include <wx/colour.h>

#include "platform/base/WinTypes.h"

inline wxColour ColorRefToWx(COLORREF color) { return wxColour(GetRValue(color), GetGValue(color), GetBValue(color)); }
inline COLORREF WxToColorRef(const wxColour& color) { return RGB(color.Red(), color.Green(), color.Blue()); }
