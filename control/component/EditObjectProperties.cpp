// IEdit's setting properties: the switches and numbers of the settings record, the colour arrays,
// the three lists and the host-given names.
#include <wx/dcscreen.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "control/CTextBuffer.h"
#include "control/ControlRoutines.h"
#include "control/LogFont.h"
#include "control/component/CEditObject.h"
#include "control/component/WrilaCollections.h"
#include "platform/com/Bstr.h"
#include "platform/com/EnumVariant.h"
#include "platform/com/SafeArray.h"

namespace {

// The switches of the settings record by dispatch id.
std::uint8_t* SwitchOf(CCustomizeInfo& c, DISPID id) {
  switch (id) {
    case 0x02: return &c.ShowEOF;
    case 0x03: return &c.ShowCR;
    case 0x04: return &c.ShowTab;
    case 0x05: return &c.ShowLineNumber;
    case 0x06: return &c.ShowLogicalLine;
    case 0x07: return &c.WordWrap;
    case 0x08: return &c.FaceWrap;
    case 0x09: return &c.KinsokuWrap;
    case 0x0A: return &c.AutoIndent;
    case 0x0B: return &c.Overwrite;
    case 0x0C: return &c.Hilite;
    case 0x0D: return &c.LinkURL;
    case 0x0E: return &c.LinkMailTo;
    case 0x0F: return &c.LinkDoubleClick;
    case 0x10: return &c.CrLfSeparateMark;
    case 0x11: return &c.ShowRuler;
    case 0x12: return &c.ControlIME;
    case 0x13: return &c.ShowDbSpace;
    case 0x63: return &c.SaveTabToSpace;
    case 0x64: return &c.SaveInsertCR;
    case 0x65: return &c.SevenBitKanji;
    case 0x68: return &c.DeleteEmpty;
    case 0x87: return &c.SelLinkContextMenu;
    case 0x92: return &c.DBCharUrl;
    case 0x93: return &c.KanaUrl;
    default: return nullptr;
  }
}
// Switches whose put refreshes only when the value changes; the others are stored silently.
bool IsDisplaySwitch(DISPID id) { return id >= 0x02 && id <= 0x13; }

// The string fields of the record with their sizes.
struct StringField {
  char* text;
  int size;
};
StringField StringOf(CCustomizeInfo& c, DISPID id) {
  switch (id) {
    case 0x1E: return {c.Prefix, 80};
    case 0x1F: return {c.KinsokuBegin, 128};
    case 0x20: return {c.KinsokuEnd, 128};
    case 0x21: return {c.PrefixList, 40};
    case 0x90: return {c.CommentBegin, 16};
    case 0x91: return {c.CommentEnd, 16};
    default: return {nullptr, 0};
  }
}
char* CharOf(CCustomizeInfo& c, DISPID id) {
  switch (id) {
    case 0x1C: return &c.TagLeft;
    case 0x1D: return &c.TagRight;
    case 0x66: return &c.KanjiInChar;
    case 0x67: return &c.KanjiOutChar;
    default: return nullptr;
  }
}

void SetBstr(VARIANT* result, const char* cp932) {
  result->vt = VT_BSTR;
  result->bstrVal = BstrFromCP932(cp932);
}
void SetBool(VARIANT* result, bool on) {
  result->vt = VT_BOOL;
  result->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
}
void SetShort(VARIANT* result, int value) {
  result->vt = VT_I2;
  result->iVal = static_cast<std::int16_t>(value);
}
void SetLong(VARIANT* result, long value) {
  result->vt = VT_I4;
  result->lVal = value;
}

int ScreenPixelsPerInch() { return wxScreenDC().GetPPI().y > 0 ? wxScreenDC().GetPPI().y : 96; }

std::string Narrow(BSTR text) {
  const std::unique_ptr<char[]> narrow = BSTRToAnsi(text ? text : u"");
  return narrow ? std::string(narrow.get()) : std::string();
}

}  // namespace

void CEditObject::Refresh(bool rewrap) {
  const int oldWrapWidth = rewrap ? -1 : m_control.m_wrapWidth;
  m_control.ApplySettings(oldWrapWidth);
}

