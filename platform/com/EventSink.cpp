#include "platform/com/EventSink.h"

#include <vector>

EventSink::EventSink(REFIID eventInterface, Handler handler) : m_iid(eventInterface), m_handler(std::move(handler)) {}

HRESULT EventSink::Connect(IUnknown* source) {
  if (!source) return E_POINTER;
  Disconnect();
  IConnectionPointContainer* container = nullptr;
  HRESULT hr = source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  if (FAILED(hr)) return hr;
  IConnectionPoint* point = nullptr;
  hr = container->FindConnectionPoint(m_iid, &point);
  container->Release();
  if (FAILED(hr)) return hr;
  hr = point->Advise(static_cast<IDispatch*>(this), &m_cookie);
  if (FAILED(hr)) {
    point->Release();
    return hr;
  }
  m_point = point;
  return S_OK;
}

void EventSink::Disconnect() {
  if (m_point) {
    IConnectionPoint* point = m_point;
    m_point = nullptr;
    point->Unadvise(m_cookie);
    point->Release();
    m_cookie = 0;
  }
}

HRESULT EventSink::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !IsEqualIID(iid, m_iid))
    return E_NOINTERFACE;
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  if (!m_handler) return S_OK;
  std::vector<VARIANT> args;
  if (params)
    for (UINT i = params->cArgs; i > 0; --i) args.push_back(params->rgvarg[i - 1]);
  // The source is the other binary: nothing the host throws may reach it.
  try {
    m_handler(id, args);
  } catch (...) {
    return DISP_E_EXCEPTION;
  }
  return S_OK;
}
