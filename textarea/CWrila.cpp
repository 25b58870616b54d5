#include "textarea/CWrila.h"

#include <filesystem>
#include <system_error>

#include "platform/com/COleDispatchException.h"
#include "platform/com/ComActivation.h"
#include "platform/com/ComObject.h"
#include "platform/com/ControlSite.h"
#include "platform/com/EventSink.h"
#include "platform/com/Guid.h"
#include "platform/desktop/MessageBox.h"

namespace {

// The control's coclass Edit and its event interface: the same ids as in the control's registration.
constexpr CLSID kEditClass = {0xE7EC570C, 0xC32F, 0x11D3, {0x8C, 0x8D, 0x00, 0xC0, 0x4F, 0xB6, 0x2B, 0x1B}};
constexpr IID kEditEvents = {0xE7EC5705, 0xC32F, 0x11D3, {0x8C, 0x8D, 0x00, 0xC0, 0x4F, 0xB6, 0x2B, 0x1B}};

enum : DISPID {
  kText = -517,
  kAppearance = -520,
  kReadOnly = 1,
  kOverwrite = 11,
  kWrapMode = 22,
  kTabSpace = 25,
  kBackColors = 82,
  kAccelList = 86,
  kModified = 87,
  kNeedEvents = 90,
  kLoadProperties = 91,
  kSaveProperties = 92,
  kExecCommand = 105,
  kAppName = 106,
  kPropTitle = 107,
  kPropPages = 108,
  kRegKey = 109,
  kQueryStatus = 110,
  kGetCaretPos = 111,
  kGetScrollPos = 113,
  kSetScrollPos = 114,
  kSelText = 115,
  kSelStart = 116,
  kSelLength = 117,
  kGetLineText = 120,
  kGetLines = 122,
  kLineFromChar = 126,
  kLineIndex = 127,
  kFontSize = 132,
  kFontCharset = 133,
  kFontName = 134,
  kDevToView = 136,
  kViewToDev = 137,
  kCommentBegin = 144,
  kCommentEnd = 145,
};

const BYTE* Params(const char* types) { return reinterpret_cast<const BYTE*>(types); }

// The host as the control sees it: always in user mode, so the control edits instead of showing
// itself for design.
class WrilaSite : public ComObject<IControlSite> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IControlSite)) return E_NOINTERFACE;
    *object = static_cast<IControlSite*>(this);
    AddRef();
    return S_OK;
  }
  HRESULT GetAmbientProperty(DISPID id, VARIANT* value) override {
    if (!value) return E_POINTER;
    if (id != DISPID_AMBIENT_USERMODE) return DISP_E_MEMBERNOTFOUND;
    value->vt = VT_BOOL;
    value->boolVal = VARIANT_TRUE;
    return S_OK;
  }
};

// lib/libWrila12.so beside the bin/ folder of the running program (not of a redirected program folder:
// the library goes with the binary).
std::filesystem::path ControlLibraryPath() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return exe.parent_path().parent_path() / "lib" / "libWrila12.so";
}

}  // namespace

CWrila::CWrila() { Bind(wxEVT_SIZE, &CWrila::OnSizeChanged, this); }

CWrila::~CWrila() { Destroyed(); }

const CLSID& CWrila::GetClsid() { return kEditClass; }

BOOL CWrila::RegisterControlLibrary() {
  // Registered at every start, as an installer registers at every install: a control that came with
  // an update may bring classes (its property pages) that an earlier registration did not know.
  const std::filesystem::path library = ControlLibraryPath();
  std::error_code error;
  if (std::filesystem::exists(library, error) && SUCCEEDED(RegisterServerLibrary(library.string().c_str())))
    return TRUE;
  // Without the library beside the program, a registration made elsewhere may still serve.
  IUnknown* factory = nullptr;
  if (FAILED(CoGetClassObject(kEditClass, CLSCTX_INPROC_SERVER, nullptr, IID_IUnknown,
                              reinterpret_cast<void**>(&factory))))
    return FALSE;
  factory->Release();
  return TRUE;
}

