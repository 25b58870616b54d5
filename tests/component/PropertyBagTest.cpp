#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/com/PropertyBag.h"
#include "tests/component/ComponentSupport.h"

using namespace component_test;

namespace {

// A host's bag of named values, kept as written.
class TestBag : public ComObject<IPropertyBag> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IPropertyBag, this, object);
  }
  HRESULT Read(LPCOLESTR name, VARIANT* value) override {
    const auto found = values.find(name);
    if (found == values.end()) return E_INVALIDARG;
    const VARTYPE wanted = value->vt;
    VariantClear(value);
    return wanted == VT_EMPTY ? VariantCopy(value, &found->second) : VariantChangeType(value, &found->second, 0, wanted);
  }
  HRESULT Write(LPCOLESTR name, const VARIANT* value) override {
    order.push_back(name);
    values[name] = *value;
    return S_OK;
  }

  std::map<std::u16string, CComVariant> values;
  std::vector<std::u16string> order;
};

IPersistPropertyBag* BagOf(IDispatch* edit) {
  IPersistPropertyBag* persist = nullptr;
  EXPECT_EQ(edit->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist)), S_OK);
  return persist;
}

}  // namespace

TEST_F(ComponentTest, PropertyBagKeepsTheExtentAndEveryPropertyByName) {
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ASSERT_EQ(Put(edit, 0x17, Long(60)), S_OK);
  ASSERT_EQ(Put(edit, 0x1E, Text(u"| ")), S_OK);
  ASSERT_EQ(Put(edit, 0x05, Bool(true)), S_OK);
  auto* bag = new TestBag;
  IPersistPropertyBag* persist = BagOf(edit);
  ASSERT_EQ(persist->Save(bag, TRUE, TRUE), S_OK);
  ASSERT_EQ(bag->order.size(), 60u);
  EXPECT_EQ(bag->order[0], u"_cx");
  EXPECT_EQ(bag->order[1], u"_cy");
  EXPECT_EQ(bag->order[2], u"Appearance");
  EXPECT_EQ(bag->order[59], u"FontName");
  EXPECT_EQ(bag->values[u"MarginNormal"].vt, VT_I4);

  // Loaded into a fresh control, the bag gives the same bag back.
  IDispatch* other = CreateEdit();
  IPersistPropertyBag* otherPersist = BagOf(other);
  ASSERT_EQ(otherPersist->Load(bag), S_OK);
  auto* again = new TestBag;
  ASSERT_EQ(otherPersist->Save(again, TRUE, TRUE), S_OK);
  EXPECT_EQ(again->order, bag->order);
  for (const auto& [name, value] : bag->values) {
    const CComVariant& copy = again->values[name];
    CComVariant mine, theirs;
    ASSERT_EQ(VariantChangeType(&mine, &value, 0, VT_BSTR), S_OK);
    ASSERT_EQ(VariantChangeType(&theirs, &copy, 0, VT_BSTR), S_OK);
    EXPECT_EQ(copy.vt, value.vt);
    EXPECT_EQ(BstrView(mine.bstrVal), BstrView(theirs.bstrVal)) << std::string(name.begin(), name.end());
  }
  EXPECT_EQ(std::u16string(BstrView(Get(other, 0x1E).bstrVal)), u"| ");

  // A bag without some names leaves those properties as they are.
  auto* partial = new TestBag;
  partial->values[u"TabSpace"] = Short(4);
  ASSERT_EQ(otherPersist->Load(partial), S_OK);
  EXPECT_EQ(Get(other, 0x19).iVal, 4);
  EXPECT_EQ(Get(other, 0x17).lVal, 60);

  partial->Release();
  again->Release();
  bag->Release();
  otherPersist->Release();
  persist->Release();
  other->Release();
  edit->Release();
}
