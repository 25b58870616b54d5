#pragma once
// What an in-process server library keeps about itself: how many of its objects are alive and how
// many locks its clients hold (DllCanUnloadNow), and class factories for its classes.
#include <atomic>

#include "platform/com/ComTypes.h"

// The four Dll* functions of a server library are exported with this; everything else stays hidden.
#define KESTA_COM_EXPORT extern "C" __attribute__((visibility("default")))

class ComModule {
 public:
  void ObjectCreated() { ++m_objects; }
  void ObjectDestroyed() { --m_objects; }
  void Lock() { ++m_locks; }
  void Unlock() { --m_locks; }
  // S_OK only when no object is alive and no lock is held.
  HRESULT CanUnloadNow() const { return (m_objects == 0 && m_locks == 0) ? S_OK : S_FALSE; }

 private:
  std::atomic<LONG> m_objects{0};
  std::atomic<LONG> m_locks{0};
};

// A member of every object of a library: counts the object as alive for as long as it exists.
class ComModuleObject {
 public:
  explicit ComModuleObject(ComModule& module) : m_module(module) { m_module.ObjectCreated(); }
  ComModuleObject(const ComModuleObject&) = delete;
  ComModuleObject& operator=(const ComModuleObject&) = delete;
  ~ComModuleObject() { m_module.ObjectDestroyed(); }

 private:
  ComModule& m_module;
};

// Creates one object and answers the interface asked for.
using ComCreateFunc = HRESULT (*)(REFIID iid, void** object);

// A class factory over the function; LockServer counts in the module (none for built-in classes).
// Aggregation is not offered: CLASS_E_NOAGGREGATION when an outer object is given.
IClassFactory* CreateClassFactory(ComCreateFunc create, ComModule* module);
