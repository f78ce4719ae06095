#pragma once

// The look of the schedule's label column and time bar, shared by the view
// and the report, and the painting of the time bar's two bands.

#include <string_view>

#include "support/setting_values.h"
#include "ui/painter.h"

class CScheduleModel;
class CDateTime;

class CScheduleLabelSettings {
public:
    virtual ~CScheduleLabelSettings() = default;

    void SetDefaults();
    // Each key with the current value as its default.
    void LoadSettings(const SettingGetter& get);

    int headerFontFactor = 130;   // percent
    int rowHeightFactor = 153;    // percent
    bool groupFontBold = true;
    ui::COLORREF headerBackground = 0xE0E0E0;
    ui::COLORREF headerText = 0;
    ui::COLORREF groupBackground = 0xFFFFFF;
    ui::COLORREF collapsedGroupBackground = 0xFFFFFF;
    ui::COLORREF itemBackground = 0xFFFFFF;
    ui::COLORREF groupText = 0;
    ui::COLORREF collapsedGroupText = 0;
    ui::COLORREF itemText = 0;
    ui::COLORREF headerGrid = 0;
    ui::COLORREF rowGrid = 0;
};

class CScheduleTimeBarSettings {
public:
    virtual ~CScheduleTimeBarSettings() = default;

    void SetDefaults();
    void LoadSettings(const SettingGetter& get);

    int heightFactor = 110;   // percent
    int orientation = 0;      // 0 left, 1 centred, 2 right; others count as left
    ui::COLORREF majorText = 0;
    ui::COLORREF majorBackground = 0xE0E0E0;
    ui::COLORREF majorGrid = 0;
    ui::COLORREF minorText = 0;
    ui::COLORREF minorBackground = 0xE0E0E0;
    ui::COLORREF minorGrid = 0x808080;
};

class CScheduleTimeBar : public CScheduleTimeBarSettings {
public:
    // The upper band from top to top + bandHeight - 1 with the major labels
    // and boundaries, the lower band below it with one label per column,
    // from left to right, the first column starting at start.
    void Draw(QelDC& dc, const CScheduleModel& model, int left, int top, int right, int bandHeight,
              const CDateTime& start) const;
    void DrawMinorBand(QelDC& dc, const CScheduleModel& model, const ui::Rect& band, const CDateTime& start) const;
    void DrawMajorBand(QelDC& dc, const CScheduleModel& model, const ui::Rect& band, const CDateTime& start) const;
    // The label's rectangle in a column or segment: 2 pixels in from the
    // side the labels are aligned to.
    ui::Rect GetTextRect(const ui::Rect& rect) const;
};
