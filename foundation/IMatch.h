#pragma once
// One match of an IRegExp search. Its position and length count characters of the searched text;
// the byte helpers turn them into offsets of the program's Shift JIS text.
#include "platform/com/COleDispatchDriver.h"
#include "platform/base/CString.h"

class IMatch : public COleDispatchDriver {
 public:
  IMatch() = default;
  // Takes over the reference it is given.
  explicit IMatch(LPDISPATCH dispatch) : COleDispatchDriver(dispatch) {}

  CString GetValue();
  LONG GetFirstIndex();
  LONG GetLength();
  // The match position as a byte offset in the text that was searched.
  LONG GetByteIndex(LPCTSTR text);
  LONG GetValueByteLength();
};
