#include <gtest/gtest.h>

#include <dlfcn.h>

#include "plugin_api.h"

// This program exports every host function but QELA_GetPublicFilter: the
// plugin must refuse to load.
TEST(ReportsPluginMissingExportTest, RefusesWithoutAllHostFunctions) {
    void* module = dlopen(QEL_REPORTS_PLUGIN, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    ASSERT_NE(module, nullptr) << dlerror();
    auto info = reinterpret_cast<QELPluginOnPluginInfoFn>(dlsym(module, QELPLUGIN_ONPLUGININFO_SYMBOL));
    ASSERT_NE(info, nullptr);
    PluginInfo record{};
    EXPECT_EQ(info("QEL2", "2.0", "en", nullptr, &record), 0);
    EXPECT_EQ(reinterpret_cast<QELPluginOnRegisterFn>(dlsym(module, QELPLUGIN_ONREGISTER_SYMBOL))(), 0);
}
