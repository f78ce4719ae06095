#include "import/booking_importer.h"

#include <algorithm>

#include "plat/resource_strings.h"
#include "string_ids.h"

namespace {

using Record = CBookingImportRecord;

// 24:00 as the next day's 0:00, so that the day and minutes fit a booking.
void NormalizeEndOfDay(CDate& date, CTimeOfDay& time) {
    if (time.GetMinutes() != CTimeOfDay::kMinutesPerDay) return;
    date = AddDays(date, 1);
    time = CTimeOfDay(0);
}

template <class Named, class Collection>
void CollectByName(Collection* collection, std::unordered_map<std::string_view, Named*>& names) {
    if (!collection) return;
    const int32_t count = collection->GetCount();
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (uint32_t i = 0; Named* named = collection->GetAt(i); ++i) names[named->name] = named;
}

template <class Named>
Named* Find(const std::unordered_map<std::string_view, Named*>& names, std::string_view name) {
    const auto it = names.find(name);
    return it == names.end() ? nullptr : it->second;
}

}  // namespace

bool ParseImportFlag(std::string_view text) {
    // The setting words, and "f" beside "false".
    return ParseBool(text, true) && text != "f" && text != "F";
}

void ImportPeriod::Parse(const CBookingImportRecord& record) {
    startDate.ParseText(record.texts[Record::kStartDate]);
    endDate.ParseText(record.texts[Record::kEndDate]);
    startTimeValid = startTime.ParseText(record.texts[Record::kStartTime]);
    endTimeValid = endTime.ParseText(record.texts[Record::kEndTime]);
    if (DatesValid() && TimesValid()) {
        NormalizeEndOfDay(startDate, startTime);
        NormalizeEndOfDay(endDate, endTime);
    }
}

bool ImportPeriod::IsOrdered() const {
    if (!DatesValid() || !TimesValid()) return false;
    return CDateTime(endDate, endTime) >= CDateTime(startDate, startTime);
}

int CBookingImporter::GetFieldList(std::vector<ImportField>& list) {
    list.clear();
    for (int k = 0; k < Record::kFieldCount; ++k)
        list.push_back({plat::LoadResString(ids::IMPORT_FIELD_RESOURCE + k), k < Record::kText});
    return Record::kFieldCount;
}

bool CBookingImporter::SetField(CImportRecord& record, int field, std::string_view text) {
    if (field < 0 || field >= Record::kFieldCount) return false;
    static_cast<Record&>(record).texts[field] = text;
    return true;
}

CBookingImporter::Names CBookingImporter::CollectNames() const {
    Names names;
    CollectByName<CResource>(root ? root->resources : nullptr, names.resources);
    CollectByName<CTask>(root ? root->tasks : nullptr, names.tasks);
    return names;
}

std::size_t CBookingImporter::ValidateRows(ImportErrorList& errors, ImportErrorList&) {
    const std::size_t before = errors.Total();
    const Names names = CollectNames();
    ImportPeriod period;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        const auto& texts = record.texts;
        auto report = [&](int field, unsigned message) {
            errors.Add(Error(i, field, texts[field], message));
        };
        period.Parse(record);
        const std::pair<int, bool> checks[] = {
            {Record::kStartDate, period.startDate.IsValid()},
            {Record::kStartTime, period.startTimeValid},
            {Record::kEndDate, period.endDate.IsValid()},
            {Record::kEndTime, period.endTimeValid},
        };
        for (const auto& [field, valid] : checks) {
            const bool isDate = field == Record::kStartDate || field == Record::kEndDate;
            if (texts[field].empty())
                report(field, ids::IMPORT_VALUE_MISSING);
            else if (!valid)
                report(field, isDate ? ids::IMPORT_DATE_INVALID : ids::IMPORT_TIME_INVALID);
        }
        if (period.DatesValid() && period.TimesValid() && !period.IsOrdered())
            errors.Add(Error(i, -1, "", ids::IMPORT_END_BEFORE_START));
        if (texts[Record::kResource].empty())
            report(Record::kResource, ids::IMPORT_VALUE_MISSING);
        else if (!Find(names.resources, texts[Record::kResource]))
            report(Record::kResource, ids::IMPORT_RESOURCE_UNKNOWN);
        if (texts[Record::kTask].empty())
            report(Record::kTask, ids::IMPORT_VALUE_MISSING);
        else if (!Find(names.tasks, texts[Record::kTask]))
            report(Record::kTask, ids::IMPORT_TASK_UNKNOWN);
    }
    return errors.Total() - before;
}

int CBookingImporter::Commit() {
    if (!root || root->BeginTransaction(TransactionName().c_str()) != kDataOk) return 1;
    const Names names = CollectNames();
    ImportPeriod period;
    for (const Record& record : records) {
        period.Parse(record);
        CResource* resource = Find(names.resources, record.texts[Record::kResource]);
        CTask* task = Find(names.tasks, record.texts[Record::kTask]);
        if (!period.IsOrdered() || !resource || !task) {
            root->CancelTransaction();
            return 1;
        }
        CBooking* booking = root->bookings->Create();
        if (!booking) {
            root->CancelTransaction();
            return 1;
        }
        booking->resource = resource;
        booking->task = task;
        booking->startDay = period.startDate.GetJulianDay();
        booking->endDay = period.endDate.GetJulianDay();
        booking->startMinutes = static_cast<int16_t>(period.startTime.GetMinutes());
        booking->endMinutes = static_cast<int16_t>(period.endTime.GetMinutes());
        booking->color1 = task->color1;
        booking->color2 = task->color2;
        booking->SetText(record.texts[Record::kText]);
        booking->flag = ParseImportFlag(record.texts[Record::kFlag]) ? 1 : 0;
        if (root->bookings->Add(booking) != kDataOk) {
            // A refused record stays the caller's; the store has cancelled the transaction.
            booking->Delete();
            root->CancelTransaction();
            return 1;
        }
    }
    return root->CommitTransaction() == kDataOk ? 0 : 1;
}
