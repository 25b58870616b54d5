#pragma once
// Creating objects by class id or program id. Built-in classes of this library (VBScript.RegExp)
// are found without the registry; other classes are in-process servers named by the per-user class
// keys: CLSID\{clsid}\InprocServer32 gives the library, which is loaded once and never unloaded, and
// whose DllGetClassObject hands out the class factory.
#include "platform/com/ComTypes.h"

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD CLSCTX_ALL = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* reserved, REFIID iid, void** object);
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object);
// The class of a program id; a version-independent id follows its CurVer to the current version.
// CO_E_CLASSSTRING when the program id is not known.
HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid);
HRESULT CLSIDFromProgID(const char* progId, CLSID* clsid);

// What an installer does: loads the in-process server library at the path and calls its
// DllRegisterServer (or DllUnregisterServer). CO_E_DLLNOTFOUND when it does not load,
// CO_E_ERRORINDLL when it lacks the function.
HRESULT RegisterServerLibrary(const char* path);
HRESULT UnregisterServerLibrary(const char* path);

// The four functions an in-process server library exports, with C names.
using DllGetClassObjectFunc = HRESULT (*)(REFCLSID clsid, REFIID iid, void** object);
using DllCanUnloadNowFunc = HRESULT (*)();
using DllRegisterServerFunc = HRESULT (*)();
using DllUnregisterServerFunc = HRESULT (*)();
