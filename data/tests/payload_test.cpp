#include <climits>
#include <cstring>
#include <functional>

#include "file_fixture.h"
#include "mem_archive.h"

namespace {

using PayloadTest = FileTest;

// A payload with one resource group, one resource, one task, one booking and
// one filter, each part replaceable by a case.
struct Parts {
    std::function<void(Bytes&)> groups = [](Bytes& b) {
        b.I32(1).I32(1).I32(0).Str("Crew").Str("").I32(0);
    };
    std::function<void(Bytes&)> resources = [](Bytes& b) {
        b.I32(1).I32(2).I32(0).Str("Anna").Str("").I32(1).I32(0);
    };
    std::function<void(Bytes&)> tasks = [](Bytes& b) {
        b.I32(1).I32(3).I32(0).I32(0).I32(0).Str("Build").Str("").I32(0).I32(0);
    };
    std::function<void(Bytes&)> bookings = [](Bytes& b) {
        b.I32(1).I32(4).I32(10).I32(11).I16(0).I16(0).I32(0).I32(0).U8(1).Str("").I32(2).I32(3).I32(0);
    };
    std::function<void(Bytes&)> filters = [](Bytes& b) {
        b.I32(1).I32(5).I32(0).Str("F").I16(0).I32(1).I32(1).I32(0).I32(0).I32(0).I32(0);
    };
    std::string Build() const {
        Bytes all;
        all.Properties();
        groups(all);
        resources(all);
        all.I32(0);
        tasks(all);
        bookings(all);
        filters(all);
        all.I32(0);   // reserved word
        return all.data;
    }
};

TEST_F(PayloadTest, TheReferencePayloadLoads) {
    ASSERT_EQ(root.Open(Write("ok.qel", DocumentFile(Parts().Build())).c_str(), false, nullptr, false),
              kDataOk);
    ASSERT_EQ(root.bookings->GetCount(), 1);
    CBooking* booking = root.bookings->GetAt(0);
    EXPECT_STREQ(booking->resource->name, "Anna");
    EXPECT_STREQ(booking->resource->group->name, "Crew");
    EXPECT_STREQ(booking->task->name, "Build");
    EXPECT_TRUE(root.filters->GetAt(0)->IsResourceGroupExcluded(booking->resource->group));
}

TEST_F(PayloadTest, CraftedLengthsCountsAndIdsAreRefused) {
    struct Case {
        const char* what;
        std::function<void(Parts&)> change;
        int32_t status;
    };
    const Case cases[] = {
        {"negative count", [](Parts& p) { p.groups = [](Bytes& b) { b.I32(-1); }; }, kDataBadFile},
        {"count beyond the bytes left",
         [](Parts& p) { p.bookings = [](Bytes& b) { b.I32(1000000); }; }, kDataBadFile},
        {"count past INT32_MAX / size",
         [](Parts& p) { p.tasks = [](Bytes& b) { b.I32(INT32_MAX); }; }, kDataBadFile},
        {"negative string length",
         [](Parts& p) { p.groups = [](Bytes& b) { b.I32(1).I32(1).I32(0).I32(-5); }; }, kDataBadFile},
        {"name of 100 bytes",
         [](Parts& p) {
             p.groups = [](Bytes& b) { b.I32(1).I32(1).I32(0).Str(std::string(100, 'n')).Str("").I32(0); };
         },
         kDataBadFile},
        {"string past the end",
         [](Parts& p) { p.filters = [](Bytes& b) { b.I32(1).I32(5).I32(0).I32(5000).Raw("F"); }; },
         kDataBadFile},
        {"reserved block longer than its area",
         [](Parts& p) {
             p.resources = [](Bytes& b) {
                 b.I32(1).I32(2).I32(0).Str("Anna").Str("").I32(1).I32(101).Raw(std::string(101, 'r'));
             };
         },
         kDataBadFile},
        {"negative reserved block",
         [](Parts& p) {
             p.resources = [](Bytes& b) { b.I32(1).I32(2).I32(0).Str("Anna").Str("").I32(1).I32(-1); };
         },
         kDataBadFile},
        {"duplicate ids",
         [](Parts& p) {
             p.tasks = [](Bytes& b) {
                 b.I32(2);
                 for (int i = 0; i < 2; ++i) b.I32(3).I32(0).I32(0).I32(0).Str("T").Str("").I32(0).I32(0);
             };
         },
         kDataBadFile},
        {"id 0", [](Parts& p) { p.groups = [](Bytes& b) { b.I32(1).I32(0).I32(0).Str("G").Str("").I32(0); }; },
         kDataBadFile},
        {"negative id",
         [](Parts& p) { p.groups = [](Bytes& b) { b.I32(1).I32(-4).I32(0).Str("G").Str("").I32(0); }; },
         kDataBadFile},
        {"id INT32_MAX",
         [](Parts& p) {
             p.groups = [](Bytes& b) { b.I32(1).I32(INT32_MAX).I32(0).Str("G").Str("").I32(0); };
         },
         kDataBadFile},
        {"negative filter set",
         [](Parts& p) { p.filters = [](Bytes& b) { b.I32(1).I32(5).I32(0).Str("F").I16(0).I32(-1); }; },
         kDataBadFile},
        {"huge filter set",
         [](Parts& p) {
             p.filters = [](Bytes& b) { b.I32(1).I32(5).I32(0).Str("F").I16(0).I32(1 << 29).I32(1); };
         },
         kDataBadFile},
        {"truncated booking",
         [](Parts& p) { p.bookings = [](Bytes& b) { b.I32(1).I32(4).I32(10); }; }, kDataBadFile},
        {"booking naming a missing resource",
         [](Parts& p) {
             p.bookings = [](Bytes& b) {
                 b.I32(1).I32(4).I32(10).I32(11).I16(0).I16(0).I32(0).I32(0).U8(1).Str("").I32(77).I32(3).I32(0);
             };
         },
         kDataInvalidRecord},
    };
    CResource* kept = AddResource("Kept");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Parts parts;
        c.change(parts);
        std::string payload = parts.Build();
        std::string path = Write("crafted.qel", DocumentFile(payload));
        masks().clear();
        EXPECT_EQ(root.Open(path.c_str(), false, nullptr, false), c.status);
        EXPECT_EQ(root.resources->GetCount(), 1);
        EXPECT_EQ(root.resources->GetAt(0), kept);
        EXPECT_EQ(root.bookings->GetCount(), 0);
        EXPECT_TRUE(masks().empty());
        EXPECT_EQ(root.GetFileName(), "");
    }
}

