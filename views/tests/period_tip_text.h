#pragma once

// What the tooltips of a selected period, a resize and a move read out
// (their accessible names): one line each, each label ending with its blank.

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

// A moved booking's resource, task, start and end.
inline std::string ReadableMoveTip(const std::string& resource, const std::string& task, const CDateTime& start,
                                   const CDateTime& end) {
    return plat::LoadResString(ids::TOOLTIP_RESOURCE) + resource + "\n" + plat::LoadResString(ids::TOOLTIP_TASK) + task +
           "\n" + plat::LoadResString(ids::TOOLTIP_START) + FormatTimeBarLabel(start, 1, false) + "\n" +
           plat::LoadResString(ids::TOOLTIP_END) + FormatTimeBarLabel(end, 1, true);
}
