#include <gtest/gtest.h>

#include "platform/com/COleDispatchDriver.h"
#include "platform/com/COleDispatchException.h"
#include "tests/platform/ComTestLibrary.h"

namespace {

const BYTE kTwoLongs[] = VTS_I4 VTS_I4;
const BYTE kDivideArgs[] = VTS_I4 VTS_I4 VTS_PI4;
const BYTE kString[] = VTS_BSTR;

}  // namespace

TEST(COleDispatchDriver, TypedArgumentsAndResults) {
  COleDispatchDriver driver(comtest::CreateObject());
  ASSERT_TRUE(driver.m_lpDispatch);
  LONG sum = 0;
  driver.InvokeHelper(comtest::kSum, DISPATCH_METHOD, VT_I4, &sum, kTwoLongs, LONG{40}, LONG{2});
  EXPECT_EQ(sum, 42);

  // The result converted to the type the caller asks for.
  CString asText;
  driver.InvokeHelper(comtest::kSum, DISPATCH_METHOD, VT_BSTR, &asText, kTwoLongs, LONG{-1}, LONG{-2});
  EXPECT_EQ(asText, "-3");

  LONG quotient = 0;
  driver.InvokeHelper(comtest::kDivide, DISPATCH_METHOD, VT_EMPTY, nullptr, kDivideArgs, LONG{17}, LONG{5}, &quotient);
  EXPECT_EQ(quotient, 3);

  driver.InvokeHelper(comtest::kName, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kString, "名前");
  CString name;
  driver.GetProperty(comtest::kName, VT_BSTR, &name);
  EXPECT_EQ(name, "名前");
  driver.SetProperty(comtest::kName, VT_BSTR, "別名");
  driver.GetProperty(comtest::kName, VT_BSTR, &name);
  EXPECT_EQ(name, "別名");
}

TEST(COleDispatchDriver, FailuresRaiseTheDispatchErrorWithTheObjectsText) {
  COleDispatchDriver driver(comtest::CreateObject());
  LONG quotient = 99;
  try {
    driver.InvokeHelper(comtest::kDivide, DISPATCH_METHOD, VT_EMPTY, nullptr, kDivideArgs, LONG{1}, LONG{0}, &quotient);
    ADD_FAILURE() << "no error";
  } catch (const COleDispatchException& e) {
    EXPECT_EQ(e.m_strDescription, "ゼロでは割れません");
    EXPECT_EQ(e.m_strSource, "KestaTest");
    EXPECT_EQ(e.m_scError, E_INVALIDARG);
  }
  EXPECT_EQ(quotient, 99);

  try {
    driver.InvokeHelper(77, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    ADD_FAILURE() << "no error";
  } catch (const COleDispatchException& e) {
    EXPECT_EQ(e.m_scError, DISP_E_MEMBERNOTFOUND);
  }
  LONG sum = 0;
  EXPECT_THROW(driver.InvokeHelper(comtest::kSum, DISPATCH_METHOD, VT_I4, &sum, kString, "not a number"),
               COleDispatchException);
}

TEST(COleDispatchDriver, AnEmptyDriverDoesNothing) {
  COleDispatchDriver driver;
  LONG sum = 5;
  driver.InvokeHelper(comtest::kSum, DISPATCH_METHOD, VT_I4, &sum, kTwoLongs, LONG{1}, LONG{2});
  EXPECT_EQ(sum, 5);
  EXPECT_FALSE(driver.CreateDispatch("No.Such.Class"));
  EXPECT_EQ(driver.m_lpDispatch, nullptr);
}
