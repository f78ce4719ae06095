#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "booking_clipboard.h"
#include "fake_plan.h"
#include "host_messages.h"
#include "host_objects.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "plugin_manager.h"
#include "settings_store.h"
#include "string_ids.h"
#include "test_support.h"

using shelltest::FakeBooking;
using shelltest::FakePlan;

namespace {

CResource* const kResource = reinterpret_cast<CResource*>(0x100);
CTask* const kTask = reinterpret_cast<CTask*>(0x200);

// The main window with one visible view that reports a fixed selection.
class FrameWithView : public IHostFrame {
public:
    QelWnd Window() override { return reinterpret_cast<QelWnd>(0x77); }
    void SetStatusBarText(std::string_view, std::string_view) override {}
    bool RunNamedCommand(HostCommand, void*) override { return false; }
    void RunFrameCommand(unsigned id) override { frameCommands.push_back(id); }
    void ShowWaitCursor(bool) override {}
    void ReloadSettings() override {}
    void RegisterView(QelWnd) override {}
    bool SendToVisibleView(unsigned message, std::uintptr_t, std::intptr_t lParam) override {
        if (message != WM_PLUGIN_GET_SELECTION) return true;
        auto& record = *reinterpret_cast<SelectionRecord*>(lParam);
        seen = record;
        record.startDate = periodSelected ? 2460000 : 0;
        record.bookingCount = selectedBookings;
        return true;
    }
    std::vector<unsigned> frameCommands;
    SelectionRecord seen{};
    bool periodSelected = false;
    int selectedBookings = 0;
};

std::vector<PluginContextMenuItem> g_items;
std::int32_t CollectItem(const PluginContextMenuItem* item) {
    g_items.push_back(*item);
    return 1;
}

class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        shelltest::TestHost();   // the texts come from the resource library
        SettingsStore().Clear();
        g_items.clear();
        plan.resourceList.members = {kResource};
        plan.taskList.members = {kTask};
        clipboard.resource = kResource;
        clipboard.task = kTask;
        Host() = HostObjects{&plan, nullptr, &clipboard, &frame};
    }
    void TearDown() override {
        PluginManager().UnloadAll();
        Host() = HostObjects{};
    }

    std::vector<std::uint32_t> Flags() const {
        std::vector<std::uint32_t> flags;
        for (const auto& item : g_items) flags.push_back(item.flags);
        return flags;
    }

    FakePlan plan;
    FakeBooking clipboard;
    FrameWithView frame;
};

constexpr std::uint32_t G = PLUGIN_MENU_GRAYED;
constexpr std::uint32_t S = PLUGIN_MENU_SEPARATOR;

TEST_F(ContextMenuTest, HostItemsAreEnabledByDocumentSelectionAndClipboard) {
    const struct {
        const char* what;
        bool writeProtected;
        bool resources;
        bool period;
        int bookings;
        bool clipboardValid;
        std::vector<std::uint32_t> flags;   // new, edit, delete, separator, cut, copy, paste
    } cases[] = {
        {"everything", false, true, true, 2, true, {0, 0, 0, S, 0, 0, 0}},
        {"empty document", false, false, true, 0, false, {G, G, G, S, G, G, G}},
        {"write-protected", true, true, true, 1, true, {G, 0, G, S, G, G, G}},
        {"no period", false, true, false, 1, true, {G, 0, 0, S, 0, 0, G}},
        {"clipboard resource deleted", false, true, true, 0, false, {0, G, G, S, G, G, G}},
    };
    for (const auto& c : cases) {
        g_items.clear();
        plan.props.writeProtected = c.writeProtected;
        plan.resourceList.members.assign(c.resources ? 1 : 0, kResource);
        if (c.resources && !c.clipboardValid) plan.resourceList.members = {reinterpret_cast<CResource*>(0x101)};
        frame.periodSelected = c.period;
        frame.selectedBookings = c.bookings;

        EXPECT_EQ(QELA_OnBuildContextMenu(&CollectItem), 1);
        ASSERT_EQ(g_items.size(), 7u) << c.what;
        EXPECT_EQ(Flags(), c.flags) << c.what;
        const unsigned editText = c.writeProtected ? ids::CONTEXT_VIEW_BOOKING : ids::CONTEXT_EDIT_BOOKING;
        EXPECT_EQ(std::string(g_items[1].text), plat::LoadResString(editText)) << c.what;
    }
}

