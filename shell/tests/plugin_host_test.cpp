#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plugin_manager.h"
#include "settings_store.h"
#include "test_support.h"

using shelltest::FixtureLog;
using shelltest::InstallFixture;
using shelltest::Logged;
using shelltest::TestHost;

namespace {

class PluginHostTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore().Clear(); }
    void TearDown() override { manager.UnloadAll(); }

    std::vector<std::string> LoadedNames() const {
        std::vector<std::string> names;
        for (const CPlugin& plugin : manager.Plugins()) names.push_back(plugin.info.name);
        return names;
    }

    testing::TempDirectory dir;
    CPluginManager manager;
};

TEST_F(PluginHostTest, DiscoveryTakesDefaultsFirstThenSortedSearchLoadingEachFileOnce) {
    for (const char* name : {"Views.plugin", "Reports.plugin", "Import.plugin", "b.plugin",
                             "c.PLUGIN", "sub/a.plugin", "x.so"}) {
        InstallFixture(dir, "full", name);
    }
    std::filesystem::create_symlink(dir.File("Views.plugin"), dir.File("link.plugin"));

    TestHost();
    const std::vector<std::string> candidates = FindPluginCandidates(dir.path());
    const std::string d = dir.path() + "/";
    EXPECT_EQ(candidates, (std::vector<std::string>{
                              d + "Views.plugin", d + "Reports.plugin", d + "Import.plugin",
                              d + "Import.plugin", d + "Reports.plugin", d + "Views.plugin",
                              d + "b.plugin", d + "c.PLUGIN", d + "link.plugin", d + "sub/a.plugin"}));

    manager.LoadAll(candidates, TestHost());
    EXPECT_EQ(LoadedNames(), (std::vector<std::string>{"Views", "Reports", "Import", "b", "c", "a"}));
    EXPECT_EQ(FixtureLog().size(), 6u) << "a library found twice was asked twice";
}

TEST_F(PluginHostTest, PluginInfoReceivesTheHostIdentity) {
    manager.LoadAll({InstallFixture(dir, "full", "p.plugin")}, TestHost());
    EXPECT_EQ(FixtureLog(), std::vector<std::string>{"p.PluginInfo(QEL2,2.0.0,040904B0,res)"});
}

TEST_F(PluginHostTest, LibraryThatIsNoPluginIsDroppedAndNeverCalledAgain) {
    SettingsStore().SetSetting("Fixture.refuses.PluginInfo", "0");
    manager.LoadAll({InstallFixture(dir, "noinfo", "noinfo.plugin"),
                     InstallFixture(dir, "full", "refuses.plugin"), dir.File("missing.plugin"),
                     InstallFixture(dir, "full", "accepts.plugin")},
                    TestHost());
    ASSERT_EQ(LoadedNames(), std::vector<std::string>{"accepts"});

    manager.OnStart(nullptr);
    manager.OnExit();
    EXPECT_EQ(FixtureLog(), (std::vector<std::string>{
                                "refuses.PluginInfo(QEL2,2.0.0,040904B0,res)",
                                "accepts.PluginInfo(QEL2,2.0.0,040904B0,res)", "accepts.Start",
                                "accepts.Exit"}));
}

TEST_F(PluginHostTest, MissingCallbacksAreSkipped) {
    manager.LoadAll({InstallFixture(dir, "minimal", "min.plugin"),
                     InstallFixture(dir, "full", "full.plugin")},
                    TestHost());
    ASSERT_EQ(manager.Plugins().size(), 2u);
    SettingsStore().SetSetting("FixtureLog", "");

    manager.OnStart(nullptr);
    manager.OnInitialized();
    manager.OnRegister();
    manager.OnDataChanged(1);
    manager.OnFileOpened(0);
    manager.OnViewChanged();
    manager.OnSettingsChanged();
    manager.OnLoadSettings("x.ini");
    manager.OnSaveSettings("x.ini", 1);
    manager.OnEndReport();
    manager.OnWindowInit(nullptr, nullptr);
    manager.OnToolbarInit(nullptr);
    manager.OnMenuInit(nullptr, nullptr);
    manager.OnBuildContextMenu(nullptr);
    manager.OnFilterChanged(1);
    manager.OnExit();
    EXPECT_FALSE(manager.OnKeyDispatch(65, 0));
    EXPECT_EQ(manager.OnPreCommand("AddTask", nullptr), -1);
    EXPECT_EQ(manager.OnBeginReport(0), 1);

    EXPECT_EQ(FixtureLog(),
              (std::vector<std::string>{
                  "full.Start", "full.Initialized", "full.Register", "full.DataChanged",
                  "full.FileOpened", "full.ViewChanged", "full.SettingsChanged",
                  "full.LoadSettings", "full.SaveSettings", "full.EndReport", "full.WindowInit",
                  "full.ToolbarInit", "full.MenuInit", "full.BuildContextMenu",
                  "full.FilterChanged", "full.Exit", "full.KeyDispatch",
                  "full.PreCommand(AddTask)", "full.BeginReport"}));
}

