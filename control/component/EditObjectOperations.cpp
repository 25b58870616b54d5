// IEdit's operations: the modified flag, the event mask, settings and files, commands, caret and
// positions, selection, line text and search.
#include <memory>
#include <string>

#include "control/CTextBuffer.h"
#include "control/ControlRoutines.h"
#include "control/EditMessages.h"
#include "control/component/CEditObject.h"
#include "platform/com/Bstr.h"

namespace {

constexpr HRESULT CTL_E_INVALIDPROPERTYVALUE = static_cast<HRESULT>(0x800A017C);
constexpr HRESULT CTL_E_SETNOTSUPPORTEDATRUNTIME = static_cast<HRESULT>(0x800A017F);
constexpr HRESULT CTL_E_GETNOTSUPPORTEDATRUNTIME = static_cast<HRESULT>(0x800A018A);

// The arguments of a method call, by declared position.
class Args {
 public:
  Args(DISPPARAMS* params, UINT* argErr) : m_params(params), m_argErr(argErr) {}
  HRESULT Long(UINT position, long* value) {
    CComVariant v;
    const HRESULT hr = DispGetParam(m_params, position, VT_I4, &v, m_argErr);
    if (SUCCEEDED(hr)) *value = v.lVal;
    return hr;
  }
  HRESULT Bool(UINT position, bool* value) {
    CComVariant v;
    const HRESULT hr = DispGetParam(m_params, position, VT_BOOL, &v, m_argErr);
    if (SUCCEEDED(hr)) *value = v.boolVal != 0;
    return hr;
  }
  HRESULT String(UINT position, std::string* value) {
    CComVariant v;
    const HRESULT hr = DispGetParam(m_params, position, VT_BSTR, &v, m_argErr);
    if (FAILED(hr)) return hr;
    const std::unique_ptr<char[]> narrow = BSTRToAnsi(v.bstrVal ? v.bstrVal : u"");
    *value = narrow ? narrow.get() : "";
    return S_OK;
  }
  // An out argument: the caller passes a reference to a long (or a variant).
  HRESULT Out(UINT position, long value) {
    if (position >= m_params->cArgs) return DISP_E_PARAMNOTFOUND;
    VARIANT& slot = m_params->rgvarg[m_params->cArgs - 1 - position];
    if (slot.vt == (VT_BYREF | VT_I4) && slot.plVal) {
      *slot.plVal = value;
    } else if (slot.vt == (VT_BYREF | VT_VARIANT) && slot.pvarVal) {
      VariantClear(slot.pvarVal);
      slot.pvarVal->vt = VT_I4;
      slot.pvarVal->lVal = value;
    } else {
      if (m_argErr) *m_argErr = m_params->cArgs - 1 - position;
      return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
  }

 private:
  DISPPARAMS* m_params;
  UINT* m_argErr;
};

void SetLong(VARIANT* result, long value) {
  result->vt = VT_I4;
  result->lVal = value;
}

#define RETURN_IF_FAILED(expr)          \
  do {                                  \
    const HRESULT hr_ = (expr);         \
    if (FAILED(hr_)) return hr_;        \
  } while (0)

}  // namespace

HRESULT CEditObject::GetOperationalProperty(DISPID id, VARIANT* result) {
  CTextBuffer& buffer = m_control.GetBuffer();
  switch (id) {
    case DISPID_EDIT_MODIFIED:
      result->vt = VT_BOOL;
      result->boolVal = buffer.IsModified() ? 1 : 0;  // the flag as stored
      return S_OK;
    case DISPID_EDIT_SELTEXT: {
      if (!InUserMode()) return CTL_E_GETNOTSUPPORTEDATRUNTIME;
      const CRefString text = IsActive() ? m_control.SelectedText(false) : CRefString();
      result->vt = VT_BSTR;
      result->bstrVal = BstrFromCP932(std::string_view(text.GetString(), static_cast<size_t>(text.GetLength())));
      return S_OK;
    }
    case DISPID_EDIT_SELSTART: {
      if (!InUserMode()) return CTL_E_GETNOTSUPPORTEDATRUNTIME;
      if (!IsActive()) return SetLong(result, 0), S_OK;
      const POINT start = m_control.HasSelection() ? m_control.SelectionStart() : m_control.m_caretView;
      const POINT logical = buffer.ViewToLogical(start.x, start.y, -1);
      return SetLong(result, buffer.LogicalToSerial(logical.x, logical.y)), S_OK;
    }
    case DISPID_EDIT_SELLENGTH: {
      if (!InUserMode()) return CTL_E_GETNOTSUPPORTEDATRUNTIME;
      if (!IsActive() || !m_control.HasSelection()) return SetLong(result, 0), S_OK;
      if (m_control.m_selKind == SEL_BOX) return SetLong(result, -1), S_OK;
      // Serial bytes, each line end its own length, as SelStart counts them (the copy size would
      // add the terminating zero and count every line end as CR LF).
      const POINT start = m_control.SelectionStart();
      const POINT end = m_control.SelectionEnd();
      const POINT s = buffer.ViewToLogical(start.x, start.y, -1);
      const POINT e = buffer.ViewToLogical(end.x, end.y, 1);
      return SetLong(result, buffer.LogicalToSerial(e.x, e.y) - buffer.LogicalToSerial(s.x, s.y)), S_OK;
    }
    case DISPID_EDIT_MARGIN:
      return SetLong(result, IsActive() ? m_control.m_wrapWidth : 0), S_OK;
    case DISPID_EDIT_SCREENTOP:
    case DISPID_EDIT_SCREENLEFT: {
      const wxPoint origin = IsActive() ? m_control.GetWindow()->ClientToScreen(wxPoint(0, 0)) : wxPoint(0, 0);
      return SetLong(result, id == DISPID_EDIT_SCREENTOP ? origin.y : origin.x), S_OK;
    }
    case DISPID_EDIT_HWND:
      // A handle a host can hand back: the toolkit's window id, 0 without a window.
      return SetLong(result, IsActive() ? static_cast<long>(m_control.GetWindow()->GetId()) : 0), S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT CEditObject::PutOperationalProperty(DISPID id, const VARIANT& value) {
  CTextBuffer& buffer = m_control.GetBuffer();
  switch (id) {
    case DISPID_EDIT_MODIFIED: buffer.SetModifiedState(value.boolVal != 0); return S_OK;
    case DISPID_EDIT_SELTEXT: {
      if (!InUserMode()) return CTL_E_SETNOTSUPPORTEDATRUNTIME;
      if (!IsActive()) return S_OK;
      const std::unique_ptr<char[]> text = BSTRToAnsi(value.bstrVal ? value.bstrVal : u"");
      if (!text) return S_OK;
      if (m_control.m_readOnly) {
        m_control.Beep();
      } else {
        m_control.InsertString(text.get());
      }
      return S_OK;
    }
    case DISPID_EDIT_SELSTART: {
      if (!InUserMode()) return CTL_E_SETNOTSUPPORTEDATRUNTIME;
      if (value.lVal < 0) return CTL_E_INVALIDPROPERTYVALUE;
      if (!IsActive()) return S_OK;
      m_control.CancelSelection(true);
      m_control.MoveCaret(buffer.SerialToLogical(value.lVal));
      return S_OK;
    }
    case DISPID_EDIT_SELLENGTH:
      if (!InUserMode()) return CTL_E_SETNOTSUPPORTEDATRUNTIME;
      if (value.lVal < 0) return CTL_E_INVALIDPROPERTYVALUE;
      return IsActive() ? SetSelLength(value.lVal) : S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT CEditObject::SetSelLength(long length) {
  CTextBuffer& buffer = m_control.GetBuffer();
  const POINT anchor = m_control.HasSelection() ? m_control.SelectionStart() : m_control.m_caretView;
  m_control.CancelSelection(true);
  const POINT anchorLogical = buffer.ViewToLogical(anchor.x, anchor.y, -1);
  m_control.MoveCaret(anchorLogical);
  if (length < 1) return S_OK;
  const POINT end = buffer.SerialToLogical(buffer.LogicalToSerial(anchorLogical.x, anchorLogical.y) + length);
  const POINT endView = buffer.LogicalToViewClamped(end.x, end.y);
  m_control.SelectStream(m_control.m_caretView, endView);
  m_control.InvalidateFrom(m_control.m_topRow);
  return S_OK;
}

HRESULT CEditObject::CallMethod(DISPID id, DISPPARAMS* params, VARIANT* result, UINT* argErr) {
  Args args(params, argErr);
  CTextBuffer& buffer = m_control.GetBuffer();
  switch (id) {
    case DISPID_EDIT_NEEDEVENTS: {
      long flags = 0;
      RETURN_IF_FAILED(args.Long(0, &flags));
      m_control.SetNeedEvents(static_cast<DWORD>(flags));
      return S_OK;
    }
    case DISPID_EDIT_LOADPROPERTIES:
      return m_control.LoadProperties();
    case DISPID_EDIT_SAVEPROPERTIES:
      return m_control.SaveProperties();
    case DISPID_EDIT_LOADFILE:
    case DISPID_EDIT_SAVEFILE: {
      std::string path;
      RETURN_IF_FAILED(args.String(0, &path));
      if (id == DISPID_EDIT_SAVEFILE) return buffer.SaveFile(path.c_str());
      const HRESULT hr = buffer.LoadFile(path.c_str());
      Refresh(true);
      return hr;
    }
    case DISPID_EDIT_EXECCOMMAND: {
      long command = 0;
      RETURN_IF_FAILED(args.Long(0, &command));
      m_control.WindowProc(WM_COMMAND, static_cast<WPARAM>((command & 0xFFFF) + 0x10000), 0);
      return S_OK;
    }
    case DISPID_EDIT_QUERYSTATUS: {
      long command = 0;
      RETURN_IF_FAILED(args.Long(0, &command));
      const WORD status = m_control.QueryCommandStatus(static_cast<UINT>(command));
      result->vt = VT_I2;
      result->iVal = static_cast<std::int16_t>(status);
      return status ? S_OK : S_FALSE;
    }
    case DISPID_EDIT_GETCARETPOS: {
      bool logical = false;
      RETURN_IF_FAILED(args.Bool(0, &logical));
      const POINT at = logical ? m_control.m_caretLogical : m_control.m_caretView;
      RETURN_IF_FAILED(args.Out(1, at.y));
      return args.Out(2, at.x);
    }
    case DISPID_EDIT_SETCARETPOS: {
      bool logical = false;
      long v = 0, h = 0;
      RETURN_IF_FAILED(args.Bool(0, &logical));
      RETURN_IF_FAILED(args.Long(1, &v));
      RETURN_IF_FAILED(args.Long(2, &h));
      if (v < 0 || h < 0) return CTL_E_INVALIDPROPERTYVALUE;
      m_control.CancelSelection(true);
      // Either way the caret lands on a valid cell: inside the text, never inside a double-byte
      // character, and its logical copy follows from that cell.
      const POINT view = logical ? buffer.LogicalToViewClamped(static_cast<int>(h), static_cast<int>(v))
                                 : POINT{static_cast<LONG>(h), static_cast<LONG>(v)};
      const POINT snapped = buffer.NormalizePos(view);
      m_control.MoveCaret(buffer.ViewToLogical(snapped.x, snapped.y, -1));
      m_control.EnsureCaretVisible(true);
      return S_OK;
    }
    case DISPID_EDIT_GETSCROLLPOS:
      RETURN_IF_FAILED(args.Out(0, m_control.m_topRow));
      return args.Out(1, m_control.m_firstColumn);
    case DISPID_EDIT_SETSCROLLPOS: {
      long v = 0, h = 0;
      RETURN_IF_FAILED(args.Long(0, &v));
      RETURN_IF_FAILED(args.Long(1, &h));
      if (v < 0 || h < 0) return CTL_E_INVALIDPROPERTYVALUE;
      // The rows may go as far as the scroll bar's range: the last row can stand at the top.
      m_control.ScrollWithin(static_cast<int>(h), static_cast<int>(v), m_control.MaxFirstColumn(),
                             m_control.VerticalRangeMax());
      return S_OK;
    }
    case DISPID_EDIT_GETLINETEXT: {
      bool logical = false, crlf = false;
      long y = 0;
      RETURN_IF_FAILED(args.Bool(0, &logical));
      RETURN_IF_FAILED(args.Long(1, &y));
      RETURN_IF_FAILED(args.Bool(2, &crlf));
      CRefString text;
      if (IsActive() && y >= 0) {
        if (logical && y < buffer.GetLineCount()) {
          const CLine* line = buffer.GetLine(static_cast<int>(y));
          text = line->GetText();
          if (crlf && y + 1 < buffer.GetLineCount()) text += LineEndBytes(line->GetKind());
        } else if (!logical) {
          text = buffer.GetRowText(static_cast<int>(y));
        }
      }
      result->vt = VT_BSTR;
      result->bstrVal = BstrFromCP932(std::string_view(text.GetString(), static_cast<size_t>(text.GetLength())));
      return S_OK;
    }
    case DISPID_EDIT_GETLINES: {
      bool logical = false;
      RETURN_IF_FAILED(args.Bool(0, &logical));
      return SetLong(result, !IsActive() ? 0 : logical ? buffer.GetLineCount() : buffer.GetTotalRows()), S_OK;
    }
    case DISPID_EDIT_GETPAGESIZE:
      RETURN_IF_FAILED(args.Out(0, m_control.m_pageRows));
      return args.Out(1, m_control.m_windowColumns);
    case DISPID_EDIT_LOGICALTOVIEW: {
      long v = 0, h = 0;
      RETURN_IF_FAILED(args.Long(0, &v));
      RETURN_IF_FAILED(args.Long(1, &h));
      const POINT view = buffer.LogicalToViewClamped(static_cast<int>(h), static_cast<int>(v));
      RETURN_IF_FAILED(args.Out(2, view.y));
      return args.Out(3, view.x);
    }
    case DISPID_EDIT_VIEWTOLOGICAL: {
      long v = 0, h = 0;
      RETURN_IF_FAILED(args.Long(0, &v));
      RETURN_IF_FAILED(args.Long(1, &h));
      const POINT logical = buffer.ViewToLogical(static_cast<int>(h), static_cast<int>(v), -1);
      RETURN_IF_FAILED(args.Out(2, logical.y));
      return args.Out(3, logical.x);
    }
    case DISPID_EDIT_LOGICALTOSERIAL: {
      long v = 0, h = 0;
      RETURN_IF_FAILED(args.Long(0, &v));
      RETURN_IF_FAILED(args.Long(1, &h));
      return SetLong(result, buffer.LogicalToSerial(static_cast<int>(h), static_cast<int>(v))), S_OK;
    }
    case DISPID_EDIT_SERIALTOLOGICAL: {
      long serial = 0;
      RETURN_IF_FAILED(args.Long(0, &serial));
      const POINT logical = buffer.SerialToLogical(static_cast<int>(serial));
      RETURN_IF_FAILED(args.Out(1, logical.y));
      return args.Out(2, logical.x);
    }
    case DISPID_EDIT_FIND: {
      std::string find;
      long flags = 0;
      RETURN_IF_FAILED(args.String(0, &find));
      RETURN_IF_FAILED(args.Long(1, &flags));
      return SetLong(result, static_cast<long>(m_control.WindowProc(WM_WRILA_FIND, static_cast<WPARAM>(flags),
                                                                    reinterpret_cast<LPARAM>(find.c_str())))),
             S_OK;
    }
    case DISPID_EDIT_REPLACE: {
      std::string find, replace;
      long flags = 0;
      RETURN_IF_FAILED(args.String(0, &find));
      RETURN_IF_FAILED(args.String(1, &replace));
      RETURN_IF_FAILED(args.Long(2, &flags));
      std::string both = find;
      both.push_back('\0');
      both += replace;
      return SetLong(result, static_cast<long>(m_control.WindowProc(WM_WRILA_REPLACE, static_cast<WPARAM>(flags),
                                                                    reinterpret_cast<LPARAM>(both.c_str())))),
             S_OK;
    }
    case DISPID_EDIT_SETLINECOLOR:
    case DISPID_EDIT_ERASELINECOLOR: {
      long top = 0, bottom = 0, text = 0, back = 0;
      bool underline = false;
      RETURN_IF_FAILED(args.Long(0, &top));
      RETURN_IF_FAILED(args.Long(1, &bottom));
      if (id == DISPID_EDIT_SETLINECOLOR) {
        RETURN_IF_FAILED(args.Long(2, &text));
        RETURN_IF_FAILED(args.Long(3, &back));
        RETURN_IF_FAILED(args.Bool(4, &underline));
      }
      if (!IsActive()) return S_OK;
      const BOOL changed =
          id == DISPID_EDIT_SETLINECOLOR
              ? buffer.SetLineColor(static_cast<int>(top), static_cast<int>(bottom), static_cast<COLORREF>(text),
                                    static_cast<COLORREF>(back), underline)
              : buffer.EraseLineColor(static_cast<int>(top), static_cast<int>(bottom));
      if (changed) m_control.InvalidateFrom(m_control.m_topRow);
      return S_OK;
    }
    case DISPID_EDIT_LINEFROMCHAR: {
      bool logical = false;
      long index = 0;
      RETURN_IF_FAILED(args.Bool(0, &logical));
      RETURN_IF_FAILED(args.Long(1, &index));
      if (index == -1) return SetLong(result, logical ? m_control.m_caretLogical.y : m_control.m_caretView.y), S_OK;
      const POINT at = buffer.SerialToLogical(static_cast<int>(index));
      return SetLong(result, logical ? at.y : buffer.LogicalToViewClamped(at.x, at.y).y), S_OK;
    }
    case DISPID_EDIT_LINEINDEX: {
      bool logical = false;
      long line = 0;
      RETURN_IF_FAILED(args.Bool(0, &logical));
      RETURN_IF_FAILED(args.Long(1, &line));
      // The start of the caret's logical line in both modes.
      if (line == -1) return SetLong(result, buffer.LogicalToSerial(0, m_control.m_caretLogical.y)), S_OK;
      if (logical) return SetLong(result, buffer.LogicalToSerial(0, static_cast<int>(line))), S_OK;
      const POINT start = buffer.ViewToLogical(0, static_cast<int>(line), -1);
      return SetLong(result, buffer.LogicalToSerial(start.x, start.y)), S_OK;
    }
    case DISPID_EDIT_DEVTOVIEW:
    case DISPID_EDIT_VIEWTODEV: {
      long v = 0, h = 0;
      RETURN_IF_FAILED(args.Long(0, &v));
      RETURN_IF_FAILED(args.Long(1, &h));
      POINT out{};
      if (IsActive() && id == DISPID_EDIT_DEVTOVIEW) {
        out = m_control.CellAt(static_cast<int>(h), static_cast<int>(v));
      } else if (IsActive()) {
        out = POINT{m_control.ColumnToX(static_cast<int>(h)), m_control.RowToY(static_cast<int>(v))};
      }
      RETURN_IF_FAILED(args.Out(2, out.y));
      return args.Out(3, out.x);
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}
