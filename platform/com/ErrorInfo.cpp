#include "platform/com/ErrorInfo.h"

#include "platform/com/Bstr.h"
#include "platform/com/ComObject.h"

namespace {

class ErrorObject : public ComObject<IErrorInfo, ICreateErrorInfo> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IErrorInfo))
      return Answer(iid, iid, static_cast<IErrorInfo*>(this), object);
    return Answer(iid, IID_ICreateErrorInfo, static_cast<ICreateErrorInfo*>(this), object);
  }

  HRESULT GetGUID(GUID* guid) override { return guid ? (*guid = m_guid, S_OK) : E_POINTER; }
  HRESULT GetSource(BSTR* source) override { return Give(m_source, source); }
  HRESULT GetDescription(BSTR* description) override { return Give(m_description, description); }
  HRESULT GetHelpFile(BSTR* helpFile) override { return Give(m_helpFile, helpFile); }
  HRESULT GetHelpContext(DWORD* helpContext) override {
    return helpContext ? (*helpContext = m_helpContext, S_OK) : E_POINTER;
  }

  HRESULT SetGUID(REFGUID guid) override { return m_guid = guid, S_OK; }
  HRESULT SetSource(LPOLESTR source) override { return Keep(source, &m_source); }
  HRESULT SetDescription(LPOLESTR description) override { return Keep(description, &m_description); }
  HRESULT SetHelpFile(LPOLESTR helpFile) override { return Keep(helpFile, &m_helpFile); }
  HRESULT SetHelpContext(DWORD helpContext) override { return m_helpContext = helpContext, S_OK; }

 private:
  static HRESULT Give(const BstrPtr& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = text ? SysAllocStringLen(text.get(), SysStringLen(text.get())) : nullptr;
    return S_OK;
  }
  static HRESULT Keep(LPOLESTR text, BstrPtr* slot) {
    slot->reset(SysAllocString(text));
    return (text && !*slot) ? E_OUTOFMEMORY : S_OK;
  }

  GUID m_guid;
  BstrPtr m_source;
  BstrPtr m_description;
  BstrPtr m_helpFile;
  DWORD m_helpContext = 0;
};

// Each thread's error object, released when the thread ends.
struct ThreadError {
  IErrorInfo* info = nullptr;
  ~ThreadError() {
    if (info) info->Release();
  }
};
thread_local ThreadError t_error;

}  // namespace

HRESULT CreateErrorInfo(ICreateErrorInfo** info) {
  if (!info) return E_POINTER;
  *info = new ErrorObject;
  return S_OK;
}

HRESULT SetErrorInfo(DWORD, IErrorInfo* info) {
  if (info) info->AddRef();
  if (t_error.info) t_error.info->Release();
  t_error.info = info;
  return S_OK;
}

HRESULT GetErrorInfo(DWORD, IErrorInfo** info) {
  if (!info) return E_POINTER;
  *info = t_error.info;
  t_error.info = nullptr;
  return *info ? S_OK : S_FALSE;
}
