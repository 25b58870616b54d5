#include "control/component/WrilaCollections.h"

#include <map>
#include <string>
#include <vector>

#include "control/component/WrilaModule.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComObject.h"
#include "platform/com/EnumVariant.h"

namespace {

VARIANT_BOOL AsBool(short value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// Reads the put value of an item property, or the single argument of a list method.
HRESULT PutArg(DISPPARAMS* params, VARTYPE vt, CComVariant* value, UINT* argErr) {
  return DispGetPutValue(params, vt, value, argErr);
}

template <class Interface>
class ItemBase : public DispatchObject<Interface> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, m_iid)) {
      *object = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }

 protected:
  explicit ItemBase(REFIID iid) : m_iid(iid) {}
  // A property of the item by dispatch id: a get fills result, a put reads the value.
  HRESULT StringMember(std::u16string& field, WORD flags, DISPPARAMS* params, VARIANT* result, UINT* argErr) {
    if (flags & DISPATCH_PROPERTYPUT) {
      CComVariant value;
      if (const HRESULT hr = PutArg(params, VT_BSTR, &value, argErr); FAILED(hr)) return hr;
      field = std::u16string(BstrView(value.bstrVal));
      return S_OK;
    }
    result->vt = VT_BSTR;
    result->bstrVal = BstrFromUTF16(field);
    return S_OK;
  }
  HRESULT FlagMember(short& field, bool asBool, WORD flags, DISPPARAMS* params, VARIANT* result, UINT* argErr) {
    if (flags & DISPATCH_PROPERTYPUT) {
      CComVariant value;
      if (const HRESULT hr = PutArg(params, VT_I2, &value, argErr); FAILED(hr)) return hr;
      field = value.iVal;
      return S_OK;
    }
    result->vt = asBool ? VT_BOOL : VT_I2;
    if (asBool) result->boolVal = AsBool(field);
    else result->iVal = field;
    return S_OK;
  }

 private:
  ComModuleObject m_live{WrilaModule()};
  IID m_iid;
};

constexpr DispatchName kFaceItemNames[] = {{"String", DISPID_ITEM_STRING}, {"Enable", DISPID_FACEITEM_ENABLE}};

class FaceItem : public ItemBase<IFaceItem> {
 public:
  FaceItem() : ItemBase(IID_IFaceItem) {}
  HRESULT get_String(BSTR* value) override { return value ? (*value = BstrFromUTF16(m_string), S_OK) : E_POINTER; }
  HRESULT put_String(BSTR value) override { return m_string = std::u16string(BstrView(value)), S_OK; }
  HRESULT get_Enable(VARIANT_BOOL* value) override { return value ? (*value = AsBool(m_enable), S_OK) : E_POINTER; }
  HRESULT put_Enable(VARIANT_BOOL value) override { return m_enable = value, S_OK; }

 protected:
  std::span<const DispatchName> Names() const override { return kFaceItemNames; }
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*, UINT* argErr) override {
    if (id == DISPID_ITEM_STRING) return StringMember(m_string, flags, params, result, argErr);
    if (id == DISPID_FACEITEM_ENABLE) return FlagMember(m_enable, true, flags, params, result, argErr);
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  std::u16string m_string;
  short m_enable = 0;
};

constexpr DispatchName kHiliteItemNames[] = {{"String", DISPID_ITEM_STRING},       {"Case", DISPID_HILITEITEM_CASE},
                                             {"InsideTag", DISPID_HILITEITEM_INSIDETAG},
                                             {"RightAll", DISPID_HILITEITEM_RIGHTALL}, {"Word", DISPID_HILITEITEM_WORD},
                                             {"Color", DISPID_HILITEITEM_COLOR}};

class HiliteItem : public ItemBase<IHiliteItem> {
 public:
  HiliteItem() : ItemBase(IID_IHiliteItem) {}
  HRESULT get_String(BSTR* value) override { return value ? (*value = BstrFromUTF16(m_string), S_OK) : E_POINTER; }
  HRESULT put_String(BSTR value) override { return m_string = std::u16string(BstrView(value)), S_OK; }
  HRESULT get_Case(VARIANT_BOOL* value) override { return GetFlag(m_case, value); }
  HRESULT put_Case(VARIANT_BOOL value) override { return m_case = value, S_OK; }
  HRESULT get_InsideTag(VARIANT_BOOL* value) override { return GetFlag(m_insideTag, value); }
  HRESULT put_InsideTag(VARIANT_BOOL value) override { return m_insideTag = value, S_OK; }
  HRESULT get_RightAll(VARIANT_BOOL* value) override { return GetFlag(m_rightAll, value); }
  HRESULT put_RightAll(VARIANT_BOOL value) override { return m_rightAll = value, S_OK; }
  HRESULT get_Word(VARIANT_BOOL* value) override { return GetFlag(m_word, value); }
  HRESULT put_Word(VARIANT_BOOL value) override { return m_word = value, S_OK; }
  HRESULT get_Color(short* value) override { return value ? (*value = m_color, S_OK) : E_POINTER; }
  HRESULT put_Color(short value) override { return m_color = value, S_OK; }

