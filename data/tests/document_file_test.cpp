#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>

#include "data/crypto/crc32.h"
#include "data/crypto/md5.h"
#include "byte_reader.h"
#include "file_fixture.h"
#include "plat/files.h"

namespace {

using DocumentFileTest = FileTest;

struct Golden {
    const char* file;
    const char* password;
};

class GoldenFileTest : public FileTest, public ::testing::WithParamInterface<Golden> {};

// Files written by an independent script open, and save back byte for byte.
TEST_P(GoldenFileTest, OpensAndWritesTheSameBytesBack) {
    const Golden& golden = GetParam();
    std::string original = ReadGolden(golden.file);
    ASSERT_FALSE(original.empty());
    std::string path = Write("copy.qel", original);
    ASSERT_EQ(root.Open(path.c_str(), false, golden.password, golden.password != nullptr), kDataOk);
    std::string saved = dir.File("saved.qel");
    ASSERT_EQ(root.Save(saved.c_str()), kDataOk);
    EXPECT_EQ(testing::ReadFile(saved), original);
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenFileTest,
                         ::testing::Values(Golden{"empty.qel", nullptr}, Golden{"small.qel", nullptr},
                                           Golden{"small-protected.qel", "alpha"}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(DocumentFileTest, TheSmallGoldenFileReadsAsWritten) {
    ASSERT_EQ(root.Open(GoldenPath("small.qel").c_str(), true, nullptr, false), kDataReadOnly);
    EXPECT_EQ(root.properties->dayStartMinutes, 450);
    EXPECT_EQ(root.properties->workingDays[5], 1);
    EXPECT_EQ(root.properties->reserved[0], 5);
    ASSERT_EQ(root.resources->GetCount(), 2);
    CResource* anna = root.resources->GetAt(0);
    CResource* zoe = root.resources->GetAt(1);
    EXPECT_STREQ(anna->name, "Anna Berg");
    EXPECT_STREQ(anna->group->name, "Workshop");
    EXPECT_STREQ(zoe->name, "Zo\xC3\xAB Lind");
    EXPECT_EQ(zoe->reserved[1], 2);
    std::vector<CBooking*> bookings = AllBookings();
    ASSERT_EQ(bookings.size(), 3u);
    EXPECT_EQ(bookings[0]->id, 9);
    EXPECT_EQ(bookings[1]->id, 2);
    EXPECT_EQ(bookings[1]->flag, 0);
    EXPECT_EQ(bookings[1]->reserved[2], 9);
    EXPECT_EQ(bookings[2]->task->group, nullptr);
    CFilter* filter = root.filters->GetAt(0);
    EXPECT_EQ(filter->mode, kFilterFlagged);
    EXPECT_TRUE(filter->IsResourceExcluded(zoe));
    EXPECT_TRUE(filter->IsTaskExcluded(bookings[2]->task));
    EXPECT_EQ(filter->GetExcludedResourceGroupCount(), 0);
}

TEST_F(DocumentFileTest, AnEmptyDocumentIs157Bytes) {
    std::string path = dir.File("empty.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    std::string bytes = testing::ReadFile(path);
    ASSERT_EQ(bytes.size(), 157u);
    EXPECT_EQ(std::string(bytes.data(), 8), std::string("Tovima2\0", 8));
    EXPECT_EQ(bytes.substr(40, 49), std::string(49, '\0'));
    EXPECT_EQ(Crc32(bytes.data(), 153), LoadLe32(bytes.data() + 153));
    EXPECT_EQ(root.GetFileName(), path);
    EXPECT_FALSE(root.IsModified());
}

TEST_F(DocumentFileTest, PaddingFillsTheLastCipherBlock) {
    struct Case {
        std::size_t payload, padding;
    };
    for (Case c : {Case{1000, 8}, Case{1001, 7}, Case{1007, 1}, Case{60, 4}}) {
        SCOPED_TRACE(c.payload);
        std::string image = DocumentFile(std::string(c.payload, 'p'));
        ASSERT_EQ(image.size(), kPayloadOffset + c.payload + c.padding + kTrailerBytes);
        EXPECT_EQ(image.substr(kPayloadOffset + c.payload, c.padding), std::string(c.padding, '\0'));
    }
}

class PasswordTest : public FileTest {
protected:
    void SetUp() override {
        AddResource("Secret");
        path = SaveProtected("protected.qel", "alpha", "beta");
        // Another document is open when each case starts.
        other = dir.File("other.qel");
        root.Close();
        AddResource("Other one");
        ASSERT_EQ(root.Save(other.c_str()), kDataOk);
    }
    std::string SaveProtected(const char* name, const char* password1, const char* password2) {
        Begin("Protect");
        root.properties->BeginChange();
        root.properties->passwordFlag = 1;
        root.properties->SetPassword1(password1);
        root.properties->SetPassword2(password2);
        root.CommitTransaction();
        std::string file = dir.File(name);
        EXPECT_EQ(root.Save(file.c_str()), kDataOk);
        return file;
    }
    std::string path, other;
};

TEST_F(PasswordTest, Matrix) {
    struct Case {
        const char* entry;
        bool havePassword;
        int32_t status;
        bool opened, writeProtected;
    };
    const Case cases[] = {
        {"alpha", true, kDataOk, true, false},
        {"beta", true, kDataReadOnly, true, true},
        {"wrong", true, kDataPassword, false, false},
        {"", true, kDataPassword, false, false},
        {nullptr, false, kDataPassword, false, false},
        {"alpha", false, kDataPassword, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry ? c.entry : "(none)");
        ASSERT_EQ(root.Open(other.c_str(), false, nullptr, false), kDataOk);
        EXPECT_EQ(root.Open(path.c_str(), false, c.entry, c.havePassword), c.status);
        ASSERT_EQ(root.resources->GetCount(), 1);
        EXPECT_STREQ(root.resources->GetAt(0)->name, c.opened ? "Secret" : "Other one");
        EXPECT_EQ(root.GetFileName(), c.opened ? path : other);
        EXPECT_EQ(root.properties->IsWriteProtected(), c.writeProtected);
        EXPECT_EQ(root.IsReadOnly(), c.writeProtected);
        if (c.writeProtected) {
            EXPECT_EQ(root.Save(nullptr), kDataReadOnly);
            EXPECT_EQ(root.Save(dir.File("elsewhere.qel").c_str()), kDataReadOnly);
            EXPECT_STREQ(root.properties->password1, "alpha");   // the key came from the block
        }
        uint8_t digests[32];
        ASSERT_EQ(root.GetPasswordDigests(digests), kDataOk);
        MD5DigestBytes alpha = MD5Digest("alpha", 5);
        EXPECT_EQ(std::memcmp(digests, alpha.data(), 16) == 0, c.status != kDataOk || c.opened)
            << "the digests of the file examined last, even after a refusal";
    }
}

TEST_F(PasswordTest, AnEmptyEntryNeverMatchesAnEmptySecondPassword) {
    root.Close();
    AddResource("Secret");
    std::string file = SaveProtected("empty-second.qel", "alpha", "");
    root.Close();
    EXPECT_EQ(root.Open(file.c_str(), false, "", true), kDataPassword);
    EXPECT_EQ(root.Open(file.c_str(), false, "alpha", true), kDataOk);
}

TEST_F(PasswordTest, PasswordsFromTheOldPlatformOpenThroughTheirWindows1252Bytes) {
    root.Close();
    AddResource("Legacy");
    // What a file made on the original platform stores: Windows-1252 bytes.
    std::string file = SaveProtected("legacy.qel", "p\xE4ss", "r\xF6");
    root.Close();
    EXPECT_EQ(root.Open(file.c_str(), false, "p\xC3\xA4ss", true), kDataOk);
    EXPECT_EQ(root.Open(file.c_str(), false, "r\xC3\xB6", true), kDataReadOnly);
    EXPECT_STREQ(root.resources->GetAt(0)->name, "Legacy");
}

// A 15-byte password of the old platform grows past 15 bytes in UTF-8. It
// is a cipher key: kept as stored, it still opens the file after a save.
TEST_F(PasswordTest, PasswordsOfTheOldPlatformReopenAfterASave) {
    struct Case {
        const char* stored;   // Windows-1252
        const char* typed;    // UTF-8
    };
    const Case cases[] = {
        {"Passwort123456\xE4", "Passwort123456\xC3\xA4"},
        {"Gr\xF6\xDF" "en\xE4nderung!", "Gr\xC3\xB6\xC3\x9F" "en\xC3\xA4nderung!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_EQ(std::strlen(c.stored), 15u);
        root.Close();
        AddResource("Legacy");
        Begin("Protect");
        root.properties->BeginChange();
        root.properties->passwordFlag = 1;
        std::memcpy(root.properties->password1, c.stored, 16);
        std::memcpy(root.properties->password2, c.stored, 16);
        root.properties->password2[0] = 'X';
        root.CommitTransaction();
        std::string file = dir.File("legacy-key.qel");
        ASSERT_EQ(root.Save(file.c_str()), kDataOk);
        root.Close();
        std::string second = std::string("X") + (c.typed + 1);

        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            ASSERT_EQ(root.Open(file.c_str(), false, c.typed, true), kDataOk);
            EXPECT_EQ(std::string(root.properties->password1), c.stored);
            ASSERT_EQ(root.Save(nullptr), kDataOk);
        }
        root.Close();
        EXPECT_EQ(root.Open(file.c_str(), false, second.c_str(), true), kDataReadOnly);
        EXPECT_STREQ(root.resources->GetAt(0)->name, "Legacy");
    }
}

// The password entry asks for a read-only open when the second password
// matched; that request is the password's, so the first password, given
// later, still gains full access.
TEST_F(PasswordTest, ReloadFollowsThePasswordGiven) {
    for (const bool readOnlyRequest : {false, true}) {
        SCOPED_TRACE(readOnlyRequest);
        ASSERT_EQ(root.Open(path.c_str(), readOnlyRequest, "beta", true), kDataReadOnly);
        EXPECT_EQ(root.Reload("wrong", true), kDataPassword);
        EXPECT_TRUE(root.properties->IsWriteProtected());
        EXPECT_EQ(root.Reload("alpha", true), kDataOk);   // full access gained
        EXPECT_FALSE(root.IsReadOnly());
        EXPECT_FALSE(root.properties->IsWriteProtected());
        EXPECT_EQ(root.Save(nullptr), kDataOk);
        EXPECT_EQ(root.Reload("beta", true), kDataReadOnly);
        EXPECT_EQ(root.Save(nullptr), kDataReadOnly);
        root.Close();
        EXPECT_EQ(root.Reload("alpha", true), kDataBadFile);
    }
}

// A read-only open the user asked for stays read-only whatever password
// opens the file again.
TEST_F(PasswordTest, ReadOnlyRequestedWithTheFirstPasswordStaysOnReload) {
    ASSERT_EQ(root.Open(path.c_str(), true, "alpha", true), kDataReadOnly);
    EXPECT_FALSE(root.properties->IsWriteProtected());
    EXPECT_EQ(root.Reload("alpha", true), kDataReadOnly);
    EXPECT_TRUE(root.IsReadOnly());
}

// What a listener sees when it hears of a new document: the access the
// password gave and an unmodified document, not the state before.
CPlanData* g_watched = nullptr;
std::vector<std::string> g_seen;
void RecordState(uint32_t) {
    g_seen.push_back(std::string(g_watched->IsReadOnly() ? "read-only" : "writable") +
                     (g_watched->properties->IsWriteProtected() ? ",protected" : "") +
                     (g_watched->IsModified() ? ",modified" : ""));
}

TEST_F(PasswordTest, ListenersHearOfANewDocumentWithItsAccessSettled) {
    g_watched = &root;
    g_seen.clear();
    root.AddListener(&RecordState);
    AddResource("Unsaved");
    g_seen.clear();
    ASSERT_EQ(root.Open(path.c_str(), false, "beta", true), kDataReadOnly);
    ASSERT_EQ(root.Reload("alpha", true), kDataOk);
    EXPECT_EQ(g_seen, (std::vector<std::string>{"read-only,protected", "writable"}));
}

TEST_F(DocumentFileTest, EverySingleChangedByteIsRefused) {
    std::string original = ReadGolden("small.qel");
    ASSERT_EQ(original.size(), 573u);
    AddResource("Kept");
    std::string path = dir.File("flipped.qel");
    for (std::size_t i = 0; i < original.size(); ++i) {
        std::string damaged = original;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x01);
        ASSERT_TRUE(plat::WriteFileAtomic(path, damaged, nullptr));
        ASSERT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataBadFile) << "byte " << i;
    }
    EXPECT_STREQ(root.resources->GetAt(0)->name, "Kept");
}

TEST_F(DocumentFileTest, ShortAndMisshapenFilesAreRefused) {
    auto withChecksum = [](std::size_t length) {
        std::string image(length - 4, '\0');
        std::memcpy(image.data(), "Tovima2", 7);
        image.resize(image.size() + 4);
        StoreLe32(image.data() + length - 4, Crc32(image.data(), length - 4));
        return image;
    };
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"39 bytes of magic", std::string("Tovima2").append(32, '\0')},
        {"not a document", std::string(200, 'x')},
        {"88 bytes", withChecksum(88)},
        {"89 bytes", withChecksum(89)},
        {"92 bytes", withChecksum(92)},
        {"93 bytes", withChecksum(93)},
        {"97 bytes", withChecksum(97)},
        {"100 bytes", withChecksum(100)},
        {"payload area of 12", withChecksum(105)},
        {"older magic, too short", std::string("Tovima").append(34, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = Write("short.qel", c.bytes);
        int32_t status = root.Open(path.c_str(), false, nullptr, false);
        EXPECT_EQ(status, std::string(c.what).starts_with("older") ? kDataRefused : kDataBadFile);
    }
    // Over 2 GiB: refused from its size, before anything is read.
    std::string huge = Write("huge.qel", withChecksum(200));
    ASSERT_EQ(::truncate(huge.c_str(), (int64_t{1} << 31) + 8), 0);
    EXPECT_EQ(root.Open(huge.c_str(), false, nullptr, false), kDataBadFile);
    EXPECT_EQ(root.Open("", false, nullptr, false), kDataBadFile);
    EXPECT_EQ(root.Open(nullptr, false, nullptr, false), kDataBadFile);
    EXPECT_EQ(root.Open(dir.File("missing.qel").c_str(), false, nullptr, false), kDataCannotOpen);
    EXPECT_EQ(root.Save(nullptr), kDataBadFile);
}

TEST_F(DocumentFileTest, AFailedSaveLeavesTheOldFileAndTheDocumentOpen) {
    CResource* anna = AddResource("Anna");
    std::string path = dir.File("doc.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    std::string before = testing::ReadFile(path);
    Begin("Rename");
    anna->BeginChange();
    anna->SetName(std::string(90, 'x'));
    root.CommitTransaction();

    plat::SetWriteFailureForTesting(20);
    EXPECT_EQ(root.Save(nullptr), kDataIoError);
    EXPECT_EQ(root.Save(dir.File("new.qel").c_str()), kDataIoError);
    plat::SetWriteFailureForTesting(-1);
    EXPECT_EQ(testing::ReadFile(path), before);
    EXPECT_EQ(plat::GetPathKind(dir.File("new.qel")), plat::PathKind::Missing);
    EXPECT_EQ(root.GetFileName(), path);
    EXPECT_TRUE(root.IsModified());
    EXPECT_FALSE(root.IsReadOnly());

    Begin("Open");
    EXPECT_EQ(root.Save(nullptr), kDataRefused);   // never half a transaction
    root.CancelTransaction();
    ASSERT_EQ(root.Save(nullptr), kDataOk);
    EXPECT_FALSE(root.IsModified());
    ASSERT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(std::string(root.resources->GetAt(0)->name), std::string(90, 'x'));
}

TEST_F(DocumentFileTest, TheWritersLockMakesASecondOpenerReadOnly) {
    AddResource("Anna");
    std::string path = dir.File("shared.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);

    FakeHistory otherHistory;
    PlanRoot other(&otherHistory);
    EXPECT_EQ(other.Open(path.c_str(), false, nullptr, false), kDataReadOnly);
    EXPECT_TRUE(other.IsReadOnly());
    EXPECT_EQ(other.resources->GetCount(), 1);
    EXPECT_EQ(other.Save(nullptr), kDataReadOnly);
    EXPECT_EQ(other.Save(path.c_str()), kDataReadOnly);   // the same file, by name

    // Our own lock does not stand in our way when we open the file again.
    EXPECT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_FALSE(root.IsReadOnly());
    EXPECT_EQ(other.Open(path.c_str(), false, nullptr, false), kDataReadOnly);

    // Closing hands the lock on; a read-only request never takes it.
    root.Close();
    EXPECT_EQ(other.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataReadOnly);
    EXPECT_EQ(root.Open(path.c_str(), true, nullptr, false), kDataReadOnly);
}

TEST_F(DocumentFileTest, AFailedReopenOfTheOpenFileKeepsItsLock) {
    Begin("Protect");
    root.properties->BeginChange();
    root.properties->passwordFlag = 1;
    root.properties->SetPassword1("alpha");
    root.CommitTransaction();
    std::string path = dir.File("locked.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    EXPECT_EQ(root.Open(path.c_str(), false, "wrong", true), kDataPassword);
    FakeHistory otherHistory;
    PlanRoot other(&otherHistory);
    EXPECT_EQ(other.Open(path.c_str(), false, "alpha", true), kDataReadOnly);
    EXPECT_FALSE(root.IsReadOnly());
}

// Opened read-only on request, the file holds no lock of ours and no other
// writer holds it: saving onto it by name writes it and makes it writable.
TEST_F(DocumentFileTest, SaveAsOntoTheFileOpenedReadOnlyOnRequest) {
    AddResource("Anna");
    std::string path = dir.File("asked.qel");
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    ASSERT_EQ(root.Open(path.c_str(), true, nullptr, false), kDataReadOnly);
    EXPECT_EQ(root.Save(nullptr), kDataReadOnly);
    AddResource("Ben");
    EXPECT_EQ(root.Save(path.c_str()), kDataOk);
    EXPECT_FALSE(root.IsReadOnly());
    FakeHistory otherHistory;
    PlanRoot other(&otherHistory);
    EXPECT_EQ(other.Open(path.c_str(), false, nullptr, false), kDataReadOnly);   // ours now
    EXPECT_EQ(other.resources->GetCount(), 2);
}

// Saves killed at random moments leave the document whole and no stray
// file beside it.
TEST_F(DocumentFileTest, KilledSavesLeaveNoStrayFiles) {
    CResource* anna = AddResource("Anna");
    CTask* task = AddTask("Build");
    Begin("Many");
    for (int i = 0; i < 20000; ++i) {
        CBooking* booking = NewBooking(anna, task, 100 + i % 300, 0, 101 + i % 300, 0);
        booking->SetText("a text that makes the file longer");
        ASSERT_EQ(root.bookings->Add(booking), kDataOk);
    }
    root.CommitTransaction();
    std::string path = dir.File("doc.qel");
    auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    auto saveMicroseconds = std::chrono::duration_cast<std::chrono::microseconds>(
                                std::chrono::steady_clock::now() - started).count();
    std::string saved = testing::ReadFile(path);

    // Kills spread over about three saves, so some land in each step of one.
    std::mt19937 random(7);
    for (int kill = 0; kill < 50; ++kill) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) root.Save(nullptr);
        }
        ::usleep(static_cast<useconds_t>(random() % (3 * saveMicroseconds + 1000)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    auto names = [&] {
        std::vector<std::string> result;
        for (const plat::DirEntry& entry : plat::ReadDirectory(dir.path())) result.push_back(entry.name);
        return result;
    };
    // Only a kill between naming and renaming could leave one, under one name.
    EXPECT_LE(names().size(), 2u);
    EXPECT_EQ(testing::ReadFile(path), saved);
    ASSERT_EQ(root.Save(nullptr), kDataOk);
    EXPECT_EQ(names(), std::vector<std::string>{"doc.qel"});
    FakeHistory otherHistory;
    PlanRoot other(&otherHistory);
    root.Close();
    ASSERT_EQ(other.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(other.bookings->GetCount(), 20000);
}

TEST_F(DocumentFileTest, SavingOverAFileAnotherWriterHoldsFails) {
    std::string path = dir.File("held.qel");
    FakeHistory otherHistory;
    PlanRoot other(&otherHistory);
    ASSERT_EQ(other.Save(path.c_str()), kDataOk);
    std::string before = testing::ReadFile(path);
    AddResource("Anna");
    EXPECT_EQ(root.Save(path.c_str()), kDataIoError);
    EXPECT_EQ(testing::ReadFile(path), before);
}

TEST_F(DocumentFileTest, OpeningReplacesTheDocumentAndNotifiesOnce) {
    std::string path = dir.File("doc.qel");
    CResource* anna = AddResource("Anna");
    AddBooking(anna, AddTask("Build"), 1, 0, 2, 0);
    ASSERT_EQ(root.Save(path.c_str()), kDataOk);
    AddResource("Unsaved");
    ASSERT_FALSE(history.undoList.empty());
    masks().clear();
    ASSERT_EQ(root.Open(path.c_str(), false, nullptr, false), kDataOk);
    EXPECT_EQ(masks(), std::vector<uint32_t>{kChangeDocumentReplaced | kChangeProperties |
                                             kChangeResources | kChangeTasks | kChangeBookings});
    EXPECT_TRUE(history.undoList.empty());
    EXPECT_FALSE(root.IsModified());
    EXPECT_EQ(root.resources->GetCount(), 1);
    EXPECT_EQ(root.bookings->GetAt(0)->resource, root.resources->GetAt(0));
    EXPECT_EQ(root.resources->GetAt(0)->GetBookingCount(1, 0, 2, 0), 1);
}

}  // namespace
