#pragma once
// The automation surface of the editing control: class and interface ids, the dispatch ids of
// IEdit and of its events, and the dual interfaces of the collections. One header serves the
// control and its hosts; it needs nothing but the platform's COM types.
#include "platform/com/ComTypes.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"

extern const GUID LIBID_WRILALib;
extern const IID IID_IEdit;
extern const IID DIID__IEditEvents;
extern const IID IID_IFaceItem;
extern const IID IID_IFaceList;
extern const IID IID_IHiliteItem;
extern const IID IID_IHiliteList;
extern const IID IID_IAccelItem;
extern const IID IID_IAccelList;

extern const CLSID CLSID_Edit;
extern const CLSID CLSID_FaceItem;
extern const CLSID CLSID_FaceList;
extern const CLSID CLSID_HiliteItem;
extern const CLSID CLSID_HiliteList;
extern const CLSID CLSID_AccelItem;
extern const CLSID CLSID_AccelList;
// The property pages.
extern const CLSID CLSID_TextPage;
extern const CLSID CLSID_MarginPage;
extern const CLSID CLSID_KinsokuPage;
extern const CLSID CLSID_FaceWrapPage;
extern const CLSID CLSID_HilitePage;
extern const CLSID CLSID_ShowPage;
extern const CLSID CLSID_ShowMarkPage;
extern const CLSID CLSID_LinkPage;
extern const CLSID CLSID_KeyboardPage;
extern const CLSID CLSID_FilePage;
extern const CLSID CLSID_DesignPage;
extern const CLSID CLSID_CommentPage;

