#pragma once

#include <string>
#include <string_view>

#include "support/calendar_values.h"

// The base of every report output (printed page, HTML page, export): the
// report's title and the moment the output was made, for the placeholders
// of header and footer texts.
class CReportOutput {
public:
    // Takes today's date and the time of day now.
    CReportOutput() = default;
    virtual ~CReportOutput() = default;

    // The text with every placeholder replaced, in this order, so that a
    // placeholder inside a replacement stays as it is: "%ds" the short date
    // and time, "%dl" the long date, "%ts" the time, "%pc" the current page,
    // "%pt" the page count, "%ti" the title. The long date and the title are
    // cut to 1023 bytes on a character boundary.
    std::string ExpandInfoText(std::string_view text, int currentPage, int pageCount) const;

    const CDate& CreatedDate() const { return createdDate_; }
    const CTimeOfDay& CreatedTime() const { return createdTime_; }

    std::string title;

private:
    CDate createdDate_;
    CTimeOfDay createdTime_;
};
