#include "control/component/CEditObject.h"

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "control/component/EditMembers.h"
#include "control/component/WrilaModule.h"
#include "platform/com/Bstr.h"
#include "platform/com/TaskMemory.h"
#include "platform/desktop/VirtualKeys.h"

// Events: narrow texts become COM strings just before the call.
namespace {
CComVariant StringArg(const CRefString* text) {
  CComVariant value;
  value.vt = VT_BSTR;
  value.bstrVal = text ? BstrFromCP932(std::string_view(text->GetString(), static_cast<size_t>(text->GetLength())))
                       : nullptr;
  return value;
}
CComVariant LongArg(long number) {
  CComVariant value;
  value.vt = VT_I4;
  value.lVal = number;
  return value;
}
}  // namespace

void CEditControl::FireOnModified(bool modified) {
  const CComVariant arg = LongArg(modified ? 1 : 0);
  m_object->Fire(DISPID_EVENT_ONMODIFIED, &arg, 1);
}
void CEditControl::FireChange() { m_object->Fire(DISPID_EVENT_CHANGE); }
void CEditControl::FireLinkURL(const CRefString& url) {
  const CComVariant arg = StringArg(&url);
  m_object->Fire(DISPID_EVENT_ONLINKURL, &arg, 1);
}
void CEditControl::FireLinkMailTo(const CRefString& address) {
  const CComVariant arg = StringArg(&address);
  m_object->Fire(DISPID_EVENT_ONLINKMAILTO, &arg, 1);
}
void CEditControl::FireContextMenu(int x, int y, const CRefString* link) {
  const CComVariant args[3] = {LongArg(x), LongArg(y), StringArg(link)};
  m_object->Fire(DISPID_EVENT_ONCONTEXTMENU, args, 3);
}
void CEditControl::FireProperties() { m_object->Fire(DISPID_EVENT_ONPROPERTIES); }
void CEditControl::FireSelChanged() { m_object->Fire(DISPID_EVENT_ONSELCHANGED); }
void CEditControl::FireCaretMoved() { m_object->Fire(DISPID_EVENT_ONCARETMOVED); }
void CEditControl::FireScroll() { m_object->Fire(DISPID_EVENT_ONSCROLL); }
void CEditControl::FirePropChanged() { m_object->Fire(DISPID_EVENT_ONPROPCHANGED); }
bool CEditControl::ShowPropertyFrame() { return m_object->ShowPropertyFrame() == S_OK; }

CEditObject::CEditObject() : m_live(WrilaModule()), m_events(this, DIID__IEditEvents), m_control(this), m_dual(this) {}

CEditObject::~CEditObject() {
  m_control.DestroyControl();
  if (m_site) m_site->Release();
}

HRESULT CEditObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
    return Answer(iid, iid, static_cast<IDispatch*>(this), object);
  if (IsEqualIID(iid, IID_IEdit)) return Answer(iid, iid, m_dual.Interface(), object);
  if (IsEqualIID(iid, IID_IConnectionPointContainer))
    return Answer(iid, iid, static_cast<IConnectionPointContainer*>(this), object);
  if (IsEqualIID(iid, IID_IPersistStreamInit)) return Answer(iid, iid, static_cast<IPersistStreamInit*>(this), object);
  if (IsEqualIID(iid, IID_IInPlaceControl)) return Answer(iid, iid, static_cast<IInPlaceControl*>(this), object);
  if (IsEqualIID(iid, IID_IPersistPropertyBag))
    return Answer(iid, iid, static_cast<IPersistPropertyBag*>(this), object);
  if (IsEqualIID(iid, IID_IControlKeyboard)) return Answer(iid, iid, static_cast<IControlKeyboard*>(this), object);
  if (IsEqualIID(iid, IID_ISpecifyPropertyPages))
    return Answer(iid, iid, static_cast<ISpecifyPropertyPages*>(this), object);
  return E_NOINTERFACE;
}

HRESULT CEditObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (!IsEqualIID(iid, DIID__IEditEvents)) return CONNECT_E_NOCONNECTION;
  return m_events.QueryInterface(IID_IConnectionPoint, reinterpret_cast<void**>(point));
}

HRESULT CEditObject::SetControlSite(IControlSite* site) {
  if (site) site->AddRef();
  if (m_site) m_site->Release();
  m_site = site;
  return S_OK;
}