// Dispatch ids of IEdit.
enum : DISPID {
  DISPID_BORDERSTYLE = -0x1F8,
  DISPID_TEXT = -0x205,
  DISPID_APPEARANCE = -0x208,
  DISPID_EDIT_READONLY = 0x01,
  DISPID_EDIT_SHOWEOF = 0x02,
  DISPID_EDIT_SHOWCR = 0x03,
  DISPID_EDIT_SHOWTAB = 0x04,
  DISPID_EDIT_SHOWLINENUMBER = 0x05,
  DISPID_EDIT_SHOWLOGICALLINE = 0x06,
  DISPID_EDIT_WORDWRAP = 0x07,
  DISPID_EDIT_FACEWRAP = 0x08,
  DISPID_EDIT_KINSOKUWRAP = 0x09,
  DISPID_EDIT_AUTOINDENT = 0x0A,
  DISPID_EDIT_OVERWRITE = 0x0B,
  DISPID_EDIT_HILITE = 0x0C,
  DISPID_EDIT_LINKURL = 0x0D,
  DISPID_EDIT_LINKMAILTO = 0x0E,
  DISPID_EDIT_LINKDOUBLECLICK = 0x0F,
  DISPID_EDIT_CRLFSEPARATEMARK = 0x10,
  DISPID_EDIT_SHOWRULER = 0x11,
  DISPID_EDIT_CONTROLIME = 0x12,
  DISPID_EDIT_SHOWDBSPACE = 0x13,
  DISPID_EDIT_WRAPMODE = 0x16,
  DISPID_EDIT_MARGINNORMAL = 0x17,
  DISPID_EDIT_MARGINQUOTE = 0x18,
  DISPID_EDIT_TABSPACE = 0x19,
  DISPID_EDIT_LINESPACE = 0x1A,
  DISPID_EDIT_HILITETAG = 0x1B,
  DISPID_EDIT_TAGLEFT = 0x1C,
  DISPID_EDIT_TAGRIGHT = 0x1D,
  DISPID_EDIT_PREFIX = 0x1E,
  DISPID_EDIT_KINSOKUBEGIN = 0x1F,
  DISPID_EDIT_KINSOKUEND = 0x20,
  DISPID_EDIT_PREFIXLIST = 0x21,
  DISPID_EDIT_TEXTCOLORS = 0x51,
  DISPID_EDIT_BACKCOLORS = 0x52,
  DISPID_EDIT_UNDERLINES = 0x53,
  DISPID_EDIT_FACELIST = 0x54,
  DISPID_EDIT_HILITELIST = 0x55,
  DISPID_EDIT_ACCELLIST = 0x56,
  DISPID_EDIT_MODIFIED = 0x57,
  DISPID_EDIT_NEEDEVENTS = 0x5A,
  DISPID_EDIT_LOADPROPERTIES = 0x5B,
  DISPID_EDIT_SAVEPROPERTIES = 0x5C,
  DISPID_EDIT_LOADFILE = 0x5D,
  DISPID_EDIT_SAVEFILE = 0x5E,
  DISPID_EDIT_KANJIREAD = 0x60,
  DISPID_EDIT_KANJIWRITE = 0x61,
  DISPID_EDIT_SAVECRLF = 0x62,
  DISPID_EDIT_SAVETABTOSPACE = 0x63,
  DISPID_EDIT_SAVEINSERTCR = 0x64,
  DISPID_EDIT_SEVENBITKANJI = 0x65,
  DISPID_EDIT_KANJIINCHAR = 0x66,
  DISPID_EDIT_KANJIOUTCHAR = 0x67,
  DISPID_EDIT_DELETEEMPTY = 0x68,
  DISPID_EDIT_EXECCOMMAND = 0x69,
  DISPID_EDIT_APPNAME = 0x6A,
  DISPID_EDIT_PROPTITLE = 0x6B,
  DISPID_EDIT_PROPPAGES = 0x6C,
  DISPID_EDIT_REGKEY = 0x6D,
  DISPID_EDIT_QUERYSTATUS = 0x6E,
  DISPID_EDIT_GETCARETPOS = 0x6F,
  DISPID_EDIT_SETCARETPOS = 0x70,
  DISPID_EDIT_GETSCROLLPOS = 0x71,
  DISPID_EDIT_SETSCROLLPOS = 0x72,
  DISPID_EDIT_SELTEXT = 0x73,
  DISPID_EDIT_SELSTART = 0x74,
  DISPID_EDIT_SELLENGTH = 0x75,
  DISPID_EDIT_SCROLLBARS = 0x76,
  DISPID_EDIT_SETLINECOLOR = 0x77,
  DISPID_EDIT_GETLINETEXT = 0x78,
  DISPID_EDIT_ERASELINECOLOR = 0x79,
  DISPID_EDIT_GETLINES = 0x7A,
  DISPID_EDIT_MARGIN = 0x7B,
  DISPID_EDIT_ALLOWCTRLCHARS = 0x7C,
  DISPID_EDIT_GETPAGESIZE = 0x7D,
  DISPID_EDIT_LINEFROMCHAR = 0x7E,
  DISPID_EDIT_LINEINDEX = 0x7F,
  DISPID_EDIT_LOGICALTOVIEW = 0x80,
  DISPID_EDIT_VIEWTOLOGICAL = 0x81,
  DISPID_EDIT_LOGICALTOSERIAL = 0x82,
  DISPID_EDIT_SERIALTOLOGICAL = 0x83,
  DISPID_EDIT_FONTSIZE = 0x84,
  DISPID_EDIT_FONTCHARSET = 0x85,
  DISPID_EDIT_FONTNAME = 0x86,
  DISPID_EDIT_SELLINKCONTEXTMENU = 0x87,
  DISPID_EDIT_DEVTOVIEW = 0x88,
  DISPID_EDIT_VIEWTODEV = 0x89,
  DISPID_EDIT_SCREENTOP = 0x8A,
  DISPID_EDIT_SCREENLEFT = 0x8B,
  DISPID_EDIT_HWND = 0x8C,
  DISPID_EDIT_FIND = 0x8D,
  DISPID_EDIT_REPLACE = 0x8E,
  DISPID_EDIT_HILITECOMMENT = 0x8F,
  DISPID_EDIT_COMMENTBEGIN = 0x90,
  DISPID_EDIT_COMMENTEND = 0x91,
  DISPID_EDIT_DBCHARURL = 0x92,
  DISPID_EDIT_KANAURL = 0x93,
};

