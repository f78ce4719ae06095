#include <gtest/gtest.h>

#include "ui/popup_menu.h"
#include "ui/scripted_menu_chooser.h"

namespace {

TEST(PopupMenu, AnswersOnlyEnabledItems) {
    ui::PopupMenu menu;
    menu.Append(0, 1, "&Open");
    menu.Append(ui::MF_SEPARATOR, 2, "ignored");
    menu.Append(ui::MF_GRAYED, 3, "Grey");
    menu.Append(0, 4, "Close");
    EXPECT_EQ(menu.Items()[1].text, "");
    struct Case {
        unsigned picked, answer;
    } cases[] = {{1, 1}, {4, 4}, {0, 0}, {2, 0}, {3, 0}, {9, 0}};
    ui::ScriptedMenuChooser chooser;
    for (const Case& c : cases) {
        chooser.Pick(c.picked);
        EXPECT_EQ(menu.Track(nullptr, QPoint(1, 2)), c.answer) << c.picked;
    }
    EXPECT_EQ(chooser.shown().size(), std::size(cases));
    EXPECT_EQ(chooser.shown()[0].size(), 4u);
    // Unscripted: dismissed.
    EXPECT_EQ(menu.Track(nullptr, QPoint()), 0u);
    EXPECT_EQ(chooser.unscripted(), 1);
}

TEST(PopupMenu, AnEmptyMenuShowsNothing) {
    ui::ScriptedMenuChooser chooser;
    chooser.Pick(1);
    EXPECT_EQ(ui::PopupMenu().Track(nullptr, QPoint()), 0u);
    EXPECT_TRUE(chooser.shown().empty());
}

TEST(PopupMenu, ScriptedChoosersNestAndRestore) {
    EXPECT_EQ(ui::InstalledMenuChooser(), nullptr);
    {
        ui::ScriptedMenuChooser outer;
        {
            ui::ScriptedMenuChooser inner;
            EXPECT_EQ(ui::InstalledMenuChooser(), &inner);
            EXPECT_EQ(&ui::OwnMenuChooser(), &inner);
        }
        EXPECT_EQ(ui::InstalledMenuChooser(), &outer);
    }
    EXPECT_EQ(ui::InstalledMenuChooser(), nullptr);
}

}  // namespace
