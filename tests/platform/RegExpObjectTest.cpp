#include <gtest/gtest.h>

#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/ComActivation.h"
#include "platform/com/RegExpObject.h"

namespace {

using namespace VBScript_RegExp_55;

// Drives the object by dispatch id the way a host does, with the raw results.
class RegExpFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID("VBScript.RegExp", &clsid), S_OK);
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&m_re)),
              S_OK);
  }
  void TearDown() override {
    if (m_re) m_re->Release();
  }

  void Put(DISPID id, const VARIANT& value) {
    VARIANT arg = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&arg, &named, 1, 1};
    ASSERT_EQ(m_re->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr), S_OK);
  }
  void Set(const char16_t* pattern, bool global = false, bool ignoreCase = false) {
    CComVariant p;
    p.vt = VT_BSTR;
    p.bstrVal = SysAllocString(pattern);
    Put(DISPID_REGEXP_PATTERN, p);
    CComVariant g;
    g.vt = VT_BOOL;
    g.boolVal = global ? VARIANT_TRUE : VARIANT_FALSE;
    Put(DISPID_REGEXP_GLOBAL, g);
    g.boolVal = ignoreCase ? VARIANT_TRUE : VARIANT_FALSE;
    Put(DISPID_REGEXP_IGNORECASE, g);
  }
  // Arguments in declared order.
  HRESULT Call(DISPID id, std::vector<std::u16string> args, CComVariant* result, EXCEPINFO* info = nullptr) {
    std::vector<CComVariant> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) {
      CComVariant v;
      v.vt = VT_BSTR;
      v.bstrVal = BstrFromUTF16(*it);
      reversed.push_back(std::move(v));
    }
    std::vector<VARIANT> block(reversed.begin(), reversed.end());
    DISPPARAMS params = {block.data(), nullptr, static_cast<UINT>(block.size()), 0};
    return m_re->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result, info, nullptr);
  }
  std::u16string Replace(const char16_t* text, const char16_t* with) {
    CComVariant result;
    EXPECT_EQ(Call(DISPID_REGEXP_REPLACE, {text, with}, &result), S_OK);
    return std::u16string(BstrView(result.bstrVal));
  }
  // FirstIndex and Length of every match.
  std::vector<std::pair<LONG, LONG>> Execute(const char16_t* text) {
    CComVariant result;
    EXPECT_EQ(Call(DISPID_REGEXP_EXECUTE, {text}, &result), S_OK);
    IMatchCollection* matches = nullptr;
    EXPECT_EQ(result.pdispVal->QueryInterface(IID_IMatchCollection, reinterpret_cast<void**>(&matches)), S_OK);
    LONG count = 0;
    matches->get_Count(&count);
    std::vector<std::pair<LONG, LONG>> spans;
    for (LONG i = 0; i < count; ++i) {
      IDispatch* match = nullptr;
      EXPECT_EQ(matches->get_Item(i, &match), S_OK);
      DISPPARAMS none = {nullptr, nullptr, 0, 0};
      CComVariant index, length;
      match->Invoke(DISPID_MATCH_FIRSTINDEX, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &index, nullptr, nullptr);
      match->Invoke(DISPID_MATCH_LENGTH, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &length, nullptr, nullptr);
      spans.emplace_back(index.lVal, length.lVal);
      match->Release();
    }
    matches->Release();
    return spans;
  }

  IDispatch* m_re = nullptr;
};

using Spans = std::vector<std::pair<LONG, LONG>>;

}  // namespace

TEST_F(RegExpFixture, ReplaceExpandsReferences) {
  struct Case {
    const char16_t* pattern;
    bool global;
    const char16_t* text;
    const char16_t* with;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"(\\w+) (\\w+)", false, u"hello world", u"$2 $1", u"world hello"},
      {u"b", true, u"abcb", u"[$&]", u"a[b]c[b]"},
      {u"b", false, u"abcb", u"[$`|$']", u"a[a|cb]cb"},
      {u"b", false, u"abc", u"$$1", u"a$1c"},
      {u"(a)", false, u"a", u"$2$1$0", u"$2a$0"},   // no group 2: the text stays
      {u"(a)|(b)", false, u"b", u"<$1>", u"<>"},   // a group that took no part is empty
      {u"x*", true, u"abc", u"-", u"-a-b-c-"},    // zero-length matches advance
      {u"(((((((((((a)))))))))))", false, u"a", u"$11$10", u"aa"},
      {u"(a)", false, u"a", u"$12", u"a2"},  // only one group: "$1" then "2"
  };
  for (const Case& c : cases) {
    Set(c.pattern, c.global);
    EXPECT_EQ(Replace(c.text, c.with), c.expected) << static_cast<int>(&c - cases);
  }
}

