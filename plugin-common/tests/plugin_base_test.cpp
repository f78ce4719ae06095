#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "plugin_base.h"

namespace {

class TestResource : public CResource {
public:
    int32_t GetBookingCount(int32_t, int16_t, int32_t, int16_t) override { return 0; }
    int32_t GetBookings(CBooking**, int32_t, int16_t, int32_t, int16_t) override { return 0; }
    int32_t BeginChange() override { return 0; }
    int32_t Delete() override { return 0; }
};

class TestBooking : public CBooking {
public:
    int32_t CopyFrom(const CBooking*) override { return 0; }
    int32_t BeginChange() override { return 0; }
    int32_t Delete() override { return 0; }
};

class PluginBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakehost::Host() = fakehost::State{};
        ASSERT_TRUE(InitPluginBase(96));
    }
};

std::string Repeat(const std::string& piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += piece;
    return text;
}

TEST_F(PluginBaseTest, BindsEveryHostFunctionInOrder) {
    void* program = dlopen(nullptr, RTLD_NOW);
    const std::vector<void*> bound = {
        reinterpret_cast<void*>(g_hostApi.getSetting),
        reinterpret_cast<void*>(g_hostApi.setSetting),
        reinterpret_cast<void*>(g_hostApi.onSettingsChanged),
        reinterpret_cast<void*>(g_hostApi.onFileOpened),
        reinterpret_cast<void*>(g_hostApi.onBeginReport),
        reinterpret_cast<void*>(g_hostApi.onEndReport),
        reinterpret_cast<void*>(g_hostApi.loadSettings),
        reinterpret_cast<void*>(g_hostApi.saveSettings),
        reinterpret_cast<void*>(g_hostApi.registerItem),
        reinterpret_cast<void*>(g_hostApi.registerCommand),
        reinterpret_cast<void*>(g_hostApi.command),
        reinterpret_cast<void*>(g_hostApi.getCurrentSelection),
        reinterpret_cast<void*>(g_hostApi.prepareReport),
        reinterpret_cast<void*>(g_hostApi.onBuildContextMenu),
        reinterpret_cast<void*>(g_hostApi.getClipboardInfo),
        reinterpret_cast<void*>(g_hostApi.setClipboardInfo),
        reinterpret_cast<void*>(g_hostApi.getPublicFilter),
    };
    ASSERT_EQ(bound.size(), static_cast<std::size_t>(QELA_BOUND_FUNCTION_COUNT));
    for (int i = 0; i < QELA_BOUND_FUNCTION_COUNT; ++i) {
        SCOPED_TRACE(QELA_BOUND_FUNCTION_NAMES[i]);
        EXPECT_NE(bound[i], nullptr);
        EXPECT_EQ(bound[i], dlsym(program, QELA_BOUND_FUNCTION_NAMES[i]));
    }
    EXPECT_NE(g_hostApi.module, nullptr);
}

TEST_F(PluginBaseTest, FontSizeFactorFollowsTheScreenWhateverWasStored) {
    struct Case { int dpi; const char* stored; const char* expected; double factor; };
    for (const Case& c : {Case{96, "1.000000", "1.200000", 1.2}, Case{107, "", "1.200000", 1.2},
                          Case{108, "1.200000", "1.000000", 1.0},
                          Case{120, "2.5", "1.000000", 1.0}}) {
        SCOPED_TRACE(c.dpi);
        fakehost::Host().settings["ViewFontSizeFactor"] = c.stored;
        ApplyFontSizeFactor(c.dpi);
        EXPECT_EQ(fakehost::Host().settings["ViewFontSizeFactor"], c.expected);
        EXPECT_DOUBLE_EQ(g_fontSizeFactor, c.factor);
    }
}

TEST_F(PluginBaseTest, SettingsGoThroughTheHost) {
    EXPECT_TRUE(SetSettingString("ViewFont", "DejaVu Sans"));
    EXPECT_EQ(fakehost::Host().settings["ViewFont"], "DejaVu Sans");
    EXPECT_EQ(GetSettingString("ViewFont"), "DejaVu Sans");
    EXPECT_EQ(GetIntSetting(PluginSettingGetter(), "Missing", 7), 7);
    SetIntSetting(PluginSettingSetter(), "Count", 42);
    EXPECT_EQ(GetIntSetting(PluginSettingGetter(), "Count", 0), 42);
    // An empty key never returns the previous key's value.
    EXPECT_EQ(GetSettingString(""), "");
    EXPECT_FALSE(SetSettingString("", "x"));
}

