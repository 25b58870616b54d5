#pragma once
// Direct access to the test server library, for tests that need its objects without the registry.
#include <dlfcn.h>

#include "platform/com/ComActivation.h"
#include "platform/com/Dispatch.h"
#include "tests/platform/comtestlib/ComTestIds.h"

namespace comtest {

inline void* Library() {
  static void* handle = dlopen(KESTA_COMTESTLIB, RTLD_NOW | RTLD_LOCAL);
  return handle;
}

template <class Function>
Function Export(const char* name) {
  return Library() ? reinterpret_cast<Function>(dlsym(Library(), name)) : nullptr;
}

// A new test object straight from the library's class factory.
inline IDispatch* CreateObject() {
  auto getClassObject = Export<DllGetClassObjectFunc>("DllGetClassObject");
  if (!getClassObject) return nullptr;
  IClassFactory* factory = nullptr;
  if (FAILED(getClassObject(kClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) return nullptr;
  IDispatch* object = nullptr;
  factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object));
  factory->Release();
  return object;
}

}  // namespace comtest
