#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <fstream>
#include <functional>

#include "file_fixture.h"
#include "plat/utf8.h"

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

// Resources and tasks are each numbered by name, ignoring case.
TEST_F(OlderFormatTest, RenumberingIgnoresCase) {
    auto names = [](std::vector<std::string> list, int fields) {
        return [=](Bytes& b) {
            std::string all;
            for (const std::string& name : list) all += name;
            b.I32(static_cast<int32_t>(list.size())).I32(static_cast<int32_t>(all.size()));
            for (std::size_t i = 0; i < list.size(); ++i) {
                b.I32(static_cast<int32_t>(i + 1));
                for (int f = 2; f < fields; ++f) b.I32(0);
                b.I32(static_cast<int32_t>(list[i].size()));
            }
            b.Raw(all);
        };
    };
    OlderParts parts;
    parts.resources = names({"alpha", "Beta", "gamma", "ALPHA2"}, 2);
    parts.tasks = names({"Zed", "apple", "Mango"}, 4);
    parts.bookings = [](Bytes& b) { b.I32(0).I32(0); };
    ASSERT_EQ(root.Open(Write("case.qel", parts.Build()).c_str(), false, nullptr, false), kDataOk);
    auto order = [](auto* collection) {
        std::vector<int32_t> result;
        for (int32_t i = 0; i < collection->GetCount(); ++i)
            result.push_back(collection->GetAt(static_cast<uint32_t>(i))->orderIndex);
        return result;
    };
    EXPECT_EQ(order(root.resources), (std::vector<int32_t>{0, 2, 3, 1}));
    EXPECT_EQ(order(root.tasks), (std::vector<int32_t>{2, 0, 1}));
}

// Windows-1252 names and texts that outgrow their fields in UTF-8 are cut
// on a character boundary, and the document says so.
TEST_F(OlderFormatTest, ShortenedTextsAreReported) {
    struct Case {
        const char* what;
        std::string name, text;
        std::size_t nameBytes, textBytes;
        bool shortened;
    };
    const std::string ae(1, '\xE4');
    auto repeat = [](const std::string& piece, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += piece;
        return out;
    };
    const Case cases[] = {
        {"fits", repeat(ae, 49), repeat(ae, 99), 98, 198, false},
        {"text of 100 letters", "R", repeat(ae, 100), 1, 198, true},
        {"name of euro signs", repeat("\x80", 34), "t", 99, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OlderParts parts;
        parts.resources = [&](Bytes& b) {
            b.I32(1).I32(static_cast<int32_t>(c.name.size())).I32(1).I32(static_cast<int32_t>(c.name.size())).Raw(c.name);
        };
        parts.bookings = [&](Bytes& b) {
            b.I32(1).I32(static_cast<int32_t>(c.text.size())).I32(3).I32(1).I32(2);
            b.I32(0).I32(0).I32(10).I32(0).I32(11).I32(0).I32(static_cast<int32_t>(c.text.size())).Raw(c.text);
        };
        ASSERT_EQ(root.Open(Write("long.qel", parts.Build()).c_str(), false, nullptr, false), kDataOk);
        std::string name = root.resources->GetAt(0)->name;
        std::string text = root.bookings->GetAt(0)->text;
        EXPECT_EQ(name.size(), c.nameBytes);
        EXPECT_EQ(text.size(), c.textBytes);
        EXPECT_TRUE(plat::IsValidUtf8(name) && plat::IsValidUtf8(text));
        EXPECT_EQ(root.TextsWereShortened(), c.shortened);
    }
    root.Close();
    EXPECT_FALSE(root.TextsWereShortened());
}

// Kilobytes of a process's peak resident memory beyond what it had when
// reset ("VmHWM" after writing 5 to clear_refs).
long PeakKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
    return -1;
}

// A crafted file that claims millions of entries, all well formed but the
// last: it is refused without a record, or a vector per entry, being made.
TEST_F(OlderFormatTest, PeakMemoryStaysWithinASmallMultipleOfTheFile) {
    constexpr int32_t kEntries = 4 << 20;
    Bytes resources;
    resources.I32(kEntries).I32(kEntries);
    for (int32_t i = 1; i <= kEntries; ++i) resources.I32(i).I32(i < kEntries ? 1 : 2);
    resources.Raw(std::string(static_cast<std::size_t>(kEntries), 'r'));
    OlderParts parts;
    parts.resources = [&](Bytes& b) { b.Raw(resources.data); };
    std::string file = parts.Build();
    std::string path = Write("crafted.qel", file);
    file.clear();
    file.shrink_to_fit();
    resources.data.clear();
    resources.data.shrink_to_fit();

    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ofstream("/proc/self/clear_refs") << "5";
        long before = PeakKilobytes("VmRSS:");
        int32_t status = root.Open(path.c_str(), false, nullptr, false);
        long grown[2] = {status, PeakKilobytes("VmHWM:") - before};
        (void)!::write(pipeFds[1], grown, sizeof grown);
        ::_exit(0);
    }
    long grown[2] = {};
    ASSERT_EQ(::read(pipeFds[0], grown, sizeof grown), static_cast<ssize_t>(sizeof grown));
    ::waitpid(child, nullptr, 0);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    EXPECT_EQ(grown[0], kDataRefused);
    long fileKilobytes = static_cast<long>(testing::ReadFile(path).size() / 1024);
    EXPECT_LT(grown[1], 4 * fileKilobytes) << "peak grew by " << grown[1] << " KiB for a file of "
                                           << fileKilobytes << " KiB";
}

}  // namespace
