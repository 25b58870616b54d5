#pragma once
// The matches of IRegExp::Execute, read through the collection's own interface.
#include "platform/com/ComTypes.h"
#include "platform/com/Dispatch.h"
#include "platform/com/RegExpObject.h"

class IMatchCollection {
 public:
  // Takes over the reference to the collection that Execute returned (null gives an empty wrapper,
  // whose calls fail).
  explicit IMatchCollection(LPDISPATCH dispatch);
  IMatchCollection(const IMatchCollection&) = delete;
  IMatchCollection& operator=(const IMatchCollection&) = delete;
  ~IMatchCollection();

  // The match at the index from 0, with a reference for the caller (wrap it in an IMatch). A failure
  // status raises COleDispatchException carrying it.
  LPDISPATCH GetItem(LONG index);
  LONG GetCount();

 private:
  VBScript_RegExp_55::IMatchCollection* m_collection = nullptr;
};
