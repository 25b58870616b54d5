#include "platform/com/RegExpMatch.h"

#include <optional>
#include <string>

#include "platform/com/Bstr.h"
#include "platform/com/ComObject.h"
#include "platform/com/EnumVariant.h"

using namespace VBScript_RegExp_55;

namespace {

constexpr DispatchName kCollectionNames[] = {
    {"Item", DISPID_VALUE}, {"Count", DISPID_COLLECTION_COUNT}, {"_NewEnum", DISPID_NEWENUM}};
constexpr DispatchName kMatchNames[] = {{"Value", DISPID_VALUE},
                                        {"FirstIndex", DISPID_MATCH_FIRSTINDEX},
                                        {"Length", DISPID_MATCH_LENGTH},
                                        {"SubMatches", DISPID_MATCH_SUBMATCHES}};

// Item (by index from 0), Count and _NewEnum over a list of values, as both collections offer them.
HRESULT InvokeCollection(const std::vector<CComVariant>& items, DISPID id, WORD flags, DISPPARAMS* params,
                         VARIANT* result, UINT* argErr) {
  if ((flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0) return DISP_E_MEMBERNOTFOUND;
  switch (id) {
    case DISPID_VALUE: {
      CComVariant index;
      const HRESULT hr = DispGetParam(params, 0, VT_I4, &index, argErr);
      if (FAILED(hr)) return hr;
      if (index.lVal < 0 || static_cast<std::size_t>(index.lVal) >= items.size()) return E_INVALIDARG;
      return VariantCopy(result, &items[static_cast<std::size_t>(index.lVal)]);
    }
    case DISPID_COLLECTION_COUNT:
      result->vt = VT_I4;
      result->lVal = static_cast<LONG>(items.size());
      return S_OK;
    case DISPID_NEWENUM: {
      IEnumVARIANT* enumerator = nullptr;
      const HRESULT hr = CreateEnumVARIANT(items.empty() ? nullptr : items.data(),
                                           static_cast<ULONG>(items.size()), &enumerator);
      if (FAILED(hr)) return hr;
      result->vt = VT_UNKNOWN;
      result->punkVal = enumerator;
      return S_OK;
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

class SubMatches : public DispatchObject<IDispatch> {
 public:
  explicit SubMatches(std::vector<CComVariant> items) : m_items(std::move(items)) {}

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_ISubMatches, this, object);
  }

 protected:
  std::span<const DispatchName> Names() const override { return kCollectionNames; }
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                       UINT* argErr) override {
    return InvokeCollection(m_items, id, flags, params, result, argErr);
  }

 private:
  std::vector<CComVariant> m_items;
};

CComVariant TextValue(std::u16string_view text) {
  CComVariant value;
  value.vt = VT_BSTR;
  value.bstrVal = BstrFromUTF16(text);
  return value;
}

class Match : public DispatchObject<IDispatch> {
 public:
  Match(std::u16string_view subject, const RegExpFound& found) : m_index(found.match.index), m_length(found.match.length) {
    m_value = std::u16string(subject.substr(static_cast<std::size_t>(m_index), static_cast<std::size_t>(m_length)));
    // A group that took no part is Empty, one that matched nothing an empty string.
    for (const std::optional<RegExpSpan>& group : found.groups) {
      if (group)
        m_groups.push_back(TextValue(subject.substr(static_cast<std::size_t>(group->index),
                                                    static_cast<std::size_t>(group->length))));
      else
        m_groups.emplace_back();
    }
  }

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IMatch, this, object);
  }

 protected:
  std::span<const DispatchName> Names() const override { return kMatchNames; }
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
    if ((flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
      case DISPID_VALUE:
        result->vt = VT_BSTR;
        result->bstrVal = BstrFromUTF16(m_value);
        return result->bstrVal ? S_OK : E_OUTOFMEMORY;
      case DISPID_MATCH_FIRSTINDEX:
        result->vt = VT_I4;
        result->lVal = m_index;
        return S_OK;
      case DISPID_MATCH_LENGTH:
        result->vt = VT_I4;
        result->lVal = m_length;
        return S_OK;
      case DISPID_MATCH_SUBMATCHES:
        result->vt = VT_DISPATCH;
        result->pdispVal = new SubMatches(m_groups);
        return S_OK;
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  LONG m_index;
  LONG m_length;
  std::u16string m_value;
  std::vector<CComVariant> m_groups;
};

class MatchCollection : public DispatchObject<IMatchCollection> {
 public:
  MatchCollection(std::u16string_view subject, const std::vector<RegExpFound>& found) {
    for (const RegExpFound& hit : found) {
      CComVariant item;
      item.vt = VT_DISPATCH;
      item.pdispVal = new Match(subject, hit);
      m_items.push_back(std::move(item));
    }
  }

  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IMatchCollection, this, object);
  }

  HRESULT get_Item(LONG index, IDispatch** match) override {
    if (!match) return E_POINTER;
    *match = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) return E_INVALIDARG;
    *match = m_items[static_cast<std::size_t>(index)].pdispVal;
    (*match)->AddRef();
    return S_OK;
  }
  HRESULT get_Count(LONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(m_items.size());
    return S_OK;
  }
  HRESULT get__NewEnum(IUnknown** enumerator) override {
    if (!enumerator) return E_POINTER;
    CComVariant value;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    const HRESULT hr = InvokeCollection(m_items, DISPID_NEWENUM, DISPATCH_PROPERTYGET, &none, &value, nullptr);
    if (FAILED(hr)) return hr;
    *enumerator = value.punkVal;
    VariantInit(&value);
    return S_OK;
  }

 protected:
  std::span<const DispatchName> Names() const override { return kCollectionNames; }
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                       UINT* argErr) override {
    return InvokeCollection(m_items, id, flags, params, result, argErr);
  }

 private:
  std::vector<CComVariant> m_items;
};

}  // namespace

IMatchCollection* CreateMatchCollection(std::u16string_view subject, const std::vector<RegExpFound>& found) {
  return new MatchCollection(subject, found);
}