HRESULT CEditObject::GetProperty(DISPID id, VARIANT* result) {
  CCustomizeInfo& c = m_control.Settings();
  if (std::uint8_t* flag = SwitchOf(c, id)) return SetBool(result, *flag != 0), S_OK;
  if (char* ch = CharOf(c, id)) {
    const char text[2] = {*ch, 0};
    return SetBstr(result, text), S_OK;
  }
  if (StringField field = StringOf(c, id); field.text) {
    return SetBstr(result, std::string(field.text, strnlen(field.text, static_cast<size_t>(field.size))).c_str()), S_OK;
  }
  CLogFont font = CLogFont::FromBytes(c.DisplayFont);
  switch (id) {
    case DISPID_BORDERSTYLE: return SetLong(result, m_control.GetBorderStyle()), S_OK;
    case DISPID_APPEARANCE: return SetShort(result, m_control.GetAppearance()), S_OK;
    case DISPID_TEXT:
      result->vt = VT_BSTR;
      result->bstrVal = BstrFromUTF16(m_control.GetText());
      return S_OK;
    case 0x01: return SetBool(result, m_control.m_readOnly), S_OK;
    case 0x16: return SetShort(result, c.WrapMode), S_OK;
    case 0x17: return SetLong(result, c.MarginNormal), S_OK;
    case 0x18: return SetLong(result, c.MarginQuote), S_OK;
    case 0x19: return SetShort(result, c.TabSpace), S_OK;
    case 0x1A: return SetShort(result, c.LineSpace), S_OK;
    case 0x1B: return SetShort(result, c.HiliteTag), S_OK;
    case 0x51:
    case 0x52:
    case 0x53: {
      const bool underline = id == 0x53;
      SAFEARRAY* array = SafeArrayCreateVector(underline ? VT_BOOL : VT_I4, 0, ROLE_COUNT);
      if (!array) return E_OUTOFMEMORY;
      for (LONG i = 0; i < ROLE_COUNT; ++i) {
        if (underline) {
          const VARIANT_BOOL on = m_control.m_colors.Underline[i];
          SafeArrayPutElement(array, &i, &on);
        } else {
          const LONG colour = static_cast<LONG>(id == 0x51 ? m_control.m_colors.Text[i] : m_control.m_colors.Back[i]);
          SafeArrayPutElement(array, &i, &colour);
        }
      }
      result->vt = static_cast<VARTYPE>(VT_ARRAY | (underline ? VT_BOOL : VT_I4));
      result->parray = array;
      return S_OK;
    }
    case 0x54:
    case 0x55:
    case 0x56: return GetList(id, result);
    case 0x60: return SetShort(result, c.KanjiRead), S_OK;
    case 0x61: return SetShort(result, c.KanjiWrite), S_OK;
    case 0x62: return SetShort(result, c.SaveCrLf), S_OK;
    case 0x6A: result->vt = VT_BSTR; result->bstrVal = BstrFromUTF16(m_control.m_appName); return S_OK;
    case 0x6B: result->vt = VT_BSTR; result->bstrVal = BstrFromUTF16(m_control.m_propTitle); return S_OK;
    case 0x6D: result->vt = VT_BSTR; result->bstrVal = BstrFromUTF16(m_control.m_regKey); return S_OK;
    case 0x6C: return SetLong(result, m_control.m_propPages), S_OK;
    case 0x76: {
      const int bits = (c.HScrollBar ? 1 : 0) | (c.VScrollBar ? 2 : 0) | (c.HScrollPastEnd ? 4 : 0) |
                       (c.VScrollPastEnd ? 8 : 0) | (c.HBarAlways ? 16 : 0) | (c.VBarAlways ? 32 : 0);
      return SetShort(result, bits), S_OK;
    }
    case 0x7C: return SetBool(result, m_control.m_allowCtrlChars), S_OK;
    case 0x84: {
      result->vt = VT_CY;
      result->cyVal.int64 = FontSizeFromHeight(font.lfHeight, ScreenPixelsPerInch());
      return S_OK;
    }
    case 0x85: return SetShort(result, font.lfCharSet), S_OK;
    case 0x86: return SetBstr(result, font.lfFaceName.c_str()), S_OK;
    case 0x8F: return SetShort(result, c.HiliteComment), S_OK;
    default: return GetOperationalProperty(id, result);
  }
}