TEST_F(ContextMenuTest, ItemsCarryTextsIndicesAndTheFrameAndRunFrameCommands) {
    plan.bookingList.count = 3;
    QELA_OnBuildContextMenu(&CollectItem);
    ASSERT_EQ(g_items.size(), 7u);

    EXPECT_EQ(frame.seen.bookingCapacity, 3) << "selection sized from the document";
    EXPECT_NE(frame.seen.bookings, nullptr);
    EXPECT_EQ(frame.seen.resourceCapacity, 1);
    EXPECT_EQ(frame.seen.taskCapacity, 1);

    const unsigned texts[] = {9500, 9501, 9502, 0, 9503, 9504, 9505};
    const std::uint32_t indices[] = {0, 1, 2, 0, 3, 4, 5};
    for (std::size_t i = 0; i < g_items.size(); ++i) {
        EXPECT_EQ(std::string(g_items[i].text), texts[i] != 0 ? plat::LoadResString(texts[i]) : "") << i;
        EXPECT_EQ(g_items[i].index, indices[i]) << i;
        EXPECT_EQ(g_items[i].context, reinterpret_cast<std::intptr_t>(frame.Window())) << i;
        ASSERT_NE(g_items[i].handler, nullptr);
    }
    for (std::uint32_t index = 0; index <= 6; ++index) {
        EXPECT_EQ(g_items[0].handler(g_items[0].context, index), 1);
    }
    EXPECT_EQ(frame.frameCommands,
              (std::vector<unsigned>{32768, 32769, 32770, 32781, 32782, 32783}));
}

std::int32_t LogItem(const PluginContextMenuItem*) {
    SettingsStore().SetSetting("+FixtureLog", "item");
    return 1;
}

TEST_F(ContextMenuTest, PluginsAddTheirItemsAfterTheHost) {
    testing::TempDirectory dir;
    PluginManager().LoadAll({shelltest::InstallFixture(dir, "full", "p.plugin")},
                            shelltest::TestHost());
    SettingsStore().SetSetting("FixtureLog", "");
    QELA_OnBuildContextMenu(&LogItem);
    std::vector<std::string> expected(7, "item");
    expected.push_back("p.BuildContextMenu");
    EXPECT_EQ(shelltest::FixtureLog(), expected);
}

TEST_F(ContextMenuTest, ClipboardCopiesTheFirstBookingOrClears) {
    FakeBooking source;
    source.startDay = 42;
    source.resource = kResource;
    source.task = kTask;
    CBooking* items[] = {&source, nullptr};
    CBooking* nullFirst[] = {nullptr, &source};

    const struct {
        CBooking* const* items;
        std::int32_t count;
        bool holdsBooking;
    } cases[] = {
        {items, 2, true}, {nullFirst, 2, false}, {items, 0, false}, {items, -1, false},
        {nullptr, 1, false},
    };
    for (const auto& c : cases) {
        clipboard = FakeBooking{};
        EXPECT_EQ(QELA_SetClipboardInfo(c.items, c.count), 1);
        EXPECT_EQ(clipboard.resource != nullptr && clipboard.task != nullptr, c.holdsBooking);
        if (c.holdsBooking) {
            EXPECT_EQ(clipboard.startDay, 42);
        }
        EXPECT_EQ(CanPasteBooking(), c.holdsBooking);
    }

    CBooking* out = nullptr;
    std::int32_t flag = 0;
    EXPECT_EQ(QELA_GetClipboardInfo(&out, &flag), 1);
    EXPECT_EQ(out, &clipboard);
    EXPECT_EQ(flag, 1);
}

}  // namespace
