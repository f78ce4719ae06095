#include "older_format.h"

#include <algorithm>
#include <vector>

#include "byte_reader.h"
#include "file_text.h"
#include "load_context.h"
#include "plan_root.h"
#include "support/comparators.h"

namespace {

constexpr int32_t kDamaged = kDataRefused;
constexpr int32_t kMaxOlderNameBytes = 49;
constexpr int32_t kMaxOlderTextBytes = 199;
constexpr std::size_t kPropertiesBytes = 24;

// One section: count, total text length, fixed-size entries of i32 fields
// (the first an id, the last a text length), then the texts back to back.
// Nothing is allocated per entry: the entries stay in the file image and
// are read where they lie.
class Section {
public:
    Section(int fields, int32_t maxText) : fields_(fields), maxText_(maxText) {}

    // Checked in 64 bits before any record is made: the entries and texts
    // lie inside the body, every length is within its limit and their sum
    // within the total, every id is usable and distinct.
    bool Read(ByteReader& reader) {
        int32_t count = 0, total = 0;
        if (!reader.I32(count) || !reader.I32(total) || count < 0 || total < 0) return false;
        uint64_t entryBytes = static_cast<uint64_t>(count) * 4u * static_cast<uint64_t>(fields_);
        if (entryBytes > reader.Remaining()) return false;
        count_ = static_cast<std::size_t>(count);
        if (!reader.Take(static_cast<std::size_t>(entryBytes), entries_) ||
            !reader.Take(static_cast<std::size_t>(total), texts_))
            return false;
        uint64_t used = 0;
        std::vector<int32_t> ids;
        ids.reserve(count_);
        for (std::size_t i = 0; i < count_; ++i) {
            int32_t length = Field(i, fields_ - 1);
            if (length < 0 || length > maxText_) return false;
            used += static_cast<uint64_t>(length);
            if (used > texts_.size()) return false;
            if (!IsUsableFileId(Field(i, 0))) return false;
            ids.push_back(Field(i, 0));
        }
        std::sort(ids.begin(), ids.end());
        return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
    }

    std::size_t Count() const { return count_; }
    int32_t Field(std::size_t entry, int field) const {
        return static_cast<int32_t>(
            LoadLe32(entries_.data() + (entry * static_cast<std::size_t>(fields_) + static_cast<std::size_t>(field)) * 4));
    }
    // The texts in entry order; call once per entry, in order.
    std::string_view NextText(std::size_t entry) {
        auto length = static_cast<std::size_t>(Field(entry, fields_ - 1));
        std::string_view text = texts_.substr(textOffset_, length);
        textOffset_ += length;
        return text;
    }

private:
    int fields_;
    int32_t maxText_;
    std::size_t count_ = 0;
    std::string_view entries_, texts_;
    std::size_t textOffset_ = 0;
};

template <class Record>
void RenumberByName(std::vector<Record*> records) {
    std::stable_sort(records.begin(), records.end(), [](const Record* a, const Record* b) {
        return CompareNames(a->name, b->name) < 0;
    });
    for (std::size_t i = 0; i < records.size(); ++i) records[i]->orderIndex = static_cast<int32_t>(i);
}

// Create, fill and Add one record per entry of a checked section.
template <class Record, class Collection, class Fill>
int32_t AddAll(Collection& collection, Section& section, std::vector<Record*>& added, Fill fill) {
    added.reserve(section.Count());
    for (std::size_t i = 0; i < section.Count(); ++i) {
        auto* record = Record::From(collection.Create());
        record->id = section.Field(i, 0);
        int32_t status = fill(*record, i, section.NextText(i));
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

int32_t ReadOlderBody(PlanRoot& root, std::string_view body, bool& textsShortened) {
    textsShortened = false;
    ByteReader reader(body);
    std::string_view head;
    if (!reader.Take(kPropertiesBytes, head)) return kDamaged;
    PropertiesRecord& properties = root.Properties();
    int32_t status = properties.BeginChange();
    if (status != kDataOk) return status;
    properties.ClearProtection();
    ByteReader fields(head);
    int32_t dayStart = 0, dayEnd = 0;
    fields.I32(properties.periodStart);
    fields.I32(properties.periodEnd);
    fields.I32(dayStart);
    fields.I32(dayEnd);
    properties.dayStartMinutes = static_cast<int16_t>(dayStart);
    properties.dayEndMinutes = static_cast<int16_t>(dayEnd);
    fields.Copy(properties.workingDays, sizeof properties.workingDays);

    auto copyText = [&](char* field, std::size_t capacity, std::string_view text) {
        if (CopyFileText(field, capacity, text)) textsShortened = true;
    };

    Section resourceSection(2, kMaxOlderNameBytes);
    if (!resourceSection.Read(reader)) return kDamaged;
    std::vector<ResourceRecord*> resources;
    status = AddAll<ResourceRecord>(root.ResourceList(), resourceSection, resources,
                                    [&](ResourceRecord& r, std::size_t, std::string_view name) {
                                        copyText(r.name, sizeof r.name, name);
                                        return kDataOk;
                                    });
    if (status != kDataOk) return status;
    RenumberByName(resources);

    Section taskSection(4, kMaxOlderNameBytes);
    if (!taskSection.Read(reader)) return kDamaged;
    std::vector<TaskRecord*> tasks;
    status = AddAll<TaskRecord>(root.TaskList(), taskSection, tasks,
                                [&](TaskRecord& t, std::size_t i, std::string_view name) {
                                    t.color1 = static_cast<uint32_t>(taskSection.Field(i, 1));
                                    t.color2 = static_cast<uint32_t>(taskSection.Field(i, 2));
                                    copyText(t.name, sizeof t.name, name);
                                    return kDataOk;
                                });
    if (status != kDataOk) return status;
    RenumberByName(tasks);

    Section bookingSection(10, kMaxOlderTextBytes);
    if (!bookingSection.Read(reader)) return kDamaged;
    IdTable<CResource> resourceById;
    IdTable<CTask> taskById;
    for (ResourceRecord* r : resources) resourceById.Insert(r->id, r);
    for (TaskRecord* t : tasks) taskById.Insert(t->id, t);
    // Every reference is checked before the first booking is made.
    for (std::size_t i = 0; i < bookingSection.Count(); ++i)
        if (!resourceById.Find(bookingSection.Field(i, 1)) || !taskById.Find(bookingSection.Field(i, 2)))
            return kDamaged;
    std::vector<BookingRecord*> bookings;
    return AddAll<BookingRecord>(
        root.BookingList(), bookingSection, bookings,
        [&](BookingRecord& b, std::size_t i, std::string_view text) -> int32_t {
            const Section& s = bookingSection;
            b.resource = resourceById.Find(s.Field(i, 1));
            b.task = taskById.Find(s.Field(i, 2));
            b.color1 = static_cast<uint32_t>(s.Field(i, 3));
            b.color2 = static_cast<uint32_t>(s.Field(i, 4));
            b.startDay = s.Field(i, 5);
            b.startMinutes = static_cast<int16_t>(s.Field(i, 6));
            b.endDay = s.Field(i, 7);
            b.endMinutes = static_cast<int16_t>(s.Field(i, 8));
            copyText(b.text, sizeof b.text, text);
            return kDataOk;
        });
}
