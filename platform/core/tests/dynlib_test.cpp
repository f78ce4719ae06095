#include "plat/dynlib.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "plat/files.h"
#include "plat/version_block.h"

namespace {

constexpr const char* kVersioned = "libqel_versioned_fixture.so";
constexpr const char* kUnversioned = "libqel_unversioned_fixture.so";

using AnswerFn = int (*)();

TEST(DynamicLibrary, LoadsABareNameFromTheProgramDirectory) {
    void* module = plat::LoadLibrary(kVersioned);
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    const auto answer = reinterpret_cast<AnswerFn>(plat::GetSymbol(module, "qel_fixture_answer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(plat::ModulePathOf(reinterpret_cast<const void*>(answer)), plat::ProgramDirectory() + kVersioned);
    EXPECT_EQ(plat::GetSymbol(module, "no_such_symbol"), nullptr);
    plat::FreeLibrary(module);
}

TEST(DynamicLibrary, ReportsWhyALoadFailed) {
    EXPECT_EQ(plat::LoadLibrary("libqel_no_such_module.so"), nullptr);
    EXPECT_NE(plat::LastLibraryError().find("libqel_no_such_module.so"), std::string::npos);
    EXPECT_EQ(plat::LastLibraryError(), "");   // read once
    EXPECT_EQ(plat::LoadLibrary(""), nullptr);
    EXPECT_EQ(plat::GetSymbol(nullptr, "qel_fixture_answer"), nullptr);
    plat::FreeLibrary(nullptr);
}

TEST(DynamicLibrary, ProgramModuleAndItsPath) {
    EXPECT_NE(plat::ProgramModule(), nullptr);
    static int local = 0;
    EXPECT_EQ(plat::ModulePathOf(&local), plat::ProgramPath());
    EXPECT_EQ(plat::ModulePathOf(nullptr), "");
}

TEST(VersionBlock, GeneratedBlockIsFoundByModule) {
    void* module = plat::LoadLibrary(kVersioned);
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    const plat::VersionBlock* block = plat::FindVersionBlock(module);
    ASSERT_NE(block, nullptr);
    char translation[9];
    std::snprintf(translation, sizeof translation, "%04hX%04hX", block->language, block->codePage);
    EXPECT_STREQ(translation, "040904B0");
    EXPECT_EQ(plat::VersionValue(module, "ProductName"), "Versioned Fixture");
    EXPECT_EQ(plat::VersionValue(module, "FileDescription"), "Test module with a \"quoted\" description");
    EXPECT_EQ(plat::VersionValue(module, "CompanyName"), "QEL Planning");
    EXPECT_EQ(plat::VersionValue(module, "ProductVersion"), plat::VersionValue(module, "FileVersion"));
    EXPECT_FALSE(plat::VersionValue(module, "ProductVersion").empty());
    EXPECT_NE(plat::VersionValue(module, "LegalCopyright").find("QEL Planning"), std::string::npos);
    EXPECT_EQ(plat::VersionValue(module, "productname"), "");   // names match exactly
    EXPECT_EQ(plat::VersionValue(module, "Comments"), "");
    EXPECT_EQ(plat::VersionValue(module, nullptr), "");
}

TEST(VersionBlock, ModuleWithoutABlockHasNone) {
    void* module = plat::LoadLibrary(kUnversioned);
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    EXPECT_EQ(plat::FindVersionBlock(module), nullptr);
    EXPECT_EQ(plat::VersionValue(module, "ProductName"), "");
}

TEST(VersionBlock, NullModuleIsTheProgram) {
    EXPECT_EQ(plat::VersionValue(nullptr, "ProductName"), "Platform Core Tests");
    EXPECT_EQ(plat::VersionValue(plat::ProgramModule(), "ProductName"), "Platform Core Tests");
}

}  // namespace