TEST_F(PluginHostTest, NoPluginsMakesEveryBroadcastANoOp) {
    manager.OnStart(nullptr);
    EXPECT_FALSE(manager.OnKeyDispatch(65, 0));
    EXPECT_EQ(manager.OnPreCommand("DoReport", nullptr), -1);
    EXPECT_EQ(manager.OnBeginReport(7), 1);
}

// Three plugins answer a chained broadcast; which of them were asked and
// what the chain gives.
struct ChainCase {
    const char* call;
    const char* answers[3];
    int expected;
    int asked;
};

class BroadcastRuleTest : public PluginHostTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(BroadcastRuleTest, StopsOrAgreesAsItsRuleSays) {
    const ChainCase& c = GetParam();
    std::vector<std::string> paths;
    for (const char* name : {"p1", "p2", "p3"}) {
        paths.push_back(InstallFixture(dir, "full", std::string(name) + ".plugin"));
    }
    manager.LoadAll(paths, TestHost());
    ASSERT_EQ(manager.Plugins().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SettingsStore().SetSetting("Fixture.p" + std::to_string(i + 1) + "." + c.call, c.answers[i]);
    }
    SettingsStore().SetSetting("FixtureLog", "");

    const std::string call = c.call;
    int result = 0;
    std::string logged = call;
    if (call == "KeyDispatch") {
        result = manager.OnKeyDispatch(65, 0x20) ? 1 : 0;
    } else if (call == "PreCommand") {
        result = manager.OnPreCommand("DoReport", nullptr);
        logged = "PreCommand(DoReport)";
    } else {
        result = manager.OnBeginReport(0);
    }
    EXPECT_EQ(result, c.expected);
    std::vector<std::string> expectedLog;
    for (int i = 0; i < c.asked; ++i) expectedLog.push_back("p" + std::to_string(i + 1) + "." + logged);
    EXPECT_EQ(FixtureLog(), expectedLog);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BroadcastRuleTest,
    ::testing::Values(ChainCase{"KeyDispatch", {"0", "1", "1"}, 1, 2},
                      ChainCase{"KeyDispatch", {"0", "0", "0"}, 0, 3},
                      ChainCase{"KeyDispatch", {"-5", "0", "0"}, 1, 1},
                      ChainCase{"PreCommand", {"-1", "0", "5"}, 0, 2},
                      ChainCase{"PreCommand", {"-1", "-1", "-1"}, -1, 3},
                      ChainCase{"PreCommand", {"7", "0", "0"}, 7, 1},
                      ChainCase{"BeginReport", {"1", "1", "1"}, 1, 3},
                      ChainCase{"BeginReport", {"1", "2", "1"}, 0, 3},
                      ChainCase{"BeginReport", {"0", "1", "1"}, 0, 3}),
    [](const ::testing::TestParamInfo<ChainCase>& info) {
        return std::string(info.param.call) + std::to_string(info.index);
    });

// Commands -----------------------------------------------------------------

int g_ran = -1;
template <int N>
void RunCommandN(QelWnd) { g_ran = N; }
std::uint8_t UpdateChecked(QelWnd) { return PLUGIN_UPDATE_CHECKED | PLUGIN_UPDATE_DISABLED; }

