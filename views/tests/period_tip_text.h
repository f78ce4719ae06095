#pragma once

// What the tooltip of a selected period reads out (its accessible name):
// one line each for start, end and duration, each label ending with its blank.

#include <string>

#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "support/time_bar_labels.h"

inline std::string ReadablePeriodTip(const CDateTime& start, const CDateTime& end, const std::string& duration) {
    return plat::LoadResString(ids::TOOLTIP_START) + FormatTimeBarLabel(start, 1, false) + "\n" +
           plat::LoadResString(ids::TOOLTIP_END) + FormatTimeBarLabel(end, 1, true) + "\n" +
           plat::LoadResString(ids::TOOLTIP_DURATION) + duration;
}
