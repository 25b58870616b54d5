#include "platform/com/ComActivation.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <string>

#include "platform/com/Bstr.h"
#include "platform/com/CRegKey.h"
#include "platform/base/CodePage.h"
#include "platform/com/ComModule.h"
#include "platform/com/RegExpObject.h"

namespace {

struct BuiltinClass {
  const CLSID* clsid;
  const char* progId;
  ComCreateFunc create;
};

const BuiltinClass kBuiltinClasses[] = {
    {&VBScript_RegExp_55::CLSID_RegExp, "VBScript.RegExp", &CreateRegExpObject},
};

const BuiltinClass* FindBuiltin(REFCLSID clsid) {
  for (const BuiltinClass& entry : kBuiltinClasses)
    if (IsEqualCLSID(*entry.clsid, clsid)) return &entry;
  return nullptr;
}

// Server libraries stay loaded for the life of the process: their objects may be anywhere.
void* LoadServerLibrary(const CString& path) {
  static std::mutex mutex;
  static std::map<std::string, void*> loaded;
  std::lock_guard<std::mutex> lock(mutex);
  auto it = loaded.find(path.str());
  if (it != loaded.end()) return it->second;
  void* handle = dlopen(CP932ToUTF8(path.str()).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle) loaded.emplace(path.str(), handle);
  return handle;
}

// The default string value of a key below HKEY_CLASSES_ROOT.
bool ReadClassesString(const CString& subKey, CString* value) {
  CRegKey key;
  if (key.Open(HKEY_CLASSES_ROOT, subKey, KEY_READ) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueEx(key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::string bytes(size, '\0');
  if (RegQueryValueEx(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS)
    return false;
  bytes.resize(size);
  while (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
  *value = CString(std::move(bytes));
  return true;
}

// A program id names a key of its own: no path separators, not empty.
bool IsProgIdName(const CString& progId) { return !progId.IsEmpty() && progId.Find('\\') < 0; }

HRESULT ClassFromProgId(const CString& progId, CLSID* clsid, int depth) {
  if (!IsProgIdName(progId)) return CO_E_CLASSSTRING;
  CString current;
  if (depth < 8 && ReadClassesString(progId + "\\CurVer", &current) && current.CompareNoCase(progId) != 0 &&
      SUCCEEDED(ClassFromProgId(current, clsid, depth + 1)))
    return S_OK;
  CString text;
  if (ReadClassesString(progId + "\\CLSID", &text) && GuidFromString(text, clsid)) return S_OK;
  return CO_E_CLASSSTRING;
}

HRESULT CallLibraryFunction(const char* path, const char* name) {
  if (!path) return E_INVALIDARG;
  void* handle = LoadServerLibrary(path);
  if (!handle) return CO_E_DLLNOTFOUND;
  auto function = reinterpret_cast<DllRegisterServerFunc>(dlsym(handle, name));
  if (!function) return CO_E_ERRORINDLL;
  return function();
}

}  // namespace

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void*, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if ((context & (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)) == 0) return REGDB_E_CLASSNOTREG;
  if (const BuiltinClass* builtin = FindBuiltin(clsid)) {
    IClassFactory* factory = CreateClassFactory(builtin->create, nullptr);
    const HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
  }
  CString path;
  if (!ReadClassesString(CString("CLSID\\") + GuidToString(clsid).c_str() + "\\InprocServer32", &path) ||
      path.IsEmpty())
    return REGDB_E_CLASSNOTREG;
  void* library = LoadServerLibrary(path);
  if (!library) return CO_E_DLLNOTFOUND;
  auto getClassObject = reinterpret_cast<DllGetClassObjectFunc>(dlsym(library, "DllGetClassObject"));
  if (!getClassObject) return CO_E_ERRORINDLL;
  return getClassObject(clsid, iid, object);
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  IClassFactory* factory = nullptr;
  HRESULT hr = CoGetClassObject(clsid, context, nullptr, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(hr)) return hr;
  hr = factory->CreateInstance(outer, iid, object);
  factory->Release();
  return hr;
}

HRESULT CLSIDFromProgID(const char* progId, CLSID* clsid) {
  if (!progId || !clsid) return E_INVALIDARG;
  for (const BuiltinClass& entry : kBuiltinClasses) {
    if (CString(progId).CompareNoCase(entry.progId) == 0) {
      *clsid = *entry.clsid;
      return S_OK;
    }
  }
  return ClassFromProgId(progId, clsid, 0);
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid) {
  if (!progId) return E_INVALIDARG;
  std::u16string_view text(progId);
  return CLSIDFromProgID(UTF16ToCP932(text).GetString(), clsid);
}

HRESULT RegisterServerLibrary(const char* path) { return CallLibraryFunction(path, "DllRegisterServer"); }

HRESULT UnregisterServerLibrary(const char* path) { return CallLibraryFunction(path, "DllUnregisterServer"); }
