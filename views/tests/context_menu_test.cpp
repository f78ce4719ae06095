#include <gtest/gtest.h>

#include <QWidget>
#include <cstring>
#include <string>
#include <vector>

#include "context_menu.h"
#include "plugin_base.h"
#include "ui/scripted_menu_chooser.h"
#include "view_base.h"

namespace {

std::vector<PluginContextMenuItem> g_items;
std::vector<std::pair<std::intptr_t, std::uint32_t>> g_calls;

std::int32_t Record(std::intptr_t context, std::uint32_t index) {
    g_calls.emplace_back(context, index);
    return 1;
}

std::int32_t BuildMenu(PluginAddMenuItemFn add) {
    for (const PluginContextMenuItem& item : g_items) add(&item);
    return 1;
}

PluginContextMenuItem Item(const char* text, std::uint32_t flags, PluginMenuHandler handler, std::uint32_t index) {
    PluginContextMenuItem item{};
    item.handler = handler;
    std::strncpy(item.text, text, sizeof item.text - 1);
    item.flags = flags;
    item.context = 77;
    item.index = index;
    return item;
}

class ViewWindow : public QWidget, public CViewBase {};

class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_items.clear();
        g_calls.clear();
        saved = g_hostApi.onBuildContextMenu;
        g_hostApi.onBuildContextMenu = &BuildMenu;
    }
    void TearDown() override { g_hostApi.onBuildContextMenu = saved; }

    void Show() { ShowContextMenu(&window, 5, 6, &window); }

    QELAOnBuildContextMenuFn saved = nullptr;
    ViewWindow window;
    ui::ScriptedMenuChooser chooser;
};

TEST_F(ContextMenuTest, ShowsTheItemsInOrderAndRunsTheChosenOne) {
    g_items = {Item("&New", 0, &Record, 0), Item("", PLUGIN_MENU_SEPARATOR, &Record, 9),
               Item("Edit", PLUGIN_MENU_GRAYED, &Record, 1), Item("Copy", 0, &Record, 4)};
    chooser.Pick(4);
    Show();
    ASSERT_EQ(chooser.shown().size(), 1u);
    const std::vector<ui::MenuItem>& shown = chooser.shown()[0];
    ASSERT_EQ(shown.size(), 4u);
    const char* texts[] = {"&New", "", "Edit", "Copy"};
    for (unsigned i = 0; i < 4; ++i) {
        EXPECT_EQ(shown[i].id, i + 1);
        EXPECT_EQ(shown[i].text, texts[i]);
        EXPECT_EQ(shown[i].flags, g_items[i].flags);
    }
    EXPECT_EQ(g_calls, (std::vector<std::pair<std::intptr_t, std::uint32_t>>{{77, 4}}));
}

TEST_F(ContextMenuTest, OnlyAnEnabledItemRunsItsHandler) {
    g_items = {Item("Null", 0, nullptr, 0), Item("", PLUGIN_MENU_SEPARATOR, &Record, 9),
               Item("Grey", PLUGIN_MENU_GRAYED, &Record, 1), Item("Run", 0, &Record, 2)};
    // Dismissed, a null handler, a separator, a grey item, an id past the end.
    for (unsigned id : {0u, 1u, 2u, 3u, 5u, 0xFFFFFFFFu}) {
        chooser.Pick(id);
        Show();
    }
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(chooser.shown().size(), 6u);
}

TEST_F(ContextMenuTest, NoItemsNoMenu) {
    Show();
    g_hostApi.onBuildContextMenu = nullptr;
    Show();
    EXPECT_TRUE(chooser.shown().empty());
}

TEST_F(ContextMenuTest, EveryMenuStartsFromAnEmptyListThatGrows) {
    for (std::uint32_t i = 0; i < 300; ++i) g_items.push_back(Item(std::to_string(i).c_str(), 0, &Record, i));
    // A text that fills its field with no terminating zero is cut at the field.
    std::memset(g_items[0].text, 'w', sizeof g_items[0].text);
    chooser.Pick(300);
    Show();
    chooser.Pick(300);
    Show();
    ASSERT_EQ(chooser.shown().size(), 2u);
    EXPECT_EQ(chooser.shown()[1].size(), 300u);
    EXPECT_EQ(chooser.shown()[1][0].text, std::string(256, 'w'));
    EXPECT_EQ(g_calls, (std::vector<std::pair<std::intptr_t, std::uint32_t>>{{77, 299}, {77, 299}}));
    EXPECT_EQ(AddContextMenuEntry(nullptr), 1);
}

}  // namespace