BOOL CWrila::Create(wxWindow* parent, wxWindowID id, const wxRect& rect) {
  if (!wxPanel::Create(parent, id, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE | wxWANTS_CHARS)) return FALSE;
  if (!m_driver.CreateDispatch(kEditClass)) return FALSE;
  if (FAILED(m_driver.m_lpDispatch->QueryInterface(IID_IInPlaceControl, reinterpret_cast<void**>(&m_pInPlace)))) {
    m_driver.ReleaseDispatch();
    return FALSE;
  }
  WrilaSite* site = new WrilaSite;
  m_pInPlace->SetControlSite(site);
  site->Release();  // the control holds it now
  m_pSink = new EventSink(kEditEvents, [this](DISPID event, std::span<const VARIANT> args) {
    if (!m_handler) return;
    // A failed call inside a host's event handler ends that handler, never the program.
    try {
      m_handler(event, args);
    } catch (const COleDispatchException& error) {
      AfxMessageBox(error.m_strDescription.IsEmpty() ? CString(error.what()) : error.m_strDescription, MB_ICONSTOP);
    }
  });
  m_pSink->Connect(m_driver.m_lpDispatch);
  const wxSize size = GetClientSize();
  const RECT position = {0, 0, size.x, size.y};
  if (FAILED(m_pInPlace->InPlaceActivate(this, position)) || FAILED(m_pInPlace->GetControlWindow(&m_pControlWindow))) {
    Destroyed();
    return FALSE;
  }
  return TRUE;
}

void CWrila::Destroyed() {
  if (m_pSink) {
    m_pSink->Disconnect();
    m_pSink->Release();
    m_pSink = nullptr;
  }
  if (m_pInPlace) {
    m_pInPlace->InPlaceDeactivate();
    m_pInPlace->SetControlSite(nullptr);
    m_pInPlace->Release();
    m_pInPlace = nullptr;
  }
  m_pControlWindow = nullptr;
  m_driver.ReleaseDispatch();
}

void CWrila::SetEventHandler(EventHandler handler) { m_handler = std::move(handler); }

void CWrila::Convert(DISPID id, long inV, long inH, long* outV, long* outH) {
  LONG v = 0;
  LONG h = 0;
  m_driver.InvokeHelper(id, DISPATCH_METHOD, VT_EMPTY, nullptr, Params(VTS_I4 VTS_I4 VTS_PI4 VTS_PI4),
                        static_cast<LONG>(inV), static_cast<LONG>(inH), &v, &h);
  *outV = v;
  *outH = h;
}

void CWrila::OnSizeChanged(wxSizeEvent& event) {
  if (m_pControlWindow) m_pControlWindow->SetSize(GetClientSize());
  event.Skip();
}

CString CWrila::GetText() { return Get<CString>(kText, VT_BSTR); }
void CWrila::SetText(const char* text) { m_driver.SetProperty(kText, VT_BSTR, text); }

void CWrila::SetAppearance(short value) { m_driver.SetProperty(kAppearance, VT_I2, value); }

BOOL CWrila::GetReadOnly() { return Get<BOOL>(kReadOnly, VT_BOOL); }
void CWrila::SetReadOnly(BOOL value) { m_driver.SetProperty(kReadOnly, VT_BOOL, value); }


BOOL CWrila::GetOverwrite() { return Get<BOOL>(kOverwrite, VT_BOOL); }
void CWrila::SetOverwrite(BOOL value) { m_driver.SetProperty(kOverwrite, VT_BOOL, value); }

void CWrila::SetWrapMode(short value) { m_driver.SetProperty(kWrapMode, VT_I2, value); }

short CWrila::GetTabSpace() { return Get<short>(kTabSpace, VT_I2); }
void CWrila::SetTabSpace(short value) { m_driver.SetProperty(kTabSpace, VT_I2, value); }

CComVariant CWrila::GetBackColors() { return Get<CComVariant>(kBackColors, VT_VARIANT); }

IDispatch* CWrila::GetAccelList() {
  IUnknown* list = nullptr;
  m_driver.GetProperty(kAccelList, VT_UNKNOWN, &list);
  if (!list) return nullptr;
  IDispatch* dispatch = nullptr;
  list->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  list->Release();
  return dispatch;
}

BOOL CWrila::GetModified() { return Get<BOOL>(kModified, VT_BOOL); }
void CWrila::SetModified(BOOL value) { m_driver.SetProperty(kModified, VT_BOOL, value); }

