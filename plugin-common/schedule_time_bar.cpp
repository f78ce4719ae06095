#include "schedule_time_bar.h"

#include <algorithm>

#include "drawing.h"
#include "schedule_model.h"
#include "support/setting_ranges.h"
#include "support/time_bar_labels.h"
#include "time_scale.h"

void CScheduleLabelSettings::SetDefaults() { *this = CScheduleLabelSettings{}; }

void CScheduleLabelSettings::LoadSettings(const SettingGetter& get) {
    if (!get) return;
    headerFontFactor =
        GetIntSettingIn(get, "ViewScheduleLabelHeaderFontFactor", headerFontFactor, 0, kMaxPercentSetting);
    headerBackground = GetColorSetting(get, "ViewScheduleLabelHeaderColorBk", headerBackground);
    headerText = GetColorSetting(get, "ViewScheduleLabelHeaderColorFg", headerText);
    headerGrid = GetColorSetting(get, "ViewScheduleLabelHeaderColorGrid", headerGrid);
    rowGrid = GetColorSetting(get, "ViewScheduleColorHorzGrid", rowGrid);
    rowHeightFactor = GetIntSettingIn(get, "ViewScheduleLabelHeightRowFactor", rowHeightFactor, 0, kMaxPercentSetting);
    groupFontBold = GetBoolSetting(get, "ViewScheduleLabelGroupFontBold", groupFontBold);
    groupBackground = GetColorSetting(get, "ViewScheduleLabelColorGroupBk", groupBackground);
    collapsedGroupBackground = GetColorSetting(get, "ViewScheduleLabelColorGroupCollapsedBk", collapsedGroupBackground);
    itemBackground = GetColorSetting(get, "ViewScheduleLabelColorBk", itemBackground);
    groupText = GetColorSetting(get, "ViewScheduleLabelColorGroupFg", groupText);
    collapsedGroupText = GetColorSetting(get, "ViewScheduleLabelColorGroupCollapsedFg", collapsedGroupText);
    itemText = GetColorSetting(get, "ViewScheduleLabelColorFg", itemText);
}

void CScheduleTimeBarSettings::SetDefaults() { *this = CScheduleTimeBarSettings{}; }

void CScheduleTimeBarSettings::LoadSettings(const SettingGetter& get) {
    if (!get) return;
    heightFactor = GetIntSettingIn(get, "ViewScheduleTimeBarHeightRowFactor", heightFactor, 0, kMaxPercentSetting);
    majorText = GetColorSetting(get, "ViewScheduleTimeBarColorMajorFg", majorText);
    majorBackground = GetColorSetting(get, "ViewScheduleTimeBarColorMajorBk", majorBackground);
    majorGrid = GetColorSetting(get, "ViewScheduleTimeBarColorMajorGrid", majorGrid);
    minorText = GetColorSetting(get, "ViewScheduleTimeBarColorMinorFg", minorText);
    minorBackground = GetColorSetting(get, "ViewScheduleTimeBarColorMinorBk", minorBackground);
    minorGrid = GetColorSetting(get, "ViewScheduleTimeBarColorMinorGrid", minorGrid);
    orientation = GetIntSetting(get, "ViewScheduleTimeBarOrientation", orientation);
}

ui::Rect CScheduleTimeBar::GetTextRect(const ui::Rect& rect) const {
    ui::Rect text = rect;
    if (orientation == kAlignLeft) text.left += 2;
    else if (orientation == kAlignRight) text.right -= 2;
    return text;
}

void CScheduleTimeBar::Draw(QelDC& dc, const CScheduleModel& model, int left, int top, int right, int bandHeight,
                            const CDateTime& start) const {
    if (bandHeight <= 0 || right <= left) return;
    DrawMinorBand(dc, model, {left, top + bandHeight, right, top + 2 * bandHeight}, start);
    DrawMajorBand(dc, model, {left, top, right, top + bandHeight}, start);
}

void CScheduleTimeBar::DrawMinorBand(QelDC& dc, const CScheduleModel& model, const ui::Rect& band,
                                     const CDateTime& start) const {
    if (band.IsEmpty()) return;
    dc.SelectPen(minorGrid);
    dc.FillSolidRect(band, minorBackground);
    dc.SetTextColor(minorText);
    const int oldMode = dc.SetBkMode(ui::TRANSPARENT);
    const int width = model.ColumnWidth();
    CDateTime position = start;
    for (int x = band.left; !model.IsEmptyAxis(); x += width) {
        const ui::Rect column{x, band.top, std::min(x + width, band.right), band.bottom};
        if (column.IsEmpty()) break;
        DrawTextInRect(dc, FormatTimeBarLabel(position, model.MinorLabelCode(), false), GetTextRect(column),
                       column, orientation, false);
        dc.MoveTo(x + width - 1, band.top);
        dc.LineTo(x + width - 1, band.bottom);
        const CDateTime next = model.StepUnits(position, 1);
        if (!(position < next)) break;
        position = next;
    }
    dc.MoveTo(band.left, band.bottom - 1);
    dc.LineTo(band.right, band.bottom - 1);
    dc.SetBkMode(oldMode);
}

void CScheduleTimeBar::DrawMajorBand(QelDC& dc, const CScheduleModel& model, const ui::Rect& band,
                                     const CDateTime& start) const {
    if (band.IsEmpty()) return;
    dc.FillSolidRect(band, majorBackground);
    dc.SetTextColor(majorText);
    dc.SelectPen(majorGrid);
    const int oldMode = dc.SetBkMode(ui::TRANSPARENT);
    const int code = model.MajorLabelCode();
    if (code != 0 && !model.IsEmptyAxis()) {
        const int width = model.ColumnWidth();
        CTimeScaleIterator iterator(model, start, (band.width() + width - 1) / width);
        int segmentLeft = band.left;
        CDateTime segmentStart = start;
        CDateTime nextSegmentStart;
        int offset = 0;
        const auto label = [&](int right) {
            const ui::Rect segment{segmentLeft, band.top, std::min(right, band.right), band.bottom};
            if (segment.IsEmpty()) return;
            DrawTextInRect(dc, FormatTimeBarLabel(segmentStart, code, false), GetTextRect(segment), segment,
                           orientation, false);
        };
        while (iterator.Run(nextSegmentStart, offset)) {
            const int x = band.left + offset;
            if (x > band.right) break;
            label(x);
            dc.MoveTo(x - 1, band.top);
            dc.LineTo(x - 1, band.bottom);
            segmentLeft = x;
            segmentStart = nextSegmentStart;
        }
        // The segment the band ends in.
        label(band.right);
    }
    dc.MoveTo(band.left, band.bottom - 1);
    dc.LineTo(band.right, band.bottom - 1);
    dc.SetBkMode(oldMode);
}
