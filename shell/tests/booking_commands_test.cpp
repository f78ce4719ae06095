#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "booking_clipboard.h"
#include "booking_commands.h"
#include "data_library.h"
#include "host_objects.h"
#include "plan_builder.h"
#include "plan_dump.h"
#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "testing/fake_history.h"
#include "testing/temp_directory.h"

namespace {

using dlgtest::All;
using dlgtest::Dump;

constexpr int32_t kMonday = 2460003;   // 27 February 2023
constexpr int32_t kTuesday = kMonday + 1;
constexpr int32_t kFriday = kMonday + 4;

CDateTime At(int32_t day, int minutes) { return CDateTime(CDate::FromJulianDay(day), CTimeOfDay(minutes)); }

// The dialogs answer from a script and remember what they were shown.
class ScriptedDialogs : public IBookingDialogs {
public:
    bool RunBookingDialog(BookingDialogRecord& record) override {
        bookingDialogs.push_back(record);
        return onBooking ? onBooking(record) : false;
    }
    bool ConfirmDeleteBooking(const BookingDeleteTexts& texts) override {
        deleteQuestions.push_back(texts);
        return confirmDelete;
    }
    bool ShowConflicts(const std::vector<CBooking*>& conflicts) override {
        conflictLists.push_back(conflicts);
        return acceptConflicts;
    }

    std::function<bool(BookingDialogRecord&)> onBooking;
    bool confirmDelete = true;
    bool acceptConflicts = true;
    std::vector<BookingDialogRecord> bookingDialogs;
    std::vector<BookingDeleteTexts> deleteQuestions;
    std::vector<std::vector<CBooking*>> conflictLists;
};

void ForwardChange(uint32_t mask) { UpdateBookingClipboard(mask); }

class BookingCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        static void* resources = plat::LoadLibrary("libQELRes.so");
        plat::SetResourceModule(resources);
        ASSERT_NE(data, nullptr) << library.error();
        ASSERT_EQ(CDate::FromJulianDay(kMonday).GetDayOfWeek(), 1);
        Host().data = data;
        CreateBookingClipboard();
        data->AddListener(&ForwardChange);

        crane = plan.Resource("Crane", 0);
        digger = plan.Resource("Digger", 1);
        truck = plan.Resource("Truck", 2);
        lift = plan.Task("Lift", 0);
        dig = plan.Task("Dig", 1);
        monday = plan.Booking(crane, lift, kMonday, 480, kMonday, 720);
        tuesday = plan.Booking(digger, dig, kTuesday, 600, kTuesday, 900);
        history.Clear();
    }
    void TearDown() override {
        DeleteBookingClipboard();
        Host() = HostObjects{};
    }

    std::string LastStep() const { return history.undoList.empty() ? "" : history.undoList.back().name; }

    // Periods as start day, start minute entry, end day, end minute entry.
    // What the check answered, its result and the bookings the dialog listed.
    std::string CheckConflicts(std::vector<CResource*> resources, std::vector<std::array<int32_t, 4>> periods,
                               std::vector<CBooking*> ignore);

    FakeHistory history;
    dlgtest::DataLibrary library{&history};
    CPlanData* data = library.data();
    dlgtest::PlanBuilder plan{data};
    std::map<std::string, std::string, std::less<>> settings;
    ScriptedDialogs dialogs;
    CBookingCommands commands{data, dialogs, [this](std::string_view key) {
                                  auto it = settings.find(key);
                                  return it != settings.end() ? it->second : std::string();
                              }};
    CResource *crane = nullptr, *digger = nullptr, *truck = nullptr;
    CTask *lift = nullptr, *dig = nullptr;
    CBooking *monday = nullptr, *tuesday = nullptr;
};

// The dialog's answer: OK with these resources and this period, the rest as shown.
std::function<bool(BookingDialogRecord&)> Answer(std::vector<CResource*> resources, CTask* task,
                                                 CDateTime start, CDateTime end, std::string text = "") {
    return [=](BookingDialogRecord& r) {
        r.resources = resources;
        r.task = task;
        r.SetPeriod(start, end);
        r.text = text;
        r.color1 = 0x112233;
        return true;
    };
}