HRESULT CEditObject::InPlaceActivate(wxWindow* parent, const RECT& position) {
  if (!parent) return E_INVALIDARG;
  if (IsActive()) return S_OK;
  return m_control.CreateControl(parent, wxPoint(position.left, position.top),
                                 wxSize(position.right - position.left, position.bottom - position.top))
             ? S_OK
             : E_FAIL;
}

HRESULT CEditObject::InPlaceDeactivate() {
  m_control.DestroyControl();
  return S_OK;
}

HRESULT CEditObject::GetControlWindow(wxWindow** window) {
  if (!window) return E_POINTER;
  *window = m_control.GetWindow();
  return *window ? S_OK : E_FAIL;
}

HRESULT CEditObject::TranslateAccelerator(const MSG* msg, wxWindow* target) {
  if (!msg) return E_POINTER;
  return m_control.PreTranslateKey(msg->message, msg->wParam, target) ? S_OK : S_FALSE;
}

HRESULT CEditObject::GetPages(CAUUID* pages) {
  if (!pages) return E_POINTER;
  static const CLSID* const kMapPages[] = {&CLSID_TextPage,     &CLSID_DesignPage,   &CLSID_MarginPage,
                                           &CLSID_FilePage,     &CLSID_KinsokuPage,  &CLSID_FaceWrapPage,
                                           &CLSID_HilitePage,   &CLSID_CommentPage,  &CLSID_ShowMarkPage,
                                           &CLSID_LinkPage,     &CLSID_ShowPage,     &CLSID_KeyboardPage};
  pages->cElems = 0;
  pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * std::size(kMapPages)));
  if (!pages->pElems) return E_OUTOFMEMORY;
  for (const CLSID* page : kMapPages) pages->pElems[pages->cElems++] = *page;
  return S_OK;
}

HRESULT CEditObject::ShowPropertyFrame() {
  // The frame's pages in the order the property bits give them.
  static constexpr struct {
    long bit;
    const CLSID* page;
  } kFramePages[] = {{0x1, &CLSID_MarginPage},    {0x2, &CLSID_FilePage},  {0x4, &CLSID_KinsokuPage},
                     {0x8, &CLSID_FaceWrapPage},  {0x10, &CLSID_HilitePage}, {0x200, &CLSID_CommentPage},
                     {0x20, &CLSID_ShowPage},     {0x40, &CLSID_ShowMarkPage}, {0x80, &CLSID_LinkPage},
                     {0x100, &CLSID_KeyboardPage}};
  std::vector<CLSID> pages;
  for (const auto& entry : kFramePages)
    if (m_control.m_propPages & entry.bit) pages.push_back(*entry.page);
  if (pages.empty()) return S_FALSE;
  LCID locale = LOCALE_USER_DEFAULT;
  CComVariant ambient;
  if (m_site && SUCCEEDED(m_site->GetAmbientProperty(DISPID_AMBIENT_LOCALEID, &ambient))) {
    CComVariant number;
    if (SUCCEEDED(VariantChangeType(&number, &ambient, 0, VT_I4))) locale = static_cast<LCID>(number.lVal);
  }
  const std::u16string caption = m_control.m_propTitle;
  IUnknown* self = static_cast<IDispatch*>(this);
  // The control's own client origin is the top left of its position in the container.
  return OleCreatePropertyFrame(m_control.GetWindow(), 0, 0, caption.c_str(), 1, &self,
                                static_cast<ULONG>(pages.size()), pages.data(), locale);
}

// A host that does not answer the ambient user mode is taken to be in design mode.
bool CEditObject::InUserMode() const {
  if (!m_site) return false;
  CComVariant mode;
  if (FAILED(m_site->GetAmbientProperty(DISPID_AMBIENT_USERMODE, &mode))) return false;
  CComVariant flag;
  if (FAILED(VariantChangeType(&flag, &mode, 0, VT_BOOL))) return false;
  return flag.boolVal != VARIANT_FALSE;
}

std::span<const DispatchName> CEditObject::Names() const { return EditMemberNames(); }

