#include "control/component/EditMembers.h"

#include <vector>

#include "control/component/WrilaInterfaces.h"

namespace {

constexpr EditMemberKind P = EditMemberKind::Property;
constexpr EditMemberKind R = EditMemberKind::ReadOnlyProperty;
constexpr EditMemberKind M = EditMemberKind::Method;

// In the order of the interface's table: the stock properties, then by dispatch id.
constexpr EditMember kMembers[] = {
    {"BorderStyle", DISPID_BORDERSTYLE, VT_I4, P},
    {"Text", DISPID_TEXT, VT_BSTR, P},
    {"Appearance", DISPID_APPEARANCE, VT_I2, P},
    {"ReadOnly", 0x01, VT_BOOL, P},
    {"ShowEOF", 0x02, VT_BOOL, P},
    {"ShowCR", 0x03, VT_BOOL, P},
    {"ShowTab", 0x04, VT_BOOL, P},
    {"ShowLineNumber", 0x05, VT_BOOL, P},
    {"ShowLogicalLine", 0x06, VT_BOOL, P},
    {"WordWrap", 0x07, VT_BOOL, P},
    {"FaceWrap", 0x08, VT_BOOL, P},
    {"KinsokuWrap", 0x09, VT_BOOL, P},
    {"AutoIndent", 0x0A, VT_BOOL, P},
    {"Overwrite", 0x0B, VT_BOOL, P},
    {"Hilite", 0x0C, VT_BOOL, P},
    {"LinkURL", 0x0D, VT_BOOL, P},
    {"LinkMailTo", 0x0E, VT_BOOL, P},
    {"LinkDoubleClick", 0x0F, VT_BOOL, P},
    {"CrLfSeparateMark", 0x10, VT_BOOL, P},
    {"ShowRuler", 0x11, VT_BOOL, P},
    {"ControlIME", 0x12, VT_BOOL, P},
    {"ShowDbSpace", 0x13, VT_BOOL, P},
    {"WrapMode", 0x16, VT_I2, P},
    {"MarginNormal", 0x17, VT_I4, P},
    {"MarginQuote", 0x18, VT_I4, P},
    {"TabSpace", 0x19, VT_I2, P},
    {"LineSpace", 0x1A, VT_I2, P},
    {"HiliteTag", 0x1B, VT_I2, P},
    {"TagLeft", 0x1C, VT_BSTR, P},
    {"TagRight", 0x1D, VT_BSTR, P},
    {"Prefix", 0x1E, VT_BSTR, P},
    {"KinsokuBegin", 0x1F, VT_BSTR, P},
    {"KinsokuEnd", 0x20, VT_BSTR, P},
    {"PrefixList", 0x21, VT_BSTR, P},
    {"TextColors", 0x51, VT_VARIANT, P},
    {"BackColors", 0x52, VT_VARIANT, P},
    {"Underlines", 0x53, VT_VARIANT, P},
    {"FaceList", 0x54, VT_UNKNOWN, P},
    {"HiliteList", 0x55, VT_UNKNOWN, P},
    {"AccelList", 0x56, VT_UNKNOWN, P},
    {"Modified", 0x57, VT_BOOL, P},
    {"NeedEvents", 0x5A, VT_EMPTY, M},
    {"LoadProperties", 0x5B, VT_EMPTY, M},
    {"SaveProperties", 0x5C, VT_EMPTY, M},
    {"LoadFile", 0x5D, VT_EMPTY, M},
    {"SaveFile", 0x5E, VT_EMPTY, M},
    {"KanjiRead", 0x60, VT_I2, P},
    {"KanjiWrite", 0x61, VT_I2, P},
    {"SaveCrLf", 0x62, VT_I2, P},
    {"SaveTabToSpace", 0x63, VT_BOOL, P},
    {"SaveInsertCR", 0x64, VT_BOOL, P},
    {"SevenBitKanji", 0x65, VT_BOOL, P},
    {"KanjiInChar", 0x66, VT_BSTR, P},
    {"KanjiOutChar", 0x67, VT_BSTR, P},
    {"DeleteEmpty", 0x68, VT_BOOL, P},
    {"ExecCommand", 0x69, VT_EMPTY, M},
    {"AppName", 0x6A, VT_BSTR, P},
    {"PropTitle", 0x6B, VT_BSTR, P},
    {"PropPages", 0x6C, VT_I4, P},
    {"RegKey", 0x6D, VT_BSTR, P},
    {"QueryStatus", 0x6E, VT_EMPTY, M},
    {"GetCaretPos", 0x6F, VT_EMPTY, M},
    {"SetCaretPos", 0x70, VT_EMPTY, M},
    {"GetScrollPos", 0x71, VT_EMPTY, M},
    {"SetScrollPos", 0x72, VT_EMPTY, M},
    {"SelText", 0x73, VT_BSTR, P},
    {"SelStart", 0x74, VT_I4, P},
    {"SelLength", 0x75, VT_I4, P},
    {"ScrollBars", 0x76, VT_I2, P},
    {"SetLineColor", 0x77, VT_EMPTY, M},
    {"GetLineText", 0x78, VT_EMPTY, M},
    {"EraseLineColor", 0x79, VT_EMPTY, M},
    {"GetLines", 0x7A, VT_EMPTY, M},
    {"Margin", 0x7B, VT_I4, R},
    {"AllowCtrlChars", 0x7C, VT_BOOL, P},
    {"GetPageSize", 0x7D, VT_EMPTY, M},
    {"LineFromChar", 0x7E, VT_EMPTY, M},
    {"LineIndex", 0x7F, VT_EMPTY, M},
    {"LogicalToView", 0x80, VT_EMPTY, M},
    {"ViewToLogical", 0x81, VT_EMPTY, M},
    {"LogicalToSerial", 0x82, VT_EMPTY, M},
    {"SerialToLogical", 0x83, VT_EMPTY, M},
    {"FontSize", 0x84, VT_CY, P},
    {"FontCharset", 0x85, VT_I2, P},
    {"FontName", 0x86, VT_BSTR, P},
    {"SelLinkContextMenu", 0x87, VT_BOOL, P},
    {"DevToView", 0x88, VT_EMPTY, M},
    {"ViewToDev", 0x89, VT_EMPTY, M},
    {"screenTop", 0x8A, VT_I4, R},
    {"screenLeft", 0x8B, VT_I4, R},
    {"hWnd", 0x8C, VT_I4, R},
    {"Find", 0x8D, VT_EMPTY, M},
    {"Replace", 0x8E, VT_EMPTY, M},
    {"HiliteComment", 0x8F, VT_I2, P},
    {"CommentBegin", 0x90, VT_BSTR, P},
    {"CommentEnd", 0x91, VT_BSTR, P},
    {"DBCharUrl", 0x92, VT_BOOL, P},
    {"KanaUrl", 0x93, VT_BOOL, P},
};

constexpr DISPID kPersisted[] = {
    DISPID_APPEARANCE, DISPID_BORDERSTYLE, DISPID_TEXT, 0x01, 0x0B, 0x12, 0x6C, 0x6A, 0x6B, 0x6D, 0x7C, 0x05, 0x60,
    0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x07, 0x08, 0x0C, 0x8F, 0x90, 0x91, 0x02, 0x03, 0x04, 0x06, 0x09,
    0x0A, 0x0D, 0x0E, 0x0F, 0x87, 0x92, 0x93, 0x10, 0x11, 0x13, 0x76, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D,
    0x1E, 0x1F, 0x20, 0x21, 0x84, 0x85, 0x86};
static_assert(std::size(kPersisted) == 58);

}  // namespace

const EditMember* FindEditMember(DISPID id) {
  for (const EditMember& member : kMembers)
    if (member.id == id) return &member;
  return nullptr;
}

std::span<const DispatchName> EditMemberNames() {
  static const std::vector<DispatchName> names = [] {
    std::vector<DispatchName> list;
    for (const EditMember& member : kMembers) list.push_back({member.name, member.id});
    return list;
  }();
  return names;
}

std::span<const DISPID> PersistedProperties() { return kPersisted; }
