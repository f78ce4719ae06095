#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host_messages.h"
#include "host_objects.h"
#include "plugin_api.h"
#include "plugin_manager.h"
#include "settings_store.h"
#include "test_support.h"

using shelltest::FixtureLog;
using shelltest::InstallFixture;
using shelltest::TestHost;

namespace {

// A main frame that records what the host asked of it.
class RecordingFrame : public IHostFrame {
public:
    QelWnd Window() override { return reinterpret_cast<QelWnd>(0x1234); }
    void SetStatusBarText(std::string_view pane0, std::string_view pane1) override {
        panes.emplace_back(pane0);
        panes.emplace_back(pane1);
    }
    bool RunNamedCommand(HostCommand command, void* arg) override {
        commands.push_back(command);
        args.push_back(arg);
        return commandsBuilt;
    }
    void RunFrameCommand(unsigned id) override { frameCommands.push_back(id); }
    void ShowWaitCursor(bool on) override { calls.push_back(on ? "wait" : "unwait"); }
    void ReloadSettings() override { calls.push_back("reload"); }
    void RegisterView(QelWnd window) override { views.push_back(window); }
    bool SendToVisibleView(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        sent.push_back({message, wParam, lParam});
        if (message == WM_PLUGIN_GET_SELECTION && onSelection) {
            onSelection(*reinterpret_cast<SelectionRecord*>(lParam));
        }
        return hasView;
    }

    struct Message {
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<std::string> panes;
    std::vector<HostCommand> commands;
    std::vector<void*> args;
    std::vector<unsigned> frameCommands;
    std::vector<std::string> calls;
    std::vector<QelWnd> views;
    std::vector<Message> sent;
    std::function<void(SelectionRecord&)> onSelection;
    bool hasView = true;
    bool commandsBuilt = true;
};

class HostInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        Host() = HostObjects{};
    }
    void TearDown() override {
        PluginManager().UnloadAll();
        Host() = HostObjects{};
    }
    testing::TempDirectory dir;
};

// Exact-size heap buffers, so that the sanitizer sees every byte written past the end.
TEST_F(HostInterfaceTest, GetSettingNeverWritesOutsideItsBuffer) {
    QELA_SetSetting("Ten", "0123456789");
    QELA_SetSetting("Accent", "a\xC3\xA9");
    const struct {
        const char* key;
        int size;
        const char* expected;   // null: the call returns null and writes nothing
    } cases[] = {
        {"Ten", 4, "012"},        {"Ten", 10, "012345678"}, {"Ten", 11, "0123456789"},
        {"Ten", 1, ""},           {"Ten", 0, nullptr},      {"Ten", -1, nullptr},
        {"Ten", -32768, nullptr}, {"Missing", 5, ""},       {"", 8, nullptr},
        {"Accent", 3, "a"},       {"Accent", 4, "a\xC3\xA9"},
    };
    for (const auto& c : cases) {
        const std::size_t allocated = c.size > 0 ? static_cast<std::size_t>(c.size) : 1;
        std::unique_ptr<char[]> buffer(new char[allocated]);
        std::memset(buffer.get(), '#', allocated);
        char* result = QELA_GetSetting(c.key, buffer.get(), static_cast<std::int16_t>(c.size));
        if (c.expected == nullptr) {
            EXPECT_EQ(result, nullptr) << c.key << " " << c.size;
            EXPECT_EQ(buffer[0], '#') << c.key << " " << c.size;
            continue;
        }
        ASSERT_EQ(result, buffer.get()) << c.key << " " << c.size;
        EXPECT_STREQ(result, c.expected) << c.key << " " << c.size;
        for (std::size_t i = std::strlen(c.expected); i < allocated; ++i) {
            EXPECT_EQ(buffer[i], '\0') << "tail not zero-filled at " << i;
        }
    }
    char one = '#';
    EXPECT_EQ(QELA_GetSetting(nullptr, &one, 1), nullptr);
    EXPECT_EQ(QELA_GetSetting("Ten", nullptr, 8), nullptr);
    EXPECT_EQ(one, '#');
}

