#pragma once

// Virtual-key numbers of the key handlers, mapped from Qt's keys.

namespace ui {

inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;   // Alt
inline constexpr int VK_PAUSE = 0x13;
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
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_NUMPAD0 = 0x60;   // ... VK_NUMPAD9 = 0x69
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;        // ... VK_F24 = 0x87
// Digits and letters are their upper-case ASCII codes ('0'..'9', 'A'..'Z').

// 0 for a key without a number. keypad tells a key of the number pad.
int VirtualKeyFromQt(int qtKey, bool keypad = false);

// Whether Shift, Control or Alt is held now (other keys: false).
bool IsKeyDown(int virtualKey);

}  // namespace ui
