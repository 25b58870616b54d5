#pragma once
// The host side of events: a dispatch object advised to a source's connection point that hands
// every event to the host by dispatch id, with the arguments in their declared order.
#include <functional>
#include <span>

#include "platform/com/ComObject.h"
#include "platform/com/ConnectionPoint.h"

class EventSink : public ComObject<IDispatch> {
 public:
  using Handler = std::function<void(DISPID id, std::span<const VARIANT> args)>;

  // Created with a count of 1, owned by the host. The connection point holds the sink while it is
  // advised, so the host calls Disconnect before its last Release.
  EventSink(REFIID eventInterface, Handler handler);

  // Advises this sink at the source's connection point for the event interface; a sink is
  // connected to one source at a time.
  HRESULT Connect(IUnknown* source);
  // Unadvises and forgets the handler, so an event that still arrives does nothing.
  void Disconnect();
  bool IsConnected() const { return m_point != nullptr; }

  HRESULT QueryInterface(REFIID iid, void** object) override;
  HRESULT GetTypeInfoCount(UINT* count) override;
  HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO* excepInfo, UINT* argErr) override;

 private:
  IID m_iid;
  Handler m_handler;
  IConnectionPoint* m_point = nullptr;
  DWORD m_cookie = 0;
};