// Resource, task and period of each booking, days counted from Monday.
std::string Describe(const std::vector<CBooking*>& bookings) {
    std::string text;
    for (const CBooking* b : bookings) {
        if (!text.empty()) text += "; ";
        text += std::string(b->resource->name) + " " + b->task->name + " " + std::to_string(b->startDay - kMonday) +
                " " + std::to_string(b->startMinutes) + " " + std::to_string(b->endDay - kMonday) + " " +
                std::to_string(b->endMinutes);
    }
    return text;
}

std::string BookingCommandsTest::CheckConflicts(std::vector<CResource*> resources,
                                                std::vector<std::array<int32_t, 4>> periods,
                                                std::vector<CBooking*> ignore) {
    std::vector<int32_t> startDays, startMinutes, endDays, endMinutes;
    for (const auto& p : periods) {
        startDays.push_back(p[0]);
        startMinutes.push_back(p[1]);
        endDays.push_back(p[2]);
        endMinutes.push_back(p[3]);
    }
    BookingConflictRequest request{int32_t(resources.size()), resources.data(), int32_t(periods.size()),
                                   startDays.data(), startMinutes.data(), endDays.data(), endMinutes.data(),
                                   int32_t(ignore.size()), ignore.data(), -1};
    dialogs.conflictLists.clear();
    const int32_t answer = commands.CheckBookingConflicts(&request);
    return std::to_string(answer) + " result " + std::to_string(request.result) + " shown [" +
           (dialogs.conflictLists.empty() ? "" : Describe(dialogs.conflictLists[0])) + "]";
}

// The edges a user meets, one row each: what the operation answered, what
// it made or showed, and the undo step it left. Undo then restores the
// document row by row.
TEST_F(BookingCommandsTest, EdgeCases) {
    CBooking* weekend = plan.Booking(truck, dig, kFriday, 960, kFriday + 3, 540);   // Fri 16:00 to Mon 9:00
    CBooking* longOne = plan.Booking(digger, lift, kMonday, 0, kTuesday + 1, 0);
    history.Clear();
    const auto startingAt = [&](int32_t day, int minutes) {
        std::vector<CBooking*> found;
        for (CBooking* b : All<CBooking>(data->bookings))
            if (b->startDay == day && b->startMinutes == minutes) found.push_back(b);
        return found;
    };
    CResource* outside = reinterpret_cast<CResource*>(&history);   // never read when the check is off

    const struct {
        const char* what;
        std::map<std::string, std::string, std::less<>> settings;
        std::function<std::string()> run;
        std::string outcome;
        unsigned step;   // 0: none
    } rows[] = {
        {"paste onto three resources", {},
         [&] {
             commands.CopyBooking(monday);
             const bool pasted = commands.PasteBookings(At(kFriday, 600), {crane, digger, truck}, {});
             return std::to_string(pasted) + " " + Describe(startingAt(kFriday, 600));
         },
         "1 Crane Lift 4 600 4 840; Digger Lift 4 600 4 840; Truck Lift 4 600 4 840", ids::UNDO_PASTE_BOOKINGS},
        {"pasted length in working time", {},
         [&] {
             commands.CopyBooking(weekend);
             const bool pasted = commands.PasteBookings(At(kTuesday, 960), {}, {});
             return std::to_string(pasted) + " " + Describe(startingAt(kTuesday, 960));
         },
         "1 Truck Dig 1 960 2 540", ids::UNDO_PASTE_BOOKINGS},
        {"pasted length in real minutes, across the night and the weekend", {{"DurationRealTime", "1"}},
         [&] {
             commands.CopyBooking(weekend);
             const bool pasted = commands.PasteBookings(At(kTuesday, 960), {}, {});
             return std::to_string(pasted) + " " + Describe(startingAt(kTuesday, 960));
         },
         "1 Truck Dig 1 960 4 540", ids::UNDO_PASTE_BOOKINGS},
        {"paste refused after the clipboard's resource is deleted", {},
         [&] {
             commands.CopyBooking(monday);
             data->BeginTransaction("Delete");
             crane->Delete();
             data->CommitTransaction();
             const bool canPaste = CanPasteBooking();
             const bool pasted = commands.PasteBookings(At(kFriday, 600), {digger}, {});
             return std::to_string(canPaste) + " " + std::to_string(pasted) + " " +
                    std::to_string(BookingClipboard()->resource == nullptr);
         },
         "0 0 1", 0},
        {"delete one booking with the question off", {{"ConfirmBookingDelete", "0"}},
         [&] {
             dialogs.deleteQuestions.clear();
             const bool deleted = commands.DeleteBookings({tuesday});
             return std::to_string(deleted) + " asked " + std::to_string(dialogs.deleteQuestions.size());
         },
         "1 asked 0", ids::UNDO_DELETE_BOOKING},
        {"conflict check off answers 1 without looking", {},
         [&] { return CheckConflicts({crane, outside}, {{kMonday, 480, kMonday, 600}}, {}); }, "1 result 1 shown []", 0},
        {"a booking overlapping two periods is collected twice", {{"CheckBookingConflicts", "1"}},
         [&] { return CheckConflicts({crane, digger}, {{kMonday, 500, kMonday, 520}, {kTuesday, 0, kTuesday, 60}}, {}); },
         "1 result 1 shown [Crane Lift 0 480 0 720; Digger Lift 0 0 2 0; Digger Lift 0 0 2 0]", 0},
        {"the ignore list keeps the edited booking out", {{"CheckBookingConflicts", "1"}},
         [&] { return CheckConflicts({digger}, {{kMonday, 500, kMonday, 520}}, {longOne}); }, "1 result 0 shown []", 0},
    };
    const std::string initial = Dump(data);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        settings = row.settings;
        EXPECT_EQ(row.run(), row.outcome);
        if (row.step != 0) {
            ASSERT_EQ(history.undoList.size(), 1u);
            EXPECT_EQ(LastStep(), plat::LoadResString(row.step));
        }
        while (!history.undoList.empty()) ASSERT_TRUE(history.Undo());
        EXPECT_EQ(Dump(data), initial);
    }
}

