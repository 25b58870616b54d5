#pragma once
// The program's side of the "VBScript.RegExp" object: every regular-expression search goes through
// it. Texts are the program's Shift JIS strings; the object counts positions in characters.
#include "platform/com/COleDispatchDriver.h"
#include "platform/base/CString.h"

class IRegExp : public COleDispatchDriver {
 public:
  IRegExp() = default;
  explicit IRegExp(LPDISPATCH dispatch) : COleDispatchDriver(dispatch) {}

  CString GetPattern();
  void SetPattern(LPCTSTR pattern);
  BOOL GetIgnoreCase();
  void SetIgnoreCase(BOOL ignoreCase);
  BOOL GetGlobal();
  void SetGlobal(BOOL global);
  // The match collection, to be wrapped in an IMatchCollection; null without an object.
  LPDISPATCH Execute(LPCTSTR text);
  BOOL Test(LPCTSTR text);
  CString Replace(LPCTSTR source, LPCTSTR replacement);
  // TRUE when Test matches one of the text's lines (CR LF or LF ends a line, a lone CR does not),
  // so "^" and "$" match at every line's ends.
  BOOL TestLines(LPCTSTR text);
};
