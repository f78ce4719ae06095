#include <gtest/gtest.h>

#include <dlfcn.h>

#include "fake_host.h"
#include "plugin_base.h"

namespace {

// This program exports every host function but QELA_GetPublicFilter.
TEST(PluginBaseMissingExport, BindingFailsAndEverythingRefuses) {
    void* program = dlopen(nullptr, RTLD_NOW);
    ASSERT_NE(dlsym(program, "QELA_SetClipboardInfo"), nullptr);
    ASSERT_EQ(dlsym(program, "QELA_GetPublicFilter"), nullptr);

    EXPECT_FALSE(InitPluginBase(96));
    EXPECT_EQ(g_hostApi.module, nullptr);
    EXPECT_EQ(g_hostApi.getPublicFilter, nullptr);
    // The plugin then calls nothing of the host.
    EXPECT_EQ(GetSettingString("ViewFontSizeFactor"), "");
    EXPECT_FALSE(SetSettingString("Key", "value"));
    EXPECT_FALSE(SendStatusBarText("a", "b"));
    EXPECT_TRUE(fakehost::Host().settings.empty());
    EXPECT_TRUE(fakehost::Host().commands.empty());
}

}  // namespace