TEST_F(PluginBaseTest, LongSettingsAreCutOnACharacterBoundary) {
    for (const std::string piece : {"a", "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "ab\xE2\x82\xAC"}) {
        SCOPED_TRACE(piece);
        const std::string value = Repeat(piece, 10000);
        fakehost::Host().settings["Long"] = value;
        const std::string read = GetSettingString("Long");
        EXPECT_LE(read.size(), 4095u);
        EXPECT_GE(read.size(), 4095u - 3);
        EXPECT_TRUE(plat::IsValidUtf8(read));
        EXPECT_EQ(value.compare(0, read.size(), read), 0);
    }
}

TEST_F(PluginBaseTest, StatusTextsAreCutTo255BytesOnACharacterBoundary) {
    struct Case { const char* text0; const char* text1; };
    const std::string ascii = Repeat("x", 300), umlauts = Repeat("\xC3\xB6", 150),
                      euros = "a" + Repeat("\xE2\x82\xAC", 100);
    for (const Case& c : {Case{ascii.c_str(), umlauts.c_str()}, Case{euros.c_str(), nullptr},
                          Case{nullptr, "ready"}}) {
        fakehost::Host().statusTexts.clear();
        ASSERT_TRUE(SendStatusBarText(c.text0, c.text1));
        ASSERT_EQ(fakehost::Host().statusTexts.size(), 1u);
        const StatusBarTexts& sent = fakehost::Host().statusTexts[0];
        for (const auto& [pane, text] : {std::pair{sent.pane0, c.text0}, std::pair{sent.pane1, c.text1}}) {
            const std::string original = text != nullptr ? text : "";
            const std::string got = pane;
            EXPECT_LE(got.size(), 255u);
            EXPECT_GE(got.size(), std::min<std::size_t>(original.size(), 253));
            EXPECT_TRUE(plat::IsValidUtf8(got));
            EXPECT_EQ(original.compare(0, got.size(), got), 0);
        }
    }
}

TEST_F(PluginBaseTest, ConflictCheck) {
    TestResource resource, other;
    TestBooking booking;
    booking.resource = &resource;
    booking.startDay = 2460000;
    booking.startMinutes = 480;
    booking.endDay = 2460001;
    booking.endMinutes = 600;
    const CDateTime start(CDate::FromJulianDay(2460000), CTimeOfDay(480));
    const CDateTime end(CDate::FromJulianDay(2460001), CTimeOfDay(600));
    const CDateTime later(CDate::FromJulianDay(2460002), CTimeOfDay(600));
    fakehost::State& host = fakehost::Host();

    // Back onto its own unchanged place: nothing asked.
    EXPECT_TRUE(RequestBookingConflictCheck(&resource, start, end, &booking));
    EXPECT_TRUE(host.conflictChecks.empty());

    struct Case { CResource* resource; CDateTime end; CBooking* booking; std::int32_t answer; bool result; };
    for (const Case& c : {Case{&resource, later, &booking, BOOKING_CONFLICTS_NONE, true},
                          Case{&other, end, &booking, BOOKING_CONFLICTS_ACCEPTED, true},
                          Case{&resource, later, nullptr, BOOKING_CONFLICTS_REFUSED, false},
                          Case{&resource, end, nullptr, BOOKING_CONFLICTS_NONE, true}}) {
        host.conflictChecks.clear();
        host.conflictResult = c.answer;
        EXPECT_EQ(RequestBookingConflictCheck(c.resource, start, c.end, c.booking), c.result);
        ASSERT_EQ(host.conflictChecks.size(), 1u);
        const fakehost::ConflictCall& call = host.conflictChecks[0];
        EXPECT_EQ(call.resources, std::vector<CResource*>{c.resource});
        EXPECT_EQ(call.startDays, std::vector<std::int32_t>{2460000});
        EXPECT_EQ(call.startMinutes, std::vector<std::int32_t>{480});
        EXPECT_EQ(call.endDays, std::vector<std::int32_t>{c.end.date.GetJulianDay()});
        EXPECT_EQ(call.endMinutes, std::vector<std::int32_t>{600});
        EXPECT_EQ(call.ignore, c.booking ? std::vector<CBooking*>{c.booking} : std::vector<CBooking*>{});
    }

    // Nothing to check against: refused without asking.
    host.conflictChecks.clear();
    EXPECT_FALSE(RequestBookingConflictCheck(nullptr, start, end, nullptr));
    EXPECT_FALSE(RequestBookingConflictCheck(&resource, CDateTime(CDate::FromJulianDay(0)), end, nullptr));
    EXPECT_TRUE(host.conflictChecks.empty());
}

TEST_F(PluginBaseTest, ResourceInstanceNamesTheApplicationAndItsProfile) {
    struct Case { QELResGetStringFn strings; const char* appName; const char* key; };
    const Case cases[] = {
        {[](unsigned id) -> const char* { return id == 0xE000 ? "Views" : id == 0xE004 ? "Planner" : nullptr; },
         "Views", "Planner"},
        {[](unsigned id) -> const char* { return id == 0xE000 ? "Views" : nullptr; }, "Views", ""},
    };
    int module = 0;
    for (const Case& c : cases) {
        plat::SetResourceStringSource(c.strings);
        SetResourceInstance(&module);
        EXPECT_EQ(PluginAppName(), c.appName);
        EXPECT_EQ(PluginRegistryKey(), c.key);
        EXPECT_EQ(plat::GetResourceModule(), &module);
    }
    plat::SetResourceStringSource(nullptr);
    plat::SetResourceModule(nullptr);
}

TEST_F(PluginBaseTest, ModelsReadThePluginsGlobals) {
    const PlanContext context = PluginPlanContext();
    EXPECT_EQ(context.plan, g_pluginPlanData);
    EXPECT_EQ(context.publicFilter, g_pluginPublicFilter);
    fakehost::Host().settings["ViewScheduleBaseUnit"] = "6";
    EXPECT_EQ(context.settings("ViewScheduleBaseUnit"), "6");
}

}  // namespace
