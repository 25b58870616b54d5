#pragma once
// Rich error information: an object that fails a call may leave a description for the calling
// thread (SetErrorInfo), which the caller picks up once (GetErrorInfo).
#include "platform/com/ComTypes.h"

struct IErrorInfo : IUnknown {
  virtual HRESULT GetGUID(GUID* guid) = 0;
  virtual HRESULT GetSource(BSTR* source) = 0;
  virtual HRESULT GetDescription(BSTR* description) = 0;
  virtual HRESULT GetHelpFile(BSTR* helpFile) = 0;
  virtual HRESULT GetHelpContext(DWORD* helpContext) = 0;

 protected:
  ~IErrorInfo() = default;
};

struct ICreateErrorInfo : IUnknown {
  virtual HRESULT SetGUID(REFGUID guid) = 0;
  virtual HRESULT SetSource(LPOLESTR source) = 0;
  virtual HRESULT SetDescription(LPOLESTR description) = 0;
  virtual HRESULT SetHelpFile(LPOLESTR helpFile) = 0;
  virtual HRESULT SetHelpContext(DWORD helpContext) = 0;

 protected:
  ~ICreateErrorInfo() = default;
};

HRESULT CreateErrorInfo(ICreateErrorInfo** info);
// Replaces the calling thread's error object (null clears it).
HRESULT SetErrorInfo(DWORD reserved, IErrorInfo* info);
// Hands the thread's error object to the caller and clears it; S_FALSE when there is none.
HRESULT GetErrorInfo(DWORD reserved, IErrorInfo** info);