HRESULT CEditObject::PutValue(DISPID id, const VARIANT& value) {
  CCustomizeInfo& c = m_control.Settings();
  if (std::uint8_t* flag = SwitchOf(c, id)) {
    const std::uint8_t on = value.boolVal != 0 ? 1 : 0;
    if (IsDisplaySwitch(id)) {
      if (*flag == on) return S_OK;
      *flag = on;
      Refresh(false);
    } else {
      *flag = on;
      if (id == 0x92 || id == 0x93) Refresh(false);
    }
    return S_OK;
  }
  if (char* ch = CharOf(c, id)) {
    const char byte = Narrow(value.bstrVal)[0];
    if (*ch == byte) return S_OK;
    *ch = byte;
    if (id == 0x1C || id == 0x1D) Refresh(false);
    return S_OK;
  }
  if (StringField field = StringOf(c, id); field.text) {
    // Cut at the field's size less its terminator, even inside a double-byte character.
    std::string text = Narrow(value.bstrVal);
    if (static_cast<int>(text.size()) > field.size - 1) text.resize(static_cast<size_t>(field.size - 1));
    if (id < 0x90 && text == std::string(field.text, strnlen(field.text, static_cast<size_t>(field.size)))) return S_OK;
    std::memset(field.text, 0, static_cast<size_t>(field.size));
    std::memcpy(field.text, text.data(), text.size());
    Refresh(false);
    return S_OK;
  }
  CLogFont font = CLogFont::FromBytes(c.DisplayFont);
  switch (id) {
    case DISPID_BORDERSTYLE: m_control.PutBorderStyle(value.lVal); return S_OK;
    case DISPID_APPEARANCE: m_control.PutAppearance(value.iVal); return S_OK;
    case DISPID_TEXT: return m_control.PutText(value.bstrVal);
    case 0x01: m_control.SetReadOnly(value.boolVal != 0); return S_OK;
    case 0x16: {
      const int mode = std::clamp<int>(value.iVal, 0, 2);
      if (value.iVal == c.WrapMode) return S_OK;
      m_control.SetWrapMode(mode);
      return S_OK;
    }
    case 0x17:
    case 0x18: {
      std::int32_t& margin = id == 0x17 ? c.MarginNormal : c.MarginQuote;
      if (value.lVal == margin) return S_OK;
      margin = std::clamp<std::int32_t>(value.lVal, 8, kMaxWrapMargin);
      if (c.TabSpace > margin) c.TabSpace = margin;
      Refresh(true);
      return S_OK;
    }
    case 0x19: {
      if (value.iVal < 1 || value.iVal == c.TabSpace) return S_OK;
      c.TabSpace = std::min({static_cast<std::int32_t>(value.iVal), 16, c.MarginNormal, c.MarginQuote});
      Refresh(true);
      return S_OK;
    }
    case 0x1A:
      if (value.iVal == c.LineSpace) return S_OK;
      c.LineSpace = std::clamp<int>(value.iVal, 0, 30);
      Refresh(false);
      return S_OK;
    case 0x1B:
      if (value.iVal == c.HiliteTag) return S_OK;
      c.HiliteTag = std::clamp<int>(value.iVal, -1, 4);
      Refresh(false);
      return S_OK;
    case 0x51:
    case 0x52:
    case 0x53: return PutColors(id, value);
    case 0x54:
    case 0x55:
    case 0x56: return PutList(id, value.punkVal);
    case 0x60: c.KanjiRead = value.iVal; return S_OK;
    case 0x61: c.KanjiWrite = value.iVal; return S_OK;
    case 0x62: c.SaveCrLf = value.iVal; return S_OK;
    case 0x6A: m_control.SetAppName(std::u16string(BstrView(value.bstrVal))); return S_OK;
    case 0x6B: m_control.SetPropTitle(std::u16string(BstrView(value.bstrVal))); return S_OK;
    case 0x6D: m_control.SetRegKey(std::u16string(BstrView(value.bstrVal))); return S_OK;
    case 0x6C: m_control.SetPropPages(value.lVal); return S_OK;
    case 0x76: {
      const int bits = value.iVal & 63;
      const int old = (c.HScrollBar ? 1 : 0) | (c.VScrollBar ? 2 : 0) | (c.HScrollPastEnd ? 4 : 0) |
                      (c.VScrollPastEnd ? 8 : 0) | (c.HBarAlways ? 16 : 0) | (c.VBarAlways ? 32 : 0);
      if (bits == old) return S_OK;
      c.HScrollBar = (bits & 1) != 0;
      c.VScrollBar = (bits & 2) != 0;
      c.HScrollPastEnd = (bits & 4) != 0;
      c.VScrollPastEnd = (bits & 8) != 0;
      c.HBarAlways = (bits & 16) != 0;
      c.VBarAlways = (bits & 32) != 0;
      Refresh(false);
      // Without the extra page the view may now lie past the end.
      m_control.ScrollTo(m_control.m_firstColumn, m_control.m_topRow);
      return S_OK;
    }
    case 0x7C: m_control.SetAllowCtrlChars(value.boolVal != 0); return S_OK;
    case 0x84: {
      font.lfHeight = FontHeightFromSize(value.cyVal.int64, ScreenPixelsPerInch());
      font.ToBytes(c.DisplayFont);
      Refresh(false);
      return S_OK;
    }
    case 0x85:
      font.lfCharSet = static_cast<std::uint8_t>(value.iVal & 0xFF);
      font.ToBytes(c.DisplayFont);
      Refresh(false);
      return S_OK;
    case 0x86: {
      std::string name = Narrow(value.bstrVal);
      if (name.size() > 31) name.resize(31);
      font.lfFaceName = name;
      font.ToBytes(c.DisplayFont);
      Refresh(false);
      return S_OK;
    }
    case 0x8F:
      c.HiliteComment = ClampHiliteColor(value.iVal);
      Refresh(false);
      return S_OK;
    default: return PutOperationalProperty(id, value);
  }
}