HRESULT CEditObject::InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                  UINT* argErr) {
  const EditMember* member = FindEditMember(id);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  if (member->kind == EditMemberKind::Method) {
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    return CallMethod(id, params, result, argErr);
  }
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (member->kind == EditMemberKind::ReadOnlyProperty) return DISP_E_MEMBERNOTFOUND;
    const HRESULT hr = PutProperty(id, params, argErr);
    if (SUCCEEDED(hr)) m_dirty = true;
    return hr;
  }
  if (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) return GetProperty(id, result);
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CEditObject::PutProperty(DISPID id, DISPPARAMS* params, UINT* argErr) {
  const EditMember* member = FindEditMember(id);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  CComVariant value;
  HRESULT hr = S_OK;
  if (member->vt == VT_VARIANT) {
    // The colour arrays take the VARIANT as it comes.
    UINT slot = 0;
    bool found = false;
    for (; slot < params->cNamedArgs; ++slot) {
      if (params->rgdispidNamedArgs && params->rgdispidNamedArgs[slot] == DISPID_PROPERTYPUT) {
        found = true;
        break;
      }
    }
    if (!found) return DISP_E_PARAMNOTFOUND;
    hr = VariantCopyInd(&value, &params->rgvarg[slot]);
  } else {
    hr = DispGetPutValue(params, member->vt, &value, argErr);
  }
  if (FAILED(hr)) return hr;
  return PutValue(id, value);
}

// Persistence: the version word, the extent, then each property of the map as its type and value.
namespace {

constexpr std::uint32_t kStreamVersion = 0x300;

HRESULT WriteBytes(IStream* stream, const void* data, ULONG size) {
  ULONG written = 0;
  const HRESULT hr = stream->Write(data, size, &written);
  return FAILED(hr) ? hr : written == size ? S_OK : STG_E_READFAULT;
}
HRESULT ReadBytes(IStream* stream, void* data, ULONG size) {
  ULONG read = 0;
  const HRESULT hr = stream->Read(data, size, &read);
  return FAILED(hr) ? hr : read == size ? S_OK : STG_E_READFAULT;
}

HRESULT WriteValue(IStream* stream, const VARIANT& value) {
  const std::uint16_t vt = value.vt;
  HRESULT hr = WriteBytes(stream, &vt, 2);
  if (FAILED(hr)) return hr;
  switch (value.vt) {
    case VT_BOOL:
    case VT_I2:
      return WriteBytes(stream, &value.iVal, 2);
    case VT_I4:
      return WriteBytes(stream, &value.lVal, 4);
    case VT_CY:
      return WriteBytes(stream, &value.cyVal.int64, 8);
    case VT_BSTR: {
      const std::uint32_t bytes = SysStringLen(value.bstrVal) * 2 + 2;
      hr = WriteBytes(stream, &bytes, 4);
      if (SUCCEEDED(hr) && bytes > 2) hr = WriteBytes(stream, value.bstrVal, bytes - 2);
      const char16_t zero = 0;
      return FAILED(hr) ? hr : WriteBytes(stream, &zero, 2);
    }
    default:
      return DISP_E_BADVARTYPE;
  }
}

HRESULT ReadValue(IStream* stream, CComVariant* value) {
  std::uint16_t vt = 0;
  HRESULT hr = ReadBytes(stream, &vt, 2);
  if (FAILED(hr)) return hr;
  VariantClear(value);
  switch (vt) {
    case VT_BOOL:
    case VT_I2:
      hr = ReadBytes(stream, &value->iVal, 2);
      break;
    case VT_I4:
      hr = ReadBytes(stream, &value->lVal, 4);
      break;
    case VT_CY:
      hr = ReadBytes(stream, &value->cyVal.int64, 8);
      break;
    case VT_BSTR: {
      std::uint32_t bytes = 0;
      hr = ReadBytes(stream, &bytes, 4);
      if (FAILED(hr)) return hr;
      // A length that is odd, too short or absurd is a damaged stream, not an allocation.
      if (bytes < 2 || bytes % 2 || bytes > (1u << 26)) return STG_E_READFAULT;
      std::u16string text(bytes / 2, u'\0');
      hr = ReadBytes(stream, text.data(), bytes);
      if (FAILED(hr)) return hr;
      text.pop_back();
      value->bstrVal = BstrFromUTF16(text);
      break;
    }
    default:
      return DISP_E_BADVARTYPE;
  }
  if (SUCCEEDED(hr)) value->vt = vt;
  return hr;
}

}  // namespace

HRESULT CEditObject::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_Edit;
  return S_OK;
}

