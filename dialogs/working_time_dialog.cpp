#include "working_time_dialog.h"

#include <algorithm>
#include <functional>

#include <QLabel>
#include <QVBoxLayout>

#include "booking_ids.h"
#include "controls_api.h"
#include "data_status.h"
#include "dialog_layout.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "spctrl/sp_ddx.h"
#include "spctrl/sp_layout.h"
#include "string_ids.h"
#include "support/locale_names.h"
#include "working_time_ids.h"
#include "working_time_rules.h"

namespace {

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

// The week as the user's locale orders it: position i shows this weekday
// (0 = Monday).
int WeekdayAt(int position) { return g_localeNames.WeekdayIndex(position); }

// One undo step named for the working time; the change is written only when
// both the step and the properties accept it.
bool ChangeProperties(CPlanData* data, const std::function<void(CPlanProperties&)>& write) {
    if (data == nullptr || data->properties == nullptr) return false;
    if (data->BeginTransaction(plat::LoadResString(ids::UNDO_WORKING_TIME).c_str()) != kDataOk) return false;
    if (data->properties->BeginChange() != kDataOk) {
        data->CancelTransaction();
        return false;
    }
    write(*data->properties);
    return data->CommitTransaction() == kDataOk;
}

}  // namespace

CWorkingTimeDlg::CWorkingTimeDlg(bool readOnly, SettingGetter settings, QWidget* parent)
    : DialogBase(parent),
      readOnly_(readOnly),
      settings_(settings ? std::move(settings) : SettingGetter([](std::string_view) { return std::string(); })) {
    setWindowTitle(Text(working_time_ids::CAPTION_WORKING_TIME));
    QWidget* dates = dates_.Create(this, IDC_WORKING_PERIOD);
    QWidget* times = times_.Create(this, IDC_WORKING_DAY);
    QWidget* weekdays = weekdays_.Create(this, IDC_WORKING_WEEKDAYS);
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    layout->addWidget(dates);
    layout->addWidget(times);
    auto* daysLabel = new QLabel(Text(working_time_ids::LABEL_WORKING_DAYS), this);
    daysLabel->setBuddy(weekdays);
    layout->addWidget(daysLabel);
    layout->addWidget(weekdays);
    dlg::AddOkCancel(this, layout);
}

void CWorkingTimeDlg::DoDataExchange(ui::DataExchange& dx) {
    DDX_Control(dx, IDC_WORKING_PERIOD, dates_);
    DDX_SPDatePeriod(dx, IDC_WORKING_PERIOD, fromDate, 0);
    DDX_SPDatePeriod(dx, IDC_WORKING_PERIOD, toDate, 1);
    DDX_Control(dx, IDC_WORKING_DAY, times_);
    DDX_SPTimePeriod(dx, IDC_WORKING_DAY, dayStart, 0);
    DDX_SPTimePeriod(dx, IDC_WORKING_DAY, dayEnd, 1);
    DDX_Control(dx, IDC_WORKING_WEEKDAYS, weekdays_);
}

void CWorkingTimeDlg::OnInitDialog() {
    DialogBase::OnInitDialog();
    GetDlgItem(ui::IDOK)->setEnabled(!readOnly_);
    dates_.SetFormat(plat::LoadResString(booking_ids::PART_FROM_DATE), 0);
    dates_.SetFormat(plat::LoadResString(booking_ids::PART_TO_DATE), 1);
    times_.SetFormat(plat::LoadResString(booking_ids::PART_FROM_TIME), 0);
    times_.SetFormat(plat::LoadResString(booking_ids::PART_TO_TIME), 1);
    times_.SendMessage(WM_SP_TIMEPERIOD_OPTION, 0, 0);
    FitPeriodEdits(GetDlgItem(IDC_WORKING_PERIOD));
    FitPeriodEdits(GetDlgItem(IDC_WORKING_DAY));
    for (int position = 0; position < 7; ++position) {
        const int weekday = WeekdayAt(position);
        weekdays_.AddItem(g_localeNames.ShortDayNames()[weekday]);
        weekdays_.SetCheck(position, workingDays[weekday] != 0);
    }
}

