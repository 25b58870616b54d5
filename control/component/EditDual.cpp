#include "control/component/EditDual.h"

#include <vector>

namespace {

// A member's value taken out of the variant the dispatch gave, in the type the table declares.
template <VARTYPE vt, class T>
HRESULT TakeValue(VARIANT& given, T* out) {
  if (!out) return E_POINTER;
  if constexpr (vt == VT_VARIANT) {
    *out = given;  // the caller owns what the variant holds
    return S_OK;
  } else {
    VARIANT value;
    VariantInit(&value);
    const bool same = given.vt == vt || (vt == VT_UNKNOWN && given.vt == VT_DISPATCH);
    const HRESULT hr = same ? (value = given, S_OK) : VariantChangeType(&value, &given, 0, vt);
    if (!same) VariantClear(&given);
    if (FAILED(hr)) return hr;
    if constexpr (vt == VT_BOOL) *out = value.boolVal;
    if constexpr (vt == VT_I2) *out = value.iVal;
    if constexpr (vt == VT_I4) *out = value.lVal;
    if constexpr (vt == VT_CY) *out = value.cyVal;
    if constexpr (vt == VT_BSTR) *out = value.bstrVal;     // the caller frees it
    if constexpr (vt == VT_UNKNOWN) *out = value.punkVal;  // the caller releases it
    return S_OK;
  }
}

// The variant a put hands the dispatch; what it points to stays the caller's.
template <VARTYPE vt, class T>
VARIANT PutVariant(T value) {
  if constexpr (vt == VT_VARIANT) {
    return value;
  } else {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    if constexpr (vt == VT_BOOL) v.boolVal = value;
    if constexpr (vt == VT_I2) v.iVal = value;
    if constexpr (vt == VT_I4) v.lVal = value;
    if constexpr (vt == VT_CY) v.cyVal = value;
    if constexpr (vt == VT_BSTR) v.bstrVal = value;
    if constexpr (vt == VT_UNKNOWN) v.punkVal = value;
    return v;
  }
}

// A method call by dispatch id with its arguments in declared order; out arguments are the
// caller's own numbers, which the member writes through.
class MethodCall {
 public:
  MethodCall(IDispatch* outer, DISPID id) : m_outer(outer), m_id(id) {}
  MethodCall& Bool(VARIANT_BOOL value) { return Add(PutVariant<VT_BOOL>(value)); }
  MethodCall& Long(LONG value) { return Add(PutVariant<VT_I4>(value)); }
  MethodCall& String(BSTR value) { return Add(PutVariant<VT_BSTR>(value)); }
  MethodCall& Out(LONG* value) {
    if (!value) m_missingOut = true;
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | VT_I4;
    v.plVal = value;
    return Add(v);
  }
  HRESULT Run() {
    VARIANT result;
    VariantInit(&result);
    const HRESULT hr = Invoke(&result);
    VariantClear(&result);
    return hr;
  }
  template <VARTYPE vt, class T>
  HRESULT Result(T* out) {
    if (!out) return E_POINTER;
    VARIANT result;
    VariantInit(&result);
    const HRESULT hr = Invoke(&result);
    if (FAILED(hr)) {
      VariantClear(&result);
      return hr;
    }
    const HRESULT taken = TakeValue<vt>(result, out);
    return FAILED(taken) ? taken : hr;  // S_FALSE of a member stays its answer
  }

 private:
  MethodCall& Add(const VARIANT& value) {
    m_args.insert(m_args.begin(), value);  // the dispatch takes them last first
    return *this;
  }
  HRESULT Invoke(VARIANT* result) {
    if (m_missingOut) return E_POINTER;
    DISPPARAMS params = {m_args.data(), nullptr, static_cast<UINT>(m_args.size()), 0};
    return m_outer->Invoke(m_id, IID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr, nullptr);
  }

  IDispatch* m_outer;
  DISPID m_id;
  std::vector<VARIANT> m_args;
  bool m_missingOut = false;
};

}  // namespace

struct EditDual::Table final : IEdit {
  explicit Table(IDispatch* outer) : m_outer(outer) {}
  ~Table() = default;

