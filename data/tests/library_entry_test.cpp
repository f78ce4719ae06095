// libData.so as the host binds it: by path, through its two exports.

#include <gtest/gtest.h>

#include "plan_data.h"
#include "plan_fixture.h"
#include "plat/dynlib.h"
#include "plat/version_block.h"

namespace {

TEST(LibraryEntry, TheHostGetsOneRootThroughTheExports) {
    void* library = plat::LoadLibrary(QEL_DATA_LIBRARY);
    ASSERT_NE(library, nullptr) << plat::LastLibraryError();
    auto getData = reinterpret_cast<DllGetDataFn>(plat::GetSymbol(library, "DllGetData"));
    auto freeData = reinterpret_cast<DllFreeDataFn>(plat::GetSymbol(library, "DllFreeData"));
    ASSERT_NE(getData, nullptr);
    ASSERT_NE(freeData, nullptr);
    EXPECT_EQ(plat::GetSymbol(library, "_Z6RootOfP9CPlanData"), nullptr);   // internals stay hidden
    EXPECT_EQ(plat::VersionValue(library, "ProductName"), "Data");

    {
        FakeHistory history;
        CPlanData* root = getData(&history);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(getData(nullptr), root);
        ASSERT_EQ(root->BeginTransaction("Add"), kDataOk);
        CResource* resource = root->resources->Create();
        resource->SetName("Anna");
        ASSERT_EQ(root->resources->Add(resource), kDataOk);
        root->CommitTransaction();
        EXPECT_EQ(history.undoList.size(), 1u);
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(root->resources->GetCount(), 0);
    }   // the host deletes its history before it frees the library's data
    freeData();
    plat::FreeLibrary(library);
}

}  // namespace
