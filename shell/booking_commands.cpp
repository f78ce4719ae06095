#include "booking_commands.h"

#include <algorithm>
#include <cstring>

#include "booking_clipboard.h"
#include "plat/datetime_format.h"
#include "plat/resource_strings.h"
#include "string_ids.h"

namespace {

// A stored day and minutes as a date-time; minutes of 1440 and more carry into the days.
CDateTime DateTimeOf(std::int32_t day, int minutes) {
    return CDateTime(CDate::FromJulianDay(day)).AddMinutes(minutes);
}

void SetStart(CBooking& booking, const CDateTime& start) {
    booking.startDay = start.date.GetJulianDay();
    booking.startMinutes = static_cast<std::int16_t>(start.time.GetMinutes());
}

void SetEnd(CBooking& booking, const CDateTime& end) {
    booking.endDay = end.date.GetJulianDay();
    booking.endMinutes = static_cast<std::int16_t>(end.time.GetMinutes());
}

bool IsPeriodPart(const CDate& date, const CTimeOfDay& time) {
    return date.IsValid() && !time.IsEmpty() && time.GetMinutes() >= 0 &&
           time.GetMinutes() <= CTimeOfDay::kMinutesPerDay;
}

std::string WithoutCarriageReturns(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

std::string DateTimeText(std::int32_t day, int minutes) {
    return CDate::FromJulianDay(day).Format(plat::DATE_SHORTDATE, nullptr) + " " +
           CTimeOfDay(minutes).Format(plat::TIME_NOSECONDS, nullptr);
}

// A minute entry of a conflict request keeps the minutes in its low 16 bits.
std::int16_t RequestMinutes(std::int32_t entry) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(entry & 0xFFFF));
}

// Every count fits the array it counts: none negative, none without its array.
bool HoldsTogether(const BookingConflictRequest& r) {
    if (r.resourceCount < 0 || r.periodCount < 0 || r.ignoreCount < 0) return false;
    if (r.resourceCount > 0 && r.resources == nullptr) return false;
    if (r.ignoreCount > 0 && r.ignore == nullptr) return false;
    return r.periodCount == 0 || (r.startDays != nullptr && r.startMinutes != nullptr &&
                                  r.endDays != nullptr && r.endMinutes != nullptr);
}

}  // namespace

bool GetBookingFromDialog(CBooking* booking, const BookingDialogRecord& record) {
    if (booking == nullptr || booking->root == nullptr || record.task == nullptr ||
        !booking->root->tasks->Contains(record.task)) {
        return false;
    }
    if (!IsPeriodPart(record.fromDate, record.fromTime) || !IsPeriodPart(record.toDate, record.toTime)) {
        return false;
    }
    const CDateTime start = DateTimeOf(record.fromDate.GetJulianDay(), record.fromTime.GetMinutes());
    const CDateTime end = DateTimeOf(record.toDate.GetJulianDay(), record.toTime.GetMinutes());
    if (end < start) return false;

    booking->SetText(WithoutCarriageReturns(record.text));
    booking->task = record.task;
    SetStart(*booking, start);
    SetEnd(*booking, end);
    booking->color1 = record.color1;
    booking->color2 = record.color2;
    booking->flag = record.flag;
    return true;
}

void SetBookingToDialog(CBooking* booking, BookingDialogRecord& record) {
    record.edited = booking;
    record.task = booking->task;
    record.resources = {booking->resource};
    record.SetPeriod(DateTimeOf(booking->startDay, booking->startMinutes),
                     DateTimeOf(booking->endDay, booking->endMinutes));
    record.color1 = booking->color1;
    record.color2 = booking->color2;
    record.flag = booking->flag;
    record.text.assign(booking->text, ::strnlen(booking->text, sizeof booking->text));
}

CDateTime PastedBookingEnd(const CBooking& source, const CDateTime& start, const WorkingTime& wt,
                           bool keepWorkingTime) {
    return MovedBookingEnd(wt, DateTimeOf(source.startDay, source.startMinutes),
                           DateTimeOf(source.endDay, source.endMinutes), start, keepWorkingTime);
}