  HRESULT QueryInterface(REFIID iid, void** object) override { return m_outer->QueryInterface(iid, object); }
  ULONG AddRef() override { return m_outer->AddRef(); }
  ULONG Release() override { return m_outer->Release(); }
  HRESULT GetTypeInfoCount(UINT* count) override { return m_outer->GetTypeInfoCount(count); }
  HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
    return m_outer->GetTypeInfo(index, lcid, info);
  }
  HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
    return m_outer->GetIDsOfNames(iid, names, count, lcid, ids);
  }
  HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO* excepInfo, UINT* argErr) override {
    return m_outer->Invoke(id, iid, lcid, flags, params, result, excepInfo, argErr);
  }

  HRESULT put_BorderStyle(LONG value) override { return Put<VT_I4>(DISPID_BORDERSTYLE, value); }
  HRESULT get_BorderStyle(LONG* value) override { return Get<VT_I4>(DISPID_BORDERSTYLE, value); }
  HRESULT put_Text(BSTR value) override { return Put<VT_BSTR>(DISPID_TEXT, value); }
  HRESULT get_Text(BSTR* value) override { return Get<VT_BSTR>(DISPID_TEXT, value); }
  HRESULT put_Appearance(short value) override { return Put<VT_I2>(DISPID_APPEARANCE, value); }
  HRESULT get_Appearance(short* value) override { return Get<VT_I2>(DISPID_APPEARANCE, value); }
  HRESULT get_ReadOnly(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x01, value); }
  HRESULT put_ReadOnly(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x01, value); }
  HRESULT get_ShowEOF(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x02, value); }
  HRESULT put_ShowEOF(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x02, value); }
  HRESULT get_ShowCR(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x03, value); }
  HRESULT put_ShowCR(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x03, value); }
  HRESULT get_ShowTab(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x04, value); }
  HRESULT put_ShowTab(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x04, value); }
  HRESULT get_ShowLineNumber(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x05, value); }
  HRESULT put_ShowLineNumber(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x05, value); }
  HRESULT get_ShowLogicalLine(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x06, value); }
  HRESULT put_ShowLogicalLine(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x06, value); }
  HRESULT get_WordWrap(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x07, value); }
  HRESULT put_WordWrap(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x07, value); }
  HRESULT get_FaceWrap(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x08, value); }
  HRESULT put_FaceWrap(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x08, value); }
  HRESULT get_KinsokuWrap(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x09, value); }
  HRESULT put_KinsokuWrap(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x09, value); }
  HRESULT get_AutoIndent(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x0A, value); }
  HRESULT put_AutoIndent(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x0A, value); }
  HRESULT get_Overwrite(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x0B, value); }
  HRESULT put_Overwrite(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x0B, value); }
  HRESULT get_Hilite(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x0C, value); }
  HRESULT put_Hilite(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x0C, value); }
  HRESULT get_LinkURL(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x0D, value); }
  HRESULT put_LinkURL(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x0D, value); }
  HRESULT get_LinkMailTo(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x0E, value); }
  HRESULT put_LinkMailTo(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x0E, value); }
  HRESULT get_LinkDoubleClick(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x0F, value); }
  HRESULT put_LinkDoubleClick(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x0F, value); }
  HRESULT get_CrLfSeparateMark(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x10, value); }
  HRESULT put_CrLfSeparateMark(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x10, value); }
  HRESULT get_ShowRuler(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x11, value); }
  HRESULT put_ShowRuler(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x11, value); }
  HRESULT get_ControlIME(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x12, value); }
  HRESULT put_ControlIME(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x12, value); }
  HRESULT get_ShowDbSpace(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x13, value); }
  HRESULT put_ShowDbSpace(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x13, value); }
  HRESULT get_WrapMode(short* value) override { return Get<VT_I2>(0x16, value); }
  HRESULT put_WrapMode(short value) override { return Put<VT_I2>(0x16, value); }
  HRESULT get_MarginNormal(LONG* value) override { return Get<VT_I4>(0x17, value); }
  HRESULT put_MarginNormal(LONG value) override { return Put<VT_I4>(0x17, value); }
  HRESULT get_MarginQuote(LONG* value) override { return Get<VT_I4>(0x18, value); }
  HRESULT put_MarginQuote(LONG value) override { return Put<VT_I4>(0x18, value); }
  HRESULT get_TabSpace(short* value) override { return Get<VT_I2>(0x19, value); }
  HRESULT put_TabSpace(short value) override { return Put<VT_I2>(0x19, value); }
  HRESULT get_LineSpace(short* value) override { return Get<VT_I2>(0x1A, value); }
  HRESULT put_LineSpace(short value) override { return Put<VT_I2>(0x1A, value); }
  HRESULT get_HiliteTag(short* value) override { return Get<VT_I2>(0x1B, value); }
  HRESULT put_HiliteTag(short value) override { return Put<VT_I2>(0x1B, value); }
  HRESULT get_TagLeft(BSTR* value) override { return Get<VT_BSTR>(0x1C, value); }
  HRESULT put_TagLeft(BSTR value) override { return Put<VT_BSTR>(0x1C, value); }
  HRESULT get_TagRight(BSTR* value) override { return Get<VT_BSTR>(0x1D, value); }
  HRESULT put_TagRight(BSTR value) override { return Put<VT_BSTR>(0x1D, value); }
  HRESULT get_Prefix(BSTR* value) override { return Get<VT_BSTR>(0x1E, value); }
  HRESULT put_Prefix(BSTR value) override { return Put<VT_BSTR>(0x1E, value); }
  HRESULT get_KinsokuBegin(BSTR* value) override { return Get<VT_BSTR>(0x1F, value); }
  HRESULT put_KinsokuBegin(BSTR value) override { return Put<VT_BSTR>(0x1F, value); }
  HRESULT get_KinsokuEnd(BSTR* value) override { return Get<VT_BSTR>(0x20, value); }
  HRESULT put_KinsokuEnd(BSTR value) override { return Put<VT_BSTR>(0x20, value); }
  HRESULT get_PrefixList(BSTR* value) override { return Get<VT_BSTR>(0x21, value); }
  HRESULT put_PrefixList(BSTR value) override { return Put<VT_BSTR>(0x21, value); }
  HRESULT get_TextColors(VARIANT* value) override { return Get<VT_VARIANT>(0x51, value); }
  HRESULT put_TextColors(VARIANT value) override { return Put<VT_VARIANT>(0x51, value); }
  HRESULT get_BackColors(VARIANT* value) override { return Get<VT_VARIANT>(0x52, value); }
  HRESULT put_BackColors(VARIANT value) override { return Put<VT_VARIANT>(0x52, value); }
  HRESULT get_Underlines(VARIANT* value) override { return Get<VT_VARIANT>(0x53, value); }
  HRESULT put_Underlines(VARIANT value) override { return Put<VT_VARIANT>(0x53, value); }
  HRESULT get_FaceList(IUnknown** value) override { return Get<VT_UNKNOWN>(0x54, value); }
  HRESULT put_FaceList(IUnknown* value) override { return Put<VT_UNKNOWN>(0x54, value); }
  HRESULT get_HiliteList(IUnknown** value) override { return Get<VT_UNKNOWN>(0x55, value); }
  HRESULT put_HiliteList(IUnknown* value) override { return Put<VT_UNKNOWN>(0x55, value); }
  HRESULT get_AccelList(IUnknown** value) override { return Get<VT_UNKNOWN>(0x56, value); }
  HRESULT put_AccelList(IUnknown* value) override { return Put<VT_UNKNOWN>(0x56, value); }
  HRESULT get_Modified(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x57, value); }
  HRESULT put_Modified(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x57, value); }
  HRESULT NeedEvents(LONG Flags) override { return Call(0x5A).Long(Flags).Run(); }
  HRESULT LoadProperties() override { return Call(0x5B).Run(); }
  HRESULT SaveProperties() override { return Call(0x5C).Run(); }
  HRESULT LoadFile(BSTR FileName) override { return Call(0x5D).String(FileName).Run(); }
  HRESULT SaveFile(BSTR FileName) override { return Call(0x5E).String(FileName).Run(); }
  HRESULT get_KanjiRead(short* value) override { return Get<VT_I2>(0x60, value); }
  HRESULT put_KanjiRead(short value) override { return Put<VT_I2>(0x60, value); }
  HRESULT get_KanjiWrite(short* value) override { return Get<VT_I2>(0x61, value); }
  HRESULT put_KanjiWrite(short value) override { return Put<VT_I2>(0x61, value); }
  HRESULT get_SaveCrLf(short* value) override { return Get<VT_I2>(0x62, value); }
  HRESULT put_SaveCrLf(short value) override { return Put<VT_I2>(0x62, value); }
  HRESULT get_SaveTabToSpace(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x63, value); }
  HRESULT put_SaveTabToSpace(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x63, value); }
  HRESULT get_SaveInsertCR(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x64, value); }
  HRESULT put_SaveInsertCR(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x64, value); }
  HRESULT get_SevenBitKanji(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x65, value); }
  HRESULT put_SevenBitKanji(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x65, value); }
  HRESULT get_KanjiInChar(BSTR* value) override { return Get<VT_BSTR>(0x66, value); }
  HRESULT put_KanjiInChar(BSTR value) override { return Put<VT_BSTR>(0x66, value); }
  HRESULT get_KanjiOutChar(BSTR* value) override { return Get<VT_BSTR>(0x67, value); }
  HRESULT put_KanjiOutChar(BSTR value) override { return Put<VT_BSTR>(0x67, value); }
  HRESULT get_DeleteEmpty(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x68, value); }
  HRESULT put_DeleteEmpty(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x68, value); }
  HRESULT ExecCommand(LONG cmdID) override { return Call(0x69).Long(cmdID).Run(); }
  HRESULT get_AppName(BSTR* value) override { return Get<VT_BSTR>(0x6A, value); }
  HRESULT put_AppName(BSTR value) override { return Put<VT_BSTR>(0x6A, value); }
  HRESULT get_PropTitle(BSTR* value) override { return Get<VT_BSTR>(0x6B, value); }
  HRESULT put_PropTitle(BSTR value) override { return Put<VT_BSTR>(0x6B, value); }
  HRESULT get_PropPages(LONG* value) override { return Get<VT_I4>(0x6C, value); }
  HRESULT put_PropPages(LONG value) override { return Put<VT_I4>(0x6C, value); }
  HRESULT get_RegKey(BSTR* value) override { return Get<VT_BSTR>(0x6D, value); }
  HRESULT put_RegKey(BSTR value) override { return Put<VT_BSTR>(0x6D, value); }
  HRESULT QueryStatus(LONG cmdID, short* status) override { return Call(0x6E).Long(cmdID).Result<VT_I2>(status); }
  HRESULT GetCaretPos(VARIANT_BOOL bLogical, LONG* PosV, LONG* PosH) override {
    return Call(0x6F).Bool(bLogical).Out(PosV).Out(PosH).Run();
  }
  HRESULT SetCaretPos(VARIANT_BOOL bLogical, LONG PosV, LONG PosH) override {
    return Call(0x70).Bool(bLogical).Long(PosV).Long(PosH).Run();
  }
  HRESULT GetScrollPos(LONG* PosV, LONG* PosH) override { return Call(0x71).Out(PosV).Out(PosH).Run(); }
  HRESULT SetScrollPos(LONG PosV, LONG PosH) override { return Call(0x72).Long(PosV).Long(PosH).Run(); }
  HRESULT get_SelText(BSTR* value) override { return Get<VT_BSTR>(0x73, value); }
  HRESULT put_SelText(BSTR value) override { return Put<VT_BSTR>(0x73, value); }
  HRESULT get_SelStart(LONG* value) override { return Get<VT_I4>(0x74, value); }
  HRESULT put_SelStart(LONG value) override { return Put<VT_I4>(0x74, value); }
  HRESULT get_SelLength(LONG* value) override { return Get<VT_I4>(0x75, value); }
  HRESULT put_SelLength(LONG value) override { return Put<VT_I4>(0x75, value); }
  HRESULT get_ScrollBars(short* value) override { return Get<VT_I2>(0x76, value); }
  HRESULT put_ScrollBars(short value) override { return Put<VT_I2>(0x76, value); }
  HRESULT SetLineColor(LONG yLogicalTop, LONG yLogicalBottom, LONG TextColor, LONG BackColor,
                       VARIANT_BOOL bUnderline) override {
    return Call(0x77).Long(yLogicalTop).Long(yLogicalBottom).Long(TextColor).Long(BackColor).Bool(bUnderline).Run();
  }
  HRESULT GetLineText(VARIANT_BOOL bLogical, LONG y, VARIANT_BOOL bCrLf, BSTR* text) override {
    return Call(0x78).Bool(bLogical).Long(y).Bool(bCrLf).Result<VT_BSTR>(text);
  }
  HRESULT EraseLineColor(LONG yLogicalTop, LONG yLogicalBottom) override {
    return Call(0x79).Long(yLogicalTop).Long(yLogicalBottom).Run();
  }
  HRESULT GetLines(VARIANT_BOOL bLogical, LONG* lines) override {
    return Call(0x7A).Bool(bLogical).Result<VT_I4>(lines);
  }
  HRESULT get_Margin(LONG* value) override { return Get<VT_I4>(0x7B, value); }
  HRESULT get_AllowCtrlChars(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x7C, value); }
  HRESULT put_AllowCtrlChars(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x7C, value); }
  HRESULT GetPageSize(LONG* SizeV, LONG* SizeH) override { return Call(0x7D).Out(SizeV).Out(SizeH).Run(); }
  HRESULT LineFromChar(VARIANT_BOOL bLogical, LONG nIndex, LONG* line) override {
    return Call(0x7E).Bool(bLogical).Long(nIndex).Result<VT_I4>(line);
  }
  HRESULT LineIndex(VARIANT_BOOL bLogical, LONG nLine, LONG* index) override {
    return Call(0x7F).Bool(bLogical).Long(nLine).Result<VT_I4>(index);
  }
  HRESULT LogicalToView(LONG LogicalV, LONG LogicalH, LONG* ViewV, LONG* ViewH) override {
    return Call(0x80).Long(LogicalV).Long(LogicalH).Out(ViewV).Out(ViewH).Run();
  }
  HRESULT ViewToLogical(LONG ViewV, LONG ViewH, LONG* LogicalV, LONG* LogicalH) override {
    return Call(0x81).Long(ViewV).Long(ViewH).Out(LogicalV).Out(LogicalH).Run();
  }
  HRESULT LogicalToSerial(LONG LogicalV, LONG LogicalH, LONG* serial) override {
    return Call(0x82).Long(LogicalV).Long(LogicalH).Result<VT_I4>(serial);
  }
  HRESULT SerialToLogical(LONG Serial, LONG* LogicalV, LONG* LogicalH) override {
    return Call(0x83).Long(Serial).Out(LogicalV).Out(LogicalH).Run();
  }
  HRESULT get_FontSize(CY* value) override { return Get<VT_CY>(0x84, value); }
  HRESULT put_FontSize(CY value) override { return Put<VT_CY>(0x84, value); }
  HRESULT get_FontCharset(short* value) override { return Get<VT_I2>(0x85, value); }
  HRESULT put_FontCharset(short value) override { return Put<VT_I2>(0x85, value); }
  HRESULT get_FontName(BSTR* value) override { return Get<VT_BSTR>(0x86, value); }
  HRESULT put_FontName(BSTR value) override { return Put<VT_BSTR>(0x86, value); }
  HRESULT get_SelLinkContextMenu(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x87, value); }
  HRESULT put_SelLinkContextMenu(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x87, value); }
  HRESULT DevToView(LONG DevV, LONG DevH, LONG* ViewV, LONG* ViewH) override {
    return Call(0x88).Long(DevV).Long(DevH).Out(ViewV).Out(ViewH).Run();
  }
  HRESULT ViewToDev(LONG ViewV, LONG ViewH, LONG* DevV, LONG* DevH) override {
    return Call(0x89).Long(ViewV).Long(ViewH).Out(DevV).Out(DevH).Run();
  }
  HRESULT get_screenTop(LONG* value) override { return Get<VT_I4>(0x8A, value); }
  HRESULT get_screenLeft(LONG* value) override { return Get<VT_I4>(0x8B, value); }
  HRESULT get_hWnd(LONG* value) override { return Get<VT_I4>(0x8C, value); }
  HRESULT Find(BSTR strFind, LONG nFlags, LONG* result) override {
    return Call(0x8D).String(strFind).Long(nFlags).Result<VT_I4>(result);
  }
  HRESULT Replace(BSTR strFind, BSTR strReplace, LONG nFlags, LONG* result) override {
    return Call(0x8E).String(strFind).String(strReplace).Long(nFlags).Result<VT_I4>(result);
  }
  HRESULT get_HiliteComment(short* value) override { return Get<VT_I2>(0x8F, value); }
  HRESULT put_HiliteComment(short value) override { return Put<VT_I2>(0x8F, value); }
  HRESULT get_CommentBegin(BSTR* value) override { return Get<VT_BSTR>(0x90, value); }
  HRESULT put_CommentBegin(BSTR value) override { return Put<VT_BSTR>(0x90, value); }
  HRESULT get_CommentEnd(BSTR* value) override { return Get<VT_BSTR>(0x91, value); }
  HRESULT put_CommentEnd(BSTR value) override { return Put<VT_BSTR>(0x91, value); }
  HRESULT get_DBCharUrl(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x92, value); }
  HRESULT put_DBCharUrl(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x92, value); }
  HRESULT get_KanaUrl(VARIANT_BOOL* value) override { return Get<VT_BOOL>(0x93, value); }
  HRESULT put_KanaUrl(VARIANT_BOOL value) override { return Put<VT_BOOL>(0x93, value); }

 private:
  template <VARTYPE vt, class T>
  HRESULT Get(DISPID id, T* out) {
    if (!out) return E_POINTER;
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    const HRESULT hr = m_outer->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    if (FAILED(hr)) {
      VariantClear(&result);
      return hr;
    }
    return TakeValue<vt>(result, out);
  }
  template <VARTYPE vt, class T>
  HRESULT Put(DISPID id, T value) {
    VARIANT arg = PutVariant<vt>(value);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&arg, &named, 1, 1};
    return m_outer->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
  }
  MethodCall Call(DISPID id) { return MethodCall(m_outer, id); }

  IDispatch* m_outer;
};

EditDual::EditDual(IDispatch* outer) : m_table(std::make_unique<Table>(outer)) {}

EditDual::~EditDual() = default;

IEdit* EditDual::Interface() const { return m_table.get(); }
