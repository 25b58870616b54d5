#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/com/CRegKey.h"
#include "platform/com/ComActivation.h"
#include "platform/com/ComRegistration.h"
#include "platform/com/Dispatch.h"
#include "platform/com/RegExpObject.h"
#include "tests/common/TestSupport.h"
#include "tests/platform/ComTestLibrary.h"

namespace {

// Each test registers into a registry of its own, in a fresh settings folder.
class ComActivationTest : public ::testing::Test {
 protected:
  kesta_test::ScopedPrivateRegistry m_registry;
};

}  // namespace

TEST_F(ComActivationTest, RegisteredLibraryIsCreatedByClassIdAndProgramId) {
  CLSID clsid;
  EXPECT_EQ(CLSIDFromProgID(comtest::kVersionIndependentProgId, &clsid), CO_E_CLASSSTRING);
  ASSERT_EQ(RegisterServerLibrary(KESTA_COMTESTLIB), S_OK);

  ASSERT_EQ(CLSIDFromProgID(comtest::kVersionIndependentProgId, &clsid), S_OK);
  EXPECT_EQ(clsid, comtest::kClsid);
  ASSERT_EQ(CLSIDFromProgID(u"KestaTest.Object.1", &clsid), S_OK);
  EXPECT_EQ(clsid, comtest::kClsid);

  auto canUnloadNow = comtest::Export<DllCanUnloadNowFunc>("DllCanUnloadNow");
  ASSERT_TRUE(canUnloadNow);
  EXPECT_EQ(canUnloadNow(), S_OK);
  IDispatch* object = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&object)),
            S_OK);
  EXPECT_EQ(canUnloadNow(), S_FALSE);

  // The object works across the library boundary.
  CComVariant a, b, sum;
  a.vt = b.vt = VT_I4;
  a.lVal = 2;
  b.lVal = 3;
  VARIANT args[2] = {b, a};
  DISPPARAMS params = {args, nullptr, 2, 0};
  ASSERT_EQ(object->Invoke(comtest::kSum, IID_NULL, 0, DISPATCH_METHOD, &params, &sum, nullptr, nullptr), S_OK);
  EXPECT_EQ(sum.lVal, 5);

  object->Release();
  EXPECT_EQ(canUnloadNow(), S_OK);

  // A lock on the factory also keeps the library.
  IClassFactory* factory = nullptr;
  ASSERT_EQ(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                             reinterpret_cast<void**>(&factory)),
            S_OK);
  factory->LockServer(TRUE);
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  factory->LockServer(FALSE);
  factory->Release();
  EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(ComActivationTest, RegistrationWritesTheClassKeysAndUnregistrationRemovesThem) {
  ASSERT_EQ(RegisterServerLibrary(KESTA_COMTESTLIB), S_OK);
  const std::string classKey = "CLSID\\" + GuidToString(comtest::kClsid);
  EXPECT_EQ(kesta_test::ClassesValue("KestaTest.Object\\CurVer"), "KestaTest.Object.1");
  EXPECT_EQ(kesta_test::ClassesValue("KestaTest.Object"), "KestaTest Object Class");
  EXPECT_EQ(kesta_test::ClassesValue("KestaTest.Object.1\\CLSID"), GuidToString(comtest::kClsid).c_str());
  EXPECT_EQ(kesta_test::ClassesValue((classKey + "\\InprocServer32").c_str(), "ThreadingModel"), "Apartment");
  EXPECT_NE(kesta_test::ClassesValue((classKey + "\\InprocServer32").c_str()).Find("comtestlib"), -1);
  // The class keys are the user's: HKEY_CURRENT_USER\Software\Classes.
  CRegKey user;
  EXPECT_EQ(user.Open(HKEY_CURRENT_USER, "Software\\Classes\\KestaTest.Object", KEY_READ), ERROR_SUCCESS);

  ASSERT_EQ(UnregisterServerLibrary(KESTA_COMTESTLIB), S_OK);
  EXPECT_EQ(kesta_test::ClassesValue("KestaTest.Object"), "(missing)");
  EXPECT_EQ(kesta_test::ClassesValue(classKey.c_str()), "(missing)");
  CLSID clsid;
  EXPECT_EQ(CLSIDFromProgID(comtest::kVersionIndependentProgId, &clsid), CO_E_CLASSSTRING);
  IUnknown* object = nullptr;
  EXPECT_EQ(CoCreateInstance(comtest::kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            REGDB_E_CLASSNOTREG);
}

TEST_F(ComActivationTest, MissingLibrariesAndFunctionsAreErrors) {
  EXPECT_EQ(RegisterServerLibrary("/nonexistent/libNothing.so"), CO_E_DLLNOTFOUND);
  // A library without the Dll functions: the platform library itself.
  const CString platform = GetModulePath(reinterpret_cast<const void*>(&CoCreateInstance));
  EXPECT_EQ(RegisterServerLibrary(platform), CO_E_ERRORINDLL);

  const GUID stale = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
  CRegKey key;
  ASSERT_EQ(key.Create(HKEY_CLASSES_ROOT, ("CLSID\\" + GuidToString(stale) + "\\InprocServer32").c_str()),
            ERROR_SUCCESS);
  ASSERT_EQ(key.SetStringValue(nullptr, "/nonexistent/libGone.so"), ERROR_SUCCESS);
  IUnknown* object = nullptr;
  EXPECT_EQ(CoCreateInstance(stale, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&object)),
            CO_E_DLLNOTFOUND);
  EXPECT_EQ(object, nullptr);
}

TEST_F(ComActivationTest, BuiltinRegExpNeedsNoRegistration) {
  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID("VBScript.RegExp", &clsid), S_OK);
  EXPECT_EQ(clsid, VBScript_RegExp_55::CLSID_RegExp);
  IDispatch* re = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(&re)), S_OK);
  re->Release();
  for (const char* bad : {"", "No.Such.Class", "CLSID\\x"}) EXPECT_EQ(CLSIDFromProgID(bad, &clsid), CO_E_CLASSSTRING);
}
