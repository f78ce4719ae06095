#pragma once

// The operations on bookings: new, edit, delete, cut, copy, paste and the
// conflict check. Each change of the document is one named undo step and is
// refused on a write-protected document; a refusal leaves the document as
// it was.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "plan_data.h"
#include "plugin_records.h"
#include "support/calendar_values.h"
#include "support/setting_values.h"
#include "support/working_time.h"

// What the booking dialog shows and gives back after OK.
struct BookingDialogRecord {
    bool readOnly = false;            // the document is write-protected: view only
    CBooking* edited = nullptr;       // null for a new booking
    CTask* task = nullptr;
    std::vector<CResource*> resources;   // new: the ones to pre-check; after OK the chosen ones
    CDate fromDate;
    CTimeOfDay fromTime;
    CDate toDate;
    CTimeOfDay toTime;
    std::uint32_t color1 = 0;
    std::uint32_t color2 = 0x00FFFFFF;
    std::uint8_t flag = 1;
    std::string text;                 // line breaks as LF

    void SetPeriod(const CDateTime& start, const CDateTime& end) {
        fromDate = start.date;
        fromTime = start.time;
        toDate = end.date;
        toTime = end.time;
    }
};

// The four texts the question before deleting one booking shows.
struct BookingDeleteTexts {
    std::string resource;
    std::string task;
    std::string start;
    std::string end;
};

// The dialogs the booking operations need.
class IBookingDialogs {
public:
    virtual ~IBookingDialogs() = default;
    // Runs the booking dialog modally; true for OK, with the record updated.
    virtual bool RunBookingDialog(BookingDialogRecord& record) = 0;
    virtual bool ConfirmDeleteBooking(const BookingDeleteTexts& texts) = 0;
    // Lists the bookings a change would overlap; true when the user goes on.
    virtual bool ShowConflicts(const std::vector<CBooking*>& conflicts) = 0;
};

// Between a booking and the dialog. Getting refuses, and writes nothing,
// without a task of the document or with a period that is not valid or
// ends before it starts; the text is cut to the booking's 199 bytes on a
// character boundary, carriage returns before line feeds dropped.
bool GetBookingFromDialog(CBooking* booking, const BookingDialogRecord& record);
void SetBookingToDialog(CBooking* booking, BookingDialogRecord& record);

// The end of a pasted booking that starts at start: the clipboard booking's
// length in working time, or in real minutes (MovedBookingEnd: a booking
// with no working minutes keeps its real length).
CDateTime PastedBookingEnd(const CBooking& source, const CDateTime& start, const WorkingTime& wt,
                           bool keepWorkingTime);

class CBookingCommands {
public:
    CBookingCommands(CPlanData* data, IBookingDialogs& dialogs, SettingGetter settings)
        : data_(data), dialogs_(dialogs), settings_(std::move(settings)) {}

    bool NewBooking(const CDateTime& start, const CDateTime& end, CTask* task,
                    const std::vector<CResource*>& resources);
    // Read-only on a write-protected document: then nothing changes.
    bool EditBooking(CBooking* booking);
    bool DeleteBookings(const std::vector<CBooking*>& bookings);
    bool CutBooking(CBooking* booking);
    // Copying changes no document, so it works on a write-protected one too.
    bool CopyBooking(const CBooking* booking);
    // Copies of the clipboard booking from start on: one per resource, or one
    // per task, or one with neither list.
    bool PasteBookings(const CDateTime& start, const std::vector<CResource*>& resources,
                       const std::vector<CTask*>& tasks);
    // Fills the request's result; 1, or 0 for a request that does not hold
    // together (then the result says refused).
    std::int32_t CheckBookingConflicts(BookingConflictRequest* request);

private:
    bool WriteProtected() const;
    bool Setting(const char* key, bool defaultValue) const;
    bool InDocument(const CBooking* booking) const;
    bool InDocument(const std::vector<CResource*>& resources) const;
    bool Begin(unsigned nameId);
    bool Cancel();
    bool AddCreated(CBooking* booking);

    CPlanData* data_;
    IBookingDialogs& dialogs_;
    SettingGetter settings_;
};
