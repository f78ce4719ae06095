#include <gtest/gtest.h>

#include "command_text.h"
#include "plugin_records.h"

namespace {

TEST(CommandText, MenuAndButtonTextsOfAResourceString) {
    struct Case {
        const char* resource;
        const char* shortcut;
        const char* menu;
        const char* button;
    } cases[] = {
        {"Creates a new document\n&New", "Ctrl+N", "&New\tCtrl+N", "New"},
        {"Saves the document under a new name\nSave &As...", "", "Save &As...", "Save As"},
        {"Prints\nR&&D Report", "", "R&&D Report", "R&D Report"},
        {"&Exit", "", "&Exit", "Exit"},            // no status prompt
        {"Trailing mnemonic\nOdd&", "", "Odd&", "Odd&"},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandMenuText(c.resource, c.shortcut), c.menu) << c.resource;
        EXPECT_EQ(CommandButtonText(c.resource), c.button) << c.resource;
    }
}

TEST(CommandText, ShortcutNames) {
    EXPECT_EQ(ShortcutText('N', KEY_MODIFIER_CTRL), "Ctrl+N");
    EXPECT_EQ(ShortcutText('A', KEY_MODIFIER_CTRL | KEY_MODIFIER_SHIFT), "Ctrl+Shift+A");
    EXPECT_EQ(ShortcutText('4', KEY_MODIFIER_ALT), "Alt+4");
    EXPECT_EQ(ShortcutText(0x70, 0), "F1");
    EXPECT_EQ(ShortcutText(0x7B, KEY_MODIFIER_SHIFT), "Shift+F12");
    EXPECT_EQ(ShortcutText(0x2E, 0), "Del");
    EXPECT_EQ(ShortcutText(0x2D, KEY_MODIFIER_CTRL), "");   // Insert has no name here
}

}  // namespace
