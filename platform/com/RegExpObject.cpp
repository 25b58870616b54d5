#include "platform/com/RegExpObject.h"

#include <memory>
#include <string>

#include "platform/com/Bstr.h"
#include "platform/base/CString.h"
#include "platform/com/ComObject.h"
#include "platform/com/RegExpEngine.h"
#include "platform/com/RegExpErrors.h"
#include "platform/com/RegExpMatch.h"

namespace VBScript_RegExp_55 {
// The identifiers of the Windows class, so stored references to it stay valid.
const CLSID CLSID_RegExp = {0x3F4DACA4, 0x160D, 0x11D2, {0xA8, 0xE9, 0x00, 0x10, 0x4B, 0x36, 0x5C, 0x9F}};
const IID IID_IRegExp = {0x3F4DACA0, 0x160D, 0x11D2, {0xA8, 0xE9, 0x00, 0x10, 0x4B, 0x36, 0x5C, 0x9F}};
const IID IID_IMatch = {0x3F4DACA1, 0x160D, 0x11D2, {0xA8, 0xE9, 0x00, 0x10, 0x4B, 0x36, 0x5C, 0x9F}};
const IID IID_IMatchCollection = {0x3F4DACA2, 0x160D, 0x11D2, {0xA8, 0xE9, 0x00, 0x10, 0x4B, 0x36, 0x5C, 0x9F}};
const IID IID_ISubMatches = {0x3F4DACB3, 0x160D, 0x11D2, {0xA8, 0xE9, 0x00, 0x10, 0x4B, 0x36, 0x5C, 0x9F}};
}  // namespace VBScript_RegExp_55

using namespace VBScript_RegExp_55;

namespace {

constexpr DispatchName kNames[] = {
    {"Pattern", DISPID_REGEXP_PATTERN}, {"IgnoreCase", DISPID_REGEXP_IGNORECASE},
    {"Global", DISPID_REGEXP_GLOBAL},   {"Execute", DISPID_REGEXP_EXECUTE},
    {"Test", DISPID_REGEXP_TEST},       {"Replace", DISPID_REGEXP_REPLACE},
};


class RegExp : public DispatchObject<IDispatch> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) return Answer(iid, iid, this, object);
    return Answer(iid, IID_IRegExp, this, object);
  }

 protected:
  std::span<const DispatchName> Names() const override { return kNames; }

  HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                       UINT* argErr) override {
    const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
    const bool get = (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0;
    switch (id) {
      case DISPID_REGEXP_PATTERN:
        if (put) {
          CComVariant value;
          const HRESULT hr = DispGetPutValue(params, VT_BSTR, &value, argErr);
          if (SUCCEEDED(hr)) m_pattern.assign(BstrView(value.bstrVal));
          return hr;
        }
        if (!get) return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_BSTR;
        result->bstrVal = BstrFromUTF16(m_pattern);
        return S_OK;
      case DISPID_REGEXP_IGNORECASE:
        return Flag(&m_ignoreCase, put, get, params, result, argErr);
      case DISPID_REGEXP_GLOBAL:
        return Flag(&m_global, put, get, params, result, argErr);
      case DISPID_REGEXP_EXECUTE:
      case DISPID_REGEXP_TEST:
      case DISPID_REGEXP_REPLACE:
        if (!get) return DISP_E_MEMBERNOTFOUND;
        return Run(id, params, result, excepInfo, argErr);
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  static HRESULT Flag(bool* flag, bool put, bool get, DISPPARAMS* params, VARIANT* result, UINT* argErr) {
    if (put) {
      CComVariant value;
      const HRESULT hr = DispGetPutValue(params, VT_BOOL, &value, argErr);
      if (SUCCEEDED(hr)) *flag = value.boolVal != VARIANT_FALSE;
      return hr;
    }
    if (!get) return DISP_E_MEMBERNOTFOUND;
    result->vt = VT_BOOL;
    result->boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

  HRESULT Run(DISPID id, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
    CComVariant subject;
    HRESULT hr = DispGetParam(params, 0, VT_BSTR, &subject, argErr);
    if (FAILED(hr)) return hr;
    CComVariant replacement;
    if (id == DISPID_REGEXP_REPLACE) {
      hr = DispGetParam(params, 1, VT_BSTR, &replacement, argErr);
      if (FAILED(hr)) return hr;
    }

    std::string reason;
    // Line-by-line callers run the same pattern many times: keep it until Pattern or IgnoreCase change.
    if (!m_compiled || m_compiledPattern != m_pattern || m_compiledIgnoreCase != m_ignoreCase) {
      m_compiled = CompileRegExp(m_pattern, m_ignoreCase, &reason);
      m_compiledPattern = m_pattern;
      m_compiledIgnoreCase = m_ignoreCase;
    }
    const std::shared_ptr<const RegExpPattern> pattern = m_compiled;
    if (!pattern) {
      return FillExcepInfo(excepInfo, kRegExpSource, RegExpSyntaxErrorText(reason), kRegExpSyntaxError);
    }
    const std::u16string_view text = BstrView(subject.bstrVal);
    std::vector<RegExpFound> found;
    // Test needs the first match only, whatever Global says.
    if (!SearchRegExp(*pattern, text, m_global && id != DISPID_REGEXP_TEST, &found, &reason)) {
      return FillExcepInfo(excepInfo, kRegExpSource, RegExpMatchErrorText(reason), kRegExpMatchError);
    }

    if (id == DISPID_REGEXP_TEST) {
      result->vt = VT_BOOL;
      result->boolVal = found.empty() ? VARIANT_FALSE : VARIANT_TRUE;
    } else if (id == DISPID_REGEXP_EXECUTE) {
      result->vt = VT_DISPATCH;
      result->pdispVal = CreateMatchCollection(text, found);
    } else {
      const std::u16string_view with = BstrView(replacement.bstrVal);
      std::u16string out;
      std::size_t copied = 0;
      for (const RegExpFound& hit : found) {
        out.append(text.substr(copied, static_cast<std::size_t>(hit.match.index) - copied));
        out += ExpandReplacement(with, text, hit);
        copied = static_cast<std::size_t>(hit.match.index + hit.match.length);
      }
      out.append(text.substr(copied));
      result->vt = VT_BSTR;
      result->bstrVal = BstrFromUTF16(out);
    }
    return S_OK;
  }

  std::u16string m_pattern;
  bool m_ignoreCase = false;
  bool m_global = false;
  std::shared_ptr<const RegExpPattern> m_compiled;
  std::u16string m_compiledPattern;
  bool m_compiledIgnoreCase = false;
};

}  // namespace

CString RegExpSyntaxErrorText(const std::string& reason) {
  CString text;
  text.Format("正規表現の構文エラーです: %s", reason.c_str());
  return text;
}

CString RegExpMatchErrorText(const std::string& reason) {
  CString text;
  text.Format("正規表現の検索に失敗しました: %s", reason.c_str());
  return text;
}

HRESULT CreateRegExpObject(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  IDispatch* made = new RegExp;
  const HRESULT hr = made->QueryInterface(iid, object);
  made->Release();
  return hr;
}
