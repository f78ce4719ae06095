#pragma once

#include "reports/booking_list_report.h"
#include "reports/html_page.h"

// The booking list as an HTML page: range as subtitle and one table, a
// group per item.
class CBookingListHtml : public CBookingListReport, public CHtmlPage {
public:
    // Reads the page's and the list's own HTML settings and the title.
    explicit CBookingListHtml(const SettingGetter& get);

    // The page from the model built before; 0 written.
    int Render(const std::string& path) override;
    // The page's text without writing it.
    std::string BuildPage() const;

    std::uint32_t headerBackground = 0x80FFFF;
    std::uint32_t subtitleBackground = 0xE0E0E0;
};
