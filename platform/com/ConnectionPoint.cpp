#include "platform/com/ConnectionPoint.h"

ConnectionPoint::~ConnectionPoint() {
  for (IDispatch* sink : m_sinks)
    if (sink) sink->Release();
}

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IConnectionPoint)) return E_NOINTERFACE;
  *object = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = m_iid;
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  *container = m_container;
  m_container->AddRef();
  return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  IDispatch* events = nullptr;
  if (FAILED(sink->QueryInterface(m_iid, reinterpret_cast<void**>(&events))) || !events)
    return CONNECT_E_CANNOTCONNECT;
  m_sinks.push_back(events);
  *cookie = static_cast<DWORD>(m_sinks.size());
  return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
  if (cookie == 0 || cookie > m_sinks.size() || !m_sinks[cookie - 1]) return CONNECT_E_NOCONNECTION;
  IDispatch* sink = m_sinks[cookie - 1];
  m_sinks[cookie - 1] = nullptr;
  sink->Release();
  return S_OK;
}

void ConnectionPoint::Fire(DISPID id, const VARIANT* args, UINT count) {
  std::vector<VARIANT> reversed;
  for (UINT i = count; i > 0; --i) reversed.push_back(args[i - 1]);
  // By index: a sink may advise or unadvise others while it is called.
  for (std::size_t i = 0; i < m_sinks.size(); ++i) {
    IDispatch* sink = m_sinks[i];
    if (!sink) continue;
    sink->AddRef();
    // A fresh block per sink: a callee that rewrites a slot does not change what the next one gets.
    std::vector<VARIANT> block = reversed;
    DISPPARAMS params = {block.empty() ? nullptr : block.data(), nullptr, count, 0};
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    sink->Release();
  }
}
