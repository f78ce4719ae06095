#include <climits>
#include <functional>

#include "file_fixture.h"

namespace {

using OlderFormatTest = FileTest;

TEST_F(OlderFormatTest, OpensRenumbersByNameAndSavesInTheCurrentFormat) {
    Begin("Protect");
    root.properties->BeginChange();
    root.properties->passwordFlag = 1;
    root.properties->SetPassword1("old");
    root.CommitTransaction();
    std::string path = Write("older.qel", ReadGolden("older.qel"));
    ASSERT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_TRUE(root.IsOlderFormatOpen());
    EXPECT_EQ(root.properties->passwordFlag, 0);
    EXPECT_STREQ(root.properties->password1, "");
    EXPECT_EQ(root.properties->workingDays[4], 1);
    EXPECT_EQ(root.properties->workingDays[5], 0);
    ASSERT_EQ(root.resources->GetCount(), 3);
    const char* names[] = {"beta", "Alpha", "gamma"};
    const int32_t order[] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(root.resources->GetAt(static_cast<uint32_t>(i))->name, names[i]);
        EXPECT_EQ(root.resources->GetAt(static_cast<uint32_t>(i))->orderIndex, order[i]);
    }
    ASSERT_EQ(root.bookings->GetCount(), 1);
    CBooking* booking = root.bookings->GetAt(0);
    EXPECT_STREQ(booking->text, "caf\xC3\xA9");   // Windows-1252 read as such
    EXPECT_EQ(booking->resource, root.resources->GetAt(1));
    EXPECT_EQ(booking->task->color2, 0xFFFFu);
    EXPECT_EQ(booking->flag, 1);
    EXPECT_EQ(booking->endMinutes, 720);

    ASSERT_EQ(root.Save(nullptr), kDataOk);
    EXPECT_FALSE(root.IsOlderFormatOpen());
    EXPECT_EQ(testing::ReadFile(path).substr(0, 8), std::string("Tovima2\0", 8));
    ASSERT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(root.resources->GetAt(0)->orderIndex, 1);
    EXPECT_STREQ(root.bookings->GetAt(0)->text, "caf\xC3\xA9");
}

// Body builder: properties, then resources, tasks and bookings sections.
struct OlderParts {
    std::function<void(Bytes&)> resources = [](Bytes& b) { b.I32(1).I32(1).I32(1).I32(1).Raw("R"); };
    std::function<void(Bytes&)> tasks = [](Bytes& b) { b.I32(1).I32(1).I32(2).I32(0).I32(0).I32(1).Raw("T"); };
    std::function<void(Bytes&)> bookings = [](Bytes& b) {
        b.I32(1).I32(2).I32(3).I32(1).I32(2).I32(0).I32(0).I32(10).I32(0).I32(11).I32(0).I32(2).Raw("hi");
    };
    std::string Build() const {
        Bytes b;
        b.Raw(std::string("Tovima").append(34, '\0'));
        b.I32(1).I32(2).I32(480).I32(1020).I32(0x01010101).I32(0x00000001);
        resources(b);
        tasks(b);
        bookings(b);
        return b.data;
    }
};

TEST_F(OlderFormatTest, DamagedBodiesGiveStatus1) {
    struct Case {
        const char* what;
        std::function<void(OlderParts&)> change;
    };
    auto booking = [](int32_t resource, int32_t task, int32_t textLength, const std::string& text) {
        return [=](Bytes& b) {
            b.I32(1).I32(static_cast<int32_t>(text.size())).I32(3).I32(resource).I32(task);
            b.I32(0).I32(0).I32(10).I32(0).I32(11).I32(0).I32(textLength).Raw(text);
        };
    };
    const Case cases[] = {
        {"no sections after the properties", [](OlderParts& p) {
             p.resources = p.tasks = p.bookings = [](Bytes&) {};
         }},
        {"negative count", [](OlderParts& p) { p.resources = [](Bytes& b) { b.I32(-1).I32(0); }; }},
        {"negative total", [](OlderParts& p) { p.resources = [](Bytes& b) { b.I32(0).I32(-1); }; }},
        {"huge count", [](OlderParts& p) { p.tasks = [](Bytes& b) { b.I32(INT32_MAX).I32(0); }; }},
        {"count whose entries overflow 32 bits",
         [](OlderParts& p) { p.bookings = [](Bytes& b) { b.I32(0x08000000).I32(0).I32(0); }; }},
        {"names past the end", [](OlderParts& p) { p.resources = [](Bytes& b) { b.I32(1).I32(50).I32(1).I32(1).Raw("R"); }; }},
        {"negative name length",
         [](OlderParts& p) { p.resources = [](Bytes& b) { b.I32(1).I32(1).I32(1).I32(-1).Raw("R"); }; }},
        {"name lengths beyond the total",
         [](OlderParts& p) {
             p.resources = [](Bytes& b) { b.I32(2).I32(2).I32(1).I32(2).I32(5).I32(2).Raw("RS"); };
         }},
        {"name of 50 bytes",
         [](OlderParts& p) {
             p.resources = [](Bytes& b) { b.I32(1).I32(50).I32(1).I32(50).Raw(std::string(50, 'r')); };
         }},
        {"duplicate resource ids",
         [](OlderParts& p) {
             p.resources = [](Bytes& b) { b.I32(2).I32(2).I32(1).I32(1).I32(1).I32(1).Raw("RS"); };
         }},
        {"id 0", [](OlderParts& p) { p.tasks = [](Bytes& b) { b.I32(1).I32(1).I32(0).I32(0).I32(0).I32(1).Raw("T"); }; }},
        {"unknown resource", [&](OlderParts& p) { p.bookings = booking(9, 2, 2, "hi"); }},
        {"unknown task", [&](OlderParts& p) { p.bookings = booking(1, 9, 2, "hi"); }},
        {"text of 200 bytes", [&](OlderParts& p) { p.bookings = booking(1, 2, 200, std::string(200, 't')); }},
        {"missing bookings section", [](OlderParts& p) { p.bookings = [](Bytes& b) { b.I32(0); }; }},
    };
    AddResource("Kept");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OlderParts parts;
        c.change(parts);
        std::string path = Write("damaged.qel", parts.Build());
        EXPECT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataRefused);
        EXPECT_STREQ(root.resources->GetAt(0)->name, "Kept");
        EXPECT_EQ(root.resources->GetCount(), 1);
        EXPECT_FALSE(root.IsOlderFormatOpen());
    }
    std::string path = Write("fine.qel", OlderParts().Build());
    EXPECT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(root.bookings->GetCount(), 1);
}

}  // namespace