// Dispatch ids of _IEditEvents.
enum : DISPID {
  DISPID_EVENT_ONLINKURL = 1,
  DISPID_EVENT_ONLINKMAILTO = 2,
  DISPID_EVENT_ONCONTEXTMENU = 3,
  DISPID_EVENT_ONPROPERTIES = 4,
  DISPID_EVENT_ONSELCHANGED = 5,
  DISPID_EVENT_ONCARETMOVED = 6,
  DISPID_EVENT_ONMODIFIED = 7,
  DISPID_EVENT_ONSCROLL = 8,
  DISPID_EVENT_ONPROPCHANGED = 9,
  DISPID_EVENT_CHANGE = 10,
};

// Dispatch ids of the collections and their items.
enum : DISPID {
  DISPID_LIST_ITEM = 0,
  DISPID_LIST_ADD = 1,
  DISPID_LIST_COUNT = 2,
  DISPID_ITEM_STRING = 1,
  DISPID_FACEITEM_ENABLE = 2,
  DISPID_HILITEITEM_CASE = 2,
  DISPID_HILITEITEM_INSIDETAG = 3,
  DISPID_HILITEITEM_RIGHTALL = 4,
  DISPID_HILITEITEM_WORD = 5,
  DISPID_HILITEITEM_COLOR = 6,
  DISPID_ACCELITEM_FLAGS = 1,
  DISPID_ACCELITEM_KEY = 2,
  DISPID_ACCELITEM_COMMAND = 3,
};

