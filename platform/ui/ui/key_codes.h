#pragma once

// Virtual-key numbers of the key handlers, mapped from Qt's keys.

class QWidget;

namespace ui {

inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_CLEAR = 0x0C;   // keypad 5 without Num Lock
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;   // Alt
inline constexpr int VK_PAUSE = 0x13;
inline constexpr int VK_CAPITAL = 0x14;   // Caps Lock
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_SNAPSHOT = 0x2C;   // Print
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_HELP = 0x2F;
inline constexpr int VK_LWIN = 0x5B;
inline constexpr int VK_RWIN = 0x5C;
inline constexpr int VK_APPS = 0x5D;      // the context-menu key
inline constexpr int VK_NUMPAD0 = 0x60;   // ... VK_NUMPAD9 = 0x69
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;        // ... VK_F24 = 0x87
inline constexpr int VK_NUMLOCK = 0x90;
inline constexpr int VK_SCROLL = 0x91;
// The punctuation keys, named by what they carry on a US keyboard.
inline constexpr int VK_OEM_1 = 0xBA;        // ; :
inline constexpr int VK_OEM_PLUS = 0xBB;     // = +
inline constexpr int VK_OEM_COMMA = 0xBC;    // , <
inline constexpr int VK_OEM_MINUS = 0xBD;    // - _
inline constexpr int VK_OEM_PERIOD = 0xBE;   // . >
inline constexpr int VK_OEM_2 = 0xBF;        // / ?
inline constexpr int VK_OEM_3 = 0xC0;        // ` ~
inline constexpr int VK_OEM_4 = 0xDB;        // [ {
inline constexpr int VK_OEM_5 = 0xDC;        // \ |
inline constexpr int VK_OEM_6 = 0xDD;        // ] }
inline constexpr int VK_OEM_7 = 0xDE;        // ' "
inline constexpr int VK_OEM_102 = 0xE2;      // the extra key beside left Shift
// Digits and letters are their upper-case ASCII codes ('0'..'9', 'A'..'Z').

// The number of the key a key press came from; 0 for a key without one.
// keypad tells a key of the number pad. A key names itself, not the
// character Shift made of it: Shift+1 is '1' whatever the layout gives, as
// the key's native scan code (an X keycode; 0 when unknown) shows for the
// row of digits. Characters of other layouts take the number of the key
// at the same place on a US keyboard.
int VirtualKeyFromQt(int qtKey, bool keypad = false, unsigned scanCode = 0);

// Whether Shift, Control or Alt is held now (other keys: false).
bool IsKeyDown(int virtualKey);

// Whether an open menu, context menu or list of a combo box has the
// keyboard, or the menu bar is being worked with the keys. The window system
// may still hand such keys to the focus widget of the window behind first.
bool MenuHasKeyboard();
// Whether keys typed now go to this top-level window itself: it is the
// active window and no menu has the keyboard.
bool HasKeyboard(const QWidget* window);

}  // namespace ui