void CWrila::NeedEvents(long flags) {
  m_driver.InvokeHelper(kNeedEvents, DISPATCH_METHOD, VT_EMPTY, nullptr, Params(VTS_I4), static_cast<LONG>(flags));
}
void CWrila::LoadProperties() { m_driver.InvokeHelper(kLoadProperties, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }
void CWrila::SaveProperties() { m_driver.InvokeHelper(kSaveProperties, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }
void CWrila::ExecCommand(long command) {
  m_driver.InvokeHelper(kExecCommand, DISPATCH_METHOD, VT_EMPTY, nullptr, Params(VTS_I4), static_cast<LONG>(command));
}

void CWrila::SetAppName(const char* name) { m_driver.SetProperty(kAppName, VT_BSTR, name); }
void CWrila::SetPropTitle(const char* title) { m_driver.SetProperty(kPropTitle, VT_BSTR, title); }
void CWrila::SetPropPages(long pages) { m_driver.SetProperty(kPropPages, VT_I4, static_cast<LONG>(pages)); }
void CWrila::SetRegKey(const char* key) { m_driver.SetProperty(kRegKey, VT_BSTR, key); }
void CWrila::SetCommentBegin(const char* mark) { m_driver.SetProperty(kCommentBegin, VT_BSTR, mark); }
void CWrila::SetCommentEnd(const char* mark) { m_driver.SetProperty(kCommentEnd, VT_BSTR, mark); }

short CWrila::QueryStatus(long command) {
  short status = 0;
  m_driver.InvokeHelper(kQueryStatus, DISPATCH_METHOD, VT_I2, &status, Params(VTS_I4), static_cast<LONG>(command));
  return status;
}

void CWrila::GetCaretPos(BOOL logical, long* v, long* h) {
  LONG row = 0;
  LONG column = 0;
  m_driver.InvokeHelper(kGetCaretPos, DISPATCH_METHOD, VT_EMPTY, nullptr, Params(VTS_BOOL VTS_PI4 VTS_PI4), logical,
                        &row, &column);
  *v = row;
  *h = column;
}

void CWrila::GetScrollPos(long* v, long* h) {
  LONG row = 0;
  LONG column = 0;
  m_driver.InvokeHelper(kGetScrollPos, DISPATCH_METHOD, VT_EMPTY, nullptr, Params(VTS_PI4 VTS_PI4), &row, &column);
  *v = row;
  *h = column;
}
void CWrila::SetScrollPos(long v, long h) {
  m_driver.InvokeHelper(kSetScrollPos, DISPATCH_METHOD, VT_EMPTY, nullptr, Params(VTS_I4 VTS_I4), static_cast<LONG>(v),
                        static_cast<LONG>(h));
}

CString CWrila::GetSelText() { return Get<CString>(kSelText, VT_BSTR); }
void CWrila::SetSelText(const char* text) { m_driver.SetProperty(kSelText, VT_BSTR, text); }

long CWrila::GetSelStart() { return Get<LONG>(kSelStart, VT_I4); }
void CWrila::SetSelStart(long offset) { m_driver.SetProperty(kSelStart, VT_I4, static_cast<LONG>(offset)); }

long CWrila::GetSelLength() { return Get<LONG>(kSelLength, VT_I4); }
void CWrila::SetSelLength(long length) { m_driver.SetProperty(kSelLength, VT_I4, static_cast<LONG>(length)); }

CString CWrila::GetLineText(BOOL logical, long y, BOOL withLineEnd) {
  CString text;
  m_driver.InvokeHelper(kGetLineText, DISPATCH_METHOD, VT_BSTR, &text, Params(VTS_BOOL VTS_I4 VTS_BOOL), logical,
                        static_cast<LONG>(y), withLineEnd);
  return text;
}

long CWrila::GetLines(BOOL logical) {
  LONG count = 0;
  m_driver.InvokeHelper(kGetLines, DISPATCH_METHOD, VT_I4, &count, Params(VTS_BOOL), logical);
  return count;
}

long CWrila::LineFromChar(BOOL logical, long index) {
  LONG line = 0;
  m_driver.InvokeHelper(kLineFromChar, DISPATCH_METHOD, VT_I4, &line, Params(VTS_BOOL VTS_I4), logical,
                        static_cast<LONG>(index));
  return line;
}

long CWrila::LineIndex(BOOL logical, long line) {
  LONG index = 0;
  m_driver.InvokeHelper(kLineIndex, DISPATCH_METHOD, VT_I4, &index, Params(VTS_BOOL VTS_I4), logical,
                        static_cast<LONG>(line));
  return index;
}

void CWrila::SetFontSize(CY size) { m_driver.SetProperty(kFontSize, VT_CY, size); }

void CWrila::SetFontCharset(short charset) { m_driver.SetProperty(kFontCharset, VT_I2, charset); }

void CWrila::SetFontName(const char* name) { m_driver.SetProperty(kFontName, VT_BSTR, name); }

void CWrila::DevToView(long devV, long devH, long* viewV, long* viewH) {
  Convert(kDevToView, devV, devH, viewV, viewH);
}

void CWrila::ViewToDev(long viewV, long viewH, long* devV, long* devH) {
  Convert(kViewToDev, viewV, viewH, devV, devH);
}