TEST_F(RegExpFixture, AnchorsOnlyAtTheEndsAndIndexesInUtf16Units) {
  Set(u"^b", true);
  EXPECT_EQ(Execute(u"a\nb"), Spans{});
  Set(u"a$", true);
  EXPECT_EQ(Execute(u"a\na"), (Spans{{2, 1}}));
  EXPECT_EQ(Execute(u"a\n"), Spans{});  // "$" does not match before a final line end
  Set(u"字", true);
  EXPECT_EQ(Execute(u"漢字\U0002000B字"), (Spans{{1, 1}, {4, 1}}));  // the surrogate pair counts two
  Set(u".", true);
  EXPECT_EQ(Execute(u"a\nb"), (Spans{{0, 1}, {2, 1}}));
}

TEST_F(RegExpFixture, GlobalLoopEndsOnZeroLengthMatches) {
  Set(u"a*?", true);
  EXPECT_EQ(Execute(u"aa"), (Spans{{0, 0}, {1, 0}, {2, 0}}));
  Set(u"", true);
  EXPECT_EQ(Execute(u"\U0002000B"), (Spans{{0, 0}, {2, 0}}));  // never inside a surrogate pair
  Set(u"b*", false);
  EXPECT_EQ(Execute(u"abb"), (Spans{{0, 0}}));
}

TEST_F(RegExpFixture, IgnoreCaseAndVBScriptEscapes) {
  Set(u"ＡＢ\\x41\\u0042", false, true);
  CComVariant result;
  ASSERT_EQ(Call(DISPID_REGEXP_TEST, {u"ａｂab"}, &result), S_OK);
  EXPECT_EQ(result.boolVal, VARIANT_TRUE);
  Set(u"AB", false, false);
  ASSERT_EQ(Call(DISPID_REGEXP_TEST, {u"ab"}, &result), S_OK);
  EXPECT_EQ(result.boolVal, VARIANT_FALSE);
}

TEST_F(RegExpFixture, SubMatchesHoldGroupsAndEmptyForUnused) {
  Set(u"(a)|(b)");
  CComVariant result;
  ASSERT_EQ(Call(DISPID_REGEXP_EXECUTE, {u"b"}, &result), S_OK);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  CComVariant first;
  CComVariant index;
  index.vt = VT_I4;
  DISPPARAMS byIndex = {&index, nullptr, 1, 0};
  ASSERT_EQ(result.pdispVal->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYGET, &byIndex, &first, nullptr, nullptr),
            S_OK);
  CComVariant subs;
  ASSERT_EQ(first.pdispVal->Invoke(DISPID_MATCH_SUBMATCHES, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &subs, nullptr,
                                   nullptr),
            S_OK);
  CComVariant count, group1, group2;
  subs.pdispVal->Invoke(DISPID_COLLECTION_COUNT, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &count, nullptr, nullptr);
  EXPECT_EQ(count.lVal, 2);
  subs.pdispVal->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYGET, &byIndex, &group1, nullptr, nullptr);
  index.lVal = 1;
  subs.pdispVal->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYGET, &byIndex, &group2, nullptr, nullptr);
  EXPECT_EQ(group1.vt, VT_EMPTY);
  ASSERT_EQ(group2.vt, VT_BSTR);
  EXPECT_EQ(BstrView(group2.bstrVal), u"b");
}

TEST_F(RegExpFixture, BadPatternIsAnErrorWithText) {
  for (const char16_t* bad : {u"(", u"[a", u"a{2,1}", u"*"}) {
    Set(bad, true);
    for (DISPID id : {DISPID_REGEXP_TEST, DISPID_REGEXP_EXECUTE}) {
      CComVariant result;
      EXCEPINFO info = {};
      EXPECT_EQ(Call(id, {u"abc"}, &result, &info), DISP_E_EXCEPTION);
      EXPECT_FALSE(CP932FromBstr(info.bstrDescription).IsEmpty());
      EXPECT_EQ(result.vt, VT_EMPTY);
      ClearExcepInfo(&info);
    }
  }
}

TEST_F(RegExpFixture, NamesAndDispatchIdsAgree) {
  const char16_t* names[] = {u"pattern", u"IgnoreCase", u"GLOBAL", u"Execute", u"test", u"Replace"};
  const DISPID expected[] = {10001, 10002, 10003, 10004, 10005, 10006};
  for (int i = 0; i < 6; ++i) {
    LPOLESTR name = const_cast<LPOLESTR>(names[i]);
    DISPID id = 0;
    ASSERT_EQ(m_re->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    EXPECT_EQ(id, expected[i]);
  }
  LPOLESTR unknown = const_cast<LPOLESTR>(u"Multiline");
  DISPID id = 0;
  EXPECT_EQ(m_re->GetIDsOfNames(IID_NULL, &unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);
}
