#pragma once
// The built-in class "VBScript.RegExp": a regular-expression object driven by dispatch id, with
// its match, match-collection and sub-match objects.
#include "platform/com/ComTypes.h"
#include "platform/com/Dispatch.h"

namespace VBScript_RegExp_55 {

extern const CLSID CLSID_RegExp;
extern const IID IID_IRegExp;
extern const IID IID_IMatch;
extern const IID IID_IMatchCollection;
extern const IID IID_ISubMatches;

// RegExp members.
constexpr DISPID DISPID_REGEXP_PATTERN = 10001;
constexpr DISPID DISPID_REGEXP_IGNORECASE = 10002;
constexpr DISPID DISPID_REGEXP_GLOBAL = 10003;
constexpr DISPID DISPID_REGEXP_EXECUTE = 10004;
constexpr DISPID DISPID_REGEXP_TEST = 10005;
constexpr DISPID DISPID_REGEXP_REPLACE = 10006;
// Match members; the value is the default member (DISPID_VALUE).
constexpr DISPID DISPID_MATCH_FIRSTINDEX = 10001;
constexpr DISPID DISPID_MATCH_LENGTH = 10002;
constexpr DISPID DISPID_MATCH_SUBMATCHES = 10003;
// Collection members (match collection and sub-matches); Item is the default member.
constexpr DISPID DISPID_COLLECTION_COUNT = 1;

// The match collection is also used through its own table of functions.
struct IMatchCollection : IDispatch {
  virtual HRESULT get_Item(LONG index, IDispatch** match) = 0;  // index from 0
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;

 protected:
  ~IMatchCollection() = default;
};

}  // namespace VBScript_RegExp_55

// A new RegExp object: empty pattern, case-sensitive, first match only.
HRESULT CreateRegExpObject(REFIID iid, void** object);
