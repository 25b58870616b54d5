#include <gtest/gtest.h>

#include "platform/com/Bstr.h"
#include "platform/com/SafeArray.h"

TEST(SafeArray, BoundsFiveToSixHoldExactlyTwoElements) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 5, 2);
  ASSERT_TRUE(array);
  LONG lower = 0, upper = 0;
  ASSERT_EQ(SafeArrayGetLBound(array, 1, &lower), S_OK);
  ASSERT_EQ(SafeArrayGetUBound(array, 1, &upper), S_OK);
  EXPECT_EQ(lower, 5);
  EXPECT_EQ(upper, 6);

  for (LONG i : {5, 6}) {
    const LONG value = i * 100;
    EXPECT_EQ(SafeArrayPutElement(array, &i, &value), S_OK);
  }
  for (LONG i : {4, 7, 0}) {
    LONG value = 0;
    EXPECT_EQ(SafeArrayPutElement(array, &i, &value), DISP_E_BADINDEX) << i;
    EXPECT_EQ(SafeArrayGetElement(array, &i, &value), DISP_E_BADINDEX) << i;
  }
  LONG* data = nullptr;
  ASSERT_EQ(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)), S_OK);
  EXPECT_EQ(data[0], 500);
  EXPECT_EQ(data[1], 600);
  EXPECT_EQ(SafeArrayDestroy(array), DISP_E_ARRAYISLOCKED);
  SafeArrayUnaccessData(array);
  EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

TEST(SafeArray, VariantCopyDuplicatesStringsAndVariants) {
  SAFEARRAY* strings = SafeArrayCreateVector(VT_BSTR, 0, 1);
  LONG index = 0;
  BstrPtr text(BstrFromCP932("表示"));
  ASSERT_EQ(SafeArrayPutElement(strings, &index, text.get()), S_OK);

  CComVariant original;
  original.vt = VT_ARRAY | VT_BSTR;
  original.parray = strings;
  CComVariant copy(original);
  ASSERT_NE(copy.parray, original.parray);
  VariantClear(&original);  // the copy must not depend on the original's storage

  BSTR got = nullptr;
  ASSERT_EQ(SafeArrayGetElement(copy.parray, &index, &got), S_OK);
  EXPECT_EQ(CP932FromBstr(got), "表示");
  SysFreeString(got);

  SAFEARRAY* variants = SafeArrayCreateVector(VT_VARIANT, 1, 2);
  CComVariant flag;
  flag.vt = VT_BOOL;
  flag.boolVal = VARIANT_TRUE;
  index = 2;
  ASSERT_EQ(SafeArrayPutElement(variants, &index, &flag), S_OK);
  CComVariant out;
  ASSERT_EQ(SafeArrayGetElement(variants, &index, &out), S_OK);
  EXPECT_EQ(out.vt, VT_BOOL);
  EXPECT_EQ(out.boolVal, VARIANT_TRUE);
  index = 1;
  CComVariant untouched;
  ASSERT_EQ(SafeArrayGetElement(variants, &index, &untouched), S_OK);
  EXPECT_EQ(untouched.vt, VT_EMPTY);
  SafeArrayDestroy(variants);
}

TEST(SafeArray, OnlyOneDimensionOfKnownTypes) {
  const SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
  EXPECT_EQ(SafeArrayCreate(VT_I4, 2, bounds), nullptr);
  EXPECT_EQ(SafeArrayCreateVector(VT_NULL, 0, 2), nullptr);
}
