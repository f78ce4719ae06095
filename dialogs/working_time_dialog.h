#pragma once

// The document's working time: the planning period, the working day and the
// working weekdays. The caller fills the members, runs the dialog and, after
// IDOK, writes them into the document (EditWorkingTime does all of it in one
// undo step); the period choice dialog picks a day, a week, a month or a year.

#include <cstdint>

#include "period_pick.h"
#include "spctrl/sp_controls.h"
#include "support/calendar_values.h"
#include "support/setting_values.h"
#include "ui/dialog_base.h"

class CPlanData;

class CWorkingTimeDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // readOnly: the document is write-protected; the dialog only shows.
    CWorkingTimeDlg(bool readOnly, SettingGetter settings, QWidget* parent = nullptr);

    CDate fromDate;
    CDate toDate;
    CTimeOfDay dayStart{8, 0};
    CTimeOfDay dayEnd{17, 0};
    std::uint8_t workingDays[7] = {1, 1, 1, 1, 1, 0, 0};   // Monday first

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    bool readOnly_;
    SettingGetter settings_;
    CSPDatePeriodCtrl dates_;
    CSPTimePeriodCtrl times_;
    CSPCheckGroupCtrl weekdays_;
};

// Runs the working-time dialog on the document's properties and writes the
// result in one undo step. True when the user confirmed and the document
// took the change.
bool EditWorkingTime(CPlanData* data, const SettingGetter& settings, QWidget* parent = nullptr);
// Writes the planning period alone, in the same undo step; false when the
// document refused it.
bool SetWorkingPeriod(CPlanData* data, CDate from, CDate to);

class CPeriodChoiceDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // date: the day shown first, today when it names no day.
    explicit CPeriodChoiceDlg(CDate date, QWidget* parent = nullptr);

    // After IDOK: the picked day, or the start of the picked period.
    CDate date;
    CDate periodStart;
    CDate periodEnd;
    std::uint8_t calendarOption = 0;
    bool period = false;

protected:
    void OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code, QWidget* control) override;

private:
    void Pick(unsigned code);

    CSPCalendarCtrl calendar_;
};