HRESULT CEditObject::Save(IStream* stream, BOOL clearDirty) {
  if (!stream) return E_POINTER;
  HRESULT hr = WriteBytes(stream, &kStreamVersion, 4);
  if (SUCCEEDED(hr)) hr = WriteBytes(stream, &m_extentX, 4);
  if (SUCCEEDED(hr)) hr = WriteBytes(stream, &m_extentY, 4);
  for (DISPID id : PersistedProperties()) {
    if (FAILED(hr)) return hr;
    CComVariant value;
    hr = GetProperty(id, &value);
    if (SUCCEEDED(hr)) hr = WriteValue(stream, value);
  }
  if (SUCCEEDED(hr) && clearDirty) m_dirty = false;
  return hr;
}

HRESULT CEditObject::Load(IStream* stream) {
  if (!stream) return E_POINTER;
  std::uint32_t version = 0;
  HRESULT hr = ReadBytes(stream, &version, 4);
  if (FAILED(hr)) return hr;
  if (version != kStreamVersion) return E_FAIL;
  std::uint32_t extent[2] = {};
  hr = ReadBytes(stream, extent, 8);
  if (FAILED(hr)) return hr;
  m_extentX = extent[0];
  m_extentY = extent[1];
  for (DISPID id : PersistedProperties()) {
    CComVariant value;
    hr = ReadValue(stream, &value);
    if (FAILED(hr)) return hr;
    hr = PutPersisted(id, value);
    if (FAILED(hr)) return hr;
  }
  m_dirty = false;
  return S_OK;
}

HRESULT CEditObject::PutPersisted(DISPID id, const VARIANT& value) {
  CComVariant typed;
  if (FAILED(VariantChangeType(&typed, &value, 0, FindEditMember(id)->vt))) return DISP_E_TYPEMISMATCH;
  return PutValue(id, typed);
}

namespace {
std::u16string BagName(const char* name) { return std::u16string(name, name + std::strlen(name)); }
}  // namespace

HRESULT CEditObject::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (!bag) return E_POINTER;
  CComVariant extent;
  extent.vt = VT_I4;
  extent.lVal = static_cast<LONG>(m_extentX);
  HRESULT hr = bag->Write(u"_cx", &extent);
  extent.lVal = static_cast<LONG>(m_extentY);
  if (SUCCEEDED(hr)) hr = bag->Write(u"_cy", &extent);
  for (DISPID id : PersistedProperties()) {
    if (FAILED(hr)) return hr;
    CComVariant value;
    hr = GetProperty(id, &value);
    if (SUCCEEDED(hr)) hr = bag->Write(BagName(FindEditMember(id)->name).c_str(), &value);
  }
  if (SUCCEEDED(hr) && clearDirty) m_dirty = false;
  return hr;
}

HRESULT CEditObject::Load(IPropertyBag* bag) {
  if (!bag) return E_POINTER;
  for (std::uint32_t* extent : {&m_extentX, &m_extentY}) {
    CComVariant value;
    value.vt = VT_I4;
    const HRESULT hr = bag->Read(extent == &m_extentX ? u"_cx" : u"_cy", &value);
    if (hr == E_INVALIDARG) continue;
    if (FAILED(hr)) return hr;
    *extent = static_cast<std::uint32_t>(value.lVal);
  }
  for (DISPID id : PersistedProperties()) {
    const EditMember* member = FindEditMember(id);
    CComVariant value;
    value.vt = member->vt;
    HRESULT hr = bag->Read(BagName(member->name).c_str(), &value);
    if (hr == E_INVALIDARG) continue;  // a bag of an older host leaves the rest as it is
    if (FAILED(hr)) return hr;
    hr = PutPersisted(id, value);
    if (FAILED(hr)) return hr;
  }
  m_dirty = false;
  return S_OK;
}

HRESULT CEditObject::GetSizeMax(std::uint64_t* size) {
  if (!size) return E_POINTER;
  std::vector<BYTE> none;
  IStream* stream = nullptr;
  HRESULT hr = CreateMemoryStream(none, &stream);
  if (FAILED(hr)) return hr;
  hr = Save(stream, FALSE);
  std::uint64_t end = 0;
  if (SUCCEEDED(hr)) hr = stream->Seek(0, STREAM_SEEK_END, &end);
  stream->Release();
  *size = end;
  return hr;
}

HRESULT CreateEditObject(REFIID iid, void** object) {
  auto* made = new CEditObject;
  const HRESULT hr = made->QueryInterface(iid, object);
  made->Release();
  return hr;
}
