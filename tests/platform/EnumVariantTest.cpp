#include <gtest/gtest.h>

#include "platform/com/EnumVariant.h"

namespace {

std::vector<CComVariant> Numbers(std::initializer_list<LONG> values) {
  std::vector<CComVariant> list;
  for (LONG v : values) {
    CComVariant item;
    item.vt = VT_I4;
    item.lVal = v;
    list.push_back(item);
  }
  return list;
}

}  // namespace

TEST(EnumVariant, NextSkipResetAndCloneFollowTheProtocol) {
  const std::vector<CComVariant> items = Numbers({10, 20, 30});
  IEnumVARIANT* e = nullptr;
  ASSERT_EQ(CreateEnumVARIANT(items.data(), 3, &e), S_OK);

  VARIANT out[5];
  ULONG fetched = 99;
  EXPECT_EQ(e->Next(5, out, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 3u);
  EXPECT_EQ(out[2].lVal, 30);
  for (ULONG i = 0; i < fetched; ++i) VariantClear(&out[i]);
  EXPECT_EQ(e->Next(1, out, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);

  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Skip(1), S_OK);
  IEnumVARIANT* clone = nullptr;
  ASSERT_EQ(e->Clone(&clone), S_OK);
  EXPECT_EQ(clone->Next(1, out, nullptr), S_OK);  // the clone starts where the original stood
  EXPECT_EQ(out[0].lVal, 20);
  EXPECT_EQ(e->Skip(5), S_FALSE);
  EXPECT_EQ(e->Next(2, out, nullptr), E_POINTER);  // more than one asked without a count
  clone->Release();
  e->Release();
}