 protected:
  std::span<const DispatchName> Names() const override { return kHiliteItemNames; }
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*, UINT* argErr) override {
    switch (id) {
      case DISPID_ITEM_STRING:
        return StringMember(m_string, flags, params, result, argErr);
      case DISPID_HILITEITEM_CASE:
        return FlagMember(m_case, true, flags, params, result, argErr);
      case DISPID_HILITEITEM_INSIDETAG:
        return FlagMember(m_insideTag, true, flags, params, result, argErr);
      case DISPID_HILITEITEM_RIGHTALL:
        return FlagMember(m_rightAll, true, flags, params, result, argErr);
      case DISPID_HILITEITEM_WORD:
        return FlagMember(m_word, true, flags, params, result, argErr);
      case DISPID_HILITEITEM_COLOR:
        return FlagMember(m_color, false, flags, params, result, argErr);
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  static HRESULT GetFlag(short field, VARIANT_BOOL* value) { return value ? (*value = AsBool(field), S_OK) : E_POINTER; }
  std::u16string m_string;
  short m_color = 0, m_word = 0, m_rightAll = 0, m_insideTag = 0, m_case = 0;
};

constexpr DispatchName kAccelItemNames[] = {
    {"Flags", DISPID_ACCELITEM_FLAGS}, {"Key", DISPID_ACCELITEM_KEY}, {"Command", DISPID_ACCELITEM_COMMAND}};

class AccelItem : public ItemBase<IAccelItem> {
 public:
  AccelItem() : ItemBase(IID_IAccelItem) {}
  HRESULT get_Flags(short* value) override { return value ? (*value = m_flags, S_OK) : E_POINTER; }
  HRESULT put_Flags(short value) override { return m_flags = value, S_OK; }
  HRESULT get_Key(short* value) override { return value ? (*value = m_key, S_OK) : E_POINTER; }
  HRESULT put_Key(short value) override { return m_key = value, S_OK; }
  HRESULT get_Command(short* value) override { return value ? (*value = m_command, S_OK) : E_POINTER; }
  HRESULT put_Command(short value) override { return m_command = value, S_OK; }

 protected:
  std::span<const DispatchName> Names() const override { return kAccelItemNames; }
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*, UINT* argErr) override {
    if (id == DISPID_ACCELITEM_FLAGS) return FlagMember(m_flags, false, flags, params, result, argErr);
    if (id == DISPID_ACCELITEM_KEY) return FlagMember(m_key, false, flags, params, result, argErr);
    if (id == DISPID_ACCELITEM_COMMAND) return FlagMember(m_command, false, flags, params, result, argErr);
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  short m_flags = 0, m_key = 0, m_command = 0;
};

constexpr DispatchName kListNames[] = {
    {"Item", DISPID_LIST_ITEM}, {"Add", DISPID_LIST_ADD}, {"Count", DISPID_LIST_COUNT}, {"_NewEnum", DISPID_NEWENUM}};

// A list ordered by its key; Traits says how an item's key is made and whether it may be stored.
template <class ListInterface, class ItemInterface, class Traits>
class ListObject : public DispatchObject<ListInterface> {
 public:
  using Key = typename Traits::Key;
  ~ListObject() override {
    for (auto& entry : m_items) entry.second->Release();
  }
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, Traits::ListIid())) {
      *object = static_cast<ListInterface*>(this);
      this->AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  HRESULT Item(VARIANT index, VARIANT* item) override {
    if (!item) return E_POINTER;
    VariantInit(item);
    ItemInterface* found = nullptr;
    if (index.vt == VT_I4 || index.vt == VT_I2) {
      const long position = index.vt == VT_I4 ? index.lVal : index.iVal;
      if (position < 1 || position > static_cast<long>(m_items.size())) return E_INVALIDARG;
      auto it = m_items.begin();
      std::advance(it, position - 1);
      found = it->second;
    } else if (index.vt == VT_BSTR && Traits::kStringKeys) {
      auto it = m_items.find(Traits::KeyOfString(index.bstrVal));
      if (it == m_items.end()) return E_INVALIDARG;
      found = it->second;
    } else {
      return E_INVALIDARG;
    }
    item->vt = VT_DISPATCH;
    return found->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&item->pdispVal));
  }
  HRESULT Add(ItemInterface* item) override {
    if (!item) return E_POINTER;
    Key key{};
    if (const HRESULT hr = Traits::KeyOf(item, &key); FAILED(hr)) return hr;
    if (m_items.count(key)) return E_FAIL;
    item->AddRef();
    m_items.emplace(key, item);
    return S_OK;
  }
  HRESULT get_Count(LONG* count) override { return count ? (*count = static_cast<LONG>(m_items.size()), S_OK) : E_POINTER; }
  HRESULT get__NewEnum(IUnknown** enumerator) override {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    std::vector<CComVariant> items(m_items.size());
    std::size_t i = 0;
    for (auto& entry : m_items) {
      items[i].vt = VT_DISPATCH;
      if (FAILED(entry.second->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&items[i].pdispVal)))) {
        items[i].vt = VT_EMPTY;
      }
      ++i;
    }
    IEnumVARIANT* made = nullptr;
    const HRESULT hr = CreateEnumVARIANT(items.data(), static_cast<ULONG>(items.size()), &made);
    if (FAILED(hr)) return hr;
    *enumerator = made;
    return S_OK;
  }

 protected:
  std::span<const DispatchName> Names() const override { return kListNames; }
  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*, UINT* argErr) override {
    switch (id) {
      case DISPID_LIST_ITEM: {
        CComVariant index;
        if (params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
        VariantCopyInd(&index, &params->rgvarg[params->cArgs - 1]);
        return Item(index, result);
      }
      case DISPID_LIST_ADD: {
        CComVariant value;
        if (const HRESULT hr = DispGetParam(params, 0, VT_DISPATCH, &value, argErr); FAILED(hr)) return hr;
        ItemInterface* item = nullptr;
        if (!value.pdispVal ||
            FAILED(value.pdispVal->QueryInterface(Traits::ItemIid(), reinterpret_cast<void**>(&item))))
          return E_INVALIDARG;
        const HRESULT hr = Add(item);
        item->Release();
        return hr;
      }
      case DISPID_LIST_COUNT:
        result->vt = VT_I4;
        return get_Count(&result->lVal);
      case DISPID_NEWENUM:
        result->vt = VT_UNKNOWN;
        return get__NewEnum(&result->punkVal);
      default:
        (void)flags;
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  ComModuleObject m_live{WrilaModule()};
  std::map<Key, ItemInterface*> m_items;
};

// Words and rules are kept by their string, ordered by UTF-16 code units.
template <class ItemInterface>
struct StringKeyTraits {
  using Key = std::u16string;
  static constexpr bool kStringKeys = true;
  static Key KeyOfString(BSTR text) { return std::u16string(BstrView(text)); }
  static HRESULT KeyOf(ItemInterface* item, Key* key) {
    BSTR text = nullptr;
    const HRESULT hr = item->get_String(&text);
    BstrPtr owned(text);
    if (FAILED(hr) || SysStringLen(text) == 0) return E_INVALIDARG;
    *key = std::u16string(BstrView(text));
    return S_OK;
  }
};
struct FaceTraits : StringKeyTraits<IFaceItem> {
  static REFIID ListIid() { return IID_IFaceList; }
  static REFIID ItemIid() { return IID_IFaceItem; }
};
struct HiliteTraits : StringKeyTraits<IHiliteItem> {
  static REFIID ListIid() { return IID_IHiliteList; }
  static REFIID ItemIid() { return IID_IHiliteItem; }
};
// Key bindings are kept by key and flags: Key x 65536 + Flags, compared as a signed number.
struct AccelTraits {
  using Key = std::int32_t;
  static constexpr bool kStringKeys = false;
  static Key KeyOfString(BSTR) { return 0; }
  static REFIID ListIid() { return IID_IAccelList; }
  static REFIID ItemIid() { return IID_IAccelItem; }
  static HRESULT KeyOf(IAccelItem* item, Key* key) {
    short flags = 0, code = 0;
    if (FAILED(item->get_Flags(&flags))) flags = 0;
    if (FAILED(item->get_Key(&code))) code = 0;
    if (flags == 0 || code == 0) return E_INVALIDARG;
    *key = static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(code)) << 16) |
                                     static_cast<std::uint16_t>(flags));
    return S_OK;
  }
};

