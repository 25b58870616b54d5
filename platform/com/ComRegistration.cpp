#include "platform/com/ComRegistration.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/com/CRegKey.h"
#include "platform/base/CodePage.h"

namespace {

CString ClassKeyPath(REFCLSID clsid) { return CString("CLSID\\") + GuidToString(clsid).c_str(); }

// Sets the default value of subKey below parent (and, with a value name, that value instead).
bool SetKeyString(HKEY parent, const CString& subKey, const char* value, const char* valueName = nullptr) {
  CRegKey key;
  if (key.Create(parent, subKey) != ERROR_SUCCESS) return false;
  return key.SetStringValue(valueName, value) == ERROR_SUCCESS;
}

// A key that only marks something by being there: no value at all, as a registration script's bare key.
bool CreateBareKey(HKEY parent, const CString& subKey) {
  CRegKey key;
  return key.Create(parent, subKey) == ERROR_SUCCESS;
}

bool DeleteTreeIfPresent(const CString& path) {
  const LONG status = RegDeleteTree(HKEY_CLASSES_ROOT, path);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool HasProgIds(const ComClassRegistration& entry) {
  return entry.progId && *entry.progId && entry.versionIndependentProgId && *entry.versionIndependentProgId;
}

}  // namespace

HRESULT RegisterComClass(const ComClassRegistration& entry, const char* modulePath) {
  if (!HasProgIds(entry) || !modulePath || !*modulePath) return E_INVALIDARG;
  const std::string clsid = GuidToString(entry.clsid);
  const CString versioned = entry.progId;
  const CString independent = entry.versionIndependentProgId;
  bool ok = SetKeyString(HKEY_CLASSES_ROOT, versioned, entry.description) &&
            SetKeyString(HKEY_CLASSES_ROOT, versioned + "\\CLSID", clsid.c_str()) &&
            SetKeyString(HKEY_CLASSES_ROOT, independent, entry.versionIndependentDescription) &&
            SetKeyString(HKEY_CLASSES_ROOT, independent + "\\CLSID", clsid.c_str()) &&
            SetKeyString(HKEY_CLASSES_ROOT, independent + "\\CurVer", entry.progId);
  const CString classKey = ClassKeyPath(entry.clsid);
  ok = ok && DeleteTreeIfPresent(classKey) && SetKeyString(HKEY_CLASSES_ROOT, classKey, entry.description) &&
       CreateBareKey(HKEY_CLASSES_ROOT, classKey + "\\Programmable") &&
       SetKeyString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", modulePath) &&
       SetKeyString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", "Apartment", "ThreadingModel");
  if (ok && entry.typeLib) {
    ok = SetKeyString(HKEY_CLASSES_ROOT, classKey + "\\ProgID", entry.progId) &&
         SetKeyString(HKEY_CLASSES_ROOT, classKey + "\\VersionIndependentProgID", entry.versionIndependentProgId) &&
         SetKeyString(HKEY_CLASSES_ROOT, classKey + "\\TypeLib", GuidToString(*entry.typeLib).c_str());
  }
  return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterComClass(const ComClassRegistration& entry) {
  if (!HasProgIds(entry)) return E_INVALIDARG;  // an empty name would delete every class
  const bool ok = DeleteTreeIfPresent(entry.progId) && DeleteTreeIfPresent(entry.versionIndependentProgId) &&
                  DeleteTreeIfPresent(ClassKeyPath(entry.clsid));
  return ok ? S_OK : SELFREG_E_CLASS;
}

CString GetModulePath(const void* addressInModule) {
  Dl_info info;
  if (!addressInModule || !dladdr(addressInModule, &info) || !info.dli_fname) return CString();
  char resolved[PATH_MAX];
  const char* path = realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
  return UTF8ToCP932(path);
}

HRESULT RegisterTypeLibKey(REFGUID libId, const char* version, const char* helpString, const char* modulePath) {
  if (!version || !*version || !modulePath || !*modulePath) return E_INVALIDARG;
  const CString versionKey = CString("TypeLib\\") + GuidToString(libId).c_str() + "\\" + version;
  CString folder = modulePath;
  const int slash = folder.ReverseFind('/');
  if (slash >= 0) folder = folder.Left(slash);
  const bool ok = SetKeyString(HKEY_CLASSES_ROOT, versionKey, helpString ? helpString : "") &&
                  SetKeyString(HKEY_CLASSES_ROOT, versionKey + "\\0\\linux", modulePath) &&
                  SetKeyString(HKEY_CLASSES_ROOT, versionKey + "\\FLAGS", "0") &&
                  SetKeyString(HKEY_CLASSES_ROOT, versionKey + "\\HELPDIR", folder);
  return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterTypeLibKey(REFGUID libId) {
  return DeleteTreeIfPresent(CString("TypeLib\\") + GuidToString(libId).c_str()) ? S_OK : SELFREG_E_CLASS;
}
