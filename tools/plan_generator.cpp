#include "plan_generator.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "plan_data.h"
#include "support/calendar_values.h"

namespace {

const char* const kFirstNames[] = {"Anna", "Ben", "Clara", "David", "Elena", "Felix", "Greta",
                                   "Hugo", "Ida", "Jonas", "Karla", "Leon", "Mia", "Noah",
                                   "Olga", "Paul", "Rosa", "Simon", "Tara", "Viktor"};
const char* const kSurnames[] = {"Berg", "Hansen", "Keller", "Lind", "Meyer", "Novak", "Ortega",
                                 "Peters", "Quist", "Richter", "Sander", "Vogel", "Weber", "Young"};
const char* const kResourceGroups[] = {"Design team", "Workshop", "Field crew", "Office",
                                       "Logistics", "Support desk"};
const char* const kTaskGroups[] = {"Website relaunch", "Office move", "Trade fair",
                                   "Warehouse extension", "Customer training", "Annual audit"};
const char* const kTasks[] = {"Kick-off meeting", "Requirements", "Site survey", "Drafts",
                              "Review", "Procurement", "Assembly", "Testing", "Training",
                              "Handover", "Documentation", "Inventory", "Painting", "Wiring",
                              "Follow-up"};
const char* const kNotes[] = {"", "", "", "on site", "remote", "bring laptop", "overtime approved",
                              "half day", "with customer", "tentative"};
const uint32_t kColours[] = {0x000000C0, 0x0000A000, 0x00C00000, 0x0000C0C0, 0x00C000C0,
                             0x00C0C000, 0x00404080, 0x00808040};

template <class T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&items)[N]) {
    return items[random() % N];
}

// A name from a list, numbered once the list is used up.
std::string Numbered(const char* base, int32_t index, int32_t listSize) {
    if (index < listSize) return base;
    return std::string(base) + " " + std::to_string(index / listSize + 1);
}

// Groups named from a list, in list order.
template <class Collection, class Group, std::size_t N>
int32_t AddGroups(Collection* collection, const char* const (&names)[N], int32_t count,
                  std::vector<Group*>& out) {
    for (int32_t i = 0; i < count; ++i) {
        Group* group = collection->Create();
        group->SetName(Numbered(names[static_cast<std::size_t>(i) % N], i, static_cast<int32_t>(N)));
        group->orderIndex = i;
        int32_t status = collection->Add(group);
        if (status != kDataOk) return status;
        out.push_back(group);
    }
    return kDataOk;
}

}  // namespace

bool IsSmallBenchRun() {
    const char* size = std::getenv("QEL_BENCH_SIZE");
    return size != nullptr && std::strcmp(size, "small") == 0;
}

PlanShape BenchPlanShape() {
    const bool small = IsSmallBenchRun();
    PlanShape shape;
    shape.resourceGroups = small ? 5 : 100;
    shape.resources = small ? 10 : 10000;
    shape.taskGroups = small ? 4 : 50;
    shape.tasks = small ? 2 : 2000;
    shape.bookings = small ? 1000 : 1000000;
    shape.seed = 42;
    return shape;
}

int32_t GeneratePlan(CPlanData& root, const PlanShape& shape) {
    std::mt19937 random(shape.seed);
    const int32_t centre = shape.centreDay != 0 ? shape.centreDay : CDate::Today().GetJulianDay();
    // About a thousand bookings a day on large plans, a month and a half on small ones.
    const int32_t span = shape.spanDays > 0 ? shape.spanDays : std::max<int32_t>(45, shape.bookings / 1000);
    const int32_t firstDay = centre - span / 2;

    int32_t status = root.BeginTransaction(nullptr);
    if (status != kDataOk) return status;
    auto fail = [&](int32_t result) {
        root.CancelTransaction();
        return result;
    };

    root.properties->BeginChange();
    root.properties->periodStart = firstDay;
    root.properties->periodEnd = firstDay + span;

    std::vector<CResourceGroup*> resourceGroups;
    if ((status = AddGroups(root.resourceGroups, kResourceGroups, shape.resourceGroups,
                            resourceGroups)) != kDataOk)
        return fail(status);
    std::vector<CResource*> resources;
    for (int32_t i = 0; i < shape.resources; ++i) {
        CResource* resource = root.resources->Create();
        std::string name = std::string(Pick(random, kFirstNames)) + " " + Pick(random, kSurnames);
        if (shape.resources > 200) name += " " + std::to_string(i + 1);
        resource->SetName(name);
        resource->orderIndex = i;
        // Most resources belong to a group; a few stand alone.
        if (!resourceGroups.empty() && i % 7 != 6)
            resource->group = resourceGroups[static_cast<std::size_t>(i) % resourceGroups.size()];
        if ((status = root.resources->Add(resource)) != kDataOk) return fail(status);
        resources.push_back(resource);
    }
    std::vector<CTaskGroup*> taskGroups;
    if ((status = AddGroups(root.taskGroups, kTaskGroups, shape.taskGroups, taskGroups)) != kDataOk)
        return fail(status);
    std::vector<CTask*> tasks;
    for (int32_t i = 0; i < shape.tasks; ++i) {
        CTask* task = root.tasks->Create();
        const int32_t n = static_cast<int32_t>(std::size(kTasks));
        task->SetName(Numbered(kTasks[i % n], i, n));
        task->orderIndex = i;
        task->color1 = Pick(random, kColours);
        if (!taskGroups.empty() && i % 5 != 4)
            task->group = taskGroups[static_cast<std::size_t>(i) % taskGroups.size()];
        if ((status = root.tasks->Add(task)) != kDataOk) return fail(status);
        tasks.push_back(task);
    }

    // Bookings moved off a weekend or staying some days may end past the
    // span; the period grows to cover them.
    int32_t lastDay = root.properties->periodEnd;
    for (int32_t i = 0; i < shape.bookings && !resources.empty() && !tasks.empty(); ++i) {
        CBooking* booking = root.bookings->Create();
        booking->resource = resources[random() % resources.size()];
        booking->task = tasks[random() % tasks.size()];
        int32_t day = firstDay + static_cast<int32_t>(random() % static_cast<uint32_t>(span));
        // Working days only: Saturday and Sunday move to the Monday after.
        int weekday = CDate::FromJulianDay(day).GetDayOfWeek();
        if (weekday > 5) day += 8 - weekday;
        auto start = static_cast<int16_t>(480 + 30 * (random() % 14));
        booking->startDay = day;
        booking->startMinutes = start;
        if (random() % 10 == 0) {   // a stay of some days
            booking->endDay = day + 1 + static_cast<int32_t>(random() % 4);
            booking->endMinutes = 1020;
        } else {
            booking->endDay = day;
            booking->endMinutes = static_cast<int16_t>(std::min(1080, start + 60 + 30 * static_cast<int>(random() % 8)));
        }
        lastDay = std::max(lastDay, booking->endDay);
        booking->flag = random() % 8 != 0;
        booking->SetText(Pick(random, kNotes));
        if ((status = root.bookings->Add(booking)) != kDataOk) return fail(status);
    }
    root.properties->periodEnd = lastDay;
    return root.CommitTransaction();
}
