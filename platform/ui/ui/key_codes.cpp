#include "ui/key_codes.h"

#include <QApplication>
#include <QMenuBar>

namespace ui {

namespace {

// X keycodes (evdev + 8) of the main block, by their place on a US keyboard.
int VirtualKeyFromScanCode(unsigned scanCode) {
    static constexpr char kDigitRow[] = "1234567890";
    static constexpr char kTopRow[] = "QWERTYUIOP";
    static constexpr char kHomeRow[] = "ASDFGHJKL";
    static constexpr char kBottomRow[] = "ZXCVBNM";
    if (scanCode >= 10 && scanCode <= 19) return kDigitRow[scanCode - 10];
    if (scanCode >= 24 && scanCode <= 33) return kTopRow[scanCode - 24];
    if (scanCode >= 38 && scanCode <= 46) return kHomeRow[scanCode - 38];
    if (scanCode >= 52 && scanCode <= 58) return kBottomRow[scanCode - 52];
    switch (scanCode) {
    case 20: return VK_OEM_MINUS;
    case 21: return VK_OEM_PLUS;
    case 34: return VK_OEM_4;
    case 35: return VK_OEM_6;
    case 47: return VK_OEM_1;
    case 48: return VK_OEM_7;
    case 49: return VK_OEM_3;
    case 51: return VK_OEM_5;
    case 59: return VK_OEM_COMMA;
    case 60: return VK_OEM_PERIOD;
    case 61: return VK_OEM_2;
    case 94: return VK_OEM_102;
    default: return 0;
    }
}

int KeypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Slash: return VK_DIVIDE;
    default: return 0;
    }
}

// The character keys of a US keyboard, unshifted and shifted.
int CharacterKey(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;   // Qt uses the same ASCII codes
    switch (qtKey) {
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return VK_OEM_1;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    case Qt::Key_Slash:
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return VK_OEM_7;
    default: return 0;
    }
}

int NamedKey(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Clear: return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Help: return VK_HELP;
    case Qt::Key_Meta:
    case Qt::Key_Super_L: return VK_LWIN;
    case Qt::Key_Super_R: return VK_RWIN;
    case Qt::Key_Menu: return VK_APPS;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    default: return 0;
    }
}

}  // namespace

int VirtualKeyFromQt(int qtKey, bool keypad, unsigned scanCode) {
    if (keypad) {
        if (const int key = KeypadKey(qtKey)) return key;
    }
    // The row of digits keeps its numbers in every layout, shifted or not.
    const int byPlace = VirtualKeyFromScanCode(scanCode);
    if (byPlace >= '0' && byPlace <= '9' && !keypad) return byPlace;
    if (const int key = NamedKey(qtKey)) return key;
    if (const int key = CharacterKey(qtKey)) return key;
    return keypad ? 0 : byPlace;
}

bool IsKeyDown(int virtualKey) {
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    switch (virtualKey) {
    case VK_SHIFT: return held & Qt::ShiftModifier;
    case VK_CONTROL: return held & Qt::ControlModifier;
    case VK_MENU: return held & Qt::AltModifier;
    default: return false;
    }
}

bool MenuHasKeyboard() {
    // A popup never becomes the active window; it takes the keyboard all the same.
    return QApplication::activePopupWidget() != nullptr ||
           qobject_cast<const QMenuBar*>(QApplication::focusWidget()) != nullptr;
}

bool HasKeyboard(const QWidget* window) {
    return window != nullptr && window->isActiveWindow() && !MenuHasKeyboard();
}

}  // namespace ui