bool CBookingCommands::WriteProtected() const { return data_->properties->IsWriteProtected(); }

bool CBookingCommands::Setting(const char* key, bool defaultValue) const {
    return GetBoolSetting(settings_, key, defaultValue);
}

bool CBookingCommands::InDocument(const CBooking* booking) const {
    return booking != nullptr && data_->bookings->Contains(booking);
}

bool CBookingCommands::InDocument(const std::vector<CResource*>& resources) const {
    return std::all_of(resources.begin(), resources.end(),
                       [this](const CResource* r) { return r != nullptr && data_->resources->Contains(r); });
}

bool CBookingCommands::Begin(unsigned nameId) {
    return data_->BeginTransaction(plat::LoadResString(nameId).c_str()) == kDataOk;
}

bool CBookingCommands::Cancel() {
    data_->CancelTransaction();
    return false;
}

// A booking whose Add is refused is still the caller's and is freed here;
// the refusal may already have cancelled the transaction.
bool CBookingCommands::AddCreated(CBooking* booking) {
    if (data_->bookings->Add(booking) == kDataOk) return true;
    booking->Delete();
    return Cancel();
}

bool CBookingCommands::NewBooking(const CDateTime& start, const CDateTime& end, CTask* task,
                                  const std::vector<CResource*>& resources) {
    if (WriteProtected()) return false;
    BookingDialogRecord record;
    record.task = task;
    record.resources = resources;
    record.SetPeriod(start, end);
    if (!dialogs_.RunBookingDialog(record)) return false;
    if (record.resources.empty() || !InDocument(record.resources)) return false;

    if (!Begin(record.resources.size() == 1 ? ids::UNDO_NEW_BOOKING : ids::UNDO_NEW_BOOKINGS)) return false;
    for (CResource* resource : record.resources) {
        CBooking* booking = data_->bookings->Create();
        if (booking == nullptr) return Cancel();
        if (!GetBookingFromDialog(booking, record)) {
            booking->Delete();
            return Cancel();
        }
        booking->resource = resource;
        if (!AddCreated(booking)) return false;
    }
    data_->CommitTransaction();
    return true;
}

bool CBookingCommands::EditBooking(CBooking* booking) {
    if (!InDocument(booking)) return false;
    BookingDialogRecord record;
    SetBookingToDialog(booking, record);
    const bool readOnly = WriteProtected();
    record.readOnly = readOnly;
    if (!dialogs_.RunBookingDialog(record) || readOnly) return false;
    // The dialog may have changed the document (a new task) while it ran.
    if (record.resources.size() != 1 || !InDocument(record.resources) || !InDocument(booking)) return false;

    if (!Begin(ids::UNDO_EDIT_BOOKING)) return false;
    if (booking->BeginChange() != kDataOk || !GetBookingFromDialog(booking, record)) return Cancel();
    booking->resource = record.resources.front();
    data_->CommitTransaction();
    return true;
}

bool CBookingCommands::DeleteBookings(const std::vector<CBooking*>& bookings) {
    if (WriteProtected() || bookings.empty()) return false;
    if (!std::all_of(bookings.begin(), bookings.end(), [this](const CBooking* b) { return InDocument(b); })) {
        return false;
    }
    if (bookings.size() == 1 && Setting("ConfirmBookingDelete", true)) {
        const CBooking& booking = *bookings.front();
        const BookingDeleteTexts texts{booking.resource->name, booking.task->name,
                                       DateTimeText(booking.startDay, booking.startMinutes),
                                       DateTimeText(booking.endDay, booking.endMinutes)};
        if (!dialogs_.ConfirmDeleteBooking(texts)) return false;
    }
    if (!Begin(bookings.size() == 1 ? ids::UNDO_DELETE_BOOKING : ids::UNDO_DELETE_BOOKINGS)) return false;
    for (CBooking* booking : bookings) {
        if (booking->Delete() != kDataOk) return Cancel();
    }
    data_->CommitTransaction();
    return true;
}