TEST_F(PayloadTest, LoadedIdsMoveTheCounterOn) {
    Parts parts;
    parts.resources = [](Bytes& b) {
        b.I32(2).I32(41).I32(0).Str("A").Str("").I32(0).I32(0).I32(2).I32(1).Str("B").Str("").I32(0).I32(0);
    };
    ASSERT_EQ(root.Open(Write("ids.qel", DocumentFile(parts.Build())).c_str(), false, nullptr, false),
              kDataOk);
    EXPECT_EQ(AddResource("New")->id, 42);
    EXPECT_STREQ(root.resources->GetAt(0)->name, "A");   // file order kept
}

TEST_F(PayloadTest, EncodingsAtTheirLimits) {
    CMemArchive archive;
    uint8_t zeros[100] = {};
    archive.WriteFixedText(zeros, sizeof zeros);
    EXPECT_EQ(archive.Bytes().size(), 4u);   // an all-zero block is only its length
    uint8_t block[50] = {};
    block[2] = 9;
    archive.WriteFixedText(block, sizeof block);
    EXPECT_EQ(archive.Bytes().size(), 4u + 4u + 3u);

    CResource* resource = AddResource(std::string(99, 'n').c_str());
    ASSERT_EQ(std::strlen(resource->name), 99u);
    std::string path = dir.File("limits.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    ASSERT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(std::string(root.resources->GetAt(0)->name), std::string(99, 'n'));
}

// Growth past the 2 MiB blocks remaps the buffer; every byte stays.
TEST(MemArchive, KeepsItsBytesAsItGrows) {
    CMemArchive archive(89);
    constexpr int32_t kValues = 3 << 20;
    for (int32_t i = 0; i < kValues; ++i) archive.WriteI32(i * 7);
    ASSERT_EQ(archive.Bytes().size(), 4u * kValues);
    CMemArchive reader(archive.Bytes());
    for (int32_t i = 0; i < kValues; ++i) {
        int32_t value = 0;
        ASSERT_TRUE(reader.ReadI32(value));
        ASSERT_EQ(value, i * 7) << i;
    }
    EXPECT_EQ(archive.TakeBuffer().size(), 89u + 4u * kValues);
}

TEST_F(PayloadTest, TextThatIsNotUtf8IsReadAsWindows1252WithinTheLimit) {
    Parts parts;
    // 99 bytes of Windows-1252: "é" (0xE9) grows to two bytes in UTF-8.
    std::string legacy = "Caf\xE9";
    std::string full(99, '\xE9');
    parts.resources = [&](Bytes& b) {
        b.I32(2).I32(2).I32(0).Str(legacy).Str(full).I32(0).I32(0);
        b.I32(7).I32(0).Str("Z\xC3\xBC").Str("").I32(0).I32(0);   // valid UTF-8 stays
    };
    ASSERT_EQ(root.Open(Write("legacy.qel", DocumentFile(parts.Build())).c_str(), false, nullptr, false),
              kDataOk);
    EXPECT_FALSE(root.TextsWereShortened());
    CResource* resource = root.resources->GetAt(0);
    EXPECT_STREQ(resource->name, "Caf\xC3\xA9");
    std::string description = resource->description;
    EXPECT_EQ(description.size(), 198u);   // 99 two-byte characters fit the 199 bytes
    EXPECT_STREQ(root.resources->GetAt(1)->name, "Z\xC3\xBC");
    std::string longName(99, '\xE9');
    parts.resources = [&](Bytes& b) { b.I32(1).I32(2).I32(0).Str(longName).Str("").I32(0).I32(0); };
    ASSERT_EQ(root.Open(Write("legacy2.qel", DocumentFile(parts.Build())).c_str(), false, nullptr, false),
              kDataOk);
    std::string name = root.resources->GetAt(0)->name;
    EXPECT_EQ(name.size(), 98u);   // cut on a character boundary, and said so
    EXPECT_EQ(name.substr(0, 2), "\xC3\xA9");
    EXPECT_TRUE(root.TextsWereShortened());
    ASSERT_EQ(root.Save(nullptr), kDataOk);
    ASSERT_EQ(root.Reload(nullptr, false), kDataOk);
    EXPECT_FALSE(root.TextsWereShortened());
}

}  // namespace
