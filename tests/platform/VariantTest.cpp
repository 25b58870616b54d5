#include <gtest/gtest.h>

#include "platform/com/Bstr.h"
#include "platform/com/Variant.h"

namespace {

CComVariant I4(LONG v) {
  CComVariant r;
  r.vt = VT_I4;
  r.lVal = v;
  return r;
}
CComVariant R8(double v) {
  CComVariant r;
  r.vt = VT_R8;
  r.dblVal = v;
  return r;
}
CComVariant Text(const char* v) {
  CComVariant r;
  r.vt = VT_BSTR;
  r.bstrVal = BstrFromCP932(v);
  return r;
}
CComVariant Bool(bool v) {
  CComVariant r;
  r.vt = VT_BOOL;
  r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
  return r;
}

}  // namespace

TEST(Variant, ChangeTypeBetweenScalarsAndText) {
  struct Case {
    CComVariant from;
    VARTYPE to;
    HRESULT hr;
    const char* text;  // the converted value as text, checked when hr is S_OK
  };
  const Case cases[] = {
      {I4(42), VT_BSTR, S_OK, "42"},
      {I4(-7), VT_I2, S_OK, "-7"},
      {I4(40000), VT_I2, DISP_E_OVERFLOW, nullptr},
      {R8(2.5), VT_I4, S_OK, "2"},  // half to even
      {R8(3.5), VT_I4, S_OK, "4"},
      {Text(" 123 "), VT_I4, S_OK, "123"},
      {Text("12x"), VT_I4, DISP_E_TYPEMISMATCH, nullptr},
      {Text("true"), VT_BOOL, S_OK, "True"},
      {Bool(true), VT_I4, S_OK, "-1"},
      {I4(0), VT_BOOL, S_OK, "False"},
      {R8(12.25), VT_CY, S_OK, "12.25"},
      {R8(-0.125), VT_BSTR, S_OK, "-0.125"},
      {Text("+1.5E2"), VT_R8, S_OK, "150"},
      {R8(1e20), VT_BSTR, S_OK, "1E+20"},
      {CComVariant(), VT_BSTR, S_OK, ""},
      {CComVariant(), VT_I4, S_OK, "0"},
  };
  for (const Case& c : cases) {
    CComVariant out;
    const HRESULT hr = VariantChangeType(&out, &c.from, 0, c.to);
    EXPECT_EQ(hr, c.hr) << c.from.vt << "->" << c.to;
    if (hr != S_OK || !c.text) continue;
    EXPECT_EQ(out.vt, c.to);
    CComVariant asText;
    ASSERT_EQ(VariantChangeType(&asText, &out, 0, VT_BSTR), S_OK);
    EXPECT_EQ(CP932FromBstr(asText.bstrVal), c.text) << c.from.vt << "->" << c.to;
  }
}

TEST(Variant, ByReferenceSourcesAreReadThrough) {
  LONG target = 77;
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_BYREF | VT_I4;
  ref.plVal = &target;
  CComVariant out;
  ASSERT_EQ(VariantChangeType(&out, &ref, 0, VT_BSTR), S_OK);
  EXPECT_EQ(CP932FromBstr(out.bstrVal), "77");
  VariantClear(&ref);  // a reference owns nothing
  EXPECT_EQ(target, 77);
}

TEST(Variant, ConvertingInPlaceKeepsTheValue) {
  CComVariant v = Text("漢字");
  ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
  EXPECT_EQ(CP932FromBstr(v.bstrVal), "漢字");
  CComVariant n = Text("15");
  ASSERT_EQ(VariantChangeType(&n, &n, 0, VT_I4), S_OK);
  EXPECT_EQ(n.lVal, 15);
}