TEST_F(HostInterfaceTest, SetSettingStoresThroughTheStore) {
    EXPECT_EQ(QELA_SetSetting("", "x"), 1);
    EXPECT_EQ(QELA_SetSetting(nullptr, "x"), 1);
    EXPECT_EQ(SettingsStore().GetSetting(""), "");
    EXPECT_EQ(QELA_SetSetting("Key", "old"), 1);
    EXPECT_EQ(QELA_SetSetting("+key", "new"), 1);
    EXPECT_EQ(SettingsStore().GetSetting("KEY"), "old\nnew");
    EXPECT_EQ(QELA_SetSetting("Key", nullptr), 1);
    EXPECT_EQ(SettingsStore().GetSetting("Key"), "");
}

TEST_F(HostInterfaceTest, NullArgumentsAreRefusedOrIgnored) {
    EXPECT_EQ(QELA_Register(nullptr, &dir), 0);
    EXPECT_EQ(QELA_Register(QELA_REGISTER_VIEW, nullptr), 0);
    EXPECT_EQ(QELA_Register(QELA_REGISTER_REPORT, nullptr), 0);
    EXPECT_EQ(QELA_Register(QELA_REGISTER_EXPORT, nullptr), 0);
    EXPECT_EQ(QELA_RegisterCommand(nullptr), 0);
    EXPECT_EQ(QELA_Command(nullptr, nullptr), 0);
    EXPECT_EQ(QELA_GetCurrentSelection(nullptr), 1);
    EXPECT_EQ(QELA_OnBuildContextMenu(nullptr), 1);
    EXPECT_EQ(QELA_GetClipboardInfo(nullptr, nullptr), 1);
    EXPECT_EQ(QELA_SetClipboardInfo(nullptr, 3), 1);
    EXPECT_EQ(QELA_GetPublicFilter(nullptr), 1);
    EXPECT_EQ(QELA_LoadSettings(nullptr), 1);
    EXPECT_EQ(QELA_SaveSettings(nullptr, 0), 1);

    CBooking* booking = reinterpret_cast<CBooking*>(&dir);
    std::int32_t flag = 7;
    EXPECT_EQ(QELA_GetClipboardInfo(&booking, &flag), 1);
    EXPECT_EQ(booking, nullptr);
    EXPECT_EQ(flag, 0) << "no clipboard object yet";
    CFilter* filter = reinterpret_cast<CFilter*>(&dir);
    EXPECT_EQ(QELA_GetPublicFilter(&filter), 1);
    EXPECT_EQ(filter, nullptr);
}

TEST_F(HostInterfaceTest, RegisterKnowsThreeNames) {
    RecordingFrame frame;
    QelWnd view = reinterpret_cast<QelWnd>(0x42);
    EXPECT_EQ(QELA_Register(QELA_REGISTER_VIEW, &view), 1) << "no main view yet";
    Host().frame = &frame;
    EXPECT_EQ(QELA_Register(QELA_REGISTER_VIEW, &view), 1);
    EXPECT_EQ(frame.views, std::vector<QelWnd>{view});
    EXPECT_EQ(QELA_Register("registerview", &view), 0);
    EXPECT_EQ(QELA_Register("Other", &view), 0);
}

