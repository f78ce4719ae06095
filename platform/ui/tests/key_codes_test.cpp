#include <gtest/gtest.h>

#include <Qt>

#include "ui/key_codes.h"

namespace {

// X keycodes of a few keys, as the window system reports them.
constexpr unsigned kScanDigit1 = 10;
constexpr unsigned kScanDigit7 = 16;
constexpr unsigned kScanDigit0 = 19;
constexpr unsigned kScanQ = 24;
constexpr unsigned kScanSemicolon = 47;
constexpr unsigned kScanApostrophe = 48;
constexpr unsigned kScanLessGreater = 94;
constexpr unsigned kScanKeypad7 = 79;

TEST(KeyCodes, EveryKeyOfTheKeyboardHasItsNumber) {
    struct Case { int qt; bool keypad; unsigned scan; int vk; };
    const Case cases[] = {
        // Navigation and editing.
        {Qt::Key_PageUp, false, 0, ui::VK_PRIOR},   {Qt::Key_PageDown, false, 0, ui::VK_NEXT},
        {Qt::Key_Home, false, 0, ui::VK_HOME},      {Qt::Key_End, false, 0, ui::VK_END},
        {Qt::Key_Left, false, 0, ui::VK_LEFT},      {Qt::Key_Up, false, 0, ui::VK_UP},
        {Qt::Key_Right, false, 0, ui::VK_RIGHT},    {Qt::Key_Down, false, 0, ui::VK_DOWN},
        {Qt::Key_Return, false, 0, ui::VK_RETURN},  {Qt::Key_Delete, false, 0, ui::VK_DELETE},
        {Qt::Key_Escape, false, 0, ui::VK_ESCAPE},  {Qt::Key_Backtab, false, 0, ui::VK_TAB},
        // Letters and digits, unshifted and shifted (US layout).
        {Qt::Key_A, false, 0, 'A'},                 {Qt::Key_Z, false, 0, 'Z'},
        {Qt::Key_7, false, 0, '7'},                 {Qt::Key_Exclam, false, 0, '1'},
        {Qt::Key_At, false, 0, '2'},                {Qt::Key_Asterisk, false, 0, '8'},
        {Qt::Key_ParenRight, false, 0, '0'},
        // Punctuation, both characters of each key.
        {Qt::Key_Semicolon, false, 0, ui::VK_OEM_1},  {Qt::Key_Colon, false, 0, ui::VK_OEM_1},
        {Qt::Key_Plus, false, 0, ui::VK_OEM_PLUS},    {Qt::Key_Comma, false, 0, ui::VK_OEM_COMMA},
        {Qt::Key_Underscore, false, 0, ui::VK_OEM_MINUS}, {Qt::Key_Greater, false, 0, ui::VK_OEM_PERIOD},
        {Qt::Key_Question, false, 0, ui::VK_OEM_2},   {Qt::Key_AsciiTilde, false, 0, ui::VK_OEM_3},
        {Qt::Key_BraceLeft, false, 0, ui::VK_OEM_4},  {Qt::Key_Bar, false, 0, ui::VK_OEM_5},
        {Qt::Key_BracketRight, false, 0, ui::VK_OEM_6}, {Qt::Key_QuoteDbl, false, 0, ui::VK_OEM_7},
        // The keypad, with Num Lock on and off.
        {Qt::Key_7, true, kScanKeypad7, ui::VK_NUMPAD0 + 7}, {Qt::Key_Home, true, kScanKeypad7, ui::VK_HOME},
        {Qt::Key_Plus, true, 0, ui::VK_ADD},        {Qt::Key_Minus, true, 0, ui::VK_SUBTRACT},
        {Qt::Key_Asterisk, true, 0, ui::VK_MULTIPLY}, {Qt::Key_Slash, true, 0, ui::VK_DIVIDE},
        {Qt::Key_Period, true, 0, ui::VK_DECIMAL},  {Qt::Key_Comma, true, 0, ui::VK_DECIMAL},
        {Qt::Key_Enter, true, 0, ui::VK_RETURN},    {Qt::Key_Clear, true, 0, ui::VK_CLEAR},
        // Locks, function keys and the rest.
        {Qt::Key_CapsLock, false, 0, ui::VK_CAPITAL}, {Qt::Key_NumLock, false, 0, ui::VK_NUMLOCK},
        {Qt::Key_ScrollLock, false, 0, ui::VK_SCROLL}, {Qt::Key_Print, false, 0, ui::VK_SNAPSHOT},
        {Qt::Key_Pause, false, 0, ui::VK_PAUSE},    {Qt::Key_Menu, false, 0, ui::VK_APPS},
        {Qt::Key_F1, false, 0, ui::VK_F1},          {Qt::Key_F12, false, 0, ui::VK_F1 + 11},
        {Qt::Key_F24, false, 0, ui::VK_F1 + 23},
        {Qt::Key_Alt, false, 0, ui::VK_MENU},       {Qt::Key_AltGr, false, 0, ui::VK_MENU},
        {Qt::Key_Shift, false, 0, ui::VK_SHIFT},    {Qt::Key_Control, false, 0, ui::VK_CONTROL},
        {Qt::Key_unknown, false, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::VirtualKeyFromQt(c.qt, c.keypad, c.scan), c.vk) << std::hex << c.qt;
}

// Where the window system tells the key's place, a key keeps its number in
// any layout: the digits row with Shift or on a French keyboard, letters of
// a Cyrillic layout, national characters and dead keys.
TEST(KeyCodes, TheKeysPlaceDecidesWhatTheCharacterCannot) {
    struct Case { int qt; unsigned scan; int vk; };
    const Case cases[] = {
        {Qt::Key_Ampersand, kScanDigit1, '1'},   // French layout, unshifted
        {Qt::Key_Slash, kScanDigit7, '7'},       // German layout, Shift+7
        {Qt::Key_Equal, kScanDigit0, '0'},       // German layout, Shift+0
        {Qt::Key_Exclam, kScanDigit1, '1'},
        {0x0419, kScanQ, 'Q'},                   // Cyrillic short I, on the Q key
        {Qt::Key_Odiaeresis, kScanSemicolon, ui::VK_OEM_1},
        {Qt::Key_Adiaeresis, kScanApostrophe, ui::VK_OEM_7},
        {Qt::Key_Dead_Circumflex, 49, ui::VK_OEM_3},
        {Qt::Key_unknown, kScanLessGreater, ui::VK_OEM_102},
        {Qt::Key_A, kScanQ, 'A'},                // AZERTY: the letter the layout gives
        {Qt::Key_Odiaeresis, 0, 0},              // nothing to go by
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::VirtualKeyFromQt(c.qt, false, c.scan), c.vk) << std::hex << c.qt;
}

}  // namespace