bool CBookingCommands::CutBooking(CBooking* booking) {
    // Never delete what did not reach the clipboard.
    if (WriteProtected() || !InDocument(booking) || !CopyBookingToClipboard(booking)) return false;
    if (!Begin(ids::UNDO_CUT_BOOKING)) return false;
    if (booking->Delete() != kDataOk) return Cancel();
    data_->CommitTransaction();
    return true;
}

bool CBookingCommands::CopyBooking(const CBooking* booking) {
    return InDocument(booking) && CopyBookingToClipboard(booking);
}

bool CBookingCommands::PasteBookings(const CDateTime& start, const std::vector<CResource*>& resources,
                                     const std::vector<CTask*>& tasks) {
    if (WriteProtected() || !CanPasteBooking() || !start.date.IsValid() || start.time.IsEmpty()) return false;
    if (!resources.empty() && !tasks.empty()) return false;
    if (!InDocument(resources)) return false;
    if (!std::all_of(tasks.begin(), tasks.end(),
                     [this](const CTask* t) { return t != nullptr && data_->tasks->Contains(t); })) {
        return false;
    }
    const CBooking& source = *BookingClipboard();
    const bool keepWorkingTime =
        Setting("ViewBookingMoveKeepWorkingTime", true) && !Setting("DurationRealTime", false);
    const CDateTime end = PastedBookingEnd(source, start, WorkingTimeOf(*data_->properties), keepWorkingTime);

    if (!Begin(ids::UNDO_PASTE_BOOKINGS)) return false;
    const std::size_t n = std::max<std::size_t>({resources.size(), tasks.size(), 1});
    for (std::size_t i = 0; i < n; ++i) {
        CBooking* booking = data_->bookings->Create();
        if (booking == nullptr) return Cancel();
        booking->CopyFrom(&source);
        if (!resources.empty()) booking->resource = resources[i];
        if (!tasks.empty()) booking->task = tasks[i];
        SetStart(*booking, start);
        SetEnd(*booking, end);
        if (!AddCreated(booking)) return false;
    }
    data_->CommitTransaction();
    return true;
}

std::int32_t CBookingCommands::CheckBookingConflicts(BookingConflictRequest* request) {
    if (request == nullptr) return 0;
    if (!HoldsTogether(*request)) {
        request->result = BOOKING_CONFLICTS_REFUSED;
        return 0;
    }
    if (!Setting("CheckBookingConflicts", false)) {
        request->result = BOOKING_CONFLICTS_ACCEPTED;
        return 1;
    }
    const CResource* const* resources = request->resources;
    if (!std::all_of(resources, resources + request->resourceCount,
                     [this](const CResource* r) { return r != nullptr && data_->resources->Contains(r); })) {
        request->result = BOOKING_CONFLICTS_REFUSED;
        return 0;
    }

    CBooking* const* ignore = request->ignore;
    const auto ignored = [&](const CBooking* b) {
        return std::find(ignore, ignore + request->ignoreCount, b) != ignore + request->ignoreCount;
    };
    std::vector<CBooking*> conflicts;
    std::vector<CBooking*> found;
    for (std::int32_t r = 0; r < request->resourceCount; ++r) {
        CResource* resource = request->resources[r];
        for (std::int32_t p = 0; p < request->periodCount; ++p) {
            const std::int32_t startDay = request->startDays[p];
            const std::int16_t startMinutes = RequestMinutes(request->startMinutes[p]);
            const std::int32_t endDay = request->endDays[p];
            const std::int16_t endMinutes = RequestMinutes(request->endMinutes[p]);
            found.resize(static_cast<std::size_t>(
                std::max(0, resource->GetBookingCount(startDay, startMinutes, endDay, endMinutes))));
            if (found.empty()) continue;
            found.resize(static_cast<std::size_t>(
                resource->GetBookings(found.data(), startDay, startMinutes, endDay, endMinutes)));
            for (CBooking* booking : found) {
                if (!ignored(booking)) conflicts.push_back(booking);
            }
        }
    }
    if (conflicts.empty()) {
        request->result = BOOKING_CONFLICTS_NONE;
    } else {
        request->result =
            dialogs_.ShowConflicts(conflicts) ? BOOKING_CONFLICTS_ACCEPTED : BOOKING_CONFLICTS_REFUSED;
    }
    return 1;
}
