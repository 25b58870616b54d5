#pragma once
// Windows virtual-key codes stay the data of key files and key tables; key events of wx are
// translated to them in one place. The modifier state that key handlers ask for is the state of
// the key event being dispatched, so a handler sees exactly the combination that was pressed.
#include "platform/base/WinTypes.h"

class wxKeyEvent;

enum : UINT {
  VK_CANCEL = 0x03,
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_CLEAR = 0x0C,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,
  VK_PAUSE = 0x13,
  VK_CAPITAL = 0x14,
  VK_KANA = 0x15,
  VK_KANJI = 0x19,
  VK_ESCAPE = 0x1B,
  VK_CONVERT = 0x1C,
  VK_NONCONVERT = 0x1D,
  VK_SPACE = 0x20,
  VK_PRIOR = 0x21,
  VK_NEXT = 0x22,
  VK_END = 0x23,
  VK_HOME = 0x24,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_SELECT = 0x29,
  VK_PRINT = 0x2A,
  VK_EXECUTE = 0x2B,
  VK_SNAPSHOT = 0x2C,
  VK_INSERT = 0x2D,
  VK_DELETE = 0x2E,
  VK_HELP = 0x2F,
  VK_LWIN = 0x5B,
  VK_RWIN = 0x5C,
  VK_APPS = 0x5D,
  VK_NUMPAD0 = 0x60,
  VK_MULTIPLY = 0x6A,
  VK_ADD = 0x6B,
  VK_SEPARATOR = 0x6C,
  VK_SUBTRACT = 0x6D,
  VK_DECIMAL = 0x6E,
  VK_DIVIDE = 0x6F,
  VK_F1 = 0x70,
  VK_F4 = 0x73,
  VK_F6 = 0x75,
  VK_F10 = 0x79,
  VK_F24 = 0x87,
  VK_NUMLOCK = 0x90,
  VK_SCROLL = 0x91,
  VK_OEM_1 = 0xBA,       // ':' on the Japanese keyboard
  VK_OEM_PLUS = 0xBB,    // ';'
  VK_OEM_COMMA = 0xBC,
  VK_OEM_MINUS = 0xBD,
  VK_OEM_PERIOD = 0xBE,
  VK_OEM_2 = 0xBF,       // '/'
  VK_OEM_3 = 0xC0,       // '@'
  VK_OEM_4 = 0xDB,       // '['
  VK_OEM_5 = 0xDC,       // '\' (yen)
  VK_OEM_6 = 0xDD,       // ']'
  VK_OEM_7 = 0xDE,       // '^'
  VK_OEM_102 = 0xE2,     // '\' (ro)
};

// A key press as the frames' key translation sees it: message WM_KEYDOWN, or WM_SYSKEYDOWN with
// Alt down; wParam the virtual key; lParam bit 29 set with Alt.
#ifndef WM_KEYDOWN
#define WM_KEYDOWN 0x0100
#define WM_SYSKEYDOWN 0x0104
#endif
struct MSG {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
// The key message of a key-down event; message 0 when the key has no virtual key.
MSG KeyMessageOf(const wxKeyEvent& event);

// The virtual key of a wx key code (as wxKeyEvent::GetKeyCode gives it on key-down); 0 when the
// key has none. Letters and digits are their upper-case ASCII codes; punctuation follows the
// Japanese keyboard layout.
UINT VirtualKeyFromWx(int wxKeyCode);

// The virtual key of a key-down event, including the Japanese input keys that wx reports only by
// their raw key symbol.
UINT VirtualKeyOf(const wxKeyEvent& event);

// High bit set while the key is down, as the Windows function reports it. Within the dispatch of
// a key event (KeyboardStateScope) the event's modifiers answer for Shift, Ctrl and Alt.
short GetKeyState(int virtualKey);
// Fills 256 bytes; only the modifier keys carry state (high bit when down).
BOOL GetKeyboardState(BYTE* keyState);

// Makes the modifiers of one key event the keyboard state for the duration of its dispatch.
class KeyboardStateScope {
 public:
  explicit KeyboardStateScope(const wxKeyEvent& event);
  ~KeyboardStateScope();
  KeyboardStateScope(const KeyboardStateScope&) = delete;
  KeyboardStateScope& operator=(const KeyboardStateScope&) = delete;

 private:
  int m_previous;
};
