// The library's entry points: class factories by class id, registration of its classes, and
// whether it may be unloaded. Only these four functions are exported.
#include "control/component/CEditObject.h"
#include "control/component/WrilaCollections.h"
#include "control/component/WrilaModule.h"
#include "control/pages/WrilaPages.h"
#include "platform/com/CRegKey.h"
#include "platform/com/ComRegistration.h"

namespace {

struct WrilaClass {
  ComClassRegistration registration;
  ComCreateFunc create;
};

// Registration of a page class: no type library, and descriptions like the other classes'.
#define WRILA_PAGE(name) \
  {CLSID_##name, "Wrila." #name ".1.2", "Wrila." #name, #name " 1.2 Class", #name " Class", nullptr}

// In the order of registration.
const WrilaClass kClasses[] = {
    {{CLSID_Edit, "Wrila.Edit.1.2", "Wrila.Edit", "Edit 1.2 Class", "Edit Class", &LIBID_WRILALib}, &CreateEditObject},
    {WRILA_PAGE(TextPage), &CreateTextPage},
    {WRILA_PAGE(MarginPage), &CreateMarginPage},
    {{CLSID_FaceItem, "Wrila.FaceItem.1.2", "Wrila.FaceItem", "FaceItem 1.2 Class", "FaceItem Class", &LIBID_WRILALib},
     &CreateFaceItem},
    {{CLSID_FaceList, "Wrila.FaceList.1.2", "Wrila.FaceList", "FaceList 1.2 Class", "FaceList Class", &LIBID_WRILALib},
     &CreateFaceList},
    {WRILA_PAGE(KinsokuPage), &CreateKinsokuPage},
    {WRILA_PAGE(FaceWrapPage), &CreateFaceWrapPage},
    {WRILA_PAGE(HilitePage), &CreateHilitePage},
    {{CLSID_HiliteItem, "Wrila.HiliteItem.1.2", "Wrila.HiliteItem", "HiliteItem 1.2 Class", "HiliteItem Class",
      &LIBID_WRILALib},
     &CreateHiliteItem},
    {{CLSID_HiliteList, "Wrila.HiliteList.1.2", "Wrila.HiliteList", "HiliteList 1.2 Class", "HiliteList Class",
      &LIBID_WRILALib},
     &CreateHiliteList},
    {WRILA_PAGE(ShowPage), &CreateShowPage},
    {WRILA_PAGE(ShowMarkPage), &CreateShowMarkPage},
    {WRILA_PAGE(LinkPage), &CreateLinkPage},
    {{CLSID_AccelItem, "Wrila.AccelItem.1.2", "Wrila.AccelItem", "AccelItem 1.2 Class", "AccelItem Class",
      &LIBID_WRILALib},
     &CreateAccelItem},
    {{CLSID_AccelList, "Wrila.AccelList.1.2", "Wrila.AccelList", "AccelList 1.2 Class", "AccelList Class",
      &LIBID_WRILALib},
     &CreateAccelList},
    {WRILA_PAGE(KeyboardPage), &CreateKeyboardPage},
    {WRILA_PAGE(FilePage), &CreateFilePage},
    {WRILA_PAGE(DesignPage), &CreateDesignPage},
    // The comment page came later, with a version of its own.
    {{CLSID_CommentPage, "Wrila.CommentPage.1", "Wrila.CommentPage", "CommentPage Class", "CommentPage Class", nullptr},
     &CreateCommentPage},
};

// What a container needs to know of the control beyond a plain class.
HRESULT RegisterControlKeys(const char* modulePath) {
  CRegKey key;
  const CString classKey = CString("CLSID\\") + GuidToString(CLSID_Edit).c_str();
  if (key.Open(HKEY_CLASSES_ROOT, classKey) != ERROR_SUCCESS) return SELFREG_E_CLASS;
  const CString bitmap = CString(modulePath) + ", 128";
  CRegKey control, insertable;  // bare keys: their presence is what a container reads
  const bool ok =
      control.Create(key, "Control") == ERROR_SUCCESS && insertable.Create(key, "Insertable") == ERROR_SUCCESS &&
      key.SetKeyValue("ToolboxBitmap32", bitmap) == ERROR_SUCCESS &&
      key.SetKeyValue("MiscStatus", "0") == ERROR_SUCCESS &&
      key.SetKeyValue("MiscStatus\\1", "131473") == ERROR_SUCCESS && key.SetKeyValue("Version", "1.1") == ERROR_SUCCESS;
  return ok ? S_OK : SELFREG_E_CLASS;
}

}  // namespace

KESTA_COM_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  for (const WrilaClass& entry : kClasses) {
    if (!IsEqualCLSID(clsid, entry.registration.clsid)) continue;
    IClassFactory* factory = CreateClassFactory(entry.create, &WrilaModule());
    const HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

KESTA_COM_EXPORT HRESULT DllCanUnloadNow() { return WrilaModule().CanUnloadNow(); }

KESTA_COM_EXPORT HRESULT DllRegisterServer() {
  const CString path = GetModulePath(reinterpret_cast<const void*>(&WrilaModule));
  if (path.IsEmpty()) return SELFREG_E_CLASS;
  for (const WrilaClass& entry : kClasses) {
    const HRESULT hr = RegisterComClass(entry.registration, path);
    if (FAILED(hr)) return hr;
  }
  const HRESULT hr = RegisterControlKeys(path);
  if (FAILED(hr)) return hr;
  return RegisterTypeLibKey(LIBID_WRILALib, "1.2", "Wrila 1.2 ﾀｲﾌﾟ ﾗｲﾌﾞﾗﾘ", path);
}

KESTA_COM_EXPORT HRESULT DllUnregisterServer() {
  HRESULT result = S_OK;
  for (const WrilaClass& entry : kClasses) {
    const HRESULT hr = UnregisterComClass(entry.registration);
    if (FAILED(hr)) result = hr;
  }
  const HRESULT hr = UnregisterTypeLibKey(LIBID_WRILALib);
  return FAILED(hr) ? hr : result;
}
