#include "reports/report_output.h"

#include "plat/datetime_format.h"
#include "plat/utf8.h"
#include "support/time_bar_labels.h"

namespace {

constexpr std::size_t kInfoPartMax = 1023;

// Replaces every occurrence; the replacement itself is not searched again.
void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    for (std::size_t pos = text.find(placeholder); pos != std::string::npos;
         pos = text.find(placeholder, pos + value.size())) {
        text.replace(pos, placeholder.size(), value);
    }
}

}  // namespace

std::string CReportOutput::ExpandInfoText(std::string_view text, int currentPage, int pageCount) const {
    std::string result(text);
    if (result.find('%') == std::string::npos) return result;
    const CDateTime created(createdDate_, createdTime_);
    ReplaceAll(result, "%ds", FormatTimeBarLabel(created, 4, false));
    ReplaceAll(result, "%dl",
               plat::CutUtf8(createdDate_.Format(plat::DATE_LONGDATE, nullptr), kInfoPartMax));
    ReplaceAll(result, "%ts", FormatTimeBarLabel(created, 33, false));
    ReplaceAll(result, "%pc", std::to_string(currentPage));
    ReplaceAll(result, "%pt", std::to_string(pageCount));
    ReplaceAll(result, "%ti", plat::CutUtf8(title, kInfoPartMax));
    return result;
}
