#pragma once
// The class keys an in-process server library writes from DllRegisterServer and removes from
// DllUnregisterServer, under HKEY_CLASSES_ROOT (the user's class registrations).
#include "platform/base/CString.h"
#include "platform/com/ComTypes.h"

struct ComClassRegistration {
  CLSID clsid;
  const char* progId;                        // versioned, "Library.Class.1"
  const char* versionIndependentProgId;      // "Library.Class"
  const char* description;                   // of the versioned program id and the class
  const char* versionIndependentDescription;
  const GUID* typeLib = nullptr;  // when given, the class key also names its program ids and type library
};

// Writes: the versioned program id (description, CLSID), the version-independent one (description,
// CLSID, CurVer), and CLSID\{clsid} anew (description, Programmable, InprocServer32 = the library
// path with ThreadingModel "Apartment", and with a type library ProgID, VersionIndependentProgID and
// TypeLib). SELFREG_E_CLASS when the store refuses a write.
HRESULT RegisterComClass(const ComClassRegistration& entry, const char* modulePath);
// Removes both program-id keys and the class key; keys that are not there are no error.
HRESULT UnregisterComClass(const ComClassRegistration& entry);

// The type library's key, as registering a type library writes it: TypeLib\{libid}\<version> with
// the help string, the library that holds it (under "0\linux"), FLAGS "0" and HELPDIR, its folder.
// This layer keeps no binary type library: the key tells hosts which library serves the ids.
HRESULT RegisterTypeLibKey(REFGUID libId, const char* version, const char* helpString, const char* modulePath);
// Removes TypeLib\{libid} with every version under it; a key that is not there is no error.
HRESULT UnregisterTypeLibKey(REFGUID libId);

// The full path of the shared library (or program) that holds the given address, as registrations
// name it; empty when it cannot be found.
CString GetModulePath(const void* addressInModule);
