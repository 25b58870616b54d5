#include "foundation/IMatchCollection.h"

#include "platform/com/COleDispatchException.h"

IMatchCollection::IMatchCollection(LPDISPATCH dispatch) {
  if (!dispatch) return;
  dispatch->QueryInterface(VBScript_RegExp_55::IID_IMatchCollection, reinterpret_cast<void**>(&m_collection));
  dispatch->Release();
}

IMatchCollection::~IMatchCollection() {
  if (m_collection) m_collection->Release();
}

LPDISPATCH IMatchCollection::GetItem(LONG index) {
  LPDISPATCH match = nullptr;
  const HRESULT hr = m_collection ? m_collection->get_Item(index, &match) : E_POINTER;
  if (FAILED(hr)) throw COleDispatchException(hr, CString());
  return match;
}

LONG IMatchCollection::GetCount() {
  LONG count = 0;
  const HRESULT hr = m_collection ? m_collection->get_Count(&count) : E_POINTER;
  if (FAILED(hr)) throw COleDispatchException(hr, CString());
  return count;
}
