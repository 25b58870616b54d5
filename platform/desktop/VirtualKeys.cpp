#include "platform/desktop/VirtualKeys.h"

#include <wx/event.h>
#include <wx/utils.h>

#include <cstring>

namespace {

struct KeyPair {
  int wx;
  UINT vk;
};

constexpr KeyPair kSpecialKeys[] = {
    {WXK_CANCEL, VK_CANCEL},     {WXK_BACK, VK_BACK},
    {WXK_TAB, VK_TAB},           {WXK_CLEAR, VK_CLEAR},
    {WXK_RETURN, VK_RETURN},     {WXK_SHIFT, VK_SHIFT},
    {WXK_CONTROL, VK_CONTROL},   {WXK_RAW_CONTROL, VK_CONTROL},
    {WXK_ALT, VK_MENU},          {WXK_PAUSE, VK_PAUSE},
    {WXK_CAPITAL, VK_CAPITAL},   {WXK_ESCAPE, VK_ESCAPE},
    {WXK_SPACE, VK_SPACE},       {WXK_PAGEUP, VK_PRIOR},
    {WXK_PAGEDOWN, VK_NEXT},     {WXK_END, VK_END},
    {WXK_HOME, VK_HOME},         {WXK_LEFT, VK_LEFT},
    {WXK_UP, VK_UP},             {WXK_RIGHT, VK_RIGHT},
    {WXK_DOWN, VK_DOWN},         {WXK_SELECT, VK_SELECT},
    {WXK_PRINT, VK_PRINT},       {WXK_EXECUTE, VK_EXECUTE},
    {WXK_SNAPSHOT, VK_SNAPSHOT}, {WXK_INSERT, VK_INSERT},
    {WXK_DELETE, VK_DELETE},     {WXK_HELP, VK_HELP},
    {WXK_WINDOWS_LEFT, VK_LWIN}, {WXK_WINDOWS_RIGHT, VK_RWIN},
    {WXK_WINDOWS_MENU, VK_APPS}, {WXK_MENU, VK_APPS},
    {WXK_MULTIPLY, VK_MULTIPLY}, {WXK_ADD, VK_ADD},
    {WXK_SEPARATOR, VK_SEPARATOR}, {WXK_SUBTRACT, VK_SUBTRACT},
    {WXK_DECIMAL, VK_DECIMAL},   {WXK_DIVIDE, VK_DIVIDE},
    {WXK_NUMLOCK, VK_NUMLOCK},   {WXK_SCROLL, VK_SCROLL},
    // The keypad: its operators keep their own keys, its navigation keys (Num Lock off) are the
    // ordinary ones, and its Enter is Enter, as on Windows.
    {WXK_NUMPAD_MULTIPLY, VK_MULTIPLY}, {WXK_NUMPAD_ADD, VK_ADD},
    {WXK_NUMPAD_SEPARATOR, VK_SEPARATOR}, {WXK_NUMPAD_SUBTRACT, VK_SUBTRACT},
    {WXK_NUMPAD_DECIMAL, VK_DECIMAL}, {WXK_NUMPAD_DIVIDE, VK_DIVIDE},
    {WXK_NUMPAD_ENTER, VK_RETURN}, {WXK_NUMPAD_SPACE, VK_SPACE},
    {WXK_NUMPAD_TAB, VK_TAB},     {WXK_NUMPAD_HOME, VK_HOME},
    {WXK_NUMPAD_END, VK_END},     {WXK_NUMPAD_LEFT, VK_LEFT},
    {WXK_NUMPAD_UP, VK_UP},       {WXK_NUMPAD_RIGHT, VK_RIGHT},
    {WXK_NUMPAD_DOWN, VK_DOWN},   {WXK_NUMPAD_PAGEUP, VK_PRIOR},
    {WXK_NUMPAD_PAGEDOWN, VK_NEXT}, {WXK_NUMPAD_INSERT, VK_INSERT},
    {WXK_NUMPAD_DELETE, VK_DELETE}, {WXK_NUMPAD_BEGIN, VK_CLEAR},
};

// Punctuation by the Japanese keyboard; the characters it has only with Shift come from the keys
// that carry them there.
constexpr KeyPair kPunctuation[] = {
    {':', VK_OEM_1},      {'*', VK_OEM_1},  {';', VK_OEM_PLUS}, {'+', VK_OEM_PLUS},
    {',', VK_OEM_COMMA},  {'<', VK_OEM_COMMA}, {'-', VK_OEM_MINUS}, {'=', VK_OEM_MINUS},
    {'.', VK_OEM_PERIOD}, {'>', VK_OEM_PERIOD}, {'/', VK_OEM_2},   {'?', VK_OEM_2},
    {'@', VK_OEM_3},      {'`', VK_OEM_3},  {'[', VK_OEM_4},    {'{', VK_OEM_4},
    {'\\', VK_OEM_5},     {'|', VK_OEM_5},  {']', VK_OEM_6},    {'}', VK_OEM_6},
    {'^', VK_OEM_7},      {'~', VK_OEM_7},  {'_', VK_OEM_102},
};

// Raw key symbols of the Japanese input keys (X key symbols, as GTK reports them).
constexpr struct {
  unsigned keysym;
  UINT vk;
} kInputKeys[] = {
    {0xFF21, VK_KANJI},       // Kanji
    {0xFF22, VK_NONCONVERT},  // Muhenkan
    {0xFF23, VK_CONVERT},     // Henkan
    {0xFF2A, VK_KANJI},       // Zenkaku_Hankaku
};

enum : int { kShift = 1, kCtrl = 2, kAlt = 4, kNoEvent = -1 };
int g_eventModifiers = kNoEvent;

bool ModifierDown(int bit, wxKeyCode key) {
  if (g_eventModifiers != kNoEvent) return (g_eventModifiers & bit) != 0;
  return wxGetKeyState(key);
}

}  // namespace