TEST_F(BookingCommandsTest, EveryOperationIsOneNamedStepThatUndoRestoresTheDocument) {
    const struct {
        const char* what;
        std::function<bool()> run;
        unsigned step;
    } cases[] = {
        {"new on one resource",
         [&] {
             dialogs.onBooking = Answer({truck}, dig, At(kMonday, 540), At(kMonday, 600), "one");
             return commands.NewBooking(At(kMonday, 540), At(kMonday, 600), nullptr, {truck});
         },
         ids::UNDO_NEW_BOOKING},
        {"new on two resources",
         [&] {
             dialogs.onBooking = Answer({truck, crane}, lift, At(kMonday, 540), At(kTuesday, 0));
             return commands.NewBooking(At(kMonday, 540), At(kMonday, 600), lift, {truck});
         },
         ids::UNDO_NEW_BOOKINGS},
        {"edit",
         [&] {
             dialogs.onBooking = Answer({truck}, dig, At(kTuesday, 480), At(kTuesday, 960), "moved");
             return commands.EditBooking(monday);
         },
         ids::UNDO_EDIT_BOOKING},
        {"delete two", [&] { return commands.DeleteBookings({monday, tuesday}); }, ids::UNDO_DELETE_BOOKINGS},
        {"delete one", [&] { return commands.DeleteBookings({tuesday}); }, ids::UNDO_DELETE_BOOKING},
        {"cut", [&] { return commands.CutBooking(monday); }, ids::UNDO_CUT_BOOKING},
        {"paste on three resources",
         [&] {
             return commands.CopyBooking(monday) &&
                    commands.PasteBookings(At(kFriday, 480), {crane, digger, truck}, {});
         },
         ids::UNDO_PASTE_BOOKINGS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = Dump(data);
        const std::size_t steps = history.undoList.size();
        ASSERT_TRUE(c.run());
        ASSERT_EQ(history.undoList.size(), steps + 1);
        EXPECT_FALSE(plat::LoadResString(c.step).empty());
        EXPECT_EQ(LastStep(), plat::LoadResString(c.step));
        EXPECT_NE(Dump(data), before);
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(Dump(data), before);
    }
}

TEST_F(BookingCommandsTest, NewBookingMakesOneBookingPerChosenResourceFromTheDialog) {
    dialogs.onBooking = [&](BookingDialogRecord& r) {
        r.text = "line one\r\nline two";
        r.flag = 0;
        r.color2 = 0x445566;
        r.resources = {truck, crane};
        return true;
    };
    ASSERT_TRUE(commands.NewBooking(At(kMonday, 600), At(kTuesday, 0), dig, {crane}));

    ASSERT_EQ(dialogs.bookingDialogs.size(), 1u);
    const BookingDialogRecord& shown = dialogs.bookingDialogs[0];
    EXPECT_FALSE(shown.readOnly);
    EXPECT_EQ(shown.edited, nullptr);
    EXPECT_EQ(shown.task, dig);
    EXPECT_EQ(shown.resources, std::vector<CResource*>{crane});
    EXPECT_EQ(shown.fromDate.GetJulianDay(), kMonday);
    EXPECT_EQ(shown.fromTime.GetMinutes(), 600);
    EXPECT_EQ(shown.toDate.GetJulianDay(), kTuesday);

    std::vector<CBooking*> made;
    for (CResource* resource : {truck, crane})
        for (CBooking* b : All<CBooking>(data->bookings))
            if (b->resource == resource && b->task == dig) made.push_back(b);
    ASSERT_EQ(made.size(), 2u);
    for (CBooking* b : made) {
        EXPECT_STREQ(b->text, "line one\nline two");
        EXPECT_EQ(b->flag, 0);
        EXPECT_EQ(b->color2, 0x445566u);
        EXPECT_EQ(b->startDay, kMonday);
        EXPECT_EQ(b->startMinutes, 600);
        EXPECT_EQ(b->endDay, kTuesday);
        EXPECT_EQ(b->endMinutes, 0);
    }
}

TEST_F(BookingCommandsTest, PasteTakesTheClipboardBookingToTheTargetWithItsLength) {
    // Friday 16:00 to Monday 9:00 is 120 working minutes (8:00 to 17:00,
    // Monday to Friday) and 3060 real ones; an evening and a Saturday have
    // none, and keep their real two hours.
    CBooking* weekend = plan.Booking(truck, dig, kFriday, 960, kFriday + 3, 540);
    CBooking* evening = plan.Booking(truck, dig, kMonday, 1080, kMonday, 1200);
    CBooking* saturday = plan.Booking(truck, dig, kFriday + 1, 600, kFriday + 1, 720);
    const struct {
        const char* what;
        CBooking* source;
        const char* keepWorkingTime;
        const char* realTime;
        CDateTime end;
    } cases[] = {
        {"working time kept", weekend, "1", "", At(kTuesday + 1, 540)},
        {"working time not kept", weekend, "0", "", At(kFriday, 540)},
        {"real time wins over keeping working time", weekend, "1", "1", At(kFriday, 540)},
        {"an evening keeps its real length", evening, "1", "", At(kTuesday, 1080)},
        {"a Saturday keeps its real length", saturday, "1", "", At(kTuesday, 1080)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        settings["ViewBookingMoveKeepWorkingTime"] = c.keepWorkingTime;
        settings["DurationRealTime"] = c.realTime;
        ASSERT_TRUE(commands.CopyBooking(c.source));
        const int before = data->bookings->GetCount();
        ASSERT_TRUE(commands.PasteBookings(At(kTuesday, 960), {}, {}));
        ASSERT_EQ(data->bookings->GetCount(), before + 1);
        const std::vector<CBooking*> at = [&] {
            std::vector<CBooking*> found;
            for (CBooking* b : All<CBooking>(data->bookings))
                if (b->startDay == kTuesday && b->startMinutes == 960) found.push_back(b);
            return found;
        }();
        ASSERT_EQ(at.size(), 1u);
        EXPECT_EQ(at[0]->resource, truck);
        EXPECT_EQ(at[0]->task, dig);
        EXPECT_EQ(CDateTime(CDate::FromJulianDay(at[0]->endDay), CTimeOfDay(at[0]->endMinutes)), c.end)
            << at[0]->endDay - kMonday << " " << at[0]->endMinutes;
        ASSERT_TRUE(history.Undo());
    }
}

TEST_F(BookingCommandsTest, PasteMakesOneBookingPerResourceOrPerTask) {
    ASSERT_TRUE(commands.CopyBooking(monday));
    CResource* outside = data->resources->Create();   // never added
    outside->SetName("Outside");
    const struct {
        const char* what;
        std::vector<CResource*> resources;
        std::vector<CTask*> tasks;
        bool pasted;
        std::vector<std::pair<CResource*, CTask*>> made;
    } cases[] = {
        {"two tasks", {}, {dig, lift}, true, {{crane, dig}, {crane, lift}}},
        {"neither", {}, {}, true, {{crane, lift}}},
        {"both lists", {truck}, {dig}, false, {}},
        {"a null resource", {truck, nullptr}, {}, false, {}},
        {"a resource not in the document", {truck, outside}, {}, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = Dump(data);
        const int count = data->bookings->GetCount();
        EXPECT_EQ(commands.PasteBookings(At(kFriday, 600), c.resources, c.tasks), c.pasted);
        std::vector<std::pair<CResource*, CTask*>> made;
        for (CBooking* b : All<CBooking>(data->bookings)) {
            if (b->startDay != kFriday) continue;
            EXPECT_EQ(b->startMinutes, 600);
            EXPECT_EQ(b->endDay, kFriday);
            EXPECT_EQ(b->endMinutes, 840) << "the four hours of the clipboard booking";
            made.emplace_back(b->resource, b->task);
        }
        EXPECT_EQ(made, c.made);
        EXPECT_EQ(data->bookings->GetCount(), count + int(c.made.size()));
        if (c.pasted) {
            EXPECT_EQ(LastStep(), plat::LoadResString(ids::UNDO_PASTE_BOOKINGS));
            ASSERT_TRUE(history.Undo());
        }
        EXPECT_EQ(Dump(data), before);
    }
    outside->Delete();
}

TEST_F(BookingCommandsTest, DeleteAsksOnlyForOneBookingAndOnlyWhenTheSettingSaysSo) {
    const struct {
        const char* what;
        const char* confirmSetting;
        bool answer;
        std::vector<CBooking*> bookings;
        bool asked;
        bool deleted;
        unsigned step;
    } cases[] = {
        {"one, default asks, yes", "", true, {tuesday}, true, true, ids::UNDO_DELETE_BOOKING},
        {"one, asks, no", "1", false, {tuesday}, true, false, 0},
        {"two never ask", "1", false, {monday, tuesday}, false, true, ids::UNDO_DELETE_BOOKINGS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        settings["ConfirmBookingDelete"] = c.confirmSetting;
        dialogs.confirmDelete = c.answer;
        dialogs.deleteQuestions.clear();
        const std::string before = Dump(data);
        const std::size_t steps = history.undoList.size();

        EXPECT_EQ(commands.DeleteBookings(c.bookings), c.deleted);
        EXPECT_EQ(dialogs.deleteQuestions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(dialogs.deleteQuestions[0].resource, "Digger");
            EXPECT_EQ(dialogs.deleteQuestions[0].task, "Dig");
            EXPECT_FALSE(dialogs.deleteQuestions[0].start.empty());
            EXPECT_NE(dialogs.deleteQuestions[0].start, dialogs.deleteQuestions[0].end);
        }
        if (!c.deleted) {
            EXPECT_EQ(history.undoList.size(), steps);
            EXPECT_EQ(Dump(data), before);
            continue;
        }
        for (CBooking* b : c.bookings) EXPECT_FALSE(data->bookings->Contains(b));
        EXPECT_EQ(LastStep(), plat::LoadResString(c.step));
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(Dump(data), before);
    }
}

TEST_F(BookingCommandsTest, EditWritesTheDialogsChoiceOrNothing) {
    const struct {
        const char* what;
        std::function<bool(BookingDialogRecord&)> answer;
        bool changed;
    } cases[] = {
        {"cancelled", [](BookingDialogRecord&) { return false; }, false},
        {"two resources", Answer({truck, crane}, dig, At(kMonday, 480), At(kMonday, 600)), false},
        {"no resource", Answer({}, dig, At(kMonday, 480), At(kMonday, 600)), false},
        {"no task", Answer({truck}, nullptr, At(kMonday, 480), At(kMonday, 600)), false},
        {"reversed period", Answer({truck}, dig, At(kMonday, 600), At(kMonday, 480)), false},
        {"empty time",
         [](BookingDialogRecord& r) {
             r.toTime.SetEmpty(true);
             return true;
         },
         false},
        {"OK", Answer({truck}, dig, At(kTuesday, 480), At(kTuesday, 600), "new text"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.bookingDialogs.clear();
        dialogs.onBooking = c.answer;
        const std::string before = Dump(data);
        EXPECT_EQ(commands.EditBooking(monday), c.changed);
        ASSERT_EQ(dialogs.bookingDialogs.size(), 1u);
        const BookingDialogRecord& shown = dialogs.bookingDialogs[0];
        EXPECT_EQ(shown.edited, monday);
        EXPECT_FALSE(shown.readOnly);
        EXPECT_EQ(shown.task, lift);
        EXPECT_EQ(shown.resources, std::vector<CResource*>{crane});
        EXPECT_EQ(shown.fromTime.GetMinutes(), 480);
        EXPECT_EQ(shown.toTime.GetMinutes(), 720);
        if (!c.changed) {
            EXPECT_EQ(Dump(data), before);
            continue;
        }
        EXPECT_EQ(monday->resource, truck);
        EXPECT_EQ(monday->task, dig);
        EXPECT_EQ(monday->startDay, kTuesday);
        EXPECT_STREQ(monday->text, "new text");
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(Dump(data), before);
    }
}

TEST_F(BookingCommandsTest, DialogTextIsCutToTheFieldOnACharacterBoundary) {
    const std::string euro = "\xE2\x82\xAC";   // three bytes
    const struct {
        std::string in;
        std::string stored;
    } cases[] = {
        {"a\r\nb\rc\n", "a\nb\rc\n"},
        {std::string(199, 'x'), std::string(199, 'x')},
        {std::string(200, 'x'), std::string(199, 'x')},
        {std::string(197, 'x') + euro, std::string(197, 'x')},
        {std::string(196, 'x') + euro, std::string(196, 'x') + euro},
        {std::string(198, 'x') + "\r\n", std::string(198, 'x') + "\n"},
    };
    for (const auto& c : cases) {
        dialogs.onBooking = [&](BookingDialogRecord& r) {
            r.text = c.in;
            return true;
        };
        ASSERT_TRUE(commands.EditBooking(monday));
        EXPECT_EQ(std::string(monday->text), c.stored) << c.in.size();
        BookingDialogRecord back;
        SetBookingToDialog(monday, back);
        EXPECT_EQ(back.text, c.stored);
    }
}

TEST_F(BookingCommandsTest, ConflictCheck) {
    plan.Booking(crane, dig, kMonday, 780, kMonday, 900);
    settings["CheckBookingConflicts"] = "1";
    const struct {
        const char* what;
        bool accept;
        std::vector<std::array<int32_t, 4>> periods;
        std::vector<CBooking*> ignore;
        std::string outcome;
    } cases[] = {
        {"nothing overlaps", false, {{kMonday, 720, kMonday, 780}}, {}, "1 result 0 shown []"},
        {"overlap accepted", true, {{kMonday, 600, kMonday, 800}}, {},
         "1 result 1 shown [Crane Lift 0 480 0 720; Crane Dig 0 780 0 900]"},
        {"overlap refused", false, {{kMonday, 600, kMonday, 800}}, {},
         "1 result 2 shown [Crane Lift 0 480 0 720; Crane Dig 0 780 0 900]"},
        {"high bits of minute entries ignored", true,
         {{kMonday, 0x7FFF0000 | 600, kMonday, int32_t(0xFFFF0000u | 800)}}, {},
         "1 result 1 shown [Crane Lift 0 480 0 720; Crane Dig 0 780 0 900]"},
        {"the rest when one is ignored", false, {{kMonday, 600, kMonday, 800}}, {monday},
         "1 result 2 shown [Crane Dig 0 780 0 900]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.acceptConflicts = c.accept;
        EXPECT_EQ(CheckConflicts({crane}, c.periods, c.ignore), c.outcome);
    }
}

TEST_F(BookingCommandsTest, ConflictRequestThatDoesNotHoldTogetherIsRefused) {
    settings["CheckBookingConflicts"] = "1";
    // Exact-size heap arrays, so that the sanitizer sees any read past them.
    auto resources = std::make_unique<CResource*[]>(1);
    resources[0] = crane;
    auto days = std::make_unique<int32_t[]>(1);
    days[0] = kMonday;
    auto minutes = std::make_unique<int32_t[]>(1);
    minutes[0] = 600;
    auto ignore = std::make_unique<CBooking*[]>(1);
    ignore[0] = monday;
    const auto request = [&] {
        return BookingConflictRequest{1, resources.get(), 1, days.get(), minutes.get(), days.get(),
                                      minutes.get(), 1, ignore.get(), -1};
    };
    CResource* dangling[] = {reinterpret_cast<CResource*>(&minutes)};
    CResource* none[] = {nullptr};

    const struct {
        const char* what;
        std::function<void(BookingConflictRequest&)> spoil;
    } cases[] = {
        {"negative resource count", [](BookingConflictRequest& r) { r.resourceCount = -1; }},
        {"negative period count", [](BookingConflictRequest& r) { r.periodCount = -3; }},
        {"negative ignore count", [](BookingConflictRequest& r) { r.ignoreCount = -1; }},
        {"resources missing", [](BookingConflictRequest& r) { r.resources = nullptr; }},
        {"start days missing", [](BookingConflictRequest& r) { r.startDays = nullptr; }},
        {"start minutes missing", [](BookingConflictRequest& r) { r.startMinutes = nullptr; }},
        {"end days missing", [](BookingConflictRequest& r) { r.endDays = nullptr; }},
        {"end minutes missing", [](BookingConflictRequest& r) { r.endMinutes = nullptr; }},
        {"ignore list missing", [](BookingConflictRequest& r) { r.ignore = nullptr; }},
        {"a resource not in the document", [&](BookingConflictRequest& r) { r.resources = dangling; }},
        {"a null resource", [&](BookingConflictRequest& r) { r.resources = none; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BookingConflictRequest r = request();
        c.spoil(r);
        EXPECT_EQ(commands.CheckBookingConflicts(&r), 0);
        EXPECT_EQ(r.result, BOOKING_CONFLICTS_REFUSED);
    }
    EXPECT_TRUE(dialogs.conflictLists.empty());
    EXPECT_EQ(commands.CheckBookingConflicts(nullptr), 0);

    // Counts of zero need no arrays.
    BookingConflictRequest empty{0, nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0, nullptr, -1};
    EXPECT_EQ(commands.CheckBookingConflicts(&empty), 1);
    EXPECT_EQ(empty.result, BOOKING_CONFLICTS_NONE);
}

TEST_F(BookingCommandsTest, BadBookingsAndListsAreRefusedAndWriteNothing) {
    ASSERT_TRUE(commands.CopyBooking(tuesday));
    CBooking* clipboard = BookingClipboard();
    CBooking* loose = data->bookings->Create();   // never added
    loose->resource = crane;
    loose->task = lift;
    dialogs.onBooking = Answer({truck}, dig, At(kMonday, 480), At(kMonday, 600));
    const std::string before = Dump(data);

    const struct {
        const char* what;
        std::function<bool()> run;
    } cases[] = {
        {"edit null", [&] { return commands.EditBooking(nullptr); }},
        {"edit a booking outside the document", [&] { return commands.EditBooking(loose); }},
        {"delete nothing", [&] { return commands.DeleteBookings({}); }},
        {"delete null", [&] { return commands.DeleteBookings({monday, nullptr}); }},
        {"delete the clipboard", [&] { return commands.DeleteBookings({clipboard}); }},
        {"delete a booking outside the document", [&] { return commands.DeleteBookings({loose}); }},
        {"cut null", [&] { return commands.CutBooking(nullptr); }},
        {"cut the clipboard", [&] { return commands.CutBooking(clipboard); }},
        {"copy null", [&] { return commands.CopyBooking(nullptr); }},
        {"copy a booking outside the document", [&] { return commands.CopyBooking(loose); }},
        {"paste to no date", [&] { return commands.PasteBookings(CDateTime(CDate::FromJulianDay(0)), {}, {}); }},
        {"paste on a null task", [&] { return commands.PasteBookings(At(kMonday, 0), {}, {nullptr}); }},
        {"new without a resource",
         [&] {
             dialogs.onBooking = Answer({}, dig, At(kMonday, 480), At(kMonday, 600));
             return commands.NewBooking(At(kMonday, 480), At(kMonday, 600), nullptr, {});
         }},
        {"new on a resource outside the document",
         [&] {
             dialogs.onBooking = Answer({truck, reinterpret_cast<CResource*>(loose)}, dig, At(kMonday, 480),
                                        At(kMonday, 600));
             return commands.NewBooking(At(kMonday, 480), At(kMonday, 600), nullptr, {});
         }},
        {"new without a task",
         [&] {
             dialogs.onBooking = Answer({truck, crane}, nullptr, At(kMonday, 480), At(kMonday, 600));
             return commands.NewBooking(At(kMonday, 480), At(kMonday, 600), nullptr, {});
         }},
        {"new with a reversed period",
         [&] {
             dialogs.onBooking = Answer({truck}, dig, At(kMonday, 600), At(kMonday, 480));
             return commands.NewBooking(At(kMonday, 480), At(kMonday, 600), nullptr, {});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(c.run());
        EXPECT_EQ(Dump(data), before);
        EXPECT_TRUE(history.undoList.empty());
        EXPECT_EQ(BookingClipboard(), clipboard);
        EXPECT_EQ(clipboard->startDay, kTuesday) << "the clipboard keeps what it held";
        EXPECT_EQ(data->BeginTransaction("Probe"), kDataOk) << "no transaction left open";
        data->CancelTransaction();
    }
    loose->Delete();
}

// A document opened with its second password can be looked at, not changed.
TEST_F(BookingCommandsTest, WriteProtectedDocumentRefusesEveryChange) {
    testing::TempDirectory dir;
    const std::string path = dir.File("plan.qel");
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "full", "look"), kDataOk);
    ASSERT_EQ(data->Open(path.c_str(), false, "look", true), kDataReadOnly);
    ASSERT_TRUE(data->properties->IsWriteProtected());
    const auto bookings = All<CBooking>(data->bookings);
    const auto resources = All<CResource>(data->resources);
    ASSERT_EQ(bookings.size(), 2u);
    CBooking* first = bookings[0];
    settings["ConfirmBookingDelete"] = "0";
    settings["CheckBookingConflicts"] = "1";
    dialogs.acceptConflicts = true;
    dialogs.onBooking = [&](BookingDialogRecord& r) {
        r.text = "changed anyway";
        r.resources = {resources[2]};
        return true;
    };
    const std::string before = Dump(data);
    history.Clear();

    const struct {
        const char* what;
        std::function<bool()> run;
        std::size_t dialogsOpened;
    } cases[] = {
        {"new", [&] { return commands.NewBooking(At(kMonday, 0), At(kMonday, 60), nullptr, resources); }, 0},
        {"edit opens the dialog read-only", [&] { return commands.EditBooking(first); }, 1},
        {"delete", [&] { return commands.DeleteBookings(bookings); }, 0},
        {"cut", [&] { return commands.CutBooking(first); }, 0},
        {"paste",
         [&] {
             EXPECT_TRUE(commands.CopyBooking(first)) << "copying changes no document";
             return commands.PasteBookings(At(kFriday, 0), resources, {});
         },
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.bookingDialogs.clear();
        EXPECT_FALSE(c.run());
        ASSERT_EQ(dialogs.bookingDialogs.size(), c.dialogsOpened);
        if (c.dialogsOpened > 0) {
            EXPECT_TRUE(dialogs.bookingDialogs[0].readOnly);
        }
        EXPECT_EQ(Dump(data), before);
        EXPECT_TRUE(history.undoList.empty());
    }

    // The conflict check changes nothing and still answers.
    EXPECT_EQ(CheckConflicts({first->resource}, {{kMonday, 480, kMonday, 720}}, {}),
              "1 result 1 shown [Crane Lift 0 480 0 720]");
}

TEST_F(BookingCommandsTest, ClipboardFollowsTheDocument) {
    ASSERT_TRUE(commands.CopyBooking(tuesday));
    EXPECT_TRUE(CanPasteBooking());
    EXPECT_EQ(BookingClipboard()->startMinutes, 600);

    // An unrelated change keeps it; a replaced document empties it.
    plan.Resource("Van", 3);
    EXPECT_TRUE(CanPasteBooking());
    UpdateBookingClipboard(kChangeDocumentReplaced);
    EXPECT_FALSE(CanPasteBooking());
    EXPECT_EQ(BookingClipboard()->resource, nullptr);

    ASSERT_TRUE(commands.CopyBooking(tuesday));
    ClearBookingClipboard();
    EXPECT_FALSE(CanPasteBooking());

    // Cut puts the booking there before it goes.
    ASSERT_TRUE(commands.CutBooking(monday));
    EXPECT_TRUE(CanPasteBooking());
    EXPECT_EQ(BookingClipboard()->resource, crane);
    EXPECT_EQ(BookingClipboard()->startDay, kMonday);
}

}  // namespace