void CWorkingTimeDlg::OnOK() {
    if (readOnly_ || !UpdateData(true)) return;
    WorkingTimeInput input;
    input.from = fromDate;
    input.to = toDate;
    input.dayStart = dayStart;
    input.dayEnd = dayEnd;
    for (int position = 0; position < 7; ++position)
        input.flags[WeekdayAt(position)] = weekdays_.GetCheck(position) ? 1 : 0;
    input.allowWithoutWorkingDays = GetBoolSetting(settings_, "AllowDatePeriodWithoutWorkingDays", false);
    const WorkingTimeRefusal refusal = CheckWorkingTime(input);
    if (!refusal.accepted()) {
        Refuse(refusal.controlId, refusal.stringId);
        return;
    }
    std::copy(std::begin(input.flags), std::end(input.flags), std::begin(workingDays));
    EndDialog(ui::IDOK);
}

bool EditWorkingTime(CPlanData* data, const SettingGetter& settings, QWidget* parent) {
    if (data == nullptr || data->properties == nullptr) return false;
    const CPlanProperties& properties = *data->properties;
    CWorkingTimeDlg dialog(data->properties->IsWriteProtected(), settings, parent);
    dialog.fromDate = CDate::FromJulianDay(properties.periodStart);
    dialog.toDate = CDate::FromJulianDay(properties.periodEnd);
    // A stored end of 24:00 shows as 0:00, which the dialog reads as midnight.
    dialog.dayStart = properties.dayStartMinutes;
    dialog.dayEnd = properties.dayEndMinutes;
    std::copy(std::begin(properties.workingDays), std::end(properties.workingDays), std::begin(dialog.workingDays));
    if (dialog.DoModal() != ui::IDOK) return false;

    return ChangeProperties(data, [&dialog](CPlanProperties& changed) {
        changed.periodStart = dialog.fromDate.GetJulianDay();
        changed.periodEnd = dialog.toDate.GetJulianDay();
        const WorkingDayMinutes day = StoredWorkingDay(dialog.dayStart.GetMinutes(), dialog.dayEnd.GetMinutes());
        changed.dayStartMinutes = static_cast<std::int16_t>(day.start);
        changed.dayEndMinutes = static_cast<std::int16_t>(day.end);
        std::copy(std::begin(dialog.workingDays), std::end(dialog.workingDays), std::begin(changed.workingDays));
    });
}

bool SetWorkingPeriod(CPlanData* data, CDate from, CDate to) {
    if (!from.IsValid() || !to.IsValid() || to.GetJulianDay() < from.GetJulianDay()) return false;
    return ChangeProperties(data, [from, to](CPlanProperties& changed) {
        changed.periodStart = from.GetJulianDay();
        changed.periodEnd = to.GetJulianDay();
    });
}

CPeriodChoiceDlg::CPeriodChoiceDlg(CDate shown, QWidget* parent) : DialogBase(parent), date(shown) {
    setWindowTitle(Text(working_time_ids::CAPTION_PERIOD_CHOICE));
    QWidget* calendar = calendar_.Create(this, IDC_PERIOD_CALENDAR);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(calendar);
}

void CPeriodChoiceDlg::OnInitDialog() {
    DialogBase::OnInitDialog();
    calendar_.SendMessage(WM_SP_CALENDAR_SETMODE, calendarOption, 0);
    const CDate shown = date.IsValid() ? date : CDate::Today();
    calendar_.SendMessage(WM_SP_CALENDAR_SETDATE, 0, shown.GetJulianDay());
    calendar_.GetSafeHwnd()->setFocus();
}

void CPeriodChoiceDlg::OnOK() { Pick(SPCN_CALENDAR_DAY); }

bool CPeriodChoiceDlg::OnCommand(int id, unsigned code, QWidget*) {
    if (id != IDC_PERIOD_CALENDAR || code < SPCN_CALENDAR_CANCEL || code > SPCN_CALENDAR_TODAY) return false;
    if (code == SPCN_CALENDAR_CANCEL) EndDialog(ui::IDCANCEL);
    else Pick(code);
    return true;
}

void CPeriodChoiceDlg::Pick(unsigned code) {
    CDate shown;
    shown.SetEmpty();
    if (calendar_.GetSafeHwnd() != nullptr)
        shown = CDate::FromJulianDay(std::int32_t(calendar_.SendMessage(WM_SP_CALENDAR_GETDATE)));
    const std::optional<PeriodPick> pick = PickPeriod(code, shown, CDate::Today());
    if (!pick) return;
    period = pick->period;
    date = pick->date;
    periodStart = pick->start;
    periodEnd = pick->end;
    EndDialog(ui::IDOK);
}