// Named commands without a plugin that handles them.
TEST_F(HostInterfaceTest, BuiltInCommands) {
    RecordingFrame frame;
    ReportRequest request{};
    const struct {
        bool withFrame;
        bool built;   // the frame has what the command needs
        const char* name;
        void* arg;
        std::int32_t result;
        bool reachesFrame;
    } cases[] = {
        {true, true, "AddTask", nullptr, 1, true},          // its argument is ignored
        {true, false, "AddTask", nullptr, 0, true},         // no dialog to run
        {false, true, "AddTask", nullptr, 0, false},        // no window to show it in
        {true, true, "DoReport", &request, 1, true},
        {false, true, "DoReport", &request, 0, false},
        {true, true, "DoReport", nullptr, 0, false},        // a required argument is missing
        {true, true, "CheckbookingConflicts", nullptr, 0, false},
        {true, true, "CheckBookingConflicts", &request, 0, false},   // names are case-sensitive
        {true, true, "EditResource", &request, 1, true},
        {true, true, "SetStatusBarText", nullptr, 0, false},
        {false, true, "SetStatusBarText", &request, 0, false},
        {true, true, "ShowBookingListSelection", nullptr, 1, true},
        {true, true, "NoSuchCommand", &request, 0, false},
        {true, true, "", nullptr, 0, false},
    };
    for (const auto& c : cases) {
        frame.commands.clear();
        frame.commandsBuilt = c.built;
        Host().frame = c.withFrame ? &frame : nullptr;
        EXPECT_EQ(QELA_Command(c.name, c.arg), c.result) << c.name;
        EXPECT_EQ(frame.commands.size(), c.reachesFrame ? 1u : 0u) << c.name;
        if (c.reachesFrame) {
            EXPECT_EQ(frame.args.back(), c.arg) << c.name;
        }
    }
}

TEST_F(HostInterfaceTest, StatusBarTextsAreReadWithinTheirPanes) {
    RecordingFrame frame;
    Host().frame = &frame;
    auto texts = std::make_unique<StatusBarTexts>();
    std::memset(texts->pane0, 'a', sizeof texts->pane0);   // no terminating zero
    std::strcpy(texts->pane1, "ready");
    EXPECT_EQ(QELA_Command("SetStatusBarText", texts.get()), 1);
    EXPECT_EQ(frame.panes, (std::vector<std::string>{std::string(256, 'a'), "ready"}));
    std::memset(texts->pane1, 'b', sizeof texts->pane1);   // the sanitizer sees a read past the end
    EXPECT_EQ(QELA_Command("SetStatusBarText", texts.get()), 1);
    EXPECT_EQ(frame.panes.back(), std::string(256, 'b'));
}

TEST_F(HostInterfaceTest, ResetSettingsEmptiesTheStore) {
    QELA_SetSetting("ViewActive", "1");
    EXPECT_EQ(QELA_Command("ResetSettings", nullptr), 1);
    char buffer[8];
    EXPECT_STREQ(QELA_GetSetting("ViewActive", buffer, sizeof buffer), "");
}

TEST_F(HostInterfaceTest, PluginAnswerToPreCommandReplacesTheBuiltIn) {
    RecordingFrame frame;
    Host().frame = &frame;
    PluginManager().LoadAll({InstallFixture(dir, "full", "first.plugin"),
                             InstallFixture(dir, "full", "second.plugin"),
                             InstallFixture(dir, "full", "third.plugin")},
                            TestHost());
    ASSERT_EQ(PluginManager().Plugins().size(), 3u);
    QELA_SetSetting("Fixture.second.PreCommand", "0");
    QELA_SetSetting("FixtureLog", "");

    ReportRequest request{};
    EXPECT_EQ(QELA_Command("DoReport", &request), 0);
    EXPECT_TRUE(frame.commands.empty()) << "the built-in report ran anyway";
    EXPECT_EQ(FixtureLog(), (std::vector<std::string>{"first.PreCommand(DoReport)",
                                                      "second.PreCommand(DoReport)"}));
}

