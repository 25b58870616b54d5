#include "control/pages/CWrilaPage.h"

#include <wx/panel.h>
#include <wx/sizer.h>

#include "control/component/WrilaInterfaces.h"
#include "control/component/WrilaModule.h"
#include "control/window/ShowErrorInfo.h"
#include "platform/com/Bstr.h"

CWrilaPage::CWrilaPage(const char* title) : m_live(WrilaModule()), m_title(title) {}

CWrilaPage::~CWrilaPage() {
  Deactivate();
  SetObjects(0, nullptr);
  SetPageSite(nullptr);
}

HRESULT CWrilaPage::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPage)) {
    return Answer(iid, iid, static_cast<IPropertyPage*>(this), object);
  }
  return E_NOINTERFACE;
}

HRESULT CWrilaPage::SetPageSite(IPropertyPageSite* site) {
  if (site) site->AddRef();
  if (m_site) m_site->Release();
  m_site = site;
  return S_OK;
}

HRESULT CWrilaPage::SetObjects(ULONG count, IUnknown** objects) {
  for (IDispatch* edit : m_objects) edit->Release();
  m_objects.clear();
  if (count && !objects) return E_POINTER;
  for (ULONG i = 0; i < count; ++i) {
    IDispatch* edit = nullptr;
    if (objects[i] && SUCCEEDED(objects[i]->QueryInterface(IID_IEdit, reinterpret_cast<void**>(&edit)))) {
      m_objects.push_back(edit);
    }
  }
  return S_OK;
}

HRESULT CWrilaPage::Activate(wxWindow* parent, const RECT&, BOOL) {
  if (!parent) return E_POINTER;
  Deactivate();
  m_page = new wxPanel(parent, wxID_ANY);
  m_page->SetSizer(CreateControls(m_page));
  const auto changed = [this](wxCommandEvent& event) {
    event.Skip();
    OnControlChanged();
  };
  m_page->Bind(wxEVT_CHECKBOX, changed);
  m_page->Bind(wxEVT_RADIOBUTTON, changed);
  m_page->Bind(wxEVT_TEXT, changed);
  m_page->Bind(wxEVT_CHOICE, changed);
  if (!m_objects.empty()) Fill(m_objects.front());
  UpdateEnabling();
  m_filled = true;
  return S_OK;
}

HRESULT CWrilaPage::Deactivate() {
  m_filled = false;
  if (m_page) m_page->Destroy();
  m_page = nullptr;
  return S_OK;
}

HRESULT CWrilaPage::GetPageInfo(PROPPAGEINFO* info) {
  if (!info) return E_POINTER;
  info->pszTitle = BstrFromCP932(m_title.GetString());
  info->size = SIZE{0, 0};  // the page's sizer decides
  info->pszDocString = BstrFromCP932("Your Help String");
  info->pszHelpFile = BstrFromCP932("Help File Name");
  return S_OK;
}

HRESULT CWrilaPage::GetPageWindow(wxWindow** window) {
  if (!window) return E_POINTER;
  *window = m_page;
  return m_page ? S_OK : E_FAIL;
}

HRESULT CWrilaPage::Apply() {
  for (IDispatch* edit : m_objects) {
    if (FAILED(ApplyTo(edit))) {
      ShowErrorInfo(m_page);
      return E_FAIL;
    }
  }
  m_dirty = false;
  if (m_site) m_site->OnStatusChange(PROPPAGESTATUS_CLEAN);
  return S_OK;
}

void CWrilaPage::OnControlChanged() {
  if (!m_filled) return;
  UpdateEnabling();
  SetDirty();
}

void CWrilaPage::SetDirty() {
  m_dirty = true;
  if (m_site) m_site->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

wxWindow* CWrilaPage::Page() const { return m_page; }

namespace {

HRESULT GetValue(IDispatch* edit, DISPID id, VARTYPE vt, CComVariant* value) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  CComVariant result;
  HRESULT hr = edit->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
  if (FAILED(hr)) return hr;
  return VariantChangeType(value, &result, 0, vt);
}

}  // namespace

bool CWrilaPage::GetLong(IDispatch* edit, DISPID id, long* value) {
  CComVariant result;
  if (FAILED(GetValue(edit, id, VT_I4, &result))) return false;
  *value = result.lVal;
  return true;
}

bool CWrilaPage::GetBool(IDispatch* edit, DISPID id, bool* value) {
  CComVariant result;
  if (FAILED(GetValue(edit, id, VT_BOOL, &result))) return false;
  *value = result.boolVal != VARIANT_FALSE;
  return true;
}

bool CWrilaPage::GetText(IDispatch* edit, DISPID id, CString* value) {
  CComVariant result;
  if (FAILED(GetValue(edit, id, VT_BSTR, &result))) return false;
  *value = CP932FromBstr(result.bstrVal);
  return true;
}

CWrilaPage::Puts& CWrilaPage::Puts::Value(DISPID id, const VARIANT& value) {
  if (FAILED(m_hr)) return *this;
  VARIANT arg = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&arg, &named, 1, 1};
  m_hr = m_edit->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
  return *this;
}

CWrilaPage::Puts& CWrilaPage::Puts::Short(DISPID id, long value) {
  CComVariant arg;
  arg.vt = VT_I2;
  arg.iVal = static_cast<short>(value);
  return Value(id, arg);
}

CWrilaPage::Puts& CWrilaPage::Puts::Long(DISPID id, long value) {
  CComVariant arg;
  arg.vt = VT_I4;
  arg.lVal = static_cast<LONG>(value);
  return Value(id, arg);
}

CWrilaPage::Puts& CWrilaPage::Puts::Bool(DISPID id, bool value) {
  CComVariant arg;
  arg.vt = VT_BOOL;
  arg.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return Value(id, arg);
}

CWrilaPage::Puts& CWrilaPage::Puts::Text(DISPID id, const CString& value) {
  CComVariant arg;
  arg.vt = VT_BSTR;
  arg.bstrVal = BstrFromCP932(value.GetString());
  return Value(id, arg);
}