TEST(PluginCommands, IdentifiersRunFrom61000To61500AndNoFurther) {
    CPluginManager manager;
    PluginCommand command{};
    command.onCommand = &RunCommandN<1>;
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(manager.RegisterCommand(&command), 61000 + i);
    }
    command.onCommand = &RunCommandN<501>;
    command.onUpdate = &UpdateChecked;
    EXPECT_EQ(manager.RegisterCommand(&command), 61500);
    command.onCommand = &RunCommandN<502>;
    EXPECT_EQ(manager.RegisterCommand(&command), 0);
    EXPECT_EQ(manager.RegisterCommand(nullptr), 0);

    EXPECT_TRUE(manager.RunCommand(61500, nullptr));
    EXPECT_EQ(g_ran, 501) << "the refused command replaced a stored one";
    EXPECT_EQ(manager.UpdateCommand(61500, nullptr), std::optional<std::uint8_t>(3));
    EXPECT_EQ(manager.UpdateCommand(61000, nullptr), std::nullopt) << "no update callback";
    EXPECT_FALSE(manager.RunCommand(61501, nullptr));
    EXPECT_FALSE(manager.RunCommand(60999, nullptr));
}

TEST(PluginCommands, UnregisteredIdentifierInTheRangeIsIgnored) {
    CPluginManager manager;
    PluginCommand command{};
    command.onCommand = &RunCommandN<7>;
    command.onUpdate = &UpdateChecked;
    ASSERT_EQ(manager.RegisterCommand(&command), 61000);
    g_ran = -1;
    EXPECT_FALSE(manager.RunCommand(61001, nullptr));
    EXPECT_EQ(manager.UpdateCommand(61001, nullptr), std::nullopt);
    EXPECT_EQ(g_ran, -1);
    command.onCommand = &RunCommandN<8>;   // the host keeps its own copy
    EXPECT_TRUE(manager.RunCommand(61000, nullptr));
    EXPECT_EQ(g_ran, 7);
}

// Reports and export ---------------------------------------------------------

std::vector<std::string> g_reports;
template <char Tag>
std::int32_t Report(std::int32_t mode) {
    g_reports.push_back(std::string(1, Tag) + std::to_string(mode));
    return 99;
}
std::int32_t Export(std::intptr_t a, std::intptr_t b) {
    g_reports.push_back("export" + std::to_string(a) + std::to_string(b));
    return 0;
}

TEST(PluginReports, RegisteredByKindAndRoutedByActiveView) {
    SettingsStore().Clear();
    g_reports.clear();
    CPluginManager manager;
    const PluginReport first{0, PLUGIN_REPORT_VIEW, 2, &Report<'a'>};
    const PluginReport second{0, PLUGIN_REPORT_VIEW, 2, &Report<'b'>};
    const PluginReport global{0, PLUGIN_REPORT_GLOBAL, 9, &Report<'g'>};
    const PluginReport unknownKind{0, 5, 3, &Report<'x'>};
    EXPECT_EQ(manager.RegisterReport(nullptr), 0);
    EXPECT_FALSE(manager.HasGlobalReport());
    for (const PluginReport* report : {&first, &second, &global, &unknownKind}) {
        EXPECT_EQ(manager.RegisterReport(report), 1);
    }
    ASSERT_NE(manager.FindReport(2), nullptr);
    EXPECT_EQ(manager.FindReport(2)->callback, &Report<'b'>);
    EXPECT_EQ(manager.FindReport(3), nullptr);
    EXPECT_EQ(manager.FindReport(9), nullptr) << "a global report is not a view's";

    EXPECT_FALSE(manager.HasViewReport()) << "\"ViewActive\" missing reads as -1";
    for (const char* view : {"0", "1"}) {
        SettingsStore().SetSetting("ViewActive", view);
        EXPECT_FALSE(manager.HasViewReport());
        EXPECT_FALSE(manager.RunViewReport(PLUGIN_REPORT_MODE_PREVIEW));
    }
    SettingsStore().SetSetting("viewactive", "2");
    EXPECT_TRUE(manager.HasViewReport());
    EXPECT_TRUE(manager.RunViewReport(PLUGIN_REPORT_MODE_PRINT));
    EXPECT_TRUE(manager.RunGlobalReport());

    EXPECT_FALSE(manager.HasExport());
    EXPECT_FALSE(manager.RunExport());
    manager.SetExportCallback(&Export);
    EXPECT_TRUE(manager.RunExport());
    EXPECT_EQ(g_reports, (std::vector<std::string>{"b2", "g1", "export00"}));
}

}  // namespace
