#include "support/version_reader.h"

#include <gtest/gtest.h>

#include "plat/dynlib.h"

namespace {

TEST(VersionReader, ModuleWithABlock) {
    void* module = plat::LoadLibrary(VERSIONED_FIXTURE);
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    EXPECT_EQ(GetVersionInfoString("", module), "040904B0");
    EXPECT_EQ(GetVersionInfoString("ProductName", module), "Support Fixture");
    EXPECT_EQ(GetVersionInfoString("NoSuchEntry", module), "");
    plat::FreeLibrary(module);
}

TEST(VersionReader, ModuleWithoutABlock) {
    void* module = plat::LoadLibrary(UNVERSIONED_FIXTURE);
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    EXPECT_EQ(GetVersionInfoString("", module), "");
    EXPECT_EQ(GetVersionInfoString("ProductName", module), "");
    plat::FreeLibrary(module);
}

TEST(VersionReader, NullModuleIsTheProgram) {
    EXPECT_EQ(GetVersionInfoString("ProductName", nullptr), "Support Tests");
    EXPECT_EQ(GetVersionInfoString("", nullptr), "040904B0");
}

}  // namespace
