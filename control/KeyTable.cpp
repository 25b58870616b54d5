#include "control/KeyTable.h"

#include <cstdio>

namespace {

// Virtual-key codes used here (the Windows values, which key files and tables store).
enum : WORD {
  kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D, kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12,
  kVkPause = 0x13, kVkCapital = 0x14, kVkEscape = 0x1B, kVkSpace = 0x20, kVkPrior = 0x21, kVkNext = 0x22,
  kVkEnd = 0x23, kVkHome = 0x24, kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28,
  kVkSnapshot = 0x2C, kVkInsert = 0x2D, kVkDelete = 0x2E, kVkLWin = 0x5B, kVkRWin = 0x5C, kVkApps = 0x5D,
  kVkNumpad0 = 0x60, kVkMultiply = 0x6A, kVkAdd = 0x6B, kVkSubtract = 0x6D, kVkDecimal = 0x6E,
  kVkDivide = 0x6F, kVkF1 = 0x70, kVkF3 = 0x72, kVkF5 = 0x74, kVkF8 = 0x77, kVkF9 = 0x78, kVkF24 = 0x87,
  kVkNumLock = 0x90, kVkScroll = 0x91,
};

constexpr BYTE kV = ACCELF_VIRTKEY | ACCELF_NOINVERT;
constexpr BYTE kC = ACCELF_CONTROL;
constexpr BYTE kS = ACCELF_SHIFT;
constexpr BYTE kA = ACCELF_ALT;

std::uint32_t KeyOf(BYTE flags, WORD key) {
  return (static_cast<std::uint32_t>(flags & (ACCELF_VIRTKEY | ACCELF_SHIFT | ACCELF_CONTROL | ACCELF_ALT)) << 16) | key;
}

const char* FixedKeyName(UINT key) {
  switch (key) {
    case kVkBack: return "Backspace";
    case kVkTab: return "Tab";
    case kVkReturn: return "Enter";
    case kVkShift: return "Shift";
    case kVkControl: return "Ctrl";
    case kVkMenu: return "Alt";
    case kVkPause: return "Pause";
    case kVkCapital: return "Caps Lock";
    case kVkEscape: return "Esc";
    case kVkSpace: return "Space";
    case kVkPrior: return "Page Up";
    case kVkNext: return "Page Down";
    case kVkEnd: return "End";
    case kVkHome: return "Home";
    case kVkLeft: return "Left";
    case kVkUp: return "Up";
    case kVkRight: return "Right";
    case kVkDown: return "Down";
    case kVkSnapshot: return "Prnt Scrn";
    case kVkInsert: return "Insert";
    case kVkDelete: return "Delete";
    case kVkLWin: return "Left Windows";
    case kVkRWin: return "Right Windows";
    case kVkApps: return "Application";
    case kVkMultiply: return "Num *";
    case kVkAdd: return "Num +";
    case kVkSubtract: return "Num -";
    case kVkDecimal: return "Num Del";
    case kVkDivide: return "Num /";
    case kVkNumLock: return "Num Lock";
    case kVkScroll: return "Scroll Lock";
    case 0xBA: return ";";
    case 0xBB: return "=";
    case 0xBC: return ",";
    case 0xBD: return "-";
    case 0xBE: return ".";
    case 0xBF: return "/";
    case 0xC0: return "`";
    case 0xDB: return "[";
    case 0xDC: return "\\";
    case 0xDD: return "]";
    case 0xDE: return "'";
    default: return nullptr;
  }
}

}  // namespace

CAccelTable::CAccelTable(const std::vector<CAccelEntry>& entries) {
  for (const CAccelEntry& entry : entries) m_map.emplace(KeyOf(entry.fVirt, entry.key), entry.cmd);
}

WORD CAccelTable::Translate(BYTE flags, WORD key) const {
  const auto it = m_map.find(KeyOf(flags, key));
  return it == m_map.end() ? 0 : it->second;
}

