#include <gtest/gtest.h>

#include "platform/com/Bstr.h"
#include "platform/com/COleDispatchDriver.h"
#include "platform/com/COleDispatchException.h"
#include "platform/com/ComObject.h"
#include "platform/com/ErrorInfo.h"

namespace {

// Fails every call with a plain status, leaving its text as the thread's error object.
class FailingObject : public DispatchObject<IDispatch> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IDispatch, this, object);
  }

 protected:
  std::span<const DispatchName> Names() const override { return {}; }
  HRESULT InvokeMember(DISPID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    ICreateErrorInfo* create = nullptr;
    CreateErrorInfo(&create);
    create->SetDescription(const_cast<LPOLESTR>(u"値が範囲外です"));
    IErrorInfo* info = nullptr;
    create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
    SetErrorInfo(0, info);
    info->Release();
    create->Release();
    return E_INVALIDARG;
  }
};

}  // namespace

TEST(ErrorInfo, IsHandedOutOnce) {
  ICreateErrorInfo* create = nullptr;
  ASSERT_EQ(CreateErrorInfo(&create), S_OK);
  create->SetSource(const_cast<LPOLESTR>(u"Wrila"));
  IErrorInfo* info = nullptr;
  ASSERT_EQ(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)), S_OK);
  SetErrorInfo(0, info);
  info->Release();
  create->Release();

  IErrorInfo* got = nullptr;
  ASSERT_EQ(GetErrorInfo(0, &got), S_OK);
  BSTR source = nullptr;
  got->GetSource(&source);
  EXPECT_EQ(BstrView(source), u"Wrila");
  SysFreeString(source);
  got->Release();
  EXPECT_EQ(GetErrorInfo(0, &got), S_FALSE);
  EXPECT_EQ(got, nullptr);
}

TEST(ErrorInfo, DriverReportsTheThreadsErrorText) {
  COleDispatchDriver driver(new FailingObject);
  try {
    driver.InvokeHelper(1, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, reinterpret_cast<const BYTE*>(VTS_I4), LONG{5});
    ADD_FAILURE() << "no error";
  } catch (const COleDispatchException& e) {
    EXPECT_EQ(e.m_scError, E_INVALIDARG);
    EXPECT_EQ(e.m_strDescription, "値が範囲外です");
  }
}
