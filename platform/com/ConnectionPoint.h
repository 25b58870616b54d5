#pragma once
// Outgoing interfaces: an object that fires events offers a connection point per event interface;
// a host advises its sink there and receives the events as dispatch calls.
#include <vector>

#include "platform/com/ComTypes.h"
#include "platform/com/Dispatch.h"

struct IConnectionPointContainer;

struct IConnectionPoint : IUnknown {
  virtual HRESULT GetConnectionInterface(IID* iid) = 0;
  virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
  virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
  virtual HRESULT Unadvise(DWORD cookie) = 0;

 protected:
  ~IConnectionPoint() = default;
};

struct IConnectionPointContainer : IUnknown {
  virtual HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) = 0;

 protected:
  ~IConnectionPointContainer() = default;
};

// The connection point of one dispatch event interface, held as a member by the object that fires
// the events (the container): it shares the container's reference count.
class ConnectionPoint : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer* container, REFIID eventInterface)
      : m_container(container), m_iid(eventInterface) {}
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;
  virtual ~ConnectionPoint();

  HRESULT QueryInterface(REFIID iid, void** object) override;
  ULONG AddRef() override { return m_container->AddRef(); }
  ULONG Release() override { return m_container->Release(); }
  HRESULT GetConnectionInterface(IID* iid) override;
  HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
  // The sink must answer the event interface (a host's event dispatch does); cookies count from 1.
  HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT Unadvise(DWORD cookie) override;

  // Calls the event on every sink in the order they were advised, with the arguments given in their
  // declared order. A sink's result or failure does not stop the others.
  void Fire(DISPID id, const VARIANT* args = nullptr, UINT count = 0);

 private:
  IConnectionPointContainer* m_container;
  IID m_iid;
  std::vector<IDispatch*> m_sinks;  // index + 1 is the cookie; a null slot was unadvised
};