const std::vector<CAccelEntry>& GetDefaultAccelEntries() {
  static const std::vector<CAccelEntry> table = {
      {kV | kC, '1', 32825}, {kV | kC, '2', 32826}, {kV | kC, '3', 32827},
      {kV | kC, 'A', 57642}, {kV | kC, 'C', 57634}, {kV | kC | kS, 'C', 32857},
      {kV | kC, 'D', 32814}, {kV | kC, 'F', 57636}, {kV | kC, 'G', 32837},
      {kV | kC, 'H', 57641}, {kV | kC, 'L', 32816}, {kV | kC | kS, 'L', 32815},
      {kV | kC, 'Q', 32776}, {kV | kC | kS, 'Q', 32858}, {kV | kC, 'T', 32842},
      {kV | kC, 'U', 32786}, {kV | kC | kS, 'U', 32785}, {kV | kC, 'V', 57637},
      {kV, kVkBack, 32812}, {kV | kA, kVkBack, 57643}, {kV, kVkDelete, 32789},
      {kV | kC, kVkDelete, 32852}, {kV | kS, kVkDelete, 57635}, {kV, kVkDown, 32790},
      {kV | kC, kVkDown, 32822}, {kV | kS, kVkDown, 32803}, {kV, kVkEnd, 32797},
      {kV | kC, kVkEnd, 32799}, {kV | kA, kVkEnd, 32860}, {kV | kS, kVkEnd, 32807},
      {kV | kC | kS, kVkEnd, 32809}, {kV | kA | kS, kVkEnd, 32862}, {kV, kVkEscape, 32813},
      {kV, kVkF3, 57640}, {kV | kC, kVkF3, 32850}, {kV | kA, kVkF3, 32824},
      {kV | kS, kVkF3, 32823}, {kV | kC | kS, kVkF3, 32851}, {kV, kVkF5, 32779},
      {kV | kS, kVkF5, 32844}, {kV, kVkF8, 32847}, {kV | kC, kVkF8, 32849},
      {kV | kC | kS, kVkF8, 32848}, {kV, kVkF9, 32855}, {kV, kVkHome, 32796},
      {kV | kC, kVkHome, 32798}, {kV | kA, kVkHome, 32859}, {kV | kS, kVkHome, 32806},
      {kV | kC | kS, kVkHome, 32808}, {kV | kA | kS, kVkHome, 32861}, {kV, kVkInsert, 32782},
      {kV | kC, kVkInsert, 57634}, {kV | kS, kVkInsert, 57637}, {kV, kVkLeft, 32793},
      {kV | kC, kVkLeft, 32818}, {kV | kS, kVkLeft, 32801}, {kV | kC | kS, kVkLeft, 32820},
      {kV, kVkNext, 32794}, {kV | kS, kVkNext, 32805}, {kV, kVkPrior, 32795},
      {kV | kS, kVkPrior, 32804}, {kV, kVkReturn, 32881}, {kV | kA, kVkReturn, 32831},
      {kV | kS, kVkReturn, 32853}, {kV | kC | kS, kVkReturn, 32854}, {kV, kVkRight, 32792},
      {kV | kC, kVkRight, 32817}, {kV | kS, kVkRight, 32800}, {kV | kC | kS, kVkRight, 32819},
      {kV, kVkTab, 32810}, {kV | kS, kVkTab, 32811}, {kV, kVkUp, 32791},
      {kV | kC, kVkUp, 32821}, {kV | kS, kVkUp, 32802}, {kV | kC, 'W', 32836},
      {kV | kC, 'X', 57635}, {kV | kC, 'Y', 57644}, {kV | kC, 'Z', 57643},
  };
  return table;
}

CRefString GetKeyName(UINT virtualKey) {
  if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
    return CRefString(static_cast<char>(virtualKey), 1);
  if (virtualKey >= kVkNumpad0 && virtualKey <= kVkNumpad0 + 9) {
    return CRefString("Num ") + static_cast<char>('0' + virtualKey - kVkNumpad0);
  }
  if (virtualKey >= kVkF1 && virtualKey <= kVkF24) {
    char name[8];
    std::snprintf(name, sizeof(name), "F%u", virtualKey - kVkF1 + 1);
    return CRefString(name);
  }
  const char* fixed = FixedKeyName(virtualKey);
  return fixed ? CRefString(fixed) : CRefString();
}

CRefString GetKeyText(const CAccelEntry& entry) {
  static const CRefString altPrefix = GetKeyName(kVkMenu) + "+";
  static const CRefString ctrlPrefix = GetKeyName(kVkControl) + "+";
  static const CRefString shiftPrefix = GetKeyName(kVkShift) + "+";
  CRefString text;
  if (entry.fVirt & ACCELF_ALT) text += altPrefix;
  if (entry.fVirt & ACCELF_CONTROL) text += ctrlPrefix;
  if (entry.fVirt & ACCELF_VIRTKEY) {
    if (entry.fVirt & ACCELF_SHIFT) text += shiftPrefix;
    if (entry.key >= 146 || entry.key == kVkShift || entry.key == kVkControl || entry.key == kVkMenu) return CRefString();
    text += GetKeyName(entry.key);
  } else {
    text += static_cast<char>(entry.key);
  }
  return text;
}