// Colour arrays: the elements from the lower bound to the upper, not beyond role 14; roles the
// array does not reach keep their values.
HRESULT CEditObject::PutColors(DISPID id, const VARIANT& value) {
  if (!(value.vt & VT_ARRAY) || !value.parray) return E_INVALIDARG;
  const VARTYPE element = value.vt & VT_TYPEMASK;
  const bool underline = id == 0x53;
  if (underline ? (element & VT_BOOL) == 0 : (element & 3) == 0) return E_INVALIDARG;
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(value.parray, 1, &lower);
  SafeArrayGetUBound(value.parray, 1, &upper);
  const UINT size = SafeArrayGetElemsize(value.parray);
  for (LONG i = std::max<LONG>(lower, 0); i <= std::min<LONG>(upper, ROLE_COUNT - 1); ++i) {
    std::uint8_t raw[16] = {};
    if (size > sizeof raw || FAILED(SafeArrayGetElement(value.parray, &i, raw))) continue;
    if (underline) {
      std::int16_t flag = 0;
      std::memcpy(&flag, raw, 2);
      m_control.SetRoleUnderline(static_cast<int>(i), flag != 0);
    } else {
      std::int32_t colour = 0;
      std::memcpy(&colour, raw, std::min<UINT>(size, 4));
      m_control.SetRoleColor(static_cast<int>(i), id != 0x51, static_cast<COLORREF>(colour));
    }
  }
  Refresh(false);
  return S_OK;
}

HRESULT CEditObject::GetList(DISPID id, VARIANT* result) {
  IDispatch* list = nullptr;
  if (id == 0x54) {
    IFaceList* faces = NewFaceList();
    for (const CFaceWord& word : m_control.m_faceWords) {
      IFaceItem* item = NewFaceItem();
      BstrPtr text(BstrFromCP932(word.text.GetString()));
      item->put_String(text.get());
      item->put_Enable(word.enable ? VARIANT_TRUE : VARIANT_FALSE);
      faces->Add(item);
      item->Release();
    }
    list = faces;
  } else if (id == 0x55) {
    IHiliteList* rules = NewHiliteList();
    for (const CHiliteRule& rule : m_control.m_hiliteRules) {
      IHiliteItem* item = NewHiliteItem();
      BstrPtr text(BstrFromCP932(rule.text.GetString()));
      item->put_String(text.get());
      item->put_Color(rule.color);
      item->put_Case(rule.matchCase);
      item->put_InsideTag(rule.insideTag);
      item->put_RightAll(rule.rightAll);
      item->put_Word(rule.word);
      rules->Add(item);
      item->Release();
    }
    list = rules;
  } else {
    IAccelList* keys = NewAccelList();
    for (const CAccelEntry& entry : m_control.GetBuffer().GetAccelEntries()) {
      IAccelItem* item = NewAccelItem();
      item->put_Flags(entry.fVirt);
      item->put_Key(static_cast<short>(entry.key));
      item->put_Command(static_cast<short>(entry.cmd));
      keys->Add(item);  // duplicates and empty keys drop out, as the list's rules say
      item->Release();
    }
    list = keys;
  }
  result->vt = VT_UNKNOWN;
  result->punkVal = list;
  return S_OK;
}

