#include <gtest/gtest.h>

#include <Qt>

#include "ui/key_codes.h"

namespace {

TEST(KeyCodes, QtKeysMapToVirtualKeys) {
    struct Case { int qt; bool keypad; int vk; };
    const Case cases[] = {
        {Qt::Key_PageUp, false, ui::VK_PRIOR},   {Qt::Key_PageDown, false, ui::VK_NEXT},
        {Qt::Key_Home, false, ui::VK_HOME},      {Qt::Key_End, false, ui::VK_END},
        {Qt::Key_Left, false, ui::VK_LEFT},      {Qt::Key_Up, false, ui::VK_UP},
        {Qt::Key_Right, false, ui::VK_RIGHT},    {Qt::Key_Down, false, ui::VK_DOWN},
        {Qt::Key_Enter, true, ui::VK_RETURN},    {Qt::Key_Return, false, ui::VK_RETURN},
        {Qt::Key_Delete, false, ui::VK_DELETE},  {Qt::Key_Escape, false, ui::VK_ESCAPE},
        {Qt::Key_A, false, 'A'},                 {Qt::Key_Z, false, 'Z'},
        {Qt::Key_7, false, '7'},                 {Qt::Key_7, true, ui::VK_NUMPAD0 + 7},
        {Qt::Key_F1, false, ui::VK_F1},          {Qt::Key_F12, false, ui::VK_F1 + 11},
        {Qt::Key_Plus, true, ui::VK_ADD},        {Qt::Key_Plus, false, 0},
        {Qt::Key_Alt, false, ui::VK_MENU},       {Qt::Key_unknown, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::VirtualKeyFromQt(c.qt, c.keypad), c.vk) << std::hex << c.qt;
}

}  // namespace
