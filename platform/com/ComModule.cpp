#include "platform/com/ComModule.h"

#include <new>

#include "platform/com/ComObject.h"

namespace {

class ClassFactory : public ComObject<IClassFactory> {
 public:
  ClassFactory(ComCreateFunc create, ComModule* module) : m_create(create), m_module(module) {}

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IClassFactory, this, object);
  }

  HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    // The caller may be the other binary: a failed allocation is a status, never an exception.
    try {
      return m_create(iid, object);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    } catch (...) {
      return E_FAIL;
    }
  }

  HRESULT LockServer(BOOL lock) override {
    if (m_module) {
      if (lock)
        m_module->Lock();
      else
        m_module->Unlock();
    }
    return S_OK;
  }

 private:
  ComCreateFunc m_create;
  ComModule* m_module;
};

}  // namespace

IClassFactory* CreateClassFactory(ComCreateFunc create, ComModule* module) { return new ClassFactory(create, module); }