using FaceList = ListObject<IFaceList, IFaceItem, FaceTraits>;
using HiliteList = ListObject<IHiliteList, IHiliteItem, HiliteTraits>;
using AccelList = ListObject<IAccelList, IAccelItem, AccelTraits>;

template <class Object>
HRESULT CreateAndAnswer(REFIID iid, void** object) {
  auto* made = new Object;
  const HRESULT hr = made->QueryInterface(iid, object);
  made->Release();
  return hr;
}

}  // namespace

IFaceItem* NewFaceItem() { return new FaceItem; }
IFaceList* NewFaceList() { return new FaceList; }
IHiliteItem* NewHiliteItem() { return new HiliteItem; }
IHiliteList* NewHiliteList() { return new HiliteList; }
IAccelItem* NewAccelItem() { return new AccelItem; }
IAccelList* NewAccelList() { return new AccelList; }

HRESULT CreateFaceItem(REFIID iid, void** object) { return CreateAndAnswer<FaceItem>(iid, object); }
HRESULT CreateFaceList(REFIID iid, void** object) { return CreateAndAnswer<FaceList>(iid, object); }
HRESULT CreateHiliteItem(REFIID iid, void** object) { return CreateAndAnswer<HiliteItem>(iid, object); }
HRESULT CreateHiliteList(REFIID iid, void** object) { return CreateAndAnswer<HiliteList>(iid, object); }
HRESULT CreateAccelItem(REFIID iid, void** object) { return CreateAndAnswer<AccelItem>(iid, object); }
HRESULT CreateAccelList(REFIID iid, void** object) { return CreateAndAnswer<AccelList>(iid, object); }
