#pragma once
// The program's window around the editing control. The control lives in its own library, which the
// program never links: it is created at run time by its class id and driven only through its
// dispatch interface, by dispatch id. Each member the program calls has one function here that
// makes exactly one dispatch call. A window whose control could not be created still exists; its
// calls then do nothing and getters answer zero, FALSE or an empty string.
#include <wx/panel.h>

#include <functional>
#include <memory>
#include <span>

#include "platform/com/COleDispatchDriver.h"
#include "platform/base/CString.h"
#include "platform/com/ComTypes.h"
#include "platform/com/Variant.h"

struct IInPlaceControl;
class EventSink;

class CWrila : public wxPanel {
 public:
  // Dispatch ids of the control's event interface that hosts ask for.
  enum Event : DISPID {
    kEventLinkURL = 1,
    kEventContextMenu = 3,
    kEventCaretMoved = 6,
    kEventChange = 10,
  };
  using EventHandler = std::function<void(DISPID id, std::span<const VARIANT> args)>;

  CWrila();
  ~CWrila() override;

  static const CLSID& GetClsid();
  // Creates the window and, inside it, the control by class id; the window is made even when the
  // control cannot be (FALSE then), so its host keeps working without text.
  BOOL Create(wxWindow* parent, wxWindowID id, const wxRect& rect);
  // Registers the control's library from lib/ beside the program's bin/ folder, as an installer
  // would; FALSE when neither that nor an earlier registration provides the control.
  static BOOL RegisterControlLibrary();

  bool HasControl() const { return m_driver.m_lpDispatch != nullptr; }
  // The control's own window (child of this one); null without a control.
  wxWindow* GetControlWindow() const { return m_pControlWindow; }
  // Events arrive at the handler by dispatch id, arguments in declared order.
  void SetEventHandler(EventHandler handler);

  CString GetText();
  void SetText(const char* text);
  void SetAppearance(short value);
  BOOL GetReadOnly();
  void SetReadOnly(BOOL value);
  BOOL GetOverwrite();
  void SetOverwrite(BOOL value);
  void SetWrapMode(short value);
  short GetTabSpace();
  void SetTabSpace(short value);
  // The control's background colours; element 14 is the text area's.
  CComVariant GetBackColors();
  // The control's accelerator collection (an IDispatch with Count, Item and, per item, Key, Flags).
  IDispatch* GetAccelList();
  BOOL GetModified();
  void SetModified(BOOL value);
  void NeedEvents(long flags);
  void LoadProperties();
  void SaveProperties();
  void ExecCommand(long command);
  void SetAppName(const char* name);
  void SetPropTitle(const char* title);
  void SetPropPages(long pages);
  void SetRegKey(const char* key);
  // The marks between which the control colours a comment (footnotes, to the program).
  void SetCommentBegin(const char* mark);
  void SetCommentEnd(const char* mark);
  short QueryStatus(long command);
  void GetCaretPos(BOOL logical, long* v, long* h);
  void GetScrollPos(long* v, long* h);
  void SetScrollPos(long v, long h);
  CString GetSelText();
  void SetSelText(const char* text);
  long GetSelStart();
  void SetSelStart(long offset);
  long GetSelLength();
  void SetSelLength(long length);
  CString GetLineText(BOOL logical, long y, BOOL withLineEnd);
  // Lines of the text: logical lines (ended by line ends) or display rows.
  long GetLines(BOOL logical);
  // The line holding a serial offset, and the serial offset of a line's start.
  long LineFromChar(BOOL logical, long index);
  long LineIndex(BOOL logical, long line);
  void SetFontSize(CY size);
  void SetFontCharset(short charset);
  void SetFontName(const char* name);
  void DevToView(long devV, long devH, long* viewV, long* viewH);
  void ViewToDev(long viewV, long viewH, long* devV, long* devH);

 private:
  void OnSizeChanged(wxSizeEvent& event);
  void Destroyed();
  // A property's value; zero or empty when there is no control.
  template <typename T>
  T Get(DISPID id, VARTYPE type) {
    T value{};
    m_driver.GetProperty(id, type, &value);
    return value;
  }
  // A method taking two positions and giving back two.
  void Convert(DISPID id, long inV, long inH, long* outV, long* outH);

  COleDispatchDriver m_driver;
  IInPlaceControl* m_pInPlace = nullptr;
  EventSink* m_pSink = nullptr;
  wxWindow* m_pControlWindow = nullptr;
  EventHandler m_handler;
};
