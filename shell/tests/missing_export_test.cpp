#include <gtest/gtest.h>

#include <dlfcn.h>

#include "plugin_manager.h"
#include "settings_store.h"
#include "test_support.h"

namespace {

// This program exports every host function but QELA_GetPublicFilter.
TEST(MissingHostExport, PluginRefusesToLoad) {
    void* program = dlopen(nullptr, RTLD_NOW);
    ASSERT_NE(dlsym(program, "QELA_SetSetting"), nullptr);
    ASSERT_EQ(dlsym(program, "QELA_GetPublicFilter"), nullptr);

    testing::TempDirectory dir;
    CPluginManager manager;
    manager.LoadAll({shelltest::InstallFixture(dir, "full", "p.plugin")}, shelltest::TestHost());
    EXPECT_TRUE(manager.Plugins().empty());
    manager.OnStart(nullptr);
    EXPECT_TRUE(shelltest::FixtureLog().empty());
}

}  // namespace