namespace {

// Every element of a list's enumeration as the item interface; false when the enumeration fails
// or an element is not an object. Elements that do not answer the interface are skipped.
template <class ItemInterface>
bool ReadItems(IDispatch* list, REFIID itemIid, std::vector<ItemInterface*>* items) {
  CComVariant enumerator;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  if (FAILED(list->Invoke(DISPID_NEWENUM, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &enumerator, nullptr, nullptr)) ||
      enumerator.vt != VT_UNKNOWN || !enumerator.punkVal)
    return false;
  IEnumVARIANT* items_enum = nullptr;
  if (FAILED(enumerator.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items_enum)))) return false;
  items_enum->Reset();
  bool ok = true;
  for (;;) {
    CComVariant element;
    ULONG fetched = 0;
    if (items_enum->Next(1, &element, &fetched) != S_OK || fetched != 1) break;
    if (element.vt != VT_DISPATCH || !element.pdispVal) {
      ok = false;
      break;
    }
    ItemInterface* item = nullptr;
    if (SUCCEEDED(element.pdispVal->QueryInterface(itemIid, reinterpret_cast<void**>(&item))) && item)
      items->push_back(item);
  }
  items_enum->Release();
  if (!ok)
    for (ItemInterface* item : *items) item->Release();
  return ok;
}

std::string ItemString(BSTR text) {
  const std::unique_ptr<char[]> narrow = BSTRToAnsi(text ? text : u"");
  return narrow ? std::string(narrow.get()) : std::string();
}

}  // namespace

// A list put builds the new list aside and swaps it in only when the whole list was read, so a
// failure leaves the old list in force and a later save cannot store half a list.
HRESULT CEditObject::PutList(DISPID id, IUnknown* object) {
  if (!object) return E_FAIL;
  const IID& listIid = id == 0x54 ? IID_IFaceList : id == 0x55 ? IID_IHiliteList : IID_IAccelList;
  IDispatch* list = nullptr;
  if (FAILED(object->QueryInterface(listIid, reinterpret_cast<void**>(&list))) || !list) return E_FAIL;
  HRESULT hr = S_OK;
  if (id == 0x54) {
    std::vector<IFaceItem*> items;
    if (!ReadItems(list, IID_IFaceItem, &items)) hr = E_FAIL;
    std::vector<CFaceWord> words;
    for (IFaceItem* item : items) {
      BSTR text = nullptr;
      VARIANT_BOOL enable = 0;
      if (SUCCEEDED(item->get_String(&text)) && SUCCEEDED(item->get_Enable(&enable)))
        words.push_back(CFaceWord{CRefString(ItemString(text).c_str()), enable != 0});
      SysFreeString(text);
      item->Release();
    }
    if (SUCCEEDED(hr)) m_control.SetFaceWords(std::move(words));
  } else if (id == 0x55) {
    std::vector<IHiliteItem*> items;
    if (!ReadItems(list, IID_IHiliteItem, &items)) hr = E_FAIL;
    std::vector<CHiliteRule> rules;
    for (IHiliteItem* item : items) {
      BSTR text = nullptr;
      short color = 0;
      VARIANT_BOOL matchCase = 0, insideTag = 0, rightAll = 0, word = 0;
      if (SUCCEEDED(item->get_String(&text)) && SUCCEEDED(item->get_Color(&color)) &&
          SUCCEEDED(item->get_Case(&matchCase)) && SUCCEEDED(item->get_InsideTag(&insideTag)) &&
          SUCCEEDED(item->get_RightAll(&rightAll)) && SUCCEEDED(item->get_Word(&word))) {
        CHiliteRule rule;
        CString bytes(ItemString(text));
        if (!matchCase) bytes.MakeUpper();
        rule.text = CRefString(bytes.GetString());
        rule.color = static_cast<short>(std::clamp<int>(color, -1, 4));
        rule.matchCase = matchCase != 0;
        rule.insideTag = insideTag != 0;
        rule.rightAll = rightAll != 0;
        rule.word = word != 0;
        rules.push_back(rule);
      }
      SysFreeString(text);
      item->Release();
    }
    if (SUCCEEDED(hr)) m_control.SetHiliteRules(std::move(rules));
  } else {
    std::vector<IAccelItem*> items;
    if (!ReadItems(list, IID_IAccelItem, &items)) hr = E_FAIL;
    std::vector<CAccelEntry> entries;
    for (IAccelItem* item : items) {
      short flags = 0, key = 0, command = 0;
      if (SUCCEEDED(item->get_Flags(&flags)) && SUCCEEDED(item->get_Key(&key)) && SUCCEEDED(item->get_Command(&command)))
        entries.push_back(CAccelEntry{static_cast<BYTE>(flags & 0xFF), static_cast<WORD>(key), static_cast<WORD>(command)});
      item->Release();
    }
    if (SUCCEEDED(hr)) m_control.GetBuffer().SetAccelEntries(entries);
  }
  list->Release();
  if (SUCCEEDED(hr)) Refresh(false);
  return hr;
}
