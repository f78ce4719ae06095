#include "older_format.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "load_context.h"
#include "plan_root.h"
#include "plat/utf8.h"
#include "support/comparators.h"

namespace {

constexpr int32_t kDamaged = kDataRefused;
constexpr int32_t kMaxOlderNameBytes = 49;
constexpr int32_t kMaxOlderTextBytes = 199;

class BodyReader {
public:
    explicit BodyReader(std::string_view body) : body_(body) {}

    std::size_t Remaining() const { return body_.size() - position_; }
    bool I32(int32_t& value) {
        if (Remaining() < 4) return false;
        const auto* b = reinterpret_cast<const unsigned char*>(body_.data() + position_);
        value = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                     static_cast<uint32_t>(b[2]) << 16 |
                                     static_cast<uint32_t>(b[3]) << 24);
        position_ += 4;
        return true;
    }
    bool Take(std::size_t n, std::string_view& out) {
        if (Remaining() < n) return false;
        out = body_.substr(position_, n);
        position_ += n;
        return true;
    }

private:
    std::string_view body_;
    std::size_t position_ = 0;
};

// One section: count, total text length, fixed-size entries whose last
// field is a text length, then the texts back to back. Checked in 64 bits:
// the entries and the texts must lie inside the body, every length within
// its limit and their sum within the total.
struct Section {
    std::vector<std::vector<int32_t>> entries;
    std::vector<std::string_view> texts;
};

bool ReadSectionBytes(BodyReader& reader, int fields, int32_t maxText, Section& out) {
    int32_t count = 0, total = 0;
    if (!reader.I32(count) || !reader.I32(total) || count < 0 || total < 0) return false;
    uint64_t entryBytes = static_cast<uint64_t>(count) * 4u * static_cast<uint64_t>(fields);
    if (entryBytes > reader.Remaining()) return false;
    out.entries.assign(static_cast<std::size_t>(count), std::vector<int32_t>(fields));
    for (auto& entry : out.entries)
        for (int32_t& field : entry) reader.I32(field);
    std::string_view block;
    if (!reader.Take(static_cast<std::size_t>(total), block)) return false;
    uint64_t used = 0;
    for (const auto& entry : out.entries) {
        int32_t length = entry.back();
        if (length < 0 || length > maxText) return false;
        if (used + static_cast<uint64_t>(length) > block.size()) return false;
        out.texts.push_back(block.substr(static_cast<std::size_t>(used), static_cast<std::size_t>(length)));
        used += static_cast<uint64_t>(length);
    }
    return true;
}

template <class Record>
void RenumberByName(std::vector<Record*> records) {
    std::stable_sort(records.begin(), records.end(), [](const Record* a, const Record* b) {
        return CompareNames(a->name, b->name) < 0;
    });
    for (std::size_t i = 0; i < records.size(); ++i) records[i]->orderIndex = static_cast<int32_t>(i);
}

// Create, fill and Add one record per entry; ids must be usable and distinct.
template <class Record, class Collection, class Fill>
int32_t AddAll(Collection& collection, const Section& section, std::vector<Record*>& added, Fill fill) {
    std::unordered_set<int32_t> ids;
    for (std::size_t i = 0; i < section.entries.size(); ++i) {
        int32_t id = section.entries[i][0];
        if (!IsUsableFileId(id) || !ids.insert(id).second) return kDamaged;
        auto* record = Record::From(collection.Create());
        record->id = id;
        int32_t status = fill(*record, section.entries[i], section.texts[i]);
        if (status == kDataOk) status = collection.Add(record);
        if (status != kDataOk) {
            DestroyRecord(record);
            return status;
        }
        added.push_back(record);
    }
    return kDataOk;
}

}  // namespace

int32_t ReadOlderBody(PlanRoot& root, std::string_view body) {
    BodyReader reader(body);
    std::string_view head;
    if (!reader.Take(24, head)) return kDamaged;
    PropertiesRecord& properties = root.Properties();
    int32_t status = properties.BeginChange();
    if (status != kDataOk) return status;
    properties.ClearProtection();
    BodyReader fields(head);
    int32_t dayStart = 0, dayEnd = 0;
    fields.I32(properties.periodStart);
    fields.I32(properties.periodEnd);
    fields.I32(dayStart);
    fields.I32(dayEnd);
    properties.dayStartMinutes = static_cast<int16_t>(dayStart);
    properties.dayEndMinutes = static_cast<int16_t>(dayEnd);
    for (int i = 0; i < 7; ++i) properties.workingDays[i] = static_cast<uint8_t>(head[16 + i]);

    Section resourceSection, taskSection, bookingSection;
    if (!ReadSectionBytes(reader, 2, kMaxOlderNameBytes, resourceSection)) return kDamaged;
    std::vector<ResourceRecord*> resources;
    status = AddAll<ResourceRecord>(root.ResourceList(), resourceSection, resources,
                                    [](ResourceRecord& r, const std::vector<int32_t>&, std::string_view name) {
                                        r.SetName(plat::ToUtf8(name));
                                        return kDataOk;
                                    });
    if (status != kDataOk) return status;
    RenumberByName(resources);

    if (!ReadSectionBytes(reader, 4, kMaxOlderNameBytes, taskSection)) return kDamaged;
    std::vector<TaskRecord*> tasks;
    status = AddAll<TaskRecord>(root.TaskList(), taskSection, tasks,
                                [](TaskRecord& t, const std::vector<int32_t>& e, std::string_view name) {
                                    t.color1 = static_cast<uint32_t>(e[1]);
                                    t.color2 = static_cast<uint32_t>(e[2]);
                                    t.SetName(plat::ToUtf8(name));
                                    return kDataOk;
                                });
    if (status != kDataOk) return status;
    RenumberByName(tasks);

    if (!ReadSectionBytes(reader, 10, kMaxOlderTextBytes, bookingSection)) return kDamaged;
    std::unordered_map<int32_t, CResource*> resourceById;
    std::unordered_map<int32_t, CTask*> taskById;
    for (ResourceRecord* r : resources) resourceById[r->id] = r;
    for (TaskRecord* t : tasks) taskById[t->id] = t;
    std::vector<BookingRecord*> bookings;
    return AddAll<BookingRecord>(
        root.BookingList(), bookingSection, bookings,
        [&](BookingRecord& b, const std::vector<int32_t>& e, std::string_view text) -> int32_t {
            b.resource = LoadContext::Find(resourceById, e[1]);
            b.task = LoadContext::Find(taskById, e[2]);
            if (!b.resource || !b.task) return kDamaged;
            b.color1 = static_cast<uint32_t>(e[3]);
            b.color2 = static_cast<uint32_t>(e[4]);
            b.startDay = e[5];
            b.startMinutes = static_cast<int16_t>(e[6]);
            b.endDay = e[7];
            b.endMinutes = static_cast<int16_t>(e[8]);
            b.SetText(plat::ToUtf8(text));
            return kDataOk;
        });
}