TEST_F(HostInterfaceTest, PluginRegistersFromItsRegisterCallback) {
    PluginManager().LoadAll({InstallFixture(dir, "full", "p.plugin")}, TestHost());
    QELA_SetSetting("Fixture.p.Register", "1");
    QELA_SetSetting("Fixture.p.Update", "2");
    QELA_SetSetting("FixtureLog", "");
    PluginManager().OnRegister();
    const std::vector<std::string> log = FixtureLog();
    ASSERT_EQ(log.size(), 1u);
    ASSERT_EQ(log[0].rfind("p.Register(", 0), 0u) << log[0];
    const unsigned id = static_cast<unsigned>(std::stoi(log[0].substr(11)));
    ASSERT_GE(id, PLUGIN_COMMAND_FIRST_ID);

    EXPECT_TRUE(PluginManager().RunCommand(id, nullptr));
    EXPECT_EQ(PluginManager().UpdateCommand(id, nullptr), std::optional<std::uint8_t>(PLUGIN_UPDATE_CHECKED));
    QELA_SetSetting("ViewActive", "4");
    EXPECT_TRUE(PluginManager().RunViewReport(PLUGIN_REPORT_MODE_PRINT));
    EXPECT_EQ(FixtureLog(), (std::vector<std::string>{log[0], "p.Command", "p.Report(2)"}));
}

TEST_F(HostInterfaceTest, NotificationsReachEveryPlugin) {
    RecordingFrame frame;
    Host().frame = &frame;
    PluginManager().LoadAll({InstallFixture(dir, "full", "one.plugin"),
                             InstallFixture(dir, "full", "two.plugin")},
                            TestHost());
    QELA_SetSetting("Fixture.two.BeginReport", "2");
    QELA_SetSetting("FixtureLog", "");

    EXPECT_EQ(QELA_OnSettingsChanged(), 1);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"wait", "reload", "unwait"}));
    EXPECT_EQ(QELA_OnFileOpened(FILE_EVENT_SAVED), 1);
    EXPECT_EQ(QELA_OnViewChanged(), 1);
    EXPECT_EQ(QELA_OnFilterChanged(1), 1);
    EXPECT_EQ(QELA_OnBeginReport(0), 0) << "two answered 2";
    EXPECT_EQ(QELA_OnEndReport(), 1);
    EXPECT_EQ(QELA_LoadSettings(dir.File("missing.ini").c_str()), 1);
    EXPECT_EQ(QELA_SaveSettings(dir.File("out.ini").c_str(), 1), 1);
    EXPECT_EQ(FixtureLog(),
              (std::vector<std::string>{
                  "one.SettingsChanged", "two.SettingsChanged", "one.FileOpened", "two.FileOpened",
                  "one.ViewChanged", "two.ViewChanged", "one.FilterChanged", "two.FilterChanged",
                  "one.BeginReport", "two.BeginReport", "one.EndReport", "two.EndReport",
                  "one.LoadSettings", "two.LoadSettings", "one.SaveSettings", "two.SaveSettings"}));
}

TEST_F(HostInterfaceTest, SelectionAndReportPreparationGoToTheVisibleView) {
    SelectionRecord selection{};
    selection.bookingCount = 5;
    EXPECT_EQ(QELA_GetCurrentSelection(&selection), 1) << "no main window yet";
    EXPECT_EQ(QELA_PrepareReport(), 1);
    EXPECT_EQ(selection.bookingCount, 5) << "left as it was";

    RecordingFrame frame;
    frame.onSelection = [](SelectionRecord& record) { record.bookingCount = 2; };
    Host().frame = &frame;
    EXPECT_EQ(QELA_GetCurrentSelection(&selection), 1);
    EXPECT_EQ(selection.bookingCount, 2);
    EXPECT_EQ(QELA_PrepareReport(), 1);
    ASSERT_EQ(frame.sent.size(), 2u);
    EXPECT_EQ(frame.sent[0].message, static_cast<unsigned>(WM_PLUGIN_GET_SELECTION));
    EXPECT_EQ(frame.sent[1].message, static_cast<unsigned>(WM_PLUGIN_PREPARE_REPORT));
    EXPECT_EQ(frame.sent[1].lParam, 0);
}

}  // namespace