UINT VirtualKeyFromWx(int code) {
  if (code >= 'a' && code <= 'z') return static_cast<UINT>(code - 'a' + 'A');
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return static_cast<UINT>(code);
  if (code >= WXK_F1 && code <= WXK_F24) return VK_F1 + static_cast<UINT>(code - WXK_F1);
  if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9) return VK_NUMPAD0 + static_cast<UINT>(code - WXK_NUMPAD0);
  if (code == WXK_NUMPAD_F1) return VK_F1;
  for (const KeyPair& p : kSpecialKeys)
    if (p.wx == code) return p.vk;
  for (const KeyPair& p : kPunctuation)
    if (p.wx == code) return p.vk;
  return 0;
}

UINT VirtualKeyOf(const wxKeyEvent& event) {
  for (const auto& k : kInputKeys)
    if (event.GetRawKeyCode() == k.keysym) return k.vk;
  return VirtualKeyFromWx(event.GetKeyCode());
}

MSG KeyMessageOf(const wxKeyEvent& event) {
  MSG msg;
  msg.wParam = VirtualKeyOf(event);
  if (msg.wParam == 0) return msg;
  msg.message = event.AltDown() ? WM_SYSKEYDOWN : WM_KEYDOWN;
  msg.lParam = event.AltDown() ? LPARAM{1} << 29 : 0;
  return msg;
}

short GetKeyState(int virtualKey) {
  bool down = false;
  switch (virtualKey) {
    case VK_SHIFT: down = ModifierDown(kShift, WXK_SHIFT); break;
    case VK_CONTROL: down = ModifierDown(kCtrl, WXK_CONTROL); break;
    case VK_MENU: down = ModifierDown(kAlt, WXK_ALT); break;
    default: break;
  }
  return down ? static_cast<short>(0x8000) : 0;
}

BOOL GetKeyboardState(BYTE* keyState) {
  if (!keyState) return FALSE;
  std::memset(keyState, 0, 256);
  for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
    if (GetKeyState(vk) & 0x8000) keyState[vk] = 0x80;
  return TRUE;
}

KeyboardStateScope::KeyboardStateScope(const wxKeyEvent& event) : m_previous(g_eventModifiers) {
  g_eventModifiers = (event.ShiftDown() ? kShift : 0) | (event.RawControlDown() ? kCtrl : 0) |
                     (event.AltDown() ? kAlt : 0);
}

KeyboardStateScope::~KeyboardStateScope() { g_eventModifiers = m_previous; }
