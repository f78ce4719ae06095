#pragma once

// Bookings from a delimited file: one booking per line, of a resource on a
// task named by their exact names, from a start to an end given as date
// and time texts.

#include <array>
#include <string_view>
#include <unordered_map>

#include "import/importer.h"
#include "support/calendar_values.h"

class CBookingImportRecord : public CImportRecord {
public:
    enum Field { kResource, kTask, kStartDate, kStartTime, kEndDate, kEndTime, kText, kFlag, kFieldCount };
    std::array<std::string_view, kFieldCount> texts;
};

// "" and anything but "off", "false", "f", "no", "n" (any case) or "0" set the flag.
bool ParseImportFlag(std::string_view text);

// A start and an end read from texts; 24:00 is 0:00 of the next day.
struct ImportPeriod {
    CDate startDate, endDate;
    CTimeOfDay startTime, endTime;
    bool startTimeValid = false, endTimeValid = false;

    void Parse(const CBookingImportRecord& record);
    bool DatesValid() const { return startDate.IsValid() && endDate.IsValid(); }
    bool TimesValid() const {
        return startTimeValid && endTimeValid && !startTime.IsEmpty() && !endTime.IsEmpty();
    }
    // Both ends name a moment and the end does not lie before the start.
    bool IsOrdered() const;
};

class CBookingImporter : public CImporterOf<CBookingImportRecord> {
public:
    using CImporterOf::CImporterOf;

    int Commit() override;
    int GetFieldList(std::vector<ImportField>& list) override;
    bool SetField(CImportRecord& record, int field, std::string_view text) override;
    std::size_t ValidateRows(ImportErrorList& errors, ImportErrorList& warnings) override;

private:
    // Exact names; of several records with one name the later one.
    struct Names {
        std::unordered_map<std::string_view, CResource*> resources;
        std::unordered_map<std::string_view, CTask*> tasks;
    };
    Names CollectNames() const;
};