// IEdit's table of functions, after IDispatch's seven: the three stock properties, each put before
// its get, then every other member by dispatch id, a property's get before its put. Methods take
// their arguments in declared order, out arguments by pointer, and a result last.
struct IEdit : IDispatch {
  virtual HRESULT put_BorderStyle(LONG value) = 0;
  virtual HRESULT get_BorderStyle(LONG* value) = 0;
  virtual HRESULT put_Text(BSTR value) = 0;
  virtual HRESULT get_Text(BSTR* value) = 0;
  virtual HRESULT put_Appearance(short value) = 0;
  virtual HRESULT get_Appearance(short* value) = 0;
  virtual HRESULT get_ReadOnly(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ReadOnly(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ShowEOF(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ShowEOF(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ShowCR(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ShowCR(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ShowTab(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ShowTab(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ShowLineNumber(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ShowLineNumber(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ShowLogicalLine(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ShowLogicalLine(VARIANT_BOOL value) = 0;
  virtual HRESULT get_WordWrap(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_WordWrap(VARIANT_BOOL value) = 0;
  virtual HRESULT get_FaceWrap(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_FaceWrap(VARIANT_BOOL value) = 0;
  virtual HRESULT get_KinsokuWrap(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_KinsokuWrap(VARIANT_BOOL value) = 0;
  virtual HRESULT get_AutoIndent(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_AutoIndent(VARIANT_BOOL value) = 0;
  virtual HRESULT get_Overwrite(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Overwrite(VARIANT_BOOL value) = 0;
  virtual HRESULT get_Hilite(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Hilite(VARIANT_BOOL value) = 0;
  virtual HRESULT get_LinkURL(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_LinkURL(VARIANT_BOOL value) = 0;
  virtual HRESULT get_LinkMailTo(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_LinkMailTo(VARIANT_BOOL value) = 0;
  virtual HRESULT get_LinkDoubleClick(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_LinkDoubleClick(VARIANT_BOOL value) = 0;
  virtual HRESULT get_CrLfSeparateMark(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_CrLfSeparateMark(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ShowRuler(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ShowRuler(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ControlIME(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ControlIME(VARIANT_BOOL value) = 0;
  virtual HRESULT get_ShowDbSpace(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_ShowDbSpace(VARIANT_BOOL value) = 0;
  virtual HRESULT get_WrapMode(short* value) = 0;
  virtual HRESULT put_WrapMode(short value) = 0;
  virtual HRESULT get_MarginNormal(LONG* value) = 0;
  virtual HRESULT put_MarginNormal(LONG value) = 0;
  virtual HRESULT get_MarginQuote(LONG* value) = 0;
  virtual HRESULT put_MarginQuote(LONG value) = 0;
  virtual HRESULT get_TabSpace(short* value) = 0;
  virtual HRESULT put_TabSpace(short value) = 0;
  virtual HRESULT get_LineSpace(short* value) = 0;
  virtual HRESULT put_LineSpace(short value) = 0;
  virtual HRESULT get_HiliteTag(short* value) = 0;
  virtual HRESULT put_HiliteTag(short value) = 0;
  virtual HRESULT get_TagLeft(BSTR* value) = 0;
  virtual HRESULT put_TagLeft(BSTR value) = 0;
  virtual HRESULT get_TagRight(BSTR* value) = 0;
  virtual HRESULT put_TagRight(BSTR value) = 0;
  virtual HRESULT get_Prefix(BSTR* value) = 0;
  virtual HRESULT put_Prefix(BSTR value) = 0;
  virtual HRESULT get_KinsokuBegin(BSTR* value) = 0;
  virtual HRESULT put_KinsokuBegin(BSTR value) = 0;
  virtual HRESULT get_KinsokuEnd(BSTR* value) = 0;
  virtual HRESULT put_KinsokuEnd(BSTR value) = 0;
  virtual HRESULT get_PrefixList(BSTR* value) = 0;
  virtual HRESULT put_PrefixList(BSTR value) = 0;
  virtual HRESULT get_TextColors(VARIANT* value) = 0;
  virtual HRESULT put_TextColors(VARIANT value) = 0;
  virtual HRESULT get_BackColors(VARIANT* value) = 0;
  virtual HRESULT put_BackColors(VARIANT value) = 0;
  virtual HRESULT get_Underlines(VARIANT* value) = 0;
  virtual HRESULT put_Underlines(VARIANT value) = 0;
  virtual HRESULT get_FaceList(IUnknown** value) = 0;
  virtual HRESULT put_FaceList(IUnknown* value) = 0;
  virtual HRESULT get_HiliteList(IUnknown** value) = 0;
  virtual HRESULT put_HiliteList(IUnknown* value) = 0;
  virtual HRESULT get_AccelList(IUnknown** value) = 0;
  virtual HRESULT put_AccelList(IUnknown* value) = 0;
  virtual HRESULT get_Modified(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Modified(VARIANT_BOOL value) = 0;
  virtual HRESULT NeedEvents(LONG Flags) = 0;
  virtual HRESULT LoadProperties() = 0;
  virtual HRESULT SaveProperties() = 0;
  virtual HRESULT LoadFile(BSTR FileName) = 0;
  virtual HRESULT SaveFile(BSTR FileName) = 0;
  virtual HRESULT get_KanjiRead(short* value) = 0;
  virtual HRESULT put_KanjiRead(short value) = 0;
  virtual HRESULT get_KanjiWrite(short* value) = 0;
  virtual HRESULT put_KanjiWrite(short value) = 0;
  virtual HRESULT get_SaveCrLf(short* value) = 0;
  virtual HRESULT put_SaveCrLf(short value) = 0;
  virtual HRESULT get_SaveTabToSpace(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_SaveTabToSpace(VARIANT_BOOL value) = 0;
  virtual HRESULT get_SaveInsertCR(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_SaveInsertCR(VARIANT_BOOL value) = 0;
  virtual HRESULT get_SevenBitKanji(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_SevenBitKanji(VARIANT_BOOL value) = 0;
  virtual HRESULT get_KanjiInChar(BSTR* value) = 0;
  virtual HRESULT put_KanjiInChar(BSTR value) = 0;
  virtual HRESULT get_KanjiOutChar(BSTR* value) = 0;
  virtual HRESULT put_KanjiOutChar(BSTR value) = 0;
  virtual HRESULT get_DeleteEmpty(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DeleteEmpty(VARIANT_BOOL value) = 0;
  virtual HRESULT ExecCommand(LONG cmdID) = 0;
  virtual HRESULT get_AppName(BSTR* value) = 0;
  virtual HRESULT put_AppName(BSTR value) = 0;
  virtual HRESULT get_PropTitle(BSTR* value) = 0;
  virtual HRESULT put_PropTitle(BSTR value) = 0;
  virtual HRESULT get_PropPages(LONG* value) = 0;
  virtual HRESULT put_PropPages(LONG value) = 0;
  virtual HRESULT get_RegKey(BSTR* value) = 0;
  virtual HRESULT put_RegKey(BSTR value) = 0;
  virtual HRESULT QueryStatus(LONG cmdID, short* status) = 0;
  virtual HRESULT GetCaretPos(VARIANT_BOOL bLogical, LONG* PosV, LONG* PosH) = 0;
  virtual HRESULT SetCaretPos(VARIANT_BOOL bLogical, LONG PosV, LONG PosH) = 0;
  virtual HRESULT GetScrollPos(LONG* PosV, LONG* PosH) = 0;
  virtual HRESULT SetScrollPos(LONG PosV, LONG PosH) = 0;
  virtual HRESULT get_SelText(BSTR* value) = 0;
  virtual HRESULT put_SelText(BSTR value) = 0;
  virtual HRESULT get_SelStart(LONG* value) = 0;
  virtual HRESULT put_SelStart(LONG value) = 0;
  virtual HRESULT get_SelLength(LONG* value) = 0;
  virtual HRESULT put_SelLength(LONG value) = 0;
  virtual HRESULT get_ScrollBars(short* value) = 0;
  virtual HRESULT put_ScrollBars(short value) = 0;
  virtual HRESULT SetLineColor(LONG yLogicalTop, LONG yLogicalBottom, LONG TextColor, LONG BackColor,
                               VARIANT_BOOL bUnderline) = 0;
  virtual HRESULT GetLineText(VARIANT_BOOL bLogical, LONG y, VARIANT_BOOL bCrLf, BSTR* text) = 0;
  virtual HRESULT EraseLineColor(LONG yLogicalTop, LONG yLogicalBottom) = 0;
  virtual HRESULT GetLines(VARIANT_BOOL bLogical, LONG* lines) = 0;
  virtual HRESULT get_Margin(LONG* value) = 0;
  virtual HRESULT get_AllowCtrlChars(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_AllowCtrlChars(VARIANT_BOOL value) = 0;
  virtual HRESULT GetPageSize(LONG* SizeV, LONG* SizeH) = 0;
  virtual HRESULT LineFromChar(VARIANT_BOOL bLogical, LONG nIndex, LONG* line) = 0;
  virtual HRESULT LineIndex(VARIANT_BOOL bLogical, LONG nLine, LONG* index) = 0;
  virtual HRESULT LogicalToView(LONG LogicalV, LONG LogicalH, LONG* ViewV, LONG* ViewH) = 0;
  virtual HRESULT ViewToLogical(LONG ViewV, LONG ViewH, LONG* LogicalV, LONG* LogicalH) = 0;
  virtual HRESULT LogicalToSerial(LONG LogicalV, LONG LogicalH, LONG* serial) = 0;
  virtual HRESULT SerialToLogical(LONG Serial, LONG* LogicalV, LONG* LogicalH) = 0;
  virtual HRESULT get_FontSize(CY* value) = 0;
  virtual HRESULT put_FontSize(CY value) = 0;
  virtual HRESULT get_FontCharset(short* value) = 0;
  virtual HRESULT put_FontCharset(short value) = 0;
  virtual HRESULT get_FontName(BSTR* value) = 0;
  virtual HRESULT put_FontName(BSTR value) = 0;
  virtual HRESULT get_SelLinkContextMenu(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_SelLinkContextMenu(VARIANT_BOOL value) = 0;
  virtual HRESULT DevToView(LONG DevV, LONG DevH, LONG* ViewV, LONG* ViewH) = 0;
  virtual HRESULT ViewToDev(LONG ViewV, LONG ViewH, LONG* DevV, LONG* DevH) = 0;
  virtual HRESULT get_screenTop(LONG* value) = 0;
  virtual HRESULT get_screenLeft(LONG* value) = 0;
  virtual HRESULT get_hWnd(LONG* value) = 0;
  virtual HRESULT Find(BSTR strFind, LONG nFlags, LONG* result) = 0;
  virtual HRESULT Replace(BSTR strFind, BSTR strReplace, LONG nFlags, LONG* result) = 0;
  virtual HRESULT get_HiliteComment(short* value) = 0;
  virtual HRESULT put_HiliteComment(short value) = 0;
  virtual HRESULT get_CommentBegin(BSTR* value) = 0;
  virtual HRESULT put_CommentBegin(BSTR value) = 0;
  virtual HRESULT get_CommentEnd(BSTR* value) = 0;
  virtual HRESULT put_CommentEnd(BSTR value) = 0;
  virtual HRESULT get_DBCharUrl(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_DBCharUrl(VARIANT_BOOL value) = 0;
  virtual HRESULT get_KanaUrl(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_KanaUrl(VARIANT_BOOL value) = 0;

 protected:
  ~IEdit() = default;
};

// The dual interfaces: after IDispatch's seven, the members in dispatch-id order, a property's get
// before its put. Hosts may call either way.
struct IFaceItem : IDispatch {
  virtual HRESULT get_String(BSTR* value) = 0;
  virtual HRESULT put_String(BSTR value) = 0;
  virtual HRESULT get_Enable(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Enable(VARIANT_BOOL value) = 0;

 protected:
  ~IFaceItem() = default;
};

struct IHiliteItem : IDispatch {
  virtual HRESULT get_String(BSTR* value) = 0;
  virtual HRESULT put_String(BSTR value) = 0;
  virtual HRESULT get_Case(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Case(VARIANT_BOOL value) = 0;
  virtual HRESULT get_InsideTag(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_InsideTag(VARIANT_BOOL value) = 0;
  virtual HRESULT get_RightAll(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_RightAll(VARIANT_BOOL value) = 0;
  virtual HRESULT get_Word(VARIANT_BOOL* value) = 0;
  virtual HRESULT put_Word(VARIANT_BOOL value) = 0;
  virtual HRESULT get_Color(short* value) = 0;
  virtual HRESULT put_Color(short value) = 0;

 protected:
  ~IHiliteItem() = default;
};

struct IAccelItem : IDispatch {
  virtual HRESULT get_Flags(short* value) = 0;
  virtual HRESULT put_Flags(short value) = 0;
  virtual HRESULT get_Key(short* value) = 0;
  virtual HRESULT put_Key(short value) = 0;
  virtual HRESULT get_Command(short* value) = 0;
  virtual HRESULT put_Command(short value) = 0;

 protected:
  ~IAccelItem() = default;
};

// The three lists share their members; the item interface differs.
template <class ItemInterface>
struct IWrilaList : IDispatch {
  virtual HRESULT Item(VARIANT index, VARIANT* item) = 0;
  virtual HRESULT Add(ItemInterface* item) = 0;
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;

 protected:
  ~IWrilaList() = default;
};
struct IFaceList : IWrilaList<IFaceItem> {};
struct IHiliteList : IWrilaList<IHiliteItem> {};
struct IAccelList : IWrilaList<IAccelItem> {};
